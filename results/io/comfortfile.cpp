#include "results/io/comfortfile.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "casemodel/numformat.h"
#include "casemodel/textfile.h"
#include "results/io/resultfield.h"
#include "results/io/resultfiles.h"

namespace {

constexpr std::size_t TimeColumn = 0;
constexpr std::size_t ThermalColumn = 7;
constexpr std::size_t DampnessColumn = 8;
constexpr std::size_t ComfortColumn = 9;

constexpr float NoBound = std::numeric_limits<float>::infinity();

} // namespace

ComfortSeries ParseComfortText(std::string_view text)
{
    ComfortSeries series;
    auto damaged = [](std::size_t n) {
        ComfortSeries refused;
        refused.Error = MessageAtLine(ComfortFileError, static_cast<long long>(n) + 1);
        return refused;
    };
    // Lines end in LF or CR LF. A file whose lines end in CR alone holds no LF at all and would
    // read as one line still being written: a chart without samples and without a word. A CR as
    // the last byte may be the first half of the first line's CR LF.
    if (text.find('\n') == std::string_view::npos) {
        const std::size_t cr = text.find('\r');
        if (cr != std::string_view::npos && cr + 1 < text.size())
            return damaged(0);
    }
    ResultLineShape shape;
    double previousTime = 0;
    const std::vector<std::string_view> lines = SplitLines(WrittenLines(text));
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (line.find_first_not_of(' ') == std::string_view::npos)
            continue;
        // Every line has the first one's fields, and that one at least up to the dampness: a
        // line that lost a field would slide the later ones into the wrong columns.
        if (!shape.Fits(line) || shape.Tabs() < static_cast<int>(DampnessColumn))
            return damaged(n);
        const std::size_t lastColumn = std::min<std::size_t>(static_cast<std::size_t>(shape.Tabs()), ComfortColumn);
        double values[ComfortColumn + 1] = {};
        for (std::size_t column = 0, from = 0; column <= lastColumn; ++column) {
            const std::size_t tab = std::min(line.find('\t', from), line.size());
            const bool used = column == TimeColumn || column >= ThermalColumn;
            if (used && !ResultField(line.substr(from, tab - from), values[column]))
                return damaged(n);
            from = tab + 1;
        }
        // The wearing time starts at 0 ("-0" is 0). Equal times are allowed; a time going back
        // would draw the curve backwards and count the repeated samples twice.
        const double time = values[TimeColumn];
        if (time < 0 || (!series.Samples.empty() && ResultTimeGoesBack(time, previousTime)))
            return damaged(n);
        previousTime = time;
        series.Samples.push_back({static_cast<float>(time), static_cast<float>(values[ThermalColumn]),
                                  static_cast<float>(values[DampnessColumn]), static_cast<float>(values[ComfortColumn])});
    }
    series.HasComfort = shape.Tabs() < 0 || shape.Tabs() >= static_cast<int>(ComfortColumn);
    if (!series.Samples.empty())
        series.TimeEnd = series.Samples.back().Time;
    return series;
}

bool ComfortSeries::Holds(int quantity) const
{
    return quantity != ComfortValue || HasComfort;
}

ComfortFileWatch::Result ComfortFileWatch::Load(const std::filesystem::path& file)
{
    std::error_code ec;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    std::string text;
    const bool regular = !file.empty() && std::filesystem::is_regular_file(file, ec);
    if (regular) {
        size = std::filesystem::file_size(file, ec);
        if (!ec)
            time = std::filesystem::last_write_time(file, ec);
    }
    if (!regular || ec) {
        Reset();
        return Missing;
    }
    if (IsFound && file == File && size == Size && time == Time)
        return Unchanged;
    if (!ReadWholeFile(file.string(), text)) {
        Reset();
        return Missing;
    }
    File = file;
    Size = size;
    Time = time;
    IsFound = true;
    ++ParseCount;
    Current = ParseComfortText(text);
    return Changed;
}

void ComfortFileWatch::Reset()
{
    File.clear();
    IsFound = false;
    Current = ComfortSeries();
}

// ---------------------------------------------------------------------------------------------

const std::vector<ComfortClass>& ComfortClasses(int quantity)
{
    static const std::vector<ComfortClass> thermal = {
        {"Cold", 23, {0, 0, 1}, {0, 0.9f, 1}, 0.1f},
        {"Cool", 45, {0, 1, 1}, {0.7f, 1, 1}, 0.32f},
        {"Neutral", 55, {0.7f, 1, 0.7f}, {0.5f, 1, 0.5f}, 0.48f},
        {"Warm", 73, {1, 1, 0.7f}, {1, 1, 0}, 0.61f},
        {"Hot", NoBound, {1, 0.8f, 0.5f}, {1, 0, 0}, 0.84f},
    };
    static const std::vector<ComfortClass> dampness = {
        {"Dry", 22, {1, 0, 0}, {1, 0.5f, 0.5f}, 0.1f},
        {"Slightly Damp", 47, {1, 1, 0}, {1, 1, 0.7f}, 0.32f},
        {"Damp", 70, {0.9f, 1, 1}, {0, 1, 1}, 0.56f},
        {"Very Damp", NoBound, {0, 0.9f, 1}, {0, 0, 1}, 0.812f},
    };
    static const std::vector<ComfortClass> comfort = {
        {"Uncomfortable", 30, {1, 0, 0}, {1, 0.8f, 0.5f}, 0.14f},
        {"Acceptable", 78, {0.8f, 1, 0.8f}, {0.5f, 1, 0.2f}, 0.5f},
        {"Comfortable", NoBound, {0, 0.9f, 1}, {0, 0, 1}, 0.86f},
    };
    static const std::vector<ComfortClass> none;
    switch (quantity) {
    case ThermalSensation: return thermal;
    case DampnessSensation: return dampness;
    case ComfortValue: return comfort;
    default: return none;
    }
}

const char* ComfortTitle(int quantity)
{
    switch (quantity) {
    case ThermalSensation: return "Thermal Sensation";
    case DampnessSensation: return "Dampness Sensation";
    case ComfortValue: return "Comfort Value";
    default: return "";
    }
}

float ComfortValueOf(const ComfortSample& sample, int quantity)
{
    switch (quantity) {
    case ThermalSensation: return sample.Thermal;
    case DampnessSensation: return sample.Dampness;
    default: return sample.Comfort;
    }
}

int ComfortClassOf(int quantity, float value)
{
    const std::vector<ComfortClass>& classes = ComfortClasses(quantity);
    int k = 0;
    while (k + 1 < static_cast<int>(classes.size()) && !(value <= classes[static_cast<std::size_t>(k)].Bound))
        ++k;
    return k;
}

ComfortSummary SummarizeComfort(const ComfortSeries& series, int quantity)
{
    ComfortSummary s;
    const std::size_t classes = ComfortClasses(quantity).size();
    s.Counts.assign(classes, 0);
    s.Percent.assign(classes, 0);
    s.TimeEnd = series.TimeEnd;
    s.HasSamples = !series.Samples.empty() && series.Holds(quantity);
    if (!s.HasSamples || classes == 0)
        return s;
    const ComfortSample& first = series.Samples.front();
    s.Highest = s.Lowest = ComfortValueOf(first, quantity);
    s.HighestTime = s.LowestTime = first.Time;
    for (const ComfortSample& sample : series.Samples) {
        const float v = ComfortValueOf(sample, quantity);
        // A later equal value does not replace the first one.
        if (v > s.Highest) {
            s.Highest = v;
            s.HighestTime = sample.Time;
        }
        if (v < s.Lowest) {
            s.Lowest = v;
            s.LowestTime = sample.Time;
        }
        ++s.Counts[static_cast<std::size_t>(ComfortClassOf(quantity, v))];
    }
    const double total = static_cast<double>(series.Samples.size());
    for (std::size_t k = 0; k < classes; ++k)
        s.Percent[k] = static_cast<int>(100.0 * s.Counts[k] / total + 0.5);
    return s;
}

ComfortConclusions MakeComfortConclusions(const ComfortSummary& summary, int quantity)
{
    ComfortConclusions labels;
    const std::vector<ComfortClass>& classes = ComfortClasses(quantity);
    if (classes.empty() || !summary.HasSamples)
        return labels;
    labels[0] = SingleToStr(summary.TimeEnd) + " min.";
    labels[1] = SingleToStr(summary.HighestTime) + " min.";
    labels[2] = SingleToStr(summary.LowestTime) + " min.";
    // Label18 onwards: the highest class first.
    for (std::size_t line = 0; line < classes.size(); ++line) {
        const std::size_t k = classes.size() - 1 - line;
        labels[3 + line] = std::string(classes[k].Name) + "    " + std::to_string(summary.Percent[k]) + "%";
    }
    static const char* const words[] = {"thermal", "dampness", "comfort"};
    const std::string word = words[quantity];
    labels[8] = "The percentage of " + word + " sensation:";
    labels[9] = "The whole time of wearing clothing:  ";
    labels[10] = "The highest " + word + " sensation:  ";
    labels[11] = "The lowest " + word + " sensation:  ";
    return labels;
}
