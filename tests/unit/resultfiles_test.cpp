#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/io/resultfiles.h"
#include "results/io/resultfield.h"
#include "tests/unit/tempfolder.h"

namespace {

// An 18-column body line: time, skin, core, skin humidity (column 5) and sweating rate
// (column 7) where the player reads them. The columns it leaves hold values of their own
// (wetness 0.22, metabolism 75, blood flow 6.3, then 108 .. 117), so a column read one place
// off shows.
std::string BodyLine(double time, double skin, double core, double humidity, double sweating)
{
    std::string line = std::to_string(time) + "\t" + std::to_string(skin) + "\t" + std::to_string(core)
                       + "\t0.22\t75\t" + std::to_string(humidity) + "\t6.3\t" + std::to_string(sweating);
    for (int c = 8; c < 18; ++c)
        line += "\t" + std::to_string(100 + c);
    return line + "\r\n";
}

// A 10-column fabric line with position, layer, humidity (column 6) and temperature (column 8).
// The columns the player leaves hold values of their own (3.5, 4.5, 5.5, 7.5, 9.5), so a column
// read one place off shows.
std::string FabricLine(double time, double position, int layer, double humidity, double temperature)
{
    return std::to_string(time) + "\t" + std::to_string(position) + "\t" + std::to_string(layer) + "\t3.5\t4.5\t5.5\t"
           + std::to_string(humidity) + "\t7.5\t" + std::to_string(temperature) + "\t9.5\n";
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

// A line with field `column` (0 = first) replaced by text, or removed when text is null (the
// fields after it slide one column left). A column past the last adds a field.
std::string WithField(const std::string& line, int column, const char* text)
{
    std::string body = line;
    std::string end;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) {
        end.insert(end.begin(), body.back());
        body.pop_back();
    }
    std::vector<std::string> fields(1);
    for (char c : body)
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    if (column >= static_cast<int>(fields.size()))
        fields.resize(static_cast<std::size_t>(column) + 1);
    if (text)
        fields[static_cast<std::size_t>(column)] = text;
    else
        fields.erase(fields.begin() + column);
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (i ? "\t" : "") + fields[i];
    return joined + end;
}

std::string AtLine(const char* message, int line)
{
    return std::string(message) + "\nLine " + std::to_string(line) + ".";
}

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
    "3\t10\t150\t30\r\n";

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

// Every limit of "Environment.dat" on its edge and just past it, each refused file with that one
// fault: the layers of a garment (0 .. 6), its style (0 .. 3), the garment count, a stage's
// duration and the value bound.
TEST(EnvironmentFile, EachLimitHoldsOnItsEdgeAndRefusesJustPastIt)
{
    const struct {
        const char* Count;
        const char* Garment;  // none when the count is 0
        const char* Stage;
        bool Ok;
    } cases[] = {
        {"1", "1\t6\t2", "1\t20\t50\t10", true},   {"1", "1\t7\t2", "1\t20\t50\t10", false},
        {"1", "1\t0\t1", "1\t20\t50\t10", true},   {"1", "1\t-1\t1", "1\t20\t50\t10", false},
        {"1", "1\t2\t3", "1\t20\t50\t10", true},   {"1", "1\t2\t4", "1\t20\t50\t10", false},
        {"1", "1\t2\t0", "1\t20\t50\t10", true},   {"1", "1\t2\t-1", "1\t20\t50\t10", false},
        {"0", "", "1\t20\t50\t10", true},            {"-1", "", "1\t20\t50\t10", false},
        {"1", "1\t2\t1", "1\t20\t50\t0", true},    {"1", "1\t2\t1", "1\t20\t50\t-0.001", false},
        {"1", "1\t2\t1", "1\t-1000000\t1e6\t10", true}, {"1", "1\t2\t1", "1\t-1000001\t50\t10", false},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("t\n1\n\n") + c.Count + "\n\n" + (*c.Garment ? c.Garment + std::string("\n") : "")
                                 + "heading\n" + c.Stage + "\n";
        const EnvironmentRead read = ReadEnvironmentText(text);
        if (c.Ok) {
            EXPECT_TRUE(read.Ok()) << text << read.Error;
            EXPECT_EQ(read.Data.Garments.size(), *c.Garment ? 1u : 0u) << text;
            EXPECT_EQ(read.Data.Stages.size(), 1u) << text;
        } else {
            EXPECT_EQ(read.Error, EnvironmentFileError) << text;
            EXPECT_TRUE(read.Data.Garments.empty() && read.Data.Stages.empty()) << text;
        }
    }
    // Any sex but 0 is the woman.
    EXPECT_TRUE(ReadEnvironmentText("t\n-1\n\n0\n\nheading\n1\t20\t50\t10\n").Data.IsFemale());
    TempFolder dir;
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
    // The skin humidity column is shown in the humidity mode but sets no range.
    ExpectRanges(read.Ranges, {33, 37.2f, 10000, 0, 6, 12});

    // Times that repeat or fall, or a single frame, give the step 1; two frames give their distance.
    auto step = [&](double first, double second) {
        std::string text = BodyLine(first, 33, 37, 58, 6);
        if (second >= 0)
            text += BodyLine(second, 33, 37, 58, 6);
        return ReadBodyFile(dir.Write("s", text)).FrameStep;
    };
    EXPECT_FLOAT_EQ(step(5, 4), 1.0f);
    EXPECT_FLOAT_EQ(step(5, 5), 1.0f);
    EXPECT_FLOAT_EQ(step(7, -1), 1.0f);
    EXPECT_FLOAT_EQ(step(3, 3.25), 0.25f);  // two frames are enough
}

TEST(BodyFile, TooFewColumnsAreReportedWithTheirCount)
{
    TempFolder dir;
    BodyRead read = ReadBodyFile(dir.Write("a", "0\t33\t37\t9\t58\t40\n"));  // columns 0 .. 5
    EXPECT_EQ(read.Error, std::string(BodyColumnsError) + "4");
    EXPECT_TRUE(read.Frames.empty());
    read = ReadBodyFile(dir.Write("b", BodyLine(0, 33, 37, 58, 6) + "\r\n" + BodyLine(1, 33, 37, 58, 6)));
    EXPECT_EQ(read.Error, std::string(BodyColumnsError) + "0");

    // Empty fields count as columns: 41 lands in the skin humidity column, 12 in the sweating's.
    read = ReadBodyFile(dir.Write("d", "1\t33\t37\t\t\t41\t\t12\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.FrameCount(), 1);
    EXPECT_EQ(read.Frames[0], (FrameRow{1, 33, 37, 41, 12}));
}

TEST(BodyFile, LongLinesAndBothLineEndsAreRead)
{
    TempFolder dir;
    const std::string padding(400, ' ');
    std::string line = "0\t" + padding + "33\t37\t9\t58\t" + padding + "41\t6\t" + padding + "12";
    for (int c = 8; c < 18; ++c)
        line += "\t" + padding + "1";
    const BodyRead read = ReadBodyFile(dir.Write("a", line + "\n" + line + "\r\n" + line + "\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    ASSERT_EQ(read.FrameCount(), 3);
    EXPECT_EQ(read.Frames[2], (FrameRow{0, 33, 37, 41, 12}));
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
    const FabricRead read = ReadFabricFile(dir.Write("f", FabricBlocks(3, 3, 6)), 3);
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
    const FabricRead read = ReadFabricFile(dir.Write("f", text), 3);
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
    // Columns 0 .. 7: all but the temperature.
    EXPECT_EQ(ReadFabricFile(dir.Write("a", "0\t0.1\t0\t3.5\t4.5\t5.5\t50\t7.5\n" + FabricBlocks(2, 1, 2)), 1).Error,
              std::string(FabricColumnsError) + "4");
    EXPECT_EQ(ReadFabricFile(dir.Write("b", "\n" + FabricBlocks(2, 1, 2)), 1).Error,
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
    // Three blocks of three layers of two nodes, lines moved (1 = the first).
    auto moved = [](std::vector<std::pair<int, int>> swaps, int lost = 0, int doubled = 0) {
        std::vector<std::string> lines;
        const std::string text = FabricBlocks(3, 3, 2);
        for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
            lines.push_back(text.substr(at, text.find('\n', at) + 1 - at));
        for (const auto& [a, b] : swaps)
            std::swap(lines[static_cast<std::size_t>(a - 1)], lines[static_cast<std::size_t>(b - 1)]);
        if (doubled)
            lines.insert(lines.begin() + doubled, lines[static_cast<std::size_t>(doubled - 1)]);
        if (lost)
            lines.erase(lines.begin() + lost - 1);
        std::string joined;
        for (const std::string& line : lines)
            joined += line;
        return joined;
    };
    // A row that does not fit is named by its line, the first out of order; a block cut off at
    // the end of the file is not one line's fault.
    const struct {
        const char* What;
        std::string Text;
        int Layers;  // of the garments
        int Line;    // 0: the message has no line
    } cases[] = {
        {"block starting with layer 1", FabricLine(0, 0, 1, 50, 30) + good, 2, 1},
        {"negative layer", good + FabricLine(0.5, 0, -1, 50, 30), 2, 7},
        {"huge layer", good + "0.5\t0\t1e9\t1\t1\t0\t50\t0\t30\t0\n", 2, 7},
        {"sparse layers", sparse, 2000, 2002},
        {"cut off inside the first block", cutFirst, 2, 0},
        {"the first block decides, however sound the next", cutFirst + second, 2, 4},
        {"a damaged block in the middle is no cut-off end", FabricBlocks(1, 2, 2) + cutFirst + second, 2, 5},
        // Rows of the second block exchanged, each with its own layer column: layer 1's first
        // and layer 2's last node, whole layer groups, and layer 0 and 1's first nodes.
        {"layers 1 and 2 exchanged a node", moved({{9, 12}}), 3, 9},
        {"layer groups in another order", moved({{9, 11}, {10, 12}}), 3, 9},
        {"a block starting with layer 1", moved({{7, 9}}), 3, 7},
        // Within a layer: the nodes stand where the first block has them.
        {"two nodes of a layer exchanged", moved({{9, 10}}), 3, 9},
        {"two nodes of the first block exchanged", moved({{3, 4}}), 3, 9},
        {"the last block's nodes exchanged", moved({{17, 18}}), 3, 17},
        // A row lost or doubled, a whole block after it.
        {"a block's last row lost", moved({}, 12), 3, 12},
        {"a middle row lost", moved({}, 9), 3, 9},
        {"a block's last row doubled", moved({}, 0, 12), 3, 13},
        {"a layer's last row doubled", moved({}, 0, 10), 3, 11},
        {"a middle row doubled", moved({}, 0, 9), 3, 10},
    };
    for (const auto& c : cases) {
        const FabricRead read = ReadFabricFile(dir.Write("f", c.Text), c.Layers);
        EXPECT_EQ(read.Error, c.Line ? AtLine(FabricFileError, c.Line) : FabricFileError) << c.What;
        EXPECT_TRUE(read.Layers.empty()) << c.What;
    }
    EXPECT_EQ(ReadFabricFile(dir.Path() / "none", 3).Error, FabricFileError);
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
    EXPECT_EQ(results.Message, AtLine(FabricFileError, 66));  // block 1, layer 3, node 1
}

TEST(ResultFolder, FindsNamesWithoutRegardToCase)
{
    TempFolder dir;
    dir.Write("Bodyproperty.dat", "x");
    dir.Write("BODYPROPERTY.DAT", "x");  // the first in name order, whatever the folder's order
    EXPECT_EQ(FindFileNoCase(dir.Path(), "BodyProperty.dat").filename(), "BODYPROPERTY.DAT");
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
    dir.Write("FABRICS.dat", FabricBlocks(2, 5, 6));  // the garments' 3 + 2 layers
    const EnvironmentRead env = ReadEnvironment(dir.Path());
    ASSERT_TRUE(env.Ok()) << env.Error;
    const PlayerResults results = LoadPlayerResults(dir.Path(), env.Data);
    EXPECT_EQ(results.Result, PlayerResults::Loaded);
    EXPECT_EQ(results.Body.FrameCount(), 2);
    EXPECT_EQ(results.Fabric.NodesPerFrame, 6);
    // Temperatures of body and stages; humidity of the fabric and the stages.
    ExpectRanges(results.Ranges, {10, 37, 0, 150, 6, 7});
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

// Two garments of three layers: the fabric file holds exactly the layers 0 .. 5.
const char* const kThreePlusThree = "t\n0\n\n2\n\n1\t3\t1\n2\t3\t2\nheading\n1\t25\t50\t10\n";

TEST(ResultFolder, TimeBlocksWithFewerLayersThanTheGarmentsHoldAreDamage)
{
    TempFolder dir;
    dir.Write("Environment.dat", kThreePlusThree);
    dir.Write("BodyProperty.dat", BodyLine(0, 33, 37, 41, 12) + BodyLine(0.5, 34, 37, 42, 13));
    const EnvironmentData environment = ReadEnvironment(dir.Path()).Data;
    for (int layers : {4, 5, 6}) {
        dir.Write("Fabrics.dat", FabricBlocks(2, layers, 3));
        const PlayerResults results = LoadPlayerResults(dir.Path(), environment);
        if (layers == 6) {
            ASSERT_EQ(results.Result, PlayerResults::Loaded) << results.Message;
            EXPECT_EQ(results.Fabric.MaxLayerSeen, 5);
            continue;
        }
        // The body plays alone, as after any fabric error. The second block's first row shows
        // the first block short of layers.
        EXPECT_EQ(results.Result, PlayerResults::FabricFailed) << layers;
        EXPECT_EQ(results.Message, AtLine(FabricFileError, 3 * layers + 1)) << layers;
        EXPECT_TRUE(results.Fabric.Layers.empty()) << layers;
        EXPECT_EQ(results.Body.FrameCount(), 2) << layers;
    }
}

// A run that has finished after one time block: the block is known whole when every garment
// layer has as many rows as layer 0. With a single garment layer it cannot be told from a block
// still being written.
TEST(ResultFolder, ASingleTimeBlockPlaysWhenEveryLayerIsThereWhole)
{
    TempFolder dir;
    dir.Write("BodyProperty.dat", BodyLine(0, 33, 37, 41, 12) + BodyLine(0.5, 34, 37, 42, 13));
    std::string lastShort = FabricBlocks(1, 6, 3);
    lastShort.erase(lastShort.rfind(FabricLine(0, 0.02, 5, 52, 25)));
    const struct {
        const char* What;
        const char* Garments;
        std::string Fabric;
        bool Plays;
    } cases[] = {
        {"six layers of three rows", kThreePlusThree, FabricBlocks(1, 6, 3), true},
        {"two layers, the fewest that tell", "t\n0\n\n1\n\n1\t2\t1\nheading\n1\t25\t50\t10\n", FabricBlocks(1, 2, 3), true},
        {"the last layer one row short", kThreePlusThree, lastShort, false},
        {"a layer missing", kThreePlusThree, FabricBlocks(1, 5, 3), false},
        {"one garment layer", "t\n0\n\n1\n\n1\t1\t1\nheading\n1\t25\t50\t10\n", FabricBlocks(1, 1, 3), false},
    };
    for (const auto& c : cases) {
        dir.Write("Environment.dat", c.Garments);
        dir.Write("Fabrics.dat", c.Fabric);
        const PlayerResults results = LoadPlayerResults(dir.Path(), ReadEnvironment(dir.Path()).Data);
        if (!c.Plays) {
            EXPECT_EQ(results.Result, PlayerResults::FabricFailed) << c.What;
            EXPECT_EQ(results.Message, FabricFileError) << c.What;
            EXPECT_EQ(results.PlayableFrames(), 2) << c.What;
            continue;
        }
        ASSERT_EQ(results.Result, PlayerResults::Loaded) << c.What << ": " << results.Message;
        EXPECT_EQ(results.Fabric.NodesPerFrame, 3) << c.What;
        EXPECT_EQ(results.Fabric.BlockCount(), 1) << c.What;
        EXPECT_EQ(results.PlayableFrames(), 1) << c.What;
        const int last = results.Fabric.MaxLayerSeen;
        const FrameRow* row = LayerNodeRow(results.Fabric.Layers, 3, last, 0, 2);
        ASSERT_NE(row, nullptr) << c.What;
        EXPECT_FLOAT_EQ((*row)[3], 10 * last + 2) << c.What;
    }
}

// The humidity mode shows the skin's relative humidity (column 5), the sweating-rate mode the
// sweating rate (column 7), not the metabolism (4) or the blood flow (6) beside them. Each
// column holds a range of its own.
TEST(BodyFile, HumidityAndSweatingRowsComeFromTheSkinHumidityAndSweatingColumns)
{
    std::string text;
    const double rows[3][4] = {{41.5, 6.25, 72, 130}, {44.5, 5.75, 70, 115}, {43, 6.5, 74, 122}};
    for (int r = 0; r < 3; ++r) {
        const auto& v = rows[r];  // humidity, blood flow, metabolism, sweating
        text += WithField(WithField(BodyLine(0.5 * r, 33 + r, 37, v[0], v[3]), 4, std::to_string(v[2]).c_str()), 6,
                          std::to_string(v[1]).c_str());
    }
    const BodyRead read = ReadBodyText(text);
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_EQ(read.Frames[1], (FrameRow{0.5f, 34, 37, 44.5f, 115}));
    // The sweating range spans the sweating column exactly; the body widens no humidity range.
    ExpectRanges(read.Ranges, {33, 37, 10000, 0, 115, 130});
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
          head + garment + "heading\n1\t25\t50\n"}) {
        const EnvironmentRead read = ReadEnvironmentFile(dir.Write("env", text));
        EXPECT_EQ(read.Error, EnvironmentFileError) << text;
        EXPECT_TRUE(read.Data.Garments.empty() && read.Data.Stages.empty()) << text;
    }

    // The damaged line is line 2, between two sound frames that read with the line undamaged.
    const std::string middle = BodyLine(1, 34, 36.9, 42, 13);
    ASSERT_EQ(ReadBodyText(BodyLine(0, 33, 37, 41, 12) + middle + BodyLine(2, 35, 37.1, 43, 14)).FrameCount(), 3);
    for (const std::string& line : {WithField(middle, 1, "33x"), WithField(middle, 2, ""), WithField(middle, 5, "nan"),
                                    WithField(middle, 7, "0x10")}) {
        const BodyRead read = ReadBodyFile(dir.Write("body", BodyLine(0, 33, 37, 41, 12) + line + BodyLine(2, 35, 37.1, 43, 14)));
        EXPECT_EQ(read.Error, AtLine(BodyFileError, 2)) << line;
        EXPECT_TRUE(read.Frames.empty()) << line;
    }
    // Columns the player does not keep are not its concern.
    const std::string unkept = WithField(WithField(middle, 4, "abc"), 6, "1e300");
    EXPECT_TRUE(ReadBodyFile(dir.Write("body", BodyLine(0, 33, 37, 41, 12) + unkept)).Ok());

    // The damaged line is line 9, the first of a third block (a block begun is no fault).
    const std::string blocks = FabricBlocks(2, 2, 2);
    const std::string third = FabricLine(1, 0, 0, 243, 31);
    ASSERT_TRUE(ReadFabricFile(dir.Write("fabric", blocks + third), 2).Ok());
    for (const std::string& line : {WithField(third, 8, "1,5"), WithField(third, 6, ""),
                                    WithField(third, 2, "1.5"), WithField(third, 1, "thin"), WithField(third, 0, "1e7")}) {
        const FabricRead read = ReadFabricFile(dir.Write("fabric", blocks + line), 2);
        EXPECT_EQ(read.Error, AtLine(FabricFileError, 9)) << line;
        EXPECT_TRUE(read.Layers.empty()) << line;
    }
}

// The solver writes every data line of a file with the same fields: a line that lost or gained
// one would slide the later fields into the wrong columns. Line 3 is blank and counts.
TEST(ResultFiles, ALineWithAnotherTabCountThanTheFirstGivesTheFileMessageWithItsNumber)
{
    TempFolder dir;
    const std::string frame = BodyLine(1, 34.5, 36.8, 42, 13);
    const struct {
        const char* What;
        std::string Line;
        bool Sound;
    } bodyCases[] = {
        {"the skin temperature lost: the wetness would be the core temperature", WithField(frame, 1, nullptr), false},
        {"the wetness lost: the blood flow would be the skin humidity", WithField(frame, 3, nullptr), false},
        {"a field more", WithField(frame, 18, "118"), false},
        {"cut before its last TAB", frame.substr(0, frame.rfind('\t')) + "\r\n", false},
        {"the last field empty keeps the TABs", frame.substr(0, frame.rfind('\t') + 1) + "\r\n", true},
    };
    for (const auto& c : bodyCases) {
        const std::string text = BodyLine(0, 33, 37, 41, 12) + BodyLine(0.5, 34, 36.9, 41.5, 12.5) + "\r\n" + c.Line
                                 + BodyLine(1.5, 35, 37.1, 43, 14);
        const BodyRead read = ReadBodyText(text);
        if (c.Sound) {
            ASSERT_TRUE(read.Ok()) << c.What << ": " << read.Error;
            EXPECT_EQ(read.Frames[2], (FrameRow{1, 34.5f, 36.8f, 42, 13})) << c.What;
        } else {
            EXPECT_EQ(read.Error, AtLine(BodyFileError, 4)) << c.What;
            EXPECT_TRUE(read.Frames.empty()) << c.What;
        }
    }
    // The first data line sets the shape, after blank lines too: a file whose lines all lack the
    // unkept last column reads.
    std::string short17;
    for (double t : {0.0, 0.5, 1.0})
        short17 += WithField(BodyLine(t, 33 + t, 37, 41 + t, 12 + t), 17, nullptr);
    const BodyRead shortRead = ReadBodyText("\n\n" + short17);
    ASSERT_TRUE(shortRead.Ok()) << shortRead.Error;
    EXPECT_EQ(shortRead.Frames[2], (FrameRow{1, 34, 37, 42, 13}));
    EXPECT_EQ(ReadBodyText("\n\n" + short17 + BodyLine(1.5, 35, 37, 43, 14)).Error, AtLine(BodyFileError, 6));

    // Fabric rows: line 6 is layer 0 of the second block.
    const std::string row = FabricLine(0.5, 0.01, 0, 101, 30);
    for (const auto& [what, line] : std::initializer_list<std::pair<const char*, std::string>>{
             {"the concentration lost: the sorption rate would be the humidity", WithField(row, 4, nullptr)},
             {"a field more", WithField(row, 10, "7")},
             {"cut before its last TAB", row.substr(0, row.rfind('\t')) + "\n"}}) {
        std::string text = FabricBlocks(2, 2, 2);
        const std::size_t at = text.find(row);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, row.size(), line);
        const FabricRead read = ReadFabricText(text, 2);
        EXPECT_EQ(read.Error, AtLine(FabricFileError, 6)) << what;
        EXPECT_TRUE(read.Layers.empty()) << what;
    }
}

// The limits of the frame files, each on its edge and just past it: no time below 0, a time
// back by the tolerance at most, the value bound on either sign, and in "Fabrics.dat" the
// garments' layers (here 2) and a block's rows within the tolerance of its first row's time.
TEST(ResultFiles, EachLimitHoldsOnItsEdgeAndRefusesJustPastIt)
{
    const struct {
        const char* What;
        std::string Text;
        int Line;  // 0: read
    } bodyCases[] = {
        {"time 0 first", BodyLine(0, 33, 37, 41, 12) + BodyLine(2, 34, 37, 42, 13), 0},
        {"time below 0 first", BodyLine(-0.001, 33, 37, 41, 12) + BodyLine(2, 34, 37, 42, 13), 1},
        {"back by the tolerance", BodyLine(2, 33, 37, 41, 12) + BodyLine(1.999, 34, 37, 42, 13), 0},
        {"back by more", BodyLine(2, 33, 37, 41, 12) + BodyLine(1.9989, 34, 37, 42, 13), 2},
        {"a second run from 0", BodyLine(0.5, 33, 37, 41, 12) + BodyLine(1, 34, 37, 42, 13) + BodyLine(0, 35, 37, 43, 14), 3},
        {"the bound on both signs", BodyLine(0, -1e6, 37, 41, 1e6) + BodyLine(2, 34, 37, 42, 13), 0},
        {"past it below", BodyLine(0, 33, 37, 41, 12) + BodyLine(2, -1000001, 37, 42, 13), 2},
        {"past it above", BodyLine(0, 33, 37, 41, 12) + BodyLine(2, 34, 37, 42, 1000001), 2},
    };
    for (const auto& c : bodyCases) {
        const BodyRead read = ReadBodyText(c.Text);
        EXPECT_EQ(read.Error, c.Line ? AtLine(BodyFileError, c.Line) : "") << c.What;
        EXPECT_EQ(read.FrameCount(), c.Line ? 0 : 2) << c.What;
    }

    // Two blocks (0 and 0.5) of two layers of two nodes; rows replaced or put in by line number.
    const std::vector<std::string> rows = {
        FabricLine(0, 0, 0, 50, 30),   FabricLine(0, 0.01, 0, 51, 29),   FabricLine(0, 0, 1, 60, 28),
        FabricLine(0, 0.01, 1, 61, 27), FabricLine(0.5, 0, 0, 150, 26), FabricLine(0.5, 0.01, 0, 151, 25),
        FabricLine(0.5, 0, 1, 160, 24), FabricLine(0.5, 0.01, 1, 161, 23)};
    auto file = [&](int line, const std::string& row, bool insert = false) {
        std::vector<std::string> r = rows;
        if (insert)
            r.insert(r.begin() + line - 1, row);
        else
            r[static_cast<std::size_t>(line - 1)] = row;
        std::string text;
        for (const std::string& l : r)
            text += l;
        return text;
    };
    const struct {
        const char* What;
        std::string Text;
        int Line;
    } fabricCases[] = {
        {"time below 0 first", file(1, FabricLine(-0.001, 0, 0, 50, 30)), 1},
        {"back by the tolerance", file(6, FabricLine(0.499, 0.01, 0, 151, 25)), 0},
        {"back by more", file(6, FabricLine(0.4989, 0.01, 0, 151, 25)), 6},
        {"a second run from 0", file(9, FabricLine(0, 0, 0, 50, 30), true), 9},
        {"a row the tolerance after its block's first", file(8, FabricLine(0.501, 0.01, 1, 161, 23)), 0},
        {"a row more than that after it begins a block", file(8, FabricLine(0.5011, 0.01, 1, 161, 23)), 8},
        {"a layer past the garments' in the first block", file(5, FabricLine(0, 0, 2, 70, 26), true), 5},
        {"the bound on both signs", file(5, FabricLine(0.5, 0, 0, -1e6, 1e6)), 0},
        {"past it", file(5, FabricLine(0.5, 0, 0, 1000001, 26)), 5},
    };
    for (const auto& c : fabricCases) {
        const FabricRead read = ReadFabricText(c.Text, 2);
        EXPECT_EQ(read.Error, c.Line ? AtLine(FabricFileError, c.Line) : "") << c.What;
        EXPECT_EQ(read.BlockCount(), c.Line ? 0 : 2) << c.What;
    }
}

} // namespace

TEST(ResultFields, OnlyPlainNumberTextsWithinTheLimitAreValues)
{
    const std::pair<const char*, double> numbers[] = {
        {"29.5057", 29.5057}, {"  -12.5  ", -12.5}, {"+3", 3},  {".5", 0.5},      {"7.", 7},
        {"1E+03", 1000},      {"2e-3", 0.002},      {"1e-400", 0}, {"-1000000", -1e6}, {"1e6", 1e6}};
    for (const auto& [text, expected] : numbers) {
        double value = -99;
        EXPECT_TRUE(ResultField(text, value)) << text;
        EXPECT_DOUBLE_EQ(value, expected) << text;
    }
    for (const char* damage : {"", "  ", "nan", "-inf", "INF", "5abc", "1,5", "0x10", "+-1", "2e", "1e+", ".", "-",
                               "1e309", "1000001", "-1000000.1", "1 2", "1e7", "100000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"}) {
        double value = -99;
        EXPECT_FALSE(ResultField(damage, value)) << damage;
        EXPECT_EQ(value, -99) << damage;
    }
}
