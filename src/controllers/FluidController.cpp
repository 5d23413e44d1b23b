#include "FluidController.h"

#include "Numbers.h"
#include "Working.h"

#include <cmath>
#include <string>
#include <string_view>

namespace {

// Acceleration of gravity, m/s². A double: the products with it are formed in
// double and rounded to float afterwards.
constexpr double g = 9.81;

// The unit of each quantity, in which a field's number is taken.
constexpr const char* newtons = "N";
constexpr const char* pascalUnit = "Pa";
constexpr const char* squareMetres = "m²";
constexpr const char* density = "kg/m³";
constexpr const char* metres = "m";

// The unit of a result by its symbol, for the log.
const char* unitOf(const char* symbol)
{
    const std::string_view name(symbol);
    if (name == "A")
        return squareMetres;
    if (name == "F")
        return newtons;
    if (name == "p")
        return pascalUnit;
    return name == "h" ? metres : density;
}

using platform::shortest;
using platform::Text;

const Text tool{PHYSCALC_TRANSLATE_NOOP("Working", "Fluid pressure"), {}};

std::string sixDecimals(float value)
{
    return platform::stringWithFormat("%f", value);
}

// pressure / (factor × g), the operands read in the order given. The product
// with g is rounded to float before the division, which is done in float.
// Gives back the factor, the pressure read, the product with g as rounded to
// float, and the quotient.
struct Worked
{
    float factor;
    float pressure;
    float weightFactor;
    float quotient;
};

Worked showPressureOver(platform::Notes& press, const platform::Field& factor,
                        const char* factorUnit, const platform::Field& pressure,
                        platform::Field& target, const char* const (&symbols)[3])
{
    const float f = press.read(factor, factorUnit, symbols[0]);
    const float p = press.read(pressure, pascalUnit, symbols[1]);
    const double weightFactor = double{f} * g;
    const float k = static_cast<float>(weightFactor);
    const float quotient = p / k;
    press.display(target, "%f", quotient);
    press.noteQuotient(pressure, p, factor, k);
    return {f, p, k, quotient};
}

// A quotient or product of two fields: its line fills %1, %2 with the operands
// and %3 with the result.
void report(const FluidController& c, const platform::Notes& press, const char* const (&symbols)[3],
            float first, float second, const std::string& shown, Text line,
            const uncertainty::Propagation& errors)
{
    errors.show(c.uncertainties);
    line.arguments = {shortest(first), shortest(second), shown};
    working::publish(press, c.working, c.log,
                     {tool,
                      {{symbols[0], shortest(first)}, {symbols[1], shortest(second)}},
                      {{symbols[2], shown, unitOf(symbols[2])}}},
                     {line}, &errors);
}

// p / (factor × g): the product with g as rounded, then the quotient as shown;
// the symbols name the factor, the pressure and the result.
void reportPressureOver(const FluidController& c, const platform::Notes& press,
                        const Worked& worked, const char* const (&symbols)[3], Text product,
                        Text quotient, const uncertainty::Propagation& errors)
{
    errors.show(c.uncertainties);
    const std::string shown = sixDecimals(worked.quotient);
    product.arguments = {shortest(worked.factor), working::step(worked.weightFactor)};
    quotient.arguments = {shortest(worked.pressure), shortest(worked.weightFactor), shown};
    working::publish(
        press, c.working, c.log,
        {tool,
         {{symbols[0], shortest(worked.factor)}, {symbols[1], shortest(worked.pressure)}},
         {{symbols[2], shown, unitOf(symbols[2])}}},
        {product, quotient}, &errors);
}

// One standard atmosphere, Pa: what the air adds above a liquid's surface.
constexpr double atmosphere = 101325.0;

// A pressure in pascals as kPa, bar and atm to four significant figures.
std::string inOtherUnits(double pascals)
{
    const double kilopascals = pascals / 1000.0;
    const double bars = pascals / 100000.0;
    const double atmospheres = pascals / atmosphere;
    return platform::significantFigures(kilopascals, 4)
           + " kPa = " + platform::significantFigures(bars, 4)
           + " bar = " + platform::significantFigures(atmospheres, 4) + " atm";
}

void showUnits(platform::Field* field, double pascals)
{
    if (field != nullptr)
        field->setStringValue(inOtherUnits(pascals));
}

using platform::Drawing;

// An open tank of the liquid, deeper than the depth asked about, with the
// depth measured down from the surface and the pressure found there.
void drawColumn(Drawing& drawing, float rho, float h, float p)
{
    drawing.erase();
    const std::string depth = platform::stringWithFormat("%0.2f", h);
    if (!(h > 0.0f) || !std::isfinite(h)) {
        const platform::Text reason{
            PHYSCALC_TRANSLATE_NOOP("Fluid", "No column drawn: the depth h is not above 0."), {}};
        drawing.setCaption(reason);
        drawing.setDescription(reason);
        return;
    }
    const double deep = double{h};
    const double width = deep * 0.8;
    const double bottom = -deep * 1.25;
    drawing.drawLine({0.0, deep * 0.15}, {0.0, bottom}, Drawing::Ink::Body);
    drawing.drawLine({0.0, bottom}, {width, bottom}, Drawing::Ink::Body);
    drawing.drawLine({width, bottom}, {width, deep * 0.15}, Drawing::Ink::Body);
    drawing.drawLine({0.0, 0.0}, {width, 0.0}, Drawing::Ink::Force);
    drawing.drawLine({0.0, -deep}, {width, -deep}, Drawing::Ink::Guide);
    drawing.drawArrow({-deep * 0.15, 0.0}, {-deep * 0.15, -deep}, "h " + depth + " m",
                      Drawing::Ink::Guide);
    const std::string pressure = platform::stringWithFormat("%0.2f", p);
    drawing.drawLabel({width + deep * 0.05, -deep}, "p " + pressure + " Pa");
    const double absolute = double{p} + atmosphere;
    drawing.setCaption(
        {PHYSCALC_TRANSLATE_NOOP(
             "Fluid", "p is the gauge pressure, of the liquid alone; the air adds 101325 Pa."),
         {}});
    drawing.setDescription(
        {PHYSCALC_TRANSLATE_NOOP("Fluid", "A tank of liquid of density %1 kg/m³. At a depth of "
                                          "%2 m below its surface the liquid presses with %3 Pa "
                                          "(gauge); with the air above, %4 Pa absolute."),
         {platform::stringWithFormat("%0.2f", rho), depth, pressure,
          platform::stringWithFormat("%0.2f", absolute)}});
}

} // namespace

void FluidController::getArea(platform::Sender)
{
    press.begin("A = F / p");
    const float F = press.read(*forza, newtons, "F");
    const float p = press.read(*press1, pascalUnit, "p");
    const float A = F / p;
    press.display(*area, "%f", A);
    press.noteQuotient(*forza, F, *press1, p);
    showUnits(press1Units, p);
    uncertainty::Propagation errors(press);
    const uncertainty::Value uF = errors.input(*forza, F, "F", newtons);
    const uncertainty::Value up = errors.input(*press1, p, "p", pascalUnit);
    errors.result("A", A, uF / up, squareMetres, true);
    report(*this, press, {"F", "p", "A"}, F, p, sixDecimals(A),
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "A = F / p = %1 N / %2 Pa = %3 m\u00b2"), {}},
           errors);
    press.finish(notes);
}

void FluidController::getPower(platform::Sender)
{
    press.begin("F = p · A");
    const float p = press.read(*press1, pascalUnit, "p");
    const float A = press.read(*area, squareMetres, "A");
    const float F = p * A;
    press.display(*forza, "%f", F);
    showUnits(press1Units, p);
    uncertainty::Propagation errors(press);
    const uncertainty::Value up = errors.input(*press1, p, "p", pascalUnit);
    const uncertainty::Value uA = errors.input(*area, A, "A", squareMetres);
    errors.result("F", F, up * uA, newtons, true);
    report(
        *this, press, {"p", "A", "F"}, p, A, sixDecimals(F),
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "F = p \u00b7 A = %1 Pa \u00d7 %2 m\u00b2 = %3 N"),
             {}},
        errors);
    press.finish(notes);
}

void FluidController::getPress1(platform::Sender)
{
    press.begin("p = F / A");
    const float F = press.read(*forza, newtons, "F");
    const float A = press.read(*area, squareMetres, "A");
    const float p = F / A;
    press.display(*press1, "%f", p);
    press.noteQuotient(*forza, F, *area, A);
    showUnits(press1Units, p);
    uncertainty::Propagation errors(press);
    const uncertainty::Value uF = errors.input(*forza, F, "F", newtons);
    const uncertainty::Value uA = errors.input(*area, A, "A", squareMetres);
    errors.result("p", p, uF / uA, pascalUnit, true);
    report(*this, press, {"F", "A", "p"}, F, A, sixDecimals(p),
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "p = F / A = %1 N / %2 m\u00b2 = %3 Pa"), {}},
           errors);
    press.finish(notes);
}

void FluidController::getDens(platform::Sender)
{
    press.begin("ρ = p / (g · h)");
    const char* const symbols[3] = {"h", "p", "\u03c1"};
    const Worked worked = showPressureOver(press, *profond, metres, *press2, *dens, symbols);
    showDepth(worked.quotient, worked.factor, worked.pressure);
    uncertainty::Propagation errors(press);
    const uncertainty::Value uh = errors.input(*profond, worked.factor, "h", metres);
    const uncertainty::Value up = errors.input(*press2, worked.pressure, "p", pascalUnit);
    errors.result("\u03c1", worked.quotient, up / (uncertainty::Value(g) * uh), density, true);
    reportPressureOver(
        *this, press, worked, symbols,
        Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                     "g \u00b7 h = 9.81 m/s\u00b2 \u00d7 %1 m %2 m\u00b2/s\u00b2"),
             {}},
        Text{PHYSCALC_TRANSLATE_NOOP(
                 "Working",
                 "\u03c1 = p / (g \u00b7 h) = %1 Pa / %2 m\u00b2/s\u00b2 = %3 kg/m\u00b3"),
             {}},
        errors);
    press.finish(notes);
}

void FluidController::getH(platform::Sender)
{
    press.begin("h = p / (ρ · g)");
    const char* const symbols[3] = {"\u03c1", "p", "h"};
    const Worked worked = showPressureOver(press, *dens, density, *press2, *profond, symbols);
    showDepth(worked.factor, worked.quotient, worked.pressure);
    uncertainty::Propagation errors(press);
    const uncertainty::Value urho = errors.input(*dens, worked.factor, "\u03c1", density);
    const uncertainty::Value up = errors.input(*press2, worked.pressure, "p", pascalUnit);
    errors.result("h", worked.quotient, up / (urho * uncertainty::Value(g)), metres, true);
    reportPressureOver(
        *this, press, worked, symbols,
        Text{PHYSCALC_TRANSLATE_NOOP(
                 "Working", "\u03c1 \u00b7 g = %1 kg/m\u00b3 \u00d7 9.81 m/s\u00b2 %2 N/m\u00b3"),
             {}},
        Text{PHYSCALC_TRANSLATE_NOOP("Working",
                                     "h = p / (\u03c1 \u00b7 g) = %1 Pa / %2 N/m\u00b3 = %3 m"),
             {}},
        errors);
    press.finish(notes);
}

void FluidController::getPress2(platform::Sender)
{
    press.begin("p = ρ · g · h");
    const float rho = press.read(*dens, density, "\u03c1");
    const float h = press.read(*profond, metres, "h");
    // Both products in double, rounded to float once: density 10 at depth 2
    // gives 196.2, shown as 196.199997.
    const double weightPerVolume = double{rho} * g;
    const double pressure = weightPerVolume * double{h};
    const float p = static_cast<float>(pressure);
    press.display(*press2, "%f", p);
    showDepth(rho, h, p);

    uncertainty::Propagation errors(press);
    const uncertainty::Value urho = errors.input(*dens, rho, "\u03c1", density);
    const uncertainty::Value uh = errors.input(*profond, h, "h", metres);
    errors.result("p", p, urho * uncertainty::Value(g) * uh, pascalUnit, true);
    errors.show(uncertainties);
    working::publish(
        press, working, log,
        {tool,
         {{"\u03c1", shortest(rho)}, {"h", shortest(h)}},
         {{"p", sixDecimals(p), pascalUnit}}},
        {Text{PHYSCALC_TRANSLATE_NOOP(
                  "Working", "\u03c1 \u00b7 g = %1 kg/m\u00b3 \u00d7 9.81 m/s\u00b2 %2 N/m\u00b3"),
              {shortest(rho), working::step(weightPerVolume)}},
         Text{PHYSCALC_TRANSLATE_NOOP("Working", "p = \u03c1 \u00b7 g \u00b7 h = %1 kg/m\u00b3 "
                                                 "\u00d7 9.81 m/s\u00b2 \u00d7 %2 m = %3 Pa"),
              {shortest(rho), shortest(h), sixDecimals(p)}}},
        &errors);
    press.finish(notes);
}

void FluidController::showDepth(float rho, float h, float p)
{
    showUnits(press2Gauge, p);
    const double absolute = double{p} + atmosphere;
    showUnits(press2Absolute, absolute);
    if (press2AbsolutePascals != nullptr)
        press2AbsolutePascals->setStringValue(platform::stringWithFormat("%0.2f", absolute));
    if (columnDrawing != nullptr)
        drawColumn(*columnDrawing, rho, h, p);
}

// The preset's title begins with its density, whatever language the rest is
// in; a title without a number (the prompt) leaves the field alone.
void FluidController::getPreset(platform::Sender)
{
    const float rho = platform::readFloat(densPreset->title());
    if (rho > 0.0f)
        dens->setStringValue(platform::stringWithFormat("%0.0f", rho));
}
