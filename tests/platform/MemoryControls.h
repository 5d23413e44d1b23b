// In-memory controls for controller tests: fields, windows and an application
// object that write what happens to them into a shared journal, so a test can
// check the order of reads, writes and sheet operations.
#pragma once

#include "Controls.h"
#include "Diagram.h"
#include "Drawing.h"
#include "LabSheet.h"
#include "Log.h"
#include "Text.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace test {

using Journal = std::vector<std::string>;

class MemoryField final : public platform::Field
{
public:
    MemoryField(std::string name, Journal& journal);

    // Reading it through the controls interface is journaled ("read name");
    // tests reach the text directly.
    std::string stringValue() const override;
    // Journaled as "write name=text".
    void setStringValue(const std::string& newText) override;
    // The outlet name; neither is journaled.
    std::string label() const override { return name; }
    void setMark(const std::optional<platform::Text>& note) override { mark = note; }

    std::string text;
    std::optional<platform::Text> mark;

private:
    std::string name;
    Journal& journal;
};

class MemoryChoice final : public platform::ChoiceControl
{
public:
    MemoryChoice(std::string name, Journal& journal);
    std::string title() const override;
    void setTitle(const std::string& title) override { chosen = title; }

    std::string chosen;

private:
    std::string name;
    Journal& journal;
};

class MemoryWindow final : public platform::Window
{
public:
    MemoryWindow(std::string name, Journal& journal);
    void makeKeyAndOrderFront(platform::Sender sender) override;
    void orderOut(platform::Sender sender) override;

    const std::string& name() const { return windowName; }
    bool visible = false;

private:
    std::string windowName;
    Journal& journal;
};

// Keeps what is drawn; drawing is not journaled.
class MemoryDiagram final : public platform::Diagram
{
public:
    struct Drawn
    {
        Point from;
        Point to;
        std::string label;
        Arrow kind;
    };

    void erase() override;
    void drawArrow(Point from, Point to, const std::string& label, Arrow kind) override;
    // Kept as English, filled in.
    void addLegendLine(const platform::Text& text) override;
    void setDescription(const platform::Text& text) override;

    std::vector<Drawn> arrows;
    std::vector<std::string> legend;
    std::string description;
};

// Counts what a controller draws, keeps its arrows and the sweeps of its
// turns, and its caption and description in English.
class MemoryDrawing final : public platform::Drawing
{
public:
    struct Arrow
    {
        Point from;
        Point to;
        std::string label;
    };

    void erase() override;
    void drawOutline(const std::vector<Point>&, Ink) override { ++strokes; }
    void drawLine(Point, Point, Ink) override { ++strokes; }
    void drawArrow(Point from, Point to, const std::string& label, Ink) override;
    void drawTurn(Point, double, double, double sweep, const std::string&, Ink) override;
    void drawLabel(Point, const std::string&) override { ++strokes; }
    void setCaption(const platform::Text& text) override;
    void setDescription(const platform::Text& text) override;

    // The arrow whose label begins with the name and a space.
    const Arrow* arrow(const std::string& name) const;

    int strokes = 0;
    std::vector<Arrow> arrows;
    std::vector<double> sweeps;
    std::string caption;
    std::string description;
};

// Keeps the lines last shown, and the computations recorded.
class MemoryPane final : public platform::TextPane
{
public:
    void show(const std::vector<platform::Text>& shown) override { lines = shown; }

    // The lines as English text, one per line.
    std::string english() const;

    std::vector<platform::Text> lines;
};

class MemoryLog final : public platform::ComputationLog
{
public:
    void record(const platform::Computation& computation) override
    {
        recorded.push_back(computation);
    }

    std::vector<platform::Computation> recorded;
};

// Keeps the list, the figures last shown and the last copy; the resolution
// and unit are typed into its members.
class MemoryLabSheet final : public platform::LabSheet
{
public:
    void replaceValues(std::size_t first, std::size_t count,
                       const std::vector<std::string>& with) override;
    void flagValue(std::size_t index, bool far) override { flagged.at(index) = far; }
    void showFigures(const platform::SeriesFigures& shown) override { figures = shown; }
    void showNotes(const std::vector<platform::Text>& lines) override { notes = lines; }
    std::string resolution() const override { return typedResolution; }
    std::string unit() const override { return typedUnit; }
    std::string resolutionLabel() const override { return "Resolution"; }
    void copy(const std::vector<platform::CopyRow>& rows) override { copied = rows; }

    std::vector<std::string> values;
    std::vector<bool> flagged;
    std::vector<platform::Text> notes;
    platform::SeriesFigures figures;
    std::string typedResolution;
    std::string typedUnit;
    std::vector<platform::CopyRow> copied;
};

struct Alert
{
    std::string title;
    std::string defaultButton;
    std::string alternateButton;
    std::string otherButton;
    std::string window;
    std::string message;
};

// Journals "beginSheet panel on window", "endSheet panel" and "alert on
// window", and keeps which sheet is attached to which window and the alerts
// shown. Like the real one, a window carries one sheet at a time: a sheet or
// alert asked for while another is attached is journaled but not attached.
class MemoryApplication final : public platform::Application
{
public:
    explicit MemoryApplication(Journal& journal);

    void beginSheet(platform::Window& sheet, platform::Window& docWindow) override;
    void endSheet(platform::Window& sheet) override;
    void beginAlertSheet(const std::string& title, const std::string& defaultButton,
                         const std::string& alternateButton, const std::string& otherButton,
                         platform::Window& docWindow, const std::string& message) override;

    // The name of the sheet attached to the window, "alert" for the alert, or
    // an empty text.
    std::string sheetOn(const MemoryWindow& window) const;
    // The user presses the alert's button: the alert goes away.
    void dismissAlert(const MemoryWindow& window);

    std::vector<Alert> alerts;

private:
    Journal& journal;
    std::map<std::string, std::string> attached;
    platform::CurrentApplication current{*this};
};

} // namespace test
