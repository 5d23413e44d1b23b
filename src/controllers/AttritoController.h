// Friction: friction force, coefficient and normal force (F = k × N), for
// static and for dynamic friction, each found from the other two.
#pragma once

#include "Controls.h"
#include "Notes.h"

class AttritoController
{
public:
    platform::Field* f1d = nullptr;
    platform::Field* fad = nullptr;
    platform::Field* fpOfDinam = nullptr;
    platform::Field* fpOfstat = nullptr;
    platform::Field* kad = nullptr;
    platform::Field* kas = nullptr;
    // What each press found out besides its results; empty when nothing.
    platform::TextPane* notes = nullptr;

    // Each action overwrites one field of a group from the other two; the
    // static and dynamic groups never mix.
    void getF1d(platform::Sender sender);
    void getFad(platform::Sender sender);
    void getFpFromDinam(platform::Sender sender);
    void getFpFromStat(platform::Sender sender);
    void getKas(platform::Sender sender);
    void getKd(platform::Sender sender);

private:
    platform::Notes press;
};
