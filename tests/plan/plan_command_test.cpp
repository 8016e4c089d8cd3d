// brindlewood-cli plan, run in-process.

#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace bw::cli {
namespace {

test::CliRun Plan(std::vector<std::string> args) {
    static QTemporaryDir folder;
    return test::RunCli(RunPlan, std::move(args), folder);
}

TEST(PlanCommand, RenewalExampleAsJsonThroughAPlanFile) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("renewal.KPL").toStdString();
    const test::CliRun run = Plan({"--principal", "300000", "--compounding", "semiannual", "--rate",
                                   "5=5", "--rate", "5=6.5", "--rate", "7", "--first-date",
                                   "2027-01-15", "--format", "json", "--save", file});
    ASSERT_EQ(run.code, 0) << run.err;
    // The options reach the plan (its figures: plan_engine_test); payment 61 opens term 2.
    const QJsonObject r = run.json();
    EXPECT_EQ(std::tuple(r["total_interest"].toDouble(), r["rows"][60]["date"].toString(),
                         r["rows"][60]["payment"].toDouble()),
              std::tuple(287559.20, "2032-01-15", 1966.19));
    // The saved inputs give the same plan, here as yearly rows.
    const test::CliRun again = Plan({"--open", file, "--view", "annual", "--format", "csv"});
    EXPECT_EQ(again.code, 0);
    EXPECT_TRUE(again.has("\r\n5,2031-12-15,5,20937.72,")) << again.out.substr(0, 300);
}

TEST(PlanCommand, BadInputIsOneLineNamingTheField) {
    const test::CliRun r = Plan({"--rate", "5", "--lump", "301=1000"});
    EXPECT_EQ(std::tie(r.code, r.out, r.err),
              std::tuple(2, "",
                         "brindlewood-cli plan: lump: payment 301 is not one of payments 1 "
                         "to 300 (see brindlewood-cli plan --help)\n"));
}

}  // namespace
}  // namespace bw::cli
