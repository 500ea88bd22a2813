#include "results/io/resultfiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

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
    int operator()(int column) const
    {
        return column >= 0 && column < static_cast<int>(slots.size()) ? slots[static_cast<std::size_t>(column)] : -1;
    }
};
// Body rows keep the columns 0, 1, 2, 4, 6; layer rows the columns 0, 1, 2, 6, 8.
constexpr ColumnSlots kBodySlots{{0, 1, 2, -1, 3, -1, 4, -1, -1, -1}};
constexpr ColumnSlots kFabricSlots{{0, 1, 2, -1, -1, -1, 3, -1, 4, -1}};

// The number at p by the rule of ResultNumber; returns where it ends, or p when no number
// starts there (value 0 then).
const char* ParseNumberAt(const char* p, const char* end, float& value)
{
    value = 0;
    const char* s = p;
    while (s != end && *s == ' ')
        ++s;
    const bool plus = s != end && *s == '+';
    if (plus)
        ++s;
    // Only a digit or a point may follow the sign; this also keeps out "inf" and "nan".
    const char* q = (!plus && s != end && *s == '-') ? s + 1 : s;
    if (q == end || !((*q >= '0' && *q <= '9') || *q == '.'))
        return p;
    float v = 0;
    const auto [stop, ec] = std::from_chars(s, end, v);
    if (ec == std::errc::invalid_argument)
        return p;
    // Beyond the range of a float reads as 0 (and so small that it is 0 anyway).
    if (ec == std::errc())
        value = v;
    return stop;
}

const char* NextTab(const char* p, const char* end)
{
    const void* tab = std::memchr(p, '\t', static_cast<std::size_t>(end - p));
    return tab ? static_cast<const char*>(tab) : end;
}

// ForEachTabField for the kept columns of a frame file, converting as it goes, so the digits
// are read once: visit(column, slot, value, last).
template <typename Visitor>
void ForEachKeptNumber(std::string_view line, const ColumnSlots& slots, Visitor&& visit)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int column = 0; p != end; ++column) {
        const int slot = slots(column);
        float value = 0;
        const char* fieldEnd = nullptr;
        if (slot >= 0) {
            const char* stop = ParseNumberAt(p, end, value);
            fieldEnd = (stop != end && *stop == '\t') ? stop : NextTab(stop, end);
        } else {
            fieldEnd = NextTab(p, end);
        }
        const bool last = fieldEnd == end;
        if (slot >= 0)
            visit(column, slot, value, last);
        if (last)
            return;
        p = fieldEnd + 1;
    }
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

// The whole file in one read: result files run to tens of megabytes, and reading them must cost
// little next to parsing them.
bool ReadFile(const fs::path& file, std::string& contents)
{
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(file, ec))
        return false;
    const std::uintmax_t size = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in)
        return false;
    contents.resize(static_cast<std::size_t>(size));
    in.read(contents.data(), static_cast<std::streamsize>(size));
    // A file still being written is taken as far as it was when its size was asked.
    contents.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

// Reads file into text, or sets the reader's message for a file that cannot be read.
template <typename Result>
bool ReadOrFail(const fs::path& file, std::string& text, Result& result, const char* message)
{
    if (ReadFile(file, text))
        return true;
    result.Error = message;
    return false;
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

float ResultNumber(std::string_view field)
{
    float value = 0;
    ParseNumberAt(field.data(), field.data() + field.size(), value);
    return value;
}

int ResultInteger(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i == field.size() || field[i] < '0' || field[i] > '9')
        return 0;
    long long value = 0;
    const char* first = field.data() + i;
    const char* last = field.data() + field.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end == first || value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(negative ? -value : value);
}

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
    EnvironmentRead result;
    std::string text;
    if (!ReadOrFail(file, text, result, kEnvironmentFileError))
        return result;
    const std::vector<std::string_view> lines = SplitLines(text);
    auto fieldsOf = [&](std::size_t lineIndex) {
        return lineIndex < lines.size() ? EnvironmentFields(lines[lineIndex]) : std::vector<std::string_view>{};
    };
    auto fail = [&result]() {
        result.Error = kEnvironmentFileError;
        result.Data = EnvironmentData();
        return result;
    };

    EnvironmentData& env = result.Data;
    // Line 1 is a title, line 3 and line 5 are headings.
    if (const auto f = fieldsOf(1); !f.empty())
        env.BodyModel = ResultInteger(f[0]);
    int garmentCount = 0;
    if (const auto f = fieldsOf(3); !f.empty())
        garmentCount = ResultInteger(f[0]);
    if (garmentCount < 0)
        return fail();

    // One line per garment from line 6 on: field 2 the layer count, field 3 the style. The
    // garments are held as far as the file has lines for them, so a count that the file does not
    // bear out cannot make the player list more garments than there are.
    std::size_t next = 5;
    for (int g = 0; g < garmentCount && next < lines.size(); ++g, ++next) {
        GarmentEntry garment;
        const auto f = EnvironmentFields(lines[next]);
        if (f.size() > 1)
            garment.LayerCount = ResultInteger(f[1]);
        if (f.size() > 2)
            garment.Style = ResultInteger(f[2]);
        if (garment.LayerCount < 0 || garment.Style < 0 || garment.Style > 3)
            return fail();
        env.Garments.push_back(garment);
    }
    ++next;  // the heading of the stage table

    // Stage rows to the end of the file: temperature, humidity and duration in fields 2 to 4;
    // lines without any field are skipped.
    for (; next < lines.size(); ++next) {
        const auto f = EnvironmentFields(lines[next]);
        if (f.empty())
            continue;
        EnvStage stage;
        if (f.size() > 1) stage.Temperature = ResultNumber(f[1]);
        if (f.size() > 2) stage.Humidity = ResultNumber(f[2]);
        if (f.size() > 3) stage.Duration = ResultNumber(f[3]);
        env.Stages.push_back(stage);
    }
    if (env.Stages.empty()) {
        result.Error = kNoStagesError;
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
    BodyRead result;
    std::string text;
    if (!ReadOrFail(file, text, result, kBodyFileError))
        return result;
    ValueRange& temperature = result.Ranges[QuantityTemperature];
    ValueRange& humidity = result.Ranges[QuantityHumidity];
    ValueRange& sweating = result.Ranges[QuantitySweating];
    LineCursor cursor(text);
    for (std::string_view line; cursor.Next(line);) {
        FrameRow row{};
        int matched = 0;
        ForEachKeptNumber(line, kBodySlots, [&](int column, int slot, float value, bool last) {
            row[static_cast<std::size_t>(slot)] = value;
            ++matched;
            if (column == 1 || column == 2)
                temperature.Widen(value);
            else if (column == 6)
                sweating.Widen(value);
            else if (column == 4 && last)
                humidity.Widen(value);  // only a line cut short after the metabolism column
        });
        // Every line with a wanted field is a frame, even one of text (it reads as zeros).
        if (matched > 0)
            result.Frames.push_back(row);
        // The first frame's line, or a line right after it without wanted fields, shows whether
        // the file has the columns at all.
        if (result.Frames.size() == 1 && matched < 5) {
            result.Error = CountMessage(kBodyColumnsError, matched);
            result.Frames.clear();
            return result;
        }
    }
    if (result.Frames.empty()) {
        // A file without a single frame would load as a success with nothing to play.
        result.Error = kBodyFileError;
        return result;
    }
    if (result.Frames.size() > 1) {
        const float step = result.Frames[1][0] - result.Frames[0][0];
        // Times that do not increase would make the frame index negative or infinite.
        if (step > 0 && std::isfinite(step))
            result.FrameStep = step;
    }
    return result;
}

FabricRead ReadFabricFile(const fs::path& file)
{
    FabricRead result;
    std::string text;
    if (!ReadOrFail(file, text, result, kFabricFileError))
        return result;
    auto fail = [&result](std::string message) {
        FabricRead failed;
        failed.Error = std::move(message);
        return failed;
    };

    // In a sound file every layer buffer grows by one row per row read, and a new layer index
    // is at most the rows read before it. A damaged file that asks for more (a layer far above
    // the rest, rows far beyond the blocks) must not make the reader allocate without end.
    std::size_t rowsStored = 0;
    std::size_t rowsAllocated = 0;

    ValueRange& humidity = result.Ranges[QuantityHumidity];
    int nodesInFirstBlock = 1;
    double referenceTime = -1.0;
    bool counting = true;
    std::size_t layer0Rows = 0;       // rows of layer 0 so far
    std::size_t firstBlockRows = 0;   // rows of layer 0 in the first block (fixed by the first other row)
    std::size_t otherRows = 0;        // rows of the other layers so far
    int maxLayer = 0;
    bool firstLine = true;

    LineCursor cursor(text);
    std::string_view line;
    // An empty file reads as one empty line: too few columns.
    for (bool more = cursor.Next(line); more || firstLine; more = cursor.Next(line)) {
        if (!more)
            line = std::string_view();
        FrameRow row{};
        int matched = 0;
        bool hasTime = false;
        ForEachKeptNumber(line, kFabricSlots, [&](int column, int slot, float value, bool last) {
            if (column == 6) {
                if (last)
                    value *= 0.01f;  // only a line cut short after the humidity column
                humidity.Widen(value);
            }
            if (column == 0)
                hasTime = true;
            row[static_cast<std::size_t>(slot)] = value;
            ++matched;
        });

        // The first time block is the run of rows whose time stays within 0.001 of the first;
        // it ends with the first later time once layer 0 has rows.
        if (counting && hasTime) {
            if (row[0] <= referenceTime) {
                ++nodesInFirstBlock;
            } else {
                referenceTime = static_cast<double>(row[0]) + 0.001;
                if (layer0Rows > 0)
                    counting = false;
            }
        }

        if (matched > 1) {
            const double truncated = std::trunc(static_cast<double>(row[2]));
            if (truncated < 0 || truncated > static_cast<double>(rowsStored))
                return fail(kFabricFileError);
            ++rowsStored;
            const int layer = static_cast<int>(truncated);
            if (layer > maxLayer)
                maxLayer = layer;
            if (static_cast<std::size_t>(layer) >= result.Layers.size())
                result.Layers.resize(static_cast<std::size_t>(layer) + 1);
            std::size_t index = 0;
            if (layer == 0) {
                index = layer0Rows++;
            } else {
                // Every layer has as many nodes as layer 0: node n of block t goes to row
                // t x b + n, b being the layer-0 rows of the first block.
                if (firstBlockRows == 0)
                    firstBlockRows = layer0Rows;
                if (firstBlockRows == 0)
                    return fail(kFabricFileError);  // a block that does not start with layer 0
                index = otherRows % firstBlockRows + (layer0Rows - firstBlockRows);
                ++otherRows;
            }
            std::vector<FrameRow>& buffer = result.Layers[static_cast<std::size_t>(layer)];
            if (index >= buffer.size()) {
                rowsAllocated += index + 1 - buffer.size();
                if (rowsAllocated > 2 * rowsStored + 64)
                    return fail(kFabricFileError);
                buffer.resize(index + 1);
            }
            buffer[index] = row;
        }

        if (firstLine) {
            firstLine = false;
            if (matched < 5)
                return fail(CountMessage(kFabricColumnsError, matched));
        }
    }

    // The highest layer index decides, so a file cut off inside its last block keeps the layers
    // its complete blocks have.
    result.MaxLayerSeen = maxLayer;
    for (int l = 0; l < 5; ++l)
        result.LayerPresent[static_cast<std::size_t>(l)] = l <= maxLayer ? 1 : 0;
    result.NodesPerFrame = nodesInFirstBlock / (maxLayer + 1);
    return result;
}

EnvironmentRead ReadEnvironment(const fs::path& folder)
{
    return ReadEnvironmentFile(FindFileNoCase(folder, kEnvironmentFileName));
}

PlayerResults LoadPlayerResults(const fs::path& folder, const EnvironmentData& environment)
{
    PlayerResults result;
    result.Body = ReadBodyFile(FindFileNoCase(folder, kBodyFileName));
    if (!result.Body.Ok()) {
        result.Result = PlayerResults::BodyFailed;
        result.Message = result.Body.Error;
        return result;
    }
    result.Ranges = result.Body.Ranges;

    result.Fabric = ReadFabricFile(FindFileNoCase(folder, kFabricFileName));
    if (!result.Fabric.Ok()) {
        result.Result = PlayerResults::FabricFailed;
        result.Message = result.Fabric.Error;
        return result;
    }
    for (std::size_t q = 0; q < result.Ranges.size(); ++q)
        result.Ranges[q].Merge(result.Fabric.Ranges[q]);
    for (const EnvStage& stage : environment.Stages) {
        result.Ranges[QuantityTemperature].Widen(stage.Temperature);
        result.Ranges[QuantityHumidity].Widen(stage.Humidity);
    }
    result.Result = PlayerResults::Loaded;
    result.Message = kLoadSucceeded;
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
