// What a press says besides its results, through the real windows on the
// offscreen platform: notes, marks, stale results, Return and the vector run.
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
#include <QRegularExpression>
#include <QTest>

namespace {

using test::find;

const QHash<QString, const char*> launcherEntries{
    {u"pianoWin"_qs, "awakePiano"},         {u"errWin"_qs, "awakeErrori"},
    {u"attrWin"_qs, "awakeAttrito"},        {u"momWin"_qs, "awakeMomento"},
    {u"fluidWin"_qs, "awakeFluidPressure"},
};

// A row's cells are texts, missing ones empty; lists in them are split at
// spaces, and "_" stands for a space inside an item.
void row(const char* name, std::initializer_list<const char*> cells)
{
    QStringList texts(6);
    std::transform(cells.begin(), cells.end(), texts.begin(),
                   [](const char* cell) { return QString::fromUtf8(cell); });
    QTest::newRow(name) << texts;
}

QStringList words(const QString& text)
{
    QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& part : parts)
        part.replace(QLatin1Char('_'), QLatin1Char(' '));
    return parts;
}

// "field=text" types the field anew, "field+=text" types on, "field<" presses
// Return in it; anything else clicks that button.
void run(QWidget* window, const QStringList& steps)
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
            edit->setFocus();
            if (!append)
                edit->clear();
            QTest::keyClicks(edit, step.mid(equals + 1));
        }
    }
}

QString notes(QWidget* window)
{
    auto* pane = window->findChild<QPlainTextEdit*>(u"notes"_qs);
    return pane != nullptr && pane->isVisible() ? pane->toPlainText() : QString();
}

void answer(const char* question, QMessageBox::StandardButton reply)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr && box->objectName() == QLatin1String(question));
    box->button(reply)->click();
}

// Return at a question gives its default answer.
void returnAt(const char* question)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr && box->objectName() == QLatin1String(question));
    QTest::keyClick(box, Qt::Key_Return);
}

class NotesTest : public QObject
{
    Q_OBJECT

    app::Interface* interface = nullptr;

    QWidget* open(const QString& window)
    {
        find<QPushButton>(&interface->launcher(), launcherEntries.value(window))->click();
        QWidget* tool = test::topLevel(window);
        (void)QTest::qWaitForWindowActive(tool); // for the keys sent to the focus
        return tool;
    }

private Q_SLOTS:
    void init()
    {
        runningMean::reset();
        vectorStore::reset();
        interface = new app::Interface;
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
    }
    void cleanup() { delete interface; }

    void a_press_shows_its_results_notes_and_marks_data()
    {
        // "shown" lists "field=text", or "field!words" for a field marked as
        // read otherwise than meant; each "|" part of "noted" is in the notes.
        QTest::addColumn<QStringList>("cells");
        // clang-format off
        row("decimal commas in the sides", {"pianoWin", "weight=10 height=1,5 base=2 lenght=2,5 analyze", "labOrto=8.00 labPara=6.00", "Height: “1,5” was read as 1.5 m.|Length: “2,5” was read as 2.5 m."});
        row("comma and point in a side", {"pianoWin", "weight=10 height=1,5.0 base=4 lenght=5 analyze", "labPara=2.00 height!was_read_as_1", "Height: “1,5.0” was read as 1"});
        row("letter o for a zero", {"pianoWin", "weight=o.3 height=3 base=4 lenght=5 analyze", "labOrto=0.00 weight!begins_with_a_letter", "Weight: “o.3”"});
        row("empty field", {"pianoWin", "weight=10 height=3 base= lenght=5 analyze", "labOrto=0.00 base!is_empty", "Base is empty"});
        row("height above length", {"pianoWin", "weight=10 height=6 base=4 lenght=5 analyze", "dangolo=nan", "no ramp has sin α"});
        row("length zero", {"pianoWin", "weight=10 height=3 base=4 lenght=0 analyze", "labOrto=inf", "Length is 0"});
        row("sides of no right triangle", {"pianoWin", "weight=10 height=3 base=3 lenght=5 analyze", "labOrto=6.00", "no right triangle: b² + h² = 18.00 but l² = 25.00"});
        row("Italian decimal commas in the mean", {"errWin", "valToMedia=1,02 addToMedia valToMedia=0,99 addToMedia", "mediaLabel=", "“0,99” was read as 0.99"});
        row("next reading replaces the last", {"errWin", "valToMedia=2.01 addToMedia valToMedia+=1.98 addToMedia", "valToMedia=1.98", ""});
        row("mean of nothing", {"errWin", "getMedia", "mediaLabel=nan", "No value has been added"});
        row("tiny relative error", {"errWin", "setAbsForPerc=0.3 setMisuraForPerc=67.7 getRelPerc", "getRelLabel=0.00", "4.431 × 10⁻³"});
        row("measure zero", {"errWin", "setAbsForPerc=1 setMisuraForPerc=0 getRelPerc", "getRelLabel=inf", "dividing by zero"});
        row("rounded coefficient read back", {"attrWin", "fad=15 fpOfDinam=49.05 getKd getFad", "fad=15.21", "0.31 is the rounded 0.3058…; F = k · N used 0.31"});
        row("zero over zero", {"attrWin", "f1d=0 fpOfstat=0 getKas", "kas=nan", "are both 0"});
        row("overflow", {"attrWin", "kas=1e38 fpOfstat=1e38 getF1d", "f1d=inf", "Static friction force is inf"});
        row("moment at 270 degrees", {"momWin", "power1=5 dist=2.5 alpha=270 getSimple", "rx1=-12.50_Nm", "A negative moment turns clockwise"});
        row("moment at 360 degrees", {"momWin", "power1=5 dist=2.5 alpha=360 getSimple", "rx1=-0.00_Nm", "a tiny negative number"});
        row("tiny area", {"fluidWin", "forza=1 press1=2000000 getArea", "area=0.000000", "5.000 × 10⁻⁷"});
        row("rounded area read back", {"fluidWin", "forza=1 press1=2000000 getArea getPress1", "press1=inf", "0.000000 is the rounded 5.000 × 10⁻⁷|Area is 0"});
        // A unit of the field's quantity converts; one of another quantity is ignored, and marked.
        row("centimetres in metres", {"momWin", "power1=165 dist=14_cm alpha=90 getSimple", "rx1=23.10_Nm", "“14 cm” was read as 0.14 m"});
        row("kilometres in metres", {"fluidWin", "dens=1000 profond=11.0_km getPress2", "press2=107910000.000000", "“11.0 km” was read as 11000 m"});
        row("atmospheres in pascals", {"fluidWin", "forza=101325 press1=1_atm getArea", "area=1.000000", "“1 atm” was read as 101325 Pa"});
        row("kilograms in newtons", {"momWin", "power1=2_kg dist=1 alpha=90 getSimple", "rx1=2.00_Nm power1!“kg”_after_the_number_was_ignored", "“kg” after the number was ignored"});
        // Return computes its group's empty field, else the one computed before unless typed in.
        row("Return, static: the empty field", {"attrWin", "kas=0.5 fpOfstat=40 fpOfstat<", "f1d=20.00", ""});
        row("Return, static: the computed field again", {"attrWin", "kas=0.5 fpOfstat=40 fpOfstat< fpOfstat=50 kas<", "f1d=25.00 kas=0.5", ""});
        row("Return, static: not a typed-in field", {"attrWin", "kas=0.5 fpOfstat=40 fpOfstat< f1d=30 kas<", "f1d=30 kas=0.5 fpOfstat=40", ""});
        row("Return, dynamic: the coefficient", {"attrWin", "fad=15 fpOfDinam=50 fad<", "kad=0.30", ""});
        row("Return, fluid: the area", {"fluidWin", "forza=100 press1=25 forza<", "area=4.000000", ""});
        row("Return, fluid: the depth", {"fluidWin", "dens=10 press2=196.2 press2<", "profond=2.000000", ""});
        // An edit dims the first result until its button is pressed again; a key hides the tool.
        row("stale inclined plane", {"pianoWin", "weight=10 height=3 base=4 lenght=5 analyze", "labPara=6.00", "", "weight=20", "Esc"});
        row("stale moment of a force", {"momWin", "power1=50 dist=0.25 alpha=30 getSimple", "rx1=6.25_Nm", "", "power1=75", "Ctrl+W"});
        row("stale relative error", {"errWin", "setAbsForPerc=1 setMisuraForPerc=4 getRelPerc", "getRelLabel=0.25", "", "setMisuraForPerc=5", "Esc"});
        row("stale mean after another value", {"errWin", "valToMedia=2 addToMedia getMedia", "mediaLabel=2.00", "", "valToMedia=4 addToMedia", "Ctrl+W"});
        row("stale friction force", {"attrWin", "kas=0.5 fpOfstat=40 getF1d", "f1d=20.00", "", "kas=0.6", "Esc"});
        row("stale fluid pressure", {"fluidWin", "dens=1000 profond=2 getPress2", "press2=19620.000000", "", "profond=3", "Ctrl+W"});
        // clang-format on
    }

    void a_press_shows_its_results_notes_and_marks()
    {
        QFETCH(QStringList, cells);
        const QString &window = cells[0], &steps = cells[1], &shown = cells[2];
        const QString &noted = cells[3], &edit = cells[4], &close = cells[5];
        QWidget* tool = open(window);
        run(tool, words(steps));
        for (const QString& part : noted.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            QVERIFY2(notes(tool).contains(part), qPrintable(notes(tool)));
        if (auto* pane = tool->findChild<QPlainTextEdit*>(u"notes"_qs))
            QVERIFY(pane->isReadOnly() && pane->accessibleName() == u"Notes"_qs);
        for (const QString& expected : words(shown)) {
            const qsizetype at = expected.indexOf(QRegularExpression(u"[=!]"_qs));
            auto* field = find<QLineEdit>(tool, qPrintable(expected.left(at)));
            const QString text = expected.mid(at + 1);
            if (expected.at(at) == QLatin1Char('=')) {
                QCOMPARE(field->text(), text);
                continue;
            }
            // The mark goes as soon as the field is edited.
            auto* mark = field->findChild<QAction*>(u"readingMark"_qs);
            QVERIFY(mark != nullptr && mark->isVisible());
            QCOMPARE((field->accessibleDescription() + field->toolTip()).count(text), 2);
            QTest::keyClick(field, '0');
            QVERIFY(!mark->isVisible()
                    && !(field->accessibleDescription() + field->toolTip()).contains(text));
        }
        if (!edit.isEmpty()) {
            auto* result = find<QLineEdit>(tool, qPrintable(shown.section(QLatin1Char('='), 0, 0)));
            const auto stale = [result] {
                return result->accessibleDescription().contains(u"Out of date"_qs);
            };
            const QColor fresh = result->palette().color(QPalette::Text);
            QVERIFY(!stale());
            run(tool, words(edit));
            QVERIFY(stale() && result->palette().color(QPalette::Text) != fresh);
            run(tool, {words(steps).constLast()});
            QVERIFY(!stale() && result->palette().color(QPalette::Text) == fresh);
        }
        if (!close.isEmpty()) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(close));
            QVERIFY(!tool->isVisible() && interface->launcher().isVisible());
        }
    }

    void each_input_dims_every_shown_result_of_its_group_data()
    {
        // window, steps that compute, the group's inputs, its results
        QTest::addColumn<QStringList>("cells");
        // clang-format off
        row("inclined plane", {"pianoWin", "weight=10 height=3 base=4 lenght=5 analyze", "weight height base lenght", "dorto dpara dh db dl dangolo labOrto labPara"});
        row("weight on a slope", {"pianoWin", "slopeWeight=50 slopeAngle=30 analyzeSlope", "slopeWeight slopeMass slopeAngle", "slopeW slopeOrto slopePara"});
        row("ramp with friction", {"pianoWin", "rampWeight=50 rampAngle=30 rampKs=0.2 rampKd=0.1 rampPush=5 analyzeFriction", "rampWeight rampMass rampAngle rampKs rampKd rampFk rampPush", "rampNormal rampPara rampStaticMax rampVerdict rampKdUsed rampFriction rampNet rampAccel rampStart rampSteady"});
        row("push across the ground", {"attrWin", "motionMass=10 motionPush=50 motionKs=0.4 motionKd=0.3 getMotion", "motionMass motionNormal motionPush motionKs motionKd", "motionStaticMax motionVerdict motionFriction motionNet motionAccel"});
        row("absolute error", {"errWin", "setRel=0.05 setVal=20 getAbs", "setRel setVal", "absLabel"});
        row("relative error", {"errWin", "setAbsForPerc=1 setMisuraForPerc=4 getRelPerc", "setAbsForPerc setMisuraForPerc", "getRelLabel getPercLabel"});
        row("moment of a force", {"momWin", "power1=10 dist=2 alpha=30 getSimple", "power1 dist alpha", "rx1"});
        row("moment of a couple", {"momWin", "power2=5 b=0.5 getDouble", "power2 b", "rx2"});
        // clang-format on
    }

    // Typing in an input while its results are empty announces nothing; once
    // they show, typing in any input dims all of them until the next press.
    void each_input_dims_every_shown_result_of_its_group()
    {
        QFETCH(QStringList, cells);
        QWidget* tool = open(cells[0]);
        const QStringList steps = words(cells[1]);
        QList<QLineEdit*> results;
        for (const QString& name : words(cells[3]))
            results.append(find<QLineEdit>(tool, qPrintable(name)));
        const auto stale = [](QLineEdit* result) {
            return result->accessibleDescription().contains(u"Out of date"_qs);
        };
        for (const QString& input : words(cells[2]))
            run(tool, {input + u"+=1"_qs});
        for (QLineEdit* result : results)
            QVERIFY2(!stale(result), qPrintable(result->objectName()));
        run(tool, steps);
        const QColor fresh = results.first()->palette().color(QPalette::Text);
        for (const QString& input : words(cells[2])) {
            run(tool, {input + u"+=1"_qs});
            for (QLineEdit* result : results) {
                QVERIFY2(!result->text().isEmpty() && stale(result)
                             && result->palette().color(QPalette::Text) != fresh,
                         qPrintable(input + u" left "_qs + result->objectName() + u" fresh"_qs));
            }
            run(tool, {steps.constLast()});
            for (QLineEdit* result : results)
                QVERIFY(!stale(result) && result->palette().color(QPalette::Text) == fresh);
        }
    }

    void a_press_with_nothing_to_note_clears_the_last_notes_data()
    {
        QTest::addColumn<QStringList>("cells"); // window, a noted press, a press without notes
        // clang-format off
        row("inclined plane", {"pianoWin", "weight=10 height=1,5 base=2 lenght=2,5 analyze", "height=3 base=4 lenght=5 analyze"});
        row("relative error", {"errWin", "setAbsForPerc=1 setMisuraForPerc=0 getRelPerc", "setMisuraForPerc=4 getRelPerc"});
        row("friction", {"attrWin", "f1d=0 fpOfstat=0 getKas", "f1d=20 fpOfstat=40 getKas"});
        row("torque", {"momWin", "power1=5 dist=2.5 alpha=270 getSimple", "alpha=0 getSimple"});
        row("fluid", {"fluidWin", "dens=1000 profond=5_cm getPress2", "profond=5 getPress2"});
        // clang-format on
    }

    void a_press_with_nothing_to_note_clears_the_last_notes()
    {
        QFETCH(QStringList, cells);
        QWidget* tool = open(cells[0]);
        run(tool, words(cells[1]));
        QVERIFY(!notes(tool).isEmpty());
        run(tool, words(cells[2]));
        QVERIFY2(!find(tool, "notes")->isVisible(), qPrintable(notes(tool)));
    }

    void a_vector_run_opens_over_its_window_and_can_go_back_cancel_or_hold_quitting()
    {
        QWidget* vectors = test::topLevel(u"vectWin"_qs);
        vectors->move(300, 200);
        run(&interface->launcher(), {u"awakeVectors"_qs});
        auto* panel = find<QDialog>(vectors, "firstPanel");
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QVERIFY(vectors->geometry().contains(panel->geometry().center()));
        QVERIFY(panel->width() > panel->fontMetrics().horizontalAdvance(panel->windowTitle()));
        auto* sheet = find<QDialog>(vectors, "newVectWin");
        auto* progress = find<QLabel>(sheet, "progress");
        auto* list = find<QPlainTextEdit>(vectors, "listOfVectors");
        auto* where = find<QComboBox>(sheet, "where");
        const auto enter = [&](const char* vector) {
            const QStringList parts = words(QString::fromLatin1(vector));
            run(sheet, {u"name="_qs + parts.at(0), u"power="_qs + parts.at(1),
                        u"angle="_qs + parts.at(2)});
            where->setCurrentIndex(where->findText(parts.at(3)));
            find<QPushButton>(sheet, "confirm")->click();
        };
        run(panel, {u"numberOfVectors=3"_qs, u"declareVectorsNumber"_qs});
        enter("A 10 0 ++");
        enter("B 8/1 120 -+"); // a slash the list's text also uses
        QCOMPARE(progress->text(), u"Vector 3 of 3"_qs);
        QVERIFY(notes(vectors).contains(u"B: the code -+ names a quadrant"_qs));
        // Quitting mid-run asks; Cancel, the answer Return gives, keeps
        // everything, and quitting asks again.
        QVERIFY(!interface->launcher().close());
        returnAt("quitQuestion");
        QVERIFY(!interface->launcher().close() && sheet->isVisible());
        answer("quitQuestion", QMessageBox::Cancel);

        // Back on vector 3 brings B back to be corrected, as it was typed.
        find<QPushButton>(sheet, "back")->click();
        QCOMPARE(progress->text(), u"Vector 2 of 3"_qs);
        QCOMPARE(find<QLineEdit>(sheet, "name")->text() + find<QLineEdit>(sheet, "power")->text()
                     + where->currentText(),
                 u"B8/1-+"_qs);
        QCOMPARE(list->toPlainText(), u"A/10/0/++\n"_qs);

        // Cancel (or Esc) asks; No (Return) keeps the run, Yes ends it as
        // Clear would, and quitting asks no more.
        QTest::keyClick(sheet, Qt::Key_Escape);
        returnAt("cancelRunQuestion");
        QVERIFY(sheet->isVisible());
        find<QPushButton>(sheet, "cancelRun")->click();
        answer("cancelRunQuestion", QMessageBox::Yes);
        QVERIFY(!sheet->isVisible() && !interface->hasUnsavedWork());
        QCOMPARE(vectorStore::declared() + vectorStore::entering(), 0);
        QCOMPARE(list->toPlainText(), QString());

        // Back on vector 1 returns to the count panel; Back later takes the
        // vector off the list and out of the store, as the resultant shows.
        run(panel, {u"numberOfVectors=2"_qs, u"declareVectorsNumber"_qs});
        find<QPushButton>(sheet, "back")->click();
        QVERIFY(!sheet->isVisible() && panel->isVisible());
        run(panel, {u"numberOfVectors=2"_qs, u"declareVectorsNumber"_qs});
        enter("B 8 120 -+");
        find<QPushButton>(sheet, "back")->click();
        enter("B 8 60 -+");
        enter("A 10 0 ++");
        QCOMPARE(list->toPlainText(), u"B/8/60/-+\nA/10/0/++\n"_qs);
        QCOMPARE(find<QLineEdit>(vectors, "rx")->text(), u"6.0000"_qs);
    }
};

} // namespace

QTEST_MAIN(NotesTest)
#include "NotesTest.moc"
