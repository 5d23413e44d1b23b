// Fluid pressure: force, area and pressure (p = F / A), and density, depth
// and pressure in a liquid (p = ρ × g × h), each found from the other two of
// its group. Results show six decimals.
#pragma once

#include "Controls.h"
#include "Drawing.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

class FluidController
{
public:
    platform::Field* area = nullptr;
    platform::Field* dens = nullptr;
    platform::Field* forza = nullptr;
    platform::Field* press1 = nullptr;
    platform::Field* press2 = nullptr;
    platform::Field* profond = nullptr;
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;

    // Each action overwrites one field of a group from the other two.
    void getArea(platform::Sender sender);
    void getPower(platform::Sender sender);
    void getPress1(platform::Sender sender);
    void getDens(platform::Sender sender);
    void getH(platform::Sender sender);
    void getPress2(platform::Sender sender);

    // The pressures again in kPa, bar and atm; at the depth the liquid's
    // own (gauge) and with the air's atmosphere added (absolute). Any of
    // these may be left unset.
    platform::Field* press1Units = nullptr;
    platform::Field* press2Gauge = nullptr;
    platform::Field* press2Absolute = nullptr;
    // The absolute pressure at the depth in pascals, to the hundredth.
    platform::Field* press2AbsolutePascals = nullptr;
    // Liquids whose titles begin with their density; choosing one fills dens.
    platform::ChoiceControl* densPreset = nullptr;
    platform::Drawing* columnDrawing = nullptr;

    void getPreset(platform::Sender sender);

private:
    void showDepth(float rho, float h, float p);
    platform::Notes press;
};
