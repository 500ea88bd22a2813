#include "tests/fuzz/readers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "casemodel/casefile.h"
#include "casemodel/firingrate.h"
#include "results/io/comforteval.h"
#include "results/io/comfortfile.h"
#include "results/io/dxf.h"
#include "results/io/plotfiles.h"
#include "results/io/resultfiles.h"

namespace {

[[noreturn]] void Violation(const char* what)
{
    std::fprintf(stderr, "reader promise broken: %s\n", what);
    std::abort();
}

// The player's readers take a path: the bytes become a file of the reader's own name in a folder
// of this process.
std::filesystem::path AsFile(std::string_view bytes, const char* name)
{
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("vantora-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    const std::filesystem::path file = folder / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string FreshCaseWith(CaseFileContents& contents)
{
    CaseModel model;
    model.InitFreshCase();
    ApplyCaseFile(contents, model);
    try {
        return CaseFileText(model);
    } catch (const ECaseFileWrite& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Violation("a case file the reader accepts cannot be written");
    }
}

void CaseFile(std::string_view bytes)
{
    for (bool male : {false, true}) {
        CaseFileContents contents;
        ParseCaseFile(bytes, contents, male);
    }
}

// What the reader accepts, the writer writes; that text reads again and writes the same bytes.
// The wearer's sex decides which garment styles a file may name, so both are tried.
void CaseRoundTrip(std::string_view bytes)
{
    for (bool male : {false, true}) {
        CaseFileContents first;
        if (!ParseCaseFile(bytes, first, male))
            continue;
        const std::string written = FreshCaseWith(first);
        CaseFileContents second;
        std::string why;
        if (!ParseCaseFile(written, second, male, &why)) {
            std::fprintf(stderr, "%s\n", why.c_str());
            Violation("a written case file does not read back");
        }
        if (FreshCaseWith(second) != written)
            Violation("a case file changes on its second load and save");
    }
}

// Coefficients a user may type in place of the defaults: every one changed, signs turned so
// the other receptor dominates, and magnitudes whose sums overflow.
std::vector<FiringRateCoefficients> FuzzFiringRates()
{
    std::vector<FiringRateCoefficients> sets(3, DefaultFiringRates());
    for (int slot = 0; slot < FiringRateSlotCount; ++slot) {
        sets[1][slot] = -2.5 * sets[1][slot] + 0.125 * slot;
        sets[2][slot] = slot % 2 ? 1e300 : -1e300;
    }
    return sets;
}

void ComfortInput(std::string_view bytes)
{
    static const std::vector<FiringRateCoefficients> rates = FuzzFiringRates();
    for (const ComfortRecord& record : ParseComfortInput(bytes).Records)
        for (const FiringRateCoefficients& k : rates)
            ComfortLine(record.Time.back(), FuzzyComfortEvaluation(k, record));
}

// A number that follows every byte (FNV-1a), the same in every build, so a kept reproducer
// replays the same choices.
std::size_t Spread(std::string_view bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : bytes)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return static_cast<std::size_t>(h);
}

// The plot window's value columns: fabric 3 to 9, fibre 2 to 4, body 1 to 17; any layer the
// folder counted; either form of value labels. Which layer and form go with which column
// follows the bytes, so every input tries several layers and both forms, and the fuzzer reaches
// every layer without a pass over all of them.
void PlotFile(std::string_view bytes)
{
    struct Columns {
        PlotSource Source;
        int First, Last;
    };
    constexpr Columns offered[] = {
        {PlotSource::Fabric, 3, 9}, {PlotSource::Fiber, 2, 4}, {PlotSource::Body, 1, 17}};
    const PlotTable table(bytes);
    const LayerStructure layers = CountFabricLayers(table);
    const std::size_t spread = Spread(bytes);
    PlotRequest request;
    request.LayerCount = layers.Layers > 0 ? layers.Layers : 1;
    request.RowsPerLayer = layers.RowsPerLayer;
    for (const Columns& list : offered) {
        request.Source = list.Source;
        for (int column = list.First; column <= list.Last; ++column) {
            const std::size_t pick = spread + static_cast<std::size_t>(column);
            request.ValueColumn = column;
            request.Layer = static_cast<int>(pick % static_cast<std::size_t>(request.LayerCount));
            MakePlotTicks(SelectPlotRows(table, request), pick % 2 == 0);
        }
    }
}

void DxfModelFile(std::string_view bytes)
{
    DXF reader;
    reader.ReadDxfText(std::string(bytes));
    if (reader.BuildTriangles() == 0)
        SmoothNormals(reader.Triangles);
}

void EnvironmentFile(std::string_view bytes) { ReadEnvironmentFile(AsFile(bytes, "Environment.dat")); }

void BodyFile(std::string_view bytes) { ReadBodyFile(AsFile(bytes, "BodyProperty.dat")); }

void FabricFile(std::string_view bytes) { ReadFabricFile(AsFile(bytes, "Fabrics.dat")); }

void ComfortFile(std::string_view bytes)
{
    const ComfortSeries series = ParseComfortText(bytes);
    for (int quantity = 0; quantity < 3; ++quantity)
        MakeComfortConclusions(SummarizeComfort(series, quantity), quantity);
}

} // namespace

const std::vector<FuzzReader>& FuzzReaders()
{
    static const std::vector<FuzzReader> readers = {
        {"casefile", CaseFile},
        {"caseroundtrip", CaseRoundTrip},
        {"comfortinput", ComfortInput},
        {"plotfile", PlotFile},
        {"dxf", DxfModelFile},
        {"environment", EnvironmentFile},
        {"bodyproperty", BodyFile},
        {"fabrics", FabricFile},
        {"comfortfile", ComfortFile},
    };
    return readers;
}

const FuzzReader& FuzzReaderNamed(std::string_view name)
{
    for (const FuzzReader& r : FuzzReaders())
        if (name == r.Name)
            return r;
    std::fprintf(stderr, "no fuzz reader named %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}
