// brindlewood-cli afford, run in-process.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "cli/commands.h"

namespace bw::cli {
namespace {

struct CliRun {
    int code = 0;
    std::string out, err;
    QJsonObject json() const {
        return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    }
    std::string box(const char* name) const {
        return json()["boxes"].toObject()[name].toString().toStdString();
    }
};

CliRun Afford(std::vector<std::string> args) {
    static QTemporaryDir folder;  // no settings file: "$" and monthly compounding
    args.insert(args.end(), {"--folder", folder.path().toStdString()});
    std::ostringstream out, err;
    CliRun r;
    r.code = RunAfford(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

TEST(AffordCommand, FiguresAndBoxesAsJsonOrText) {
    const CliRun r = Afford({"--frequency", "biweekly-acc", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(r.json()["payment"].toDouble(), 675.2071464, 1e-6);
    EXPECT_NEAR(r.json()["interest_saved"].toDouble(), 21004.8715, 1e-3);
    EXPECT_EQ(r.box("MFInMthPayment"), "         $675.21");
    EXPECT_EQ(r.box("MFNumYrs"), "           20.68");
    const CliRun p = Afford({"--solve", "principal", "--payment", "675.21", "--format", "json"});
    EXPECT_EQ(p.box("MFInPrincipal"), "     $100,000.42");
    const CliRun y = Afford({"--solve", "years", "--payment", "700"});
    EXPECT_NE(y.out.find("Amortization period in years.             22.93"), std::string::npos)
        << y.out;
}

TEST(AffordCommand, FailuresAndBadOptions) {
    const CliRun small = Afford({"--solve", "years", "--payment", "541.67", "--format", "json"});
    EXPECT_EQ(small.code, 1);
    EXPECT_EQ(small.json()["message"].toString(),
              "Payment is too small, repayment would take over 40 years.");
    EXPECT_EQ(small.box("TotalPmts"), "");
    const std::pair<std::vector<std::string>, int> rows[] = {
        {{"--solve", "rate"}, 2},      {{"--principal", "abc"}, 2}, {{"--rate", "-1"}, 2},
        {{"--frequency", "daily"}, 2}, {{"--format", "csv"}, 2},    {{"--principal", "0"}, 1}};
    for (const auto& [args, code] : rows) EXPECT_EQ(Afford(args).code, code) << args[0];
    EXPECT_EQ(Afford({"--years", "45"}).err, "Wrong entry, 40 Years limit.\n");
    EXPECT_EQ(Afford({"--days", "362", "--frequency", "2weeks"}).err,
              "Must be between 363 and 365.25 days\n");
    EXPECT_EQ(
        Afford({"--days", "364.5", "--frequency", "1week", "--format", "json"}).box("MFDaysinYear"),
        "364.5");
}

}  // namespace
}  // namespace bw::cli
