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
#include "ResultsLog.h"
#include "VectorsController.h"

#include <QComboBox>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
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
    enum class Start {
        // Every window is built before the constructor returns.
        AllAtOnce,
        // The launcher first; the tools right after its first paint, or
        // before anything the launcher triggers, whichever comes first.
        LauncherFirst
    };

    explicit Interface(Start start = Start::AllAtOnce);
    ~Interface();

    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    QMainWindow& launcher();
    bool toolsBuilt() const;

    // Opens the results log, built the first time; Ctrl+L from any window.
    void showResultsLog();
    // Whether quitting now would lose something the person has not finished
    // or kept: a vector run under way, or log entries never saved.
    bool hasUnsavedWork() const;
    // Quits at once, or asks first when there is unsaved work.
    void requestQuit();

private:
    // Builds every tool window and sheet, sets every outlet and connects
    // every button; does nothing the second time.
    void buildTools();
    void connectLauncher();
    void setLauncherOutlets();
    void showAbout();
    void connectPiano();
    void connectErrori();
    void connectAttrito();
    void connectMomento();
    void connectVectors();
    void connectFluid();
    void connectWorkingAndLog();
    void refreshResultsLog();
    static QStringList logRow(const ResultsLog::Entry& entry);
    void saveResultsLog();
    void writeResultsLog(const QString& path);
    // Esc and Ctrl+W hide a tool window.
    void addCloseKeys(QWidget* tool);
    // Every result of the tool can be carried into another tool's input.
    void offerCarryFrom(QWidget* tool);
    void offerCarryOf(QLineEdit* result, QWidget* tool);
    void askToCancelRun(QAbstractButton* sender);
    QString notesName() const;
    QString uncertaintiesName() const;
    QWidget* buildRuleChoice(QWidget* host);

    platform::qt::QtApplication application;
    platform::CurrentApplication current{application};
    platform::qt::Outlets outlets;
    ResultsLog resultsLog;

    PhysicsController physicsController;
    PianoController pianoController;
    ErrorController errorController;
    AttritoController attritoController;
    MomentoController momentoController;
    VectorsController vectorsController;
    FluidController fluidController;

    struct FirstPaintWatch : QObject
    {
        bool eventFilter(QObject* watched, QEvent* event) override;
        std::function<void()> onFirstPaint;
    };

    struct Launcher;
    std::unique_ptr<Launcher> launcherForm;
    FirstPaintWatch firstPaintWatch;
    struct Windows;
    std::unique_ptr<Windows> windows;
    QPointer<QMessageBox> about;
    // The vector tool's table of components, built on its first lines.
    std::unique_ptr<platform::TextPane> componentTable;
    QPointer<QMessageBox> quitQuestion;
    // Each window's choice of how uncertainties combine, once built.
    QList<QPointer<QComboBox>> ruleChoices;
    bool quitting = false;
    // Set by the quit question's Save log…: a saved log then quits.
    bool quitAfterSave = false;
};

} // namespace app
