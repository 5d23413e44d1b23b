// The controls a controller talks to: fields, choice controls, windows, and the
// application object that attaches panels to windows as sheets.
//
// PhysCalc is built in four layers, each a folder and a CMake target, every
// dependency pointing down:
//   - platform/ (this folder): these interfaces and the number rules
//     (Numbers.h). Plain C++, no Qt.
//   - controllers/: one per window, holding non-owning outlet pointers to
//     controls and one method per button. Plain C++, no Qt.
//   - platform/qt/: Qt adapters for these interfaces, the drawings and the
//     Designer forms. They know nothing of physics or of the controllers.
//   - app/: Interface, which creates every window at start, sets every outlet
//     and connects every button, and the application main.
//
// One press of the inclined plane's Analyze button: the QPushButton's clicked
// signal, connected in app/Interface.cpp, calls PianoController::analyze; it
// reads four QLineEdits through Field::floatValue (LineEditField adapts them),
// computes in float and double, and writes eight fields through display(),
// which formats locale-independently and calls Field::setStringValue.
#pragma once

#include "Text.h"

#include <optional>
#include <string>
#include <utility>

namespace platform {

// Actions receive the control that triggered them; none of them looks at it.
using Sender = const void*;

class Field
{
public:
    virtual ~Field() = default;

    virtual std::string stringValue() const = 0;
    virtual void setStringValue(const std::string& text) = 0;
    // Words rather than a number, such as a verdict, in the person's own
    // language.
    virtual void setText(const Text& text);

    // The leading number of the text, by the rules of readFloat and readInt.
    float floatValue() const;
    int intValue() const;

    // What a person calls the field, in their own language; empty when the
    // field has no name.
    virtual std::string label() const { return {}; }
    // Shows beside the field why what was read from it is probably not what
    // was meant; nothing takes the mark away. Editing the field takes it away
    // too.
    virtual void setMark(const std::optional<Text>& note) { static_cast<void>(note); }

protected:
    Field() = default;
    Field(const Field&) = default;
    Field& operator=(const Field&) = default;
};

class ChoiceControl
{
public:
    virtual ~ChoiceControl() = default;

    // The title of the chosen item, exactly as it is listed.
    virtual std::string title() const = 0;
    // Chooses the item with that title; a title no item has changes nothing.
    virtual void setTitle(const std::string& title) { static_cast<void>(title); }

protected:
    ChoiceControl() = default;
    ChoiceControl(const ChoiceControl&) = default;
    ChoiceControl& operator=(const ChoiceControl&) = default;
};

// A top-level window, or a panel that is shown as a sheet on a window.
// Hiding one keeps the contents of its fields.
class Window
{
public:
    virtual ~Window() = default;

    // Shows the window in front of the others and gives it the keyboard; a
    // window already shown is only brought to the front.
    virtual void makeKeyAndOrderFront(Sender sender) = 0;
    virtual void orderOut(Sender sender) = 0;

protected:
    Window() = default;
    Window(const Window&) = default;
    Window& operator=(const Window&) = default;
};

// The application object. Sheets are window-modal: beginning one returns at
// once and the event loop goes on; the sheet's own button ends it.
class Application
{
public:
    virtual ~Application() = default;

    virtual void beginSheet(Window& sheet, Window& docWindow) = 0;
    // Ends the sheet's modal state; callers follow it with orderOut on the
    // same panel.
    virtual void endSheet(Window& sheet) = 0;

    // An alert attached to docWindow as a sheet. The message is shown as it
    // stands: it is never used as a format. Empty alternate and other button
    // texts mean no such button.
    virtual void beginAlertSheet(const std::string& title, const std::string& defaultButton,
                                 const std::string& alternateButton, const std::string& otherButton,
                                 Window& docWindow, const std::string& message) = 0;

protected:
    Application() = default;
    Application(const Application&) = default;
    Application& operator=(const Application&) = default;
};

// The application object of the running program.
Application& app();

namespace detail {
// Set only through CurrentApplication.
inline Application* installedApplication = nullptr;
} // namespace detail

// Makes an application object the one app() returns, for this object's
// lifetime; the previous one comes back afterwards. Defined here so that
// starting the program runs no code from this layer's object files, whose
// pages then stay unread until a tool computes.
class CurrentApplication
{
public:
    explicit CurrentApplication(Application& application)
        : previous(std::exchange(detail::installedApplication, &application))
    {
    }
    ~CurrentApplication() { detail::installedApplication = previous; }

    CurrentApplication(const CurrentApplication&) = delete;
    CurrentApplication& operator=(const CurrentApplication&) = delete;

private:
    Application* previous;
};

} // namespace platform
