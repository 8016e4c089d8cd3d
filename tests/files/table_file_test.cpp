// Table files: the exact bytes written, reading back, refusing damaged files, and saving without
// ever leaving a half-written file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <random>

#include "files/table_file.h"
#include "shell/dates.h"
#include "support/file_bytes.h"
#include "tables/amortization_engine.h"

namespace bw {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// A freshly loaded mortgage window with the example's inputs.
TableFile ExampleFile(const std::string& date = "2024-06-15") {
    TableFile f;
    f.rate = 7.5;
    f.firstPayDate = date;
    return f;
}

void ExpectSame(const TableFile& a, const TableFile& b) {
    auto fields = [](const TableFile& f) {
        return std::tuple(f.principal, f.rate, f.period, f.compounding, f.frequency, f.firstPayDate,
                          f.dateMode, f.daysOption, f.rowView, f.prePayYears, f.prePayCount,
                          f.tableMode, f.daysInYear);
    };
    EXPECT_EQ(fields(a), fields(b));
    for (int y = 1; y <= a.prePayYears; ++y)
        EXPECT_EQ(a.prePayTable[y], b.prePayTable[y]) << "year " << y;
}

// Line 1 of the example with some fields replaced: {field number, text}.
std::string Line1(std::initializer_list<std::pair<int, std::string>> changes = {}) {
    std::vector<std::string> fields = {"100000",
                                       "7.5",
                                       "25",
                                       "\"      Monthly\"",
                                       "\"      Monthly\"",
                                       "\"2024-06-15\"",
                                       "0",
                                       "1",
                                       "2",
                                       "0",
                                       "0",
                                       "1",
                                       "365",
                                       "\"O\"",
                                       "0"};
    for (const auto& [field, value] : changes) fields[static_cast<std::size_t>(field - 1)] = value;
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
    return line + "\r\n";
}
std::string Line1With(int field, const std::string& value) {
    return Line1({{field, value}});
}
// Line 1 declaring `years` year lines, followed by `lines` (or by year lines "y,0").
std::string WithYears(int years, const std::string& lines) {
    return Line1With(10, std::to_string(years)) + lines;
}
std::string WithYears(int years) {
    std::string lines;
    for (int y = 1; y <= years; ++y) lines += std::to_string(y) + ",0\r\n";
    return WithYears(years, lines);
}

TEST(TableFileFormat, ExampleLineIsExact) {
    EXPECT_EQ(FormatTableFile(ExampleFile("06/15/2024")),
              "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"06/15/2024\",0,1,2,0,0,1,365,"
              "\"O\",0\r\n");
    // Captured from the window's state.
    MMODULE mm;
    mm.LoanInputs = {0, 100000, 7.5, 25, 0, 0};
    mm.FirstPayDate = ShortDateText(QDate(2024, 6, 15));
    mm.RowView = 2;
    EXPECT_EQ(FormatTableFile(CaptureTableFile(mm, lists::kCompounding[0], lists::kFrequency[0])),
              Line1With(6, "\"" + mm.FirstPayDate + "\""));
}

TEST(TableFileFormat, YearLinesAndNumberForms) {
    TableFile f = ExampleFile("2024-01-31");
    f.tableMode = 2;
    f.period = 30.0 / 12;  // a 30-month loan
    f.rate = 0.5;
    f.principal = 12345.67;
    f.compounding = "   Semiannual";
    f.frequency = " Biweekly(Acc)";
    f.dateMode = 1;
    f.daysOption = 4;
    f.daysInYear = 363.33f;  // written in its single-precision form
    f.rowView = 1;
    f.prePayYears = 3;
    f.prePayCount = 2;
    for (int y = 1; y <= 3; ++y) f.prePayTable[y][1] = Money::fromDouble(y);
    f.prePayTable[1][2] = Money::fromDouble(1500);
    f.prePayTable[3][2] = Money::fromDouble(0.25);
    EXPECT_EQ(FormatTableFile(f),
              "12345.67,.5,2.5,\"   Semiannual\",\" Biweekly(Acc)\",\"2024-01-31\",1,4,1,3,2,2,"
              "363.33,\"O\",0\r\n1,1500\r\n2,0\r\n3,.25\r\n");
}

TEST(TableFileFormat, RoundTripsEveryChoice) {
    std::mt19937 rng(7);
    int cases = 0;
    for (const auto& comp : lists::kCompounding)
        for (const auto& freq : lists::kFrequency)
            for (std::int16_t option = 0; option <= 4; ++option)
                for (int bits = 0; bits < 8; ++bits) {
                    TableFile f = ExampleFile(ShortDateText(QDate(2030, 2, 28)));
                    f.compounding = comp;
                    f.frequency = freq;
                    f.daysOption = option;
                    f.daysInYear = option == 4 ? 363.75f : 365.0f;
                    f.rowView = static_cast<std::int16_t>(1 + (bits & 1));
                    f.dateMode = static_cast<std::int16_t>((bits >> 1) & 1);
                    f.tableMode = static_cast<std::int16_t>(1 + ((bits >> 2) & 1));
                    f.principal = 1000 + rng() % 900000 + (rng() % 100) / 100.0;
                    f.rate = (rng() % 20000) / 1000.0;
                    f.period = f.tableMode == 1 ? rng() % 40 + 1 : (rng() % 480 + 1) / 12.0;
                    f.prePayYears = static_cast<std::int16_t>(rng() % 46);
                    f.prePayCount = 0;
                    for (int y = 1; y <= f.prePayYears; ++y) {
                        f.prePayTable[y][1] = Money::fromDouble(y);
                        if (rng() % 3 == 0) {
                            f.prePayTable[y][2] =
                                Money::fromTicks(static_cast<std::int64_t>(rng() % 100000000));
                            ++f.prePayCount;
                        }
                    }
                    std::string why;
                    const auto back = ParseTableFile(FormatTableFile(f), &why);
                    ASSERT_TRUE(back) << why << "\n" << FormatTableFile(f);
                    ExpectSame(f, *back);
                    ++cases;
                }
    EXPECT_EQ(cases, 5 * 6 * 5 * 8);
}

// --- Reading -------------------------------------------------------------------------------

TEST(TableFileRead, AcceptsTheExampleAndOtherLineEnds) {
    const auto f = ParseTableFile(Line1());
    ASSERT_TRUE(f);
    ExpectSame(*f, ExampleFile());
    std::string lf = WithYears(2, "1,0\r\n2,100\r\n");
    std::erase(lf, '\r');
    EXPECT_TRUE(ParseTableFile(lf));
    EXPECT_TRUE(ParseTableFile(Line1().substr(0, Line1().size() - 2)));  // no final line end
    EXPECT_TRUE(ParseTableFile(WithYears(45)));  // the largest file that is right
}

TEST(TableFileRead, RefusesDamagedFiles) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"blank lines", "\r\n\r\n"},
        {"one field", "100000\r\n"},
        {"fourteen fields", Line1().substr(0, Line1().rfind(",")) + "\r\n"},
        {"sixteen fields", Line1With(15, "0,0")},
        {"principal quoted", Line1With(1, "\"100000\"")},
        {"principal is text", Line1With(1, "abc")},
        {"principal empty", Line1With(1, "")},
        {"principal negative", Line1With(1, "-5")},
        {"principal past the currency", Line1With(1, "1E+16")},
        {"principal overflows a double", Line1With(1, "1E+400")},
        {"rate negative", Line1With(2, "-1")},
        {"period over 40 years", Line1With(3, "41")},
        {"compounding unquoted", Line1With(4, "Monthly")},
        {"compounding unknown", Line1With(4, "\"Monthly\"")},
        {"frequency unknown", Line1With(5, "\"   Daily\"")},
        {"frequency a number", Line1With(5, "12")},
        {"date not a date", Line1With(6, "\"31/02/2024\"")},
        {"date empty", Line1With(6, "\"\"")},
        {"date unquoted", Line1With(6, "2024-06-15")},
        {"date view 2", Line1With(7, "2")},
        {"days option 5", Line1With(8, "5")},
        {"days option -1", Line1With(8, "-1")},
        {"row view 0", Line1With(9, "0")},
        {"row view 3", Line1With(9, "3")},
        {"year count negative", Line1With(10, "-1")},
        {"year count past 16 bits", Line1With(10, "40000")},
        {"46 year lines", WithYears(46)},
        {"payment count 46", Line1With(11, "46")},
        {"table mode 3", Line1With(12, "3")},
        {"days in year text", Line1With(13, "\"365\"")},
        {"days past a single", Line1With(13, "1E+39")},
        {"typed days negative", Line1({{8, "4"}, {13, "-2"}})},
        {"marker unquoted", Line1With(14, "O")},
        {"marker value quoted", Line1With(15, "\"0\"")},
        {"missing year line", WithYears(1, "")},
        {"missing last year line", WithYears(2, "1,0\r\n")},
        {"year line with one field", WithYears(1, "1\r\n")},
        {"year line split over two lines", WithYears(1, "1\r\n0\r\n")},
        {"year line with three fields", WithYears(1, "1,0,0\r\n")},
        {"year line text", WithYears(1, "\"1\",0\r\n")},
        {"year number past 45", WithYears(1, "46,0\r\n")},
        {"year number not whole", WithYears(1, "1.5,0\r\n")},
        {"negative amount", WithYears(1, "1,-100\r\n")},
        {"amount past the currency", WithYears(1, "1,1E+300\r\n")},
        {"lines after the declared ones", Line1() + "1,0\r\n"},
        {"text after the file", Line1() + "garbage"},
        {"unterminated quote", "100000,7.5,25,\"      Monthly"},
        {"binary", std::string("\0\x01\xff\xfe,\"\x80\",\r\n", 11)},
    };
    for (const auto& [what, bytes] : cases) {
        std::string why;
        EXPECT_FALSE(ParseTableFile(bytes, &why)) << what;
        EXPECT_FALSE(why.empty()) << what;
    }
}

// Feeds every truncation of a good file and thousands of mutated and random files to the reader.
// Each is read or refused, never a crash; a file that is read holds only values the tables
// window can work with, writes back the same way, and the engine copes with it.
TEST(TableFileRead, TruncatedMutatedAndRandomFiles) {
    const std::string good = WithYears(4, "1,0\r\n2,2500.5\r\n3,100\r\n4,0\r\n");
    std::vector<std::string> files;
    for (std::size_t n = 0; n < good.size(); ++n) files.push_back(good.substr(0, n));
    const std::size_t truncations = files.size();
    std::mt19937 rng(2024);
    const char alphabet[] = "0123456789.,-+eE\" \r\nO";
    for (int i = 0; i < 6000; ++i) {
        std::string bytes = good;
        if (i % 4 == 3) {
            bytes.resize(rng() % 400);
            for (char& c : bytes) c = static_cast<char>(rng() % 256);
        } else {
            for (int e = 0, edits = 1 + int(rng() % 4); e < edits && !bytes.empty(); ++e) {
                const std::size_t pos = rng() % bytes.size();
                const char c = (rng() % 2) ? alphabet[rng() % (sizeof alphabet - 1)]
                                           : static_cast<char>(rng() % 256);
                switch (rng() % 4) {
                    case 0:
                        bytes[pos] = c;
                        break;
                    case 1:
                        bytes.insert(pos, 1, c);
                        break;
                    case 2:
                        bytes.erase(pos, 1);
                        break;
                    default:
                        bytes.resize(pos);
                        break;
                }
            }
        }
        files.push_back(bytes);
    }
    int read = 0, truncationsRead = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto f = ParseTableFile(files[i]);
        if (!f) continue;
        ++read;
        if (i < truncations) {
            ++truncationsRead;
            // Only a cut of the last line end can still be a file.
            EXPECT_GE(i, good.size() - 2) << i;
        }
        ASSERT_TRUE(f->prePayYears >= 0 && f->prePayYears <= 45) << files[i];
        ASSERT_TRUE(f->tableMode == 1 || f->tableMode == 2);
        ASSERT_TRUE(f->rowView == 1 || f->rowView == 2);
        ASSERT_TRUE(f->daysOption >= 0 && f->daysOption <= 4);
        const auto again = ParseTableFile(FormatTableFile(*f));
        ASSERT_TRUE(again) << FormatTableFile(*f);
        ExpectSame(*f, *again);
        MMODULE mm;
        RestoreTableFile(mm, *f);
        AmortizationInput in;
        in.tableMode = mm.TableMode;
        in.principal = mm.LoanInputs[1];
        in.rate = mm.LoanInputs[2];
        in.period = mm.LoanInputs[3];
        in.compounding = f->compounding;
        in.frequency = f->frequency;
        in.daysInYear = mm.DaysInYear;
        in.biWeeklyPeriods = mm.BiWeeklyPeriods;
        in.weeklyPeriods = mm.WeeklyPeriods;
        in.prePayTable = mm.PrePayTable;
        in.dateMode = mm.DateMode;
        in.firstPayDate = mm.FirstPayDate;
        in.rowView = mm.RowView;
        (void)CalculateSchedule(in);
    }
    EXPECT_EQ(truncationsRead, 2);  // the last line end cut in half or away
    EXPECT_GT(read, 50);
    EXPECT_LT(read, 3000);
}

// --- Restoring the shared state ------------------------------------------------------------

TEST(TableFileRestore, DaysAreReDerivedFromTheOption) {
    struct Case {
        const char* option;
        const char* stored;
        float days;
        double biWeekly, weekly;
    };
    const Case cases[] = {{"0", "300", 365.25f, 26.08928571, 52.17857143},
                          {"1", "300", 365.0f, 26.07142857, 52.14285714},
                          {"2", "300", 364.0f, 26.0, 52.0},
                          {"3", "300", 363.0f, 25.92857143, 51.85714286},
                          {"4", "364.5", 364.5f, 364.5 / 14, 364.5 / 7}};  // typed: kept
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        const auto f = ParseTableFile(Line1({{8, c.option}, {13, c.stored}}));
        ASSERT_TRUE(f);
        MMODULE mm;
        RestoreTableFile(mm, *f);
        EXPECT_EQ(mm.DaysOption, std::stoi(c.option));
        EXPECT_EQ(mm.DaysInYear, c.days);
        EXPECT_DOUBLE_EQ(mm.BiWeeklyPeriods, c.biWeekly);
        EXPECT_DOUBLE_EQ(mm.WeeklyPeriods, c.weekly);
    }
}

TEST(TableFileRestore, ReCreatesTheAdditionalPaymentsAndKeepsThePeriodInYears) {
    MMODULE mm;
    for (auto& row : mm.PrePayTable)
        row = {Money::fromDouble(9), Money::fromDouble(9), Money::fromDouble(9)};
    const auto f =
        ParseTableFile(Line1({{3, "2.5"}, {10, "2"}, {12, "2"}}) + "1,0\r\n2,750.25\r\n");
    ASSERT_TRUE(f);
    RestoreTableFile(mm, *f);
    EXPECT_EQ(mm.PrePayYears, 2);
    EXPECT_EQ(mm.PrePayTable[0][2], Money());
    EXPECT_EQ(mm.PrePayTable[1][1], Money::fromDouble(1));
    EXPECT_EQ(mm.PrePayTable[1][2], Money());
    EXPECT_EQ(mm.PrePayTable[2][2], Money::fromDouble(750.25));
    EXPECT_EQ(mm.PrePayTable[3][1], Money());
    EXPECT_EQ(mm.PrePayTable[45][2], Money());
    EXPECT_EQ(mm.TableMode, 2);
    EXPECT_EQ(mm.LoanInputs[3] * 12, 30);
}

TEST(TableFileRestore, AnIsoDateIsReadOnAnyMachine) {
    MMODULE mm;
    RestoreTableFile(mm, *ParseTableFile(Line1With(6, "\"2031-05-01\"")));
    EXPECT_EQ(mm.FirstPayDate, ShortDateText(QDate(2031, 5, 1)));
    // The machine's own short date text is read as well.
    const auto g = ParseTableFile(Line1With(6, "\"" + ShortDateText(QDate(2029, 12, 3)) + "\""));
    ASSERT_TRUE(g);
    RestoreTableFile(mm, *g);
    EXPECT_EQ(ParseDateText(mm.FirstPayDate), QDate(2029, 12, 3));
}

// --- Files on disk -------------------------------------------------------------------------

class TableFileDisk : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    int FilesInFolder() const {
        return static_cast<int>(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size());
    }
    QTemporaryDir dir_;
};

TEST_F(TableFileDisk, SaveThenRead) {
    const std::string path = Path("house.kmd");
    TableFile f = ExampleFile();
    f.prePayYears = 2;
    f.prePayTable[1][1] = Money::fromDouble(1);
    f.prePayTable[2][1] = Money::fromDouble(2);
    f.prePayTable[2][2] = Money::fromDouble(5000);
    ASSERT_TRUE(WriteTableFile(path, f));
    EXPECT_EQ(ReadBytes(path), FormatTableFile(f));
    ExpectSame(f, ReadTableFile(path).value());
    // Saving again replaces the file, keeping its permissions; no temporary file is left.
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    f.principal = 250000;
    ASSERT_TRUE(WriteTableFile(path, f));
    EXPECT_EQ(ReadTableFile(path)->principal, 250000);
    EXPECT_EQ(FilesInFolder(), 1);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(TableFileDisk, RefusesWhatIsNotATableFile) {
    std::string why;
    EXPECT_FALSE(ReadTableFile(Path("none.kmd"), &why));
    EXPECT_FALSE(ReadTableFile("", &why));
    EXPECT_FALSE(ReadTableFile(dir_.path().toStdString(), &why));  // a folder
    ASSERT_TRUE(WriteBytes(Path("big.kmd"), Line1() + std::string(kTableFileMaxBytes, ' ')));
    EXPECT_FALSE(ReadTableFile(Path("big.kmd"), &why));
    // A pipe would block a reader forever.
    ASSERT_EQ(mkfifo(Path("pipe.kmd").c_str(), 0600), 0);
    EXPECT_FALSE(ReadTableFile(Path("pipe.kmd"), &why));
}

TEST_F(TableFileDisk, AFailedSaveLeavesTheOldFileWhole) {
    const std::string path = Path("old.kmd");
    const std::string old = FormatTableFile(ExampleFile());
    ASSERT_TRUE(WriteBytes(path, old));
    TableFile f = ExampleFile();
    f.principal = 1;
    EXPECT_FALSE(WriteFileReplacing(path, FormatTableFile(f),
                                    [](const std::string&, const std::string&) { return false; }));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1);
    if (geteuid() != 0) {  // permissions do not bind the superuser
        ASSERT_EQ(chmod(dir_.path().toStdString().c_str(), 0500), 0);
        EXPECT_FALSE(WriteTableFile(path, f));
        chmod(dir_.path().toStdString().c_str(), 0700);
        EXPECT_EQ(ReadBytes(path), old);
    }
    // Over a folder, into no folder, or to a name that is a folder.
    const std::string sub = Path("taken.kmd");
    std::filesystem::create_directory(sub);
    ASSERT_TRUE(WriteBytes(sub + "/inside", "x"));
    EXPECT_FALSE(WriteTableFile(sub, f));
    EXPECT_EQ(ReadBytes(sub + "/inside"), "x");
    EXPECT_FALSE(WriteTableFile(Path("no/such/x.kmd"), f));
    EXPECT_FALSE(WriteTableFile(dir_.path().toStdString() + "/", f));
}

}  // namespace
}  // namespace bw
