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
    // The log shows each input in its unit, and what was typed where the
    // reading was noted, so a teacher can check it; then the uncertainties.
    platform::Computation logged = computation;
    for (platform::Quantity& input : logged.inputs) {
        for (const platform::Notes::Input& read : press.inputs()) {
            if (read.symbol == input.symbol && input.unit.empty() && input.typed.empty()) {
                input.unit = read.unit;
                input.typed = read.typed;
                input.note = read.note;
                break;
            }
        }
    }
    if (errors != nullptr && !errors->logged().empty()) {
        for (platform::Quantity& input : logged.inputs) {
            if (const std::string typed = errors->uncertaintyOf(input.symbol); !typed.empty())
                input.value += " \u00b1 " + typed;
        }
        logged.results.insert(logged.results.end(), errors->logged().begin(),
                              errors->logged().end());
    }
    log->record(logged);
}

} // namespace working
