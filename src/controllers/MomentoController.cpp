#include "MomentoController.h"

#include "Numbers.h"

#include <cmath>

namespace {

// The number goes in first and the unit is appended to what the field then
// holds, so each press replaces the whole text and " Nm" never doubles.
void showMoment(platform::Notes& press, platform::Field& field, float moment)
{
    press.display(field, "%0.2f", moment);
    const std::string shown = field.stringValue();
    field.setStringValue(shown + " Nm");
}

} // namespace

void MomentoController::getSimple(platform::Sender)
{
    press.begin("M = F · d · sin α");
    const float a = press.read(*alpha, "°");
    // The sine runs in double: at 180 degrees it is a tiny positive number
    // and the moment shows 0.00 Nm; at 360 it is tiny and negative, -0.00 Nm.
    const double s = std::sin(platform::degreesToRadians(a));
    const float d = press.read(*dist, "m");
    const float F = press.read(*power1, "N");
    const double lever = s * double{d};
    const float effectiveLever = static_cast<float>(lever);
    const float M = effectiveLever * F;
    showMoment(press, *rx1, M);
    // The sign is the sine's: a student who reads -12.50 Nm needs to know
    // which way that turns.
    if (M < 0.0f && std::fabs(M) >= 0.005f) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP(
                 "Notes",
                 "A negative moment turns clockwise: the angle is measured anticlockwise from "
                 "the lever to the force, and positive moments turn anticlockwise."),
             {}});
    } else if (M > 0.0f && M >= 0.005f) {
        press.add({PHYSCALC_TRANSLATE_NOOP(
                       "Notes",
                       "A positive moment turns anticlockwise (the angle is measured anticlockwise "
                       "from the lever to the force)."),
                   {}});
    }
    press.finish(notes);
}

void MomentoController::getDouble(platform::Sender)
{
    press.begin("M = F · b");
    const float arm = press.read(*b, "m");
    const float force = press.read(*power2, "N");
    const float M = arm * force;
    showMoment(press, *rx2, M);
    press.finish(notes);
}
