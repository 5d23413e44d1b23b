// PhysCalc's entry point: the platform's application main does everything,
// Qt's own command-line options included.
#include "platform/qt/ApplicationMain.h"

int main(int argc, char* argv[])
{
    return platform::qt::applicationMain(argc, argv);
}
