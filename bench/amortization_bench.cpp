// Full amortization schedules per second, each beside the bare payment recurrence it is built on,
// and the affordability solver.
//
// The loans: the tables window's default (100,000 at 10.125 % over 25 years, monthly; and over
// 40 years weekly) and the loans of the peer benchmark in ../shared/bench (145,000 at 5 % over 25
// years monthly, and over 40 years "1 Week"). bench/peers.py prints them side by side as ratios.

#include <benchmark/benchmark.h>

#include "afford/affordability_solver.h"
#include "shell/dates.h"
#include "shell/mmodule.h"
#include "tables/amortization_engine.h"

namespace {

bw::AmortizationInput Mortgage(double principal, double rate, const std::string& frequency,
                               double years) {
    bw::AmortizationInput in;
    in.principal = principal;
    in.rate = rate;
    in.period = years;
    in.frequency = frequency;
    in.rowView = 2;
    return in;
}

// Every row stored, as the tables window asks for it.
void Schedule(benchmark::State& state, const bw::AmortizationInput& in) {
    int rows = 0;
    for (auto _ : state) {
        const bw::AmortizationResult r = bw::CalculateSchedule(in);
        if (r.outcome != bw::EngineOutcome::Completed) state.SkipWithError("calculation failed");
        rows = r.payments;
        benchmark::DoNotOptimize(r.totalPaid);
        benchmark::DoNotOptimize(r.schedule.data());
    }
    state.counters["rows"] = rows;
    state.SetItemsProcessed(state.iterations());  // schedules
}

// The same payments with nothing but the balance recurrence: no rows, no currency conversions,
// no dates. The payment, the rate per payment and the number of payments come from one engine run
// made before the timing starts.
void Recurrence(benchmark::State& state, const bw::AmortizationInput& in) {
    const bw::AmortizationResult r = bw::CalculateSchedule(in);
    const int payments = r.payments;
    const double i = r.loopRate;
    const double payment = r.payment;
    for (auto _ : state) {
        double balance = in.principal;
        double interestPaid = 0;
        for (int k = 0; k < payments; ++k) {
            const double interest = i * balance;
            interestPaid += interest;
            balance -= payment - interest;
        }
        benchmark::DoNotOptimize(balance);
        benchmark::DoNotOptimize(interestPaid);
    }
    state.counters["rows"] = payments;
    state.SetItemsProcessed(state.iterations());
}

const std::string& kMonthly = bw::lists::kFrequency[0];
const std::string& kOneWeek = bw::lists::kFrequency[3];
const std::string& kWeeklyAcc = bw::lists::kFrequency[5];

void BM_Schedule25YearMonthly(benchmark::State& s) {
    Schedule(s, Mortgage(100000, 10.125, kMonthly, 25));
}
void BM_Recurrence25YearMonthly(benchmark::State& s) {
    Recurrence(s, Mortgage(100000, 10.125, kMonthly, 25));
}
void BM_Schedule40YearWeekly(benchmark::State& s) {
    Schedule(s, Mortgage(100000, 10.125, kOneWeek, 40));
}
void BM_Recurrence40YearWeekly(benchmark::State& s) {
    Recurrence(s, Mortgage(100000, 10.125, kOneWeek, 40));
}
void BM_Schedule40YearWeeklyAcc(benchmark::State& s) {
    Schedule(s, Mortgage(100000, 10.125, kWeeklyAcc, 40));
}
void BM_PeerSchedule25YearMonthly(benchmark::State& s) {
    Schedule(s, Mortgage(145000, 5, kMonthly, 25));
}
void BM_PeerRecurrence25YearMonthly(benchmark::State& s) {
    Recurrence(s, Mortgage(145000, 5, kMonthly, 25));
}
void BM_PeerSchedule40YearWeekly(benchmark::State& s) {
    Schedule(s, Mortgage(145000, 5, kOneWeek, 40));
}
void BM_PeerRecurrence40YearWeekly(benchmark::State& s) {
    Recurrence(s, Mortgage(145000, 5, kOneWeek, 40));
}

// The annual view: the payment rows folded into year rows.
void BM_Schedule25YearMonthlyAnnualView(benchmark::State& s) {
    bw::AmortizationInput in = Mortgage(100000, 10.125, kMonthly, 25);
    in.rowView = 1;
    Schedule(s, in);
}

// Payment dates on every row.
void BM_Schedule25YearMonthlyWithDates(benchmark::State& s) {
    bw::AmortizationInput in = Mortgage(100000, 10.125, kMonthly, 25);
    in.dateMode = 1;
    in.firstPayDate = bw::ShortDateText(QDate(2025, 1, 31));
    Schedule(s, in);
}

// The affordability window's three solutions, weekly payments.
void Afford(benchmark::State& state, bw::AffordSolve solve) {
    bw::AffordInput in;
    in.solve = solve;
    in.frequency = kOneWeek;
    in.values[bw::kMFPrincipal] = 145000;
    in.values[bw::kMFRate] = 5;
    in.values[bw::kMFYears] = 25;
    in.values[bw::kMFPayment] = 850;
    for (auto _ : state) {
        const bw::AffordResult r = bw::MFCalc(in);
        if (r.failed) state.SkipWithError("calculation failed");
        benchmark::DoNotOptimize(r.values);
    }
    state.SetItemsProcessed(state.iterations());
}
void BM_AffordPayment(benchmark::State& s) {
    Afford(s, bw::AffordSolve::Payment);
}
void BM_AffordPrincipal(benchmark::State& s) {
    Afford(s, bw::AffordSolve::Principal);
}
void BM_AffordYears(benchmark::State& s) {
    Afford(s, bw::AffordSolve::Years);
}

BENCHMARK(BM_Schedule25YearMonthly);
BENCHMARK(BM_Recurrence25YearMonthly);
BENCHMARK(BM_Schedule40YearWeekly);
BENCHMARK(BM_Recurrence40YearWeekly);
BENCHMARK(BM_Schedule40YearWeeklyAcc);
BENCHMARK(BM_PeerSchedule25YearMonthly);
BENCHMARK(BM_PeerRecurrence25YearMonthly);
BENCHMARK(BM_PeerSchedule40YearWeekly);
BENCHMARK(BM_PeerRecurrence40YearWeekly);
BENCHMARK(BM_Schedule25YearMonthlyAnnualView);
BENCHMARK(BM_Schedule25YearMonthlyWithDates);
BENCHMARK(BM_AffordPayment);
BENCHMARK(BM_AffordPrincipal);
BENCHMARK(BM_AffordYears);

}  // namespace

BENCHMARK_MAIN();
