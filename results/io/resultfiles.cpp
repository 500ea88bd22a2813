#include "results/io/resultfiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

#include "casemodel/records.h"
#include "casemodel/textfile.h"

namespace fs = std::filesystem;

namespace {

// "Environment.dat" separates its fields by TABs with runs of TABs counting as one, so empty
// fields do not count there (unlike the two frame files).
std::vector<std::string_view> EnvironmentFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == '\t')
            ++i;
        if (i == line.size())
            break;
        const std::size_t end = std::min(line.find('\t', i), line.size());
        fields.push_back(line.substr(i, end - i));
        i = end;
    }
    return fields;
}

// The slot of a frame row that keeps a column, -1 for the columns not kept.
struct ColumnSlots {
    std::array<int, 10> slots;
    int lastKept;  // the fields after this column are never looked at
    int operator()(int column) const
    {
        return column >= 0 && column < static_cast<int>(slots.size()) ? slots[static_cast<std::size_t>(column)] : -1;
    }
};
// Body rows keep the columns 0, 1, 2, 5, 7; layer rows the columns 0, 1, 2, 6, 8.
constexpr ColumnSlots BodySlots{{0, 1, 2, -1, -1, 3, -1, 4, -1, -1}, 7};
constexpr ColumnSlots FabricSlots{{0, 1, 2, -1, -1, -1, 3, -1, 4, -1}, 8};
constexpr int KeptColumns = 5;

// The kept columns of a frame-file line by the field rule of ForEachTabField, converted into
// values (by slot). Returns how many kept columns the line has; damaged is set when one of them
// is no number text.
int KeptFields(std::string_view line, const ColumnSlots& slots, std::array<double, KeptColumns>& values, bool& damaged)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    int present = 0;
    for (int column = 0; column <= slots.lastKept; ++column) {
        const char* const fieldEnd = NextTab(p, end);
        if (fieldEnd == end && p == end)
            break;  // nothing after the last TAB: no field
        const int slot = slots(column);
        if (slot >= 0) {
            ++present;
            if (!ResultField(std::string_view(p, static_cast<std::size_t>(fieldEnd - p)), values[static_cast<std::size_t>(slot)]))
                damaged = true;
        }
        if (fieldEnd == end)
            break;
        p = fieldEnd + 1;
    }
    return present;
}

FrameRow ToFrameRow(const std::array<double, KeptColumns>& values)
{
    FrameRow row;
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<float>(values[i]);
    return row;
}

bool Whole(double value)
{
    return value == std::floor(value);
}

// The lines of a text one after another, without their line ends (CR LF or LF).
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool Next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        const void* nl = std::memchr(text_.data() + pos_, '\n', text_.size() - pos_);
        const std::size_t end = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data()) : text_.size();
        std::size_t stop = end;
        if (stop > pos_ && text_[stop - 1] == '\r')
            --stop;
        line = text_.substr(pos_, stop - pos_);
        pos_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string CountMessage(const char* text, int count)
{
    return std::string(text) + std::to_string(count);
}

// The reader of a file's text applied to file, or the reader's message for a file that cannot be
// read.
template <typename Result, typename Reader>
Result ReadWith(const fs::path& file, const char* message, Reader&& read)
{
    std::string text;
    if (!file.empty() && ReadWholeFile(file.string(), text))
        return read(text);
    Result result;
    result.Error = message;
    return result;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

} // namespace

fs::path FindFileNoCase(const fs::path& folder, std::string_view name)
{
    std::error_code ec;
    const fs::path exact = folder / std::string(name);
    if (fs::is_regular_file(exact, ec))
        return exact;
    // Result folders come from a file system that ignores case, and the names are spelt both
    // ways ("Bodyproperty.dat"); take the first match in name order so the choice does not
    // depend on the order of the directory.
    fs::path found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path candidate = it->path();
        const std::string fileName = candidate.filename().string();
        if (!EqualNoCase(fileName, name) || !it->is_regular_file(ec))
            continue;
        if (found.empty() || fileName < found.filename().string())
            found = candidate;
    }
    return found;
}

EnvironmentRead ReadEnvironmentFile(const fs::path& file)
{
    return ReadWith<EnvironmentRead>(file, EnvironmentFileError, ReadEnvironmentText);
}

EnvironmentRead ReadEnvironmentText(std::string_view text)
{
    EnvironmentRead result;
    const std::vector<std::string_view> lines = SplitLines(WrittenLines(text));
    auto fail = [&result]() {
        result.Error = EnvironmentFileError;
        result.Data = EnvironmentData();
        return result;
    };
    // Fields from..to of a line, each a number text; false when the line lacks one or one is
    // no number.
    auto numbers = [](const std::vector<std::string_view>& f, std::size_t from, std::size_t to, double* values) {
        if (f.size() <= to)
            return false;
        for (std::size_t i = from; i <= to; ++i)
            if (!ResultField(f[i], values[i - from]))
                return false;
        return true;
    };

    EnvironmentData& env = result.Data;
    // Line 1 is a title, line 3 and line 5 are headings. A file that ends before a line is one
    // still being written: it has no stages yet.
    double sex = 0, garmentCount = 0;
    if (lines.size() > 1 && !numbers(EnvironmentFields(lines[1]), 0, 0, &sex))
        return fail();
    env.BodyModel = sex != 0 ? 1 : 0;
    if (lines.size() > 3 && (!numbers(EnvironmentFields(lines[3]), 0, 0, &garmentCount) || garmentCount < 0
                             || !Whole(garmentCount)))
        return fail();

    // One line per garment from line 6 on: field 2 the layer count, field 3 the style. The
    // garments are held as far as the file has lines for them, so a count that the file does not
    // bear out cannot make the player list more garments than there are. An empty line still
    // takes its garment's place, as a garment without layers.
    std::size_t next = 5;
    for (int g = 0; g < garmentCount && next < lines.size(); ++g, ++next) {
        GarmentEntry garment;
        const auto f = EnvironmentFields(lines[next]);
        if (!f.empty()) {
            double values[2] = {0, 0};
            if (!numbers(f, 1, 2, values) || !Whole(values[0]) || !Whole(values[1]))
                return fail();
            // A garment has at most the layers a case can give it.
            if (values[0] < 0 || values[0] > LayersPerGarment || values[1] < 0 || values[1] > 3)
                return fail();
            garment.LayerCount = static_cast<int>(values[0]);
            garment.Style = static_cast<int>(values[1]);
        }
        env.Garments.push_back(garment);
    }
    ++next;  // the heading of the stage table

    // Stage rows to the end of the file: temperature, humidity and duration in fields 2 to 4;
    // lines without any field are skipped.
    for (; next < lines.size(); ++next) {
        const auto f = EnvironmentFields(lines[next]);
        if (f.empty())
            continue;
        double values[3] = {0, 0, 0};
        // A negative duration would make the stages start before each other.
        if (!numbers(f, 1, 3, values) || values[2] < 0)
            return fail();
        EnvStage stage;
        stage.Temperature = static_cast<float>(values[0]);
        stage.Humidity = static_cast<float>(values[1]);
        stage.Duration = static_cast<float>(values[2]);
        env.Stages.push_back(stage);
    }
    if (env.Stages.empty()) {
        result.Error = NoStagesError;
        env.Stages.assign(1, EnvStage());
        return result;
    }
    // The player colours the room by the last stage that has started, so it wants start times.
    float start = 0;
    for (EnvStage& stage : env.Stages) {
        stage.Time = start;
        start += stage.Duration;
    }
    return result;
}

BodyRead ReadBodyFile(const fs::path& file)
{
    return ReadWith<BodyRead>(file, BodyFileError, ReadBodyText);
}

BodyRead ReadBodyText(std::string_view text)
{
    BodyRead result;
    auto fail = [](std::string message) {
        BodyRead failed;
        failed.Error = std::move(message);
        return failed;
    };
    ValueRange& temperature = result.Ranges[QuantityTemperature];
    ValueRange& sweating = result.Ranges[QuantitySweating];
    LineCursor cursor(WrittenLines(text));
    ResultLineShape shape;
    double previousTime = 0;
    long long lineNumber = 0;
    for (std::string_view line; cursor.Next(line);) {
        ++lineNumber;
        std::array<double, KeptColumns> values{};
        bool damaged = false;
        const int present = KeptFields(line, BodySlots, values, damaged);
        if (present == 0) {
            // A line without fields is no frame; right after the first frame it shows that the
            // file lacks the columns.
            if (result.Frames.size() == 1)
                return fail(CountMessage(BodyColumnsError, 0));
            continue;
        }
        if (result.Frames.empty() && present < KeptColumns)
            return fail(CountMessage(BodyColumnsError, present));
        const double time = values[0];
        if (!shape.Fits(line) || present < KeptColumns || damaged || time < 0
            || (!result.Frames.empty() && ResultTimeGoesBack(time, previousTime)))
            return fail(MessageAtLine(BodyFileError, lineNumber));
        previousTime = time;
        const FrameRow row = ToFrameRow(values);
        temperature.Widen(row[1]);
        temperature.Widen(row[2]);
        sweating.Widen(row[4]);
        result.Frames.push_back(row);
    }
    if (result.Frames.empty()) {
        // A file without a single frame would load as a success with nothing to play.
        return fail(BodyFileError);
    }
    if (result.Frames.size() > 1) {
        const float step = result.Frames[1][0] - result.Frames[0][0];
        // Times that do not increase would make the frame index negative or infinite.
        if (step > 0 && std::isfinite(step))
            result.FrameStep = step;
    }
    return result;
}

FabricRead ReadFabricFile(const fs::path& file, int layerTotal)
{
    return ReadWith<FabricRead>(file, FabricFileError,
                                [layerTotal](std::string_view text) { return ReadFabricText(text, layerTotal); });
}

FabricRead ReadFabricText(std::string_view text, int layerTotal)
{
    FabricRead result;
    auto fail = [](std::string message) {
        FabricRead failed;
        failed.Error = std::move(message);
        return failed;
    };

    // The rows of one time block by layer. A block ends where a row's time passes its first row's
    // by more than the tolerance. Within a block the layers come in order, layer 0 first, each
    // with as many rows as layer 0; the first block fixes the nodes per layer and holds exactly
    // the garments' layers 0 .. layerTotal - 1 (a block with fewer would leave garment layers
    // without a colour), and every later block holds as many rows of each, at the first block's
    // positions. A row that breaks this order is the damage, named by its line: a row in another
    // row's place would show one node's values on another node. The last block is kept when it
    // is whole; when it is a beginning of one, the solver is still writing it, and it is left out
    // so the whole blocks still play.
    std::vector<std::vector<FrameRow>> block;
    int blockLayer = -1;  // the layer of the block's row before, -1 at its start
    int nodes = 0;
    int maxLayer = -1;  // known once the first block is whole
    ValueRange& humidity = result.Ranges[QuantityHumidity];
    // The rows a layer of the open block holds when whole: in the first block, layer 0's once
    // a later layer has begun (0: not known yet).
    auto layerRows = [&](int layer) -> std::size_t {
        if (maxLayer >= 0)
            return static_cast<std::size_t>(nodes);
        return layer > 0 ? block[0].size() : 0;
    };
    auto layerWhole = [&](int layer) {
        const std::size_t rows = layerRows(layer);
        return rows == 0 || block[static_cast<std::size_t>(layer)].size() == rows;
    };
    // Whether the open block has all its layers, each whole.
    auto blockWhole = [&]() {
        const int lastLayer = maxLayer >= 0 ? maxLayer : layerTotal - 1;
        return blockLayer == lastLayer && layerWhole(blockLayer);
    };
    auto keepBlock = [&]() {
        if (maxLayer < 0) {
            nodes = static_cast<int>(block[0].size());
            maxLayer = blockLayer;
        }
        result.Layers.resize(block.size());
        for (std::size_t l = 0; l < block.size(); ++l) {
            std::vector<FrameRow>& rows = block[l];
            for (const FrameRow& row : rows)
                humidity.Widen(row[3]);
            std::vector<FrameRow>& buffer = result.Layers[l];
            buffer.insert(buffer.end(), rows.begin(), rows.end());
            rows.clear();
        }
    };
    bool blockOpen = false;
    double blockEnd = 0;  // rows up to this time belong to the open block
    double previousTime = 0;

    LineCursor cursor(WrittenLines(text));
    ResultLineShape shape;
    std::string_view line;
    long long lineNumber = 0;
    auto damage = [&]() { return fail(MessageAtLine(FabricFileError, lineNumber)); };
    // An empty file reads as one empty line: too few columns.
    for (bool more = cursor.Next(line); more || lineNumber == 0; more = cursor.Next(line)) {
        if (!more)
            line = std::string_view();
        ++lineNumber;
        std::array<double, KeptColumns> values{};
        bool damaged = false;
        const int present = KeptFields(line, FabricSlots, values, damaged);
        if (lineNumber == 1 && present < KeptColumns)
            return fail(CountMessage(FabricColumnsError, present));
        if (present == 0)
            continue;  // a line without fields is no row
        const double time = values[0], layer = values[2];
        if (!shape.Fits(line) || present < KeptColumns || damaged || time < 0
            || (blockOpen && ResultTimeGoesBack(time, previousTime)))
            return damage();
        previousTime = time;
        if (!blockOpen || time > blockEnd) {
            // A new time: the open block must be whole.
            if (blockOpen) {
                if (!blockWhole())
                    return damage();
                keepBlock();
            }
            blockOpen = true;
            blockEnd = time + ResultTimeTolerance;
            blockLayer = -1;
        }
        // Layer indexes name the garments' layers; in the block a row's layer is the one before
        // or the next, whose turn comes when the one before is whole.
        if (!Whole(layer) || layer < 0 || layer >= layerTotal || (maxLayer >= 0 && layer > maxLayer))
            return damage();
        const int index = static_cast<int>(layer);
        const bool nextLayer = index == blockLayer + 1;
        if ((index != blockLayer && !nextLayer) || (nextLayer && blockLayer >= 0 && !layerWhole(blockLayer)))
            return damage();
        if (static_cast<std::size_t>(index) == block.size())
            block.emplace_back();
        std::vector<FrameRow>& rows = block[static_cast<std::size_t>(index)];
        const FrameRow row = ToFrameRow(values);
        // A row past the layer's nodes, or a node away from where the first block has it.
        const std::size_t whole = layerRows(index);
        if ((whole > 0 && rows.size() == whole)
            || (maxLayer >= 0 && row[1] != result.Layers[static_cast<std::size_t>(index)][rows.size()][1]))
            return damage();
        rows.push_back(row);
        blockLayer = index;
    }
    if (maxLayer < 0) {
        // A single block. With one garment layer, a layer still being written cannot be told
        // from a whole one; with more, the block is whole when every layer has as many rows as
        // layer 0 (the last one would have fewer while the solver writes it).
        if (layerTotal < 2 || !blockWhole())
            return fail(FabricFileError);
        keepBlock();
    } else if (blockWhole()) {
        keepBlock();
    }
    // Else the last block is a beginning of one (no layer holds more rows than it should), and
    // it is left out.
    result.MaxLayerSeen = maxLayer;
    result.NodesPerFrame = nodes;
    return result;
}

int GarmentLayerTotal(const EnvironmentData& environment)
{
    long long total = 0;
    for (const GarmentEntry& garment : environment.Garments)
        total += garment.LayerCount;
    return static_cast<int>(std::min<long long>(total, std::numeric_limits<int>::max()));
}

int PlayerResults::PlayableFrames() const
{
    const int bodyRows = Body.FrameCount();
    return Fabric.Layers.empty() ? bodyRows : std::min(bodyRows, Fabric.BlockCount());
}

EnvironmentRead ReadEnvironment(const fs::path& folder)
{
    return ReadEnvironmentFile(FindFileNoCase(folder, EnvironmentFileName));
}

PlayerResults LoadPlayerResults(const fs::path& folder, const EnvironmentData& environment)
{
    PlayerResults result;
    result.Body = ReadBodyFile(FindFileNoCase(folder, BodyFileName));
    if (!result.Body.Ok()) {
        result.Result = PlayerResults::BodyFailed;
        result.Message = result.Body.Error;
        return result;
    }
    result.Ranges = result.Body.Ranges;
    result.Fabric = ReadFabricFile(FindFileNoCase(folder, FabricFileName), GarmentLayerTotal(environment));
    if (result.Fabric.Ok()) {
        for (std::size_t q = 0; q < result.Ranges.size(); ++q)
            result.Ranges[q].Merge(result.Fabric.Ranges[q]);
        result.Result = PlayerResults::Loaded;
        result.Message = LoadSucceeded;
    } else {
        // The body still plays, without garment layers.
        result.Result = PlayerResults::FabricFailed;
        result.Message = result.Fabric.Error;
    }
    // The room takes the stages' colours either way.
    for (const EnvStage& stage : environment.Stages) {
        result.Ranges[QuantityTemperature].Widen(stage.Temperature);
        result.Ranges[QuantityHumidity].Widen(stage.Humidity);
    }
    return result;
}

const FrameRow* LayerNodeRow(const LayerBuffers& layers, int nodesPerFrame, int layer, int frame, int node)
{
    if (layer < 0 || frame < 0 || node < 0 || node >= nodesPerFrame)
        return nullptr;
    if (static_cast<std::size_t>(layer) >= layers.size())
        return nullptr;
    const std::vector<FrameRow>& buffer = layers[static_cast<std::size_t>(layer)];
    const long long row = static_cast<long long>(frame) * nodesPerFrame + node;
    if (row >= static_cast<long long>(buffer.size()))
        return nullptr;
    return &buffer[static_cast<std::size_t>(row)];
}
