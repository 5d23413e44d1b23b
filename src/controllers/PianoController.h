// The inclined plane: resolves a body's weight along and across a ramp and
// finds the ramp's angle.
#pragma once

#include "Controls.h"
#include "Notes.h"

class PianoController
{
public:
    platform::Field* base = nullptr;
    platform::Field* dangolo = nullptr;
    platform::Field* db = nullptr;
    platform::Field* dh = nullptr;
    platform::Field* dl = nullptr;
    platform::Field* dorto = nullptr;
    platform::Field* dpara = nullptr;
    platform::Field* height = nullptr;
    platform::Field* labOrto = nullptr;
    platform::Field* labPara = nullptr;
    platform::Field* lenght = nullptr;
    platform::Field* weight = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;

    void analyze(platform::Sender sender);

private:
    platform::Notes press;
};
