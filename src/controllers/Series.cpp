#include "Series.h"

#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace series {

namespace {

const std::string none = "\u2014";

// A finite value as an integer of at most 12 digits times a power of ten.
struct Scaled
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Scaled scaled(double value)
{
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    Scaled result;
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos) // "inf" or "nan": the callers keep those away
        return result;
    for (const char c : text.substr(0, e)) {
        if (c == '-')
            result.negative = true;
        else if (c >= '0' && c <= '9')
            result.digits += c;
    }
    int power = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end, power);
    result.exponent = power - 11;
    return result;
}

// The digits rounded half up (away from zero) to a multiple of 10^place.
std::string roundedDigits(const Scaled& value, int place)
{
    if (place <= value.exponent)
        return value.digits + std::string(static_cast<std::size_t>(value.exponent - place), '0');
    const auto cut = static_cast<std::size_t>(place - value.exponent);
    std::string digits = value.digits;
    if (digits.size() <= cut)
        digits.insert(0, cut + 1 - digits.size(), '0');
    const bool up = digits[digits.size() - cut] >= '5';
    digits.resize(digits.size() - cut);
    for (auto it = digits.rbegin(); up && it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            break;
        }
        *it = '0';
        if (it + 1 == digits.rend())
            digits.insert(0, 1, '1');
    }
    return digits;
}

// digits × 10^place in fixed notation.
std::string fixed(bool negative, std::string digits, int place)
{
    if (place >= 0) {
        digits += std::string(static_cast<std::size_t>(place), '0');
    } else {
        const auto decimals = static_cast<std::size_t>(-place);
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, 1, '.');
    }
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    // A mean that rounds to nothing at the tens or hundreds is 0, not 000.
    if (zero && place >= 0)
        return "0";
    return (negative && !zero ? "-" : "") + digits;
}

// The value to three significant figures, as a student quotes a deviation.
std::string threeSignificant(double value)
{
    if (!std::isfinite(value))
        return platform::shortest(value);
    const Scaled parts = scaled(roundTo12(value));
    const int top = parts.exponent + 11;
    const int place = top - 2;
    return fixed(parts.negative, roundedDigits(parts, place), place);
}

// from_chars, unlike strtod, reads "2.03" the same under a German locale.
double parse(std::string_view text)
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

double asRead(float value)
{
    if (!std::isfinite(value))
        return value;
    return parse(platform::shortest(value));
}

double roundTo12(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11).ptr;
    return parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::string plusMinus(double mean, double uncertainty)
{
    if (!(uncertainty > 0.0) || !std::isfinite(uncertainty) || !std::isfinite(mean))
        return {};
    const Scaled error = scaled(roundTo12(uncertainty));
    const std::size_t first = error.digits.find_first_not_of('0');
    const int top = error.exponent + static_cast<int>(error.digits.size() - 1 - first);
    const int place = error.digits[first] == '1' ? top - 1 : top;
    const Scaled centre = scaled(roundTo12(mean));
    return fixed(centre.negative, roundedDigits(centre, place), place) + " \u00b1 "
           + fixed(false, roundedDigits(error, place), place);
}

void Statistics::add(float value)
{
    addRead(asRead(value));
}

void Statistics::addRead(double x)
{
    read.push_back(x);
    saved.resize(read.size());
    runFrom(read.size() - 1, current);
}

void Statistics::runFrom(std::size_t first, const State& from)
{
    // Each figure in its own local: the shipped build, made for size, copies
    // a whole state through memory and calls out for each step, which at
    // 100,000 values costs a press several milliseconds.
    std::size_t count = from.count;
    double mean = from.mean;
    double squares = from.squares;
    double minimum = from.minimum;
    double maximum = from.maximum;
    for (std::size_t i = first; i < read.size(); ++i) {
        saved[i] = {count, mean, squares, minimum, maximum};
        const double x = read[i];
        const double delta = x - mean;
        minimum = count == 0 ? x : std::min(minimum, x);
        maximum = count == 0 ? x : std::max(maximum, x);
        count = count + 1;
        mean = mean + delta / static_cast<double>(count);
        squares = squares + delta * (x - mean);
    }
    current = {count, mean, squares, minimum, maximum};
}

void Statistics::removeLast()
{
    if (saved.empty())
        return;
    current = saved.back();
    saved.pop_back();
    read.pop_back();
}

void Statistics::clear()
{
    current = {};
    saved.clear();
    read.clear();
}

void Statistics::replace(std::size_t first, std::size_t count, const std::vector<float>& with)
{
    first = std::min(first, read.size());
    count = std::min(count, read.size() - first);
    const auto at = read.begin() + static_cast<std::ptrdiff_t>(first);
    // In place: at 100,000 values a copy of the values after an edit, and a
    // growing push per value, cost more than the figures' own arithmetic.
    if (with.size() != count) {
        read.erase(at, at + static_cast<std::ptrdiff_t>(count));
        read.insert(read.begin() + static_cast<std::ptrdiff_t>(first), with.size(), 0.0);
    }
    for (std::size_t i = 0; i < with.size(); ++i)
        read[first + i] = asRead(with[i]);
    const State from = first < saved.size() ? saved[first] : current;
    saved.resize(read.size());
    runFrom(first, from);
}

bool Statistics::far(double x) const
{
    // The mean and squared deviations of the others, taken out of the
    // series' own by running Welford's update backwards.
    const double n = static_cast<double>(current.count);
    const double mean = (current.mean * n - x) / (n - 1.0);
    const double squares = std::max(0.0, current.squares - (x - current.mean) * (x - mean));
    const double deviation = std::sqrt(squares / (n - 2.0));
    // Binary noise in the mean of equal values is not a distance.
    const double noise = 1e-9 * std::max(std::abs(x), std::abs(mean));
    return std::abs(x - mean) > outlierDeviations * deviation + noise;
}

bool Statistics::anyOutlier() const
{
    return current.count >= outlierMinimum && std::isfinite(current.squares)
           && (far(current.minimum) || far(current.maximum));
}

std::vector<bool> Statistics::outliers() const
{
    std::vector<bool> flags(read.size(), false);
    if (current.count < outlierMinimum || !std::isfinite(current.squares))
        return flags;
    for (std::size_t i = 0; i < read.size(); ++i)
        flags[i] = far(read[i]);
    return flags;
}

platform::SeriesFigures Statistics::figures(float resolution, const std::string& unit) const
{
    if (current.count == 0)
        return {};
    platform::SeriesFigures shown;
    shown.count = std::to_string(current.count);
    shown.minimum = platform::shortest(current.minimum);
    shown.maximum = platform::shortest(current.maximum);
    shown.mean = platform::shortest(roundTo12(current.mean));
    const double halfRange = roundTo12((current.maximum - current.minimum) / 2.0);
    shown.halfRange = platform::shortest(halfRange);
    shown.deviation = none;
    shown.deviationOfMean = none;
    if (current.count >= 2) {
        const double deviation =
            std::sqrt(current.squares / static_cast<double>(current.count - 1));
        shown.deviation = threeSignificant(deviation);
        shown.deviationOfMean =
            threeSignificant(deviation / std::sqrt(static_cast<double>(current.count)));
    }
    double uncertainty = halfRange;
    const double typed = roundTo12(asRead(resolution));
    if (typed > uncertainty)
        uncertainty = typed;
    shown.result = plusMinus(current.mean, uncertainty);
    if (shown.result.empty())
        shown.result = none;
    else if (!unit.empty())
        shown.result = "(" + shown.result + ") " + unit;
    return shown;
}

} // namespace series
