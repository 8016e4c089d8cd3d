// brindlewood-cli compare, run in-process: rows, limits, files, printouts and JSON.

#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/file_bytes.h"

namespace bw {
namespace {

using test::CliRun;

class CompareCliTest : public ::testing::Test {
  protected:
    CliRun run(std::vector<std::string> args) {
        return test::RunCli(cli::RunCompare, std::move(args), dir);
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(CompareCliTest, RowsAndAdditionalPaymentsAsJson) {
    const CliRun r =
        run({"--prepay", "1=10000", "--prepay", "3=5000", "--prepay-month", "4", "--row",
             "--compounding semiannual", "--row", "--frequency weekly-acc", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    // Row 2: the lists stay as set. Monthly: after payment 3 of the year (the fourth month),
    // payments 4 and 28.
    for (const char* text :
         {"[\"01 Norm S 1m  \", \"25\", \"*", "\"02 5.00 S w(a)\"",
          "\"applied\": [{\"payment\": 4, \"year\": 1, \"month\": 4, \"amount\": "
          "10000}, {\"payment\": 28, \"year\": 3, \"month\": 4",
          "\"lower_grid\": [\n    [\" Yr. Mth\", \" Row     1\", \" Yr. Mth\", "
          "\" Row     2\"",
          "\"messages\": []"})
        EXPECT_TRUE(r.has(text)) << text;
}

TEST_F(CompareCliTest, LimitsGiveTheWindowsMessages) {
    // A period over 40 years stops the command: no row, no output.
    CliRun r = run({"--row", "", "--row", "--period 45", "--format", "json"});
    EXPECT_EQ(std::tie(r.code, r.out, r.err), std::tuple(1, "", "Wrong entry, 40 Years limit.\n"));
    std::vector<std::string> args;
    for (int i = 0; i < 13; ++i) args.insert(args.end(), {"--row", ""});
    args.insert(args.end(), {"--format", "json"});
    r = run(args);
    EXPECT_EQ(std::tie(r.code, r.err), std::tuple(1, "12 Row limit.\n"));
    EXPECT_TRUE(r.has("12 Norm M 1m") && !r.has("13 Norm"));
    EXPECT_TRUE(r.has("\"payments\": 300, \"retired\": 25, \"total_interest\": 175258.1967"));
    EXPECT_EQ(run({}).code, 2);
    EXPECT_EQ(run({"--row", "--frequency yearly"}).code, 2);
}

TEST_F(CompareCliTest, SaveOpenContinueAndSaveAgain) {
    const std::string first = path("first.kcd"), copy = path("copy.KCD");
    CliRun r = run({"--prepay", "2=2500", "--row", "", "--row", "--frequency 1week --days 364",
                    "--save", first});
    ASSERT_EQ(r.code, 0) << r.err;
    // Opened and saved without a new row, the file is the same to the byte.
    ASSERT_EQ(run({"--open", first, "--save", copy}).code, 0);
    EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(first));
    // A row after opening is row 3, with the file's additional payments.
    r = run({"--open", first, "--row", "--frequency monthly", "--format", "json"});
    EXPECT_TRUE(r.has("\"from_file\": true"));
    EXPECT_TRUE(r.has("\"03 Norm M 1m  \", \"25\", \"*"));

    EXPECT_EQ(run({"--row", "", "--save", path("x.kmd")}).err,
              "Bad filename, must be in the form MYFILE.KCD\n");
    ASSERT_TRUE(test::WriteBytes(path("bad.kcd"), test::ReadBytes(first).substr(0, 300)));
    r = run({"--open", path("bad.kcd"), "--row", ""});
    EXPECT_EQ(std::tuple(r.code, r.out), std::tuple(1, ""));
    EXPECT_NE(r.err.find("File not found or wrong format."), std::string::npos);
}

// As text the headings wrap over lines that end where their columns end; the printout goes to
// standard output or to a PDF file.
TEST_F(CompareCliTest, TextAndPrintout) {
    CliRun r = run({"--row", "--principal 400000 --period 40"});
    EXPECT_TRUE(
        r.has("\n     Frequency   Period  of Year  Paymts     Mortgage      Rate    Payment"
              "       Payments\n01 Norm M 1m         40    40.00      12  $400,000.00    "
              "10.125  $3,435.89  $1,249,225.79\n"));
    r = run({"--row", "", "--print", "-", "--header", "Smith family"});
    EXPECT_EQ(r.out.substr(0, 15), "\n Smith family\n");  // (its lines: comparison_printout_test)
    const std::string pdf = path("cmp.pdf");
    ASSERT_EQ(run({"--row", "", "--prepay", "1=100", "--print", pdf}).code, 0);
    const std::string bytes = test::ReadBytes(pdf);
    EXPECT_EQ(bytes.substr(0, 8), "%PDF-1.4");
    EXPECT_NE(bytes.find("(Yr. Mth Row  1) '"), std::string::npos);
}

}  // namespace
}  // namespace bw
