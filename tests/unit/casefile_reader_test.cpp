#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "casemodel/stagebuilder.h"
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

// The text with its lines from the last one that starts with `from` up to the next that starts
// with `to` given twice.
std::string Repeated(const std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t a = text.rfind("\n" + from) + 1;
    const std::size_t b = text.find("\n" + to, a) + 1;
    return text.substr(0, b) + text.substr(a, b - a) + text.substr(b);
}

// What the user is told of a file refused at the first line that holds `key`.
std::string At(const std::string& text, const std::string& key, const std::string& why)
{
    const std::size_t at = text.find(key);
    EXPECT_NE(at, std::string::npos) << key;
    const auto line = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
    return "Line " + std::to_string(line) + ": " + why + ".";
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
    const CaseFixture rich = RichCase();
    CaseFixture loaded = FreshCase();
    loaded.Model.Activity.ScheduleChanged = true;  // the schedule edited before the load
    ASSERT_TRUE(LoadText(rich.Text(), loaded));
    const CaseModel& m = loaded.Model;
    ASSERT_EQ(m.Stages.size(), 4u);
    EXPECT_EQ(std::make_pair(m.Activity.StageCount, m.Environment.StageCount), std::make_pair(4, 4));
    ASSERT_EQ(m.ContactFlags.size() + m.InnerEnvironments.size() + m.OuterEnvironments.size(), 12u);
    for (std::size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const StageType& st = *m.Stages[s];
        const ActivitySchedule& a = m.Activity;
        const EnvironmentTable& e = m.Environment;
        EXPECT_EQ(std::make_tuple(a.ActivityIndex[s], a.MetabolicRate[s], a.Duration[s], e.Temperature[s], e.Wind[s], e.Place[s]),
                  std::make_tuple(rich.Model.Activity.ActivityIndex[s], st.MR, st.StageTime, st.OuterT_a, st.Wind,
                                  rich.Model.Environment.Place[s]));
        EXPECT_DOUBLE_EQ(e.RH[s], st.OuterRH * 100);  // percent
        const CEnvironment &inner = m.InnerEnvironments[s], &outer = m.OuterEnvironments[s];
        EXPECT_EQ(std::make_tuple(inner.T, inner.RH, inner.G_rad, inner.VFL),
                  std::make_tuple(st.InnerT_a + KelvinOffset, st.InnerRH, st.InnerG_rad, st.InnerVFL));
        EXPECT_EQ(std::make_tuple(outer.T, outer.RH, outer.G_rad, outer.VFL),
                  std::make_tuple(st.OuterT_a + KelvinOffset, st.OuterRH, st.OuterG_rad, st.OuterVFL));
        ASSERT_EQ(m.ContactFlags[s].Length(), 2 * static_cast<int>(st.Microclimates.size()));
        for (std::size_t k = 0; k < st.Microclimates.size(); ++k) {
            EXPECT_EQ(m.ContactFlags[s][2 * static_cast<int>(k)], st.Microclimates[k]->InnerContact == "true");
            EXPECT_EQ(m.ContactFlags[s][2 * static_cast<int>(k) + 1], st.Microclimates[k]->OuterContact == "true");
        }
    }
    EXPECT_FALSE(m.StagesDirty || m.Activity.ScheduleChanged);
    EXPECT_TRUE(m.BoundaryDefined && m.StagesShown && m.ControlDefined && m.ClothingDefined);
    EXPECT_TRUE(m.ActivityDefined && m.EnvironmentDefined && m.FluidDefined && m.FabricDefined);
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

// The text with the microclimate lines of the stage named `stage` cut to `keep`.
std::string MicroclimatesCut(const std::string& text, const std::string& stage, int keep)
{
    const std::size_t count = text.find("Microclimate count: ", text.find("Stage Name: $" + stage + "$"));
    std::size_t end = text.find("\r\n", count) + 2;
    const std::size_t from = end;
    for (int k = 0; k < keep; ++k)
        end = text.find("\r\n", end) + 2;
    std::size_t cut = end;
    while (text.compare(cut, 13, "InnerContact:") == 0)
        cut = text.find("\r\n", cut) + 2;
    return text.substr(0, count) + "Microclimate count: $" + std::to_string(keep) + "$\r\n" +
           text.substr(from, end - from) + text.substr(cut);
}

// What the stage holds besides its microclimates.
auto OwnValues(const StageType& s)
{
    return std::make_tuple(s.Name, s.InnerT_a, s.OuterT_a, s.InnerRH, s.OuterRH, s.InnerVFL, s.OuterVFL, s.InnerG_rad,
                           s.OuterG_rad, s.h_cC, s.h_cU, s.h_rC, s.h_rU, s.MR, s.Wind, s.CoolDown, s.CoolDownTime,
                           s.StageTime);
}

// A layer whose fabric the file does not list loads empty, as files written after a fabric a
// layer used was deleted ("Fabric: $$") do. Stages whose microclimates then no longer match the
// layers get the builder's for the loaded layers and keep their own values; the boundary step is
// left to be done again, and the user is told each. Four counted layers remain here (the third
// garment's first went); the stages hold five, four, three and five microclimates.
TEST(CaseFileReader, LayersWithoutTheirFabricLoadEmptyAndStagesGetMicroclimatesThatMatch)
{
    const std::string sound = RichCase().Text();
    // The stages as the sound file gives them (six digits of each value).
    CaseFileContents plain;
    ASSERT_TRUE(ParseCaseFile(sound, plain, true));
    CaseFixture rich = FreshCase();
    // A file without either fault has nothing more to say.
    EXPECT_EQ(ApplyCaseFile(plain, rich.Model), std::vector<std::string>());
    EXPECT_TRUE(rich.Model.BoundaryDefined);

    std::string text = Replace(sound, "4layer Has Defined: $1$Fabric: $Plain$", "4layer Has Defined: $1$Fabric: $$");
    text = Replace(text, "0layer Has Defined: $1$Fabric: $Odd$", "0layer Has Defined: $1$Fabric: $Ghost Cloth$");
    text = MicroclimatesCut(text, "Stage2", 4);
    text = MicroclimatesCut(text, "Stage3", 3);

    CaseFileContents file;
    std::string why;
    ASSERT_TRUE(ParseCaseFile(text, file, true, &why)) << why;
    CaseFixture loaded = FreshCase();
    const std::vector<std::string> notes = ApplyCaseFile(file, loaded.Model);
    EXPECT_EQ(notes, (std::vector<std::string>{
                         At(text, "4layer Has Defined: $1$Fabric: $$",
                            "the fabric \"\" is not in the fabric list; the layer is left empty"),
                         At(text, "Fabric: $Ghost Cloth$",
                            "the fabric \"Ghost Cloth\" is not in the fabric list; the layer is left empty"),
                         "The microclimates of 3 stages did not match the garment layers and were set again from them."}));

    const CaseModel& m = loaded.Model;
    EXPECT_FALSE(m.Layers.Rows[2].HasFabric[0] || m.Layers.Rows[2].Layers[0]);
    EXPECT_TRUE(m.Layers.Rows[2].HasFabric[1] && m.Layers.Rows[2].Layers[1]);
    ASSERT_EQ(m.Stages.size(), 4u);
    for (std::size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const StageType& st = *m.Stages[s];
        EXPECT_EQ(OwnValues(st), OwnValues(*rich.Model.Stages[s]));
        ASSERT_EQ(st.Microclimates.size(), 4u);
        ASSERT_EQ(m.ContactFlags[s].Length(), 8);
        for (std::size_t k = 0; k < 4; ++k) {
            const FabricMicroclimate& mc = *st.Microclimates[k];
            if (s == 1) {
                // The stage that matched keeps its own microclimates.
                EXPECT_EQ(mc.hc0, rich.Model.Stages[1]->Microclimates[k]->hc0);
                EXPECT_EQ(mc.OuterContact, rich.Model.Stages[1]->Microclimates[k]->OuterContact);
                continue;
            }
            // The tight garment's layer first, then the loose and the just-fitting ones'.
            const std::string contact = k == 0 ? "true" : "false";
            EXPECT_EQ(std::make_pair(mc.InnerContact, mc.OuterContact), std::make_pair(contact, contact)) << k;
            EXPECT_EQ(m.ContactFlags[s][2 * static_cast<int>(k)], k == 0);
            for (const MicroclimateFieldDefault& d : NewMicroclimateDefaults)
                EXPECT_EQ(mc.*d.Field, d.Value) << k;
        }
    }
    EXPECT_FALSE(m.BoundaryDefined);
    EXPECT_FALSE(m.StagesDirty) << "the stages are the file's";
    EXPECT_TRUE(m.ControlDefined && m.StagesShown);

    // Saved, the case loads as written, without a word, and saves the same bytes.
    const std::string saved = loaded.Text();
    CaseFileContents again;
    ASSERT_TRUE(ParseCaseFile(saved, again, true, &why)) << why;
    CaseFixture reloaded = FreshCase();
    EXPECT_EQ(ApplyCaseFile(again, reloaded.Model), std::vector<std::string>());
    EXPECT_TRUE(reloaded.Model.BoundaryDefined);
    EXPECT_EQ(FirstDifference(reloaded.Text(), saved), "");
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
    for (std::size_t s = 2; s < 4; ++s) {
        EXPECT_EQ(c.Model.Control.ClothingCoverRatio[s], 0.6) << s;
        EXPECT_EQ(c.Model.Control.MoistureTransferRatio[s], 0.83) << s;
        EXPECT_EQ(c.Model.Control.HeatTransferRatio[s], 0.69) << s;
    }
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

// A damaged file is refused as a whole: the case stays byte for byte what it was, and the user is
// told the line that refused it and what was wrong there.
void ExpectRefused(const std::string& text, const std::string& why)
{
    CaseFileContents file;
    std::string said;
    EXPECT_FALSE(ParseCaseFile(text, file, true, &said));
    EXPECT_EQ(said, why);
    CaseFixture c = RichCase();
    const std::string before = c.Text();
    EXPECT_FALSE(LoadText(text, c));
    EXPECT_EQ(c.Text(), before) << why;
}

// Each damage the only one in its file.
TEST(CaseFileReader, ADamagedFileChangesNothingAndTheMessageNamesTheLineAndTheFault)
{
    const std::string text = RichCase().Text();
    const std::vector<std::string_view> lines = SplitLines(text);
    std::string prefix;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        ExpectRefused(prefix, "Line " + std::to_string(n + 1) + ": the file ends before this line.");
        prefix += std::string(lines[n]) + "\r\n";
    }
    const auto damaged = [&](const std::string& from, const std::string& to, const std::string& key,
                             const std::string& why) {
        const std::string broken = Replace(text, from, to);
        ExpectRefused(broken, At(broken, key, why));
    };
    ExpectRefused(text + "fabric radius: $9$\r\n", "Line " + std::to_string(lines.size() + 1) +
                                                      ": text follows the control section.");
    // Text of another kind: without values every number would read as 0.
    ExpectRefused(std::string(10, '\n'), "Line 1: no value between \"$\" signs.");
    damaged("fluid types: $2$", "fluid types: 2", "fluid types", "no value between \"$\" signs");
    damaged("fiber types: $3$", "fiber types: $3", "fiber types", "no value between \"$\" signs");
    damaged("fluid types", "fluids\r\nfluid types", "fluids", "no value between \"$\" signs");
    // A lone CR would come back in a name that cannot be saved.
    damaged("fluid type1 $Liquid$", "fluid type1 $Liq\ruid$", "fluid type1", "a carriage return inside the line");
    damaged("fluid types: $2$", "fluid types: $2.5$", "fluid types",
            "value 1 (2.5) is not a whole number from 0 to 1000000");
    damaged("Stage count: $4$", "Stage count: $-1$", "Stage count", "value 1 (-1) is not a whole number from 0 to 50");
    damaged("Thickness: $0.003$", "Thickness: $1e999$", "Thickness: $1e999$", "value 1 is out of range");
    damaged("Thickness: $0.003$", "Thickness: $ -Infinity$", "Thickness: $ -Infinity$",
            "value 1 ( -Infinity) is not a finite number");
    damaged("Race: $4$", "Race: $+NaN$", "Race", "value 4 (+NaN) is not a finite number");
    damaged("fiber1: $Wool$", "fiber1: $Silk$", "fiber1: $Silk$", "the fibre \"Silk\" is not in the fibre list");
    // A curve is shown point by point from both of its arrays; ratio j goes with fibre j. The
    // record is refused at its last line.
    damaged("FiberRegain RH point: $3$\r\n$0$ $0.5$ $1$ \r\n", "FiberRegain RH point: $2$\r\n$0$ $0.5$ \r\n",
            "$0$ $0.5$ \r\n", "the fibre \"Cotton\" has 3 regain values for 2 humidities");
    damaged("Membrane TR value points: $9$\r\n$0.25$ $0.5$ $0.75$ $1$ $1.25$ $1.5$ $1.75$ $2$ \r\n$2.25$ \r\n",
            "Membrane TR value points: $8$\r\n$0.25$ $0.5$ $0.75$ $1$ $1.25$ $1.5$ $1.75$ $2$ \r\n", "$90$ \r\n",
            "the membrane \"Goretex\" has 8 TR values for 9 temperatures");
    damaged("Membrane WVP temperature points: $6$\r\n$273.16$ ", "Membrane WVP temperature points: $5$\r\n",
            "$273.16$ $275.66$ $283.16$ $289.16$ $293.16$ $318.16$ \r\nfabric types",
            "the membrane \"OP\" has 6 WVP values for 5 temperatures");
    damaged("fiber ratio points: $2$\r\n0 fiber ratio: $0.6$\r\n1 fiber ratio: $0.4$\r\n",
            "fiber ratio points: $1$\r\n0 fiber ratio: $0.6$\r\n", "fiber1: $Wool$",
            "the fabric \"Treated\" has 1 mass ratio for 2 fibres");
    damaged("fiber ratio points: $1$\r\n0 fiber ratio: $1$\r\n",
            "fiber ratio points: $2$\r\n0 fiber ratio: $1$\r\n1 fiber ratio: $0$\r\n", "fiber0: $Cotton$",
            "the fabric \"Plain\" has 2 mass ratios for 1 fibre");
}

// Each limit of the reader with a file on it, which loads and saves back to the same bytes, and
// one just past it, refused at the line that passes it; each the only change to a sound file.
TEST(CaseFileReader, TakesEveryLimitAndRefusesJustPastIt)
{
    const std::string rich = RichCase().Text();
    // The largest case the writer takes: 50 stages, 50 garments of six layers, every index list's
    // last entry in use.
    const std::string largest = MaximalCase().Text();
    CaseFixture curve = RichCase();
    FiberNamed(curve.Model, "Polyester")->Regain = TDoubleDynArray(MaxListCount);
    FiberNamed(curve.Model, "Polyester")->RegainRH = TDoubleDynArray(MaxListCount);
    const std::string longest = curve.Text();
    const std::string woman = Replace(rich, "IsMale: $1$ IsFemale: $0$", "IsMale: $0$ IsFemale: $1$");
    struct Row {
        const char* What;
        std::string On, Past, Key, Why;
    };
    const auto Index = [](const char* what, const std::string& base, const std::string& from, const std::string& on,
                          const std::string& past, const std::string& why) {
        const std::string key = from.substr(0, from.find('$'));
        return Row{what, Replace(base, from, key + on), Replace(base, from, key + past), key + past, why};
    };
    const Row rows[] = {
        {"stages", largest,
         Replace(Repeated(Repeated(largest, "Stage Name", "TimeStep"), "ClothingCoverRatio", "fabric thickness"),
                 "Stage count: $50$", "Stage count: $51$"),
         "Stage count", "value 1 (51) is not a whole number from 0 to 50"},
        {"garments", largest,
         Replace(Repeated(largest, "Clothing Style", "Stage count"), "Garment Number: $50$", "Garment Number: $51$"),
         "Garment Number", "value 1 (51) is not a whole number from 0 to 50"},
        // A seventh layer line is read as the next garment's style and fitting.
        {"layers of a garment", largest,
         Replace(largest, "5layer Has Defined: $1$Fabric: $Fabric 5$\r\n",
                 "5layer Has Defined: $1$Fabric: $Fabric 5$\r\n6layer Has Defined: $1$Fabric: $Fabric 6$\r\n"),
         "6layer", "value 2 (Fabric 6) is not a whole number from 1 to 3"},
        {"points of a curve", longest,
         Replace(Replace(Replace(longest, "FiberRegain value point: $1000000$", "FiberRegain value point: $1000001$"),
                         "\r\nFiberRegain RH point: $1000000$", "\r\n$0$ \r\nFiberRegain RH point: $1000001$"),
                 "\r\nMembrane types", "\r\n$0$ \r\nMembrane types"),
         "FiberRegain value point: $1000001$", "value 1 (1000001) is not a whole number from 0 to 1000000"},
        // An index: the text `from` of a sound file becomes `on`, which loads, or `past`.
        Index("activity, last", rich, "ActivityIndex: $37$", "$37$", "$38$", "value 3 (38) is not a whole number from 0 to 37"),
        Index("activity, first", rich, "ActivityIndex: $11$", "$0$", "$-1$", "value 3 (-1) is not a whole number from 0 to 37"),
        Index("fitting, last", rich, "Clothing Fitting: $3$", "$3$", "$4$", "value 2 (4) is not a whole number from 1 to 3"),
        Index("fitting, first", rich, "Clothing Fitting: $1$", "$1$", "$0$", "value 2 (0) is not a whole number from 1 to 3"),
        Index("men's style, last", rich, "Clothing Style: $20$", "$20$", "$21$", "value 1 (21) is not a whole number from 0 to 20"),
        Index("women's style, last", woman, "Clothing Style: $20$", "$23$", "$24$",
              "value 1 (24) is not a whole number from 0 to 23"),
        Index("style, first", rich, "Clothing Style: $7$", "$0$", "$-1$", "value 1 (-1) is not a whole number from 0 to 20"),
        Index("age, last", rich, "Age: $1$", "$2$", "$3$", "value 3 (3) is not a whole number from 0 to 2"),
        Index("age, first", rich, "Age: $1$", "$0$", "$-1$", "value 3 (-1) is not a whole number from 0 to 2"),
        Index("race, last", rich, "Race: $4$", "$5$", "$6$", "value 4 (6) is not a whole number from 0 to 5"),
        Index("race, first", rich, "Race: $4$", "$0$", "$-1$", "value 4 (-1) is not a whole number from 0 to 5"),
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        CaseFixture on = FreshCase();
        ASSERT_TRUE(LoadText(row.On, on, true));
        EXPECT_EQ(FirstDifference(on.Text(), row.On), "");
        ExpectRefused(row.Past, At(row.Past, row.Key, row.Why));
    }

    // A sweat accumulation outside 0..100 loads as 2; on either end it is kept.
    const std::pair<std::string, double> sweat[] = {{"0", 0}, {"100", 100}, {"-0.001", 2}, {"100.001", 2}};
    for (const auto& [written, kept] : sweat) {
        CaseFixture c = FreshCase();
        ASSERT_TRUE(LoadText(Replace(rich, "SweatAccumu: $5$", "SweatAccumu: $" + written + "$"), c));
        EXPECT_EQ(c.Model.Control.SweatAccumulation, kept) << written;
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

// Without a body in the file the body dialog's wearer decides which style list the indexes are of.
TEST(CaseFileReader, StyleIndexesOfABodylessFileFollowTheWearerOfTheDialog)
{
    CaseFixture woman = RichCase();
    woman.Model.Body.IsMale = false;
    woman.Model.GarmentList.StyleIndex[0] = 23;
    std::string text = woman.Text();
    text = "whether define body: $0$\r\n" + text.substr(text.find("fluid types"));
    CaseFixture c = FreshCase();
    EXPECT_FALSE(LoadText(text, c, true));
    EXPECT_TRUE(LoadText(text, c, false));
}

} // namespace
