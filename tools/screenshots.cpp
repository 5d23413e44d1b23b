// Renders every window of PhysCalc to PNG, with a worked example typed into
// each tool, for the README and for looking at a change. Run it through
// scripts/screenshots, which picks the offscreen platform.
#include "platform/qt/Interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString directory = arguments.size() > 1 ? arguments.at(1) : QStringLiteral(".");
    QDir().mkpath(directory);

    platform::qt::Interface interface;
    QMainWindow& launcher = interface.launcher();
    launcher.show();
    save(&launcher, directory, "launcher.png");

    press(&launcher, "awakePiano");
    QWidget* piano = topLevel(QStringLiteral("pianoWin"));
    type(piano, "weight", "10");
    type(piano, "height", "3");
    type(piano, "base", "4");
    type(piano, "lenght", "5");
    press(piano, "analyze");
    save(piano, directory, "inclined-plane.png");

    press(&launcher, "awakeErrori");
    QWidget* errors = topLevel(QStringLiteral("errWin"));
    for (const char* value : {"2", "4", "9"}) {
        type(errors, "valToMedia", value);
        press(errors, "addToMedia");
    }
    press(errors, "getMedia");
    type(errors, "setRel", "0.05");
    type(errors, "setVal", "20");
    press(errors, "getAbs");
    type(errors, "setAbsForPerc", "0.5");
    type(errors, "setMisuraForPerc", "20");
    press(errors, "getRelPerc");
    save(errors, directory, "measurement-errors.png");

    press(&launcher, "awakeAttrito");
    QWidget* friction = topLevel(QStringLiteral("attrWin"));
    type(friction, "kas", "0.5");
    type(friction, "fpOfstat", "40");
    press(friction, "getF1d");
    type(friction, "fad", "15");
    type(friction, "fpOfDinam", "50");
    press(friction, "getKd");
    save(friction, directory, "friction.png");

    press(&launcher, "awakeMomento");
    QWidget* torque = topLevel(QStringLiteral("momWin"));
    type(torque, "power1", "10");
    type(torque, "dist", "2");
    type(torque, "alpha", "30");
    press(torque, "getSimple");
    type(torque, "power2", "5");
    type(torque, "b", "0.5");
    press(torque, "getDouble");
    save(torque, directory, "torque.png");

    press(&launcher, "awakeFluidPressure");
    QWidget* fluid = topLevel(QStringLiteral("fluidWin"));
    type(fluid, "forza", "100");
    type(fluid, "area", "4");
    press(fluid, "getPress1");
    type(fluid, "dens", "1000");
    type(fluid, "profond", "2");
    press(fluid, "getPress2");
    save(fluid, directory, "fluid-pressure.png");

    press(&launcher, "awakeVectors");
    QWidget* vectors = topLevel(QStringLiteral("vectWin"));
    save(vectors, directory, "vector-sum.png");
    save(child<QWidget>(vectors, "firstPanel"), directory, "vector-count.png");
    save(child<QWidget>(vectors, "newVectWin"), directory, "vector-new.png");
    return 0;
}
