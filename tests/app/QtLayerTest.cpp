// The Qt layer's own behaviour, the part no controller test can see: what
// Return, Tab, Escape and the launcher's keys do, which fields a user may
// type into, how the windows come and go, how text and pictures reach the
// screen, and how the program ends.
#include "Interface.h"
#include "VectorsController.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

using test::find;

QWidget* topLevel(const QString& name)
{
    QWidget* found = test::topLevel(name);
    if (found == nullptr)
        qFatal("no window named %s", qPrintable(name));
    return found;
}

// A window by its name, or one of the vector tool's two sheets.
QWidget* windowNamed(const QString& name)
{
    if (name == QLatin1String("firstPanel") || name == QLatin1String("newVectWin"))
        return find(topLevel(QStringLiteral("vectWin")), qPrintable(name));
    return topLevel(name);
}

// Runs the program's event loop, as main does, until the program is told to
// quit, or for at most two seconds; true when it was told to quit. The
// time-out dies with the call, so it cannot end a later test's loop.
bool quitsWhile(const std::function<void()>& userAction)
{
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    giveUp.start(2000);
    QTimer::singleShot(0, qApp, userAction);
    return QApplication::exec() == 0;
}

// For a picture of one vertical arrow: how much is drawn beside the shaft
// in the upper and in the lower third of it, where an arrow's head, and the
// axis through its tail, would be.
std::pair<int, int> besideTheShaft(const QImage& picture)
{
    const QRgb background = picture.pixel(0, 0);
    const auto ink = [&](int x, int y) { return picture.pixel(x, y) != background; };
    // The shaft: the longest unbroken vertical line of ink.
    int shaft = 0;
    int top = 0;
    int bottom = -1;
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0, start = 0; y <= picture.height(); ++y) {
            if (y < picture.height() && ink(x, y))
                continue;
            if (y - 1 - start > bottom - top) {
                shaft = x;
                top = start;
                bottom = y - 1;
            }
            start = y + 1;
        }
    }
    const int third = (bottom - top) / 3;
    int upper = 0;
    int lower = 0;
    for (int x = std::max(0, shaft - 8); x <= std::min(picture.width() - 1, shaft + 8); ++x) {
        // The shaft itself, however wide it is drawn, counts on neither side.
        int column = 0;
        for (int y = top; y <= bottom; ++y)
            column += ink(x, y) ? 1 : 0;
        if (column > (bottom - top) / 2)
            continue;
        for (int y = top; y <= bottom; ++y) {
            if (ink(x, y)) {
                upper += y < top + third ? 1 : 0;
                lower += y > bottom - third ? 1 : 0;
            }
        }
    }
    return {upper, lower};
}

class QtLayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void only_result_fields_are_read_only_data();
    void only_result_fields_are_read_only();
    void return_presses_its_groups_button_and_tab_none_data();
    void return_presses_its_groups_button_and_tab_none();
    void a_single_compute_button_is_the_default_data();
    void a_single_compute_button_is_the_default();
    void launcher_shortcut_opens_its_tool_data();
    void launcher_shortcut_opens_its_tool();
    void a_minimised_tool_comes_back_when_opened_data();
    void a_minimised_tool_comes_back_when_opened();
    void quit_ends_the_program();
    void closing_the_launcher_ends_the_program_with_a_tool_open();
    void opening_the_vector_tool_mid_run_attaches_no_second_sheet();
    void escape_mid_run_leaves_nothing_half_finished_and_hidden();
    void vector_names_reach_the_list_letter_for_letter_data();
    void vector_names_reach_the_list_letter_for_letter();
    void the_picture_draws_plus_y_upwards();

private:
    QWidget* launcher() { return &interface->launcher(); }
    QWidget* vectors() { return topLevel(QStringLiteral("vectWin")); }
    QDialog* newVector() { return find<QDialog>(vectors(), "newVectWin"); }
    // Opens a tool from the launcher's button and waits for its window, or
    // for the count panel of the vector tool.
    QWidget* open(const char* entry, const QString& window);
    // Begins a run of the vector tool with the given count.
    void declare(const char* count);
    // Types a vector on the new-vector sheet and adds it.
    void enter(const QString& name, const char* code);
    bool runUnderWay() const;

    std::unique_ptr<app::Interface> interface;
};

void QtLayerTest::init()
{
    vectorStore::reset();
    interface = std::make_unique<app::Interface>();
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(launcher()));
}

void QtLayerTest::cleanup()
{
    interface.reset();
}

QWidget* QtLayerTest::open(const char* entry, const QString& window)
{
    find<QPushButton>(launcher(), entry)->click();
    QWidget* shown = windowNamed(window);
    if (!QTest::qWaitForWindowActive(shown))
        qWarning("%s did not become active", qPrintable(window));
    return shown;
}

void QtLayerTest::declare(const char* count)
{
    QWidget* panel = open("awakeVectors", QStringLiteral("firstPanel"));
    auto* field = find<QLineEdit>(panel, "numberOfVectors");
    field->setText(QString::fromLatin1(count));
    find<QPushButton>(panel, "declareVectorsNumber")->click();
    if (!QTest::qWaitForWindowActive(newVector()))
        qWarning("the new-vector sheet did not become active");
}

void QtLayerTest::enter(const QString& name, const char* code)
{
    auto* nameField = find<QLineEdit>(newVector(), "name");
    nameField->clear();
    // Typed letter by letter, as a keyboard layout that has them sends them.
    for (const QChar letter : name) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(nameField, &press);
    }
    QCOMPARE(nameField->text(), name);
    find<QLineEdit>(newVector(), "power")->setText(QStringLiteral("10"));
    find<QLineEdit>(newVector(), "angle")->setText(QStringLiteral("0"));
    auto* where = find<QComboBox>(newVector(), "where");
    where->setCurrentIndex(where->findText(QString::fromLatin1(code)));
    find<QPushButton>(newVector(), "confirm")->click();
}

// A vector of the declared run is still to be entered.
bool QtLayerTest::runUnderWay() const
{
    const int number = vectorStore::entering();
    return number >= 1 && number <= vectorStore::declared()
           && vectorStore::slot(number - 1).code.empty();
}

void QtLayerTest::only_result_fields_are_read_only_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");
    const auto row = [](const char* window, const char* inputs, const char* results) {
        const auto names = [](const char* list) {
            return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow(window) << QString::fromLatin1(window) << names(inputs) << names(results);
    };
    row("pianoWin", "weight height base lenght", "dangolo db dh dl dorto dpara labOrto labPara");
    row("errWin", "setAbsForPerc setMisuraForPerc setRel setVal valToMedia",
        "absLabel getPercLabel getRelLabel mediaLabel");
    // Every field of a friction or fluid group is typed into and computed.
    row("attrWin", "f1d fad fpOfDinam fpOfstat kad kas", "");
    row("momWin", "alpha b dist power1 power2", "rx1 rx2");
    row("fluidWin", "area dens forza press1 press2 profond", "");
    row("vectWin", "", "listOfVectors result rx ry");
    row("firstPanel", "numberOfVectors", "");
    row("newVectWin", "angle name power", "");
}

void QtLayerTest::only_result_fields_are_read_only()
{
    QFETCH(QString, window);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    QWidget* shown = windowNamed(window);
    for (const auto& [names, result] : {std::pair{inputs, false}, std::pair{results, true}}) {
        for (const QString& name : names) {
            auto* field = shown->findChild<QWidget*>(name);
            QVERIFY2(field != nullptr, qPrintable(name));
            const QVariant readOnly = field->property("readOnly");
            QVERIFY2(readOnly.isValid(), qPrintable(name));
            QVERIFY2(readOnly.toBool() == result,
                     qPrintable(name
                                + (result ? QStringLiteral(" can be typed into")
                                          : QStringLiteral(" cannot be typed into"))));
        }
    }
}

void QtLayerTest::return_presses_its_groups_button_and_tab_none_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("button");
    const auto rows = [](const char* window, std::initializer_list<const char*> inputs,
                         const char* button) {
        for (const char* input : inputs) {
            QTest::addRow("%s %s", window, input)
                << QString::fromLatin1(window) << QString::fromLatin1(input)
                << QString::fromLatin1(button);
        }
    };
    rows("pianoWin", {"weight", "height", "base", "lenght"}, "analyze");
    rows("errWin", {"valToMedia"}, "addToMedia");
    rows("errWin", {"setRel", "setVal"}, "getAbs");
    rows("errWin", {"setAbsForPerc", "setMisuraForPerc"}, "getRelPerc");
    rows("momWin", {"power1", "dist", "alpha"}, "getSimple");
    rows("momWin", {"power2", "b"}, "getDouble");
    rows("firstPanel", {"numberOfVectors"}, "declareVectorsNumber");
    rows("newVectWin", {"name", "power", "angle"}, "confirm");
}

void QtLayerTest::return_presses_its_groups_button_and_tab_none()
{
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QString, button);
    static const QHash<QString, const char*> entries{
        {QStringLiteral("pianoWin"), "awakePiano"},
        {QStringLiteral("errWin"), "awakeErrori"},
        {QStringLiteral("momWin"), "awakeMomento"},
        {QStringLiteral("firstPanel"), "awakeVectors"},
    };
    QWidget* shown = nullptr;
    if (window == QLatin1String("newVectWin")) {
        declare("2");
        shown = newVector();
    } else {
        shown = open(entries.value(window), window);
    }
    auto* field = find<QLineEdit>(shown, qPrintable(input));
    const auto buttons = shown->findChildren<QPushButton*>();
    std::vector<std::unique_ptr<QSignalSpy>> presses;
    for (QPushButton* each : buttons)
        presses.push_back(std::make_unique<QSignalSpy>(each, &QPushButton::clicked));
    const auto pressed = [&] {
        QStringList names;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (!presses.at(static_cast<size_t>(i))->isEmpty())
                names.append(buttons.at(i)->objectName());
        }
        return names;
    };

    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("2"));
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != field);
    QCOMPARE(pressed(), QStringList());

    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(pressed(), QStringList{button});
}

void QtLayerTest::a_single_compute_button_is_the_default_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("inclined plane") << QStringLiteral("pianoWin") << QStringLiteral("analyze");
    QTest::newRow("count panel") << QStringLiteral("firstPanel")
                                 << QStringLiteral("declareVectorsNumber");
    QTest::newRow("new-vector sheet") << QStringLiteral("newVectWin") << QStringLiteral("confirm");
}

void QtLayerTest::a_single_compute_button_is_the_default()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QVERIFY(find<QPushButton>(windowNamed(window), qPrintable(button))->isDefault());
}

void QtLayerTest::launcher_shortcut_opens_its_tool_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("window");
    const char* windows[] = {"pianoWin", "errWin", "attrWin", "momWin", "vectWin", "fluidWin"};
    for (int digit = 1; digit <= 6; ++digit) {
        QTest::addRow("Ctrl+%d", digit)
            << digit << QString::fromLatin1(windows[static_cast<size_t>(digit - 1)]);
    }
}

void QtLayerTest::launcher_shortcut_opens_its_tool()
{
    QFETCH(int, digit);
    QFETCH(QString, window);
    QWidget* tool = topLevel(window);
    QVERIFY(QTest::qWaitForWindowActive(launcher()));
    QVERIFY(!tool->isVisible());

    QTest::keyClick(launcher(), static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::ControlModifier);

    QVERIFY(tool->isVisible());
}

void QtLayerTest::a_minimised_tool_comes_back_when_opened_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    for (const auto& [entry, window] :
         {std::pair{"awakePiano", "pianoWin"}, std::pair{"awakeErrori", "errWin"},
          std::pair{"awakeAttrito", "attrWin"}, std::pair{"awakeMomento", "momWin"},
          std::pair{"awakeVectors", "vectWin"}, std::pair{"awakeFluidPressure", "fluidWin"}}) {
        QTest::newRow(window) << QString::fromLatin1(entry) << QString::fromLatin1(window);
    }
}

void QtLayerTest::a_minimised_tool_comes_back_when_opened()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QWidget* tool = topLevel(window);
    tool->showMinimized();
    QVERIFY(tool->isMinimized());

    find<QPushButton>(launcher(), qPrintable(entry))->click();

    QVERIFY(tool->isVisible());
    QVERIFY(!tool->isMinimized());
}

void QtLayerTest::quit_ends_the_program()
{
    QAction* quit = find<QAction>(launcher(), "quitAction");
    QVERIFY(quitsWhile([quit] { quit->trigger(); }));
}

// Tool windows do not keep the program running once the launcher is closed.
void QtLayerTest::closing_the_launcher_ends_the_program_with_a_tool_open()
{
    open("awakePiano", QStringLiteral("pianoWin"));
    open("awakeMomento", QStringLiteral("momWin"));
    QVERIFY(quitsWhile([this] { launcher()->close(); }));
}

void QtLayerTest::opening_the_vector_tool_mid_run_attaches_no_second_sheet()
{
    declare("2");
    QVERIFY(newVector()->isVisible());

    find<QPushButton>(launcher(), "awakeVectors")->click();

    QVERIFY(newVector()->isVisible());
    QVERIFY(!find<QDialog>(vectors(), "firstPanel")->isVisible());
}

// Escape either leaves the sheet up, asks, or ends the run: never a run that
// waits for a sheet nobody can see.
void QtLayerTest::escape_mid_run_leaves_nothing_half_finished_and_hidden()
{
    declare("2");
    QVERIFY(runUnderWay());

    QTest::keyClick(newVector(), Qt::Key_Escape);

    bool asking = false;
    const auto boxes = QApplication::topLevelWidgets();
    for (QWidget* box : boxes)
        asking = asking || (qobject_cast<QMessageBox*>(box) != nullptr && box->isVisible());
    const auto children = vectors()->findChildren<QMessageBox*>();
    for (QMessageBox* box : children)
        asking = asking || box->isVisible();
    QVERIFY2(newVector()->isVisible() || asking || !runUnderWay(),
             "the new-vector sheet went away and left the run waiting for it");
}

void QtLayerTest::vector_names_reach_the_list_letter_for_letter_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Greek with a subscript") << QString::fromUtf8("\u03b1\u2081");
    QTest::newRow("Latin-1 letter") << QString::fromUtf8("F\u00e4");
}

void QtLayerTest::vector_names_reach_the_list_letter_for_letter()
{
    QFETCH(QString, name);
    declare("1");
    enter(name, "x +");
    QCOMPARE(find<QPlainTextEdit>(vectors(), "listOfVectors")->toPlainText(),
             name + QStringLiteral("/10/0/x +\n"));
}

// The arrow of a vector along +y has its head at the top of the screen, and
// the x axis, through its tail, at the bottom.
void QtLayerTest::the_picture_draws_plus_y_upwards()
{
    declare("1");
    enter(QStringLiteral("F"), "y +");
    QVERIFY(!newVector()->isVisible());
    const auto [upper, lower] = besideTheShaft(find(vectors(), "diagram")->grab().toImage());
    QVERIFY2(upper > lower,
             qPrintable(QStringLiteral("%1 pixels drawn beside the top of the arrow, %2 beside "
                                       "its foot")
                            .arg(upper)
                            .arg(lower)));
}

} // namespace

QTEST_MAIN(QtLayerTest)
#include "QtLayerTest.moc"
