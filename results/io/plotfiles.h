#pragma once
// The plot window's side of the result files: one value column of "Fabrics.dat", a fibre file
// or "BodyProperty.dat" over time and position, the layer and row structure of "Fabrics.dat",
// and what a result folder holds. Plain C++: the windows show what these return.
//
// A plot reads its file in one pass, piece by piece, and converts only what it shows: the time,
// the position and the chosen value of the chosen layer's rows. Every TAB ends a field and the
// text after the last TAB is one more. The solver writes these files, so a used field that is
// no plain number (ResultField), a row that lacks one, a row with another TAB count than the
// file's first row (a field lost or gained: the later ones would slide into other columns) or a
// time that goes back is damage and gets the file's message with the line's number, never a
// value. So is a row out of place in a file of time blocks (a fibre file, "Fabrics.dat"): a row
// belongs to the open block while its time is at most ResultTimeTolerance above the block's
// first, every block holds rows of one time, every block after the first as many rows as the
// first, each at the position of the first block's row in its place. A line that is empty or
// holds only blanks is no row, and a last line without its line end is still being written and
// is not read.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// --- Messages of the plot and directory windows (plain message dialog) ---
inline constexpr const char* LackOfDataFiles = "Lack Of Data Files!";
inline constexpr const char* NoSimulationFile = "No File simulation.sdf!";
inline constexpr const char* OpenDataDirectoryFirst = "Please Open The Data Directionay!";
// A fibre file that gives nothing to plot ("BodyProperty.dat" and "Fabrics.dat" have the
// player's texts).
inline constexpr const char* FiberFileError = "No data or incorrect format in fiber data file!";

// --- Names looked for in a result folder, without regard to case ---
inline constexpr const char* FabricsName = "Fabrics.dat";
inline constexpr const char* BodyPropertyName = "Bodyproperty.dat";
inline constexpr const char* ComfortName = "Comfort.dat";
inline constexpr const char* LogInfoName = "Loginfo.txt";
inline constexpr const char* SimulationName = "simulation.sdf";

// One plotted row: three 32-bit values.
struct PlotPoint {
    float Time = 0;
    float Position = 0;
    float Value = 0;
};

enum class PlotSource { Fabric, Fiber, Body };

struct PlotRequest {
    PlotSource Source = PlotSource::Fabric;
    int ValueColumn = 3;
    // "Fabrics.dat" only: the layer kept (0 = the first) of LayerCount layers of RowsPerLayer
    // rows in each time block. The rows are chosen by counting, and every row is checked against
    // the count: its layer column must be the layer the count gives it, so a stray or lost row
    // is damage rather than a shift of every later row into another layer.
    int Layer = 0;
    int LayerCount = 1;
    int RowsPerLayer = 0;
    // The count saw no second time block begin: the file was one block, perhaps still being
    // written, and only its LayerCount x RowsPerLayer rows are read (what follows, the rest of a
    // layer still being written or rows written since, the count has not seen).
    bool FirstBlockOnly = false;
    bool operator==(const PlotRequest& o) const
    {
        return Source == o.Source && ValueColumn == o.ValueColumn && Layer == o.Layer &&
               LayerCount == o.LayerCount && RowsPerLayer == o.RowsPerLayer && FirstBlockOnly == o.FirstBlockOnly;
    }
};

struct PlotData {
    // The rows of whole time blocks: once a second block shows, the rows of a block still being
    // written are left out, so the ranges and ticks are those of the whole blocks drawn.
    std::vector<PlotPoint> Points;
    // Rows of one time block: up to the first row whose position equals row 0's; all rows when
    // no position recurs (and for the body file, which has no position).
    int NodesPerBlock = 0;
    // The positions of the first time block in file order, as FloatToStr writes them.
    std::vector<std::string> PositionTexts;
    float TimeStart = 0, TimeEnd = 0, TimeRange = 1;
    float PosStart = 0, PosEnd = 0, PosRange = 1;
    float ValueMin = 0, ValueMax = 0, ValueRange = 1;
    int RowCount() const { return static_cast<int>(Points.size()); }
};

// One load of a plot: the rows, or the file's message and nothing to draw.
struct PlotRead {
    std::string Error;  // empty when the file gave rows
    PlotData Data;
    bool Ok() const { return Error.empty(); }
};

// The message of a damaged or empty file of a source.
const char* PlotFileError(PlotSource source);

// The rows of a request from a file's text. On "Fabrics.dat" only the chosen layer's rows are
// kept, block after block. A file without a row gets its message too. Each range is 1 when its
// difference is not positive.
PlotRead ParsePlotText(std::string_view text, const PlotRequest& request);
// The same from the file, read piece by piece; nothing when it cannot be opened.
std::optional<PlotRead> ReadPlotFile(const std::filesystem::path& file, const PlotRequest& request);

// A file's version as the windows tell a change: whether it is a regular file, its size and its
// modification time.
struct FileVersion {
    bool Exists = false;
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Time;
    bool operator==(const FileVersion& o) const { return Exists == o.Exists && Size == o.Size && Time == o.Time; }
};
FileVersion FileVersionOf(const std::filesystem::path& file);

// The last load of each file, kept while the file's size and modification time and the request
// stay the same: a redraw of an unchanged plot reads nothing.
class PlotFileCache {
public:
    struct Load {
        std::shared_ptr<const PlotRead> Read;  // null: no regular file, or it cannot be read
        // The load failed and this version of the file has not been reported yet: a damaged or
        // missing file is said once, not at every redraw.
        bool Report = false;
    };
    Load Get(const std::filesystem::path& file, const PlotRequest& request);
    // Loads parsed so far (for the tests and the benchmark).
    int Parses() const { return ParseCount; }
    void Clear() { Entries.clear(); }

private:
    struct Entry {
        bool Loaded = false;
        FileVersion Of;
        PlotRequest Request;
        std::shared_ptr<const PlotRead> Read;
        bool Reported = false;
        FileVersion ReportedOf;
    };
    std::map<std::filesystem::path, Entry> Entries;
    int ParseCount = 0;
};

// Tick texts at 0, 0.2, .. 1 of each axis (from the unclamped differences): time "#0.###",
// position "#0.000", value "#0.00" when fixedValues, else "0.00E-0".
struct PlotTicks {
    std::array<std::string, 6> Time, Position, Value;
};
PlotTicks MakePlotTicks(const PlotData& data, bool fixedValues);
// Fixed-point value labels belong to temperatures and humidities: fabric quantity 3 or 5, body
// quantity 0, 1, 4 or 15 (-1 for none chosen).
bool FixedPointValueLabels(int fabricQuantity, int bodyQuantity);

// --- The result folder ---

// Whether a file name matches "fabric?_fiber_?.dat" (each "?" one character), ignoring case.
bool IsFiberFileName(std::string_view name);

// What the directory window finds in a folder (regular files only).
struct FolderProbe {
    std::vector<std::string> Listed;       // the names found, in the order looked for
    std::vector<std::string> FiberFiles;   // the fibre files, sorted by name
    bool FabricsFound = false;
    bool FiberFilesFound = false;
    bool BodyPropertyFound = false;
    bool ComfortFound = false;
};
FolderProbe ProbeResultFolder(const std::filesystem::path& folder);

// Layers and rows per layer of one time block of "Fabrics.dat" (column 0 the time, column 2 the
// layer), read no further than the first row of the second block (the first row more than
// ResultTimeTolerance after the first). With a second block: the
// rows before it, and the rows of row 0's layer among them. Without one: all rows, and those of
// row 0's layer. Valid is false for a file without rows, when no row counts for the layer, and
// for damage in the rows read (Damaged: a used field that is no number, a row with another TAB
// count than the first, or a time going back; DamagedLine its line, from 1).
struct LayerStructure {
    bool Valid = false;
    bool Damaged = false;
    long long DamagedLine = 0;
    int Layers = 0;
    int RowsPerLayer = 0;
    // The count reached the first row of the second block: the first block is whole, and the
    // structure no longer changes as the file grows.
    bool SecondBlockSeen = false;
};
LayerStructure CountFabricLayers(std::string_view text);
// The same from the file; not Valid (and not Damaged) when it cannot be read.
LayerStructure CountFabricLayersOfFile(const std::filesystem::path& file);
// The message of a count that is not Valid: the fabric file's, with the line of the damage.
std::string LayerCountMessage(const LayerStructure& layers);

// The layers of "Fabrics.dat" as counted, and the version of the file counted. A folder opened
// while the solver writes its first time block counts the layers written so far; the count is
// made again for a newer version until it has seen the second block begin.
struct FabricLayout {
    LayerStructure Layers;
    FileVersion Of;
    // Counts the file's layers (the version is taken first: a file that grows during the count
    // is counted again next time).
    static FabricLayout Count(const std::filesystem::path& file);
    // Counts again when the file is not the version counted and that count had not seen the
    // second block begin; true when it counted.
    bool Refresh(const std::filesystem::path& file);
    // The rows of the chosen layer as these counts give them.
    PlotRequest FabricRequest(int layer, int valueColumn) const;
};

// What "Open" hands to the plot window.
struct ResultFolder {
    std::filesystem::path Folder;
    FabricLayout Fabrics;  // the layers counted on "Open"
    std::vector<std::string> FiberFiles;  // sorted by name
    bool FabricsFound = false;
    bool FiberFilesFound = false;
    bool BodyPropertyFound = false;
};
