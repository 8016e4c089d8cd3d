// brindlewood-cli table: options, output forms, messages and exit codes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw::cli {
namespace {

struct RunResult {
    int code;
    std::string out;
    std::string err;
};

class TableCommandTest : public ::testing::Test {
  protected:
    // Every run gets a folder of its own, so that no settings file of the machine is read.
    RunResult run(std::vector<std::string> args) {
        args.push_back("--folder");
        args.push_back(dir_.path().toStdString());
        std::ostringstream out, err;
        const int code = RunTable(args, out, err);
        return {code, out.str(), err.str()};
    }
    QJsonObject json(std::vector<std::string> args) {
        args.push_back("--format");
        args.push_back("json");
        const RunResult r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }
    void writeSettings(const QByteArray& line) {
        QFile f(QDir(dir_.path()).filePath("Personal.Mtg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(line);
    }
    QTemporaryDir dir_;
};

struct Example {
    std::vector<std::string> args;
    double payment;
    int payments;
    double final;
    double totalPaid;
    double savings;
    const char* InMonthPI;
    const char* EndMortYear;
    const char* AllPayments;
    const char* TotSavd;
};

TEST_F(TableCommandTest, JsonReproducesTheWorkedExamples) {
    const Example examples[] = {
        {{},
         917.53,
         300,
         25,
         275258.20,
         0,
         "     $917.53",
         "       25.00",
         " $275,258.20",
         "        $.00"},
        {{"--frequency", "biweekly-acc"},
         458.76,
         482,
         18.54,
         220861.40,
         54396.79,
         "     $458.76",
         "       18.54",
         " $220,861.40",
         "  $54,396.79"},
        {{"--frequency", "2weeks"},
         423.47,
         638,
         24.54,
         269924.71,
         5333.49,
         "     $423.47",
         "       24.54",
         " $269,924.71",
         "   $5,333.49"},
        {{"--compounding", "semiannual"},
         902.91,
         300,
         25,
         270873.89,
         0,
         "     $902.91",
         "       25.00",
         " $270,873.89",
         "        $.00"},
        {{"--loan", "--principal", "20000", "--period", "48"},
         508.45,
         48,
         48,
         24405.75,
         0,
         "     $508.45",
         "       48.00",
         "  $24,405.75",
         "        $.00"},
    };
    auto cents = [](double v) { return std::round(v * 100) / 100; };
    for (const Example& e : examples) {
        const QJsonObject o = json(e.args);
        EXPECT_DOUBLE_EQ(cents(o["payment"].toDouble()), e.payment);
        EXPECT_EQ(o["payments"].toInt(), e.payments);
        EXPECT_DOUBLE_EQ(cents(o["final"].toDouble()), e.final);
        EXPECT_DOUBLE_EQ(cents(o["total_paid"].toDouble()), e.totalPaid);
        EXPECT_DOUBLE_EQ(cents(o["savings"].toDouble()), e.savings);
        const QJsonObject boxes = o["boxes"].toObject();
        EXPECT_EQ(boxes["InMonthPI"].toString().toStdString(), e.InMonthPI);
        EXPECT_EQ(boxes["EndMortYear"].toString().toStdString(), e.EndMortYear);
        EXPECT_EQ(boxes["AllPayments"].toString().toStdString(), e.AllPayments);
        EXPECT_EQ(boxes["TotSavd"].toString().toStdString(), e.TotSavd);
        EXPECT_TRUE(o["messages"].toArray().isEmpty());
    }
}

TEST_F(TableCommandTest, JsonRowsCarryAmountsAndCells) {
    const QJsonObject o = json({"--view", "all"});
    const QJsonArray rows = o["rows"].toArray();
    ASSERT_EQ(rows.size(), 300);
    const QJsonObject last = rows[299].toObject();
    EXPECT_DOUBLE_EQ(last["interest"].toDouble(), 7.6769);
    EXPECT_DOUBLE_EQ(last["principal"].toDouble(), 909.8511);
    EXPECT_DOUBLE_EQ(last["balance"].toDouble(), 0);
    EXPECT_DOUBLE_EQ(last["cum_principal"].toDouble(), 100000);
    const QJsonArray cells = last["cells"].toArray();
    ASSERT_EQ(cells.size(), 6);
    EXPECT_EQ(cells[0].toString(), " 300      25");
    EXPECT_EQ(cells[1].toString(), "7.68");
    EXPECT_EQ(cells[2].toString(), "909.85");
    const QJsonArray totals = o["totals"].toArray();
    EXPECT_EQ(totals[0].toString(), "Total:");
    EXPECT_EQ(totals[4].toString(), "$175,258.20");
    EXPECT_EQ(o["payments_per_year"].toInt(), 12);
    EXPECT_DOUBLE_EQ(o["rate_factor"].toDouble(), std::pow(1 + 0.10125 / 12, 1.0) - 1);
    EXPECT_EQ(o["boxes"].toObject()["PeriodicR"].toString(), "0.0084375");
    // The annual view is the default.
    EXPECT_EQ(json({})["rows"].toArray().size(), 25);
}

TEST_F(TableCommandTest, AdditionalPaymentsAndTheirList) {
    const QJsonObject o = json({"--prepay", "2=5000", "--prepay", "4=3000", "--prepay", "6=900000",
                                "--prepay-month", "3"});
    const QJsonArray applied = o["applied"].toArray();
    ASSERT_EQ(applied.size(), 2);
    EXPECT_EQ(applied[0].toObject()["year"].toInt(), 2);
    EXPECT_EQ(applied[0].toObject()["month"].toInt(), 3);  // the month chosen
    EXPECT_DOUBLE_EQ(applied[1].toObject()["amount"].toDouble(), 3000);
    EXPECT_LT(o["payments"].toInt(), 300);
    EXPECT_GT(o["savings"].toDouble(), 10);

    // Month 3 is paid after the second payment of the year: with the third monthly payment.
    const QJsonArray rows =
        json({"--view", "all", "--prepay", "1=1000", "--prepay-month", "3"})["rows"].toArray();
    const QJsonObject third = rows[2].toObject();
    EXPECT_NEAR(third["interest"].toDouble() + third["principal"].toDouble(), 917.5273 + 1000,
                0.001);
    // Month 1 (the default) is paid with the first payment of the year.
    const QJsonObject first =
        json({"--view", "all", "--prepay", "1=1000"})["rows"].toArray()[0].toObject();
    EXPECT_NEAR(first["interest"].toDouble() + first["principal"].toDouble(), 917.5273 + 1000,
                0.001);
}

TEST_F(TableCommandTest, SettingsFileGivesSymbolAndCompounding) {
    writeSettings("0,\"Ann\",\"\xc2\xa3\",3\r\n");
    const QJsonObject o = json({});
    EXPECT_EQ(o["boxes"].toObject()["InMonthPI"].toString(),
              QString::fromUtf8("     \u00a3902.91"));
    // The option wins over the file.
    EXPECT_EQ(json({"--compounding", "monthly"})["boxes"].toObject()["InMonthPI"].toString(),
              QString::fromUtf8("     \u00a3917.53"));
}

TEST_F(TableCommandTest, DaysInYear) {
    const QJsonObject o = json({"--frequency", "2weeks", "--days", "364"});
    EXPECT_EQ(o["boxes"].toObject()["InDays"].toString(), "364");
    EXPECT_EQ(json({"--frequency", "weekly-acc", "--days", "365.25"})["boxes"]
                  .toObject()["InDays"]
                  .toString(),
              "      365.25");
    EXPECT_EQ(
        json({"--frequency", "1week", "--days", "364.5"})["boxes"].toObject()["InDays"].toString(),
        "       364.5");
    for (const char* bad : {"362.99", "365.26", "0"}) {
        const RunResult r = run({"--days", bad});
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_EQ(r.err, "Must be between 363 and 365.25 days\n");
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"--days", "363"}).code, 0);
}

TEST_F(TableCommandTest, TermAndDates) {
    const QJsonObject term = json({"--view", "all", "--term", "5"});
    EXPECT_EQ(term["rows"].toArray().size(), 60);
    EXPECT_EQ(term["totals"].toArray()[0].toString(), "5 Yr. Term");

    const RunResult longTerm = run({"--period", "4", "--term", "5"});
    EXPECT_EQ(longTerm.code, 0);
    EXPECT_NE(longTerm.err.find("Term now greater"), std::string::npos);
    EXPECT_EQ(json({"--period", "4", "--term", "5"})["messages"].toArray(), QJsonArray{34});

    const QJsonObject dates = json({"--view", "all", "--dates", "--first-date", "2024-01-31"});
    const QJsonArray rows = dates["rows"].toArray();
    EXPECT_EQ(rows[1].toObject()["date"].toString(), "2024-02-29");
    EXPECT_EQ(rows[3].toObject()["date"].toString(), "2024-04-30");

    const RunResult badDate = run({"--dates", "--first-date", "2023-02-29"});
    EXPECT_EQ(badDate.code, 1);
    EXPECT_EQ(badDate.err, "Not a valid date, try again.\n");
}

TEST_F(TableCommandTest, MessagesStopWithExitCodeOne) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--rate", "0"}, "Wrong entry, try again.\n"},
        {{"--period", "0"}, "Wrong entry, try again.\n"},
        {{"--period", "41"}, "Wrong entry, 40 Years limit.\n"},
        {{"--loan", "--period", "481"}, "Wrong entry, 480 Month limit.\n"},
        {{"--principal", "1e300"}, "Wrong entry, try again.\n"},
        {{"--period", "10", "--term", "10", "--frequency", "weekly-acc"},
         "Term now greater than the number of years to final payment. Term will be reset to All "
         "Years.\n"},
    };
    for (const auto& [args, message] : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.code, 1) << message;
        EXPECT_EQ(r.err, message);
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"--period", "40"}).code, 0);
    const QJsonObject zero = json({"--principal", "0"});
    EXPECT_EQ(zero["payments"].toInt(), 300);
    EXPECT_TRUE(zero["messages"].toArray().isEmpty());
}

TEST_F(TableCommandTest, BadOptionsGiveOneUsageLineAndExitCodeTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"},
        {"--rate"},
        {"--rate", "ten"},
        {"--rate", "-1"},
        {"--view", "weekly"},
        {"--term", "7"},
        {"--format", "xml"},
        {"--prepay", "2"},
        {"--prepay", "0=5"},
        {"--prepay", "x=y"},
        {"--prepay-month", "13"},
        {"--loan=yes"},
        {"stray"},
        {"--rate", "5", "--rate", "6"},
        {"--frequency", "daily"},
        {"--compounding", "Monthly"},
        {"--days", "many"},
    };
    for (const auto& args : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST_F(TableCommandTest, TextShowsBoxesGridAndTotals) {
    const RunResult r = run({"--prepay", "2=5000"});
    ASSERT_EQ(r.code, 0);
    for (const char* text :
         {" Principal+Interest  payment.", "$917.53", " Payment  Year", "Interest Payment",
          "Cumulative Principal", "Total:", "Additional ", "Year    2", "5,000.00"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    const RunResult loan = run({"--loan"});
    EXPECT_NE(loan.out.find(" No. months to   final payment."), std::string::npos);
    EXPECT_NE(loan.out.find("48.00"), std::string::npos);
}

TEST_F(TableCommandTest, CsvIsPlainNumbersWithAHeadingLine) {
    const RunResult r = run({"--format", "csv", "--view", "all", "--loan"});
    ASSERT_EQ(r.code, 0);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 49u);
    EXPECT_EQ(all[0],
              "payment,year,interest,principal,balance,cumulative_interest,"
              "cumulative_principal\r");
    EXPECT_EQ(all[1].rfind("1,1,168.75,", 0), 0u) << all[1];
    EXPECT_EQ(all[48].find('$'), std::string::npos);
    EXPECT_NE(all[48].find(",0.00,"), std::string::npos) << all[48];
}

TEST_F(TableCommandTest, NoInputCrashes) {
    const std::vector<std::string> values = {
        "0",   "-0",     "1e308", "1e-308", ".", "", "nan", "inf", "99999999999999999999",
        "480", "0.0001", "1E5"};
    const char* options[] = {"--principal", "--rate",         "--period",    "--days",
                             "--term",      "--prepay-month", "--first-date"};
    for (const char* option : options)
        for (const std::string& v : values)
            for (bool loan : {false, true}) {
                std::vector<std::string> args = {option,   v,     "--format",    "json",
                                                 "--view", "all", "--frequency", "weekly-acc"};
                if (loan) args.push_back("--loan");
                const RunResult r = run(args);
                EXPECT_TRUE(r.code == 0 || r.code == 1 || r.code == 2) << option << " " << v;
                if (r.code == 0) {
                    EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).isNull())
                        << option << " " << v;
                }
            }
}

// Batch mode: one JSON object a line, in input order, each line on its own.
TEST_F(TableCommandTest, BatchWritesOneObjectPerScenario) {
    const std::string input =
        "# scenarios\n"
        "\n"
        "--frequency biweekly-acc --view all\r\n"
        "  --loan --principal 20000 --period 48\n"
        "--rate 0\n"
        "--period 41\n"
        "--dates --first-date \"not a date\"\n"
        "--colour red\n"
        "--save \"my table.KMD\"\n"
        "--rate \"5\n"
        "--format csv\n";
    struct Expected {
        int line;
        int payments;  // 0: not calculated
        const char* error;
        std::vector<int> messages;
    } expected[] = {
        {3, 482, nullptr, {}},
        {4, 48, nullptr, {}},
        {5, 0, nullptr, {4}},
        {6, 0, nullptr, {5}},
        {7, 0, nullptr, {10}},
        {8, 0, "unknown option --colour", {}},
        {9, 0, "--save cannot be used in a batch", {}},
        {10, 0, "a double quote is not closed", {}},
        {11, 0, "a batch writes JSON only", {}},
    };
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunTable({"--batch", "--folder", dir_.path().toStdString()}, in, out, err), 1);
    std::istringstream lines(out.str());
    std::string text;
    for (const Expected& e : expected) {
        ASSERT_TRUE(std::getline(lines, text));
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
        EXPECT_EQ(o["line"].toInt(), e.line) << text;
        EXPECT_EQ(o["payments"].toInt(), e.payments) << text;
        EXPECT_EQ(o["error"].toString().toStdString(), e.error ? e.error : "") << text;
        if (e.payments == 0) {
            std::vector<int> messages;
            for (const auto& m : o["messages"].toArray()) messages.push_back(m.toInt());
            EXPECT_EQ(messages, e.messages) << text;
        }
    }
    EXPECT_FALSE(std::getline(lines, text));
    EXPECT_TRUE(err.str().empty());

    // A calculated line holds what --format json gives for the same options, less the rows.
    QJsonObject single = json({"--frequency", "biweekly-acc", "--view", "all"});
    single.remove("rows");
    single.insert("line", 3);
    EXPECT_EQ(QJsonDocument::fromJson(
                  QByteArray::fromStdString(out.str().substr(0, out.str().find('\n'))))
                  .object(),
              single);

    // --rows adds them; every line calculated gives exit 0.
    std::istringstream two("--period 10\n--period 5 --frequency 1week\n");
    std::ostringstream rowsOut;
    EXPECT_EQ(
        RunTable({"--batch", "--rows", "--folder", dir_.path().toStdString()}, two, rowsOut, err),
        0);
    std::istringstream rowLines(rowsOut.str());
    for (int rows : {120, 259}) {
        ASSERT_TRUE(std::getline(rowLines, text));
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
        EXPECT_EQ(o["rows"].toArray().size(), o["grid_rows"].toInt());
        EXPECT_EQ(o["payments"].toInt(), rows);
    }
    // Options for single tables do not go with --batch on the command.
    EXPECT_EQ(run({"--batch", "--principal", "5"}).code, 2);
}

// The program itself: the command dispatch and the exit codes seen by a shell.
TEST(BrindlewoodCli, RunsAsAProgram) {
    QProcess p;
    p.start(BRINDLEWOOD_CLI, {"table", "--format", "json", "--folder", QDir::tempPath()});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    EXPECT_EQ(o["payments"].toInt(), 300);

    p.start(BRINDLEWOOD_CLI, {"table", "--rate", "0", "--folder", QDir::tempPath()});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardError().trimmed(), "Wrong entry, try again.");

    p.start(BRINDLEWOOD_CLI, {"table", "--batch", "--folder", QDir::tempPath()});
    p.write("--period 10\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QJsonDocument::fromJson(p.readAllStandardOutput()).object()["payments"].toInt(), 120);

    p.start(BRINDLEWOOD_CLI, {"nonsense"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);

    p.start(BRINDLEWOOD_CLI, QStringList{});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
}

}  // namespace
}  // namespace bw::cli
