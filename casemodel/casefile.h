#pragma once
// The simulation data file (".sdf"): the whole case as text, for the external solver and for
// loading the case again. Eight sections in a fixed order: body, fluids, fibres, membranes,
// fabrics, garments, stages, control. Every value stands between a pair of "$" behind its key;
// the reader takes values by their position on the line and never compares keys (one exception:
// the grid line of the control section, which may come early). Lines end with CR LF.
//
// Plain code: the writer and the reader take the case object, so they run without any window.
#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "casemodel/activities.h"
#include "casemodel/casemodel.h"

// ---- lists that indexes in the file refer to ---------------------------------------------

constexpr int ActivityCount = AllActivityCount;
constexpr int AgeCount = 3;            // Child, Adult, Elderly
constexpr int RaceCount = 6;
constexpr int FemaleStyleCount = 24;
constexpr int MaleStyleCount = 21;
constexpr int FittingFirst = 1;        // 1 loose, 2 just, 3 tight fit
constexpr int FittingLast = 3;

inline int StyleCount(bool maleWearer) { return maleWearer ? MaleStyleCount : FemaleStyleCount; }

// ---- what a file may hold; the writer refuses what the reader would ------------------------

// The most entries of any list in the file (records, the points of a curve, a fabric's fibres,
// ratios and membranes, a stage's microclimates): far more than any real case holds, few enough
// that a damaged count cannot make the reader spin or allocate for long. Stages and garments
// have their own limits (MaxStages, MaxGarments).
constexpr int MaxListCount = 1000000;

// Why a record's arrays do not pair up, as the dialogs show them point by point or ratio by
// fibre; empty when they do. The same text refuses the record in the writer and the file in the
// reader: "the fibre "X" has 3 regain values for 4 humidities".
std::string CurveCountFault(const FiberType& fiber);
std::string CurveCountFault(const MembraneType& membrane);
std::string RatioCountFault(const FabricType& fabric);

// ---- writing -----------------------------------------------------------------------------

// A value of the case that the format cannot carry: a name holding "$" or a line end, a number
// that is not finite, an index outside its list, more entries than the format's limits, arrays
// that do not pair up, a fibre, membrane or layer fabric missing from its list, a stage whose
// microclimate count is not the count of the garment layers that give one. The message names
// the record and the field. Nothing may be written when this is thrown.
class ECaseFileWrite : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The section writers; each writes its lines (CR LF) to the stream and changes nothing. A
// section is handed to the stream whole, so a refused one writes nothing.
void WriteBodySection(std::ostream& out, const CaseModel& model);
void WriteFluidSection(std::ostream& out, const CaseModel& model);
void WriteFiberSection(std::ostream& out, const CaseModel& model);
void WriteMembraneSection(std::ostream& out, const CaseModel& model);
void WriteFabricSection(std::ostream& out, const CaseModel& model);
// maleWearer picks the style list that the style indexes belong to.
void WriteGarmentSection(std::ostream& out, const CaseModel& model, bool maleWearer);
void WriteStageSection(std::ostream& out, const CaseModel& model);
void WriteControlSection(std::ostream& out, const CaseModel& model);

// All eight sections in order. Throws ECaseFileWrite before anything reaches the stream.
void WriteCaseFile(std::ostream& out, const CaseModel& model);
// The whole file as text; throws ECaseFileWrite before anything reaches a file.
std::string CaseFileText(const CaseModel& model);

// ---- reading -----------------------------------------------------------------------------

// The texts between successive "$" pairs of a line: value k of the line is element k-1. Text
// outside pairs, and a last unpaired "$" with what follows it, are ignored.
std::vector<std::string_view> SplitDollarValues(std::string_view line);

// A file that does not follow the format: truncated, a count or index that is fractional,
// negative or outside its list, a fibre name that matches no fibre, lines left over. The message
// is CaseLineReader::LineFault's.
class ECaseFileRead : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Everything a data file carries, parsed and checked, before any of it touches the case.
// Records refer only to records of the same structure (a fabric to its fibres, a garment
// layer to its fabric).
struct CaseFileContents {
    bool HasBody = false;              // "whether define body: $1$"
    BodyParameters Body;
    FiringRateCoefficients FiringRate;

    TList<FluidType> Fluids;           // empty: the file has none, the dialog is not refilled
    TList<FiberType> Fibers;
    TList<MembraneType> Membranes;     // always holds an "OP"
    bool MembranesListed = false;      // the file's membrane count was above 0
    TList<FabricType> Fabrics;

    int GarmentCount = 0;
    std::vector<int> StyleIndex;       // one per garment
    std::vector<int> Fitting;
    std::vector<GarmentLayerRow> Rows;

    TList<StageType> Stages;
    std::vector<int> ActivityIndex;    // one per stage
    std::vector<double> Place;

    double TimeStep = 0;
    double SaveFrequency = 0;
    double SweatAccumulation = 0;
    double ThicknessGrid = 0;
    double RadiusGrid = 0;
    // Cover, moisture and heat transfer ratio of the first stages; stages beyond keep theirs.
    std::vector<std::array<double, 3>> Ratios;

    // What the file holds that loads only in part, one line each for the load message: a layer
    // marked defined whose fabric is not in the file's list (it loads without fabric).
    std::vector<std::string> Notes;
};

// Walks the lines of a file; CR LF and LF both end a line, lines may be of any length.
class CaseLineReader {
public:
    // Keeps its own copy of the text.
    explicit CaseLineReader(std::string_view text);
    CaseLineReader(const CaseLineReader&) = delete;
    CaseLineReader& operator=(const CaseLineReader&) = delete;
    // The next line cut into its values. Throws ECaseFileRead when the file has ended.
    const std::vector<std::string_view>& Next();
    // The line last read, whole.
    std::string_view Line() const { return Current; }
    int LineNumber() const { return Index; }
    // The number of the first line after the current one that holds more than blanks; 0 when
    // only empty lines are left.
    int TextLineAfter() const;

    // Value k (from 1) of the current line: an empty text when the line has fewer values.
    std::string_view Text(int k) const;
    // Value k as a number, converted leniently ("12.5abc" gives 12.5, "" gives 0); a number
    // too large for a double, "inf" and "nan" are errors.
    double Number(int k) const;
    // Value k as a whole number in first..last; anything else is an error.
    int Whole(int k, long long first, long long last) const;
    // Refuses the file at the current line.
    [[noreturn]] void Fail(const std::string& why) const;
    // What the user is told of a refused file: "Line 63: value 1 (nan) is not a finite number."
    static std::string LineFault(int line, const std::string& why);

private:
    std::string Contents;
    std::vector<std::string_view> Lines;
    std::vector<std::string_view> Values;
    std::string_view Current;
    int Index = 0;
};

// The section readers, in file order. Each reads its lines into the contents and throws
// ECaseFileRead on a file that does not follow the format. The fabric reader resolves names
// against the fibres and membranes read before it, the garment reader against the fabrics,
// and the control reader counts the stages.
void ReadBodySection(CaseLineReader& in, CaseFileContents& file);
void ReadFluidSection(CaseLineReader& in, CaseFileContents& file);
void ReadFiberSection(CaseLineReader& in, CaseFileContents& file);
void ReadMembraneSection(CaseLineReader& in, CaseFileContents& file);
void ReadFabricSection(CaseLineReader& in, CaseFileContents& file);
// maleWearer: the wearer when the file carries no body (the body dialog's sex).
void ReadGarmentSection(CaseLineReader& in, CaseFileContents& file, bool maleWearer);
void ReadStageSection(CaseLineReader& in, CaseFileContents& file);
void ReadControlSection(CaseLineReader& in, CaseFileContents& file);

// Parses and checks a whole file. False when it does not follow the format, with the reason as
// the line that refused it and what was wrong there (CaseLineReader::LineFault); the contents
// are then of no use.
bool ParseCaseFile(std::string_view text, CaseFileContents& file, bool maleWearer,
                   std::string* why = nullptr);

// Puts parsed contents into the case: lists and arrays replaced, the flags of what the file
// defines set. Showing the new case in the dialogs is the caller's business. The contents are
// moved from.
//
// Every stage then holds one microclimate per counted layer (marked defined, with a fabric of the
// file's list, among the first three of a garment): a stage that holds another count gets the
// stage builder's microclimates for the loaded layers, keeps its own values, and the boundary
// step is left undone.
//
// Returns what the user is told beyond the success message, one line each: the contents' notes,
// then how many stages had their microclimates set again. Empty for a file that loads as written.
std::vector<std::string> ApplyCaseFile(CaseFileContents& file, CaseModel& model);
