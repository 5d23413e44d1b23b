// The inputs as textbooks state problems (an angle, a mass, a liquid), the
// pressure units, and the pictures each tool draws, against in-memory
// controls.
#include "AttritoController.h"
#include "ButtonCase.h"
#include "FluidController.h"
#include "MemoryControls.h"
#include "PianoController.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using test::MemoryDrawing;
using Kind = MemoryDrawing::Kind;

struct Slope
{
    test::Fields fields{"slopeWeight", "slopeMass", "slopeAngle",
                        "slopeW",      "slopeOrto", "slopePara"};
    MemoryDrawing drawing;
    PianoController c;

    Slope()
    {
        c.slopeWeight = &fields.at("slopeWeight");
        c.slopeMass = &fields.at("slopeMass");
        c.slopeAngle = &fields.at("slopeAngle");
        c.slopeW = &fields.at("slopeW");
        c.slopeOrto = &fields.at("slopeOrto");
        c.slopePara = &fields.at("slopePara");
        c.rampDrawing = &drawing;
    }

    void press(const char* weight, const char* mass, const char* angle)
    {
        fields.at("slopeWeight").text = weight;
        fields.at("slopeMass").text = mass;
        fields.at("slopeAngle").text = angle;
        c.analyzeSlope(nullptr);
    }
};

struct SlopeCase
{
    const char* name;
    const char* weight;
    const char* mass;
    const char* angle;
    const char* used;
    const char* perpendicular;
    const char* parallel;
};

class AnalyzeSlope : public testing::TestWithParam<SlopeCase>
{ };

TEST_P(AnalyzeSlope, resolves_the_weight_or_the_weight_of_the_mass_at_the_angle)
{
    const SlopeCase& row = GetParam();
    Slope slope;
    slope.press(row.weight, row.mass, row.angle);
    EXPECT_EQ(slope.fields.at("slopeW").text, row.used);
    EXPECT_EQ(slope.fields.at("slopeOrto").text, row.perpendicular);
    EXPECT_EQ(slope.fields.at("slopePara").text, row.parallel);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Textbook, AnalyzeSlope, testing::Values(
    //        name                        W       m       α      W used    W⊥        W∥
    SlopeCase{"weight_50_at_30",          "50",   "",     "30",  "50.00",  "43.30",  "25.00"},
    SlopeCase{"mass_wins_over_weight",    "50",   "10",   "30",  "98.10",  "84.96",  "49.05"},
    SlopeCase{"blank_mass_is_no_mass",    "50",   "  ",   "60",  "50.00",  "25.00",  "43.30"},
    SlopeCase{"upright_ramp",             "50",   "",     "90",  "50.00",  "0.00",   "50.00"},
    SlopeCase{"empty_fields_read_zero",   "",     "",     "",    "0.00",   "0.00",   "0.00"}),
    test::RowName{});
// clang-format on

double length(const MemoryDrawing::Drawn& arrow)
{
    return std::hypot(arrow.points[1].x - arrow.points[0].x, arrow.points[1].y - arrow.points[0].y);
}

TEST(RampDrawing, draws_the_ramp_at_the_angle_with_arrows_to_scale_of_the_components)
{
    Slope slope;
    slope.press("10", "", "36.87");
    const auto outlines = slope.drawing.of(Kind::Outline);
    ASSERT_EQ(outlines.size(), 2u); // the ramp and the block on it
    const auto& ramp = outlines[0].points;
    ASSERT_EQ(ramp.size(), 3u);
    EXPECT_NEAR(ramp[2].y / ramp[1].x, 0.75, 1e-4); // rises 3 in 4
    const double weight = length(slope.drawing.arrow("W "));
    EXPECT_NEAR(length(slope.drawing.arrow("W⊥")) / weight, 0.8, 1e-4);
    EXPECT_NEAR(length(slope.drawing.arrow("W∥")) / weight, 0.6, 1e-4);
    EXPECT_NE(slope.drawing.description.find("36.87 degrees"), std::string::npos);
}

TEST(RampDrawing, an_angle_outside_0_to_90_draws_no_ramp_and_says_why)
{
    for (const char* angle : {"0", "95", "-30"}) {
        Slope slope;
        slope.press("10", "", angle);
        EXPECT_TRUE(slope.drawing.drawn.empty()) << angle;
        EXPECT_NE(slope.drawing.caption.find("angle must lie"), std::string::npos) << angle;
    }
}

TEST(FrictionMass, fills_either_normal_force_with_m_g_and_draws_the_block)
{
    test::Journal journal;
    test::MemoryField mass{"mass", journal}, fpOfstat{"fpOfstat", journal},
        fpOfDinam{"fpOfDinam", journal}, kas{"kas", journal}, f1d{"f1d", journal};
    MemoryDrawing drawing;
    AttritoController c;
    c.mass = &mass;
    c.fpOfstat = &fpOfstat;
    c.fpOfDinam = &fpOfDinam;
    c.kas = &kas;
    c.f1d = &f1d;
    c.blockDrawing = &drawing;
    mass.text = "12";

    c.getFpFromMassStat(nullptr);
    c.getFpFromMassDinam(nullptr);
    EXPECT_EQ(journal, (test::Journal{"read mass", "write fpOfstat=117.72", "read mass",
                                      "write fpOfDinam=117.72"}));

    kas.text = "0.5";
    c.getF1d(nullptr);
    EXPECT_EQ(f1d.text, "58.86");
    const auto& normal = drawing.arrow("N ");
    const auto& friction = drawing.arrow("Fs ");
    EXPECT_GT(normal.points[1].y, normal.points[0].y);     // up from the ground
    EXPECT_LT(friction.points[1].x, friction.points[0].x); // against the push
    EXPECT_NEAR(length(friction) / length(normal), 0.5, 1e-6);
}

struct Fluid
{
    test::Journal journal;
    test::MemoryField area{"area", journal}, dens{"dens", journal}, forza{"forza", journal},
        press1{"press1", journal}, press2{"press2", journal}, profond{"profond", journal},
        units{"press1Units", journal}, gauge{"press2Gauge", journal},
        absolute{"press2Absolute", journal};
    test::MemoryChoice preset{"densPreset", journal};
    MemoryDrawing drawing;
    FluidController c;

    Fluid()
    {
        c.area = &area;
        c.dens = &dens;
        c.forza = &forza;
        c.press1 = &press1;
        c.press2 = &press2;
        c.profond = &profond;
        c.press1Units = &units;
        c.press2Gauge = &gauge;
        c.press2Absolute = &absolute;
        c.densPreset = &preset;
        c.columnDrawing = &drawing;
    }
};

TEST(FluidUnits, a_diver_10_m_down_in_sea_water)
{
    Fluid fluid;
    fluid.preset.chosen = "1025 kg/m³ sea water";
    fluid.c.getPreset(nullptr);
    fluid.profond.text = "10";
    fluid.c.getPress2(nullptr);
    EXPECT_EQ(fluid.dens.text, "1025");
    EXPECT_EQ(fluid.press2.text, "100552.500000");
    EXPECT_EQ(fluid.gauge.text, "100.6 kPa = 1.006 bar = 0.9924 atm");
    EXPECT_EQ(fluid.absolute.text, "201.9 kPa = 2.019 bar = 1.992 atm");
    EXPECT_NE(fluid.drawing.description.find("10.00 m"), std::string::npos);
    EXPECT_EQ(fluid.drawing.arrow("h ").points[1].y, -10.0);
}

struct UnitsCase
{
    const char* name;
    void (FluidController::*action)(platform::Sender);
    std::array<const char*, 6> typed; // forza, area, press1, dens, profond, press2
    const char* units;                // press1Units for the surface, press2Gauge for the depth
    const char* absolute;
};

class PressureUnits : public testing::TestWithParam<UnitsCase>
{ };

TEST_P(PressureUnits, every_button_of_a_group_shows_its_pressure_in_other_units)
{
    const UnitsCase& row = GetParam();
    Fluid fluid;
    test::MemoryField* inputs[] = {&fluid.forza, &fluid.area,    &fluid.press1,
                                   &fluid.dens,  &fluid.profond, &fluid.press2};
    for (std::size_t i = 0; i < row.typed.size(); ++i)
        inputs[i]->text = row.typed[i];
    (fluid.c.*row.action)(nullptr);
    const bool depth = *row.absolute != '\0';
    EXPECT_EQ((depth ? fluid.gauge : fluid.units).text, row.units);
    EXPECT_EQ(fluid.absolute.text, row.absolute);
    EXPECT_EQ((depth ? fluid.units : fluid.gauge).text, "");
}

using F = FluidController;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, PressureUnits, testing::Values(
    //        name               action         F      A    p1     ρ      h     p2        units                                    absolute
    UnitsCase{"press1",          &F::getPress1, {"100", "4", "",   "",    "",   ""},      "0.02500 kPa = 0.0002500 bar = 0.0002467 atm", ""},
    UnitsCase{"force_reads_p",   &F::getPower,  {"",    "2", "5e5", "",   "",   ""},      "500.0 kPa = 5.000 bar = 4.935 atm",    ""},
    UnitsCase{"depth_reads_p",   &F::getH,      {"",    "",  "",   "1000", "",  "19620"}, "19.62 kPa = 0.1962 bar = 0.1936 atm",  "120.9 kPa = 1.209 bar = 1.194 atm"},
    UnitsCase{"divide_by_zero",  &F::getArea,   {"1",   "",  "",   "",    "",   ""},      "0.000 kPa = 0.000 bar = 0.000 atm",    ""}),
    test::RowName{});
// clang-format on

TEST(FluidPreset, the_prompt_leaves_the_density_as_typed)
{
    Fluid fluid;
    fluid.dens.text = "998";
    fluid.preset.chosen = "Choose a liquid…";
    fluid.c.getPreset(nullptr);
    EXPECT_EQ(fluid.dens.text, "998");
    fluid.preset.chosen = "13600 kg/m³ mercury";
    fluid.c.getPreset(nullptr);
    EXPECT_EQ(fluid.dens.text, "13600");
}

TEST(FluidColumn, no_depth_draws_no_column_and_says_why)
{
    Fluid fluid;
    fluid.dens.text = "1000";
    fluid.profond.text = "0";
    fluid.c.getPress2(nullptr);
    EXPECT_TRUE(fluid.drawing.drawn.empty());
    EXPECT_NE(fluid.drawing.caption.find("depth h is not above 0"), std::string::npos);
}

} // namespace
