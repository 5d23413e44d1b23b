// Whole textbook problems through the real windows, one press each: the
// expected answers are worked out here by the book's own method, in double.
#include "Interface.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

using test::find;
using namespace Qt::StringLiterals;

constexpr double g = 9.81;

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// "field=text" typed, or a button pressed, one after another.
QStringList steps(const QString& listed)
{
    return listed.split(u"; "_qs);
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// A compass bearing from east or west, as the book gives a direction.
QString bearing(double x, double y)
{
    const double fromEastWest = std::atan(std::fabs(y) / std::fabs(x)) * 180.0 / std::numbers::pi;
    return QStringLiteral("%1° %2 of %3")
        .arg(fixed(fromEastWest, 2), QLatin1String(y > 0 ? "N" : "S"),
             QLatin1String(x > 0 ? "E" : "W"));
}

class TextbookTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        interface = std::make_unique<app::Interface>();
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
    }
    void cleanup() { interface.reset(); }

    void a_problem_gives_the_books_answer_in_one_press_data();
    void a_problem_gives_the_books_answer_in_one_press();
    void a_result_carried_into_another_tool_is_typed_there();
    void a_measurement_carried_into_a_tool_keeps_its_uncertainty();

private:
    std::unique_ptr<app::Interface> interface;
};

using Answers = QList<QPair<QString, QString>>; // field, text it shows

void TextbookTest::a_problem_gives_the_books_answer_in_one_press_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps"); // "field=text" typed, or a button pressed
    QTest::addColumn<Answers>("answers");

    {
        // A 62 kg skier on a 25° slope with 45.0 N of friction: μk = f / N.
        const double N = 62.0 * g * std::cos(radians(25.0));
        QTest::newRow("skier's kinetic coefficient")
            << u"awakePiano"_qs << u"pianoWin"_qs
            << steps(u"rampMass=62; rampAngle=25; rampFk=45.0; analyzeFriction"_qs)
            << Answers{{u"rampNormal"_qs, fixed(N, 2)}, {u"rampKdUsed"_qs, fixed(45.0 / N, 4)}};
    }
    {
        // A 5.0 kg block on a 30° ramp, μs 0.40, μk 0.30: tan 30° > μs, it
        // slides down with a = g (sin α − μk cos α).
        const double a = g * (std::sin(radians(30.0)) - 0.30 * std::cos(radians(30.0)));
        QTest::newRow("block sliding down a ramp")
            << u"awakePiano"_qs << u"pianoWin"_qs
            << steps(u"rampMass=5.0; rampAngle=30; rampKs=0.40; rampKd=0.30; analyzeFriction"_qs)
            << Answers{{u"rampAccel"_qs, fixed(a, 3)},
                       {u"rampFriction"_qs, fixed(0.30 * 5.0 * g * std::cos(radians(30.0)), 2)},
                       {u"rampVerdict"_qs, u"Slides down the ramp"_qs}};
    }
    {
        // A 20 kg crate pushed up a 20° ramp at steady speed, μk 0.25: P =
        // W (sin α + μk cos α); started from rest with μs 0.35.
        const double W = 20.0 * g;
        const double steady = W * (std::sin(radians(20.0)) + 0.25 * std::cos(radians(20.0)));
        const double start = W * (std::sin(radians(20.0)) + 0.35 * std::cos(radians(20.0)));
        QTest::newRow("push up a ramp") << u"awakePiano"_qs << u"pianoWin"_qs
                                        << steps(u"rampMass=20; rampAngle=20; rampKs=0.35; "
                                                 u"rampKd=0.25; rampPush=100; analyzeFriction"_qs)
                                        << Answers{{u"rampSteady"_qs, fixed(steady, 2)},
                                                   {u"rampStart"_qs, fixed(start, 2)},
                                                   {u"rampVerdict"_qs, u"Stays at rest"_qs}};
    }
    {
        // A 10 kg box resting on a 10° ramp, μs 0.50, μk 0.40, to be pushed
        // down it: μs · N − W∥ starts it, μk · N − W∥ keeps it going.
        const double N = 10.0 * g * std::cos(radians(10.0));
        const double along = 10.0 * g * std::sin(radians(10.0));
        QTest::newRow("push down a ramp") << u"awakePiano"_qs << u"pianoWin"_qs
                                          << steps(u"rampMass=10; rampAngle=10; rampKs=0.50; "
                                                   u"rampKd=0.40; rampPush=-1; analyzeFriction"_qs)
                                          << Answers{{u"rampStart"_qs, fixed(0.50 * N - along, 2)},
                                                     {u"rampSteady"_qs, fixed(0.40 * N - along, 2)},
                                                     {u"rampFriction"_qs, fixed(along + 1.0, 2)},
                                                     {u"rampAccel"_qs, fixed(0.0, 3)}};
    }
    {
        // The crate: 120 kg, μs 0.500, μk 0.300. (a) the largest push that does
        // not move it is μs · m g; (b) kept up, a = (P − μk · m g) / m.
        const double largest = 0.500 * 120.0 * g;
        const double a = (588.60 - 0.300 * 120.0 * g) / 120.0;
        QTest::newRow("crate") << "awakeAttrito" << u"attrWin"_qs
                               << steps(u"motionMass=120; motionKs=0.500; "
                                        u"motionKd=0.300; motionPush=588.60; getMotion"_qs)
                               << Answers{{u"motionStaticMax"_qs, fixed(largest, 2)},
                                          {u"motionAccel"_qs, fixed(a, 3)},
                                          {u"motionNet"_qs, fixed(588.60 - 0.300 * 120.0 * g, 2)},
                                          {u"motionVerdict"_qs, u"On the point of moving"_qs}};
    }
    {
        // A box of normal force 245 N pushed with 100 N, μs 0.40, μk 0.30:
        // 100 N beats 98 N of static friction; m = N / g.
        const double a = (100.0 - 0.30 * 245.0) / (245.0 / g);
        QTest::newRow("box given its normal force")
            << u"awakeAttrito"_qs << u"attrWin"_qs
            << steps(
                   u"motionNormal=245; motionKs=0.40; motionKd=0.30; motionPush=100; getMotion"_qs)
            << Answers{{u"motionFriction"_qs, fixed(0.30 * 245.0, 2)},
                       {u"motionAccel"_qs, fixed(a, 3)},
                       {u"motionVerdict"_qs, u"Moves"_qs}};
    }
    {
        // The walk: 12.0 m at 20° W of N, then 20.0 m at 40.0° S of W.
        const double x = 12.0 * std::cos(radians(110.0)) + 20.0 * std::cos(radians(220.0));
        const double y = 12.0 * std::sin(radians(110.0)) + 20.0 * std::sin(radians(220.0));
        QTest::newRow("walk") << "awakeVectors" << u"vectWin"_qs
                              << steps(u"numberOfVectors=2; declareVectorsNumber; "
                                       u"power=12.0; bearing=20° W of N; confirm; "
                                       u"power=20.0; bearing=40.0 S of W; confirm"_qs)
                              << Answers{{u"resultBearing"_qs, bearing(x, y)},
                                         {u"result"_qs, fixed(std::hypot(x, y), 4)},
                                         {u"resultDirection"_qs,
                                          fixed(180.0 + std::atan(y / x) * 180.0 / std::numbers::pi,
                                                2)}};
    }
    {
        // A plane flies 300 km at N30E, then 150 km at S60E, then 50 km due
        // W (in Italian, O).
        const double x = 300.0 * std::sin(radians(30.0)) + 150.0 * std::sin(radians(60.0)) - 50.0;
        const double y = 300.0 * std::cos(radians(30.0)) - 150.0 * std::cos(radians(60.0));
        QTest::newRow("flight")
            << "awakeVectors" << u"vectWin"_qs
            << steps(u"numberOfVectors=3; declareVectorsNumber; power=300; bearing=N30E; confirm; "
                     u"power=150; bearing=s60e; confirm; power=50; bearing=O; confirm"_qs)
            << Answers{{u"resultBearing"_qs, bearing(x, y)},
                       {u"rx"_qs, fixed(x, 4)},
                       {u"ry"_qs, fixed(y, 4)}};
    }
}

void TextbookTest::a_problem_gives_the_books_answer_in_one_press()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(Answers, answers);

    find<QAbstractButton>(&interface->launcher(), qPrintable(entry))->click();
    QWidget* tool = test::topLevel(window);
    QVERIFY(tool != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(tool));
    for (const QString& step : steps) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (equals < 0) {
            find<QAbstractButton>(tool, qPrintable(step))->click();
            continue;
        }
        auto* field = find<QLineEdit>(tool, qPrintable(step.left(equals)));
        field->clear();
        QTest::keyClicks(field, step.mid(equals + 1));
    }
    for (const auto& [name, shown] : answers) {
        auto* field = find<QLineEdit>(tool, qPrintable(name));
        QVERIFY2(field->isReadOnly(), qPrintable(name));
        QVERIFY2(field->text().startsWith(shown),
                 qPrintable(name + QStringLiteral(": ") + field->text() + QStringLiteral(" is not ")
                            + shown));
        QCOMPARE(test::accessibleValue(field), field->text());
        // A body that speeds up is never said to slow down.
        if (name == u"motionAccel"_qs && !shown.startsWith(u'-')) {
            auto* notes = tool->findChild<QPlainTextEdit*>(u"notes"_qs);
            QVERIFY(notes == nullptr || !notes->toPlainText().contains(u"slows down"_qs));
        }
    }
}

// Picks the input of the window titled so from the result's Carry to menu.
void carry(QLineEdit* result, const QString& window, const QString& input)
{
    Q_EMIT result->customContextMenuRequested(QPoint());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QCOMPARE(result->contextMenuPolicy(), Qt::CustomContextMenu); // a right-click opens it
    auto* carryMenu = find<QMenu>(menu, "carryMenu");
    QVERIFY(carryMenu->isEnabled()); // a result to carry
    QAction* entry = nullptr;
    for (QMenu* target : carryMenu->findChildren<QMenu*>()) {
        for (QAction* each : target->actions()) {
            if (target->title() == window && each->text() == input)
                entry = each;
        }
    }
    QVERIFY(entry != nullptr);
    entry->trigger();
    menu->close();
}

// The skier the long way: W⊥ from the ramp's angle group, carried from its
// context menu into friction's normal force, then μk = f / N there.
void TextbookTest::a_result_carried_into_another_tool_is_typed_there()
{
    find<QAbstractButton>(&interface->launcher(), "awakePiano")->click();
    QWidget* plane = test::topLevel(u"pianoWin"_qs);
    QVERIFY(QTest::qWaitForWindowExposed(plane));
    find<QLineEdit>(plane, "slopeMass")->setText(u"62"_qs);
    find<QLineEdit>(plane, "slopeAngle")->setText(u"25"_qs);
    find<QAbstractButton>(plane, "analyzeSlope")->click();
    auto* across = find<QLineEdit>(plane, "slopeOrto");
    carry(across, u"Friction"_qs, u"Normal force, dynamic"_qs);

    QWidget* friction = test::topLevel(u"attrWin"_qs);
    QVERIFY(QTest::qWaitForWindowActive(friction));
    auto* normal = find<QLineEdit>(friction, "fpOfDinam");
    QCOMPARE(normal->text(), across->text());
    QTRY_COMPARE(QApplication::focusWidget(), normal);
    find<QLineEdit>(friction, "fad")->setText(u"45.0"_qs);
    find<QAbstractButton>(friction, "getKd")->click();
    const double N = 62.0 * g * std::cos(radians(25.0));
    QCOMPARE(find<QLineEdit>(friction, "kad")->text(), fixed(45.0 / std::round(N * 100) * 100, 2));
}

// A lab: the lever's length measured five times with a ruler in cm, the
// sheet's x̄ ± Δx carried into torque's distance, read in metres with its
// uncertainty, and the moment with its own.
void TextbookTest::a_measurement_carried_into_a_tool_keeps_its_uncertainty()
{
    find<QAbstractButton>(&interface->launcher(), "awakeErrori")->click();
    QWidget* errors = test::topLevel(u"errWin"_qs);
    QVERIFY(QTest::qWaitForWindowExposed(errors));
    find<QAbstractButton>(errors, "showLabSheet")->click();
    find<QLineEdit>(errors, "unit")->setText(u"cm"_qs);
    find<QLineEdit>(errors, "resolution")->setText(u"0,1"_qs);
    for (const char* length : {"24.9", "25.1", "25,0", "25.2", "24.8"}) {
        find<QLineEdit>(errors, "valToMedia")->setText(QString::fromLatin1(length));
        find<QAbstractButton>(errors, "addToMedia")->click();
    }
    auto* result = find<QLineEdit>(errors, "result");
    QCOMPARE(result->text(), u"(25.0 \u00b1 0.2) cm"_qs);
    QVERIFY(result->dragEnabled());
    carry(result, u"Torque"_qs, u"Distance from the pivot"_qs);

    QWidget* torque = test::topLevel(u"momWin"_qs);
    QVERIFY(QTest::qWaitForWindowActive(torque));
    QCOMPARE(find<QLineEdit>(torque, "dist")->text(), result->text());
    find<QLineEdit>(torque, "power1")->setText(u"50 \u00b1 1"_qs);
    find<QLineEdit>(torque, "alpha")->setText(u"30 \u00b1 1"_qs);
    find<QAbstractButton>(torque, "getSimple")->click();
    QCOMPARE(find<QLineEdit>(torque, "rx1")->text(), u"6.25 Nm"_qs);
    // ΔM / M = 0.2 / 25 + 1 / 50 + cot 30° · π / 180 = 0.8 % + 2 % + 3.023 %.
    QCOMPARE(find<QPlainTextEdit>(torque, "uncertainties")->toPlainText(),
             u"M = (6.3 \u00b1 0.4) N\u00b7m"_qs);
}

} // namespace

QTEST_MAIN(TextbookTest)
#include "TextbookTest.moc"
