// Torque against in-memory fields: the moment of a force at an angle and of a
// couple, with the unit appended to what the field shows.
#include "MomentoController.h"

#include "ButtonCase.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Torque
{
    test::Fields fields{"alpha", "b", "dist", "power1", "power2", "rx1", "rx2"};
    MomentoController controller;

    Torque()
    {
        controller.alpha = &fields.at("alpha");
        controller.b = &fields.at("b");
        controller.dist = &fields.at("dist");
        controller.power1 = &fields.at("power1");
        controller.power2 = &fields.at("power2");
        controller.rx1 = &fields.at("rx1");
        controller.rx2 = &fields.at("rx2");
    }
};

// The shown text of a row is the number as first written, before the unit.
using Case = test::ButtonCase<MomentoController>;

class TorqueButtons : public testing::TestWithParam<Case>
{ };

TEST_P(TorqueButtons, read_their_inputs_in_order_then_write_the_moment_and_append_the_unit)
{
    const Case& row = GetParam();
    Torque torque;
    test::press(torque.controller, torque.fields, row);

    test::Journal expected = test::reads(row);
    const test::FieldText& moment = row.shown.at(0);
    expected.push_back("write " + moment.field + "=" + moment.text);
    expected.push_back("read " + moment.field);
    expected.push_back("write " + moment.field + "=" + moment.text + " Nm");
    EXPECT_EQ(torque.fields.journal, expected);
}

using M = MomentoController;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TorqueButtons, testing::Values(
    Case{"perpendicular",   &M::getSimple, {{"alpha", "90"}, {"dist", "2"}, {"power1", "10"}},  {{"rx1", "20.00"}}},
    Case{"thirty_degrees",  &M::getSimple, {{"alpha", "30"}, {"dist", "2"}, {"power1", "10"}},  {{"rx1", "10.00"}}},
    Case{"along_the_lever", &M::getSimple, {{"alpha", "0"}, {"dist", "2"}, {"power1", "10"}},   {{"rx1", "0.00"}}},
    // sin(pi) in double is 1.2e-16 and sin(2 pi) -2.4e-16. A float sine
    // (of pi rounded to float) gives the opposite signs.
    Case{"half_turn",       &M::getSimple, {{"alpha", "180"}, {"dist", "2"}, {"power1", "10"}}, {{"rx1", "0.00"}}},
    Case{"full_turn",       &M::getSimple, {{"alpha", "360"}, {"dist", "2"}, {"power1", "10"}}, {{"rx1", "-0.00"}}},
    Case{"sign_is_kept",    &M::getSimple, {{"alpha", "270"}, {"dist", "2"}, {"power1", "10"}}, {{"rx1", "-20.00"}}},
    // sin × d in double rounded to float, then × F in float: 407.83. All in
    // double, the sine rounded to float first, or sin × F first: 407.84.
    Case{"lever_rounded_to_float_then_times_force", &M::getSimple,
                                           {{"alpha", "43"}, {"dist", "26"}, {"power1", "23"}}, {{"rx1", "407.83"}}},
    Case{"empty_fields_read_0", &M::getSimple, {{"alpha", ""}, {"dist", ""}, {"power1", ""}},   {{"rx1", "0.00"}}},
    Case{"couple_of_5_at_half", &M::getDouble, {{"b", "0.5"}, {"power2", "5"}},                 {{"rx2", "2.50"}}},
    // 0.003 × 85 is 0.254999995 in float.
    Case{"couple_in_float",     &M::getDouble, {{"b", "0.003"}, {"power2", "85"}},              {{"rx2", "0.25"}}},
    Case{"couple_overflows",    &M::getDouble, {{"b", "1e20"}, {"power2", "-1e20"}},            {{"rx2", "-inf"}}},
    Case{"empty_couple",        &M::getDouble, {{"b", ""}, {"power2", ""}},                     {{"rx2", "0.00"}}}),
    test::RowName());
// clang-format on

TEST(TorqueUnit, a_second_press_replaces_the_whole_text)
{
    Torque torque;
    for (const auto& [name, text] :
         {std::pair{"alpha", "90"}, std::pair{"dist", "2"}, std::pair{"power1", "10"},
          std::pair{"b", "0.5"}, std::pair{"power2", "5"}})
        torque.fields.at(name).text = text;

    for (int press = 0; press < 2; ++press) {
        torque.controller.getSimple(nullptr);
        torque.controller.getDouble(nullptr);
    }

    EXPECT_EQ(torque.fields.at("rx1").text, "20.00 Nm");
    EXPECT_EQ(torque.fields.at("rx2").text, "2.50 Nm");
}

} // namespace
