// What the Qt layer alone decides: keys, which fields take typing, how the
// windows come and go, how names and pictures reach the screen, and the end.
#include "DrawingView.h"
#include "Interface.h"
#include "VectorsController.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using test::find;

// Each tool's launcher entry and window, in the launcher's order.
const std::pair<const char*, const char*> tools[] = {
    {"awakePiano", "pianoWin"}, {"awakeErrori", "errWin"},   {"awakeAttrito", "attrWin"},
    {"awakeMomento", "momWin"}, {"awakeVectors", "vectWin"}, {"awakeFluidPressure", "fluidWin"}};

const auto names = [](const char* list) {
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
};

// How much of a vertical arrow's picture is drawn beside its shaft (the longest
// unbroken vertical line of ink) in the upper and in the lower third.
std::pair<int, int> besideTheShaft(const QImage& picture)
{
    const auto ink = [&](int x, int y) { return picture.pixel(x, y) != picture.pixel(0, 0); };
    int shaft = 0, top = 0, bottom = -1;
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0, start = 0; y <= picture.height(); ++y) {
            if (y < picture.height() && ink(x, y))
                continue;
            if (y - 1 - start > bottom - top)
                std::tie(shaft, top, bottom) = std::tuple{x, start, y - 1};
            start = y + 1;
        }
    }
    int upper = 0, lower = 0;
    for (int x = std::max(0, shaft - 8); x <= std::min(picture.width() - 1, shaft + 8); ++x) {
        int column = 0;
        for (int y = top; y <= bottom; ++y)
            column += ink(x, y) ? 1 : 0;
        // The shaft itself, however wide it is drawn, counts on neither side.
        for (int y = top; y <= bottom && column <= (bottom - top) / 2; ++y) {
            upper += ink(x, y) && y < top + (bottom - top) / 3 ? 1 : 0;
            lower += ink(x, y) && y > bottom - (bottom - top) / 3 ? 1 : 0;
        }
    }
    return {upper, lower};
}

class QtLayerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<app::Interface> interface;
    QWidget* launcher() { return &interface->launcher(); }
    QWidget* vectors() { return window(QStringLiteral("vectWin")); }
    QWidget* newVector() { return find(vectors(), "newVectWin"); }
    // A tool window by its name, or the vector tool's count panel.
    QWidget* window(const QString& name)
    {
        if (name == QLatin1String("firstPanel"))
            return find(vectors(), "firstPanel");
        if (QWidget* found = test::topLevel(name))
            return found;
        qFatal("no window named %s", qPrintable(name));
    }

    // Shows a window (a sheet through its tool) and waits for it.
    QWidget* open(const QString& name)
    {
        if (name == QLatin1String("newVectWin"))
            return declare("2");
        name == QLatin1String("firstPanel") ? find<QPushButton>(launcher(), "awakeVectors")->click()
                                            : window(name)->show();
        if (!QTest::qWaitForWindowActive(window(name)))
            qWarning("%s did not become active", qPrintable(name));
        return window(name);
    }

    QWidget* declare(const char* count)
    {
        QWidget* panel = open(QStringLiteral("firstPanel"));
        find<QLineEdit>(panel, "numberOfVectors")->setText(QString::fromLatin1(count));
        find<QPushButton>(panel, "declareVectorsNumber")->click();
        if (!QTest::qWaitForWindowActive(newVector()))
            qWarning("the new-vector sheet did not become active");
        return newVector();
    }

    // Types a vector on the new-vector sheet and adds it.
    void enter(const QString& name, const char* code)
    {
        auto* nameField = find<QLineEdit>(newVector(), "name");
        nameField->clear();
        // Typed letter by letter, as a keyboard layout that has them sends them.
        for (const QChar letter : name) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(nameField, &press);
        }
        find<QLineEdit>(newVector(), "power")->setText(QStringLiteral("10"));
        find<QLineEdit>(newVector(), "angle")->setText(QStringLiteral("0"));
        auto* where = find<QComboBox>(newVector(), "where");
        where->setCurrentIndex(where->findText(QString::fromLatin1(code)));
        find<QPushButton>(newVector(), "confirm")->click();
    }

private Q_SLOTS:
    void init()
    {
        interface.reset();
        vectorStore::reset();
        interface = std::make_unique<app::Interface>();
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(launcher()));
    }

    void only_result_fields_are_read_only_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        const auto row = [](const char* window, const char* inputs, const char* results) {
            QTest::newRow(window) << QString::fromLatin1(window) << names(inputs) << names(results);
        };
        row("pianoWin", "weight height base lenght",
            "dangolo db dh dl dorto dpara labOrto labPara");
        row("errWin", "setAbsForPerc setMisuraForPerc setRel setVal valToMedia",
            "absLabel getPercLabel getRelLabel mediaLabel");
        // Every field of a friction or fluid group is typed into and computed.
        row("attrWin", "f1d fad fpOfDinam fpOfstat kad kas", "");
        row("momWin", "alpha b dist power1 power2", "rx1 rx2");
        row("fluidWin", "area dens forza press1 press2 profond", "");
        row("vectWin", "numberOfVectors angle name power bearing",
            "listOfVectors result rx ry resultDirection resultBearing");
    }

    void only_result_fields_are_read_only()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        // Some fields are built as their window is first shown.
        this->window(window)->show();
        for (const auto& [fields, result] : {std::pair{inputs, false}, std::pair{results, true}}) {
            for (const QString& name : fields)
                QVERIFY2(find(this->window(window), qPrintable(name))->property("readOnly")
                             == QVariant(result),
                         qPrintable(name));
        }
    }

    void return_presses_its_groups_button_and_tab_none_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        const auto rows = [](const char* window, const char* inputs, const char* button) {
            for (const QString& input : names(inputs)) {
                QTest::addRow("%s %s", window, qPrintable(input))
                    << QString::fromLatin1(window) << input << QString::fromLatin1(button);
            }
        };
        rows("pianoWin", "weight height base lenght", "analyze");
        rows("pianoWin", "slopeWeight slopeMass slopeAngle", "analyzeSlope");
        rows("pianoWin", "rampWeight rampMass rampAngle rampKs rampKd rampFk rampPush",
             "analyzeFriction");
        rows("attrWin", "motionMass motionNormal motionPush motionKs motionKd", "getMotion");
        rows("errWin", "valToMedia", "addToMedia");
        rows("errWin", "setRel setVal", "getAbs");
        rows("errWin", "setAbsForPerc setMisuraForPerc", "getRelPerc");
        rows("momWin", "power1 dist alpha", "getSimple");
        rows("momWin", "power2 b", "getDouble");
        rows("firstPanel", "numberOfVectors", "declareVectorsNumber");
        rows("newVectWin", "name power angle", "confirm");
    }

    void return_presses_its_groups_button_and_tab_none()
    {
        QFETCH(QString, window);
        QFETCH(QString, input);
        QFETCH(QString, button);
        QWidget* shown = open(window);
        auto* field = find<QLineEdit>(shown, qPrintable(input));
        // A window with a single compute button makes it the default.
        QVERIFY(!names("analyze declareVectorsNumber confirm").contains(button)
                || find<QPushButton>(shown, qPrintable(button))->isDefault());
        QStringList pressed;
        const QObject listening;
        for (QPushButton* each : shown->findChildren<QPushButton*>()) {
            connect(each, &QPushButton::clicked, &listening,
                    [&pressed, each] { pressed.append(each->objectName()); });
        }
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, QStringLiteral("2"));
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != field);
        QCOMPARE(pressed, QStringList());
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(pressed, QStringList{button});
    }

    void every_window_shown_twice_is_styled_hinted_once_and_keyed_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"pianoWin", "errWin", "attrWin", "momWin", "fluidWin", "vectWin", "newVectWin"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // Whatever is built on a window's first showing (its parts, the lab
    // sheet) is styled like the window's own fields and reached by its label's
    // key; the typing hint is added once however often the window shows.
    void every_window_shown_twice_is_styled_hinted_once_and_keyed()
    {
        QFETCH(QString, name);
        QWidget* shown = open(name);
        if (name == QLatin1String("newVectWin")) {
            enter(QStringLiteral("A"), "++");
        } else {
            // Offscreen, a window shown again while still the focus window
            // is not made active again; the launcher takes the focus between.
            shown->hide();
            launcher()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(launcher()));
            shown = open(name);
        }
        QCOMPARE(shown->findChildren<QLabel*>(QStringLiteral("numberHint")).size(), 1);
        if (auto* labSheet = shown->findChild<QPushButton*>(QStringLiteral("showLabSheet")))
            labSheet->click();
        for (QLineEdit* edit : shown->findChildren<QLineEdit*>()) {
            const QPalette colours = edit->palette();
            QVERIFY2(edit->isReadOnly()
                         ? colours.color(QPalette::Base) == colours.color(QPalette::Window)
                         : edit->maxLength() <= 256,
                     qPrintable(edit->objectName()));
        }
        // Offscreen, the sheet shown again is not made the active window, so
        // it takes no shortcuts there.
        if (name == QLatin1String("newVectWin"))
            return;
        QCOMPARE(QApplication::activeWindow(), shown);
        for (QLabel* label : shown->findChildren<QLabel*>()) {
            const QChar key = test::mnemonic(label->text());
            if (key.isNull() || !label->isVisible())
                continue;
            QTest::keyClick(shown, key.toLatin1(), Qt::AltModifier);
            QVERIFY2(label->buddy() != nullptr && QApplication::focusWidget() == label->buddy(),
                     qPrintable(QStringLiteral("Alt+") + key));
        }
    }

    // Shown, the sheet is on Tab's way on from its button, as the right
    // column comes after the left, and it is entered at its first field.
    void tab_goes_from_the_lab_sheet_button_into_the_sheet()
    {
        QWidget* errors = open(QStringLiteral("errWin"));
        auto* button = find<QPushButton>(errors, "showLabSheet");
        button->click();
        button->setFocus();
        QWidget* sheet = find(errors, "labSheet");
        QWidget* focus = button;
        for (int step = 0; step < 40 && !sheet->isAncestorOf(focus); ++step) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            QVERIFY2(focus != button, "Tab came round again without entering the sheet");
        }
        QCOMPARE(focus->objectName(), u"unit"_qs);
    }

    // The y axis of a drawing points up the screen, as in a textbook.
    void a_drawings_arrow_up_has_its_head_at_the_top()
    {
        platform::qt::DrawingView view;
        view.resize(view.sizeHint());
        view.drawArrow({1.0, -2.0}, {1.0, 3.0}, "", platform::Drawing::Ink::Force);
        const auto [upper, lower] = besideTheShaft(view.grab().toImage());
        QCOMPARE_GT(upper, lower);
    }

    // A quarter turn counter-clockwise from the right ends at the top with
    // its head pointing left: the head makes the top of the picture heavier
    // than its right-hand side, and its wings, back along the arc, widen it
    // no further than the arc's own square.
    void a_drawings_turn_ends_where_its_sweep_does()
    {
        platform::qt::DrawingView view;
        view.resize(view.sizeHint());
        view.drawTurn({0.0, 0.0}, 1.0, 0.0, 90.0, "", platform::Drawing::Ink::Force);
        const QImage picture = view.grab().toImage();
        const auto ink = [&](int x, int y) { return picture.pixel(x, y) != picture.pixel(0, 0); };
        QRect inked;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                inked |= ink(x, y) ? QRect(x, y, 1, 1) : QRect();
        }
        const int band = std::max(inked.width(), inked.height()) / 4;
        int top = 0, right = 0;
        for (int y = inked.top(); y <= inked.bottom(); ++y) {
            for (int x = inked.left(); x <= inked.right(); ++x) {
                top += ink(x, y) && y < inked.top() + band ? 1 : 0;
                right += ink(x, y) && x > inked.right() - band ? 1 : 0;
            }
        }
        QCOMPARE_GT(top, right);
        QCOMPARE_LT(inked.width(), inked.height());
    }

    void each_tool_opens_by_key_and_comes_back_minimised_data()
    {
        QTest::addColumn<int>("digit");
        for (int digit = 1; digit <= 6; ++digit)
            QTest::newRow(tools[digit - 1].second) << digit;
    }

    void each_tool_opens_by_key_and_comes_back_minimised()
    {
        QFETCH(int, digit);
        QWidget* tool = window(QString::fromLatin1(tools[digit - 1].second));
        QVERIFY(QTest::qWaitForWindowActive(launcher()));
        QVERIFY(!tool->isVisible());
        QTest::keyClick(launcher(), static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::ControlModifier);
        QVERIFY(tool->isVisible());

        tool->showMinimized();
        QVERIFY(tool->isMinimized());
        find<QPushButton>(launcher(), tools[digit - 1].first)->click();
        QVERIFY(tool->isVisible() && !tool->isMinimized());
    }

    // Quit ends the program, and so does closing the launcher: tool windows
    // and the results log left open do not keep it running.
    void the_program_ends_data()
    {
        QTest::addColumn<bool>("byQuit");
        QTest::newRow("Quit") << true;
        QTest::newRow("closing the launcher") << false;
    }

    void the_program_ends()
    {
        QFETCH(bool, byQuit);
        // Values left in the series by the tests before would make it ask.
        runningMean::reset();
        for (const char* entry : {"awakePiano", "awakeMomento"})
            find<QPushButton>(launcher(), entry)->click();
        find<QAction>(launcher(), "showResultsLogAction")->trigger();
        // The program's loop, as main runs it, for at most two seconds.
        const QObject thisTest;
        QTimer::singleShot(2000, &thisTest, [] { QCoreApplication::exit(1); });
        QAction* quit = find<QAction>(launcher(), "quitAction");
        QTimer::singleShot(0, qApp,
                           [=, this] { byQuit ? quit->trigger() : void(launcher()->close()); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Mid-run, opening the tool again attaches no second sheet, and Escape
    // either leaves the sheet up, asks, or ends the run: never a run that
    // waits for a sheet nobody can see.
    void mid_run_the_sheet_stays_in_reach()
    {
        const auto runUnderWay = [] {
            const int number = vectorStore::entering();
            return number >= 1 && number <= vectorStore::declared()
                   && vectorStore::slot(number - 1).code.empty();
        };
        declare("2");
        QVERIFY(newVector()->isVisible() && runUnderWay());
        find<QPushButton>(launcher(), "awakeVectors")->click();
        QVERIFY(newVector()->isVisible() && !window(QStringLiteral("firstPanel"))->isVisible());

        QTest::keyClick(newVector(), Qt::Key_Escape);
        const bool asking = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY2(newVector()->isVisible() || asking || !runUnderWay(),
                 "the new-vector sheet went away and left the run waiting for it");
    }

    void a_vector_reaches_the_list_letter_for_letter_and_the_picture_upwards_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Greek with a subscript") << QString::fromUtf8("\u03b1\u2081");
        QTest::newRow("Latin-1 letter") << QString::fromUtf8("F\u00e4");
    }

    // The arrow of a vector along +y has its head at the top of the screen,
    // and the x axis, through its tail, at the bottom.
    void a_vector_reaches_the_list_letter_for_letter_and_the_picture_upwards()
    {
        QFETCH(QString, name);
        declare("1");
        enter(name, "y +");
        QCOMPARE(find<QPlainTextEdit>(vectors(), "listOfVectors")->toPlainText(),
                 name + QStringLiteral("/10/0/y +\n"));
        const auto [upper, lower] = besideTheShaft(find(vectors(), "diagram")->grab().toImage());
        QCOMPARE_GT(upper, lower);
    }
};

} // namespace

QTEST_MAIN(QtLayerTest)
#include "QtLayerTest.moc"
