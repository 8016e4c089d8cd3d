// The digit-placeholder formats, right alignment, the box value reader and the plain number form.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shell/number_format.h"

namespace bw {
namespace {

// Amounts group digits at any comma, doubled or not (a doubled comma does not scale by a
// thousand), with two decimals and no leading zero; rates and factors; fixed and optional
// decimals; whole numbers rounded, never cut, zero showing nothing with "#" only; negative values
// keep their sign unless they round to zero.
TEST(FormatNumber, ShowsValueAsPatternAsks) {
    // clang-format off
    const std::tuple<double, const char*, std::string> cases[] = {
        {102562.144, "####,,###.00", "102,562.14"}, {0.5, "####,,###.00", ".50"},
        {0, "####,,###.00", ".00"}, {999.995, "####,,###.00", "1,000.00"},
        {1234567.891, "####,,###.00", "1,234,567.89"}, {917.5273207627645, "###,,###.00", "917.53"},
        {275258.1967, "###,,###.00", "275,258.20"}, {1500, "###,###.00", "1,500.00"},
        {0, "###,###.00", ".00"}, {12345.6, "##,,###.00", "12,345.60"},
        {5000000, "##,,###.00", "5,000,000.00"}, {10.125, "###.000", "10.125"},
        {7.5, "###.000", "7.500"}, {0.0084375, "0.########", "0.0084375"},
        {0.003874756983303307, "0.########", "0.00387476"}, {0, "0.########", "0."},
        {25, "###.00", "25.00"}, {18.538461538, "###.00", "18.54"}, {25, "##.00", "25.00"},
        {22.929, "##.##", "22.93"}, {25, "##.##", "25."}, {0.5, "##.##", ".5"},
        {365.25, "###.##", "365.25"}, {364.5, "###.##", "364.5"}, {365, "###", "365"},
        {12, "##", "12"}, {2.0833, "###", "2"}, {1.5, "###", "2"}, {123456, "##", "123456"},
        {300, "####", "300"}, {0, "####", ""}, {5, "00", "05"}, {12, "00", "12"}, {0, "00", "00"},
        {-1234.567, "####,,###.00", "-1,234.57"}, {-0.001, "###.00", ".00"}};
    // clang-format on
    for (const auto& [value, pattern, text] : cases)
        EXPECT_EQ(FormatNumber(value, pattern), text) << value << " with " << pattern;
}

TEST(FormatNumber, MoneyIsFormattedByItsExactDecimalValue) {
    EXPECT_EQ(FormatNumber(Money::fromTicks(12345675), "####,,###.00"), "1,234.57");
    EXPECT_EQ(FormatNumber(Money::fromTicks(76769), "####,,###.00"), "7.68");
    EXPECT_EQ(FormatNumber(Money(), "####,,###.00"), ".00");
}

TEST(FormatNumber, NonFiniteValuesDoNotCrash) {
    EXPECT_FALSE(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "###.00").empty());
    EXPECT_FALSE(FormatNumber(std::numeric_limits<double>::infinity(), "###.00").empty());
    EXPECT_EQ(FormatNumber(1e300, "###").size(), 301u);
}

// Padded on the left or cut to the first characters; a currency symbol of more than one byte
// counts as one character.
TEST(RightAlign, PadsOnTheLeftOrKeepsTheFirstCharacters) {
    const std::tuple<const char*, int, std::string> cases[] = {
        {"12345", 14, std::string(9, ' ') + "12345"},
        {"abcdefghijklmnopqrst", 12, "abcdefghijkl"},
        {"", 3, "   "},
        {"abc", 3, "abc"},
        {"abc", 0, ""},
        {"\u00a3917.53", 12, "     \u00a3917.53"},
        {"\u20ac12", 2, "\u20ac1"}};
    for (const auto& [text, width, shown] : cases)
        EXPECT_EQ(RightAlign(text, width), shown) << text;
}

TEST(LeadingNumber, TakesTheNumberAtTheStartOfTheText) {
    const std::pair<const char*, double> cases[] = {{"100000", 100000},  {"  10.125", 10.125},
                                                    {"10.125%", 10.125}, {"12.34.56", 12.34},
                                                    {".5", 0.5},         {"1,500", 1},
                                                    {"25 years", 25},    {"", 0},
                                                    {"$100,000.00", 0},  {".", 0},
                                                    {"abc", 0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    const double huge = LeadingNumber(std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(huge) && huge > 1e300);
}

TEST(ToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    std::int16_t v = 0;
    const std::pair<double, int> cases[] = {{24.5, 24}, {25.5, 26},     {24.79, 25},     {-0.5, 0},
                                            {2.5, 2},   {32767, 32767}, {-32768, -32768}};
    for (const auto& [in, out] : cases) {
        ASSERT_TRUE(ToInt16(in, v)) << in;
        EXPECT_EQ(v, out) << in;
    }
    EXPECT_FALSE(ToInt16(32767.6, v));
    EXPECT_FALSE(ToInt16(-40000, v));
    EXPECT_FALSE(ToInt16(std::numeric_limits<double>::quiet_NaN(), v));
}

TEST(PlainNumber, ShortestFormThatKeepsTheValue) {
    const std::pair<double, const char*> cases[] = {
        {100000.0, "100000"}, {10.125, "10.125"}, {0.5, ".5"},     {-0.25, "-.25"},
        {0.0, "0"},           {1e-7, "1E-07"},    {1e20, "1E+20"}, {26.07142857, "26.07142857"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(PlainNumber(value), text) << value;
    EXPECT_EQ(PlainNumber(365.25f), "365.25");
    EXPECT_EQ(PlainNumber(364.5f), "364.5");
    const double third = 1.0 / 3.0;
    EXPECT_EQ(std::stod("0" + PlainNumber(third)), third);
}

}  // namespace
}  // namespace bw
