// The measurement errors against in-memory fields: the running mean, the
// absolute error, and the relative and percentage errors.
#include "ErrorController.h"

#include "ButtonCase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Errors
{
    test::Fields fields{"absLabel",   "getPercLabel",  "getRelLabel",
                        "mediaLabel", "setAbsForPerc", "setMisuraForPerc",
                        "setRel",     "setVal",        "valToMedia"};
    ErrorController controller;

    Errors()
    {
        runningMean::reset();
        controller.absLabel = &fields.at("absLabel");
        controller.getPercLabel = &fields.at("getPercLabel");
        controller.getRelLabel = &fields.at("getRelLabel");
        controller.mediaLabel = &fields.at("mediaLabel");
        controller.setAbsForPerc = &fields.at("setAbsForPerc");
        controller.setMisuraForPerc = &fields.at("setMisuraForPerc");
        controller.setRel = &fields.at("setRel");
        controller.setVal = &fields.at("setVal");
        controller.valToMedia = &fields.at("valToMedia");
    }

    void add(const std::string& value)
    {
        fields.at("valToMedia").text = value;
        controller.addToMedia(nullptr);
    }

    const std::string& mean() { return fields.at("mediaLabel").text; }
};

// A run of the mean's buttons: "+text" adds text, "=" shows the mean and
// "erase" forgets the values.
struct MeanCase
{
    const char* name;
    std::vector<std::string> presses;
    std::vector<std::string> means; // shown at each "="
};

class Mean : public testing::TestWithParam<MeanCase>
{ };

TEST_P(Mean, shows_the_mean_of_the_values_added_since_the_last_erase)
{
    const MeanCase& c = GetParam();
    Errors errors;
    std::vector<std::string> shown;
    for (const std::string& press : c.presses) {
        if (press == "=") {
            errors.controller.getMedia(nullptr);
            shown.push_back(errors.mean());
        } else if (press == "erase") {
            const std::string before = errors.mean();
            errors.controller.erase(nullptr);
            EXPECT_EQ(errors.mean(), before) << "erase changed the mean on screen";
        } else {
            errors.add(press.substr(1));
        }
    }
    EXPECT_EQ(shown, c.means);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, Mean, testing::Values(
    MeanCase{"two_four_nine_then_one",  {"+2", "+4", "+9", "=", "+1", "="},          {"5.00", "4.00"}},
    MeanCase{"nothing_added_is_0_over_0", {"="},                                     {"nan"}},
    MeanCase{"nothing_after_erase",     {"+5", "=", "erase", "="},                   {"5.00", "nan"}},
    MeanCase{"erase_starts_afresh",     {"+2", "+4", "=", "erase", "+10", "="},      {"3.00", "10.00"}},
    // Half-read texts stay out of the series; a decimal comma is read in full.
    MeanCase{"half_read_texts_stay_out", {"+ 2.5kg", "+abc", "+", "+2,5", "+7", "="}, {"4.75"}},
    // The sum is a float: 2^24 + 1 rounds back to 2^24, twice. With a double
    // sum the mean would be 5592406.00.
    MeanCase{"sum_is_a_float",          {"+16777216", "+1", "+1", "="},              {"5592405.50"}}),
    test::RowName());
// clang-format on

TEST(MeanCount, stops_growing_at_2_to_the_24_while_the_sum_goes_on)
{
    Errors errors;
    constexpr float limit = 16777216.0f; // 2^24: above it, floats are 2 apart
    runningMean::reset({0.0f, limit - 2.0f});

    // 2^40 each: the sums stay exact, so only the count can go wrong.
    const std::string value = "1099511627776";
    const float sums[] = {1099511627776.0f, 2199023255552.0f, 3298534883328.0f, 4398046511104.0f};
    const float counts[] = {limit - 1.0f, limit, limit, limit};
    for (int i = 0; i < 4; ++i) {
        errors.add(value);
        EXPECT_EQ(runningMean::totals().sum, sums[i]) << "after addition " << i + 1;
        EXPECT_EQ(runningMean::totals().counter, counts[i]) << "after addition " << i + 1;
    }

    // 4 × 2^40 / 2^24. An int or double count, at 2^24 + 2, would show
    // 262143.97.
    errors.controller.getMedia(nullptr);
    EXPECT_EQ(errors.mean(), "262144.00");
}

TEST(MeanStore, is_one_for_the_whole_process)
{
    Errors first;
    Errors second;
    first.add("4");
    second.add("8");

    first.controller.getMedia(nullptr);
    second.controller.getMedia(nullptr);
    EXPECT_EQ(first.mean(), "6.00");
    EXPECT_EQ(second.mean(), "6.00");
}

TEST(MeanButtons, add_reads_only_its_field_and_neither_add_nor_erase_writes)
{
    Errors errors;
    errors.add("3");
    errors.controller.erase(nullptr);
    EXPECT_EQ(errors.fields.journal, test::Journal{"read valToMedia"});
    EXPECT_EQ(errors.fields.at("valToMedia").text, "3");
}

using Case = test::ButtonCase<ErrorController>;

class ErrorButtons : public testing::TestWithParam<Case>
{ };

TEST_P(ErrorButtons, read_the_measure_and_its_error_in_order_and_write_the_results)
{
    Errors errors;
    test::press(errors.controller, errors.fields, GetParam());
    EXPECT_EQ(errors.fields.journal, test::readsThenWrites(GetParam()));
}

using E = ErrorController;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ErrorButtons, testing::Values(
    Case{"five_percent_of_20",  &E::getAbs, {{"setRel", "0.05"}, {"setVal", "20"}},   {{"absLabel", "1.00"}}},
    Case{"empty_fields_read_0", &E::getAbs, {{"setRel", ""}, {"setVal", ""}},         {{"absLabel", "0.00"}}},
    // 0.003 × 85 is 0.254999995 as a float; printed from double, 0.26.
    Case{"product_is_a_float",  &E::getAbs, {{"setRel", "0.003"}, {"setVal", "85"}},  {{"absLabel", "0.25"}}},
    Case{"float_overflow",      &E::getAbs, {{"setRel", "1e30"}, {"setVal", "-1e30"}}, {{"absLabel", "-inf"}}},
    // 0.025 as a float is 0.0250000004, which rounds up.
    Case{"half_of_20",          &E::getRelPerc, {{"setAbsForPerc", "0.5"}, {"setMisuraForPerc", "20"}},
                                                {{"getRelLabel", "0.03"}, {"getPercLabel", "2.50"}}},
    // The percentage comes from the unrounded quotient, not from 0.33.
    Case{"one_of_three",        &E::getRelPerc, {{"setAbsForPerc", "1"}, {"setMisuraForPerc", "3"}},
                                                {{"getRelLabel", "0.33"}, {"getPercLabel", "33.33"}}},
    // 3 / 40 as a float is 0.075000003; printed from double, 0.07.
    Case{"quotient_is_a_float", &E::getRelPerc, {{"setAbsForPerc", "3"}, {"setMisuraForPerc", "40"}},
                                                {{"getRelLabel", "0.08"}, {"getPercLabel", "7.50"}}},
    // (47 / 160) × 100 in float is 29.3749981; in double, or as
    // (47 × 100) / 160, it is 29.375 and shows 29.38.
    Case{"percentage_from_the_float_quotient", &E::getRelPerc, {{"setAbsForPerc", "47"}, {"setMisuraForPerc", "160"}},
                                                {{"getRelLabel", "0.29"}, {"getPercLabel", "29.37"}}},
    Case{"zero_measure",        &E::getRelPerc, {{"setAbsForPerc", "1"}, {"setMisuraForPerc", "0"}},
                                                {{"getRelLabel", "inf"}, {"getPercLabel", "inf"}}},
    Case{"negative_over_empty", &E::getRelPerc, {{"setAbsForPerc", "-1"}, {"setMisuraForPerc", ""}},
                                                {{"getRelLabel", "-inf"}, {"getPercLabel", "-inf"}}},
    Case{"zero_over_zero",      &E::getRelPerc, {{"setAbsForPerc", "0"}, {"setMisuraForPerc", "0"}},
                                                {{"getRelLabel", "nan"}, {"getPercLabel", "nan"}}}),
    test::RowName());
// clang-format on

} // namespace
