#include "ErrorController.h"

#include "Numbers.h"
#include "Series.h"
#include "Working.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The values added so far: their sum and how many they are. Both are floats,
// the count included, like every number the tools store.
float sum = 0.0f;
float counter = 0.0f;

// Each value added with the sum and count from just before it: subtracting
// it again in float would not always give them back.
struct Added
{
    float value = 0.0f;
    float sumBefore = 0.0f;
    float counterBefore = 0.0f;
    // Where the text as typed is kept, when its reading was noted; 0 when
    // not. An index keeps the entry plain, so that an edit at the start of a
    // long series moves bytes, not strings.
    std::uint32_t typed = 0;
};
std::vector<Added> added;
// The texts typed, kept until the series is reset; entry i is index i + 1.
// Empty until a reading is noted: a vector built at start would put this
// file's code among the pages every start reads.
std::vector<std::string> typedTexts;

std::uint32_t keep(const std::string& typed)
{
    if (typed.empty())
        return 0;
    typedTexts.push_back(typed);
    return static_cast<std::uint32_t>(typedTexts.size());
}

const std::string& typedText(std::uint32_t index)
{
    static const std::string none;
    return index == 0 ? none : typedTexts[index - 1];
}
series::Statistics statistics;
// Bytes, not bits: an edit at the start of a long series moves them all, and
// shifting bits one by one costs more than a whole byte move.
std::vector<std::uint8_t> flagged;
std::size_t flaggedCount = 0;
std::size_t notedCount = 0;
// How many values have each number of decimals, as read (2 for 1.44): the
// sum is written to the most of them. A float's shortest decimal has at most
// 45.
std::array<std::size_t, 46> byDecimals{};
// Whether the log has had the series as it stands.
bool sent = true;

struct Entry
{
    float value = 0.0f;
    std::string typed;
};

// What the last removal, edit or clear replaced: undo puts it back.
struct Change
{
    std::size_t first = 0;
    std::size_t inserted = 0;
    std::vector<Entry> removed;
};
std::optional<Change> undoable;

using platform::shortest;
using platform::Text;

std::string countText()
{
    return platform::stringWithFormat("%0.0f", counter);
}

// The running sum to the most decimals of the values in it, without the
// float sum's own noise: 14.40 for ten 1.44, not 14.400001.
std::string sumText()
{
    int decimals = static_cast<int>(byDecimals.size()) - 1;
    while (decimals > 0 && byDecimals[static_cast<std::size_t>(decimals)] == 0)
        --decimals;
    return platform::toDecimals(sum, decimals);
}

void countDecimals(float value, bool in)
{
    const auto decimals = static_cast<std::size_t>(platform::shortestDecimals(value));
    std::size_t& count = byDecimals[std::min(decimals, byDecimals.size() - 1)];
    count = in ? count + 1 : count - 1;
}

std::string twoDecimals(float value)
{
    return platform::stringWithFormat("%0.2f", value);
}

const Text tool{PHYSCALC_TRANSLATE_NOOP("Working", "Measurement errors"), {}};

// A text read once, under a field's name: the reading and the decision
// whether to add it see the same text. The mark goes to the field, if any.
class Typed final : public platform::Field
{
public:
    Typed(std::string typed, std::string called, platform::Field* markedField)
        : text(std::move(typed))
        , name(std::move(called))
        , marked(markedField)
    {
    }
    std::string stringValue() const override { return text; }
    void setStringValue(const std::string&) override { }
    std::string label() const override { return name; }
    void setMark(const std::optional<Text>& note) override
    {
        if (marked != nullptr)
            marked->setMark(note);
    }

private:
    std::string text;
    std::string name;
    platform::Field* marked;
};

std::string sheetUnit(const ErrorController& c)
{
    return c.labSheet != nullptr ? c.labSheet->unit() : std::string();
}

// A text is read in full when its reading needs no warning: a decimal comma
// or the field's own unit is; an empty text, a letter or a second
// separator is not.
bool readInFull(const std::string& text, const std::string& label, const std::string& unit)
{
    const std::optional<platform::Reading> reading = platform::readingNote(text, label, unit);
    return !reading || !reading->warning;
}

bool noted(const std::string& text, const std::string& label, const std::string& unit)
{
    return platform::readingNote(text, label, unit).has_value();
}

float resolutionOf(const ErrorController& c)
{
    return c.labSheet != nullptr
               ? platform::readMeasured(c.labSheet->resolution(), c.labSheet->unit()).value
               : 0.0f;
}

// The notes of the sheet's own fields, then one for each value whose reading
// was noted, by its place in the series as it stands.
void showSheetNotes(ErrorController& c)
{
    if (c.labSheet == nullptr)
        return;
    std::vector<Text> lines;
    const std::string unit = c.labSheet->unit();
    const std::string resolution = c.labSheet->resolution();
    if (!resolution.empty()) {
        if (const auto reading =
                platform::readingNote(resolution, c.labSheet->resolutionLabel(), unit))
            lines.push_back(reading->note);
    }
    if (platform::spreadsheetSafe(unit) != unit) {
        lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                             "LabSheet", "Unit “%1” begins like a spreadsheet formula: copies and "
                                         "the log write it after a quote mark ('), as text."),
                         {unit}});
    }
    for (std::size_t i = 0; notedCount > 0 && i < added.size(); ++i) {
        if (added[i].typed != 0) {
            lines.push_back(
                {PHYSCALC_TRANSLATE_NOOP("LabSheet", "Value %1 typed “%2”, read as %3."),
                 {std::to_string(i + 1), typedText(added[i].typed), shortest(added[i].value)}});
        }
    }
    c.labSheet->showNotes(lines);
}

void showSeries(ErrorController& c, const Text& line)
{
    if (c.working != nullptr)
        c.working->show({line});
    if (c.labSheet == nullptr)
        return;
    c.labSheet->showFigures(statistics.figures(resolutionOf(c), c.labSheet->unit()));
    // A long series without outliers costs a press no scan of its values.
    if (flaggedCount > 0 || statistics.anyOutlier()) {
        const std::vector<bool> far = statistics.outliers();
        flaggedCount = 0;
        for (std::size_t i = 0; i < far.size(); ++i) {
            if (far[i] != (flagged[i] != 0)) {
                flagged[i] = far[i] ? 1 : 0;
                c.labSheet->flagValue(i, far[i]);
            }
            flaggedCount += far[i] ? 1 : 0;
        }
    }
    showSheetNotes(c);
}

// Puts the entries in place of count values from first on. The running sum
// and count are those saved before the first value changed, then run on
// through every value after it in float, as adding each would: subtracting
// in float would not always give them back.
Change splice(ErrorController& c, std::size_t first, std::size_t count,
              const std::vector<Entry>& with)
{
    first = std::min(first, added.size());
    count = std::min(count, added.size() - first);
    Change change{first, with.size(), {}};
    std::vector<float> values;
    for (const Entry& entry : with)
        values.push_back(entry.value);
    const auto from = added.begin() + static_cast<std::ptrdiff_t>(first);
    // Clearing a long series counts nothing.
    if (count == added.size())
        byDecimals.fill(0);
    for (auto it = from; it != from + static_cast<std::ptrdiff_t>(count); ++it) {
        change.removed.push_back({it->value, typedText(it->typed)});
        notedCount -= it->typed == 0 ? 0 : 1;
        if (count != added.size())
            countDecimals(it->value, false);
    }
    for (const Entry& entry : with) {
        notedCount += entry.typed.empty() ? 0 : 1;
        countDecimals(entry.value, true);
    }
    float runningSum = first < added.size() ? added[first].sumBefore : sum;
    float runningCount = first < added.size() ? added[first].counterBefore : counter;
    const auto flags = flagged.begin() + static_cast<std::ptrdiff_t>(first);
    flaggedCount -= static_cast<std::size_t>(
        std::count(flags, flags + static_cast<std::ptrdiff_t>(count), std::uint8_t{1}));
    // An edit keeps the series' length: nothing after it needs to move.
    if (with.size() != count) {
        added.erase(from, from + static_cast<std::ptrdiff_t>(count));
        added.insert(added.begin() + static_cast<std::ptrdiff_t>(first), with.size(), Added{});
        flagged.erase(flags, flags + static_cast<std::ptrdiff_t>(count));
        flagged.insert(flagged.begin() + static_cast<std::ptrdiff_t>(first), with.size(), 0);
    }
    for (std::size_t i = 0; i < with.size(); ++i) {
        added[first + i] = {with[i].value, 0.0f, 0.0f, keep(with[i].typed)};
        flagged[first + i] = 0;
    }
    for (std::size_t i = first; i < added.size(); ++i) {
        added[i].sumBefore = runningSum;
        added[i].counterBefore = runningCount;
        runningSum = runningSum + added[i].value;
        runningCount = runningCount + 1.0f;
    }
    sum = runningSum;
    counter = runningCount;
    statistics.replace(first, count, values);
    sent = added.empty();
    if (c.labSheet != nullptr) {
        std::vector<std::string> shown;
        for (const float value : values)
            shown.push_back(shortest(value));
        c.labSheet->replaceValues(first, count, shown);
    }
    return change;
}

} // namespace

void ErrorController::addToMedia(platform::Sender)
{
    press.begin("+");
    const std::string unit = sheetUnit(*this);
    const std::string text = valToMedia->stringValue();
    const float v = press.read(Typed(text, valToMedia->label(), valToMedia), unit, "x");
    if (!readInFull(text, valToMedia->label(), unit)) {
        press.add({PHYSCALC_TRANSLATE_NOOP("Notes", "“%1” was not added: the series takes only a "
                                                    "number read in full. Correct it and add it "
                                                    "again."),
                   {text}});
        press.finish(notes);
        return;
    }
    const float before = counter;
    splice(*this, added.size(), 0,
           {{v, noted(text, valToMedia->label(), unit) ? text : std::string()}});
    if (counter == before) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "The count has stopped growing at %1 (2^24): a float "
                                              "count cannot grow by 1 any more, so the value went "
                                              "into the sum only."),
             {countText()}});
    }
    if (!std::isfinite(v)) {
        press.add({PHYSCALC_TRANSLATE_NOOP(
                       "Notes", "%1 was read as %2, beyond what the calculator holds (about 3.4 "
                                "× 10³⁸): the mean and the lab sheet's figures have no value "
                                "while it is in the series."),
                   {valToMedia->stringValue(), shortest(v)}});
    }
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);

    showSeries(*this, Text{PHYSCALC_TRANSLATE_NOOP("Working", "Added %1: n = %2, \u03a3x = %3"),
                           {shortest(v), shortest(counter), sumText()}});
}

void ErrorController::getMedia(platform::Sender)
{
    press.begin("mean");
    // With nothing added this is 0/0, shown as "nan".
    const float m = sum / counter;
    press.display(*mediaLabel, "%0.2f", m);
    if (counter == 0.0f) {
        press.add({PHYSCALC_TRANSLATE_NOOP(
                       "Notes",
                       "No value has been added yet: the mean is 0 / 0 (nan). Add values first."),
                   {}});
    } else {
        press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Mean of %1 values."), {countText()}});
    }
    press.finish(notes);

    working::publish(
        press, working, log,
        {tool, {{"\u03a3x", sumText()}, {"n", shortest(counter)}}, {{"x\u0304", twoDecimals(m)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "x\u0304 = \u03a3x / n = %1 / %2 = %3"),
              {sumText(), shortest(counter), twoDecimals(m)}}});
}

void ErrorController::erase(platform::Sender)
{
    const std::size_t cleared = added.size();
    if (cleared > 0)
        undoable = splice(*this, 0, cleared, {});
    sum = 0.0f;
    counter = 0.0f;
    press.begin("");
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    if (cleared > 0) {
        press.inform({PHYSCALC_TRANSLATE_NOOP(
                          "Notes", "%1 values cleared: Undo on the lab sheet brings them back."),
                      {std::to_string(cleared)}});
    }
    press.finish(notes);

    showSeries(*this,
               Text{PHYSCALC_TRANSLATE_NOOP(
                        "Working", "Values cleared: n = 0, \u03a3x = 0. The mean shown stays "
                                   "until Show mean is pressed again."),
                    {}});
}

void ErrorController::getAbs(platform::Sender)
{
    press.begin("Δx = ε · x");
    const float r = press.read(*setRel, "");
    const float v = press.read(*setVal, "");
    const float a = r * v;
    press.display(*absLabel, "%0.2f", a);
    press.finish(notes);

    uncertainty::Propagation errors(press);
    const uncertainty::Value relative = errors.input(*setRel, r, "\u03b5", "");
    const uncertainty::Value value = errors.input(*setVal, v, "x", "");
    errors.result("\u0394x", a, relative * value, "", true);
    errors.show(uncertainties);

    working::publish(
        press, working, log,
        {tool, {{"\u03b5", shortest(r)}, {"x", shortest(v)}}, {{"\u0394x", twoDecimals(a)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "\u0394x = \u03b5 \u00b7 x = %1 \u00d7 %2 = %3"),
              {shortest(r), shortest(v), twoDecimals(a)}}},
        &errors);
}

void ErrorController::getRelPerc(platform::Sender)
{
    press.begin("ε = Δx / x");
    const float e = press.read(*setAbsForPerc, "");
    const float m = press.read(*setMisuraForPerc, "");
    const float rel = e / m;
    press.display(*getRelLabel, "%0.2f", rel);
    // From the unrounded quotient: 1 of 3 is 33.33 %, not the 33.00 % that
    // the two decimals on screen would give.
    const float pct = rel * 100.0f;
    press.display(*getPercLabel, "%0.2f", pct);
    press.noteQuotient(*setAbsForPerc, e, *setMisuraForPerc, m);
    press.finish(notes);

    uncertainty::Propagation errors(press);
    const uncertainty::Value absolute = errors.input(*setAbsForPerc, e, "\u0394x", "");
    const uncertainty::Value measured = errors.input(*setMisuraForPerc, m, "x", "");
    errors.result("\u03b5", rel, absolute / measured, "", true);
    errors.result("\u03b5%", pct, absolute / measured * uncertainty::Value(100.0), "%", true);
    errors.show(uncertainties);

    working::publish(
        press, working, log,
        {tool,
         {{"\u0394x", shortest(e)}, {"x", shortest(m)}},
         {{"\u03b5", twoDecimals(rel)}, {"\u03b5%", twoDecimals(pct), "%"}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "\u03b5 = \u0394x / x = %1 / %2 = %3"),
              {shortest(e), shortest(m), twoDecimals(rel)}},
         Text{
             PHYSCALC_TRANSLATE_NOOP("Working", "\u03b5% = \u03b5 \u00b7 100 %1 \u00d7 100 = %2 %"),
             {working::step(rel), twoDecimals(pct)}}},
        &errors);
}

void ErrorController::removeLast(platform::Sender)
{
    if (!added.empty())
        removeValue(added.size() - 1);
}

void ErrorController::removeValue(std::size_t index)
{
    if (index >= added.size())
        return;
    const float value = added[index].value;
    undoable = splice(*this, index, 1, {});
    finishEdit(Text{PHYSCALC_TRANSLATE_NOOP("Working", "Removed %1: n = %2, \u03a3x = %3"),
                    {shortest(value), shortest(counter), sumText()}});
}

void ErrorController::editValue(std::size_t index, const std::string& text)
{
    if (index >= added.size())
        return;
    const std::string unit = sheetUnit(*this);
    // Read as the field the value came from would read it, under its name.
    const Typed field(text, valToMedia != nullptr ? valToMedia->label() : std::string(), nullptr);
    press.begin("");
    const float v = press.read(field, unit);
    if (!readInFull(text, field.label(), unit)) {
        press.add({PHYSCALC_TRANSLATE_NOOP("Notes", "“%1” was not taken: the value stays %2. "
                                                    "Type a number read in full."),
                   {text, shortest(added[index].value)}});
        press.finish(notes);
        // The sheet shows the value it still holds.
        if (labSheet != nullptr)
            labSheet->replaceValues(index, 1, {shortest(added[index].value)});
        return;
    }
    const float old = added[index].value;
    undoable =
        splice(*this, index, 1, {{v, noted(text, field.label(), unit) ? text : std::string()}});
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);
    showSeries(*this, Text{PHYSCALC_TRANSLATE_NOOP(
                               "Working", "Value %1 changed from %2 to %3: n = %4, \u03a3x = %5"),
                           {std::to_string(index + 1), shortest(old), shortest(v),
                            shortest(counter), sumText()}});
}

void ErrorController::pasteValues(const std::string& text)
{
    const std::string unit = sheetUnit(*this);
    const std::string label = valToMedia != nullptr ? valToMedia->label() : std::string();
    std::vector<std::string> pieces;
    std::string piece;
    const auto flush = [&] {
        const std::size_t begin = piece.find_first_not_of(' ');
        if (begin != std::string::npos) {
            const std::string trimmed =
                piece.substr(begin, piece.find_last_not_of(' ') + 1 - begin);
            // "1,42 s" is one reading; "1.42 1.45 1.43" is three.
            std::vector<std::string> words;
            std::size_t at = 0;
            while (at < trimmed.size()) {
                const std::size_t space = std::min(trimmed.find(' ', at), trimmed.size());
                if (space > at)
                    words.push_back(trimmed.substr(at, space - at));
                at = space + 1;
            }
            const bool separate =
                words.size() > 1 && std::all_of(words.begin(), words.end(), [&](const auto& w) {
                    return readInFull(w, label, unit) && !noted(w, label, unit);
                });
            if (separate)
                pieces.insert(pieces.end(), words.begin(), words.end());
            else
                pieces.push_back(trimmed);
        }
        piece.clear();
    };
    for (const char c : text) {
        if (c == '\n' || c == '\r' || c == '\t' || c == ';')
            flush();
        else
            piece += c;
    }
    flush();

    press.begin("+");
    std::vector<Entry> entries;
    for (const std::string& reading : pieces) {
        if (!readInFull(reading, label, unit)) {
            press.add({PHYSCALC_TRANSLATE_NOOP("Notes", "“%1” was not added: the series takes "
                                                        "only a number read in full."),
                       {reading}});
            continue;
        }
        entries.push_back({platform::readMeasured(reading, unit).value,
                           noted(reading, label, unit) ? reading : std::string()});
    }
    if (!entries.empty())
        splice(*this, added.size(), 0, entries);
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);
    showSeries(*this,
               Text{PHYSCALC_TRANSLATE_NOOP("Working", "Added %1 values: n = %2, \u03a3x = %3"),
                    {std::to_string(entries.size()), shortest(counter), sumText()}});
}

void ErrorController::undo(platform::Sender)
{
    if (!undoable)
        return;
    const Change change = *undoable;
    undoable.reset();
    splice(*this, change.first, change.inserted, change.removed);
    finishEdit(Text{PHYSCALC_TRANSLATE_NOOP("Working", "Undone: n = %1, \u03a3x = %2"),
                    {shortest(counter), sumText()}});
}

bool ErrorController::canUndo() const
{
    return undoable.has_value();
}

bool ErrorController::hasUnsentValues() const
{
    return !sent;
}

void ErrorController::finishEdit(const Text& line)
{
    press.begin("");
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);
    showSeries(*this, line);
}

void ErrorController::refreshSheet(platform::Sender)
{
    if (labSheet == nullptr)
        return;
    labSheet->showFigures(statistics.figures(resolutionOf(*this), labSheet->unit()));
    showSheetNotes(*this);
}

void ErrorController::copySheet(platform::Sender)
{
    if (labSheet == nullptr)
        return;
    const platform::SeriesFigures shown = statistics.figures(resolutionOf(*this), labSheet->unit());
    std::vector<platform::CopyRow> rows;
    const std::string unit = labSheet->unit();
    rows.push_back({unit.empty() ? Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Values"), {}}
                                 : Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Values (%1)"), {unit}},
                    ""});
    for (const Added& value : added)
        rows.push_back({Text{}, shortest(value.value)});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "n"), {}}, shown.count});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Minimum"), {}}, shown.minimum});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Maximum"), {}}, shown.maximum});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Mean"), {}}, shown.mean});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Half-range"), {}}, shown.halfRange});
    rows.push_back(
        {Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Standard deviation s"), {}}, shown.deviation});
    rows.push_back(
        {Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "s / \u221an"), {}}, shown.deviationOfMean});
    rows.push_back({Text{PHYSCALC_TRANSLATE_NOOP("LabSheet", "Result"), {}}, shown.result});
    labSheet->copy(rows);
}

void ErrorController::sendSheetToLog(platform::Sender)
{
    if (labSheet == nullptr || log == nullptr || added.empty())
        return;
    const std::string unit = labSheet->unit();
    const platform::SeriesFigures shown = statistics.figures(resolutionOf(*this), unit);
    platform::Computation entry{
        {PHYSCALC_TRANSLATE_NOOP("Working", "Measurement errors: lab sheet"), {}}, {}, {}};
    for (std::size_t i = 0; i < added.size(); ++i) {
        platform::Quantity value{"x" + std::to_string(i + 1), shortest(added[i].value), unit};
        if (added[i].typed != 0) {
            value.typed = typedText(added[i].typed);
            value.note = {PHYSCALC_TRANSLATE_NOOP("LabSheet", "read as %1"),
                          {shortest(added[i].value)}};
        }
        entry.inputs.push_back(value);
    }
    const std::string resolution = labSheet->resolution();
    if (!resolution.empty())
        entry.inputs.push_back(
            {"\u03b4x", shortest(resolutionOf(*this)), unit,
             noted(resolution, labSheet->resolutionLabel(), unit) ? resolution : ""});
    entry.results = {{"n", shown.count},
                     {"x\u0304", shown.mean, unit},
                     {"s", shown.deviation, unit},
                     {"(max \u2212 min) / 2", shown.halfRange, unit},
                     {"x\u0304 \u00b1 \u0394x", shown.result}};
    log->record(entry);
    sent = true;
}

namespace runningMean {

Totals totals()
{
    return {sum, counter};
}

std::vector<float> values()
{
    std::vector<float> list;
    for (const Added& value : added)
        list.push_back(value.value);
    return list;
}

void reset(Totals from)
{
    sum = from.sum;
    counter = from.counter;
    added.clear();
    statistics.clear();
    flagged.clear();
    flaggedCount = 0;
    notedCount = 0;
    byDecimals.fill(0);
    typedTexts.clear();
    undoable.reset();
    sent = true;
}

} // namespace runningMean
