// Table files: the exact bytes written, reading back, refusing damaged files, restoring the
// shared state, and saving without ever leaving a half-written file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <random>

#include "files/table_file.h"
#include "shell/dates.h"
#include "support/file_bytes.h"
#include "tables/schedule_mapping.h"

namespace bw {
namespace {

auto Fields(const TableFile& f) {
    return std::tuple(f.principal, f.rate, f.period, f.compounding, f.frequency, f.firstPayDate,
                      f.dateMode, f.daysOption, f.rowView, f.prePayYears, f.prePayCount,
                      f.tableMode, f.daysInYear);
}

// Line 1 of a 25-year mortgage of 100000 at 7.5 percent, with fields replaced: {field, text}.
std::string Line1(std::initializer_list<std::pair<int, std::string>> changes = {}) {
    QStringList f =
        QString(
            R"(100000,7.5,25,"      Monthly","      Monthly","2024-06-15",0,1,2,0,0,1,365,"O",0)")
            .split(',');
    for (const auto& [field, value] : changes) f[field - 1] = QString::fromStdString(value);
    return f.join(',').toStdString() + "\r\n";
}
// Line 1 declaring `years` year lines, then `lines` (by default "y,0" for each year).
std::string WithYears(int years, std::string lines = "-") {
    if (lines == "-") {
        lines.clear();
        for (int y = 1; y <= years; ++y) lines += std::to_string(y) + ",0\r\n";
    }
    return Line1({{10, std::to_string(years)}}) + lines;
}

// Files read and written again give the same bytes; each list text, option and number form.
TEST(TableFileFormat, ReadsAndWritesTheExactBytes) {
    const std::string loan =
        "12345.67,.5,2.5,\"   Semiannual\",\" Biweekly(Acc)\",\"2024-01-31\",1,4,1,3,2,2,"
        "363.33,\"O\",0\r\n1,1500\r\n2,0\r\n3,.25\r\n";
    std::vector<std::string> files = {loan, Line1()};
    for (std::size_t i = 0; i < 6; ++i)
        files.push_back(Line1({{4, '"' + lists::kCompounding[i % 5] + '"'},
                               {5, '"' + lists::kFrequency[i] + '"'},
                               {8, std::to_string(i % 5)}}));
    for (const std::string& bytes : files) {
        const auto f = ParseTableFile(bytes);
        ASSERT_TRUE(f) << bytes;
        EXPECT_EQ(FormatTableFile(*f), bytes);
    }
    const TableFile f = ParseTableFile(loan).value();
    EXPECT_EQ(Fields(f), std::tuple(12345.67, 0.5, 2.5, std::string("   Semiannual"),
                                    std::string(" Biweekly(Acc)"), std::string("2024-01-31"), 1, 4,
                                    1, 3, 2, 2, 363.33f));
    EXPECT_EQ(f.prePayTable[3],
              (std::array{Money(), Money::fromDouble(3), Money::fromDouble(0.25)}));
}

TEST(TableFileRead, AcceptsGoodFilesAndRefusesDamagedOnes) {
    std::string lf = WithYears(2);
    std::erase(lf, '\r');
    std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"the example", Line1(), true},
        {"line feeds alone", lf, true},
        {"no final line end", Line1().substr(0, Line1().size() - 2), true},
        {"45 year lines", WithYears(45), true},
        {"40 years, 45 payments", Line1({{3, "40"}, {11, "45"}}), true},
        {"empty", "", false},
        {"one field", "100000\r\n", false},
        {"fourteen fields", Line1().substr(0, Line1().rfind(',')) + "\r\n", false},
        {"46 year lines", WithYears(46), false},
        {"fixed days option, any count", Line1({{8, "1"}, {13, "364E5"}}), true},
        {"date of another locale", Line1({{6, "\"12/7/26\""}}), true},
        {"lines after the declared ones", Line1() + "1,0\r\n", false},
        {"unterminated quote", "100000,7.5,25,\"      Monthly", false},
        {"binary", std::string("\0\x01\xff\xfe,\"\x80\",\r\n", 11), false}};
    // One field of line 1 replaced: sixteen fields, a quoted principal, negative or past the
    // currency, more than 40 years, unquoted or unknown lists, an unquoted date, options out of
    // range, a year count negative or past 16 bits, days as text, the marker and month code.
    for (const std::string change :
         {"15:0,0",    "1:\"100000\"",  "1:-5",           "1:1E+16",  "2:-1",         "3:41",
          "4:Monthly", "4:\"Monthly\"", "5:\"   Daily\"", "5:12",     "6:2024-06-15", "7:2",
          "8:5",       "9:3",           "10:-1",          "10:40000", "12:3",         "13:\"365\"",
          "14:O",      "15:\"0\"",      "15:13",          "15:-1"})
        cases.emplace_back(
            change, Line1({{std::stoi(change), change.substr(change.find(':') + 1)}}), false);
    // Typed days from 363 to 365.25.
    for (const std::string days : {"363", "365.25", "362.99", "365.26", "364E5"})
        cases.emplace_back(days, Line1({{8, "4"}, {13, days}}), days == "363" || days == "365.25");
    // One year line: missing, text, an amount past the currency or negative, one or three
    // fields, a year past 45 or not whole.
    for (const char* line : {"", "\"1\",0\r\n", "1,1E+300\r\n", "1\r\n", "1,0,0\r\n", "46,0\r\n",
                             "1.5,0\r\n", "1,-100\r\n"})
        cases.emplace_back(line, WithYears(1, line), false);
    for (const auto& [what, bytes, good] : cases) {
        std::string why;
        EXPECT_EQ(ParseTableFile(bytes, &why).has_value(), good) << what << ": " << why;
        EXPECT_EQ(why.empty(), good) << what;
    }
}

// Every truncation and thousands of mutations of a good file are read or refused, never a
// crash; a file that is read holds only values the window works with and writes back the same.
TEST(TableFileRead, TruncatedAndMutatedFiles) {
    const std::string good = WithYears(4, "1,0\r\n2,2500.5\r\n3,100\r\n4,0\r\n");
    std::mt19937 rng(2024);
    int read = 0;
    for (std::size_t i = 0; i < good.size() + 5000; ++i) {
        std::string bytes = good.substr(0, i);
        if (i >= good.size()) {
            bytes = good;
            for (int e = 0, edits = 1 + int(rng() % 4); e < edits && !bytes.empty(); ++e) {
                const std::size_t pos = rng() % bytes.size();
                const char c = "0123456789.,-\"\r\nO\xff"[rng() % 18];
                if (rng() % 3 == 0)
                    bytes.erase(pos, 1);
                else
                    bytes[pos] = c;
            }
        }
        const auto f = ParseTableFile(bytes);
        if (!f) continue;
        ++read;
        EXPECT_TRUE(i >= good.size() - 2) << "truncated at " << i;
        ASSERT_TRUE(f->prePayYears >= 0 && f->prePayYears <= 45) << bytes;
        ASSERT_TRUE(f->daysOption >= 0 && f->daysOption <= 4) << bytes;
        const std::string written = FormatTableFile(*f);
        EXPECT_EQ(FormatTableFile(ParseTableFile(written).value_or(TableFile{})), written);
    }
    EXPECT_GT(read, 50);
}

// Options 0 to 3 replace the stored day count with their own (option 4, typed, keeps it: the
// round trip below).
TEST(TableFileRestore, ReCreatesTheAdditionalPaymentsAndTheDaysAndReadsTheDate) {
    MMODULE mm;
    for (auto& row : mm.PrePayTable) row = {Money::fromDouble(9), Money(), Money::fromDouble(9)};
    const std::string file =
        Line1({{3, "2.5"}, {6, "\"2031-05-01\""}, {8, "3"}, {10, "2"}, {12, "2"}, {13, "300"}});
    RestoreTableFile(mm, ParseTableFile(file + "1,0\r\n2,750.25\r\n").value());
    // The count comes from the year lines; a 30-month loan.
    EXPECT_EQ(std::tuple(mm.PrePayYears, mm.PrePayCount, mm.TableMode, mm.LoanInputs[3] * 12,
                         mm.FirstPayDate, mm.DaysOption, mm.DaysInYear, mm.BiWeeklyPeriods,
                         mm.WeeklyPeriods),
              std::tuple(2, 1, 2, 30, "2031-05-01", 3, 363.0f, 25.92857143, 51.85714286));
    EXPECT_EQ(mm.PrePayTable[1], (std::array{Money(), Money::fromDouble(1), Money()}));
    EXPECT_EQ(std::tuple(mm.PrePayTable[2][2], mm.PrePayTable[3][0], mm.PrePayTable[45][2]),
              std::tuple(Money::fromDouble(750.25), Money(), Money()));
}

// Restored and captured again, a file gives the same bytes: typed days, a date this locale cannot
// read kept as stored, and the month of the additional payments (the last field of line 1) comes
// back; a file of the old layout (0 there) leaves the month as it is. The schedule counts such a
// date as today, and reads one it can read as this locale does.
TEST(TableFileRestore, RestoredAndCapturedAgainGivesTheSameBytes) {
    const std::string bytes = Line1({{6, "\"31/02/26\""}, {8, "4"}, {13, "364.5"}, {15, "4"}});
    MMODULE mm;
    RestoreTableFile(mm, ParseTableFile(bytes).value());
    EXPECT_EQ(FormatTableFile(CaptureTableFile(mm, lists::kCompounding[0], lists::kFrequency[0])),
              bytes);
    EXPECT_EQ(ScheduleInput(mm, "", "").firstPayDate, ShortDateText(Today()));
    RestoreTableFile(mm, ParseTableFile(Line1()).value());
    EXPECT_EQ(std::tuple(mm.PrePayMonth, ScheduleInput(mm, "", "").firstPayDate),
              std::tuple(4, ShortDateText(QDate(2024, 6, 15))));
}

class TableFileDisk : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    int FilesInFolder() const {
        return int(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size());
    }
    QTemporaryDir dir_;
};

TEST_F(TableFileDisk, SavingReplacesTheFileWhole) {
    const std::string path = Path("house.kmd");
    const std::string bytes = Line1({{10, "1"}, {11, "1"}}) + "1,5000\r\n";
    TableFile f = ParseTableFile(bytes).value();
    ASSERT_TRUE(WriteTableFile(path, f));
    EXPECT_EQ(test::ReadBytes(path), bytes);
    // Saving again keeps the file's permissions and leaves no temporary file.
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    f.principal = 250000;
    ASSERT_TRUE(WriteTableFile(path, f));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(std::tuple(ReadTableFile(path)->principal, FilesInFolder(), st.st_mode & 0777),
              std::tuple(250000.0, 1, 0640u));
    // A failed rename keeps the old file as it was.
    const std::string old = test::ReadBytes(path);
    f.principal = 1;
    EXPECT_FALSE(WriteFileReplacing(path, FormatTableFile(f),
                                    [](const std::string&, const std::string&) { return false; }));
    EXPECT_EQ(std::tuple(test::ReadBytes(path), FilesInFolder()), std::tuple(old, 1));
}

TEST_F(TableFileDisk, RefusesWhatIsNotATableFile) {
    ASSERT_TRUE(test::WriteBytes(Path("big.kmd"), Line1() + std::string(kTableFileMaxBytes, ' ')));
    ASSERT_EQ(mkfifo(Path("pipe.kmd").c_str(), 0600), 0);  // would block a reader forever
    std::filesystem::create_directory(Path("taken.kmd"));
    for (const std::string& path : {Path("none.kmd"), std::string(), dir_.path().toStdString(),
                                    Path("big.kmd"), Path("pipe.kmd")})
        EXPECT_FALSE(ReadTableFile(path)) << path;
    for (const std::string& path : {Path("taken.kmd"), Path("no/such/x.kmd"), Path("")})
        EXPECT_FALSE(WriteTableFile(path, TableFile{})) << path;
    EXPECT_TRUE(std::filesystem::is_directory(Path("taken.kmd")));
}

}  // namespace
}  // namespace bw
