// The vector tool: leads the user through declaring how many vectors follow,
// entering each one on a sheet, and reading their resultant.
#pragma once

#include "platform/Controls.h"

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
    platform::Window* firstPanel = nullptr;
    platform::Field* result = nullptr;
    platform::Field* rx = nullptr;
    platform::Field* ry = nullptr;

    // Closes the count panel and the vectors window; everything entered stays.
    void abort(platform::Sender sender);
};
