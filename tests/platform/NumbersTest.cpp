// Reading numbers from text, formatting them, and converting angles.
#include "Numbers.h"

#include "Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();

struct FloatCase
{
    const char* text;
    float expected;
};

class ReadFloat : public testing::TestWithParam<FloatCase>
{ };

TEST_P(ReadFloat, reads_the_leading_decimal_number)
{
    const FloatCase& c = GetParam();
    const float value = platform::readFloat(c.text);
    // Bit equality: tells -0 from 0 and one ulp from the next.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(c.expected))
        << "text \"" << c.text << "\" read " << value << ", expected " << c.expected;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReadFloat, testing::Values(
    FloatCase{"", 0.0f},
    FloatCase{"abc", 0.0f},
    FloatCase{"  2.5kg", 2.5f},
    FloatCase{"12", 12.0f},
    FloatCase{"3.7", 3.7f},
    FloatCase{"-4.25", -4.25f},
    FloatCase{"+1", 1.0f},
    FloatCase{"\t\n 7 8", 7.0f},
    FloatCase{".5", 0.5f},
    FloatCase{"5.", 5.0f},
    FloatCase{"1e3", 1000.0f},
    FloatCase{"2.5E-1x", 0.25f},
    FloatCase{"1e", 1.0f},
    FloatCase{"-0", -0.0f},
    FloatCase{"- 5", 0.0f},
    FloatCase{".", 0.0f},
    FloatCase{"2,5", 2.5f},
    FloatCase{" -0,75 s", -0.75f},
    FloatCase{"2,5e3", 2500.0f},
    FloatCase{"1.000,5", 1.0f},
    FloatCase{"1,000,000", 1.0f},
    FloatCase{"1,5.2", 1.0f},
    FloatCase{",5", 0.0f},
    // Only decimal numerals count: what the formatter prints for infinities
    // and NaNs is not read back as one.
    FloatCase{"inf", 0.0f},
    FloatCase{"nan", 0.0f},
    FloatCase{"0x10", 0.0f},
    FloatCase{"1e39", infinity},
    FloatCase{"-1e39", -infinity},
    FloatCase{"100000000000000000000000000000000000000000", infinity},
    FloatCase{"0.00000000000000000000000000000000000000000000000001e999999999", infinity},
    FloatCase{"1e-50", 0.0f},
    FloatCase{"-1e-50", -0.0f},
    FloatCase{"123456789e-99999999999", 0.0f},
    FloatCase{"1e-40", 9.99995e-41f},
    // Just below the midpoint of two floats: read straight into a float it
    // rounds down; through a double it would land on the midpoint and round
    // up to the even neighbour.
    FloatCase{"1.0000001788139343261718749", 1.00000011920928955078125f}));
// clang-format on

struct IntCase
{
    const char* text;
    int expected;
};

class ReadInt : public testing::TestWithParam<IntCase>
{ };

TEST_P(ReadInt, reads_the_leading_integer)
{
    EXPECT_EQ(platform::readInt(GetParam().text), GetParam().expected)
        << "text \"" << GetParam().text << "\"";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReadInt, testing::Values(
    IntCase{"", 0},
    IntCase{"abc", 0},
    IntCase{"12", 12},
    IntCase{"3.7", 3},
    IntCase{"-3.7", -3},
    IntCase{"  +42x", 42},
    IntCase{"  2.5kg", 2},
    IntCase{"1e3", 1},
    IntCase{".5", 0},
    IntCase{"- 5", 0},
    IntCase{"2147483647", 2147483647},
    IntCase{"2147483648", 2147483647},
    IntCase{"-2147483648", -2147483647 - 1},
    IntCase{"-99999999999999999999999", -2147483647 - 1},
    IntCase{"000000000000000000000000012", 12}));
// clang-format on

struct FormatCase
{
    const char* format;
    double value;
    const char* expected;
};

class Format : public testing::TestWithParam<FormatCase>
{ };

TEST_P(Format, formats_like_printf_in_the_c_locale)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(platform::stringWithFormat(c.format, c.value), c.expected)
        << "format \"" << c.format << "\" value " << c.value;
}

double signedNaN()
{
    // What 0/0 gives on x86: a NaN with its sign bit set.
    return std::copysign(std::numeric_limits<double>::quiet_NaN(), -1.0);
}

constexpr double doubleInfinity = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Format, testing::Values(
    FormatCase{"%0.2f", 8.0, "8.00"},
    FormatCase{"%0.4f", 8.0, "8.0000"},
    FormatCase{"%f", 8.0, "8.000000"},
    FormatCase{"%0.2f", doubleInfinity, "inf"},
    FormatCase{"%0.2f", -doubleInfinity, "-inf"},
    FormatCase{"%0.2f", std::numeric_limits<double>::quiet_NaN(), "nan"},
    FormatCase{"%0.2f", signedNaN(), "nan"},
    FormatCase{"%f", signedNaN(), "nan"},
    FormatCase{"%0.2f", -0.0, "-0.00"},
    FormatCase{"%0.4f", -1e-9, "-0.0000"},
    // Exact binary ties go to the even digit, as in glibc.
    FormatCase{"%0.2f", 0.125, "0.12"},
    FormatCase{"%0.2f", 0.375, "0.38"},
    FormatCase{"%0.2f", double{0.025f}, "0.03"},
    FormatCase{"%0.2f", 1.005, "1.00"},
    FormatCase{"%f", double{196.2f}, "196.199997"},
    FormatCase{"%f", double{9.81f}, "9.810000"},
    FormatCase{"%0.2f", double{3.4028235e38f}, "340282346638528859811704183484516925440.00"},
    FormatCase{"%0.0f", 2.5, "2"},
    // Only the tools' formats convert; anything else is left as text rather
    // than read from nowhere.
    FormatCase{"%d", 8.0, "%d"},
    FormatCase{"%0.2f %0.2f", 8.0, "%0.2f %0.2f"},
    FormatCase{"%s", 8.0, "%s"},
    FormatCase{"50%", 8.0, "50%"}));
// clang-format on

TEST(FormatAgainstPrintf, random_values_match_printf_digit_for_digit)
{
    // The test runs in the C locale, where printf is the reference.
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 20000; ++i) {
        const float single = static_cast<float>(std::ldexp(mantissa(random), exponent(random)));
        const double widened = single;
        for (const char* format : {"%0.2f", "%0.4f", "%f"}) {
            char reference[512];
            std::snprintf(reference, sizeof reference, format, widened);
            ASSERT_EQ(platform::stringWithFormat(format, widened), reference)
                << "format " << format << " value " << widened;
        }
    }
}

TEST(DecimalCommaAgainstStrtof, random_texts_read_as_strtof_reads_them_with_a_point)
{
    // strtof in the C locale, on the text with its comma made a point, is the
    // reference; a tail of a unit or blanks changes nothing.
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> digits(1, 7), digit(0, 9), exponent(-12, 12), pick(0, 3);
    const char* tails[] = {"", " s", "  ", "kg"};
    const auto run = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + digit(random));
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text = (pick(random) == 0 ? "-" : "") + run(digits(random)) + ",";
        text += run(digits(random));
        if (pick(random) == 0)
            text += "e" + std::to_string(exponent(random));
        text += tails[pick(random)];
        std::string withPoint = text;
        withPoint[withPoint.find(',')] = '.';
        ASSERT_EQ(platform::readFloat(text), std::strtof(withPoint.c_str(), nullptr)) << text;
    }
}

TEST(ReadFloat, reads_no_digit_beyond_the_end_of_its_text)
{
    // "5," cut from "5,5": the digit after the comma is not the text's.
    const std::string whole = "5,5";
    EXPECT_EQ(platform::readFloat(std::string_view(whole).substr(0, 2)), 5.0f);
    EXPECT_EQ(platform::lengthOfNumber(std::string_view(whole).substr(0, 2)), 1u);
}

TEST(Locale, a_german_locale_changes_neither_reading_nor_formatting)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is not installed";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%0.2f", 8.0);
    EXPECT_STREQ(printed, "8,00") << "the locale did not take effect, so this test proves nothing";

    EXPECT_EQ(platform::stringWithFormat("%0.2f", 8.0), "8.00");
    EXPECT_EQ(platform::stringWithFormat("%f", 2.5), "2.500000");
    EXPECT_EQ(platform::readFloat("2.5"), 2.5f);
    EXPECT_EQ(platform::readFloat("2,5"), 2.5f);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(Angles, conversions_run_in_double)
{
    // Tolerances a float conversion (error near 1e-7) cannot meet.
    EXPECT_NEAR(platform::degreesToRadians(90.0f), platform::pi / 2.0, 1e-15);
    EXPECT_NEAR(std::sin(platform::degreesToRadians(30.0f)), 0.5, 1e-15);
    EXPECT_NEAR(platform::radiansToDegrees(platform::pi / 2.0), 90.0, 1e-13);
    EXPECT_EQ(platform::degreesToRadians(0.0f), 0.0);
    // The sine of 180 degrees is a tiny positive number and that of 360 a
    // tiny negative one; later results keep those signs.
    EXPECT_GT(std::sin(platform::degreesToRadians(180.0f)), 0.0);
    EXPECT_LT(std::sin(platform::degreesToRadians(360.0f)), 0.0);
}

} // namespace

TEST(Text, english_fills_each_placeholder_with_its_argument)
{
    const platform::Text text{PHYSCALC_TRANSLATE_NOOP("Test", "%2 of %1 at 100%, %3 kept"),
                              {"10", "3"}};
    EXPECT_EQ(platform::english(text), "3 of 10 at 100%, %3 kept");
}

namespace {

struct ShortestCase
{
    const char* name;
    double value;
    bool asFloat;
    const char* shortest;
    const char* fourFigures;
    bool rounded;
};

class Shortest : public testing::TestWithParam<ShortestCase>
{ };

TEST_P(Shortest, shows_a_value_as_read_and_to_four_figures)
{
    const ShortestCase& c = GetParam();
    const auto value = static_cast<float>(c.value);
    const std::string shortest =
        c.asFloat ? platform::shortest(value) : platform::shortest(c.value);
    const platform::Approximation four =
        c.asFloat ? platform::fourSignificant(value) : platform::fourSignificant(c.value);
    EXPECT_EQ(shortest, c.shortest);
    EXPECT_EQ(four.text, c.fourFigures);
    EXPECT_EQ(four.rounded, c.rounded);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Shortest, testing::Values(
    ShortestCase{"float_read_from_2_03", 2.03, true, "2.03", "2.03", false},
    ShortestCase{"float_third", 1.0 / 3.0, true, "0.33333334", "0.3333", true},
    ShortestCase{"whole", 40.0, true, "40", "40", false},
    ShortestCase{"rounds_up_to_a_new_digit", 9.99996, false, "9.99996", "10.00", true},
    ShortestCase{"large", 196.2 * 1000.0, false, "196200", "196200", false},
    ShortestCase{"small", 0.000123456, false, "0.000123456", "1.235 \u00d7 10\u207b\u2074", true},
    ShortestCase{"negative", -36.8698976, false, "-36.8698976", "-36.87", true},
    ShortestCase{"tiny_in_exponent_form", 1e-12, false, "1e-12", "1e-12", false},
    ShortestCase{"infinity", std::numeric_limits<double>::infinity(), false, "inf", "inf", false},
    ShortestCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), true, "nan", "nan", false}
), [](const testing::TestParamInfo<ShortestCase>& row) { return std::string(row.param.name); });
// clang-format on

} // namespace
