#include "ErrorController.h"

#include "Numbers.h"

namespace {

// The values added so far: their sum and how many they are. Both are floats,
// the count included, like every number the tools store.
float sum = 0.0f;
float counter = 0.0f;

} // namespace

void ErrorController::addToMedia(platform::Sender)
{
    const float v = valToMedia->floatValue();
    sum = sum + v;
    counter = counter + 1.0f;
}

void ErrorController::getMedia(platform::Sender)
{
    // With nothing added this is 0/0, shown as "nan".
    const float m = sum / counter;
    platform::display(*mediaLabel, "%0.2f", m);
}

void ErrorController::erase(platform::Sender)
{
    sum = 0.0f;
    counter = 0.0f;
}

void ErrorController::getAbs(platform::Sender)
{
    const float r = setRel->floatValue();
    const float v = setVal->floatValue();
    const float a = r * v;
    platform::display(*absLabel, "%0.2f", a);
}

void ErrorController::getRelPerc(platform::Sender)
{
    const float e = setAbsForPerc->floatValue();
    const float m = setMisuraForPerc->floatValue();
    const float rel = e / m;
    platform::display(*getRelLabel, "%0.2f", rel);
    // From the unrounded quotient: 1 of 3 is 33.33 %, not the 33.00 % that
    // the two decimals on screen would give.
    const float pct = rel * 100.0f;
    platform::display(*getPercLabel, "%0.2f", pct);
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
