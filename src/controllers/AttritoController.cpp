#include "AttritoController.h"

#include "Numbers.h"
#include "Working.h"

namespace {

using platform::shortest;
using platform::Text;

// One press: its two operands as read and the result as shown.
struct Operation
{
    float first = 0.0f;
    float second = 0.0f;
    std::string shown;
};

// Both helpers read their operands in the order given and compute in float.
Operation showProduct(const platform::Field& first, const platform::Field& second,
                      platform::Field& target)
{
    const float a = first.floatValue();
    const float b = second.floatValue();
    const float product = a * b;
    platform::display(target, "%0.2f", product);
    return {a, b, platform::stringWithFormat("%0.2f", product)};
}

// A zero divisor shows "inf", "-inf" or, for 0/0, "nan".
Operation showQuotient(const platform::Field& dividend, const platform::Field& divisor,
                       platform::Field& target)
{
    const float a = dividend.floatValue();
    const float b = divisor.floatValue();
    const float quotient = a / b;
    platform::display(target, "%0.2f", quotient);
    return {a, b, platform::stringWithFormat("%0.2f", quotient)};
}

// line fills %1 and %2 with the operands and %3 with the result; the symbols
// name the operands and the result in the log.
void report(const AttritoController& c, const Operation& done, const char* const (&symbols)[3],
            Text line)
{
    line.arguments = {shortest(done.first), shortest(done.second), done.shown};
    working::publish(c.working, c.log,
                     {Text{PHYSCALC_TRANSLATE_NOOP("Working", "Friction"), {}},
                      {{symbols[0], shortest(done.first)}, {symbols[1], shortest(done.second)}},
                      {{symbols[2], done.shown}}},
                     {line});
}

} // namespace

void AttritoController::getF1d(platform::Sender)
{
    report(
        *this, showProduct(*kas, *fpOfstat, *f1d), {"k\u209b", "N", "F\u209b"},
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: F = k \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {}});
}

void AttritoController::getFad(platform::Sender)
{
    report(
        *this, showProduct(*kad, *fpOfDinam, *fad), {"k\u2096", "N", "F\u2096"},
        Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: F = k \u00b7 N = %1 \u00d7 %2 N = %3 N"),
             {}});
}

void AttritoController::getFpFromDinam(platform::Sender)
{
    report(*this, showQuotient(*fad, *kad, *fpOfDinam), {"F\u2096", "k\u2096", "N"},
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: N = F / k = %1 N / %2 = %3 N"), {}});
}

void AttritoController::getFpFromStat(platform::Sender)
{
    report(*this, showQuotient(*f1d, *kas, *fpOfstat), {"F\u209b", "k\u209b", "N"},
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: N = F / k = %1 N / %2 = %3 N"), {}});
}

void AttritoController::getKas(platform::Sender)
{
    report(*this, showQuotient(*f1d, *fpOfstat, *kas), {"F\u209b", "N", "k\u209b"},
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Static: k = F / N = %1 N / %2 N = %3"), {}});
}

void AttritoController::getKd(platform::Sender)
{
    report(*this, showQuotient(*fad, *fpOfDinam, *kad), {"F\u2096", "N", "k\u2096"},
           Text{PHYSCALC_TRANSLATE_NOOP("Working", "Dynamic: k = F / N = %1 N / %2 N = %3"), {}});
}
