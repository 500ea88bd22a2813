#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/io/plotfiles.h"
#include "results/io/resultfield.h"
#include "results/io/resultfiles.h"
#include "tests/unit/tempfolder.h"

namespace {

// Blocks of layers x nodes "Fabrics.dat" rows, one string a line. Column 1 (position) is the
// node; column c of 3 .. 9 holds 1000 (c - 3) + 100 b + 10 l + n, so every column and every row
// differs (column 3 the code itself, column 9, the last with no TAB after it, 6000 + the code).
std::vector<std::string> FabricLines(int blocks, int layers, int nodes)
{
    std::vector<std::string> lines;
    for (int b = 0; b < blocks; ++b)
        for (int l = 0; l < layers; ++l)
            for (int n = 0; n < nodes; ++n) {
                const int code = 100 * b + 10 * l + n;
                std::string line = std::to_string(b * 5) + "\t" + std::to_string(0.001 * n) + "\t" + std::to_string(l);
                for (int c = 3; c <= 9; ++c)
                    line += "\t" + std::to_string(1000 * (c - 3) + code);
                lines.push_back(line);
            }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* end = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

std::string FabricBlocks(int blocks, int layers, int nodes)
{
    return Joined(FabricLines(blocks, layers, nodes));
}

// The line without its field f (neither the first nor the last): the later fields one column
// to the left.
std::string WithoutField(const std::string& line, int f)
{
    std::size_t start = 0;
    for (int i = 0; i < f; ++i)
        start = line.find('\t', start) + 1;
    return line.substr(0, start) + line.substr(line.find('\t', start) + 1);
}

std::string AtLine(const char* message, long long line)
{
    return MessageAtLine(message, line);
}

PlotData Select(const std::string& text, const PlotRequest& request)
{
    const PlotRead read = ParsePlotText(text, request);
    EXPECT_TRUE(read.Ok()) << read.Error;
    return read.Data;
}

PlotRequest FabricLayer(int layer, int layers, int rows, int column = 3)
{
    PlotRequest r;
    r.Source = PlotSource::Fabric;
    r.ValueColumn = column;
    r.Layer = layer;
    r.LayerCount = layers;
    r.RowsPerLayer = rows;
    return r;
}

PlotRequest Of(PlotSource source, int column)
{
    PlotRequest r;
    r.Source = source;
    r.ValueColumn = column;
    return r;
}

// Rows of a fibre file: time, position, then the three quantities.
std::string FiberRows(std::initializer_list<const char*> rows)
{
    std::string text;
    for (const char* row : rows)
        text += std::string(row) + "\r\n";
    return text;
}

// Rows of "BodyProperty.dat": time 5 r, column c of 1 .. 17 holding 100 c + r (the skin
// temperature 100 + r, the core temperature 200 + r, the skin wetness 300 + r, ...).
std::vector<std::string> BodyLines(int rows)
{
    std::vector<std::string> lines;
    for (int r = 0; r < rows; ++r) {
        std::string line = std::to_string(5 * r);
        for (int c = 1; c <= 17; ++c)
            line += "\t" + std::to_string(100 * c + r);
        lines.push_back(line);
    }
    return lines;
}

// Rows of a fibre file: blocks 5 minutes apart of nodes at 0.001 cm steps, column c of 2 .. 4
// holding 100 c + 10 b + n.
std::vector<std::string> FiberLines(int blocks, int nodes)
{
    std::vector<std::string> lines;
    for (int b = 0; b < blocks; ++b)
        for (int n = 0; n < nodes; ++n) {
            std::string line = std::to_string(5 * b) + "\t" + std::to_string(0.001 * n);
            for (int c = 2; c <= 4; ++c)
                line += "\t" + std::to_string(100 * c + 10 * b + n);
            lines.push_back(line);
        }
    return lines;
}

// A file of a kind the plot reads, the request of a plot of it and its message.
struct FileKind {
    const char* Name;
    std::vector<std::string> Lines;
    PlotRequest Request;
    const char* Message;
    int LostField = 0;  // an inner field before the plotted column
};

std::vector<std::string> FirstLines(const std::vector<std::string>& lines, std::size_t n)
{
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(PlotReader, KeepsTheChosenLayerOfEveryBlockByCountingRows)
{
    // Layer 2 of 3 with 6 rows per layer: rows 6 .. 11 of each block of 18.
    const PlotData d = Select(FabricBlocks(3, 3, 6), FabricLayer(1, 3, 6));
    ASSERT_EQ(d.RowCount(), 18);
    for (int b = 0; b < 3; ++b)
        for (int n = 0; n < 6; ++n)
            EXPECT_FLOAT_EQ(d.Points[static_cast<std::size_t>(6 * b + n)].Value, 100 * b + 10 + n);
    EXPECT_EQ(d.NodesPerBlock, 6);
    EXPECT_EQ(d.PositionTexts.back(), "0.005");
    EXPECT_FLOAT_EQ(d.ValueMin, 10);
    EXPECT_FLOAT_EQ(d.ValueMax, 215);

    // The last column is the text after the last TAB.
    const PlotData last = Select(FabricBlocks(2, 3, 6), FabricLayer(2, 3, 6, 9));
    ASSERT_EQ(last.RowCount(), 12);
    EXPECT_FLOAT_EQ(last.Points[11].Value, 6125);
}

TEST(PlotReader, SingleBlocksAndBadLayerCounts)
{
    // One block: nothing recurs, so the whole file is one block (no division by zero later).
    const PlotData single = Select(FiberRows({"0\t0.1\t7", "0\t0.2\t9", "0\t0.3\t8"}), Of(PlotSource::Fiber, 2));
    ASSERT_EQ(single.RowCount(), 3);
    EXPECT_EQ(single.NodesPerBlock, 3);
    EXPECT_FLOAT_EQ(single.TimeRange, 1);  // constant time: range 1

    // Bad layer counts skip nothing rather than loop or run backwards.
    EXPECT_EQ(Select(FabricBlocks(2, 2, 3), FabricLayer(-1, 0, -4)).RowCount(), 12);
}

TEST(PlotReader, AUsedFieldThatIsNoNumberOrMissingIsTheFilesMessage)
{
    struct Source {
        PlotSource Of;
        int Column;
        const char* Message;
    };
    const Source sources[] = {{PlotSource::Fabric, 3, FabricFileError},
                              {PlotSource::Fiber, 3, FiberFileError},
                              {PlotSource::Body, 3, BodyFileError}};
    for (const Source& s : sources) {
        PlotRequest request = Of(s.Of, s.Column);
        if (s.Of == PlotSource::Fabric)
            request = FabricLayer(0, 1, 2, s.Column);
        // Letters in a column nobody reads are nothing to the plot.
        EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\tx\r\n1\t0.25\t0\t6\tx\r\n", request).Data.ValueMax, 6);
        for (const char* bad : {"5abc", "inf", "nan", "", " ", "1,5", "1e7", "0x10"}) {
            const std::string b = bad;
            // In the value, the time and (but for the body) the position column.
            EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\n1\t0.25\t0\t" + b + "\n", request).Error, AtLine(s.Message, 2)) << bad;
            EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\n\n" + b + "\t0.25\t0\t6\n", request).Error, AtLine(s.Message, 3)) << bad;
            if (s.Of != PlotSource::Body) {
                EXPECT_EQ(ParsePlotText("1\t" + b + "\t0\t4\n", request).Error, AtLine(s.Message, 1)) << bad;
            }
        }
        // A file whose rows end before the value column, and a file without a row.
        EXPECT_EQ(ParsePlotText("1\t0.5\t0\n2\t0.25\t0\n", request).Error, AtLine(s.Message, 1));
        EXPECT_EQ(ParsePlotText("", request).Error, s.Message);
        EXPECT_EQ(ParsePlotText(" \n\n", request).Error, s.Message);
    }
}

TEST(PlotReader, BlankLinesAreNoRows)
{
    // Blank lines between the rows and at the end change nothing, in the rows counted for the
    // layer either.
    std::string spaced;
    for (std::string_view line : {"0\t0\t0\t1\r\n", "\r\n", "0\t0.5\t1\t2\r\n", "   \r\n", "5\t0\t0\t3\r\n",
                                  "5\t0.5\t1\t4\r\n", "\n", "  \n"})
        spaced += line;
    const PlotData d = Select(spaced, FabricLayer(1, 2, 1));
    ASSERT_EQ(d.RowCount(), 2);
    EXPECT_FLOAT_EQ(d.Points[1].Value, 4);
    EXPECT_FLOAT_EQ(d.TimeEnd, 5);

    // One block of 2 layers x 4 nodes ending in a blank line: counted to the end.
    const LayerStructure s = CountFabricLayers(FabricBlocks(1, 2, 4) + "\n");
    EXPECT_EQ(s.Layers, 2);
    EXPECT_EQ(s.RowsPerLayer, 4);
}

TEST(PlotReader, ATimeGoingBackIsDamageAnEqualOneIsNot)
{
    // Two runs one after the other in one "Fabrics.dat": time restarts at 0.
    EXPECT_EQ(ParsePlotText(FabricBlocks(2, 2, 3) + FabricBlocks(2, 2, 3), FabricLayer(0, 2, 3)).Error,
              AtLine(FabricFileError, 13));
    const PlotRequest fiber = Of(PlotSource::Fiber, 2);
    EXPECT_EQ(ParsePlotText(FiberRows({"5\t0\t1", "4.9989\t0.1\t2"}), fiber).Error, AtLine(FiberFileError, 2));
    EXPECT_EQ(Select(FiberRows({"5\t0\t1", "5\t0.1\t2", "4.999\t0.2\t3", "6\t0\t4", "6\t0.1\t5", "6\t0.2\t6"}),
                     fiber).RowCount(),
              6);
    EXPECT_EQ(ParsePlotText("7\t36\r\n6\t37\r\n", Of(PlotSource::Body, 1)).Error, AtLine(BodyFileError, 2));
    const LayerStructure back = CountFabricLayers("5\t0\t0\t1\n5\t0\t1\t1\n3\t0\t0\t1\n");
    EXPECT_TRUE(back.Damaged);
    EXPECT_EQ(back.DamagedLine, 3);
}

TEST(PlotReader, ARedrawParsesNothingAndAFailedFileIsReportedOncePerVersion)
{
    TempFolder folder;
    const auto file = folder.Write("Fabrics.dat", FabricBlocks(2, 1, 3));
    const PlotRequest column3 = FabricLayer(0, 1, 3), column9 = FabricLayer(0, 1, 3, 9);
    PlotFileCache cache;
    const auto first = cache.Get(file, column3);
    ASSERT_TRUE(first.Read && first.Read->Ok());
    EXPECT_EQ(cache.Get(file, column3).Read, first.Read);
    EXPECT_EQ(cache.Parses(), 1);
    EXPECT_FLOAT_EQ(cache.Get(file, column9).Read->Data.ValueMax, 6102);
    EXPECT_EQ(cache.Parses(), 2);

    // Damage: said at the first load of this version only, for any quantity.
    folder.Write("Fabrics.dat", FabricBlocks(2, 1, 3) + "x\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
    EXPECT_TRUE(cache.Get(file, column9).Report);
    EXPECT_FALSE(cache.Get(file, column9).Report);
    EXPECT_FALSE(cache.Get(file, column3).Report);
    // Sound again, then gone: said again.
    folder.Write("Fabrics.dat", FabricBlocks(3, 1, 3));
    EXPECT_EQ(cache.Get(file, column3).Read->Data.RowCount(), 9);
    std::filesystem::remove(file);
    const auto gone = cache.Get(file, column3);
    EXPECT_TRUE(gone.Report && !gone.Read);
    EXPECT_FALSE(cache.Get(file, column3).Report);
    // Back, and gone once more: the same absence as before, said again after the sound version.
    folder.Write("Fabrics.dat", FabricBlocks(2, 1, 3));
    EXPECT_FALSE(cache.Get(file, column3).Report);
    std::filesystem::remove(file);
    EXPECT_TRUE(cache.Get(file, column3).Report);
}

TEST(PlotFolder, CountsLayersAndRowsOfTheFirstBlockAndReadsNoFurther)
{
    // The second block starts with another layer: no row counts for row 0's layer.
    EXPECT_FALSE(CountFabricLayers("0\t0\t0\t\n0\t0\t1\t\n5\t0\t1\t\n").Valid);

    // Whatever follows the first row of the second block is not read; damage before it is seen.
    TempFolder folder;
    LayerStructure s = CountFabricLayersOfFile(folder.Write("Fabrics.dat", FabricBlocks(2, 3, 4) + "garbage\n"));
    EXPECT_TRUE(s.Valid);
    EXPECT_EQ(s.Layers, 3);
    EXPECT_EQ(s.RowsPerLayer, 4);
    // One row per layer: the second block's first row, counted to see the block end, is no
    // fourth layer.
    s = CountFabricLayers(FabricBlocks(2, 3, 1));
    EXPECT_EQ(s.Layers, 3);
    EXPECT_EQ(s.RowsPerLayer, 1);
    // The rows within the tolerance of the first time are the first block's, as the player
    // takes them.
    s = CountFabricLayers("5\t0\t0\n5.001\t0\t1\n5.0011\t0\t0\n5.0011\t0\t1\n");
    EXPECT_EQ(s.Layers, 2);
    EXPECT_EQ(s.RowsPerLayer, 1);
    EXPECT_TRUE(s.SecondBlockSeen);
    s = CountFabricLayersOfFile(folder.Write("Fabrics.dat", "0\t0\t0\n0\t0\tone\n5\t0\t0\n"));
    EXPECT_TRUE(s.Damaged && !s.Valid);
    EXPECT_EQ(LayerCountMessage(s), AtLine(FabricFileError, 2));
}

TEST(PlotReader, ALineThatLostOrGainedAFieldIsDamageAtItsLine)
{
    // Each file loses an inner field before the plotted column, so that without the check the
    // next column's value would be read in its place.
    const FileKind kinds[] = {
        {"body, core temperature", BodyLines(4), Of(PlotSource::Body, 2), BodyFileError, 1},
        {"fabric, temperature", FabricLines(2, 1, 2), FabricLayer(0, 1, 2, 8), FabricFileError, 4},
        {"fibre, sorption rate", FiberLines(2, 2), Of(PlotSource::Fiber, 3), FiberFileError, 2},
    };
    for (const FileKind& k : kinds) {
        for (const char* end : {"\n", "\r\n"}) {
            EXPECT_EQ(Select(Joined(k.Lines, end), k.Request).RowCount(), 4) << k.Name;
            std::vector<std::string> lost = k.Lines, gained = k.Lines, later = k.Lines;
            lost[2] = WithoutField(lost[2], k.LostField);
            gained[2] += "\t7";
            // Blank lines count in the line number.
            later[3] = WithoutField(later[3], k.LostField);
            later.insert(later.begin() + 1, "");
            later.insert(later.begin() + 3, "  ");
            EXPECT_EQ(ParsePlotText(Joined(lost, end), k.Request).Error, AtLine(k.Message, 3)) << k.Name;
            EXPECT_EQ(ParsePlotText(Joined(gained, end), k.Request).Error, AtLine(k.Message, 3)) << k.Name;
            EXPECT_EQ(ParsePlotText(Joined(later, end), k.Request).Error, AtLine(k.Message, 6)) << k.Name;
        }
    }

    // The directory window's count: the layer column of a line without its position would be
    // read from the first value column.
    std::vector<std::string> lines = FabricLines(2, 2, 2);
    lines[1] = WithoutField(lines[1], 1);
    LayerStructure s = CountFabricLayers(Joined(lines));
    EXPECT_TRUE(s.Damaged && !s.Valid);
    EXPECT_EQ(s.DamagedLine, 2);
    lines = FabricLines(2, 2, 2);
    lines[4] += "\t9";  // the first row of the second block is read too
    s = CountFabricLayers(Joined(lines));
    EXPECT_EQ(LayerCountMessage(s), AtLine(FabricFileError, 5));
}

TEST(PlotReader, TheShapeOfALineCountsItsTabsWhereverTheyStand)
{
    // The scan goes sixteen bytes at a time, the rest of a line as its last sixteen: a TAB at
    // every place of lines of every length up to three words, among bytes that are a TAB but
    // for one bit (0x89, 0x08, 0x0B, 0x49), with the offsets of the first two.
    const char near[] = {'\x89', '\x08', '\x0B', '\x49'};
    for (std::size_t length = 1; length <= 48; ++length)
        for (std::size_t at = 0; at < length; ++at) {
            std::string line(length, near[length % 4]);
            ResultLineShape shape;
            EXPECT_TRUE(shape.Fits(line));
            EXPECT_EQ(shape.Tabs(), 0);
            line[at] = '\t';
            EXPECT_FALSE(shape.Fits(line)) << length << " " << at;
            const std::size_t mirror = length - 1 - at;
            line[mirror] = '\t';
            std::size_t offsets[2] = {99, 99};
            const int tabs = ScanTabs(line, offsets, 1);
            EXPECT_EQ(tabs, at == mirror ? 1 : 2) << length << " " << at;
            EXPECT_EQ(offsets[0], std::min(at, mirror)) << length << " " << at;
            EXPECT_EQ(offsets[1], 99u) << "only the first wanted";
            ScanTabs(line, offsets, 2);
            EXPECT_EQ(offsets[1], at == mirror ? 99u : std::max(at, mirror)) << length << " " << at;
        }
}

TEST(PlotReader, EveryRowTheLayerCountPassesOverIsCheckedAgainstIt)
{
    // Three blocks of three layers of two nodes. Line 9 is block 1's first row of layer 1; the
    // splices go among layer 1's rows, which the plots of layers 0 and 2 pass over.
    const std::vector<std::string> sound = FabricLines(3, 3, 2);
    const std::string row = sound[8];
    auto withLayer = [&](const std::string& layer) {
        const std::size_t from = row.find('\t', row.find('\t') + 1) + 1;
        return row.substr(0, from) + layer + row.substr(row.find('\t', from));
    };
    struct Splice {
        const char* Name;
        std::string Line;
        bool Replaces;  // line 9 itself, else inserted after it
        int DamagedLine;
    };
    const Splice splices[] = {
        {"letters", "garbage", false, 10},
        {"a line of TABs", "\t\t\t\t\t\t\t\t\t", false, 10},
        {"a line cut before its last TAB", row.substr(0, row.rfind('\t')), false, 10},
        {"a line without an inner field", WithoutField(row, 5), false, 10},
        {"a row of the next layer", withLayer("2"), false, 10},
        // Sound in itself: its position shows it, node 0's where node 1 stands.
        {"a copy of the row before", row, false, 10},
        {"a time going back", "0" + row.substr(row.find('\t')), false, 10},
        {"letters in the layer column", withLayer("one"), true, 9},
        {"a layer with a fraction", withLayer("1.5"), true, 9},
        {"a row of layer 0 in layer 1's place", withLayer("0"), true, 9},
        // The next node's row in its place: the plots of the other layers see it too.
        {"a node's row in the node before's place", sound[9], true, 9},
    };
    for (int layer : {0, 1, 2}) {
        const PlotData whole = Select(Joined(sound), FabricLayer(layer, 3, 2));
        ASSERT_EQ(whole.RowCount(), 6);
        for (int b = 0; b < 3; ++b)
            EXPECT_FLOAT_EQ(whole.Points[static_cast<std::size_t>(2 * b + 1)].Value, 100 * b + 10 * layer + 1);
        for (const Splice& splice : splices) {
            std::vector<std::string> lines = sound;
            if (splice.Replaces)
                lines[8] = splice.Line;
            else
                lines.insert(lines.begin() + 9, splice.Line);
            EXPECT_EQ(ParsePlotText(Joined(lines), FabricLayer(layer, 3, 2)).Error,
                      AtLine(FabricFileError, splice.DamagedLine))
                << splice.Name << ", layer " << layer;
        }
    }
}

TEST(PlotReader, ABlockStillBeingWrittenIsLeftOutOnceASecondBlockShows)
{
    // A fibre file of blocks of five nodes, 0 .. 0.004 cm: the third block written up to one
    // node (all position ticks would read 0.000) or three (the axis would end at 0.002).
    const PlotRequest fiber = Of(PlotSource::Fiber, 4);
    const std::vector<std::string> fiberLines = FiberLines(3, 5);
    for (std::size_t written : {11u, 13u}) {
        const PlotData d = Select(Joined(FirstLines(fiberLines, written)), fiber);
        ASSERT_EQ(d.RowCount(), 10) << written;
        EXPECT_EQ(d.NodesPerBlock, 5);
        EXPECT_FLOAT_EQ(d.PosEnd, 0.004f);
        EXPECT_FLOAT_EQ(d.TimeEnd, 5);
        EXPECT_FLOAT_EQ(d.ValueMin, 400);
        EXPECT_FLOAT_EQ(d.ValueMax, 414);
        EXPECT_EQ(d.PositionTexts.size(), 5u);
        const PlotTicks ticks = MakePlotTicks(d, false);
        EXPECT_EQ(ticks.Position[1], "0.001");
        EXPECT_EQ(ticks.Position[5], "0.004");
        EXPECT_EQ(ticks.Time[5], "5");
    }
    EXPECT_EQ(Select(Joined(fiberLines), fiber).RowCount(), 15);
    // A single block is plotted whole, however far it is written.
    const PlotData single = Select(Joined(FirstLines(fiberLines, 3)), fiber);
    EXPECT_EQ(single.RowCount(), 3);
    EXPECT_FLOAT_EQ(single.PosEnd, 0.002f);

    // "Fabrics.dat" of blocks of three layers of four nodes, the third block written into its
    // last layer: the block is left out of every layer's plot, the first layer's too.
    const std::vector<std::string> fabric = FabricLines(3, 3, 4);
    for (int layer : {0, 2}) {
        const PlotData d = Select(Joined(FirstLines(fabric, 24 + 10)), FabricLayer(layer, 3, 4, 9));
        ASSERT_EQ(d.RowCount(), 8) << layer;
        EXPECT_FLOAT_EQ(d.TimeEnd, 5);
        EXPECT_FLOAT_EQ(d.PosEnd, 0.003f);
        EXPECT_FLOAT_EQ(d.ValueMax, 6000 + 100 + 10 * layer + 3);
    }
    // One whole block alone is plotted whole.
    EXPECT_EQ(Select(Joined(FirstLines(fabric, 12)), FabricLayer(1, 3, 4)).RowCount(), 4);
}

TEST(PlotReader, EveryBlockHoldsTheFirstBlocksRowsAtOneTime)
{
    // Three blocks of three nodes, 5 minutes apart: a fibre file, and "Fabrics.dat" of one layer
    // (whose layer column cannot tell a row lost). Lines 1 = the first.
    const FileKind kinds[] = {
        {"fibre", FiberLines(3, 3), Of(PlotSource::Fiber, 4), FiberFileError},
        {"fabric", FabricLines(3, 1, 3), FabricLayer(0, 1, 3, 9), FabricFileError},
    };
    const struct {
        const char* What;
        int Lost, Doubled;  // a line taken out, a line written twice (0: none)
        int Swapped;        // a line exchanged with the next
        int Line;
    } cases[] = {
        {"a block's first row lost", 4, 0, 0, 4},
        {"a middle row lost", 5, 0, 0, 5},
        {"a block's last row lost: the next block begins before its time", 6, 0, 0, 6},
        {"a block's first row doubled: the copy in the next node's place", 0, 4, 0, 5},
        {"a block's last row doubled: one row past the block", 0, 6, 0, 7},
        {"two rows exchanged", 0, 0, 5, 5},
        {"two rows of the first block exchanged", 0, 0, 2, 5},
        {"the last block's rows exchanged", 0, 0, 8, 8},
    };
    for (const FileKind& k : kinds) {
        const PlotData whole = Select(Joined(k.Lines), k.Request);
        ASSERT_EQ(whole.RowCount(), 9) << k.Name;
        EXPECT_EQ(whole.NodesPerBlock, 3) << k.Name;
        for (const auto& c : cases) {
            std::vector<std::string> lines = k.Lines;
            if (c.Swapped)
                std::swap(lines[static_cast<std::size_t>(c.Swapped - 1)], lines[static_cast<std::size_t>(c.Swapped)]);
            if (c.Doubled)
                lines.insert(lines.begin() + c.Doubled, lines[static_cast<std::size_t>(c.Doubled - 1)]);
            else if (c.Lost)
                lines.erase(lines.begin() + c.Lost - 1);
            EXPECT_EQ(ParsePlotText(Joined(lines), k.Request).Error, AtLine(k.Message, c.Line)) << k.Name << ": " << c.What;
        }
        // A block's row within the tolerance of its first row's time belongs to it; a row past
        // it begins a block before the block's last row.
        std::vector<std::string> late = k.Lines;
        late[5].replace(0, 1, "5.001");
        const PlotData d = Select(Joined(late), k.Request);
        ASSERT_EQ(d.RowCount(), 9) << k.Name;
        EXPECT_FLOAT_EQ(d.Points[5].Time, 5.001f) << k.Name;
        late[5].replace(0, 5, "5.0011");
        EXPECT_EQ(ParsePlotText(Joined(late), k.Request).Error, AtLine(k.Message, 6)) << k.Name;
    }

    // The first block of a fibre file: row 0's position comes again at the block's time, a new
    // time comes before row 0's position, a node comes twice (the next block would be left out
    // as one still being written); and a sound one.
    const PlotRequest fiber = Of(PlotSource::Fiber, 2);
    EXPECT_EQ(ParsePlotText(FiberRows({"0\t0\t1", "0\t0.5\t2", "0\t0.5\t2", "5\t0\t3", "5\t0.5\t4"}), fiber).Error,
              AtLine(FiberFileError, 3));
    EXPECT_EQ(ParsePlotText(FiberRows({"0\t0\t1", "0\t0.5\t2", "0\t0\t3", "5\t0.5\t4"}), fiber).Error,
              AtLine(FiberFileError, 3));
    EXPECT_EQ(ParsePlotText(FiberRows({"0\t0\t1", "0\t0.5\t2", "5\t0.25\t3", "5\t0\t4"}), fiber).Error,
              AtLine(FiberFileError, 3));
    EXPECT_EQ(Select(FiberRows({"0\t0\t1", "0\t0.5\t2", "5\t0\t3", "5\t0.5\t4"}), fiber).NodesPerBlock, 2);
}

TEST(PlotFolder, TheLayersAreCountedAgainAsTheFirstBlockGrowsUntilTheSecondBegins)
{
    // Blocks of three layers of four nodes.
    const std::vector<std::string> lines = FabricLines(3, 3, 4);
    TempFolder folder;
    // The solver has written two layers and a row of the third: two layers counted so far.
    const auto file = folder.Write("Fabrics.dat", Joined(FirstLines(lines, 9)));
    FabricLayout layout = FabricLayout::Count(file);
    ASSERT_TRUE(layout.Layers.Valid);
    EXPECT_EQ(layout.Layers.Layers, 2);
    EXPECT_EQ(layout.Layers.RowsPerLayer, 4);
    EXPECT_FALSE(layout.Layers.SecondBlockSeen);
    EXPECT_FALSE(layout.Refresh(file));  // the same version: not counted again
    // What the count saw is plotted: the second layer alone, not the third layer's row after it.
    PlotData d = Select(Joined(FirstLines(lines, 9)), layout.FabricRequest(1, 3));
    ASSERT_EQ(d.RowCount(), 4);
    EXPECT_FLOAT_EQ(d.ValueMin, 10);
    EXPECT_FLOAT_EQ(d.ValueMax, 13);

    // Grown to the first row of the second block: three layers, and they stay.
    folder.Write("Fabrics.dat", Joined(FirstLines(lines, 13)));
    EXPECT_TRUE(layout.Refresh(file));
    EXPECT_EQ(layout.Layers.Layers, 3);
    EXPECT_EQ(layout.Layers.RowsPerLayer, 4);
    EXPECT_TRUE(layout.Layers.SecondBlockSeen);
    folder.Write("Fabrics.dat", Joined(FirstLines(lines, 30)));
    EXPECT_FALSE(layout.Refresh(file));
    EXPECT_EQ(layout.Layers.Layers, 3);
    // The first layer of the grown file: its rows of the two whole blocks only.
    d = Select(Joined(FirstLines(lines, 30)), layout.FabricRequest(0, 3));
    ASSERT_EQ(d.RowCount(), 8);
    EXPECT_FLOAT_EQ(d.Points[4].Value, 100);
    EXPECT_FLOAT_EQ(d.ValueMax, 103);
}

TEST(PlotReader, FixedPointValueTicksAreTheTemperaturesAndHumidities)
{
    std::vector<int> fabric, body;
    for (int q = -1; q <= 20; ++q) {
        if (FixedPointValueLabels(q, -1))
            fabric.push_back(q);
        if (FixedPointValueLabels(-1, q))
            body.push_back(q);
    }
    EXPECT_EQ(fabric, (std::vector<int>{3, 5}));
    EXPECT_EQ(body, (std::vector<int>{0, 1, 4, 15}));
}

TEST(PlotFolder, ProbeFindsTheFilesWithoutRegardToCase)
{
    TempFolder folder;
    folder.Write("FABRICS.DAT", "0\t0\t0\t1\n");
    folder.Write("comfort.dat", "");
    folder.Write("fabric2_fiber_1.dat", "");
    folder.Write("Fabric1_Fiber_2.dat", "");
    folder.Write("fabric10_fiber_1.dat", "");
    folder.Write("fabric1_fiber_3.dat~", "");
    std::filesystem::create_directory(folder.Path() / "BodyProperty.dat");  // not a file
    const FolderProbe probe = ProbeResultFolder(folder.Path());
    EXPECT_TRUE(probe.FabricsFound && probe.ComfortFound && probe.FiberFilesFound);
    EXPECT_FALSE(probe.BodyPropertyFound);
    EXPECT_EQ(probe.FiberFiles, (std::vector<std::string>{"Fabric1_Fiber_2.dat", "fabric2_fiber_1.dat"}));
    EXPECT_EQ(probe.Listed, (std::vector<std::string>{"Fabrics.dat", "Comfort.dat", "Fabric1_Fiber_2.dat",
                                                      "fabric2_fiber_1.dat"}));
}

} // namespace
