#pragma once
// The comfort file as the sensation and comfort chart reads it, its classes and the conclusions
// the chart writes under it. Plain C++: the plot window only draws and shows what these return.
//
// "Comfort.dat" holds one sample per line, fields separated by TABs, no heading: column 0 the
// time in minutes, columns 7, 8 and 9 the thermal sensation, the dampness sensation and the
// comfort value on a 0 .. 100 scale. Columns 1 to 6 and any after 9 are not read. The file is
// written by a program, often while the chart watches it: a last line without its line end is
// still being written and is not read, and an empty or blank line is no sample. Every other line
// holds as many TABs as the first one (ResultLineShape), and that one at least eight: a file of
// nine columns has no comfort value, which only the comfort chart misses. Lines end in LF or
// CR LF. A line of another shape, a used column that is no number text (ResultField), a time
// below 0 or more than ResultTimeTolerance below the one before, and lines ended by CR alone are
// damage.
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <cstdint>

inline constexpr const char* NoComfortFile = "No files!";
inline constexpr const char* ComfortFileError = "No data or incorrect format in comfort data file!";

struct ComfortSample {
    float Time = 0;  // min
    float Thermal = 0;
    float Dampness = 0;
    float Comfort = 0;
};

struct ComfortSeries {
    std::vector<ComfortSample> Samples;
    float TimeEnd = 0;  // time of the last sample, 0 without samples
    // Whether the lines hold column 9; without it every Comfort is 0, which is no value to chart.
    bool HasComfort = true;
    bool Holds(int quantity) const;
    // Empty for a sound file; for a damaged one the message with the line on a second line, and
    // no samples.
    std::string Error;
    bool Ok() const { return Error.empty(); }
};

ComfortSeries ParseComfortText(std::string_view text);

// Follows one comfort file: it is parsed again only when its size or modification time changed,
// so a chart that checks it a hundred times a second costs a file status each time.
class ComfortFileWatch {
public:
    enum Result { Missing, Unchanged, Changed };
    // Missing when the file is no regular file or cannot be read (the series is then empty).
    // Changed once per version of the file: a damaged version too, whose series then holds
    // the message.
    Result Load(const std::filesystem::path& file);
    const ComfortSeries& Series() const { return Current; }
    // Whether the last load found the file.
    bool Found() const { return IsFound; }
    int Parses() const { return ParseCount; }
    // Forgets the file, so the next load counts as a change.
    void Reset();

private:
    std::filesystem::path File;
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Time;
    bool IsFound = false;
    int ParseCount = 0;
    ComfortSeries Current;
};

// --- Classes ---

enum ComfortQuantity { ThermalSensation = 0, DampnessSensation = 1, ComfortValue = 2 };

struct ComfortClass {
    const char* Name;
    float Bound;          // values up to this one (inclusive) are of the class; the last has none
    float LowerColor[3];  // band colour at its lower edge
    float UpperColor[3];  // and at its upper edge
    float LabelY;         // where the chart writes the class name
};

// The classes of a quantity from the lowest to the highest (empty for another index). Each
// class's band on the chart runs from the bound below it (0 for the first) to its own (1 for
// the last), on the 0 .. 1 scale of the values divided by 100.
const std::vector<ComfortClass>& ComfortClasses(int quantity);
const char* ComfortTitle(int quantity);  // "Thermal Sensation", ...
float ComfortValueOf(const ComfortSample& sample, int quantity);
// Index of the class of a value; values beyond the scale count in the lowest or highest.
int ComfortClassOf(int quantity, float value);

// What the conclusions say about a quantity over the samples (none for a quantity the series
// does not hold).
struct ComfortSummary {
    bool HasSamples = false;
    float TimeEnd = 0;
    float Highest = 0, HighestTime = 0;  // the first sample with the extreme value
    float Lowest = 0, LowestTime = 0;
    std::vector<int> Counts;   // samples per class, lowest class first
    std::vector<int> Percent;  // rounded share per class, 0 without samples
};
ComfortSummary SummarizeComfort(const ComfortSeries& series, int quantity);

// The texts of the conclusion labels Label15 .. Label26 (index = label number - 15): the three
// times, the class lines from the highest class down (name, four blanks, percentage, "%"),
// then the left column. Lines a quantity has no class for are empty; without samples there is
// nothing to conclude and every label is empty.
using ComfortConclusions = std::array<std::string, 12>;
ComfortConclusions MakeComfortConclusions(const ComfortSummary& summary, int quantity);

