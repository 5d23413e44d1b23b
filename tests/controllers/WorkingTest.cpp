// Every button's working and log entry match the fields it read and wrote, digit for digit.
#include "AttritoController.h"
#include "ButtonCase.h"
#include "ErrorController.h"
#include "FluidController.h"
#include "MomentoController.h"
#include "Numbers.h"
#include "PianoController.h"
#include "Uncertainty.h"
#include "VectorTool.h"
#include "VectorsController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Every field outlet of the calculators, listed once for naming and wiring.
// clang-format off
#define OUTLETS(X) \
    X(piano, base) X(piano, dangolo) X(piano, db) X(piano, dh) X(piano, dl) X(piano, dorto) \
    X(piano, dpara) X(piano, height) X(piano, labOrto) X(piano, labPara) X(piano, lenght) \
    X(piano, weight) X(piano, slopeWeight) X(piano, slopeMass) X(piano, slopeAngle) \
    X(piano, slopeW) X(piano, slopeOrto) X(piano, slopePara) X(errors, absLabel) \
    X(errors, getPercLabel) X(errors, getRelLabel) X(errors, mediaLabel) X(errors, setAbsForPerc) \
    X(errors, setMisuraForPerc) X(errors, setRel) X(errors, setVal) X(errors, valToMedia) \
    X(friction, f1d) X(friction, fad) X(friction, fpOfDinam) X(friction, fpOfstat) \
    X(friction, kad) X(friction, kas) X(friction, mass) X(torque, alpha) X(torque, b) \
    X(torque, dist) X(torque, power1) X(torque, power2) X(torque, rx1) X(torque, rx2) \
    X(fluid, area) X(fluid, dens) X(fluid, forza) X(fluid, press1) X(fluid, press2) \
    X(fluid, profond) X(piano, rampWeight) X(piano, rampMass) X(piano, rampAngle) \
    X(piano, rampKs) X(piano, rampKd) X(piano, rampFk) X(piano, rampPush) X(piano, rampNormal) \
    X(piano, rampPara) X(piano, rampStaticMax) X(piano, rampVerdict) X(piano, rampKdUsed) \
    X(piano, rampFriction) X(piano, rampNet) X(piano, rampAccel) X(piano, rampStart) \
    X(piano, rampSteady) X(friction, motionMass) X(friction, motionNormal) \
    X(friction, motionPush) X(friction, motionKs) X(friction, motionKd) \
    X(friction, motionStaticMax) X(friction, motionVerdict) X(friction, motionFriction) \
    X(friction, motionNet) X(friction, motionAccel)
#define VECTOR_OUTLETS(X) \
    X(tool, angle) X(tool, listOfVectors) X(tool, name) X(tool, power) \
    X(tool, numberOfVectors) X(tool, result) X(tool, rx) X(tool, ry)
#define VECTOR_CONTROLS(X) \
    X(tool, myself) X(tool, newVectWin) X(tool, firstPanel) X(tool, where) X(tool, diagram) \
    X(tool, working) X(tool, log)
// clang-format on
#define NAME(tool, outlet) #outlet,
#define WIRE(tool, outlet) tool.outlet = &fields.at(#outlet);
#define POINT(tool, outlet) tool.outlet = &outlet;

// Five calculators on one set of fields, with one working pane and one log.
struct Tools
{
    test::Fields fields{OUTLETS(NAME)};
    test::MemoryPane pane;
    test::MemoryPane uncertain;
    test::MemoryLog log;
    PianoController piano;
    ErrorController errors;
    AttritoController friction;
    MomentoController torque;
    FluidController fluid;

    Tools()
    {
        OUTLETS(WIRE)
        piano.working = errors.working = friction.working = torque.working = fluid.working = &pane;
        piano.log = errors.log = friction.log = torque.log = fluid.log = &log;
        piano.uncertainties = errors.uncertainties = friction.uncertainties = torque.uncertainties =
            fluid.uncertainties = &uncertain;
    }

    void type(const std::vector<test::FieldText>& typed)
    {
        for (const test::FieldText& entry : typed)
            fields.at(entry.field).text = entry.text;
    }
};

struct WorkingCase
{
    std::string name;
    std::function<void(Tools&)> press;
    std::vector<test::FieldText> typed; // in the order the button reads them
};

using Working = testing::TestWithParam<WorkingCase>;

TEST_P(Working, lays_out_the_numbers_as_read_and_the_results_as_shown)
{
    Tools tools;
    tools.type(GetParam().typed);
    GetParam().press(tools);

    // A result is written to a field, torque's with its unit after it.
    const auto written = [&tools](const std::string& value) {
        return std::ranges::any_of(tools.fields.journal, [&value](const std::string& entry) {
            return entry.starts_with("write ")
                   && (entry.ends_with("=" + value) || entry.ends_with("=" + value + " Nm"));
        });
    };
    const std::string working = tools.pane.english();
    ASSERT_EQ(tools.log.recorded.size(), 1U);
    const platform::Computation& logged = tools.log.recorded.front();
    ASSERT_FALSE(logged.results.empty());
    for (const platform::Quantity& result : logged.results) {
        EXPECT_TRUE(written(result.value)) << result.value;
        EXPECT_NE(working.find("= " + result.value), std::string::npos) << working;
    }
    ASSERT_EQ(logged.inputs.size(), GetParam().typed.size());
    for (std::size_t i = 0; i < logged.inputs.size(); ++i) {
        const std::string read = platform::shortest(platform::readFloat(GetParam().typed[i].text));
        EXPECT_EQ(logged.inputs[i].value, read);
        EXPECT_NE(working.find(read), std::string::npos) << read << " not in\n" << working;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Buttons, Working, testing::Values(
    WorkingCase{"plane", [](Tools& c) { c.piano.analyze(nullptr); }, {{"weight", "7.3kg"}, {"height", "1"}, {"base", "2.83"}, {"lenght", "3"}}},
    WorkingCase{"plane_from_an_angle", [](Tools& c) { c.piano.analyzeSlope(nullptr); }, {{"slopeWeight", "50"}, {"slopeAngle", "30"}}},
    WorkingCase{"plane_from_a_mass", [](Tools& c) { c.piano.analyzeSlope(nullptr); }, {{"slopeMass", "12"}, {"slopeAngle", "40"}}},
    WorkingCase{"normal_force_of_a_mass", [](Tools& c) { c.friction.getFpFromMassDinam(nullptr); }, {{"mass", "12"}}},
    WorkingCase{"absolute_error", [](Tools& c) { c.errors.getAbs(nullptr); }, {{"setRel", "0.05"}, {"setVal", "20"}}},
    WorkingCase{"relative_error", [](Tools& c) { c.errors.getRelPerc(nullptr); }, {{"setAbsForPerc", "1"}, {"setMisuraForPerc", "3"}}},
    WorkingCase{"static_force", [](Tools& c) { c.friction.getF1d(nullptr); }, {{"kas", "0.5"}, {"fpOfstat", "40"}}},
    WorkingCase{"dynamic_force", [](Tools& c) { c.friction.getFad(nullptr); }, {{"kad", "0.3"}, {"fpOfDinam", "50"}}},
    WorkingCase{"dynamic_normal", [](Tools& c) { c.friction.getFpFromDinam(nullptr); }, {{"fad", "15"}, {"kad", "0.3"}}},
    WorkingCase{"static_normal", [](Tools& c) { c.friction.getFpFromStat(nullptr); }, {{"f1d", "20"}, {"kas", "0"}}},
    WorkingCase{"static_coefficient", [](Tools& c) { c.friction.getKas(nullptr); }, {{"f1d", "10"}, {"fpOfstat", "30"}}},
    WorkingCase{"dynamic_coefficient", [](Tools& c) { c.friction.getKd(nullptr); }, {{"fad", "15"}, {"fpOfDinam", "50"}}},
    WorkingCase{"moment_of_a_force", [](Tools& c) { c.torque.getSimple(nullptr); }, {{"alpha", "30"}, {"dist", "0.25"}, {"power1", "50"}}},
    WorkingCase{"moment_of_a_couple", [](Tools& c) { c.torque.getDouble(nullptr); }, {{"b", "0.5"}, {"power2", "5"}}},
    WorkingCase{"area", [](Tools& c) { c.fluid.getArea(nullptr); }, {{"forza", "100"}, {"press1", "25"}}},
    WorkingCase{"force", [](Tools& c) { c.fluid.getPower(nullptr); }, {{"press1", "25"}, {"area", "4"}}},
    WorkingCase{"pressure", [](Tools& c) { c.fluid.getPress1(nullptr); }, {{"forza", "100"}, {"area", "3"}}},
    WorkingCase{"density", [](Tools& c) { c.fluid.getDens(nullptr); }, {{"profond", "2"}, {"press2", "196.2"}}},
    WorkingCase{"depth", [](Tools& c) { c.fluid.getH(nullptr); }, {{"dens", "10"}, {"press2", "196.199997"}}},
    WorkingCase{"hydrostatic_pressure", [](Tools& c) { c.fluid.getPress2(nullptr); }, {{"dens", "1000"}, {"profond", "2"}}}
), test::RowName{});
// clang-format on

// The lines a student reads, symbol for symbol: a product over a quotient,
// an inverse sine, a sine, and a step rounded to four significant figures.
TEST(WorkingLines, read_like_a_worked_example)
{
    const std::vector<test::FieldText> plane{
        {"weight", "10"}, {"height", "3"}, {"base", "4"}, {"lenght", "5"}};
    const auto analyze = [](Tools& c) { c.piano.analyze(nullptr); };
    // clang-format off
    for (const auto& [press, typed, line] : std::initializer_list<std::tuple<
             std::function<void(Tools&)>, std::vector<test::FieldText>, std::string>>{
        {analyze, plane, "W\u22a5 = W \u00b7 b / l = 10 N \u00d7 4 m / 5 m = 40 N\u00b7m / 5 m = 8.00 N\n"},
        {analyze, plane, "\n\u03b1 = asin(h / l) = asin(3 / 5) = 36.87\u00b0\n"},
        {[](Tools& c) { c.torque.getSimple(nullptr); }, {{"alpha", "30"}, {"dist", "0.25"}, {"power1", "50"}},
         "M = F \u00b7 d \u00b7 sin \u03b1 = 50 N \u00d7 0.25 m \u00d7 sin 30\u00b0 = 6.25 N\u00b7m"},
        // A unit converted leads the working, and the working goes on in the field's unit.
        {[](Tools& c) { c.torque.getSimple(nullptr); }, {{"alpha", "90"}, {"dist", " 14 cm"}, {"power1", "0,165 kN"}},
         "d = 14 cm = 0.14 m\nF = 0,165 kN = 165 N\nsin \u03b1 = sin 90\u00b0 = 1\nd \u00b7 sin \u03b1 = 0.14 m \u00d7 sin 90\u00b0 = 0.14 m\n"
         "M = F \u00b7 d \u00b7 sin \u03b1 = 165 N \u00d7 0.14 m \u00d7 sin 90\u00b0 = 23.10 N\u00b7m"},
        {[](Tools& c) { c.errors.getRelPerc(nullptr); }, {{"setAbsForPerc", "1"}, {"setMisuraForPerc", "3"}},
         "\u03b5 \u00b7 100 \u2248 0.3333 \u00d7 100 = 33.33 %"}}) {
        // clang-format on
        Tools tools;
        tools.type(typed);
        press(tools);
        EXPECT_NE(tools.pane.english().find(line), std::string::npos) << tools.pane.english();
    }
}

// Show mean writes Σx to the most decimals of the values in the series, as
// the values are read, without the float sum's noise and never to more
// digits than the float holds; the mean itself is the field's, unchanged.
TEST(MeanWorking, writes_the_sum_to_the_decimals_of_the_values)
{
    struct Row
    {
        std::vector<std::string> values;
        bool removeFirst;
        std::string line;
        std::string sum;
    };
    // clang-format off
    for (const Row& row : std::initializer_list<Row>{
        {std::vector<std::string>(10, "1.44"), false, "14.40 / 10 = 1.44", "14.40"},
        {{"1.5", "2.25"}, false, "3.75 / 2 = 1.88", "3.75"},
        {{"1.5", "2.5"}, false, "4.0 / 2 = 2.00", "4.0"},
        {{"3", "4", "5"}, false, "12 / 3 = 4.00", "12"},
        {{"0.25", "0.5", "0.05"}, false, "0.80 / 3 = 0.27", "0.80"},
        {{"12.5", "10.2"}, false, "22.7 / 2 = 11.35", "22.7"},
        {{"1.25", "3", "4"}, true, "7 / 2 = 3.50", "7"}, // the decimals go with their value
        // The half is lost in the float sum: it holds no tenths at 2^24.
        {{"16777216", "0.5"}, false, "16777216 / 2 = 8388608.00", "16777216"}}) {
        // clang-format on
        runningMean::reset();
        Tools tools;
        for (const std::string& value : row.values) {
            tools.type({{"valToMedia", value}});
            tools.errors.addToMedia(nullptr);
        }
        if (row.removeFirst)
            tools.errors.removeValue(0);
        tools.errors.getMedia(nullptr);
        EXPECT_NE(tools.pane.english().find("\u03a3x / n = " + row.line), std::string::npos)
            << tools.pane.english();
        ASSERT_EQ(tools.log.recorded.size(), 1U);
        EXPECT_EQ(tools.log.recorded.front().inputs.at(0).value, row.sum);
    }
    runningMean::reset();
}

// A conversion belongs to its press: the next press, typed in the field's
// own unit, shows none.
TEST(WorkingLines, show_only_this_press_conversions)
{
    Tools tools;
    tools.type({{"alpha", "90"}, {"dist", "14 cm"}, {"power1", "165"}});
    tools.torque.getSimple(nullptr);
    EXPECT_NE(tools.pane.english().find("d = 14 cm = 0.14 m"), std::string::npos);
    tools.type({{"dist", "0.14"}});
    tools.torque.getSimple(nullptr);
    EXPECT_EQ(tools.pane.english().find("14 cm"), std::string::npos) << tools.pane.english();
}

TEST(VectorWorking, lists_each_vector_then_the_sums_the_fields_show)
{
    test::Journal journal;
    test::MemoryApplication application{journal};
    test::Fields fields{VECTOR_OUTLETS(NAME)};
    test::MemoryWindow myself{"myself", journal}, newVectWin{"newVectWin", journal},
        firstPanel{"firstPanel", journal};
    test::MemoryChoice where{"where", journal};
    test::MemoryDiagram diagram;
    test::MemoryPane working;
    test::MemoryLog log;
    VectorsController tool;
    VECTOR_OUTLETS(WIRE)
    VECTOR_CONTROLS(POINT)
    vectorStore::reset();

    fields.at("numberOfVectors").text = "2";
    tool.declareVectorsNumber(nullptr);
    fields.at("power").text = "10";
    fields.at("angle").text = "30";
    where.chosen = "++";
    tool.confirm(nullptr);
    const std::string first = "v1: 10 at 30\u00b0, code ++: x \u2248 8.660, y = 5\n";
    EXPECT_EQ(working.english(), first);
    EXPECT_TRUE(log.recorded.empty()); // nothing to log before the sum

    fields.at("power").text = "3";
    where.chosen = "x -";
    tool.confirm(nullptr);
    const std::string rx = fields.at("rx").text, ry = fields.at("ry").text,
                      r = fields.at("result").text;
    EXPECT_EQ(working.english(),
              first + "v2: 3 at 30\u00b0, code x -: x = -3, y = 0\nRx = \u03a3x = " + rx
                  + "\nRy = \u03a3y = " + ry + "\nR = \u221a(Rx\u00b2 + Ry\u00b2) = \u221a(" + rx
                  + "\u00b2 + " + ry + "\u00b2) = " + r + "\n");
    ASSERT_EQ(log.recorded.size(), 1U);
    EXPECT_EQ(log.recorded.front().results,
              (std::vector<platform::Quantity>{{"Rx", rx}, {"Ry", ry}, {"R", r}}));
    EXPECT_EQ(log.recorded.front().inputs.at(0).symbol, "v1"); // unnamed: its number
    EXPECT_EQ(log.recorded.front().inputs.at(1).value, "3, 30\u00b0, x -");

    tool.clear(nullptr);
    EXPECT_TRUE(working.lines.empty());
}

// Textbook cases, each result and its uncertainty worked out by hand, in
// both rules: maximum error (relative errors add) and quadrature.
struct UncertainCase
{
    std::string name;
    std::function<void(Tools&)> press;
    std::vector<test::FieldText> typed;
    std::string maximum; // lines of the results pane, and one of the working
    std::string quadrature;
};

class Uncertainties : public testing::TestWithParam<UncertainCase>
{
protected:
    void TearDown() override { uncertainty::setMode(uncertainty::Mode::MaximumError); }
};

TEST_P(Uncertainties, carry_into_every_result_by_either_rule)
{
    for (const auto mode : {uncertainty::Mode::MaximumError, uncertainty::Mode::Quadrature}) {
        uncertainty::setMode(mode);
        Tools tools;
        tools.type(GetParam().typed);
        GetParam().press(tools);
        const std::string shown = tools.uncertain.english() + tools.pane.english();
        const std::string& expected =
            mode == uncertainty::Mode::MaximumError ? GetParam().maximum : GetParam().quadrature;
        std::size_t from = 0;
        for (std::size_t end = expected.find('|'); from != std::string::npos;
             from = end == std::string::npos ? end : end + 1, end = expected.find('|', from)) {
            const std::string part = expected.substr(from, end - from);
            EXPECT_NE(shown.find(part), std::string::npos) << part << " not in\n" << shown;
        }
        // The log keeps each uncertainty typed beside its input, and beside
        // the fixed result.
        ASSERT_EQ(tools.log.recorded.size(), 1U);
        EXPECT_EQ(std::ranges::count_if(tools.log.recorded.front().inputs,
                                        [](const platform::Quantity& q) {
                                            return q.value.find(" \u00b1 ") != std::string::npos;
                                        }),
                  std::ranges::count_if(GetParam().typed, [](const test::FieldText& typed) {
                      return typed.text.find_first_of("\u00b1+") != std::string::npos;
                  }));
        const std::vector<platform::Quantity>& results = tools.log.recorded.front().results;
        EXPECT_TRUE(std::ranges::any_of(results, [&](const platform::Quantity& q) {
            return q.symbol.find("\u00b1") != std::string::npos
                   && shown.find(q.value) != std::string::npos;
        }));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Textbook, Uncertainties, testing::Values(
    UncertainCase{"inclined_plane", [](Tools& c) { c.piano.analyze(nullptr); },
        {{"weight", "10 \u00b1 0.1"}, {"height", "3 +- 0.06"}, {"base", "4"}, {"lenght", "5 +/- 1%"}},
        "W\u2225 = (6.0 \u00b1 0.2) N|W\u22a5 = (8.00 \u00b1 0.16) N|"
        "\u0394W\u22a5 / W\u22a5 = \u0394W / W + \u0394l / l = 1 % + 1 % = 2 %|"
        "\u0394W\u2225 / W\u2225 = \u0394W / W + \u0394h / h + \u0394l / l = 1 % + 2 % + 1 % = 4 %",
        "W\u2225 = (6.00 \u00b1 0.15) N|W\u22a5 = (8.00 \u00b1 0.11) N|"
        "\u0394W\u2225 / W\u2225 = \u221a((\u0394W / W)\u00b2 + (\u0394h / h)\u00b2 + (\u0394l / l)\u00b2)"},
    UncertainCase{"friction_coefficient", [](Tools& c) { c.friction.getKas(nullptr); },
        {{"f1d", "20 \u00b1 0.4"}, {"fpOfstat", "50 \u00b1 0.5"}},
        "k\u209b = 0.400 \u00b1 0.012", "k\u209b = 0.400 \u00b1 0.009"},
    UncertainCase{"torque_with_an_angle", [](Tools& c) { c.torque.getSimple(nullptr); },
        {{"alpha", "30 \u00b1 1"}, {"dist", "25 \u00b1 0.5 cm"}, {"power1", "50 \u00b1 1"}},
        "M = (6.3 \u00b1 0.4) N\u00b7m|= 3.023 % + 2 % + 2 % = 7.023 %",
        "M = (6.3 \u00b1 0.3) N\u00b7m|= 4.140 %"},
    UncertainCase{"fluid_pressure", [](Tools& c) { c.fluid.getPress2(nullptr); },
        {{"dens", "1000 \u00b1 10"}, {"profond", "2 \u00b1 0.02"}},
        "p = (19600 \u00b1 400) Pa", "p = (19600 \u00b1 300) Pa"},
    // Sliding down 30° with μk = 0.2: the weight cancels out of a, so only
    // Δμk reaches it, through g cos α; ΔF net = (sin α − μk cos α) ΔW + N Δμk.
    UncertainCase{"ramp_with_friction", [](Tools& c) { c.piano.analyzeFriction(nullptr); },
        {{"rampWeight", "100 \u00b1 1"}, {"rampAngle", "30"}, {"rampKs", "0.3"},
         {"rampKd", "0.2 \u00b1 0.01"}},
        "N = (86.6 \u00b1 0.9) N|F net = (32.7 \u00b1 1.2) N|a = (3.21 \u00b1 0.08) m/s\u00b2|"
        "P\u2096 = (67.3 \u00b1 1.5) N|\u0394\u03bcs\u00b7N / \u03bcs\u00b7N = \u0394W / W = 1 %|"
        "\u0394f / f = \u0394W / W + \u0394\u03bck / \u03bck = 1 % + 5 % = 6 %",
        "N = (86.6 \u00b1 0.9) N|F net = (32.7 \u00b1 0.9) N|a = (3.21 \u00b1 0.08) m/s\u00b2|"
        "P\u2096 = (67.3 \u00b1 1.1) N"},
    // The crate pushed with 700 N: Δa = ΔP / m + P Δm / m² + g Δμk.
    UncertainCase{"push_across_level_ground", [](Tools& c) { c.friction.getMotion(nullptr); },
        {{"motionMass", "120 \u00b1 1"}, {"motionPush", "700 \u00b1 5"}, {"motionKs", "0.5"},
         {"motionKd", "0.3 \u00b1 0.01"}},
        "\u03bcs\u00b7N = (589 \u00b1 5) N|F net = (347 \u00b1 20) N|a = (2.89 \u00b1 0.19) m/s\u00b2",
        "F net = (347 \u00b1 13) N|a = (2.89 \u00b1 0.12) m/s\u00b2"},
    // tan α ≈ μs: within a degree, it may slide or stay.
    UncertainCase{"ramp_at_the_limit", [](Tools& c) { c.piano.analyzeFriction(nullptr); },
        {{"rampWeight", "100"}, {"rampAngle", "30 \u00b1 1"}, {"rampKs", "0.58"}, {"rampKd", "0.5"}},
        "the pull along the ramp, (50.0 \u00b1 1.5) N, and the greatest static friction, "
        "(50.2 \u00b1 0.5) N, overlap", "(50.0 \u00b1 1.5) N, and the greatest static friction, "
        "(50.2 \u00b1 0.5) N, overlap"},
    UncertainCase{"push_at_the_limit", [](Tools& c) { c.friction.getMotion(nullptr); },
        {{"motionMass", "120 \u00b1 1"}, {"motionPush", "590 \u00b1 5"}, {"motionKs", "0.5"},
         {"motionKd", "0.3"}},
        "the push, (590 \u00b1 5) N, and the greatest static friction, (589 \u00b1 5) N, "
        "overlap", "(590 \u00b1 5) N, and the greatest static friction, (589 \u00b1 5) N, overlap"}
), test::RowName{});
// clang-format on

TEST(VectorUncertainties, carry_into_the_sum_its_components_and_its_direction)
{
    for (const auto mode : {uncertainty::Mode::MaximumError, uncertainty::Mode::Quadrature}) {
        uncertainty::setMode(mode);
        test::VectorTool tool;
        test::MemoryPane uncertain;
        tool.controller.uncertainties = &uncertain;
        tool.declare("4");
        for (const auto& [magnitude, angle, code] : {std::tuple{"3 \u00b1 0.1", "0", "x +"},
                                                     {"4 \u00b1 0.1", "0", "y +"},
                                                     {"1 \u00b1 0.1", "0", "y -"},
                                                     {"2 \u00b1 0.1", "60 \u00b1 1", "-+"}})
            tool.enter("", magnitude, angle, code);
        // Rx = 3 − 2 cos 60° = 2, Ry = 4 − 1 + 2 sin 60° = 4.732, R = 5.137,
        // θ = 67.09°. Each vector's share of ΔRx, for example, is 0.1 for
        // the first and 0.1 · cos 60° + 2 · sin 60° · π / 180 for the last.
        EXPECT_EQ(uncertain.english(),
                  mode == uncertainty::Mode::MaximumError
                      ? "Rx = 2.00 \u00b1 0.18\nRy = 4.7 \u00b1 0.3\nR = 5.1 \u00b1 0.3\n"
                        "\u03b8R = (67 \u00b1 3) \u00b0\n"
                      : "Rx = 2.00 \u00b1 0.12\nRy = 4.73 \u00b1 0.17\nR = 5.14 \u00b1 0.15\n"
                        "\u03b8R = (67.1 \u00b1 1.5) \u00b0\n");
    }
    uncertainty::setMode(uncertainty::Mode::MaximumError);
}

// The rules checked against the formulas themselves, through the fixed
// results: the maximum error against the extremes over the corners of the
// input intervals, the quadrature against a Monte Carlo spread.

// The texts typed into the inputs, by field.
using Typed = std::vector<std::pair<std::string, std::string>>;
// Presses with those inputs: the result shown, and the uncertainty the
// working gives it.
using Run = std::function<std::pair<double, double>(const Typed&)>;

struct Spread
{
    std::string name;
    Run run;
    std::vector<std::tuple<std::string, double, double>> inputs; // field, value, uncertainty
};

double workedUncertainty(const test::MemoryPane& pane, const std::string& symbol)
{
    std::string last;
    for (const platform::Text& line : pane.lines) {
        const std::string text = platform::english(line);
        if (text.starts_with("\u0394" + symbol + " = "))
            last = text;
    }
    // None when no input had an uncertainty.
    return last.empty() ? NAN : platform::readFloat(last.substr(last.rfind("= ") + 2));
}

// A result field, shown with enough digits for the spread, and the symbol
// of its working's Δ line.
Run onTools(std::function<void(Tools&)> press, std::string result, std::string symbol)
{
    return [=](const Typed& typed) {
        Tools tools;
        for (const auto& [field, text] : typed)
            tools.fields.at(field).text = text;
        press(tools);
        return std::pair{double{platform::readFloat(tools.fields.at(result).text)},
                         workedUncertainty(tools.pane, symbol)};
    };
}

// Two vectors, each typed as magnitude and angle within its quadrant.
std::pair<double, double> vectorSum(const Typed& typed)
{
    test::VectorTool tool;
    test::MemoryPane pane;
    tool.controller.working = &pane;
    tool.declare("2");
    tool.enter("A", typed.at(0).second, typed.at(1).second, "++");
    tool.enter("B", typed.at(2).second, typed.at(3).second, "-+");
    return {double{platform::readFloat(tool.result.text)}, workedUncertainty(pane, "R")};
}

TEST(UncertaintyRules, agree_with_the_corners_and_a_monte_carlo_spread)
{
    // clang-format off
    const Spread cases[] = {
        {"plane", onTools([](Tools& c) { c.piano.analyze(nullptr); }, "labPara", "W\u2225"),
         {{"weight", 1000, 1}, {"height", 30, 0.03}, {"base", 40, 0}, {"lenght", 50, 0.05}}},
        {"slope", onTools([](Tools& c) { c.piano.analyzeSlope(nullptr); }, "slopeOrto", "W\u22a5"),
         {{"slopeWeight", 1000, 1}, {"slopeAngle", 30, 0.05}}},
        {"torque", onTools([](Tools& c) { c.torque.getSimple(nullptr); }, "rx1", "M"),
         {{"alpha", 30, 0.05}, {"dist", 25, 0.025}, {"power1", 500, 0.5}}},
        {"friction", onTools([](Tools& c) { c.friction.getKas(nullptr); }, "kas", "k\u209b"),
         {{"f1d", 200000, 200}, {"fpOfstat", 50, 0.05}}},
        {"fluid", onTools([](Tools& c) { c.fluid.getH(nullptr); }, "profond", "h"),
         {{"dens", 1000, 1}, {"press2", 196200, 150}}},
        {"ramp", onTools([](Tools& c) { c.piano.analyzeFriction(nullptr); }, "rampNet", "F net"),
         {{"rampWeight", 100000, 100}, {"rampAngle", 30, 0.05}, {"rampKs", 0.3, 0},
          {"rampKd", 0.2, 0.001}}},
        {"push", onTools([](Tools& c) { c.friction.getMotion(nullptr); }, "motionNet", "F net"),
         {{"motionMass", 1200, 1}, {"motionPush", 70000, 50}, {"motionKs", 0.5, 0},
          {"motionKd", 0.3, 0.001}}},
        {"vectors", vectorSum,
         {{"power", 3000, 3}, {"angle", 20, 0.05}, {"power", 4000, 4}, {"angle", 50, 0.05}}},
    };
    // clang-format on
    const auto typed = [](const Spread& c, const std::vector<double>& values, bool withErrors) {
        Typed texts;
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            std::string text = platform::shortest(values[i]);
            if (withErrors && std::get<2>(c.inputs[i]) > 0.0)
                text += " \u00b1 " + platform::shortest(std::get<2>(c.inputs[i]));
            texts.emplace_back(std::get<0>(c.inputs[i]), text);
        }
        return texts;
    };
    for (const Spread& c : cases) {
        std::vector<double> centre;
        for (const auto& input : c.inputs)
            centre.push_back(std::get<1>(input));
        double rule[2] = {};
        for (const auto mode : {uncertainty::Mode::MaximumError, uncertainty::Mode::Quadrature}) {
            uncertainty::setMode(mode);
            rule[mode == uncertainty::Mode::Quadrature] = c.run(typed(c, centre, true)).second;
        }
        uncertainty::setMode(uncertainty::Mode::MaximumError);

        double low = INFINITY, high = -INFINITY;
        for (unsigned corner = 0; corner < (1U << c.inputs.size()); ++corner) {
            std::vector<double> values = centre;
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i] += ((corner >> i) & 1U ? 1 : -1) * std::get<2>(c.inputs[i]);
            const double shown = c.run(typed(c, values, false)).first;
            low = std::min(low, shown);
            high = std::max(high, shown);
        }
        EXPECT_NEAR(rule[0], (high - low) / 2, 0.01 * rule[0]) << c.name;

        std::mt19937_64 random(20261209);
        double sum = 0, squares = 0;
        constexpr int samples = 4000;
        for (int n = 0; n < samples; ++n) {
            std::vector<double> values = centre;
            for (std::size_t i = 0; i < values.size(); ++i) {
                std::normal_distribution<double> noise(0.0, std::get<2>(c.inputs[i]));
                values[i] += std::get<2>(c.inputs[i]) > 0.0 ? noise(random) : 0.0;
            }
            const double shown = c.run(typed(c, values, false)).first;
            sum += shown;
            squares += shown * shown;
        }
        const double mean = sum / samples;
        const double deviation = std::sqrt(squares / samples - mean * mean);
        EXPECT_NEAR(rule[1], deviation, 0.06 * rule[1]) << c.name;
        EXPECT_LT(rule[1], rule[0]) << c.name;
    }
}

} // namespace
