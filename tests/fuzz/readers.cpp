#include "tests/fuzz/readers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "casemodel/casefile.h"
#include "casemodel/firingrate.h"
#include "casemodel/textfile.h"
#include "results/io/comforteval.h"
#include "results/io/comfortfile.h"
#include "results/io/dxf.h"
#include "results/io/plotfiles.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "tests/unit/splicesweep.h"

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
    const LayerStructure layers = CountFabricLayers(bytes);
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
            MakePlotTicks(ParsePlotText(bytes, request).Data, pick % 2 == 0);
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


// ---- Files cut short

// Small valid files: two garments of one and two layers, three stages; four body rows half a
// minute apart; three time blocks of the three layers of two nodes. Every value differs from the
// others.
const char* const kEnvironmentSample =
    "Environment of the run\n"
    "1\tsex\n"
    "Garments\n"
    "2\n"
    "No.\tLayers\tStyle\n"
    "1\t1\t2\n"
    "2\t2\t3\n"
    "Stage\tT\tRH\tTime\n"
    "1\t20.5\t40\t10\n"
    "2\t31.25\t62.5\t20\n"
    "3\t12\t35\t30\n";
const char* const kBodySample =
    "0\t33.12\t36.95\t0.06\t58.2\t41.3\t6.25\t12.5\t10\t10.25\t10.5\t10.75\t11\t11.25\t11.5\t11.75\t12\t12.25\n"
    "0.5\t33.33\t36.98\t0.07\t59.7\t42.3\t6.75\t13.5\t11\t11.25\t11.5\t11.75\t12\t12.25\t12.5\t12.75\t13\t13.25\n"
    "1\t33.54\t37.01\t0.08\t61.2\t43.3\t7.25\t14.5\t12\t12.25\t12.5\t12.75\t13\t13.25\t13.5\t13.75\t14\t14.25\n"
    "1.5\t33.75\t37.04\t0.09\t62.7\t44.3\t7.75\t15.5\t13\t13.25\t13.5\t13.75\t14\t14.25\t14.5\t14.75\t15\t15.25\n";
const char* const kFabricsSample =
    "0\t0\t0\t0.0123\t0.0120\t-1.5E-06\t43.48\t2.5E-07\t29.5057\t0.000\n"
    "0\t0.06\t0\t0.0124\t0.0120\t-1.5E-06\t44.38\t2.5E-07\t29.1057\t0.001\n"
    "0\t0.12\t1\t0.0130\t0.0120\t-1.5E-06\t46.58\t2.5E-07\t28.2557\t0.010\n"
    "0\t0.37\t1\t0.0131\t0.0120\t-1.5E-06\t47.48\t2.5E-07\t27.8557\t0.011\n"
    "0\t0.45\t2\t0.0137\t0.0120\t-1.5E-06\t49.68\t2.5E-07\t27.0057\t0.020\n"
    "0\t0.7\t2\t0.0138\t0.0120\t-1.5E-06\t50.58\t2.5E-07\t26.6057\t0.021\n"
    "0.5\t0\t0\t0.0123\t0.0121\t-1.5E-06\t45.18\t2.5E-07\t29.8557\t0.100\n"
    "0.5\t0.06\t0\t0.0124\t0.0121\t-1.5E-06\t46.08\t2.5E-07\t29.4557\t0.101\n"
    "0.5\t0.12\t1\t0.0130\t0.0121\t-1.5E-06\t48.28\t2.5E-07\t28.6057\t0.110\n"
    "0.5\t0.37\t1\t0.0131\t0.0121\t-1.5E-06\t49.18\t2.5E-07\t28.2057\t0.111\n"
    "0.5\t0.45\t2\t0.0137\t0.0121\t-1.5E-06\t51.38\t2.5E-07\t27.3557\t0.120\n"
    "0.5\t0.7\t2\t0.0138\t0.0121\t-1.5E-06\t52.28\t2.5E-07\t26.9557\t0.121\n"
    "1\t0\t0\t0.0123\t0.0122\t-1.5E-06\t46.88\t2.5E-07\t30.2057\t0.200\n"
    "1\t0.06\t0\t0.0124\t0.0122\t-1.5E-06\t47.78\t2.5E-07\t29.8057\t0.201\n"
    "1\t0.12\t1\t0.0130\t0.0122\t-1.5E-06\t49.98\t2.5E-07\t28.9557\t0.210\n"
    "1\t0.37\t1\t0.0131\t0.0122\t-1.5E-06\t50.88\t2.5E-07\t28.5557\t0.211\n"
    "1\t0.45\t2\t0.0137\t0.0122\t-1.5E-06\t53.08\t2.5E-07\t27.7057\t0.220\n"
    "1\t0.7\t2\t0.0138\t0.0122\t-1.5E-06\t53.98\t2.5E-07\t27.3057\t0.221\n";

constexpr const char* kComfortSample =
    "0.5\t1\t2\t3\t4\t5\t6\t40.25\t30.5\t80.75\n"
    "1\t1\t2\t3\t4\t5\t6\t41.25\t31.5\t81.75\n"
    "1.5\t1\t2\t3\t4\t5\t6\t42.25\t32.5\t82.75\n";

// A header and three records of twenty entries that differ from each other.
const std::string& ComfortInputSample()
{
    static const std::string text = [] {
        std::string t = "time\tTsk\tTcr\tH\t\n";
        for (int i = 1; i <= 3 * ComfortRecordEntries; ++i)
            t += std::to_string(0.5 * i) + "\t" + std::to_string(33 + 0.125 * i) + "\t37.25\t" +
                 std::to_string(0.25 * (i % 3)) + "\t\n";
        return t;
    }();
    return text;
}

// A fibre file: time, position and three values, two time blocks of two nodes.
const char* const kFiberSample =
    "0\t0\t0.012\t1.5E-05\t0.25\n"
    "0\t0.05\t0.013\t1.6E-05\t0.5\n"
    "0.5\t0\t0.0125\t-2E-06\t0.75\n"
    "0.5\t0.05\t0.0131\t-3E-06\t1\n"
    "1\t0\t0.0127\t-2.5E-06\t1.25\n"
    "1\t0.05\t0.0133\t-3.5E-06\t1.5\n";

// The most a case can hold: 50 garments of six layers.
std::string MaximalEnvironment()
{
    std::string text = "Environment of the run\n0\tsex\nGarments\n50\nNo.\tLayers\tStyle\n";
    for (int g = 1; g <= 50; ++g)
        text += std::to_string(g) + "\t6\t" + std::to_string(g % 4) + "\n";
    return text + "Stage\tT\tRH\tTime\n1\t25\t50\t60\n";
}

// The layers "Fabrics.dat" may hold beside an environment file, as the player takes them.
int LayerLimitOf(const std::string& environment)
{
    const EnvironmentRead read = ReadEnvironmentText(environment);
    if (!read.Ok())
        Violation("a sample environment file does not read");
    return GarmentLayerTotal(read.Data);
}

void EnvironmentFile(std::string_view bytes) { ReadEnvironmentFile(AsFile(bytes, "Environment.dat")); }

void BodyFile(std::string_view bytes) { ReadBodyFile(AsFile(bytes, "BodyProperty.dat")); }

void FabricFile(std::string_view bytes)
{
    static const int limits[] = {LayerLimitOf(kEnvironmentSample), LayerLimitOf(MaximalEnvironment())};
    const std::filesystem::path file = AsFile(bytes, "Fabrics.dat");
    for (int limit : limits)
        ReadFabricFile(file, limit);
}

void ComfortFile(std::string_view bytes)
{
    const ComfortSeries series = ParseComfortText(bytes);
    for (int quantity = 0; quantity < 3; ++quantity)
        MakeComfortConclusions(SummarizeComfort(series, quantity), quantity);
}

std::vector<double> RowOf(const FrameRow& row)
{
    return std::vector<double>(row.begin(), row.end());
}

// The sex and the garments make the first row, each stage one more.
CutFileRead EnvironmentRows(std::string_view bytes)
{
    const EnvironmentRead read = ReadEnvironmentText(bytes);
    CutFileRead rows{read.Error, {{static_cast<double>(read.Data.BodyModel)}}};
    for (const GarmentEntry& g : read.Data.Garments)
        rows.Rows[0].insert(rows.Rows[0].end(), {static_cast<double>(g.LayerCount), static_cast<double>(g.Style)});
    for (const EnvStage& stage : read.Data.Stages)
        rows.Rows.push_back({stage.Time, stage.Temperature, stage.Humidity, stage.Duration});
    return rows;
}

CutFileRead BodyRows(std::string_view bytes)
{
    const BodyRead read = ReadBodyText(bytes);
    CutFileRead rows{read.Error, {}};
    for (const FrameRow& row : read.Frames)
        rows.Rows.push_back(RowOf(row));
    return rows;
}

// One row per time block: the rows of its layers one after another.
CutFileRead FabricBlocksOf(std::string_view bytes, int garmentLayers)
{
    const FabricRead read = ReadFabricText(bytes, garmentLayers);
    CutFileRead rows{read.Error, {}};
    for (int block = 0; block < read.BlockCount(); ++block) {
        std::vector<double> values;
        for (std::size_t layer = 0; layer < read.Layers.size(); ++layer)
            for (int node = 0; node < read.NodesPerFrame; ++node) {
                const FrameRow* row = LayerNodeRow(read.Layers, read.NodesPerFrame, static_cast<int>(layer), block, node);
                if (!row)
                    Violation("a time block lacks a node row");
                const std::vector<double> nodeValues = RowOf(*row);
                values.insert(values.end(), nodeValues.begin(), nodeValues.end());
            }
        rows.Rows.push_back(values);
    }
    return rows;
}

CutFileRead FabricBlocks(std::string_view bytes)
{
    static const int layers = LayerLimitOf(kEnvironmentSample);
    return FabricBlocksOf(bytes, layers);
}

CutFileRead ComfortRows(std::string_view bytes)
{
    const ComfortSeries series = ParseComfortText(bytes);
    CutFileRead rows{series.Error, {}};
    for (const ComfortSample& s : series.Samples)
        rows.Rows.push_back({s.Time, s.Thermal, s.Dampness, s.Comfort});
    return rows;
}

// One row per record: its entries one after another.
CutFileRead ComfortRecords(std::string_view bytes)
{
    const ParsedComfortInput input = ParseComfortInput(bytes);
    CutFileRead rows{input.Ok() ? "" : "line " + std::to_string(input.DamagedLine), {}};
    for (const ComfortRecord& r : input.Records) {
        std::vector<double> values;
        for (const auto* column : {&r.Time, &r.SkinTemperature, &r.CoreTemperature, &r.Moisture})
            values.insert(values.end(), column->begin(), column->end());
        rows.Rows.push_back(values);
    }
    return rows;
}

// The plot window's rows of a request: time, position and the chosen value.
CutFileRead PlotRows(std::string_view bytes, const PlotRequest& request)
{
    const PlotRead read = ParsePlotText(bytes, request);
    CutFileRead rows{read.Error, {}};
    for (const PlotPoint& p : read.Data.Points)
        rows.Rows.push_back({p.Time, p.Position, p.Value});
    return rows;
}

PlotRequest PlotOf(PlotSource source, int column, int layer = 0, int layers = 1, int rowsPerLayer = 0)
{
    PlotRequest request;
    request.Source = source;
    request.ValueColumn = column;
    request.Layer = layer;
    request.LayerCount = layers;
    request.RowsPerLayer = rowsPerLayer;
    return request;
}

CutFileRead PlottedFiber(std::string_view bytes) { return PlotRows(bytes, PlotOf(PlotSource::Fiber, 4)); }
CutFileRead PlottedLastLayer(std::string_view bytes) { return PlotRows(bytes, PlotOf(PlotSource::Fabric, 9, 2, 3, 2)); }
CutFileRead PlottedBody(std::string_view bytes) { return PlotRows(bytes, PlotOf(PlotSource::Body, 17)); }

// The input picks a kind, its line ends (LF or CR LF) and the offset of the cut.
void CutFile(std::string_view bytes)
{
    if (bytes.size() < 2)
        return;
    const std::vector<CutFileKind>& kinds = CutFileKinds();
    const CutFileKind& kind = kinds[static_cast<unsigned char>(bytes[0]) % kinds.size()];
    std::string valid = kind.ValidFile;
    if (bytes[1] & 1)
        for (std::size_t at = valid.find('\n'); at != std::string::npos; at = valid.find('\n', at + 2))
            valid.insert(at, 1, '\r');
    std::size_t offset = 0;
    for (std::size_t i = 2; i < bytes.size() && i < 6; ++i)
        offset = offset * 256 + static_cast<unsigned char>(bytes[i]);
    const std::string broken = CheckCutFile(kind, valid, offset % (valid.size() + 1));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s: %s\n", kind.Name, broken.c_str());
        Violation("a file cut short reads as other values than the whole file's");
    }
}

CutFileRead SplicedBody(std::string_view bytes, int) { return BodyRows(bytes); }

// The plot window's read of one value column of a file, on "Fabrics.dat" of every layer of the
// directory window's count, one after another. The column lies inside the line, so that a line
// that lost a field before it would give the next column's values. Each layer's plot is a read
// of its own: they must all refuse the file, or all read; one that reads while another refuses
// counts as other values than the whole file's.
CutFileRead PlottedColumn(std::string_view bytes, PlotSource source, int column)
{
    CutFileRead rows;
    FabricLayout layout;
    int layers = 1;
    if (source == PlotSource::Fabric) {
        layout.Layers = CountFabricLayers(bytes);
        if (!layout.Layers.Valid) {
            rows.Error = LayerCountMessage(layout.Layers);
            return rows;
        }
        layers = layout.Layers.Layers;
    }
    int refused = 0;
    for (int layer = 0; layer < layers; ++layer) {
        const CutFileRead read =
            PlotRows(bytes, source == PlotSource::Fabric ? layout.FabricRequest(layer, column) : PlotOf(source, column));
        if (!read.Error.empty()) {
            ++refused;
            rows.Error = read.Error;
        }
        rows.Rows.insert(rows.Rows.end(), read.Rows.begin(), read.Rows.end());
        rows.Rows.push_back({static_cast<double>(layer)});
    }
    if (refused == layers)
        rows.Rows.clear();
    else if (refused > 0)
        rows = CutFileRead{"", {{-1.0}}};  // some layers read, some refused
    return rows;
}

CutFileRead SplicedPlotFabric(std::string_view bytes, int) { return PlottedColumn(bytes, PlotSource::Fabric, 6); }
CutFileRead SplicedPlotFiber(std::string_view bytes, int) { return PlottedColumn(bytes, PlotSource::Fiber, 3); }
CutFileRead SplicedPlotBody(std::string_view bytes, int) { return PlottedColumn(bytes, PlotSource::Body, 2); }

// The generated result sets the splice target damages, made once per process.
const std::vector<ResultFolderTexts>& GeneratedFolderTexts()
{
    static const std::vector<ResultFolderTexts> sets = [] {
        std::vector<ResultFolderTexts> made;
        const auto root = std::filesystem::temp_directory_path() / ("vantora-splice-" + std::to_string(getpid()));
        for (ResultSetSize size : {ResultSetSize::Minimal, ResultSetSize::Realistic}) {
            const auto folder = root / std::to_string(made.size());
            if (!WriteResultSet(folder, ShapeOf(size)).empty())
                Violation("a result set cannot be generated");
            ResultFolderTexts texts;
            texts.GarmentLayers = GarmentLayerTotal(ReadEnvironment(folder).Data);
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                std::string text;
                if (ReadWholeFile(entry.path().string(), text))
                    texts.Files[entry.path().filename().string()] = text;
            }
            made.push_back(std::move(texts));
        }
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        return made;
    }();
    return sets;
}

// The input picks a kind, a result set (a generated one or the small samples) and, by the rest
// of its bytes, one splice of that kind's file.
void SpliceFile(std::string_view bytes)
{
    if (bytes.size() < 2)
        return;
    const std::vector<SpliceFileKind>& kinds = SpliceFileKinds();
    const SpliceFileKind& kind = kinds[static_cast<unsigned char>(bytes[0]) % kinds.size()];
    const std::vector<ResultFolderTexts>& generated = GeneratedFolderTexts();
    const std::size_t set = static_cast<unsigned char>(bytes[1]) % (generated.size() + 1);
    const ResultFolderTexts& folder = set < generated.size() ? generated[set] : SampleFolderTexts();
    const auto file = folder.Files.find(kind.FileName);
    if (file == folder.Files.end())
        return;
    std::uint64_t number = 0;
    for (std::size_t i = 2; i < bytes.size() && i < 10; ++i)
        number = number * 256 + static_cast<unsigned char>(bytes[i]);
    const int layers = folder.GarmentLayers;
    const std::string broken =
        CheckSpliceNumber(file->second, [&](std::string_view b) { return kind.Read(b, layers); }, number, kind.TimeBlocks);
    if (!broken.empty()) {
        std::fprintf(stderr, "%s: %s\n", kind.Name, broken.c_str());
        Violation("a line spliced into a file reads as other values than the whole file's");
    }
}

} // namespace

const std::vector<SpliceFileKind>& SpliceFileKinds()
{
    static const std::vector<SpliceFileKind> kinds = {
        {"BodyProperty.dat", BodyFileName, SplicedBody},
        {"BodyProperty.dat, plotted", BodyFileName, SplicedPlotBody},
        {"Fabrics.dat, plotted by layer", FabricFileName, SplicedPlotFabric, true},
        {"a fibre file, plotted", "fabric1_fiber_1.dat", SplicedPlotFiber, true},
        {"Fabrics.dat", FabricFileName, FabricBlocksOf, true},
        {"Comfort.dat", "Comfort.dat", [](std::string_view b, int) { return ComfortRows(b); }},
        {"BodyDataForComfort.dat", "BodyDataForComfort.dat", [](std::string_view b, int) { return ComfortRecords(b); }},
    };
    return kinds;
}

const ResultFolderTexts& SampleFolderTexts()
{
    static const ResultFolderTexts folder = [] {
        ResultFolderTexts texts;
        texts.GarmentLayers = LayerLimitOf(kEnvironmentSample);
        texts.Files = {
            {EnvironmentFileName, kEnvironmentSample},
            {BodyFileName, kBodySample},
            {FabricFileName, kFabricsSample},
            {"fabric1_fiber_1.dat", kFiberSample},
            {"Comfort.dat", kComfortSample},
            {"BodyDataForComfort.dat", ComfortInputSample()},
        };
        return texts;
    }();
    return folder;
}

const std::vector<CutFileKind>& CutFileKinds()
{
    static const std::vector<CutFileKind> kinds = {
        {"Environment.dat", kEnvironmentSample, EnvironmentRows},
        {"BodyProperty.dat", kBodySample, BodyRows},
        {"Fabrics.dat", kFabricsSample, FabricBlocks},
        {"Comfort.dat", kComfortSample, ComfortRows},
        {"BodyDataForComfort.dat", ComfortInputSample().c_str(), ComfortRecords},
        {"a fibre file, plotted", kFiberSample, PlottedFiber},
        {"Fabrics.dat, last layer plotted", kFabricsSample, PlottedLastLayer},
        {"BodyProperty.dat, plotted", kBodySample, PlottedBody},
    };
    return kinds;
}

std::string CheckCutFile(const CutFileKind& kind, std::string_view valid, std::size_t offset)
{
    const CutFileRead whole = kind.Read(valid);
    if (!whole.Error.empty())
        return "the whole file does not read: " + whole.Error;
    const CutFileRead cut = kind.Read(valid.substr(0, offset));
    if (!cut.Error.empty())
        return "";
    const std::string at = " (cut at " + std::to_string(offset) + ")";
    if (cut.Rows.size() > whole.Rows.size())
        return "more rows than the whole file" + at;
    for (std::size_t i = 0; i < cut.Rows.size(); ++i)
        if (cut.Rows[i] != whole.Rows[i])
            return "row " + std::to_string(i) + " differs from the whole file's" + at;
    return "";
}

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
        {"cutfiles", CutFile},
        {"splicefiles", SpliceFile},
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
