// brindlewood-cli plan, run in-process.

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>

#include "cli/commands.h"

namespace bw::cli {
namespace {

std::tuple<int, std::string, std::string> Plan(std::vector<std::string> args) {
    static QTemporaryDir folder;
    args.insert(args.end(), {"--folder", folder.path().toStdString()});
    std::ostringstream out, err;
    const int code = RunPlan(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(PlanCommand, RenewalExampleAsJsonThroughAPlanFile) {
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath("renewal.KPL").toStdString();
    const auto [code, out, err] = Plan(
        {"--principal", "300000", "--compounding", "semiannual", "--rate", "5=5", "--rate", "5=6.5",
         "--rate", "7", "--first-date", "2027-01-15", "--format", "json", "--save", file});
    ASSERT_EQ(code, 0) << err;
    const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(std::tuple(r["payment"].toDouble(), r["payments"].toInt(),
                         r["total_interest"].toDouble(), r["terms"][1]["payment"].toDouble(),
                         r["terms"][0]["balance"].toDouble(), r["effective_rates"][0].toDouble()),
              std::tuple(1744.81, 300, 287559.20, 1966.19, 265522.87, 5.0625));
    // Payment 61 opens term 2.
    EXPECT_EQ(std::tuple(r["rows"][60]["date"].toString(), r["rows"][60]["payment"].toDouble()),
              std::tuple("2032-01-15", 1966.19));
    // The saved inputs give the same plan, here as yearly rows.
    const auto [again, text, none] = Plan({"--open", file, "--view", "annual", "--format", "csv"});
    EXPECT_EQ(again, 0);
    EXPECT_NE(text.find("\r\n5,2031-12-15,5,20937.72,"), std::string::npos) << text.substr(0, 300);
}

TEST(PlanCommand, BadInputIsOneLineNamingTheField) {
    const auto [code, out, err] = Plan({"--rate", "5", "--lump", "301=1000"});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(err,
              "brindlewood-cli plan: lump: payment 301 is not one of payments 1 to 300 (see "
              "brindlewood-cli plan --help)\n");
}

}  // namespace
}  // namespace bw::cli
