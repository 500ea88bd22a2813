#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "results/io/comfortfile.h"
#include "tests/fuzz/readers.h"
#include "tests/unit/splicesweep.h"
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

TEST(ComfortClasses, EachBoundBelongsToTheClassBelowItAndJustPastItToTheNext)
{
    const struct {
        int Quantity;
        float Bound;
        const char *Below, *Above;
    } bounds[] = {
        {ThermalSensation, 23, "Cold", "Cool"},          {ThermalSensation, 45, "Cool", "Neutral"},
        {ThermalSensation, 55, "Neutral", "Warm"},       {ThermalSensation, 73, "Warm", "Hot"},
        {DampnessSensation, 22, "Dry", "Slightly Damp"}, {DampnessSensation, 47, "Slightly Damp", "Damp"},
        {DampnessSensation, 70, "Damp", "Very Damp"},    {ComfortValue, 30, "Uncomfortable", "Acceptable"},
        {ComfortValue, 78, "Acceptable", "Comfortable"},
    };
    auto name = [](int quantity, float value) {
        return std::string(ComfortClasses(quantity)[static_cast<std::size_t>(ComfortClassOf(quantity, value))].Name);
    };
    for (const auto& b : bounds) {
        EXPECT_EQ(name(b.Quantity, b.Bound), b.Below) << b.Bound;
        EXPECT_EQ(name(b.Quantity, b.Bound + 0.01f), b.Above) << b.Bound;
    }
    // Values beyond the scale count in the lowest or the highest class.
    EXPECT_EQ(name(ThermalSensation, -5), "Cold");
    EXPECT_EQ(name(ComfortValue, 150), "Comfortable");
}

TEST(ComfortConclusionsTest, PercentagesAreRoundedSharesOfTheSamples)
{
    // A sixth is 17, a third 33, a half 50, each class its own share, the highest class first;
    // one eighth (12.5) is 13. Lines the quantity has no class for stay empty.
    ComfortSeries shares;
    for (float v : {90.0f, 10.0f, 50.0f, 90.0f, 50.0f, 90.0f})
        shares.Samples.push_back({1, 0, 0, v});
    const ComfortConclusions comfort = Conclude(shares, ComfortValue);
    EXPECT_EQ(comfort[3], "Comfortable    50%");
    EXPECT_EQ(comfort[4], "Acceptable    33%");
    EXPECT_EQ(comfort[5], "Uncomfortable    17%");
    EXPECT_EQ(comfort[6], "");
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

TEST(ComfortConclusionsTest, AFileWithoutSamplesConcludesNothing)
{
    // A solver that has just started leaves such a file: no sample, no message, no percentages.
    const char* const empty[] = {"", "\n\n", "   \r\n", "4\t1\t2\t3\t4\t5\t6\t43\t33\t83"};
    for (const char* text : empty) {
        const ComfortSeries series = ParseComfortText(text);
        EXPECT_TRUE(series.Ok()) << series.Error;
        EXPECT_TRUE(series.Samples.empty());
        EXPECT_EQ(series.TimeEnd, 0);
        for (int quantity : {ThermalSensation, DampnessSensation, ComfortValue})
            for (const std::string& label : Conclude(series, quantity))
                EXPECT_EQ(label, "") << quantity << " of " << text;
    }
}

TEST(ComfortFileRead, UsedColumnsMustBeNumbersAndTheLineBeingWrittenIsNotRead)
{
    const std::string ten = Line(1, 40, 30, 80);
    const std::string last = "4\t1\t2\t3\t4\t5\t6\t43\t33\t83";  // no line end yet
    const ComfortSeries series = ParseComfortText(ten + "  \n" + Line(3, 42, 32, 82) + last);
    ASSERT_TRUE(series.Ok()) << series.Error;
    ASSERT_EQ(series.Samples.size(), 2u);
    EXPECT_EQ(series.Samples[0].Comfort, 80);
    EXPECT_EQ(series.Samples[1].Thermal, 42);
    EXPECT_EQ(series.Samples[1].Dampness, 32);
    EXPECT_EQ(series.Samples[1].Comfort, 82);
    EXPECT_EQ(series.TimeEnd, 3);
    EXPECT_TRUE(series.HasComfort);  // ten columns, the fewest that hold it

    // Each of these as the second line is damage, never a sample of zeros.
    const char* const damaged[] = {
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

TEST(ComfortFileRead, EveryLineHasTheFirstLinesFields)
{
    // Eleven columns (a column after the comfort value, not read): a line that lost a field in
    // the middle would read its time 2's fields one column to the left, 52 as the thermal value.
    const std::string first = "1\t11\t12\t13\t14\t15\t16\t41\t51\t61\t71\n";
    const std::string third = "3\t31\t32\t33\t34\t35\t36\t43\t53\t63\t73\n";
    const ComfortSeries sound = ParseComfortText(first + "2\t21\t22\t23\t24\t25\t26\t42\t52\t62\t72\n" + third);
    ASSERT_TRUE(sound.Ok()) << sound.Error;
    ASSERT_EQ(sound.Samples.size(), 3u);
    EXPECT_EQ(sound.Samples[1].Thermal, 42);
    EXPECT_EQ(sound.Samples[1].Dampness, 52);
    EXPECT_EQ(sound.Samples[1].Comfort, 62);
    EXPECT_TRUE(sound.HasComfort);

    const char* const shifted[] = {
        "2\t21\t22\t24\t25\t26\t42\t52\t62\t72\n",          // column 3 lost: nine TABs
        "2\t21\t22\t23\t24\t25\t26\t42\t52\t62\t72\t82\n",  // a field more
        "2\t21\t22\t23\t24\t25\t26\t42\t52\t62\n",          // cut before the last TAB
    };
    for (const char* line : shifted) {
        const ComfortSeries bad = ParseComfortText(first + line + third);
        EXPECT_EQ(bad.Error, "No data or incorrect format in comfort data file!\nLine 2.") << line;
        EXPECT_TRUE(bad.Samples.empty()) << line;
    }

    // The first line sets the shape, and it holds the dampness column at least: seven TABs are
    // damage at once, not a shape the later lines would have to match.
    const ComfortSeries short7 = ParseComfortText("\n1\t11\t12\t13\t14\t15\t16\t41\n");
    EXPECT_EQ(short7.Error, "No data or incorrect format in comfort data file!\nLine 2.");
}

TEST(ComfortFileRead, NineColumnsHoldBothSensationsButNoComfortValue)
{
    // The first line decides: without column 9 the sensations are still read, and only the
    // comfort value has nothing to summarize.
    const std::string nine = "1\t11\t12\t13\t14\t15\t16\t20\t60\n"
                             "2\t21\t22\t23\t24\t25\t26\t50\t80\n"
                             "4\t31\t32\t33\t34\t35\t36\t90\t10\n";
    const ComfortSeries series = ParseComfortText(nine);
    ASSERT_TRUE(series.Ok()) << series.Error;
    ASSERT_EQ(series.Samples.size(), 3u);
    EXPECT_FALSE(series.HasComfort);
    EXPECT_TRUE(series.Holds(ThermalSensation));
    EXPECT_TRUE(series.Holds(DampnessSensation));
    EXPECT_FALSE(series.Holds(ComfortValue));
    EXPECT_EQ(series.TimeEnd, 4);

    const ComfortConclusions thermal = Conclude(series, ThermalSensation);
    EXPECT_EQ(thermal[1], "4 min.");  // 90 at time 4
    EXPECT_EQ(thermal[2], "1 min.");  // 20 at time 1
    EXPECT_EQ(thermal[3], "Hot    33%");
    const ComfortConclusions dampness = Conclude(series, DampnessSensation);
    EXPECT_EQ(dampness[1], "2 min.");  // 80 at time 2
    EXPECT_EQ(dampness[2], "4 min.");  // 10 at time 4
    EXPECT_EQ(dampness[3], "Very Damp    33%");
    // Not a chart of zeros ("Uncomfortable    100%"): nothing at all.
    const ComfortSummary comfort = SummarizeComfort(series, ComfortValue);
    EXPECT_FALSE(comfort.HasSamples);
    for (const std::string& label : MakeComfortConclusions(comfort, ComfortValue))
        EXPECT_EQ(label, "");

    // A line of ten columns among nine is damage like any other shape.
    EXPECT_EQ(ParseComfortText(nine + Line(5, 40, 30, 70)).Error,
              "No data or incorrect format in comfort data file!\nLine 4.");
}

TEST(ComfortFileRead, TimeMayStayButNotGoBack)
{
    struct Case {
        double Next;
        bool Sound;
    };
    const Case cases[] = {{10, true}, {9.999, true}, {10.5, true}, {9.9989, false}, {2, false}};
    for (const Case& c : cases) {
        const ComfortSeries series = ParseComfortText(Line(4, 20) + Line(10, 30) + Line(c.Next, 40) + Line(12, 50));
        if (c.Sound) {
            EXPECT_TRUE(series.Ok()) << c.Next << ": " << series.Error;
            EXPECT_EQ(series.Samples.size(), 4u) << c.Next;
        } else {
            EXPECT_EQ(series.Error, "No data or incorrect format in comfort data file!\nLine 3.") << c.Next;
            EXPECT_TRUE(series.Samples.empty()) << c.Next;
        }
    }

    // The wearing time starts at 0: the first time (after a blank line) is not below it, and "-0"
    // is 0, not a lowest sensation at "-0 min.".
    const struct {
        const char* First;
        const char* LowestAt;  // empty: refused
    } firsts[] = {{"-0", "0 min."}, {"0.0005", "0.0005 min."}, {"-0.0005", ""}, {"-5", ""}};
    for (const auto& f : firsts) {
        const ComfortSeries series =
            ParseComfortText("\n" + std::string(f.First) + "\t1\t2\t3\t4\t5\t6\t21\t31\t81\n" + Line(7, 62, 32, 82));
        if (*f.LowestAt) {
            ASSERT_TRUE(series.Ok()) << f.First << ": " << series.Error;
            EXPECT_EQ(Conclude(series, ThermalSensation)[2], f.LowestAt) << f.First;
        } else {
            EXPECT_EQ(series.Error, "No data or incorrect format in comfort data file!\nLine 2.") << f.First;
            EXPECT_TRUE(series.Samples.empty()) << f.First;
        }
    }
}

TEST(ComfortFileRead, LinesEndInLfOrCrLfAndCrAloneIsDamage)
{
    // A file whose lines end in CR alone holds no LF: read as one line still being written it
    // would chart nothing without a word. A CR as the very last byte may be the first half of a
    // CR LF being written, and the first line then is not read yet, as without any line end.
    const std::string cr = "1\t1\t2\t3\t4\t5\t6\t41\t31\t81\r2\t1\t2\t3\t4\t5\t6\t42\t32\t82";
    const struct {
        std::string Text;
        bool Refused;
    } cases[] = {
        {cr + "\r", true},
        {cr, true},
        {cr.substr(0, cr.find('\r') + 2), true},  // one byte after the first CR
        {cr.substr(0, cr.find('\r') + 1), false},
    };
    for (const auto& c : cases) {
        const ComfortSeries series = ParseComfortText(c.Text);
        EXPECT_EQ(series.Error, c.Refused ? "No data or incorrect format in comfort data file!\nLine 1." : "") << c.Text;
        EXPECT_TRUE(series.Samples.empty()) << c.Text;
    }
    // With its line ends CR LF the same file reads.
    std::string lines = cr + "\r\n";
    lines.insert(lines.find('\r') + 1, 1, '\n');
    const ComfortSeries crlf = ParseComfortText(lines);
    ASSERT_TRUE(crlf.Ok()) << crlf.Error;
    ASSERT_EQ(crlf.Samples.size(), 2u);
    EXPECT_EQ(crlf.Samples[1].Comfort, 82);
}

TEST(ComfortFileRead, ASplicedLineIsRefusedOrReadsAsTheWholeFile)
{
    const CutFileKind* kind = nullptr;
    for (const CutFileKind& k : CutFileKinds())
        if (std::string(k.Name) == "Comfort.dat")
            kind = &k;
    ASSERT_NE(kind, nullptr);
    // The evaluation's ten columns; nine (no comfort value) and eleven (one not read), with
    // every field its own.
    const std::string nine = "0.5\t11\t12\t13\t14\t15\t16\t40.25\t30.5\n"
                             "1\t21\t22\t23\t24\t25\t26\t41.25\t31.5\n"
                             "1.5\t31\t32\t33\t34\t35\t36\t42.25\t32.5\n";
    const std::string eleven = "0.5\t11\t12\t13\t14\t15\t16\t40.25\t30.5\t80.75\t91\n"
                               "1\t21\t22\t23\t24\t25\t26\t41.25\t31.5\t81.75\t92\n"
                               "1.5\t31\t32\t33\t34\t35\t36\t42.25\t32.5\t82.75\t93\n";
    for (std::string valid : {std::string(kind->ValidFile), nine, eleven})
        for (bool crlf : {false, true}) {
            if (crlf)
                for (std::size_t at = valid.find('\n'); at != std::string::npos; at = valid.find('\n', at + 2))
                    valid.insert(at, 1, '\r');
            EXPECT_EQ(SweepSplices(valid, kind->Read), "") << valid;
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
    // Rewritten with the same length: only its time tells.
    const auto written = std::filesystem::last_write_time(file);
    folder.Write("Comfort.dat", Line(3, 70) + Line(4, 80));
    std::filesystem::last_write_time(file, written + std::chrono::seconds(2));
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Changed);
    EXPECT_EQ(watch.Series().TimeEnd, 4);
    // Gone: nothing of it is left to chart, and written again as it was it is news.
    std::filesystem::remove(file);
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Missing);
    EXPECT_FALSE(watch.Found());
    EXPECT_TRUE(watch.Series().Samples.empty());
    folder.Write("Comfort.dat", Line(1, 40) + Line(2, 60));
    EXPECT_EQ(watch.Load(file), ComfortFileWatch::Changed);
}

} // namespace
