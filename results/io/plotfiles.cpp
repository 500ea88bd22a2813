#include "results/io/plotfiles.h"

#include <algorithm>
#include <system_error>

#include "casemodel/formatfloat.h"
#include "casemodel/numformat.h"
#include "casemodel/textfile.h"
#include "results/io/resultfiles.h"

namespace fs = std::filesystem;

PlotTable::PlotTable(std::string_view text)
{
    const std::vector<std::string_view> lines = SplitLines(text);
    Lines.reserve(lines.size());
    Values.reserve(text.size() / 8);
    for (std::string_view text : lines) {
        Line line;
        line.First = Values.size();
        ForEachTabField(text, [&](int, std::string_view field, bool last) {
            Values.push_back(ResultNumber(field));
            if (last)
                line.Trailing = true;
            else
                ++line.TabFields;
        });
        Lines.push_back(line);
    }
}

float PlotTable::Field(int line, int f) const
{
    const Line& l = Lines[static_cast<std::size_t>(line)];
    return f >= 0 && f < l.TabFields ? Values[l.First + static_cast<std::size_t>(f)] : 0.0f;
}

float PlotTable::FieldOrTrailing(int line, int f) const
{
    const Line& l = Lines[static_cast<std::size_t>(line)];
    const int fields = l.TabFields + (l.Trailing ? 1 : 0);
    return f >= 0 && f < fields ? Values[l.First + static_cast<std::size_t>(f)] : 0.0f;
}

std::shared_ptr<const PlotTable> ReadPlotTable(const fs::path& file)
{
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(file, ec))
        return nullptr;
    std::string text;
    if (!ReadWholeFile(file.string(), text))
        return nullptr;
    return std::make_shared<const PlotTable>(text);
}

std::shared_ptr<const PlotTable> PlotTableCache::Get(const fs::path& file)
{
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(file, ec)) {
        Entries.erase(file);
        return nullptr;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    const fs::file_time_type time = fs::last_write_time(file, ec);
    auto it = Entries.find(file);
    if (it != Entries.end() && it->second.Size == size && it->second.Time == time)
        return it->second.Table;
    ++ParseCount;
    std::shared_ptr<const PlotTable> table = ReadPlotTable(file);
    if (!table) {
        Entries.erase(file);
        return nullptr;
    }
    Entries[file] = Entry{size, time, table};
    return table;
}

namespace {

// The shortest text that reads back as the same float, then written as FloatToStr writes a
// number: "0.001" rather than the 15 digits of the float's binary value.
float PositiveOrOne(float difference)
{
    return difference > 0 ? difference : 1.0f;
}

} // namespace

PlotData SelectPlotRows(const PlotTable& table, const PlotRequest& request)
{
    PlotData data;
    const bool fabric = request.Source == PlotSource::Fabric;
    const bool readsPosition = request.Source != PlotSource::Body;
    const int lines = table.LineCount();
    // Counts below 0 (no layer chosen, a count that makes no sense) skip nothing.
    const int rows = std::max(0, request.RowsPerLayer);
    const int leading = fabric ? std::max(0, request.Layer) * rows : 0;
    const int between = fabric ? std::max(0, request.LayerCount - 1) * rows : 0;

    bool blockComplete = false, rangeStarted = false;
    float firstPosition = 0;
    int line = leading;
    for (int k = 0; line < lines; ++k) {
        if (k > 0 && rows > 0 && k % rows == 0)
            line += between;
        if (line >= lines)
            break;
        PlotPoint p;
        const bool hasTab = table.TabFields(line) > 0;
        if (hasTab) {
            p.Time = table.Field(line, 0);
            if (readsPosition)
                p.Position = table.Field(line, 1);
            p.Value = table.FieldOrTrailing(line, request.ValueColumn);
        }
        if (readsPosition && !blockComplete) {
            if (k == 0) {
                firstPosition = p.Position;
            } else if (p.Position == firstPosition) {
                blockComplete = true;
                data.NodesPerBlock = k;
            }
            if (!blockComplete)
                data.PositionTexts.push_back(SingleToStr(p.Position));
        }
        if (hasTab) {
            if (!rangeStarted) {
                data.ValueMin = data.ValueMax = p.Value;
                rangeStarted = true;
            } else {
                data.ValueMin = std::min(data.ValueMin, p.Value);
                data.ValueMax = std::max(data.ValueMax, p.Value);
            }
        }
        data.Points.push_back(p);
        ++line;
    }
    const int n = data.RowCount();
    if (!blockComplete)
        data.NodesPerBlock = n;
    if (n > 0) {
        data.TimeStart = data.Points.front().Time;
        data.TimeEnd = data.Points.back().Time;
        data.PosStart = data.Points.front().Position;
        data.PosEnd = data.Points.back().Position;
    }
    data.TimeRange = PositiveOrOne(data.TimeEnd - data.TimeStart);
    data.PosRange = PositiveOrOne(data.PosEnd - data.PosStart);
    data.ValueRange = PositiveOrOne(data.ValueMax - data.ValueMin);
    return data;
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
        {kFabricsName, &FolderProbe::FabricsFound},
        {kBodyPropertyName, &FolderProbe::BodyPropertyFound},
        {kComfortName, &FolderProbe::ComfortFound},
        {kLogInfoName, nullptr},
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

LayerStructure CountFabricLayers(const PlotTable& table)
{
    LayerStructure result;
    const int lines = table.LineCount();
    if (lines == 0)
        return result;
    const float t1 = table.Field(0, 0), g1 = table.Field(0, 2);
    int all = 0, sameLayer = 0;
    bool secondBlock = false;
    for (int i = 0; i < lines; ++i) {
        // The first row of the second block belongs to row 0's layer again: it is counted and
        // the count of the first block's rows made good below.
        ++all;
        if (table.Field(i, 2) == g1)
            ++sameLayer;
        if (table.Field(i, 0) != t1) {
            secondBlock = true;
            break;
        }
    }
    if (secondBlock) {
        --all;
        --sameLayer;
    }
    if (sameLayer <= 0)
        return result;
    result.Valid = true;
    result.Layers = all / sameLayer;
    result.RowsPerLayer = sameLayer;
    return result;
}
