// Full amortization schedules per second, beside the bare payment recurrence they are built on.

#include <benchmark/benchmark.h>

#include "shell/mmodule.h"
#include "tables/amortization_engine.h"

namespace {

bw::AmortizationInput Mortgage(const std::string& frequency, double years) {
    bw::AmortizationInput in;
    in.principal = 100000;
    in.rate = 10.125;
    in.period = years;
    in.frequency = frequency;
    in.rowView = 2;
    return in;
}

void Schedule(benchmark::State& state, const std::string& frequency, double years) {
    const bw::AmortizationInput in = Mortgage(frequency, years);
    int rows = 0;
    for (auto _ : state) {
        const bw::AmortizationResult r = bw::CalculateSchedule(in);
        if (r.outcome != bw::EngineOutcome::Completed) state.SkipWithError("calculation failed");
        rows = r.payments;
        benchmark::DoNotOptimize(r.totalPaid);
    }
    state.counters["rows"] = rows;
    state.SetItemsProcessed(state.iterations());  // schedules
}

// The same payments with nothing but the balance recurrence: no rows, no currency conversions,
// no dates. The payment, the rate per payment and the number of payments come from one engine run
// made before the timing starts.
void Recurrence(benchmark::State& state, const std::string& frequency, double years) {
    const bw::AmortizationResult r = bw::CalculateSchedule(Mortgage(frequency, years));
    const int payments = r.payments;
    const double i = r.loopRate;
    const double payment = r.payment;
    for (auto _ : state) {
        double balance = 100000;
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

void BM_Schedule25YearMonthly(benchmark::State& state) {
    Schedule(state, bw::lists::kFrequency[0], 25);
}
void BM_Schedule40YearWeekly(benchmark::State& state) {
    Schedule(state, bw::lists::kFrequency[3], 40);
}
void BM_Schedule40YearWeeklyAcc(benchmark::State& state) {
    Schedule(state, bw::lists::kFrequency[5], 40);
}
void BM_Recurrence25YearMonthly(benchmark::State& state) {
    Recurrence(state, bw::lists::kFrequency[0], 25);
}
void BM_Recurrence40YearWeekly(benchmark::State& state) {
    Recurrence(state, bw::lists::kFrequency[3], 40);
}

BENCHMARK(BM_Schedule25YearMonthly);
BENCHMARK(BM_Recurrence25YearMonthly);
BENCHMARK(BM_Schedule40YearWeekly);
BENCHMARK(BM_Schedule40YearWeeklyAcc);
BENCHMARK(BM_Recurrence40YearWeekly);

}  // namespace

BENCHMARK_MAIN();
