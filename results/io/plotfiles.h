#pragma once
// The plot window's side of the result files: any value column of "Fabrics.dat", a fibre file
// or "BodyProperty.dat" over time and position, the layer and row structure of "Fabrics.dat",
// and what a result folder holds. Plain C++: the windows show what these return.
//
// Fields follow the rule of the player's readers (ForEachTabField, ResultNumber): every TAB ends
// a field and the text after the last TAB is one more. Unlike the player, which keeps five
// columns, a file is parsed here into all of its columns once, so another quantity or layer is
// a new selection from the same table and not a new read.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// --- Messages of the plot and directory windows (plain message dialog) ---
inline constexpr const char* kLackOfDataFiles = "Lack Of Data Files!";
inline constexpr const char* kNoSimulationFile = "No File simulation.sdf!";
inline constexpr const char* kOpenDataDirectoryFirst = "Please Open The Data Directionay!";

// --- Names looked for in a result folder, without regard to case ---
inline constexpr const char* kFabricsName = "Fabrics.dat";
inline constexpr const char* kBodyPropertyName = "Bodyproperty.dat";
inline constexpr const char* kComfortName = "Comfort.dat";
inline constexpr const char* kLogInfoName = "Loginfo.txt";
inline constexpr const char* kSimulationName = "simulation.sdf";

// One parsed file: per line its TAB-ended fields and the text after the last TAB, as numbers.
class PlotTable {
public:
    explicit PlotTable(std::string_view text);

    int LineCount() const { return static_cast<int>(Lines.size()); }
    // Fields that a TAB ends on line i (0 for a line without a TAB).
    int TabFields(int line) const { return Lines[static_cast<std::size_t>(line)].TabFields; }
    // Field f of line i when a TAB ends it, otherwise 0.
    float Field(int line, int f) const;
    // Field f of line i, also when it is the text after the last TAB; otherwise 0.
    float FieldOrTrailing(int line, int f) const;

private:
    struct Line {
        std::size_t First = 0;  // index of field 0 in Values
        int TabFields = 0;
        bool Trailing = false;  // the text after the last TAB is non-empty and kept after them
    };
    std::vector<Line> Lines;
    std::vector<float> Values;
};

// The table of a file; null when it is no regular file or cannot be read.
std::shared_ptr<const PlotTable> ReadPlotTable(const std::filesystem::path& file);

// Tables by path, kept while the file's size and modification time stay the same, so a redraw
// of an unchanged file reads nothing.
class PlotTableCache {
public:
    std::shared_ptr<const PlotTable> Get(const std::filesystem::path& file);
    // Files parsed so far (for the tests and the benchmark).
    int Parses() const { return ParseCount; }
    void Clear() { Entries.clear(); }

private:
    struct Entry {
        std::uintmax_t Size = 0;
        std::filesystem::file_time_type Time;
        std::shared_ptr<const PlotTable> Table;
    };
    std::map<std::filesystem::path, Entry> Entries;
    int ParseCount = 0;
};

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
    // rows in each time block.
    int Layer = 0;
    int LayerCount = 1;
    int RowsPerLayer = 0;
    bool operator==(const PlotRequest& o) const
    {
        return Source == o.Source && ValueColumn == o.ValueColumn && Layer == o.Layer &&
               LayerCount == o.LayerCount && RowsPerLayer == o.RowsPerLayer;
    }
};

struct PlotData {
    std::vector<PlotPoint> Points;
    // Rows of one time block: up to the first row whose position equals row 0's; all rows when
    // no position recurs (and for the body file, which has no position).
    int NodesPerBlock = 0;
    // The positions of the first time block in file order, as FloatToStr writes them.
    std::vector<std::string> PositionTexts;
    float TimeStart = 0, TimeEnd = 0, TimeRange = 1;
    float PosStart = 0, PosEnd = 0, PosRange = 1;
    float ValueMin = 0, ValueMax = 0, ValueRange = 1;  // over the rows that have a TAB
    int RowCount() const { return static_cast<int>(Points.size()); }
};

// Selects the rows and columns of a request from a table. On "Fabrics.dat" only the chosen
// layer's rows are kept, block after block, by counting rows. A line without a TAB is a row of
// zeros. Each range is 1 when its difference is not positive.
PlotData SelectPlotRows(const PlotTable& table, const PlotRequest& request);

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
// layer). With a second block: the rows before it, and the rows of row 0's layer among them.
// Without one: all rows, and those of row 0's layer. Valid is false for an empty table or when
// no row counts for the layer.
struct LayerStructure {
    bool Valid = false;
    int Layers = 0;
    int RowsPerLayer = 0;
};
LayerStructure CountFabricLayers(const PlotTable& table);

// What "Open" hands to the plot window.
struct ResultFolder {
    std::filesystem::path Folder;
    int LayerCount = 0;
    int RowsPerLayer = 0;
    std::vector<std::string> FiberFiles;  // sorted by name
    bool FabricsFound = false;
    bool FiberFilesFound = false;
    bool BodyPropertyFound = false;
    bool ComfortFound = false;
};
