#include "Interface.h"

#include "ApplicationIcon.h"
#include "Translations.h"
#include "ui_AttritoWindow.h"
#include "ui_CountPanel.h"
#include "ui_ErrorWindow.h"
#include "ui_FluidWindow.h"
#include "ui_LauncherWindow.h"
#include "ui_MomentoWindow.h"
#include "ui_NewVectorSheet.h"
#include "ui_PianoWindow.h"
#include "ui_VectorsWindow.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

using platform::Sender;
using namespace platform::qt;

struct Interface::Windows
{
    FormWindow<Ui::LauncherWindow, QMainWindow> launcher;
    FormWindow<Ui::PianoWindow> piano;
    FormWindow<Ui::ErrorWindow> errors;
    FormWindow<Ui::AttritoWindow> friction;
    FormWindow<Ui::MomentoWindow> torque;
    FormWindow<Ui::VectorsWindow> vectors;
    FormWindow<Ui::FluidWindow> fluid;
    // The vector tool's two sheets are children of the vectors window, which
    // is destroyed after them.
    FormWindow<Ui::CountPanel, SheetDialog>* countPanel = nullptr;
    FormWindow<Ui::NewVectorSheet, SheetDialog>* newVectorSheet = nullptr;
};

// The language is chosen before the first window is built, so every form is
// set up in it; tests and tools that build the interface speak it too.
Interface::Interface()
    : windows((installTranslations(), std::make_unique<Windows>()))
{
    windows->countPanel = new FormWindow<Ui::CountPanel, SheetDialog>;
    windows->countPanel->setParent(&windows->vectors, windows->countPanel->windowFlags());
    windows->newVectorSheet = new FormWindow<Ui::NewVectorSheet, SheetDialog>;
    windows->newVectorSheet->setParent(&windows->vectors, windows->newVectorSheet->windowFlags());

    styleFields(windows->countPanel);
    styleFields(windows->newVectorSheet);
    addNumberHint(windows->newVectorSheet);
    // Closing a tool window only hides it; closing the launcher quits.
    for (QWidget* tool :
         std::initializer_list<QWidget*>{&windows->piano, &windows->errors, &windows->friction,
                                         &windows->torque, &windows->vectors, &windows->fluid}) {
        tool->setAttribute(Qt::WA_QuitOnClose, false);
        styleFields(tool);
        addNumberHint(tool);
    }

    connectLauncher();
    connectPiano();
    connectErrori();
    connectAttrito();
    connectMomento();
    connectVectors();
    connectFluid();
}

Interface::~Interface() = default;

QMainWindow& Interface::launcher()
{
    return windows->launcher;
}

void Interface::connectLauncher()
{
    PhysicsController& c = physicsController;
    c.pianoWin = outlets.window(&windows->piano);
    c.errWin = outlets.window(&windows->errors);
    c.attrWin = outlets.window(&windows->friction);
    c.momWin = outlets.window(&windows->torque);
    c.numberOfVectors = outlets.window(windows->countPanel);
    c.vectWin = outlets.window(&windows->vectors);
    c.fluidWin = outlets.window(&windows->fluid);

    const Ui::LauncherWindow& ui = windows->launcher.ui;
    // Each tool has a button and a menu entry that do the same.
    using Action = void (PhysicsController::*)(Sender);
    const std::tuple<QAbstractButton*, QAction*, Action> entries[] = {
        {ui.awakePiano, ui.awakePianoAction, &PhysicsController::awakePiano},
        {ui.awakeErrori, ui.awakeErroriAction, &PhysicsController::awakeErrori},
        {ui.awakeAttrito, ui.awakeAttritoAction, &PhysicsController::awakeAttrito},
        {ui.awakeMomento, ui.awakeMomentoAction, &PhysicsController::awakeMomento},
        {ui.awakeVectors, ui.awakeVectorsAction, &PhysicsController::awakeVectors},
        {ui.awakeFluidPressure, ui.awakeFluidPressureAction,
         &PhysicsController::awakeFluidPressure},
    };
    for (const auto& [button, menuEntry, action] : entries) {
        connectAction(button, c, action);
        connectAction(menuEntry, c, action);
    }
    QObject::connect(ui.quitAction, &QAction::triggered, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(ui.aboutAction, &QAction::triggered, &windows->launcher,
                     [this] { showAbout(); });
}

// The box is built on first use and kept: its icon is drawn once, not once
// per opening into Qt's pixmap cache.
void Interface::showAbout()
{
    if (about == nullptr) {
        about = new QMessageBox(&windows->launcher);
        about->setObjectName(QStringLiteral("aboutBox"));
        about->setWindowTitle(QCoreApplication::translate("Interface", "About PhysCalc"));
        about->setIconPixmap(applicationIcon().pixmap(64, 64));
        about->setTextFormat(Qt::RichText);
        about->setText(QCoreApplication::translate(
                           "Interface", "<h3>PhysCalc %1</h3>"
                                        "<p>A calculator for introductory physics: inclined plane, "
                                        "measurement errors, friction, torque, vector sum and "
                                        "fluid pressure.</p>"
                                        "<p>Released under the MIT licence.</p>")
                           .arg(QStringLiteral(PHYSCALC_VERSION)));
        about->setStandardButtons(QMessageBox::Close);
    }
    about->open();
}

void Interface::connectPiano()
{
    PianoController& c = pianoController;
    const Ui::PianoWindow& ui = windows->piano.ui;
    c.base = outlets.field(ui.base);
    c.dangolo = outlets.field(ui.dangolo);
    c.db = outlets.field(ui.db);
    c.dh = outlets.field(ui.dh);
    c.dl = outlets.field(ui.dl);
    c.dorto = outlets.field(ui.dorto);
    c.dpara = outlets.field(ui.dpara);
    c.height = outlets.field(ui.height);
    c.labOrto = outlets.field(ui.labOrto);
    c.labPara = outlets.field(ui.labPara);
    c.lenght = outlets.field(ui.lenght);
    c.weight = outlets.field(ui.weight);
    connectAction(ui.analyze, c, &PianoController::analyze);
    pressOnReturn({ui.weight, ui.height, ui.base, ui.lenght}, ui.analyze);
}

void Interface::connectErrori()
{
    ErrorController& c = errorController;
    const Ui::ErrorWindow& ui = windows->errors.ui;
    c.absLabel = outlets.field(ui.absLabel);
    c.getPercLabel = outlets.field(ui.getPercLabel);
    c.getRelLabel = outlets.field(ui.getRelLabel);
    c.mediaLabel = outlets.field(ui.mediaLabel);
    c.setAbsForPerc = outlets.field(ui.setAbsForPerc);
    c.setMisuraForPerc = outlets.field(ui.setMisuraForPerc);
    c.setRel = outlets.field(ui.setRel);
    c.setVal = outlets.field(ui.setVal);
    c.valToMedia = outlets.field(ui.valToMedia);
    connectAction(ui.addToMedia, c, &ErrorController::addToMedia);
    connectAction(ui.getMedia, c, &ErrorController::getMedia);
    connectAction(ui.erase, c, &ErrorController::erase);
    connectAction(ui.getAbs, c, &ErrorController::getAbs);
    connectAction(ui.getRelPerc, c, &ErrorController::getRelPerc);
    pressOnReturn({ui.valToMedia}, ui.addToMedia);
    pressOnReturn({ui.setRel, ui.setVal}, ui.getAbs);
    pressOnReturn({ui.setAbsForPerc, ui.setMisuraForPerc}, ui.getRelPerc);
}

// Every field of a friction group is read by two buttons and written by the
// third, so Return in a field has no one button to press.
void Interface::connectAttrito()
{
    AttritoController& c = attritoController;
    const Ui::AttritoWindow& ui = windows->friction.ui;
    c.f1d = outlets.field(ui.f1d);
    c.fad = outlets.field(ui.fad);
    c.fpOfDinam = outlets.field(ui.fpOfDinam);
    c.fpOfstat = outlets.field(ui.fpOfstat);
    c.kad = outlets.field(ui.kad);
    c.kas = outlets.field(ui.kas);
    connectAction(ui.getF1d, c, &AttritoController::getF1d);
    connectAction(ui.getFad, c, &AttritoController::getFad);
    connectAction(ui.getFpFromDinam, c, &AttritoController::getFpFromDinam);
    connectAction(ui.getFpFromStat, c, &AttritoController::getFpFromStat);
    connectAction(ui.getKas, c, &AttritoController::getKas);
    connectAction(ui.getKd, c, &AttritoController::getKd);
}

void Interface::connectMomento()
{
    MomentoController& c = momentoController;
    const Ui::MomentoWindow& ui = windows->torque.ui;
    c.alpha = outlets.field(ui.alpha);
    c.b = outlets.field(ui.b);
    c.dist = outlets.field(ui.dist);
    c.power1 = outlets.field(ui.power1);
    c.power2 = outlets.field(ui.power2);
    c.rx1 = outlets.field(ui.rx1);
    c.rx2 = outlets.field(ui.rx2);
    connectAction(ui.getSimple, c, &MomentoController::getSimple);
    connectAction(ui.getDouble, c, &MomentoController::getDouble);
    pressOnReturn({ui.power1, ui.dist, ui.alpha}, ui.getSimple);
    pressOnReturn({ui.power2, ui.b}, ui.getDouble);
}

void Interface::connectVectors()
{
    VectorsController& c = vectorsController;
    const Ui::VectorsWindow& window = windows->vectors.ui;
    const Ui::CountPanel& countPanel = windows->countPanel->ui;
    const Ui::NewVectorSheet& sheet = windows->newVectorSheet->ui;
    c.angle = outlets.field(sheet.angle);
    c.listOfVectors = outlets.field(window.listOfVectors);
    c.myself = outlets.window(&windows->vectors);
    c.name = outlets.field(sheet.name);
    c.newVectWin = outlets.window(windows->newVectorSheet);
    c.power = outlets.field(sheet.power);
    c.where = outlets.choice(sheet.where);
    c.numberOfVectors = outlets.field(countPanel.numberOfVectors);
    c.vnumb = outlets.field(countPanel.numberOfVectors);
    c.firstPanel = outlets.window(windows->countPanel);
    c.result = outlets.field(window.result);
    c.rx = outlets.field(window.rx);
    c.ry = outlets.field(window.ry);
    c.diagram = window.diagram;

    connectAction(countPanel.declareVectorsNumber, c, &VectorsController::declareVectorsNumber);
    connectAction(countPanel.abort, c, &VectorsController::abort);
    connectAction(sheet.confirm, c, &VectorsController::confirm);
    connectAction(window.clear, c, &VectorsController::clear);
    // Escape on the count panel is its Cancel button. The new-vector sheet
    // has no way out but its button: the run asks for every vector declared.
    windows->countPanel->setRejectHandler([&c, button = countPanel.abort] { c.abort(button); });
    windows->countPanel->setFirstInput(countPanel.numberOfVectors);
    windows->newVectorSheet->setFirstInput(sheet.name);
}

// As in friction, Return in a field has no one button to press.
void Interface::connectFluid()
{
    FluidController& c = fluidController;
    const Ui::FluidWindow& ui = windows->fluid.ui;
    c.area = outlets.field(ui.area);
    c.dens = outlets.field(ui.dens);
    c.forza = outlets.field(ui.forza);
    c.press1 = outlets.field(ui.press1);
    c.press2 = outlets.field(ui.press2);
    c.profond = outlets.field(ui.profond);
    connectAction(ui.getArea, c, &FluidController::getArea);
    connectAction(ui.getPower, c, &FluidController::getPower);
    connectAction(ui.getPress1, c, &FluidController::getPress1);
    connectAction(ui.getDens, c, &FluidController::getDens);
    connectAction(ui.getH, c, &FluidController::getH);
    connectAction(ui.getPress2, c, &FluidController::getPress2);
}

} // namespace app
