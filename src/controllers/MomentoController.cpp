#include "MomentoController.h"

#include "Numbers.h"
#include "Working.h"

#include <cmath>
#include <string>

namespace {

// The number goes in first and the unit is appended to what the field then
// holds, so each press replaces the whole text and " Nm" never doubles.
void showMoment(platform::Notes& press, platform::Field& field, float moment)
{
    press.display(field, "%0.2f", moment);
    const std::string shown = field.stringValue();
    field.setStringValue(shown + " Nm");
}

using platform::Drawing;

std::string formatted(double value)
{
    return platform::stringWithFormat("%0.2f", value);
}

// The curved arrow of the sense of rotation round the centre: counter-
// clockwise for a positive moment, clockwise for a negative one, none for 0.
void drawSense(Drawing& drawing, Drawing::Point centre, double radius, float moment)
{
    if (!(moment != 0.0f) || !std::isfinite(moment))
        return;
    const double sweep = moment > 0.0f ? 120.0 : -120.0;
    const double start = moment > 0.0f ? 200.0 : 340.0;
    drawing.drawTurn(centre, radius, start, sweep, "M " + formatted(moment) + " Nm",
                     Drawing::Ink::Result);
}

// The picture's words, one sentence per sense of rotation so that each can be
// translated whole.
platform::Text leverWords(float moment)
{
    if (moment > 0.0f)
        return {PHYSCALC_TRANSLATE_NOOP("Torque",
                                        "A lever %1 m long from the pivot, a force of %2 N at its "
                                        "end at %3 degrees to it: a moment of %4 Nm, turning "
                                        "counter-clockwise."),
                {}};
    if (moment < 0.0f)
        return {PHYSCALC_TRANSLATE_NOOP("Torque",
                                        "A lever %1 m long from the pivot, a force of %2 N at its "
                                        "end at %3 degrees to it: a moment of %4 Nm, turning "
                                        "clockwise."),
                {}};
    return {PHYSCALC_TRANSLATE_NOOP("Torque", "A lever %1 m long from the pivot, a force of %2 N "
                                              "at its end at %3 degrees to it: a moment of %4 "
                                              "Nm, no turning."),
            {}};
}

platform::Text coupleWords(float moment)
{
    if (moment > 0.0f)
        return {PHYSCALC_TRANSLATE_NOOP("Torque", "A couple: two opposite forces of %1 N, %2 m "
                                                  "apart, give a moment of %3 Nm, turning "
                                                  "counter-clockwise."),
                {}};
    if (moment < 0.0f)
        return {PHYSCALC_TRANSLATE_NOOP("Torque", "A couple: two opposite forces of %1 N, %2 m "
                                                  "apart, give a moment of %3 Nm, turning "
                                                  "clockwise."),
                {}};
    return {PHYSCALC_TRANSLATE_NOOP("Torque", "A couple: two opposite forces of %1 N, %2 m "
                                              "apart, give a moment of %3 Nm, no turning."),
            {}};
}

// A lever from the pivot along +x, the force at its end at the angle to it.
// The force arrow is drawn as long as the lever: lengths and forces have
// different units, and the lever sets the scale.
void drawLever(Drawing& drawing, float d, float alpha, float F, float moment)
{
    drawing.erase();
    const double lever = std::isfinite(d) && d > 0.0f ? double{d} : 1.0;
    const double radians = platform::degreesToRadians(alpha);
    const double sign = F < 0.0f ? -1.0 : 1.0;
    const Drawing::Point end{lever, 0.0};
    drawing.drawLine({0.0, 0.0}, end, Drawing::Ink::Body);
    drawing.drawOutline({{0.0, 0.0}, {-lever * 0.06, -lever * 0.1}, {lever * 0.06, -lever * 0.1}},
                        Drawing::Ink::Body);
    drawing.drawLabel({lever * 0.3, lever * 0.06}, "d " + formatted(d) + " m");
    if (F != 0.0f && std::isfinite(F))
        drawing.drawArrow(end,
                          {lever + sign * lever * 0.8 * std::cos(radians),
                           sign * lever * 0.8 * std::sin(radians)},
                          "F " + formatted(F) + " N", Drawing::Ink::Force);
    drawing.drawLabel({lever + lever * 0.2, 0.0}, "α " + formatted(alpha) + "°");
    drawSense(drawing, {0.0, 0.0}, lever * 0.35, moment);
    platform::Text words = leverWords(moment);
    words.arguments = {formatted(d), formatted(F), formatted(alpha), formatted(moment)};
    drawing.setDescription(words);
}

// A bar with two opposite forces at its ends, b apart, the upward one on the
// right for a positive moment.
void drawCouple(Drawing& drawing, float arm, float force, float moment)
{
    drawing.erase();
    const double half = std::isfinite(arm) && arm != 0.0f ? std::fabs(double{arm}) / 2.0 : 0.5;
    const double up = moment < 0.0f ? -half * 1.2 : half * 1.2;
    drawing.drawLine({-half, 0.0}, {half, 0.0}, Drawing::Ink::Body);
    drawing.drawLabel({-half * 0.4, half * 0.1}, "b " + formatted(arm) + " m");
    if (force != 0.0f && std::isfinite(force)) {
        const std::string label = "F " + formatted(std::fabs(double{force})) + " N";
        drawing.drawArrow({half, 0.0}, {half, up}, label, Drawing::Ink::Force);
        drawing.drawArrow({-half, 0.0}, {-half, -up}, label, Drawing::Ink::Force);
    }
    drawSense(drawing, {0.0, 0.0}, half * 0.6, moment);
    platform::Text words = coupleWords(moment);
    words.arguments = {formatted(force), formatted(arm), formatted(moment)};
    drawing.setDescription(words);
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
    press.begin("M = F · d · sin α");
    const float a = press.read(*alpha, "°", "\u03b1");
    // The sine runs in double: at 180 degrees it is a tiny positive number
    // and the moment shows 0.00 Nm; at 360 it is tiny and negative, -0.00 Nm.
    const double s = std::sin(platform::degreesToRadians(a));
    const float d = press.read(*dist, "m", "d");
    const float F = press.read(*power1, "N", "F");
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

    uncertainty::Propagation errors(press);
    const uncertainty::Value uncertainAngle = errors.input(*alpha, a, "\u03b1", "\u00b0");
    const uncertainty::Value uncertainDistance = errors.input(*dist, d, "d", "m");
    const uncertainty::Value uncertainForce = errors.input(*power1, F, "F", "N");
    errors.result("M", M,
                  uncertainForce * uncertainDistance * uncertainty::sinDegrees(uncertainAngle),
                  "N\u00b7m", true);
    errors.show(uncertainties);
    working::publish(
        press, working, log,
        {tool,
         {{"\u03b1", shortest(a)}, {"d", shortest(d)}, {"F", shortest(F)}},
         {{"M", twoDecimals(M), "N\u00b7m"}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "sin \u03b1 = sin %1\u00b0 %2"),
              {shortest(a), working::step(s)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                      "d \u00b7 sin \u03b1 = %1 m \u00d7 sin %2\u00b0 %3 m"),
              {shortest(d), shortest(a), working::step(effectiveLever)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "M = F \u00b7 d \u00b7 sin \u03b1 = %1 N \u00d7 "
                                                 "%2 m \u00d7 sin %3\u00b0 = %4 N\u00b7m"),
              {shortest(F), shortest(d), shortest(a), twoDecimals(M)}}},
        &errors);
    if (leverDrawing != nullptr)
        drawLever(*leverDrawing, d, a, F, M);
}

void MomentoController::getDouble(platform::Sender)
{
    press.begin("M = F · b");
    const float arm = press.read(*b, "m", "b");
    const float force = press.read(*power2, "N", "F");
    const float M = arm * force;
    showMoment(press, *rx2, M);
    press.finish(notes);

    uncertainty::Propagation errors(press);
    const uncertainty::Value uncertainArm = errors.input(*b, arm, "b", "m");
    const uncertainty::Value uncertainForce = errors.input(*power2, force, "F", "N");
    errors.result("M", M, uncertainForce * uncertainArm, "N\u00b7m", true);
    errors.show(uncertainties);

    working::publish(
        press, working, log,
        {tool, {{"b", shortest(arm)}, {"F", shortest(force)}}, {{"M", twoDecimals(M), "N\u00b7m"}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "M = F \u00b7 b = %1 N \u00d7 %2 m = %3 N\u00b7m"),
              {shortest(force), shortest(arm), twoDecimals(M)}}},
        &errors);
    if (leverDrawing != nullptr)
        drawCouple(*leverDrawing, arm, force, M);
}
