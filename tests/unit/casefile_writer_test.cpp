#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "casemodel/stagebuilder.h"
#include "tests/unit/casefile_cases.h"

namespace {

template <class Writer>
std::string Section(Writer write)
{
    std::ostringstream out;
    write(out);
    return out.str();
}

TEST(CaseFileWriter, SectionsOfAFreshCaseMatchTheirGoldenFiles)
{
    CaseFixture c = FreshCase();
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFluidSection(o, c.Model); }), GoldenFile("fluid_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteMembraneSection(o, c.Model); }),
              GoldenFile("membrane_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, c.Model); }), GoldenFile("body_undefined.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, c.Model); }), "fiber types: $0$\r\n");
}

TEST(CaseFileWriter, ControlSectionOfAOneStageCaseCarriesTheBuildersCoverRatio)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Activity.StageCount = 1;
    c.Model.Layers.Rows = {GarmentLayerRow()};
    c.Model.Layers.GarmentCount = 1;
    c.Model.GarmentList.Coverage[0] = 0.7;
    BuildStageList(c.Model);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteControlSection(o, c.Model); }),
              GoldenFile("control_one_stage.sdf"));
}

TEST(CaseFileWriter, BodySectionWritesTheDocumentedOrderAndNumberForms)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, c.Model); }), GoldenFile("body.sdf"));
}

TEST(CaseFileWriter, PointArraysBreakAfterEveryEighthValue)
{
    CaseFixture c = FreshCase();
    SetGoldenFibers(c.Model);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, c.Model); }), GoldenFile("fiber_points.sdf"));
}

// A fabric names its fibres and membranes; a file naming one its lists lack would not load.
TEST(CaseFileWriter, RefusesAFabricWhoseFiberOrMembraneIsNotInTheCaseLists)
{
    for (const std::string missing : {"Wool", "Goretex"}) {
        CaseFixture c = RichCase();
        auto& fibers = c.Model.Fibers;
        auto& membranes = c.Model.Membranes;
        fibers.erase(std::remove_if(fibers.begin(), fibers.end(), [&](const auto& f) { return f->Name == missing; }),
                     fibers.end());
        membranes.erase(std::remove_if(membranes.begin(), membranes.end(),
                                       [&](const auto& m) { return m->Name == missing; }),
                        membranes.end());
        try {
            c.Text();
            ADD_FAILURE() << missing << " was written";
        } catch (const ECaseFileWrite& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("\"" + missing + "\""), std::string::npos) << what;
            EXPECT_NE(what.find("fabric 2 \"Treated\""), std::string::npos) << what;
        }
    }
}

TEST(CaseFileWriter, FabricLinesFollowTheirOptions)
{
    CaseFixture c = FreshCase();
    SetGoldenFibers(c.Model);
    SetGoldenMembranes(c.Model);
    SetGoldenFabrics(c.Model);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFabricSection(o, c.Model); }), GoldenFile("fabric_options.sdf"));
}

TEST(CaseFileWriter, GarmentRowsNameTheFabricOfEachFilledLayer)
{
    CaseFixture c = FreshCase();
    SetGoldenFibers(c.Model);
    SetGoldenMembranes(c.Model);
    SetGoldenFabrics(c.Model);
    SetGoldenGarments(c);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); }),
              GoldenFile("garment_layers.sdf"));

    // A layer marked filled whose fabric is gone is written as an empty layer, as it loads.
    c.Model.Layers.Rows[0].Layers[2].reset();
    const std::string text = Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); });
    EXPECT_NE(text.find("2layer Has Defined: $0$\r\n"), std::string::npos);
}

TEST(CaseFileWriter, StagesWriteTheirDialogArraysAndMicroclimates)
{
    CaseFixture c = FreshCase();
    SetGoldenStages(c);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteStageSection(o, c.Model); }),
              GoldenFile("stage_microclimates.sdf"));
}

TEST(CaseFileWriter, ControlWritesOneRatioLinePerStageOnly)
{
    CaseFixture c = FreshCase();
    c.Model.Stages = {Stage("Stage1", 20, 0, 0.5, 60, 10), Stage("Stage2", 20, 0, 0.5, 60, 10),
                      Stage("Stage3", 20, 0, 0.5, 60, 10)};
    c.Model.Control.ClothingCoverRatio[3] = 0.123;
    const std::string text = Section([&](std::ostream& o) { WriteControlSection(o, c.Model); });
    std::size_t lines = 0;
    for (std::size_t p = text.find("ClothingCoverRatio"); p != std::string::npos;
         p = text.find("ClothingCoverRatio", p + 1))
        ++lines;
    EXPECT_EQ(lines, 3u);
    EXPECT_EQ(text.find("0.123"), std::string::npos);
}

// What a refused save reports; empty when the case was written.
std::string Refusal(const CaseFixture& c)
{
    try {
        c.Text();
    } catch (const ECaseFileWrite& e) {
        return e.what();
    }
    return std::string();
}

TEST(CaseFileWriter, RefusesNamesThatWouldBreakTheLineAndNamesTheRecord)
{
    for (const char* bad : {"Cot$ton", "Cot\rton", "Cot\nton"}) {
        CaseFixture c = RichCase();
        c.Model.Fibers[1]->Name = bad;
        const std::string message = Refusal(c);
        EXPECT_NE(message.find("fiber 2"), std::string::npos) << message;
        EXPECT_NE(message.find("\"$\" or a line break"), std::string::npos) << message;
    }
    CaseFixture c = RichCase();
    c.Model.Stages[0]->Microclimates[1]->OuterContact = "fa$lse";
    EXPECT_NE(Refusal(c).find("OuterContact of stage 1 \"Stage1\""), std::string::npos) << Refusal(c);
}

TEST(CaseFileWriter, RefusesValuesThatAreNotFiniteAndNamesTheField)
{
    CaseFixture c = RichCase();
    c.Model.Fabrics[1]->Pcm.K_ms = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(Refusal(c).find("K_ms of fabric 2 \"Treated\" is not a finite number"), std::string::npos)
        << Refusal(c);

    c = RichCase();
    c.Model.Membranes[0]->TrValues[8] = std::numeric_limits<double>::infinity();
    EXPECT_NE(Refusal(c).find("a TR value of membrane 1 \"Goretex\""), std::string::npos) << Refusal(c);

    c = RichCase();
    c.Model.Body.Height = -std::numeric_limits<double>::infinity();
    EXPECT_NE(Refusal(c).find("Height of the human body"), std::string::npos) << Refusal(c);
}

TEST(CaseFileWriter, RefusesIndexesTheReaderWouldReject)
{
    CaseFixture c = RichCase();
    c.Model.GarmentList.Fitting[1] = 0;
    EXPECT_NE(Refusal(c).find("the fitting of garment 2 (0) is outside its list"), std::string::npos);
    c = RichCase();
    c.Model.GarmentList.StyleIndex[0] = MaleStyleCount;  // the wearer is a man
    EXPECT_NE(Refusal(c).find("the style of garment 1"), std::string::npos);
    c = RichCase();
    c.Model.Activity.ActivityIndex[3] = ActivityCount;
    EXPECT_NE(Refusal(c).find("the activity of stage 4"), std::string::npos);
    c = RichCase();
    c.Model.Body.Race = -1;
    EXPECT_NE(Refusal(c).find("Race of the human body"), std::string::npos);
    c = RichCase();
    c.Model.Stages.resize(MaxStages + 1, c.Model.Stages[0]);
    EXPECT_NE(Refusal(c).find("51 stages"), std::string::npos);
    EXPECT_EQ(Refusal(RichCase()), "");
}

} // namespace
