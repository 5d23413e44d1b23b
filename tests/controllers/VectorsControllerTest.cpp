// The vector tool's actions against in-memory controls: one action at a time,
// whole runs, and long random runs checked against a model of the tool's
// states.
#include "VectorsController.h"

#include "MemoryControls.h"
#include "PhysicsController.h"
#include "RowName.h"
#include "VectorTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using test::VectorTool;

TEST(Declare, accepted_count_ends_the_panel_blanks_the_run_and_begins_the_sheet)
{
    VectorTool tool;
    tool.open();
    tool.journal.clear();

    tool.declare("3");

    EXPECT_EQ(tool.journal,
              (test::Journal{"endSheet firstPanel", "hide firstPanel", "read numberOfVectors",
                             "write listOfVectors=", "write rx=", "write ry=", "write result=",
                             "beginSheet newVectWin on myself"}));
    EXPECT_EQ(tool.sheet(), "newVectWin");
    EXPECT_EQ(vectorStore::declared(), 3);
    EXPECT_EQ(vectorStore::entering(), 1);
}

struct CountCase
{
    const char* name;
    const char* count;
    int expected; // the declared count, or how many sheets come up
};

class RefusedCount : public testing::TestWithParam<CountCase>
{ };

TEST_P(RefusedCount, shows_the_alert_and_changes_nothing_but_the_declared_count)
{
    VectorTool tool;
    tool.open();
    tool.declare("1");
    tool.enter("F1", "10", "30", "++");
    tool.open();
    tool.journal.clear();

    tool.declare(GetParam().count);

    EXPECT_EQ(tool.journal, (test::Journal{"endSheet firstPanel", "hide firstPanel",
                                           "read numberOfVectors", "alert on myself"}));
    ASSERT_EQ(tool.application.alerts.size(), 1u);
    const test::Alert& alert = tool.application.alerts.front();
    EXPECT_EQ(alert.title, "Caution!");
    EXPECT_EQ(alert.defaultButton, "OK");
    EXPECT_EQ(alert.alternateButton, "");
    EXPECT_EQ(alert.otherButton, "");
    EXPECT_EQ(alert.window, "myself");
    EXPECT_EQ(alert.message, "Cannot declare zero (0) vectors.");
    EXPECT_EQ(tool.sheet(), "alert");

    EXPECT_EQ(vectorStore::declared(), GetParam().expected);
    EXPECT_EQ(vectorStore::entering(), 1);
    EXPECT_EQ(vectorStore::slot(0), (vectorStore::Vector{10, 30, "++"}));
    EXPECT_EQ(tool.listOfVectors.text, "F1/10/30/++\n");
    EXPECT_EQ(tool.result.text, "10.0000");
    EXPECT_EQ(tool.diagram.arrows.size(), 2u);

    // The alert's button only removes it; the count panel does not come back.
    tool.application.dismissAlert(tool.myself);
    EXPECT_EQ(tool.sheet(), "");
    EXPECT_TRUE(tool.myself.visible);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, RefusedCount, testing::Values(
    //        name            count   declared
    CountCase{"zero",          "0",    0},
    CountCase{"negative",      "-3",   -3},
    CountCase{"not_a_number",  "abc",  0},
    CountCase{"empty",         "",     0},
    CountCase{"below_one",     "0.9",  0}),
    test::RowName());
// clang-format on

class AcceptedCount : public testing::TestWithParam<CountCase>
{ };

TEST_P(AcceptedCount, asks_for_that_many_vectors_then_shows_the_resultant)
{
    VectorTool tool;
    tool.open();
    tool.declare(GetParam().count);

    int sheets = 0;
    while (tool.sheet() == "newVectWin" && sheets < 20) {
        ++sheets;
        EXPECT_EQ(tool.result.text, "") << "resultant shown before the last vector";
        tool.enter("v" + std::to_string(sheets), "1", "0", "y +");
    }

    EXPECT_EQ(sheets, GetParam().expected);
    EXPECT_EQ(tool.sheet(), "");
    EXPECT_EQ(tool.ry.text, std::to_string(sheets) + ".0000");
    EXPECT_EQ(tool.result.text, std::to_string(sheets) + ".0000");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, AcceptedCount, testing::Values(
    //        name                 count    sheets
    CountCase{"one",                "1",     1},
    CountCase{"three",              "3",     3},
    CountCase{"ten",                "10",    10},
    CountCase{"twelve_is_cut",      "12",    10},
    CountCase{"huge_is_cut",        "99999999999", 10},
    CountCase{"fraction_truncated", "3.7",   3},
    CountCase{"leading_blanks",     "  2 vectors", 2}),
    test::RowName());
// clang-format on

TEST(Confirm, reads_the_sheet_stores_and_appends_the_line_piece_by_piece)
{
    VectorTool tool;
    tool.declare("2");
    tool.listOfVectors.text = "old\n";
    tool.journal.clear();

    tool.enter("F1", "10", "30", "++");

    const test::Journal expected{"endSheet newVectWin",
                                 "hide newVectWin",
                                 "read name",
                                 "read power",
                                 "read angle",
                                 "title where",
                                 "read power",
                                 "read angle",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10/",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10/30",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10/30/",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10/30/++",
                                 "read listOfVectors",
                                 "write listOfVectors=old\nF1/10/30/++\n",
                                 "beginSheet newVectWin on myself"};
    EXPECT_EQ(tool.journal, expected);
    EXPECT_EQ(vectorStore::slot(0), (vectorStore::Vector{10, 30, "++"}));
    EXPECT_EQ(vectorStore::entering(), 2);
}

TEST(Confirm, lists_texts_as_typed_and_stores_what_they_read_as)
{
    VectorTool tool;
    tool.declare("1");

    tool.enter(" my force ", "abc", "2.50e1 deg", "x+");

    EXPECT_EQ(tool.listOfVectors.text, " my force /abc/2.50e1 deg/x+\n");
    EXPECT_EQ(vectorStore::slot(0), (vectorStore::Vector{0, 25, "x+"}));
    // An unknown code adds nothing, but the vector still counts.
    EXPECT_EQ(tool.rx.text, "0.0000");
    EXPECT_EQ(tool.ry.text, "0.0000");
    EXPECT_EQ(tool.result.text, "0.0000");
}

TEST(Confirm, worked_example_of_two_vectors)
{
    VectorTool tool;
    tool.open();
    tool.declare("2");
    tool.enter("A", "10", "0", "++");
    // The sheet comes back holding the texts just confirmed.
    EXPECT_EQ(tool.sheet(), "newVectWin");
    EXPECT_EQ(tool.name.text, "A");
    EXPECT_EQ(tool.power.text, "10");
    tool.journal.clear();
    tool.enter("B", "10", "90", "++");

    EXPECT_EQ(tool.listOfVectors.text, "A/10/0/++\nB/10/90/++\n");
    EXPECT_EQ(tool.sheet(), "");
    const test::Journal ending(tool.journal.end() - 3, tool.journal.end());
    EXPECT_EQ(ending,
              (test::Journal{"write rx=10.0000", "write ry=10.0000", "write result=14.1421"}));
    EXPECT_EQ(vectorStore::entering(), 2);
}

TEST(Declare, a_new_run_without_clear_starts_afresh)
{
    VectorTool tool;
    tool.open();
    tool.declare("3");
    tool.enter("A", "1", "0", "x +");
    tool.enter("B", "2", "0", "x +");
    tool.enter("C", "4", "0", "x +");
    ASSERT_EQ(tool.rx.text, "7.0000");

    tool.open();
    EXPECT_EQ(tool.listOfVectors.text, "A/1/0/x +\nB/2/0/x +\nC/4/0/x +\n");
    tool.declare("2");
    EXPECT_EQ(tool.listOfVectors.text, "");
    EXPECT_EQ(tool.rx.text, "");
    EXPECT_EQ(tool.result.text, "");
    EXPECT_TRUE(tool.diagram.arrows.empty());
    EXPECT_EQ(vectorStore::slot(2), vectorStore::Vector{});
    tool.enter("D", "8", "0", "y +");
    ASSERT_EQ(tool.sheet(), "newVectWin") << "the run asked for one vector, not two";
    tool.enter("E", "16", "0", "y +");

    EXPECT_EQ(tool.sheet(), "");
    EXPECT_EQ(tool.listOfVectors.text, "D/8/0/y +\nE/16/0/y +\n");
    EXPECT_EQ(tool.rx.text, "0.0000");
    EXPECT_EQ(tool.ry.text, "24.0000");
    EXPECT_EQ(vectorStore::slot(1), (vectorStore::Vector{16, 0, "y +"}));
}

TEST(Confirm, outside_a_run_stores_and_lists_nothing)
{
    VectorTool tool;
    tool.listOfVectors.text = "kept\n";

    tool.enter("F1", "10", "30", "++");

    EXPECT_EQ(tool.listOfVectors.text, "kept\n");
    EXPECT_EQ(tool.sheet(), "");
    EXPECT_EQ(tool.result.text, "");
    EXPECT_EQ(vectorStore::slot(0), vectorStore::Vector{});
    EXPECT_EQ(vectorStore::entering(), 0);
}

TEST(Clear, blanks_the_list_and_results_and_empties_the_store)
{
    VectorTool tool;
    tool.open();
    tool.declare("1");
    tool.enter("F1", "10", "30", "++");
    tool.journal.clear();

    tool.controller.clear(nullptr);

    EXPECT_EQ(tool.journal,
              (test::Journal{"write listOfVectors=", "write rx=", "write ry=", "write result="}));
    EXPECT_EQ(vectorStore::declared(), 0);
    EXPECT_EQ(vectorStore::entering(), 0);
    EXPECT_EQ(vectorStore::slot(0), vectorStore::Vector{});
    EXPECT_TRUE(tool.diagram.arrows.empty());
    EXPECT_TRUE(tool.diagram.legend.empty());
    EXPECT_EQ(tool.diagram.description, "No vectors entered.");
    // The panels keep their texts.
    EXPECT_EQ(tool.numberOfVectors.text, "1");
    EXPECT_EQ(tool.name.text, "F1");
}

bool operator==(platform::Diagram::Point a, platform::Diagram::Point b)
{
    return a.x == b.x && a.y == b.y;
}

TEST(Diagram, draws_each_vector_tip_to_tail_then_the_resultant_from_the_origin)
{
    VectorTool tool;
    tool.declare("3");
    tool.enter("F1", "3", "0", "x +");
    EXPECT_EQ(tool.diagram.description, "1 of 3 vectors drawn tip to tail from the origin; the "
                                        "resultant follows the last one.");
    tool.enter("F2", "5", "0", "x+");
    tool.enter("", "4", "0", "y +");

    using Arrow = platform::Diagram::Arrow;
    const auto& arrows = tool.diagram.arrows;
    ASSERT_EQ(arrows.size(), 3u);
    EXPECT_EQ(arrows[0].label, "F1");
    EXPECT_TRUE(arrows[0].from == (platform::Diagram::Point{0, 0}));
    EXPECT_TRUE(arrows[0].to == (platform::Diagram::Point{3, 0}));
    EXPECT_EQ(arrows[0].kind, Arrow::Part);
    // An unnamed vector is labelled with its number.
    EXPECT_EQ(arrows[1].label, "#3");
    EXPECT_TRUE(arrows[1].from == arrows[0].to);
    EXPECT_TRUE(arrows[1].to == (platform::Diagram::Point{3, 4}));
    EXPECT_EQ(arrows[2].label, "R");
    EXPECT_TRUE(arrows[2].from == (platform::Diagram::Point{0, 0}));
    EXPECT_TRUE(arrows[2].to == arrows[1].to);
    EXPECT_EQ(arrows[2].kind, Arrow::Total);

    EXPECT_EQ(tool.diagram.legend,
              (std::vector<std::string>{"F2: code \"x+\" names no direction; ignored",
                                        "R = 5.0000 at 53.13\u00b0 from +x"}));
    EXPECT_EQ(tool.diagram.description,
              "3 vectors drawn tip to tail from the origin (1 ignored: code names no direction). "
              "Resultant R: x component 3.0000, y component 4.0000, magnitude 5.0000, direction "
              "53.13 degrees counter-clockwise from the +x axis.");
}

struct ShownCase
{
    const char* name;
    std::vector<std::array<const char*, 3>> vectors; // magnitude, angle, code
    const char* rx;
    const char* ry;
    const char* result;
    const char* legend; // the picture's last legend line
};

class Shown : public testing::TestWithParam<ShownCase>
{ };

TEST_P(Shown, resultant_after_the_last_vector_in_fields_and_legend)
{
    const ShownCase& c = GetParam();
    VectorTool tool;
    tool.declare(std::to_string(c.vectors.size()));
    for (const auto& [magnitude, degrees, code] : c.vectors)
        tool.enter("v", magnitude, degrees, code);

    EXPECT_EQ(tool.rx.text, c.rx);
    EXPECT_EQ(tool.ry.text, c.ry);
    EXPECT_EQ(tool.result.text, c.result);
    ASSERT_FALSE(tool.diagram.legend.empty());
    EXPECT_EQ(tool.diagram.legend.back(), c.legend);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, Shown, testing::Values(
    ShownCase{"along_plus_x",      {{"5", "0", "x +"}},                    "5.0000", "0.0000", "5.0000",  "R = 5.0000 at 0.00\u00b0 from +x"},
    ShownCase{"second_quadrant",   {{"10", "30", "-+"}},                   "-8.6603", "5.0000", "10.0000", "R = 10.0000 at 150.00\u00b0 from +x"},
    ShownCase{"along_minus_x",     {{"2", "0", "x -"}},                    "-2.0000", "0.0000", "2.0000", "R = 2.0000 at 180.00\u00b0 from +x"},
    ShownCase{"fourth_quadrant",   {{"3", "0", "x +"}, {"4", "0", "y -"}}, "3.0000", "-4.0000", "5.0000", "R = 5.0000 at 306.87\u00b0 from +x"},
    // A hair below +x is -0.0001 degrees: neither 360.00 nor -0.00.
    ShownCase{"hair_below_plus_x", {{"1", "0.0001", "+-"}},                "1.0000", "-0.0000", "1.0000", "R = 1.0000 at 0.00\u00b0 from +x"},
    // rx shows -0.0000; the direction is still straight up.
    ShownCase{"negative_zero_x",   {{"5", "90", "-+"}},                    "-0.0000", "5.0000", "5.0000", "R = 5.0000 at 90.00\u00b0 from +x"},
    ShownCase{"zero",              {{"10", "0", "++"}, {"10", "0", "-+"}}, "0.0000", "0.0000", "0.0000",  "R = 0.0000, no direction"},
    // The magnitude goes to its field as a float: the double root would show
    // 9999.9999.
    ShownCase{"magnitude_as_float", {{"10000", "30", "++"}},               "8660.2539", "5000.0000", "10000.0000", "R = 10000.0000 at 30.00\u00b0 from +x"},
    // The magnitude is read as a float, just below 0.00005: read as a double
    // it would show 0.0001.
    ShownCase{"magnitude_read_as_float", {{"0.00005", "0", "x +"}},        "0.0000", "0.0000", "0.0000", "R = 0.0000 at 0.00\u00b0 from +x"},
    ShownCase{"infinite_magnitude", {{"1e39", "0", "y +"}},                "0.0000", "inf", "inf",       "R = inf at 90.00\u00b0 from +x"},
    ShownCase{"not_a_number",      {{"1e39", "0", "++"}},                  "inf", "nan", "nan",          "R = nan, no direction"}),
    test::RowName());
// clang-format on

TEST(Abort, ends_the_count_panel_then_hides_it_and_the_window_keeping_the_fields)
{
    VectorTool tool;
    tool.open();
    tool.listOfVectors.text = "F1/10/30/++\n";
    tool.rx.text = "8.6603";
    tool.journal.clear();

    tool.controller.abort(nullptr);

    EXPECT_EQ(tool.journal,
              (test::Journal{"endSheet firstPanel", "hide firstPanel", "hide myself"}));
    EXPECT_EQ(tool.sheet(), "");
    EXPECT_FALSE(tool.myself.visible);
    EXPECT_EQ(tool.listOfVectors.text, "F1/10/30/++\n");
    EXPECT_EQ(tool.rx.text, "8.6603");

    // Reopening attaches the count panel over the unchanged list.
    tool.open();
    EXPECT_EQ(tool.sheet(), "firstPanel");
    EXPECT_EQ(tool.listOfVectors.text, "F1/10/30/++\n");
}

// The tool's states as the user sees them, and what each event does to them:
// an independent account of the entry sequence, in whole numbers.
class Model
{
public:
    enum class State {
        Closed,
        Counting,
        Entering,
        Shown,
        Alerted,
        Idle
    };

    struct Entry
    {
        std::string name;
        std::string magnitude; // as typed: a whole number, or no number
        std::string degrees;
        std::string code;
    };

    State state = State::Closed;
    int declared = 0;
    int entering = 0;
    std::vector<Entry> run;
    std::string list;
    std::string rx;
    std::string ry;
    std::string result;
    std::size_t alerts = 0;

    std::size_t drawn() const
    {
        const auto known = std::count_if(run.begin(), run.end(), [](const Entry& entry) {
            return signs(entry.code) != std::pair<long, long>{0, 0};
        });
        return static_cast<std::size_t>(known) + (result.empty() ? 0 : 1);
    }

    bool windowFree() const { return state == State::Idle || state == State::Shown; }

    void open()
    {
        if (state == State::Closed || windowFree())
            state = State::Counting;
    }
    void abort() { state = State::Closed; }
    void close() { state = State::Closed; }
    void dismissAlert() { state = State::Idle; }

    void declare(int count)
    {
        declared = count > 10 ? 10 : count;
        if (declared < 1) {
            ++alerts;
            state = State::Alerted;
            return;
        }
        blank();
        entering = 1;
        state = State::Entering;
    }

    void confirm(const Entry& entry)
    {
        run.push_back(entry);
        list += entry.name + "/" + entry.magnitude + "/" + entry.degrees + "/" + entry.code + "\n";
        if (declared > entering) {
            ++entering;
            return;
        }
        long sumX = 0;
        long sumY = 0;
        for (const Entry& each : run) {
            const long size = std::atol(each.magnitude.c_str());
            const auto [signX, signY] = signs(each.code);
            sumX += signX * size;
            sumY += signY * size;
        }
        rx = std::to_string(sumX) + ".0000";
        ry = std::to_string(sumY) + ".0000";
        const double root = std::sqrt(static_cast<double>(sumX * sumX + sumY * sumY));
        char text[64];
        std::snprintf(text, sizeof text, "%0.4f", static_cast<double>(static_cast<float>(root)));
        result = text;
        state = State::Shown;
    }

    void clear()
    {
        blank();
        declared = 0;
        entering = 0;
        state = State::Idle;
    }

    std::string sheet() const
    {
        switch (state) {
        case State::Counting:
            return "firstPanel";
        case State::Entering:
            return "newVectWin";
        case State::Alerted:
            return "alert";
        default:
            return "";
        }
    }

private:
    // At angle 0 a quadrant code points along x; axis codes ignore the angle.
    static std::pair<long, long> signs(const std::string& code)
    {
        if (code == "++" || code == "+-" || code == "x +")
            return {1, 0};
        if (code == "--" || code == "-+" || code == "x -")
            return {-1, 0};
        if (code == "y +")
            return {0, 1};
        if (code == "y -")
            return {0, -1};
        return {0, 0};
    }

    void blank()
    {
        run.clear();
        list.clear();
        rx.clear();
        ry.clear();
        result.clear();
    }
};

// Drives the tool and the model through the same random events, only those a
// user can cause: buttons of the sheet or window that takes input, the
// launcher at any time, and the window's close control when no sheet is on it.
class RandomUser
{
public:
    explicit RandomUser(unsigned seed)
        : random(seed)
    {
    }

    std::string step(VectorTool& tool, Model& model)
    {
        const std::size_t roll = pick(100);
        if (roll < 5 || model.state == Model::State::Closed) {
            tool.open();
            model.open();
            return "open";
        }
        switch (model.state) {
        case Model::State::Counting:
            if (roll < 15) {
                tool.controller.abort(nullptr);
                model.abort();
                return "abort";
            } else {
                const auto& [text, value] = counts[pick(std::size(counts))];
                tool.declare(text);
                model.declare(value);
                return std::string("declare '") + text + "'";
            }
        case Model::State::Entering: {
            const Model::Entry entry = vector();
            tool.enter(entry.name, entry.magnitude, entry.degrees, entry.code);
            model.confirm(entry);
            return "confirm " + entry.name + "/" + entry.magnitude + "/" + entry.degrees + "/"
                   + entry.code;
        }
        case Model::State::Alerted:
            tool.application.dismissAlert(tool.myself);
            model.dismissAlert();
            return "OK";
        default:
            if (roll < 40) {
                tool.controller.clear(nullptr);
                model.clear();
                return "clear";
            }
            tool.myself.orderOut(nullptr);
            model.close();
            return "close";
        }
    }

private:
    std::size_t pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    }

    Model::Entry vector()
    {
        static const char* const names[] = {"A", "F1", "", "v 3"};
        // Whole numbers, and texts that read as 0.
        static const char* const magnitudes[] = {"0", "1", "2", "5", "-3", "20", "abc", ""};
        static const char* const codes[] = {"++",  "+-",  "--", "-+", "x +", "x -",
                                            "y +", "y -", "x+", "",   "Y -"};
        static const char* const anyAngle[] = {"0", "30", "-45", "90", "abc"};
        const std::string code = codes[pick(std::size(codes))];
        // Quadrant codes only at angle 0, where cosine and sine are exact.
        const bool quadrant = code == "++" || code == "+-" || code == "--" || code == "-+";
        return {names[pick(std::size(names))], magnitudes[pick(std::size(magnitudes))],
                quadrant ? "0" : anyAngle[pick(std::size(anyAngle))], code};
    }

    static constexpr std::pair<const char*, int> counts[] = {
        {"1", 1},   {"2", 2},     {"3", 3},   {"5", 5}, {"10", 10}, {"12", 12},
        {"0", 0},   {"-3", -3},   {"abc", 0}, {"", 0},  {"3.7", 3}, {" 2", 2},
        {"99", 99}, {"-99", -99}, {"1", 1},   {"2", 2}, {"4", 4}};

    std::mt19937 random;
};

void expectAgrees(const VectorTool& tool, const Model& model)
{
    EXPECT_EQ(tool.myself.visible, model.state != Model::State::Closed);
    EXPECT_EQ(tool.sheet(), model.sheet());
    EXPECT_EQ(tool.listOfVectors.text, model.list);
    EXPECT_EQ(tool.rx.text, model.rx);
    EXPECT_EQ(tool.ry.text, model.ry);
    EXPECT_EQ(tool.result.text, model.result);
    EXPECT_EQ(tool.application.alerts.size(), model.alerts);
    EXPECT_EQ(tool.diagram.arrows.size(), model.drawn());
    EXPECT_EQ(vectorStore::declared(), model.declared);
    EXPECT_EQ(vectorStore::entering(), model.entering);
    for (int index = 0; index < vectorStore::capacity; ++index) {
        const std::size_t filled = model.state == Model::State::Entering
                                       ? static_cast<std::size_t>(model.entering - 1)
                                       : model.run.size();
        const std::string code =
            static_cast<std::size_t>(index) < filled ? model.run[index].code : "";
        EXPECT_EQ(vectorStore::slot(index).code, code) << "slot " << index;
    }
}

TEST(RandomRuns, follow_the_model_of_the_entry_sequence)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        VectorTool tool;
        Model model;
        RandomUser user(seed);
        for (int step = 0; step < 300; ++step) {
            const std::string event = user.step(tool, model);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": "
                         + event);
            expectAgrees(tool, model);
            if (testing::Test::HasFailure())
                return;
        }
        for (const std::string& entry : tool.journal)
            ASSERT_EQ(entry.find("vnumb"), std::string::npos) << "no action uses vnumb";
    }
}

} // namespace
