#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "casemodel/stagebuilder.h"
#include "tests/unit/casefile_cases.h"

namespace {

// A schedule of n stages in a case whose body and garments are defined; one loose garment
// without fabric unless a test fills it. Every schedule and environment value is its own.
CaseFixture Scheduled(int n)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Activity.StageCount = n;
    c.Model.Environment.StageCount = n;
    for (std::size_t i = 0; i < std::min<std::size_t>(static_cast<std::size_t>(n), MaxStages); ++i) {
        const double s = static_cast<double>(i);
        c.Model.Activity.MetabolicRate[i] = 50.5 + s;
        c.Model.Activity.Duration[i] = 600 * (s + 1) + 0.25;
        c.Model.Environment.Temperature[i] = 20.75 + s;
        c.Model.Environment.RH[i] = 40 + s / 2;
        c.Model.Environment.Wind[i] = 0.3 + s;
    }
    c.Model.Layers.Rows = {GarmentLayerRow()};
    c.Model.Layers.GarmentCount = 1;
    c.Model.GarmentList.GarmentCount = 1;
    c.Model.GarmentList.Fitting[0] = 1;
    return c;
}

void Build(CaseFixture& c) { BuildStageList(c.Model); }

void Fill(GarmentLayerRow& row, std::initializer_list<std::size_t> layers)
{
    for (std::size_t j : layers)
        row.HasFabric[j] = true;
}

TEST(StageBuilder, EveryStageTakesItsOwnEntryInTheUnitsTheStagesKeep)
{
    CaseFixture c = Scheduled(3);
    Build(c);
    const ActivitySchedule& a = c.Model.Activity;
    const EnvironmentTable& e = c.Model.Environment;
    ASSERT_EQ(c.Model.Stages.size(), 3u);
    ASSERT_EQ(c.Model.OuterEnvironments.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const StageType& s = *c.Model.Stages[i];
        EXPECT_EQ(s.Name, "Stage" + std::to_string(i + 1));
        EXPECT_NEAR(s.InnerT_a, 33, 1e-9);  // 306.16 K
        EXPECT_EQ(s.InnerRH, 0.06);
        EXPECT_DOUBLE_EQ(s.OuterRH, e.RH[i] / 100);
        EXPECT_EQ(std::make_tuple(s.OuterT_a, s.Wind, s.MR, s.StageTime, s.CoolDown),
                  std::make_tuple(e.Temperature[i], e.Wind[i], a.MetabolicRate[i], a.Duration[i], false));
        // What the boundary dialog starts from.
        EXPECT_EQ(std::make_tuple(s.h_cC, s.h_cU, s.h_rC, s.h_rU, s.InnerVFL, s.OuterVFL, s.InnerG_rad, s.OuterG_rad),
                  std::make_tuple(0.000239, 0.000239, 0.0001434, 0.0001434, 2e-20, 2e-20, 0.0, 0.0));
        EXPECT_NEAR(c.Model.OuterEnvironments[i].T, s.OuterT_a + KelvinOffset, 1e-9);
    }
}

TEST(StageBuilder, RebuildsOnlyWhileTheStagesAreDirty)
{
    CaseFixture c = Scheduled(2);
    Build(c);
    c.Model.Stages[0]->h_cC = 0.5;  // as the boundary dialog edits it
    c.Model.Activity.StageCount = 1;
    Build(c);
    ASSERT_EQ(c.Model.Stages.size(), 2u);
    EXPECT_DOUBLE_EQ(c.Model.Stages[0]->h_cC, 0.5);
    c.Model.StagesDirty = true;
    Build(c);
    ASSERT_EQ(c.Model.Stages.size(), 1u);
    EXPECT_DOUBLE_EQ(c.Model.Stages[0]->h_cC, 0.000239);
}

TEST(StageBuilder, MicroclimatesComeFromTheFirstThreeLayersWithTheFitsContacts)
{
    CaseFixture c = Scheduled(2);
    c.Model.Layers.Rows = {GarmentLayerRow(), GarmentLayerRow(), GarmentLayerRow()};
    Fill(c.Model.Layers.Rows[0], {0, 2});     // tight
    Fill(c.Model.Layers.Rows[1], {1});        // loose
    Fill(c.Model.Layers.Rows[2], {3, 4, 5});  // lower layers only
    c.Model.Layers.GarmentCount = c.Model.GarmentList.GarmentCount = 3;
    c.Model.GarmentList.Fitting[0] = 3;
    c.Model.GarmentList.Fitting[1] = 1;
    c.Model.GarmentList.Fitting[2] = 3;
    Build(c);
    for (const auto& stage : c.Model.Stages) {
        ASSERT_EQ(stage->Microclimates.size(), 3u);
        EXPECT_EQ(stage->Microclimates[0]->InnerContact, "true");
        EXPECT_EQ(stage->Microclimates[1]->OuterContact, "true");
        EXPECT_EQ(stage->Microclimates[2]->InnerContact, "false");
        const FabricMicroclimate& m = *stage->Microclimates[2];
        EXPECT_EQ(std::make_tuple(m.hc0, m.hc1, m.hm0, m.hm1, m.hph), std::make_tuple(13.7, 13.7, 0.019359, 0.019359, 13.7));
    }
    ASSERT_EQ(c.Model.ContactFlags.size(), 2u);
    EXPECT_TRUE(c.Model.ContactFlags[1][0] && c.Model.ContactFlags[1][3]);
    EXPECT_FALSE(c.Model.ContactFlags[1][4] || c.Model.ContactFlags[1][5]);

    // "Just fit" is not tight.
    c.Model.GarmentList.Fitting[0] = 2;
    c.Model.StagesDirty = true;
    Build(c);
    EXPECT_EQ(c.Model.Stages[0]->Microclimates[0]->InnerContact, "false");
}

TEST(StageBuilder, CoverRatioIsTheLargestCoverageForEveryNewStage)
{
    CaseFixture c = Scheduled(3);
    c.Model.Layers.Rows = {GarmentLayerRow(), GarmentLayerRow()};
    c.Model.Layers.GarmentCount = 2;
    c.Model.GarmentList.Coverage[0] = 0.4;
    c.Model.GarmentList.Coverage[1] = 0.7;
    c.Model.GarmentList.Coverage[2] = 0.95;  // not a garment of the case
    c.Model.Control.ClothingCoverRatio[1] = 0.2;
    Build(c);
    for (int s = 0; s < 3; ++s)
        EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[static_cast<std::size_t>(s)], 0.7);
    EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[3], 0.9);

    // No garment covers nothing, whatever an old coverage entry holds.
    c.Model.Layers.Rows.clear();
    c.Model.Layers.GarmentCount = 0;
    c.Model.StagesDirty = true;
    Build(c);
    EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[0], 0);
}

TEST(StageBuilder, AnEmptyScheduleGivesEmptyListsAndKeepsTheRatios)
{
    CaseFixture c = Scheduled(2);
    Build(c);
    c.Model.Activity.StageCount = 0;
    c.Model.StagesDirty = true;
    c.Model.Control.ClothingCoverRatio[0] = 0.33;
    Build(c);
    EXPECT_TRUE(c.Model.Stages.empty());
    EXPECT_TRUE(c.Model.ContactFlags.empty() && c.Model.OuterEnvironments.empty());
    EXPECT_DOUBLE_EQ(c.Model.Control.ClothingCoverRatio[0], 0.33);
}

// Each of the builder's limits with one case on it and one just past it: the stages of the
// schedule up to 50, the garments up to 50 and up to the rows there are, the first three layers.
TEST(StageBuilder, TakesEachLimitAndNothingPastIt)
{
    struct Row {
        const char* What;
        void (*Set)(CaseFixture&, int past);  // past: 0 on the limit, 1 one beyond it
        std::size_t Stages[2], Microclimates[2];
    };
    const Row rows[] = {
        {"stages", [](CaseFixture& c, int past) { c = Scheduled(MaxStages + past); }, {50, 50}, {0, 0}},
        {"garments",
         [](CaseFixture& c, int past) {
             c.Model.Layers.Rows.assign(static_cast<std::size_t>(MaxGarments + past), GarmentLayerRow());
             for (auto& row : c.Model.Layers.Rows)
                 Fill(row, {0});
             c.Model.Layers.GarmentCount = MaxGarments + past;
         },
         {1, 1}, {50, 50}},
        {"garment count beyond the rows",
         [](CaseFixture& c, int past) {
             Fill(c.Model.Layers.Rows[0], {0});
             c.Model.Layers.GarmentCount = 1 + past;
         },
         {1, 1}, {1, 1}},
        {"layers", [](CaseFixture& c, int past) { Fill(c.Model.Layers.Rows[0], {static_cast<std::size_t>(2 + past)}); },
         {1, 1}, {1, 0}},
    };
    for (const Row& row : rows) {
        for (int past : {0, 1}) {
            SCOPED_TRACE(std::string(row.What) + (past ? ", past the limit" : ", on the limit"));
            CaseFixture c = Scheduled(1);
            row.Set(c, past);
            Build(c);
            ASSERT_EQ(c.Model.Stages.size(), row.Stages[past]);
            EXPECT_EQ(c.Model.Stages.back()->Microclimates.size(), row.Microclimates[past]);
            // The last stage from the last schedule entry, with the cover ratio.
            const std::size_t last = c.Model.Stages.size() - 1;
            EXPECT_EQ(c.Model.Stages[last]->MR, c.Model.Activity.MetabolicRate[last]);
            EXPECT_EQ(c.Model.Control.ClothingCoverRatio[last], 0);
        }
    }
}

} // namespace
