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

// Each section of a case built in code, byte for byte against the hand-written file.
TEST(CaseFileWriter, SectionsMatchTheirGoldenFiles)
{
    CaseFixture fresh = FreshCase();
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFluidSection(o, fresh.Model); }), GoldenFile("fluid_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteMembraneSection(o, fresh.Model); }),
              GoldenFile("membrane_default.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, fresh.Model); }), GoldenFile("body_undefined.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, fresh.Model); }), "fiber types: $0$\r\n");

    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    SetGoldenFibers(c.Model);
    SetGoldenMembranes(c.Model);
    SetGoldenFabrics(c.Model);
    SetGoldenGarments(c);
    SetGoldenStages(c);
    EXPECT_EQ(Section([&](std::ostream& o) { WriteBodySection(o, c.Model); }), GoldenFile("body.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFiberSection(o, c.Model); }), GoldenFile("fiber_points.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteFabricSection(o, c.Model); }), GoldenFile("fabric_options.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); }),
              GoldenFile("garment_layers.sdf"));
    EXPECT_EQ(Section([&](std::ostream& o) { WriteStageSection(o, c.Model); }), GoldenFile("stage_microclimates.sdf"));

    // A layer marked filled whose fabric is gone is written as an empty layer, as it loads.
    c.Model.Layers.Rows[0].Layers[2].reset();
    const std::string text = Section([&](std::ostream& o) { WriteGarmentSection(o, c.Model, false); });
    EXPECT_NE(text.find("2layer Has Defined: $0$\r\n"), std::string::npos);
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

using Limits = std::numeric_limits<double>;

template <class T>
void Erase(std::vector<std::shared_ptr<T>>& list, const std::string& name)
{
    list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& r) { return r->Name == name; }), list.end());
}

// Whatever the reader would refuse or misread is refused before anything is written, naming the
// record and the field.
TEST(CaseFileWriter, RefusesWhatTheReaderCouldNotLoadAndNamesTheRecord)
{
    struct Case {
        void (*Break)(CaseModel&);
        std::vector<const char*> Parts;
    };
    const Case cases[] = {
        // A fabric names its fibres and membranes; a file naming one its lists lack would not load.
        {[](CaseModel& m) { Erase(m.Fibers, "Wool"); }, {"\"Wool\"", "fabric 2 \"Treated\""}},
        {[](CaseModel& m) { Erase(m.Membranes, "Goretex"); }, {"\"Goretex\"", "fabric 2 \"Treated\""}},
        {[](CaseModel& m) { m.Fibers[1]->Name = "Cot$ton"; }, {"fiber 2", "\"$\" or a line break"}},
        {[](CaseModel& m) { m.Fibers[1]->Name = "Cot\rton"; }, {"fiber 2", "\"$\" or a line break"}},
        {[](CaseModel& m) { m.Fibers[1]->Name = "Cot\nton"; }, {"fiber 2", "\"$\" or a line break"}},
        {[](CaseModel& m) { m.Stages[0]->Microclimates[1]->OuterContact = "fa$lse"; },
         {"OuterContact of stage 1 \"Stage1\""}},
        {[](CaseModel& m) { m.Fabrics[1]->Pcm.K_ms = Limits::quiet_NaN(); },
         {"K_ms of fabric 2 \"Treated\" is not a finite number"}},
        {[](CaseModel& m) { m.Membranes[0]->TrValues[8] = Limits::infinity(); },
         {"a TR value of membrane 1 \"Goretex\""}},
        {[](CaseModel& m) { m.Body.Height = -Limits::infinity(); }, {"Height of the human body"}},
        {[](CaseModel& m) { m.GarmentList.Fitting[1] = 0; }, {"the fitting of garment 2 (0) is outside its list"}},
        {[](CaseModel& m) { m.GarmentList.StyleIndex[0] = MaleStyleCount; }, {"the style of garment 1"}},
        {[](CaseModel& m) { m.Activity.ActivityIndex[3] = ActivityCount; }, {"the activity of stage 4"}},
        {[](CaseModel& m) { m.Body.Race = -1; }, {"Race of the human body"}},
        {[](CaseModel& m) { m.Stages.resize(MaxStages + 1, m.Stages[0]); }, {"51 stages"}},
    };
    for (const Case& k : cases) {
        CaseFixture c = RichCase();
        k.Break(c.Model);
        const std::string message = Refusal(c);
        for (const char* part : k.Parts)
            EXPECT_NE(message.find(part), std::string::npos) << "[" << part << "] in [" << message << "]";
    }
    EXPECT_EQ(Refusal(RichCase()), "");
}

} // namespace
