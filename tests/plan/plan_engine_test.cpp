// The planner against the worked figures of 300,000 over 25 years at 5 % compounded semiannually,
// monthly, and against invariants computed independently.

#include <gtest/gtest.h>

#include <cmath>

#include "plan/plan_engine.h"

namespace bw::plan {
namespace {

PlanInput Base() {
    PlanInput in;
    in.principal = 300'000'00;
    in.rates = {{0, 5.0}};
    return in;
}

using Change = std::function<void(PlanInput&)>;
Change Rates(std::vector<RatePeriod> rates) {
    return [rates](PlanInput& in) { in.rates = rates; };
}
Change Lumps(std::vector<LumpSum> lumps, QDate first = {}) {
    return [lumps, first](PlanInput& in) { in.lumps = lumps, in.firstDate = first; };
}

const PlanRow& Row(const PlanResult& r, int k) {
    return r.rows.at(static_cast<std::size_t>(k - 1));
}

TEST(PlanEngine, WorkedFigures) {
    // The change to the base plan, its first payment, payments, total interest (-1: not checked)
    // and further checks (the APR, effective rate, savings and cut lump of these plans as the
    // result boxes and printout show them: plan_printout_test).
    const std::tuple<const char*, Change, Cents, int, Cents, std::function<void(const PlanResult&)>>
        cases[] = {
            {"plain", [](PlanInput&) {}, 1744'81, 300, 223'445'97,
             [](const PlanResult& r) {
                 EXPECT_EQ(std::tuple(Row(r, 300).regular, r.totalPaid),
                           std::tuple(1747'78, 300'000'00 + 223'445'97));
             }},
            {"renewals", Rates({{5, 5.0}, {5, 6.5}, {0, 7.0}}), 1744'81, 300, 287'559'20,
             [](const PlanResult& r) {
                 // Each term's payment, interest and balance at its end.
                 std::vector<std::tuple<Cents, Cents, Cents>> terms;
                 for (const auto& t : r.terms) terms.emplace_back(t.payment, t.interest, t.balance);
                 EXPECT_EQ(terms, (std::vector<std::tuple<Cents, Cents, Cents>>{
                                      {1744'81, 70'211'47, 265'522'87},
                                      {1966'19, 79'395'88, 226'947'35},
                                      {2027'19, 137'951'85, 0}}));
                 EXPECT_EQ(std::tuple(r.terms[1].lastPayment, r.terms[0].principal),
                           std::tuple(120, 300'000'00 - 265'522'87));
             }},
            {"extra 200", [](PlanInput& in) { in.extra = 200'00; }, 1744'81, 246, 177'759'47,
             [](const PlanResult& r) {
                 EXPECT_NEAR(r.aprPercent, 4.9487, 0.00005);  // prepaid without fees
             }},
            {"upfront fee", [](PlanInput& in) { in.fee = 3000'00; }, 1744'81, 300, 223'445'97,
             [](const PlanResult& r) { EXPECT_NEAR(r.aprPercent, 5.0495, 0.00005); }},
            {"lump, privilege, lower",
             [](PlanInput& in) {
                 in.lumps = {{12, {}, 40'000'00}}, in.privilegePercent = 10,
                 in.after = AfterLump::Lower;
             },
             1744'81, 300, -1,
             [](const PlanResult& r) {
                 EXPECT_EQ(std::tuple(Row(r, 12).lump, Row(r, 13).regular),
                           std::tuple(30'000'00, 1566'63));
             }},
            {"biweekly acc", [](PlanInput& in) { in.frequency = Frequency::BiweeklyAcc; }, 872'41,
             558, 186'141'34, nullptr},
            {"2 weeks", [](PlanInput& in) { in.frequency = Frequency::TwoWeeks; }, 803'32, 650, -1,
             nullptr},
            {"increase 2 %", [](PlanInput& in) { in.increasePercent = 2; }, 1744'81, 228,
             176'380'22,
             [](const PlanResult& r) {
                 EXPECT_EQ(std::tuple(Row(r, 12).regular, Row(r, 13).regular),
                           std::tuple(1744'81, 1779'71));
             }},
        };
    for (const auto& [name, set, payment, payments, totalInterest, more] : cases) {
        SCOPED_TRACE(name);
        PlanInput in = Base();
        set(in);
        const PlanResult r = ComputePlan(in);
        ASSERT_TRUE(r.ok()) << r.errorText;
        EXPECT_EQ(std::tuple(r.firstPayment, r.payments), std::tuple(payment, payments));
        EXPECT_TRUE(totalInterest < 0 || r.totalInterest == totalInterest) << r.totalInterest;
        if (more) more(r);
    }
}

TEST(PlanEngine, PaymentDatesAndLumpTiming) {
    // Payment k's date from a first date of 31 January 2027.
    const std::tuple<Frequency, int, QDate> dates[] = {
        {Frequency::Monthly, 2, QDate(2027, 2, 28)},
        {Frequency::Monthly, 13, QDate(2028, 1, 31)},
        {Frequency::Semimonthly, 2, QDate(2027, 2, 14)},
        {Frequency::Semimonthly, 3, QDate(2027, 2, 28)},
        {Frequency::TwoWeeks, 3, QDate(2027, 2, 28)},
        {Frequency::WeeklyAcc, 5, QDate(2027, 2, 28)},
    };
    for (const auto& [frequency, k, date] : dates) {
        PlanInput in = Base();
        std::tie(in.frequency, in.firstDate) = std::tuple(frequency, QDate(2027, 1, 31));
        EXPECT_EQ(Row(ComputePlan(in), k).date, date) << static_cast<int>(frequency) << " " << k;
    }

    // A lump by date follows the first payment on or after it; lumps left after the payoff are
    // listed as cut whole; a limited increase grows by at most 1 % of the term's first payment.
    PlanInput in = Base();
    std::tie(in.firstDate, in.frequency, in.compounding) =
        std::tuple(QDate(2027, 1, 31), Frequency::OneWeek, Compounding::Annual);
    in.lumps = {{0, QDate(2027, 2, 8), 1000'00}, {1000, {}, 290'000'00}, {1200, {}, 5'00}};
    std::tie(in.increasePercent, in.increaseLimitPercent, in.extra, in.extraFrom) =
        std::tuple(2.0, 1.0, 10'00, 53);
    const PlanResult r = ComputePlan(in);
    EXPECT_EQ(Row(r, 52).extra + Row(r, 53).extra, 10'00);
    EXPECT_EQ(Row(r, 3).lump, 1000'00);  // 14 February
    EXPECT_EQ(Row(r, 53).regular, r.firstPayment + RoundCents(r.firstPayment / 100.0 * 0.01));
    ASSERT_EQ(r.cut.size(), 2u);
    // The first lump repays what is left at payment 1000.
    EXPECT_EQ(
        std::tuple(r.payments, Row(r, 1000).balance, r.cut[0].paid, r.cut[0].cut, r.cut[1].paid),
        std::tuple(1000, 0, Row(r, 1000).lump, 290'000'00 - Row(r, 1000).lump, 0));
}

TEST(PlanEngine, RoundsHalfCentUpOnTheDecimalValue) {
    EXPECT_EQ(RoundCents(25.005), 2501);  // the double is 25.00499999...
    EXPECT_EQ(RoundCents(25.00499), 2500);
    EXPECT_EQ(RoundCents(-25.005), -2501);
    EXPECT_EQ(RoundCents(1744.8149999), 174481);
}

TEST(PlanEngine, Invariants) {
    const PlanResult plain = ComputePlan(Base());

    // A renewal at an unchanged rate changes nothing.
    PlanInput same = Base();
    same.rates = {{5, 5.0}, {0, 5.0}};
    const PlanResult renewed = ComputePlan(same);
    ASSERT_EQ(renewed.rows.size(), plain.rows.size());
    for (std::size_t k = 0; k < plain.rows.size(); ++k)
        ASSERT_EQ(renewed.rows[k].regular, plain.rows[k].regular) << k + 1;

    // An extra E with every payment is the plain plan paying A + E.
    PlanInput extra = Base();
    extra.extra = 123'45;
    PlanInput bigger = Base();
    bigger.payment = plain.firstPayment + 123'45;
    const PlanResult a = ComputePlan(extra), b = ComputePlan(bigger);
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (std::size_t k = 0; k < a.rows.size(); ++k) {
        ASSERT_EQ(a.rows[k].regular + a.rows[k].extra, b.rows[k].regular) << k + 1;
        ASSERT_EQ(a.rows[k].balance, b.rows[k].balance) << k + 1;
    }

    // "lower": from the next anniversary, the annuity of the balance left over the payments left.
    PlanInput lower = Base();
    lower.lumps = {{30, {}, 20'000'00}, {31, {}, 20'000'00}};  // the second cut to 10,000
    std::tie(lower.privilegePercent, lower.after) = std::tuple(10.0, AfterLump::Lower);
    const PlanResult l = ComputePlan(lower);
    const double i = std::pow(1.025, 1.0 / 6) - 1;
    const double left = static_cast<double>(Row(l, 36).balance) / 100;
    EXPECT_EQ(
        std::tuple(Row(l, 36).regular, Row(l, 37).regular, l.payments, l.totalLumps),
        std::tuple(1744'81, RoundCents(left * i / (1 - std::pow(1 + i, -264))), 300, 30'000'00));

    // A financed fee is owed: the payment repays principal and fee.
    PlanInput financed = Base();
    std::tie(financed.fee, financed.feeFinanced) = std::tuple(3000'00, true);
    EXPECT_EQ(ComputePlan(financed).firstPayment,
              RoundCents(303'000 * i / (1 - std::pow(1 + i, -300))));

    // Without fees the APR of a monthly plan is 12 x the monthly rate.
    for (const auto& [principal, years, rate, comp] :
         {std::tuple{100'000'00, 1, 3.0, Compounding::Monthly},
          {900'000'00, 40, 5.0, Compounding::Semiannual}}) {
        PlanInput in = Base();
        std::tie(in.principal, in.years, in.compounding) = std::tuple(principal, years, comp);
        in.rates = {{0, rate}};
        const int m = CompoundingsPerYear(comp);
        const double monthly = std::pow(1 + rate / 100 / m, m / 12.0) - 1;
        EXPECT_NEAR(ComputePlan(in).aprPercent, 1200 * monthly, 0.0001) << rate;
    }
}

TEST(PlanEngine, BadInputNamesTheField) {
    const std::pair<const char*, Change> cases[] = {
        {"principal", [](PlanInput& in) { in.principal = 0; }},
        {"period", [](PlanInput& in) { in.years = 0; }},
        {"rate", [](PlanInput& in) { in.rates.clear(); }},
        {"rate", Rates({{0, 0.0}})},
        {"rate", Rates({{0, 5.0}, {0, 6.0}})},
        {"rate", Rates({{25, 5.0}, {0, 6.0}})},
        {"lump", Lumps({{301, {}, 100}})},
        {"lump", Lumps({{1, QDate(2030, 1, 1), 100}})},
        {"lump", Lumps({{1, QDate(2051, 12, 2), 100}}, QDate(2027, 1, 1))},
        {"lump", Lumps({{1, {}, 0}})},
        {"privilege", [](PlanInput& in) { in.privilegePercent = 100.5; }},
        {"increase", [](PlanInput& in) { in.increasePercent = -1; }},
        {"increase-limit", [](PlanInput& in) { in.increaseLimitPercent = 101; }},
        {"after", [](PlanInput& in) { in.after = AfterLump::Lower, in.increasePercent = 1; }},
        {"fee", [](PlanInput& in) { in.fee = 300'000'00; }},
        {"extra", [](PlanInput& in) { in.extraFrom = 301; }},
        {"days", [](PlanInput& in) { in.daysInYear = 400; }},
        {"payment", [](PlanInput& in) { in.payment = 1237'17; }},  // the first interest
    };
    for (const auto& [field, set] : cases) {
        PlanInput in = Base();
        set(in);
        const PlanResult r = ComputePlan(in);
        EXPECT_EQ(std::tuple(r.errorField, r.errorText.rfind(std::string(field) + ": ", 0),
                             r.rows.empty(), r.payments),
                  std::tuple(field, 0u, true, 0))
            << r.errorText;
    }
    PlanInput in = Base();
    Rates({{5, 5.0}, {0, 6.0}, {0, 7.0}})(in);
    EXPECT_EQ(ComputePlan(in).errorText, "rate: the term of rate period 2 must be 1 year or more");
}

}  // namespace
}  // namespace bw::plan
