// Where the tools record each computation of the session, for the results
// log: which tool, its inputs as they were read and its results as they were
// shown.
#pragma once

#include "Text.h"

#include <string>
#include <vector>

namespace platform {

// A named value: a symbol such as "W" or "α", the text of its number as the
// field shows it or at its shortest, and its unit; for an input whose reading
// was noted, also the text typed and the note.
struct Quantity
{
    std::string symbol;
    std::string value;
    std::string unit = {};
    std::string typed = {};
    Text note = {};

    friend bool operator==(const Quantity&, const Quantity&) = default;
};

struct Computation
{
    Text tool;
    std::vector<Quantity> inputs;
    std::vector<Quantity> results;

    friend bool operator==(const Computation&, const Computation&) = default;
};

// The cell as a spreadsheet takes it for text: one that begins with = + - @,
// a tab or a carriage return is read as a formula, so it is written after a
// quote mark. A plain number such as -0.75 or +2 is left as it is.
std::string spreadsheetSafe(const std::string& cell);

class ComputationLog
{
public:
    virtual ~ComputationLog() = default;

    virtual void record(const Computation& computation) = 0;

protected:
    ComputationLog() = default;
    ComputationLog(const ComputationLog&) = default;
    ComputationLog& operator=(const ComputationLog&) = default;
};

} // namespace platform
