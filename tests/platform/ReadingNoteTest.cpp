// Telling a person how a field's text was read, and showing enough digits.
#include "Numbers.h"

#include <gtest/gtest.h>

namespace {

struct NoteCase
{
    const char *name, *text, *unit, *note; // no note: ""
    bool warning = true;
};
using ReadingNote = testing::TestWithParam<NoteCase>;

TEST_P(ReadingNote, says_what_was_read_when_it_was_probably_not_meant)
{
    const NoteCase& c = GetParam();
    const std::optional<platform::Reading> reading = platform::readingNote(c.text, "Depth", c.unit);
    EXPECT_EQ(reading ? platform::english(reading->note) : std::string(), c.note);
    EXPECT_EQ(reading && reading->warning, reading && c.warning);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReadingNote, testing::Values(
    NoteCase{"plain", " 2.5 ", "m", ""},
    NoteCase{"exponent", "5e-7", "m", ""},
    NoteCase{"own_unit", "5 m", "m", ""},
    NoteCase{"own_unit_spelt_otherwise", "2 m^2", "m²", ""},
    NoteCase{"empty", "  ", "m", "Depth is empty and was read as 0."},
    NoteCase{"decimal_comma", "1,5", "m", "Depth: “1,5” was read as 1.5 m.", false},
    NoteCase{"decimal_comma_and_own_unit", " -0,75 m", "m", "Depth: “-0,75 m” was read as -0.75 m.", false},
    NoteCase{"comma_before_three_digits", "1,500", "", "Depth: “1,500” was read as 1.5, the comma as a decimal point; for 1500, type 1500 without it.", false},
    NoteCase{"comma_then_point", "1,5.2", "m", "Depth: “1,5.2” was read as 1; for 1.5 type 1.5, with a point."},
    NoteCase{"point_then_comma", "1.000,5", "m", "Depth: “1.000,5” was read as 1; for 1.000 type 1.000, with a point."},
    NoteCase{"two_commas", "1,000,000", "", "Depth: “1,000,000” was read as 1; for 1.000 type 1.000, with a point."},
    NoteCase{"decimal_comma_and_other_unit", "2,5 cm", "m", "Depth: “2,5 cm” was read as 2.5 m; for 2.5 cm type 0.025."},
    NoteCase{"second_point", "2.011.98", "", "Depth: “2.011.98” was read as 2.011; all from the second separator on was ignored."},
    NoteCase{"letter_o", "o.3", "m", "Depth: “o.3” begins with a letter and was read as 0; for 0.3 type 0.3."},
    NoteCase{"no_number", "abc", "m", "Depth: “abc” does not begin with a number and was read as 0."},
    NoteCase{"digits_ignored", "7 8", "", "Depth: “7 8” was read as 7; “8” after the number was ignored."},
    NoteCase{"scaled_unit", "5 cm", "m", "Depth: “5 cm” was read as 5 m; for 5 cm type 0.05."},
    NoteCase{"other_unit", "2.5kg", "N", "Depth: “2.5kg” was read as 2.5 N; “kg” after the number was ignored."},
    NoteCase{"unit_in_a_pure_number", "0.3 N", "", "Depth: “0.3 N” was read as 0.3; “N” after the number was ignored."}),
    [](const testing::TestParamInfo<NoteCase>& row) { return std::string(row.param.name); });
// clang-format on

TEST(SignificantFigures, are_fixed_near_one_and_scientific_far_from_it)
{
    const std::pair<double, const char*> cases[] = {
        {0.3 / 67.7, "4.431 × 10⁻³"}, {0.30581039, "0.3058"}, {12.3456, "12.35"},
        {5e-7, "5.000 × 10⁻⁷"},       {-0.04431, "-0.04431"}, {123456.0, "1.235 × 10⁵"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(platform::significantFigures(value), text) << value;
    EXPECT_EQ(platform::significantDigitsShown("0.04"), 1);
    EXPECT_EQ(platform::significantDigitsShown("-0.00"), 0);
    EXPECT_EQ(platform::significantDigitsShown("8.00"), 3);
}

} // namespace
