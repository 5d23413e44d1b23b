#include "FirstShow.h"

#include <QEvent>

namespace platform::qt {

namespace {

class FirstShowFilter final : public QObject
{
public:
    FirstShowFilter(QWidget* window, std::function<void()> buildOnce)
        : QObject(window)
        , build(std::move(buildOnce))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Polish comes as the window is first shown, before it is laid out
        // and sized, so what is built then takes its place as if built at
        // start.
        if (watched == parent() && event->type() == QEvent::Polish) {
            watched->removeEventFilter(this);
            deleteLater();
            build();
        }
        return false;
    }

private:
    std::function<void()> build;
};

} // namespace

void onFirstShow(QWidget* window, std::function<void()> build)
{
    new FirstShowFilter(window, std::move(build));
}

} // namespace platform::qt
