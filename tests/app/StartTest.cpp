// Start-up as the program does it: the launcher first, the tools right after
// its first paint, and a launcher entry used before then still finds its tool.
#include "Interface.h"
#include "WindowHelpers.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>

namespace {

using test::find;
using test::topLevel;

class StartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tools_are_built_right_after_the_launchers_first_paint();
    void a_shortcut_pressed_at_once_opens_its_tool_data();
    void a_shortcut_pressed_at_once_opens_its_tool();
};

void StartTest::tools_are_built_right_after_the_launchers_first_paint()
{
    app::Interface interface(app::Interface::Start::LauncherFirst);
    QVERIFY(!interface.toolsBuilt());
    QCOMPARE(topLevel(QStringLiteral("pianoWin")), nullptr);

    interface.launcher().show();
    QTRY_VERIFY(interface.toolsBuilt());
    for (const char* name : {"pianoWin", "errWin", "attrWin", "momWin", "vectWin", "fluidWin"}) {
        QWidget* window = topLevel(QString::fromLatin1(name));
        QVERIFY2(window != nullptr, name);
        QVERIFY2(!window->isVisible(), name);
    }
    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    QVERIFY(find<QDialog>(vectors, "firstPanel") != nullptr);
    QVERIFY(find<QDialog>(vectors, "newVectWin") != nullptr);
}

void StartTest::a_shortcut_pressed_at_once_opens_its_tool_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("window");
    QTest::newRow("Ctrl+1") << QKeySequence(Qt::CTRL | Qt::Key_1) << QStringLiteral("pianoWin");
    QTest::newRow("Ctrl+5") << QKeySequence(Qt::CTRL | Qt::Key_5) << QStringLiteral("vectWin");
    QTest::newRow("Ctrl+6") << QKeySequence(Qt::CTRL | Qt::Key_6) << QStringLiteral("fluidWin");
}

void StartTest::a_shortcut_pressed_at_once_opens_its_tool()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, window);
    app::Interface interface(app::Interface::Start::LauncherFirst);
    QMainWindow& launcher = interface.launcher();
    launcher.show();
    launcher.activateWindow();
    // Straight into the shortcut map, before the event loop has run once:
    // the tools' build is still queued.
    QVERIFY(!interface.toolsBuilt());
    QTest::keySequence(launcher.windowHandle(), keys);

    QWidget* tool = topLevel(window);
    QVERIFY(tool != nullptr);
    QTRY_VERIFY(tool->isVisible());
}

} // namespace

QTEST_MAIN(StartTest)
#include "StartTest.moc"
