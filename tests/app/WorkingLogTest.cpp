// The working panes, the lab sheet and the results log in the real windows:
// built only when first used, wired to their tools, and the log saved to disk
// and read back.
#include "ErrorController.h"
#include "Interface.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
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

private Q_SLOTS:
    void init();
    void cleanup();

    void working_is_built_when_first_shown_and_remembered_data();
    void working_is_built_when_first_shown_and_remembered();
    void lab_sheet_follows_the_series_typed();
    void results_log_opens_with_ctrl_l_and_saves_csv_that_reads_back();

private:
    QWidget* open(const char* window);

    app::Interface* interface = nullptr;
};

void WorkingLogTest::init()
{
    runningMean::reset();
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void WorkingLogTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

QWidget* WorkingLogTest::open(const char* window)
{
    QWidget* tool = topLevel(QString::fromLatin1(window));
    tool->show();
    tool->activateWindow();
    if (!QTest::qWaitForWindowActive(tool))
        qWarning("%s did not become active", window);
    return tool;
}

void WorkingLogTest::working_is_built_when_first_shown_and_remembered_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typedFields"); // field text field text...
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    for (const auto& [row, window, typed, button, result] :
         {std::tuple{"plane", "pianoWin", "weight 10 height 3 lenght 5", "analyze", "labPara"},
          std::tuple{"errors", "errWin", "setRel 0.05 setVal 20", "getAbs", "absLabel"},
          std::tuple{"friction", "attrWin", "kas 0.5 fpOfstat 40", "getF1d", "f1d"},
          std::tuple{"torque", "momWin", "power1 50 dist 0.25 alpha 30", "getSimple", "rx1"},
          std::tuple{"fluid", "fluidWin", "forza 100 area 4", "getPress1", "press1"}}) {
        QTest::newRow(row) << QString::fromLatin1(window) << QString::fromLatin1(typed)
                           << QString::fromLatin1(button) << QString::fromLatin1(result);
    }
}

void WorkingLogTest::working_is_built_when_first_shown_and_remembered()
{
    QFETCH(QString, window);
    QFETCH(QString, typedFields);
    const QStringList typed = typedFields.split(QLatin1Char(' '));
    QFETCH(QString, button);
    QFETCH(QString, result);
    QWidget* tool = open(qPrintable(window));
    auto* toggle = find<QPushButton>(tool, "showWorking");
    QVERIFY(toggle->isCheckable());
    QVERIFY(tool->findChild<QPlainTextEdit*>(QStringLiteral("working")) == nullptr);

    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        QTest::keyClicks(find<QLineEdit>(tool, qPrintable(typed.at(i))), typed.at(i + 1));
    find<QPushButton>(tool, qPrintable(button))->click();
    // Pressing a tool's button does not build a pane nobody asked to see.
    QVERIFY(tool->findChild<QPlainTextEdit*>(QStringLiteral("working")) == nullptr);

    toggle->click();
    auto* pane = tool->findChild<QPlainTextEdit*>(QStringLiteral("working"));
    QVERIFY(pane != nullptr);
    QVERIFY(pane->isVisible());
    QVERIFY(pane->isReadOnly());
    QCOMPARE(pane->accessibleName(), QStringLiteral("Working"));
    QString shown = find<QLineEdit>(tool, qPrintable(result))->text();
    shown.remove(QStringLiteral(" Nm"));
    QVERIFY2(pane->toPlainText().contains(QStringLiteral("= ") + shown),
             qPrintable(pane->toPlainText()));

    // Closed and opened again, the window still shows its working.
    tool->close();
    open(qPrintable(window));
    QVERIFY(toggle->isChecked());
    QVERIFY(pane->isVisible());
    toggle->click();
    QVERIFY(!pane->isVisible());
}

void WorkingLogTest::lab_sheet_follows_the_series_typed()
{
    QWidget* errors = open("errWin");
    QVERIFY(errors->findChild<QWidget*>(QStringLiteral("labSheet")) == nullptr);
    auto* value = find<QLineEdit>(errors, "valToMedia");
    for (const char* typed : {"2.01", "1.98", "2.03", "2.00", "1.99"}) {
        value->selectAll();
        QTest::keyClicks(value, QString::fromLatin1(typed));
        QTest::keyClick(value, Qt::Key_Return);
    }
    auto* sheet = errors->findChild<QWidget*>(QStringLiteral("labSheet"));
    QVERIFY(sheet != nullptr);
    QVERIFY(!sheet->isVisible());
    find<QPushButton>(errors, "showLabSheet")->click();
    QVERIFY(sheet->isVisible());
    auto* values = find<QListWidget>(sheet, "values");
    QCOMPARE(values->count(), 5);
    QCOMPARE(find<QLineEdit>(sheet, "count")->text(), QStringLiteral("5"));
    QCOMPARE(find<QLineEdit>(sheet, "deviation")->text(), QStringLiteral("0.0192"));
    QCOMPARE(find<QLineEdit>(sheet, "result")->text(), QStringLiteral("2.00 \u00b1 0.03"));

    // The resolution typed once takes over when it is the larger.
    QTest::keyClicks(find<QLineEdit>(sheet, "resolution"), QStringLiteral("0.1"));
    QCOMPARE(find<QLineEdit>(sheet, "result")->text(), QStringLiteral("2.00 \u00b1 0.10"));

    find<QPushButton>(sheet, "copySheet")->click();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    QVERIFY(copied->text().contains(QStringLiteral("\n2.03\n")));
    QVERIFY(QString::fromUtf8(copied->data(QStringLiteral("text/tab-separated-values")))
                .contains(QStringLiteral("n\t5\n")));

    find<QPushButton>(sheet, "removeLast")->click();
    QCOMPARE(values->count(), 4);
    QCOMPARE(find<QLineEdit>(sheet, "count")->text(), QStringLiteral("4"));
    find<QPushButton>(errors, "erase")->click();
    QCOMPARE(values->count(), 0);
    QVERIFY(find<QLineEdit>(sheet, "count")->text().isEmpty());
}

void WorkingLogTest::results_log_opens_with_ctrl_l_and_saves_csv_that_reads_back()
{
    QVERIFY(topLevel(QStringLiteral("resultsLogWin")) == nullptr);
    QWidget* plane = open("pianoWin");
    for (const auto& [field, text] : {std::pair{"weight", "10"}, std::pair{"height", "3"},
                                      std::pair{"base", "4"}, std::pair{"lenght", "5"}})
        QTest::keyClicks(find<QLineEdit>(plane, field), QString::fromLatin1(text));
    find<QPushButton>(plane, "analyze")->click();
    QVERIFY(interface->hasUnsavedEntries());

    QTest::keyClick(plane, Qt::Key_L, Qt::ControlModifier);
    QWidget* log = topLevel(QStringLiteral("resultsLogWin"));
    QVERIFY(log != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(log));
    auto* entries = find<QTableWidget>(log, "entries");
    QCOMPARE(entries->rowCount(), 1);
    QCOMPARE(entries->item(0, 1)->text(), QStringLiteral("Inclined plane"));

    // A computation made while the log is open shows at once, newest last.
    find<QPushButton>(plane, "analyze")->click();
    QCOMPARE(entries->rowCount(), 2);

    find<QPushButton>(log, "saveLog")->click();
    auto* dialog = log->findChild<QFileDialog*>(QStringLiteral("saveLogDialog"));
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("session.csv"));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // header, two rows, and the empty text after the last break
    QCOMPARE(lines.at(0), QStringLiteral("Time,Tool,Inputs,Results"));
    const QStringList cells = lines.at(1).split(QLatin1Char(','));
    QCOMPARE(cells.size(), 4);
    QCOMPARE(cells.at(1), QStringLiteral("Inclined plane"));
    QCOMPARE(cells.at(2), QStringLiteral("W = 10; h = 3; b = 4; l = 5"));
    QCOMPARE(cells.at(3),
             find<QLineEdit>(plane, "labOrto")->text().prepend(QStringLiteral("W\u22a5 = "))
                 + QStringLiteral("; W\u2225 = 6.00; \u03b1 = 36.87"));
    QVERIFY(!interface->hasUnsavedEntries());

    find<QPushButton>(log, "clearLog")->click();
    QCOMPARE(entries->rowCount(), 0);
}

} // namespace

QTEST_MAIN(WorkingLogTest)
#include "WorkingLogTest.moc"
