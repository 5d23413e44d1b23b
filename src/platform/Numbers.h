// How numbers are read from text and written as text, and how angles convert.
// Nothing here depends on the process locale: a German desktop still reads
// "2.5" and shows "8.00".
#pragma once

#include "Text.h"

#include <cstddef>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Field;

inline constexpr double pi = std::numbers::pi;

// The decimal number at the start of the text, after leading white space: an
// optional sign, digits with an optional "." and fraction, an optional
// exponent. One comma between digits is a decimal point too ("2,5", "1,42 s"),
// unless a point or another comma follows its digits ("1.000,5", "1,000,000"):
// then the number ends at the first separator. Anything after it is ignored.
// A text that does not begin with a number reads 0. A value too large for
// float reads as an infinity, one too small as zero.
float readFloat(std::string_view text);

// The integer at the start of the text by the same rules; "3.7" reads 3. A
// value outside the 32-bit range reads as the nearest end of the range.
int readInt(std::string_view text);

// How many characters of the text readFloat uses, leading white space
// included: the index just past the number, or 0 when the text does not begin
// with one.
std::size_t lengthOfNumber(std::string_view text);

// A number read in a field's unit: when a unit of the same quantity follows
// it ("14 cm" in a field of metres, "1 atm" in one of pascals), the number is
// converted into the field's unit, and unit says what was typed. Otherwise it
// is what readFloat reads, and unit is empty.
// A value may carry its uncertainty: "14 ± 0.1", "14 +- 0.1 cm", "14 cm +/- 1
// mm", "2.5 ± 2%" (of the value), "(1.44 ± 0.03) s". The value is then read
// from its own number and unit as above, and the uncertainty is given in the
// field's unit too.
struct Measured
{
    float value = 0.0f;
    std::string unit;
    std::optional<float> uncertainty;
};
Measured readMeasured(std::string_view text, std::string_view unit);

// How readMeasured read a text, when a person should be told. A warning says
// why what it took is probably not what the person meant: a comma or a second
// point that ends the number, a letter where a digit belongs, no number at
// all, an empty text, or characters after the number that were ignored (a
// unit of another quantity among them). Otherwise it only says how a decimal
// comma or a unit was read. label names the field;
// unit is the field's own unit ("m", "N", "kg/m³"...), empty for a pure
// number.
struct Reading
{
    Text note;
    bool warning = true;
};
std::optional<Reading> readingNote(std::string_view text, std::string_view label,
                                   std::string_view unit);

// The value to the given significant figures as a person writes it: "0.3058",
// "12.35", or "4.431 × 10⁻³" when fixed notation would need leading zeros or
// more than four integer digits.
std::string significantFigures(double value, int figures = 4);

// How many significant digits a formatted number shows: "0.04" one, "0.00"
// none, "8.00" three.
int significantDigitsShown(std::string_view text);

// printf-style formatting of one double through "%f" (six decimals) or
// "%0.Nf" (N decimals, N from 0 to 9), the only formats the tools print with,
// with "." as decimal point whatever the locale. Every not-a-number shows as
// "nan" without a sign. Any other format is returned as it stands.
std::string stringWithFormat(std::string_view format, double value);

// The shortest decimal text that reads back as the same value, in fixed
// notation with "." ("2.03" for the float read from 2.03, "40", "0.025");
// very large or small magnitudes in exponent form ("1e+30"). Shows a number as
// it was read or worked out, without the noise of its binary digits.
std::string shortest(float value);
std::string shortest(double value);
// How many decimals the shortest decimal of a value has: 2 for the float read
// from 1.44, none for 12, 1e+20, nan or inf, 5 for 1e-05.
int shortestDecimals(float value);

// A value, such as a float sum of values read to at most the given decimals,
// written to that many: "14.40" for the float sum of ten 1.44 (14.400001),
// "12" for whole numbers. Never with more digits than the float holds at its
// size: 16777216 stays "16777216" to any decimals. Exponent forms, nan and inf
// as shortest() writes them.
std::string toDecimals(float value, int decimals);

// A value worked out on the way to a result, to four significant figures: as
// it stands when it has no more ("0.6", "40"), rounded otherwise ("0.3333",
// "2.000"), and whether it was rounded, so that working can write "≈".
struct Approximation
{
    std::string text;
    bool rounded = false;
};
Approximation fourSignificant(float value);
Approximation fourSignificant(double value);

// Writes a float result into a field: widened to double, then formatted.
void display(Field& field, std::string_view format, float value);

// (degrees × pi) / 180 in double, the product first.
double degreesToRadians(double degrees);
// (radians × 180) / pi in double, the product first.
double radiansToDegrees(double radians);

} // namespace platform
