// The launcher: brings each tool's window to the front.
#pragma once

#include "Controls.h"

class PhysicsController
{
public:
    platform::Window* pianoWin = nullptr;
    platform::Window* errWin = nullptr;
    platform::Window* attrWin = nullptr;
    platform::Window* momWin = nullptr;
    // The vector tool's count panel (the panel, not the field inside it).
    platform::Window* numberOfVectors = nullptr;
    platform::Window* vectWin = nullptr;
    platform::Window* fluidWin = nullptr;

    void awakeAttrito(platform::Sender sender);
    void awakeErrori(platform::Sender sender);
    void awakeFluidPressure(platform::Sender sender);
    void awakeMomento(platform::Sender sender);
    void awakePiano(platform::Sender sender);
    // Shows the vectors window with the count panel attached as a sheet,
    // which starts a run of the vector tool.
    void awakeVectors(platform::Sender sender);
};
