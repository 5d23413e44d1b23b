// Fluid pressure against in-memory fields: each button computes one field of
// its group from the other two, with six decimals.
#include "FluidController.h"

#include "ButtonCase.h"

#include <gtest/gtest.h>

namespace {

struct Fluid
{
    test::Fields fields{"area", "dens", "forza", "press1", "press2", "profond"};
    FluidController controller;

    Fluid()
    {
        controller.area = &fields.at("area");
        controller.dens = &fields.at("dens");
        controller.forza = &fields.at("forza");
        controller.press1 = &fields.at("press1");
        controller.press2 = &fields.at("press2");
        controller.profond = &fields.at("profond");
    }
};

using Case = test::ButtonCase<FluidController>;

class FluidButtons : public testing::TestWithParam<Case>
{ };

TEST_P(FluidButtons, read_two_fields_of_their_group_in_order_and_write_the_third)
{
    Fluid fluid;
    test::press(fluid.controller, fluid.fields, GetParam());
    EXPECT_EQ(fluid.fields.journal, test::readsThenWrites(GetParam()));
}

using F = FluidController;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FluidButtons, testing::Values(
    Case{"pressure_from_force_and_area", &F::getPress1, {{"forza", "100"}, {"area", "4"}},     {{"press1", "25.000000"}}},
    Case{"area_from_force_and_pressure", &F::getArea,   {{"forza", "100"}, {"press1", "25"}},  {{"area", "4.000000"}}},
    Case{"force_from_pressure_and_area", &F::getPower,  {{"press1", "25"}, {"area", "4"}},     {{"forza", "100.000000"}}},
    // 196.2 in double, rounded to float once: 196.199997. In float
    // throughout it would be 196.200012, in double 196.200000.
    Case{"hydrostatic_pressure",         &F::getPress2, {{"dens", "10"}, {"profond", "2"}},    {{"press2", "196.199997"}}},
    Case{"gravity_prints_as_typed",      &F::getPress2, {{"dens", "1"}, {"profond", "1"}},     {{"press2", "9.810000"}}},
    // Rounding 9.81 × 1 to float before the second product would give
    // 98.100006.
    Case{"rounded_once_at_the_end",      &F::getPress2, {{"dens", "1"}, {"profond", "10"}},    {{"press2", "98.099998"}}},
    Case{"depth_back_from_the_pressure", &F::getH,      {{"dens", "10"}, {"press2", "196.199997"}}, {{"profond", "2.000000"}}},
    // ρ × g rounded to float, then a float quotient: 1.355760. A double
    // quotient, or 9.81 as a float, gives 1.355759.
    Case{"depth_divides_in_float",       &F::getH,      {{"dens", "10"}, {"press2", "133"}},   {{"profond", "1.355760"}}},
    Case{"density_reads_depth_first",    &F::getDens,   {{"profond", "10"}, {"press2", "133"}}, {{"dens", "1.355760"}}},
    // The first group computes in float: printed from double these would
    // show 333333.333333 and 40.040000.
    Case{"pressure_in_float",            &F::getPress1, {{"forza", "1000000"}, {"area", "3"}}, {{"press1", "333333.343750"}}},
    Case{"force_in_float",               &F::getPower,  {{"press1", "100.1"}, {"area", "0.4"}}, {{"forza", "40.040001"}}},
    // Nothing is validated.
    Case{"empty_pressure",               &F::getArea,   {{"forza", "100"}, {"press1", ""}},    {{"area", "inf"}}},
    Case{"force_and_pressure_empty",     &F::getArea,   {{"forza", ""}, {"press1", ""}},       {{"area", "nan"}}},
    Case{"zero_depth",                   &F::getDens,   {{"profond", "0"}, {"press2", "-5"}},  {{"dens", "-inf"}}}),
    test::RowName());
// clang-format on

} // namespace
