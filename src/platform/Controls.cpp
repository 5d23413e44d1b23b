// Field readings through the number rules, and the current application object.
#include "Controls.h"

#include "Numbers.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Application* current = nullptr;
}

float Field::floatValue() const
{
    return readFloat(stringValue());
}

int Field::intValue() const
{
    return readInt(stringValue());
}

Application& app()
{
    if (current == nullptr) {
        std::fputs("PhysCalc: no application object is installed\n", stderr);
        std::abort();
    }
    return *current;
}

CurrentApplication::CurrentApplication(Application& application)
    : previous(current)
{
    current = &application;
}

CurrentApplication::~CurrentApplication()
{
    current = previous;
}

} // namespace platform
