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
    if (changed)
        changed();
}

void ResultsLog::clear()
{
    kept.clear();
    unsaved = false;
    if (changed)
        changed();
}

std::string ResultsLog::joined(const std::vector<platform::Quantity>& quantities)
{
    std::string text;
    for (const platform::Quantity& quantity : quantities) {
        if (!text.empty())
            text += "; ";
        text += quantity.symbol + " = " + quantity.value;
    }
    return text;
}

std::vector<std::vector<std::string>> ResultsLog::rows(const Render& render) const
{
    std::vector<std::vector<std::string>> table{
        {render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Time"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Tool"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Inputs"), {}}),
         render({PHYSCALC_TRANSLATE_NOOP("ResultsLog", "Results"), {}})}};
    for (const Entry& entry : kept) {
        table.push_back({entry.time, render(entry.computation.tool),
                         joined(entry.computation.inputs), joined(entry.computation.results)});
    }
    return table;
}

std::string ResultsLog::plainText(const Render& render) const
{
    std::string text;
    for (const auto& row : rows(render)) {
        for (std::size_t column = 0; column < row.size(); ++column)
            text += (column == 0 ? "" : "\t") + row[column];
        text += '\n';
    }
    return text;
}

std::string ResultsLog::csv(const Render& render) const
{
    std::string text;
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
