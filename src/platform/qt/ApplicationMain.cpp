#include "ApplicationMain.h"

#include "Interface.h"

#include <QApplication>

namespace platform::qt {

int applicationMain(int& argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationDisplayName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationVersion(QStringLiteral(PHYSCALC_VERSION));

    Interface interface;
    interface.launcher().show();
    return QApplication::exec();
}

} // namespace platform::qt
