// The lab sheet: a real series, Remove last and Clear, roundings, and a long series.
#include "ButtonCase.h"
#include "ErrorController.h"
#include "Numbers.h"
#include "ResultsLog.h"
#include "Series.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Strings = std::vector<std::string>;
struct Sheet
{
    test::Fields fields{"mediaLabel", "valToMedia"};
    test::MemoryLabSheet sheet;
    ErrorController controller;

    Sheet()
    {
        runningMean::reset();
        controller.mediaLabel = &fields.at("mediaLabel");
        controller.valToMedia = &fields.at("valToMedia");
        controller.labSheet = &sheet;
    }

    void add(std::initializer_list<const char*> values)
    {
        for (const char* value : values) {
            fields.at("valToMedia").text = value;
            controller.addToMedia(nullptr);
        }
    }

    std::string mean() { return controller.getMedia(nullptr), fields.at("mediaLabel").text; }

    std::string notes() const
    {
        std::string text;
        for (const platform::Text& line : sheet.notes)
            text += platform::english(line) + "\n";
        return text;
    }
};

TEST(LabSheet, a_real_series_gives_the_figures_a_student_writes)
{
    Sheet s;
    s.add({"2.01", "1.98", "2.03", "2.00", "1.99"});
    EXPECT_EQ(s.mean(), "2.00");
    EXPECT_EQ(s.sheet.values, (Strings{"2.01", "1.98", "2.03", "2", "1.99"}));
    // Every figure of this series, each in its own field, is pinned through
    // the window (WorkingLogTest).
    const platform::SeriesFigures& f = s.sheet.figures;
    EXPECT_EQ((Strings{f.count, f.halfRange, f.deviation, f.result}),
              (Strings{"5", "0.025", "0.0192", "2.00 \u00b1 0.03"}));

    s.sheet.typedResolution = "0.05"; // above the half-range, so it wins
    s.sheet.typedUnit = "m";
    s.controller.refreshSheet(nullptr);
    EXPECT_EQ(s.sheet.figures.result, "(2.00 \u00b1 0.05) m");
    s.controller.copySheet(nullptr);
    EXPECT_EQ(s.sheet.copied.back().value, s.sheet.figures.result); // the copy ends on the result
}

TEST(LabSheet, remove_last_restores_the_running_mean_to_the_digit)
{
    Sheet s;
    // In float, 0.6 + 1000000 - 1000000 is 0.625: subtracting the last value
    // would show a mean of 0.21.
    s.add({"0.1", "0.2", "0.3"});
    const platform::SeriesFigures figures = s.sheet.figures;
    s.add({"1000000"});
    s.controller.removeLast(nullptr);
    EXPECT_EQ(s.mean(), "0.20");
    EXPECT_EQ(s.sheet.figures, figures);
    s.controller.erase(nullptr);
    EXPECT_TRUE(s.sheet.values.empty() && s.sheet.figures == platform::SeriesFigures{});
    s.controller.removeLast(nullptr); // nothing left to remove: nothing happens
    EXPECT_EQ(runningMean::totals().counter, 0.0f);
    s.add({"4.2"}); // one value has no deviation and no uncertainty
    EXPECT_EQ((Strings{s.sheet.figures.deviation, s.sheet.figures.result}), (Strings(2, "\u2014")));
}

// Binary noise does not round down; a leading one keeps two figures; away from zero.
TEST(LabSheet, rounds_the_uncertainty_half_up_and_the_mean_to_its_place)
{
    // clang-format off
    for (const auto& [mean, uncertainty, written] : std::initializer_list<std::tuple<double, double, std::string>>{
             {2.002, (2.03 - 1.98) / 2.0, "2.00 \u00b1 0.03"}, {9.81234, 0.0149, "9.812 \u00b1 0.015"},
             {1234.5, 26.0, "1230 \u00b1 30"}, {-0.125, 0.02, "-0.13 \u00b1 0.02"}, {5.0, 0.0, ""},
             {2.0, 400.0, "0 \u00b1 400"}, {2.0, 100.0, "0 \u00b1 100"}, {-40.0, 400.0, "0 \u00b1 400"},
             {60.0, 400.0, "100 \u00b1 400"}}) // clang-format on
        EXPECT_EQ(series::plusMinus(mean, uncertainty), written) << mean << " " << uncertainty;
}

// A value beyond float reads as inf: no figure may pass for a number.
TEST(LabSheet, a_value_too_large_for_float_leaves_no_figure_looking_valid)
{
    Sheet s;
    test::MemoryPane notes;
    s.controller.notes = &notes;
    s.add({"1", "1e39"});
    EXPECT_NE(notes.english().find("1e39 was read as inf, beyond"), std::string::npos);
    s.add({"2"});
    const platform::SeriesFigures& f = s.sheet.figures;
    EXPECT_EQ((Strings{f.maximum, f.mean, f.halfRange, f.deviation, f.deviationOfMean, f.result}),
              (Strings{"inf", "nan", "inf", "nan", "nan", "\u2014"}));
}

TEST(LabSheet, a_hundred_thousand_values_stay_exact)
{
    Sheet s;
    for (int i = 0; i < 100000; ++i)
        s.add({i % 2 == 0 ? "9.99" : "10.01"});
    EXPECT_EQ(s.sheet.values.size(), 100000U);
    const platform::SeriesFigures& f = s.sheet.figures;
    EXPECT_EQ((Strings{f.count, f.mean, f.halfRange, f.result}),
              (Strings{"100000", "10", "0.01", "10.000 \u00b1 0.010"}));
}

TEST(ResultsLog, csv_quotes_as_rfc_4180_and_markdown_escapes_pipes)
{
    ResultsLog log;
    log.clock = [] { return std::string("10:00:00"); };
    log.record({{"Working", "Vector sum", {}},
                {{"v1", "10, 30\u00b0, ++"}, {"v2", "say \"hi\" | x"}},
                {{"R", "5.0000"}}});
    const auto english = [](const platform::Text& text) { return platform::english(text); };
    EXPECT_EQ(log.csv(english),
              "\xef\xbb\xbfTime,Tool,Inputs,Results\r\n10:00:00,Vector sum,\"v1 = 10, 30\u00b0, "
              "++; v2 = say \"\"hi\"\" | x\",R = 5.0000\r\n");
    EXPECT_NE(log.markdown(english).find("v2 = say \"hi\" \\| x |"), std::string::npos);
}

// Every edit reruns the float sum from the first value changed: it must equal
// adding the values left, in order, from nothing. 1e6 among tenths makes a
// subtraction or a sum in another order come out different.
TEST(LabSheet, every_edit_leaves_the_totals_of_adding_the_values_left_in_order)
{
    Sheet s;
    std::mt19937 random(7);
    const char* texts[] = {"0.1", "0.2", "0.3", "1000000", "2,5", "0.7"};
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int step = 0; step < 400; ++step) {
        const std::size_t n = runningMean::values().size();
        switch (pick(6)) {
        case 0:
            s.controller.removeValue(n == 0 ? 0 : pick(n));
            break;
        case 1:
            s.controller.editValue(n == 0 ? 0 : pick(n), texts[pick(6)]);
            break;
        case 2:
            s.controller.undo(nullptr);
            break;
        case 3:
            s.controller.pasteValues(std::string(texts[pick(6)]) + "\n" + texts[pick(6)]);
            break;
        case 4:
            if (pick(8) == 0)
                s.controller.erase(nullptr);
            break;
        default:
            s.add({texts[pick(6)]});
        }
        const std::vector<float> values = runningMean::values();
        float sum = 0.0f;
        for (const float value : values)
            sum = sum + value;
        ASSERT_EQ(runningMean::totals().sum, sum) << "step " << step;
        ASSERT_EQ(runningMean::totals().counter, static_cast<float>(values.size()));
        std::vector<std::string> listed;
        for (const float value : values)
            listed.push_back(platform::shortest(value));
        ASSERT_EQ(s.sheet.values, listed) << "step " << step;
        // The figures are those of the same values added one by one.
        series::Statistics added;
        for (const float value : values)
            added.add(value);
        ASSERT_EQ(s.sheet.figures, added.figures(0.0f, "")) << "step " << step;
    }
}

} // namespace

namespace {

// A note on a value stays while the value does; a half-read text never
// enters. The unit is the field's own, so "1,42 s" is read in full.
TEST(LabSheet, notes_stay_with_their_values_and_half_read_texts_stay_out)
{
    Sheet s;
    s.sheet.typedUnit = "s";
    s.sheet.typedResolution = "0,05";
    s.add({"1,42 s", "1.45", "1.46 kg", "abc", ""});
    EXPECT_EQ(s.sheet.values, (Strings{"1.42", "1.45"}));
    EXPECT_EQ(s.fields.at("valToMedia").text, ""); // the last, left in its field
    EXPECT_EQ(s.sheet.figures.result, "(1.44 \u00b1 0.05) s");
    EXPECT_EQ(s.notes(), "Resolution: \u201c0,05\u201d was read as 0.05 s.\n"
                         "Value 1 typed \u201c1,42 s\u201d, read as 1.42.\n");
    s.controller.editValue(1, "1.4.5"); // half read: the value stays
    EXPECT_EQ(s.sheet.values, (Strings{"1.42", "1.45"}));
    s.controller.removeValue(0);
    EXPECT_EQ(s.notes(), "Resolution: \u201c0,05\u201d was read as 0.05 s.\n");
    s.controller.undo(nullptr);
    EXPECT_NE(s.notes().find("Value 1 typed"), std::string::npos);
}

struct PasteCase
{
    const char *name, *pasted;
    Strings added;
    bool refused = false; // a reading was left out, and the notes say so
};
class Paste : public testing::TestWithParam<PasteCase>
{ };

TEST_P(Paste, adds_each_reading_read_in_full)
{
    Sheet s;
    test::MemoryPane notes;
    s.controller.notes = &notes;
    s.sheet.typedUnit = "s";
    s.controller.pasteValues(GetParam().pasted);
    EXPECT_EQ(s.sheet.values, GetParam().added);
    EXPECT_EQ(notes.english().find("was not added") != std::string::npos, GetParam().refused)
        << notes.english();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Columns, Paste, testing::Values(
    PasteCase{"lines_tabs_semicolons_spaces", "1,42\r\n1.45\t1.43;1.44 1.46\n", {"1.42", "1.45", "1.43", "1.44", "1.46"}},
    PasteCase{"a_unit_stays_with_its_number", "1,42 s\n1.43 s", {"1.42", "1.43"}},
    PasteCase{"half_read_left_out", "1.4\nabc\n1.4.5\n1.5", {"1.4", "1.5"}, true}),
    test::RowName());
// clang-format on

TEST(LabSheet, flags_a_value_far_from_the_others_and_keeps_it)
{
    {
        Sheet few;
        few.add({"10", "10.1", "9.9", "30"}); // far, but the rule waits for 5 values
        EXPECT_EQ(few.sheet.flagged, std::vector<bool>(4, false));
    }
    Sheet s;
    s.add({"10", "10.2", "9.8", "10.1", "9.9"});
    EXPECT_EQ(s.sheet.flagged, std::vector<bool>(5, false));
    s.add({"12"}); // 12.6 s of the others away
    EXPECT_EQ(s.sheet.flagged, (std::vector<bool>{false, false, false, false, false, true}));
    s.controller.editValue(5, "10"); // 9.8 and 10.2 are 2.1 s away
    EXPECT_EQ(s.sheet.flagged, std::vector<bool>(6, false));
    s.controller.editValue(0, "3");
    EXPECT_EQ(s.sheet.flagged, (std::vector<bool>{true, false, false, false, false, false}));
}

// The sheet goes to the log as one entry, with units; quitting asks until it has.
TEST(LabSheet, goes_to_the_log_as_one_entry_with_its_unit)
{
    Sheet s;
    test::MemoryLog log;
    s.controller.log = &log;
    s.sheet.typedUnit = "s";
    EXPECT_FALSE(s.controller.hasUnsentValues());
    s.add({"1,42", "1.46"});
    EXPECT_TRUE(s.controller.hasUnsentValues());
    s.controller.sendSheetToLog(nullptr);
    EXPECT_FALSE(s.controller.hasUnsentValues());
    ASSERT_EQ(log.recorded.size(), 1U);
    ResultsLog results;
    results.clock = [] { return std::string("10:00:00"); };
    results.record(log.recorded.front());
    const auto english = [](const platform::Text& text) { return platform::english(text); };
    EXPECT_EQ(ResultsLog::cells(results.entries().front(), english),
              (Strings{"10:00:00", "Measurement errors: lab sheet",
                       "x1 = 1.42 s (typed \u201c1,42\u201d) [read as 1.42]; x2 = 1.46 s",
                       "n = 2; x\u0304 = 1.44 s; s = 0.0283 s; (max \u2212 min) / 2 = 0.02 s; "
                       "x\u0304 \u00b1 \u0394x = (1.44 \u00b1 0.02) s"}));
    s.controller.removeValue(0);
    EXPECT_TRUE(s.controller.hasUnsentValues());
}

// Cells from typed text never start a formula; numbers stay numbers.
TEST(ResultsLog, no_cell_begins_like_a_formula)
{
    const std::pair<const char*, const char*> cells[] = {
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"+cmd", "'+cmd"},
        {"-1+2", "'-1+2"},
        {"\tx", "'\tx"},
        {"\rx", "'\rx"},
        {"-0.975", "-0.975"},
        {"+2", "+2"},
        {"-1.5e-3", "-1.5e-3"},
        {"a = -1", "a = -1"}};
    for (const auto& [cell, safe] : cells)
        EXPECT_EQ(platform::spreadsheetSafe(cell), safe) << cell;
    ResultsLog log;
    log.record({{"Working", "Vector sum", {}}, {{"=A1", "1"}}, {}});
    const auto english = [](const platform::Text& text) { return platform::english(text); };
    for (const std::string& text :
         {log.csv(english), log.plainText(english), log.markdown(english)})
        EXPECT_NE(text.find("'=A1 = 1"), std::string::npos) << text;
}

} // namespace
