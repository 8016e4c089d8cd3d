// The planner: a monthly renewal plan, and a weekly 40-year plan with every prepayment kind (the
// savings run a second schedule), and its plan file written and read back.

#include <benchmark/benchmark.h>

#include "plan/plan_engine.h"
#include "plan/plan_file.h"

namespace {

bw::plan::PlanInput Renewals() {
    bw::plan::PlanInput in;
    in.principal = 300'000'00;
    in.rates = {{5, 5.0}, {5, 6.5}, {0, 7.0}};
    return in;
}

bw::plan::PlanInput WeeklyWithPrepayments() {
    bw::plan::PlanInput in = Renewals();
    in.years = 40;
    in.frequency = bw::plan::Frequency::OneWeek;
    in.firstDate = QDate(2027, 1, 4);
    in.extra = 25'00;
    in.increasePercent = 2;
    in.privilegePercent = 10;
    for (int k = 52; k <= 2080; k += 52) in.lumps.push_back({k, {}, 5'000'00});
    return in;
}

void BM_MonthlyRenewals(benchmark::State& state) {
    const auto in = Renewals();
    for (auto _ : state) benchmark::DoNotOptimize(bw::plan::ComputePlan(in));
}
BENCHMARK(BM_MonthlyRenewals);

void BM_WeeklyWithPrepayments(benchmark::State& state) {
    const auto in = WeeklyWithPrepayments();
    for (auto _ : state) benchmark::DoNotOptimize(bw::plan::ComputePlan(in));
}
BENCHMARK(BM_WeeklyWithPrepayments);

void BM_PlanFileRoundTrip(benchmark::State& state) {
    const auto in = WeeklyWithPrepayments();
    for (auto _ : state)
        benchmark::DoNotOptimize(bw::plan::ParsePlanFile(bw::plan::FormatPlanFile(in)));
}
BENCHMARK(BM_PlanFileRoundTrip);

}  // namespace

BENCHMARK_MAIN();
