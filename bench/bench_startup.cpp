// Start-up: creating the main window and the other 42 windows of the application.
#include <benchmark/benchmark.h>

#include "app/windows.h"
#include "toolkit/application.h"

static void BM_CreateApplicationWindows(benchmark::State& state)
{
    for (auto _ : state) {
        CreateApplicationWindows();
        DestroyApplicationWindows();
    }
}
BENCHMARK(BM_CreateApplicationWindows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
