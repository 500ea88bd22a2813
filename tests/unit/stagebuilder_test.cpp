#include <gtest/gtest.h>

#include "casemodel/stagebuilder.h"
#include "tests/unit/casefile_cases.h"

namespace {

// A schedule of n stages in a case whose body and garments are defined; one loose garment
// without fabric unless a test fills it.
CaseFixture Scheduled(int n)
{
    CaseFixture c = FreshCase();
    SetGoldenBody(c.Model);
    c.Model.Activity.StageCount = n;
    c.Model.Environment.StageCount = n;
    for (int s = 0; s < n; ++s) {
        const auto i = static_cast<std::size_t>(s);
        c.Model.Activity.MetabolicRate[i] = 50 + s;
        c.Model.Activity.Duration[i] = 600 * (s + 1);
        c.Model.Environment.Temperature[i] = 20 + s;
        c.Model.Environment.RH[i] = 65;
        c.Model.Environment.Wind[i] = 0.5 * s;
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

TEST(StageBuilder, OneStagePerScheduleEntryInTheUnitsTheStagesKeep)
{
    CaseFixture c = Scheduled(3);
    Build(c);
    ASSERT_EQ(c.Model.Stages.size(), 3u);
    const StageType& s = *c.Model.Stages[2];
    EXPECT_EQ(s.Name, "Stage3");
    EXPECT_NEAR(s.InnerT_a, 33, 1e-9);  // 306.16 K
    EXPECT_DOUBLE_EQ(s.OuterT_a, 22);
    EXPECT_DOUBLE_EQ(s.OuterRH, 0.65);
    EXPECT_DOUBLE_EQ(s.MR, 52);
    EXPECT_DOUBLE_EQ(s.StageTime, 1800);
    ASSERT_EQ(c.Model.OuterEnvironments.size(), 3u);
    EXPECT_NEAR(c.Model.OuterEnvironments[2].T, 22 + KelvinOffset, 1e-9);
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
        EXPECT_DOUBLE_EQ(stage->Microclimates[2]->hm1, 0.019359);
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

TEST(StageBuilder, GarmentCountBeyondTheRowsAddsNoMicroclimate)
{
    CaseFixture c = Scheduled(1);
    Fill(c.Model.Layers.Rows[0], {0});
    c.Model.Layers.GarmentCount = 4;
    Build(c);
    EXPECT_EQ(c.Model.Stages[0]->Microclimates.size(), 1u);
}

} // namespace
