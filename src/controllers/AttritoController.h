// Friction: friction force, coefficient and normal force (F = k × N), for
// static and for dynamic friction, each found from the other two.
#pragma once

#include "Controls.h"
#include "Drawing.h"
#include "Log.h"
#include "Notes.h"
#include "Text.h"

class AttritoController
{
public:
    platform::Field* f1d = nullptr;
    platform::Field* fad = nullptr;
    platform::Field* fpOfDinam = nullptr;
    platform::Field* fpOfstat = nullptr;
    platform::Field* kad = nullptr;
    platform::Field* kas = nullptr;
    platform::TextPane* working = nullptr;
    platform::ComputationLog* log = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;
    // Each result with its uncertainty, when an input carried one.
    platform::TextPane* uncertainties = nullptr;

    // Each action overwrites one field of a group from the other two; the
    // static and dynamic groups never mix.
    void getF1d(platform::Sender sender);
    void getFad(platform::Sender sender);
    void getFpFromDinam(platform::Sender sender);
    void getFpFromStat(platform::Sender sender);
    void getKas(platform::Sender sender);
    void getKd(platform::Sender sender);

    // A body's mass, for a normal force on level ground: N = m·g.
    platform::Field* mass = nullptr;
    // The block, its normal and friction forces after each press; may be
    // left unset.
    platform::Drawing* blockDrawing = nullptr;

    void getFpFromMassStat(platform::Sender sender);
    void getFpFromMassDinam(platform::Sender sender);

private:
    void showWeightOfMass(platform::Field& normal);
    void draw(float friction, float normal, bool moving);
    platform::Notes press;
};
