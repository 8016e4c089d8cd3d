#pragma once
// Date services: serial numbers, month and day steps, and the system's short date text.

#include <QDate>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

// Days since 30 December 1899 (day 0), the serial stored in the schedule's date column.
long long DateSerial(const QDate& date);
QDate DateFromSerial(long long serial);

// Adds months; a day past the end of the target month becomes its last day (31 Jan + 1 = 28/29
// Feb).
QDate AddMonths(const QDate& date, int months);
QDate AddDays(const QDate& date, int days);
QDate Today();

// The system's short date form (QLocale::system()), always with a four-digit year.
QString ShortDateFormat();
std::string ShortDateText(const QDate& date);

// Reads a date typed or stored in the short date form; also accepts ISO yyyy-mm-dd. Returns
// nothing for a text that is not a valid date ("31/02/2027").
std::optional<QDate> ParseDateText(std::string_view text);

}  // namespace bw
