#include "AttritoController.h"

#include "Numbers.h"

namespace {

// The unit of each quantity: forces in newtons, coefficients pure numbers.
constexpr const char* newtons = "N";
constexpr const char* pure = "";

// Both helpers read their operands in the order given and compute in float.
void showProduct(platform::Notes& press, const platform::Field& first, const char* firstUnit,
                 const platform::Field& second, const char* secondUnit, platform::Field& target)
{
    const float a = press.read(first, firstUnit);
    const float b = press.read(second, secondUnit);
    const float product = a * b;
    press.display(target, "%0.2f", product);
}

// A zero divisor shows "inf", "-inf" or, for 0/0, "nan".
void showQuotient(platform::Notes& press, const platform::Field& dividend, const char* dividendUnit,
                  const platform::Field& divisor, const char* divisorUnit, platform::Field& target)
{
    const float a = press.read(dividend, dividendUnit);
    const float b = press.read(divisor, divisorUnit);
    const float quotient = a / b;
    press.display(target, "%0.2f", quotient);
    press.noteQuotient(dividend, a, divisor, b);
}

} // namespace

void AttritoController::getF1d(platform::Sender)
{
    press.begin("F = k · N");
    showProduct(press, *kas, pure, *fpOfstat, newtons, *f1d);
    press.finish(notes);
}

void AttritoController::getFad(platform::Sender)
{
    press.begin("F = k · N");
    showProduct(press, *kad, pure, *fpOfDinam, newtons, *fad);
    press.finish(notes);
}

void AttritoController::getFpFromDinam(platform::Sender)
{
    press.begin("N = F / k");
    showQuotient(press, *fad, newtons, *kad, pure, *fpOfDinam);
    press.finish(notes);
}

void AttritoController::getFpFromStat(platform::Sender)
{
    press.begin("N = F / k");
    showQuotient(press, *f1d, newtons, *kas, pure, *fpOfstat);
    press.finish(notes);
}

void AttritoController::getKas(platform::Sender)
{
    press.begin("k = F / N");
    showQuotient(press, *f1d, newtons, *fpOfstat, newtons, *kas);
    press.finish(notes);
}

void AttritoController::getKd(platform::Sender)
{
    press.begin("k = F / N");
    showQuotient(press, *fad, newtons, *fpOfDinam, newtons, *kad);
    press.finish(notes);
}
