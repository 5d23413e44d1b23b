// Qt adapters for the control interfaces, and Outlets, which owns them.
#pragma once

#include "Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform::qt {

class LineEditField final : public Field
{
public:
    explicit LineEditField(QLineEdit* edit);
    std::string stringValue() const override;
    void setStringValue(const std::string& text) override;
    void setText(const Text& text) override;
    // The accessible name the form gives the field.
    std::string label() const override;
    void setMark(const std::optional<Text>& note) override;

private:
    QPointer<QLineEdit> edit;
};

// A multi-line field, possibly built after the controller first writes it:
// until attached it keeps the text, which the edit then shows.
class PlainTextField final : public Field
{
public:
    explicit PlainTextField(QPlainTextEdit* edit = nullptr);
    std::string stringValue() const override;
    void setStringValue(const std::string& text) override;
    void attach(QPlainTextEdit* built);

private:
    QPointer<QPlainTextEdit> edit;
    std::string held;
};

class ComboBoxChoice final : public ChoiceControl
{
public:
    explicit ComboBoxChoice(QComboBox* box);
    std::string title() const override;
    void setTitle(const std::string& title) override;

private:
    QPointer<QComboBox> box;
};

// One translated line in a label, such as a sheet's "Vector 2 of 3"; the
// lines of a longer text are joined.
class LabelPane final : public TextPane
{
public:
    explicit LabelPane(QLabel* label);
    void show(const std::vector<Text>& lines) override;

private:
    QPointer<QLabel> label;
};

class WidgetWindow final : public Window
{
public:
    explicit WidgetWindow(QWidget* widget);
    void makeKeyAndOrderFront(Sender sender) override;
    void orderOut(Sender sender) override;

    QWidget* widget() const { return window; }

private:
    QPointer<QWidget> window;
};

// A dialog that plays a sheet. Escape and the window's close control call the
// given handler instead of just hiding the dialog, so a sheet never leaves its
// run half finished behind the user's back.
class SheetDialog : public QDialog
{
public:
    explicit SheetDialog(QWidget* parent = nullptr);

    void setRejectHandler(std::function<void()> handler);
    void reject() override;

    // The input that has the focus, its text selected, each time the sheet
    // comes up: the sheet is used again and again, and its fields keep the
    // last texts typed.
    void setFirstInput(QLineEdit* input);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> rejectHandler;
    QPointer<QLineEdit> firstInput;
    bool selectOnFocus = false;
};

// Sheets as window-modal dialogs opened with open(): beginning one returns at
// once. On macOS Qt draws them as real sheets.
class QtApplication final : public Application
{
public:
    void beginSheet(Window& sheet, Window& docWindow) override;
    void endSheet(Window& sheet) override;
    void beginAlertSheet(const std::string& title, const std::string& defaultButton,
                         const std::string& alternateButton, const std::string& otherButton,
                         Window& docWindow, const std::string& message) override;
};

// Owns the adapters that outlets point to. A window is adapted once, so two
// outlets naming the same window hold the same pointer.
class Outlets
{
public:
    Field* field(QLineEdit* edit);
    Field* field(QPlainTextEdit* edit);
    // A multi-line field whose edit is attached when it is built.
    PlainTextField* laterField();
    // A pane built in host's layout on first use, or a label.
    TextPane* pane(QWidget* host, const QString& objectName, const QString& accessibleName);
    TextPane* pane(QLabel* label);
    // A pane built at the end of a column on first use, lines high.
    TextPane* pane(QBoxLayout* column, const QString& objectName, const QString& accessibleName,
                   int lines);
    ChoiceControl* choice(QComboBox* box);
    Window* window(QWidget* widget);

private:
    std::vector<std::unique_ptr<Field>> fields;
    std::vector<std::unique_ptr<ChoiceControl>> choices;
    std::vector<std::unique_ptr<TextPane>> panes;
    std::map<QWidget*, std::unique_ptr<WidgetWindow>> windows;
};

// Buttons and menu entries call one controller action each, passing
// themselves as the sender.
template <class Controller>
void connectAction(QAbstractButton* button, Controller& controller,
                   void (Controller::*action)(Sender))
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, &controller, action] { (controller.*action)(button); });
}

template <class Controller>
void connectAction(QAction* menuEntry, Controller& controller, void (Controller::*action)(Sender))
{
    QObject::connect(menuEntry, &QAction::triggered, menuEntry,
                     [menuEntry, &controller, action] { (controller.*action)(menuEntry); });
}

// Return in any of the fields presses the button.
void pressOnReturn(std::initializer_list<QLineEdit*> edits, QAbstractButton* button);

// The most characters an input field holds.
inline constexpr int maxInputLength = 256;

// Makes every line edit of the window wide enough for a number, and gives the
// read-only ones, the results, the window's background instead of the input
// background, so results and inputs are told apart at a glance in whatever
// palette the desktop uses. Inputs hold at most maxInputLength characters.
void styleFields(QWidget* window);

// A single-line field never holds a tab or a line break: those a paste
// brings become spaces, unless split is given and takes the whole pasted
// text (returning true), after which the field is emptied. styleFields does
// this for every input.
void keepOneLine(QLineEdit* edit, std::function<bool(const QString&)> split = {});

// Puts a line at the top of a window saying how numbers are typed: with a
// point, whatever the language of the interface and the desktop's own
// decimal separator.
void addNumberHint(QWidget* window);

// Puts a widget built after its window, or the inputs inside it, in the Tab
// order where it stands in the window's layouts: before the first input laid
// out after it. Each column is read top to bottom, the left one first.
void placeInTabOrder(QWidget* built);

// Moves and, down to its minimum size, shrinks a window so that it lies
// within the available area of the screen it is on.
void keepOnScreen(QWidget* window);

// A checkable button that shows or hides a pane of the window when toggled;
// Return in a field presses the window's own button, never this one.
QPushButton* paneButton(QWidget* window, const QString& objectName, const QString& text,
                        const QString& accessibleName, const QString& toolTip,
                        std::function<void(bool)> toggled);

} // namespace platform::qt
