// PhysCalc's entry point: the platform's application main does everything,
// Qt's own command-line options included.
#include "ApplicationMain.h"

int main(int argc, char* argv[])
{
    return app::applicationMain(argc, argv);
}
