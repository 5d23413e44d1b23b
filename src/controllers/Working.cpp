#include "Working.h"

#include "Numbers.h"

namespace working {

namespace {

std::string relation(const platform::Approximation& value)
{
    return (value.rounded ? "\u2248 " : "= ") + value.text;
}

} // namespace

std::string step(float value)
{
    return relation(platform::fourSignificant(value));
}

std::string step(double value)
{
    return relation(platform::fourSignificant(value));
}

void publish(platform::TextPane* pane, platform::ComputationLog* log,
             const platform::Computation& computation, const std::vector<platform::Text>& lines)
{
    if (pane != nullptr)
        pane->show(lines);
    if (log != nullptr)
        log->record(computation);
}

} // namespace working
