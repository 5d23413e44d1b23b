#include "MomentoController.h"

#include "Numbers.h"
#include "Working.h"

#include <cmath>

namespace {

// The number goes in first and the unit is appended to what the field then
// holds, so each press replaces the whole text and " Nm" never doubles.
void showMoment(platform::Field& field, float moment)
{
    platform::display(field, "%0.2f", moment);
    const std::string shown = field.stringValue();
    field.setStringValue(shown + " Nm");
}

using platform::shortest;
using platform::Text;

const Text tool{PHYSCALC_TRANSLATE_NOOP("Working", "Torque"), {}};

std::string twoDecimals(float value)
{
    return platform::stringWithFormat("%0.2f", value);
}

} // namespace

void MomentoController::getSimple(platform::Sender)
{
    const float a = alpha->floatValue();
    // The sine runs in double: at 180 degrees it is a tiny positive number
    // and the moment shows 0.00 Nm; at 360 it is tiny and negative, -0.00 Nm.
    const double s = std::sin(platform::degreesToRadians(a));
    const float d = dist->floatValue();
    const float F = power1->floatValue();
    const double lever = s * double{d};
    const float effectiveLever = static_cast<float>(lever);
    const float M = effectiveLever * F;
    showMoment(*rx1, M);

    working::publish(
        working, log,
        {tool,
         {{"\u03b1", shortest(a)}, {"d", shortest(d)}, {"F", shortest(F)}},
         {{"M", twoDecimals(M)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "sin \u03b1 = sin %1\u00b0 %2"),
              {shortest(a), working::step(s)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                      "d \u00b7 sin \u03b1 = %1 m \u00d7 sin %2\u00b0 %3 m"),
              {shortest(d), shortest(a), working::step(effectiveLever)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "M = F \u00b7 d \u00b7 sin \u03b1 = %1 N \u00d7 "
                                                 "%2 m \u00d7 sin %3\u00b0 = %4 N\u00b7m"),
              {shortest(F), shortest(d), shortest(a), twoDecimals(M)}}});
}

void MomentoController::getDouble(platform::Sender)
{
    const float arm = b->floatValue();
    const float force = power2->floatValue();
    const float M = arm * force;
    showMoment(*rx2, M);

    working::publish(
        working, log,
        {tool, {{"b", shortest(arm)}, {"F", shortest(force)}}, {{"M", twoDecimals(M)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "M = F \u00b7 b = %1 N \u00d7 %2 m = %3 N\u00b7m"),
              {shortest(force), shortest(arm), twoDecimals(M)}}});
}
