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

// A number and a unit of the field's quantity read as the same number typed in
// the field's own unit; the unit typed is reported, and nothing else converts.
struct UnitCase
{
    const char *text, *unit, *same, *typed;
};

TEST(ReadMeasured, converts_a_unit_of_the_fields_quantity_and_no_other)
{
    // clang-format off
    const UnitCase cases[] = {
        {"14 cm", "m", "0.14", "cm"},            {"11.0 km", "m", "11000", "km"},
        {"2,5 mm", "m", "0.0025", "mm"},         {"-3 dm", "m", "-0.3", "dm"},
        {"1.5e3 mm", "m", "1.5", "mm"},          {"62000 g", "kg", "62", "g"},
        {"250g", "kg", "0.25", "g"},             {"1.2 kN", "N", "1200", "kN"},
        {"1 atm", "Pa", "101325", "atm"},        {"760 mmHg", "Pa", "101325.0144354", "mmHg"},
        {"2 bar", "Pa", "200000", "bar"},        {"1013 hPa", "Pa", "101300", "hPa"},
        {"3 kPa", "Pa", "3000", "kPa"},          {"0.2 MPa", "Pa", "200000", "MPa"},
        {"5 mbar", "Pa", "500", "mbar"},         {"20 cm2", "m²", "0.002", "cm²"},
        {"20 cm^2", "m²", "0.002", "cm²"},       {"4 mm²", "m²", "0.000004", "mm²"},
        {"1,03 g/cm3", "kg/m³", "1030", "g/cm³"}, {"0.8 g/mL", "kg/m³", "800", "g/mL"},
        {"1 kg/L", "kg/m³", "1000", "kg/L"},     {"1 rad", "°", "57.29577951308232", "rad"},
        {"1420 ms", "s", "1.42", "ms"},          {"1.5 min", "s", "90", "min"},
        {"14 mm", "cm", "1.4", "mm"},            {"5 m", "m", "5", ""},
        {"30 deg", "°", "30", ""},               {"2.5 kg", "N", "2.5", ""},
        {"14 cm", "", "14", ""},                 {"14 cm", "furlong", "14", ""},
        {"cm", "m", "0", ""},                    {"1e39 mm", "m", "1e36", "mm"},
    };
    // clang-format on
    for (const UnitCase& c : cases) {
        const platform::Measured measured = platform::readMeasured(c.text, c.unit);
        EXPECT_EQ(measured.value, platform::readFloat(c.same)) << c.text << " in " << c.unit;
        EXPECT_EQ(measured.unit, c.typed) << c.text << " in " << c.unit;
    }
}

// A value with its uncertainty: the value reads as its own number and unit
// would, and the uncertainty is in the field's unit too.
TEST(ReadMeasured, carries_an_uncertainty_typed_beside_the_value)
{
    struct Case
    {
        const char *text, *unit, *same;
        float uncertainty;
    };
    // clang-format off
    const Case cases[] = {
        {"14 ± 0.1", "m", "14", 0.1f},           {"14 +- 0.1 cm", "m", "0.14", 0.001f},
        {"14 cm +/- 1 mm", "m", "0.14", 0.001f}, {"2.5 ± 2%", "N", "2.5", 0.05f},
        {"(1.44 ± 0.03) s", "s", "1.44", 0.03f}, {"1,42 ± 0,05 s", "s", "1.42", 0.05f},
        {"-3 ± 0.5", "", "-3", 0.5f},            {" 30±1 °", "°", "30", 1.0f},
    };
    // clang-format on
    for (const Case& c : cases) {
        const platform::Measured measured = platform::readMeasured(c.text, c.unit);
        EXPECT_EQ(measured.value, platform::readFloat(c.same)) << c.text;
        EXPECT_EQ(measured.uncertainty, std::optional(c.uncertainty)) << c.text;
    }
    // Not of that shape, or a unit of another quantity: today's reading, no
    // uncertainty.
    for (const char* text : {"14 ± kg", "14 ± 0.1 kg", "14 ± -1", "14 ± 1)", "14 ± 2% cm"}) {
        const platform::Measured measured = platform::readMeasured(text, "m");
        EXPECT_EQ(measured.value, 14.0f) << text;
        EXPECT_FALSE(measured.uncertainty) << text;
    }
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
    NoteCase{"decimal_comma_and_other_unit", "2,5 cm", "m", "Depth: “2,5 cm” was read as 0.025 m.", false},
    NoteCase{"thousands_with_unit", "1,500 km", "m", "Depth: “1,500 km” was read as 1500 m, the comma as a decimal point; for 1500 km, type 1500 km without it.", false},
    NoteCase{"second_point", "2.011.98", "", "Depth: “2.011.98” was read as 2.011; all from the second separator on was ignored."},
    NoteCase{"letter_o", "o.3", "m", "Depth: “o.3” begins with a letter and was read as 0; for 0.3 type 0.3."},
    NoteCase{"no_number", "abc", "m", "Depth: “abc” does not begin with a number and was read as 0."},
    NoteCase{"digits_ignored", "7 8", "", "Depth: “7 8” was read as 7; “8” after the number was ignored."},
    NoteCase{"uncertainty", "14 ± 0.1 cm", "m", "Depth: “14 ± 0.1 cm” was read as 0.14 ± 0.001 m.", false},
    NoteCase{"uncertainty_of_another_quantity", "14 ± 0.1 kg", "m", "Depth: “14 ± 0.1 kg” was read as 14 m; “± 0.1 kg” after the number was ignored."},
    NoteCase{"scaled_unit", "5 cm", "m", "Depth: “5 cm” was read as 0.05 m.", false},
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
