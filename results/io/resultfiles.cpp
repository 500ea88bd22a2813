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
    int operator()(int column) const
    {
        return column >= 0 && column < static_cast<int>(slots.size()) ? slots[static_cast<std::size_t>(column)] : -1;
    }
};
// Body rows keep the columns 0, 1, 2, 4, 6; layer rows the columns 0, 1, 2, 6, 8.
constexpr ColumnSlots kBodySlots{{0, 1, 2, -1, 3, -1, 4, -1, -1, -1}};
constexpr ColumnSlots kFabricSlots{{0, 1, 2, -1, -1, -1, 3, -1, 4, -1}};

// How a numeric field reads: no number at all (it counts as 0), a number a result file can
// hold, or one it never holds (not finite, or beyond what temperatures, humidities and rates
// reach), which marks the file as damaged.
enum class FieldKind { NoNumber, Usable, Unusable };

// The decimal order of magnitude of a number text that a double cannot hold: positive when it
// overflowed, not positive when it underflowed.
long long OrderOfMagnitude(const char* s, const char* stop)
{
    long long order = 0;
    bool point = false, significant = false;
    const char* c = s;
    for (; c != stop && *c != 'e' && *c != 'E'; ++c) {
        if (*c == '.') {
            point = true;
        } else if (*c >= '0' && *c <= '9') {
            if (*c != '0')
                significant = true;
            if (!point && significant)
                ++order;
            else if (point && !significant)
                --order;
        }
    }
    if (c != stop) {
        ++c;
        const bool negative = c != stop && *c == '-';
        if (c != stop && (*c == '-' || *c == '+'))
            ++c;
        long long exponent = 0;
        for (; c != stop && *c >= '0' && *c <= '9'; ++c)
            exponent = std::min(exponent * 10 + (*c - '0'), 1000000000LL);  // saturated
        order += negative ? -exponent : exponent;
    }
    return order;
}

// The number at p by the rule of ResultNumber; returns where it ends, or p when no number
// starts there (value 0 then).
const char* ParseNumberAt(const char* p, const char* end, double& value, FieldKind& kind)
{
    value = 0;
    kind = FieldKind::NoNumber;
    const char* s = p;
    while (s != end && *s == ' ')
        ++s;
    // from_chars takes no plus sign, and after one no minus may follow.
    if (s != end && *s == '+') {
        ++s;
        if (s != end && *s == '-')
            return p;
    }
    double v = 0;
    const auto [stop, ec] = std::from_chars(s, end, v);
    if (ec == std::errc::invalid_argument)
        return p;
    if (ec == std::errc::result_out_of_range) {
        // So small that it is 0, or so large that no result file holds it.
        kind = OrderOfMagnitude(s, stop) > 0 ? FieldKind::Unusable : FieldKind::Usable;
        return stop;
    }
    value = v;
    // "inf" and "nan" are numbers to from_chars, but never values of a result file.
    kind = std::isfinite(v) && std::fabs(v) <= kResultValueLimit ? FieldKind::Usable : FieldKind::Unusable;
    return stop;
}

const char* NextTab(const char* p, const char* end)
{
    const void* tab = std::memchr(p, '\t', static_cast<std::size_t>(end - p));
    return tab ? static_cast<const char*>(tab) : end;
}

// ForEachTabField for the kept columns of a frame file, converting as it goes, so the digits
// are read once: visit(column, slot, value, last). Returns false, at the first kept field that
// holds a number no result file holds.
template <typename Visitor>
bool ForEachKeptNumber(std::string_view line, const ColumnSlots& slots, Visitor&& visit)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int column = 0; p != end; ++column) {
        const int slot = slots(column);
        double value = 0;
        const char* fieldEnd = nullptr;
        if (slot >= 0) {
            FieldKind kind = FieldKind::NoNumber;
            const char* stop = ParseNumberAt(p, end, value, kind);
            if (kind == FieldKind::Unusable)
                return false;
            fieldEnd = (stop != end && *stop == '\t') ? stop : NextTab(stop, end);
        } else {
            fieldEnd = NextTab(p, end);
        }
        const bool last = fieldEnd == end;
        if (slot >= 0)
            visit(column, slot, static_cast<float>(value), last);
        if (last)
            return true;
        p = fieldEnd + 1;
    }
    return true;
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
    double value = 0;
    FieldKind kind = FieldKind::NoNumber;
    ParseNumberAt(field.data(), field.data() + field.size(), value, kind);
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value)
                                                                                          : 0.0f;
}

bool ResultValue(std::string_view field, float& value)
{
    double v = 0;
    FieldKind kind = FieldKind::NoNumber;
    ParseNumberAt(field.data(), field.data() + field.size(), v, kind);
    value = kind == FieldKind::Usable ? static_cast<float>(v) : 0.0f;
    return kind != FieldKind::Unusable;
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
        // A garment has at most the layers a case can give it; the player lists every one.
        if (garment.LayerCount < 0 || garment.LayerCount > LayersPerGarment || garment.Style < 0 || garment.Style > 3)
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
        bool usable = true;
        if (f.size() > 1) usable = ResultValue(f[1], stage.Temperature) && usable;
        if (f.size() > 2) usable = ResultValue(f[2], stage.Humidity) && usable;
        if (f.size() > 3) usable = ResultValue(f[3], stage.Duration) && usable;
        // A negative duration would make the stages start before each other.
        if (!usable || stage.Duration < 0)
            return fail();
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
        const bool usable = ForEachKeptNumber(line, kBodySlots, [&](int column, int slot, float value, bool last) {
            row[static_cast<std::size_t>(slot)] = value;
            ++matched;
            if (column == 1 || column == 2)
                temperature.Widen(value);
            else if (column == 6)
                sweating.Widen(value);
            else if (column == 4 && last)
                humidity.Widen(value);  // only a line cut short after the metabolism column
        });
        if (!usable || row[0] < 0) {
            BodyRead failed;
            failed.Error = kBodyFileError;
            return failed;
        }
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

FabricRead ReadFabricFile(const fs::path& file, int layerLimit)
{
    FabricRead result;
    std::string text;
    if (!ReadOrFail(file, text, result, kFabricFileError))
        return result;
    auto fail = [](std::string message) {
        FabricRead failed;
        failed.Error = std::move(message);
        return failed;
    };
    const int limit = std::clamp(layerLimit, 0, kMaxFabricLayers);

    // The rows of one time block by layer. The first complete block fixes the layers and the
    // nodes per layer; every later block must hold as many, except a last one cut short, which
    // is dropped so the complete blocks still play.
    std::vector<std::vector<FrameRow>> block(static_cast<std::size_t>(limit));
    int nodes = 0;
    int maxLayer = -1;
    ValueRange& humidity = result.Ranges[QuantityHumidity];
    // Whether the block just read is whole: every layer 0 .. maxLayer with `nodes` rows and no
    // other layer. The first block decides both numbers.
    auto blockComplete = [&]() {
        if (maxLayer < 0) {
            int highest = -1;
            for (int l = 0; l < limit; ++l)
                if (!block[static_cast<std::size_t>(l)].empty())
                    highest = l;
            if (highest < 0)
                return false;
            nodes = static_cast<int>(block[0].size());
            maxLayer = highest;
        }
        for (int l = 0; l < limit; ++l) {
            const std::size_t expected = l <= maxLayer ? static_cast<std::size_t>(nodes) : 0;
            if (block[static_cast<std::size_t>(l)].size() != expected)
                return false;
        }
        return nodes > 0;
    };
    auto keepBlock = [&]() {
        result.Layers.resize(static_cast<std::size_t>(maxLayer) + 1);
        for (int l = 0; l <= maxLayer; ++l) {
            std::vector<FrameRow>& rows = block[static_cast<std::size_t>(l)];
            for (const FrameRow& row : rows)
                humidity.Widen(row[3]);
            std::vector<FrameRow>& buffer = result.Layers[static_cast<std::size_t>(l)];
            buffer.insert(buffer.end(), rows.begin(), rows.end());
            rows.clear();
        }
    };
    bool blockOpen = false;
    double blockEnd = 0;  // rows up to this time belong to the open block

    LineCursor cursor(text);
    std::string_view line;
    bool firstLine = true;
    // An empty file reads as one empty line: too few columns.
    for (bool more = cursor.Next(line); more || firstLine; more = cursor.Next(line)) {
        if (!more)
            line = std::string_view();
        FrameRow row{};
        int matched = 0;
        const bool usable = ForEachKeptNumber(line, kFabricSlots, [&](int column, int slot, float value, bool last) {
            if (column == 6 && last)
                value *= 0.01f;  // only a line cut short after the humidity column
            row[static_cast<std::size_t>(slot)] = value;
            ++matched;
        });
        if (!usable)
            return fail(kFabricFileError);
        if (firstLine) {
            firstLine = false;
            if (matched < 5)
                return fail(CountMessage(kFabricColumnsError, matched));
        }
        if (matched <= 1)
            continue;

        // A block is the run of rows whose time stays within 0.001 of its first row's.
        if (row[0] < 0)
            return fail(kFabricFileError);
        if (!blockOpen || row[0] > blockEnd) {
            if (blockOpen) {
                if (!blockComplete())
                    return fail(kFabricFileError);
                keepBlock();
            }
            blockOpen = true;
            blockEnd = static_cast<double>(row[0]) + 0.001;
        }
        const double layer = std::trunc(static_cast<double>(row[2]));
        if (layer < 0 || layer >= limit)
            return fail(kFabricFileError);
        block[static_cast<std::size_t>(layer)].push_back(row);
    }
    // The last block: kept when complete, dropped when cut short, unless it is the only one.
    const bool onlyBlock = maxLayer < 0;
    if (blockComplete())
        keepBlock();
    else if (onlyBlock)
        return fail(kFabricFileError);

    result.MaxLayerSeen = maxLayer;
    for (int l = 0; l < 5; ++l)
        result.LayerPresent[static_cast<std::size_t>(l)] = l <= maxLayer ? 1 : 0;
    result.NodesPerFrame = nodes;
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

    // The fabric layers are the garments' layers, as many as the player has layer flags for.
    long long garmentLayers = 0;
    for (const GarmentEntry& garment : environment.Garments)
        garmentLayers += garment.LayerCount;
    const int layerLimit = static_cast<int>(std::min<long long>(garmentLayers, kMaxFabricLayers));
    result.Fabric = ReadFabricFile(FindFileNoCase(folder, kFabricFileName), layerLimit);
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
