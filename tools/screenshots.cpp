// Renders every window of PhysCalc to PNG, with a worked example typed into
// each tool, for the README and for looking at a change. Run it through
// scripts/screenshots, which picks the offscreen platform.
#include "Interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

QWidget* topLevel(const QString& name)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (widget->objectName() == name)
            return widget;
    }
    std::fprintf(stderr, "no window named %s\n", qPrintable(name));
    std::exit(1);
}

template <class Child>
Child* child(QWidget* window, const char* name)
{
    auto* found = window->findChild<Child*>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "no %s in %s\n", name, qPrintable(window->objectName()));
        std::exit(1);
    }
    return found;
}

void type(QWidget* window, const char* field, const char* text)
{
    child<QLineEdit>(window, field)->setText(QString::fromUtf8(text));
}

void press(QWidget* window, const char* button)
{
    child<QAbstractButton>(window, button)->click();
}

void save(QWidget* widget, const QString& directory, const char* file)
{
    QApplication::processEvents();
    const QString path = directory + QLatin1Char('/') + QString::fromLatin1(file);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

// Colours of a typical dark desktop theme.
QPalette darkPalette()
{
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(0x2a, 0x2e, 0x32)},
        {QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Base, QColor(0x1b, 0x1e, 0x20)},
        {QPalette::AlternateBase, QColor(0x23, 0x26, 0x29)},
        {QPalette::Text, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Button, QColor(0x31, 0x36, 0x3b)},
        {QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Highlight, QColor(0x1d, 0x54, 0x7d)},
        {QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Link, QColor(0x1d, 0x99, 0xf3)},
        {QPalette::LinkVisited, QColor(0x9b, 0x59, 0xb6)},
        {QPalette::PlaceholderText, QColor(0x70, 0x70, 0x70)},
        {QPalette::Mid, QColor(0x40, 0x40, 0x40)},
    };
    for (const auto& [role, colour] : roles)
        dark.setColor(role, colour);
    return dark;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    // --dark renders under a dark palette such as a dark desktop gives.
    if (arguments.removeAll(QStringLiteral("--dark")) > 0)
        QApplication::setPalette(darkPalette());
    const QString directory = arguments.size() > 1 ? arguments.at(1) : QStringLiteral(".");
    QDir().mkpath(directory);

    app::Interface interface;
    QMainWindow& launcher = interface.launcher();
    launcher.show();
    save(&launcher, directory, "launcher.png");

    // A step "field=text" types into the field; any other step presses the
    // button of that name.
    struct Example
    {
        const char* entry;
        const char* window;
        std::vector<std::string> steps;
        const char* file;
    };
    const Example examples[] = {
        {"awakePiano",
         "pianoWin",
         {"weight=10", "height=3", "base=4", "lenght=5", "analyze", "slopeWeight=50",
          "slopeAngle=30", "analyzeSlope", "analyze", "rampMass=62", "rampAngle=25", "rampKs=0.15",
          "rampFk=45.0", "analyzeFriction"},
         "inclined-plane.png"},
        {"awakeErrori",
         "errWin",
         {"valToMedia=2", "addToMedia", "valToMedia=4", "addToMedia", "valToMedia=9", "addToMedia",
          "getMedia", "setRel=0.05", "setVal=20", "getAbs", "setAbsForPerc=0.5",
          "setMisuraForPerc=20", "getRelPerc"},
         "measurement-errors.png"},
        {"awakeAttrito",
         "attrWin",
         {"kas=0.5", "fpOfstat=40", "getF1d", "fad=15", "fpOfDinam=50", "getKd", "mass=12",
          "getFpFromMassStat", "getF1d", "motionMass=120", "motionKs=0.500", "motionKd=0.300",
          "motionPush=588.60", "getMotion"},
         "friction.png"},
        {"awakeMomento",
         "momWin",
         {"power2=5", "b=0.5", "getDouble", "power1=10", "dist=2", "alpha=30", "getSimple"},
         "torque.png"},
        {"awakeFluidPressure",
         "fluidWin",
         {"forza=100", "area=4", "getPress1", "dens=1025", "profond=10", "getPress2"},
         "fluid-pressure.png"},
        // The same tools where a student would get a plausible wrong answer:
        // each shows its note.
        {"awakePiano",
         "pianoWin",
         {"weight=10", "height=1,5", "base=2", "lenght=2,5", "analyze"},
         "inclined-plane-note.png"},
        {"awakeErrori",
         "errWin",
         {"valToMedia=1,02", "addToMedia", "setAbsForPerc=0.3", "setMisuraForPerc=67,7",
          "getRelPerc"},
         "measurement-errors-note.png"},
        {"awakeAttrito",
         "attrWin",
         {"kas=", "fpOfstat=", "f1d=", "fad=15", "fpOfDinam=49.05", "getKd", "getFad"},
         "friction-note.png"},
        {"awakeMomento",
         "momWin",
         {"power1=5", "dist=2.5", "alpha=270", "getSimple", "power2=", "b=", "rx2="},
         "torque-note.png"},
        {"awakeFluidPressure",
         "fluidWin",
         {"forza=1", "press1=2000000", "getArea", "getPress1", "dens=1000", "profond=5 cm"},
         "fluid-pressure-note.png"},
        // A value with its uncertainty and a unit, carried into the result.
        {"awakeMomento",
         "momWin",
         {"showWorking", "power1=50 +- 1", "dist=25 +- 0.5 cm", "alpha=30 +- 1", "getSimple"},
         "torque-uncertainty.png"},
        {"awakePiano",
         "pianoWin",
         {"rampMass=5.0 +- 0.1", "rampAngle=30 +- 1", "rampKs=0.40", "rampKd=0.30 +- 0.02",
          "analyzeFriction"},
         "ramp-friction-uncertainty.png"},
    };
    for (const Example& example : examples) {
        press(&launcher, example.entry);
        QWidget* window = topLevel(QString::fromLatin1(example.window));
        for (const std::string& step : example.steps) {
            const std::size_t equals = step.find('=');
            if (equals == std::string::npos)
                press(window, step.c_str());
            else
                type(window, step.substr(0, equals).c_str(), step.substr(equals + 1).c_str());
        }
        save(window, directory, example.file);
    }

    // Three forces added tip to tail; the new-vector sheet is shown with the
    // last one typed in.
    press(&launcher, "awakeVectors");
    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    auto* countPanel = child<QWidget>(vectors, "firstPanel");
    type(countPanel, "numberOfVectors", "3");
    save(countPanel, directory, "vector-count.png");
    press(countPanel, "declareVectorsNumber");
    auto* newVector = child<QWidget>(vectors, "newVectWin");
    for (const auto& [name, magnitude, angle, code] :
         {std::tuple{"F1", "6", "0", "x +"}, std::tuple{"F2", "5", "60", "-+"},
          std::tuple{"F3", "2", "45", "+-"}}) {
        type(newVector, "name", name);
        type(newVector, "power", magnitude);
        type(newVector, "angle", angle);
        auto* where = child<QComboBox>(newVector, "where");
        where->setCurrentIndex(where->findText(QString::fromUtf8(code)));
        // The last one as a bearing, which fills the angle and the code.
        if (qstrcmp(name, "F3") == 0) {
            type(newVector, "bearing", "S45E");
            child<QLineEdit>(newVector, "bearing")->textEdited(QStringLiteral("S45E"));
        }
        if (qstrcmp(name, "F3") == 0)
            save(newVector, directory, "vector-new.png");
        press(newVector, "confirm");
    }
    save(vectors, directory, "vector-sum.png");

    // The working of the inclined plane's worked example, shown.
    QWidget* plane = topLevel(QStringLiteral("pianoWin"));
    press(plane, "showWorking");
    plane->adjustSize();
    save(plane, directory, "inclined-plane-working.png");

    // A series of readings on the lab sheet, with its working.
    QWidget* errors = topLevel(QStringLiteral("errWin"));
    press(errors, "erase");
    press(errors, "showLabSheet");
    type(errors, "unit", "m");
    for (const char* value : {"2.01", "1.98", "2.03", "2.00", "1.99"}) {
        type(errors, "valToMedia", value);
        press(errors, "addToMedia");
    }
    press(errors, "getMedia");
    press(errors, "showWorking");
    errors->adjustSize();
    save(errors, directory, "lab-sheet.png");

    // Every computation above, in the results log.
    interface.showResultsLog();
    save(topLevel(QStringLiteral("resultsLogWin")), directory, "results-log.png");

    // A quadrant code given an angle outside its quadrant.
    press(vectors, "clear");
    press(&launcher, "awakeVectors");
    type(countPanel, "numberOfVectors", "1");
    press(countPanel, "declareVectorsNumber");
    type(newVector, "name", "F");
    type(newVector, "power", "8");
    type(newVector, "angle", "120");
    auto* where = child<QComboBox>(newVector, "where");
    where->setCurrentIndex(where->findText(QStringLiteral("-+")));
    press(newVector, "confirm");
    save(vectors, directory, "vector-note.png");

    // Every tool at the smallest size it can be given, with its working, its
    // notes and, for the errors, the lab sheet open: nothing may be cut.
    for (const auto& [name, file] :
         {std::pair{"pianoWin", "inclined-plane"}, std::pair{"errWin", "measurement-errors"},
          std::pair{"attrWin", "friction"}, std::pair{"momWin", "torque"},
          std::pair{"fluidWin", "fluid-pressure"}, std::pair{"vectWin", "vector-sum"}}) {
        QWidget* window = topLevel(QString::fromLatin1(name));
        window->show();
        auto* working = child<QAbstractButton>(window, "showWorking");
        if (!working->isChecked())
            working->click();
        QApplication::processEvents();
        window->resize(window->minimumSizeHint());
        save(window, directory, (std::string(file) + "-smallest.png").c_str());
    }
    return 0;
}
