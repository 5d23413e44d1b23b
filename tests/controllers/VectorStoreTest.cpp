// The vector store: its slots and counters, and the resultant by direction
// code, with the float and double steps that decide the printed digits.
#include "Numbers.h"
#include "RowName.h"
#include "VectorsController.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

namespace {

class VectorStore : public testing::Test
{
protected:
    void SetUp() override { vectorStore::reset(); }
    void TearDown() override { vectorStore::reset(); }

    // One run of the given vectors, each stored as the entry sequence does.
    static void run(const std::vector<vectorStore::Vector>& vectors)
    {
        vectorStore::declare(static_cast<int>(vectors.size()));
        for (const vectorStore::Vector& vector : vectors) {
            vectorStore::beginNext();
            ASSERT_TRUE(vectorStore::storeEntering(vector.magnitude, vector.angle, vector.code));
        }
    }

    static std::vector<vectorStore::Vector> contents()
    {
        std::vector<vectorStore::Vector> slots;
        for (int index = 0; index < vectorStore::capacity; ++index)
            slots.push_back(vectorStore::slot(index));
        return slots;
    }
};

std::string shown(float value)
{
    return platform::stringWithFormat("%0.4f", value);
}

struct ResultantCase
{
    const char* name;
    std::vector<vectorStore::Vector> vectors;
    const char* rx;
    const char* ry;
    const char* result;
};

void PrintTo(const ResultantCase& row, std::ostream* out)
{
    *out << row.name;
}

class Resultant
    : public VectorStore
    , public testing::WithParamInterface<ResultantCase>
{ };

TEST_P(Resultant, shows_components_and_magnitude_with_four_decimals)
{
    const ResultantCase& c = GetParam();
    run(c.vectors);

    const vectorStore::Resultant resultant = vectorStore::resultant();

    EXPECT_EQ(shown(resultant.x), c.rx);
    EXPECT_EQ(shown(resultant.y), c.ry);
    EXPECT_EQ(shown(resultant.magnitude), c.result);
}

constexpr float infinity = std::numeric_limits<float>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, Resultant, testing::Values(
    ResultantCase{"first_quadrant",           {{10, 30, "++"}},                      "8.6603", "5.0000", "10.0000"},
    ResultantCase{"third_quadrant",           {{777, 61, "--"}},                     "-376.6971", "-679.5795", "777.0000"},
    ResultantCase{"opposite_vectors_cancel",  {{10, 0, "++"}, {10, 0, "-+"}},        "0.0000", "0.0000", "0.0000"},
    ResultantCase{"two_vectors_at_right_angles", {{10, 0, "++"}, {10, 90, "++"}},    "10.0000", "10.0000", "14.1421"},
    // Axis codes take the magnitude as it is and ignore the angle.
    ResultantCase{"axis_codes",               {{3, 77, "x +"}, {4, 12, "y -"}},      "3.0000", "-4.0000", "5.0000"},
    ResultantCase{"axis_codes_opposite_ways", {{2, 0, "x -"}, {6, 0, "y +"}},        "-2.0000", "6.0000", "6.3246"},
    // cos(pi/2) is a tiny positive double; rounded to float it stays tiny
    // and positive, so the code's sign shows on zero.
    ResultantCase{"tiny_cosine_positive",     {{5, 90, "+-"}},                       "0.0000", "-5.0000", "5.0000"},
    ResultantCase{"tiny_cosine_negated",      {{5, 90, "-+"}},                       "-0.0000", "5.0000", "5.0000"},
    // Codes are compared whole and case-sensitively; others add nothing but
    // still count.
    ResultantCase{"unknown_codes_add_nothing", {{3, 0, "x+"}, {4, 0, "y +"}, {5, 0, "X +"}, {6, 0, "++ "}, {7, 0, ""}},
                                                                                     "0.0000", "4.0000", "4.0000"},
    // The signs apply to whatever cosine and sine give.
    ResultantCase{"negative_magnitude_obtuse_angle", {{-2, 120, "++"}},              "1.0000", "-1.7321", "2.0000"},
    ResultantCase{"negative_angle",           {{2, -30, "++"}},                      "1.7321", "-1.0000", "2.0000"},
    ResultantCase{"infinite_magnitude",       {{infinity, 0, "++"}},                 "inf", "nan", "nan"},
    // cos 33° rounded to float before the float product: a double product
    // would show 838.6706, a float root 999.9999.
    ResultantCase{"cosine_rounded_before_product", {{1000, 33, "++"}},               "838.6705", "544.6390", "1000.0000"},
    // The root is rounded to float: left in double it would show 9999.9999.
    ResultantCase{"magnitude_rounded_to_float", {{10000, 30, "++"}},                 "8660.2539", "5000.0000", "10000.0000"},
    // Cosine and sine of the double angle: cosf and sinf would show 98.5964.
    ResultantCase{"trigonometry_in_double",   {{123.456f, 37, "++"}},                "98.5963", "74.2977", "123.4560"},
    // Added in float: a sum kept in double would show 4833.8083 and
    // 1204.9848.
    ResultantCase{"sum_in_float",             {{3000, 10, "++"}, {2000, 20, "++"}},  "4833.8086", "1204.9849", "4981.7358"},
    // Added in slot order: 1 is lost against 1e8 first; the other way round
    // (or in double) it would survive as 1.0000.
    ResultantCase{"sum_in_slot_order",        {{1, 0, "x +"}, {100000000, 0, "x +"}, {100000000, 0, "x -"}},
                                                                                     "0.0000", "0.0000", "0.0000"},
    ResultantCase{"ten_vectors",              std::vector<vectorStore::Vector>(10, {1.5f, 0, "y +"}),
                                                                                     "0.0000", "15.0000", "15.0000"}),
    test::RowName());
// clang-format on

TEST_F(VectorStore, resultant_covers_the_declared_slots_only)
{
    vectorStore::declare(2);
    for (const float magnitude : {1.0f, 2.0f, 4.0f}) {
        vectorStore::beginNext();
        ASSERT_TRUE(vectorStore::storeEntering(magnitude, 0.0f, "x +"));
    }
    EXPECT_EQ(shown(vectorStore::resultant().x), "3.0000");
}

TEST_F(VectorStore, resultant_of_no_or_refused_declaration_is_zero)
{
    for (const int count : {0, -3, INT_MIN}) {
        vectorStore::declare(count);
        const vectorStore::Resultant resultant = vectorStore::resultant();
        EXPECT_EQ(shown(resultant.x), "0.0000") << count;
        EXPECT_EQ(shown(resultant.y), "0.0000") << count;
        EXPECT_EQ(shown(resultant.magnitude), "0.0000") << count;
    }
}

struct DeclareCase
{
    const char* name;
    int count;
    int declared;
    bool freshRun;
};

class Declare
    : public VectorStore
    , public testing::WithParamInterface<DeclareCase>
{ };

TEST_P(Declare, cuts_the_count_and_starts_afresh_only_when_it_is_accepted)
{
    const DeclareCase& c = GetParam();
    run({{4, 0, "x +"}, {5, 0, "y +"}});
    const std::vector<vectorStore::Vector> before = contents();

    vectorStore::declare(c.count);

    EXPECT_EQ(vectorStore::declared(), c.declared);
    if (c.freshRun) {
        EXPECT_EQ(vectorStore::entering(), 0);
        EXPECT_EQ(contents(), std::vector<vectorStore::Vector>(vectorStore::capacity));
    } else {
        EXPECT_EQ(vectorStore::entering(), 2);
        EXPECT_EQ(contents(), before);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, Declare, testing::Values(
    DeclareCase{"one",           1,       1,       true},
    DeclareCase{"twelve_is_cut", 12,      10,      true},
    DeclareCase{"largest_int",   INT_MAX, 10,      true},
    DeclareCase{"zero",          0,       0,       false},
    DeclareCase{"negative",      -3,      -3,      false},
    DeclareCase{"smallest_int",  INT_MIN, INT_MIN, false}),
    test::RowName());
// clang-format on

TEST_F(VectorStore, writes_nothing_for_a_running_number_without_a_slot)
{
    // Running number 0 (nothing begun) and 11 to 13 have no slot.
    vectorStore::declare(10);
    EXPECT_FALSE(vectorStore::storeEntering(9, 9, "++"));
    for (int number = 1; number <= 13; ++number) {
        vectorStore::beginNext();
        const std::vector<vectorStore::Vector> before = contents();
        const bool stored = vectorStore::storeEntering(static_cast<float>(number), 1, "y +");
        EXPECT_EQ(stored, number <= vectorStore::capacity) << number;
        if (!stored) {
            EXPECT_EQ(contents(), before) << number;
        }
    }
    EXPECT_EQ(vectorStore::slot(9), (vectorStore::Vector{10, 1, "y +"}));
    EXPECT_EQ(shown(vectorStore::resultant().y), "55.0000");
}

TEST_F(VectorStore, reads_outside_the_slots_as_empty)
{
    run({{1, 10, "++"}});
    for (const int index : {-1, vectorStore::capacity, INT_MIN, INT_MAX}) {
        EXPECT_EQ(vectorStore::slot(index), vectorStore::Vector{}) << index;
        EXPECT_FALSE(vectorStore::components(index)) << index;
    }
}

TEST_F(VectorStore, reset_empties_every_slot_and_both_counters)
{
    run(std::vector<vectorStore::Vector>(10, {7, 45, "--"}));

    vectorStore::reset();

    EXPECT_EQ(vectorStore::declared(), 0);
    EXPECT_EQ(vectorStore::entering(), 0);
    EXPECT_EQ(contents(), std::vector<vectorStore::Vector>(vectorStore::capacity));
}

} // namespace
