#include "ErrorController.h"

#include "Numbers.h"

#include <string>

namespace {

// The values added so far: their sum and how many they are. Both are floats,
// the count included, like every number the tools store.
float sum = 0.0f;
float counter = 0.0f;

std::string countText()
{
    return platform::stringWithFormat("%0.0f", counter);
}

} // namespace

void ErrorController::addToMedia(platform::Sender)
{
    press.begin("+");
    const float v = press.read(*valToMedia, "");
    const float before = counter;
    sum = sum + v;
    counter = counter + 1.0f;
    if (counter == before) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "The count has stopped growing at %1 (2^24): a float "
                                              "count cannot grow by 1 any more, so the value went "
                                              "into the sum only."),
             {countText()}});
    }
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);
}

void ErrorController::getMedia(platform::Sender)
{
    press.begin("mean");
    // With nothing added this is 0/0, shown as "nan".
    const float m = sum / counter;
    press.display(*mediaLabel, "%0.2f", m);
    if (counter == 0.0f) {
        press.add({PHYSCALC_TRANSLATE_NOOP(
                       "Notes",
                       "No value has been added yet: the mean is 0 / 0 (nan). Add values first."),
                   {}});
    } else {
        press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Mean of %1 values."), {countText()}});
    }
    press.finish(notes);
}

void ErrorController::erase(platform::Sender)
{
    sum = 0.0f;
    counter = 0.0f;
    press.begin("");
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);
}

void ErrorController::getAbs(platform::Sender)
{
    press.begin("Δx = ε · x");
    const float r = press.read(*setRel, "");
    const float v = press.read(*setVal, "");
    const float a = r * v;
    press.display(*absLabel, "%0.2f", a);
    press.finish(notes);
}

void ErrorController::getRelPerc(platform::Sender)
{
    press.begin("ε = Δx / x");
    const float e = press.read(*setAbsForPerc, "");
    const float m = press.read(*setMisuraForPerc, "");
    const float rel = e / m;
    press.display(*getRelLabel, "%0.2f", rel);
    // From the unrounded quotient: 1 of 3 is 33.33 %, not the 33.00 % that
    // the two decimals on screen would give.
    const float pct = rel * 100.0f;
    press.display(*getPercLabel, "%0.2f", pct);
    press.noteQuotient(*setAbsForPerc, e, *setMisuraForPerc, m);
    press.finish(notes);
}

namespace runningMean {

Totals totals()
{
    return {sum, counter};
}

void reset(Totals from)
{
    sum = from.sum;
    counter = from.counter;
}

} // namespace runningMean
