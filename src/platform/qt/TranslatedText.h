// Texts made below Qt, in the language of the interface.
#pragma once

#include "Text.h"

#include <QString>

namespace platform::qt {

// The text translated in its context, with its arguments filled in: numbers
// keep the digits and the point the controller gave them.
QString translated(const Text& text);

} // namespace platform::qt
