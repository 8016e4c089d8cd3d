// Plan files: every input survives a save and a load; damaged files are refused with the problem.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "plan/plan_file.h"

namespace bw::plan {
namespace {

TEST(PlanFile, RoundTripKeepsEveryInput) {
    const PlanInput in{.principal = 412'345'67,
                       .years = 30,
                       .compounding = Compounding::Quarterly,
                       .frequency = Frequency::WeeklyAcc,
                       .daysInYear = 365.25,
                       .firstDate = QDate(2027, 3, 31),
                       .rates = {{5, 4.79}, {0, 6.125}},
                       .extra = 25'05,
                       .extraFrom = 7,
                       .increasePercent = 1.5,
                       .increaseLimitPercent = 3,
                       .lumps = {{12, {}, 1000'01}, {0, QDate(2029, 2, 1), 5000'00}},
                       .privilegePercent = 15,
                       .after = AfterLump::Lower,
                       .fee = 1234'56,
                       .feeFinanced = true,
                       .view = PlanView::Annual,
                       .payment = 999'99};

    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("home.KPL").toStdString();
    ASSERT_TRUE(SavePlanFile(path, in));
    std::string why;
    const auto back = LoadPlanFile(path, &why);
    ASSERT_TRUE(back) << why;
    EXPECT_EQ(FormatPlanFile(*back), FormatPlanFile(in));  // every input, written again
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(SavePlanFile(QDir(dir.path()).filePath("no/such.KPL").toStdString(), in, &why));
    EXPECT_FALSE(LoadPlanFile(QDir(dir.path()).filePath("none.KPL").toStdString(), &why));
    EXPECT_EQ(why, "no such file");
}

TEST(PlanFile, DamagedFilesAreRefusedNamingTheProblem) {
    const std::string head = R"({"format": "brindlewood-plan", "version": 1, )";
    const std::string ok = R"("principal": 1000, "years": 5, "rates": [{"rate": 5}])";
    const std::pair<std::string, std::string> cases[] = {
        {head + ok, "damaged plan file"},  // cut short
        {"[1, 2]", "not a plan file"},
        {R"({"format": "other", "version": 1})", "not a plan file"},
        {R"({"format": "brindlewood-plan", "version": 2})", "version 2 is not known"},
        {R"({"format": "brindlewood-plan"})", "version (none) is not known"},
        {head + R"("years": 5, "rates": [{"rate": 5}]})", "\"principal\" is missing"},
        {head + R"("principal": "1000", "years": 5, "rates": []})",
         "\"principal\" is not a number"},
        {head + R"("principal": 1000, "years": 5})", "\"rates\" is missing"},
        {head + R"("principal": 1000, "years": 5.5, "rates": []})", "\"years\" is not a whole"},
        {head + ok + R"(, "compounding": "daily"})", "\"compounding\" has the unknown value"},
        {head + ok + R"(, "first_date": "2027-02-30"})", "\"first_date\" is not a date"},
        {head + ok + R"(, "lumps": [{"after_payment": 3}]})", "\"amount\" is missing"},
        {head + ok + R"(, "lumps": [7]})", "an entry of \"lumps\" is not an object"},
        {head + ok + R"(, "fee_financed": 1})", "\"fee_financed\" is not true or false"},
        {head + ok + std::string(kPlanFileMaxBytes, ' ') + "}", "too large"},
    };
    for (const auto& [bytes, problem] : cases) {
        std::string why;
        EXPECT_FALSE(ParsePlanFile(bytes, &why)) << bytes.substr(0, 80);
        EXPECT_NE(why.find(problem), std::string::npos) << why;
    }
    EXPECT_TRUE(ParsePlanFile(head + ok + "}"));
}

}  // namespace
}  // namespace bw::plan
