#include "PianoController.h"

#include "Numbers.h"
#include "Working.h"

#include <cmath>
#include <optional>

namespace {

// Acceleration of gravity, m/s², for a weight from a mass: the product is
// formed in double and rounded to float once.
constexpr double g = 9.81;

using platform::Drawing;
using Point = Drawing::Point;

std::string newtons(float value)
{
    return platform::stringWithFormat("%0.2f", value) + " N";
}

// A ramp rising to the right at the angle, of the given sloping length,
// with a block half way up and the weight and its components as arrows
// scaled so that the weight is half the slope long. No ramp can be drawn
// for an angle outside 0 to 90 degrees or a length that is not positive.
void drawRamp(Drawing& drawing, double length, double radians, float W, float perpendicular,
              float parallel)
{
    drawing.erase();
    const double rise = std::sin(radians);
    const double run = std::cos(radians);
    const Point foot{0.0, 0.0};
    const Point corner{length * run, 0.0};
    const Point top{length * run, length * rise};
    drawing.drawOutline({foot, corner, top}, Drawing::Ink::Body);
    drawing.drawLabel({corner.x / 2.0, 0.0}, "b");
    drawing.drawLabel({corner.x, top.y / 2.0}, "h");
    drawing.drawLabel({top.x * 0.8, top.y * 0.8}, "l");
    drawing.drawLabel({foot.x + length * 0.12, 0.0}, "α");

    // A square block on the slope, half way up.
    const double side = length * 0.14;
    const Point along{run, rise};
    const Point outwards{-rise, run};
    const Point middle{length * run / 2.0, length * rise / 2.0};
    const auto at = [&](double a, double o) {
        return Point{middle.x + along.x * a + outwards.x * o,
                     middle.y + along.y * a + outwards.y * o};
    };
    drawing.drawOutline(
        {at(-side / 2, 0), at(side / 2, 0), at(side / 2, side), at(-side / 2, side)},
        Drawing::Ink::Body);
    if (!(std::isfinite(W) && W != 0.0f))
        return;
    const Point centre = at(0, side / 2);
    const double scale = length / 2.0 / std::fabs(double{W});
    const auto tip = [&](Point direction, float force) {
        return Point{centre.x + direction.x * double{force} * scale,
                     centre.y + direction.y * double{force} * scale};
    };
    drawing.drawArrow(centre, tip({0.0, -1.0}, W), "W " + newtons(W), Drawing::Ink::Force);
    if (std::isfinite(perpendicular))
        drawing.drawArrow(centre, tip({rise, -run}, perpendicular), "W⊥ " + newtons(perpendicular),
                          Drawing::Ink::Result);
    if (std::isfinite(parallel))
        drawing.drawArrow(centre, tip({-run, -rise}, parallel), "W∥ " + newtons(parallel),
                          Drawing::Ink::Result);
}

void describeRamp(Drawing& drawing, float angle, float W, float perpendicular, float parallel)
{
    drawing.setDescription(
        {PHYSCALC_TRANSLATE_NOOP("Ramp", "A ramp rising at %1 degrees with a body on it. Its "
                                         "weight of %2 N, straight down, splits into %3 N pressing "
                                         "on the slope and %4 N pulling down the slope."),
         {platform::stringWithFormat("%0.2f", angle), platform::stringWithFormat("%0.2f", W),
          platform::stringWithFormat("%0.2f", perpendicular),
          platform::stringWithFormat("%0.2f", parallel)}});
}

void refuseRamp(Drawing& drawing, const platform::Text& reason)
{
    drawing.erase();
    drawing.setCaption(reason);
    drawing.setDescription(reason);
}

} // namespace

void PianoController::analyze(platform::Sender)
{
    press.begin("W⊥, W∥, α");
    const float W = press.read(*weight, "N", "W");
    const float h = press.read(*height, "m", "h");
    const float b = press.read(*base, "m", "b");
    const float l = press.read(*lenght, "m", "l");

    // The sides are taken as typed: the angle comes from h and l alone, and
    // nothing checks that b² + h² = l².
    const float ratio = h / l;
    const float weightTimesBase = W * b;
    const float perpendicular = weightTimesBase / l;
    const float weightTimesHeight = W * h;
    const float parallel = weightTimesHeight / l;
    const double angleInDegrees = platform::radiansToDegrees(std::asin(double{ratio}));
    const float angle = static_cast<float>(angleInDegrees);

    // The echoes repeat what was read; only the results get a digits note.
    platform::display(*dorto, "%0.2f", perpendicular);
    platform::display(*dpara, "%0.2f", parallel);
    platform::display(*dh, "%0.2f", h);
    platform::display(*db, "%0.2f", b);
    platform::display(*dl, "%0.2f", l);
    press.display(*dangolo, "%0.2f", angle);
    press.display(*labOrto, "%0.2f", perpendicular);
    press.display(*labPara, "%0.2f", parallel);

    if (l == 0.0f) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 is 0: both components and the angle divide by it "
                                              "(inf, or nan for 0 / 0)."),
             {lenght->label()}});
    } else if (std::fabs(h) > std::fabs(l)) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes",
                                     "%1 %2 is greater than %3 %4: no ramp has sin α = h / l "
                                     "above 1, so the angle has no value (nan)."),
             {height->label(), platform::shortest(h), lenght->label(), platform::shortest(l)}});
    } else {
        // Within half a percent of l², as a student's rounded sides are.
        const double sumOfSquares = double{b} * double{b} + double{h} * double{h};
        const double lengthSquared = double{l} * double{l};
        if (std::fabs(sumOfSquares - lengthSquared) > 0.005 * lengthSquared) {
            press.add({PHYSCALC_TRANSLATE_NOOP(
                           "Notes", "The sides are no right triangle: b² + h² = %1 but l² = %2. W⊥ "
                                    "used b and l, W∥ and α used h and l, each as typed."),
                       {platform::significantFigures(sumOfSquares),
                        platform::significantFigures(lengthSquared)}});
        }
    }
    press.finish(notes);

    uncertainty::Propagation errors(press);
    const uncertainty::Value uW = errors.input(*weight, W, "W", "N");
    const uncertainty::Value uh = errors.input(*height, h, "h", "m");
    const uncertainty::Value ub = errors.input(*base, b, "b", "m");
    const uncertainty::Value ul = errors.input(*lenght, l, "l", "m");
    errors.result("W\u22a5", perpendicular, uW * ub / ul, "N", true);
    errors.result("W\u2225", parallel, uW * uh / ul, "N", true);
    errors.result("\u03b1", angle, uncertainty::asinDegrees(uh / ul), "\u00b0", false);
    errors.show(uncertainties);

    using platform::shortest;
    using platform::Text;
    const auto shown = [](float value) { return platform::stringWithFormat("%0.2f", value); };
    working::publish(
        press, working, log,
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Inclined plane"), {}},
         {{"W", shortest(W)}, {"h", shortest(h)}, {"b", shortest(b)}, {"l", shortest(l)}},
         {{"W\u22a5", shown(perpendicular)},
          {"W\u2225", shown(parallel)},
          {"\u03b1", shown(angle)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working",
                  "W\u22a5 = W \u00b7 b / l = %1 N \u00d7 %2 m / %3 m %4 N\u00b7m / %3 m = %5 N"),
              {shortest(W), shortest(b), shortest(l), working::step(weightTimesBase),
               shown(perpendicular)}},
         Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working",
                  "W\u2225 = W \u00b7 h / l = %1 N \u00d7 %2 m / %3 m %4 N\u00b7m / %3 m = %5 N"),
              {shortest(W), shortest(h), shortest(l), working::step(weightTimesHeight),
               shown(parallel)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "h / l = %1 m / %2 m %3"),
              {shortest(h), shortest(l), working::step(ratio)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "\u03b1 = asin(h / l) = asin(%1 / %2) = %3\u00b0"),
              {shortest(h), shortest(l), shown(angle)}}},
        &errors);
    drawSides(W, h, l, angle, perpendicular, parallel);
}

void PianoController::drawSides(float W, float h, float l, float angle, float perpendicular,
                                float parallel)
{
    if (rampDrawing == nullptr)
        return;
    if (!(l > 0.0f) || !std::isfinite(l)) {
        refuseRamp(
            *rampDrawing,
            {PHYSCALC_TRANSLATE_NOOP("Ramp", "No ramp drawn: its length l is not above 0."), {}});
        return;
    }
    if (!(h >= 0.0f && h <= l)) {
        refuseRamp(*rampDrawing, {PHYSCALC_TRANSLATE_NOOP(
                                      "Ramp", "No ramp drawn: the height h must lie between 0 and "
                                              "the length l."),
                                  {}});
        return;
    }
    drawRamp(*rampDrawing, double{l}, std::asin(double{h} / double{l}), W, perpendicular, parallel);
    describeRamp(*rampDrawing, angle, W, perpendicular, parallel);
}

// The same values that went into the fields: the weight as used, and each
// component to the field's two decimals.
void PianoController::publishSlope(std::optional<float> mass, float W, float alpha,
                                   float perpendicular, float parallel,
                                   const uncertainty::Propagation& errors)
{
    using platform::shortest;
    using platform::Text;
    const auto shown = [](float value) { return platform::stringWithFormat("%0.2f", value); };
    platform::Computation computation{
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "Inclined plane"), {}},
        {},
        {{"W\u22a5", shown(perpendicular)}, {"W\u2225", shown(parallel)}}};
    std::vector<Text> lines;
    if (mass) {
        const std::string m = shortest(*mass);
        computation.inputs.push_back({"m", m});
        computation.results.insert(computation.results.begin(), {"W", shown(W)});
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "Working", "W = m \u00b7 g = %1 kg \u00d7 9.81 m/s\u00b2 = %2 N"),
                         {m, shown(W)}});
    } else {
        computation.inputs.push_back({"W", shortest(W)});
    }
    computation.inputs.push_back({"\u03b1", shortest(alpha)});
    lines.push_back(
        {PHYSCALC_TRANSLATE_NOOP("Working",
                                 "W\u22a5 = W \u00b7 cos \u03b1 = %1 N \u00d7 cos %2\u00b0 = %3 N"),
         {shortest(W), shortest(alpha), shown(perpendicular)}});
    lines.push_back(
        {PHYSCALC_TRANSLATE_NOOP("Working",
                                 "W\u2225 = W \u00b7 sin \u03b1 = %1 N \u00d7 sin %2\u00b0 = %3 N"),
         {shortest(W), shortest(alpha), shown(parallel)}});
    working::publish(press, working, log, computation, lines, &errors);
}

void PianoController::analyzeSlope(platform::Sender)
{
    press.begin("W⊥, W∥");
    // A mass wins over a typed weight only when it holds a number: a stray
    // "abc" in it would otherwise make every result 0 without a word.
    const auto typed = [](const platform::Field& field) {
        return field.stringValue().find_first_not_of(" \t") != std::string::npos;
    };
    const bool massIsNumber = platform::lengthOfNumber(slopeMass->stringValue()) > 0;
    const bool byMass = typed(*slopeMass) && (massIsNumber || !typed(*slopeWeight));
    float W = 0.0f;
    std::optional<float> m;
    if (byMass) {
        m = press.read(*slopeMass, "kg", "m");
        const double mg = double{*m} * g;
        W = static_cast<float>(mg);
        slopeWeight->setMark(std::nullopt);
        if (typed(*slopeWeight)) {
            press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "%1 and %2 are both typed: the mass "
                                                           "wins, and the weight used is m · g."),
                          {slopeWeight->label(), slopeMass->label()}});
        }
    } else {
        W = press.read(*slopeWeight, "N", "W");
        if (typed(*slopeMass)) {
            const platform::Text ignored{
                PHYSCALC_TRANSLATE_NOOP("Notes", "%1: “%2” is no number and was left out; "
                                                 "the weight typed was used."),
                {slopeMass->label(), slopeMass->stringValue()}};
            slopeMass->setMark(ignored);
            press.add(ignored);
        }
    }
    const float alpha = press.read(*slopeAngle, "°", "\u03b1");
    const double radians = platform::degreesToRadians(alpha);
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double perpendicularInDouble = double{W} * c;
    const float perpendicular = static_cast<float>(perpendicularInDouble);
    const double parallelInDouble = double{W} * s;
    const float parallel = static_cast<float>(parallelInDouble);

    press.display(*slopeW, "%0.2f", W);
    press.display(*slopeOrto, "%0.2f", perpendicular);
    press.display(*slopePara, "%0.2f", parallel);
    press.finish(notes);

    uncertainty::Propagation errors(press);
    const uncertainty::Value weightOrMass =
        m ? errors.input(*slopeMass, *m, "m", "kg") * uncertainty::Value(g)
          : errors.input(*slopeWeight, W, "W", "N");
    const uncertainty::Value angle = errors.input(*slopeAngle, alpha, "\u03b1", "\u00b0");
    if (m)
        errors.result("W", W, weightOrMass, "N", true);
    errors.result("W\u22a5", perpendicular, weightOrMass * uncertainty::cosDegrees(angle), "N",
                  true);
    errors.result("W\u2225", parallel, weightOrMass * uncertainty::sinDegrees(angle), "N", true);
    errors.show(uncertainties);
    publishSlope(m, W, alpha, perpendicular, parallel, errors);

    if (rampDrawing == nullptr)
        return;
    if (!(alpha > 0.0f && alpha < 90.0f)) {
        refuseRamp(*rampDrawing, {PHYSCALC_TRANSLATE_NOOP(
                                      "Ramp", "No ramp drawn: the angle must lie between 0 and 90 "
                                              "degrees."),
                                  {}});
        return;
    }
    drawRamp(*rampDrawing, 1.0, radians, W, perpendicular, parallel);
    describeRamp(*rampDrawing, alpha, W, perpendicular, parallel);
}
