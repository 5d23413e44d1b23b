// Every tool window on a school laptop's screen (1280 x 720 logical pixels),
// with every pane and part it has open and full: it fits, it opens on the
// screen, its drawing takes the room it is given, and its sheets open over it.
#include "Interface.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QTest>

using test::find;
using test::topLevel;

namespace {

// What Qt lets a window shrink to must leave room for a title bar and a
// panel on the smallest screen students have.
constexpr QSize largestMinimum(1260, 650);

// "field=text" types into the field (or picks the item of a choice), any
// other step presses the button of that name.
void run(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (equals < 0) {
            find<QAbstractButton>(window, qPrintable(step))->click();
            continue;
        }
        QWidget* field = find(window, qPrintable(step.left(equals)));
        if (auto* choice = qobject_cast<QComboBox*>(field))
            choice->setCurrentIndex(choice->findText(step.mid(equals + 1)));
        else
            static_cast<QLineEdit*>(field)->setText(step.mid(equals + 1));
    }
}

class FitTest : public QObject
{
    Q_OBJECT

    app::Interface* interface = nullptr;

private Q_SLOTS:
    void init()
    {
        interface = new app::Interface;
        interface->launcher().show();
        QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
    }
    void cleanup() { delete interface; }

    void a_window_with_every_pane_open_fits_the_screen_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown"); // first what grows with the window
        const auto row = [](const char* entry, const char* window, const char* steps,
                            const char* shown) {
            QTest::newRow(window) << QString::fromLatin1(entry) << QString::fromLatin1(window)
                                  << QString::fromLatin1(steps).split(QLatin1Char(' '))
                                  << QString::fromLatin1(shown).split(QLatin1Char(' '));
        };
        // Each example leaves a note, and the working is asked for.
        row("awakePiano", "pianoWin",
            "showWorking weight=10 height=1,5 base=2 lenght=2,5 analyze slopeWeight=50 "
            "slopeAngle=30 analyzeSlope weight=10+-0.1 analyze",
            "rampDrawing notes working slopePara dpara uncertainties uncertaintyRule");
        row("awakeErrori", "errWin",
            "showWorking showLabSheet unit=m valToMedia=1,02 addToMedia valToMedia=2.03 "
            "addToMedia getMedia setRel=0.05 setVal=20 getAbs setAbsForPerc=0.3 "
            "setMisuraForPerc=67,7+-0,5 getRelPerc",
            "working labSheet notes copySheet getPercLabel uncertainties uncertaintyRule");
        row("awakeAttrito", "attrWin",
            "showWorking mass=12 getFpFromMassStat kas=0.5 getF1d fad=15 fpOfDinam=49.05 getKd "
            "kad=0.3+-0.01 getFad",
            "blockDrawing notes working getFpFromMassDinam fpOfDinam uncertainties "
            "uncertaintyRule");
        row("awakeMomento", "momWin",
            "showWorking power2=5 b=0.5 getDouble power1=5+-0.1 dist=2.5 alpha=270 getSimple",
            "leverDrawing notes working rx2 uncertainties uncertaintyRule");
        row("awakeFluidPressure", "fluidWin",
            "showWorking dens=1025 profond=10 getPress2 forza=1+-0.01 press1=2000000 getArea "
            "getPress1",
            "columnDrawing notes working press2Absolute densPreset uncertainties uncertaintyRule");
        row("awakeVectors", "vectWin",
            "numberOfVectors=2 declareVectorsNumber name=F1 power=6 angle=30 where=++ confirm "
            "name=F2 power=8+-0.2 angle=120 where=-+ confirm showWorking",
            "diagram notes working componentTable result uncertainties uncertaintyRule");
    }

    void a_window_with_every_pane_open_fits_the_screen()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        find<QAbstractButton>(&interface->launcher(), qPrintable(entry))->click();
        QWidget* tool = topLevel(window);
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        run(tool, steps);
        QApplication::processEvents();
        for (const QString& name : shown) {
            QWidget* part = find(tool, qPrintable(name));
            QVERIFY2(part->isVisible(), qPrintable(name + QStringLiteral(" is not shown")));
        }

        // A screen reader says each field's label with it: every field shown
        // is a label's buddy.
        QSet<const QWidget*> labelled;
        for (const QLabel* label : tool->findChildren<QLabel*>())
            labelled.insert(label->buddy());
        for (QLineEdit* field : tool->findChildren<QLineEdit*>()) {
            if (field->isVisible() && !field->parent()->inherits("QComboBox"))
                QVERIFY2(labelled.contains(field), qPrintable(field->objectName()));
        }

        const QSize minimum = tool->minimumSizeHint().expandedTo(tool->minimumSize());
        qInfo("%s: minimum %d x %d", qPrintable(window), minimum.width(), minimum.height());
        QVERIFY2(minimum.width() <= largestMinimum.width()
                     && minimum.height() <= largestMinimum.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(minimum.width()).arg(minimum.height())));
        const QRect screen = tool->screen()->availableGeometry();
        QVERIFY2(screen.contains(tool->frameGeometry()),
                 qPrintable(QStringLiteral("opened at %1,%2 %3 x %4")
                                .arg(tool->x())
                                .arg(tool->y())
                                .arg(tool->width())
                                .arg(tool->height())));

        // Room given to the window goes to the drawing too, both ways.
        QWidget* drawing = find(tool, qPrintable(shown.constFirst()));
        tool->resize(minimum);
        QApplication::processEvents();
        const QSize small = drawing->size();
        tool->resize(minimum + QSize(200, 150));
        QApplication::processEvents();
        QVERIFY2(drawing->width() > small.width() && drawing->height() > small.height(),
                 qPrintable(QStringLiteral("the drawing stays %1 x %2")
                                .arg(drawing->width())
                                .arg(drawing->height())));
    }

    void a_window_left_off_the_screen_opens_on_it()
    {
        QWidget* torque = topLevel(QStringLiteral("momWin"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QPoint corner : {screen.bottomRight() - QPoint(80, 60), QPoint(-300, -200)}) {
            torque->move(corner);
            find<QAbstractButton>(&interface->launcher(), "awakeMomento")->click();
            QVERIFY(QTest::qWaitForWindowExposed(torque));
            QVERIFY2(screen.contains(torque->frameGeometry()),
                     qPrintable(QStringLiteral("at %1,%2").arg(torque->x()).arg(torque->y())));
            torque->hide();
        }
    }

    void the_vector_sheets_open_centred_over_their_window_with_whole_titles()
    {
        QWidget* vectors = topLevel(QStringLiteral("vectWin"));
        find<QAbstractButton>(&interface->launcher(), "awakeVectors")->click();
        auto* panel = find<QDialog>(vectors, "firstPanel");
        auto* sheet = find<QDialog>(vectors, "newVectWin");
        const auto overWindow = [vectors](QDialog* shownSheet) {
            QVERIFY(QTest::qWaitForWindowExposed(shownSheet));
            QCOMPARE(shownSheet->windowModality(), Qt::WindowModal);
            const QPoint offset = shownSheet->geometry().center() - vectors->geometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(
                         shownSheet->objectName()
                         + QStringLiteral(" is %1,%2 off centre").arg(offset.x()).arg(offset.y())));
            // The title and, beside it, the title bar's icon and buttons.
            const int titleBar =
                shownSheet->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, shownSheet);
            QVERIFY2(shownSheet->width()
                         >= shownSheet->fontMetrics().horizontalAdvance(shownSheet->windowTitle())
                                + 3 * titleBar,
                     qPrintable(shownSheet->windowTitle()));
        };
        overWindow(panel);
        run(panel, {QStringLiteral("numberOfVectors=2"), QStringLiteral("declareVectorsNumber")});
        overWindow(sheet);
        // Shown again for the next vector after the window was moved.
        vectors->move(vectors->pos() + QPoint(120, 60));
        run(sheet, QStringLiteral("name=A power=1 angle=0 where=++ confirm").split(u' '));
        overWindow(sheet);
    }
};

} // namespace

// A screen of the size that a 1366 x 768 laptop, or a 1920 x 1080 one at
// 150 %, gives a program.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PHYSCALC_LAPTOP_SCREEN);
    QApplication application(argc, argv);
    FitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FitTest.moc"
