// The tools' drawings and new inputs in the real windows, offscreen.
#include "DiagramView.h"
#include "DrawingView.h"
#include "Interface.h"
#include "Painting.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

using test::find;

// Typical light and dark themes' colours; the dark highlight is dim, as is common.
QPalette themed(bool dark)
{
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {
        {QPalette::Window, dark ? 0x2a2e32 : 0xefefef},
        {QPalette::WindowText, dark ? 0xfcfcfc : 0x000000},
        {QPalette::Highlight, dark ? 0x1d547d : 0x308cc6},
        {QPalette::LinkVisited, dark ? 0x9b59b6 : 0xff00ff},
        {QPalette::PlaceholderText, dark ? 0x707070 : 0xa0a0a0}};
    QPalette palette;
    for (const auto& [role, rgb] : roles)
        palette.setColor(role, QColor(rgb));
    return palette;
}

// Whether the colour lies between the background and the other colour: an
// antialiased edge of a stroke in that colour.
bool blendOf(QRgb colour, QRgb background, QRgb other)
{
    double share = -1.0;
    for (const int shift : {16, 8, 0}) {
        const int c = int(colour >> shift & 0xff), b = int(background >> shift & 0xff);
        const int span = int(other >> shift & 0xff) - b;
        if (std::abs(span) < 8 && std::abs(c - b) > 8)
            return false;
        if (std::abs(span) < 8)
            continue;
        const double t = double(c - b) / span;
        if (t < -0.05 || t > 1.0 || (share >= 0.0 && std::abs(t - share) > 0.12))
            return false;
        share = t;
    }
    return true;
}

class DrawingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void a_tool_shows_what_its_inputs_give_data();
    void a_tool_shows_what_its_inputs_give();
    void contrast_gives_the_published_ratios_data();
    void contrast_gives_the_published_ratios();
    void a_screen_reader_hears_the_drawing_and_its_caption_data();
    void a_screen_reader_hears_the_drawing_and_its_caption();

private:
    std::unique_ptr<app::Interface> interface;
};

void DrawingsTest::init()
{
    interface.reset(); // one at a time
    interface = std::make_unique<app::Interface>();
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

// Steps apart by ";": "field=text" types into a line edit, "where=code"
// chooses a direction, "^field" presses Return in the field, "v combo" presses
// Down in a combo box, "vectors=m/angle/code,..." declares those vectors, and
// any other step clicks the button of that name.
void run(QWidget* window, const QString& steps)
{
    for (const QString& step : steps.split(QLatin1Char(';'))) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (step.startsWith(QStringLiteral("vectors="))) {
            const QStringList each = step.mid(equals + 1).split(QLatin1Char(','));
            run(window, QStringLiteral("numberOfVectors=%1;declareVectorsNumber").arg(each.size()));
            for (qsizetype i = 0; i < each.size(); ++i) {
                const QStringList v = each[i].split(QLatin1Char('/'));
                run(window, QStringLiteral("name=V%1;power=%2;angle=%3;where=%4;confirm")
                                .arg(QString::number(i + 1), v[0], v[1], v[2]));
            }
        } else if (step.startsWith(QLatin1Char('^'))) {
            QTest::keyClick(find<QLineEdit>(window, qPrintable(step.mid(1))), Qt::Key_Return);
        } else if (step.startsWith(QStringLiteral("v "))) {
            QTest::keyClick(find<QComboBox>(window, qPrintable(step.mid(2))), Qt::Key_Down);
        } else if (equals < 0) {
            find<QAbstractButton>(window, qPrintable(step))->click();
        } else if (step.startsWith(QStringLiteral("where="))) {
            auto* where = find<QComboBox>(window, "where");
            where->setCurrentIndex(where->findText(step.mid(equals + 1)));
        } else {
            auto* edit = find<QLineEdit>(window, qPrintable(step.left(equals)));
            edit->clear();
            QTest::keyClicks(edit, step.mid(equals + 1));
        }
    }
}

// A row's steps in a tool, then: the result field's text, the drawing's contrast
// in a light and a dark palette, the vector labels apart, and after the further
// steps what the drawing's description says.
void DrawingsTest::a_tool_shows_what_its_inputs_give_data()
{
    QTest::addColumn<QStringList>("row"); // window, steps, result, shown, drawing, after, said
    QTest::addColumn<bool>("dark");
    const char *piano = "awakePiano pianoWin", *friction = "awakeAttrito attrWin";
    const char *torque = "awakeMomento momWin", *fluid = "awakeFluidPressure fluidWin";
    const char *vectors = "awakeVectors vectWin", *diver = "dens=1025;profond=10;getPress2";
    const char* ramp = "weight=10;height=3;base=4;lenght=5;analyze";
    // clang-format off
    const char* rows[][8] = {
        {"ramp higher than long", piano, ramp, "", "", "rampDrawing", "height=6;analyze", "No ramp drawn"},
        {"ramp of no length", piano, ramp, "", "", "rampDrawing", "lenght=0;analyze", "No ramp drawn"},
        {"slope button", piano, "slopeWeight=50;slopeAngle=30;analyzeSlope", "slopeOrto", "43.30", "rampDrawing", "", ""},
        {"return in the angle", piano, "slopeWeight=50;slopeAngle=30;^slopeAngle", "slopePara", "25.00", "", "", ""},
        {"mass on the slope", piano, "slopeMass=12;slopeAngle=30;^slopeMass", "slopeW", "117.72", "", "", ""},
        {"mass to static N", friction, "mass=12;getFpFromMassStat", "fpOfstat", "117.72", "", "", ""},
        {"mass to dynamic N", friction, "mass=12;getFpFromMassDinam", "fpOfDinam", "117.72", "", "", ""},
        {"friction block", friction, "kas=0.5;fpOfstat=40;getF1d", "", "", "blockDrawing", "", ""},
        {"lever turned back", torque, "power1=10;dist=2;alpha=90;getSimple", "", "", "leverDrawing", "alpha=270;getSimple", "turning clockwise"},
        {"couple turned back", torque, "power2=5;b=0.5;getDouble", "", "", "leverDrawing", "power2=-5;getDouble", "turning clockwise"},
        {"surface pressure units", fluid, "forza=100;area=4;getPress1", "press1Units", "0.02500 kPa = 2.500 × 10⁻⁴ bar = 2.467 × 10⁻⁴ atm", "", "", ""},
        {"diver gauge", fluid, diver, "press2Gauge", "100.6 kPa = 1.006 bar = 0.9924 atm", "columnDrawing", "", ""},
        {"diver absolute", fluid, diver, "press2Absolute", "201.9 kPa = 2.019 bar = 1.992 atm", "", "", ""},
        {"diver absolute in pascals", fluid, diver, "press2AbsolutePascals", "201877.50", "", "", ""},
        {"resultant direction", vectors, "vectors=6/0/x +,5/60/-+,2/45/+-", "resultDirection", "30.68", "", "", ""},
        {"liquid preset from the keyboard", fluid, "dens=998;v densPreset;v densPreset", "dens", "1025", "", "", ""},
        {"two vectors", vectors, "vectors=10/30/++,1/0/y -", "", "", "diagram", "", ""},
        {"ten vectors", vectors, "vectors=1/0/++,2/9/++,3/18/++,1/27/++,2/36/++,3/45/++,1/54/++,2/63/++,3/72/++,1/81/++", "", "", "diagram", "", ""},
        {"one large among small vectors", vectors, "vectors=100/0/x +,1/30/++,1/60/-+,1/10/+-,2/0/y +", "", "", "diagram", "", ""}};
    // clang-format on
    for (const auto& row : rows) {
        QStringList texts;
        for (int i = 1; i < 8; ++i)
            texts << QString::fromUtf8(row[i]);
        QTest::addRow("%s, light", row[0]) << texts << false;
        if (*row[5] != '\0')
            QTest::addRow("%s, dark", row[0]) << texts << true;
    }
}

// Every colour on more than a few pixels, but the background and the edges
// between it and a stronger colour, is a stroke or label: it needs 4.5:1.
void DrawingsTest::a_tool_shows_what_its_inputs_give()
{
    QFETCH(QStringList, row);
    QFETCH(bool, dark);
    const QString &window = row[0], &steps = row[1], &result = row[2], &shown = row[3];
    const QString &drawing = row[4], &after = row[5], &said = row[6];
    const QStringList entry = window.split(QLatin1Char(' ')); // launcher button, window
    find<QAbstractButton>(&interface->launcher(), qPrintable(entry[0]))->click();
    QWidget* tool = test::topLevel(entry[1]);
    QVERIFY(tool != nullptr && QTest::qWaitForWindowExposed(tool));
    tool->setPalette(themed(dark));
    run(tool, steps);
    if (!result.isEmpty()) {
        auto* field = find<QLineEdit>(tool, qPrintable(result));
        QCOMPARE(field->text(), shown);
        // A value the tool found is read-only, unless it is also an input.
        QCOMPARE(field->isReadOnly(), !QStringLiteral("fpOfstat fpOfDinam dens").contains(result));
    }
    if (!drawing.isEmpty()) {
        QWidget* picture = find<QWidget>(tool, qPrintable(drawing));
        QVERIFY(!picture->accessibleDescription().isEmpty());
        const QImage image = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QHash<QRgb, int> counts;
        for (int i = 0; i < image.width() * image.height(); ++i)
            ++counts[image.pixel(i % image.width(), i / image.width())];
        const QRgb background =
            std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                return a.second < b.second;
            })->first;
        const int frequent = std::max(12, static_cast<int>(image.width() * image.height() / 4000));
        QList<QRgb> painted;
        for (const auto& [colour, count] : counts.asKeyValueRange())
            if (colour != background && count >= frequent)
                painted.append(colour);
        const auto ratio = [&](QRgb c) {
            return platform::qt::contrast(QColor(c), QColor(background));
        };
        int strokes = 0;
        for (const QRgb colour : painted) {
            if (std::any_of(painted.begin(), painted.end(), [&](QRgb other) {
                    return ratio(other) > ratio(colour) && blendOf(colour, background, other);
                }))
                continue; // an edge
            ++strokes;
            QVERIFY2(ratio(colour) >= 4.5, qPrintable(QColor(colour).name()));
        }
        QVERIFY2(strokes >= 2, "the drawing shows too little");
    }
    if (drawing == QStringLiteral("diagram")) {
        auto* diagram = find<platform::qt::DiagramView>(tool, "diagram");
        const auto& boxes = diagram->labelBoxes(); // each vector's and the resultant's
        QCOMPARE(boxes.size(), std::size_t(steps.count(QLatin1Char('/')) / 2 + 1));
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY(diagram->rect().contains(boxes[i].toAlignedRect()));
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                QVERIFY(!boxes[i].intersects(boxes[j]));
        }
    }
    if (!after.isEmpty()) {
        auto* view = find<platform::qt::DrawingView>(tool, qPrintable(drawing));
        QVERIFY(view->strokeCount() > 0 && !view->accessibleDescription().contains(said));
        const QImage before = view->grab().toImage();
        run(tool, after);
        QVERIFY(view->accessibleDescription().contains(said));
        QCOMPARE(view->strokeCount() == 0, said.startsWith(QStringLiteral("No ")));
        QVERIFY(view->grab().toImage() != before);
    }
}

// Ratios from the accessibility guidelines' own formula, as its checkers give
// them: each pair leans on another channel's weight.
void DrawingsTest::contrast_gives_the_published_ratios_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("red on white") << QColor(0xff0000) << QColor(Qt::white) << 4.00;
    QTest::newRow("blue on black") << QColor(0x0000ff) << QColor(Qt::black) << 2.44;
    QTest::newRow("green on black") << QColor(0x00ff00) << QColor(Qt::black) << 15.30;
    QTest::newRow("grey 777 on white") << QColor(0x777777) << QColor(Qt::white) << 4.48;
    QTest::newRow("white on the same") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
}

void DrawingsTest::contrast_gives_the_published_ratios()
{
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QFETCH(double, ratio);
    QCOMPARE_LT(std::abs(platform::qt::contrast(foreground, background) - ratio), 0.01);
    QCOMPARE_LT(std::abs(platform::qt::contrast(background, foreground) - ratio), 0.01);
}

void DrawingsTest::a_screen_reader_hears_the_drawing_and_its_caption_data()
{
    QTest::addColumn<QStringList>("row"); // window, steps, drawing, words heard once each
    const auto row = [](const char* name, const char* window, const char* steps,
                        const char* drawing, const char* heard) {
        QTest::newRow(name) << QStringList{QString::fromUtf8(window), QString::fromUtf8(steps),
                                           QString::fromUtf8(drawing), QString::fromUtf8(heard)};
    };
    row("friction", "awakeAttrito attrWin", "kas=0.5;fpOfstat=40;getF1d", "blockDrawing",
        "A block at rest|friction acts against it");
    row("fluid", "awakeFluidPressure fluidWin", "dens=1000;profond=2;getPress2", "columnDrawing",
        "A tank of liquid|the air adds 101325 Pa");
    row("no ramp", "awakePiano pianoWin", "weight=10;height=6;base=4;lenght=5;analyze",
        "rampDrawing", "No ramp drawn");
    row("a ramp after none", "awakePiano pianoWin",
        "weight=10;height=6;base=4;lenght=5;analyze;height=3;analyze", "rampDrawing",
        "A ramp rising|!No ramp drawn");
}

void DrawingsTest::a_screen_reader_hears_the_drawing_and_its_caption()
{
    QFETCH(QStringList, row);
    const QStringList entry = row[0].split(QLatin1Char(' '));
    find<QAbstractButton>(&interface->launcher(), qPrintable(entry[0]))->click();
    QWidget* tool = test::topLevel(entry[1]);
    QVERIFY(tool != nullptr && QTest::qWaitForWindowExposed(tool));
    run(tool, row[1]);
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(find(tool, qPrintable(row[2])));
    QVERIFY(picture != nullptr);
    const QString heard = picture->text(QAccessible::Description);
    // "!" marks words no longer said.
    for (const QString& words : row[3].split(QLatin1Char('|'))) {
        const bool gone = words.startsWith(QLatin1Char('!'));
        QVERIFY2(heard.count(words.mid(gone ? 1 : 0)) == (gone ? 0 : 1), qPrintable(heard));
    }
}

} // namespace

QTEST_MAIN(DrawingsTest)
#include "DrawingsTest.moc"
