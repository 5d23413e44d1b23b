// Field readings through the number rules, and the current application object.
#include "Controls.h"

#include "Numbers.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

float Field::floatValue() const
{
    return readFloat(stringValue());
}

int Field::intValue() const
{
    return readInt(stringValue());
}

void Field::setText(const Text& text)
{
    setStringValue(english(text));
}

Application& app()
{
    if (detail::installedApplication == nullptr) {
        std::fputs("PhysCalc: no application object is installed\n", stderr);
        std::abort();
    }
    return *detail::installedApplication;
}

} // namespace platform
