// The real windows on the offscreen platform: the launcher opens each tool,
// the vector tool's count panel is a window-modal sheet, the inclined plane
// computes from typed text, and every window can be used without a mouse.
#include "Interface.h"

#include "ApplicationIcon.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using test::accessibleValue;
using test::clickThroughWindow;
using test::find;
using test::mnemonic;
using test::topLevel;

// Every window and sheet the interface creates.
QList<QWidget*> allWindows()
{
    QList<QWidget*> windows;
    for (const char* name :
         {"launcherWin", "pianoWin", "errWin", "attrWin", "momWin", "vectWin", "fluidWin"}) {
        windows.append(topLevel(QString::fromLatin1(name)));
    }
    windows.append(find(windows.at(5), "firstPanel"));
    windows.append(find(windows.at(5), "newVectWin"));
    return windows;
}

bool isInput(QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return !edit->isReadOnly();
    return qobject_cast<QComboBox*>(widget) != nullptr;
}

class InterfaceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void launcher_entry_opens_its_tool_window_data();
    void launcher_entry_opens_its_tool_window();
    void reopening_a_tool_keeps_one_window_and_its_contents();
    void vectors_entry_attaches_the_count_panel_as_a_window_modal_sheet();
    void count_panel_blocks_the_vectors_window_but_not_the_launcher();
    void count_panel_cancel_closes_the_vector_tool_data();
    void count_panel_cancel_closes_the_vector_tool();
    void analyze_shows_the_worked_example_data();
    void analyze_shows_the_worked_example();
    void return_in_an_input_presses_analyze();

    void every_control_has_a_unique_accessible_name();
    void every_input_has_a_label_with_a_unique_mnemonic();
    void tab_reaches_every_input_in_reading_order();
    void window_titles_are_unique();
    void about_names_the_version_and_licence();
    void the_icon_is_built_in_at_every_window_size();
    void about_opened_again_reuses_its_box_and_icon();
    void inputs_cut_a_long_paste_at_their_limit_data();
    void inputs_cut_a_long_paste_at_their_limit();

private:
    app::Interface* interface = nullptr;
};

void InterfaceTest::init()
{
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void InterfaceTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

void InterfaceTest::launcher_entry_opens_its_tool_window_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    for (const char* via : {"button", "menu"}) {
        for (const auto& [entry, window] :
             {std::pair{"awakePiano", "pianoWin"}, std::pair{"awakeErrori", "errWin"},
              std::pair{"awakeAttrito", "attrWin"}, std::pair{"awakeMomento", "momWin"},
              std::pair{"awakeVectors", "vectWin"}, std::pair{"awakeFluidPressure", "fluidWin"}}) {
            const QString name =
                QString::fromLatin1(entry)
                + (qstrcmp(via, "menu") == 0 ? QStringLiteral("Action") : QString());
            QTest::addRow("%s by %s", entry, via) << name << QString::fromLatin1(window);
        }
    }
}

void InterfaceTest::launcher_entry_opens_its_tool_window()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QWidget* tool = topLevel(window);
    QVERIFY(tool != nullptr);
    QVERIFY(!tool->isVisible());

    if (entry.endsWith(QStringLiteral("Action")))
        find<QAction>(&interface->launcher(), qPrintable(entry))->trigger();
    else
        find<QPushButton>(&interface->launcher(), qPrintable(entry))->click();

    QVERIFY(tool->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(tool));
}

void InterfaceTest::reopening_a_tool_keeps_one_window_and_its_contents()
{
    QWidget* launcher = &interface->launcher();
    find<QPushButton>(launcher, "awakePiano")->click();
    QWidget* piano = topLevel(QStringLiteral("pianoWin"));
    find<QLineEdit>(piano, "weight")->setText(QStringLiteral("12.5"));
    find<QLineEdit>(piano, "labOrto")->setText(QStringLiteral("8.00"));
    piano->close();
    QVERIFY(!piano->isVisible());
    QVERIFY(launcher->isVisible());

    find<QPushButton>(launcher, "awakePiano")->click();
    find<QPushButton>(launcher, "awakePiano")->click();

    QCOMPARE(topLevel(QStringLiteral("pianoWin")), piano);
    QVERIFY(piano->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(piano));
    QCOMPARE(find<QLineEdit>(piano, "weight")->text(), QStringLiteral("12.5"));
    QCOMPARE(find<QLineEdit>(piano, "labOrto")->text(), QStringLiteral("8.00"));
}

void InterfaceTest::vectors_entry_attaches_the_count_panel_as_a_window_modal_sheet()
{
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();

    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    auto* panel = find<QDialog>(vectors, "firstPanel");
    QVERIFY(vectors->isVisible());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->parentWidget(), vectors);
    QCOMPARE(panel->windowModality(), Qt::WindowModal);
    QCOMPARE(QApplication::activeModalWidget(), panel);

    // Asking again while it is attached neither adds a window nor a sheet.
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    QCOMPARE(topLevel(QStringLiteral("vectWin")), vectors);
    QCOMPARE(vectors->findChildren<QDialog*>(Qt::FindDirectChildrenOnly).size(), 2);
}

void InterfaceTest::count_panel_blocks_the_vectors_window_but_not_the_launcher()
{
    QWidget* launcher = &interface->launcher();
    find<QPushButton>(launcher, "awakeVectors")->click();
    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    auto* clear = find<QPushButton>(vectors, "clear");
    QVERIFY(QTest::qWaitForWindowExposed(find<QDialog>(vectors, "firstPanel")));

    bool cleared = false;
    connect(clear, &QPushButton::clicked, this, [&cleared] { cleared = true; });
    clickThroughWindow(clear);
    QVERIFY2(!cleared, "the vectors window took a click while its sheet was attached");

    clickThroughWindow(find<QPushButton>(launcher, "awakePiano"));
    QVERIFY2(topLevel(QStringLiteral("pianoWin"))->isVisible(),
             "the launcher was blocked by the vector tool's sheet");

    // Without the sheet the same click gets through: the check above can fail.
    find<QDialog>(vectors, "firstPanel")->hide();
    clickThroughWindow(clear);
    QVERIFY(cleared);
}

void InterfaceTest::count_panel_cancel_closes_the_vector_tool_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
}

void InterfaceTest::count_panel_cancel_closes_the_vector_tool()
{
    QFETCH(bool, escape);
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    auto* panel = find<QDialog>(vectors, "firstPanel");
    QVERIFY(QTest::qWaitForWindowActive(panel));

    if (escape)
        QTest::keyClick(panel, Qt::Key_Escape);
    else
        find<QPushButton>(panel, "abort")->click();

    QVERIFY(!panel->isVisible());
    QVERIFY(!vectors->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Reopening attaches the count panel again.
    find<QPushButton>(&interface->launcher(), "awakeVectors")->click();
    QVERIFY(vectors->isVisible());
    QVERIFY(panel->isVisible());
}

void InterfaceTest::analyze_shows_the_worked_example_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("shown");
    // Fields shown: labOrto, labPara, dorto, dpara, dh, db, dl, dangolo.
    QTest::newRow("3-4-5 ramp") << QStringList{QStringLiteral("10"), QStringLiteral("3"),
                                               QStringLiteral("4"), QStringLiteral("5")}
                                << QStringList{QStringLiteral("8.00"), QStringLiteral("6.00"),
                                               QStringLiteral("8.00"), QStringLiteral("6.00"),
                                               QStringLiteral("3.00"), QStringLiteral("4.00"),
                                               QStringLiteral("5.00"), QStringLiteral("36.87")};
    // Decimal points are read and written the same in every locale.
    QTest::newRow("decimal weight")
        << QStringList{QStringLiteral("2.5"), QStringLiteral("3"), QStringLiteral("4"),
                       QStringLiteral("5")}
        << QStringList{QStringLiteral("2.00"), QStringLiteral("1.50"), QStringLiteral("2.00"),
                       QStringLiteral("1.50"), QStringLiteral("3.00"), QStringLiteral("4.00"),
                       QStringLiteral("5.00"), QStringLiteral("36.87")};
    QTest::newRow("empty length") << QStringList{QStringLiteral("10"), QStringLiteral("3"),
                                                 QStringLiteral("4"), QString()}
                                  << QStringList{QStringLiteral("inf"),  QStringLiteral("inf"),
                                                 QStringLiteral("inf"),  QStringLiteral("inf"),
                                                 QStringLiteral("3.00"), QStringLiteral("4.00"),
                                                 QStringLiteral("0.00"), QStringLiteral("nan")};
}

void InterfaceTest::analyze_shows_the_worked_example()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, shown);
    find<QPushButton>(&interface->launcher(), "awakePiano")->click();
    QWidget* piano = topLevel(QStringLiteral("pianoWin"));
    QVERIFY(QTest::qWaitForWindowActive(piano));

    const char* inputNames[] = {"weight", "height", "base", "lenght"};
    for (int i = 0; i < 4; ++i) {
        auto* field = find<QLineEdit>(piano, inputNames[i]);
        field->clear();
        QTest::keyClicks(field, inputs.at(i));
    }
    QTest::mouseClick(find<QPushButton>(piano, "analyze"), Qt::LeftButton);

    const char* shownNames[] = {"labOrto", "labPara", "dorto", "dpara",
                                "dh",      "db",      "dl",    "dangolo"};
    for (int i = 0; i < 8; ++i) {
        auto* field = find<QLineEdit>(piano, shownNames[i]);
        QCOMPARE(field->text(), shown.at(i));
        QVERIFY(field->isReadOnly());
        // What a screen reader is told.
        QCOMPARE(accessibleValue(field), shown.at(i));
    }
}

void InterfaceTest::return_in_an_input_presses_analyze()
{
    find<QPushButton>(&interface->launcher(), "awakePiano")->click();
    QWidget* piano = topLevel(QStringLiteral("pianoWin"));
    QVERIFY(QTest::qWaitForWindowActive(piano));
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>(piano, "weight"));

    for (const auto& [name, text] : {std::pair{"weight", "10"}, std::pair{"height", "3"},
                                     std::pair{"base", "4"}, std::pair{"lenght", "5"}}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(find<QLineEdit>(piano, "lenght"), Qt::Key_Return);

    QCOMPARE(find<QLineEdit>(piano, "labOrto")->text(), QStringLiteral("8.00"));
    QCOMPARE(find<QLineEdit>(piano, "dangolo")->text(), QStringLiteral("36.87"));
}

void InterfaceTest::every_control_has_a_unique_accessible_name()
{
    for (QWidget* window : allWindows()) {
        QSet<QString> names;
        const auto controls = window->findChildren<QWidget*>();
        for (QWidget* control : controls) {
            const bool named = qobject_cast<QLineEdit*>(control) != nullptr
                               || qobject_cast<QPlainTextEdit*>(control) != nullptr
                               || qobject_cast<QAbstractButton*>(control) != nullptr
                               || qobject_cast<QComboBox*>(control) != nullptr;
            // Qt's own helpers (qt_menubar_ext_button, ...) are not ours to name.
            if (!named || control->window() != window
                || control->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            const QString name = control->accessibleName();
            QVERIFY2(!name.isEmpty(),
                     qPrintable(window->objectName() + QLatin1Char('/') + control->objectName()
                                + QStringLiteral(" has no accessible name")));
            QVERIFY2(!names.contains(name),
                     qPrintable(window->objectName() + QStringLiteral(": two controls are called ")
                                + name));
            names.insert(name);
        }
    }
}

void InterfaceTest::every_input_has_a_label_with_a_unique_mnemonic()
{
    for (QWidget* window : allWindows()) {
        QHash<QWidget*, QLabel*> labelled;
        QSet<QChar> mnemonics;
        const auto checkMnemonic = [&](const QString& text) {
            const QChar key = mnemonic(text);
            if (key.isNull())
                return;
            QVERIFY2(!mnemonics.contains(key),
                     qPrintable(window->objectName() + QStringLiteral(": Alt+") + key
                                + QStringLiteral(" is used twice")));
            mnemonics.insert(key);
        };
        const auto labels = window->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->window() != window)
                continue;
            if (label->buddy() != nullptr)
                labelled.insert(label->buddy(), label);
            checkMnemonic(label->text());
        }
        const auto buttons = window->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            if (button->window() == window)
                checkMnemonic(button->text());
        }
        const auto inputs = window->findChildren<QWidget*>();
        for (QWidget* input : inputs) {
            if (input->window() != window || !isInput(input))
                continue;
            QVERIFY2(labelled.contains(input),
                     qPrintable(window->objectName() + QLatin1Char('/') + input->objectName()
                                + QStringLiteral(" has no label")));
            QVERIFY2(!mnemonic(labelled.value(input)->text()).isNull(),
                     qPrintable(input->objectName() + QStringLiteral("'s label has no mnemonic")));
        }
    }
}

void InterfaceTest::tab_reaches_every_input_in_reading_order()
{
    for (QWidget* window : allWindows()) {
        // Positions exist once a window is laid out.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // A tool's panes and notes, built later, take their places too.
        if (auto* working = window->findChild<QPushButton*>(QStringLiteral("showWorking"))) {
            const auto buttons = window->findChildren<QPushButton*>();
            for (QPushButton* button : buttons) {
                if (!button->isCheckable() && button->window() == window)
                    button->click();
            }
            working->click();
            if (auto* sheet = window->findChild<QPushButton*>(QStringLiteral("showLabSheet")))
                sheet->click();
            QVERIFY(find(window, "working")->isVisible());
        }
        QList<QWidget*> expected;
        const auto widgets = window->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->window() == window && (widget->focusPolicy() & Qt::TabFocus)
                && (isInput(widget) || qobject_cast<QLineEdit*>(widget) != nullptr
                    || qobject_cast<QPlainTextEdit*>(widget) != nullptr
                    || qobject_cast<QAbstractButton*>(widget) != nullptr)) {
                expected.append(widget);
            }
        }
        // Follow the focus chain once round the window.
        QList<QWidget*> reached;
        QWidget* current = window;
        do {
            current = current->nextInFocusChain();
            if (current->window() == window && expected.contains(current)
                && !reached.contains(current))
                reached.append(current);
        } while (current != window);
        for (QWidget* widget : expected) {
            QVERIFY2(reached.contains(widget),
                     qPrintable(window->objectName() + QLatin1Char('/') + widget->objectName()
                                + QStringLiteral(" cannot be reached with Tab")));
        }
        // Reading order: every widget is reached after those above it (or to
        // its left in the same row), or it starts a column right of all
        // those reached before it; Tab never goes back to a column left.
        int rightEdge = 0;
        int column = 0;
        for (qsizetype i = 1; i < reached.size(); ++i) {
            const QPoint before = reached.at(i - 1)->mapTo(window, QPoint(0, 0));
            const QPoint after = reached.at(i)->mapTo(window, QPoint(0, 0));
            const bool sameRow =
                qAbs(before.y() - after.y())
                < std::min(reached.at(i - 1)->height(), reached.at(i)->height()) / 2;
            rightEdge = std::max(rightEdge, before.x() + reached.at(i - 1)->width());
            const bool newColumn = !sameRow && after.y() < before.y() && after.x() >= rightEdge;
            if (newColumn)
                column = rightEdge;
            QVERIFY2(
                after.x() >= column
                    && (newColumn || (sameRow ? before.x() < after.x() : before.y() < after.y())),
                qPrintable(window->objectName() + QStringLiteral(": Tab goes from ")
                           + reached.at(i - 1)->objectName() + QStringLiteral(" to ")
                           + reached.at(i)->objectName()
                           + QStringLiteral(" against the reading order")));
        }
    }
}

void InterfaceTest::window_titles_are_unique()
{
    QSet<QString> titles;
    for (QWidget* window : allWindows()) {
        const QString title = window->windowTitle();
        QVERIFY2(!title.isEmpty(),
                 qPrintable(window->objectName() + QStringLiteral(" has no title")));
        QVERIFY2(!titles.contains(title),
                 qPrintable(QStringLiteral("two windows are titled ") + title));
        titles.insert(title);
    }
}

void InterfaceTest::about_names_the_version_and_licence()
{
    find<QAction>(&interface->launcher(), "aboutAction")->trigger();
    auto* about = find<QMessageBox>(&interface->launcher(), "aboutBox");
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(
        about->text().contains(QRegularExpression(QStringLiteral("PhysCalc \\d+\\.\\d+\\.\\d+"))));
    QVERIFY(about->text().contains(QStringLiteral("MIT licence")));
    // It does not block the program: the launcher still opens tools.
    find<QPushButton>(&interface->launcher(), "awakePiano")->click();
    QVERIFY(topLevel(QStringLiteral("pianoWin"))->isVisible());
}

void InterfaceTest::the_icon_is_built_in_at_every_window_size()
{
    const QIcon icon = platform::qt::applicationIcon();
    for (const int size : {16, 24, 32, 48, 64}) {
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Not a blank square: the drawing is there.
        QVERIFY2(image.pixelColor(size / 2, size / 2).alpha() > 0,
                 qPrintable(QString::number(size)));
        // Its corners let the desktop show through.
        QVERIFY2(image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() == 0,
                 qPrintable(QString::number(size)));
    }
}

void InterfaceTest::about_opened_again_reuses_its_box_and_icon()
{
    QAction* aboutAction = find<QAction>(&interface->launcher(), "aboutAction");
    aboutAction->trigger();
    auto* first = find<QMessageBox>(&interface->launcher(), "aboutBox");
    const qint64 icon = first->iconPixmap().cacheKey();
    first->close();
    aboutAction->trigger();
    QCOMPARE(interface->launcher().findChildren<QMessageBox*>().size(), 1);
    QCOMPARE(find<QMessageBox>(&interface->launcher(), "aboutBox"), first);
    QCOMPARE(first->iconPixmap().cacheKey(), icon);
}

void InterfaceTest::inputs_cut_a_long_paste_at_their_limit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("weight") << "pianoWin"
                            << "weight" << 256;
    QTest::newRow("value to the mean") << "errWin"
                                       << "valToMedia" << 256;
    QTest::newRow("vector magnitude") << "newVectWin"
                                      << "power" << 256;
    QTest::newRow("vector name") << "newVectWin"
                                 << "name" << 64;
}

void InterfaceTest::inputs_cut_a_long_paste_at_their_limit()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(int, limit);
    QWidget* sheet = nullptr;
    for (QWidget* candidate : allWindows()) {
        if (candidate->objectName() == window)
            sheet = candidate;
    }
    QVERIFY(sheet != nullptr);
    auto* edit = find<QLineEdit>(sheet, qPrintable(field));
    edit->setText(QString(100'000, QLatin1Char('7')));
    QCOMPARE(edit->text().size(), limit);
}

} // namespace

QTEST_MAIN(InterfaceTest)
#include "InterfaceTest.moc"
