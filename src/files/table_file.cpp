#include "files/table_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shell/dates.h"
#include "shell/record_file.h"
#include "tables/days_in_year.h"
#include "tables/pre_pay_rules.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace bw {
namespace {

// The largest principal the currency type holds: a larger one can never be calculated.
constexpr double kMaxPrincipal = 922337203685477.0;
// The tables window takes at most 40 years (480 months).
constexpr double kMaxPeriodYears = 40.0;

template <std::size_t N>
bool IsListText(const std::array<std::string, N>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// A text field cannot hold a double quote: the files have no escaping.
std::string Unquoted(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

bool Fail(std::string* why, const std::string& text) {
    if (why) *why = text;
    return false;
}

// Reads the fields of line 1 and the year lines, checking every value.
bool ParseInto(std::string_view bytes, TableFile& f, std::string* why) {
    RecordReader in(bytes);
    // Each field of line 1 but the last must be followed by a comma, the last by the line end.
    auto sameLine = [&](int field) {
        if (in.atLineStart()) return Fail(why, "line 1 ends after field " + std::to_string(field));
        return true;
    };
    auto lineEnds = [&](const std::string& where) {
        if (!in.atLineStart()) return Fail(why, where + " has too many fields");
        return true;
    };

    auto principal = in.number();
    if (!principal) return Fail(why, "field 1 (principal) is not a number");
    if (!sameLine(1)) return false;
    auto rate = in.number();
    if (!rate) return Fail(why, "field 2 (rate) is not a number");
    if (!sameLine(2)) return false;
    auto period = in.number();
    if (!period) return Fail(why, "field 3 (period) is not a number");
    if (!sameLine(3)) return false;
    auto compounding = in.text();
    if (!compounding) return Fail(why, "field 4 (compounding) is not a text");
    if (!sameLine(4)) return false;
    auto frequency = in.text();
    if (!frequency) return Fail(why, "field 5 (payment frequency) is not a text");
    if (!sameLine(5)) return false;
    auto date = in.text();
    if (!date) return Fail(why, "field 6 (first payment date) is not a text");
    if (!sameLine(6)) return false;
    std::optional<std::int16_t> ints[6];  // fields 7 to 12
    for (int i = 0; i < 6; ++i) {
        ints[i] = in.int16();
        if (!ints[i]) return Fail(why, "field " + std::to_string(7 + i) + " is not a whole number");
        if (!sameLine(7 + i)) return false;
    }
    auto days = in.single();
    if (!days) return Fail(why, "field 13 (days in year) is not a number");
    if (!sameLine(13)) return false;
    if (!in.text()) return Fail(why, "field 14 is not a text");
    if (!sameLine(14)) return false;
    auto month = in.int16();
    if (!month) return Fail(why, "field 15 (month of the additional payments) is not whole");
    if (!lineEnds("line 1")) return false;

    f.principal = *principal;
    f.rate = *rate;
    f.period = *period;
    f.compounding = *compounding;
    f.frequency = *frequency;
    f.firstPayDate = *date;
    f.dateMode = *ints[0];
    f.daysOption = *ints[1];
    f.rowView = *ints[2];
    f.prePayYears = *ints[3];
    f.prePayCount = *ints[4];
    f.tableMode = *ints[5];
    f.daysInYear = *days;
    f.prePayMonth = *month;

    if (!(f.principal >= 0 && f.principal <= kMaxPrincipal))
        return Fail(why, "principal out of range");
    if (!(f.rate >= 0)) return Fail(why, "rate out of range");
    if (!(f.period >= 0 && f.period <= kMaxPeriodYears)) return Fail(why, "period out of range");
    if (!IsListText(lists::kCompounding, f.compounding))
        return Fail(why, "unknown compounding \"" + f.compounding + "\"");
    if (!IsListText(lists::kFrequency, f.frequency))
        return Fail(why, "unknown payment frequency \"" + f.frequency + "\"");
    if (f.dateMode != 0 && f.dateMode != 1) return Fail(why, "date view out of range");
    if (f.daysOption < 0 || f.daysOption > 4) return Fail(why, "days option out of range");
    if (f.rowView != 1 && f.rowView != 2) return Fail(why, "row view out of range");
    if (f.prePayYears < 0 || f.prePayYears > kTableFileMaxYears)
        return Fail(why, "number of year lines out of range");
    if (f.tableMode != 1 && f.tableMode != 2) return Fail(why, "table mode out of range");
    // A typed day count (option 4) must be one the days dialog accepts; the fixed options
    // replace it.
    if (f.daysOption == 4 && !DaysInRange(f.daysInYear))
        return Fail(why, "days in year out of range");
    if (f.prePayMonth < 0 || f.prePayMonth > 12)
        return Fail(why, "month of the additional payments out of range");

    f.prePayTable = PrePayTableData{};
    for (int y = 1; y <= f.prePayYears; ++y) {
        const std::string line = "year line " + std::to_string(y);
        if (in.atEnd()) return Fail(why, line + " is missing");
        auto year = in.money();
        if (!year) return Fail(why, line + ": the year is not a number");
        if (in.atLineStart()) return Fail(why, line + " has one field");
        auto amount = in.money();
        if (!amount) return Fail(why, line + ": the amount is not a number");
        if (!lineEnds(line)) return false;
        const std::int64_t t = year->ticks();
        if (t < 0 || t % Money::kScale != 0 || t / Money::kScale > kTableFileMaxYears)
            return Fail(why, line + ": year out of range");
        if (*amount < Money()) return Fail(why, line + ": negative amount");
        auto& row = f.prePayTable[static_cast<std::size_t>(y)];
        row[1] = *year;
        row[2] = *amount;
    }
    if (!in.atEnd()) return Fail(why, "more lines than the file declares");
    // The count of years with an amount follows from the year lines, whatever the file says.
    f.prePayCount = CountPrePayYears(f.prePayTable, f.prePayYears);
    return true;
}

bool SystemRename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::string FormatTableFile(const TableFile& f) {
    RecordWriter out;
    out.number(f.principal)
        .number(f.rate)
        .number(f.period)
        .text(Unquoted(f.compounding))
        .text(Unquoted(f.frequency))
        .text(Unquoted(f.firstPayDate))
        .integer(f.dateMode)
        .integer(f.daysOption)
        .integer(f.rowView)
        .integer(f.prePayYears)
        .integer(f.prePayCount)
        .integer(f.tableMode)
        .single(f.daysInYear)
        .text("O")
        .integer(f.prePayMonth)
        .endLine();
    const int years = std::clamp<int>(f.prePayYears, 0, kTableFileMaxYears);
    for (int y = 1; y <= years; ++y) {
        const auto& row = f.prePayTable[static_cast<std::size_t>(y)];
        out.money(row[1]).money(row[2]).endLine();
    }
    return out.str();
}

std::optional<TableFile> ParseTableFile(std::string_view bytes, std::string* why) {
    TableFile f;
    if (!ParseInto(bytes, f, why)) return std::nullopt;
    return f;
}

std::optional<TableFile> ReadTableFile(const std::string& path, std::string* why) {
    std::error_code ec;
    const std::filesystem::path p(path);
    // Only a regular file is read: a folder, a device or a pipe is refused before it is opened.
    if (path.empty() || !std::filesystem::is_regular_file(p, ec)) {
        Fail(why, "no such file");
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(p, ec);
    if (ec || size > kTableFileMaxBytes) {
        Fail(why, "not a table file (too large)");
        return std::nullopt;
    }
    std::ifstream file(p, std::ios::binary);
    if (!file) {
        Fail(why, "cannot open the file");
        return std::nullopt;
    }
    std::string bytes(kTableFileMaxBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        Fail(why, "cannot read the file");
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > kTableFileMaxBytes) {
        Fail(why, "not a table file (too large)");
        return std::nullopt;
    }
    return ParseTableFile(bytes, why);
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes, RenameFunction rename,
                        std::string* why) {
    QFileInfo info(QString::fromStdString(path));
    // Saving through a link replaces what it points to, and keeps the link.
    if (info.isSymLink()) info = QFileInfo(info.symLinkTarget());
    if (info.fileName().isEmpty()) return Fail(why, "no file name");
    if (info.exists() && !info.isFile()) return Fail(why, "not a file");
    const QDir folder = info.absoluteDir();
    if (!folder.exists()) return Fail(why, "no such folder");
    const std::string target = info.absoluteFilePath().toStdString();

    QTemporaryFile temp(folder.filePath("." + info.fileName() + ".XXXXXX"));
    temp.setAutoRemove(true);
    if (!temp.open()) return Fail(why, "cannot create a file in the folder");
    const auto perms = info.exists() ? info.permissions()
                                     : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                        QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    temp.setPermissions(perms);
    const auto size = static_cast<qint64>(bytes.size());
    if (temp.write(bytes.data(), size) != size || !temp.flush())
        return Fail(why, "cannot write the file");
#if defined(__unix__) || defined(__APPLE__)
    if (::fsync(temp.handle()) != 0) return Fail(why, "cannot write the file");
#endif
    temp.close();
    const std::string from = temp.fileName().toStdString();
    if (!(rename ? rename : SystemRename)(from, target))
        return Fail(why, "cannot replace the file");
    temp.setAutoRemove(false);
    return true;
}

bool WriteTableFile(const std::string& path, const TableFile& file, std::string* why) {
    return WriteFileReplacing(path, FormatTableFile(file), nullptr, why);
}

TableFile CaptureTableFile(const MMODULE& mm, const std::string& compounding,
                           const std::string& frequency) {
    TableFile f;
    f.principal = mm.LoanInputs[1];
    f.rate = mm.LoanInputs[2];
    f.period = mm.LoanInputs[3];
    f.compounding = compounding;
    f.frequency = frequency;
    // The date text goes back as it came, whatever locale wrote it; only a missing one becomes
    // today's date.
    f.firstPayDate = mm.FirstPayDate.empty() ? ShortDateText(Today()) : mm.FirstPayDate;
    f.dateMode = mm.DateMode;
    f.daysOption = mm.DaysOption;
    f.rowView = mm.RowView;
    f.prePayYears =
        static_cast<std::int16_t>(std::clamp<int>(mm.PrePayYears, 0, kTableFileMaxYears));
    f.prePayCount = mm.PrePayCount;
    f.tableMode = mm.TableMode;
    f.daysInYear = mm.DaysInYear;
    f.prePayTable = mm.PrePayTable;
    f.prePayMonth = mm.PrePayMonth >= 1 && mm.PrePayMonth <= 12 ? mm.PrePayMonth : 12;
    return f;
}

void RestoreTableFile(MMODULE& mm, const TableFile& f) {
    mm.LoanInputs[1] = f.principal;
    mm.LoanInputs[2] = f.rate;
    mm.LoanInputs[3] = f.period;
    mm.FirstPayDate = f.firstPayDate;
    mm.DateMode = f.dateMode;
    mm.RowView = f.rowView;
    mm.PrePayYears = f.prePayYears;
    mm.PrePayCount = f.prePayCount;
    if (f.prePayMonth != 0) mm.PrePayMonth = f.prePayMonth;  // 0: a file of the old layout
    mm.TableMode = f.tableMode;
    const DaysSetting days = DaysForOption(f.daysOption, f.daysInYear);
    mm.DaysOption = days.option;
    mm.DaysInYear = days.daysInYear;
    mm.BiWeeklyPeriods = days.biWeeklyPeriods;
    mm.WeeklyPeriods = days.weeklyPeriods;
    mm.PrePayTable = PrePayTableData{};
    for (int y = 1; y <= f.prePayYears && y <= kTableFileMaxYears; ++y)
        mm.PrePayTable[static_cast<std::size_t>(y)] = f.prePayTable[static_cast<std::size_t>(y)];
}

}  // namespace bw
