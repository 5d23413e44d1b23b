#include "AttritoController.h"

#include "Numbers.h"
#include "Working.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What a button read and what it computed, for the drawing, and where it
// read it, for the uncertainties.
struct Worked
{
    float first;
    float second;
    float result;
    const platform::Field* firstField;
    const platform::Field* secondField;
    bool quotient;
    const char* unit; // the result's
};

// The unit of each quantity: forces in newtons, coefficients pure numbers.
constexpr const char* forceUnit = "N";
constexpr const char* pure = "";

// Both helpers read their operands in the order given and compute in float.
Worked showProduct(platform::Notes& press, const platform::Field& first, const char* firstUnit,
                   const platform::Field& second, const char* secondUnit, platform::Field& target,
                   const char* const (&symbols)[3])
{
    const float a = press.read(first, firstUnit, symbols[0]);
    const float b = press.read(second, secondUnit, symbols[1]);
    const float product = a * b;
    press.display(target, "%0.2f", product);
    return {a, b, product, &first, &second, false, *firstUnit != '\0' ? firstUnit : secondUnit};
}

// A zero divisor shows "inf", "-inf" or, for 0/0, "nan".
Worked showQuotient(platform::Notes& press, const platform::Field& dividend,
                    const char* dividendUnit, const platform::Field& divisor,
                    const char* divisorUnit, platform::Field& target,
                    const char* const (&symbols)[3])
{
    const float a = press.read(dividend, dividendUnit, symbols[0]);
    const float b = press.read(divisor, divisorUnit, symbols[1]);
    const float quotient = a / b;
    press.display(target, "%0.2f", quotient);
    press.noteQuotient(dividend, a, divisor, b);
    const bool sameUnits = std::string_view(dividendUnit) == divisorUnit;
    return {a, b, quotient, &dividend, &divisor, true, sameUnits ? pure : dividendUnit};
}

using platform::shortest;
using platform::Text;

// line fills %1 and %2 with the operands and %3 with the result as shown;
// the symbols name the operands and the result in the log.
void report(const AttritoController& c, const platform::Notes& press, const Worked& done,
            const char* const (&symbols)[3], Text line)
{
    const std::string shown = platform::stringWithFormat("%0.2f", done.result);
    line.arguments = {shortest(done.first), shortest(done.second), shown};
    uncertainty::Propagation errors(press);
    const uncertainty::Value first = errors.input(*done.firstField, done.first, symbols[0], "");
    const uncertainty::Value second = errors.input(*done.secondField, done.second, symbols[1], "");
    errors.result(symbols[2], done.result, done.quotient ? first / second : first * second,
                  done.unit, true);
    errors.show(c.uncertainties);
    working::publish(press, c.working, c.log,
                     {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Friction"), {}},
                      {{symbols[0], shortest(done.first)}, {symbols[1], shortest(done.second)}},
                      {{symbols[2], shown, done.unit}}},
                     {line}, &errors);
}

// Acceleration of gravity, m/s²: m·g is formed in double and rounded to
// float once.
constexpr double g = 9.81;

using platform::Drawing;

std::string newtons(float value)
{
    return platform::stringWithFormat("%0.2f", value) + " N";
}

// A block resting on level ground, pushed to the right: the normal force up
// from the ground, the friction force along the ground against the push.
// Forces are to scale with each other; the block is as tall as the larger
// one is long, halved.
void drawBlock(Drawing& drawing, float friction, float normal, bool moving)
{
    drawing.erase();
    double largest = 0.0;
    for (const float force : {friction, normal}) {
        if (std::isfinite(force))
            largest = std::max(largest, std::fabs(double{force}));
    }
    const double scale = largest > 0.0 ? 1.0 / largest : 0.0;
    drawing.drawLine({-1.6, 0.0}, {1.6, 0.0}, Drawing::Ink::Body);
    drawing.drawOutline({{-0.3, 0.0}, {0.3, 0.0}, {0.3, 0.5}, {-0.3, 0.5}}, Drawing::Ink::Body);
    drawing.drawArrow({0.3, 0.25}, {0.9, 0.25}, "P", Drawing::Ink::Guide);
    const std::string frictionName = moving ? "Fk " : "Fs ";
    if (std::isfinite(normal) && scale > 0.0)
        drawing.drawArrow({0.0, 0.5}, {0.0, 0.5 + double{normal} * scale}, "N " + newtons(normal),
                          Drawing::Ink::Force);
    if (std::isfinite(friction) && scale > 0.0)
        drawing.drawArrow({-0.3, 0.2}, {-0.3 - double{friction} * scale, 0.2},
                          frictionName + newtons(friction), Drawing::Ink::Result);
    drawing.setCaption(
        {PHYSCALC_TRANSLATE_NOOP(
             "Friction",
             "N: normal force; P: the way the body is pushed; friction acts against it."),
         {}});
    if (moving)
        drawing.setDescription(
            {PHYSCALC_TRANSLATE_NOOP("Friction",
                                     "A block sliding to the right on level ground. The ground "
                                     "pushes up with %1 N; dynamic friction of %2 N acts to the "
                                     "left, against the motion."),
             {platform::stringWithFormat("%0.2f", normal),
              platform::stringWithFormat("%0.2f", friction)}});
    else
        drawing.setDescription(
            {PHYSCALC_TRANSLATE_NOOP("Friction",
                                     "A block at rest on level ground, pushed to the right. The "
                                     "ground pushes up with %1 N; static friction of up to %2 N "
                                     "acts to the left, against the push."),
             {platform::stringWithFormat("%0.2f", normal),
              platform::stringWithFormat("%0.2f", friction)}});
}

} // namespace

void AttritoController::getF1d(platform::Sender)
{
    press.begin("F = k · N");
    const char* const symbols[3] = {"k\u209b", "N", "F\u209b"};
    const Worked worked = showProduct(press, *kas, pure, *fpOfstat, forceUnit, *f1d, symbols);
    report(
        *this, press, worked, symbols,
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: F = k \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {}});
    draw(worked.result, worked.second, false);
    press.finish(notes);
}

void AttritoController::getFad(platform::Sender)
{
    press.begin("F = k · N");
    const char* const symbols[3] = {"k\u2096", "N", "F\u2096"};
    const Worked worked = showProduct(press, *kad, pure, *fpOfDinam, forceUnit, *fad, symbols);
    report(
        *this, press, worked, symbols,
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: F = k \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {}});
    draw(worked.result, worked.second, true);
    press.finish(notes);
}

void AttritoController::getFpFromDinam(platform::Sender)
{
    press.begin("N = F / k");
    const char* const symbols[3] = {"F\u2096", "k\u2096", "N"};
    const Worked worked = showQuotient(press, *fad, forceUnit, *kad, pure, *fpOfDinam, symbols);
    report(*this, press, worked, symbols,
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: N = F / k = %1 N / %2 = %3 N"), {}});
    draw(worked.first, worked.result, true);
    press.finish(notes);
}

void AttritoController::getFpFromStat(platform::Sender)
{
    press.begin("N = F / k");
    const char* const symbols[3] = {"F\u209b", "k\u209b", "N"};
    const Worked worked = showQuotient(press, *f1d, forceUnit, *kas, pure, *fpOfstat, symbols);
    report(*this, press, worked, symbols,
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: N = F / k = %1 N / %2 = %3 N"), {}});
    draw(worked.first, worked.result, false);
    press.finish(notes);
}

void AttritoController::getKas(platform::Sender)
{
    press.begin("k = F / N");
    const char* const symbols[3] = {"F\u209b", "N", "k\u209b"};
    const Worked worked = showQuotient(press, *f1d, forceUnit, *fpOfstat, forceUnit, *kas, symbols);
    report(*this, press, worked, symbols,
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: k = F / N = %1 N / %2 N = %3"), {}});
    draw(worked.first, worked.second, false);
    press.finish(notes);
}

void AttritoController::getKd(platform::Sender)
{
    press.begin("k = F / N");
    const char* const symbols[3] = {"F\u2096", "N", "k\u2096"};
    const Worked worked =
        showQuotient(press, *fad, forceUnit, *fpOfDinam, forceUnit, *kad, symbols);
    report(*this, press, worked, symbols,
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: k = F / N = %1 N / %2 N = %3"), {}});
    draw(worked.first, worked.second, true);
    press.finish(notes);
}

void AttritoController::getFpFromMassStat(platform::Sender)
{
    showWeightOfMass(*fpOfstat);
}

void AttritoController::getFpFromMassDinam(platform::Sender)
{
    showWeightOfMass(*fpOfDinam);
}

// On level ground the normal force is the body's weight.
void AttritoController::showWeightOfMass(platform::Field& normal)
{
    press.begin("N = m · g");
    const float m = press.read(*mass, "kg", "m");
    const double weightInDouble = double{m} * g;
    const float weight = static_cast<float>(weightInDouble);
    press.display(normal, "%0.2f", weight);
    press.finish(notes);
    uncertainty::Propagation errors(press);
    errors.result("N", weight, errors.input(*mass, m, "m", "kg") * uncertainty::Value(g), "N",
                  true);
    errors.show(uncertainties);
    const std::string shown = platform::stringWithFormat("%0.2f", weight);
    working::publish(press, working, log,
                     {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Friction"), {}},
                      {{"m", shortest(m)}},
                      // Which of the two normal forces the mass filled.
                      {{&normal == fpOfstat ? "N\u209b" : "N\u2096", shown, "N"}}},
                     {Text{PHYSCALC_TRANSLATE_NOOP(
                               "Working", "N = m \u00b7 g = %1 kg \u00d7 9.81 m/s\u00b2 = %2 N"),
                           {shortest(m), shown}}},
                     &errors);
}

void AttritoController::draw(float friction, float normal, bool moving)
{
    if (blockDrawing != nullptr)
        drawBlock(*blockDrawing, friction, normal, moving);
}

namespace {

bool typed(const platform::Field& field)
{
    return field.stringValue().find_first_not_of(" \t") != std::string::npos;
}

// Forces compared as they are shown, to the hundredth: a push that shows as
// the greatest static friction is judged equal to it, as the person would.
long hundredths(float force)
{
    return std::lround(double{force} * 100.0);
}

} // namespace

// A push equal to the greatest static friction leaves the body on the point
// of moving: the figures are then those of the body once set moving, which is
// what a textbook asks for when "that push is kept".
void AttritoController::getMotion(platform::Sender)
{
    press.begin("a = (P − μk · N) / m");
    const bool byMass =
        typed(*motionMass)
        && (platform::lengthOfNumber(motionMass->stringValue()) > 0 || !typed(*motionNormal));
    float m = 0.0f;
    float N = 0.0f;
    std::vector<Text> lines;
    std::vector<platform::Quantity> inputs;
    if (byMass) {
        m = press.read(*motionMass, "kg", "m");
        const double weight = double{m} * g;
        N = static_cast<float>(weight);
        inputs.push_back({"m", shortest(m)});
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "Working", "N = m \u00b7 g = %1 kg \u00d7 9.81 m/s\u00b2 = %2 N"),
                         {shortest(m), shortest(N)}});
    } else {
        N = press.read(*motionNormal, "N", "N");
        const double massOfN = double{N} / g;
        m = static_cast<float>(massOfN);
        inputs.push_back({"N", shortest(N)});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "m = N / g = %1 N / 9.81 m/s\u00b2 = %2 kg"),
             {shortest(N), shortest(m)}});
    }
    const float P = press.read(*motionPush, forceUnit, "P");
    const float ks = press.read(*motionKs, pure, "\u03bcs");
    const float kd = press.read(*motionKd, pure, "\u03bck");
    inputs.insert(inputs.end(),
                  {{"P", shortest(P)}, {"\u03bcs", shortest(ks)}, {"\u03bck", shortest(kd)}});

    const float staticMax = ks * N;
    const float kinetic = kd * N;
    const bool atRest = hundredths(P) < hundredths(staticMax);
    const float friction = atRest ? P : kinetic;
    const float net = atRest ? 0.0f : P - kinetic;
    const float a = atRest ? 0.0f : net / m;

    // The same formulas in Value, for the uncertainties typed beside the inputs.
    using uncertainty::Value;
    uncertainty::Propagation errors(press);
    const Value massV = byMass ? errors.input(*motionMass, m, "m", "kg") : Value();
    const Value normalV = byMass ? massV * Value(g) : errors.input(*motionNormal, N, "N", "N");
    const Value pushV = errors.input(*motionPush, P, "P", "N");
    const Value staticMaxV = errors.input(*motionKs, ks, "\u03bcs", "") * normalV;
    const Value kineticV = errors.input(*motionKd, kd, "\u03bck", "") * normalV;
    const Value netV = pushV - kineticV;
    if (byMass)
        errors.result("N", N, normalV, "N", true);
    errors.result("\u03bcs\u00b7N", staticMax, staticMaxV, "N", true);
    errors.result("F", friction, atRest ? pushV : kineticV, "N", !atRest);
    if (!atRest) {
        errors.result("F net", net, netV, "N", false);
        errors.result("a", a, netV / (byMass ? massV : normalV / Value(g)), "m/s\u00b2", true);
    }

    const auto shown = [](float value) { return platform::stringWithFormat("%0.2f", value); };
    press.display(*motionStaticMax, "%0.2f", staticMax);
    press.display(*motionFriction, "%0.2f", friction);
    press.display(*motionNet, "%0.2f", net);
    press.display(*motionAccel, "%0.3f", a);
    const std::vector<std::string> compared{shown(P), shown(staticMax)};
    Text verdict{PHYSCALC_TRANSLATE_NOOP("Friction", "Moves: the push of %1 N is more than the "
                                                     "greatest static friction, %2 N."),
                 compared};
    if (atRest)
        verdict = {PHYSCALC_TRANSLATE_NOOP("Friction", "Stays at rest: the push of %1 N is less "
                                                       "than the greatest static friction, %2 N."),
                   compared};
    else if (hundredths(P) == hundredths(staticMax))
        verdict = {PHYSCALC_TRANSLATE_NOOP("Friction",
                                           "On the point of moving: the push of %1 N equals the "
                                           "greatest static friction, %2 N. Once moving, it goes "
                                           "on as below."),
                   compared};
    motionVerdict->setText(verdict);
    if (!atRest && m == 0.0f)
        press.add({PHYSCALC_TRANSLATE_NOOP("Notes", "%1 is 0: the acceleration divides by it "
                                                    "(inf, or nan for 0 / 0)."),
                   {(byMass ? motionMass : motionNormal)->label()}});
    else if (!atRest && net < 0.0f)
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "The push is less than the kinetic friction: once "
                                              "moving, the body slows down (a below 0) and stops."),
             {}});
    // Within the uncertainties the comparison may go either way.
    const std::optional<Text> overlap =
        errors.overlap(PHYSCALC_TRANSLATE_NOOP(
                           "Friction", "Within the uncertainties, the push, %1, and the greatest "
                                       "static friction, %2, overlap: whether the body moves is "
                                       "not certain."),
                       P, pushV, staticMax, staticMaxV, "N");
    if (overlap)
        press.add(*overlap);
    press.finish(notes);
    errors.show(uncertainties);

    lines.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "\u03bcs \u00b7 N = %1 \u00d7 %2 N = %3 N"),
                     {shortest(ks), shortest(N), shown(staticMax)}});
    lines.push_back(verdict);
    if (overlap)
        lines.push_back(*overlap);
    if (atRest) {
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "Working", "At rest, friction holds the push: F = P = %1 N, a = 0"),
                         {shown(P)}});
    } else {
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "\u03bck \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {shortest(kd), shortest(N), shown(kinetic)}});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "F net = P \u2212 \u03bck \u00b7 N = %1 N "
                                                "\u2212 %2 N = %3 N"),
             {shortest(P), shortest(kinetic), shown(net)}});
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "a = F net / m = %1 N / %2 kg = %3 m/s\u00b2"),
             {shortest(net), shortest(m), platform::stringWithFormat("%0.3f", a)}});
    }
    working::publish(press, working, log,
                     {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Friction"), {}},
                      inputs,
                      {{"\u03bcs\u00b7N", shown(staticMax)},
                       {"F", shown(friction)},
                       {"F net", shown(net)},
                       {"a", platform::stringWithFormat("%0.3f", a)}}},
                     lines, &errors);
    if (blockDrawing != nullptr) {
        drawBlock(*blockDrawing, friction, N, !atRest);
        blockDrawing->setCaption(verdict);
    }
}
