// Where the tools record each computation of the session, for the results
// log: which tool, its inputs as they were read and its results as they were
// shown.
#pragma once

#include "Text.h"

#include <string>
#include <vector>

namespace platform {

// A named value: a symbol such as "W" or "α" and the text of its number.
struct Quantity
{
    std::string symbol;
    std::string value;

    friend bool operator==(const Quantity&, const Quantity&) = default;
};

struct Computation
{
    Text tool;
    std::vector<Quantity> inputs;
    std::vector<Quantity> results;

    friend bool operator==(const Computation&, const Computation&) = default;
};

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
