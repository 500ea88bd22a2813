#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casemodel/casefile.h"
#include "casemodel/textfile.h"
#include "results/io/comfortfile.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "tests/unit/tempfolder.h"

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::string text;
    EXPECT_TRUE(ReadWholeFile(file.string(), text)) << file;
    return text;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    ForEachTabField(line, [&](int, std::string_view text, bool) { fields.push_back(text); });
    return fields;
}

// Every file of the set reads back with the readers the result windows use, in the shape it was
// made from; the case file read back is handed out for the checks of its values.
void ExpectConsistent(const std::filesystem::path& dir, const ResultSetShape& shape, CaseFileContents& caseFile)
{
    const EnvironmentRead env = ReadEnvironment(dir);
    ASSERT_TRUE(env.Ok()) << env.Error;
    EXPECT_EQ(env.Data.Garments.size(), shape.Garments.size());
    EXPECT_EQ(env.Data.Stages.size(), shape.Stages.size());

    const PlayerResults results = LoadPlayerResults(dir, env.Data);
    ASSERT_EQ(results.Result, PlayerResults::Loaded) << results.Message;
    EXPECT_EQ(results.Body.FrameCount(), shape.Frames);
    EXPECT_EQ(results.Fabric.MaxLayerSeen, shape.LayerCount() - 1);
    for (int l = 0; l < shape.LayerCount(); ++l)
        EXPECT_NE(LayerNodeRow(results.Fabric.Layers, shape.NodesPerLayer, l, shape.Frames - 1, shape.NodesPerLayer - 1),
                  nullptr);

    const std::vector<std::string> fibers = FiberFileNames(shape);
    EXPECT_FALSE(fibers.empty());
    for (const std::string& name : fibers)
        EXPECT_EQ(SplitLines(Contents(dir / name)).size(), static_cast<std::size_t>(shape.Frames * shape.FiberNodes))
            << name;
    const ComfortSeries comfort = ParseComfortText(Contents(dir / "Comfort.dat"));
    EXPECT_EQ(comfort.Samples.size(), static_cast<std::size_t>(shape.Frames));

    std::string why;
    ASSERT_TRUE(ParseCaseFile(Contents(dir / "simulation.sdf"), caseFile, shape.BodyModel == 0, &why)) << why;
    EXPECT_EQ(caseFile.Stages.size(), shape.Stages.size());
}

// The realistic set's wearer answers its stages (25, then 35, then 15 deg C) and its case holds
// the wearer in the units the application stores.
TEST(MakeResults, MinimalAndRealisticSetsReadBackConsistently)
{
    for (ResultSetSize size : {ResultSetSize::Minimal, ResultSetSize::Realistic}) {
        TempFolder dir;
        const ResultSetShape shape = ShapeOf(size);
        ASSERT_EQ(WriteResultSet(dir.Path(), shape), "");
        SCOPED_TRACE(static_cast<int>(size));
        CaseFileContents caseFile;
        ExpectConsistent(dir.Path(), shape, caseFile);
        if (size != ResultSetSize::Realistic)
            continue;
        const std::string text = Contents(dir.Path() / "BodyProperty.dat");
        const std::vector<std::string_view> lines = SplitLines(text);
        ASSERT_EQ(lines.size(), 120u);
        auto column = [&](int frame, int c) {
            float value = 0;
            EXPECT_TRUE(ResultField(Fields(lines[static_cast<std::size_t>(frame)])[static_cast<std::size_t>(c)], value));
            return value;
        };
        // Skin warms in the hot stage and cools in the cold one.
        EXPECT_GT(column(79, 1), column(39, 1) + 0.5f);
        EXPECT_LT(column(119, 1), column(79, 1) - 1.0f);
        // The weight in grams, the skin temperature in kelvin; the stages keep their air in
        // degrees Celsius and their humidity as a fraction.
        ASSERT_TRUE(caseFile.HasBody);
        EXPECT_DOUBLE_EQ(caseFile.Body.W_d, 70000);
        EXPECT_NEAR(caseFile.Body.T_sk - KelvinOffset, 33.9, 0.05);
        ASSERT_EQ(caseFile.Stages.size(), 3u);
        EXPECT_DOUBLE_EQ(caseFile.Stages[1]->InnerT_a, 35);
        EXPECT_DOUBLE_EQ(caseFile.Stages[1]->InnerRH, 0.6);
    }
}

TEST(MakeResults, SameSizeGivesTheSameFilesAndUnwritableFolderIsReported)
{
    TempFolder a, b;
    const ResultSetShape shape = ShapeOf(ResultSetSize::Minimal);
    ASSERT_EQ(WriteResultSet(a.Path() / "set", shape), "");
    ASSERT_EQ(WriteResultSet(b.Path() / "set", shape), "");
    for (const auto& entry : std::filesystem::directory_iterator(a.Path() / "set"))
        EXPECT_EQ(Contents(entry.path()), Contents(b.Path() / "set" / entry.path().filename())) << entry.path();

    const std::filesystem::path blocker = a.Write("file", "x");
    EXPECT_NE(WriteResultSet(blocker / "set", shape), "");
}

} // namespace
