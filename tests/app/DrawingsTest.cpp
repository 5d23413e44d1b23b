// The tools' drawings and textbook inputs in the real windows on the offscreen
// platform: each drawing rendered under a light and a dark palette and its
// colours measured against its background, what a drawing must and must not
// show, and the new fields and buttons wired to their results.
#include "DiagramView.h"
#include "DrawingView.h"
#include "Interface.h"
#include "Painting.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

namespace {

using test::find;

// Colours of typical light and dark desktop themes; the dark one's
// highlight is dim against its window, as many dark themes' are.
QPalette themed(bool dark)
{
    QPalette palette;
    const QColor window = dark ? QColor(0x2a, 0x2e, 0x32) : QColor(0xef, 0xef, 0xef);
    const QColor text = dark ? QColor(0xfc, 0xfc, 0xfc) : QColor(Qt::black);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Highlight,
                     dark ? QColor(0x1d, 0x54, 0x7d) : QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::LinkVisited, dark ? QColor(0x9b, 0x59, 0xb6) : QColor(Qt::magenta));
    palette.setColor(QPalette::PlaceholderText,
                     dark ? QColor(0x70, 0x70, 0x70) : QColor(0xa0, 0xa0, 0xa0));
    return palette;
}

// Whether the colour lies between the background and the other colour: an
// antialiased edge of a stroke in that colour.
bool blendOf(QRgb colour, QRgb background, QRgb other)
{
    const int channels[3][3] = {{qRed(colour), qRed(background), qRed(other)},
                                {qGreen(colour), qGreen(background), qGreen(other)},
                                {qBlue(colour), qBlue(background), qBlue(other)}};
    double share = -1.0;
    for (const auto& c : channels) {
        const int span = c[2] - c[1];
        if (std::abs(span) < 8) {
            if (std::abs(c[0] - c[1]) > 8)
                return false;
            continue;
        }
        const double t = double(c[0] - c[1]) / span;
        if (t < -0.05 || t > 1.0)
            return false;
        if (share >= 0.0 && std::abs(t - share) > 0.12)
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
    void cleanup();

    void drawing_strokes_and_labels_stand_out_in_light_and_dark_data();
    void drawing_strokes_and_labels_stand_out_in_light_and_dark();
    void an_impossible_ramp_draws_no_triangle_and_says_why_data();
    void an_impossible_ramp_draws_no_triangle_and_says_why();
    void the_turn_arrow_flips_with_the_sign_of_the_moment_data();
    void the_turn_arrow_flips_with_the_sign_of_the_moment();
    void new_inputs_are_wired_to_their_results_data();
    void new_inputs_are_wired_to_their_results();
    void choosing_a_liquid_fills_the_density_and_leaves_it_editable();
    void vector_labels_never_overlap_data();
    void vector_labels_never_overlap();

private:
    QWidget* open(const QString& window);
    void run(QWidget* window, const QStringList& steps);

    app::Interface* interface = nullptr;
};

void DrawingsTest::init()
{
    interface = new app::Interface;
    interface->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&interface->launcher()));
}

void DrawingsTest::cleanup()
{
    delete interface;
    interface = nullptr;
}

QWidget* DrawingsTest::open(const QString& window)
{
    static const QHash<QString, QString> entries{
        {QStringLiteral("pianoWin"), QStringLiteral("awakePiano")},
        {QStringLiteral("attrWin"), QStringLiteral("awakeAttrito")},
        {QStringLiteral("momWin"), QStringLiteral("awakeMomento")},
        {QStringLiteral("fluidWin"), QStringLiteral("awakeFluidPressure")},
        {QStringLiteral("vectWin"), QStringLiteral("awakeVectors")},
    };
    find<QAbstractButton>(&interface->launcher(), qPrintable(entries.value(window)))->click();
    QWidget* tool = test::topLevel(window);
    if (tool == nullptr)
        qFatal("there is no window %s", qPrintable(window));
    if (!QTest::qWaitForWindowExposed(tool))
        qWarning("%s was not exposed", qPrintable(window));
    return tool;
}

// "field=text" types into a line edit of the window or of one of its sheets,
// "where=code" chooses a direction, "^field" presses Return in the field, and
// any other step clicks the button of that name.
void DrawingsTest::run(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (step.startsWith(QLatin1Char('^'))) {
            QTest::keyClick(find<QLineEdit>(window, qPrintable(step.mid(1))), Qt::Key_Return);
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

using Steps = QStringList;

void DrawingsTest::drawing_strokes_and_labels_stand_out_in_light_and_dark_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<bool>("dark");
    const auto t = [](const char* text) { return QString::fromUtf8(text); };
    const struct
    {
        const char* name;
        const char* window;
        Steps steps;
        const char* drawing;
    } rows[] = {
        {"ramp from sides",
         "pianoWin",
         {t("weight=10"), t("height=3"), t("base=4"), t("lenght=5"), t("analyze")},
         "rampDrawing"},
        {"ramp at an angle",
         "pianoWin",
         {t("slopeWeight=50"), t("slopeAngle=30"), t("analyzeSlope")},
         "rampDrawing"},
        {"friction block",
         "attrWin",
         {t("kas=0.5"), t("fpOfstat=40"), t("getF1d")},
         "blockDrawing"},
        {"lever",
         "momWin",
         {t("power1=10"), t("dist=2"), t("alpha=30"), t("getSimple")},
         "leverDrawing"},
        {"couple", "momWin", {t("power2=5"), t("b=0.5"), t("getDouble")}, "leverDrawing"},
        {"liquid column",
         "fluidWin",
         {t("dens=1025"), t("profond=10"), t("getPress2")},
         "columnDrawing"},
        {"vectors",
         "vectWin",
         {t("numberOfVectors=2"), t("declareVectorsNumber"), t("name=A"), t("power=10"),
          t("angle=30"), t("where=++"), t("confirm"), t("name=B"), t("power=1"), t("angle=0"),
          t("where=y -"), t("confirm")},
         "diagram"},
    };
    for (const auto& row : rows) {
        for (const bool dark : {false, true}) {
            QTest::addRow("%s, %s", row.name, dark ? "dark" : "light")
                << t(row.window) << row.steps << t(row.drawing) << dark;
        }
    }
}

// Every colour painted on more than a few pixels, other than the background
// and the antialiased edges between it and a stronger colour, is a stroke or
// a label: each must reach the 4.5:1 asked of text.
void DrawingsTest::drawing_strokes_and_labels_stand_out_in_light_and_dark()
{
    QFETCH(QString, window);
    QFETCH(Steps, steps);
    QFETCH(QString, drawing);
    QFETCH(bool, dark);
    QWidget* tool = open(window);
    tool->setPalette(themed(dark));
    run(tool, steps);
    QWidget* picture = find<QWidget>(tool, qPrintable(drawing));
    QVERIFY(!picture->accessibleDescription().isEmpty());

    const QImage image = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    const int frequent = std::max(12, static_cast<int>(image.width() * image.height() / 4000));
    QList<QRgb> painted;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key() != background && it.value() >= frequent)
            painted.append(it.key());
    }
    const auto ratio = [background](QRgb colour) {
        return platform::qt::contrast(QColor(colour), QColor(background));
    };
    int strokes = 0;
    for (const QRgb colour : painted) {
        const bool edge = std::any_of(painted.begin(), painted.end(), [&](QRgb other) {
            return ratio(other) > ratio(colour) && blendOf(colour, background, other);
        });
        if (edge)
            continue;
        ++strokes;
        QVERIFY2(ratio(colour) >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(QColor(colour).name(), QColor(background).name())
                                .arg(ratio(colour), 0, 'f', 2)));
    }
    QVERIFY2(strokes >= 2, "the drawing shows too little");
}

void DrawingsTest::an_impossible_ramp_draws_no_triangle_and_says_why_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("length");
    QTest::newRow("higher than long") << QStringLiteral("6") << QStringLiteral("5");
    QTest::newRow("no length") << QStringLiteral("3") << QStringLiteral("0");
}

void DrawingsTest::an_impossible_ramp_draws_no_triangle_and_says_why()
{
    QFETCH(QString, height);
    QFETCH(QString, length);
    QWidget* piano = open(QStringLiteral("pianoWin"));
    auto* drawing = find<platform::qt::DrawingView>(piano, "rampDrawing");
    run(piano, {QStringLiteral("weight=10"), QStringLiteral("height=3"), QStringLiteral("base=4"),
                QStringLiteral("lenght=5"), QStringLiteral("analyze")});
    QVERIFY(drawing->strokeCount() > 0);
    const QImage drawn = drawing->grab().toImage();

    run(piano, {QStringLiteral("height=") + height, QStringLiteral("lenght=") + length,
                QStringLiteral("analyze")});
    QCOMPARE(drawing->strokeCount(), 0);
    QVERIFY(drawing->grab().toImage() != drawn);
    QVERIFY2(drawing->accessibleDescription().startsWith(QStringLiteral("No ramp drawn")),
             qPrintable(drawing->accessibleDescription()));
}

void DrawingsTest::the_turn_arrow_flips_with_the_sign_of_the_moment_data()
{
    QTest::addColumn<Steps>("positive");
    QTest::addColumn<Steps>("negative");
    const auto t = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("lever") << Steps{t("power1=10"), t("dist=2"), t("alpha=90"), t("getSimple")}
                           << Steps{t("alpha=270"), t("getSimple")};
    QTest::newRow("couple") << Steps{t("power2=5"), t("b=0.5"), t("getDouble")}
                            << Steps{t("power2=-5"), t("getDouble")};
}

// The arrow is drawn on a different side with its head the other way; the
// description says which way the moment turns.
void DrawingsTest::the_turn_arrow_flips_with_the_sign_of_the_moment()
{
    QFETCH(Steps, positive);
    QFETCH(Steps, negative);
    QWidget* torque = open(QStringLiteral("momWin"));
    QWidget* drawing = find<QWidget>(torque, "leverDrawing");
    run(torque, positive);
    const QImage counterClockwise = drawing->grab().toImage();
    QVERIFY(drawing->accessibleDescription().contains(QStringLiteral("counter-clockwise")));
    run(torque, negative);
    QVERIFY(drawing->accessibleDescription().contains(QStringLiteral("turning clockwise")));
    QVERIFY(drawing->grab().toImage() != counterClockwise);
}

void DrawingsTest::new_inputs_are_wired_to_their_results_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown");
    const auto t = [](const char* text) { return QString::fromUtf8(text); };
    QTest::newRow("slope button") << t(
        "pianoWin") << Steps{t("slopeWeight=50"), t("slopeAngle=30"), t("analyzeSlope")}
                                  << t("slopeOrto") << t("43.30");
    QTest::newRow("return in the angle")
        << t("pianoWin") << Steps{t("slopeWeight=50"), t("slopeAngle=30"), t("^slopeAngle")}
        << t("slopePara") << t("25.00");
    QTest::newRow("mass on the slope")
        << t("pianoWin") << Steps{t("slopeMass=12"), t("slopeAngle=30"), t("^slopeMass")}
        << t("slopeW") << t("117.72");
    QTest::newRow("mass to static N") << t("attrWin") << Steps{t("mass=12"), t("getFpFromMassStat")}
                                      << t("fpOfstat") << t("117.72");
    QTest::newRow("mass to dynamic N")
        << t("attrWin") << Steps{t("mass=12"), t("getFpFromMassDinam")} << t("fpOfDinam")
        << t("117.72");
    QTest::newRow("surface pressure units")
        << t("fluidWin") << Steps{t("forza=100"), t("area=4"), t("getPress1")} << t("press1Units")
        << t("0.02500 kPa = 0.0002500 bar = 0.0002467 atm");
    QTest::newRow("diver gauge") << t("fluidWin")
                                 << Steps{t("dens=1025"), t("profond=10"), t("getPress2")}
                                 << t("press2Gauge") << t("100.6 kPa = 1.006 bar = 0.9924 atm");
    QTest::newRow("diver absolute")
        << t("fluidWin") << Steps{t("dens=1025"), t("profond=10"), t("getPress2")}
        << t("press2Absolute") << t("201.9 kPa = 2.019 bar = 1.992 atm");
}

void DrawingsTest::new_inputs_are_wired_to_their_results()
{
    QFETCH(QString, window);
    QFETCH(Steps, steps);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    QWidget* tool = open(window);
    run(tool, steps);
    auto* field = find<QLineEdit>(tool, qPrintable(result));
    QCOMPARE(field->text(), shown);
    // A value the tool found is read-only, unless it is also an input.
    QCOMPARE(field->isReadOnly(), !result.startsWith(QStringLiteral("fpOf")));
}

void DrawingsTest::choosing_a_liquid_fills_the_density_and_leaves_it_editable()
{
    QWidget* fluid = open(QStringLiteral("fluidWin"));
    auto* liquids = find<QComboBox>(fluid, "densPreset");
    auto* density = find<QLineEdit>(fluid, "dens");
    run(fluid, {QStringLiteral("dens=998")});
    liquids->setFocus();
    QTest::keyClick(liquids, Qt::Key_Down); // fresh water
    QTest::keyClick(liquids, Qt::Key_Down); // sea water
    QCOMPARE(density->text(), QStringLiteral("1025"));
    QVERIFY(!density->isReadOnly());
    run(fluid, {QStringLiteral("profond=10"), QStringLiteral("getPress2")});
    QCOMPARE(find<QLineEdit>(fluid, "press2")->text(), QStringLiteral("100552.500000"));
}

void DrawingsTest::vector_labels_never_overlap_data()
{
    QTest::addColumn<Steps>("vectors"); // magnitude, angle, code for each
    Steps ten;
    for (int i = 0; i < 10; ++i)
        ten << QString::number(1 + i % 3) << QString::number(i * 9) << QStringLiteral("++");
    QTest::newRow("ten vectors") << ten;
    QTest::newRow("one large among small ones") << Steps{
        QStringLiteral("100"), QStringLiteral("0"),  QStringLiteral("x +"), QStringLiteral("1"),
        QStringLiteral("30"),  QStringLiteral("++"), QStringLiteral("1"),   QStringLiteral("60"),
        QStringLiteral("-+"),  QStringLiteral("1"),  QStringLiteral("10"),  QStringLiteral("+-"),
        QStringLiteral("2"),   QStringLiteral("0"),  QStringLiteral("y +")};
}

void DrawingsTest::vector_labels_never_overlap()
{
    QFETCH(Steps, vectors);
    QWidget* window = open(QStringLiteral("vectWin"));
    Steps steps{QStringLiteral("numberOfVectors=%1").arg(vectors.size() / 3),
                QStringLiteral("declareVectorsNumber")};
    for (qsizetype i = 0; i < vectors.size(); i += 3) {
        steps << QStringLiteral("name=V%1").arg(i / 3 + 1) << QStringLiteral("power=") + vectors[i]
              << QStringLiteral("angle=") + vectors[i + 1]
              << QStringLiteral("where=") + vectors[i + 2] << QStringLiteral("confirm");
    }
    run(window, steps);
    auto* diagram = find<platform::qt::DiagramView>(window, "diagram");
    diagram->grab();
    const auto& boxes = diagram->labelBoxes();
    QCOMPARE(boxes.size(), std::size_t(vectors.size() / 3 + 1)); // and the resultant
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY(diagram->rect().contains(boxes[i].toAlignedRect()));
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]),
                     qPrintable(QStringLiteral("labels %1 and %2").arg(i).arg(j)));
    }
}

} // namespace

QTEST_MAIN(DrawingsTest)
#include "DrawingsTest.moc"
