#include "FluidController.h"

#include "Numbers.h"

namespace {

// Acceleration of gravity, m/s². A double: the products with it are formed in
// double and rounded to float afterwards.
constexpr double g = 9.81;

// pressure / (factor × g), the operands read in the order given. The product
// with g is rounded to float before the division, which is done in float.
void showPressureOver(const platform::Field& factor, const platform::Field& pressure,
                      platform::Field& target)
{
    const float f = factor.floatValue();
    const float p = pressure.floatValue();
    const double weightFactor = double{f} * g;
    const float k = static_cast<float>(weightFactor);
    const float quotient = p / k;
    platform::display(target, "%f", quotient);
}

} // namespace

void FluidController::getArea(platform::Sender)
{
    const float F = forza->floatValue();
    const float p = press1->floatValue();
    const float A = F / p;
    platform::display(*area, "%f", A);
}

void FluidController::getPower(platform::Sender)
{
    const float p = press1->floatValue();
    const float A = area->floatValue();
    const float F = p * A;
    platform::display(*forza, "%f", F);
}

void FluidController::getPress1(platform::Sender)
{
    const float F = forza->floatValue();
    const float A = area->floatValue();
    const float p = F / A;
    platform::display(*press1, "%f", p);
}

void FluidController::getDens(platform::Sender)
{
    showPressureOver(*profond, *press2, *dens);
}

void FluidController::getH(platform::Sender)
{
    showPressureOver(*dens, *press2, *profond);
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
}
