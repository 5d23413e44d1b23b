#include "Uncertainty.h"

#include "Numbers.h"
#include "Series.h"

#include <cmath>
#include <string>

namespace uncertainty {

namespace {

Mode chosenMode = Mode::MaximumError;

template <class Slope>
Value mapped(const Value& a, double value, Slope slope)
{
    Value result(value);
    for (std::size_t i = 0; i < maxInputs; ++i)
        result.slopes[i] = slope(a.slopes[i]);
    return result;
}

Value combined(const Value& a, const Value& b, double value, double da, double db)
{
    Value result(value);
    for (std::size_t i = 0; i < maxInputs; ++i)
        result.slopes[i] = da * a.slopes[i] + db * b.slopes[i];
    return result;
}

constexpr double perDegree = platform::pi / 180.0;

// To four significant figures once binary noise is gone: 0.1 / 10 × 100
// shows as 1, not 1.000.
std::string four(double value)
{
    return platform::fourSignificant(series::roundTo12(value)).text;
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

} // namespace

Mode mode()
{
    return chosenMode;
}

void setMode(Mode chosen)
{
    chosenMode = chosen;
}

Value operator+(const Value& a, const Value& b)
{
    return combined(a, b, a.value + b.value, 1.0, 1.0);
}

Value operator-(const Value& a, const Value& b)
{
    return combined(a, b, a.value - b.value, 1.0, -1.0);
}

Value operator-(const Value& a)
{
    return mapped(a, -a.value, [](double s) { return -s; });
}

Value operator*(const Value& a, const Value& b)
{
    return combined(a, b, a.value * b.value, b.value, a.value);
}

Value operator/(const Value& a, const Value& b)
{
    const double q = a.value / b.value;
    return combined(a, b, q, 1.0 / b.value, -q / b.value);
}

Value sinDegrees(const Value& degrees)
{
    const double r = degrees.value * perDegree;
    const double d = std::cos(r) * perDegree;
    return mapped(degrees, std::sin(r), [d](double s) { return d * s; });
}

Value cosDegrees(const Value& degrees)
{
    const double r = degrees.value * perDegree;
    const double d = -std::sin(r) * perDegree;
    return mapped(degrees, std::cos(r), [d](double s) { return d * s; });
}

Value asinDegrees(const Value& x)
{
    const double d = 1.0 / std::sqrt(1.0 - x.value * x.value) / perDegree;
    return mapped(x, std::asin(x.value) / perDegree, [d](double s) { return d * s; });
}

Value atan2Degrees(const Value& y, const Value& x)
{
    const double r2 = x.value * x.value + y.value * y.value;
    return combined(y, x, std::atan2(y.value, x.value) / perDegree, x.value / r2 / perDegree,
                    -y.value / r2 / perDegree);
}

Value sqrt(const Value& x)
{
    const double root = std::sqrt(x.value);
    const double d = 0.5 / root;
    return mapped(x, root, [d](double s) { return d * s; });
}

std::string withUncertainty(double value, double uncertainty, const std::string& unit)
{
    const std::string both = series::plusMinus(value, uncertainty);
    if (both.empty())
        return platform::shortest(value) + (unit.empty() ? "" : " " + unit);
    return unit.empty() ? both : "(" + both + ") " + unit;
}

Propagation::Propagation(const platform::Notes& notes)
    : press(&notes)
{
}

Value Propagation::input(const platform::Field& field, float value, std::string symbol,
                         std::string unit)
{
    return input(value, press != nullptr ? press->uncertainty(field) : 0.0f, std::move(symbol),
                 std::move(unit));
}

Value Propagation::input(float value, float uncertainty, std::string symbol, std::string unit)
{
    Value v(series::asRead(value));
    if (inputs.size() < maxInputs) {
        v.slopes[inputs.size()] = 1.0;
        inputs.push_back(
            {std::move(symbol), std::move(unit), v.value, series::asRead(uncertainty)});
    }
    return v;
}

bool Propagation::any() const
{
    for (const Input& in : inputs) {
        if (in.uncertainty > 0.0)
            return true;
    }
    return false;
}

void Propagation::result(const std::string& symbol, double shown, const Value& worked,
                         const std::string& unit, bool product)
{
    if (!any())
        return;
    const bool quadrature = mode() == Mode::Quadrature;
    if (steps.empty()) {
        steps.push_back(quadrature
                            ? platform::Text{PHYSCALC_TRANSLATE_NOOP(
                                                 "Uncertainty",
                                                 "Uncertainties as independent errors, combined in "
                                                 "quadrature (first order):"),
                                             {}}
                            : platform::Text{PHYSCALC_TRANSLATE_NOOP(
                                                 "Uncertainty",
                                                 "Uncertainties as maximum errors: absolute errors "
                                                 "add in sums, relative errors in products and "
                                                 "quotients:"),
                                             {}});
    }
    // Relative errors need a result other than 0 to be relative to.
    const bool relative = product && worked.value != 0.0 && std::isfinite(worked.value);
    std::vector<std::string> names;
    std::vector<std::string> terms;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const Input& in = inputs[i];
        const double slope = worked.slopes[i];
        if (in.uncertainty <= 0.0 || slope == 0.0)
            continue;
        double term = std::fabs(slope) * in.uncertainty;
        if (relative) {
            term = term / std::fabs(worked.value) * 100.0;
            // A factor of the product: its relative error as it stands.
            const double power = slope * in.value / worked.value;
            names.push_back(std::fabs(std::fabs(power) - 1.0) < 1e-9
                                ? "\u0394" + in.symbol + " / " + in.symbol
                                : "\u0394" + symbol + "(" + in.symbol + ") / " + symbol);
            terms.push_back(four(term) + " %");
        } else {
            names.push_back(std::fabs(std::fabs(slope) - 1.0) < 1e-12
                                ? "\u0394" + in.symbol
                                : "\u0394" + symbol + "(" + in.symbol + ")");
            terms.push_back(four(term) + (unit.empty() ? "" : " " + unit));
        }
    }
    // The rule's total, in the form the terms are in.
    const double total =
        relative ? spread(worked) / std::fabs(worked.value) * 100.0 : spread(worked);
    if (quadrature) {
        for (std::string& name : names)
            name = "(" + name + ")\u00b2";
        for (std::string& term : terms)
            term = "(" + term + ")\u00b2";
    }
    const std::string sum =
        quadrature ? "\u221a(" + joined(names, " + ") + ")" : joined(names, " + ");
    const std::string values =
        quadrature ? "\u221a(" + joined(terms, " + ") + ")" : joined(terms, " + ");
    double uncertainty = total;
    if (relative) {
        steps.push_back({PHYSCALC_TRANSLATE_NOOP("Uncertainty", "\u0394%1 / %1 = %2 = %3 = %4 %"),
                         {symbol, sum, values, four(total)}});
        uncertainty = total / 100.0 * std::fabs(shown);
        steps.push_back({PHYSCALC_TRANSLATE_NOOP("Uncertainty", "\u0394%1 = %2 % \u00d7 %3 = %4"),
                         {symbol, four(total),
                          platform::shortest(std::fabs(shown)) + (unit.empty() ? "" : " " + unit),
                          four(uncertainty) + (unit.empty() ? "" : " " + unit)}});
    } else {
        steps.push_back({PHYSCALC_TRANSLATE_NOOP("Uncertainty", "\u0394%1 = %2 = %3 = %4"),
                         {symbol, sum, values, four(total) + (unit.empty() ? "" : " " + unit)}});
    }
    const std::string both = withUncertainty(shown, uncertainty, unit);
    lines.push_back({PHYSCALC_TRANSLATE_NOOP("Uncertainty", "%1 = %2"), {symbol, both}});
    quantities.push_back({symbol + " \u00b1 \u0394" + symbol, both});
}

double Propagation::spread(const Value& worked) const
{
    double total = 0.0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const double term = std::fabs(worked.slopes[i]) * inputs[i].uncertainty;
        total += mode() == Mode::Quadrature ? term * term : term;
    }
    return mode() == Mode::Quadrature ? std::sqrt(total) : total;
}

std::optional<platform::Text> Propagation::overlap(const char* context, const char* message,
                                                   double first, const Value& firstWorked,
                                                   double second, const Value& secondWorked,
                                                   const std::string& unit) const
{
    const double margin = spread(firstWorked - secondWorked);
    if (!(margin > 0.0 && std::fabs(first - second) <= margin))
        return std::nullopt;
    return platform::Text{context,
                          message,
                          {withUncertainty(first, spread(firstWorked), unit),
                           withUncertainty(second, spread(secondWorked), unit)}};
}

std::string Propagation::uncertaintyOf(const std::string& symbol) const
{
    for (const Input& in : inputs) {
        if (in.symbol == symbol && in.uncertainty > 0.0)
            return platform::shortest(in.uncertainty);
    }
    return {};
}

void Propagation::show(platform::TextPane* pane) const
{
    if (pane != nullptr)
        pane->show(lines);
}

} // namespace uncertainty
