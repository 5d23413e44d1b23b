#include "Notes.h"

#include "Numbers.h"

#include <cmath>

namespace platform {

void Notes::begin(std::string pressed)
{
    formula = std::move(pressed);
    noted.clear();
    converted.clear();
    inputsRead.clear();
    uncertain.clear();
    unexplained.clear();
    explained = false;
}

float Notes::read(const Field& field, std::string_view unit, std::string_view symbol)
{
    const std::string text = field.stringValue();
    const Measured measured = readMeasured(text, unit);
    const float value = measured.value;
    std::string shown = shortest(value);
    if (measured.uncertainty) {
        uncertain[&field] = *measured.uncertainty;
        shown += " \u00b1 " + shortest(*measured.uncertainty);
    } else {
        uncertain.erase(&field);
    }
    if (!measured.unit.empty()) {
        std::string typed = text;
        typed.erase(0, typed.find_first_not_of(" \t"));
        typed.erase(typed.find_last_not_of(" \t") + 1);
        converted.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "%1 = %2 = %3 %4"),
                             {symbol.empty() ? field.label() : std::string(symbol), typed, shown,
                              std::string(unit)}});
    }
    const std::optional<Reading> reading = readingNote(text, field.label(), unit);
    // Const for the controllers, which only read these fields; the mark is
    // the platform's, not a change of the field's value. A reading that is
    // what the person meant is noted, not marked.
    const_cast<Field&>(field).setMark(reading && reading->warning ? std::optional(reading->note)
                                                                  : std::nullopt);
    if (reading)
        noted.push_back(reading->note);
    if (!symbol.empty()) {
        inputsRead.push_back({std::string(symbol), std::string(unit),
                              reading ? text : std::string(), reading ? reading->note : Text{}});
    }

    const auto own = written.find(&field);
    if (own != written.end() && own->second.text == text && own->second.value != value
        && std::isfinite(own->second.value)) {
        // "0.3058…" runs on; "5.000 × 10⁻⁷" is exact as far as it goes.
        std::string exact = significantFigures(own->second.value);
        if (exact.find(' ') == std::string::npos)
            exact += "…";
        noted.push_back({PHYSCALC_TRANSLATE_NOOP("Notes", "%1: %2 is the rounded %3; %4 used %2."),
                         {field.label(), text, exact, formula}});
    }
    return value;
}

float Notes::uncertainty(const Field& field) const
{
    const auto found = uncertain.find(&field);
    return found != uncertain.end() ? found->second : 0.0f;
}

void Notes::display(Field& field, std::string_view format, float value)
{
    const double widened = value;
    const std::string text = stringWithFormat(format, widened);
    field.setStringValue(text);
    written[&field] = {text, value};
    if (!std::isfinite(value)) {
        unexplained.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 is %2: a number beyond what the calculator "
                                              "holds (about 3.4 × 10³⁸) went into it."),
             {field.label(), text}});
    }
    if (!std::isfinite(value) || value == 0.0f || significantDigitsShown(text) >= 2)
        return;
    if (significantDigitsShown(text) == 0 && text.starts_with('-')) {
        noted.push_back({PHYSCALC_TRANSLATE_NOOP("Notes", "%1 shows %2: a tiny negative number "
                                                          "(%3) rounded, as good as 0."),
                         {field.label(), text, significantFigures(widened)}});
    } else {
        noted.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 ≈ %2 (the %3 shown hides its digits)."),
             {field.label(), significantFigures(widened), text}});
    }
}

void Notes::noteQuotient(const Field& dividend, float a, const Field& divisor, float b)
{
    if (b != 0.0f)
        return;
    explained = true;
    if (a == 0.0f) {
        noted.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 and %2 are both 0: 0 / 0 has no value (nan)."),
             {dividend.label(), divisor.label()}});
    } else {
        noted.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1 is 0: dividing by zero gives an infinity (inf)."),
             {divisor.label()}});
    }
}

void Notes::add(Text line)
{
    noted.push_back(std::move(line));
    explained = true;
}

void Notes::inform(Text line)
{
    noted.push_back(std::move(line));
}

void Notes::finish(TextPane* pane)
{
    if (!explained && !unexplained.empty())
        noted.push_back(unexplained.front());
    if (pane != nullptr)
        pane->show(noted);
}

} // namespace platform
