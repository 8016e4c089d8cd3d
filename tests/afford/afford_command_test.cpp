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
};

CliRun Afford(std::vector<std::string> args) {
    static QTemporaryDir folder;  // no settings file: "$" and monthly compounding
    args.push_back("--folder");
    args.push_back(folder.path().toStdString());
    std::ostringstream out, err;
    CliRun r;
    r.code = RunAfford(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

QJsonObject Json(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return doc.object();
}

std::string Box(const QJsonObject& o, const char* name) {
    return o["boxes"].toObject()[name].toString().toStdString();
}

TEST(AffordCommand, JsonOfTheDefaultsWithBiweeklyAcceleratedPayments) {
    const CliRun r = Afford({"--frequency", "biweekly-acc", "--format", "json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const QJsonObject o = Json(r.out);
    EXPECT_EQ(o["principal"].toDouble(), 100000);
    EXPECT_EQ(o["rate"].toDouble(), 6.5);
    EXPECT_EQ(o["years"].toDouble(), 25);
    EXPECT_NEAR(o["payment"].toDouble(), 675.2071464, 1e-6);
    EXPECT_NEAR(o["total_interest"].toDouble(), 102562.1439, 1e-3);
    EXPECT_EQ(o["payments_per_year"].toInt(), 26);
    EXPECT_NEAR(o["years_to_final"].toDouble(), 20.68394, 1e-5);
    EXPECT_NEAR(o["each_payment"].toDouble(), 337.6035732, 1e-6);
    EXPECT_NEAR(o["interest_saved"].toDouble(), 21004.8715, 1e-3);
    EXPECT_NEAR(o["total_interest_paid"].toDouble(), 81557.2724, 1e-3);
    EXPECT_TRUE(o["message"].isNull());
    EXPECT_EQ(Box(o, "MFInMthPayment"), "         $675.21");
    EXPECT_EQ(Box(o, "TotalPmts"), " $102,562.14");
    EXPECT_EQ(Box(o, "MFNumPmts"), "      26");
    EXPECT_EQ(Box(o, "MFDaysinYear"), "365");
    EXPECT_EQ(Box(o, "MFTotIntSaved"), "      $21,004.87");
    EXPECT_EQ(Box(o, "MFNumYrs"), "           20.68");
    EXPECT_EQ(Box(o, "MFPIPmt"), "         $337.60");
    EXPECT_EQ(Box(o, "MFTotIntPaid"), "      $81,557.27");
}

TEST(AffordCommand, SolvesForPrincipalAndYears) {
    const CliRun p = Afford({"--solve", "principal", "--payment", "675.21", "--format", "json"});
    ASSERT_EQ(p.code, 0);
    EXPECT_NEAR(Json(p.out)["principal"].toDouble(), 100000.4226, 1e-3);
    EXPECT_EQ(Box(Json(p.out), "MFInPrincipal"), "     $100,000.42");

    const CliRun y = Afford({"--solve", "years", "--payment", "700", "--format", "json"});
    ASSERT_EQ(y.code, 0);
    EXPECT_NEAR(Json(y.out)["years"].toDouble(), 22.9292266, 1e-6);
    EXPECT_EQ(Box(Json(y.out), "MFInTerm"), "           22.93");

    const CliRun t = Afford({"--solve", "years", "--payment", "700"});
    EXPECT_EQ(t.code, 0);
    EXPECT_NE(t.out.find("Amortization period in years.             22.93"), std::string::npos)
        << t.out;
}

TEST(AffordCommand, FailureReportsTheMessage) {
    const CliRun r = Afford({"--solve", "years", "--payment", "541.67", "--format", "json"});
    EXPECT_EQ(r.code, 1);
    const QJsonObject o = Json(r.out);
    EXPECT_EQ(o["message"].toString(), "Payment is too small, repayment would take over 40 years.");
    EXPECT_TRUE(o["total_interest"].isNull());
    EXPECT_TRUE(o["each_payment"].isNull());
    EXPECT_EQ(o["years"].toDouble(), 0);
    EXPECT_EQ(Box(o, "MFInTerm"), "");
    EXPECT_EQ(Box(o, "TotalPmts"), "");
    const CliRun z = Afford({"--principal", "0"});
    EXPECT_EQ(z.code, 1);
    EXPECT_NE(z.out.find("Check for a missing entry in yellow input boxes and replace it."),
              std::string::npos);
}

TEST(AffordCommand, BadOptions) {
    EXPECT_EQ(Afford({"--solve", "rate"}).code, 2);
    EXPECT_EQ(Afford({"--principal", "abc"}).code, 2);
    EXPECT_EQ(Afford({"--rate", "-1"}).code, 2);
    EXPECT_EQ(Afford({"--frequency", "daily"}).code, 2);
    EXPECT_EQ(Afford({"--format", "csv"}).code, 2);
    const CliRun years = Afford({"--years", "45"});
    EXPECT_EQ(years.code, 1);
    EXPECT_EQ(years.err, "Wrong entry, 40 Years limit.\n");
    const CliRun days = Afford({"--days", "362", "--frequency", "2weeks"});
    EXPECT_EQ(days.code, 1);
    EXPECT_EQ(days.err, "Must be between 363 and 365.25 days\n");
    const CliRun typed = Afford({"--days", "364.5", "--frequency", "1week", "--format", "json"});
    EXPECT_EQ(Box(Json(typed.out), "MFDaysinYear"), "364.5");
}

}  // namespace
}  // namespace bw::cli
