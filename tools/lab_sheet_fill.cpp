// Adds 100,000 values to the measurement errors' running mean through the
// real window, as fast as the button can be clicked, and prints how long the
// first and the last thousand took: a long series must not slow the window
// down. Not a test; run it on the offscreen platform.
#include "Interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::Interface interface;
    QWidget* errors = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("errWin"))
            errors = widget;
    }
    if (errors == nullptr)
        return 1;
    errors->show();
    auto* value = errors->findChild<QLineEdit*>(QStringLiteral("valToMedia"));
    auto* add = errors->findChild<QAbstractButton*>(QStringLiteral("addToMedia"));
    errors->findChild<QAbstractButton*>(QStringLiteral("showLabSheet"))->click();
    errors->findChild<QAbstractButton*>(QStringLiteral("showWorking"))->click();

    constexpr int total = 100000;
    constexpr int slice = 1000;
    QElapsedTimer whole;
    QElapsedTimer part;
    whole.start();
    part.start();
    double first = 0.0;
    for (int i = 1; i <= total; ++i) {
        value->setText(i % 2 == 0 ? QStringLiteral("9.99") : QStringLiteral("10.01"));
        add->click();
        if (i % slice == 0) {
            QApplication::processEvents();
            const double elapsed = static_cast<double>(part.nsecsElapsed()) / 1e6;
            if (i == slice)
                first = elapsed;
            if (i == total)
                std::printf("first %d values: %.1f ms; last %d: %.1f ms\n", slice, first, slice,
                            elapsed);
            part.restart();
        }
    }
    std::printf("%d values in %.2f s (%.1f us each)\n", total,
                static_cast<double>(whole.nsecsElapsed()) / 1e9,
                static_cast<double>(whole.nsecsElapsed()) / 1e3 / total);
    return 0;
}
