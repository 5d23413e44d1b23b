// Measurement errors: a running mean of values added one at a time, the
// absolute error from a relative one, and the relative and percentage errors
// from an absolute one.
#pragma once

#include "Controls.h"
#include "LabSheet.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

#include <cstddef>
#include <string>
#include <vector>

class ErrorController
{
public:
    platform::Field* absLabel = nullptr;
    platform::Field* getPercLabel = nullptr;
    platform::Field* getRelLabel = nullptr;
    platform::Field* mediaLabel = nullptr;
    platform::Field* setAbsForPerc = nullptr;
    platform::Field* setMisuraForPerc = nullptr;
    platform::Field* setRel = nullptr;
    platform::Field* setVal = nullptr;
    platform::Field* valToMedia = nullptr;
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;
    // The series in full: each value, and the figures worked out from them.
    platform::LabSheet* labSheet = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;

    // Counts the value in valToMedia into the running mean; shows nothing.
    // A text not read in full as a number is not counted: it stays in the
    // field with its note.
    void addToMedia(platform::Sender sender);
    void getMedia(platform::Sender sender);
    // Forgets the values added so far; undo brings them back. The mean on
    // screen stays until the next getMedia.
    void erase(platform::Sender sender);
    void getAbs(platform::Sender sender);
    void getRelPerc(platform::Sender sender);
    // Takes the last value added out of the series, and the running sum and
    // count back to what they were before it was added.
    void removeLast(platform::Sender sender);

    // The lab sheet's edits of the series. Each leaves the running sum and
    // count exactly what adding the values left, in order, would give.
    // Nothing happens for an index past the end.
    void removeValue(std::size_t index);
    // A text not read in full leaves the value as it was.
    void editValue(std::size_t index, const std::string& text);
    // Readings one per line, or separated by tabs, semicolons or spaces, each
    // added as if typed; those not read in full are left out and noted.
    void pasteValues(const std::string& text);
    // Brings back what the last removal, edit or clear took away.
    void undo(platform::Sender sender);
    bool canUndo() const;
    // The series and its figures as one entry of the results log.
    void sendSheetToLog(platform::Sender sender);
    // Whether the series holds values that the log has not had since they
    // changed: quitting asks then.
    bool hasUnsentValues() const;
    // Shows the lab sheet's figures again, after its resolution or unit
    // changed.
    void refreshSheet(platform::Sender sender);
    void copySheet(platform::Sender sender);

private:
    void finishEdit(const platform::Text& line);

    platform::Notes press;
};

// The running mean belongs to the process, not to a window: closing the
// window keeps it, and every ErrorController adds to the same one. It lives in
// the globals sum and counter of ErrorController.cpp; this is all that reaches
// them from outside the controller's actions.
namespace runningMean {

struct Totals
{
    float sum = 0.0f;
    float counter = 0.0f;
};

Totals totals();

// The values added since the series was last cleared, oldest first.
std::vector<float> values();

// Starts the running mean again from the given totals, by default from
// nothing. The count is a float, so it stops growing at 2^24; adding that many
// values one by one takes 16 million presses. Starting from a count just
// below the limit lets a test run the last steps through addToMedia itself,
// so what it checks is the controller's own arithmetic, not a copy of it.
void reset(Totals from = {});

} // namespace runningMean
