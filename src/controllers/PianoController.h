// The inclined plane: resolves a body's weight along and across a ramp and
// finds the ramp's angle.
#pragma once

#include "Controls.h"
#include "Drawing.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"
#include "Uncertainty.h"

#include <optional>
#include <string>

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
    // The computation laid out step by step, and the session's log.
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;

    // The ramp as textbooks state it: a weight, or a mass, and the angle.
    platform::Field* slopeWeight = nullptr;
    platform::Field* slopeMass = nullptr; // wins over slopeWeight when it holds text
    platform::Field* slopeAngle = nullptr;
    platform::Field* slopeW = nullptr; // the weight used, m·g for a mass
    platform::Field* slopeOrto = nullptr;
    platform::Field* slopePara = nullptr;
    // The ramp drawn to the numbers after each press; may be left unset.
    platform::Drawing* rampDrawing = nullptr;

    void analyze(platform::Sender sender);
    void analyzeSlope(platform::Sender sender);
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;

private:
    // mass is the one the weight was worked out from, if any.
    void publishSlope(std::optional<float> mass, float W, float alpha, float perpendicular,
                      float parallel, const uncertainty::Propagation& errors);
    void drawSides(float W, float h, float l, float angle, float perpendicular, float parallel);
    platform::Notes press;
};
