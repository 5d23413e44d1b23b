// A part of a window built from its own form the first time the window is
// shown, so that start-up does not pay for what a person may never open.
#pragma once

#include "FormWindow.h"
#include "QtControls.h"

#include <QBoxLayout>
#include <QEvent>

#include <functional>
#include <utility>

namespace platform::qt {

// Runs the function once, when the window is first shown, before it is
// painted.
class FirstShow final : public QObject
{
public:
    FirstShow(QWidget* window, std::function<void()> builder)
        : QObject(window)
        , build(std::move(builder))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && build) {
            watched->removeEventFilter(this);
            std::exchange(build, nullptr)();
        }
        return false;
    }

private:
    std::function<void()> build;
};

// Builds the form as a widget at the end of the window's box layout (before a
// closing stretch, if the layout ends with one) and gives it to the function,
// which wires it. The part's inputs come after the window's in the Tab order,
// and its fields are styled as the window's are.
template <class Form>
void buildOnFirstShow(QWidget* window, std::function<void(const Form&)> wire)
{
    new FirstShow(window, [window, wire = std::move(wire)] {
        auto* part = new FormWindow<Form>;
        auto* layout = static_cast<QBoxLayout*>(window->layout());
        const int count = layout->count();
        const bool endsWithStretch =
            count > 0 && layout->itemAt(count - 1)->spacerItem() != nullptr;
        layout->insertWidget(endsWithStretch ? count - 1 : count, part);
        styleFields(part);
        part->show();
        wire(part->ui);
        // The window was sized for its first contents just before this.
        layout->activate();
        window->adjustSize();
    });
}

} // namespace platform::qt
