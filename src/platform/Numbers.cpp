// Locale-independent number reading and formatting.
#include "Numbers.h"

#include "Controls.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace platform {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips leading white space and an optional sign; tells whether the number is
// negative.
const char* skipToDigits(const char* first, const char* last, bool& negative)
{
    while (first != last && isSpace(*first))
        ++first;
    negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    return first;
}

// Whether a decimal numeral that float cannot hold is too large rather than
// too small. Such a value is above 3.4e38 or below 1.4e-45, so the sign of its
// decimal order of magnitude decides.
bool overflows(const char* first, const char* last)
{
    long order = 0;
    bool seenNonZero = false;
    bool inFraction = false;
    for (; first != last && (isDigit(*first) || *first == '.'); ++first) {
        if (*first == '.') {
            inFraction = true;
        } else if (seenNonZero) {
            if (!inFraction)
                ++order;
        } else if (*first != '0') {
            seenNonZero = true;
        } else if (inFraction) {
            --order;
        }
    }
    if (!seenNonZero)
        return false;
    long exponent = 0;
    if (first != last && (*first == 'e' || *first == 'E')) {
        ++first;
        bool negativeExponent = false;
        if (first != last && (*first == '+' || *first == '-'))
            negativeExponent = *first++ == '-';
        // Clamped: any exponent beyond a million decides on its own.
        for (; first != last && isDigit(*first); ++first)
            exponent = std::min(exponent * 10 + (*first - '0'), 1'000'000L);
        if (negativeExponent)
            exponent = -exponent;
    }
    return order + exponent >= 0;
}

// The digits of a finite value's magnitude, in fixed notation.
std::string fixedDigits(double magnitude, int precision)
{
    // Enough room for the 309 integer digits of the largest double.
    std::string digits(std::size_t{320} + static_cast<std::size_t>(precision), '\0');
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                      std::chars_format::fixed, precision);
    digits.resize(static_cast<std::size_t>(result.ptr - digits.data()));
    return digits;
}

// The precision of a format "%f" or "%0.Nf" (the 0 is a flag that pads
// nothing without a width); none for any other text.
std::optional<int> precisionOf(std::string_view format)
{
    if (format == "%f")
        return 6;
    constexpr std::string_view prefix = "%0.";
    if (format.size() != prefix.size() + 2 || !format.starts_with(prefix) || format.back() != 'f'
        || !isDigit(format[prefix.size()]))
        return std::nullopt;
    return format[prefix.size()] - '0';
}

// A finite value's decimal digits (no leading zero) and the power of ten of
// the first, from to_chars in exponent form: shortest when no precision is
// given, else with that many digits after the first.
struct Scientific
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <class Number>
Scientific scientific(Number value, std::optional<int> precision)
{
    char buffer[64];
    const auto result = precision ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                  std::chars_format::scientific, *precision)
                                  : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                  std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Scientific parts;
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c == '-')
            parts.negative = true;
        else if (isDigit(c))
            parts.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    parts.exponent);
    return parts;
}

// Fixed notation for the digits, keeping every digit given (trailing zeros
// included); exponent form beyond what a person reads at a glance.
std::string render(const Scientific& parts)
{
    const std::string sign = parts.negative ? "-" : "";
    const std::string& d = parts.digits;
    const int count = static_cast<int>(d.size());
    if (parts.exponent > 15 || parts.exponent < -7) {
        std::string mantissa = d.substr(0, 1);
        if (count > 1)
            mantissa += "." + d.substr(1);
        const std::string power = std::to_string(std::abs(parts.exponent));
        return sign + mantissa + (parts.exponent < 0 ? "e-" : "e+") + (power.size() < 2 ? "0" : "")
               + power;
    }
    if (parts.exponent < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-parts.exponent - 1), '0') + d;
    if (parts.exponent >= count - 1)
        return sign + d + std::string(static_cast<std::size_t>(parts.exponent - (count - 1)), '0');
    const auto point = static_cast<std::size_t>(parts.exponent + 1);
    return sign + d.substr(0, point) + "." + d.substr(point);
}

std::optional<std::string> nonFinite(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    return std::nullopt;
}

template <class Number>
std::string shortestOf(Number value)
{
    if (auto text = nonFinite(value))
        return *text;
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    return render(scientific(value, std::nullopt));
}

template <class Number>
Approximation fourSignificantOf(Number value)
{
    if (auto text = nonFinite(value))
        return {*text, false};
    if (value == 0 || scientific(value, std::nullopt).digits.size() <= 4)
        return {shortestOf(value), false};
    return {render(scientific(value, 3)), true};
}

} // namespace

std::string shortest(float value)
{
    return shortestOf(value);
}

std::string shortest(double value)
{
    return shortestOf(value);
}

Approximation fourSignificant(float value)
{
    return fourSignificantOf(value);
}

Approximation fourSignificant(double value)
{
    return fourSignificantOf(value);
}

float readFloat(std::string_view text)
{
    const char* const last = text.data() + text.size();
    bool negative = false;
    const char* first = skipToDigits(text.data(), last, negative);

    // from_chars would also take "inf", "nan" and "infinity"; only decimal
    // numerals are numbers here.
    const bool startsNumber =
        first != last
        && (isDigit(*first) || (*first == '.' && first + 1 != last && isDigit(first[1])));
    if (!startsNumber)
        return 0.0f;

    float value = 0.0f;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = overflows(first, end) ? std::numeric_limits<float>::infinity() : 0.0f;
    else if (error != std::errc{})
        return 0.0f;
    return negative ? -value : value;
}

int readInt(std::string_view text)
{
    const char* const last = text.data() + text.size();
    bool negative = false;
    const char* first = skipToDigits(text.data(), last, negative);

    // Accumulate the magnitude, stopping just past the int range so that a long
    // run of digits cannot overflow.
    constexpr std::int64_t limit = std::int64_t{INT_MAX} + 1;
    std::int64_t magnitude = 0;
    for (; first != last && isDigit(*first); ++first)
        magnitude = std::min(magnitude * 10 + (*first - '0'), limit);

    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string stringWithFormat(std::string_view format, double value)
{
    const std::optional<int> precision = precisionOf(format);
    if (!precision)
        return std::string(format);
    // 0/0 yields a NaN with its sign bit set on x86; a sign on "nan" only
    // puzzles a student.
    if (std::isnan(value))
        return "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return sign + "inf";
    return sign + fixedDigits(std::fabs(value), *precision);
}

std::string significant(double value, int figures)
{
    if (!std::isfinite(value))
        return stringWithFormat("%f", value);
    figures = std::clamp(figures, 1, 9);
    if (value == 0.0)
        return stringWithFormat("%0." + std::to_string(figures - 1) + "f", 0.0);
    const double size = std::fabs(value);
    int exponent = static_cast<int>(std::floor(std::log10(size)));
    // Rounding may carry into the next power of ten (9.9996 to four figures
    // is 10.00), which has one decimal fewer.
    const double unit = std::pow(10.0, exponent - figures + 1);
    const double rounded = std::round(size / unit) * unit;
    if (rounded >= std::pow(10.0, exponent + 1))
        ++exponent;
    const int decimals = figures - 1 - exponent;
    if (decimals > 9 || size >= 1e15) {
        std::array<char, 32> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::scientific, figures - 1)
                             .ptr;
        return {digits.data(), end};
    }
    if (decimals >= 0)
        return stringWithFormat("%0." + std::to_string(decimals) + "f", value);
    // Fewer figures than the integer part has: the rest become zeros.
    const double scale = std::pow(10.0, -decimals);
    return stringWithFormat("%0.0f", std::round(value / scale) * scale);
}

void display(Field& field, std::string_view format, float value)
{
    const double widened = value;
    field.setStringValue(stringWithFormat(format, widened));
}

double degreesToRadians(double degrees)
{
    const double product = degrees * pi;
    return product / 180.0;
}

double radiansToDegrees(double radians)
{
    const double product = radians * 180.0;
    return product / pi;
}

} // namespace platform
