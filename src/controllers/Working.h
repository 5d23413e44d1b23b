// What a press leaves beside its results: the lines of working in the
// window's pane and an entry in the results log. Both are built from the very
// values that went into the result fields.
#pragma once

#include "Log.h"
#include "Notes.h"
#include "Text.h"
#include "Uncertainty.h"

#include <string>
#include <vector>

namespace working {

// "= 0.6" or "≈ 0.3333": a value on the way to a result, to four
// significant figures, with the sign that says whether it was rounded.
std::string step(float value);
std::string step(double value);

// Shows the lines in the pane, after the units the press converted and
// before the propagation of uncertainties, and records the computation, with
// the results' uncertainties, in the log; either may be absent.
void publish(const platform::Notes& press, platform::TextPane* pane, platform::ComputationLog* log,
             const platform::Computation& computation, const std::vector<platform::Text>& lines,
             const uncertainty::Propagation* errors = nullptr);

} // namespace working
