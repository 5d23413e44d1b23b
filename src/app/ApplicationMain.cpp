#include "ApplicationMain.h"

#include "ApplicationIcon.h"
#include "Interface.h"

#include <QApplication>
#include <QIcon>

namespace app {

int applicationMain(int& argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationDisplayName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationVersion(QStringLiteral(PHYSCALC_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(PHYSCALC_APP_ID));
    QApplication::setWindowIcon(platform::qt::applicationIcon());

    Interface interface;
    interface.launcher().show();
    return QApplication::exec();
}

} // namespace app
