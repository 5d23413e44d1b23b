#include "ApplicationMain.h"

#include "IconPixels.h"
#include "Interface.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform::qt {

QIcon applicationIcon()
{
    QIcon icon;
    for (int i = 0; i < iconPixelsCount; ++i) {
        const IconPixels& entry = iconPixels[i];
        const QImage image(reinterpret_cast<const uchar*>(entry.argb32), entry.size, entry.size,
                           QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

int applicationMain(int& argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationDisplayName(QStringLiteral("PhysCalc"));
    QApplication::setApplicationVersion(QStringLiteral(PHYSCALC_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(PHYSCALC_APP_ID));
    QApplication::setWindowIcon(applicationIcon());

    Interface interface;
    interface.launcher().show();
    return QApplication::exec();
}

} // namespace platform::qt
