// The results log of the session: every computation the tools record, newest
// last, kept in memory only, with the texts a person copies or saves.
#pragma once

#include "Log.h"

#include <functional>
#include <string>
#include <vector>

class ResultsLog final : public platform::ComputationLog
{
public:
    struct Entry
    {
        std::string time; // "HH:MM:SS", local time
        platform::Computation computation;
    };

    // Gives each tool's name and each heading in the interface's language.
    using Render = std::function<std::string(const platform::Text&)>;

    void record(const platform::Computation& computation) override;
    void clear();

    const std::vector<Entry>& entries() const { return kept; }

    // Entries recorded since the log was last saved or cleared: the program
    // asks before quitting with them.
    bool hasUnsavedEntries() const { return unsaved; }
    void markSaved() { unsaved = false; }

    // Called after every change; a new entry calls appended instead when
    // there is one, so that a view adds one row.
    std::function<void()> changed;
    std::function<void(const Entry&)> appended;
    // The time stamp of a new entry; local wall-clock time unless replaced.
    std::function<std::string()> clock;

    // "d = 0.14 m; F = 165 N": the quantities of one entry as one text,
    // each with its unit, and the text typed and its note where the reading
    // was noted.
    static std::string joined(const std::vector<platform::Quantity>& quantities,
                              const Render& render);
    // Time, tool, inputs and results of one entry.
    static std::vector<std::string> cells(const Entry& entry, const Render& render);

    // Tab-separated lines with a heading line, for the clipboard. In every
    // form, no cell begins like a spreadsheet formula.
    std::string plainText(const Render& render) const;
    // UTF-8 with a byte-order mark and a header row, quoted as RFC 4180 asks,
    // lines ending CR LF.
    std::string csv(const Render& render) const;
    // A Markdown table.
    std::string markdown(const Render& render) const;

private:
    std::vector<std::vector<std::string>> rows(const Render& render) const;

    std::vector<Entry> kept;
    bool unsaved = false;
};
