// Textbook inputs, pressure units, and whether a tool draws or says why not.
#include "AttritoController.h"
#include "ButtonCase.h"
#include "FluidController.h"
#include "MemoryControls.h"
#include "PianoController.h"

#include <gtest/gtest.h>

#include <array>
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

using AnalyzeSlope = testing::TestWithParam<SlopeCase>;

TEST_P(AnalyzeSlope, resolves_the_weight_or_the_weight_of_the_mass_at_the_angle)
{
    const char* names[] = {"slopeWeight", "slopeMass", "slopeAngle",
                           "slopeW",      "slopeOrto", "slopePara"};
    test::Fields f{"slopeWeight", "slopeMass", "slopeAngle", "slopeW", "slopeOrto", "slopePara"};
    test::MemoryDrawing drawing;
    PianoController c;
    platform::Field** outlets[] = {&c.slopeWeight, &c.slopeMass, &c.slopeAngle,
                                   &c.slopeW,      &c.slopeOrto, &c.slopePara};
    for (std::size_t i = 0; i < 6; ++i) {
        *outlets[i] = &f.at(names[i]);
        f.at(names[i]).text = i < 3 ? GetParam().texts[i] : "";
    }
    c.rampDrawing = &drawing;
    c.analyzeSlope(nullptr);
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
