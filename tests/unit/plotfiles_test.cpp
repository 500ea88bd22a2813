#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "results/io/plotfiles.h"
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
    return SelectPlotRows(PlotTable(text), request);
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

TEST(PlotReader, KeepsTheChosenLayerOfEveryBlockByCountingRows)
{
    // Layer 2 of 3 with 6 rows per layer: rows 6 .. 11 of each block of 18.
    const PlotData d = Select(FabricBlocks(3, 3, 6), FabricLayer(1, 3, 6));
    ASSERT_EQ(d.RowCount(), 18);
    for (int b = 0; b < 3; ++b)
        for (int n = 0; n < 6; ++n)
            EXPECT_FLOAT_EQ(d.Points[static_cast<std::size_t>(6 * b + n)].Value, 100 * b + 10 + n);
    EXPECT_EQ(d.NodesPerBlock, 6);
    EXPECT_EQ(d.PositionTexts, (std::vector<std::string>{"0", "0.001", "0.002", "0.003", "0.004", "0.005"}));
    EXPECT_FLOAT_EQ(d.TimeStart, 0);
    EXPECT_FLOAT_EQ(d.TimeEnd, 10);
    EXPECT_FLOAT_EQ(d.ValueMin, 10);
    EXPECT_FLOAT_EQ(d.ValueMax, 215);
    EXPECT_FLOAT_EQ(d.PosRange, 0.005f);

    // The last column is the text after the last TAB.
    const PlotData last = Select(FabricBlocks(2, 3, 6), FabricLayer(2, 3, 6, 9));
    ASSERT_EQ(last.RowCount(), 12);
    EXPECT_FLOAT_EQ(last.Points[0].Value, 1020);
    EXPECT_FLOAT_EQ(last.Points[11].Value, 1125);
}

TEST(PlotReader, SingleBlocksShortFilesAndRowsWithoutTabs)
{
    PlotRequest fiber;
    fiber.Source = PlotSource::Fiber;
    fiber.ValueColumn = 2;
    // One block: nothing recurs, so the whole file is one block (no division by zero later).
    const PlotData single = Select("0\t0.1\t7\n0\t0.2\t9\n0\t0.3\t8", fiber);
    ASSERT_EQ(single.RowCount(), 3);  // no final newline: the last row is kept
    EXPECT_EQ(single.NodesPerBlock, 3);
    EXPECT_FLOAT_EQ(single.Points[2].Value, 8);
    EXPECT_FLOAT_EQ(single.TimeRange, 1);  // constant time: range 1
    EXPECT_FLOAT_EQ(single.ValueMin, 7);
    EXPECT_FLOAT_EQ(single.ValueMax, 9);

    // Row 0 without a TAB is a row of zeros and the ranges start at the first row with one.
    const PlotData noTab = Select("garbage\r\n1\t0.5\t4\r\n2\t0.5\t6\r\n", fiber);
    ASSERT_EQ(noTab.RowCount(), 3);
    EXPECT_FLOAT_EQ(noTab.Points[0].Value, 0);
    EXPECT_FLOAT_EQ(noTab.Points[0].Time, 0);
    EXPECT_FLOAT_EQ(noTab.ValueMin, 4);
    EXPECT_FLOAT_EQ(noTab.ValueMax, 6);

    // Empty: no rows, ranges of 1.
    const PlotData empty = Select("", fiber);
    EXPECT_EQ(empty.RowCount(), 0);
    EXPECT_FLOAT_EQ(empty.ValueRange, 1);

    // Bad layer counts skip nothing rather than loop or run backwards.
    const PlotData bad = Select(FabricBlocks(2, 2, 3), FabricLayer(-1, 0, -4));
    EXPECT_EQ(bad.RowCount(), 12);
}

TEST(PlotReader, MissingFilesHaveNoTableAndTheCacheParsesOncePerVersion)
{
    TempFolder folder;
    EXPECT_EQ(ReadPlotTable(folder.Path() / "none.dat"), nullptr);
    EXPECT_EQ(ReadPlotTable(folder.Path()), nullptr);  // a folder is no file

    const auto file = folder.Write("Fabrics.dat", FabricBlocks(2, 1, 3));
    PlotTableCache cache;
    const auto first = cache.Get(file);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.Get(file), first);
    EXPECT_EQ(cache.Parses(), 1);
    // A rewritten file (other size) is parsed again.
    folder.Write("Fabrics.dat", FabricBlocks(3, 1, 3));
    const auto second = cache.Get(file);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->LineCount(), 9);
    EXPECT_EQ(cache.Parses(), 2);
    std::filesystem::remove(file);
    EXPECT_EQ(cache.Get(file), nullptr);
}

TEST(PlotFolder, CountsLayersAndRowsOfTheFirstBlock)
{
    LayerStructure s = CountFabricLayers(PlotTable(FabricBlocks(2, 3, 6)));
    EXPECT_TRUE(s.Valid);
    EXPECT_EQ(s.Layers, 3);
    EXPECT_EQ(s.RowsPerLayer, 6);

    // One block only: counted to the end of the file.
    s = CountFabricLayers(PlotTable(FabricBlocks(1, 2, 4)));
    EXPECT_TRUE(s.Valid);
    EXPECT_EQ(s.Layers, 2);
    EXPECT_EQ(s.RowsPerLayer, 4);

    EXPECT_FALSE(CountFabricLayers(PlotTable("")).Valid);
    // The second block starts with another layer: no row counts for row 0's layer.
    EXPECT_FALSE(CountFabricLayers(PlotTable("0\t0\t0\t\n0\t0\t1\t\n5\t0\t1\t\n")).Valid);
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
    EXPECT_TRUE(probe.FabricsFound);
    EXPECT_FALSE(probe.BodyPropertyFound);
    EXPECT_TRUE(probe.ComfortFound);
    EXPECT_TRUE(probe.FiberFilesFound);
    EXPECT_EQ(probe.FiberFiles, (std::vector<std::string>{"Fabric1_Fiber_2.dat", "fabric2_fiber_1.dat"}));
    EXPECT_EQ(probe.Listed, (std::vector<std::string>{"Fabrics.dat", "Comfort.dat", "Fabric1_Fiber_2.dat",
                                                      "fabric2_fiber_1.dat"}));
}

} // namespace
