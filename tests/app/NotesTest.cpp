// What a press says besides its results, through the real windows on the
// offscreen platform: the notes pane, the marks on fields, stale and computed
// results, Return in a friction or fluid group, the keys that hide a tool,
// and the vector run's progress, Back, Cancel and asking before quitting.
#include "ErrorController.h"
#include "Interface.h"
#include "VectorsController.h"
#include "WindowHelpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

using test::find;

const QHash<QString, const char*> launcherEntries{
    {QStringLiteral("pianoWin"), "awakePiano"},         {QStringLiteral("errWin"), "awakeErrori"},
    {QStringLiteral("attrWin"), "awakeAttrito"},        {QStringLiteral("momWin"), "awakeMomento"},
    {QStringLiteral("fluidWin"), "awakeFluidPressure"},
};

class NotesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void each_surprise_shows_its_note_beside_the_unchanged_result_data();
    void each_surprise_shows_its_note_beside_the_unchanged_result();
    void a_reading_mark_stays_on_the_field_until_it_is_edited();
    void results_look_out_of_date_once_an_input_changes_data();
    void results_look_out_of_date_once_an_input_changes();
    void return_in_a_group_computes_the_empty_or_the_computed_field_data();
    void return_in_a_group_computes_the_empty_or_the_computed_field();
    void escape_and_ctrl_w_hide_a_tool_window_data();
    void escape_and_ctrl_w_hide_a_tool_window();
    void back_corrects_the_last_vector_and_cancel_asks_then_clears();
    void closing_the_launcher_asks_only_during_a_vector_run();
    void count_panel_opens_over_its_window_with_its_whole_title();

private:
    QWidget* open(const QString& window);
    // "field=text" replaces the field's text by typing; "field+=text" types
    // on from where the cursor is; "field<" presses Return in it; anything
    // else clicks that button.
    void run(QWidget* window, const QStringList& steps);
    static QString notes(QWidget* window);

    app::Interface* interface = nullptr;
};

void NotesTest::init()
{
    runningMean::reset();
    vectorStore::reset();
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void NotesTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

QWidget* NotesTest::open(const QString& window)
{
    find<QPushButton>(&interface->launcher(), launcherEntries.value(window))->click();
    QWidget* tool = test::topLevel(window);
    if (!QTest::qWaitForWindowActive(tool))
        qWarning("%s did not become active", qPrintable(window));
    return tool;
}

void NotesTest::run(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (equals < 0 && step.endsWith(QLatin1Char('<'))) {
            QTest::keyClick(find<QLineEdit>(window, qPrintable(step.chopped(1))), Qt::Key_Return);
        } else if (equals < 0) {
            find<QPushButton>(window, qPrintable(step))->click();
        } else {
            const bool append = step.at(equals - 1) == QLatin1Char('+');
            auto* edit =
                find<QLineEdit>(window, qPrintable(step.left(append ? equals - 1 : equals)));
            if (!append)
                edit->selectAll();
            edit->setFocus();
            const QString typed = step.mid(equals + 1);
            if (typed.isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, typed);
        }
    }
}

QString NotesTest::notes(QWidget* window)
{
    auto* pane = window->findChild<QPlainTextEdit*>(QStringLiteral("notes"));
    return pane != nullptr && pane->isVisible() ? pane->toPlainText() : QString();
}

void NotesTest::each_surprise_shows_its_note_beside_the_unchanged_result_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    // Each part must be in the notes; a part starting with "!" must not.
    QTest::addColumn<QStringList>("noted");
    const auto row = [](const char* name, const char* window, const char* steps, const char* field,
                        const char* shown, const char* noted) {
        QTest::newRow(name) << QString::fromLatin1(window)
                            << QString::fromUtf8(steps).split(QLatin1Char(' '))
                            << QString::fromLatin1(field) << QString::fromUtf8(shown)
                            << QString::fromUtf8(noted).split(QLatin1Char('|'));
    };
    row("comma in a side", "pianoWin", "weight=10 height=1,5 base=2 lenght=2,5 analyze", "labOrto",
        "10.00", "Height: “1,5” was read as 1; for 1.5 type 1.5|Length: “2,5” was read as 2");
    row("letter o for a zero", "pianoWin", "weight=o.3 height=3 base=4 lenght=5 analyze", "labOrto",
        "0.00", "Weight: “o.3” begins with a letter and was read as 0; for 0.3 type 0.3");
    row("empty field", "pianoWin", "weight=10 height=3 base= lenght=5 analyze", "labOrto", "0.00",
        "Base is empty and was read as 0");
    row("height above length", "pianoWin", "weight=10 height=6 base=4 lenght=5 analyze", "dangolo",
        "nan", "no ramp has sin α");
    row("length zero", "pianoWin", "weight=10 height=3 base=4 lenght=0 analyze", "labOrto", "inf",
        "Length is 0");
    row("sides of no right triangle", "pianoWin", "weight=10 height=3 base=3 lenght=5 analyze",
        "labOrto", "6.00", "no right triangle: b² + h² = 18.00 but l² = 25.00");
    row("own unit needs no note", "pianoWin", "weight=10_N height=3_m base=4 lenght=5 analyze",
        "labOrto", "8.00", "!was read");
    row("Italian decimal commas in the mean", "errWin",
        "valToMedia=1,02 addToMedia valToMedia=0,99 addToMedia", "mediaLabel", "",
        "“0,99” was read as 0; for 0.99 type 0.99|Values in the mean: 2.");
    row("next reading replaces the last", "errWin",
        "valToMedia=2.01 addToMedia valToMedia+=1.98 addToMedia", "valToMedia", "1.98",
        "Values in the mean: 2.|!was read");
    row("mean of nothing", "errWin", "getMedia", "mediaLabel", "nan", "No value has been added");
    row("tiny relative error", "errWin", "setAbsForPerc=0.3 setMisuraForPerc=67.7 getRelPerc",
        "getRelLabel", "0.00", "4.431 × 10⁻³");
    row("measure zero", "errWin", "setAbsForPerc=1 setMisuraForPerc=0 getRelPerc", "getRelLabel",
        "inf", "dividing by zero");
    row("rounded coefficient read back", "attrWin", "fad=15 fpOfDinam=49.05 getKd getFad", "fad",
        "15.21", "0.31 is the rounded 0.3058…; F = k · N used 0.31");
    row("zero over zero", "attrWin", "f1d=0 fpOfstat=0 getKas", "kas", "nan", "are both 0");
    row("moment at 270 degrees", "momWin", "power1=5 dist=2.5 alpha=270 getSimple", "rx1",
        "-12.50 Nm", "A negative moment turns clockwise");
    row("moment at 360 degrees", "momWin", "power1=5 dist=2.5 alpha=360 getSimple", "rx1",
        "-0.00 Nm", "a tiny negative number");
    row("tiny area", "fluidWin", "forza=1 press1=2000000 getArea", "area", "0.000000",
        "5.000 × 10⁻⁷");
    row("rounded area read back", "fluidWin", "forza=1 press1=2000000 getArea getPress1", "press1",
        "inf", "0.000000 is the rounded 5.000 × 10⁻⁷; p = F / A used|Area is 0");
    row("overflow", "attrWin", "kas=1e38 fpOfstat=1e38 getF1d", "f1d", "inf",
        "Static friction force is inf: a number beyond");
    row("centimetres in metres", "fluidWin", "dens=1000 profond=5_cm getPress2", "press2",
        "49050.000000", "Depth: “5 cm” was read as 5 m; for 5 cm type 0.05");
}

void NotesTest::each_surprise_shows_its_note_beside_the_unchanged_result()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QStringList, noted);

    QWidget* tool = open(window);
    for (QString& step : steps)
        step.replace(QLatin1Char('_'), QLatin1Char(' '));
    run(tool, steps);
    QCOMPARE(find<QLineEdit>(tool, qPrintable(field))->text(), shown);
    const QString said = notes(tool);
    for (const QString& part : noted) {
        if (part.startsWith(QLatin1Char('!')))
            QVERIFY2(!said.contains(part.mid(1)), qPrintable(said));
        else
            QVERIFY2(said.contains(part), qPrintable(said));
    }
    auto* pane = tool->findChild<QPlainTextEdit*>(QStringLiteral("notes"));
    if (pane != nullptr) {
        QCOMPARE(pane->accessibleName(), QStringLiteral("Notes"));
        QVERIFY(pane->isReadOnly());
    }
}

void NotesTest::a_reading_mark_stays_on_the_field_until_it_is_edited()
{
    QWidget* tool = open(QStringLiteral("pianoWin"));
    run(tool, {QStringLiteral("height=1,5"), QStringLiteral("analyze")});
    auto* height = find<QLineEdit>(tool, "height");
    auto* mark = height->findChild<QAction*>(QStringLiteral("readingMark"));
    QVERIFY(mark != nullptr && mark->isVisible());
    QVERIFY(height->accessibleDescription().contains(QStringLiteral("was read as 1")));
    QVERIFY(height->toolTip().contains(QStringLiteral("was read as 1")));

    QTest::keyClick(height, Qt::Key_Backspace);
    QVERIFY(!mark->isVisible());
    QVERIFY(!height->accessibleDescription().contains(QStringLiteral("was read")));
    QVERIFY(!height->toolTip().contains(QStringLiteral("was read")));
}

void NotesTest::results_look_out_of_date_once_an_input_changes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("computed");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("button");
    const auto row = [](const char* name, const char* window, const char* computed,
                        const char* edit, const char* result, const char* button) {
        QTest::newRow(name) << QString::fromLatin1(window)
                            << QString::fromLatin1(computed).split(QLatin1Char(' '))
                            << QString::fromLatin1(edit) << QString::fromLatin1(result)
                            << QString::fromLatin1(button);
    };
    row("inclined plane", "pianoWin", "weight=10 height=3 base=4 lenght=5 analyze", "weight=20",
        "labPara", "analyze");
    row("moment of a force", "momWin", "power1=50 dist=0.25 alpha=30 getSimple", "power1=75", "rx1",
        "getSimple");
    row("relative error", "errWin", "setAbsForPerc=1 setMisuraForPerc=3 getRelPerc",
        "setMisuraForPerc=4", "getPercLabel", "getRelPerc");
    row("mean after another value", "errWin", "valToMedia=2 addToMedia getMedia",
        "valToMedia=4 addToMedia", "mediaLabel", "getMedia");
    row("computed friction force", "attrWin", "kas=0.5 fpOfstat=40 getF1d", "kas=0.6", "f1d",
        "getF1d");
}

void NotesTest::results_look_out_of_date_once_an_input_changes()
{
    QFETCH(QString, window);
    QFETCH(QStringList, computed);
    QFETCH(QString, edit);
    QFETCH(QString, result);
    QFETCH(QString, button);

    QWidget* tool = open(window);
    run(tool, computed);
    auto* shown = find<QLineEdit>(tool, qPrintable(result));
    const QColor fresh = shown->palette().color(QPalette::Text);
    QVERIFY(!shown->accessibleDescription().contains(QStringLiteral("Out of date")));

    run(tool, edit.split(QLatin1Char(' ')));
    QVERIFY2(shown->accessibleDescription().contains(QStringLiteral("Out of date")),
             qPrintable(shown->accessibleDescription()));
    QVERIFY(shown->palette().color(QPalette::Text) != fresh);

    run(tool, {button});
    QVERIFY(!shown->accessibleDescription().contains(QStringLiteral("Out of date")));
    QCOMPARE(shown->palette().color(QPalette::Text), fresh);
}

void NotesTest::return_in_a_group_computes_the_empty_or_the_computed_field_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    const auto row = [](const char* name, const char* window, const char* steps,
                        const char* shown) {
        QTest::newRow(name) << QString::fromLatin1(window)
                            << QString::fromLatin1(steps).split(QLatin1Char(' '))
                            << QString::fromLatin1(shown).split(QLatin1Char(' '));
    };
    row("static: the empty field", "attrWin", "kas=0.5 fpOfstat=40 fpOfstat<", "f1d=20.00");
    row("static: the computed field again", "attrWin",
        "kas=0.5 fpOfstat=40 fpOfstat< fpOfstat=50 kas<", "f1d=25.00 kas=0.5");
    row("static: nothing once the computed field is typed in", "attrWin",
        "kas=0.5 fpOfstat=40 fpOfstat< f1d=30 kas<", "f1d=30 kas=0.5 fpOfstat=40");
    row("dynamic: the coefficient", "attrWin", "fad=15 fpOfDinam=50 fad<", "kad=0.30");
    row("fluid: the area", "fluidWin", "forza=100 press1=25 forza<", "area=4.000000");
    row("fluid: the depth", "fluidWin", "dens=10 press2=196.2 press2<", "profond=2.000000");
}

void NotesTest::return_in_a_group_computes_the_empty_or_the_computed_field()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);

    QWidget* tool = open(window);
    run(tool, steps);
    for (const QString& expected : shown) {
        const QStringList parts = expected.split(QLatin1Char('='));
        QCOMPARE(find<QLineEdit>(tool, qPrintable(parts.at(0)))->text(), parts.at(1));
    }
}

void NotesTest::escape_and_ctrl_w_hide_a_tool_window_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Esc, inclined plane")
        << QStringLiteral("pianoWin") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W, friction")
        << QStringLiteral("attrWin") << QKeySequence(Qt::CTRL | Qt::Key_W);
    QTest::newRow("Esc, fluid") << QStringLiteral("fluidWin") << QKeySequence(Qt::Key_Escape);
}

void NotesTest::escape_and_ctrl_w_hide_a_tool_window()
{
    QFETCH(QString, window);
    QFETCH(QKeySequence, keys);
    QWidget* tool = open(window);
    QTest::keySequence(QApplication::focusWidget(), keys);
    QVERIFY(!tool->isVisible());
    QVERIFY(interface->launcher().isVisible());
}

void NotesTest::back_corrects_the_last_vector_and_cancel_asks_then_clears()
{
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    QWidget* vectors = test::topLevel(QStringLiteral("vectWin"));
    auto* countPanel = find<QDialog>(vectors, "firstPanel");
    auto* sheet = find<QDialog>(vectors, "newVectWin");
    auto* progress = find<QLabel>(sheet, "progress");
    const auto enter = [&](const char* name, const char* magnitude, const char* angle,
                           const char* code) {
        run(sheet, {QStringLiteral("name=") + QLatin1String(name),
                    QStringLiteral("power=") + QLatin1String(magnitude),
                    QStringLiteral("angle=") + QLatin1String(angle)});
        auto* where = find<QComboBox>(sheet, "where");
        where->setCurrentIndex(where->findText(QString::fromUtf8(code)));
        find<QPushButton>(sheet, "confirm")->click();
    };
    find<QLineEdit>(countPanel, "numberOfVectors")->setText(QStringLiteral("3"));
    find<QPushButton>(countPanel, "declareVectorsNumber")->click();
    QCOMPARE(progress->text(), QStringLiteral("Vector 1 of 3"));
    enter("A", "10", "0", "++");
    enter("B", "8", "120", "-+");
    QCOMPARE(progress->text(), QStringLiteral("Vector 3 of 3"));
    QVERIFY(notes(vectors).contains(QStringLiteral("B: the code -+ names a quadrant")));

    // Back on vector 3 brings B back to be corrected, and takes it off the
    // list.
    find<QPushButton>(sheet, "back")->click();
    QVERIFY(sheet->isVisible());
    QCOMPARE(progress->text(), QStringLiteral("Vector 2 of 3"));
    QCOMPARE(find<QLineEdit>(sheet, "name")->text(), QStringLiteral("B"));
    QCOMPARE(find<QLineEdit>(sheet, "power")->text(), QStringLiteral("8"));
    QCOMPARE(find<QComboBox>(sheet, "where")->currentText(), QStringLiteral("-+"));
    QCOMPARE(find<QPlainTextEdit>(vectors, "listOfVectors")->toPlainText(),
             QStringLiteral("A/10/0/++\n"));
    enter("B", "8", "60", "-+");
    enter("C", "1", "0", "y +");
    QCOMPARE(find<QPlainTextEdit>(vectors, "listOfVectors")->toPlainText(),
             QStringLiteral("A/10/0/++\nB/8/60/-+\nC/1/0/y +\n"));
    QCOMPARE(find<QLineEdit>(vectors, "rx")->text(), QStringLiteral("6.0000"));

    // Back on vector 1 returns to the count panel.
    find<QLineEdit>(countPanel, "numberOfVectors")->setText(QStringLiteral("2"));
    find<QPushButton>(countPanel, "declareVectorsNumber")->click();
    find<QPushButton>(sheet, "back")->click();
    QVERIFY(!sheet->isVisible());
    QVERIFY(countPanel->isVisible());

    // Cancel asks; No keeps the run, Yes ends it as Clear would.
    find<QPushButton>(countPanel, "declareVectorsNumber")->click();
    enter("A", "10", "0", "++");
    QVERIFY(interface->hasUnsavedWork());
    QTest::keyClick(sheet, Qt::Key_Escape);
    auto* question = sheet->findChild<QMessageBox*>(QStringLiteral("cancelRunQuestion"));
    QVERIFY(question != nullptr && question->isVisible());
    question->button(QMessageBox::No)->click();
    QVERIFY(sheet->isVisible());
    find<QPushButton>(sheet, "cancelRun")->click();
    question = sheet->findChild<QMessageBox*>(QStringLiteral("cancelRunQuestion"));
    QVERIFY(question != nullptr);
    question->button(QMessageBox::Yes)->click();
    QVERIFY(!sheet->isVisible());
    // The run is over; the log may still hold the earlier run's resultant.
    QCOMPARE(vectorStore::declared(), 0);
    QCOMPARE(find<QPlainTextEdit>(vectors, "listOfVectors")->toPlainText(), QString());
    QCOMPARE(find<QLineEdit>(vectors, "result")->text(), QString());
    QCOMPARE(vectorStore::entering(), 0);
}

void NotesTest::closing_the_launcher_asks_only_during_a_vector_run()
{
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    QWidget* vectors = test::topLevel(QStringLiteral("vectWin"));
    auto* countPanel = find<QDialog>(vectors, "firstPanel");
    find<QLineEdit>(countPanel, "numberOfVectors")->setText(QStringLiteral("2"));
    find<QPushButton>(countPanel, "declareVectorsNumber")->click();

    QVERIFY(!interface->launcher().close());
    auto* question = interface->launcher().findChild<QMessageBox*>(QStringLiteral("quitQuestion"));
    QVERIFY(question != nullptr && question->isVisible());
    question->button(QMessageBox::No)->click();
    QVERIFY(interface->launcher().isVisible());

    find<QPushButton>(vectors, "clear")->click();
    QVERIFY(!interface->hasUnsavedWork());
    QVERIFY(interface->launcher().close());
}

void NotesTest::count_panel_opens_over_its_window_with_its_whole_title()
{
    QWidget* vectors = test::topLevel(QStringLiteral("vectWin"));
    vectors->move(vectors->screen()->availableGeometry().topLeft() + QPoint(300, 200));
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    auto* countPanel = find<QDialog>(vectors, "firstPanel");
    QVERIFY(QTest::qWaitForWindowExposed(countPanel));
    QVERIFY(vectors->geometry().contains(countPanel->geometry().center()));
    QVERIFY(countPanel->width()
            > countPanel->fontMetrics().horizontalAdvance(countPanel->windowTitle()));
}

} // namespace

QTEST_MAIN(NotesTest)
#include "NotesTest.moc"
