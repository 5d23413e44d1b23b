// The measurement errors against in-memory fields: the running mean, the
// absolute error, and the relative and percentage errors.
#include "ErrorController.h"

#include "platform/MemoryControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Errors
{
    test::Journal journal;
    test::MemoryField absLabel{"absLabel", journal};
    test::MemoryField getPercLabel{"getPercLabel", journal};
    test::MemoryField getRelLabel{"getRelLabel", journal};
    test::MemoryField mediaLabel{"mediaLabel", journal};
    test::MemoryField setAbsForPerc{"setAbsForPerc", journal};
    test::MemoryField setMisuraForPerc{"setMisuraForPerc", journal};
    test::MemoryField setRel{"setRel", journal};
    test::MemoryField setVal{"setVal", journal};
    test::MemoryField valToMedia{"valToMedia", journal};
    ErrorController controller;

    Errors()
    {
        runningMean::reset();
        controller.absLabel = &absLabel;
        controller.getPercLabel = &getPercLabel;
        controller.getRelLabel = &getRelLabel;
        controller.mediaLabel = &mediaLabel;
        controller.setAbsForPerc = &setAbsForPerc;
        controller.setMisuraForPerc = &setMisuraForPerc;
        controller.setRel = &setRel;
        controller.setVal = &setVal;
        controller.valToMedia = &valToMedia;
    }

    void add(const std::string& value)
    {
        valToMedia.text = value;
        controller.addToMedia(nullptr);
    }
};

// A run of the mean's buttons: "+text" adds text, "=" shows the mean and
// "erase" forgets the values.
struct MeanCase
{
    const char* name;
    std::vector<std::string> presses;
    std::vector<std::string> means; // shown at each "="
};

std::vector<std::string> withZeros(std::vector<std::string> presses, int zeros)
{
    presses.insert(presses.end() - 1, static_cast<std::size_t>(zeros), "+0");
    return presses;
}

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
            shown.push_back(errors.mediaLabel.text);
        } else if (press == "erase") {
            const std::string before = errors.mediaLabel.text;
            errors.controller.erase(nullptr);
            EXPECT_EQ(errors.mediaLabel.text, before) << "erase changed the mean on screen";
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
    MeanCase{"text_reads_its_leading_number", {"+ 2.5kg", "+abc", "="},              {"1.25"}},
    // The sum is a float: 2^24 + 1 rounds back to 2^24, twice. With a double
    // sum the mean would be 5592406.00.
    MeanCase{"sum_is_a_float",          {"+16777216", "+1", "+1", "="},              {"5592405.50"}},
    // 3 / 40 as a float is 0.075000003; printed from double, 0.07.
    MeanCase{"quotient_is_a_float",     withZeros({"+3", "="}, 39),                  {"0.08"}}),
    [](const testing::TestParamInfo<MeanCase>& row) { return std::string(row.param.name); });
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
    EXPECT_EQ(errors.mediaLabel.text, "262144.00");
}

TEST(MeanStore, is_one_for_the_whole_process)
{
    Errors first;
    Errors second;
    first.add("4");
    second.add("8");

    first.controller.getMedia(nullptr);
    second.controller.getMedia(nullptr);
    EXPECT_EQ(first.mediaLabel.text, "6.00");
    EXPECT_EQ(second.mediaLabel.text, "6.00");
}

TEST(MeanButtons, add_reads_only_its_field_and_neither_add_nor_erase_writes)
{
    Errors errors;
    errors.add("3");
    errors.controller.erase(nullptr);
    EXPECT_EQ(errors.journal, test::Journal{"read valToMedia"});
    EXPECT_EQ(errors.valToMedia.text, "3");
}

struct AbsCase
{
    const char* name;
    const char* relative;
    const char* value;
    const char* absolute;
};

class Abs : public testing::TestWithParam<AbsCase>
{ };

TEST_P(Abs, reads_relative_error_then_value_and_shows_their_product)
{
    const AbsCase& c = GetParam();
    Errors errors;
    errors.setRel.text = c.relative;
    errors.setVal.text = c.value;

    errors.controller.getAbs(nullptr);

    const test::Journal expected{"read setRel", "read setVal",
                                 std::string("write absLabel=") + c.absolute};
    EXPECT_EQ(errors.journal, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Products, Abs, testing::Values(
    AbsCase{"five_percent_of_20",  "0.05", "20", "1.00"},
    AbsCase{"empty_fields_read_0", "",     "",   "0.00"},
    // 0.003 × 85 is 0.254999995 as a float; printed from double, 0.26.
    AbsCase{"product_is_a_float",  "0.003", "85", "0.25"},
    AbsCase{"float_overflow",      "1e30", "-1e30", "-inf"}),
    [](const testing::TestParamInfo<AbsCase>& row) { return std::string(row.param.name); });
// clang-format on

struct RelPercCase
{
    const char* name;
    const char* absolute;
    const char* measure;
    const char* relative;
    const char* percentage;
};

class RelPerc : public testing::TestWithParam<RelPercCase>
{ };

TEST_P(RelPerc, reads_error_then_measure_and_shows_relative_then_percentage)
{
    const RelPercCase& c = GetParam();
    Errors errors;
    errors.setAbsForPerc.text = c.absolute;
    errors.setMisuraForPerc.text = c.measure;

    errors.controller.getRelPerc(nullptr);

    const test::Journal expected{"read setAbsForPerc", "read setMisuraForPerc",
                                 std::string("write getRelLabel=") + c.relative,
                                 std::string("write getPercLabel=") + c.percentage};
    EXPECT_EQ(errors.journal, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Quotients, RelPerc, testing::Values(
    // 0.025 as a float is 0.0250000004, which rounds up.
    RelPercCase{"half_of_20",          "0.5", "20",  "0.03", "2.50"},
    // The percentage comes from the unrounded quotient, not from 0.33.
    RelPercCase{"one_of_three",        "1",   "3",   "0.33", "33.33"},
    // 3 / 40 as a float is 0.075000003; printed from double, 0.07.
    RelPercCase{"quotient_is_a_float", "3",   "40",  "0.08", "7.50"},
    // (47 / 160) × 100 in float is 29.3749981; in double, or as
    // (47 × 100) / 160, it is 29.375 and shows 29.38.
    RelPercCase{"percentage_from_the_float_quotient", "47", "160", "0.29", "29.37"},
    RelPercCase{"zero_measure",        "1",   "0",   "inf", "inf"},
    RelPercCase{"negative_over_zero",  "-1",  "",    "-inf", "-inf"},
    RelPercCase{"zero_over_zero",      "0",   "0",   "nan", "nan"}),
    [](const testing::TestParamInfo<RelPercCase>& row) { return std::string(row.param.name); });
// clang-format on

} // namespace
