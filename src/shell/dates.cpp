#include "shell/dates.h"

#include <QLocale>
#include <QString>

namespace bw {
namespace {
const QDate kEpoch(1899, 12, 30);
}

long long DateSerial(const QDate& date) {
    return kEpoch.daysTo(date);
}

QDate DateFromSerial(long long serial) {
    return kEpoch.addDays(serial);
}

QDate AddMonths(const QDate& date, int months) {
    return date.addMonths(months);
}

QDate AddDays(const QDate& date, int days) {
    return date.addDays(days);
}

QDate Today() {
    return QDate::currentDate();
}

QString ShortDateFormat() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    // A two-digit year cannot tell 1930 from 2030, and schedules run for decades.
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), "yyyy");
    return format;
}

std::string ShortDateText(const QDate& date) {
    return QLocale::system().toString(date, ShortDateFormat()).toStdString();
}

std::optional<QDate> ParseDateText(std::string_view text) {
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    if (t.isEmpty()) return std::nullopt;
    const QLocale locale = QLocale::system();
    QDate d = locale.toDate(t, ShortDateFormat());
    if (!d.isValid()) {
        // A text with a two-digit year, as the locale's own short form writes it.
        d = locale.toDate(t, locale.dateFormat(QLocale::ShortFormat));
        if (d.isValid() && d.year() < 1930) d = d.addYears(100);
    }
    if (!d.isValid()) d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid()) return std::nullopt;
    return d;
}

}  // namespace bw
