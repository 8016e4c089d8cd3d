// brindlewood-cli plan, run in-process.

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>

#include "support/cli_run.h"

namespace bw::cli {
namespace {

test::CliRun Plan(std::vector<std::string> args) {
    static QTemporaryDir folder;
    return test::RunCli(RunPlan, std::move(args), folder);
}

TEST(PlanCommand, RenewalExampleAsJsonThroughAPlanFile) {
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath("renewal.KPL").toStdString();
    const test::CliRun run = Plan({"--principal", "300000", "--compounding", "semiannual", "--rate",
                                   "5=5", "--rate", "5=6.5", "--rate", "7", "--first-date",
                                   "2027-01-15", "--format", "json", "--save", file});
    ASSERT_EQ(run.code, 0) << run.err;
    const QJsonObject r = run.json();
    EXPECT_EQ(std::tuple(r["payment"].toDouble(), r["payments"].toInt(),
                         r["total_interest"].toDouble(), r["terms"][1]["payment"].toDouble(),
                         r["terms"][0]["balance"].toDouble(), r["effective_rates"][0].toDouble()),
              std::tuple(1744.81, 300, 287559.20, 1966.19, 265522.87, 5.0625));
    // Payment 61 opens term 2.
    EXPECT_EQ(std::tuple(r["rows"][60]["date"].toString(), r["rows"][60]["payment"].toDouble()),
              std::tuple("2032-01-15", 1966.19));
    // The saved inputs give the same plan, here as yearly rows.
    const test::CliRun again = Plan({"--open", file, "--view", "annual", "--format", "csv"});
    EXPECT_EQ(again.code, 0);
    const std::string& text = again.out;
    EXPECT_NE(text.find("\r\n5,2031-12-15,5,20937.72,"), std::string::npos) << text.substr(0, 300);
}

TEST(PlanCommand, BadInputIsOneLineNamingTheField) {
    const test::CliRun r = Plan({"--rate", "5", "--lump", "301=1000"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err,
              "brindlewood-cli plan: lump: payment 301 is not one of payments 1 to 300 (see "
              "brindlewood-cli plan --help)\n");
}

}  // namespace
}  // namespace bw::cli
