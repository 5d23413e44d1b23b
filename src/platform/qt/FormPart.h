// A part of a window built from its own form the first time the window is
// shown, so that start-up does not pay for what a person may never open.
#pragma once

#include "FirstShow.h"
#include "FormWindow.h"
#include "QtControls.h"

#include <QBoxLayout>

#include <functional>
#include <utility>

namespace platform::qt {

// Builds the form as a widget at the end of the window's box layout (before a
// closing stretch, if the layout ends with one) and gives it to the function,
// which wires it. The part's inputs come after the window's in the Tab order,
// and its fields are styled as the window's are.
template <class Form>
void buildOnFirstShow(QWidget* window, std::function<void(const Form&)> wire)
{
    onFirstShow(window, [window, wire = std::move(wire)] {
        auto* part = new FormWindow<Form>;
        auto* layout = static_cast<QBoxLayout*>(window->layout());
        const int count = layout->count();
        const bool endsWithStretch =
            count > 0 && layout->itemAt(count - 1)->spacerItem() != nullptr;
        layout->insertWidget(endsWithStretch ? count - 1 : count, part);
        styleFields(part);
        part->show();
        wire(part->ui);
    });
}

} // namespace platform::qt
