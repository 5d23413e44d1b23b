// The lab sheet: a real series, Remove last and Clear, roundings, and a long series.
#include "ButtonCase.h"
#include "ErrorController.h"
#include "ResultsLog.h"
#include "Series.h"

#include <gtest/gtest.h>

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

} // namespace
