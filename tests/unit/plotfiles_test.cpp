#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/io/plotfiles.h"
#include "results/io/resultfiles.h"
#include "tests/unit/tempfolder.h"

namespace {

// Blocks of layers x nodes "Fabrics.dat" rows. Column 1 (position) is the node, column 3 encodes
// block, layer and node as 100 b + 10 l + n, column 9 (the last, no TAB after it) is 1000 + that.
std::string FabricBlocks(int blocks, int layers, int nodes)
{
    std::string text;
    for (int b = 0; b < blocks; ++b)
        for (int l = 0; l < layers; ++l)
            for (int n = 0; n < nodes; ++n) {
                const int code = 100 * b + 10 * l + n;
                text += std::to_string(b * 5) + "\t" + std::to_string(0.001 * n) + "\t" + std::to_string(l) + "\t" +
                        std::to_string(code) + "\t0\t0\t0\t0\t0\t" + std::to_string(1000 + code) + "\n";
            }
    return text;
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
    EXPECT_FLOAT_EQ(last.Points[11].Value, 1125);
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
        EXPECT_EQ(ParsePlotText("1\t0.5\tabc\t4\tx\r\n2\t0.25\tabc\t6\tx\r\n", request).Data.ValueMax, 6);
        for (const char* bad : {"5abc", "inf", "nan", "", " ", "1,5", "1e7", "0x10"}) {
            const std::string b = bad;
            // In the value, the time and (but for the body) the position column.
            EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\n2\t0.25\t0\t" + b + "\n", request).Error, s.Message) << bad;
            EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\n" + b + "\t0.25\t0\t6\n", request).Error, s.Message) << bad;
            if (s.Of != PlotSource::Body) {
                EXPECT_EQ(ParsePlotText("1\t" + b + "\t0\t4\n", request).Error, s.Message) << bad;
            }
        }
        // A row that ends before the value column, and a file without a row.
        EXPECT_EQ(ParsePlotText("1\t0.5\t0\t4\n2\t0.25\t0\n", request).Error, s.Message);
        EXPECT_EQ(ParsePlotText("", request).Error, s.Message);
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
              FabricFileError);
    const PlotRequest fiber = Of(PlotSource::Fiber, 2);
    EXPECT_EQ(ParsePlotText(FiberRows({"5\t0\t1", "4.998\t0.1\t2"}), fiber).Error, FiberFileError);
    EXPECT_EQ(Select(FiberRows({"5\t0\t1", "5\t0.1\t2", "4.9995\t0.2\t3", "6\t0\t4"}), fiber).RowCount(), 4);
    EXPECT_EQ(ParsePlotText("7\t36\r\n6\t37\r\n", Of(PlotSource::Body, 1)).Error, BodyFileError);
    EXPECT_TRUE(CountFabricLayers("5\t0\t0\t1\n5\t0\t1\t1\n3\t0\t0\t1\n").Damaged);
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
    EXPECT_FLOAT_EQ(cache.Get(file, column9).Read->Data.ValueMax, 1102);
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
    s = CountFabricLayersOfFile(folder.Write("Fabrics.dat", "0\t0\t0\n0\t0\tone\n5\t0\t0\n"));
    EXPECT_TRUE(s.Damaged && !s.Valid);
}

TEST(PlotFolder, ProbeFindsTheFilesWithoutRegardToCase)
{
    TempFolder folder;
    folder.Write("FABRICS.DAT", "0\t0\t0\t1\n");
    folder.Write("comfort.dat", "");
    folder.Write("fabric2_fiber_1.dat", "");
    folder.Write("Fabric1_Fiber_2.dat", "");
    folder.Write("fabric10_fiber_1.dat", "");
    std::filesystem::create_directory(folder.Path() / "BodyProperty.dat");  // not a file
    const FolderProbe probe = ProbeResultFolder(folder.Path());
    EXPECT_FALSE(probe.BodyPropertyFound);
    EXPECT_EQ(probe.FiberFiles, (std::vector<std::string>{"Fabric1_Fiber_2.dat", "fabric2_fiber_1.dat"}));
    EXPECT_EQ(probe.Listed, (std::vector<std::string>{"Fabrics.dat", "Comfort.dat", "Fabric1_Fiber_2.dat",
                                                      "fabric2_fiber_1.dat"}));
}

} // namespace
