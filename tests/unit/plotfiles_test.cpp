#include <gtest/gtest.h>

#include <string>
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
    EXPECT_EQ(d.PositionTexts.back(), "0.005");
    EXPECT_FLOAT_EQ(d.TimeEnd, 10);
    EXPECT_FLOAT_EQ(d.ValueMin, 10);
    EXPECT_FLOAT_EQ(d.ValueMax, 215);

    // The last column is the text after the last TAB.
    const PlotData last = Select(FabricBlocks(2, 3, 6), FabricLayer(2, 3, 6, 9));
    ASSERT_EQ(last.RowCount(), 12);
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
    EXPECT_FLOAT_EQ(single.TimeRange, 1);  // constant time: range 1

    // Row 0 without a TAB is a row of zeros and the ranges start at the first row with one.
    const PlotData noTab = Select("garbage\r\n1\t0.5\t4\r\n2\t0.5\t6\r\n", fiber);
    ASSERT_EQ(noTab.RowCount(), 3);
    EXPECT_FLOAT_EQ(noTab.Points[0].Value, 0);
    EXPECT_FLOAT_EQ(noTab.ValueMin, 4);

    EXPECT_FLOAT_EQ(Select("", fiber).ValueRange, 1);  // no rows: no division by zero

    // Bad layer counts skip nothing rather than loop or run backwards.
    const PlotData bad = Select(FabricBlocks(2, 2, 3), FabricLayer(-1, 0, -4));
    EXPECT_EQ(bad.RowCount(), 12);
}

TEST(PlotReader, MissingFilesHaveNoTableAndARewrittenFileIsReadAgain)
{
    TempFolder folder;
    EXPECT_EQ(ReadPlotTable(folder.Path()), nullptr);  // a folder is no file
    const auto file = folder.Write("Fabrics.dat", FabricBlocks(2, 1, 3));
    PlotTableCache cache;
    ASSERT_NE(cache.Get(file), nullptr);
    folder.Write("Fabrics.dat", FabricBlocks(3, 1, 3));
    ASSERT_NE(cache.Get(file), nullptr);
    EXPECT_EQ(cache.Get(file)->LineCount(), 9);
    std::filesystem::remove(file);
    EXPECT_EQ(cache.Get(file), nullptr);
}

TEST(PlotFolder, CountsLayersAndRowsOfTheFirstBlock)
{
    LayerStructure s = CountFabricLayers(PlotTable(FabricBlocks(2, 3, 6)));
    EXPECT_TRUE(s.Valid);
    EXPECT_EQ(s.Layers, 3);
    EXPECT_EQ(s.RowsPerLayer, 6);
    s = CountFabricLayers(PlotTable(FabricBlocks(1, 2, 4)));  // one block: counted to the end
    EXPECT_EQ(s.Layers, 2);
    EXPECT_EQ(s.RowsPerLayer, 4);

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
    EXPECT_FALSE(probe.BodyPropertyFound);
    EXPECT_EQ(probe.FiberFiles, (std::vector<std::string>{"Fabric1_Fiber_2.dat", "fabric2_fiber_1.dat"}));
    EXPECT_EQ(probe.Listed, (std::vector<std::string>{"Fabrics.dat", "Comfort.dat", "Fabric1_Fiber_2.dat",
                                                      "fabric2_fiber_1.dat"}));
}

} // namespace
