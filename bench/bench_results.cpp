// Reading result sets: the large synthetic set (about 30 MB) for the parsing rate, the realistic
// one (120 frames, 5 layers of 8 nodes) for what a user waits for when loading.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include <unistd.h>

#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"

namespace fs = std::filesystem;

namespace {

// Each size is generated once per run into a temporary folder, removed at exit.
class GeneratedSets {
public:
    ~GeneratedSets()
    {
        std::error_code ec;
        if (!root_.empty())
            fs::remove_all(root_, ec);
    }
    const fs::path& Folder(ResultSetSize size)
    {
        auto it = folders_.find(size);
        if (it != folders_.end())
            return it->second;
        if (root_.empty())
            root_ = fs::temp_directory_path() / ("vantora-bench-" + std::to_string(::getpid()));
        fs::path folder = root_ / std::to_string(static_cast<int>(size));
        const std::string error = WriteResultSet(folder, ShapeOf(size));
        if (!error.empty())
            std::fprintf(stderr, "%s\n", error.c_str());
        return folders_.emplace(size, folder).first->second;
    }

private:
    fs::path root_;
    std::map<ResultSetSize, fs::path> folders_;
};

GeneratedSets& Sets()
{
    static GeneratedSets sets;
    return sets;
}

std::int64_t FileSize(const fs::path& file)
{
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return ec ? 0 : static_cast<std::int64_t>(size);
}

void BM_ReadFabricsLarge(benchmark::State& state)
{
    const fs::path folder = Sets().Folder(ResultSetSize::Large);
    const fs::path file = folder / FabricFileName;
    const int layers = GarmentLayerTotal(ReadEnvironment(folder).Data);
    for (auto _ : state) {
        FabricRead read = ReadFabricFile(file, layers);
        if (!read.Ok())
            state.SkipWithError(read.Error.c_str());
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadFabricsLarge)->Unit(benchmark::kMillisecond);

void BM_ReadBodyLarge(benchmark::State& state)
{
    const fs::path file = Sets().Folder(ResultSetSize::Large) / BodyFileName;
    for (auto _ : state) {
        BodyRead read = ReadBodyFile(file);
        if (!read.Ok())
            state.SkipWithError(read.Error.c_str());
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadBodyLarge)->Unit(benchmark::kMillisecond);

// What the data window does: the environment, then body and fabrics into the player's data.
void LoadWholeSet(benchmark::State& state, ResultSetSize size)
{
    const fs::path folder = Sets().Folder(size);
    for (auto _ : state) {
        const EnvironmentRead env = ReadEnvironment(folder);
        PlayerResults results = LoadPlayerResults(folder, env.Data);
        if (!env.Ok() || results.Result != PlayerResults::Loaded)
            state.SkipWithError("the set did not load");
        benchmark::DoNotOptimize(results);
    }
    state.SetBytesProcessed(state.iterations()
                            * (FileSize(folder / EnvironmentFileName) + FileSize(folder / BodyFileName)
                               + FileSize(folder / FabricFileName)));
}

void BM_LoadRealisticSet(benchmark::State& state) { LoadWholeSet(state, ResultSetSize::Realistic); }
BENCHMARK(BM_LoadRealisticSet)->Unit(benchmark::kMillisecond);

void BM_LoadLargeSet(benchmark::State& state) { LoadWholeSet(state, ResultSetSize::Large); }
BENCHMARK(BM_LoadLargeSet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // Write the sets before timing anything, and let the system flush them: a freshly written
    // 30 MB otherwise slows the first reads down while it goes to disk.
    Sets().Folder(ResultSetSize::Large);
    Sets().Folder(ResultSetSize::Realistic);
    ::sync();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
