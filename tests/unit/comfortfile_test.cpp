#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/io/comfortfile.h"
#include "tests/unit/tempfolder.h"

namespace {

// A ten-column line: time, six signals of 0, thermal, dampness, comfort.
std::string Line(double time, double thermal, double dampness = 0, double comfort = 0)
{
    return std::to_string(time) + "\t1\t2\t3\t4\t5\t6\t" + std::to_string(thermal) + "\t" +
           std::to_string(dampness) + "\t" + std::to_string(comfort) + "\n";
}

ComfortSeries Thermal(const std::vector<float>& values)
{
    ComfortSeries series;
    for (std::size_t i = 0; i < values.size(); ++i)
        series.Samples.push_back({static_cast<float>(i + 1), values[i], 0, 0});
    series.TimeEnd = series.Samples.empty() ? 0 : series.Samples.back().Time;
    return series;
}

ComfortConclusions Conclude(const ComfortSeries& series, int quantity)
{
    return MakeComfortConclusions(SummarizeComfort(series, quantity), quantity);
}

TEST(ComfortClasses, BoundsBelongToTheLowerClass)
{
    struct Case {
        int Quantity;
        float Value;
        const char* Class;
    };
    const Case cases[] = {
        {ThermalSensation, 23, "Cold"},     {ThermalSensation, 23.01f, "Cool"},
        {ThermalSensation, -5, "Cold"},     {ThermalSensation, 150, "Hot"},
        {DampnessSensation, 70, "Damp"},    {ComfortValue, 78, "Acceptable"},
    };
    for (const Case& c : cases) {
        const int k = ComfortClassOf(c.Quantity, c.Value);
        EXPECT_STREQ(ComfortClasses(c.Quantity)[static_cast<std::size_t>(k)].Name, c.Class) << c.Value;
    }
}

TEST(ComfortConclusionsTest, PercentagesAreRoundedSharesOfTheSamples)
{
    // One third each is 33; one eighth (12.5) is 13. Lines the quantity has no class for stay empty.
    ComfortSeries thirds;
    for (float v : {10.0f, 50.0f, 90.0f})
        thirds.Samples.push_back({1, 0, 0, v});
    const ComfortConclusions comfort = Conclude(thirds, ComfortValue);
    EXPECT_EQ(comfort[3], "Comfortable    33%");
    EXPECT_EQ(comfort[7], "");
    const ComfortConclusions eighth = Conclude(Thermal({90, 10, 10, 10, 10, 10, 10, 10}), ThermalSensation);
    EXPECT_EQ(eighth[3], "Hot    13%");
    EXPECT_EQ(eighth[7], "Cold    88%");
}

TEST(ComfortConclusionsTest, ExtremesNameTheirFirstOccurrence)
{
    const ComfortConclusions labels = Conclude(Thermal({40, 70, 20, 70, 20, 50}), ThermalSensation);
    EXPECT_EQ(labels[0], "6 min.");
    EXPECT_EQ(labels[1], "2 min.");  // 70 first at time 2
    EXPECT_EQ(labels[2], "3 min.");  // 20 first at time 3
}

TEST(ComfortConclusionsTest, NoSamplesGiveEmptyTimesAndZeroPercentages)
{
    const ComfortSeries empty = ParseComfortText("");
    EXPECT_EQ(empty.TimeEnd, 0);
    const ComfortConclusions labels = Conclude(empty, ThermalSensation);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(labels[i], "") << i;
    EXPECT_EQ(labels[3], "Hot    0%");
    EXPECT_EQ(labels[7], "Cold    0%");
}

TEST(ComfortFileRead, UsedColumnsMustBeNumbersAndTheLineBeingWrittenIsNotRead)
{
    const std::string ten = Line(1, 40, 30, 80);
    const std::string eleven = "3\t1\t2\t3\t4\t5\t6\t42\t32\t82\t9\r\n";  // a column more is not read
    const std::string last = "4\t1\t2\t3\t4\t5\t6\t43\t33\t83";        // no line end yet
    const ComfortSeries series = ParseComfortText(ten + "  \n" + eleven + last);
    ASSERT_TRUE(series.Ok()) << series.Error;
    ASSERT_EQ(series.Samples.size(), 2u);
    EXPECT_EQ(series.Samples[0].Comfort, 80);
    EXPECT_EQ(series.Samples[1].Thermal, 42);
    EXPECT_EQ(series.Samples[1].Dampness, 32);
    EXPECT_EQ(series.Samples[1].Comfort, 82);
    EXPECT_EQ(series.TimeEnd, 3);

    // Each of these as the second line is damage, never a sample of zeros.
    const char* const damaged[] = {
        "2\t1\t2\t3\t4\t5\t6\t41\t31\n",            // no comfort column
        "2\t1\t2\t3\t4\t5\t6\t5abc\t31\t81\n",      // trailing text
        "\t1\t2\t3\t4\t5\t6\t41\t31\t81\n",         // empty time
        "2\t1\t2\t3\t4\t5\t6\t41\t31\tnan\n",
        "2\t1\t2\t3\t4\t5\t6\t41\t1,5\t81\n",
        "a comment without any field separator\n",
    };
    for (const char* line : damaged) {
        const ComfortSeries bad = ParseComfortText(ten + line + ten);
        EXPECT_EQ(bad.Error, "No data or incorrect format in comfort data file!\nLine 2.") << line;
        EXPECT_TRUE(bad.Samples.empty()) << line;
    }
}

TEST(ComfortFileRead, TheWatchSeesARewrittenFile)
{
    TempFolder folder;
    const auto file = folder.Path() / "Comfort.dat";
    ComfortFileWatch watch;
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Missing);
    folder.Write("Comfort.dat", Line(1, 40));
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Changed);
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Unchanged);
    folder.Write("Comfort.dat", Line(1, 40) + Line(2, 60));
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Changed);
    EXPECT_EQ(watch.Series().Samples.size(), 2u);
}

} // namespace
