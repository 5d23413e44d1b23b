#include "FluidController.h"

#include "Numbers.h"
#include "Working.h"

namespace {

using platform::shortest;
using platform::Text;

// Acceleration of gravity, m/s². A double: the products with it are formed in
// double and rounded to float afterwards.
constexpr double g = 9.81;

const Text tool{PHYSCALC_TRANSLATE_NOOP("Working", "Fluid pressure"), {}};

std::string sixDecimals(float value)
{
    return platform::stringWithFormat("%f", value);
}

// The two operands as read, the product with g as rounded to float, and the
// result as shown.
struct Operation
{
    float factor = 0.0f;
    float pressure = 0.0f;
    float weightFactor = 0.0f;
    std::string shown;
};

// pressure / (factor × g), the operands read in the order given. The product
// with g is rounded to float before the division, which is done in float.
Operation showPressureOver(const platform::Field& factor, const platform::Field& pressure,
                           platform::Field& target)
{
    const float f = factor.floatValue();
    const float p = pressure.floatValue();
    const double weightFactor = double{f} * g;
    const float k = static_cast<float>(weightFactor);
    const float quotient = p / k;
    platform::display(target, "%f", quotient);
    return {f, p, k, sixDecimals(quotient)};
}

// A quotient or product of two fields: its line fills %1, %2 with the operands
// and %3 with the result.
void report(const FluidController& c, const char* const (&symbols)[3], float first, float second,
            const std::string& shown, Text line)
{
    line.arguments = {shortest(first), shortest(second), shown};
    working::publish(c.working, c.log,
                     {tool,
                      {{symbols[0], shortest(first)}, {symbols[1], shortest(second)}},
                      {{symbols[2], shown}}},
                     {line});
}

} // namespace

void FluidController::getArea(platform::Sender)
{
    const float F = forza->floatValue();
    const float p = press1->floatValue();
    const float A = F / p;
    platform::display(*area, "%f", A);
    report(*this, {"F", "p", "A"}, F, p, sixDecimals(A),
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "A = F / p = %1 N / %2 Pa = %3 m\u00b2"), {}});
}

void FluidController::getPower(platform::Sender)
{
    const float p = press1->floatValue();
    const float A = area->floatValue();
    const float F = p * A;
    platform::display(*forza, "%f", F);
    report(
        *this, {"p", "A", "F"}, p, A, sixDecimals(F),
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "F = p \u00b7 A = %1 Pa \u00d7 %2 m\u00b2 = %3 N"),
             {}});
}

void FluidController::getPress1(platform::Sender)
{
    const float F = forza->floatValue();
    const float A = area->floatValue();
    const float p = F / A;
    platform::display(*press1, "%f", p);
    report(*this, {"F", "A", "p"}, F, A, sixDecimals(p),
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "p = F / A = %1 N / %2 m\u00b2 = %3 Pa"), {}});
}

void FluidController::getDens(platform::Sender)
{
    const Operation done = showPressureOver(*profond, *press2, *dens);
    working::publish(
        working, log,
        {tool,
         {{"h", shortest(done.factor)}, {"p", shortest(done.pressure)}},
         {{"\u03c1", done.shown}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                      "g \u00b7 h = 9.81 m/s\u00b2 \u00d7 %1 m %2 m\u00b2/s\u00b2"),
              {shortest(done.factor), working::step(done.weightFactor)}},
         Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working",
                  "\u03c1 = p / (g \u00b7 h) = %1 Pa / %2 m\u00b2/s\u00b2 = %3 kg/m\u00b3"),
              {shortest(done.pressure), shortest(done.weightFactor), done.shown}}});
}

void FluidController::getH(platform::Sender)
{
    const Operation done = showPressureOver(*dens, *press2, *profond);
    working::publish(
        working, log,
        {tool,
         {{"\u03c1", shortest(done.factor)}, {"p", shortest(done.pressure)}},
         {{"h", done.shown}}},
        {Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working", "\u03c1 \u00b7 g = %1 kg/m\u00b3 \u00d7 9.81 m/s\u00b2 %2 N/m\u00b3"),
              {shortest(done.factor), working::step(done.weightFactor)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                      "h = p / (\u03c1 \u00b7 g) = %1 Pa / %2 N/m\u00b3 = %3 m"),
              {shortest(done.pressure), shortest(done.weightFactor), done.shown}}});
}

void FluidController::getPress2(platform::Sender)
{
    const float rho = dens->floatValue();
    const float h = profond->floatValue();
    // Both products in double, rounded to float once: density 10 at depth 2
    // gives 196.2, shown as 196.199997.
    const double weightPerVolume = double{rho} * g;
    const double pressure = weightPerVolume * double{h};
    const float p = static_cast<float>(pressure);
    platform::display(*press2, "%f", p);

    working::publish(
        working, log,
        {tool, {{"\u03c1", shortest(rho)}, {"h", shortest(h)}}, {{"p", sixDecimals(p)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working", "\u03c1 \u00b7 g = %1 kg/m\u00b3 \u00d7 9.81 m/s\u00b2 %2 N/m\u00b3"),
              {shortest(rho), working::step(weightPerVolume)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "p = \u03c1 \u00b7 g \u00b7 h = %1 kg/m\u00b3 "
                                                 "\u00d7 9.81 m/s\u00b2 \u00d7 %2 m = %3 Pa"),
              {shortest(rho), shortest(h), sixDecimals(p)}}});
}
