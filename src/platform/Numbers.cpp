// Locale-independent number reading and formatting.
#include "Numbers.h"

#include "Controls.h"
#include "Units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

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

// Where the digits of a decimal number start, past white space and sign; none
// when the text does not begin with one. from_chars would also take "inf",
// "nan" and "infinity"; only decimal numerals are numbers here.
const char* startOfNumber(std::string_view text, bool& negative)
{
    const char* const last = text.data() + text.size();
    const char* first = skipToDigits(text.data(), last, negative);
    const bool startsNumber =
        first != last
        && (isDigit(*first) || (*first == '.' && first + 1 != last && isDigit(first[1])));
    return startsNumber ? first : nullptr;
}

// A number written with one comma as its decimal separator, "2,5" or
// "-0,75": the digits before it, the comma, digits after it and an optional
// exponent. The number with a point in its place and how many characters of
// the text it takes; none when the text has no such number, or mixes points
// and commas ("1.000,5", "1,000,000", "1,5.2"), which keep the reading up to
// the first separator.
struct CommaNumber
{
    std::string withPoint;
    std::size_t length = 0;
};

std::optional<CommaNumber> commaNumber(std::string_view text)
{
    bool negative = false;
    const char* const last = text.data() + text.size();
    const char* first = startOfNumber(text, negative);
    if (first == nullptr || !isDigit(*first))
        return std::nullopt;
    const char* comma = first;
    while (comma != last && isDigit(*comma))
        ++comma;
    if (comma == last || *comma != ',' || comma + 1 == last || !isDigit(comma[1]))
        return std::nullopt;
    const char* end = comma + 1;
    while (end != last && isDigit(*end))
        ++end;
    if (end != last && (*end == '.' || *end == ','))
        return std::nullopt;
    std::string withPoint(first, end);
    withPoint[static_cast<std::size_t>(comma - first)] = '.';
    // An exponent reads as it would after a point: "2,5e3" is 2500.
    if (end != last && (*end == 'e' || *end == 'E')) {
        const char* exponent = end + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        if (exponent != last && isDigit(*exponent)) {
            while (exponent != last && isDigit(*exponent))
                ++exponent;
            withPoint.append(end, exponent);
            end = exponent;
        }
    }
    if (negative)
        withPoint.insert(0, 1, '-');
    return CommaNumber{std::move(withPoint), static_cast<std::size_t>(end - text.data())};
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
    return {significantFigures(value, 4), true};
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number at the start of a text as decimal text with a point ("-2.5",
// "14", "2.5e3"), and what follows it; none when the text does not begin with
// a number.
struct Split
{
    std::string decimal;
    std::string_view rest;
};

std::optional<Split> splitNumber(std::string_view text)
{
    if (std::optional<CommaNumber> comma = commaNumber(text))
        return Split{std::move(comma->withPoint), text.substr(comma->length)};
    const std::size_t used = lengthOfNumber(text);
    if (used == 0)
        return std::nullopt;
    std::string_view decimal = trimmed(text.substr(0, used));
    if (decimal.starts_with('+'))
        decimal.remove_prefix(1);
    return Split{std::string(decimal), text.substr(used)};
}

// The decimal text in the unit typed after it, in the field's unit: as
// readFloat reads it when the units are the same or none was typed; none when
// the unit typed is of another quantity.
std::optional<float> inFieldUnit(const std::string& decimal, std::string_view typed,
                                 std::string_view unit)
{
    const std::string from = canonicalUnit(typed);
    if (from.empty() || from == canonicalUnit(unit))
        return readFloat(decimal);
    if (unit.empty())
        return std::nullopt;
    return convertDecimal(decimal, from, unit);
}

// "14 ± 0.1", "14 +- 0.1 cm", "14 cm +/- 1 mm", "2.5 ± 2%", "(1.44 ± 0.03) s":
// a value with the uncertainty typed beside it, both in the field's unit.
// A unit after both, or after the bracket, is both parts' unit. None when the
// text is not of that shape, or a unit in it is of another quantity.
struct PlusMinus
{
    float value = 0.0f;
    float uncertainty = 0.0f;
    std::string unit; // typed for the value, when it was converted
};

std::optional<PlusMinus> plusMinusOf(std::string_view text, std::string_view unit)
{
    std::string_view rest = trimmed(text);
    const bool bracket = rest.starts_with('(');
    if (bracket)
        rest.remove_prefix(1);
    const std::optional<Split> value = splitNumber(rest);
    if (!value)
        return std::nullopt;
    rest = value->rest;
    std::size_t sign = std::string_view::npos;
    std::size_t signLength = 0;
    for (const std::string_view spelling : {"\u00b1", "+/-", "+-"}) {
        if (const std::size_t at = rest.find(spelling); at < sign) {
            sign = at;
            signLength = spelling.size();
        }
    }
    if (sign == std::string_view::npos)
        return std::nullopt;
    const std::string_view valueUnit = trimmed(rest.substr(0, sign));
    const std::optional<Split> error = splitNumber(rest.substr(sign + signLength));
    if (!error || error->decimal.starts_with('-'))
        return std::nullopt;
    rest = trimmed(error->rest);
    const bool relative = rest.starts_with('%');
    if (relative)
        rest = trimmed(rest.substr(1));
    std::string_view errorUnit = rest;
    std::string_view afterBracket;
    if (bracket) {
        const std::size_t close = rest.find(')');
        if (close == std::string_view::npos)
            return std::nullopt;
        errorUnit = trimmed(rest.substr(0, close));
        afterBracket = trimmed(rest.substr(close + 1));
    }
    if (relative && !errorUnit.empty())
        return std::nullopt;
    // A unit given once, after both parts or after the bracket, is both
    // parts' unit; a unit after each part is its own.
    const std::string_view shared = !afterBracket.empty() ? afterBracket : errorUnit;
    if (!afterBracket.empty() && (!valueUnit.empty() || !errorUnit.empty()))
        return std::nullopt;
    const std::string_view ofValue = !valueUnit.empty() ? valueUnit : shared;
    const std::string_view ofError = !errorUnit.empty() ? errorUnit : ofValue;
    const std::optional<float> read = inFieldUnit(value->decimal, ofValue, unit);
    if (!read)
        return std::nullopt;
    PlusMinus result;
    result.value = *read;
    if (const std::string from = canonicalUnit(ofValue); from != canonicalUnit(unit))
        result.unit = from;
    if (relative) {
        const double percent = readFloat(error->decimal);
        result.uncertainty = static_cast<float>(std::fabs(double{result.value}) * percent / 100.0);
    } else {
        const std::optional<float> uncertainty = inFieldUnit(error->decimal, ofError, unit);
        if (!uncertainty)
            return std::nullopt;
        result.uncertainty = *uncertainty;
    }
    return result;
}

std::string superscript(int exponent)
{
    static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    for (const char digit : std::to_string(std::abs(exponent)))
        text += digits[digit - '0'];
    return text;
}

// A text that begins with a letter standing for a digit, as in "o.3" or
// "l.5", with the letters taken for the digits they look like; none when the
// result is still no number.
std::optional<std::string> lettersAsDigits(std::string_view text)
{
    std::string fixed(text);
    bool changed = false;
    for (char& c : fixed) {
        if (c == 'o' || c == 'O')
            c = '0';
        else if (c == 'l' || c == 'I')
            c = '1';
        else if (!isDigit(c) && c != '.' && c != ',')
            break;
        else
            continue;
        changed = true;
    }
    if (!changed || lengthOfNumber(fixed) != fixed.size())
        return std::nullopt;
    return fixed;
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

int shortestDecimals(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return 0;
    const Scientific parts = scientific(value, std::nullopt);
    return std::max(0, static_cast<int>(parts.digits.size()) - 1 - parts.exponent);
}

std::string toDecimals(float value, int decimals)
{
    const std::string text = shortest(value);
    if (!std::isfinite(value) || text.find('e') != std::string::npos)
        return text;
    const int shown = shortestDecimals(value);
    if (decimals < shown) {
        // Fewer digits than the float's shortest decimal: they are all its own.
        char buffer[128];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                       std::chars_format::fixed, decimals)
                             .ptr;
        return std::string(buffer, end);
    }
    // Zeros only down to the place where floats of this size still differ:
    // 16777216 cannot hold a tenth.
    const float magnitude = std::abs(value);
    const float spacing =
        std::nextafter(magnitude, std::numeric_limits<float>::infinity()) - magnitude;
    const int resolved = static_cast<int>(std::floor(-std::log10(static_cast<double>(spacing))));
    const int wanted = std::min(decimals, std::max(shown, resolved));
    if (wanted <= shown)
        return text;
    return text + (shown == 0 ? "." : "")
           + std::string(static_cast<std::size_t>(wanted - shown), '0');
}

Approximation fourSignificant(float value)
{
    return fourSignificantOf(value);
}

Approximation fourSignificant(double value)
{
    return fourSignificantOf(value);
}

std::size_t lengthOfNumber(std::string_view text)
{
    if (const std::optional<CommaNumber> comma = commaNumber(text))
        return comma->length;
    bool negative = false;
    const char* first = startOfNumber(text, negative);
    if (first == nullptr)
        return 0;
    float value = 0.0f;
    const auto result =
        std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    return static_cast<std::size_t>(result.ptr - text.data());
}

std::optional<Reading> readingNote(std::string_view text, std::string_view label,
                                   std::string_view unit)
{
    const auto warning = [](Text note) { return Reading{std::move(note), true}; };
    const std::string name(label);
    const std::string typed(trimmed(text));
    if (typed.empty())
        return warning(
            {PHYSCALC_TRANSLATE_NOOP("Reading", "%1 is empty and was read as 0."), {name}});

    const std::string ofUnit = unit.empty() ? std::string() : " " + std::string(unit);
    if (const std::optional<PlusMinus> both = plusMinusOf(text, unit)) {
        return Reading{
            {PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” was read as %3."),
             {name, typed,
              shortest(both->value) + " \u00b1 " + shortest(both->uncertainty) + ofUnit}},
            false};
    }

    const std::size_t used = lengthOfNumber(text);
    const std::string read = shortest(readFloat(text));
    const std::string readWithUnit = read + ofUnit;
    if (used == 0) {
        if (std::optional<std::string> meant = lettersAsDigits(typed)) {
            return warning({PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” begins with a letter and "
                                                               "was read as 0; for %3 type %3."),
                            {name, typed, *meant}});
        }
        return warning({PHYSCALC_TRANSLATE_NOOP(
                            "Reading", "%1: “%2” does not begin with a number and was read as 0."),
                        {name, typed}});
    }

    const std::string_view rest = text.substr(used);
    const std::string_view restTrimmed = trimmed(rest);
    // A decimal comma and a unit converted are read as the person meant
    // them; the note only says so, and names the other reading a comma
    // before three digits may have had.
    const std::optional<CommaNumber> comma = commaNumber(text);
    const auto asMeant = [&](const std::string& shown, bool converted) -> std::optional<Reading> {
        if (!comma && !converted)
            return std::nullopt;
        const std::string_view number = text.substr(0, used);
        const std::size_t decimals = number.size() - number.find(',') - 1;
        if (comma && decimals == 3 && comma->withPoint.find_first_of("eE") == std::string::npos) {
            std::string whole(trimmed(number));
            whole.erase(whole.find(','), 1);
            if (!restTrimmed.empty())
                whole += " " + std::string(restTrimmed);
            return Reading{
                {PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” was read as %3, the comma as a "
                                                    "decimal point; for %4, type %4 without it."),
                 {name, typed, shown, whole}},
                false};
        }
        return Reading{
            {PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” was read as %3."), {name, typed, shown}},
            false};
    };
    if (restTrimmed.empty())
        return asMeant(readWithUnit, false);
    if (rest.front() == ',' && rest.size() > 1 && isDigit(rest[1])) {
        std::string meant(text.substr(0, used));
        meant += '.';
        meant += rest.substr(1);
        meant = std::string(trimmed(std::string_view(meant).substr(0, lengthOfNumber(meant))));
        return warning({PHYSCALC_TRANSLATE_NOOP(
                            "Reading", "%1: “%2” was read as %3; for %4 type %4, with a point."),
                        {name, typed, read, meant}});
    }
    if (rest.front() == '.' || rest.front() == ',') {
        return warning({PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” was read as %3; all from the "
                                                           "second separator on was ignored."),
                        {name, typed, read}});
    }

    if (!unit.empty() && canonicalUnit(restTrimmed) == canonicalUnit(unit))
        return asMeant(readWithUnit, false);
    if (const Measured measured = readMeasured(text, unit); !measured.unit.empty())
        return asMeant(shortest(measured.value) + " " + std::string(unit), true);
    return warning(
        {PHYSCALC_TRANSLATE_NOOP("Reading", "%1: “%2” was read as %3; “%4” after the number was "
                                            "ignored."),
         {name, typed, readWithUnit, std::string(restTrimmed)}});
}

std::string significantFigures(double value, int figures)
{
    if (!std::isfinite(value))
        return stringWithFormat("%f", value);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, figures - 1);
    const std::string scientific(buffer, result.ptr);
    const std::size_t e = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(e + 1));
    if (exponent >= -2 && exponent < figures) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               std::max(0, figures - 1 - exponent));
        return std::string(buffer, result.ptr);
    }
    return scientific.substr(0, e) + " × 10" + superscript(exponent);
}

int significantDigitsShown(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if (isDigit(c) && (count > 0 || c != '0'))
            ++count;
    }
    return count;
}

Measured readMeasured(std::string_view text, std::string_view unit)
{
    if (const std::optional<PlusMinus> both = plusMinusOf(text, unit))
        return {both->value, both->unit, both->uncertainty};
    Measured measured{readFloat(text), {}, std::nullopt};
    if (unit.empty())
        return measured;
    const std::optional<Split> split = splitNumber(text);
    if (!split)
        return measured;
    std::string typed = canonicalUnit(trimmed(split->rest));
    if (typed.empty() || typed == canonicalUnit(unit))
        return measured;
    if (const std::optional<float> converted = convertDecimal(split->decimal, typed, unit)) {
        measured.value = *converted;
        measured.unit = std::move(typed);
    }
    return measured;
}

float readFloat(std::string_view text)
{
    if (const std::optional<CommaNumber> comma = commaNumber(text))
        return readFloat(comma->withPoint);
    const char* const last = text.data() + text.size();
    bool negative = false;
    const char* first = startOfNumber(text, negative);
    if (first == nullptr)
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
