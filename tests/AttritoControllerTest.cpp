// Friction against in-memory fields: each button computes one field of its
// group from the other two.
#include "AttritoController.h"

#include "platform/MemoryControls.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Friction
{
    test::Journal journal;
    std::map<std::string, test::MemoryField> fields;
    AttritoController controller;

    Friction()
    {
        for (const char* name : {"f1d", "fad", "fpOfDinam", "fpOfstat", "kad", "kas"})
            fields.try_emplace(name, name, journal);
        controller.f1d = &fields.at("f1d");
        controller.fad = &fields.at("fad");
        controller.fpOfDinam = &fields.at("fpOfDinam");
        controller.fpOfstat = &fields.at("fpOfstat");
        controller.kad = &fields.at("kad");
        controller.kas = &fields.at("kas");
    }
};

struct Operand
{
    const char* field;
    const char* text;
};

struct FrictionCase
{
    const char* name;
    void (AttritoController::*action)(platform::Sender);
    Operand first;
    Operand second;
    const char* target;
    const char* shown;
};

class FrictionGroups : public testing::TestWithParam<FrictionCase>
{ };

TEST_P(FrictionGroups, reads_two_fields_of_its_group_in_order_and_writes_the_third)
{
    const FrictionCase& c = GetParam();
    Friction friction;
    friction.fields.at(c.first.field).text = c.first.text;
    friction.fields.at(c.second.field).text = c.second.text;

    (friction.controller.*c.action)(nullptr);

    // The journal also shows that no field of the other group is touched.
    const test::Journal expected{std::string("read ") + c.first.field,
                                 std::string("read ") + c.second.field,
                                 std::string("write ") + c.target + "=" + c.shown};
    EXPECT_EQ(friction.journal, expected);
}

using A = AttritoController;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FrictionGroups, testing::Values(
    FrictionCase{"static_force",             &A::getF1d,         {"kas", "0.5"},  {"fpOfstat", "40"},  "f1d", "20.00"},
    FrictionCase{"static_coefficient",       &A::getKas,         {"f1d", "20.00"}, {"fpOfstat", "40"}, "kas", "0.50"},
    FrictionCase{"static_normal_force",      &A::getFpFromStat,  {"f1d", "20"},   {"kas", "0.5"},      "fpOfstat", "40.00"},
    FrictionCase{"dynamic_force",            &A::getFad,         {"kad", "0.3"},  {"fpOfDinam", "50"}, "fad", "15.00"},
    FrictionCase{"dynamic_coefficient",      &A::getKd,          {"fad", "10"},   {"fpOfDinam", "30"}, "kad", "0.33"},
    FrictionCase{"dynamic_normal_force",     &A::getFpFromDinam, {"fad", "15"},   {"kad", "0.3"},      "fpOfDinam", "50.00"},
    // Results are floats: 0.003 × 85 is 0.254999995 and 3 / 40 is
    // 0.075000003. Printed from double they would show 0.26 and 0.07.
    FrictionCase{"product_in_float",         &A::getF1d,         {"kas", "0.003"}, {"fpOfstat", "85"}, "f1d", "0.25"},
    FrictionCase{"quotient_in_float",        &A::getKas,         {"f1d", "3"},    {"fpOfstat", "40"},  "kas", "0.08"},
    FrictionCase{"product_overflows_float",  &A::getF1d,         {"kas", "1e20"}, {"fpOfstat", "1e20"}, "f1d", "inf"},
    // Nothing is validated.
    FrictionCase{"empty_normal_force",       &A::getKd,          {"fad", "10"},   {"fpOfDinam", ""},   "kad", "inf"},
    FrictionCase{"both_empty",               &A::getKd,          {"fad", ""},     {"fpOfDinam", ""},   "kad", "nan"},
    FrictionCase{"zero_coefficient",         &A::getFpFromStat,  {"f1d", "-5"},   {"kas", "0"},        "fpOfstat", "-inf"}),
    [](const testing::TestParamInfo<FrictionCase>& row) { return std::string(row.param.name); });
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
