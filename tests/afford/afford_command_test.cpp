// brindlewood-cli afford, run in-process.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw::cli {
namespace {

// Exit code, output and errors of one run; no settings file: "$" and monthly compounding.
std::tuple<int, std::string, std::string> Afford(std::vector<std::string> args) {
    static QTemporaryDir folder;
    args.insert(args.end(), {"--folder", folder.path().toStdString()});
    std::ostringstream out, err;
    const int code = RunAfford(args, out, err);
    return {code, out.str(), err.str()};
}

const QJsonObject Json(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "json"});
    return QJsonDocument::fromJson(QByteArray::fromStdString(std::get<1>(Afford(args)))).object();
}

TEST(AffordCommand, FiguresAndBoxesAsJsonOrText) {
    const QJsonObject r = Json({"--frequency", "biweekly-acc"});
    EXPECT_NEAR(r["interest_saved"].toDouble(), 21004.8715, 1e-3);
    EXPECT_EQ(r["boxes"]["MFInMthPayment"].toString(), "         $675.21");
    const QJsonObject p = Json({"--solve", "principal", "--payment", "675.21"});
    EXPECT_NEAR(p["principal"].toDouble(), 100000.42, 0.005);
    const std::string out = std::get<1>(Afford({"--solve", "years", "--payment", "700"}));
    EXPECT_NE(out.find("Amortization period in years.             22.93"), std::string::npos);
    // Whole years as the window's box shows them.
    EXPECT_NE(std::get<1>(Afford({}))
                  .find("Amortization period in years." + std::string(16, ' ') + "25\n"),
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
    for (const auto& [args, code] : rows) EXPECT_EQ(std::get<0>(Afford(args)), code) << args[1];
    EXPECT_EQ(std::get<2>(Afford({"--years", "45"})), "Wrong entry, 40 Years limit.\n");
    EXPECT_EQ(std::get<2>(Afford({"--days", "362"})), "Must be between 363 and 365.25 days\n");
    EXPECT_EQ(Json({"--days", "364.5", "--frequency", "1week"})["boxes"]["MFDaysinYear"].toString(),
              "364.5");
}

}  // namespace
}  // namespace bw::cli
