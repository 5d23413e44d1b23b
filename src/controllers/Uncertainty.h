// How the uncertainties typed beside a press's inputs ("14 ± 0.1 cm") carry
// into its results, and the working that shows each step with the student's
// numbers. Two rules: the maximum error taught at school (absolute errors add
// in sums, relative errors in products and quotients, a function's bound
// from its derivative), or independent errors combined in quadrature, to
// first order, as introductory university labs do.
#pragma once

#include "Controls.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace uncertainty {

enum class Mode {
    MaximumError,
    Quadrature
};

// One rule for the whole program, chosen in any window's working.
Mode mode();
void setMode(Mode chosen);

// Ten vectors of the vector sum, each a magnitude and an angle, are the most.
inline constexpr std::size_t maxInputs = 20;

// A number worked out from a press's inputs, in double, with its slope with
// respect to each input: first-order propagation needs nothing more. An angle
// input is in degrees, so its slope is per degree, like its uncertainty.
struct Value
{
    double value = 0.0;
    std::array<double, maxInputs> slopes{};

    Value() = default;
    // A constant: g, 100, 180.
    Value(double constant) // NOLINT(google-explicit-constructor): constants mix in formulas
        : value(constant)
    {
    }
};

Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator-(const Value& a);
Value operator*(const Value& a, const Value& b);
Value operator/(const Value& a, const Value& b);
// Of an angle in degrees.
Value sinDegrees(const Value& degrees);
Value cosDegrees(const Value& degrees);
// In degrees.
Value asinDegrees(const Value& x);
Value atan2Degrees(const Value& y, const Value& x);
Value sqrt(const Value& x);

class Propagation
{
public:
    // The uncertainties come from how the press read its fields.
    explicit Propagation(const platform::Notes& press);
    // The uncertainties are given with each input.
    Propagation() = default;

    // The value read from the field, as an input of the formulas: symbol and
    // unit name it in the working.
    Value input(const platform::Field& field, float value, std::string symbol, std::string unit);
    Value input(float value, float uncertainty, std::string symbol, std::string unit);

    // Whether any input carries an uncertainty; without one, nothing shows.
    bool any() const;

    // A result: the fixed field's value, the same formula worked in Value,
    // and its unit. A product or quotient is worked in relative errors.
    void result(const std::string& symbol, double shown, const Value& worked,
                const std::string& unit, bool product);

    // The uncertainty of a value worked from the inputs, by the rule chosen,
    // without a line of its own: for comparing two results, say.
    double spread(const Value& worked) const;
    // When two results could be equal within their uncertainties, a verdict
    // that compares them is not certain: the message, given the two as
    // "(x ± Δ) unit", says so. None when they stand apart.
    std::optional<platform::Text> overlap(const char* context, const char* message, double first,
                                          const Value& firstWorked, double second,
                                          const Value& secondWorked, const std::string& unit) const;

    // "W∥ = (6.0 ± 0.2) N", one line per result; none without uncertainty.
    const std::vector<platform::Text>& results() const { return lines; }
    // Each propagation step, after a line that names the rule.
    const std::vector<platform::Text>& working() const { return steps; }
    // "W∥ ± ΔW∥" = "6.0 ± 0.2 N" for the results log.
    const std::vector<platform::Quantity>& logged() const { return quantities; }

    // The uncertainty typed beside the input of that symbol, as read ("0.1");
    // empty when it had none.
    std::string uncertaintyOf(const std::string& symbol) const;

    // Shows the results in the pane, or empties it when no input has an
    // uncertainty.
    void show(platform::TextPane* pane) const;

private:
    struct Input
    {
        std::string symbol;
        std::string unit;
        double value = 0.0;
        double uncertainty = 0.0;
    };

    const platform::Notes* press = nullptr;
    std::vector<Input> inputs;
    std::vector<platform::Text> lines;
    std::vector<platform::Text> steps;
    std::vector<platform::Quantity> quantities;
};

// "x ± Δx" (with the unit in brackets when there is one): Δx to one
// significant figure, two when it begins with 1, and x to the same place.
std::string withUncertainty(double value, double uncertainty, const std::string& unit);

} // namespace uncertainty
