#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "casemodel/casefile.h"
#include "casemodel/textfile.h"
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

// Every file of the set, read back with the readers the result windows use, agrees with the
// shape it was made from.
void ExpectConsistent(const std::filesystem::path& dir, const ResultSetShape& shape)
{
    const EnvironmentRead env = ReadEnvironment(dir);
    ASSERT_TRUE(env.Ok()) << env.Error;
    EXPECT_EQ(env.Data.BodyModel, shape.BodyModel);
    ASSERT_EQ(env.Data.Garments.size(), shape.Garments.size());
    for (std::size_t g = 0; g < shape.Garments.size(); ++g) {
        EXPECT_EQ(env.Data.Garments[g].LayerCount, shape.Garments[g].LayerCount);
        EXPECT_EQ(env.Data.Garments[g].Style, shape.Garments[g].Style);
    }
    ASSERT_EQ(env.Data.Stages.size(), shape.Stages.size());
    for (std::size_t s = 0; s < shape.Stages.size(); ++s) {
        EXPECT_FLOAT_EQ(env.Data.Stages[s].Time, shape.Stages[s].Time);
        EXPECT_FLOAT_EQ(env.Data.Stages[s].Temperature, shape.Stages[s].Temperature);
    }

    const PlayerResults results = LoadPlayerResults(dir, env.Data);
    ASSERT_EQ(results.Result, PlayerResults::Loaded) << results.Message;
    EXPECT_EQ(results.Body.FrameCount(), shape.Frames);
    EXPECT_FLOAT_EQ(results.Body.FrameStep, static_cast<float>(shape.FrameStep));
    EXPECT_EQ(results.Fabric.NodesPerFrame, shape.NodesPerLayer);
    EXPECT_EQ(results.Fabric.MaxLayerSeen, shape.LayerCount() - 1);
    // Every frame of the body has its block in every layer.
    for (int l = 0; l < shape.LayerCount(); ++l) {
        EXPECT_NE(LayerNodeRow(results.Fabric.Layers, shape.NodesPerLayer, l, shape.Frames - 1, shape.NodesPerLayer - 1),
                  nullptr);
        EXPECT_EQ(LayerNodeRow(results.Fabric.Layers, shape.NodesPerLayer, l, shape.Frames, 0), nullptr);
    }

    // The fabric cools from the skin towards the air.
    for (int f = 0; f < shape.Frames; ++f) {
        const float skin = results.Body.Frames[static_cast<std::size_t>(f)][1];
        float air = 0;
        for (const EnvStage& stage : env.Data.Stages)
            if (stage.Time <= results.Body.Frames[static_cast<std::size_t>(f)][0])
                air = stage.Temperature;
        float previous = skin;
        float previousPosition = -1;
        for (int l = 0; l < shape.LayerCount(); ++l)
            for (int n = 0; n < shape.NodesPerLayer; ++n) {
                const FrameRow& row = *LayerNodeRow(results.Fabric.Layers, shape.NodesPerLayer, l, f, n);
                EXPECT_FLOAT_EQ(row[0], results.Body.Frames[static_cast<std::size_t>(f)][0]);
                EXPECT_GE(row[1], previousPosition);
                EXPECT_GE(row[3], 0.0f);
                EXPECT_LE(row[3], 100.0f);
                // Between skin and ambient: never beyond the skin, falling outwards when the air is cooler.
                if (skin > air + 1) {
                    EXPECT_LE(row[4], previous + 1e-4f);
                }
                previous = row[4];
                previousPosition = row[1];
            }
    }

    // Fibre files: time blocks whose first position does not come back within the block.
    const std::vector<std::string> fibers = FiberFileNames(shape);
    EXPECT_FALSE(fibers.empty());
    for (const std::string& name : fibers) {
        const std::string text = Contents(dir / name);
        const std::vector<std::string_view> lines = SplitLines(text);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(shape.Frames * shape.FiberNodes)) << name;
        const std::string first(Fields(lines[0])[1]);
        for (int n = 1; n < shape.FiberNodes; ++n)
            EXPECT_NE(std::string(Fields(lines[static_cast<std::size_t>(n)])[1]), first) << name;
        if (shape.Frames > 1) {
            EXPECT_EQ(std::string(Fields(lines[static_cast<std::size_t>(shape.FiberNodes)])[1]), first) << name;
        }
        for (std::string_view line : lines)
            EXPECT_EQ(Fields(line).size(), 5u) << name;
    }

    // "Comfort.dat": ten columns, exactly nine TABs, the three values on 0 .. 100.
    const std::string comfortText = Contents(dir / "Comfort.dat");
    const std::vector<std::string_view> comfort = SplitLines(comfortText);
    ASSERT_EQ(comfort.size(), static_cast<std::size_t>(shape.Frames));
    for (std::string_view line : comfort) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 9);
        const auto f = Fields(line);
        for (int c = 7; c <= 9; ++c) {
            EXPECT_GE(ResultNumber(f[static_cast<std::size_t>(c)]), 0.0f);
            EXPECT_LE(ResultNumber(f[static_cast<std::size_t>(c)]), 100.0f);
        }
    }
    // The case file beside the results loads as a case of the same stages and garments.
    CaseFileContents caseFile;
    std::string why;
    ASSERT_TRUE(ParseCaseFile(Contents(dir / "simulation.sdf"), caseFile, shape.BodyModel == 0, &why)) << why;
    EXPECT_EQ(caseFile.Stages.size(), shape.Stages.size());
    EXPECT_EQ(caseFile.GarmentCount, static_cast<int>(shape.Garments.size()));
}

TEST(MakeResults, MinimalAndRealisticSetsReadBackConsistently)
{
    for (ResultSetSize size : {ResultSetSize::Minimal, ResultSetSize::Realistic}) {
        TempFolder dir;
        const ResultSetShape shape = ShapeOf(size);
        ASSERT_EQ(WriteResultSet(dir.Path(), shape), "");
        SCOPED_TRACE(static_cast<int>(size));
        ExpectConsistent(dir.Path(), shape);
    }
}

TEST(MakeResults, WearerRespondsToTheStages)
{
    TempFolder dir;
    const ResultSetShape shape = ShapeOf(ResultSetSize::Realistic);  // 25, then 35, then 15 deg C
    ASSERT_EQ(WriteResultSet(dir.Path(), shape), "");
    const std::string text = Contents(dir.Path() / "BodyProperty.dat");
    const std::vector<std::string_view> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 120u);
    auto column = [&](int frame, int c) { return ResultNumber(Fields(lines[static_cast<std::size_t>(frame)])[static_cast<std::size_t>(c)]); };
    for (std::string_view line : lines)
        EXPECT_EQ(Fields(line).size(), 18u);
    // Skin warms in the hot stage and cools in the cold one; sweating rises with the heat.
    EXPECT_GT(column(79, 1), column(39, 1) + 0.5f);
    EXPECT_LT(column(119, 1), column(79, 1) - 1.0f);
    EXPECT_GT(column(79, 7), column(39, 7) + 10.0f);
    EXPECT_FLOAT_EQ(column(119, 7), 0.0f);
    EXPECT_NEAR(column(39, 2), 37.0f, 0.3f);
}

TEST(MakeResults, SampleCaseCarriesTheWearerInTheUnitsTheApplicationStores)
{
    TempFolder dir;
    const ResultSetShape shape = ShapeOf(ResultSetSize::Realistic);
    ASSERT_EQ(WriteResultSet(dir.Path(), shape), "");
    CaseFileContents caseFile;
    std::string why;
    ASSERT_TRUE(ParseCaseFile(Contents(dir.Path() / "simulation.sdf"), caseFile, true, &why)) << why;
    ASSERT_TRUE(caseFile.HasBody);
    const BodyParameters& body = caseFile.Body;
    // A man of 70 kg and 175 cm: weight in g, height in cm, DuBois area in cm2.
    EXPECT_TRUE(body.IsMale);
    EXPECT_DOUBLE_EQ(body.W_d, 70000);
    EXPECT_DOUBLE_EQ(body.Height, 175);
    EXPECT_NEAR(body.A_d, 18500, 500);
    // Temperatures in kelvin: the skin and core the results start from.
    EXPECT_NEAR(body.T_sk - KelvinOffset, 33.9, 0.05);
    EXPECT_NEAR(body.T_cr - KelvinOffset, 36.95, 0.05);
    EXPECT_NEAR(body.T_skneu - KelvinOffset, 33.9, 0.05);
    EXPECT_NEAR(body.T_crneu - KelvinOffset, 36.95, 0.05);
    EXPECT_GT(body.RH_sk, 0);
    EXPECT_LT(body.RH_sk, 1);
    // The stages keep their air in degrees Celsius and their humidity as a fraction.
    ASSERT_EQ(caseFile.Stages.size(), 3u);
    EXPECT_DOUBLE_EQ(caseFile.Stages[1]->InnerT_a, 35);
    EXPECT_DOUBLE_EQ(caseFile.Stages[1]->InnerRH, 0.6);
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

    ResultSetSize size = ResultSetSize::Minimal;
    EXPECT_TRUE(ParseResultSetSize("large", size));
    EXPECT_EQ(size, ResultSetSize::Large);
    EXPECT_FALSE(ParseResultSetSize("huge", size));
}

} // namespace
