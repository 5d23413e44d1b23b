// Torque against in-memory fields: the moment of a force at an angle and of a
// couple, with the unit appended to what the field shows.
#include "MomentoController.h"

#include "platform/MemoryControls.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Torque
{
    test::Journal journal;
    test::MemoryField alpha{"alpha", journal};
    test::MemoryField b{"b", journal};
    test::MemoryField dist{"dist", journal};
    test::MemoryField power1{"power1", journal};
    test::MemoryField power2{"power2", journal};
    test::MemoryField rx1{"rx1", journal};
    test::MemoryField rx2{"rx2", journal};
    MomentoController controller;

    Torque()
    {
        controller.alpha = &alpha;
        controller.b = &b;
        controller.dist = &dist;
        controller.power1 = &power1;
        controller.power2 = &power2;
        controller.rx1 = &rx1;
        controller.rx2 = &rx2;
    }
};

struct SimpleCase
{
    const char* name;
    const char* angle;
    const char* distance;
    const char* force;
    const char* number; // as first written, before the unit
};

class Simple : public testing::TestWithParam<SimpleCase>
{ };

TEST_P(Simple, reads_angle_distance_force_then_writes_the_moment_and_appends_the_unit)
{
    const SimpleCase& c = GetParam();
    Torque torque;
    torque.alpha.text = c.angle;
    torque.dist.text = c.distance;
    torque.power1.text = c.force;

    torque.controller.getSimple(nullptr);

    const std::string number = c.number;
    const test::Journal expected{"read alpha",          "read dist", "read power1",
                                 "write rx1=" + number, "read rx1",  "write rx1=" + number + " Nm"};
    EXPECT_EQ(torque.journal, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forces, Simple, testing::Values(
    SimpleCase{"perpendicular",  "90",  "2",  "10", "20.00"},
    SimpleCase{"thirty_degrees", "30",  "2",  "10", "10.00"},
    SimpleCase{"along_the_lever", "0",  "2",  "10", "0.00"},
    // sin(pi) in double is 1.2e-16 and sin(2 pi) -2.4e-16. A float sine
    // (of pi rounded to float) gives the opposite signs.
    SimpleCase{"half_turn",      "180", "2",  "10", "0.00"},
    SimpleCase{"full_turn",      "360", "2",  "10", "-0.00"},
    SimpleCase{"sign_is_kept",   "270", "2",  "10", "-20.00"},
    // sin × d in double rounded to float, then × F in float: 407.83. All in
    // double, the sine rounded to float first, or sin × F first: 407.84.
    SimpleCase{"lever_rounded_to_float_then_times_force", "43", "26", "23", "407.83"},
    SimpleCase{"empty_fields_read_0", "", "", "",  "0.00"}),
    [](const testing::TestParamInfo<SimpleCase>& row) { return std::string(row.param.name); });
// clang-format on

struct CoupleCase
{
    const char* name;
    const char* arm;
    const char* force;
    const char* number;
};

class Couple : public testing::TestWithParam<CoupleCase>
{ };

TEST_P(Couple, reads_arm_then_force_then_writes_the_moment_and_appends_the_unit)
{
    const CoupleCase& c = GetParam();
    Torque torque;
    torque.b.text = c.arm;
    torque.power2.text = c.force;

    torque.controller.getDouble(nullptr);

    const std::string number = c.number;
    const test::Journal expected{"read b", "read power2", "write rx2=" + number, "read rx2",
                                 "write rx2=" + number + " Nm"};
    EXPECT_EQ(torque.journal, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Couples, Couple, testing::Values(
    CoupleCase{"force_5_arm_half", "0.5",   "5",     "2.50"},
    // 0.003 × 85 is 0.254999995 in float.
    CoupleCase{"product_in_float", "0.003", "85",    "0.25"},
    CoupleCase{"overflow",         "1e20",  "-1e20", "-inf"},
    CoupleCase{"empty_fields",     "",      "",      "0.00"}),
    [](const testing::TestParamInfo<CoupleCase>& row) { return std::string(row.param.name); });
// clang-format on

TEST(Unit, a_second_press_replaces_the_whole_text)
{
    Torque torque;
    torque.alpha.text = "90";
    torque.dist.text = "2";
    torque.power1.text = "10";
    torque.b.text = "0.5";
    torque.power2.text = "5";

    for (int press = 0; press < 2; ++press) {
        torque.controller.getSimple(nullptr);
        torque.controller.getDouble(nullptr);
    }

    EXPECT_EQ(torque.rx1.text, "20.00 Nm");
    EXPECT_EQ(torque.rx2.text, "2.50 Nm");
}

} // namespace
