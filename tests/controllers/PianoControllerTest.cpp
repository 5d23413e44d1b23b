// The inclined plane's analyze action against in-memory fields.
#include "PianoController.h"

#include "MemoryControls.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct Ramp
{
    test::Journal journal;
    test::MemoryField base{"base", journal};
    test::MemoryField dangolo{"dangolo", journal};
    test::MemoryField db{"db", journal};
    test::MemoryField dh{"dh", journal};
    test::MemoryField dl{"dl", journal};
    test::MemoryField dorto{"dorto", journal};
    test::MemoryField dpara{"dpara", journal};
    test::MemoryField height{"height", journal};
    test::MemoryField labOrto{"labOrto", journal};
    test::MemoryField labPara{"labPara", journal};
    test::MemoryField lenght{"lenght", journal};
    test::MemoryField weight{"weight", journal};
    PianoController controller;

    Ramp()
    {
        controller.base = &base;
        controller.dangolo = &dangolo;
        controller.db = &db;
        controller.dh = &dh;
        controller.dl = &dl;
        controller.dorto = &dorto;
        controller.dpara = &dpara;
        controller.height = &height;
        controller.labOrto = &labOrto;
        controller.labPara = &labPara;
        controller.lenght = &lenght;
        controller.weight = &weight;
    }
};

struct AnalyzeCase
{
    const char* name;
    std::array<const char*, 4> inputs; // weight, height, base, length
    const char* perpendicular;
    const char* parallel;
    const char* angle;
    std::array<const char*, 3> echoed; // height, base, length
};

class Analyze : public testing::TestWithParam<AnalyzeCase>
{ };

TEST_P(Analyze, shows_components_angle_and_inputs_with_two_decimals)
{
    const AnalyzeCase& c = GetParam();
    Ramp ramp;
    ramp.weight.text = c.inputs[0];
    ramp.height.text = c.inputs[1];
    ramp.base.text = c.inputs[2];
    ramp.lenght.text = c.inputs[3];

    ramp.controller.analyze(nullptr);

    EXPECT_EQ(ramp.dorto.text, c.perpendicular);
    EXPECT_EQ(ramp.labOrto.text, c.perpendicular);
    EXPECT_EQ(ramp.dpara.text, c.parallel);
    EXPECT_EQ(ramp.labPara.text, c.parallel);
    EXPECT_EQ(ramp.dangolo.text, c.angle);
    EXPECT_EQ(ramp.dh.text, c.echoed[0]);
    EXPECT_EQ(ramp.db.text, c.echoed[1]);
    EXPECT_EQ(ramp.dl.text, c.echoed[2]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ramps, Analyze, testing::Values(
    //          name                   weight, height, base, length    perpendicular, parallel, angle   shown h, b, l
    AnalyzeCase{"classic_3_4_5",       {"10", "3", "4", "5"},          "8.00", "6.00", "36.87",         {"3.00", "4.00", "5.00"}},
    AnalyzeCase{"vertical_ramp",       {"10", "5", "0", "5"},          "0.00", "10.00", "90.00",        {"5.00", "0.00", "5.00"}},
    // The sides are not checked against each other: P uses b, the angle h/l.
    AnalyzeCase{"inconsistent_sides",  {"10", "3", "3", "5"},          "6.00", "6.00", "36.87",         {"3.00", "3.00", "5.00"}},
    AnalyzeCase{"all_fields_empty",    {"", "", "", ""},               "nan", "nan", "nan",             {"0.00", "0.00", "0.00"}},
    AnalyzeCase{"zero_length",         {"10", "3", "4", ""},           "inf", "inf", "nan",             {"3.00", "4.00", "0.00"}},
    AnalyzeCase{"negative_weight_zero_length", {"-10", "3", "4", "0"}, "-inf", "-inf", "nan",           {"3.00", "4.00", "0.00"}},
    AnalyzeCase{"height_above_length", {"10", "6", "4", "5"},          "8.00", "12.00", "nan",          {"6.00", "4.00", "5.00"}},
    AnalyzeCase{"text_after_numbers",  {" 2.5 N", "3m", "4 m", "5abc"}, "2.00", "1.50", "36.87",        {"3.00", "4.00", "5.00"}},
    // W × h is rounded to float before the division: kept in double through
    // the division, with one rounding at the end, both components show 0.05.
    AnalyzeCase{"product_rounded_to_float", {"0.1", "3.3", "3.3", "6"}, "0.06", "0.06", "33.37",        {"3.30", "3.30", "6.00"}},
    // The product comes first: W × (h / l) would show 0.08.
    AnalyzeCase{"product_before_division", {"0.1", "2.1", "2.1", "2.8"}, "0.07", "0.07", "48.59",      {"2.10", "2.10", "2.80"}},
    // The angle is rounded to float before it is shown: 8.825000194 in
    // double, 8.82499981 as a float.
    AnalyzeCase{"angle_rounded_to_float", {"1", "110", "1", "717"},   "0.00", "0.15", "8.82",          {"110.00", "1.00", "717.00"}},
    // The ratio is a float quotient: h/l in double would give 2.98.
    AnalyzeCase{"ratio_in_float",      {"1", "123", "1", "2362"},      "0.00", "0.05", "2.99",          {"123.00", "1.00", "2362.00"}},
    // The arcsine runs in double: asinf would give 50.84.
    AnalyzeCase{"arcsine_in_double",   {"1", "176", "1", "227"},       "0.00", "0.78", "50.83",         {"176.00", "1.00", "227.00"}}),
    test::RowName());
// clang-format on

TEST(AnalyzeOrder, reads_four_inputs_then_writes_eight_fields_in_order)
{
    Ramp ramp;
    ramp.weight.text = "10";
    ramp.height.text = "3";
    ramp.base.text = "4";
    ramp.lenght.text = "5";

    ramp.controller.analyze(nullptr);

    const test::Journal expected{"read weight",         "read height",        "read base",
                                 "read lenght",         "write dorto=8.00",   "write dpara=6.00",
                                 "write dh=3.00",       "write db=4.00",      "write dl=5.00",
                                 "write dangolo=36.87", "write labOrto=8.00", "write labPara=6.00"};
    EXPECT_EQ(ramp.journal, expected);
}

} // namespace
