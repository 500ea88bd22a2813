#pragma once
// Readers of the solver's result files "Environment.dat", "BodyProperty.dat" and "Fabrics.dat".
//
// The files are TAB-separated text, one record per line. The readers parse a whole file into the
// plain structures below and report a failure as the message text the user is shown; they never
// show anything themselves, so the 3D player, the plot window and the directory window share
// them and the tests reach them without a window. Nothing here has a fixed capacity: every
// container is sized to the file, and a file that would make one grow beyond what its own size
// can justify is rejected as badly formatted.
//
// The solver writes these files while it runs. A last line without its line end is still being
// written and is not read; every field a reader uses must be a number text (ResultField), and a
// line that lacks one is damage, never a silent 0. In "BodyProperty.dat" and "Fabrics.dat" every
// data line holds as many TABs as the file's first one (ResultLineShape). A refusal that one
// line causes names it on a second line of the message (MessageAtLine).
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "results/io/resultfield.h"

// --- Messages (shown with the caption "Error", the success message with "Notice") ---
inline constexpr const char* EnvironmentFileError = "No data or incorrect format in environment data file!";
inline constexpr const char* NoStagesError = "Incorrect Env. temperature!";
inline constexpr const char* BodyFileError = "No data or incorrect format in body data file!";
inline constexpr const char* BodyColumnsError = "Too few data column in body data file! There is only ";
inline constexpr const char* FabricFileError = "No data or incorrect format in fabric data file!";
inline constexpr const char* FabricColumnsError = "Too few data column in fabric data file! There is only ";
inline constexpr const char* LoadSucceeded = "Data load succeeded!";

// --- File names as the solver writes them; they are looked up without regard to case ---
inline constexpr const char* EnvironmentFileName = "Environment.dat";
inline constexpr const char* BodyFileName = "BodyProperty.dat";
inline constexpr const char* FabricFileName = "Fabrics.dat";

// Rows of the frame files and the fibre files come in time order: a row may share its time with
// the one before (within this much, minutes), never go back. Two runs written one after the
// other are damage.
inline constexpr double ResultTimeTolerance = 0.001;
// Whether a row's time goes back from the time before it by more than the tolerance.
inline bool ResultTimeGoesBack(double time, double before)
{
    return time < before - ResultTimeTolerance;
}

// --- Fields ---

// The field rule of "BodyProperty.dat" and "Fabrics.dat": every TAB ends a field (so two TABs in a
// row make an empty field that still counts), and the text after the last TAB is a field only when
// it is not empty. Calls visit(index, text, last) for each field in order; last is true only for
// that trailing text.
template <typename Visitor>
void ForEachTabField(std::string_view line, Visitor&& visit)
{
    int index = 0;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        visit(index++, line.substr(start, tab - start), false);
        start = tab + 1;
    }
    if (start < line.size())
        visit(index, line.substr(start), true);
}

// The end of the field that begins at p: the next TAB, or end. The fields are a few characters
// each: a plain loop finds their end sooner than a call would.
inline const char* NextTab(const char* p, const char* end)
{
    while (p != end && *p != '\t')
        ++p;
    return p;
}

// --- Structures ---

// One frame row as the player keeps it: five 32-bit values. A body row holds the columns
// 0, 1, 2, 5, 7 of "BodyProperty.dat" (time, skin temperature, core temperature, relative
// humidity of the skin, sweating rate); a layer row the columns 0, 1, 2, 6, 8 of "Fabrics.dat" (time, position, layer,
// relative humidity, temperature).
using FrameRow = std::array<float, 5>;
using LayerBuffers = std::vector<std::vector<FrameRow>>;

// Colour-scale quantities, the index of the ranges.
enum ResultQuantity { QuantityTemperature = 0, QuantityHumidity = 1, QuantitySweating = 2 };

// A colour-scale range: starts at minimum 10000 and maximum 0, and every value widens it.
struct ValueRange {
    float Min = 10000.0f;
    float Max = 0.0f;
    void Widen(float value)
    {
        if (value < Min) Min = value;
        if (value > Max) Max = value;
    }
    // As if every value that widened other had widened this one (a range never widened keeps
    // its reset values, which change nothing here).
    void Merge(const ValueRange& other)
    {
        if (other.Min < Min) Min = other.Min;
        if (other.Max > Max) Max = other.Max;
    }
};
using ValueRanges = std::array<ValueRange, 3>;  // by ResultQuantity

struct GarmentEntry {
    int LayerCount = 0;  // fabric layers of the garment
    int Style = 0;       // 0 brief or bikini, 1 shorts, 2 slacks or pants, 3 skirt
};

struct EnvStage {
    float Time = 0;         // start of the stage (min): the sum of the durations before it
    float Temperature = 0;  // deg C
    float Humidity = 0;     // relative humidity, %
    float Duration = 0;     // min, as the file gives it
};

struct EnvironmentData {
    int BodyModel = 0;  // 0 man, any other value woman
    bool IsFemale() const { return BodyModel != 0; }
    std::vector<GarmentEntry> Garments;
    std::vector<EnvStage> Stages;
};

struct EnvironmentRead {
    // Empty on success. EnvironmentFileError when the file is missing or badly formatted (nothing
    // of it is to be used); NoStagesError when it has no stage row (Data.Stages then holds one
    // stage of zeros), and nothing of the folder is to be loaded.
    std::string Error;
    EnvironmentData Data;
    bool Ok() const { return Error.empty(); }
};

struct BodyRead {
    std::string Error;            // empty on success
    std::vector<FrameRow> Frames;  // one row per time step, in time order
    float FrameStep = 1.0f;       // time of row 1 - time of row 0; 1.0 unless that is positive
    ValueRanges Ranges;           // widened by this file only
    bool Ok() const { return Error.empty(); }
    int FrameCount() const { return static_cast<int>(Frames.size()); }
};

struct FabricRead {
    std::string Error;  // empty on success
    // Buffer L holds layer L: node n of time block f at row f x NodesPerFrame + n. Only whole
    // time blocks are kept.
    LayerBuffers Layers;
    int NodesPerFrame = 1;  // rows of one layer in one time block
    int MaxLayerSeen = 0;   // highest layer index of the file
    ValueRanges Ranges;     // widened by this file only
    bool Ok() const { return Error.empty(); }
    int BlockCount() const
    {
        return Layers.empty() || NodesPerFrame <= 0 ? 0 : static_cast<int>(Layers[0].size() / NodesPerFrame);
    }
};

// What the player takes from one load of "BodyProperty.dat" and "Fabrics.dat".
struct PlayerResults {
    enum Outcome { BodyFailed, FabricFailed, Loaded };
    Outcome Result = BodyFailed;
    // The one message to show: the body or fabric error (caption "Error") or LoadSucceeded
    // (caption "Notice").
    std::string Message;
    BodyRead Body;      // on BodyFailed: no frames
    FabricRead Fabric;  // on BodyFailed or FabricFailed: no layers
    // The colour-scale ranges: reset, then widened by the body file, the fabric file when it
    // loaded and, once the body loaded, by every stage's temperature and relative humidity.
    ValueRanges Ranges;
    bool BodyLoaded() const { return Result != BodyFailed; }
    // The frames that can be played: the body rows, and when the fabric file holds layers no
    // more than its whole time blocks, so a garment never plays past its data (the solver may
    // still be writing one file behind the other).
    int PlayableFrames() const;
};

// --- Reading ---

// The file in folder whose name equals name without regard to letter case (the exact spelling
// wins when several match); an empty path when there is none.
std::filesystem::path FindFileNoCase(const std::filesystem::path& folder, std::string_view name);

EnvironmentRead ReadEnvironmentFile(const std::filesystem::path& file);
BodyRead ReadBodyFile(const std::filesystem::path& file);
// layerTotal: the garments' layers (GarmentLayerTotal). Every whole time block holds exactly
// the layers 0 .. layerTotal - 1 in order, each with the first block's rows of layer 0, at the
// first block's positions; a row out of that order is damage at its line. A file of a single
// block is read when that block is whole, which can be told only with two layers or more (all of
// them with as many rows as layer 0).
FabricRead ReadFabricFile(const std::filesystem::path& file, int layerTotal);
// The same readers on a file's text.
EnvironmentRead ReadEnvironmentText(std::string_view text);
BodyRead ReadBodyText(std::string_view text);
FabricRead ReadFabricText(std::string_view text, int layerTotal);
// The fabric layers of all garments together.
int GarmentLayerTotal(const EnvironmentData& environment);

// "Environment.dat" of a result folder.
EnvironmentRead ReadEnvironment(const std::filesystem::path& folder);
// "BodyProperty.dat" and then "Fabrics.dat" of a result folder, as the player loads them after
// the environment: a body failure stops before the fabric file; a fabric failure keeps the body.
PlayerResults LoadPlayerResults(const std::filesystem::path& folder, const EnvironmentData& environment);

// The row of node n of time block frame in layer buffer layer, or nullptr when the files held no
// such row (a frame beyond the fabric blocks, a layer the file lacks, a node out of range).
const FrameRow* LayerNodeRow(const LayerBuffers& layers, int nodesPerFrame, int layer, int frame, int node);
