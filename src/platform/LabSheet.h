// The lab sheet of a series of measurements: the values in the order they
// were added, the figures worked out from them, the instrument's resolution
// and the unit a person types once, and a copy for a report or a spreadsheet.
#pragma once

#include "Text.h"

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Each figure as the text to show; "—" where there is none yet.
struct SeriesFigures
{
    std::string count;
    std::string minimum;
    std::string maximum;
    std::string mean;
    std::string halfRange;
    std::string deviation;       // sample standard deviation s
    std::string deviationOfMean; // s / √n
    std::string result;          // "x̄ ± Δx", with the unit when there is one

    friend bool operator==(const SeriesFigures&, const SeriesFigures&) = default;
};

// One line of a copy: a label and a number written with ".".
struct CopyRow
{
    Text label;
    std::string value;
};

class LabSheet
{
public:
    virtual ~LabSheet() = default;

    // Puts the values in place of count values from first on: appending,
    // removing, editing and clearing are each one call.
    virtual void replaceValues(std::size_t first, std::size_t count,
                               const std::vector<std::string>& with) = 0;
    // Marks a value as lying far from the others, or takes the mark away.
    virtual void flagValue(std::size_t index, bool far) = 0;
    virtual void showFigures(const SeriesFigures& figures) = 0;
    // How the sheet's fields and the values in the series were read; they
    // stay until the next call.
    virtual void showNotes(const std::vector<Text>& lines) = 0;

    // As typed; empty while nothing is.
    virtual std::string resolution() const = 0;
    virtual std::string unit() const = 0;
    // What a person calls the resolution field, in their own language.
    virtual std::string resolutionLabel() const = 0;

    // Puts the rows on the clipboard, as plain text with decimal points and
    // as tab-separated columns with the interface language's decimal
    // separator.
    virtual void copy(const std::vector<CopyRow>& rows) = 0;

protected:
    LabSheet() = default;
    LabSheet(const LabSheet&) = default;
    LabSheet& operator=(const LabSheet&) = default;
};

} // namespace platform
