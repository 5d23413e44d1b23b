// Friction against in-memory fields: each button computes one field of its
// group from the other two.
#include "AttritoController.h"

#include "ButtonCase.h"

#include <gtest/gtest.h>

namespace {

struct Friction
{
    test::Fields fields{"f1d", "fad", "fpOfDinam", "fpOfstat", "kad", "kas"};
    AttritoController controller;

    Friction()
    {
        controller.f1d = &fields.at("f1d");
        controller.fad = &fields.at("fad");
        controller.fpOfDinam = &fields.at("fpOfDinam");
        controller.fpOfstat = &fields.at("fpOfstat");
        controller.kad = &fields.at("kad");
        controller.kas = &fields.at("kas");
    }
};

using Case = test::ButtonCase<AttritoController>;

class FrictionButtons : public testing::TestWithParam<Case>
{ };

TEST_P(FrictionButtons, read_two_fields_of_their_group_in_order_and_write_the_third)
{
    Friction friction;
    test::press(friction.controller, friction.fields, GetParam());
    // The journal also shows that no field of the other group is touched.
    EXPECT_EQ(friction.fields.journal, test::readsThenWrites(GetParam()));
}

using A = AttritoController;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FrictionButtons, testing::Values(
    Case{"static_force",         &A::getF1d,         {{"kas", "0.5"}, {"fpOfstat", "40"}},   {{"f1d", "20.00"}}},
    Case{"static_coefficient",   &A::getKas,         {{"f1d", "20.00"}, {"fpOfstat", "40"}}, {{"kas", "0.50"}}},
    Case{"static_normal_force",  &A::getFpFromStat,  {{"f1d", "20"}, {"kas", "0.5"}},        {{"fpOfstat", "40.00"}}},
    Case{"dynamic_force",        &A::getFad,         {{"kad", "0.3"}, {"fpOfDinam", "50"}},  {{"fad", "15.00"}}},
    Case{"dynamic_coefficient",  &A::getKd,          {{"fad", "10"}, {"fpOfDinam", "30"}},   {{"kad", "0.33"}}},
    Case{"dynamic_normal_force", &A::getFpFromDinam, {{"fad", "15"}, {"kad", "0.3"}},        {{"fpOfDinam", "50.00"}}},
    // Results are floats: 0.003 × 85 is 0.254999995 and 3 / 40 is
    // 0.075000003. Printed from double they would show 0.26 and 0.07.
    Case{"product_in_float",     &A::getF1d,         {{"kas", "0.003"}, {"fpOfstat", "85"}}, {{"f1d", "0.25"}}},
    Case{"quotient_in_float",    &A::getKas,         {{"f1d", "3"}, {"fpOfstat", "40"}},     {{"kas", "0.08"}}},
    Case{"product_overflows_float", &A::getF1d,      {{"kas", "1e20"}, {"fpOfstat", "1e20"}}, {{"f1d", "inf"}}},
    // Nothing is validated.
    Case{"empty_normal_force",   &A::getKd,          {{"fad", "10"}, {"fpOfDinam", ""}},     {{"kad", "inf"}}},
    Case{"both_empty",           &A::getKd,          {{"fad", ""}, {"fpOfDinam", ""}},       {{"kad", "nan"}}},
    Case{"zero_coefficient",     &A::getFpFromStat,  {{"f1d", "-5"}, {"kas", "0"}},          {{"fpOfstat", "-inf"}}}),
    test::RowName());
// clang-format on

TEST(FrictionInTurn, a_later_computation_reads_the_two_decimals_shown)
{
    Friction friction;
    friction.fields.at("f1d").text = "10";
    friction.fields.at("fpOfstat").text = "30";

    friction.controller.getKas(nullptr);
    friction.controller.getFpFromStat(nullptr);

    // 10 / 0.33, not the 30 typed.
    EXPECT_EQ(friction.fields.at("kas").text, "0.33");
    EXPECT_EQ(friction.fields.at("fpOfstat").text, "30.30");
}

} // namespace

namespace {

// Each N = m · g button logs the normal force it filled, by name.
TEST(FrictionLog, names_the_normal_force_a_mass_filled)
{
    Friction friction;
    test::MemoryField mass{"mass", friction.fields.journal};
    test::MemoryLog log;
    friction.controller.mass = &mass;
    friction.controller.log = &log;
    mass.text = "12";
    friction.controller.getFpFromMassStat(nullptr);
    friction.controller.getFpFromMassDinam(nullptr);
    ASSERT_EQ(log.recorded.size(), 2U);
    EXPECT_EQ(log.recorded[0].results.at(0), (platform::Quantity{"N\u209b", "117.72", "N"}));
    EXPECT_EQ(log.recorded[1].results.at(0), (platform::Quantity{"N\u2096", "117.72", "N"}));
}

} // namespace
