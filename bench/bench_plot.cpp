// The plot window's first load of "Fabrics.dat": the directory window's "Open" (counting the
// layers) and the first "Show Data" up to the points and the tick texts, without the drawing.
// It is measured against the player's parser of the same file (ReadFabricFile) at 1x, 4x and
// 16x the large synthetic set (the copies with their times shifted on), for layer 1 and the last
// layer and the value columns 8 and 9. Every run is a process of its own, so each load is a
// first one and its peak memory (peak RSS minus RSS before) is its own; parser and plot runs
// alternate and the medians of 9 are compared. A redraw of the unchanged file is timed by Google
// Benchmark after the table.
//
//     bench_plot                                  the table, then the redraw benchmark
//     bench_plot --make-fabrics <folder> <copies> writes the large set's "Fabrics.dat" that often
//     bench_plot --run parse|plot <file> <layer> <column> <warm-up file>
//                                                 one run: seconds, CPU seconds, peak bytes,
//                                                 rows (layer 0-based, -1 for the last)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "casemodel/textfile.h"
#include "results/io/plotfiles.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "results/plotstate.h"

namespace fs = std::filesystem;

namespace {

// ---- the load as the window does it

struct LoadOutcome {
    int Rows = 0;
    int Layers = 0;
};

LoadOutcome PlotFirstLoad(const fs::path& file, int layer, int column)
{
    LoadOutcome outcome;
    // "Open": the layers of the first time block.
    const FabricLayout layout = FabricLayout::Count(file);
    if (!layout.Layers.Valid)
        return outcome;
    outcome.Layers = layout.Layers.Layers;
    // The first "Show Data".
    const PlotRequest request = layout.FabricRequest(layer < 0 ? layout.Layers.Layers - 1 : layer, column);
    PlotFileCache cache;
    const PlotFileCache::Load load = cache.Get(file, request);
    if (!load.Read || !load.Read->Ok())
        return outcome;
    PlotState state;
    state.Data = load.Read->Data;
    state.Ticks = MakePlotTicks(state.Data, FixedPointValueLabels(column - 3, -1));
    outcome.Rows = state.Data.RowCount();
    return outcome;
}

// ---- the sets

// The large set's "Fabrics.dat" written `copies` times one after the other, each copy's times
// shifted on by the length of the whole run (the last time plus one frame step).
std::string WriteScaledFabrics(const fs::path& source, const fs::path& target, int copies)
{
    std::string text;
    if (!ReadWholeFile(source.string(), text))
        return "cannot read " + source.string();
    std::ofstream out(target, std::ios::binary);
    if (copies == 1) {
        out << text;
        return out ? std::string() : "cannot write " + target.string();
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    auto timeOf = [](std::string_view line) { return std::strtod(std::string(line.substr(0, line.find('\t'))).c_str(), nullptr); };
    double first = timeOf(lines.front()), step = 0;
    for (std::string_view line : lines)
        if (timeOf(line) > first) {
            step = timeOf(line) - first;
            break;
        }
    double last = first;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (!it->empty()) {
            last = timeOf(*it);
            break;
        }
    const double shift = last + step - first;
    std::string block;
    for (int c = 0; c < copies; ++c) {
        block.clear();
        for (std::string_view line : lines) {
            if (line.empty())
                continue;
            const std::size_t tab = line.find('\t');
            char buf[32];
            const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, timeOf(line) + c * shift);
            block.append(buf, ec == std::errc() ? end : buf);
            block.append(line.substr(tab));
            block += "\r\n";
        }
        out << block;
    }
    return out ? std::string() : "cannot write " + target.string();
}

struct Sets {
    Sets() : Root(fs::temp_directory_path() / ("vantora-plotbench-" + std::to_string(::getpid()))) {}
    ~Sets()
    {
        std::error_code ec;
        fs::remove_all(Root, ec);
    }
    // "Fabrics.dat" at `copies` times the large set.
    fs::path Fabrics(int copies)
    {
        const fs::path base = Root / "1";
        if (!fs::exists(base / FabricFileName)) {
            const std::string error = WriteResultSet(base, ShapeOf(ResultSetSize::Large));
            if (!error.empty())
                std::fprintf(stderr, "%s\n", error.c_str());
        }
        if (copies == 1)
            return base / FabricFileName;
        const fs::path folder = Root / std::to_string(copies);
        fs::create_directories(folder);
        // The parser takes its layer limit from the environment beside the file.
        std::error_code ec;
        fs::copy_file(base / EnvironmentFileName, folder / EnvironmentFileName, fs::copy_options::skip_existing, ec);
        const fs::path file = folder / FabricFileName;
        if (!fs::exists(file)) {
            const std::string error = WriteScaledFabrics(base / FabricFileName, file, copies);
            if (!error.empty())
                std::fprintf(stderr, "%s\n", error.c_str());
        }
        return file;
    }
    // The first two time blocks of the large set.
    fs::path WarmUp()
    {
        const fs::path file = Root / "warm-up.dat";
        if (!fs::exists(file)) {
            std::string text;
            ReadWholeFile(Fabrics(1).string(), text);
            std::size_t end = 0;
            for (int line = 0; line < 160 && end != std::string::npos; ++line)
                end = text.find('\n', end + 1);
            std::ofstream(file, std::ios::binary) << text.substr(0, end == std::string::npos ? text.size() : end + 1);
        }
        return file;
    }
    fs::path Root;
};

Sets& TheSets()
{
    static Sets sets;
    return sets;
}

// ---- one run in a process of its own

long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, n, key) == 0)
            return std::strtol(line.c_str() + n, nullptr, 10);
    return 0;
}

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Run {
    double Seconds = 0;
    double CpuSeconds = 0;  // user and system time, less bent by other work on the machine
    double PeakBytes = 0;  // peak RSS minus RSS before
    int Rows = 0;
};

int LoadOnce(const std::string& kind, const fs::path& file, int layer, int column)
{
    if (kind == "parse") {
        // The player reads the file with the garments' layer total of the folder's environment.
        const int layers = GarmentLayerTotal(ReadEnvironment(file.parent_path()).Data);
        const FabricRead read = ReadFabricFile(file, layers);
        return read.Ok() ? static_cast<int>(read.Layers.size()) : -1;
    }
    return PlotFirstLoad(file, layer, column).Rows;
}

// One load in this process: "parse" the player's parser, "plot" the plot window's first load.
// A small file is loaded the same way before, so the costs of the first calls into the code
// (the dynamic linker's binding, the first page faults of the program's own pages), which the
// application has paid long before a user opens a result folder, are not counted.
Run RunHere(const std::string& kind, const fs::path& file, int layer, int column, const fs::path& warmUp)
{
    LoadOnce(kind, warmUp, layer, column);
    // Writing 5 sets the peak back to the present size.
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long before = StatusKb("VmRSS:");
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    Run run;
    run.Rows = LoadOnce(kind, file, layer, column);
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.CpuSeconds = CpuSeconds() - cpuStart;
    run.PeakBytes = 1024.0 * static_cast<double>(StatusKb("VmHWM:") - before);
    return run;
}

// The same in a fresh process: a forked one would reuse the heap its parent freed, whose pages
// are resident already and would not count.
Run RunApart(const std::string& kind, const fs::path& file, int layer, int column)
{
    const std::string command = "'" + fs::canonical("/proc/self/exe").string() + "' --run " + kind + " '" +
                                file.string() + "' " + std::to_string(layer) + " " + std::to_string(column) +
                                " '" + TheSets().WarmUp().string() + "'";
    Run run;
    if (std::FILE* out = ::popen(command.c_str(), "r")) {
        if (std::fscanf(out, "%lf %lf %lf %d", &run.Seconds, &run.CpuSeconds, &run.PeakBytes, &run.Rows) != 4)
            run = Run();
        ::pclose(out);
    }
    return run;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : 0.5 * (v[v.size() / 2 - 1] + v[v.size() / 2]);
}

constexpr int kPairs = 9;

void CompareWithParser()
{
    struct Case {
        int Layer, Column;
        const char* Name;
    };
    // Layer 1 as the window lists it ("The 1th layer Fabric"), and the last.
    const Case cases[] = {{0, 8, "layer 1, column 8"}, {0, 9, "layer 1, column 9"},
                          {-1, 8, "last layer, column 8"}, {-1, 9, "last layer, column 9"}};
    std::printf("%-6s %-22s %9s %9s %7s %9s %8s %8s %7s\n", "size", "case", "plot ms", "parse ms", "ratio",
                "plot MB/s", "plot mem", "pars mem", "rows");
    double perMb1x[4] = {}, perMb16x[4] = {}, cpuPerMb1x[4] = {}, cpuPerMb16x[4] = {};
    for (int copies : {1, 4, 16}) {
        const fs::path file = TheSets().Fabrics(copies);
        const double bytes = static_cast<double>(fs::file_size(file));
        ::sync();
        std::vector<double> parse, parseMem;
        std::vector<std::vector<double>> plot(4), plotCpu(4), plotMem(4);
        std::vector<int> rows(4);
        for (int pair = 0; pair < kPairs; ++pair) {
            const Run p = RunApart("parse", file, 0, 0);
            parse.push_back(p.Seconds);
            parseMem.push_back(p.PeakBytes);
            for (std::size_t c = 0; c < 4; ++c) {
                const Run r = RunApart("plot", file, cases[c].Layer, cases[c].Column);
                plot[c].push_back(r.Seconds);
                plotCpu[c].push_back(r.CpuSeconds);
                plotMem[c].push_back(r.PeakBytes);
                rows[c] = r.Rows;
            }
        }
        const double parseMs = 1000 * Median(parse);
        for (std::size_t c = 0; c < 4; ++c) {
            const double plotS = Median(plot[c]);
            const double perMb = plotS / (bytes / 1e6), cpuPerMb = Median(plotCpu[c]) / (bytes / 1e6);
            if (copies == 1) {
                perMb1x[c] = perMb;
                cpuPerMb1x[c] = cpuPerMb;
            }
            if (copies == 16) {
                perMb16x[c] = perMb;
                cpuPerMb16x[c] = cpuPerMb;
            }
            std::printf("%2dx    %-22s %9.1f %9.1f %7.2f %9.1f %7.2fx %7.2fx %7d\n", copies, cases[c].Name, 1000 * plotS,
                        parseMs, 1000 * plotS / parseMs, bytes / 1e6 / plotS, Median(plotMem[c]) / bytes,
                        Median(parseMem) / bytes, rows[c]);
        }
        std::printf("%2dx    file %.1f MB\n", copies, bytes / 1e6);
    }
    for (std::size_t c = 0; c < 4; ++c)
        std::printf("time per MB at 16x / at 1x, %s: %.3f (CPU time %.3f)\n", cases[c].Name, perMb16x[c] / perMb1x[c],
                    cpuPerMb16x[c] / cpuPerMb1x[c]);
    std::fflush(stdout);
}

// A redraw of the unchanged file: the cache looks at the file's size and time and parses nothing.
void BM_PlotRedrawUnchanged(benchmark::State& state)
{
    const fs::path file = TheSets().Fabrics(1);
    PlotRequest request;
    request.ValueColumn = 8;
    request.LayerCount = 5;
    request.RowsPerLayer = 16;
    PlotFileCache cache;
    cache.Get(file, request);
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Get(file, request).Read.get());
    if (cache.Parses() != 1)
        state.SkipWithError("the unchanged file was parsed again");
}
BENCHMARK(BM_PlotRedrawUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--make-fabrics") {
        const fs::path folder = argv[2];
        fs::create_directories(folder);
        const fs::path base = folder / "base";
        std::string error = WriteResultSet(base, ShapeOf(ResultSetSize::Large));
        if (error.empty())
            error = WriteScaledFabrics(base / FabricFileName, folder / FabricFileName, std::atoi(argv[3]));
        std::error_code ec;
        fs::remove_all(base, ec);
        if (!error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc == 7 && std::string(argv[1]) == "--run") {
        const Run run = RunHere(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), argv[6]);
        std::printf("%.6f %.6f %.0f %d\n", run.Seconds, run.CpuSeconds, run.PeakBytes, run.Rows);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    CompareWithParser();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
