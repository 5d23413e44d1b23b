// The inputs as textbooks state problems (an angle, a mass, a liquid), the
// pressure units, and the pictures each tool draws, against in-memory
// controls.
#include "AttritoController.h"
#include "FluidController.h"
#include "MemoryControls.h"
#include "MomentoController.h"
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
    test::Journal journal;
    test::MemoryField weight{"slopeWeight", journal}, mass{"slopeMass", journal},
        angle{"slopeAngle", journal}, used{"slopeW", journal}, orto{"slopeOrto", journal},
        para{"slopePara", journal};
    test::MemoryField base{"base", journal}, dangolo{"dangolo", journal}, db{"db", journal},
        dh{"dh", journal}, dl{"dl", journal}, dorto{"dorto", journal}, dpara{"dpara", journal},
        height{"height", journal}, labOrto{"labOrto", journal}, labPara{"labPara", journal},
        lenght{"lenght", journal}, sideWeight{"weight", journal};
    MemoryDrawing drawing;
    PianoController c;

    Slope()
    {
        c.slopeWeight = &weight;
        c.slopeMass = &mass;
        c.slopeAngle = &angle;
        c.slopeW = &used;
        c.slopeOrto = &orto;
        c.slopePara = &para;
        c.base = &base;
        c.dangolo = &dangolo;
        c.db = &db;
        c.dh = &dh;
        c.dl = &dl;
        c.dorto = &dorto;
        c.dpara = &dpara;
        c.height = &height;
        c.labOrto = &labOrto;
        c.labPara = &labPara;
        c.lenght = &lenght;
        c.weight = &sideWeight;
        c.rampDrawing = &drawing;
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
    slope.weight.text = row.weight;
    slope.mass.text = row.mass;
    slope.angle.text = row.angle;
    slope.c.analyzeSlope(nullptr);
    EXPECT_EQ(slope.used.text, row.used);
    EXPECT_EQ(slope.orto.text, row.perpendicular);
    EXPECT_EQ(slope.para.text, row.parallel);
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

TEST(RampDrawing, sides_give_the_triangle_and_arrows_to_scale_of_the_components)
{
    Slope slope;
    slope.sideWeight.text = "10";
    slope.height.text = "3";
    slope.base.text = "4";
    slope.lenght.text = "5";
    slope.c.analyze(nullptr);

    const auto outlines = slope.drawing.of(Kind::Outline);
    ASSERT_EQ(outlines.size(), 2u); // the ramp and the block on it
    const auto& ramp = outlines[0].points;
    ASSERT_EQ(ramp.size(), 3u);
    EXPECT_NEAR(ramp[1].x, 4.0, 1e-9);
    EXPECT_NEAR(ramp[2].y, 3.0, 1e-9);
    const double weight = length(slope.drawing.arrow("W "));
    EXPECT_NEAR(length(slope.drawing.arrow("W⊥")) / weight, 0.8, 1e-6);
    EXPECT_NEAR(length(slope.drawing.arrow("W∥")) / weight, 0.6, 1e-6);
    EXPECT_NE(slope.drawing.description.find("36.87 degrees"), std::string::npos);
}

struct ImpossibleRamp
{
    const char* name;
    const char* height;
    const char* length;
    const char* angle;
    const char* reason;
};

class NoRamp : public testing::TestWithParam<ImpossibleRamp>
{ };

TEST_P(NoRamp, draws_no_triangle_and_says_why)
{
    const ImpossibleRamp& row = GetParam();
    Slope slope;
    slope.sideWeight.text = "10";
    slope.height.text = row.height;
    slope.lenght.text = row.length;
    slope.weight.text = "10";
    slope.angle.text = row.angle;
    if (*row.angle != '\0')
        slope.c.analyzeSlope(nullptr);
    else
        slope.c.analyze(nullptr);
    EXPECT_TRUE(slope.drawing.drawn.empty());
    EXPECT_NE(slope.drawing.caption.find(row.reason), std::string::npos) << slope.drawing.caption;
    EXPECT_EQ(slope.drawing.description, slope.drawing.caption);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Degenerate, NoRamp, testing::Values(
    ImpossibleRamp{"height_above_length", "6", "5", "",   "height h must lie"},
    ImpossibleRamp{"zero_length",         "3", "0", "",   "length l is not above 0"},
    ImpossibleRamp{"flat_angle",          "",  "",  "0",  "angle must lie"},
    ImpossibleRamp{"angle_past_upright",  "",  "",  "95", "angle must lie"}),
    test::RowName{});
// clang-format on

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

struct Moment
{
    const char* name;
    bool couple;
    const char* first;  // force
    const char* second; // distance or arm
    const char* angle;
    int sense; // +1 counter-clockwise, -1 clockwise, 0 none
};

class Sense : public testing::TestWithParam<Moment>
{ };

TEST_P(Sense, the_turn_arrow_follows_the_sign_of_the_moment)
{
    const Moment& row = GetParam();
    test::Journal journal;
    test::MemoryField alpha{"alpha", journal}, b{"b", journal}, dist{"dist", journal},
        power1{"power1", journal}, power2{"power2", journal}, rx1{"rx1", journal},
        rx2{"rx2", journal};
    MemoryDrawing drawing;
    MomentoController c;
    c.alpha = &alpha;
    c.b = &b;
    c.dist = &dist;
    c.power1 = &power1;
    c.power2 = &power2;
    c.rx1 = &rx1;
    c.rx2 = &rx2;
    c.leverDrawing = &drawing;
    (row.couple ? power2 : power1).text = row.first;
    (row.couple ? b : dist).text = row.second;
    alpha.text = row.angle;
    row.couple ? c.getDouble(nullptr) : c.getSimple(nullptr);

    const auto turns = drawing.of(Kind::Turn);
    if (row.sense == 0) {
        EXPECT_TRUE(turns.empty());
        return;
    }
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_EQ(turns[0].sweep > 0.0 ? 1 : -1, row.sense);
    EXPECT_NE(drawing.description.find(row.sense > 0 ? "counter-clockwise" : " clockwise"),
              std::string::npos)
        << drawing.description;
    EXPECT_EQ(drawing.of(Kind::Arrow).size(), row.couple ? 2u : 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Signs, Sense, testing::Values(
    Moment{"force_at_30",         false, "10",  "2",   "30",  1},
    Moment{"force_at_330",        false, "10",  "2",   "330", -1},
    Moment{"negative_force",      false, "-10", "2",   "30",  -1},
    Moment{"along_the_lever",     false, "10",  "2",   "0",   0},
    Moment{"couple",              true,  "5",   "0.5", "",    1},
    Moment{"reversed_couple",     true,  "-5",  "0.5", "",    -1}),
    test::RowName{});
// clang-format on

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
    UnitsCase{"area_reads_p",    &F::getArea,   {"100", "",  "101325", "", "",  ""},      "101.3 kPa = 1.013 bar = 1.000 atm",   ""},
    UnitsCase{"force_reads_p",   &F::getPower,  {"",    "2", "5e5", "",   "",   ""},      "500.0 kPa = 5.000 bar = 4.935 atm",    ""},
    UnitsCase{"depth_reads_p",   &F::getH,      {"",    "",  "",   "1000", "",  "19620"}, "19.62 kPa = 0.1962 bar = 0.1936 atm",  "120.9 kPa = 1.209 bar = 1.194 atm"},
    UnitsCase{"density_reads_p", &F::getDens,   {"",    "",  "",   "",    "2",  "0"},     "0.000 kPa = 0.000 bar = 0.000 atm",    "101.3 kPa = 1.013 bar = 1.000 atm"},
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
