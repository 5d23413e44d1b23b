// Carrying a result into another tool: a result's context menu offers every
// input of the other windows, so a normal force or a component goes on into
// the next step of a problem without being copied by hand.
#pragma once

#include <QLineEdit>
#include <QList>

#include <functional>

namespace platform::qt {

// Gives the result a "Carry to" submenu, one submenu per window and one entry
// per input of it that targets() lists when the menu opens. An entry types the
// result's number, without its unit or words, into the input as a person
// would, and brings the input's window to the front with the input focused.
void offerCarry(QLineEdit* result, std::function<QList<QLineEdit*>()> targets);

} // namespace platform::qt
