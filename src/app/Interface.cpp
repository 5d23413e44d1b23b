#include "Interface.h"

#include "ApplicationIcon.h"
#include "Carry.h"
#include "FieldMarks.h"
#include "FirstShow.h"
#include "FormPart.h"
#include "LabSheetView.h"
#include "ResultsLogWindow.h"
#include "TextPaneView.h"
#include "Translations.h"
#include "Uncertainty.h"
#include "WorkingPane.h"
#include "ui_AttritoMassPart.h"
#include "ui_AttritoMotionPart.h"
#include "ui_AttritoWindow.h"
#include "ui_CountPanel.h"
#include "ui_ErrorWindow.h"
#include "ui_FluidUnitsPart.h"
#include "ui_FluidWindow.h"
#include "ui_LauncherWindow.h"
#include "ui_MomentoLeverPart.h"
#include "ui_MomentoWindow.h"
#include "ui_NewVectorSheet.h"
#include "ui_PianoFrictionPart.h"
#include "ui_PianoSlopePart.h"
#include "ui_PianoWindow.h"
#include "ui_VectorListPart.h"
#include "ui_VectorsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>

#include <cerrno>

namespace app {

using platform::Sender;
using namespace platform::qt;

namespace {

// Asks before the launcher closes while there is unsaved work.
class CloseGuard final : public QObject
{
public:
    CloseGuard(QObject* parent, std::function<bool()> closable)
        : QObject(parent)
        , mayClose(std::move(closable))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && !mayClose()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> mayClose;
};

} // namespace

struct Interface::Launcher
{
    FormWindow<Ui::LauncherWindow, QMainWindow> window;
};

struct Interface::Windows
{
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
    // Each tool's working, at the foot of the column beside its fields; the
    // errors window's lab sheet, at the top of that column; the results log,
    // built when it is first opened.
    WorkingPane pianoWorking{piano.ui.workingHost};
    WorkingPane errorsWorking{errors.ui.workingHost};
    WorkingPane frictionWorking{friction.ui.workingHost};
    WorkingPane torqueWorking{torque.ui.workingHost};
    WorkingPane vectorsWorking{vectors.ui.workingHost};
    WorkingPane fluidWorking{fluid.ui.workingHost};
    LabSheetView labSheet{&errors, errors.ui.meanLayout, 3, errors.ui.erase,
                          errors.ui.pictureColumn};
    std::unique_ptr<ResultsLogWindow> log;
};

// The language is chosen before the first window is built, so every form is
// set up in it; tests and tools that build the interface speak it too.
Interface::Interface(Start start)
    : launcherForm((installTranslations(), std::make_unique<Launcher>()))
{
    installQtTranslationAfter(&launcherForm->window);
    connectLauncher();
    launcherForm->window.installEventFilter(new CloseGuard(&launcherForm->window, [this] {
        if (quitting || !hasUnsavedWork())
            return true;
        requestQuit();
        return false;
    }));
    if (start == Start::AllAtOnce) {
        buildTools();
        return;
    }
    // The tools are built in the event-loop turn after the launcher's first
    // paint, so the launcher shows as soon as a bare window would. Whatever
    // the launcher triggers before then builds them first (ensureTools).
    launcherForm->window.installEventFilter(&firstPaintWatch);
    firstPaintWatch.onFirstPaint = [this] {
        QMetaObject::invokeMethod(
            &launcherForm->window, [this] { buildTools(); }, Qt::QueuedConnection);
    };
}

Interface::~Interface() = default;

QMainWindow& Interface::launcher()
{
    return launcherForm->window;
}

bool Interface::toolsBuilt() const
{
    return windows != nullptr;
}

void Interface::buildTools()
{
    if (windows)
        return;
    windows = std::make_unique<Windows>();
    windows->countPanel = new FormWindow<Ui::CountPanel, SheetDialog>;
    windows->countPanel->setParent(&windows->vectors, windows->countPanel->windowFlags());
    windows->newVectorSheet = new FormWindow<Ui::NewVectorSheet, SheetDialog>;
    windows->newVectorSheet->setParent(&windows->vectors, windows->newVectorSheet->windowFlags());

    styleFields(windows->countPanel);
    styleFields(windows->newVectorSheet);
    QWidget* sheet = windows->newVectorSheet;
    onFirstShow(sheet, [sheet] { addNumberHint(sheet); });
    // Closing a tool window only hides it; closing the launcher quits. The
    // keys that close it and the hint are of use only once it is shown.
    for (QWidget* tool :
         std::initializer_list<QWidget*>{&windows->piano, &windows->errors, &windows->friction,
                                         &windows->torque, &windows->vectors, &windows->fluid}) {
        tool->setAttribute(Qt::WA_QuitOnClose, false);
        styleFields(tool);
        onFirstShow(tool, [this, tool] {
            addCloseKeys(tool);
            addNumberHint(tool);
            offerCarryFrom(tool);
        });
    }

    setLauncherOutlets();
    connectPiano();
    connectErrori();
    connectAttrito();
    connectMomento();
    connectVectors();
    connectFluid();
    connectWorkingAndLog();
}

bool Interface::FirstPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && onFirstPaint) {
        watched->removeEventFilter(this);
        std::exchange(onFirstPaint, nullptr)();
    }
    return false;
}

void Interface::connectWorkingAndLog()
{
    pianoController.working = &windows->pianoWorking;
    errorController.working = &windows->errorsWorking;
    attritoController.working = &windows->frictionWorking;
    momentoController.working = &windows->torqueWorking;
    vectorsController.working = &windows->vectorsWorking;
    fluidController.working = &windows->fluidWorking;
    pianoController.log = &resultsLog;
    errorController.log = &resultsLog;
    attritoController.log = &resultsLog;
    momentoController.log = &resultsLog;
    vectorsController.log = &resultsLog;
    fluidController.log = &resultsLog;

    LabSheetView& sheet = windows->labSheet;
    errorController.labSheet = &sheet;
    ErrorController& c = errorController;
    QObject::connect(&sheet, &LabSheetView::removeLastClicked, &sheet,
                     [&c, &sheet] { c.removeLast(&sheet); });
    QObject::connect(&sheet, &LabSheetView::copyClicked, &sheet,
                     [&c, &sheet] { c.copySheet(&sheet); });
    // The sheet's result x̄ ± Δx goes on into a tool, as a measurement.
    QObject::connect(&sheet, &LabSheetView::sheetBuilt, &sheet,
                     [this](QLineEdit* result) { offerCarryOf(result, &windows->errors); });
    QObject::connect(&sheet, &LabSheetView::settingsEdited, &sheet,
                     [&c, &sheet] { c.refreshSheet(&sheet); });
    QObject::connect(&sheet, &LabSheetView::removeRequested, &sheet,
                     [&c](int row) { c.removeValue(static_cast<std::size_t>(row)); });
    QObject::connect(&sheet, &LabSheetView::editRequested, &sheet,
                     [&c](int row, const QString& text) {
                         c.editValue(static_cast<std::size_t>(row), text.toStdString());
                     });
    QObject::connect(&sheet, &LabSheetView::undoRequested, &sheet,
                     [&c, &sheet] { c.undo(&sheet); });
    QObject::connect(&sheet, &LabSheetView::pasteRequested, &sheet,
                     [&c](const QString& text) { c.pasteValues(text.toStdString()); });
    QObject::connect(&sheet, &LabSheetView::sendToLogClicked, &sheet,
                     [&c, &sheet] { c.sendSheetToLog(&sheet); });

    resultsLog.changed = [this] { refreshResultsLog(); };
    resultsLog.appended = [this](const ResultsLog::Entry& entry) {
        if (windows->log != nullptr)
            windows->log->appendRow(logRow(entry));
    };

    for (WorkingPane* pane :
         {&windows->pianoWorking, &windows->errorsWorking, &windows->frictionWorking,
          &windows->torqueWorking, &windows->vectorsWorking, &windows->fluidWorking}) {
        pane->setAccessory([this](QWidget* host) { return buildRuleChoice(host); });
    }
}

// One rule for every window: a choice made in one shows in the others.
QWidget* Interface::buildRuleChoice(QWidget* host)
{
    auto* row = new QWidget(host);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QCoreApplication::translate("WorkingPane", "&Uncertainties:"), row);
    auto* choice = new QComboBox(row);
    choice->setObjectName(QStringLiteral("uncertaintyRule"));
    choice->setAccessibleName(
        QCoreApplication::translate("WorkingPane", "How uncertainties are combined"));
    choice->setToolTip(QCoreApplication::translate(
        "WorkingPane", "Maximum error: absolute errors add in sums, relative errors in products. "
                       "Quadrature: independent errors, combined as the square root of the sum of "
                       "squares."));
    choice->addItem(QCoreApplication::translate("WorkingPane", "Maximum error"));
    choice->addItem(QCoreApplication::translate("WorkingPane", "Independent, in quadrature"));
    choice->setCurrentIndex(uncertainty::mode() == uncertainty::Mode::Quadrature ? 1 : 0);
    label->setBuddy(choice);
    layout->addWidget(label);
    layout->addWidget(choice);
    layout->addStretch();
    ruleChoices.append(choice);
    QObject::connect(choice, &QComboBox::currentIndexChanged, choice, [this](int index) {
        uncertainty::setMode(index == 1 ? uncertainty::Mode::Quadrature
                                        : uncertainty::Mode::MaximumError);
        for (QComboBox* other : std::as_const(ruleChoices)) {
            if (other != nullptr && other->currentIndex() != index) {
                const QSignalBlocker quiet(other);
                other->setCurrentIndex(index);
            }
        }
    });
    return row;
}

void Interface::showResultsLog()
{
    buildTools();
    if (windows->log == nullptr) {
        windows->log = std::make_unique<ResultsLogWindow>();
        const Ui::ResultsLogWindow& ui = windows->log->ui;
        QObject::connect(ui.copyLog, &QPushButton::clicked, windows->log.get(), [this] {
            QApplication::clipboard()->setText(QString::fromStdString(resultsLog.plainText(
                [](const platform::Text& text) { return translated(text).toStdString(); })));
        });
        QObject::connect(ui.clearLog, &QPushButton::clicked, windows->log.get(),
                         [this] { resultsLog.clear(); });
        QObject::connect(ui.saveLog, &QPushButton::clicked, windows->log.get(),
                         [this] { saveResultsLog(); });
        refreshResultsLog();
        // Wide enough for a vector run's inputs, tall enough for a lesson's
        // presses, in the window's own font.
        const QFontMetrics metrics = windows->log->fontMetrics();
        windows->log->resize(windows->log->sizeHint().expandedTo(
            QSize(metrics.horizontalAdvance(QLatin1Char('M')) * 75, metrics.lineSpacing() * 30)));
    }
    windows->log->show();
    windows->log->raise();
    windows->log->activateWindow();
}

void Interface::refreshResultsLog()
{
    if (windows->log == nullptr)
        return;
    QList<QStringList> rows;
    for (const ResultsLog::Entry& entry : resultsLog.entries())
        rows.append(logRow(entry));
    windows->log->setRows(rows);
}

QStringList Interface::logRow(const ResultsLog::Entry& entry)
{
    QStringList row;
    for (const std::string& cell : ResultsLog::cells(
             entry, [](const platform::Text& text) { return translated(text).toStdString(); }))
        row.append(QString::fromStdString(cell));
    return row;
}

void Interface::saveResultsLog()
{
    auto* dialog = new QFileDialog(windows->log.get(),
                                   QCoreApplication::translate("ResultsLog", "Save results log"));
    dialog->setObjectName(QStringLiteral("saveLogDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const QString csv = QCoreApplication::translate("ResultsLog", "CSV (*.csv)");
    const QString markdown = QCoreApplication::translate("ResultsLog", "Markdown (*.md)");
    dialog->setNameFilters({csv, markdown});
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [dialog, markdown](const QString& filter) {
                         dialog->setDefaultSuffix(filter == markdown ? QStringLiteral("md")
                                                                     : QStringLiteral("csv"));
                     });
    QObject::connect(dialog, &QFileDialog::fileSelected, windows->log.get(),
                     [this](const QString& path) { writeResultsLog(path); });
    QObject::connect(dialog, &QFileDialog::rejected, windows->log.get(),
                     [this] { quitAfterSave = false; });
    dialog->open();
}

void Interface::writeResultsLog(const QString& path)
{
    const ResultsLog::Render render = [](const platform::Text& text) {
        return translated(text).toStdString();
    };
    const bool markdown = path.endsWith(QStringLiteral(".md"), Qt::CaseInsensitive);
    const std::string text = markdown ? resultsLog.markdown(render) : resultsLog.csv(render);
    QSaveFile file(path);
    errno = 0;
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(text.data(), static_cast<qint64>(text.size()))
                                == static_cast<qint64>(text.size())
                         && file.commit();
    if (written) {
        resultsLog.markSaved();
        if (quitAfterSave) {
            quitting = true;
            QCoreApplication::quit();
        }
        return;
    }
    quitAfterSave = false;
    // QSaveFile says "Unknown error" when the disk fills: the write came up
    // short, or the commit's flush failed, with errno at ENOSPC.
    const bool full = errno == ENOSPC || file.errorString().contains(QStringLiteral("space"));
    const QString reason =
        full ? QCoreApplication::translate("ResultsLog",
                                           "the disk is full. Free some space, or save elsewhere.")
             : file.errorString();
    auto* box = new QMessageBox(
        QMessageBox::Warning, QCoreApplication::translate("ResultsLog", "Results log not saved"),
        QCoreApplication::translate("ResultsLog", "%1 could not be written: %2").arg(path, reason),
        QMessageBox::Ok, windows->log.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Interface::setLauncherOutlets()
{
    PhysicsController& c = physicsController;
    c.pianoWin = outlets.window(&windows->piano);
    c.errWin = outlets.window(&windows->errors);
    c.attrWin = outlets.window(&windows->friction);
    c.momWin = outlets.window(&windows->torque);
    c.numberOfVectors = outlets.window(windows->countPanel);
    c.vectWin = outlets.window(&windows->vectors);
    c.fluidWin = outlets.window(&windows->fluid);
}

void Interface::connectLauncher()
{
    PhysicsController& c = physicsController;
    const Ui::LauncherWindow& ui = launcherForm->window.ui;
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
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, &c, action, sender = button] {
                             buildTools();
                             (c.*action)(sender);
                         });
        QObject::connect(menuEntry, &QAction::triggered, menuEntry,
                         [this, &c, action, sender = menuEntry] {
                             buildTools();
                             (c.*action)(sender);
                         });
    }
    QObject::connect(
        ui.quitAction, &QAction::triggered, &launcherForm->window, [this] { requestQuit(); },
        Qt::QueuedConnection);
    QObject::connect(ui.showResultsLogAction, &QAction::triggered, &launcherForm->window,
                     [this] { showResultsLog(); });
    QObject::connect(ui.aboutAction, &QAction::triggered, &launcherForm->window,
                     [this] { showAbout(); });
}

bool Interface::hasUnsavedWork() const
{
    return vectorsController.runUnderWay() || resultsLog.hasUnsavedEntries()
           || errorController.hasUnsentValues();
}

// The question is built when first asked; quitting then goes through the
// launcher's close, which no longer asks.
void Interface::requestQuit()
{
    if (!hasUnsavedWork()) {
        quitting = true;
        QCoreApplication::quit();
        return;
    }
    if (quitQuestion == nullptr) {
        quitQuestion = new QMessageBox(&launcherForm->window);
        quitQuestion->setObjectName(QStringLiteral("quitQuestion"));
        quitQuestion->setIcon(QMessageBox::Question);
        quitQuestion->setWindowTitle(QCoreApplication::translate("Interface", "Quit PhysCalc"));
        quitQuestion->setAccessibleName(quitQuestion->windowTitle());
        quitQuestion->setStandardButtons(QMessageBox::Save | QMessageBox::Discard
                                         | QMessageBox::Cancel);
        quitQuestion->button(QMessageBox::Save)
            ->setText(QCoreApplication::translate("Interface", "&Save log…"));
        quitQuestion->button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("Interface", "&Quit anyway"));
        quitQuestion->setDefaultButton(QMessageBox::Cancel);
        QObject::connect(quitQuestion, &QMessageBox::finished, &launcherForm->window, [this](int) {
            const QAbstractButton* chosen = quitQuestion->clickedButton();
            if (chosen == quitQuestion->button(QMessageBox::Discard)) {
                quitting = true;
                QCoreApplication::quit();
            } else if (chosen == quitQuestion->button(QMessageBox::Save)) {
                // The sheet goes into the log it is saved with.
                if (errorController.hasUnsentValues())
                    errorController.sendSheetToLog(nullptr);
                quitAfterSave = true;
                showResultsLog();
                saveResultsLog();
            }
        });
    }
    // Each thing that would be lost, by name.
    QStringList lost;
    if (errorController.hasUnsentValues()) {
        lost.append(QCoreApplication::translate(
            "Interface", "The lab sheet holds values not sent to the results log."));
    }
    if (vectorsController.runUnderWay())
        lost.append(QCoreApplication::translate("Interface", "A vector run is under way."));
    if (resultsLog.hasUnsavedEntries()) {
        lost.append(QCoreApplication::translate("Interface",
                                                "The results log holds computations not saved."));
    }
    quitQuestion->setText(lost.join(QLatin1Char('\n')) + QStringLiteral("\n\n")
                          + QCoreApplication::translate("Interface", "Quit and lose them?"));
    quitQuestion->open();
}

void Interface::addCloseKeys(QWidget* tool)
{
    auto* close = new QAction(tool);
    close->setObjectName(QStringLiteral("closeWindowAction"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    tool->addAction(close);
    QObject::connect(close, &QAction::triggered, tool, &QWidget::hide);
}

// Asked for last on first show, so the parts built then are in. The inputs
// offered are those of the other tools as they stand when the menu opens.
void Interface::offerCarryFrom(QWidget* tool)
{
    for (QLineEdit* result : tool->findChildren<QLineEdit*>()) {
        if (result->isReadOnly() && result->window() == tool)
            offerCarryOf(result, tool);
    }
}

void Interface::offerCarryOf(QLineEdit* result, QWidget* tool)
{
    offerCarry(result, [this, tool] {
        QList<QLineEdit*> inputs;
        for (QWidget* other :
             std::initializer_list<QWidget*>{&windows->piano, &windows->errors, &windows->friction,
                                             &windows->torque, &windows->fluid}) {
            if (other == tool)
                continue;
            for (QLineEdit* input : other->findChildren<QLineEdit*>()) {
                if (!input->isReadOnly() && input->window() == other
                    && !input->accessibleName().isEmpty())
                    inputs.append(input);
            }
        }
        return inputs;
    });
}

QString Interface::notesName() const
{
    return QCoreApplication::translate("Interface", "Notes");
}

QString Interface::uncertaintiesName() const
{
    return QCoreApplication::translate("Interface", "Results with uncertainty");
}

// The box is built on first use and kept: its icon is drawn once, not once
// per opening into Qt's pixmap cache.
void Interface::showAbout()
{
    if (about == nullptr) {
        about = new QMessageBox(&launcherForm->window);
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
    c.rampDrawing = ui.rampDrawing;
    c.notes = outlets.pane(ui.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(ui.fieldsColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    connectAction(ui.analyze, c, &PianoController::analyze);
    pressOnReturn({ui.weight, ui.height, ui.base, ui.lenght}, ui.analyze);
    markStaleOnEdit({ui.weight, ui.height, ui.base, ui.lenght},
                    {ui.dorto, ui.dpara, ui.dh, ui.db, ui.dl, ui.dangolo, ui.labOrto, ui.labPara},
                    {ui.analyze});
    buildOnFirstShow<Ui::PianoSlopePart>(
        ui.fieldsColumn, [this, &c](const Ui::PianoSlopePart& part) {
            c.slopeWeight = outlets.field(part.slopeWeight);
            c.slopeMass = outlets.field(part.slopeMass);
            c.slopeAngle = outlets.field(part.slopeAngle);
            c.slopeW = outlets.field(part.slopeW);
            c.slopeOrto = outlets.field(part.slopeOrto);
            c.slopePara = outlets.field(part.slopePara);
            connectAction(part.analyzeSlope, c, &PianoController::analyzeSlope);
            pressOnReturn({part.slopeWeight, part.slopeMass, part.slopeAngle}, part.analyzeSlope);
            markStaleOnEdit({part.slopeWeight, part.slopeMass, part.slopeAngle},
                            {part.slopeW, part.slopeOrto, part.slopePara}, {part.analyzeSlope});
        });
    // Its own column between the fields and the picture, which draws it.
    buildOnFirstShow<Ui::PianoFrictionPart>(
        ui.fieldsColumn, [this, &c, &ui](const Ui::PianoFrictionPart& part) {
            auto* column = new QVBoxLayout;
            ui.columns->insertLayout(1, column);
            column->addWidget(part.rampFrictionGroup);
            column->addStretch();
            part.rampFrictionGroup->show();
            placeInTabOrder(part.rampFrictionGroup);
            const std::initializer_list<QLineEdit*> inputs{
                part.rampWeight, part.rampMass, part.rampKs,   part.rampKd,
                part.rampFk,     part.rampPush, part.rampAngle};
            c.rampWeight = outlets.field(part.rampWeight);
            c.rampMass = outlets.field(part.rampMass);
            c.rampAngle = outlets.field(part.rampAngle);
            c.rampKs = outlets.field(part.rampKs);
            c.rampKd = outlets.field(part.rampKd);
            c.rampFk = outlets.field(part.rampFk);
            c.rampPush = outlets.field(part.rampPush);
            c.rampNormal = outlets.field(part.rampNormal);
            c.rampPara = outlets.field(part.rampPara);
            c.rampStaticMax = outlets.field(part.rampStaticMax);
            c.rampVerdict = outlets.field(part.rampVerdict);
            c.rampKdUsed = outlets.field(part.rampKdUsed);
            c.rampFriction = outlets.field(part.rampFriction);
            c.rampNet = outlets.field(part.rampNet);
            c.rampAccel = outlets.field(part.rampAccel);
            c.rampStart = outlets.field(part.rampStart);
            c.rampSteady = outlets.field(part.rampSteady);
            connectAction(part.analyzeFriction, c, &PianoController::analyzeFriction);
            pressOnReturn(inputs, part.analyzeFriction);
            markStaleOnEdit(inputs,
                            {part.rampNormal, part.rampPara, part.rampStaticMax, part.rampVerdict,
                             part.rampKdUsed, part.rampFriction, part.rampNet, part.rampAccel,
                             part.rampStart, part.rampSteady},
                            {part.analyzeFriction});
        });
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
    c.notes = outlets.pane(ui.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(ui.fieldsColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    markStaleOnEdit({ui.setRel, ui.setVal}, {ui.absLabel}, {ui.getAbs});
    markStaleOnEdit({ui.setAbsForPerc, ui.setMisuraForPerc}, {ui.getRelLabel, ui.getPercLabel},
                    {ui.getRelPerc});
    // The next reading replaces the last one instead of running on from it,
    // and the mean on screen no longer counts every value.
    QLineEdit* value = ui.valToMedia;
    QLineEdit* mean = ui.mediaLabel;
    for (QAbstractButton* button : {ui.addToMedia, ui.erase}) {
        QObject::connect(button, &QAbstractButton::clicked, value, [value, mean] {
            value->selectAll();
            value->setFocus(Qt::OtherFocusReason);
            if (!mean->text().isEmpty())
                setFieldMark(mean, FieldMark::Stale,
                             QCoreApplication::translate(
                                 "Interface", "Out of date: the values changed since this mean."));
        });
    }
    QObject::connect(ui.getMedia, &QAbstractButton::clicked, mean,
                     [mean] { setFieldMark(mean, FieldMark::Stale, QString()); });
    // A column of readings pasted into the field adds each of them.
    keepOneLine(value, [&c](const QString& text) {
        c.pasteValues(text.toStdString());
        return true;
    });
}

// Every field of a friction group is read by two buttons and written by the
// third: Return computes the field that is missing, or again the one
// computed before.
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
    buildOnFirstShow<Ui::AttritoMassPart>(
        ui.fieldsColumn, [this, &c, &ui](const Ui::AttritoMassPart& part) {
            // The mass goes below the fields, its drawing beside them.
            moveToColumn(part.blockGroup, ui.pictureColumn, 0);
            c.mass = outlets.field(part.mass);
            c.blockDrawing = part.blockDrawing;
            connectAction(part.getFpFromMassStat, c, &AttritoController::getFpFromMassStat);
            connectAction(part.getFpFromMassDinam, c, &AttritoController::getFpFromMassDinam);
        });
    // Its own column beside the block it draws on.
    buildOnFirstShow<Ui::AttritoMotionPart>(
        ui.fieldsColumn, [this, &c, &ui](const Ui::AttritoMotionPart& part) {
            auto* column = new QVBoxLayout;
            ui.columns->insertLayout(1, column);
            column->addWidget(part.motionGroup);
            column->addStretch();
            part.motionGroup->show();
            placeInTabOrder(part.motionGroup);
            const std::initializer_list<QLineEdit*> inputs{
                part.motionMass, part.motionNormal, part.motionPush, part.motionKs, part.motionKd};
            c.motionMass = outlets.field(part.motionMass);
            c.motionNormal = outlets.field(part.motionNormal);
            c.motionPush = outlets.field(part.motionPush);
            c.motionKs = outlets.field(part.motionKs);
            c.motionKd = outlets.field(part.motionKd);
            c.motionStaticMax = outlets.field(part.motionStaticMax);
            c.motionVerdict = outlets.field(part.motionVerdict);
            c.motionFriction = outlets.field(part.motionFriction);
            c.motionNet = outlets.field(part.motionNet);
            c.motionAccel = outlets.field(part.motionAccel);
            connectAction(part.getMotion, c, &AttritoController::getMotion);
            pressOnReturn(inputs, part.getMotion);
            markStaleOnEdit(inputs,
                            {part.motionStaticMax, part.motionVerdict, part.motionFriction,
                             part.motionNet, part.motionAccel},
                            {part.getMotion});
        });
    c.notes = outlets.pane(ui.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(ui.fieldsColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    solveOnReturn({{ui.f1d, ui.getF1d}, {ui.kas, ui.getKas}, {ui.fpOfstat, ui.getFpFromStat}});
    solveOnReturn({{ui.fad, ui.getFad}, {ui.kad, ui.getKd}, {ui.fpOfDinam, ui.getFpFromDinam}});
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
    buildOnFirstShow<Ui::MomentoLeverPart>(ui.pictureColumn,
                                           [&c, &ui](const Ui::MomentoLeverPart& part) {
                                               // Above the notes and working, not below them.
                                               moveToColumn(part.leverGroup, ui.pictureColumn, 0);
                                               c.leverDrawing = part.leverDrawing;
                                           });
    pressOnReturn({ui.power1, ui.dist, ui.alpha}, ui.getSimple);
    pressOnReturn({ui.power2, ui.b}, ui.getDouble);
    c.notes = outlets.pane(ui.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(ui.fieldsColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    markStaleOnEdit({ui.power1, ui.dist, ui.alpha}, {ui.rx1}, {ui.getSimple});
    markStaleOnEdit({ui.power2, ui.b}, {ui.rx2}, {ui.getDouble});
}

void Interface::connectVectors()
{
    VectorsController& c = vectorsController;
    const Ui::VectorsWindow& window = windows->vectors.ui;
    const Ui::CountPanel& countPanel = windows->countPanel->ui;
    const Ui::NewVectorSheet& sheet = windows->newVectorSheet->ui;
    c.angle = outlets.field(sheet.angle);
    // The list's multi-line edit brings much of Qt's text code with it: it
    // is built when the window is first shown, and holds what was entered
    // before then.
    PlainTextField* list = outlets.laterField();
    c.listOfVectors = list;
    buildOnFirstShow<Ui::VectorListPart>(window.listLayout, [list](const Ui::VectorListPart& part) {
        list->attach(part.listOfVectors);
    });
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
    c.resultDirection = outlets.field(window.resultDirection);
    c.resultBearing = outlets.field(window.resultBearing);
    c.bearing = outlets.field(sheet.bearing);
    // A bearing fills the angle and the code as it is typed; changing
    // either by hand leaves the bearing behind.
    QObject::connect(sheet.bearing, &QLineEdit::textEdited, sheet.bearing,
                     [&c, edit = sheet.bearing] { c.readBearing(edit); });
    for (QLineEdit* byHand : {sheet.angle})
        QObject::connect(byHand, &QLineEdit::textEdited, sheet.bearing, &QLineEdit::clear);
    QObject::connect(sheet.where, &QComboBox::activated, sheet.bearing, &QLineEdit::clear);
    c.diagram = window.diagram;
    componentTable = std::make_unique<TextPaneView>(
        window.componentsHost, QStringLiteral("componentTable"),
        QCoreApplication::translate("Vectors", "Components of each vector"));
    c.componentTable = componentTable.get();
    c.notes = outlets.pane(window.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(window.numbersColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    c.progress = outlets.pane(sheet.progress);

    connectAction(countPanel.declareVectorsNumber, c, &VectorsController::declareVectorsNumber);
    connectAction(countPanel.abort, c, &VectorsController::abort);
    connectAction(sheet.confirm, c, &VectorsController::confirm);
    connectAction(window.clear, c, &VectorsController::clear);
    connectAction(sheet.back, c, &VectorsController::back);
    // Escape on the count panel is its Cancel button; on the new-vector
    // sheet, Escape and Cancel run ask before the run's vectors are lost.
    windows->countPanel->setRejectHandler([&c, button = countPanel.abort] { c.abort(button); });
    QObject::connect(sheet.cancelRun, &QAbstractButton::clicked, windows->newVectorSheet,
                     [this, button = sheet.cancelRun] { askToCancelRun(button); });
    windows->newVectorSheet->setRejectHandler(
        [this, button = sheet.cancelRun] { askToCancelRun(button); });
    windows->countPanel->setFirstInput(countPanel.numberOfVectors);
    windows->newVectorSheet->setFirstInput(sheet.name);
}

// Built for each asking, over the sheet, and gone when answered.
void Interface::askToCancelRun(QAbstractButton* sender)
{
    auto* question = new QMessageBox(windows->newVectorSheet);
    question->setObjectName(QStringLiteral("cancelRunQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setIcon(QMessageBox::Question);
    question->setWindowTitle(QCoreApplication::translate("Interface", "Cancel the run"));
    question->setAccessibleName(question->windowTitle());
    question->setText(QCoreApplication::translate(
        "Interface", "End this run? The vectors entered so far are forgotten."));
    question->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    question->setDefaultButton(QMessageBox::No);
    QObject::connect(question, &QMessageBox::accepted, windows->newVectorSheet,
                     [this, sender] { vectorsController.cancelRun(sender); });
    question->open();
}

// Return in a group computes the field that is missing, or again the one
// computed before.
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
    buildOnFirstShow<Ui::FluidUnitsPart>(
        ui.fieldsColumn, [this, &c, &ui](const Ui::FluidUnitsPart& part) {
            // The units go below the fields, the drawing beside them.
            moveToColumn(part.columnGroup, ui.pictureColumn, 0);
            // Wide enough for the three units at four figures.
            for (QLineEdit* units : {part.press1Units, part.press2Gauge, part.press2Absolute})
                units->setMinimumWidth(units->fontMetrics().horizontalAdvance(QStringLiteral(
                                           "0.00000 kPa = 0.000 × 10⁻⁰⁰ bar = 0.000 × 10⁻⁰⁰ atm"))
                                       + units->minimumSizeHint().width());
            c.press1Units = outlets.field(part.press1Units);
            c.press2Gauge = outlets.field(part.press2Gauge);
            c.press2Absolute = outlets.field(part.press2Absolute);
            c.press2AbsolutePascals = outlets.field(part.press2AbsolutePascals);
            c.densPreset = outlets.choice(part.densPreset);
            c.columnDrawing = part.columnDrawing;
            // Choosing a liquid fills the density, which stays editable.
            QObject::connect(part.densPreset, &QComboBox::activated, part.densPreset,
                             [&c, box = part.densPreset] { c.getPreset(box); });
        });
    c.notes = outlets.pane(ui.notesHost, QStringLiteral("notes"), notesName());
    c.uncertainties =
        outlets.pane(ui.fieldsColumn, QStringLiteral("uncertainties"), uncertaintiesName(), 3);
    solveOnReturn({{ui.forza, ui.getPower}, {ui.area, ui.getArea}, {ui.press1, ui.getPress1}});
    solveOnReturn({{ui.dens, ui.getDens}, {ui.profond, ui.getH}, {ui.press2, ui.getPress2}});
}

} // namespace app
