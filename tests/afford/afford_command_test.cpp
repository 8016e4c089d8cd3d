// brindlewood-cli afford, run in-process.

#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace bw::cli {
namespace {

// No settings file: "$" and monthly compounding.
test::CliRun Afford(std::vector<std::string> args) {
    static QTemporaryDir folder;
    return test::RunCli(RunAfford, std::move(args), folder);
}

const QJsonObject Json(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "json"});
    return Afford(std::move(args)).json();
}

TEST(AffordCommand, FiguresAndBoxesAsJsonOrText) {
    const QJsonObject r = Json({"--frequency", "biweekly-acc"});
    EXPECT_NEAR(r["interest_saved"].toDouble(), 21004.8715, 1e-3);
    EXPECT_EQ(r["boxes"]["MFInMthPayment"].toString(), "         $675.21");
    const QJsonObject p = Json({"--solve", "principal", "--payment", "675.21"});
    EXPECT_NEAR(p["principal"].toDouble(), 100000.42, 0.005);
    const std::string out = Afford({"--solve", "years", "--payment", "700"}).out;
    EXPECT_NE(out.find("Amortization period in years.             22.93"), std::string::npos);
    // Whole years as the window's box shows them.
    EXPECT_NE(Afford({}).out.find("Amortization period in years." + std::string(16, ' ') + "25\n"),
              std::string::npos);
}

TEST(AffordCommand, FailuresAndBadOptions) {
    const QJsonObject small = Json({"--solve", "years", "--payment", "541.67"});
    EXPECT_EQ(small["message"].toString(),
              "Payment is too small, repayment would take over 40 years.");
    const std::pair<std::vector<std::string>, int> rows[] = {{{"--solve", "rate"}, 2},
                                                             {{"--rate", "-1"}, 2},
                                                             {{"--format", "csv"}, 2},
                                                             {{"--principal", "0"}, 1}};
    for (const auto& [args, code] : rows) EXPECT_EQ(Afford(args).code, code) << args[1];
    EXPECT_EQ(Afford({"--years", "45"}).err, "Wrong entry, 40 Years limit.\n");
    EXPECT_EQ(Afford({"--days", "362"}).err, "Must be between 363 and 365.25 days\n");
    EXPECT_EQ(Json({"--days", "364.5", "--frequency", "1week"})["boxes"]["MFDaysinYear"].toString(),
              "364.5");
}

}  // namespace
}  // namespace bw::cli
