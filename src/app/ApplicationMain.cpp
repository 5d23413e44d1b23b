#include "ApplicationMain.h"

#include "ApplicationIcon.h"
#include "DeferredIconStyle.h"
#include "Interface.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace app {

int applicationMain(int& argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationDisplayName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationVersion(QStringLiteral(PHYSCALC_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(PHYSCALC_APP_ID));
    QApplication::setWindowIcon(platform::qt::applicationIcon());
    // The style chosen by -style or the platform, with its rarely shown
    // icons loaded when first needed.
    QApplication::setStyle(new platform::qt::DeferredIconStyle(QApplication::style()->name()));

    Interface interface(Interface::Start::LauncherFirst);
    interface.launcher().show();
    return QApplication::exec();
}

} // namespace app
