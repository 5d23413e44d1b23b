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
             const platform::Computation& computation, const std::vector<platform::Text>& lines,
             const uncertainty::Propagation* errors)
{
    if (pane != nullptr) {
        std::vector<platform::Text> shown = press.conversions();
        shown.insert(shown.end(), lines.begin(), lines.end());
        if (errors != nullptr)
            shown.insert(shown.end(), errors->working().begin(), errors->working().end());
        pane->show(shown);
    }
    if (log == nullptr)
        return;
    if (errors == nullptr || errors->logged().empty()) {
        log->record(computation);
        return;
    }
    platform::Computation withErrors = computation;
    for (platform::Quantity& input : withErrors.inputs) {
        if (const std::string typed = errors->uncertaintyOf(input.symbol); !typed.empty())
            input.value += " \u00b1 " + typed;
    }
    withErrors.results.insert(withErrors.results.end(), errors->logged().begin(),
                              errors->logged().end());
    log->record(withErrors);
}

} // namespace working
