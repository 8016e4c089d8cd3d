// Date services: serials, month and day steps, the system's short date text.

#include <gtest/gtest.h>

#include "shell/dates.h"

namespace bw {
namespace {

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
    const QDate dates[] = {QDate(2024, 1, 31), QDate(2031, 12, 1), QDate(2099, 7, 4),
                           QDate(1999, 2, 28)};
    for (const QDate& d : dates) {
        const std::string text = ShortDateText(d);
        EXPECT_EQ(ParseDateText(text), d) << text;
    }
    // Schedules run for decades: the year is written out in full.
    EXPECT_NE(ShortDateText(QDate(2031, 12, 1)).find("2031"), std::string::npos);
}

TEST(Dates, ParseAcceptsIsoAndRefusesNonsense) {
    EXPECT_EQ(ParseDateText("2024-02-29"), QDate(2024, 2, 29));
    EXPECT_EQ(ParseDateText("  2024-01-31 "), QDate(2024, 1, 31));
    for (const char* text : {"2023-02-29", "2024-13-01", "", "tomorrow", "31/02"})
        EXPECT_FALSE(ParseDateText(text).has_value()) << text;
}

}  // namespace
}  // namespace bw
