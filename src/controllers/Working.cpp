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

void publish(const platform::Notes& press, platform::TextPane* pane, platform::ComputationLog* log,
             const platform::Computation& computation, const std::vector<platform::Text>& lines)
{
    if (pane != nullptr) {
        std::vector<platform::Text> shown = press.conversions();
        shown.insert(shown.end(), lines.begin(), lines.end());
        pane->show(shown);
    }
    if (log != nullptr)
        log->record(computation);
}

} // namespace working
