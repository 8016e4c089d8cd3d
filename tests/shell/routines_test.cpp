// Money, number formats and readers, the number box keys, dates, the numbered texts of the
// dialogs, and twips.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "shell/dates.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/money.h"
#include "shell/number_box_rule.h"
#include "shell/number_format.h"
#include "shell/twips.h"

namespace bw {
namespace {

TEST(Money, RoundsToTheNearestTenThousandth) {
    const std::pair<double, std::int64_t> cases[] = {
        {917.5273207627645, 9175273}, {0.00004, 0},       {0.00006, 1},      {-0.00006, -1},
        {100000, 1000000000},         {12.34565, 123456}, {-7.67694, -76769}};
    for (const auto& [value, ticks] : cases)
        EXPECT_EQ(Money::fromDouble(value).ticks(), ticks) << value;
    // An exact half goes to the even ten-thousandth.
    EXPECT_EQ(Money::fromDouble(0.03125).ticks(), 312);  // 312.5 ticks, exact in binary
    EXPECT_EQ(Money::fromDouble(0.09375).ticks(), 938);  // 937.5 ticks
}

TEST(Money, AddsExactlyWhereDoublesDrift) {
    Money sum;
    for (int k = 0; k < 1000; ++k) sum += Money::fromDouble(0.1);
    EXPECT_EQ(sum, Money::fromDouble(100));
    EXPECT_EQ((Money::fromDouble(5) - Money::fromDouble(7.5)).ticks(), -25000);
    EXPECT_EQ((-Money::fromDouble(2.5)).ticks(), -25000);
    EXPECT_LT(Money::fromDouble(1.0001), Money::fromDouble(1.0002));
    EXPECT_DOUBLE_EQ(Money::fromTicks(76769).toDouble(), 7.6769);
}

TEST(Money, RefusesValuesOutsideItsRange) {
    for (double v : {1e15, -1e15, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Money::fromDouble(v), CurrencyOverflow) << v;
    EXPECT_NO_THROW(Money::fromDouble(9e14));
    const Money top = Money::fromTicks(std::numeric_limits<std::int64_t>::max());
    const Money bottom = Money::fromTicks(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(top + Money::fromTicks(1), CurrencyOverflow);
    EXPECT_THROW(bottom - Money::fromTicks(1), CurrencyOverflow);
    EXPECT_THROW(-bottom, CurrencyOverflow);
}

TEST(Money, PlainTextIsTheShortestDecimalForm) {
    const std::pair<std::int64_t, const char*> cases[] = {{123400, "12.34"}, {1000000000, "100000"},
                                                          {5000, ".5"},      {-5000, "-.5"},
                                                          {0, "0"},          {1, ".0001"}};
    for (const auto& [ticks, text] : cases) EXPECT_EQ(Money::fromTicks(ticks).plainText(), text);
    EXPECT_EQ(Money::fromTicks(std::numeric_limits<std::int64_t>::min()).plainText(),
              "-922337203685477.5808");
}

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
        {12345.6, "##,,###.00", "12,345.60"}, {5000000, "##,,###.00", "5,000,000.00"},
        {10.125, "###.000", "10.125"}, {7.5, "###.000", "7.500"}, {0, "0.########", "0."},
        {0.0084375, "0.########", "0.0084375"}, {0.003874756983303307, "0.########", "0.00387476"},
        {25, "###.00", "25.00"}, {18.538461538, "###.00", "18.54"}, {22.929, "##.##", "22.93"},
        {25, "##.##", "25."}, {0.5, "##.##", ".5"}, {365.25, "###.##", "365.25"},
        {364.5, "###.##", "364.5"}, {365, "###", "365"}, {2.0833, "###", "2"}, {1.5, "###", "2"},
        {123456, "##", "123456"}, {0, "####", ""}, {5, "00", "05"}, {0, "00", "00"},
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
    // clang-format off
    const std::tuple<const char*, int, std::string> cases[] = {
        {"12345", 14, std::string(9, ' ') + "12345"}, {"abcdefghijklmnopqrst", 12, "abcdefghijkl"},
        {"", 3, "   "}, {"abc", 3, "abc"}, {"abc", 0, ""},
        {"\u00a3917.53", 12, "     \u00a3917.53"}, {"\u20ac12", 2, "\u20ac1"}};
    // clang-format on
    for (const auto& [text, width, shown] : cases)
        EXPECT_EQ(RightAlign(text, width), shown) << text;
}

TEST(LeadingNumber, TakesTheNumberAtTheStartOfTheText) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"100000", 100000}, {"  10.125", 10.125}, {"10.125%", 10.125}, {"12.34.56", 12.34},
        {".5", 0.5}, {"1,500", 1}, {"25 years", 25}, {"", 0}, {"$100,000.00", 0}, {".", 0},
        {"abc", 0}};
    // clang-format on
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    const double huge = LeadingNumber(std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(huge) && huge > 1e300);
}

TEST(ToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    std::int16_t v = 0;
    const std::pair<double, int> cases[] = {{24.5, 24}, {25.5, 26},     {24.79, 25},     {-0.5, 0},
                                            {2.5, 2},   {32767, 32767}, {-32768, -32768}};
    for (const auto& [in, out] : cases) EXPECT_TRUE(ToInt16(in, v) && v == out) << in << " " << v;
    for (double out : {32767.6, -40000.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(ToInt16(out, v)) << out;
}

TEST(PlainNumber, ShortestFormThatKeepsTheValue) {
    const std::pair<double, const char*> cases[] = {
        {100000.0, "100000"}, {10.125, "10.125"}, {0.5, ".5"},     {-0.25, "-.25"},
        {0.0, "0"},           {1e-7, "1E-07"},    {1e20, "1E+20"}, {26.07142857, "26.07142857"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(PlainNumber(value), text) << value;
    EXPECT_EQ(PlainNumber(365.25f) + " " + PlainNumber(364.5f), "365.25 364.5");
    const double third = 1.0 / 3.0;
    EXPECT_EQ(std::stod("0" + PlainNumber(third)), third);
}

// Two decimals, or three when the caller allows them: given by reference the allowance of three
// is used up by the key it lets through after the point, given by value it stays. The filter
// looks at the whole text, not the caret; a second point passes (the value reader stops at it).
TEST(DecimalKeyFilter, DecimalsAllowedAfterThePoint) {
    // The key, the text, the decimals allowed before the key, the key passed (0: refused with a
    // beep) and the allowance given by reference afterwards.
    // clang-format off
    const std::tuple<int, const char*, int, int, int> cases[] = {
        {'5', "12.3", 0, '5', 0}, {'5', "12.34", 0, 0, 0}, {'7', "1234", 0, '7', 0},
        {'7', "", 0, '7', 0}, {'7', "12.", 0, '7', 0}, {'1', "0.5", 1, '1', 1},
        {'1', "0.55", 1, 0, 1}, {'5', "10.12", 3, '5', 0}, {'5', "10.125", 3, 0, 0},
        {'5', "10", 3, '5', 3}, {'1', "5.25", 0, 0, 0}, {'.', "5.2", 0, '.', 0},
        {kKeyBackspace, "12.34", 0, kKeyBackspace, 0}, {kKeyDelete, "1.23", 0, kKeyDelete, 0}};
    // clang-format on
    for (const auto& [key, text, allowed, passed, after] : cases) {
        std::int16_t decimals = static_cast<std::int16_t>(allowed);
        const KeyVerdict byRef = DecimalKeyFilter(key, text, decimals);
        const int byValue = DecimalKeyFilter(key, text, int{allowed}).key;
        EXPECT_EQ(std::tuple(byRef.key, byRef.beep, int(decimals), byValue),
                  std::tuple(passed, passed == 0, after, passed))
            << key << " on " << text;
    }
}

TEST(KeyFilters, EditingKeysPassAndOtherCharactersBeep) {
    for (int key :
         {int{'a'}, int{'Z'}, int{','}, int{'-'}, int{' '}, int{'$'}, int{'%'}, kKeyEnter}) {
        const KeyVerdict d = DecimalKeyFilter(key, "12", 0), w = DigitKeyFilter(key);
        EXPECT_TRUE(d.key == 0 && d.beep && w.key == 0 && w.beep) << key;
    }
    for (int key : {int{'0'}, int{'5'}, int{'9'}, kKeyBackspace, kKeyDelete})
        EXPECT_EQ(std::tuple(DigitKeyFilter(key).key, DigitKeyFilter(key).beep),
                  std::tuple(key, false));
    EXPECT_TRUE(DigitKeyFilter('.').key == 0 && DigitKeyFilter('.').beep);
}

constexpr NumberBoxRule kAmount{NumberKind::Decimal, 2, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kAmountFilterFirst{NumberKind::Decimal, 2, FilterOrder::FilterFirst};
constexpr NumberBoxRule kRate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kOneDecimal{NumberKind::Decimal, 1, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kYears{NumberKind::Digits, 0, FilterOrder::FilterFirst};
constexpr NumberBoxRule kYearsEmptyFirst{NumberKind::Digits, 0, FilterOrder::EmptyFirst};

// The key, the text, whether the box is untouched, its rule, and the step: empty the box, accept
// the key, beep.
TEST(NumberBoxRule, EntryKeys) {
    const std::tuple<int, const char*, bool, NumberBoxRule, bool, bool, bool> cases[] = {
        // The first key of an amount box meets the emptied box: any digit goes in. Judged
        // against the full text first, it is refused, and the box is emptied all the same.
        {'5', "12.34", true, kAmount, true, true, false},
        {'5', "12.34", true, kAmountFilterFirst, true, false, true},
        {'5', "12.3", true, kAmountFilterFirst, true, true, false},
        {'5', "12.34", false, kAmount, false, false, true},
        {'5', "12.3", false, kAmount, false, true, false},
        {'5', "1234", false, kAmount, false, true, false},
        {'.', "12.3", false, kAmount, false, true, false},
        {kKeyBackspace, "12.34", false, kAmount, false, true, false},
        {'a', "", true, kAmount, true, false, true},
        // Rates take a third decimal, every time, not once; an allowance below two means two.
        {'5', "6.50", false, kRate, false, true, false},
        {'5', "6.500", false, kRate, false, false, true},
        {'5', "6.5", false, kOneDecimal, false, true, false},
        {'5', "6.50", false, kOneDecimal, false, false, true},
        // Whole numbers: digits only, whichever order.
        {'7', "999", false, kYears, false, true, false},
        {'.', "25", false, kYears, false, false, true},
        {'a', "25", true, kYears, true, false, true},
        {'a', "25", true, kYearsEmptyFirst, true, false, true},
        {'3', "25", true, kYears, true, true, false}};
    for (const auto& [key, text, untouched, rule, emptyBox, accept, beep] : cases) {
        const EntryStep step = EntryKey(key, text, untouched, rule);
        EXPECT_EQ(std::tuple(step.emptyBox, step.accept, step.beep),
                  std::tuple(emptyBox, accept, beep))
            << char(key) << " on \"" << text << "\" untouched " << untouched;
    }
}

TEST(Dates, SerialCountsDaysFromTheEndOf1899) {
    EXPECT_EQ(DateSerial(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(DateSerial(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(DateSerial(QDate(2000, 1, 1)), 36526);
    EXPECT_EQ(DateSerial(QDate(2024, 2, 29)), 45351);
    for (const QDate d : {QDate(1950, 6, 15), QDate(2024, 1, 31), QDate(2099, 12, 31)})
        EXPECT_EQ(DateFromSerial(DateSerial(d)), d);
}

// Months clamp the day to the month's end; days step across months and years.
TEST(Dates, AddingMonthsAndDays) {
    const std::tuple<QDate, int, QDate> cases[] = {
        {QDate(2024, 1, 31), 1, QDate(2024, 2, 29)},  {QDate(2023, 1, 31), 1, QDate(2023, 2, 28)},
        {QDate(2024, 1, 31), 2, QDate(2024, 3, 31)},  {QDate(2024, 1, 31), 3, QDate(2024, 4, 30)},
        {QDate(2024, 3, 31), -1, QDate(2024, 2, 29)}, {QDate(2024, 2, 29), 12, QDate(2025, 2, 28)},
        {QDate(2024, 8, 15), 12, QDate(2025, 8, 15)}, {QDate(2024, 1, 31), -12, QDate(2023, 1, 31)},
    };
    for (const auto& [from, months, to] : cases)
        EXPECT_EQ(AddMonths(from, months), to) << from.toString().toStdString() << " + " << months;
    EXPECT_EQ(AddDays(QDate(2024, 2, 22), 7), QDate(2024, 2, 29));
    EXPECT_EQ(AddDays(QDate(2024, 1, 1), -14), QDate(2023, 12, 18));
}

TEST(Dates, ShortDateTextReadsBack) {
    for (const QDate& d :
         {QDate(2024, 1, 31), QDate(2031, 12, 1), QDate(2099, 7, 4), QDate(1999, 2, 28)})
        EXPECT_EQ(ParseDateText(ShortDateText(d)), d) << ShortDateText(d);
    // Schedules run for decades: the year is written out in full.
    EXPECT_NE(ShortDateText(QDate(2031, 12, 1)).find("2031"), std::string::npos);
}

TEST(Dates, ParseAcceptsIsoAndRefusesNonsense) {
    EXPECT_EQ(ParseDateText("2024-02-29"), QDate(2024, 2, 29));
    EXPECT_EQ(ParseDateText("  2024-01-31 "), QDate(2024, 1, 31));
    for (const char* text : {"2023-02-29", "2024-13-01", "", "tomorrow", "31/02"})
        EXPECT_FALSE(ParseDateText(text).has_value()) << text;
}

TEST(MessageText, EveryNumberedMessage) {
    // clang-format off
    const std::pair<int, const char*> table[] = {
        {1, "No data to print. Calculate."}, {4, "Wrong entry, try again."},
        {5, "Wrong entry, 40 Years limit."}, {7, "No Data to work with. Calculate."},
        {9, "Wrong format, if in previous format will open it."},
        {10, "Not a valid date, try again."},
        {13, "File not found or wrong format. Check Filename and/or Directory."},
        {14, "Bad Filename. Must be in the form MYFILE.KMD"}, {15, "No Records to save."},
        {16, "Wrong entry, 480 Month limit."}, {19, "Must be between 363 and 365.25 days"},
        {22, "12 Row limit."}, {25, "Bad filename, must be in the form MYFILE.KLD"},
        {29, "Bad filename, must be in the form MYFILE.KCD"},
        {34, "Term now greater than the number of years to final payment. Term will be reset to "
             "All Years."}};
    // clang-format on
    for (const auto& [code, text] : table) EXPECT_EQ(MessageText(code), text) << code;
    for (int code : {0, 2, 3, 6, 8, 11, 33, 35, -1, 32767})
        EXPECT_EQ(MessageText(code), "") << code;
}

TEST(QuestionText, QuestionsBeginWithABlank) {
    EXPECT_EQ(std::tuple(QuestionText(0), QuestionText(1), QuestionText(2), QuestionText(3)),
              std::tuple("", " Continue with Printout.", " Print in Color.", ""));
    EXPECT_EQ(std::tuple(kAnswerYes, kAnswerNo), std::tuple(6, 0));
}

TEST(Twips, PixelsFrameClassAndPlacements) {
    const std::pair<int, int> pixels[] = {{0, 0},      {7, 0},    {8, 1},
                                          {9615, 641}, {-60, -4}, {-30, -2}};
    for (const auto& [twips, px] : pixels) EXPECT_EQ(Px(twips), px) << twips;
    EXPECT_EQ(ToTwips(567), 8505);
    // Heights up to 8500 twips make the small frame; its windows sit at -60, -30 twips, and a
    // dialog takes its offset for the small frame below FrameClass 8501.
    const std::tuple<int, int, int, int> heights[] = {{6810, 6810, -60, -30},
                                                      {8490, 6810, -60, -30},
                                                      {8500, 6810, -60, -30},
                                                      {8505, 8670, 1000, 1000},
                                                      {12000, 8670, 1000, 1000}};
    for (const auto& [height, frameClass, left, top] : heights) {
        EXPECT_EQ(FrameClassForHeight(height), frameClass) << height;
        EXPECT_EQ(std::tuple(WindowPlacement(frameClass).left, WindowPlacement(frameClass).top),
                  std::tuple(left, top))
            << height;
    }
    for (const auto& [frameClass, left] : {std::pair{8500, 3600}, {8501, 4650}, {6810, 3600}})
        EXPECT_EQ(DialogOffset(frameClass, {3600, 2000}, {4650, 3000}).left, left) << frameClass;
    EXPECT_EQ(DialogOffset(8670, {3600, 2000}, {4650, 3000}).top, 3000);
}

}  // namespace
}  // namespace bw
