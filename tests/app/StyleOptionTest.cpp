// The program's own main started with "-style windows", on a platform whose
// own choice is another style: once running, the windows wear the one asked
// for, under the style that loads rare icons late.
#include "ApplicationMain.h"

#include <QApplication>
#include <QProxyStyle>
#include <QTimer>

#include <cstdio>

namespace {

void checkTheStyleOnceRunning()
{
    QTimer::singleShot(0, qApp, [] {
        const auto* proxy = qobject_cast<const QProxyStyle*>(QApplication::style());
        const QString worn = proxy != nullptr ? proxy->baseStyle()->name() : QString();
        std::printf("style: %s\n", qPrintable(worn));
        QCoreApplication::exit(
            worn.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0 ? 0 : 1);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(checkTheStyleOnceRunning)

int main()
{
    char program[] = "physcalc";
    char option[] = "-style";
    char style[] = "windows";
    char* arguments[] = {program, option, style, nullptr};
    int count = 3;
    return app::applicationMain(count, arguments);
}
