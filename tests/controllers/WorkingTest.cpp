// The working and the log entry of every calculator button, checked against
// the fields the same press wrote: the same digits, and the inputs as read.
#include "AttritoController.h"
#include "ButtonCase.h"
#include "ErrorController.h"
#include "FluidController.h"
#include "MomentoController.h"
#include "Numbers.h"
#include "PianoController.h"
#include "VectorsController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// The five calculators on one set of fields, all showing their working in one
// pane and recording into one log.
struct Calculators
{
    test::Fields fields{"base",
                        "dangolo",
                        "db",
                        "dh",
                        "dl",
                        "dorto",
                        "dpara",
                        "height",
                        "labOrto",
                        "labPara",
                        "lenght",
                        "weight",
                        "absLabel",
                        "getPercLabel",
                        "getRelLabel",
                        "mediaLabel",
                        "setAbsForPerc",
                        "setMisuraForPerc",
                        "setRel",
                        "setVal",
                        "valToMedia",
                        "f1d",
                        "fad",
                        "fpOfDinam",
                        "fpOfstat",
                        "kad",
                        "kas",
                        "alpha",
                        "b",
                        "dist",
                        "power1",
                        "power2",
                        "rx1",
                        "rx2",
                        "area",
                        "dens",
                        "forza",
                        "press1",
                        "press2",
                        "profond",
                        "slopeWeight",
                        "slopeMass",
                        "slopeAngle",
                        "slopeW",
                        "slopeOrto",
                        "slopePara",
                        "mass"};
    test::MemoryPane pane;
    test::MemoryLog log;
    PianoController piano;
    ErrorController errors;
    AttritoController friction;
    MomentoController torque;
    FluidController fluid;

    Calculators()
    {
        const auto f = [this](const char* name) { return &fields.at(name); };
        piano.base = f("base");
        piano.dangolo = f("dangolo");
        piano.db = f("db");
        piano.dh = f("dh");
        piano.dl = f("dl");
        piano.dorto = f("dorto");
        piano.dpara = f("dpara");
        piano.height = f("height");
        piano.labOrto = f("labOrto");
        piano.labPara = f("labPara");
        piano.lenght = f("lenght");
        piano.weight = f("weight");
        errors.absLabel = f("absLabel");
        errors.getPercLabel = f("getPercLabel");
        errors.getRelLabel = f("getRelLabel");
        errors.mediaLabel = f("mediaLabel");
        errors.setAbsForPerc = f("setAbsForPerc");
        errors.setMisuraForPerc = f("setMisuraForPerc");
        errors.setRel = f("setRel");
        errors.setVal = f("setVal");
        errors.valToMedia = f("valToMedia");
        friction.f1d = f("f1d");
        friction.fad = f("fad");
        friction.fpOfDinam = f("fpOfDinam");
        friction.fpOfstat = f("fpOfstat");
        friction.kad = f("kad");
        friction.kas = f("kas");
        torque.alpha = f("alpha");
        torque.b = f("b");
        torque.dist = f("dist");
        torque.power1 = f("power1");
        torque.power2 = f("power2");
        torque.rx1 = f("rx1");
        torque.rx2 = f("rx2");
        fluid.area = f("area");
        fluid.dens = f("dens");
        fluid.forza = f("forza");
        fluid.press1 = f("press1");
        fluid.press2 = f("press2");
        fluid.profond = f("profond");
        piano.slopeWeight = f("slopeWeight");
        piano.slopeMass = f("slopeMass");
        piano.slopeAngle = f("slopeAngle");
        piano.slopeW = f("slopeW");
        piano.slopeOrto = f("slopeOrto");
        piano.slopePara = f("slopePara");
        friction.mass = f("mass");
        piano.working = errors.working = friction.working = torque.working = fluid.working = &pane;
        piano.log = errors.log = friction.log = torque.log = fluid.log = &log;
    }
};

struct WorkingCase
{
    std::string name;
    std::function<void(Calculators&)> press;
    std::vector<test::FieldText> typed; // in the order the button reads them
};

class Working : public testing::TestWithParam<WorkingCase>
{ };

// The text each written field ends with, without the unit torque appends.
std::vector<std::string> shownTexts(const test::Journal& journal, Calculators& tools)
{
    std::vector<std::string> shown;
    for (const std::string& entry : journal) {
        if (!entry.starts_with("write "))
            continue;
        const std::string name = entry.substr(6, entry.find('=') - 6);
        std::string text = tools.fields.at(name).text;
        if (text.ends_with(" Nm"))
            text.resize(text.size() - 3);
        if (std::find(shown.begin(), shown.end(), text) == shown.end())
            shown.push_back(text);
    }
    return shown;
}

TEST_P(Working, lays_out_the_numbers_as_read_and_the_results_as_shown)
{
    const WorkingCase& row = GetParam();
    Calculators tools;
    for (const test::FieldText& typed : row.typed)
        tools.fields.at(typed.field).text = typed.text;
    row.press(tools);

    const std::string working = tools.pane.english();
    const std::vector<std::string> shown = shownTexts(tools.fields.journal, tools);
    ASSERT_EQ(tools.log.recorded.size(), 1U);
    const platform::Computation& logged = tools.log.recorded.front();
    ASSERT_FALSE(logged.results.empty());
    for (const platform::Quantity& result : logged.results) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), result.value), shown.end()) << result.value;
        EXPECT_NE(working.find("= " + result.value), std::string::npos)
            << result.value << " not in\n"
            << working;
    }
    ASSERT_EQ(logged.inputs.size(), row.typed.size());
    for (std::size_t i = 0; i < row.typed.size(); ++i) {
        const std::string asRead = platform::shortest(platform::readFloat(row.typed[i].text));
        EXPECT_EQ(logged.inputs[i].value, asRead);
        EXPECT_NE(working.find(asRead), std::string::npos) << asRead << " not in\n" << working;
    }
}

using C = Calculators;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Buttons, Working, testing::Values(
    WorkingCase{"plane", [](C& c) { c.piano.analyze(nullptr); },
                {{"weight", "10"}, {"height", "3"}, {"base", "4"}, {"lenght", "5"}}},
    WorkingCase{"plane_with_rounded_steps", [](C& c) { c.piano.analyze(nullptr); },
                {{"weight", "7.3kg"}, {"height", "1"}, {"base", "2.83"}, {"lenght", "3"}}},
    WorkingCase{"plane_from_an_angle", [](C& c) { c.piano.analyzeSlope(nullptr); },
                {{"slopeWeight", "50"}, {"slopeAngle", "30"}}},
    WorkingCase{"plane_from_a_mass", [](C& c) { c.piano.analyzeSlope(nullptr); },
                {{"slopeMass", "12"}, {"slopeAngle", "40"}}},
    WorkingCase{"normal_force_of_a_mass", [](C& c) { c.friction.getFpFromMassDinam(nullptr); },
                {{"mass", "12"}}},
    WorkingCase{"absolute_error", [](C& c) { c.errors.getAbs(nullptr); },
                {{"setRel", "0.05"}, {"setVal", "20"}}},
    WorkingCase{"relative_error", [](C& c) { c.errors.getRelPerc(nullptr); },
                {{"setAbsForPerc", "1"}, {"setMisuraForPerc", "3"}}},
    WorkingCase{"static_force", [](C& c) { c.friction.getF1d(nullptr); },
                {{"kas", "0.5"}, {"fpOfstat", "40"}}},
    WorkingCase{"dynamic_force", [](C& c) { c.friction.getFad(nullptr); },
                {{"kad", "0.3"}, {"fpOfDinam", "50"}}},
    WorkingCase{"dynamic_normal", [](C& c) { c.friction.getFpFromDinam(nullptr); },
                {{"fad", "15"}, {"kad", "0.3"}}},
    WorkingCase{"static_normal", [](C& c) { c.friction.getFpFromStat(nullptr); },
                {{"f1d", "20"}, {"kas", "0"}}},
    WorkingCase{"static_coefficient", [](C& c) { c.friction.getKas(nullptr); },
                {{"f1d", "10"}, {"fpOfstat", "30"}}},
    WorkingCase{"dynamic_coefficient", [](C& c) { c.friction.getKd(nullptr); },
                {{"fad", "15"}, {"fpOfDinam", "50"}}},
    WorkingCase{"moment_of_a_force", [](C& c) { c.torque.getSimple(nullptr); },
                {{"alpha", "30"}, {"dist", "0.25"}, {"power1", "50"}}},
    WorkingCase{"moment_of_a_couple", [](C& c) { c.torque.getDouble(nullptr); },
                {{"b", "0.5"}, {"power2", "5"}}},
    WorkingCase{"area", [](C& c) { c.fluid.getArea(nullptr); },
                {{"forza", "100"}, {"press1", "25"}}},
    WorkingCase{"force", [](C& c) { c.fluid.getPower(nullptr); },
                {{"press1", "25"}, {"area", "4"}}},
    WorkingCase{"pressure", [](C& c) { c.fluid.getPress1(nullptr); },
                {{"forza", "100"}, {"area", "3"}}},
    WorkingCase{"density", [](C& c) { c.fluid.getDens(nullptr); },
                {{"profond", "2"}, {"press2", "196.2"}}},
    WorkingCase{"depth", [](C& c) { c.fluid.getH(nullptr); },
                {{"dens", "10"}, {"press2", "196.199997"}}},
    WorkingCase{"hydrostatic_pressure", [](C& c) { c.fluid.getPress2(nullptr); },
                {{"dens", "1000"}, {"profond", "2"}}}
), test::RowName{});
// clang-format on

// The lines a student reads for the worked examples, symbol for symbol.
TEST(WorkingLines, read_like_a_worked_example)
{
    Calculators tools;
    for (const auto& [field, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"weight", "10"}, {"height", "3"}, {"base", "4"}, {"lenght", "5"}})
        tools.fields.at(field).text = text;
    tools.piano.analyze(nullptr);
    EXPECT_EQ(tools.pane.english(),
              "W\u22a5 = W \u00b7 b / l = 10 N \u00d7 4 m / 5 m = 40 N\u00b7m / 5 m = 8.00 N\n"
              "W\u2225 = W \u00b7 h / l = 10 N \u00d7 3 m / 5 m = 30 N\u00b7m / 5 m = 6.00 N\n"
              "h / l = 3 m / 5 m = 0.6\n"
              "\u03b1 = asin(h / l) = asin(3 / 5) = 36.87\u00b0\n");

    tools.fields.at("alpha").text = "30";
    tools.fields.at("dist").text = "0.25";
    tools.fields.at("power1").text = "50";
    tools.torque.getSimple(nullptr);
    EXPECT_NE(tools.pane.english().find("M = F \u00b7 d \u00b7 sin \u03b1 = 50 N \u00d7 0.25 m "
                                        "\u00d7 sin 30\u00b0 = 6.25 N\u00b7m"),
              std::string::npos)
        << tools.pane.english();

    // A step rounded to four significant figures says so.
    tools.fields.at("setAbsForPerc").text = "1";
    tools.fields.at("setMisuraForPerc").text = "3";
    tools.errors.getRelPerc(nullptr);
    EXPECT_NE(tools.pane.english().find("\u03b5 \u00b7 100 \u2248 0.3333 \u00d7 100 = 33.33 %"),
              std::string::npos)
        << tools.pane.english();
}

TEST(VectorWorking, lists_each_vector_then_the_sums_the_fields_show)
{
    test::Journal journal;
    test::MemoryApplication application{journal};
    test::Fields fields{"angle",           "listOfVectors", "name", "power",
                        "numberOfVectors", "result",        "rx",   "ry"};
    test::MemoryWindow myself{"myself", journal};
    test::MemoryWindow newVectWin{"newVectWin", journal};
    test::MemoryWindow firstPanel{"firstPanel", journal};
    test::MemoryChoice where{"where", journal};
    test::MemoryDiagram diagram;
    test::MemoryPane pane;
    test::MemoryLog log;
    VectorsController tool;
    tool.angle = &fields.at("angle");
    tool.listOfVectors = &fields.at("listOfVectors");
    tool.myself = &myself;
    tool.name = &fields.at("name");
    tool.newVectWin = &newVectWin;
    tool.power = &fields.at("power");
    tool.where = &where;
    tool.numberOfVectors = &fields.at("numberOfVectors");
    tool.firstPanel = &firstPanel;
    tool.result = &fields.at("result");
    tool.rx = &fields.at("rx");
    tool.ry = &fields.at("ry");
    tool.diagram = &diagram;
    tool.working = &pane;
    tool.log = &log;
    vectorStore::reset();

    fields.at("numberOfVectors").text = "2";
    tool.declareVectorsNumber(nullptr);
    fields.at("power").text = "10";
    fields.at("angle").text = "30";
    where.chosen = "++";
    tool.confirm(nullptr);
    EXPECT_EQ(pane.english(), "v1: 10 at 30\u00b0, code ++: x \u2248 8.660, y = 5\n");
    EXPECT_TRUE(log.recorded.empty());

    fields.at("power").text = "3";
    where.chosen = "x -";
    tool.confirm(nullptr);
    const std::string rx = fields.at("rx").text;
    const std::string ry = fields.at("ry").text;
    const std::string r = fields.at("result").text;
    EXPECT_EQ(pane.english(), "v1: 10 at 30\u00b0, code ++: x \u2248 8.660, y = 5\n"
                              "v2: 3 at 30\u00b0, code x -: x = -3, y = 0\n"
                              "Rx = \u03a3x = "
                                  + rx + "\nRy = \u03a3y = " + ry
                                  + "\n"
                                    "R = \u221a(Rx\u00b2 + Ry\u00b2) = \u221a("
                                  + rx + "\u00b2 + " + ry + "\u00b2) = " + r + "\n");
    ASSERT_EQ(log.recorded.size(), 1U);
    EXPECT_EQ(log.recorded.front().results,
              (std::vector<platform::Quantity>{{"Rx", rx}, {"Ry", ry}, {"R", r}}));
    EXPECT_EQ(log.recorded.front().inputs.at(1).value, "3, 30\u00b0, x -");

    tool.clear(nullptr);
    EXPECT_TRUE(pane.lines.empty());
}

} // namespace
