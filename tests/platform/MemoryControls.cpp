#include "MemoryControls.h"

namespace test {

namespace {

const std::string& nameOf(platform::Window& window)
{
    return dynamic_cast<MemoryWindow&>(window).name();
}

} // namespace

std::string MemoryPane::english() const
{
    std::string text;
    for (const platform::Text& line : lines)
        text += platform::english(line) + "\n";
    return text;
}

MemoryField::MemoryField(std::string fieldName, Journal& fieldJournal)
    : name(std::move(fieldName))
    , journal(fieldJournal)
{
}

std::string MemoryField::stringValue() const
{
    journal.push_back("read " + name);
    return text;
}

void MemoryField::setStringValue(const std::string& newText)
{
    journal.push_back("write " + name + "=" + newText);
    text = newText;
}

MemoryChoice::MemoryChoice(std::string choiceName, Journal& choiceJournal)
    : name(std::move(choiceName))
    , journal(choiceJournal)
{
}

std::string MemoryChoice::title() const
{
    journal.push_back("title " + name);
    return chosen;
}

MemoryWindow::MemoryWindow(std::string name, Journal& windowJournal)
    : windowName(std::move(name))
    , journal(windowJournal)
{
}

void MemoryWindow::makeKeyAndOrderFront(platform::Sender)
{
    journal.push_back("front " + windowName);
    visible = true;
}

void MemoryWindow::orderOut(platform::Sender)
{
    journal.push_back("hide " + windowName);
    visible = false;
}

void MemoryDiagram::erase()
{
    arrows.clear();
    legend.clear();
}

void MemoryDiagram::drawArrow(Point from, Point to, const std::string& label, Arrow kind)
{
    arrows.push_back({from, to, label, kind});
}

void MemoryDiagram::addLegendLine(const platform::Text& text)
{
    legend.push_back(platform::english(text));
}

void MemoryDiagram::setDescription(const platform::Text& text)
{
    description = platform::english(text);
}

MemoryApplication::MemoryApplication(Journal& applicationJournal)
    : journal(applicationJournal)
{
}

void MemoryApplication::beginSheet(platform::Window& sheet, platform::Window& docWindow)
{
    journal.push_back("beginSheet " + nameOf(sheet) + " on " + nameOf(docWindow));
    std::string& sheetNow = attached[nameOf(docWindow)];
    if (!sheetNow.empty() && sheetNow != nameOf(sheet))
        return;
    sheetNow = nameOf(sheet);
    dynamic_cast<MemoryWindow&>(sheet).visible = true;
}

void MemoryApplication::endSheet(platform::Window& sheet)
{
    journal.push_back("endSheet " + nameOf(sheet));
    for (auto& [window, sheetNow] : attached) {
        if (sheetNow == nameOf(sheet))
            sheetNow.clear();
    }
}

void MemoryApplication::beginAlertSheet(const std::string& title, const std::string& defaultButton,
                                        const std::string& alternateButton,
                                        const std::string& otherButton, platform::Window& docWindow,
                                        const std::string& message)
{
    journal.push_back("alert on " + nameOf(docWindow));
    std::string& sheetNow = attached[nameOf(docWindow)];
    if (!sheetNow.empty())
        return;
    sheetNow = "alert";
    alerts.push_back(
        {title, defaultButton, alternateButton, otherButton, nameOf(docWindow), message});
}

std::string MemoryApplication::sheetOn(const MemoryWindow& window) const
{
    const auto found = attached.find(window.name());
    return found != attached.end() ? found->second : std::string();
}

void MemoryApplication::dismissAlert(const MemoryWindow& window)
{
    std::string& sheetNow = attached[window.name()];
    if (sheetNow == "alert")
        sheetNow.clear();
}

void MemoryDrawing::erase()
{
    strokes = 0;
    arrows.clear();
    sweeps.clear();
    caption.clear();
    description.clear();
}

void MemoryDrawing::drawArrow(Point from, Point to, const std::string& label, Ink)
{
    ++strokes;
    arrows.push_back({from, to, label});
}

void MemoryDrawing::drawTurn(Point, double, double, double sweep, const std::string&, Ink)
{
    ++strokes;
    sweeps.push_back(sweep);
}

void MemoryDrawing::setCaption(const platform::Text& text)
{
    caption = platform::english(text);
}

void MemoryDrawing::setDescription(const platform::Text& text)
{
    description = platform::english(text);
}

const MemoryDrawing::Arrow* MemoryDrawing::arrow(const std::string& name) const
{
    for (const Arrow& drawn : arrows) {
        if (drawn.label.rfind(name + " ", 0) == 0)
            return &drawn;
    }
    return nullptr;
}

void MemoryLabSheet::replaceValues(std::size_t first, std::size_t count,
                                   const std::vector<std::string>& with)
{
    const auto at = static_cast<std::ptrdiff_t>(first);
    const auto end = static_cast<std::ptrdiff_t>(first + count);
    values.erase(values.begin() + at, values.begin() + end);
    values.insert(values.begin() + at, with.begin(), with.end());
    flagged.erase(flagged.begin() + at, flagged.begin() + end);
    flagged.insert(flagged.begin() + at, with.size(), false);
}

} // namespace test
