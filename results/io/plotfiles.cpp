#include "results/io/plotfiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "casemodel/formatfloat.h"
#include "casemodel/numformat.h"
#include "casemodel/textfile.h"
#include "results/io/resultfield.h"
#include "results/io/resultfiles.h"

namespace fs = std::filesystem;

namespace {

float PositiveOrOne(float difference)
{
    return difference > 0 ? difference : 1.0f;
}

// Calls line(text) for every line of text that a line end (LF, or CR LF) closes, without its
// line end, until line returns false (stopped is then set). A last line without a line end is
// still being written and is not visited. Returns the length of what was visited.
template <typename Visit>
std::size_t ForEachEndedLine(std::string_view text, Visit& line, bool& stopped)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
        if (!lf)
            break;
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        const bool more = line(text.substr(start, stop - start));
        start = end + 1;
        if (!more) {
            stopped = true;
            break;
        }
    }
    return start;
}

// ForEachEndedLine over a file read piece by piece, so a file of any size costs a buffer that
// stays in the processor's cache (larger only for a longer line), and a reader that stops early
// reads little more than it visited. False when it cannot be opened or read.
constexpr std::size_t WholeFilePiece = std::size_t(1) << 18;
constexpr std::size_t FirstBlockPiece = std::size_t(1) << 14;

template <typename Visit>
bool ForEachFileLine(const fs::path& file, std::size_t piece, Visit&& line)
{
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return false;
    // The buffer below is the only one: the stream's own would copy every byte once more.
    std::setvbuf(in, nullptr, _IONBF, 0);
    std::size_t size = piece;
    std::unique_ptr<char[]> buffer(new char[size]);
    std::size_t held = 0;
    bool stopped = false, ok = true;
    while (!stopped) {
        if (held == size) {
            std::unique_ptr<char[]> larger(new char[2 * size]);
            std::memcpy(larger.get(), buffer.get(), held);
            buffer = std::move(larger);
            size *= 2;
        }
        const std::size_t got = std::fread(buffer.get() + held, 1, size - held, in);
        if (got == 0) {
            ok = !std::ferror(in);
            break;
        }
        held += got;
        const std::size_t used = ForEachEndedLine(std::string_view(buffer.get(), held), line, stopped);
        std::memmove(buffer.get(), buffer.get() + used, held - used);
        held -= used;
    }
    std::fclose(in);
    return ok;
}

// Empty or only blanks: no row.
bool IsBlankLine(std::string_view line)
{
    for (char c : line)
        if (c != ' ')
            return false;
    return true;
}

// The fields of a row a reader uses, found in one walk: fields 0 .. Last, by the TAB rule.
class RowFields {
public:
    // False when the line ends before field last.
    bool Split(std::string_view line, int last)
    {
        const char* field = line.data();
        const char* const end = field + line.size();
        for (int f = 0;; ++f) {
            const char* const fieldEnd = NextTab(field, end);
            Fields[static_cast<std::size_t>(f)] = std::string_view(field, static_cast<std::size_t>(fieldEnd - field));
            if (f >= last)
                return true;
            if (fieldEnd == end)
                return false;
            field = fieldEnd + 1;
        }
    }
    std::string_view operator[](int f) const { return Fields[static_cast<std::size_t>(f)]; }

    // The widest row a plot reads: the body file's last column.
    static constexpr int MaxFields = 32;

private:
    std::array<std::string_view, MaxFields> Fields;
};

constexpr int TimeField = 0, PositionField = 1, LayerField = 2;

// The rows of one request, fed line after line.
class PlotRowReader {
public:
    PlotRowReader(const PlotRequest& request, std::uintmax_t bytes)
        : Request(request), Bytes(bytes), ReadsPosition(request.Source != PlotSource::Body)
    {
        // Counts that make no sense (no layer chosen, no rows counted) choose no layer: every
        // row is kept.
        Counted = request.Source == PlotSource::Fabric && request.RowsPerLayer > 0 && request.LayerCount > 0 &&
                  request.Layer >= 0;
        if (Counted) {
            BlockRows = static_cast<long long>(request.RowsPerLayer) * request.LayerCount;
            if (request.FirstBlockOnly)
                RowLimit = BlockRows;
        }
        LastField = std::max(ReadsPosition ? PositionField : TimeField, request.ValueColumn);
        if (Counted)
            LastField = std::max(LastField, LayerField);
        ValueField = request.ValueColumn >= 0 && request.ValueColumn < RowFields::MaxFields ? request.ValueColumn : -1;
    }

    // False at damage, and when no more rows are wanted: the read stops there.
    bool operator()(std::string_view line)
    {
        ++LineNumber;
        if (IsBlankLine(line))
            return true;
        if (RowLimit >= 0 && DataRows >= RowLimit)
            return false;
        const bool keep = !Counted || ExpectedLayer() == Request.Layer;
        // A skipped row is read as far as its layer column; a kept one as far as its value.
        if (!Shape.Fits(line) || ValueField < 0 || !Fields.Split(line, keep ? LastField : LayerField))
            return Damage();
        // The rows of a block share their time text: the same text is the same sound time.
        float time = LastTime;
        if (DataRows == 0 || Fields[TimeField] != LastTimeText) {
            if (!ResultField(Fields[TimeField], time) || (DataRows > 0 && ResultTimeGoesBack(time, LastTime)))
                return Damage();
            LastTimeText.assign(Fields[TimeField]);
        }
        if (Counted && !IsLayer(Fields[LayerField], ExpectedLayer()))
            return Damage();
        LastTime = time;
        ++DataRows;
        if (!keep)
            return true;
        PlotPoint p;
        p.Time = time;
        if ((ReadsPosition && !ResultField(Fields[PositionField], p.Position)) || !ResultField(Fields[ValueField], p.Value))
            return Damage();
        if (Data.Points.empty())
            Reserve(line.size());
        Keep(p);
        return true;
    }

    PlotRead Finish()
    {
        PlotRead read;
        if (DamagedLine > 0) {
            read.Error = MessageAtLine(PlotFileError(Request.Source), DamagedLine);
            return read;
        }
        KeepWholeBlocks();
        if (Data.Points.empty()) {
            read.Error = PlotFileError(Request.Source);
            return read;
        }
        PlotData& d = read.Data;
        d = std::move(Data);
        const int n = d.RowCount();
        if (!BlockComplete)
            d.NodesPerBlock = n;
        d.ValueMin = d.ValueMax = d.Points.front().Value;
        for (const PlotPoint& p : d.Points) {
            d.ValueMin = std::min(d.ValueMin, p.Value);
            d.ValueMax = std::max(d.ValueMax, p.Value);
        }
        d.TimeStart = d.Points.front().Time;
        d.TimeEnd = d.Points.back().Time;
        d.PosStart = d.Points.front().Position;
        d.PosEnd = d.Points.back().Position;
        d.TimeRange = PositiveOrOne(d.TimeEnd - d.TimeStart);
        d.PosRange = PositiveOrOne(d.PosEnd - d.PosStart);
        d.ValueRange = PositiveOrOne(d.ValueMax - d.ValueMin);
        return read;
    }

private:
    bool Damage()
    {
        DamagedLine = LineNumber;
        return false;
    }

    // Whether a layer column holds a number text of the value layer. The solver writes plain
    // digits, which are read here without the general conversion (the same result).
    static bool IsLayer(std::string_view field, int layer)
    {
        if (!field.empty() && field.size() <= 9) {
            int value = 0;
            for (char c : field) {
                if (c < '0' || c > '9') {
                    value = -1;
                    break;
                }
                value = value * 10 + (c - '0');
            }
            if (value >= 0)
                return value == layer;
        }
        float value = 0;
        return ResultField(field, value) && value == static_cast<float>(layer);
    }

    // The layer the count gives the next row: layer after layer, RowsPerLayer rows each, block
    // after block.
    int ExpectedLayer() const
    {
        return static_cast<int>((DataRows / Request.RowsPerLayer) % Request.LayerCount);
    }

    // Once a second time block shows, the rows after the last whole block are a block still
    // being written: its rows would stretch the ranges over a part of the thickness (or a single
    // position) and leave the mesh out of the box. A file of one block is plotted whole.
    void KeepWholeBlocks()
    {
        std::size_t whole = Data.Points.size();
        // "Fabrics.dat": a block is whole when every layer has its rows, whichever is plotted.
        if (Counted && DataRows > BlockRows)
            whole = std::min<std::size_t>(whole, static_cast<std::size_t>(DataRows / BlockRows * Request.RowsPerLayer));
        // Every file with positions: the plotted rows come in blocks of the first block's rows.
        if (BlockComplete && Data.NodesPerBlock > 0)
            whole = std::min<std::size_t>(whole, whole / static_cast<std::size_t>(Data.NodesPerBlock) *
                                                     static_cast<std::size_t>(Data.NodesPerBlock));
        Data.Points.resize(whole);
    }

    // Room for the rows the file will give at the first row's length, so a large file is not
    // copied over again and again while it grows.
    void Reserve(std::size_t lineLength)
    {
        if (Bytes == 0)
            return;
        std::uintmax_t lines = Bytes / (lineLength + 1);
        if (Counted && Request.LayerCount > 1)
            lines /= static_cast<std::uintmax_t>(Request.LayerCount);
        Data.Points.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(lines + 16, 1u << 26)));
    }

    void Keep(const PlotPoint& p)
    {
        const int k = Data.RowCount();
        if (ReadsPosition && !BlockComplete) {
            // The first block ends where row 0's position comes again.
            if (k == 0) {
                FirstPosition = p.Position;
            } else if (p.Position == FirstPosition) {
                BlockComplete = true;
                Data.NodesPerBlock = k;
            }
            if (!BlockComplete)
                Data.PositionTexts.push_back(SingleToStr(p.Position));
        }
        Data.Points.push_back(p);
    }

    const PlotRequest Request;
    const std::uintmax_t Bytes;
    const bool ReadsPosition;
    bool Counted = false;
    long long BlockRows = 0;
    long long RowLimit = -1;  // no limit
    int LastField = 0;
    int ValueField = -1;
    ResultLineShape Shape;
    RowFields Fields;
    long long LineNumber = 0;
    long long DamagedLine = 0;
    long long DataRows = 0;  // rows read, kept or not
    float LastTime = 0;
    std::string LastTimeText;
    bool BlockComplete = false;
    float FirstPosition = 0;
    PlotData Data;
};

} // namespace

const char* PlotFileError(PlotSource source)
{
    switch (source) {
    case PlotSource::Fabric: return FabricFileError;
    case PlotSource::Body: return BodyFileError;
    default: return FiberFileError;
    }
}

PlotRead ParsePlotText(std::string_view text, const PlotRequest& request)
{
    PlotRowReader reader(request, text.size());
    bool stopped = false;
    ForEachEndedLine(text, reader, stopped);
    return reader.Finish();
}

std::optional<PlotRead> ReadPlotFile(const fs::path& file, const PlotRequest& request)
{
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(file, ec))
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, ec);
    PlotRowReader reader(request, ec ? 0 : size);
    if (!ForEachFileLine(file, WholeFilePiece, reader))
        return std::nullopt;
    return reader.Finish();
}

FileVersion FileVersionOf(const fs::path& file)
{
    FileVersion version;
    std::error_code ec;
    version.Exists = !file.empty() && fs::is_regular_file(file, ec);
    if (version.Exists) {
        version.Size = fs::file_size(file, ec);
        version.Time = fs::last_write_time(file, ec);
    }
    return version;
}

PlotFileCache::Load PlotFileCache::Get(const fs::path& file, const PlotRequest& request)
{
    const FileVersion now = FileVersionOf(file);
    Entry& e = Entries[file];
    if (!e.Loaded || !(e.Of == now) || !(e.Request == request)) {
        // The old rows go before the new ones are read: only one load is held at a time.
        e.Read.reset();
        if (now.Exists) {
            ++ParseCount;
            if (std::optional<PlotRead> read = ReadPlotFile(file, request))
                e.Read = std::make_shared<const PlotRead>(std::move(*read));
        }
        e.Loaded = true;
        e.Of = now;
        e.Request = request;
    }
    Load load;
    load.Read = e.Read;
    if (e.Read && e.Read->Ok()) {
        e.Reported = false;  // the file is fine again: its next failure is news
    } else if (!e.Reported || !(e.ReportedOf == now)) {
        e.Reported = true;
        e.ReportedOf = now;
        load.Report = true;
    }
    return load;
}

PlotTicks MakePlotTicks(const PlotData& data, bool fixedValues)
{
    PlotTicks ticks;
    for (int i = 0; i < 6; ++i) {
        const double f = 0.2 * i;
        const std::size_t k = static_cast<std::size_t>(i);
        ticks.Time[k] = FormatFloat("#0.###", data.TimeStart + f * (double(data.TimeEnd) - data.TimeStart));
        ticks.Position[k] = FormatFloat("#0.000", data.PosStart + f * (double(data.PosEnd) - data.PosStart));
        ticks.Value[k] = FormatFloat(fixedValues ? "#0.00" : "0.00E-0",
                                     data.ValueMin + f * (double(data.ValueMax) - data.ValueMin));
    }
    return ticks;
}

bool FixedPointValueLabels(int fabricQuantity, int bodyQuantity)
{
    return fabricQuantity == 3 || fabricQuantity == 5 || bodyQuantity == 0 || bodyQuantity == 1 ||
           bodyQuantity == 4 || bodyQuantity == 15;
}

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsRegularFile(const fs::path& file)
{
    std::error_code ec;
    return !file.empty() && fs::is_regular_file(file, ec);
}

} // namespace

bool IsFiberFileName(std::string_view name)
{
    static constexpr std::string_view pattern = "fabric?_fiber_?.dat";
    if (name.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (pattern[i] != '?' && Lower(name[i]) != pattern[i])
            return false;
    return true;
}

FolderProbe ProbeResultFolder(const fs::path& folder)
{
    FolderProbe probe;
    struct Looked {
        const char* Name;
        bool FolderProbe::*Flag;
    };
    static const Looked looked[] = {
        {FabricsName, &FolderProbe::FabricsFound},
        {BodyPropertyName, &FolderProbe::BodyPropertyFound},
        {ComfortName, &FolderProbe::ComfortFound},
        {LogInfoName, nullptr},
    };
    for (const Looked& l : looked) {
        if (!IsRegularFile(FindFileNoCase(folder, l.Name)))
            continue;
        probe.Listed.push_back(l.Name);
        if (l.Flag)
            probe.*(l.Flag) = true;
    }
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (IsFiberFileName(name) && it->is_regular_file(typeError))
            probe.FiberFiles.push_back(name);
    }
    std::sort(probe.FiberFiles.begin(), probe.FiberFiles.end());
    probe.FiberFilesFound = !probe.FiberFiles.empty();
    probe.Listed.insert(probe.Listed.end(), probe.FiberFiles.begin(), probe.FiberFiles.end());
    return probe;
}

namespace {

// Counts the layers of the first time block from the lines fed to it, and wants no more after
// the first line of the second block.
class LayerCounter {
public:
    bool operator()(std::string_view line)
    {
        ++LineNumber;
        if (IsBlankLine(line))
            return true;
        float time = 0, layer = 0;
        if (!Shape.Fits(line) || !Fields.Split(line, LayerField) || !ResultField(Fields[TimeField], time) ||
            !ResultField(Fields[LayerField], layer))
            return Damage();
        if (All == 0) {
            FirstTime = time;
            FirstLayer = layer;
        } else if (ResultTimeGoesBack(time, FirstTime)) {
            return Damage();
        }
        // The first row of the second block belongs to row 0's layer again: it is counted and
        // the count of the first block's rows made good below.
        ++All;
        if (layer == FirstLayer)
            ++SameLayer;
        if (time != FirstTime) {
            SecondBlock = true;
            return false;
        }
        return true;
    }

    LayerStructure Result() const
    {
        LayerStructure result;
        if (DamagedLine > 0) {
            result.Damaged = true;
            result.DamagedLine = DamagedLine;
            return result;
        }
        const int all = SecondBlock ? All - 1 : All;
        const int same = SecondBlock ? SameLayer - 1 : SameLayer;
        if (same <= 0)
            return result;
        result.Valid = true;
        result.Layers = all / same;
        result.RowsPerLayer = same;
        result.SecondBlockSeen = SecondBlock;
        return result;
    }

private:
    bool Damage()
    {
        DamagedLine = LineNumber;
        return false;
    }

    ResultLineShape Shape;
    RowFields Fields;
    long long LineNumber = 0, DamagedLine = 0;
    int All = 0, SameLayer = 0;
    float FirstTime = 0, FirstLayer = 0;
    bool SecondBlock = false;
};

} // namespace

LayerStructure CountFabricLayers(std::string_view text)
{
    LayerCounter counter;
    bool stopped = false;
    ForEachEndedLine(text, counter, stopped);
    return counter.Result();
}

LayerStructure CountFabricLayersOfFile(const fs::path& file)
{
    std::error_code ec;
    LayerCounter counter;
    if (file.empty() || !fs::is_regular_file(file, ec) || !ForEachFileLine(file, FirstBlockPiece, counter))
        return LayerStructure();
    return counter.Result();
}

std::string LayerCountMessage(const LayerStructure& layers)
{
    return layers.Damaged ? MessageAtLine(FabricFileError, layers.DamagedLine) : std::string(FabricFileError);
}

FabricLayout FabricLayout::Count(const fs::path& file)
{
    FabricLayout layout;
    layout.Of = FileVersionOf(file);
    layout.Layers = CountFabricLayersOfFile(file);
    return layout;
}

bool FabricLayout::Refresh(const fs::path& file)
{
    if (Layers.SecondBlockSeen && Layers.Valid)
        return false;
    if (FileVersionOf(file) == Of)
        return false;
    *this = Count(file);
    return true;
}

PlotRequest FabricLayout::FabricRequest(int layer, int valueColumn) const
{
    PlotRequest request;
    request.Source = PlotSource::Fabric;
    request.ValueColumn = valueColumn;
    request.Layer = layer;
    request.LayerCount = Layers.Layers;
    request.RowsPerLayer = Layers.RowsPerLayer;
    request.FirstBlockOnly = !Layers.SecondBlockSeen;
    return request;
}
