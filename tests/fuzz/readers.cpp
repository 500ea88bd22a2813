#include "tests/fuzz/readers.h"

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
void CaseRoundTrip(std::string_view bytes)
{
    CaseFileContents first;
    if (!ParseCaseFile(bytes, first, false))
        return;
    const std::string written = FreshCaseWith(first);
    CaseFileContents second;
    std::string why;
    if (!ParseCaseFile(written, second, false, &why)) {
        std::fprintf(stderr, "%s\n", why.c_str());
        Violation("a written case file does not read back");
    }
    if (FreshCaseWith(second) != written)
        Violation("a case file changes on its second load and save");
}

void ComfortInput(std::string_view bytes)
{
    const FiringRateCoefficients rates = DefaultFiringRates();
    for (const ComfortRecord& record : ParseComfortInput(bytes))
        ComfortLine(0, FuzzyComfortEvaluation(rates, record));
}

void PlotFile(std::string_view bytes)
{
    const LayerStructure layers = CountFabricLayers(bytes);
    PlotRequest request;
    for (PlotSource source : {PlotSource::Fabric, PlotSource::Fiber, PlotSource::Body}) {
        request.Source = source;
        request.LayerCount = layers.Layers > 0 ? layers.Layers : 1;
        request.RowsPerLayer = layers.RowsPerLayer;
        request.Layer = request.LayerCount - 1;
        MakePlotTicks(ParsePlotText(bytes, request).Data, false);
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
        SummarizeComfort(series, quantity);
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
