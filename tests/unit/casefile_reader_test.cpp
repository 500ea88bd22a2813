#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casemodel/textfile.h"
#include "tests/unit/casefile_cases.h"

namespace {

std::vector<std::string> Texts(std::string_view line)
{
    std::vector<std::string> out;
    for (std::string_view v : SplitDollarValues(line))
        out.emplace_back(v);
    return out;
}

// Joins lines with CR LF, as the writer ends them.
std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

TEST(SplitDollarValues, CutsTheTextsBetweenPairsAndIgnoresAnUnpairedTail)
{
    EXPECT_EQ(Texts("Density: $1.5$ DynaViscosity: $$ SpecHeat: $ 2x$"),
              (std::vector<std::string>{"1.5", "", " 2x"}));
    EXPECT_EQ(Texts("no values"), std::vector<std::string>{});
    EXPECT_EQ(Texts("a $1$ b $2"), std::vector<std::string>{"1"});
    EXPECT_EQ(Texts("$a$$b$"), (std::vector<std::string>{"a", "b"}));
}

TEST(CaseFileReader, TheSavedFileAndARichCaseLoadBackAndSaveToTheSameBytes)
{
    const std::string golden = GoldenFile("case_saved.sdf");
    CaseFixture saved = FreshCase();
    ASSERT_TRUE(LoadText(golden, saved));
    EXPECT_EQ(saved.Text(), golden);

    const CaseFixture rich = RichCase();
    const std::string written = rich.Text();
    CaseFixture loaded = FreshCase();
    ASSERT_TRUE(LoadText(written, loaded));
    EXPECT_EQ(loaded.Text(), written);

    // References point into the loaded lists, not at copies.
    const FabricType& treated = *loaded.Model.Fabrics[1];
    EXPECT_EQ(treated.Fibers[1], loaded.Model.Fibers[1]);
    EXPECT_EQ(treated.Membranes[0], loaded.Model.Membranes[0]);
    EXPECT_EQ(loaded.Model.Layers.Rows[1].Layers[0], loaded.Model.Fabrics[1]);
    EXPECT_EQ(loaded.Model.Layers.Rows[2].Layers[5], loaded.Model.Fabrics[2]);
    EXPECT_TRUE(loaded.Model.Fabrics[0]->Pcm.Name.empty());
}

TEST(CaseFileReader, LoadingFillsTheDialogArraysAndTheStageSideLists)
{
    CaseFixture loaded = FreshCase();
    ASSERT_TRUE(LoadText(RichCase().Text(), loaded));
    const CaseModel& m = loaded.Model;
    EXPECT_EQ(m.Environment.StageCount, 4);
    EXPECT_DOUBLE_EQ(m.Activity.MetabolicRate[1], 120);
    EXPECT_DOUBLE_EQ(m.Environment.Temperature[1], -5);
    EXPECT_DOUBLE_EQ(m.Environment.RH[3], 50);  // OuterRH 0.5 as percent
    ASSERT_EQ(m.ContactFlags.size(), 4u);
    EXPECT_TRUE(m.ContactFlags[2][5]);
    ASSERT_EQ(m.OuterEnvironments.size(), 4u);
    EXPECT_DOUBLE_EQ(m.OuterEnvironments[1].T, -5 + KelvinOffset);
    EXPECT_FALSE(m.StagesDirty);
    EXPECT_TRUE(m.BoundaryDefined && m.StagesShown && m.ControlDefined && m.ClothingDefined);
}

TEST(CaseFileReader, LongLinesAndCrLfOrLfEndingsReadWhole)
{
    CaseFixture rich = RichCase();
    for (double* v : {&rich.Model.Body.T_sk, &rich.Model.Body.T_cr, &rich.Model.Body.abs_sk, &rich.Model.Body.k_b,
                      &rich.Model.Body.RH_sk})
        *v = -1.23456e-123;
    const std::string written = rich.Text();
    const std::size_t at = written.find("Skin Temperature");
    ASSERT_GT(written.find("\r\n", at) - at, 100u);

    std::string lf = written;
    for (std::size_t p = lf.find("\r\n"); p != std::string::npos; p = lf.find("\r\n", p))
        lf.erase(p, 1);
    for (const std::string& text : {written, lf}) {
        CaseFixture loaded = FreshCase();
        ASSERT_TRUE(LoadText(text, loaded));
        EXPECT_EQ(loaded.Text(), written);
    }
}

TEST(CaseFileReader, ShortLinesGiveZeroAndLenientNumbersConvert)
{
    CaseLineReader in(Lines({"fluid types: $2$", "fluid type0 $Gas$", "Density: $ 12.5abc$ DynaViscosity: $$",
                             "SurfaceTension: $1$ DiffuseCoeff: $2$ TherConductivity: $3$", "fluid type1 $$",
                             "Density: $4$", "SurfaceTension: $$"}));
    CaseFileContents file;
    ReadFluidSection(in, file);
    ASSERT_EQ(file.Fluids.size(), 2u);
    EXPECT_DOUBLE_EQ(file.Fluids[0]->Density, 12.5);
    EXPECT_DOUBLE_EQ(file.Fluids[0]->DynaViscosity, 0);
    EXPECT_DOUBLE_EQ(file.Fluids[0]->SpecHeat, 0);
    EXPECT_EQ(file.Fluids[1]->Name, "");
    EXPECT_DOUBLE_EQ(file.Fluids[1]->Density, 4);
    // Not the 2 and 3 that the previous line held in those places.
    EXPECT_DOUBLE_EQ(file.Fluids[1]->DiffuseCoeff, 0);
    EXPECT_DOUBLE_EQ(file.Fluids[1]->TherConductivity, 0);
}

TEST(CaseFileReader, EmptySectionsLeaveTheirListsEmptyAndABodylessFileKeepsTheBody)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Body.Height = 181;
    const std::string text = Lines({"whether define body: $0$", "fluid types: $0$", "fiber types: $0$",
                                    "Membrane types: $0$", "fabric types: $0$", "Garment Number: $0$",
                                    "Stage count: $0$", "TimeStep: $0.0002$ Savefrequence: $60$ SweatAccumu: $150$",
                                    "fabric thickness grid : $5$", "fabric radius: $8$"});
    CaseFileContents file;
    ASSERT_TRUE(ParseCaseFile(text, file, false));
    EXPECT_FALSE(file.MembranesListed);
    ASSERT_TRUE(LoadText(text, c));
    EXPECT_DOUBLE_EQ(c.Model.Body.Height, 181);
    EXPECT_TRUE(c.Model.Fluids.empty());
    ASSERT_EQ(c.Model.Membranes.size(), 1u);
    EXPECT_EQ(c.Model.Membranes[0]->Name, "OP");
    EXPECT_TRUE(c.Model.StagesDirty);  // no stages read: the next save builds them
}

TEST(CaseFileReader, MembranesKeepTheirSidesAndTheListGetsAnOP)
{
    std::string text = RichCase().Text();
    // No "OP" in the file's list: one is appended last.
    CaseFixture rich = RichCase();
    rich.Model.Membranes.pop_back();
    for (auto& f : rich.Model.Fabrics)
        f->Membranes = {rich.Model.Membranes[0]};
    rich.Model.Fabrics[2]->Membranes.clear();
    CaseFixture loaded = FreshCase();
    ASSERT_TRUE(LoadText(rich.Text(), loaded));
    ASSERT_EQ(loaded.Model.Membranes.size(), 2u);
    EXPECT_EQ(loaded.Model.Membranes[1]->Name, "OP");
    // One membrane: it and "OP"; none: "OP" twice.
    EXPECT_EQ(loaded.Model.Fabrics[0]->Membranes[0]->Name, "Goretex");
    EXPECT_EQ(loaded.Model.Fabrics[0]->Membranes[1]->Name, "OP");
    ASSERT_EQ(loaded.Model.Fabrics[2]->Membranes.size(), 2u);
    EXPECT_EQ(loaded.Model.Fabrics[2]->Membranes[0], loaded.Model.Membranes[1]);
    EXPECT_EQ(loaded.Model.Fabrics[2]->Membranes[1], loaded.Model.Membranes[1]);

    // An unknown inner membrane becomes "OP" in its own place; the outer one stays outer.
    text = Replace(text, "Membrane0: $OP$\r\nMembrane1: $Goretex$", "Membrane0: $Sympatex$\r\nMembrane1: $Goretex$");
    CaseFixture sides = FreshCase();
    ASSERT_TRUE(LoadText(text, sides));
    EXPECT_EQ(sides.Model.Fabrics[2]->Membranes[0]->Name, "OP");
    EXPECT_EQ(sides.Model.Fabrics[2]->Membranes[1]->Name, "Goretex");
}

TEST(CaseFileReader, ConductivityLineAndUnknownLayerFabrics)
{
    std::string text = RichCase().Text();
    text = Replace(text, "MaxDisCapDia: $0.001$ MeanDiameter: $0.0005$",
                   "Thermal Conductivity: $2000$ MaxDisCapDia: $0.001$ MeanDiameter: $0.0005$");
    text = Replace(text, "4layer Has Defined: $1$Fabric: $Plain$", "4layer Has Defined: $1$Fabric: $Velvet$");
    CaseFixture c = FreshCase();
    ASSERT_TRUE(LoadText(text, c));
    EXPECT_DOUBLE_EQ(c.Model.Fabrics[0]->Conductivity, 2000);
    EXPECT_DOUBLE_EQ(c.Model.Fabrics[0]->MaxDisCapDia, 0.001);
    EXPECT_DOUBLE_EQ(c.Model.Fabrics[2]->Conductivity, -1);
    EXPECT_FALSE(c.Model.Layers.Rows[1].HasFabric[4]);
    EXPECT_EQ(c.Model.Layers.Rows[1].Layers[4], nullptr);
    EXPECT_TRUE(c.Model.Layers.Rows[1].HasFabric[0]);
}

TEST(CaseFileReader, ControlRatiosOfStagesTheFileLeavesOut)
{
    // Two ratio lines for four stages: stages 3 and 4 take those of stage 2.
    std::string text = RichCase().Text();
    const std::size_t third = text.find("ClothingCoverRatio: $0.7$");
    const std::size_t grid = text.find("fabric thickness grid");
    ASSERT_NE(third, std::string::npos);
    std::string shortened = text.substr(0, third) + text.substr(grid);
    CaseFixture c = FreshCase();
    ASSERT_TRUE(LoadText(shortened, c));
    EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[2], 0.6);
    EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[3], 0.6);
    EXPECT_DOUBLE_EQ(c.Model.Control.HeatTransferRatio[3], 0.7);
    EXPECT_DOUBLE_EQ(c.Model.Control.ThicknessGrid, 7);
    EXPECT_DOUBLE_EQ(c.Model.Control.RadiusGrid, 9);

    // The grid line before any ratio line: the stages take a fresh case's ratios, not those of
    // the case open before (0.5 to 0.8 here).
    const std::size_t first = text.find("ClothingCoverRatio");
    const std::string gridFirst = text.substr(0, first) + text.substr(grid);
    CaseFixture fresh = FreshCase();
    ASSERT_TRUE(LoadText(gridFirst, fresh));
    EXPECT_DOUBLE_EQ(fresh.Model.Control.ThicknessGrid, 7);
    CaseFixture reused = FreshCase();
    ASSERT_TRUE(LoadText(text, reused));
    ASSERT_TRUE(LoadText(gridFirst, reused));
    EXPECT_EQ(reused.Text(), fresh.Text());

    // A cover ratio above 1 is a ratio, not the grid line.
    CaseFixture wide = RichCase();
    wide.Model.Control.ClothingCoverRatio[0] = 1.5;
    CaseFixture loaded = FreshCase();
    ASSERT_TRUE(LoadText(wide.Text(), loaded));
    EXPECT_DOUBLE_EQ(loaded.Model.Control.ClothingCoverRatio[0], 1.5);
    EXPECT_EQ(loaded.Text(), wide.Text());
}

// A damaged file is refused as a whole: the case stays byte for byte what it was.
void ExpectRefused(const std::string& text, const std::string& what)
{
    CaseFixture c = RichCase();
    const std::string before = c.Text();
    EXPECT_FALSE(LoadText(text, c)) << what;
    EXPECT_EQ(c.Text(), before) << what;
}

TEST(CaseFileReader, DamagedFilesChangeNothing)
{
    const std::string text = RichCase().Text();
    const std::vector<std::string_view> lines = SplitLines(text);
    std::string prefix;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        ExpectRefused(prefix, "truncated after line " + std::to_string(n));
        prefix += std::string(lines[n]) + "\r\n";
    }
    ExpectRefused("", "empty file");
    ExpectRefused(text + "fabric radius: $8$\r\n", "a line too many");
    ExpectRefused(Replace(text, "fluid types: $2$", "fluid types: 2"), "count without its $");
    ExpectRefused(Replace(text, "fiber types: $3$", "fiber types: $3"), "unpaired $");
    ExpectRefused(Replace(text, "fluid types: $2$", "fluid types: $2.5$"), "fractional count");
    ExpectRefused(Replace(text, "Stage count: $4$", "Stage count: $-1$"), "negative count");
    ExpectRefused(Replace(text, "Stage count: $4$", "Stage count: $51$"), "too many stages");
    ExpectRefused(Replace(text, "Garment Number: $3$", "Garment Number: $51$"), "too many garments");
    ExpectRefused(Replace(text, "fiber1: $Wool$", "fiber1: $Silk$"), "unknown fibre");
    ExpectRefused(Replace(text, "ActivityIndex: $37$", "ActivityIndex: $38$"), "activity outside its list");
    ExpectRefused(Replace(text, "Clothing Fitting: $2$", "Clothing Fitting: $0$"), "fitting outside its list");
    ExpectRefused(Replace(text, "Clothing Style: $20$", "Clothing Style: $21$"), "style beyond the men's list");
    ExpectRefused(Replace(text, "Race: $4$", "Race: $-1$"), "race outside its list");
    ExpectRefused(Replace(text, "Thickness: $0.003$", "Thickness: $1e999$"), "number out of range");
    ExpectRefused(Replace(text, "Thickness: $0.003$", "Thickness: $ -Infinity$"), "infinity in a value");
    ExpectRefused(Replace(text, "Race: $4$", "Race: $+NaN$"), "nan in an index");
    ExpectRefused(Replace(text, "FiberRegain value point: $16$", "FiberRegain value point: $99999999$"),
                  "point count beyond the file");
    // Text of another kind: without values every number would read as 0.
    ExpectRefused(std::string(10, '\n'), "ten empty lines");
    ExpectRefused(std::string(12, 'x') + "\r\n" + Replace(text, "whether define body: ", ""), "a line without values");
    // A lone CR would come back in a name that cannot be saved.
    ExpectRefused(Replace(text, "fiber1: $Wool$", "fiber1: $Wo\rol$"), "carriage return inside a name");
    // A curve is shown point by point from both of its arrays.
    ExpectRefused(Replace(text, "FiberRegain RH point: $3$\r\n$0$ $0.5$ $1$ \r\n",
                          "FiberRegain RH point: $2$\r\n$0$ $0.5$ \r\n"),
                  "fibre with fewer humidities than regain values");
    ExpectRefused(Replace(text, "Membrane TR value points: $9$\r\n$0.25$ $0.5$ $0.75$ $1$ $1.25$ $1.5$ $1.75$ $2$ \r\n$2.25$ \r\n",
                          "Membrane TR value points: $8$\r\n$0.25$ $0.5$ $0.75$ $1$ $1.25$ $1.5$ $1.75$ $2$ \r\n"),
                  "membrane with fewer TR values than temperatures");
    // Ratio j goes with fibre j.
    ExpectRefused(Replace(text, "fiber ratio points: $2$\r\n0 fiber ratio: $0.6$\r\n1 fiber ratio: $0.4$\r\n",
                          "fiber ratio points: $1$\r\n0 fiber ratio: $0.6$\r\n"),
                  "fabric with fewer mass ratios than fibres");
    ExpectRefused(Replace(text, "fiber ratio points: $1$\r\n0 fiber ratio: $1$\r\n",
                          "fiber ratio points: $2$\r\n0 fiber ratio: $1$\r\n1 fiber ratio: $0$\r\n"),
                  "fabric with more mass ratios than fibres");
}

// The user is told where the file went wrong and what was wrong there.
TEST(CaseFileReader, ARefusedFileNamesTheLineAndWhatWasWrongThere)
{
    const std::string text = GoldenFile("case_saved.sdf");
    struct Row {
        std::string Text;
        std::string Why;
    };
    const Row rows[] = {
        {Replace(text, "TimeStep: $0.0002$", "TimeStep: $nan$"), "Line 63: value 1 (nan) is not a finite number."},
        {Replace(text, "Clothing Fitting: $3$", "Clothing Fitting: $4$"),
         "Line 47: value 2 (4) is not a whole number from 1 to 3."},
        {text.substr(0, text.find("fabric radius")), "Line 66: the file ends before this line."},
        {text + "\r\n \r\nfabric radius: $8$\r\n", "Line 69: text follows the control section."},
        {Replace(text, "Membrane WVP temperature points: $6$\r\n$273.16$ ", "Membrane WVP temperature points: $5$\r\n"),
         "Line 32: the membrane \"OP\" has 6 WVP values for 5 temperatures."},
    };
    for (const Row& row : rows) {
        CaseFileContents file;
        std::string why;
        EXPECT_FALSE(ParseCaseFile(row.Text, file, true, &why));
        EXPECT_EQ(why, row.Why);
    }
}

TEST(CaseFileReader, AFibreListedTwiceGivesEachFabricOneFibrePerRatio)
{
    CaseFixture c = RichCase();
    c.Model.Fibers.push_back(c.Model.Fibers[0]);
    const std::string written = c.Text();
    CaseFixture loaded = FreshCase();
    ASSERT_TRUE(LoadText(written, loaded));
    for (const auto& fabric : loaded.Model.Fabrics)
        EXPECT_EQ(static_cast<int>(fabric->Fibers.size()), fabric->MassRatios.Length()) << fabric->Name;
    EXPECT_EQ(loaded.Text(), written);
}

TEST(CaseFileReader, StyleIndexesFollowTheWearerOfTheFileOrOfTheDialog)
{
    CaseFixture woman = RichCase();
    woman.Model.Body.IsMale = false;
    woman.Model.Body.IsFemale = true;
    woman.Model.GarmentList.StyleIndex[0] = 23;
    CaseFixture c = FreshCase();
    EXPECT_TRUE(LoadText(woman.Text(), c, true));
    EXPECT_EQ(c.Model.GarmentList.StyleIndex[0], 23);

    // Without a body in the file the body dialog's wearer decides.
    std::string text = woman.Text();
    text = text.substr(text.find("fluid types"));
    text = "whether define body: $0$\r\n" + text;
    CaseFixture man = FreshCase();
    EXPECT_FALSE(LoadText(text, man, true));
    EXPECT_TRUE(LoadText(text, man, false));
}

} // namespace
