#include "results/io/plotfiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <unordered_set>

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

// The fields of a row a reader uses and the row's TAB count, found in one walk over its bytes
// (ScanTabs): fields 0 .. last, by the TAB rule.
class RowFields {
public:
    // False when the line ends before field last (tabs is set either way).
    bool Split(std::string_view line, int last, int& tabs)
    {
        tabs = ScanTabs(line, Tabs.data(), last + 1);
        if (tabs < last)
            return false;
        std::size_t start = 0;
        for (int f = 0; f <= last; ++f) {
            const std::size_t end = f < tabs ? Tabs[static_cast<std::size_t>(f)] : line.size();
            Fields[static_cast<std::size_t>(f)] = line.substr(start, end - start);
            start = end + 1;
        }
        return true;
    }
    std::string_view operator[](int f) const { return Fields[static_cast<std::size_t>(f)]; }

    // The widest row a plot reads: the body file's last column.
    static constexpr int MaxFields = 32;

private:
    std::array<std::string_view, MaxFields> Fields;
    std::array<std::size_t, MaxFields> Tabs;
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
            BlockSize = BlockRows;
            if (request.FirstBlockOnly)
                RowLimit = BlockRows;
        }
        // Without a count, "Fabrics.dat" has no blocks to hold its rows to.
        InBlocks = request.Source == PlotSource::Fiber || Counted;
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
        int tabs = 0;
        if (ValueField < 0 || !Fields.Split(line, keep ? LastField : LayerField, tabs) || !Shape.FitsTabs(tabs))
            return Damage();
        // The rows of a block share their time text: the same text is the same sound time.
        if (DataRows == 0 || Fields[TimeField] != LastTimeText) {
            double exact = 0;
            if (!ResultField(Fields[TimeField], exact) || (DataRows > 0 && ResultTimeGoesBack(exact, LastExactTime)))
                return Damage();
            LastExactTime = exact;
            LastTime = static_cast<float>(exact);
            LastTimeText.assign(Fields[TimeField]);
        }
        const float time = LastTime;
        if (Counted && !IsLayer(Fields[LayerField], ExpectedLayer()))
            return Damage();
        if (InBlocks && !FitsBlocks(Fields[PositionField], LastExactTime))
            return Damage();
        ++DataRows;
        if (Counted && ++LayerRow == Request.RowsPerLayer) {
            LayerRow = 0;
            if (++CountLayer == Request.LayerCount)
                CountLayer = 0;
        }
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
    int ExpectedLayer() const { return CountLayer; }

    // Whether a row of a file of time blocks (a fibre file, "Fabrics.dat") keeps to their
    // structure, which the 3D mesh and the section are drawn by. A row belongs to the open
    // block while its time is at most ResultTimeTolerance above the block's first. Every block
    // holds rows of one time, and every block after the first as many rows as the first
    // (BlockSize: in "Fabrics.dat" the layer count's rows, in a fibre file those before row 0's
    // position comes again, each at a position of its own), each at the position of the first
    // block's row in its place. So a row lost, doubled or exchanged within a block is damage at
    // the first row out of place, rather than rows of two times joined into one line of the
    // mesh or one node's values drawn at another's place.
    bool FitsBlocks(std::string_view position, double time)
    {
        if (DataRows > 0 && BlockSize == 0) {
            // The first block of a fibre file ends where row 0's position comes again; before,
            // a position that comes again is a node written twice.
            float value = 0;
            if (!ResultField(position, value))
                return false;
            if (value == FirstPositions.front()) {
                BlockSize = DataRows;
                Slot = 0;
            } else if (!FirstBlockNodes.insert(value).second) {
                return false;
            }
        }
        const bool newTime = time > BlockTime + ResultTimeTolerance;
        if (Slot == 0) {
            // A block's first row: after the first block, of a new time.
            if (DataRows > 0 && !newTime)
                return false;
            BlockTime = time;
        } else if (newTime) {
            return false;  // before the block's last row
        }
        const bool firstBlock = BlockSize == 0 || DataRows < BlockSize;
        const bool fits = firstBlock ? FirstBlockPosition(position) : SamePosition(position);
        if (++Slot == BlockSize)
            Slot = 0;
        return fits;
    }

    // A position of the first block, kept for the rows in its place in the later blocks.
    bool FirstBlockPosition(std::string_view text)
    {
        float value = 0;
        if (!ResultField(text, value))
            return false;
        FirstPositionTexts.append(text);
        FirstPositionEnds.push_back(FirstPositionTexts.size());
        FirstPositions.push_back(value);
        return true;
    }

    // Whether a later block's row stands where the first block's row in its place does. The
    // solver writes a position the same way every time: the text decides without a conversion
    // but where it differs.
    bool SamePosition(std::string_view text) const
    {
        const std::size_t slot = static_cast<std::size_t>(Slot);
        const std::size_t from = slot > 0 ? FirstPositionEnds[slot - 1] : 0;
        if (text == std::string_view(FirstPositionTexts).substr(from, FirstPositionEnds[slot] - from))
            return true;
        float value = 0;
        return ResultField(text, value) && value == FirstPositions[slot];
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
    int CountLayer = 0, LayerRow = 0;  // the layer the count gives the next row, and its row there
    float LastTime = 0;
    double LastExactTime = 0;
    std::string LastTimeText;
    // The time blocks (FitsBlocks).
    bool InBlocks = false;
    long long BlockSize = 0;  // 0 while the first block of a fibre file has not ended
    long long Slot = 0;       // the next row's place in its block
    double BlockTime = 0;     // the first time of the open block
    std::string FirstPositionTexts;               // the first block's positions, one after another
    std::vector<std::size_t> FirstPositionEnds;   // where each ends in FirstPositionTexts
    std::vector<float> FirstPositions;
    std::unordered_set<float> FirstBlockNodes;    // of a fibre file, but row 0's
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
        double time = 0;
        float layer = 0;
        int tabs = 0;
        if (!Fields.Split(line, LayerField, tabs) || !Shape.FitsTabs(tabs) || !ResultField(Fields[TimeField], time) ||
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
        // The block's rows are those within the tolerance of its first time, as the readers of
        // the rows take them.
        if (time > FirstTime + ResultTimeTolerance) {
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
    double FirstTime = 0;
    float FirstLayer = 0;
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
