// The lab sheet of the measurement errors: the figures of a real series,
// Remove last and Clear values, the result's roundings, and a long series.
#include "ButtonCase.h"
#include "ErrorController.h"
#include "ResultsLog.h"
#include "Series.h"

#include <gtest/gtest.h>

namespace {

struct Sheet
{
    test::Fields fields{"mediaLabel", "valToMedia"};
    test::MemoryLabSheet sheet;
    test::MemoryPane pane;
    ErrorController controller;

    Sheet()
    {
        runningMean::reset();
        controller.mediaLabel = &fields.at("mediaLabel");
        controller.valToMedia = &fields.at("valToMedia");
        controller.labSheet = &sheet;
        controller.working = &pane;
    }

    void add(const std::string& value)
    {
        fields.at("valToMedia").text = value;
        controller.addToMedia(nullptr);
    }

    std::string mean()
    {
        controller.getMedia(nullptr);
        return fields.at("mediaLabel").text;
    }
};

TEST(LabSheet, a_real_series_gives_the_figures_a_student_writes)
{
    Sheet s;
    for (const char* value : {"2.01", "1.98", "2.03", "2.00", "1.99"})
        s.add(value);
    EXPECT_EQ(s.mean(), "2.00");
    EXPECT_EQ(s.sheet.values, (std::vector<std::string>{"2.01", "1.98", "2.03", "2", "1.99"}));
    const platform::SeriesFigures& f = s.sheet.figures;
    EXPECT_EQ(f.count, "5");
    EXPECT_EQ(f.minimum, "1.98");
    EXPECT_EQ(f.maximum, "2.03");
    EXPECT_EQ(f.mean, "2.002");
    EXPECT_EQ(f.halfRange, "0.025");
    EXPECT_EQ(f.deviation, "0.0192");
    EXPECT_EQ(f.result, "2.00 \u00b1 0.03");

    // A resolution above the half-range wins; a unit goes with the result.
    s.sheet.typedResolution = "0.05";
    s.sheet.typedUnit = "m";
    s.controller.refreshSheet(nullptr);
    EXPECT_EQ(s.sheet.figures.result, "(2.00 \u00b1 0.05) m");

    s.controller.copySheet(nullptr);
    ASSERT_EQ(s.sheet.copied.size(), 1U + 5U + 8U);
    EXPECT_EQ(platform::english(s.sheet.copied.front().label), "Values (m)");
    EXPECT_EQ(s.sheet.copied.at(3).value, "2.03");
    EXPECT_EQ(s.sheet.copied.back().value, "(2.00 \u00b1 0.05) m");
}

TEST(LabSheet, remove_last_restores_the_running_mean_to_the_digit)
{
    Sheet s;
    // Float sums that subtracting the last value would not give back.
    for (const char* value : {"0.1", "0.2", "0.7"})
        s.add(value);
    const runningMean::Totals before = runningMean::totals();
    const std::string meanBefore = s.mean();
    const platform::SeriesFigures figuresBefore = s.sheet.figures;

    s.add("123456.789");
    s.controller.removeLast(nullptr);
    EXPECT_EQ(runningMean::totals().sum, before.sum);
    EXPECT_EQ(runningMean::totals().counter, before.counter);
    EXPECT_EQ(s.mean(), meanBefore);
    EXPECT_EQ(s.sheet.figures, figuresBefore);
    EXPECT_EQ(s.sheet.values.size(), 3U);

    s.controller.erase(nullptr);
    EXPECT_TRUE(s.sheet.values.empty());
    EXPECT_EQ(s.sheet.figures, platform::SeriesFigures{});
    // Nothing left to remove: nothing happens.
    s.controller.removeLast(nullptr);
    EXPECT_EQ(runningMean::totals().counter, 0.0f);
}

TEST(LabSheet, one_value_has_no_deviation_and_no_uncertainty)
{
    Sheet s;
    s.add("4.2");
    EXPECT_EQ(s.sheet.figures.deviation, "\u2014");
    EXPECT_EQ(s.sheet.figures.deviationOfMean, "\u2014");
    EXPECT_EQ(s.sheet.figures.result, "\u2014");
}

struct RoundingCase
{
    std::string name;
    double mean;
    double uncertainty;
    std::string written;
};

class Rounding : public testing::TestWithParam<RoundingCase>
{ };

TEST_P(Rounding, rounds_the_uncertainty_half_up_and_the_mean_to_its_place)
{
    EXPECT_EQ(series::plusMinus(GetParam().mean, GetParam().uncertainty), GetParam().written);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Rounding, testing::Values(
    RoundingCase{"binary_noise_does_not_round_down", 2.002, (2.03 - 1.98) / 2.0, "2.00 \u00b1 0.03"},
    RoundingCase{"leading_one_keeps_two_figures", 9.81234, 0.0149, "9.812 \u00b1 0.015"},
    RoundingCase{"whole_numbers", 1234.5, 26.0, "1230 \u00b1 30"},
    RoundingCase{"negative_mean_rounds_away_from_zero", -0.125, 0.02, "-0.13 \u00b1 0.02"},
    RoundingCase{"no_uncertainty", 5.0, 0.0, ""}
), test::RowName{});
// clang-format on

// Not a timing: a long series stays exact and keeps every value in order.
TEST(LabSheet, a_hundred_thousand_values)
{
    Sheet s;
    for (int i = 0; i < 100000; ++i)
        s.add(i % 2 == 0 ? "9.99" : "10.01");
    EXPECT_EQ(s.sheet.values.size(), 100000U);
    EXPECT_EQ(s.sheet.figures.count, "100000");
    EXPECT_EQ(s.sheet.figures.mean, "10");
    EXPECT_EQ(s.sheet.figures.halfRange, "0.01");
    EXPECT_EQ(s.sheet.figures.result, "10.000 \u00b1 0.010");
    EXPECT_EQ(runningMean::values().size(), 100000U);
}

TEST(ResultsLog, csv_quotes_as_rfc_4180_and_markdown_escapes_pipes)
{
    ResultsLog log;
    log.clock = [] { return std::string("10:00:00"); };
    EXPECT_FALSE(log.hasUnsavedEntries());
    log.record({{"Working", "Vector sum", {}},
                {{"v1", "10, 30\u00b0, ++"}, {"v2", "say \"hi\" | x"}},
                {{"R", "5.0000"}}});
    EXPECT_TRUE(log.hasUnsavedEntries());
    const auto english = [](const platform::Text& text) { return platform::english(text); };
    EXPECT_EQ(
        log.csv(english),
        "Time,Tool,Inputs,Results\r\n"
        "10:00:00,Vector sum,\"v1 = 10, 30\u00b0, ++; v2 = say \"\"hi\"\" | x\",R = 5.0000\r\n");
    EXPECT_NE(log.markdown(english).find("v2 = say \"hi\" \\| x |"), std::string::npos);
    log.markSaved();
    EXPECT_FALSE(log.hasUnsavedEntries());
    log.record({{"Working", "Torque", {}}, {}, {}});
    log.clear();
    EXPECT_FALSE(log.hasUnsavedEntries());
    EXPECT_TRUE(log.entries().empty());
}

} // namespace
