// The figures of a series of measurements for the lab sheet: count, extremes,
// mean, half-range, sample standard deviation and the result "x̄ ± Δx".
// They are worked out in double from each value at its shortest decimal form
// (the float read from "2.03" counts as 2.03), apart from the running mean,
// and rounded to 12 significant digits before any rounding is decided, so
// that binary noise never tips a digit.
#pragma once

#include "LabSheet.h"

#include <cstddef>
#include <string>
#include <vector>

namespace series {

class Statistics
{
public:
    void add(float value);
    // Takes the last value out and restores the figures saved before it came
    // in; nothing happens when there is none.
    void removeLast();
    void clear();
    // Puts the given values in place of count values from first on, and
    // works the figures out again from there, in the order the series then
    // has: the same figures as adding the whole series value by value.
    void replace(std::size_t first, std::size_t count, const std::vector<float>& with);

    std::size_t count() const { return current.count; }

    // Whether each value lies more than outlierDeviations sample standard
    // deviations from the mean of the others; none is while fewer than
    // outlierMinimum values are in the series.
    static constexpr double outlierDeviations = 3.0;
    static constexpr std::size_t outlierMinimum = 5;
    std::vector<bool> outliers() const;
    // Whether any value is one. Cheap: how far a value lies from the others
    // grows with its distance from the mean, so the extremes tell.
    bool anyOutlier() const;

    // resolution: the instrument's, as read (ignored unless above 0).
    platform::SeriesFigures figures(float resolution, const std::string& unit) const;

private:
    struct State
    {
        std::size_t count = 0;
        double mean = 0.0;
        double squares = 0.0; // sum of squared deviations from the mean
        double minimum = 0.0;
        double maximum = 0.0;
    };

    void addRead(double x);
    // Works the figures out from the given ones, those of the values before
    // first, through every value from first on, saving each one's.
    void runFrom(std::size_t first, const State& from);
    bool far(double x) const;

    State current;
    std::vector<State> saved;
    // Each value as read, so working the figures out again costs no parsing.
    std::vector<double> read;
};

// A float as the decimal it was read from: the float read from "2.03" counts
// as 2.03.
double asRead(float value);

// The value rounded to 12 significant digits.
double roundTo12(double value);

// "x̄ ± Δx": Δx rounded half up to one significant figure (two when its first
// digit is 1) and x̄ to the same decimal place. Empty unless Δx is above 0.
std::string plusMinus(double mean, double uncertainty);

} // namespace series
