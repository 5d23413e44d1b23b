#include "FirstShow.h"

#include <QEvent>
#include <QLayout>

#include <vector>

namespace platform::qt {

namespace {

// One per window: what is to be built when it is first shown.
class FirstShowFilter final : public QObject
{
public:
    explicit FirstShowFilter(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    static FirstShowFilter* of(QWidget* window)
    {
        for (QObject* child : window->children()) {
            auto* filter = dynamic_cast<FirstShowFilter*>(child);
            if (filter != nullptr && !filter->done)
                return filter;
        }
        return new FirstShowFilter(window);
    }

    void add(std::function<void()> build) { builds.push_back(std::move(build)); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Not Polish: Qt polishes every new window from the event loop, shown
        // or not, so what was built then would be built at start after all.
        // Show comes after the window was laid out and sized for its first
        // contents, so it is laid out and sized again, once for all builds.
        if (watched != parent() || event->type() != QEvent::Show)
            return false;
        watched->removeEventFilter(this);
        done = true;
        deleteLater();
        for (auto build = builds.rbegin(); build != builds.rend(); ++build)
            (*build)();
        auto* window = static_cast<QWidget*>(watched);
        if (window->layout() != nullptr)
            window->layout()->activate();
        window->adjustSize();
        return false;
    }

private:
    std::vector<std::function<void()>> builds;
    bool done = false;
};

} // namespace

void onFirstShow(QWidget* window, std::function<void()> build)
{
    FirstShowFilter::of(window)->add(std::move(build));
}

} // namespace platform::qt
