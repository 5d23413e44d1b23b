// The interface of the running program: creates every window and controller
// at start, sets every outlet and connects every button to its action. Windows
// and controllers live as long as this object.
#pragma once

#include "AttritoController.h"
#include "ErrorController.h"
#include "FluidController.h"
#include "FormWindow.h"
#include "MomentoController.h"
#include "PhysicsController.h"
#include "PianoController.h"
#include "QtControls.h"
#include "VectorsController.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QMessageBox;

namespace Ui {
class LauncherWindow;
class PianoWindow;
class ErrorWindow;
class AttritoWindow;
class MomentoWindow;
class VectorsWindow;
class CountPanel;
class NewVectorSheet;
class FluidWindow;
} // namespace Ui

namespace app {

class Interface
{
public:
    Interface();
    ~Interface();

    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    QMainWindow& launcher();

    // Whether quitting now would lose something the person has not finished
    // or kept: a vector run under way. The results log adds its unsaved
    // entries here.
    bool hasUnsavedWork() const;
    // Quits at once, or asks first when there is unsaved work.
    void requestQuit();

private:
    void connectLauncher();
    void showAbout();
    void connectPiano();
    void connectErrori();
    void connectAttrito();
    void connectMomento();
    void connectVectors();
    void connectFluid();
    // Esc and Ctrl+W hide a tool window.
    void addCloseKeys(QWidget* tool);
    void askToCancelRun(QAbstractButton* sender);
    QString notesName() const;

    platform::qt::QtApplication application;
    platform::CurrentApplication current{application};
    platform::qt::Outlets outlets;

    PhysicsController physicsController;
    PianoController pianoController;
    ErrorController errorController;
    AttritoController attritoController;
    MomentoController momentoController;
    VectorsController vectorsController;
    FluidController fluidController;

    struct Windows;
    std::unique_ptr<Windows> windows;
    QPointer<QMessageBox> about;
    QPointer<QMessageBox> quitQuestion;
    bool quitting = false;
};

} // namespace app
