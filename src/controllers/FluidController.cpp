#include "FluidController.h"

#include "Numbers.h"

namespace {

// Acceleration of gravity, m/s². A double: the products with it are formed in
// double and rounded to float afterwards.
constexpr double g = 9.81;

// The unit of each quantity, in which a field's number is taken.
constexpr const char* newtons = "N";
constexpr const char* pascals = "Pa";
constexpr const char* squareMetres = "m²";
constexpr const char* density = "kg/m³";
constexpr const char* metres = "m";

// pressure / (factor × g), the operands read in the order given. The product
// with g is rounded to float before the division, which is done in float.
void showPressureOver(platform::Notes& press, const platform::Field& factor, const char* factorUnit,
                      const platform::Field& pressure, platform::Field& target)
{
    const float f = press.read(factor, factorUnit);
    const float p = press.read(pressure, pascals);
    const double weightFactor = double{f} * g;
    const float k = static_cast<float>(weightFactor);
    const float quotient = p / k;
    press.display(target, "%f", quotient);
    press.noteQuotient(pressure, p, factor, k);
}

} // namespace

void FluidController::getArea(platform::Sender)
{
    press.begin("A = F / p");
    const float F = press.read(*forza, newtons);
    const float p = press.read(*press1, pascals);
    const float A = F / p;
    press.display(*area, "%f", A);
    press.noteQuotient(*forza, F, *press1, p);
    press.finish(notes);
}

void FluidController::getPower(platform::Sender)
{
    press.begin("F = p · A");
    const float p = press.read(*press1, pascals);
    const float A = press.read(*area, squareMetres);
    const float F = p * A;
    press.display(*forza, "%f", F);
    press.finish(notes);
}

void FluidController::getPress1(platform::Sender)
{
    press.begin("p = F / A");
    const float F = press.read(*forza, newtons);
    const float A = press.read(*area, squareMetres);
    const float p = F / A;
    press.display(*press1, "%f", p);
    press.noteQuotient(*forza, F, *area, A);
    press.finish(notes);
}

void FluidController::getDens(platform::Sender)
{
    press.begin("ρ = p / (g · h)");
    showPressureOver(press, *profond, metres, *press2, *dens);
    press.finish(notes);
}

void FluidController::getH(platform::Sender)
{
    press.begin("h = p / (ρ · g)");
    showPressureOver(press, *dens, density, *press2, *profond);
    press.finish(notes);
}

void FluidController::getPress2(platform::Sender)
{
    press.begin("p = ρ · g · h");
    const float rho = press.read(*dens, density);
    const float h = press.read(*profond, metres);
    // Both products in double, rounded to float once: density 10 at depth 2
    // gives 196.2, shown as 196.199997.
    const double weightPerVolume = double{rho} * g;
    const double pressure = weightPerVolume * double{h};
    const float p = static_cast<float>(pressure);
    press.display(*press2, "%f", p);
    press.finish(notes);
}
