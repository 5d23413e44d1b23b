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

    // Called after every change.
    std::function<void()> changed;
    // The time stamp of a new entry; local wall-clock time unless replaced.
    std::function<std::string()> clock;

    // "W = 10; h = 3": the quantities of one entry as one text.
    static std::string joined(const std::vector<platform::Quantity>& quantities);

    // Tab-separated lines with a heading line, for the clipboard.
    std::string plainText(const Render& render) const;
    // UTF-8 with a header row, quoted as RFC 4180 asks, lines ending CR LF.
    std::string csv(const Render& render) const;
    // A Markdown table.
    std::string markdown(const Render& render) const;

private:
    std::vector<std::vector<std::string>> rows(const Render& render) const;

    std::vector<Entry> kept;
    bool unsaved = false;
};
