#include "ErrorController.h"

#include "Numbers.h"
#include "Series.h"
#include "Working.h"

#include <cmath>

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
};
std::vector<Added> added;
series::Statistics statistics;

using platform::shortest;
using platform::Text;

std::string countText()
{
    return platform::stringWithFormat("%0.0f", counter);
}

std::string twoDecimals(float value)
{
    return platform::stringWithFormat("%0.2f", value);
}

const Text tool{PHYSCALC_TRANSLATE_NOOP("Working", "Measurement errors"), {}};

void showSeries(ErrorController& c, const Text& line)
{
    if (c.working != nullptr)
        c.working->show({line});
    if (c.labSheet != nullptr)
        c.labSheet->showFigures(statistics.figures(c.labSheet->resolution(), c.labSheet->unit()));
}

} // namespace

void ErrorController::addToMedia(platform::Sender)
{
    press.begin("+");
    const float v = press.read(*valToMedia, "");
    const float before = counter;
    added.push_back({v, sum, counter});
    statistics.add(v);
    sum = sum + v;
    counter = counter + 1.0f;
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

    if (labSheet != nullptr)
        labSheet->appendValue(shortest(v));
    showSeries(*this, Text{PHYSCALC_TRANSLATE_NOOP("Working", "Added %1: n = %2, \u03a3x = %3"),
                           {shortest(v), shortest(counter), shortest(sum)}});
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
        {tool,
         {{"\u03a3x", shortest(sum)}, {"n", shortest(counter)}},
         {{"x\u0304", twoDecimals(m)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "x\u0304 = \u03a3x / n = %1 / %2 = %3"),
              {shortest(sum), shortest(counter), twoDecimals(m)}}});
}

void ErrorController::erase(platform::Sender)
{
    sum = 0.0f;
    counter = 0.0f;
    added.clear();
    statistics.clear();
    press.begin("");
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);

    if (labSheet != nullptr)
        labSheet->clearValues();
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
         {{"\u03b5", twoDecimals(rel)}, {"\u03b5%", twoDecimals(pct)}}},
        {Text{PHYSCALC_TRANSLATE_NOOP("Working", "\u03b5 = \u0394x / x = %1 / %2 = %3"),
              {shortest(e), shortest(m), twoDecimals(rel)}},
         Text{
             PHYSCALC_TRANSLATE_NOOP("Working", "\u03b5% = \u03b5 \u00b7 100 %1 \u00d7 100 = %2 %"),
             {working::step(rel), twoDecimals(pct)}}},
        &errors);
}

void ErrorController::removeLast(platform::Sender)
{
    if (added.empty())
        return;
    const Added last = added.back();
    added.pop_back();
    statistics.removeLast();
    sum = last.sumBefore;
    counter = last.counterBefore;
    press.begin("");
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "Values in the mean: %1."), {countText()}});
    press.finish(notes);

    if (labSheet != nullptr)
        labSheet->removeLastValue();
    showSeries(*this, Text{PHYSCALC_TRANSLATE_NOOP("Working", "Removed %1: n = %2, \u03a3x = %3"),
                           {shortest(last.value), shortest(counter), shortest(sum)}});
}

void ErrorController::refreshSheet(platform::Sender)
{
    if (labSheet != nullptr)
        labSheet->showFigures(statistics.figures(labSheet->resolution(), labSheet->unit()));
}

void ErrorController::copySheet(platform::Sender)
{
    if (labSheet == nullptr)
        return;
    const platform::SeriesFigures shown =
        statistics.figures(labSheet->resolution(), labSheet->unit());
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
}

} // namespace runningMean
