// Locale-independent number reading and formatting.
#include "Numbers.h"

#include "Controls.h"

#include <algorithm>
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

struct Conversion
{
    bool leftAlign = false;
    bool zeroPad = false;
    char positiveSign = '\0';
    std::size_t width = 0;
    int precision = 6;
};

// Parses the part of a conversion after "%", up to and including the "f".
std::optional<Conversion> parseConversion(std::string_view directive, std::size_t& length)
{
    Conversion conversion;
    std::size_t i = 0;
    for (; i < directive.size(); ++i) {
        const char c = directive[i];
        if (c == '-')
            conversion.leftAlign = true;
        else if (c == '0')
            conversion.zeroPad = true;
        else if (c == '+')
            conversion.positiveSign = '+';
        else if (c == ' ' && conversion.positiveSign != '+')
            conversion.positiveSign = ' ';
        else
            break;
    }
    // Width and precision are capped so that a hostile format cannot ask for
    // gigabytes.
    constexpr std::size_t maxDigits = 4;
    std::size_t digits = 0;
    for (; i < directive.size() && isDigit(directive[i]) && digits < maxDigits; ++i, ++digits)
        conversion.width = conversion.width * 10 + static_cast<std::size_t>(directive[i] - '0');
    if (i < directive.size() && directive[i] == '.') {
        ++i;
        conversion.precision = 0;
        digits = 0;
        for (; i < directive.size() && isDigit(directive[i]) && digits < maxDigits; ++i, ++digits)
            conversion.precision = conversion.precision * 10 + (directive[i] - '0');
    }
    if (i >= directive.size() || (directive[i] != 'f' && directive[i] != 'F'))
        return std::nullopt;
    length = i + 1;
    return conversion;
}

std::string formatFixed(const Conversion& conversion, double value)
{
    std::string body;
    const bool finite = std::isfinite(value);
    if (std::isnan(value)) {
        // 0/0 yields a NaN with its sign bit set on x86; a sign on "nan" only
        // puzzles a student.
        body = "nan";
    } else if (!finite) {
        body = "inf";
    } else {
        // Enough room for the 309 integer digits of the largest double.
        body.resize(std::size_t{320} + static_cast<std::size_t>(conversion.precision));
        const auto result = std::to_chars(body.data(), body.data() + body.size(), std::fabs(value),
                                          std::chars_format::fixed, conversion.precision);
        body.resize(static_cast<std::size_t>(result.ptr - body.data()));
    }

    std::string sign;
    if (!std::isnan(value) && std::signbit(value))
        sign = "-";
    else if (conversion.positiveSign != '\0')
        sign = std::string(1, conversion.positiveSign);

    const std::size_t length = sign.size() + body.size();
    const std::size_t padding = conversion.width > length ? conversion.width - length : 0;
    if (conversion.leftAlign)
        return sign + body + std::string(padding, ' ');
    if (conversion.zeroPad && finite)
        return sign + std::string(padding, '0') + body;
    return std::string(padding, ' ') + sign + body;
}

} // namespace

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
    std::string text;
    bool converted = false;
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        text.append(format.substr(i, percent - i));
        if (percent == std::string_view::npos)
            break;
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            text.push_back('%');
            i = percent + 2;
            continue;
        }
        std::size_t length = 0;
        const auto conversion =
            converted ? std::nullopt : parseConversion(format.substr(percent + 1), length);
        if (!conversion) {
            // There is one value to format; a second or unknown conversion has
            // nothing to read, so it stays as text.
            text.push_back('%');
            i = percent + 1;
            continue;
        }
        text += formatFixed(*conversion, value);
        converted = true;
        i = percent + 1 + length;
    }
    return text;
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
