// Start-up as the program does it: the launcher first, the tools right after
// its first paint, and a launcher entry used before then still finds its tool.
#include "Interface.h"
#include "WindowHelpers.h"

#include <QTest>

namespace {

using test::topLevel;

class StartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tools_are_built_right_after_the_launchers_first_paint()
    {
        app::Interface interface(app::Interface::Start::LauncherFirst);
        QCOMPARE(topLevel(QStringLiteral("pianoWin")), nullptr);
        interface.launcher().show();
        QTRY_VERIFY(interface.toolsBuilt());
        for (const char* name :
             {"pianoWin", "errWin", "attrWin", "momWin", "vectWin", "fluidWin"}) {
            QWidget* window = topLevel(QString::fromLatin1(name));
            QVERIFY2(window != nullptr && !window->isVisible(), name);
        }
        for (const char* sheet : {"firstPanel", "newVectWin"})
            test::find(topLevel(QStringLiteral("vectWin")), sheet); // or a fatal error

        // What a tool offers beside its fields, and the vector list with
        // the text code it brings, wait for the window's first showing, even
        // after the event loop has polished the hidden window.
        QTest::qWait(50);
        const std::pair<const char*, QStringList> lazy[] = {
            {"pianoWin",
             {u"showWorking"_qs, u"numberHint"_qs, u"closeWindowAction"_qs, u"slopePart"_qs}},
            {"vectWin", {u"listOfVectors"_qs}}};
        for (const auto& [name, parts] : lazy) {
            QWidget* window = topLevel(QString::fromLatin1(name));
            for (const QString& part : parts)
                QVERIFY2(window->findChild<QObject*>(part) == nullptr, qPrintable(part));
            window->show();
            for (const QString& part : parts)
                QVERIFY2(window->findChild<QObject*>(part) != nullptr, qPrintable(part));
        }
    }

    void a_shortcut_pressed_at_once_opens_its_tool()
    {
        for (const auto& [digit, window] :
             {std::pair{1, "pianoWin"}, std::pair{5, "vectWin"}, std::pair{6, "fluidWin"}}) {
            app::Interface interface(app::Interface::Start::LauncherFirst);
            interface.launcher().show();
            interface.launcher().activateWindow();
            // Before the event loop has run once: the tools' build is still queued.
            QVERIFY(!interface.toolsBuilt());
            QTest::keySequence(interface.launcher().windowHandle(),
                               QKeySequence(Qt::CTRL | (Qt::Key_0 + digit)));
            QVERIFY2(topLevel(QString::fromLatin1(window)) != nullptr, window);
            QTRY_VERIFY2(topLevel(QString::fromLatin1(window))->isVisible(), window);
        }
    }
};

} // namespace

QTEST_MAIN(StartTest)
#include "StartTest.moc"
