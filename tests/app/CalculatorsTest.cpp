// The four calculators' real windows on the offscreen platform: typed text,
// clicked buttons and Return, read back from the fields a user sees.
#include "ErrorController.h"
#include "Interface.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

class CalculatorsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void button_computes_from_the_typed_fields_data();
    void button_computes_from_the_typed_fields();
    void return_presses_the_button_that_computes_from_the_field_data();
    void return_presses_the_button_that_computes_from_the_field();
    void mean_counts_each_value_added_with_return_until_cleared();

private:
    // Opens a tool from the launcher and waits until it has the keyboard.
    QWidget* open(const QString& window);
    static QLineEdit* field(QWidget* window, const QString& name);
    static void type(QLineEdit* edit, const QString& text);

    app::Interface* interface = nullptr;
};

void CalculatorsTest::init()
{
    // The running mean outlives the windows; each test starts without one.
    runningMean::reset();
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void CalculatorsTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

QWidget* CalculatorsTest::open(const QString& window)
{
    static const QHash<QString, QString> entries{
        {QStringLiteral("errWin"), QStringLiteral("awakeErrori")},
        {QStringLiteral("attrWin"), QStringLiteral("awakeAttrito")},
        {QStringLiteral("momWin"), QStringLiteral("awakeMomento")},
        {QStringLiteral("fluidWin"), QStringLiteral("awakeFluidPressure")},
    };
    interface->launcher().findChild<QPushButton*>(entries.value(window))->click();
    const auto windows = QApplication::topLevelWidgets();
    const auto tool = std::find_if(windows.begin(), windows.end(), [&window](QWidget* candidate) {
        return candidate->objectName() == window;
    });
    if (tool == windows.end())
        qFatal("there is no window %s", qPrintable(window));
    if (!QTest::qWaitForWindowActive(*tool))
        qWarning("%s did not become active", qPrintable(window));
    return *tool;
}

QLineEdit* CalculatorsTest::field(QWidget* window, const QString& name)
{
    auto* edit = window->findChild<QLineEdit*>(name);
    if (edit == nullptr)
        qFatal("%s has no field %s", qPrintable(window->objectName()), qPrintable(name));
    return edit;
}

void CalculatorsTest::type(QLineEdit* edit, const QString& text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Rows of "field=text".
using Texts = QStringList;

void CalculatorsTest::button_computes_from_the_typed_fields_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<Texts>("shown");
    const auto row = [](const char* name, const char* window, Texts typed, const char* button,
                        int presses, Texts shown) {
        QTest::newRow(name) << QString::fromLatin1(window) << typed << QString::fromLatin1(button)
                            << presses << shown;
    };
    const auto t = [](const char* text) { return QString::fromUtf8(text); };

    row("absolute error", "errWin", {t("setRel=0.05"), t("setVal=20")}, "getAbs", 1,
        {t("absLabel=1.00")});
    row("relative error of 0.5 in 20", "errWin", {t("setAbsForPerc=0.5"), t("setMisuraForPerc=20")},
        "getRelPerc", 1, {t("getRelLabel=0.03"), t("getPercLabel=2.50")});

    // Every friction and fluid button, so that none is wired to another's
    // action.
    row("static friction force", "attrWin", {t("kas=0.5"), t("fpOfstat=40")}, "getF1d", 1,
        {t("f1d=20.00")});
    row("static coefficient", "attrWin", {t("f1d=10"), t("fpOfstat=30")}, "getKas", 1,
        {t("kas=0.33")});
    row("static normal force", "attrWin", {t("f1d=20"), t("kas=0.5")}, "getFpFromStat", 1,
        {t("fpOfstat=40.00")});
    row("dynamic friction force", "attrWin", {t("kad=0.3"), t("fpOfDinam=50")}, "getFad", 1,
        {t("fad=15.00")});
    row("dynamic coefficient", "attrWin", {t("fad=15"), t("fpOfDinam=")}, "getKd", 1,
        {t("kad=inf")});
    row("dynamic normal force", "attrWin", {t("fad=15"), t("kad=0.3")}, "getFpFromDinam", 1,
        {t("fpOfDinam=50.00")});

    // The unit is appended to what the field shows; a second press replaces
    // the whole text.
    row("moment of a force, pressed twice", "momWin", {t("power1=10"), t("dist=2"), t("alpha=90")},
        "getSimple", 2, {t("rx1=20.00 Nm")});
    row("moment of a couple, pressed twice", "momWin", {t("power2=5"), t("b=0.5")}, "getDouble", 2,
        {t("rx2=2.50 Nm")});

    row("force", "fluidWin", {t("press1=25"), t("area=4")}, "getPower", 1, {t("forza=100.000000")});
    row("area", "fluidWin", {t("forza=100"), t("press1=25")}, "getArea", 1, {t("area=4.000000")});
    row("pressure on the area", "fluidWin", {t("forza=100"), t("area=4")}, "getPress1", 1,
        {t("press1=25.000000")});
    row("density", "fluidWin", {t("profond=10"), t("press2=133")}, "getDens", 1,
        {t("dens=1.355760")});
    row("depth", "fluidWin", {t("dens=10"), t("press2=196.199997")}, "getH", 1,
        {t("profond=2.000000")});
    row("pressure at a depth", "fluidWin", {t("dens=10"), t("profond=2")}, "getPress2", 1,
        {t("press2=196.199997")});

    // Values with their uncertainty and a unit: the fixed result as before,
    // and beside it the result with its uncertainty, read out like the rest.
    row("ramp with uncertainties", "pianoWin",
        {t("weight=10 ± 0.1"), t("height=3 +/- 0.06"), t("base=4"), t("lenght=5 ± 1%")}, "analyze",
        1,
        {t("labPara=6.00"), t("uncertainties=W⊥ = (8.00 ± 0.16) N\nW∥ = (6.0 ± 0.2) N\n"
                              "α = (36.9 ± 1.3) °")});
    row("relative error with uncertainties", "errWin",
        {t("setAbsForPerc=0.5 ± 0.1"), t("setMisuraForPerc=20")}, "getRelPerc", 1,
        {t("getRelLabel=0.03"), t("uncertainties=ε = 0.025 ± 0.005\nε% = (2.5 ± 0.5) %")});
}

void CalculatorsTest::button_computes_from_the_typed_fields()
{
    QFETCH(QString, window);
    QFETCH(Texts, typed);
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(Texts, shown);
    QWidget* tool = open(window);

    for (const QString& entry : typed) {
        const auto [name, text] =
            std::pair{entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1)};
        type(field(tool, name), text);
    }
    auto* pushButton = tool->findChild<QPushButton*>(button);
    QVERIFY(pushButton != nullptr);
    for (int press = 0; press < presses; ++press)
        QTest::mouseClick(pushButton, Qt::LeftButton);

    for (const QString& entry : shown) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("uncertainties")) {
            auto* pane = tool->findChild<QPlainTextEdit*>(name);
            QVERIFY(pane != nullptr && pane->isVisible());
            const QString expected = entry.section(QLatin1Char('='), 1);
            QCOMPARE(QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Value),
                     expected);
            continue;
        }
        QLineEdit* result = field(tool, name);
        const QString expected = entry.section(QLatin1Char('='), 1);
        QCOMPARE(result->text(), expected);
        // What a screen reader is told.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(result);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Value), expected);
    }
}

void CalculatorsTest::return_presses_the_button_that_computes_from_the_field_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    // None where Return is left alone: the field is read by two buttons.
    QTest::addColumn<QStringList>("results");
    const auto row = [](const char* window, const char* input, QStringList results) {
        QTest::addRow("%s %s", window, input)
            << QString::fromLatin1(window) << QString::fromLatin1(input) << results;
    };
    row("errWin", "setRel", {QStringLiteral("absLabel")});
    row("errWin", "setMisuraForPerc",
        {QStringLiteral("getRelLabel"), QStringLiteral("getPercLabel")});
    row("momWin", "dist", {QStringLiteral("rx1")});
    row("momWin", "power2", {QStringLiteral("rx2")});
    row("attrWin", "kas", {});
    row("fluidWin", "press2", {});
}

void CalculatorsTest::return_presses_the_button_that_computes_from_the_field()
{
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QStringList, results);
    QWidget* tool = open(window);
    const auto edits = tool->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        if (!edit->isReadOnly())
            type(edit, QStringLiteral("2"));
    }
    QHash<QString, QString> before;
    for (QLineEdit* edit : edits)
        before.insert(edit->objectName(), edit->text());

    QTest::keyClick(field(tool, input), Qt::Key_Return);

    for (QLineEdit* edit : edits) {
        const QString name = edit->objectName();
        if (results.contains(name))
            QVERIFY2(edit->text() != before.value(name),
                     qPrintable(name + QStringLiteral(" was not computed")));
        else
            QCOMPARE(edit->text(), before.value(name));
    }
}

void CalculatorsTest::mean_counts_each_value_added_with_return_until_cleared()
{
    QWidget* errors = open(QStringLiteral("errWin"));
    QLineEdit* value = field(errors, QStringLiteral("valToMedia"));
    QLineEdit* mean = field(errors, QStringLiteral("mediaLabel"));
    auto* show = errors->findChild<QPushButton*>(QStringLiteral("getMedia"));
    auto* clear = errors->findChild<QPushButton*>(QStringLiteral("erase"));

    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(mean->text(), QStringLiteral("nan"));

    for (const char* text : {"2", "4", "9"}) {
        type(value, QString::fromLatin1(text));
        QTest::keyClick(value, Qt::Key_Return);
    }
    QCOMPARE(mean->text(), QStringLiteral("nan")); // adding shows nothing
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(mean->text(), QStringLiteral("5.00"));

    // Clearing forgets the values but leaves the mean on screen.
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(mean->text(), QStringLiteral("5.00"));
    type(value, QStringLiteral("2.5"));
    QTest::keyClick(value, Qt::Key_Return);
    QTest::mouseClick(show, Qt::LeftButton);
    QCOMPARE(mean->text(), QStringLiteral("2.50"));
}

} // namespace

QTEST_MAIN(CalculatorsTest)
#include "CalculatorsTest.moc"
