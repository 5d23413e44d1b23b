#include "AttritoController.h"

#include "Numbers.h"

namespace {

// Both helpers read their operands in the order given and compute in float.
void showProduct(const platform::Field& first, const platform::Field& second,
                 platform::Field& target)
{
    const float a = first.floatValue();
    const float b = second.floatValue();
    const float product = a * b;
    platform::display(target, "%0.2f", product);
}

// A zero divisor shows "inf", "-inf" or, for 0/0, "nan".
void showQuotient(const platform::Field& dividend, const platform::Field& divisor,
                  platform::Field& target)
{
    const float a = dividend.floatValue();
    const float b = divisor.floatValue();
    const float quotient = a / b;
    platform::display(target, "%0.2f", quotient);
}

} // namespace

void AttritoController::getF1d(platform::Sender)
{
    showProduct(*kas, *fpOfstat, *f1d);
}

void AttritoController::getFad(platform::Sender)
{
    showProduct(*kad, *fpOfDinam, *fad);
}

void AttritoController::getFpFromDinam(platform::Sender)
{
    showQuotient(*fad, *kad, *fpOfDinam);
}

void AttritoController::getFpFromStat(platform::Sender)
{
    showQuotient(*f1d, *kas, *fpOfstat);
}

void AttritoController::getKas(platform::Sender)
{
    showQuotient(*f1d, *fpOfstat, *kas);
}

void AttritoController::getKd(platform::Sender)
{
    showQuotient(*fad, *fpOfDinam, *kad);
}
