// Working panes, lab sheet and results log in the real windows: built on first use, wired, saved.
#include "ErrorController.h"
#include "Interface.h"
#include "WindowHelpers.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using test::find;
using test::topLevel;

namespace {

class WorkingLogTest : public QObject
{
    Q_OBJECT

    static QWidget* open(const QString& window)
    {
        QWidget* tool = topLevel(window);
        tool->show();
        tool->activateWindow();
        if (!QTest::qWaitForWindowActive(tool))
            qWarning("%s did not become active", qPrintable(window));
        return tool;
    }
    app::Interface* interface = nullptr;

private Q_SLOTS:
    void init()
    {
        // The running mean outlives the windows; each test starts without one.
        runningMean::reset();
        interface = new app::Interface;
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
    }
    void cleanup() { delete interface; }

    void working_is_built_when_first_shown_and_remembered_data()
    {
        QTest::addColumn<QStringList>("words"); // window, button, result, field/text pairs
        const auto row = [](const char* name, const char* words) {
            QTest::newRow(name) << QString::fromLatin1(words).split(QLatin1Char(' '));
        };
        row("plane", "pianoWin analyze labPara weight 10 height 3 lenght 5");
        row("errors", "errWin getAbs absLabel setRel 0.05 setVal 20");
        row("friction", "attrWin getF1d f1d kas 0.5 fpOfstat 40");
        row("torque", "momWin getSimple rx1 power1 50 dist 0.25 alpha 30");
        row("fluid", "fluidWin getPress1 press1 forza 100 area 4");
    }

    void working_is_built_when_first_shown_and_remembered()
    {
        QFETCH(QStringList, words);
        QWidget* tool = open(words.at(0));
        for (qsizetype i = 3; i + 1 < words.size(); i += 2)
            QTest::keyClicks(find<QLineEdit>(tool, qPrintable(words.at(i))), words.at(i + 1));
        find<QPushButton>(tool, qPrintable(words.at(1)))->click();
        // Pressing a tool's button does not build a pane nobody asked to see.
        QVERIFY(tool->findChild<QPlainTextEdit*>(QStringLiteral("working")) == nullptr);
        auto* toggle = find<QPushButton>(tool, "showWorking");
        toggle->click();
        auto* pane = tool->findChild<QPlainTextEdit*>(QStringLiteral("working"));
        QVERIFY(pane != nullptr && pane->isVisible() && pane->isReadOnly());
        QString shown = find<QLineEdit>(tool, qPrintable(words.at(2)))->text();
        shown.remove(QStringLiteral(" Nm")).prepend(QStringLiteral("= "));
        QVERIFY2(pane->toPlainText().contains(shown), qPrintable(pane->toPlainText()));
        // Closed and opened again, the window still shows its working.
        tool->close();
        open(words.at(0));
        QVERIFY(toggle->isChecked() && pane->isVisible());
        toggle->click();
        QVERIFY(!pane->isVisible());
    }

    void lab_sheet_follows_the_series_typed()
    {
        QWidget* errors = open(QStringLiteral("errWin"));
        QVERIFY(errors->findChild<QWidget*>(QStringLiteral("labSheet")) == nullptr);
        auto* value = find<QLineEdit>(errors, "valToMedia");
        for (const char* typed : {"2.01", "1.98", "2.03", "2.00", "1.99"}) {
            value->setText(QString::fromLatin1(typed));
            QTest::keyClick(value, Qt::Key_Return);
        }
        auto* sheet = errors->findChild<QWidget*>(QStringLiteral("labSheet"));
        QVERIFY(sheet != nullptr && !sheet->isVisible());
        find<QPushButton>(errors, "showLabSheet")->click();
        QVERIFY(sheet->isVisible());
        auto* values = find<QListWidget>(sheet, "values");
        QCOMPARE(values->count(), 5);
        QCOMPARE(find<QLineEdit>(sheet, "result")->text(), QStringLiteral("2.00 \u00b1 0.03"));
        // The figures are the values' to change, not the keyboard's.
        for (const char* figure : {"count", "minimum", "maximum", "mean", "halfRange", "deviation",
                                   "deviationOfMean", "result"}) {
            auto* field = find<QLineEdit>(sheet, figure);
            const QString shown = field->text();
            QTest::keyClicks(field, QStringLiteral("9"));
            QCOMPARE(field->text(), shown);
        }
        QTest::keyClicks(find<QLineEdit>(sheet, "resolution"), QStringLiteral("0.1"));
        QCOMPARE(find<QLineEdit>(sheet, "result")->text(), QStringLiteral("2.00 \u00b1 0.10"));
        find<QPushButton>(sheet, "removeLast")->click();
        QCOMPARE(values->count(), 4);
        find<QPushButton>(errors, "erase")->click();
        QCOMPARE(values->count(), 0);
    }

    void results_log_opens_with_ctrl_l_and_saves_csv_that_reads_back()
    {
        QVERIFY(topLevel(QStringLiteral("resultsLogWin")) == nullptr);
        QWidget* plane = open(QStringLiteral("pianoWin"));
        for (const auto& [field, text] : {std::pair{"weight", "10"}, std::pair{"height", "3"},
                                          std::pair{"base", "4"}, std::pair{"lenght", "5"}})
            QTest::keyClicks(find<QLineEdit>(plane, field), QString::fromLatin1(text));
        find<QPushButton>(plane, "analyze")->click();
        QTest::keyClick(plane, Qt::Key_L, Qt::ControlModifier);
        QWidget* log = topLevel(QStringLiteral("resultsLogWin"));
        QVERIFY(log != nullptr && QTest::qWaitForWindowExposed(log));
        auto* entries = find<QTableWidget>(log, "entries");
        QCOMPARE(entries->rowCount(), 1);
        find<QPushButton>(plane, "analyze")->click();
        QCOMPARE(entries->rowCount(), 2); // shown at once while the log is open
        // A logged result cannot be typed over.
        const QString logged = entries->item(1, 3)->text();
        const QPoint cell = entries->visualItemRect(entries->item(1, 3)).center();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(entries->viewport(), Qt::LeftButton, {}, cell);
        if (auto* editor = entries->findChild<QLineEdit*>()) {
            QTest::keyClicks(editor, QStringLiteral("9"));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the editor's text is taken later
        }
        QCOMPARE(entries->item(1, 3)->text(), logged);
        QVERIFY(interface->hasUnsavedWork());
        find<QPushButton>(log, "saveLog")->click();
        auto* dialog = log->findChild<QFileDialog*>(QStringLiteral("saveLogDialog"));
        QVERIFY(dialog != nullptr && dialog->isVisible() && dialog->isModal());
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("session.csv"));
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4); // header, two rows, and the empty text after the last break
        QCOMPARE(lines.at(1).section(QLatin1Char(','), 1),
                 QStringLiteral("Inclined plane,W = 10; h = 3; b = 4; l = 5,"
                                "W\u22a5 = 8.00; W\u2225 = 6.00; \u03b1 = 36.87"));
        QVERIFY(!interface->hasUnsavedWork());
    }
};

} // namespace

QTEST_MAIN(WorkingLogTest)
#include "WorkingLogTest.moc"
