#include "MomentoController.h"

#include "Numbers.h"

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
}

void MomentoController::getDouble(platform::Sender)
{
    const float arm = b->floatValue();
    const float force = power2->floatValue();
    const float M = arm * force;
    showMoment(*rx2, M);
}
