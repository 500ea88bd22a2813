// Smoothing the corner normals of a model where many corners share one position: a damaged or
// degenerate file of faces on one point must cost about as much per face as a sound model, so
// the time grows with the file and the player never looks hung.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "results/io/dxf.h"

// state.range(0) faces without coordinates: three corners each, all on the origin (16,000 faces
// make a file of 144 KB).
static void BM_SmoothNormalsFacesOnOnePoint(benchmark::State& state)
{
    std::string text;
    for (long long i = 0; i < state.range(0); ++i)
        text += "0\n3DFACE\n";
    DXF reader;
    reader.ReadDxfText(text);
    reader.BuildTriangles();
    for (auto _ : state)
        benchmark::DoNotOptimize(SmoothNormals(reader.Triangles));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SmoothNormalsFacesOnOnePoint)
    ->Arg(4000)->Arg(16000)->Arg(64000)->Arg(256000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A fan of faces around one point, each facing its own way, as a spike in a damaged file.
static void BM_SmoothNormalsFanAroundOnePoint(benchmark::State& state)
{
    std::vector<DxfTriangle> fan(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < fan.size(); ++i) {
        const float a = static_cast<float>(i) * 0.001f, b = a + 0.0005f;
        fan[i].Corner[0] = {0, 0, 1};
        fan[i].Corner[1] = {a, 1, 0};
        fan[i].Corner[2] = {b, 1, 0.5f};
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SmoothNormals(fan));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SmoothNormalsFanAroundOnePoint)
    ->Arg(4000)->Arg(16000)->Arg(64000)->Arg(256000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
