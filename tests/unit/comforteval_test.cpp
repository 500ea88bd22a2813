#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "casemodel/firingrate.h"
#include "casemodel/numformat.h"
#include "casemodel/textfile.h"
#include "results/io/comforteval.h"
#include "results/io/comfortfile.h"
#include "tests/unit/tempfolder.h"

namespace fs = std::filesystem;

namespace {

template <class F>
ComfortRecord MakeRecord(F entry)
{
    ComfortRecord r;
    for (std::size_t i = 0; i < ComfortRecordEntries; ++i)
        entry(i, r.Time[i], r.SkinTemperature[i], r.CoreTemperature[i], r.Moisture[i]);
    return r;
}

// The record of the worked example: skin 35, core 37, moisture 0.5 at the last entry. The other
// entries' times and moisture values differ, since only the last entry's are to be used.
ComfortRecord SteadyRecord()
{
    return MakeRecord([](std::size_t i, double& a, double& tsk, double& tcr, double& h) {
        a = 0.5 * static_cast<double>(i + 1);
        tsk = 35;
        tcr = 37;
        h = i == ComfortRecordEntries - 1 ? 0.5 : 3.0;
    });
}

std::string Evaluated(const FiringRateCoefficients& rates, const ComfortRecord& record)
{
    return ComfortLine(record.Time[ComfortRecordEntries - 1], FuzzyComfortEvaluation(rates, record));
}

// The columns as the output writes them, for the expectations below.
std::string Line(const std::vector<const char*>& columns)
{
    std::string line;
    for (const char* c : columns)
        line += (line.empty() ? "" : "\t") + std::string(c);
    return line + "\n";
}

// A record as the solver writes it: four fields, each followed by a TAB.
std::string RecordText(const ComfortRecord& r)
{
    std::string text;
    for (std::size_t i = 0; i < ComfortRecordEntries; ++i)
        text += FormatG6(r.Time[i]) + "\t" + FormatG6(r.SkinTemperature[i]) + "\t" +
                FormatG6(r.CoreTemperature[i]) + "\t" + FormatG6(r.Moisture[i]) + "\t\n";
    return text;
}

const char* const Header = "time\tTsk\tTcr\tH\t\n";

// The text with a line put in after its first lines.
std::string Insert(const std::string& text, int lines, const std::string& line)
{
    std::size_t at = 0;
    for (int n = 0; n < lines; ++n)
        at = text.find('\n', at) + 1;
    return text.substr(0, at) + line + text.substr(at);
}

std::string Contents(const fs::path& file)
{
    std::string text;
    EXPECT_TRUE(ReadWholeFile(file.string(), text)) << file;
    return text;
}

// Expected texts of columns 7 to 9 come from a separate implementation of the rules (not this
// code); columns 1 to 6 are sums that can be checked by hand, as noted.
TEST(FuzzyComfortEvaluation, RecordsGiveTheirPrintedColumns)
{
    // Coefficients of the case, not the defaults: slot j is 0.05 (j + 1), negative when j % 3 == 0.
    FiringRateCoefficients own;
    for (int j = 0; j < FiringRateSlotCount; ++j)
        own[j] = 0.05 * (j + 1) * (j % 3 == 0 ? -1 : 1);
    // Skin 10, 12, .., 48 (slope 2, which enters the dynamic terms) meets every skin range and its
    // borders 24, 30, 40 and 44: Wsk = (-0.05 x 210 + 6 x 0.95) + (0.1 x 86 + 2 x 0.1) = 4.
    // The core meets every core range, the borders 28, 34.5, 40.5 and 43, and values outside.
    const double core[ComfortRecordEntries] = {21, 22, 25, 28, 30, 34.5, 36, 40.5, 42, 43,
                                               44, 20, 27.9, 28.1, 34.4, 34.6, 40.4, 40.6, 42.9, 0};
    const ComfortRecord ranges = MakeRecord([&](std::size_t i, double& a, double& tsk, double& tcr, double& h) {
        a = 100;
        tsk = 10 + 2 * static_cast<double>(i);
        tcr = core[i];
        h = 0.3;
    });
    // Skin 20 and core 30: Csk = 20 (0.47 x 20 - 1.07) = 166.6, Kc = 20 (-1.04 x 30 + 45.63) = 288.6;
    // cold signals and equal ones take the cold branch.
    const ComfortRecord cold = MakeRecord([](std::size_t, double& a, double& tsk, double& tcr, double& h) {
        a = 2;
        tsk = 20;
        tcr = 30;
        h = 0.8;
    });
    // So wet that every dampness membership is 0: "comfortable" and "acceptable" get strength 0
    // and the index is the centroid of "uncomfortable" alone; with a sensation far off every scale
    // too, all three strengths are 0 and the index is 0.
    ComfortRecord wet = SteadyRecord();
    wet.Moisture[ComfortRecordEntries - 1] = 1e300;
    FiringRateCoefficients far = DefaultFiringRates();
    far[0] = 1e6;
    const struct {
        FiringRateCoefficients Rates;
        ComfortRecord Record;
        std::vector<const char*> Columns;
    } cases[] = {
        {DefaultFiringRates(), SteadyRecord(),
         {"1.000000E+01", "9.080000E+01", "2.102000E+02", "6.920000E+01", "1.430000E+02", "1.982600E+02",
          "1.356200E+02", "9.000276E+01", "9.846510E+01", "5.273344E+01"}},
        {own, ranges,
         {"1.000000E+02", "4.000000E+00", "6.724000E+01", "-3.225000E+01", "4.952500E+01", "6.091600E+01",
          "4.134750E+01", "9.791258E+01", "1.000000E+02", "1.616922E+01"}},
        {DefaultFiringRates(), cold,
         {"2.000000E+00", "0.000000E+00", "1.246000E+02", "1.666000E+02", "2.886000E+02", "1.121400E+02",
          "2.764000E+02", "9.999999E+01", "9.999993E+01", "1.496231E+01"}},
        // Every field 0: no signal at all, equal totals, V = 519.87 and W = 22.188.
        {DefaultFiringRates(), ComfortRecord{},
         {"0.000000E+00", "0.000000E+00", "0.000000E+00", "0.000000E+00", "0.000000E+00", "0.000000E+00",
          "0.000000E+00", "1.132232E-02", "5.270128E+01", "2.840621E+01"}},
        {DefaultFiringRates(), wet,
         {"1.000000E+01", "9.080000E+01", "2.102000E+02", "6.920000E+01", "1.430000E+02", "1.982600E+02",
          "1.356200E+02", "9.000276E+01", "0.000000E+00", "2.500000E+01"}},
        {far, wet,
         {"1.000000E+01", "6.999993E+08", "2.102000E+02", "6.920000E+01", "1.430000E+02", "7.000012E+07",
          "1.356200E+02", "0.000000E+00", "0.000000E+00", "0.000000E+00"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Evaluated(c.Rates, c.Record), Line(c.Columns)) << &c - cases;
}

TEST(ComfortInput, FieldsEndAtTabsOrLineEndsAndBadTextIsDamage)
{
    const std::string tabbed = std::string(Header) + RecordText(SteadyRecord());
    // The same record with CR LF line ends, blanks around the numbers and no TAB after the last field.
    std::string bare = "time\tTsk\tTcr\tH\r\n";
    for (int i = 1; i <= ComfortRecordEntries; ++i)
        bare += " " + FormatG6(0.5 * i) + " \t35\t 37\t" + (i == ComfortRecordEntries ? "0.5" : "3") + "\r\n";
    const ParsedComfortInput a = ParseComfortInput(tabbed);
    const ParsedComfortInput b = ParseComfortInput(bare);
    ASSERT_EQ(a.Records.size(), 1u);
    ASSERT_EQ(b.Records.size(), 1u);
    EXPECT_EQ(Evaluated(DefaultFiringRates(), b.Records[0]), Evaluated(DefaultFiringRates(), a.Records[0]));

    // A missing field, refused text or an out-of-range number in any line of a record, the
    // incomplete last one too, is damage at that line.
    const char* const bad[] = {"", "\t\t\t\t", "1\t35\t37\t", "1e999\t35\t37\t1\t", "1\tinf\t37\t1\t",
                               "1\t35abc\t37\t1\t", "1\t35\t37,5\t1\t", "1\t35\t37\t.\t"};
    const std::string record = RecordText(SteadyRecord());
    for (const char* line : bad) {
        const std::string text = std::string(Header) + record + "1\t35\t37\t1\t\n" + line + "\n1\t35\t37\t1\t\n";
        const ParsedComfortInput damaged = ParseComfortInput(text);
        EXPECT_EQ(damaged.DamagedLine, 23) << line;
        EXPECT_TRUE(damaged.Records.empty()) << line;
    }
}

TEST(ComfortInput, EveryLineHasTheFirstDataLinesFields)
{
    // Two records whose entries all differ, so that a shifted boundary or column shows.
    const ComfortRecord first = MakeRecord([](std::size_t i, double& a, double& tsk, double& tcr, double& h) {
        a = 1 + static_cast<double>(i);
        tsk = 30 + 0.25 * static_cast<double>(i);
        tcr = 36 + 0.05 * static_cast<double>(i);
        h = 0.55 + 0.01 * static_cast<double>(i);
    });
    ComfortRecord second = first;
    for (double& a : second.Time)
        a += 20;
    second.Moisture[ComfortRecordEntries - 1] = 0.875;
    const std::string sound = std::string(Header) + RecordText(first) + RecordText(second);
    ASSERT_EQ(ParseComfortInput(sound).Records.size(), 2u);

    // The last entry of the second record (line 41) as written, and the same line cut before its
    // last TAB: read as it stood, 0.87 would be taken for the record's moisture.
    const std::string last = "40\t34.75\t36.95\t0.875\t\n";
    ASSERT_EQ(sound.substr(sound.size() - last.size()), last);
    const std::string beforeLast = sound.substr(0, sound.size() - last.size());
    struct Case {
        std::string Text;
        int Line;
    } cases[] = {
        {beforeLast + "40\t34.75\t36.95\t0.87\n", 41},
        // A partial line among the first record's would shift every later record boundary.
        {Insert(sound, 2, "1\t30\t36\t0.55\n"), 3},
        {Insert(sound, 3, "2\t30.25\t0.56\t\n"), 4},              // a field lost in the middle
        {beforeLast + "40\t34.75\t36.95\t0.875\t7\t\n", 41},  // a field more
    };
    for (const Case& c : cases) {
        const ParsedComfortInput damaged = ParseComfortInput(c.Text);
        EXPECT_EQ(damaged.DamagedLine, c.Line) << c.Text;
        EXPECT_TRUE(damaged.Records.empty()) << c.Text;
    }

    // The first line after the header sets the shape: without the trailing TABs every line is
    // without them, and one line with its TAB among them is damage.
    std::string bare = sound;
    for (std::size_t at; (at = bare.find("\t\n")) != std::string::npos;)
        bare.erase(at, 1);
    const ParsedComfortInput read = ParseComfortInput(bare);
    ASSERT_EQ(read.Records.size(), 2u);
    EXPECT_EQ(read.Records[1].Moisture[ComfortRecordEntries - 1], 0.875);
    EXPECT_EQ(ParseComfortInput(Insert(bare, 10, "41\t35\t37\t0.5\t\n")).DamagedLine, 11);
    // The header is no data line, and the first data line holds the four fields at least.
    EXPECT_EQ(ParseComfortInput("time\tTsk\n1\t30\t36\n").DamagedLine, 2);
}

class ComfortFile : public ::testing::Test {
protected:
    TempFolder Folder;
    fs::path Output() const { return Folder.Path() / "comfort.dat"; }
};

TEST_F(ComfortFile, WritesOneLinePerCompleteRecord)
{
    ComfortRecord second = SteadyRecord();
    second.Time[ComfortRecordEntries - 1] = 20;
    second.CoreTemperature.fill(30);
    const std::string twoRecords = std::string(Header) + RecordText(SteadyRecord()) + RecordText(second);
    const std::string expected = Evaluated(DefaultFiringRates(), SteadyRecord()) +
                                 Evaluated(DefaultFiringRates(), second);

    // The input's name in any letter case; blank lines at the end are no record.
    Folder.Write("bodydataforcomfort.DAT", twoRecords + "\n\n");
    ComfortEvaluation result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    EXPECT_TRUE(result.Ok()) << result.Message;
    EXPECT_EQ(Contents(Output()), expected);

    // A third record one entry short is dropped; the first two are written.
    const std::string third = RecordText(SteadyRecord());
    Folder.Write("bodydataforcomfort.DAT", twoRecords + third.substr(0, third.rfind('\n', third.size() - 2) + 1));
    result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    EXPECT_TRUE(result.Ok()) << result.Message;
    EXPECT_EQ(Contents(Output()), expected);

    // A header alone empties the old output.
    Folder.Write("bodydataforcomfort.DAT", Header);
    EXPECT_TRUE(EvaluateComfortFolder(Folder.Path(), DefaultFiringRates()).Ok());
    EXPECT_EQ(Contents(Output()), "");
}

// The solver's own comfort file (any letter case) is rewritten in place; a linked output has its
// target replaced, the link kept.
TEST_F(ComfortFile, TheSolversComfortFileOrALinksTargetIsTheOneRewritten)
{
    Folder.Write(ComfortInputName, std::string(Header) + RecordText(SteadyRecord()));
    const fs::path solvers = Folder.Write("Comfort.dat", "old\n");
    ComfortEvaluation result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    ASSERT_TRUE(result.Ok()) << result.Message;
    EXPECT_EQ(result.Output, solvers);
    EXPECT_EQ(Contents(solvers), Evaluated(DefaultFiringRates(), SteadyRecord()));
    EXPECT_FALSE(fs::exists(Output()));
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder.Path()), fs::directory_iterator()), 2);

    fs::remove(solvers);
    fs::create_directory(Folder.Path() / "kept");
    const fs::path target = Folder.Write("kept/comfort.dat", "old\n");
    fs::create_symlink("kept/comfort.dat", Output());
    result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    ASSERT_TRUE(result.Ok()) << result.Message;
    EXPECT_TRUE(fs::is_symlink(Output()));
    EXPECT_EQ(Contents(target), Evaluated(DefaultFiringRates(), SteadyRecord()));
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder.Path() / "kept"), fs::directory_iterator()), 1);
}

TEST_F(ComfortFile, AMissingOrDamagedInputOrAFailedWriteIsReportedAndKeepsTheOldFile)
{
    ComfortEvaluation result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    EXPECT_EQ(result.Message, "the file BodyDataForComfort.dat does not exist!");
    EXPECT_FALSE(fs::exists(Output()));
    fs::create_directory(Folder.Path() / ComfortInputName);  // a folder is no input file
    EXPECT_EQ(EvaluateComfortFolder(Folder.Path(), DefaultFiringRates()).Message, ComfortInputMissing);
    EXPECT_FALSE(fs::exists(Output()));
    fs::remove(Folder.Path() / ComfortInputName);

    std::string text = std::string(Header) + RecordText(SteadyRecord());
    Folder.Write("comfort.dat", "old\n");
    Folder.Write(ComfortInputName, std::string(text).replace(text.find("\t35\t", text.find('\n', text.find('\n') + 1)), 4, "\t35x"));
    EXPECT_EQ(EvaluateComfortFolder(Folder.Path(), DefaultFiringRates()).Message,
              "No data or incorrect format in BodyDataForComfort.dat!\nLine 3.");  // the damage is in line 3
    EXPECT_EQ(Contents(Output()), "old\n");

    Folder.Write(ComfortInputName, text);
    // No file may grow: the write fails as on a full disk (even for the superuser).
    struct rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    result = EvaluateComfortFolder(Folder.Path(), DefaultFiringRates());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.Message, "The file comfort.dat cannot be written!");
    EXPECT_EQ(Contents(Output()), "old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder.Path()), fs::directory_iterator()), 2);
}

TEST(ComfortChart, ReadsTheEvaluatedColumnsBack)
{
    const ComfortColumns expected = FuzzyComfortEvaluation(DefaultFiringRates(), SteadyRecord());
    const ComfortSeries series = ParseComfortText(Evaluated(DefaultFiringRates(), SteadyRecord()));
    ASSERT_EQ(series.Samples.size(), 1u);
    const ComfortSample& s = series.Samples[0];
    EXPECT_NEAR(s.Thermal, expected[6], 1e-4);
    EXPECT_NEAR(s.Dampness, expected[7], 1e-4);
    EXPECT_NEAR(s.Comfort, expected[8], 1e-4);
}

} // namespace
