#pragma once
// The fuzzy comfort evaluation of the wearer's body data.
//
// The solver leaves "BodyDataForComfort.dat" in the case folder: a header line, then records of
// 20 lines, each line four TAB-separated numbers (time, skin temperature, core temperature,
// moisture). Every record becomes one line of "comfort.dat": the time of its last entry, the
// receptor signals, the thermal and dampness sensations and a comfort index on 0 .. 100. The comfort
// chart of the plot window reads that file back (columns 0, 7, 8, 9).
//
// Nothing here shows anything: the evaluation hands back the message the user is to see, so the
// main window only shows it and the tests reach the whole file path without a window.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "casemodel/records.h"

inline constexpr const char* ComfortInputName = "BodyDataForComfort.dat";
inline constexpr const char* ComfortOutputName = "comfort.dat";
// Shown with the caption "Information" when the input is missing or cannot be read.
inline constexpr const char* ComfortInputMissing = "the file BodyDataForComfort.dat does not exist!";
// Shown with the caption "Error" when the output cannot be written; the old output is kept.
inline constexpr const char* ComfortOutputFailed = "The file comfort.dat cannot be written!";
// Shown with the caption "Error" when the input is damaged; nothing is written.
inline constexpr const char* ComfortInputDamaged = "No data or incorrect format in BodyDataForComfort.dat!";

constexpr int ComfortRecordEntries = 20;

// One record of the input: entry i is line i of the record.
struct ComfortRecord {
    std::array<double, ComfortRecordEntries> Time{};
    std::array<double, ComfortRecordEntries> SkinTemperature{};  // deg C
    std::array<double, ComfortRecordEntries> CoreTemperature{};  // deg C
    std::array<double, ComfortRecordEntries> Moisture{};         // only the last entry is used
};

// Columns 1 to 9 of an output line: skin warm signal, core warm signal, skin cold signal, core
// cold signal, total warm signal, total cold signal, thermal sensation, dampness sensation and
// comfort index.
using ComfortColumns = std::array<double, 9>;

// Evaluates one record with the case's firing-rate coefficients.
ComfortColumns FuzzyComfortEvaluation(const FiringRateCoefficients& rates, const ComfortRecord& record);

// The complete records of an input text. The first line is a header; a field ends at a TAB or at
// the end of its line. The solver writes the file while it runs, so a last line without its line
// end is not read, and a last record cut short is dropped. Blank lines at the end are ignored.
// Every other line holds as many TABs as the first line after the header (ResultLineShape), and
// at least three; a line of another shape, or whose four fields are not all number texts
// (ResultField), is damage.
struct ParsedComfortInput {
    std::vector<ComfortRecord> Records;
    int DamagedLine = 0;  // the first damaged line, counted from 1; 0 when there is none
    bool Ok() const { return DamagedLine == 0; }
};
ParsedComfortInput ParseComfortInput(std::string_view text);

// The output line of a record: the time of its last entry and the nine columns, each as printf
// "%.6E", separated by single TABs and ended by a bare line feed.
std::string ComfortLine(double time, const ComfortColumns& columns);

struct ComfortEvaluation {
    std::string Message;  // empty on success
    std::string Caption;
    std::filesystem::path Output;  // the file written
    bool Ok() const { return Message.empty(); }
};

// Reads "BodyDataForComfort.dat" of the folder (its name in any letter case) and writes the
// comfort file there: an existing file named "comfort.dat" in any letter case (the solver writes
// "Comfort.dat") is replaced, else "comfort.dat" is created. The input is parsed as a whole
// before anything is written, and the output replaces the old file only once it is complete (a
// damaged input writes nothing).
ComfortEvaluation EvaluateComfortFolder(const std::filesystem::path& folder, const FiringRateCoefficients& rates);
