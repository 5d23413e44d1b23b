// Adds 100,000 values to the measurement errors' running mean through the
// real window, as fast as the button can be clicked, and prints how long the
// first and the last thousand took: a long series must not slow the window
// down. Then edits, removes and brings back values at the start of that
// series, and fills the results log to 100,000 entries with its window open,
// timing the presses. Not a test; run it on the offscreen platform.
#include "Interface.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

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

    // A smaller count may be given, for a profiler's run.
    const int total = argc > 1 ? std::atoi(argv[1]) : 100000;
    // Presses total times, and prints what the first and the last thousand
    // presses took, each thousand with a turn of the event loop.
    const auto bySlices = [total](const char* what, const std::function<void(int)>& press) {
        constexpr int slice = 1000;
        QElapsedTimer part;
        part.start();
        double first = 0.0;
        for (int i = 1; i <= total; ++i) {
            press(i);
            if (i % slice != 0)
                continue;
            QApplication::processEvents();
            const double elapsed = static_cast<double>(part.nsecsElapsed()) / 1e6;
            if (i == slice)
                first = elapsed;
            if (i == total)
                std::printf("%s: first %d %.1f ms; last %d: %.1f ms (%.3f ms a press)\n", what,
                            slice, first, slice, elapsed, elapsed / slice);
            part.restart();
        }
    };
    QElapsedTimer whole;
    whole.start();
    bySlices("values", [value, add](int i) {
        value->setText(i % 2 == 0 ? QStringLiteral("9.99") : QStringLiteral("10.01"));
        add->click();
    });
    std::printf("%d values in %.2f s (%.1f us each)\n", total,
                static_cast<double>(whole.nsecsElapsed()) / 1e9,
                static_cast<double>(whole.nsecsElapsed()) / 1e3 / total);

    // Each edit reworks the series from the value changed: the first value is
    // the costliest to change.
    auto* list = errors->findChild<QListWidget*>(QStringLiteral("values"));
    // The actions Delete and Ctrl+Z trigger.
    const auto action = [errors](QKeySequence::StandardKey key) {
        for (QAction* entry : errors->findChildren<QAction*>()) {
            if (entry->shortcut() == QKeySequence(key))
                return entry;
        }
        return static_cast<QAction*>(nullptr);
    };
    QAction* remove = action(QKeySequence::Delete);
    QAction* undo = action(QKeySequence::Undo);
    if (remove == nullptr || undo == nullptr)
        return 1;
    const auto timed = [](const char* what, int presses, const std::function<void(int)>& press) {
        QElapsedTimer timer;
        timer.start();
        // Each press with its own turn of the event loop, where the list
        // lays itself out again, as a person's presses get.
        for (int i = 0; i < presses; ++i) {
            press(i);
            QApplication::processEvents();
        }
        std::printf("%s: %.2f ms a press\n", what,
                    static_cast<double>(timer.nsecsElapsed()) / 1e6 / presses);
    };
    timed("edit the first value", 100, [list](int i) {
        list->item(0)->setText(i % 2 == 0 ? QStringLiteral("10.02") : QStringLiteral("9.98"));
    });
    timed("remove the first value (Delete)", 100, [list, remove](int) {
        list->setCurrentRow(0);
        remove->trigger();
    });
    timed("remove the first value and undo (Delete, Ctrl+Z)", 100, [list, remove, undo](int) {
        list->setCurrentRow(0);
        remove->trigger();
        undo->trigger();
    });
    std::printf("values left: %d\n", list->count());

    interface.showResultsLog();
    auto* compute = errors->findChild<QAbstractButton*>(QStringLiteral("getAbs"));
    errors->findChild<QLineEdit*>(QStringLiteral("setRel"))->setText(QStringLiteral("0.05"));
    errors->findChild<QLineEdit*>(QStringLiteral("setVal"))->setText(QStringLiteral("20"));
    bySlices("log, window open", [compute](int) { compute->click(); });
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* table = widget->findChild<QTableWidget*>(QStringLiteral("entries")))
            std::printf("log rows: %d\n", table->rowCount());
    }
    return 0;
}
