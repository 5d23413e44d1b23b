#include "FirstShow.h"

#include <QEvent>
#include <QLayout>

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
        // Not Polish: Qt polishes every new window from the event loop, shown
        // or not, so what was built then would be built at start after all.
        // Show comes after the window was laid out and sized for its first
        // contents, so it is laid out and sized again.
        if (watched == parent() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            build();
            auto* window = static_cast<QWidget*>(watched);
            if (window->layout() != nullptr)
                window->layout()->activate();
            window->adjustSize();
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
