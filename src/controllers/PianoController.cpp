#include "PianoController.h"

#include "Numbers.h"
#include "Working.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

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

// Whether a ramp can be drawn at the angle; if not, the drawing says why.
bool drawableAt(Drawing& drawing, float alpha)
{
    if (alpha > 0.0f && alpha < 90.0f)
        return true;
    refuseRamp(drawing, {PHYSCALC_TRANSLATE_NOOP(
                             "Ramp", "No ramp drawn: the angle must lie between 0 and 90 degrees."),
                         {}});
    return false;
}

bool typed(const platform::Field& field)
{
    return field.stringValue().find_first_not_of(" \t") != std::string::npos;
}

// Forces compared as they are shown, to the hundredth, as a person compares
// them: a pull that shows as the greatest static friction equals it.
long hundredths(float force)
{
    return std::lround(double{force} * 100.0);
}

// The ramp of unit length with the body half way up and every force on it to
// scale, the largest half the slope long: the weight, the ramp's normal force,
// the friction along the slope against the way the body goes or would go, and
// the push. up says whether the body goes, or tends to go, up the ramp.
void drawFrictionRamp(Drawing& drawing, double radians, float W, float normal, float friction,
                      float push, bool up, const platform::Text& verdict)
{
    const float none = std::numeric_limits<float>::quiet_NaN();
    drawRamp(drawing, 1.0, radians, none, none, none);
    const double rise = std::sin(radians);
    const double run = std::cos(radians);
    const double side = 0.14;
    const Point centre{run / 2.0 - rise * side / 2.0, rise / 2.0 + run * side / 2.0};
    double largest = 0.0;
    for (const float force : {W, normal, friction, push}) {
        if (std::isfinite(force))
            largest = std::max(largest, std::fabs(double{force}));
    }
    if (largest > 0.0) {
        const double scale = 0.5 / largest;
        const auto arrow = [&](Point direction, float force, const std::string& name,
                               Drawing::Ink ink) {
            if (!std::isfinite(force) || force == 0.0f)
                return;
            const double length = double{force} * scale;
            drawing.drawArrow(centre,
                              {centre.x + direction.x * length, centre.y + direction.y * length},
                              name + " " + newtons(std::fabs(force)), ink);
        };
        const double against = up ? -1.0 : 1.0;
        arrow({0.0, -1.0}, W, "W", Drawing::Ink::Force);
        arrow({-rise, run}, normal, "N", Drawing::Ink::Force);
        arrow({run * against, rise * against}, friction, "f", Drawing::Ink::Result);
        arrow({run, rise}, push, "P", Drawing::Ink::Force);
    }
    drawing.setCaption(verdict);
    drawing.setDescription(verdict);
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
         {{"W\u22a5", shown(perpendicular), "N"},
          {"W\u2225", shown(parallel), "N"},
          {"\u03b1", shown(angle), "\u00b0"}}},
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
        {{"W\u22a5", shown(perpendicular), "N"}, {"W\u2225", shown(parallel), "N"}}};
    std::vector<Text> lines;
    if (mass) {
        const std::string m = shortest(*mass);
        computation.inputs.push_back({"m", m});
        computation.results.insert(computation.results.begin(), {"W", shown(W), "N"});
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

    if (rampDrawing == nullptr || !drawableAt(*rampDrawing, alpha))
        return;
    drawRamp(*rampDrawing, 1.0, radians, W, perpendicular, parallel);
    describeRamp(*rampDrawing, alpha, W, perpendicular, parallel);
}

// The pull along the ramp is W∥ and the push together; the body stays while
// static friction can hold it, and a pull that shows as the greatest static
// friction leaves it on the point of sliding, given as sliding once set going.
void PianoController::analyzeFriction(platform::Sender)
{
    press.begin("a = g (sin α − μk cos α)");
    using platform::shortest;
    using platform::Text;
    const auto shown = [](float value) { return platform::stringWithFormat("%0.2f", value); };
    // Inputs left empty are no push and no friction, without a mark.
    const auto optional = [this](const platform::Field& field, std::string_view unit,
                                 std::string_view symbol) {
        return typed(field) ? press.read(field, unit, symbol) : 0.0f;
    };
    std::vector<Text> lines;
    std::vector<platform::Quantity> inputs;
    const bool byMass =
        typed(*rampMass)
        && (platform::lengthOfNumber(rampMass->stringValue()) > 0 || !typed(*rampWeight));
    float W = 0.0f;
    float m = 0.0f;
    if (byMass) {
        m = press.read(*rampMass, "kg", "m");
        const double mg = double{m} * g;
        W = static_cast<float>(mg);
        inputs.push_back({"m", shortest(m)});
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "Working", "W = m \u00b7 g = %1 kg \u00d7 9.81 m/s\u00b2 = %2 N"),
                         {shortest(m), shown(W)}});
    } else {
        W = press.read(*rampWeight, "N", "W");
        const double mass = double{W} / g;
        m = static_cast<float>(mass);
        inputs.push_back({"W", shortest(W)});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "m = W / g = %1 N / 9.81 m/s\u00b2 = %2 kg"),
             {shortest(W), shortest(m)}});
    }
    const float alpha = press.read(*rampAngle, "°", "\u03b1");
    const float ks = optional(*rampKs, "", "\u03bcs");
    const float P = optional(*rampPush, "N", "P");
    const double radians = platform::degreesToRadians(alpha);
    const double normalInDouble = double{W} * std::cos(radians);
    const float N = static_cast<float>(normalInDouble);
    const double parallelInDouble = double{W} * std::sin(radians);
    const float parallel = static_cast<float>(parallelInDouble);
    inputs.push_back({"\u03b1", shortest(alpha)});
    lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                         "Working", "N = W \u00b7 cos \u03b1 = %1 N \u00d7 cos %2\u00b0 = %3 N"),
                     {shortest(W), shortest(alpha), shown(N)}});
    lines.push_back(
        {PHYSCALC_TRANSLATE_NOOP("Working",
                                 "W\u2225 = W \u00b7 sin \u03b1 = %1 N \u00d7 sin %2\u00b0 = %3 N"),
         {shortest(W), shortest(alpha), shown(parallel)}});

    float kd = 0.0f;
    const bool kdFromFriction = !typed(*rampKd) && typed(*rampFk);
    float f = 0.0f;
    if (kdFromFriction) {
        f = press.read(*rampFk, "N", "f");
        kd = f / N;
        inputs.push_back({"f", shortest(f)});
        lines.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "\u03bck = f / N = %1 N / %2 N = %3"),
                         {shortest(f), shown(N), platform::stringWithFormat("%0.4f", kd)}});
        press.noteQuotient(*rampFk, f, *rampNormal, N);
    } else {
        kd = optional(*rampKd, "", "\u03bck");
        if (typed(*rampFk))
            press.inform({PHYSCALC_TRANSLATE_NOOP(
                              "Notes", "%1 and %2 are both typed: %1 was used, %2 left out."),
                          {rampKd->label(), rampFk->label()}});
    }
    inputs.insert(inputs.end(),
                  {{"\u03bcs", shortest(ks)}, {"\u03bck", shortest(kd)}, {"P", shortest(P)}});

    const float staticMax = ks * N;
    const float kinetic = kd * N;
    const float pull = P - parallel; // up the ramp when positive
    const float size = std::fabs(pull);
    const bool up = pull > 0.0f;
    const bool atRest = hundredths(size) == 0 || hundredths(size) < hundredths(staticMax);
    const bool onThePoint = !atRest && hundredths(size) == hundredths(staticMax);
    const float friction = atRest ? size : kinetic;
    const float net = atRest ? 0.0f : size - kinetic;
    const float a = atRest ? 0.0f : net / m;
    // The push the way of the one typed, up when none: against W∥ going up,
    // with it going down, and none when W∥ alone is enough.
    const bool pushUp = !(P < 0.0f);
    const float start = pushUp ? parallel + staticMax : std::max(staticMax - parallel, 0.0f);
    const float steady = pushUp ? parallel + kinetic : std::max(kinetic - parallel, 0.0f);

    // The same formulas in Value, for the uncertainties typed beside the inputs.
    using uncertainty::Value;
    uncertainty::Propagation errors(press);
    const Value massV = byMass ? errors.input(*rampMass, m, "m", "kg") : Value();
    const Value weightV = byMass ? massV * Value(g) : errors.input(*rampWeight, W, "W", "N");
    const Value angleV = errors.input(*rampAngle, alpha, "\u03b1", "\u00b0");
    const auto inputOrNone = [&errors](const platform::Field& field, float value,
                                       const char* symbol, const char* unit) {
        return typed(field) ? errors.input(field, value, symbol, unit) : Value(value);
    };
    const Value ksV = inputOrNone(*rampKs, ks, "\u03bcs", "");
    const Value pushV = inputOrNone(*rampPush, P, "P", "N");
    const Value normalV = weightV * uncertainty::cosDegrees(angleV);
    const Value parallelV = weightV * uncertainty::sinDegrees(angleV);
    const Value kdV = kdFromFriction ? errors.input(*rampFk, f, "f", "N") / normalV
                                     : inputOrNone(*rampKd, kd, "\u03bck", "");
    const Value staticMaxV = ksV * normalV;
    const Value kineticV = kdV * normalV;
    const Value sizeV = up ? pushV - parallelV : parallelV - pushV;
    const Value netV = sizeV - kineticV;
    const Value startV = pushUp ? parallelV + staticMaxV : staticMaxV - parallelV;
    const Value steadyV = pushUp ? parallelV + kineticV : kineticV - parallelV;
    errors.result("N", N, normalV, "N", true);
    errors.result("W\u2225", parallel, parallelV, "N", true);
    if (kdFromFriction)
        errors.result("\u03bck", kd, kdV, "", true);
    errors.result("\u03bcs\u00b7N", staticMax, staticMaxV, "N", true);
    errors.result("f", friction, atRest ? sizeV : kineticV, "N", !atRest);
    if (!atRest) {
        errors.result("F net", net, netV, "N", false);
        errors.result("a", a, netV / (byMass ? massV : weightV / Value(g)), "m/s\u00b2", true);
    }
    // A push the clamp made 0 depends on nothing typed.
    if (start > 0.0f)
        errors.result("P\u209b", start, startV, "N", false);
    if (steady > 0.0f)
        errors.result("P\u2096", steady, steadyV, "N", false);

    const std::vector<std::string> compared{shown(size), shown(staticMax)};
    Text verdict{PHYSCALC_TRANSLATE_NOOP("Ramp",
                                         "Stays at rest: the pull along the ramp, %1 N, "
                                         "is less than the greatest static friction, %2 N."),
                 compared};
    if (onThePoint)
        verdict = up ? Text{PHYSCALC_TRANSLATE_NOOP(
                                "Ramp", "On the point of sliding up the ramp: the pull along it, "
                                        "%1 N, equals the greatest static friction, %2 N. Once "
                                        "moving, it goes on as below."),
                            compared}
                     : Text{PHYSCALC_TRANSLATE_NOOP(
                                "Ramp", "On the point of sliding down the ramp: the pull along it, "
                                        "%1 N, equals the greatest static friction, %2 N. Once "
                                        "moving, it goes on as below."),
                            compared};
    else if (!atRest)
        verdict = up ? Text{PHYSCALC_TRANSLATE_NOOP(
                                "Ramp", "Slides up the ramp: the pull along it, %1 N, is more "
                                        "than the greatest static friction, %2 N."),
                            compared}
                     : Text{PHYSCALC_TRANSLATE_NOOP(
                                "Ramp", "Slides down the ramp: the pull along it, %1 N, is more "
                                        "than the greatest static friction, %2 N."),
                            compared};

    press.display(*rampNormal, "%0.2f", N);
    press.display(*rampPara, "%0.2f", parallel);
    press.display(*rampStaticMax, "%0.2f", staticMax);
    rampVerdict->setText(verdict);
    press.display(*rampKdUsed, "%0.4f", kd);
    press.display(*rampFriction, "%0.2f", friction);
    press.display(*rampNet, "%0.2f", net);
    press.display(*rampAccel, "%0.3f", a);
    press.display(*rampStart, "%0.2f", start);
    press.display(*rampSteady, "%0.2f", steady);
    if (!atRest && net < 0.0f)
        press.add({PHYSCALC_TRANSLATE_NOOP("Notes",
                                           "Kinetic friction is more than the pull along the "
                                           "ramp: once moving, the body slows down (a below 0)."),
                   {}});
    if (!pushUp && start == 0.0f)
        press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "W∥ alone overcomes static friction: no "
                                                       "push down the ramp is needed to start it."),
                      {}});
    // Within the uncertainties the comparison may go either way.
    const std::optional<Text> overlap =
        errors.overlap(PHYSCALC_TRANSLATE_NOOP(
                           "Ramp", "Within the uncertainties, the pull along the ramp, %1, and "
                                   "the greatest static friction, %2, overlap: whether the body "
                                   "stays or slides is not certain."),
                       size, sizeV, staticMax, staticMaxV, "N");
    if (overlap)
        press.add(*overlap);
    press.finish(notes);
    errors.show(uncertainties);

    lines.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "\u03bcs \u00b7 N = %1 \u00d7 %2 N = %3 N"),
                     {shortest(ks), shown(N), shown(staticMax)}});
    lines.push_back(
        {PHYSCALC_TRANSLATE_NOOP(
             "Working", "Pull along the ramp = P \u2212 W\u2225 = %1 N \u2212 %2 N = %3 N"),
         {shortest(P), shown(parallel), shown(pull)}});
    lines.push_back(verdict);
    if (overlap)
        lines.push_back(*overlap);
    if (!atRest) {
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "\u03bck \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {shortest(kd), shown(N), shown(kinetic)}});
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "Working", "F net = %1 N \u2212 %2 N = %3 N, a = F net / m = %3 N / "
                                        "%4 kg = %5 m/s\u00b2"),
                         {shown(size), shown(kinetic), shown(net), shortest(m),
                          platform::stringWithFormat("%0.3f", a)}});
        if (P == 0.0f)
            lines.push_back(
                {PHYSCALC_TRANSLATE_NOOP("Working",
                                         "a = g (sin \u03b1 \u2212 \u03bck cos \u03b1) = 9.81 "
                                         "m/s\u00b2 \u00d7 (sin %1\u00b0 \u2212 %2 \u00d7 cos "
                                         "%1\u00b0) = %3 m/s\u00b2"),
                 {shortest(alpha), shortest(kd), platform::stringWithFormat("%0.3f", a)}});
    }
    // The push that starts the body up the ramp (or down it, when the push
    // typed goes down), and the one that keeps it at steady speed.
    if (pushUp) {
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working",
                                     "P\u209b = W\u2225 + \u03bcs \u00b7 N = %1 N + %2 N = %3 N"),
             {shown(parallel), shown(staticMax), shown(start)}});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working",
                                     "P\u2096 = W\u2225 + \u03bck \u00b7 N = %1 N + %2 N = %3 N"),
             {shown(parallel), shown(kinetic), shown(steady)}});
    } else {
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "P\u209b = max(\u03bcs \u00b7 N \u2212 W\u2225, 0) "
                                                "= max(%1 N \u2212 %2 N, 0) = %3 N"),
             {shown(staticMax), shown(parallel), shown(start)}});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "P\u2096 = max(\u03bck \u00b7 N \u2212 W\u2225, 0) "
                                                "= max(%1 N \u2212 %2 N, 0) = %3 N"),
             {shown(kinetic), shown(parallel), shown(steady)}});
    }
    working::publish(press, working, log,
                     {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Inclined plane"), {}},
                      inputs,
                      {{"N", shown(N)},
                       {"\u03bcs\u00b7N", shown(staticMax)},
                       {"\u03bck", platform::stringWithFormat("%0.4f", kd)},
                       {"f", shown(friction)},
                       {"F net", shown(net)},
                       {"a", platform::stringWithFormat("%0.3f", a)},
                       {"P\u209b", shown(start)},
                       {"P\u2096", shown(steady)}}},
                     lines, &errors);

    if (rampDrawing == nullptr || !drawableAt(*rampDrawing, alpha))
        return;
    drawFrictionRamp(*rampDrawing, radians, W, N, friction, std::fabs(P) > 0.0f ? P : 0.0f, up,
                     verdict);
}
