// Torque: the moment of a force applied at an angle to a lever, and the
// moment of a couple. Results carry the unit, as in "12.50 Nm".
#pragma once

#include "Controls.h"
#include "Drawing.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

class MomentoController
{
public:
    platform::Field* alpha = nullptr;
    platform::Field* b = nullptr;
    platform::Field* dist = nullptr;
    platform::Field* power1 = nullptr;
    platform::Field* power2 = nullptr;
    platform::Field* rx1 = nullptr;
    platform::Field* rx2 = nullptr;
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;
    // The lever or the couple of the last press, with the sense of rotation;
    // may be left unset.
    platform::Drawing* leverDrawing = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;

    // M = sin(alpha) × dist × power1, into rx1.
    void getSimple(platform::Sender sender);
    // M = b × power2, into rx2.
    void getDouble(platform::Sender sender);

private:
    platform::Notes press;
};
