// Compass bearings on the new-vector sheet and the resultant given as one:
// a bearing fills the fields a person would fill, so the sums stay the same.
#include "RowName.h"
#include "VectorTool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

// The vector tool with a run of declared vectors, its sheet up.
struct Sheet : test::VectorTool
{
    VectorsController& c = controller;

    explicit Sheet(int count = 1) { declare(std::to_string(count)); }
};

struct BearingCase
{
    const char* name;
    const char* bearing;
    const char* angle; // what a person types by hand for it
    const char* code;
    double fromX; // degrees counter-clockwise from +x
};

using Bearings = testing::TestWithParam<BearingCase>;

TEST_P(Bearings, fill_the_fields_as_by_hand_and_give_the_same_vector)
{
    const BearingCase& row = GetParam();
    std::string byBearing[3];
    {
        Sheet sheet;
        sheet.where.chosen = "++";
        sheet.angle.text = "33";
        sheet.power.text = "10";
        sheet.bearing.text = row.bearing;
        sheet.c.readBearing(nullptr);
        EXPECT_EQ(sheet.angle.text, row.angle);
        EXPECT_EQ(sheet.where.chosen, row.code);
        sheet.c.confirm(nullptr);
        byBearing[0] = sheet.listOfVectors.text;
        byBearing[1] = sheet.rx.text;
        byBearing[2] = sheet.ry.text;
    }
    Sheet byHand;
    byHand.power.text = "10";
    byHand.angle.text = row.angle;
    byHand.where.chosen = row.code;
    byHand.c.confirm(nullptr);
    EXPECT_EQ(byBearing[0], byHand.listOfVectors.text);
    EXPECT_EQ(byBearing[1], byHand.rx.text);
    EXPECT_EQ(byBearing[2], byHand.ry.text);
    const double radians = row.fromX * std::numbers::pi / 180.0;
    EXPECT_NEAR(std::stod(byBearing[1]), 10.0 * std::cos(radians), 1e-3);
    EXPECT_NEAR(std::stod(byBearing[2]), 10.0 * std::sin(radians), 1e-3);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Compass, Bearings, testing::Values(
    BearingCase{"north_then_west",          "N20W",         "70",    "-+", 110.0},
    BearingCase{"west_of_north_in_words",   "20° W of N",   "70",    "-+", 110.0},
    BearingCase{"south_then_west",          "S40W",         "50",    "--", 230.0},
    BearingCase{"south_of_west",            "40 S of W",    "40",    "--", 220.0},
    BearingCase{"south_of_west_decimal",    "40.0° S of W", "40.0",  "--", 220.0},
    BearingCase{"north_then_east",          "n 30 e",       "60",    "++", 60.0},
    BearingCase{"south_then_east",          "S60E",         "30",    "+-", 330.0},
    BearingCase{"north_of_east",            "15° N of E",   "15",    "++", 15.0},
    BearingCase{"north_of_west",            "15 N of W",    "15",    "-+", 165.0},
    BearingCase{"south_of_east_comma",      "12,5 S of E",  "12.5",  "+-", 347.5},
    BearingCase{"italian_north_then_west",  "N20O",         "70",    "-+", 110.0},
    BearingCase{"italian_in_words",         "20° O di N",   "70",    "-+", 110.0},
    BearingCase{"east",                     "E",            "0",     "x +", 0.0},
    BearingCase{"north",                    "N",            "0",     "y +", 90.0},
    BearingCase{"west",                     "W",            "0",     "x -", 180.0},
    BearingCase{"italian_west",             "O",            "0",     "x -", 180.0},
    BearingCase{"south",                    "S",            "0",     "y -", 270.0},
    BearingCase{"none_off_north",           "N0E",          "0",     "y +", 90.0},
    BearingCase{"right_angle_off_north",    "N90E",         "0",     "x +", 0.0},
    BearingCase{"none_off_west",            "0 S of W",     "0",     "x -", 180.0},
    BearingCase{"right_angle_off_west",     "90 S of W",    "0",     "y -", 270.0},
    BearingCase{"from_x_third_quadrant",    "184.65",       "4.65",  "--", 184.65},
    BearingCase{"from_x_with_degrees",      "135°",         "45",    "-+", 135.0},
    BearingCase{"from_x_fourth_quadrant",   "359.5",        "0.5",   "+-", 359.5},
    BearingCase{"from_x_negative",          "-30",          "30",    "+-", 330.0},
    BearingCase{"from_x_minus_half_turn",   "-180",         "0",     "x -", 180.0},
    BearingCase{"from_x_full_turn",         "360",          "0",     "x +", 0.0},
    BearingCase{"from_x_up",                "90",           "0",     "y +", 90.0}),
    test::RowName{});
// clang-format on

// A text that is no bearing leaves the fields alone while it is typed, and
// the sheet refuses it: no vector is stored with the angle left over.
TEST(Bearings, that_cannot_be_read_keep_the_sheet_and_store_nothing)
{
    for (const char* text : {"N20N", "N100W", "400", "-181", "20 W by N", "north", "N20"}) {
        Sheet sheet;
        sheet.angle.text = "33";
        sheet.where.chosen = "++";
        sheet.power.text = "10";
        sheet.bearing.text = text;
        sheet.c.readBearing(nullptr);
        EXPECT_EQ(sheet.angle.text, "33") << text;
        EXPECT_EQ(sheet.where.chosen, "++") << text;
        sheet.c.confirm(nullptr);
        EXPECT_TRUE(sheet.bearing.mark.has_value()) << text;
        EXPECT_EQ(sheet.listOfVectors.text, "") << text;
        EXPECT_EQ(vectorStore::slot(0), vectorStore::Vector{}) << text;
        EXPECT_TRUE(sheet.c.runUnderWay()) << text;
    }
}

struct ResultantCase
{
    const char* name;
    const char* code; // of one vector of magnitude 5 at 53.13°
    const char* shown;
};

using ResultantBearing = testing::TestWithParam<ResultantCase>;

TEST_P(ResultantBearing, names_the_nearer_of_east_and_west_and_the_turn_from_it)
{
    Sheet sheet;
    sheet.power.text = "5";
    sheet.angle.text = "53.13";
    sheet.where.chosen = GetParam().code;
    sheet.c.confirm(nullptr);
    EXPECT_EQ(sheet.resultBearing.text, GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Quadrants, ResultantBearing, testing::Values(
    ResultantCase{"first",  "++",  "53.13° N of E"},
    ResultantCase{"second", "-+",  "53.13° N of W"},
    ResultantCase{"third",  "--",  "53.13° S of W"},
    ResultantCase{"fourth", "+-",  "53.13° S of E"},
    ResultantCase{"east",   "x +", "E"},
    ResultantCase{"north",  "y +", "N"},
    ResultantCase{"west",   "x -", "W"},
    ResultantCase{"south",  "y -", "S"},
    ResultantCase{"none",   "?",   ""}),
    test::RowName{});
// clang-format on

} // namespace
