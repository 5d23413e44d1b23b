// The application main: builds the interface and runs the event loop.
#pragma once

namespace app {

// Takes the process's arguments unchanged, so Qt's own options (-platform,
// -style, ...) work; PhysCalc reads none of its own.
int applicationMain(int& argc, char** argv);

} // namespace app
