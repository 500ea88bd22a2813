// The plot window's reading: the first load of "Fabrics.dat" of the large synthetic set (parse
// the whole table, then keep one layer's rows), and a redraw of the unchanged file, which must
// cost a look at the file's size and time and nothing more.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "results/io/plotfiles.h"
#include "results/io/resultsetgen.h"

namespace fs = std::filesystem;

namespace {

// The large set, written once per run and removed at exit.
struct LargeSet {
    LargeSet() : Folder(fs::temp_directory_path() / ("vantora-plotbench-" + std::to_string(::getpid())))
    {
        const std::string error = WriteResultSet(Folder, ShapeOf(ResultSetSize::Large));
        if (!error.empty())
            std::fprintf(stderr, "%s\n", error.c_str());
        const auto table = ReadPlotTable(Folder / "Fabrics.dat");
        if (table)
            Layers = CountFabricLayers(*table);
    }
    ~LargeSet()
    {
        std::error_code ec;
        fs::remove_all(Folder, ec);
    }
    PlotRequest Request() const
    {
        PlotRequest r;
        r.Source = PlotSource::Fabric;
        r.ValueColumn = 8;
        r.Layer = 1;
        r.LayerCount = Layers.Layers;
        r.RowsPerLayer = Layers.RowsPerLayer;
        return r;
    }
    fs::path Folder;
    LayerStructure Layers;
};

LargeSet& Set()
{
    static LargeSet set;
    return set;
}

void BM_PlotFirstLoad(benchmark::State& state)
{
    const fs::path file = Set().Folder / "Fabrics.dat";
    const PlotRequest request = Set().Request();
    for (auto _ : state) {
        PlotTableCache cache;
        const auto table = cache.Get(file);
        PlotData data = SelectPlotRows(*table, request);
        benchmark::DoNotOptimize(data.Points.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}
BENCHMARK(BM_PlotFirstLoad)->Unit(benchmark::kMillisecond);

void BM_PlotRedrawUnchanged(benchmark::State& state)
{
    const fs::path file = Set().Folder / "Fabrics.dat";
    PlotTableCache cache;
    cache.Get(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Get(file).get());
    if (cache.Parses() != 1)
        state.SkipWithError("the unchanged file was parsed again");
}
BENCHMARK(BM_PlotRedrawUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
