// Table files: the exact bytes written, reading back, refusing damaged files, and saving without
// ever leaving a half-written file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <random>

#include "files/table_file.h"
#include "shell/dates.h"
#include "tables/amortization_engine.h"

namespace bw {
namespace {

const std::string kMonthly = "      Monthly";

// The state of a freshly loaded mortgage window with the example's inputs.
TableFile ExampleFile(const std::string& date) {
    TableFile f;
    f.principal = 100000;
    f.rate = 7.5;
    f.period = 25;
    f.compounding = kMonthly;
    f.frequency = kMonthly;
    f.firstPayDate = date;
    f.dateMode = 0;
    f.daysOption = 1;
    f.rowView = 2;
    f.prePayYears = 0;
    f.prePayCount = 0;
    f.tableMode = 1;
    f.daysInYear = 365;
    return f;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void ExpectSame(const TableFile& a, const TableFile& b) {
    EXPECT_EQ(a.principal, b.principal);
    EXPECT_EQ(a.rate, b.rate);
    EXPECT_EQ(a.period, b.period);
    EXPECT_EQ(a.compounding, b.compounding);
    EXPECT_EQ(a.frequency, b.frequency);
    EXPECT_EQ(a.firstPayDate, b.firstPayDate);
    EXPECT_EQ(a.dateMode, b.dateMode);
    EXPECT_EQ(a.daysOption, b.daysOption);
    EXPECT_EQ(a.rowView, b.rowView);
    EXPECT_EQ(a.prePayYears, b.prePayYears);
    EXPECT_EQ(a.prePayCount, b.prePayCount);
    EXPECT_EQ(a.tableMode, b.tableMode);
    EXPECT_EQ(a.daysInYear, b.daysInYear);
    for (int y = 1; y <= a.prePayYears; ++y) {
        EXPECT_EQ(a.prePayTable[y][1], b.prePayTable[y][1]) << "year " << y;
        EXPECT_EQ(a.prePayTable[y][2], b.prePayTable[y][2]) << "year " << y;
    }
}

TEST(TableFileFormat, ExampleLineIsExact) {
    EXPECT_EQ(FormatTableFile(ExampleFile("06/15/2024")),
              "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"06/15/2024\",0,1,2,0,0,1,365,"
              "\"O\",0\r\n");
}

TEST(TableFileFormat, CapturedFromTheWindowState) {
    MMODULE mm;
    mm.LoanInputs = {0, 100000, 7.5, 25, 0, 0};
    mm.FirstPayDate = ShortDateText(QDate(2024, 6, 15));
    mm.RowView = 2;
    const std::string bytes = FormatTableFile(CaptureTableFile(mm, kMonthly, kMonthly));
    EXPECT_EQ(bytes, "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"" + mm.FirstPayDate +
                         "\",0,1,2,0,0,1,365,\"O\",0\r\n");
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
    f.daysInYear = 364.5f;
    f.rowView = 1;
    f.prePayYears = 3;
    f.prePayCount = 2;
    for (int y = 1; y <= 3; ++y) f.prePayTable[y][1] = Money::fromDouble(y);
    f.prePayTable[1][2] = Money::fromDouble(1500);
    f.prePayTable[3][2] = Money::fromDouble(0.25);
    EXPECT_EQ(FormatTableFile(f),
              "12345.67,.5,2.5,\"   Semiannual\",\" Biweekly(Acc)\",\"2024-01-31\",1,4,1,3,2,2,"
              "364.5,\"O\",0\r\n"
              "1,1500\r\n"
              "2,0\r\n"
              "3,.25\r\n");
}

TEST(TableFileFormat, TypedDaysKeepTheirSingleForm) {
    TableFile f = ExampleFile("2024-01-31");
    f.daysOption = 4;
    f.daysInYear = 363.33f;
    const std::string bytes = FormatTableFile(f);
    EXPECT_NE(bytes.find(",363.33,\"O\",0\r\n"), std::string::npos) << bytes;
}

TEST(TableFileFormat, RoundTripsEveryChoice) {
    std::mt19937 rng(7);
    int cases = 0;
    for (const auto& comp : lists::kCompounding)
        for (const auto& freq : lists::kFrequency)
            for (std::int16_t option = 0; option <= 4; ++option)
                for (std::int16_t view = 1; view <= 2; ++view)
                    for (std::int16_t dateMode = 0; dateMode <= 1; ++dateMode)
                        for (std::int16_t mode = 1; mode <= 2; ++mode) {
                            TableFile f = ExampleFile(ShortDateText(QDate(2030, 2, 28)));
                            f.compounding = comp;
                            f.frequency = freq;
                            f.daysOption = option;
                            f.daysInYear = option == 4 ? 363.75f : 365.0f;
                            f.rowView = view;
                            f.dateMode = dateMode;
                            f.tableMode = mode;
                            f.principal = 1000 + rng() % 900000 + (rng() % 100) / 100.0;
                            f.rate = (rng() % 20000) / 1000.0;
                            f.period = mode == 1 ? rng() % 40 + 1 : (rng() % 480 + 1) / 12.0;
                            f.prePayYears = static_cast<std::int16_t>(rng() % 46);
                            f.prePayCount = 0;
                            for (int y = 1; y <= f.prePayYears; ++y) {
                                f.prePayTable[y][1] = Money::fromDouble(y);
                                if (rng() % 3 == 0) {
                                    f.prePayTable[y][2] = Money::fromTicks(
                                        static_cast<std::int64_t>(rng() % 100000000));
                                    ++f.prePayCount;
                                }
                            }
                            std::string why;
                            const auto back = ParseTableFile(FormatTableFile(f), &why);
                            ASSERT_TRUE(back) << why << "\n" << FormatTableFile(f);
                            ExpectSame(f, *back);
                            ++cases;
                        }
    EXPECT_EQ(cases, 5 * 6 * 5 * 2 * 2 * 2);
}

TEST(TableFileFormat, EveryLineEndsWithCrLf) {
    TableFile f = ExampleFile("2024-01-31");
    f.prePayYears = 45;
    for (int y = 1; y <= 45; ++y) f.prePayTable[y][1] = Money::fromDouble(y);
    const std::string bytes = FormatTableFile(f);
    int lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(bytes[i - 1], '\r');
            ++lines;
        }
    EXPECT_EQ(lines, 46);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

// --- Reading -------------------------------------------------------------------------------

const std::string kLine1 =
    "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"2024-06-15\",0,1,2,0,0,1,365,\"O\",0\r\n";

// Line 1 of the example with some fields replaced: {field number, text}.
std::string Line1(std::initializer_list<std::pair<int, std::string>> changes) {
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

// Line 1 declaring `years` year lines.
std::string Line1Years(int years) {
    return Line1({{10, std::to_string(years)}});
}

TEST(TableFileRead, AcceptsTheExample) {
    const auto f = ParseTableFile(kLine1);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->principal, 100000);
    EXPECT_EQ(f->rate, 7.5);
    EXPECT_EQ(f->period, 25);
    EXPECT_EQ(f->prePayYears, 0);
}

TEST(TableFileRead, AcceptsOtherLineEndsAndNoFinalLineEnd) {
    std::string lf = Line1Years(2) + "1,0\r\n2,100\r\n";
    for (auto pos = lf.find('\r'); pos != std::string::npos; pos = lf.find('\r')) lf.erase(pos, 1);
    EXPECT_TRUE(ParseTableFile(lf));
    EXPECT_TRUE(ParseTableFile(kLine1.substr(0, kLine1.size() - 2)));
}

struct Damaged {
    const char* what;
    std::string bytes;
};

TEST(TableFileRead, RefusesDamagedFiles) {
    std::string years46 = Line1Years(46);
    for (int y = 1; y <= 46; ++y) years46 += std::to_string(y) + ",0\r\n";
    std::string years45 = Line1Years(45);
    for (int y = 1; y <= 45; ++y) years45 += std::to_string(y) + ",0\r\n";
    ASSERT_TRUE(ParseTableFile(years45));  // the largest file that is right

    const std::vector<Damaged> cases = {
        {"empty", ""},
        {"blank lines", "\r\n\r\n"},
        {"one field", "100000\r\n"},
        {"fourteen fields",
         "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"2024-06-15\",0,1,"
         "2,0,0,1,365,\"O\"\r\n"},
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
        {"46 year lines", years46},
        {"payment count 46", Line1With(11, "46")},
        {"table mode 3", Line1With(12, "3")},
        {"days in year text", Line1With(13, "\"365\"")},
        {"days past a single", Line1With(13, "1E+39")},
        {"typed days negative", Line1({{8, "4"}, {13, "-2"}})},
        {"marker unquoted", Line1With(14, "O")},
        {"marker value quoted", Line1With(15, "\"0\"")},
        {"missing year line", Line1Years(1)},
        {"missing last year line", Line1Years(2) + "1,0\r\n"},
        {"year line with one field", Line1Years(1) + "1\r\n"},
        {"year line split over two lines", Line1Years(1) + "1\r\n0\r\n"},
        {"year line with three fields", Line1Years(1) + "1,0,0\r\n"},
        {"year line text", Line1Years(1) + "\"1\",0\r\n"},
        {"year number past 45", Line1Years(1) + "46,0\r\n"},
        {"year number not whole", Line1Years(1) + "1.5,0\r\n"},
        {"negative amount", Line1Years(1) + "1,-100\r\n"},
        {"amount past the currency", Line1Years(1) + "1,1E+300\r\n"},
        {"lines after the declared ones", kLine1 + "1,0\r\n"},
        {"text after the file", kLine1 + "garbage"},
        {"unterminated quote", "100000,7.5,25,\"      Monthly"},
        {"binary", std::string("\0\x01\xff\xfe,\"\x80\",\r\n", 11)},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(ParseTableFile(c.bytes, &why)) << c.what;
        EXPECT_FALSE(why.empty()) << c.what;
    }
}

TEST(TableFileRead, EveryTruncationOfAGoodFileIsReadOrRefused) {
    std::string good = Line1Years(3) + "1,0\r\n2,2500.5\r\n3,0\r\n";
    ASSERT_TRUE(ParseTableFile(good));
    int accepted = 0;
    for (std::size_t n = 0; n < good.size(); ++n) {
        const auto f = ParseTableFile(good.substr(0, n));
        if (f) {
            ++accepted;
            // Only a cut inside the last amount, or of the line end, can still be a file.
            EXPECT_GE(n, good.size() - 8) << n;
        }
    }
    EXPECT_EQ(accepted, 2);  // the last line end cut in half or away
}

// Feeds thousands of mutated and random files to the reader. Each is read or refused, never a
// crash; a file that is read holds only values the tables window can work with, and the engine
// copes with it.
TEST(TableFileRead, MutatedAndRandomFiles) {
    std::string good = Line1Years(4) + "1,0\r\n2,2500.5\r\n3,0\r\n4,100\r\n";
    std::mt19937 rng(2024);
    const char alphabet[] = "0123456789.,-+eE\" \r\nO";
    int read = 0, refused = 0;
    for (int i = 0; i < 6000; ++i) {
        std::string bytes;
        if (i % 4 == 3) {
            bytes.resize(rng() % 400);
            for (char& c : bytes) c = static_cast<char>(rng() % 256);
        } else {
            bytes = good;
            const int edits = 1 + static_cast<int>(rng() % 4);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
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
        const auto f = ParseTableFile(bytes);
        if (!f) {
            ++refused;
            continue;
        }
        ++read;
        ASSERT_GE(f->prePayYears, 0);
        ASSERT_LE(f->prePayYears, 45);
        ASSERT_TRUE(f->tableMode == 1 || f->tableMode == 2);
        ASSERT_TRUE(f->rowView == 1 || f->rowView == 2);
        ASSERT_GE(f->daysOption, 0);
        ASSERT_LE(f->daysOption, 4);
        // What was read is written back the same way and read again unchanged.
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
    EXPECT_GT(read, 50);
    EXPECT_GT(refused, 3000);
}

// --- Restoring the shared state ------------------------------------------------------------

TEST(TableFileRestore, FixedDaysOptionsReplaceTheStoredDayCount) {
    struct Case {
        int option;
        float days;
        double biWeekly, weekly;
    };
    const Case cases[] = {{0, 365.25f, 26.08928571, 52.17857143},
                          {1, 365.0f, 26.07142857, 52.14285714},
                          {2, 364.0f, 26.0, 52.0},
                          {3, 363.0f, 25.92857143, 51.85714286}};
    for (const Case& c : cases) {
        const auto f = ParseTableFile(Line1({{8, std::to_string(c.option)}, {13, "300"}}));
        ASSERT_TRUE(f) << c.option;
        MMODULE mm;
        RestoreTableFile(mm, *f);
        EXPECT_EQ(mm.DaysOption, c.option);
        EXPECT_EQ(mm.DaysInYear, c.days);
        EXPECT_EQ(mm.BiWeeklyPeriods, c.biWeekly);
        EXPECT_EQ(mm.WeeklyPeriods, c.weekly);
    }
}

TEST(TableFileRestore, TypedDaysAreKeptAndDivided) {
    const auto f = ParseTableFile(Line1({{8, "4"}, {13, "364.5"}}));
    ASSERT_TRUE(f);
    MMODULE mm;
    RestoreTableFile(mm, *f);
    EXPECT_EQ(mm.DaysInYear, 364.5f);
    EXPECT_DOUBLE_EQ(mm.BiWeeklyPeriods, 26.035714285714285);
    EXPECT_DOUBLE_EQ(mm.WeeklyPeriods, 52.07142857142857);
}

TEST(TableFileRestore, ReCreatesTheAdditionalPayments) {
    MMODULE mm;
    for (auto& row : mm.PrePayTable)
        row = {Money::fromDouble(9), Money::fromDouble(9), Money::fromDouble(9)};
    const auto f = ParseTableFile(Line1Years(2) + "1,0\r\n2,750.25\r\n");
    ASSERT_TRUE(f);
    RestoreTableFile(mm, *f);
    EXPECT_EQ(mm.PrePayYears, 2);
    EXPECT_EQ(mm.PrePayTable[0][2], Money());
    EXPECT_EQ(mm.PrePayTable[1][1], Money::fromDouble(1));
    EXPECT_EQ(mm.PrePayTable[1][2], Money());
    EXPECT_EQ(mm.PrePayTable[2][2], Money::fromDouble(750.25));
    EXPECT_EQ(mm.PrePayTable[3][1], Money());
    EXPECT_EQ(mm.PrePayTable[45][2], Money());
}

TEST(TableFileRestore, AnIsoDateIsReadOnAnyMachine) {
    const auto f = ParseTableFile(Line1With(6, "\"2031-05-01\""));
    ASSERT_TRUE(f);
    MMODULE mm;
    RestoreTableFile(mm, *f);
    EXPECT_EQ(mm.FirstPayDate, ShortDateText(QDate(2031, 5, 1)));
    // The machine's own short date text is read as well.
    const auto g = ParseTableFile(Line1With(6, "\"" + ShortDateText(QDate(2029, 12, 3)) + "\""));
    ASSERT_TRUE(g);
    RestoreTableFile(mm, *g);
    EXPECT_EQ(ParseDateText(mm.FirstPayDate), QDate(2029, 12, 3));
}

TEST(TableFileRestore, LoanPeriodStaysInYears) {
    const auto f = ParseTableFile(Line1({{3, "2.5"}, {12, "2"}}));
    ASSERT_TRUE(f);
    MMODULE mm;
    RestoreTableFile(mm, *f);
    EXPECT_EQ(mm.TableMode, 2);
    EXPECT_EQ(mm.LoanInputs[3] * 12, 30);
}

// --- Files on disk -------------------------------------------------------------------------

TEST(TableFileDisk, SaveThenRead) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("house.kmd").toStdString();
    TableFile f = ExampleFile("2024-06-15");
    f.prePayYears = 2;
    f.prePayTable[1][1] = Money::fromDouble(1);
    f.prePayTable[2][1] = Money::fromDouble(2);
    f.prePayTable[2][2] = Money::fromDouble(5000);
    ASSERT_TRUE(WriteTableFile(path, f));
    EXPECT_EQ(Slurp(path), FormatTableFile(f));
    const auto back = ReadTableFile(path);
    ASSERT_TRUE(back);
    ExpectSame(f, *back);
    // Saving again replaces the file; no temporary file is left beside it.
    f.principal = 250000;
    ASSERT_TRUE(WriteTableFile(path, f));
    EXPECT_EQ(ReadTableFile(path)->principal, 250000);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TableFileDisk, RefusesWhatIsNotATableFile) {
    QTemporaryDir dir;
    std::string why;
    EXPECT_FALSE(ReadTableFile(dir.filePath("none.kmd").toStdString(), &why));
    EXPECT_FALSE(ReadTableFile("", &why));
    EXPECT_FALSE(ReadTableFile(dir.path().toStdString(), &why));  // a folder
    const std::string big = dir.filePath("big.kmd").toStdString();
    Spit(big, kLine1 + std::string(kTableFileMaxBytes, ' '));
    EXPECT_FALSE(ReadTableFile(big, &why));
    // A pipe would block a reader forever.
    const std::string fifo = dir.filePath("pipe.kmd").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadTableFile(fifo, &why));
}

bool FailingRename(const std::string&, const std::string&) {
    return false;
}

TEST(TableFileDisk, AFailedRenameLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("old.kmd").toStdString();
    const std::string old = FormatTableFile(ExampleFile("2024-06-15"));
    Spit(path, old);
    TableFile f = ExampleFile("2024-06-15");
    f.principal = 1;
    EXPECT_FALSE(WriteFileReplacing(path, FormatTableFile(f), &FailingRename));
    EXPECT_EQ(Slurp(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TableFileDisk, SavingIntoAReadOnlyFolderFails) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    QTemporaryDir dir;
    const std::string path = dir.filePath("old.kmd").toStdString();
    const std::string old = FormatTableFile(ExampleFile("2024-06-15"));
    Spit(path, old);
    ASSERT_EQ(chmod(dir.path().toStdString().c_str(), 0500), 0);
    TableFile f = ExampleFile("2024-06-15");
    f.principal = 1;
    EXPECT_FALSE(WriteTableFile(path, f));
    chmod(dir.path().toStdString().c_str(), 0700);
    EXPECT_EQ(Slurp(path), old);
}

TEST(TableFileDisk, SavingOverAFolderOrIntoNoFolderFails) {
    QTemporaryDir dir;
    const std::string sub = dir.filePath("taken.kmd").toStdString();
    std::filesystem::create_directory(sub);
    Spit(sub + "/inside", "x");
    EXPECT_FALSE(WriteTableFile(sub, ExampleFile("2024-06-15")));
    EXPECT_EQ(Slurp(sub + "/inside"), "x");
    EXPECT_FALSE(
        WriteTableFile(dir.filePath("no/such/x.kmd").toStdString(), ExampleFile("2024-06-15")));
    EXPECT_FALSE(WriteTableFile(dir.path().toStdString() + "/", ExampleFile("2024-06-15")));
}

TEST(TableFileDisk, KeepsThePermissionsOfTheFileItReplaces) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("old.kmd").toStdString();
    Spit(path, "x");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteTableFile(path, ExampleFile("2024-06-15")));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace bw
