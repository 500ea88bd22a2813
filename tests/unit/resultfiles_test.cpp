#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/io/resultfiles.h"
#include "results/io/resultfield.h"
#include "tests/unit/tempfolder.h"

namespace {

// An 18-column body line: time, skin, core, metabolism (column 4) and blood flow (column 6)
// where the player reads them, other columns filled with 9.
std::string BodyLine(double time, double skin, double core, double metabolism, double blood)
{
    std::string line = std::to_string(time) + "\t" + std::to_string(skin) + "\t" + std::to_string(core)
                       + "\t9\t" + std::to_string(metabolism) + "\t9\t" + std::to_string(blood);
    for (int c = 7; c < 18; ++c)
        line += "\t9";
    return line + "\r\n";
}

// A 10-column fabric line with position, layer, humidity (column 6) and temperature (column 8).
std::string FabricLine(double time, double position, int layer, double humidity, double temperature)
{
    return std::to_string(time) + "\t" + std::to_string(position) + "\t" + std::to_string(layer) + "\t1\t1\t0\t"
           + std::to_string(humidity) + "\t0\t" + std::to_string(temperature) + "\t0\n";
}

// Blocks of layers x nodes rows; humidity encodes block, layer and node so rows can be traced.
std::string FabricBlocks(int blocks, int layers, int nodes)
{
    std::string text;
    for (int b = 0; b < blocks; ++b)
        for (int l = 0; l < layers; ++l)
            for (int n = 0; n < nodes; ++n)
                text += FabricLine(b * 0.5, 0.01 * n, l, 100 * b + 10 * l + n, 30 - l);
    return text;
}

// Layer indexes the tests' fabric files may hold: more than any of them has.
constexpr int kLayers = 25;

// Minimum and maximum of the temperature, humidity and sweating ranges, in that order.
void ExpectRanges(const ValueRanges& ranges, const std::array<float, 6>& expected)
{
    for (int q = 0; q < 3; ++q) {
        EXPECT_FLOAT_EQ(ranges[q].Min, expected[2 * q]) << "quantity " << q;
        EXPECT_FLOAT_EQ(ranges[q].Max, expected[2 * q + 1]) << "quantity " << q;
    }
}

const char* const kEnvironment =
    "Environment of the run\r\n"
    "1\tsex\r\n"
    "Garments\r\n"
    "2\r\n"
    "No.\tLayers\tStyle\r\n"
    "1\t\t\t3\t2\r\n"   // runs of TABs are one separator here
    "2\t2\t3\r\n"
    "Stage\tT\tRH\tTime\r\n"
    "1\t20\t40\t10\r\n"
    "\r\n"              // empty lines are no stage
    "2\t30\t60\t20\r\n"
    "3\t10\t30\t30\r\n";

TEST(EnvironmentFile, ReadsSexGarmentsAndStagesWithStartTimes)
{
    TempFolder dir;
    const EnvironmentRead read = ReadEnvironmentFile(dir.Write("Environment.dat", kEnvironment));
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_TRUE(read.Data.IsFemale());
    ASSERT_EQ(read.Data.Garments.size(), 2u);
    EXPECT_EQ(read.Data.Garments[0].LayerCount, 3);
    EXPECT_EQ(read.Data.Garments[0].Style, 2);
    ASSERT_EQ(read.Data.Stages.size(), 3u);
    EXPECT_FLOAT_EQ(read.Data.Stages[2].Time, 30);  // each stage starts when the one before ends
    EXPECT_FLOAT_EQ(read.Data.Stages[1].Humidity, 60);
}

TEST(EnvironmentFile, EmptyGarmentLinesKeepTheirPlaceAndMissingStagesFallBackToOneZeroStage)
{
    TempFolder dir;
    // An empty garment line is a garment without layers; the next line is the second garment.
    EnvironmentRead read = ReadEnvironmentFile(dir.Write("a.dat", "t\n0\n\n2\n\n\n2\t4\t1\nheading\n1\t21\t45\t5\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_FALSE(read.Data.IsFemale());
    ASSERT_EQ(read.Data.Garments.size(), 2u);
    EXPECT_EQ(read.Data.Garments[0].LayerCount, 0);
    EXPECT_EQ(read.Data.Garments[1].LayerCount, 4);
    EXPECT_EQ(read.Data.Garments[1].Style, 1);
    ASSERT_EQ(read.Data.Stages.size(), 1u);
    EXPECT_FLOAT_EQ(read.Data.Stages[0].Humidity, 45);

    // A count of garments that the file does not hold lines for makes no phantom garments.
    read = ReadEnvironmentFile(dir.Write("b.dat", "t\n0\n\n2000\n\n1\t1\t0\n"));
    EXPECT_EQ(read.Error, NoStagesError);
    EXPECT_EQ(read.Data.Garments.size(), 1u);
    ASSERT_EQ(read.Data.Stages.size(), 1u);
    EXPECT_FLOAT_EQ(read.Data.Stages[0].Temperature, 0);

    EXPECT_EQ(ReadEnvironmentFile(dir.Write("empty.dat", "")).Error, NoStagesError);
}

TEST(EnvironmentFile, BadGarmentsAndMissingFileGiveTheFormatMessage)
{
    TempFolder dir;
    const std::string head = "t\n0\n\n1\n\n";
    const std::string tail = "heading\n1\t20\t50\t10\n";
    for (const char* garment : {"1\t2\t4\n", "1\t2\t-1\n", "1\t-2\t1\n"}) {
        const EnvironmentRead read = ReadEnvironmentFile(dir.Write("e.dat", head + garment + tail));
        EXPECT_EQ(read.Error, EnvironmentFileError) << garment;
        EXPECT_TRUE(read.Data.Garments.empty());
        EXPECT_TRUE(read.Data.Stages.empty());
    }
    EXPECT_EQ(ReadEnvironmentFile(dir.Write("n.dat", "t\n0\n\n-1\n\nheading\n1\t20\t50\t10\n")).Error,
              EnvironmentFileError);
    EXPECT_EQ(ReadEnvironmentFile(dir.Path() / "missing.dat").Error, EnvironmentFileError);
    EXPECT_EQ(ReadEnvironmentFile(std::filesystem::path()).Error, EnvironmentFileError);
}

TEST(BodyFile, ReadsTheFiveColumnsWidensRangesAndFindsTheStep)
{
    TempFolder dir;
    const BodyRead read = ReadBodyFile(dir.Write("b.dat", BodyLine(0, 33, 37, 58, 6) + BodyLine(2.5, 35, 36.5, 70, 12)
                                                              + BodyLine(5, 34, 37.2, 60, 8)));
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.FrameCount(), 3);
    EXPECT_FLOAT_EQ(read.FrameStep, 2.5f);
    EXPECT_EQ(read.Frames[1], (FrameRow{2.5f, 35, 36.5f, 70, 12}));
    // The metabolism column is shown in the humidity mode but sets no range.
    ExpectRanges(read.Ranges, {33, 37.2f, 10000, 0, 6, 12});

    // Times that repeat or fall, or a single frame, give the step 1.
    auto step = [&](double first, double second) {
        std::string text = BodyLine(first, 33, 37, 58, 6);
        if (second >= 0)
            text += BodyLine(second, 33, 37, 58, 6);
        return ReadBodyFile(dir.Write("s", text)).FrameStep;
    };
    EXPECT_FLOAT_EQ(step(5, 4), 1.0f);
    EXPECT_FLOAT_EQ(step(7, -1), 1.0f);
}

TEST(BodyFile, TooFewColumnsAreReportedWithTheirCount)
{
    TempFolder dir;
    BodyRead read = ReadBodyFile(dir.Write("a", "0\t33\t37\t9\t58\t40\n"));  // columns 0 .. 5
    EXPECT_EQ(read.Error, std::string(BodyColumnsError) + "4");
    EXPECT_TRUE(read.Frames.empty());
    read = ReadBodyFile(dir.Write("b", BodyLine(0, 33, 37, 58, 6) + "\r\n" + BodyLine(1, 33, 37, 58, 6)));
    EXPECT_EQ(read.Error, std::string(BodyColumnsError) + "0");

    // Empty fields count as columns: 58 lands in the metabolism column, 6 in the blood flow's.
    read = ReadBodyFile(dir.Write("d", "1\t33\t37\t\t58\t\t6\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.FrameCount(), 1);
    EXPECT_EQ(read.Frames[0], (FrameRow{1, 33, 37, 58, 6}));
}

TEST(BodyFile, LongLinesAndBothLineEndsAreRead)
{
    TempFolder dir;
    const std::string padding(400, ' ');
    std::string line = "0\t" + padding + "33\t37\t9\t58\t9\t" + padding + "6";
    for (int c = 7; c < 18; ++c)
        line += "\t" + padding + "1";
    const BodyRead read = ReadBodyFile(dir.Write("a", line + "\n" + line + "\r\n" + line + "\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.FrameCount(), 3);
    EXPECT_EQ(read.Frames[2], (FrameRow{0, 33, 37, 58, 6}));
}

TEST(BodyFile, MissingEmptyAndDamagedFilesFailCleanly)
{
    TempFolder dir;
    EXPECT_EQ(ReadBodyFile(dir.Path() / "none").Error, BodyFileError);
    EXPECT_EQ(ReadBodyFile(dir.Write("empty", "")).Error, BodyFileError);
    EXPECT_EQ(ReadBodyFile(dir.Write("blank", "\n\r\n\n")).Error, BodyFileError);
}

TEST(FabricFile, ThreeLayersOfSixNodes)
{
    TempFolder dir;
    const FabricRead read = ReadFabricFile(dir.Write("f", FabricBlocks(3, 3, 6)), kLayers);
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.NodesPerFrame, 6);
    EXPECT_EQ(read.Layers.size(), 3u);
    for (int l = 0; l < 3; ++l)
        for (int f = 0; f < 3; ++f)
            for (int n = 0; n < 6; ++n) {
                const FrameRow* row = LayerNodeRow(read.Layers, read.NodesPerFrame, l, f, n);
                ASSERT_NE(row, nullptr);
                EXPECT_FLOAT_EQ((*row)[3], 100 * f + 10 * l + n);
                EXPECT_FLOAT_EQ((*row)[4], 30 - l);
            }
    for (const auto& [l, f, n] : {std::array<int, 3>{0, 3, 0}, {3, 0, 0}, {0, 0, 6}, {0, -1, 0}})
        EXPECT_EQ(LayerNodeRow(read.Layers, 6, l, f, n), nullptr) << l << " " << f << " " << n;
}

TEST(FabricFile, FileCutOffInItsLastBlockKeepsTheCompleteBlocks)
{
    TempFolder dir;
    std::string text = FabricBlocks(3, 3, 6);
    text.resize(text.size() - 9 * FabricLine(1, 0.05, 2, 225, 28).size() - 7);  // mid-line in layer 1
    const FabricRead read = ReadFabricFile(dir.Write("f", text), kLayers);
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.NodesPerFrame, 6);
    for (int l = 0; l < 3; ++l)
        for (int f = 0; f < 2; ++f)
            for (int n = 0; n < 6; ++n)
                EXPECT_FLOAT_EQ((*LayerNodeRow(read.Layers, 6, l, f, n))[3], 100 * f + 10 * l + n);
    EXPECT_EQ(LayerNodeRow(read.Layers, 6, 2, 2, 0), nullptr);
}

TEST(FabricFile, TooFewColumnsOnTheFirstLine)
{
    TempFolder dir;
    EXPECT_EQ(ReadFabricFile(dir.Write("a", "0\t0.1\t0\t1\n" + FabricBlocks(1, 1, 2)), kLayers).Error,
              std::string(FabricColumnsError) + "3");
    EXPECT_EQ(ReadFabricFile(dir.Write("b", "\n" + FabricBlocks(1, 1, 2)), kLayers).Error,
              std::string(FabricColumnsError) + "0");
}

TEST(FabricFile, DamagedLayerStructureGivesTheFormatMessage)
{
    TempFolder dir;
    const std::string good = FabricBlocks(1, 2, 3);
    std::string sparse;  // many layer-0 rows, then each row a new layer at a high row index
    for (int n = 0; n < 2000; ++n)
        sparse += FabricLine(0, n, 0, 50, 30);
    for (int l = 1; l < 2000; ++l)
        sparse += FabricLine(0, 0, l, 50, 30);
    // A file cut off inside its first block: layer 1 has one row of two.
    const std::string cutFirst =
        "0\t0\t0\t1\t1\t0\t50\t0\t30\t0\n0\t0.1\t0\t1\t1\t0\t51\t0\t31\t0\n0\t0\t1\t1\t1\t0\t52\t0\t32\t0\n";
    const std::string second =
        "1\t0\t0\t1\t1\t0\t50\t0\t30\t0\n1\t0.1\t0\t1\t1\t0\t51\t0\t31\t0\n"
        "1\t0\t1\t1\t1\t0\t52\t0\t32\t0\n1\t0.1\t1\t1\t1\t0\t53\t0\t33\t0\n";
    const std::pair<const char*, std::string> cases[] = {
        {"block starting with layer 1", FabricLine(0, 0, 1, 50, 30) + good},
        {"negative layer", good + FabricLine(0.5, 0, -1, 50, 30)},
        {"huge layer", good + "0.5\t0\t1e9\t1\t1\t0\t50\t0\t30\t0\n"},
        {"sparse layers", sparse},
        {"cut off inside the first block", cutFirst},
        {"the first block decides, however sound the next", cutFirst + second},
        {"a damaged block in the middle is no cut-off end", FabricBlocks(1, 2, 2) + cutFirst + second},
    };
    for (const auto& [what, text] : cases) {
        const FabricRead read = ReadFabricFile(dir.Write("f", text), 2000);
        EXPECT_EQ(read.Error, FabricFileError) << what;
        EXPECT_TRUE(read.Layers.empty()) << what;
    }
    EXPECT_EQ(ReadFabricFile(dir.Path() / "none", kLayers).Error, FabricFileError);
}

TEST(FabricFile, LayersBeyondTheGarmentsGiveTheFormatMessage)
{
    // Two garments of 2 and 3 layers: the fabric file may hold the layers 0 .. 4.
    TempFolder dir;
    dir.Write("Environment.dat", "t\n0\n\n2\n\n1\t2\t1\n2\t3\t2\nheading\n1\t25\t50\t10\n");
    dir.Write("BodyProperty.dat", BodyLine(0, 33, 37, 58, 6) + BodyLine(0.5, 34, 37, 58, 7));
    // Two blocks of five layers of eight nodes, one row of the second block naming layer 24.
    std::string stray = FabricBlocks(2, 5, 8);
    const std::string sound = FabricLine(0.5, 0.01, 3, 131, 27);
    ASSERT_NE(stray.find(sound), std::string::npos);
    stray.replace(stray.find(sound), sound.size(), FabricLine(0.5, 0.01, 24, 131, 27));
    dir.Write("Fabrics.dat", stray);
    PlayerResults results = LoadPlayerResults(dir.Path(), ReadEnvironment(dir.Path()).Data);
    EXPECT_EQ(results.Result, PlayerResults::FabricFailed);
    EXPECT_EQ(results.Message, FabricFileError);
}

TEST(ResultFolder, FindsNamesWithoutRegardToCase)
{
    TempFolder dir;
    dir.Write("Bodyproperty.dat", "x");
    EXPECT_EQ(FindFileNoCase(dir.Path(), "BodyProperty.dat").filename(), "Bodyproperty.dat");
    dir.Write("BodyProperty.dat", "x");
    EXPECT_EQ(FindFileNoCase(dir.Path(), "BodyProperty.dat").filename(), "BodyProperty.dat");
    std::filesystem::create_directory(dir.Path() / "fabrics.dat");  // a folder is no file
    EXPECT_TRUE(FindFileNoCase(dir.Path(), "Fabrics.dat").empty());
    EXPECT_TRUE(FindFileNoCase(dir.Path() / "nowhere", "Fabrics.dat").empty());
}

TEST(ResultFolder, LoadsBodyAndFabricAndWidensByTheStages)
{
    TempFolder dir;
    dir.Write("environment.DAT", kEnvironment);
    dir.Write("Bodyproperty.dat", BodyLine(0, 33, 37, 58, 6) + BodyLine(1, 34, 37, 58, 7));
    dir.Write("FABRICS.dat", FabricBlocks(2, 3, 6));
    const EnvironmentRead env = ReadEnvironment(dir.Path());
    ASSERT_TRUE(env.Ok()) << env.Error;
    const PlayerResults results = LoadPlayerResults(dir.Path(), env.Data);
    EXPECT_EQ(results.Result, PlayerResults::Loaded);
    EXPECT_EQ(results.Body.FrameCount(), 2);
    EXPECT_EQ(results.Fabric.NodesPerFrame, 6);
    // Temperatures of body and stages; humidity of the fabric and the stages.
    ExpectRanges(results.Ranges, {10, 37, 0, 125, 6, 7});
}

TEST(ResultFolder, BodyFailureStopsAndFabricFailureKeepsTheBody)
{
    TempFolder dir;
    dir.Write("Fabrics.dat", FabricBlocks(2, 1, 2));
    PlayerResults results = LoadPlayerResults(dir.Path(), EnvironmentData());
    EXPECT_EQ(results.Result, PlayerResults::BodyFailed);
    EXPECT_EQ(results.Message, BodyFileError);
    ExpectRanges(results.Ranges, {10000, 0, 10000, 0, 10000, 0});

    dir.Write("BodyProperty.dat", BodyLine(0, 33, 37, 58, 6) + BodyLine(1, 34, 37, 58, 7));
    dir.Write("Fabrics.dat", "0\t1\n");
    results = LoadPlayerResults(dir.Path(), EnvironmentData());
    EXPECT_EQ(results.Result, PlayerResults::FabricFailed);
    EXPECT_EQ(results.Message, std::string(FabricColumnsError) + "2");
    EXPECT_EQ(results.Body.FrameCount(), 2);
    EXPECT_TRUE(results.Fabric.Layers.empty());
}

TEST(ResultFolder, SixLayersOfOneGarmentOrOfTwoLoadEveryLayer)
{
    TempFolder dir;
    dir.Write("BodyProperty.dat", BodyLine(0, 33, 37, 58, 6) + BodyLine(0.5, 34, 37, 58, 7));
    dir.Write("Fabrics.dat", FabricBlocks(2, 6, 4));
    for (const char* garments : {"1\n\n1\t6\t2\n", "2\n\n1\t3\t1\n2\t3\t2\n"}) {
        dir.Write("Environment.dat", std::string("t\n0\n\n") + garments + "heading\n1\t25\t50\t10\n");
        const PlayerResults results = LoadPlayerResults(dir.Path(), ReadEnvironment(dir.Path()).Data);
        ASSERT_EQ(results.Result, PlayerResults::Loaded) << results.Message;
        ASSERT_EQ(results.Fabric.Layers.size(), 6u);
        EXPECT_EQ(results.Fabric.MaxLayerSeen, 5);
        const FrameRow* last = LayerNodeRow(results.Fabric.Layers, results.Fabric.NodesPerFrame, 5, 1, 3);
        ASSERT_NE(last, nullptr);
        EXPECT_FLOAT_EQ((*last)[3], 153);
    }
}

// The number texts themselves are judged by ResultField (below); here each reader must refuse,
// as a whole, a used field that is no usable number or is missing, and values out of its range.
TEST(ResultFiles, UnusableOrMissingUsedFieldsGiveTheFileMessage)
{
    TempFolder dir;
    const std::string head = "t\n1\n\n1\n\n", garment = "1\t2\t0\n", stages = "heading\n1\t25\t50\t10\n";
    for (const std::string& text :
         {"t\nwoman\n\n1\n\n" + garment + stages, "t\n1\n\n1.5\n\n" + garment + stages, "t\n1\n\n\n\n" + garment + stages,
          head + "1\t2.5\t0\n" + stages, head + "1\t2\n" + stages, head + garment + "heading\n1\t5abc\t50\t10\n",
          head + garment + "heading\n1\t25\tnan\t10\n", head + garment + "heading\n1\t25\t50\tinf\n",
          head + garment + "heading\n1\t25\t50\t-10\n", head + garment + "heading\n1\t25\t50\n"}) {
        const EnvironmentRead read = ReadEnvironmentFile(dir.Write("env", text));
        EXPECT_EQ(read.Error, EnvironmentFileError) << text;
        EXPECT_TRUE(read.Data.Garments.empty() && read.Data.Stages.empty()) << text;
    }
    EXPECT_TRUE(ReadEnvironmentFile(dir.Write("env", head + garment + "heading\n1\t-20\t50\t0\n")).Ok());

    const std::string good = BodyLine(0, 33, 37, 58, 6);
    for (const std::string& line : {BodyLine(-1, 33, 37, 58, 6), std::string("1\t33x\t37\t9\t58\t9\t6\n"),
                                    std::string("1\t33\t\t9\t58\t9\t6\n"), std::string("1\t33\t37\t9\tnan\t9\t6\n"),
                                    std::string("1\t33\t37\t9\t58\t9\n"), std::string("time\tskin\tcore\tw\tm\trh\tblood\n")}) {
        const BodyRead read = ReadBodyFile(dir.Write("body", good + line + good));
        EXPECT_EQ(read.Error, BodyFileError) << line;
        EXPECT_TRUE(read.Frames.empty()) << line;
    }
    // Columns the player does not keep are not its concern.
    EXPECT_TRUE(ReadBodyFile(dir.Write("body", good + "1\t33\t37\t1e300\t58\t9\t6\n")).Ok());

    const std::string blocks = FabricBlocks(2, 2, 2);
    for (const std::string& line :
         {FabricLine(-1, 0, 0, 50, 30), std::string("1\t0\t0\t1\t1\t0\t43\t0\t1,5\t0\n"),
          std::string("1\t0\t0\t1\t1\t0\t\t0\t30\t0\n"), std::string("1\t0\t1.5\t1\t1\t0\t43\t0\t30\t0\n"),
          std::string("1\tthin\t0\t1\t1\t0\t43\t0\t30\t0\n"), std::string("1\t0\t0\t1\t1\t0\t43\n")}) {
        const FabricRead read = ReadFabricFile(dir.Write("fabric", blocks + line + blocks), kLayers);
        EXPECT_EQ(read.Error, FabricFileError) << line;
        EXPECT_TRUE(read.Layers.empty()) << line;
    }
}

TEST(ResultFiles, TimeThatGoesBackGivesTheFileMessageAndEqualTimesStay)
{
    TempFolder dir;
    const std::string run = BodyLine(0, 33, 37, 58, 6) + BodyLine(0.5, 34, 37, 58, 7) + BodyLine(1, 35, 37, 58, 8);
    EXPECT_EQ(ReadBodyFile(dir.Write("body", run + run)).Error, BodyFileError);
    EXPECT_EQ(ReadBodyFile(dir.Write("body", run + BodyLine(0.9995, 36, 37, 58, 9))).FrameCount(), 4);

    EXPECT_EQ(ReadFabricFile(dir.Write("fabric", FabricBlocks(3, 2, 2) + FabricBlocks(3, 2, 2)), kLayers).Error,
              FabricFileError);
}

} // namespace

TEST(ResultFields, OnlyPlainNumberTextsWithinTheLimitAreValues)
{
    const std::pair<const char*, double> numbers[] = {
        {"29.5057", 29.5057}, {"  -12.5  ", -12.5}, {"+3", 3},  {".5", 0.5},      {"7.", 7},
        {"1E+03", 1000},      {"2e-3", 0.002},      {"1e-400", 0}, {"-1000000", -1e6}};
    for (const auto& [text, expected] : numbers) {
        double value = -99;
        EXPECT_TRUE(ResultField(text, value)) << text;
        EXPECT_DOUBLE_EQ(value, expected) << text;
    }
    for (const char* damage : {"", "  ", "nan", "-inf", "INF", "5abc", "1,5", "0x10", "+-1", "2e", "1e+", ".", "-",
                               "1e309", "1000001", "1 2", "1e7", "100000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"}) {
        double value = -99;
        EXPECT_FALSE(ResultField(damage, value)) << damage;
        EXPECT_EQ(value, -99) << damage;
    }
}
