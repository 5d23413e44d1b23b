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

// Builds the form as a widget at the end of one of the window's columns
// (before a closing stretch, if the column ends with one) and gives it to the
// function, which wires it and may move a group of it elsewhere. The part's
// inputs take their place in the Tab order where it stands, and its fields
// are styled as the window's are.
template <class Form>
void buildOnFirstShow(QBoxLayout* column, std::function<void(const Form&)> wire)
{
    QWidget* window = column->parentWidget();
    onFirstShow(window, [column, wire = std::move(wire)] {
        auto* part = new FormWindow<Form>;
        const int count = column->count();
        const bool endsWithStretch =
            count > 0 && column->itemAt(count - 1)->spacerItem() != nullptr;
        column->insertWidget(endsWithStretch ? count - 1 : count, part);
        styleFields(part);
        part->show();
        wire(part->ui);
        placeInTabOrder(part);
    });
}

// Moves a group of a part to another column of its window, at the given
// place, and shows it there now rather than when the event loop next turns,
// so the window is sized with it.
inline void moveToColumn(QWidget* group, QBoxLayout* column, int index)
{
    column->insertWidget(index, group);
    group->show();
}

} // namespace platform::qt
