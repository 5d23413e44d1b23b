// Textbook inputs, pressure units, and whether a tool draws or says why not.
#include "AttritoController.h"
#include "ButtonCase.h"
#include "FluidController.h"
#include "MemoryControls.h"
#include "MomentoController.h"
#include "PianoController.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// clang-format off
enum class Picture { None, Drawn, Refused };
// clang-format on

void expectPicture(const test::MemoryDrawing& drawing, Picture picture)
{
    EXPECT_EQ(drawing.strokes > 0, picture == Picture::Drawn);
    EXPECT_TRUE(picture == Picture::Drawn || drawing.caption.empty() == (picture == Picture::None));
}

struct SlopeCase
{
    const char* name;
    std::array<const char*, 6> texts; // typed in slopeWeight, slopeMass, slopeAngle; then shown
    Picture picture;
    std::string marked = {}; // the fields typed in that carry a reading note
};

// The ramp group of the inclined plane, drawn to memory, pressed once with
// the weight, mass and angle typed.
struct Slope
{
    static constexpr std::array<const char*, 6> names = {"slopeWeight", "slopeMass", "slopeAngle",
                                                         "slopeW",      "slopeOrto", "slopePara"};
    test::Fields f{"slopeWeight", "slopeMass", "slopeAngle", "slopeW", "slopeOrto", "slopePara"};
    test::MemoryDrawing drawing;
    PianoController c;

    explicit Slope(const std::array<const char*, 3>& typed)
    {
        platform::Field** outlets[] = {&c.slopeWeight, &c.slopeMass, &c.slopeAngle,
                                       &c.slopeW,      &c.slopeOrto, &c.slopePara};
        for (std::size_t i = 0; i < names.size(); ++i) {
            *outlets[i] = &f.at(names[i]);
            f.at(names[i]).text = i < typed.size() ? typed[i] : "";
        }
        c.rampDrawing = &drawing;
        c.analyzeSlope(nullptr);
    }
};

using AnalyzeSlope = testing::TestWithParam<SlopeCase>;

TEST_P(AnalyzeSlope, resolves_the_weight_or_the_weight_of_the_mass_at_the_angle)
{
    const auto& texts = GetParam().texts;
    Slope slope({texts[0], texts[1], texts[2]});
    const auto& names = Slope::names;
    test::Fields& f = slope.f;
    test::MemoryDrawing& drawing = slope.drawing;
    for (std::size_t i = 3; i < 6; ++i)
        EXPECT_EQ(f.at(names[i]).text, GetParam().texts[i]) << names[i];
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(f.at(names[i]).mark.has_value(),
                  GetParam().marked.find(names[i]) != std::string::npos)
            << names[i];
    }
    expectPicture(drawing, GetParam().picture);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Textbook, AnalyzeSlope, testing::Values(
    //        name                       W     m     α     W used   W⊥       W∥
    SlopeCase{"weight_50_at_30",        {"50", "",   "30", "50.00", "43.30", "25.00"}, Picture::Drawn},
    SlopeCase{"mass_wins_over_weight",  {"50", "10", "30", "98.10", "84.96", "49.05"}, Picture::Drawn},
    SlopeCase{"blank_mass_is_no_mass",  {"50", "  ", "60", "50.00", "25.00", "43.30"}, Picture::Drawn},
    SlopeCase{"upright_ramp",           {"50", "",   "90", "50.00", "0.00",  "50.00"}, Picture::Refused},
    SlopeCase{"empty_fields_read_zero", {"",   "",   "",   "0.00",  "0.00",  "0.00"},  Picture::Refused, "slopeWeight slopeAngle"},
    SlopeCase{"no_number_in_the_mass",  {"50", "abc", "30°", "50.00", "43.30", "25.00"}, Picture::Drawn, "slopeMass"},
    SlopeCase{"nothing_but_a_bad_mass", {"",   "abc", "30", "0.00",  "0.00",  "0.00"},  Picture::Drawn, "slopeMass"},
    SlopeCase{"angle_with_a_comma",     {"50", "",   "30,5", "50.00", "43.08", "25.38"}, Picture::Drawn},
    SlopeCase{"angle_in_centimetres",   {"50", "",   "30 cm", "50.00", "43.30", "25.00"}, Picture::Drawn, "slopeAngle"}),
    test::RowName{});
// clang-format on

struct RampCase
{
    const char* name;
    const char* angle; // typed, in degrees, with a weight of 50
};

using RampComponents = testing::TestWithParam<RampCase>;

// W⊥ presses into the slope, W∥ pulls down along it, each as long as its
// share of the weight drawn straight down.
TEST_P(RampComponents, each_arrow_lies_the_way_its_label_says)
{
    Slope slope({"50", "", GetParam().angle});
    const test::MemoryDrawing& drawing = slope.drawing;

    const double radians = std::atof(GetParam().angle) * std::numbers::pi / 180.0;
    const double along[] = {std::cos(radians), std::sin(radians)};
    const double outwards[] = {-std::sin(radians), std::cos(radians)};
    const auto direction = [&](const char* name) {
        const test::MemoryDrawing::Arrow* arrow = drawing.arrow(name);
        EXPECT_NE(arrow, nullptr) << name;
        return arrow != nullptr
                   ? std::array{arrow->to.x - arrow->from.x, arrow->to.y - arrow->from.y}
                   : std::array{0.0, 0.0};
    };
    const auto dot = [](std::array<double, 2> a, const double* b) {
        return a[0] * b[0] + a[1] * b[1];
    };
    const double weight = std::hypot(direction("W")[0], direction("W")[1]);
    const auto across = direction("W⊥");
    const auto down = direction("W∥");
    EXPECT_NEAR(dot(across, along), 0.0, 1e-6 * weight);
    EXPECT_NEAR(dot(across, outwards), -weight * std::cos(radians), 1e-6 * weight);
    EXPECT_NEAR(dot(down, outwards), 0.0, 1e-6 * weight);
    EXPECT_NEAR(dot(down, along), -weight * std::sin(radians), 1e-6 * weight);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Angles, RampComponents, testing::Values(
    RampCase{"gentle", "30"},
    RampCase{"steep", "60"}),
    test::RowName{});
// clang-format on

struct SenseCase
{
    const char* name;
    void (MomentoController::*action)(platform::Sender);
    std::vector<test::FieldText> typed;
    bool counterClockwise;
};

using TurningArrow = testing::TestWithParam<SenseCase>;

// The curved arrow turns the way the words say the moment turns.
TEST_P(TurningArrow, turns_the_way_the_description_says)
{
    test::Fields f{"alpha", "b", "dist", "power1", "power2", "rx1", "rx2"};
    test::MemoryDrawing drawing;
    MomentoController c;
    c.alpha = &f.at("alpha");
    c.b = &f.at("b");
    c.dist = &f.at("dist");
    c.power1 = &f.at("power1");
    c.power2 = &f.at("power2");
    c.rx1 = &f.at("rx1");
    c.rx2 = &f.at("rx2");
    c.leverDrawing = &drawing;
    for (const test::FieldText& typed : GetParam().typed)
        f.at(typed.field).text = typed.text;
    (c.*GetParam().action)(nullptr);
    ASSERT_EQ(drawing.sweeps.size(), 1u);
    EXPECT_EQ(drawing.sweeps[0] > 0.0, GetParam().counterClockwise);
    const bool saysCounter = drawing.description.find("counter-clockwise") != std::string::npos;
    EXPECT_EQ(saysCounter, GetParam().counterClockwise) << drawing.description;
    EXPECT_NE(drawing.description.find("clockwise"), std::string::npos) << drawing.description;
}

using M = MomentoController;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Senses, TurningArrow, testing::Values(
    SenseCase{"lever_pushed_up", &M::getSimple, {{"power1", "10"}, {"dist", "2"}, {"alpha", "90"}}, true},
    SenseCase{"lever_pushed_down", &M::getSimple, {{"power1", "10"}, {"dist", "2"}, {"alpha", "270"}}, false},
    SenseCase{"lever_pulled", &M::getSimple, {{"power1", "-10"}, {"dist", "2"}, {"alpha", "90"}}, false},
    SenseCase{"couple", &M::getDouble, {{"power2", "5"}, {"b", "0.5"}}, true},
    SenseCase{"couple_reversed", &M::getDouble, {{"power2", "-5"}, {"b", "0.5"}}, false}),
    test::RowName{});
// clang-format on

using FrictionMass = testing::TestWithParam<test::ButtonCase<AttritoController>>;

TEST_P(FrictionMass, fills_the_normal_force_with_m_g)
{
    test::Fields f{"mass", "fpOfstat", "fpOfDinam"};
    AttritoController c;
    c.mass = &f.at("mass");
    c.fpOfstat = &f.at("fpOfstat");
    c.fpOfDinam = &f.at("fpOfDinam");
    test::press(c, f, GetParam());
    EXPECT_EQ(f.journal, test::readsThenWrites(GetParam()));
}

using A = AttritoController;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Textbook, FrictionMass, testing::Values(
    test::ButtonCase<A>{"static", &A::getFpFromMassStat, {{"mass", "12"}}, {{"fpOfstat", "117.72"}}},
    test::ButtonCase<A>{"dynamic", &A::getFpFromMassDinam, {{"mass", "12"}}, {{"fpOfDinam", "117.72"}}}),
    test::RowName{});
// clang-format on

struct FluidCase
{
    const char* name;
    const char* preset; // chosen before the button
    void (FluidController::*action)(platform::Sender);
    std::array<const char*, 6> typed; // forza, area, press1, profond, press2, dens
    std::array<const char*, 4> shown; // dens, press1Units, press2Gauge, press2Absolute
    Picture picture;
};

using PressureUnits = testing::TestWithParam<FluidCase>;

TEST_P(PressureUnits, every_button_of_a_group_shows_its_pressure_in_other_units)
{
    const std::initializer_list<const char*> names{"forza",       "area",        "press1",
                                                   "profond",     "press2",      "dens",
                                                   "press1Units", "press2Gauge", "press2Absolute"};
    test::Fields f(names);
    test::MemoryChoice preset{"densPreset", f.journal};
    test::MemoryDrawing drawing;
    FluidController c;
    platform::Field** outlets[] = {&c.forza,       &c.area,        &c.press1,
                                   &c.profond,     &c.press2,      &c.dens,
                                   &c.press1Units, &c.press2Gauge, &c.press2Absolute};
    for (std::size_t i = 0; i < 9; ++i) {
        *outlets[i] = &f.at(names.begin()[i]);
        f.at(names.begin()[i]).text = i < 6 ? GetParam().typed[i] : "";
    }
    c.densPreset = &preset;
    c.columnDrawing = &drawing;
    preset.chosen = GetParam().preset;
    c.getPreset(nullptr);
    (c.*GetParam().action)(nullptr);
    for (std::size_t i = 5; i < 9; ++i)
        EXPECT_EQ(f.at(names.begin()[i]).text, GetParam().shown[i - 5]) << names.begin()[i];
    expectPicture(drawing, GetParam().picture);
}

using F = FluidController;
constexpr const char* noDepth = "0.000 kPa = 0.000 bar = 0.000 atm";
constexpr const char* air = "101.3 kPa = 1.013 bar = 1.000 atm";
const char* prompt = "Choose a liquid…";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, PressureUnits, testing::Values(
    //        name                    preset                  action         F      A    p1     h     p2       ρ        ρ then   press1Units                                     gauge                                  absolute
    FluidCase{"press1",               prompt,                 &F::getPress1, {"100", "4", "",    "",   "",      ""},     {"",      "0.02500 kPa = 2.500 × 10⁻⁴ bar = 2.467 × 10⁻⁴ atm", "",                                    ""},                                  Picture::None},
    FluidCase{"force_reads_p",        prompt,                 &F::getPower,  {"",    "2", "5e5", "",   "",      ""},     {"",      "500.0 kPa = 5.000 bar = 4.935 atm",           "",                                    ""},                                  Picture::None},
    FluidCase{"depth_reads_p",        prompt,                 &F::getH,      {"",    "",  "",    "",   "19620", "1000"}, {"1000",  "", "19.62 kPa = 0.1962 bar = 0.1936 atm", "120.9 kPa = 1.209 bar = 1.194 atm"},                                                Picture::Drawn},
    FluidCase{"divide_by_zero",       prompt,                 &F::getArea,   {"1",   "",  "",    "",   "",      ""},     {"",      noDepth,                                       "",                                    ""},                                  Picture::None},
    FluidCase{"diver_in_sea_water",   "1025 kg/m³ sea water", &F::getPress2, {"",    "",  "",    "10", "",      ""},     {"1025",  "", "100.6 kPa = 1.006 bar = 0.9924 atm", "201.9 kPa = 2.019 bar = 1.992 atm"},                                                 Picture::Drawn},
    FluidCase{"prompt_keeps_density", prompt,                 &F::getPress2, {"",    "",  "",    "0",  "",      "998"},  {"998",   "", noDepth, air},                                                                                                              Picture::Refused},
    FluidCase{"mercury",              "13600 kg/m³ mercury",  &F::getPress2, {"",    "",  "",    "0",  "",      "998"},  {"13600", "", noDepth, air},                                                                                                              Picture::Refused}),
    test::RowName{});
// clang-format on

} // namespace
