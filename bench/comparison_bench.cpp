// The comparison table: one row of the engine, a full table of 12 rows with additional payments,
// and writing and reading its .KCD file.

#include <benchmark/benchmark.h>

#include "compare/comparison_engine.h"
#include "compare/comparison_file.h"
#include "compare/comparison_sheet.h"

namespace {

bw::PrePayTableData SomePrePayments() {
    bw::PrePayTableData p{};
    for (int y = 1; y <= 25; y += 2)
        p[static_cast<std::size_t>(y)] = {bw::Money(), bw::Money::fromDouble(y),
                                          bw::Money::fromDouble(1000.0 * y)};
    return p;
}

bw::ComparisonFile TwelveRows() {
    bw::ComparisonFile f;
    f.prePayYears = 25;
    f.prePayTable = SomePrePayments();
    for (int r = 0; r < 12; ++r) {
        bw::ComparisonInput in;
        in.frequency = bw::lists::kFrequency[static_cast<std::size_t>(r % 6)];
        in.prePayTable = f.prePayTable;
        in.rowCounter = f.sheet.rowCounter;
        f.sheet.addRow(bw::CalculateComparisonRow(in));
    }
    f.resultRowCount = 12;
    return f;
}

void BM_WeeklyRowWithAdditionalPayments(benchmark::State& state) {
    bw::ComparisonInput in;
    in.frequency = bw::lists::kFrequency[3];
    in.period = 40;
    in.prePayTable = SomePrePayments();
    for (auto _ : state) benchmark::DoNotOptimize(bw::CalculateComparisonRow(in));
}
BENCHMARK(BM_WeeklyRowWithAdditionalPayments);

void BM_TwelveRowTable(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TwelveRows());
}
BENCHMARK(BM_TwelveRowTable);

void BM_FileRoundTrip(benchmark::State& state) {
    const bw::ComparisonFile f = TwelveRows();
    for (auto _ : state) {
        const std::string bytes = bw::FormatComparisonFile(f);
        benchmark::DoNotOptimize(bw::ParseComparisonFile(bytes, 12));
    }
}
BENCHMARK(BM_FileRoundTrip);

}  // namespace

BENCHMARK_MAIN();
