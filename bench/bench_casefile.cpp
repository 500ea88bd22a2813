// Writing and reading the largest case the data file allows (50 stages, 50 garments with
// three layers, 30 fabrics, 30 fibres with 16-point curves, 20 membranes).
#include <benchmark/benchmark.h>

#include "tests/unit/casefile_cases.h"

static void BM_WriteMaximalCase(benchmark::State& state)
{
    const CaseFixture c = MaximalCase();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = c.Text();
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteMaximalCase)->Unit(benchmark::kMillisecond);

static void BM_ReadMaximalCase(benchmark::State& state)
{
    const std::string text = MaximalCase().Text();
    for (auto _ : state) {
        CaseFixture loaded;
        if (!LoadText(text, loaded, true))
            state.SkipWithError("the maximal case did not load");
        benchmark::DoNotOptimize(loaded.Model.Stages.data());
    }
}
BENCHMARK(BM_ReadMaximalCase)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
