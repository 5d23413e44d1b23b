// The vector tool: leads the user through declaring how many vectors follow,
// entering each one on a sheet, and reading their resultant; and the vector
// store that a run fills.
#pragma once

#include "Controls.h"
#include "Diagram.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

#include <array>
#include <optional>
#include <string>

// The process-wide store of the vector tool: ten slots and two counters, the
// number of vectors declared for the current run and the running number of
// the vector being entered. Nothing outside it can write a slot.
namespace vectorStore {

inline constexpr int capacity = 10;

struct Vector
{
    float magnitude = 0.0f;
    float angle = 0.0f;
    std::string code;

    friend bool operator==(const Vector&, const Vector&) = default;
};

struct Components
{
    float x = 0.0f;
    float y = 0.0f;
};

struct Resultant
{
    float x = 0.0f;
    float y = 0.0f;
    float magnitude = 0.0f;
};

// Empties every slot and sets both counters to 0.
void reset();

// Sets the number of vectors declared, cut to the capacity. An accepted count
// (1 or more) also empties the slots and rewinds the running number: each run
// starts afresh, so no run sums an earlier run's vectors or runs out of slots.
void declare(int count);
int declared();

// Goes back to the moment the vector with the given running number had been
// stored (0: before the run's first vector); the slot of the one after it is
// emptied, to be entered again.
void rewindTo(int number);

// Moves on to the next vector; the first of a run is number 1.
void beginNext();
int entering();

// Stores the vector being entered in slot entering() − 1. Returns false and
// writes nothing when there is no such slot.
bool storeEntering(float magnitude, float angle, const std::string& code);

// A slot's contents; an index outside the store reads as an empty slot.
Vector slot(int index);

// The components of a slot's vector by its direction code; none for a code
// that names no direction.
std::optional<Components> components(int index);

// The components of slots 0 to count − 1, added up in float in slot order.
Components sumOfFirst(int count);

// The resultant of the declared vectors, slots 0 to declared() − 1.
Resultant resultant();

} // namespace vectorStore

class VectorsController
{
public:
    platform::Field* angle = nullptr;
    platform::Field* listOfVectors = nullptr;
    platform::Window* myself = nullptr;
    platform::Field* name = nullptr;
    platform::Window* newVectWin = nullptr;
    platform::Field* power = nullptr;
    platform::ChoiceControl* where = nullptr;
    platform::Field* numberOfVectors = nullptr;
    // The count field again, under the name the vector tool first gave it. No
    // action reads or writes it.
    platform::Field* vnumb = nullptr;
    platform::Window* firstPanel = nullptr;
    platform::Field* result = nullptr;
    platform::Field* rx = nullptr;
    platform::Field* ry = nullptr;
    // The resultant's direction in degrees from +x, as the drawing's legend
    // gives it; empty when it has none. May be left unset.
    platform::Field* resultDirection = nullptr;
    // The same direction as a compass bearing, "4.65° S of W"; may be left
    // unset.
    platform::Field* resultBearing = nullptr;
    // On the new-vector sheet: a direction as a bearing ("N20W", "20° W of
    // N", "E") or as an angle from +x (0 to 360, or -180 to 180), which
    // fills the angle and the direction code as a person would. May be left
    // unset.
    platform::Field* bearing = nullptr;
    // The run drawn to scale: each vector tip to tail as it is confirmed, then
    // the resultant. It shows the numbers of the fields and changes none.
    platform::Diagram* diagram = nullptr;
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;
    // Each vector's x and y components, numbered in the order of the list,
    // and the resultant's; may be left unset.
    platform::TextPane* componentTable = nullptr;
    // What the run found out: how the sheet's numbers were read, and a
    // quadrant code given an angle outside 0 to 90 degrees.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;
    // "Vector k of n" on the new-vector sheet.
    platform::TextPane* progress = nullptr;

    // Takes the count from the count panel and begins the new-vector sheet, or
    // shows the alert for a count below 1.
    void declareVectorsNumber(platform::Sender sender);
    // Stores the vector on the sheet and lists it; begins the sheet again for
    // the next vector or, after the last one, shows the resultant.
    void confirm(platform::Sender sender);
    // Closes the count panel and the vectors window; everything entered stays.
    void abort(platform::Sender sender);
    // Forgets every vector and blanks the list and the results.
    void clear(platform::Sender sender);
    // On the new-vector sheet: takes back the vector before this one and shows
    // it on the sheet again to be corrected; on the first vector, goes back to
    // the count panel.
    void back(platform::Sender sender);
    // Ends the run on the new-vector sheet, leaving the tool as clear does.
    // The interface asks the person first.
    void cancelRun(platform::Sender sender);

    // Fills the angle and the direction code from the bearing, when it is
    // one; leaves them as they are otherwise.
    void readBearing(platform::Sender sender);

    // Whether the new-vector sheet is waiting for a vector of a run.
    bool runUnderWay() const { return underWay; }

private:
    void beginVectorSheet();
    bool fillFromBearing();

    platform::Notes press;
    bool underWay = false;
    // Each vector of the run as typed: name, magnitude, angle and code. Back
    // restores from these, never by splitting the list's text again, which a
    // "/" or a line break in a text would split otherwise.
    std::vector<std::array<std::string, 4>> typedVectors;
};
