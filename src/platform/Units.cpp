#include "Units.h"

#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace platform {

namespace {

enum class Quantity {
    Length,
    Mass,
    Force,
    Pressure,
    Area,
    Density,
    Angle,
    Time
};

// One unit: the power of ten and the factor that make one of it in the
// quantity's base unit (m, kg, N, Pa, m², kg/m³, °, s). The factor is a
// quotient so that radians convert as degrees do elsewhere: product first.
struct Unit
{
    std::string_view name;
    Quantity quantity;
    int power = 0;
    double numerator = 1.0;
    double denominator = 1.0;
};

constexpr Unit units[] = {
    {"mm", Quantity::Length, -3},
    {"cm", Quantity::Length, -2},
    {"dm", Quantity::Length, -1},
    {"m", Quantity::Length, 0},
    {"km", Quantity::Length, 3},
    {"mg", Quantity::Mass, -6},
    {"g", Quantity::Mass, -3},
    {"kg", Quantity::Mass, 0},
    {"mN", Quantity::Force, -3},
    {"N", Quantity::Force, 0},
    {"kN", Quantity::Force, 3},
    {"Pa", Quantity::Pressure, 0},
    {"hPa", Quantity::Pressure, 2},
    {"kPa", Quantity::Pressure, 3},
    {"MPa", Quantity::Pressure, 6},
    {"mbar", Quantity::Pressure, 2},
    {"bar", Quantity::Pressure, 5},
    {"atm", Quantity::Pressure, 0, 101325.0},
    // By definition, 13.5951 g/cm³ of mercury under standard gravity.
    {"mmHg", Quantity::Pressure, 0, 133.322387415},
    {"Torr", Quantity::Pressure, 0, 101325.0, 760.0},
    {"mm²", Quantity::Area, -6},
    {"cm²", Quantity::Area, -4},
    {"dm²", Quantity::Area, -2},
    {"m²", Quantity::Area, 0},
    {"kg/m³", Quantity::Density, 0},
    {"g/L", Quantity::Density, 0},
    {"g/cm³", Quantity::Density, 3},
    {"g/mL", Quantity::Density, 3},
    {"kg/L", Quantity::Density, 3},
    {"kg/dm³", Quantity::Density, 3},
    {"°", Quantity::Angle, 0},
    {"rad", Quantity::Angle, 0, 180.0, pi},
    {"ms", Quantity::Time, -3},
    {"s", Quantity::Time, 0},
    {"min", Quantity::Time, 0, 60.0},
    {"h", Quantity::Time, 0, 3600.0},
};

const Unit* find(std::string_view name)
{
    const std::string canonical = canonicalUnit(name);
    const auto found = std::find_if(std::begin(units), std::end(units),
                                    [&](const Unit& unit) { return unit.name == canonical; });
    return found != std::end(units) ? found : nullptr;
}

} // namespace

std::string canonicalUnit(std::string_view unit)
{
    struct Spelling
    {
        std::string_view typed;
        std::string_view canonical;
    };
    static constexpr Spelling spellings[] = {
        {"m2", "m²"},         {"m^2", "m²"},         {"cm2", "cm²"},     {"cm^2", "cm²"},
        {"mm2", "mm²"},       {"mm^2", "mm²"},       {"dm2", "dm²"},     {"dm^2", "dm²"},
        {"kg/m3", "kg/m³"},   {"kg/m^3", "kg/m³"},   {"g/cm3", "g/cm³"}, {"g/cm^3", "g/cm³"},
        {"kg/dm3", "kg/dm³"}, {"kg/dm^3", "kg/dm³"}, {"g/ml", "g/mL"},   {"kg/l", "kg/L"},
        {"g/l", "g/L"},       {"N/m²", "Pa"},        {"N/m2", "Pa"},     {"N/m^2", "Pa"},
        {"torr", "Torr"},     {"deg", "°"},          {"Nm", "N·m"},      {"N m", "N·m"},
        {"sec", "s"},
    };
    for (const Spelling& spelling : spellings) {
        if (unit == spelling.typed)
            return std::string(spelling.canonical);
    }
    return std::string(unit);
}

std::optional<float> convertDecimal(std::string_view decimal, std::string_view from,
                                    std::string_view to)
{
    const Unit* source = find(from);
    const Unit* target = find(to);
    if (source == nullptr || target == nullptr || source->quantity != target->quantity)
        return std::nullopt;

    // The exponent is clamped: any beyond a million overflows or vanishes on
    // its own, and the sum below cannot overflow.
    const std::size_t e = decimal.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = decimal.substr(e + 1);
        const bool negative = digits.starts_with('-');
        if (negative || digits.starts_with('+'))
            digits.remove_prefix(1);
        for (const char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000L);
        if (negative)
            exponent = -exponent;
    }
    const std::string shifted = std::string(decimal.substr(0, e)) + "e"
                                + std::to_string(exponent + source->power - target->power);
    const float exact = readFloat(shifted);
    if (source->numerator == target->numerator && source->denominator == target->denominator)
        return exact;

    double value = exact;
    double parsed = 0.0;
    const auto [end, error] =
        std::from_chars(shifted.data(), shifted.data() + shifted.size(), parsed);
    if (error == std::errc{} && end == shifted.data() + shifted.size())
        value = parsed;
    value = value * source->numerator;
    value = value / source->denominator;
    value = value * target->denominator;
    value = value / target->numerator;
    return static_cast<float>(value);
}

} // namespace platform
