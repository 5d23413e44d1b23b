#include "ResultsLog.h"

#include <chrono>
#include <ctime>

namespace {

std::string localTime()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &parts);
    return text;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

// A pipe would end a Markdown cell, and a line break the row.
std::string markdownCell(const std::string& text)
{
    std::string cell;
    for (const char c : text) {
        if (c == '|')
            cell += "\\|";
        else if (c == '\n' || c == '\r')
            cell += ' ';
        else
            cell += c;
    }
    return cell;
}

} // namespace

void ResultsLog::record(const platform::Computation& computation)
{
    kept.push_back({clock ? clock() : localTime(), computation});
    unsaved = true;
    if (appended)
        appended(kept.back());
    else if (changed)
        changed();
}

void ResultsLog::clear()
{
    kept.clear();
    unsaved = false;
    if (changed)
        changed();
}

std::string ResultsLog::joined(const std::vector<platform::Quantity>& quantities,
                               const Render& render)
{
    std::string text;
    for (const platform::Quantity& quantity : quantities) {
        if (!text.empty())
            text += "; ";
        text += quantity.symbol + " = " + quantity.value;
        // 30°, as the fields' labels write an angle; 0.14 m.
        if (!quantity.unit.empty())
            text += (quantity.unit == "\u00b0" ? "" : " ") + quantity.unit;
        if (!quantity.typed.empty()) {
            const std::string note = quantity.note.source[0] != '\0' ? render(quantity.note) : "";
            text +=
                render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", " (typed “%1”)"), {quantity.typed}});
            if (!note.empty())
                text += " [" + note + "]";
        }
    }
    return text;
}

std::vector<std::string> ResultsLog::cells(const Entry& entry, const Render& render)
{
    return {entry.time, render(entry.computation.tool), joined(entry.computation.inputs, render),
            joined(entry.computation.results, render)};
}

std::vector<std::vector<std::string>> ResultsLog::rows(const Render& render) const
{
    std::vector<std::vector<std::string>> table{
        {render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Time"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Tool"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Inputs"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Results"), {}})}};
    for (const Entry& entry : kept) {
        table.push_back(cells(entry, render));
        for (std::string& cell : table.back())
            cell = platform::spreadsheetSafe(cell);
    }
    return table;
}

std::string ResultsLog::plainText(const Render& render) const
{
    std::string text;
    for (const auto& row : rows(render)) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            std::string cell = row[column];
            for (char& c : cell) {
                if (c == '\t' || c == '\n' || c == '\r')
                    c = ' ';
            }
            text += (column == 0 ? "" : "\t") + cell;
        }
        text += '\n';
    }
    return text;
}

std::string ResultsLog::csv(const Render& render) const
{
    // Without the mark, the spreadsheet most school desktops run reads the
    // file in a legacy code page, and α, ρ and ⊥ come out garbled.
    std::string text = "\xef\xbb\xbf";
    for (const auto& row : rows(render)) {
        for (std::size_t column = 0; column < row.size(); ++column)
            text += (column == 0 ? "" : ",") + csvField(row[column]);
        text += "\r\n";
    }
    return text;
}

std::string ResultsLog::markdown(const Render& render) const
{
    std::string text;
    bool heading = true;
    for (const auto& row : rows(render)) {
        text += "|";
        for (const std::string& cell : row)
            text += " " + markdownCell(cell) + " |";
        text += '\n';
        if (heading)
            text += "|---|---|---|---|\n";
        heading = false;
    }
    return text;
}
