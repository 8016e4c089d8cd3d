// brindlewood-cli table: options, output forms, messages and exit codes. The figures themselves
// are tested in the core; here the options reach the engine and its results reach the output.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "shell/messages.h"
#include "support/cli_run.h"
#include "support/file_bytes.h"

namespace bw::cli {
namespace {

QJsonObject JsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

class TableCommandTest : public ::testing::Test {
  protected:
    // `input` is the standard input of a batch.
    test::CliRun run(std::vector<std::string> args, const std::string& input = "") {
        const auto table = [&input](const std::vector<std::string>& a, std::ostream& out,
                                    std::ostream& err) {
            std::istringstream in(input);
            return RunTable(a, in, out, err);
        };
        return test::RunCli(table, std::move(args), dir_);
    }
    QJsonObject json(std::vector<std::string> args) {
        args.insert(args.end(), {"--format", "json"});
        const test::CliRun r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return JsonOf(r.out);
    }
    QString box(std::vector<std::string> args, const char* name) {
        return json(std::move(args))["boxes"].toObject()[name].toString();
    }
    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

// Each list option and --loan reach the engine: the worked examples' payments.
TEST_F(TableCommandTest, OptionsChooseTheListEntriesAndTheMode) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "     $917.53"},
        {{"--loan"}, "     $508.45"},  // 20,000 over 48 months
        {{"--frequency", "biweekly-acc"}, "     $458.76"},
        {{"--frequency", "2weeks"}, "     $423.47"},
        {{"--compounding", "semiannual"}, "     $902.91"}};
    for (const auto& [args, payment] : cases) EXPECT_EQ(box(args, "InMonthPI"), payment);
}

TEST_F(TableCommandTest, JsonCarriesTheResultsRowsAndCells) {
    const QJsonObject o = json({"--view", "all"});
    ASSERT_EQ(o["rows"].toArray().size(), 300);
    const QJsonObject last = o["rows"][299].toObject();
    EXPECT_EQ(std::tuple(std::round(o["total_paid"].toDouble() * 100), last["interest"].toDouble(),
                         last["principal"].toDouble(), last["cells"][0].toString(),
                         o["totals"][4].toString()),
              std::tuple(27525820.0, 7.6769, 909.8511, " 300      25", "$175,258.20"));
    // The annual view is the default.
    EXPECT_EQ(json({})["rows"].toArray().size(), 25);
}

TEST_F(TableCommandTest, AdditionalPaymentsAndTheirMonth) {
    const QJsonArray applied =
        json({"--prepay", "2=5000", "--prepay", "4=3000", "--prepay-month", "3"})["applied"]
            .toArray();
    ASSERT_EQ(applied.size(), 2);
    // Month 3 is paid with the third monthly payment, month 1 (the default) with the first.
    EXPECT_EQ(std::tuple(applied[0]["year"].toInt(), applied[0]["month"].toInt(),
                         applied[1]["amount"].toDouble(),
                         json({"--prepay", "1=1000"})["applied"][0]["month"].toInt()),
              std::tuple(2, 3, 3000.0, 1));
}

TEST_F(TableCommandTest, SettingsFileGivesSymbolAndCompounding) {
    ASSERT_TRUE(test::WriteBytes(path("Personal.Mtg"), "0,\"Ann\",\"\xc2\xa3\",3\r\n"));
    EXPECT_EQ(box({}, "InMonthPI"), QString::fromUtf8("     \u00a3902.91"));
    // The option wins over the file.
    EXPECT_EQ(box({"--compounding", "monthly"}, "InMonthPI"),
              QString::fromUtf8("     \u00a3917.53"));
}

TEST_F(TableCommandTest, DaysTermAndDates) {
    const QJsonObject o = json({"--frequency", "1week", "--days", "364.5", "--view", "all",
                                "--term", "5", "--dates", "--first-date", "2024-01-31"});
    EXPECT_EQ(std::tuple(o["boxes"]["InDays"].toString(), o["rows"].toArray().size(),
                         o["rows"][1]["date"].toString()),
              std::tuple("       364.5", 260, "2024-02-07"));
    const test::CliRun longTerm = run({"--period", "4", "--term", "5"});
    EXPECT_TRUE(longTerm.code == 0 && longTerm.err.find("Term now greater") != std::string::npos);
}

TEST_F(TableCommandTest, MessagesStopWithExitCodeOne) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--rate", "0"}, "Wrong entry, try again.\n"},
        {{"--principal", "1e300"}, "Wrong entry, try again.\n"},
        {{"--loan", "--period", "481"}, "Wrong entry, 480 Month limit.\n"},
        {{"--days", "362.99"}, "Must be between 363 and 365.25 days\n"},
        {{"--dates", "--first-date", "2023-02-29"}, "Not a valid date, try again.\n"},
        {{"--period", "10", "--term", "10", "--frequency", "weekly-acc"},
         "Term now greater than the number of years to final payment. Term will be reset to All "
         "Years.\n"},
    };
    for (const auto& [args, message] : cases) {
        const test::CliRun r = run(args);
        EXPECT_EQ(std::tie(r.code, r.err, r.out), std::tuple(1, message, ""));
    }
    EXPECT_EQ(run({"--period", "40", "--days", "363"}).code, 0);
}

TEST_F(TableCommandTest, BadOptionsGiveOneUsageLineAndExitCodeTwo) {
    for (const char* line :
         {"--bogus", "--rate", "--rate ten", "--rate -1", "--view weekly", "--term 7",
          "--format xml", "--prepay 0=5", "--prepay x=y", "--prepay-month 13", "--loan=yes",
          "stray", "--rate 5 --rate 6", "--frequency daily", "--compounding Monthly", "--days many",
          "--batch --rate 5"}) {
        std::vector<std::string> args;
        for (const QString& word : QString(line).split(' ')) args.push_back(word.toStdString());
        const test::CliRun r = run(args);
        EXPECT_EQ(std::tie(r.code, r.out), std::tuple(2, "")) << line;
        EXPECT_TRUE(!r.err.empty() && r.err.find('\n') == r.err.size() - 1) << r.err;
    }
}

TEST_F(TableCommandTest, TextAndCsvForms) {
    const test::CliRun r = run({"--prepay", "2=5000"});
    ASSERT_EQ(r.code, 0);
    for (const char* text : {" Principal+Interest  payment.", "$917.53", " Payment  Year",
                             "Cumulative Principal", "Total:", "Additional ", "Year    2"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    EXPECT_NE(run({"--loan"}).out.find(" No. months to   final payment."), std::string::npos);

    // The heading and 48 payments, the last paying the balance off.
    const QString csv =
        QString::fromStdString(run({"--format", "csv", "--view", "all", "--loan"}).out);
    EXPECT_TRUE(csv.startsWith("payment,year,interest,principal,balance,cumulative_interest,"
                               "cumulative_principal\r\n1,1,168.75,") &&
                csv.count("\r\n") == 49 && csv.section("\r\n", 48, 48).contains(",0.00,"))
        << csv.toStdString();
}

TEST_F(TableCommandTest, NoInputCrashes) {
    const char* values[] = {
        "0",   "-0",     "1e308", "1e-308", ".", "", "nan", "inf", "99999999999999999999",
        "480", "0.0001", "1E5"};
    for (const char* option : {"--principal", "--rate", "--period", "--days", "--term",
                               "--prepay-month", "--first-date"})
        for (const char* v : values)
            for (const char* mode : {"--dates", "--loan"}) {
                const test::CliRun r = run({option, v, "--format", "json", "--view", "all",
                                            "--frequency", "weekly-acc", mode});
                EXPECT_TRUE(r.code == 1 || r.code == 2 || !JsonOf(r.out).isEmpty())
                    << option << " " << v;
            }
}

// --save and --open: the same files and the same messages as the window.
TEST_F(TableCommandTest, SavesAndOpensTableFilesWithTheWindowsMessages) {
    const test::CliRun saved =
        run({"--format", "json", "--rate", "5.375", "--frequency", "biweekly-acc", "--prepay",
             "3=10000", "--prepay-month", "5", "--save", path("t.kmd")});
    ASSERT_EQ(saved.code, 0) << saved.err;
    // The month of the additional payments comes back with the file, and saving the opened
    // table again writes the same bytes (the date text as stored).
    EXPECT_EQ(run({"--format", "json", "--open", path("t.kmd"), "--save", path("u.kmd")}).out,
              saved.out);
    EXPECT_EQ(test::ReadBytes(path("u.kmd")), test::ReadBytes(path("t.kmd")));
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--open", path("none.kmd")}, 13},
        {{"--save", path("x.old.kmd")}, 14},
        {{"--save", path("no/such/x.kmd")}, 14},
        {{"--loan", "--save", path("x.kmd")}, 25}};
    for (const auto& [args, message] : cases) {
        const test::CliRun r = run(args);
        EXPECT_EQ(std::tie(r.code, r.err), std::tuple(1, MessageText(message) + "\n"))
            << args.back();
    }
}

// --print: the tables window's printout as text pages separated by form feeds, or as a PDF file
// in the printer font of the settings, centred on the paper asked for: 77 characters of 6 (6.6)
// points, (595.28 - 462) / 2 and (612 - 508.2) / 2 from the left edge.
TEST_F(TableCommandTest, PrintsTextPagesOrAPdfFile) {
    const test::CliRun r = run({"--view", "all", "--print", "-", "--header", "From a shell"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\f'), 6);  // 300 rows in the standard font
    EXPECT_EQ(r.out.substr(0, 15), "\n From a shell\n");
    EXPECT_NE(r.out.find(std::string(39, ' ') + "Page 6\n\f"), std::string::npos);
    for (const auto& [font, paper, expected] :
         {std::tuple{"standard", "a4", "/F1 10 Tf 12 TL 100.00 Tz 66.64 801.89 Td"},
          std::tuple{"courier", "letter", "/F2 11 Tf 12.5 TL 100.00 Tz 51.90 752.00 Td"}}) {
        ASSERT_EQ(test::RunCli(RunSettings, {"--font", font}, dir_).code, 0);
        ASSERT_EQ(run({"--loan", "--print", path("table.pdf"), "--paper", paper}).code, 0);
        const std::string bytes = test::ReadBytes(path("table.pdf"));
        EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
        EXPECT_NE(bytes.find(expected), std::string::npos) << bytes.substr(0, 900);
    }
}

// Batch mode: one JSON object a line, in input order, each line on its own.
TEST_F(TableCommandTest, BatchWritesOneObjectPerScenario) {
    const test::CliRun r = run({"--batch"},
                               "# scenarios\n\n"
                               "--frequency biweekly-acc --view all\r\n"
                               "  --loan --principal 20000 --period 48\n"
                               "--period 41\n"
                               "--dates --first-date \"not a date\"\n"
                               "--save \"my table.KMD\"\n"
                               "--rate \"5\n"
                               "--format csv\n");
    EXPECT_EQ(std::tie(r.code, r.err), std::tuple(1, ""));
    const std::tuple<int, int, const char*, int> expected[] = {
        {3, 482, "", 0},
        {4, 48, "", 0},
        {5, 0, "", 5},
        {6, 0, "", 10},
        {7, 0, "--save cannot be used in a batch", 0},
        {8, 0, "a double quote is not closed", 0},
        {9, 0, "a batch writes JSON only", 0}};
    std::istringstream lines(r.out);
    std::string text;
    for (const auto& [line, payments, error, message] : expected) {
        ASSERT_TRUE(std::getline(lines, text));
        const QJsonObject o = JsonOf(text);
        EXPECT_EQ(std::tuple(o["line"].toInt(), o["payments"].toInt(),
                             o["error"].toString().toStdString(), o["messages"][0].toInt()),
                  std::tuple(line, payments, error, message))
            << text;
    }
    EXPECT_FALSE(std::getline(lines, text));
    // A calculated line holds what --format json gives for the same options, less the rows.
    QJsonObject single = json({"--frequency", "biweekly-acc", "--view", "all"});
    single.remove("rows");
    single.insert("line", 3);
    EXPECT_EQ(JsonOf(r.out.substr(0, r.out.find('\n'))), single);
    // --rows adds them; every line calculated gives exit 0.
    const test::CliRun rows =
        run({"--batch", "--rows"}, "--period 5 --frequency 1week --view all\n");
    EXPECT_EQ(rows.code, 0);
    EXPECT_EQ(JsonOf(rows.out)["rows"].toArray().size(), 259);
}

// --graph in-process, where no QApplication runs (and in builds without the desktop layer): a
// usage error, never a crash and never a picture.
TEST_F(TableCommandTest, GraphWithoutAGuiApplicationIsAUsageError) {
    const test::CliRun r = run({"--graph", path("g.png")});
    EXPECT_EQ(r.code, 2);
#ifdef BW_CLI_GRAPHS
    EXPECT_NE(r.err.find("QApplication"), std::string::npos) << r.err;
#else
    EXPECT_NE(r.err.find("desktop build"), std::string::npos) << r.err;
#endif
    EXPECT_NE(r.err.find("(see brindlewood-cli table --help)"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir_.filePath("g.png")));
}

// The program itself: the command dispatch and the exit codes seen by a shell.
TEST(BrindlewoodCli, RunsAsAProgram) {
    const QStringList table{"table", "--folder", QDir::tempPath()};
    const std::pair<QStringList, int> cases[] = {{table + QStringList{"--format", "json"}, 0},
                                                 {table + QStringList{"--rate", "0"}, 1},
                                                 {{"nonsense"}, 2},
                                                 {{}, 2}};
    for (const auto& [args, code] : cases) {
        QProcess p;
        p.start(BRINDLEWOOD_CLI, args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), code) << args.join(' ').toStdString();
        const QJsonObject o = JsonOf(p.readAllStandardOutput().toStdString());
        EXPECT_EQ(o["payments"].toInt(), code == 0 ? 300 : 0);
    }
}

}  // namespace
}  // namespace bw::cli
