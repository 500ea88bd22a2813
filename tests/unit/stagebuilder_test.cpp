#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "casemodel/stagebuilder.h"
#include "tests/unit/casefile_cases.h"
#include "tests/unit/microclimatemarks.h"

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

// Gives the layers a fabric; a layer only marked holds none and gives no microclimate.
void Fill(GarmentLayerRow& row, std::initializer_list<std::size_t> layers)
{
    static const auto fabric = std::make_shared<FabricType>();
    for (std::size_t j : layers) {
        row.HasFabric[j] = true;
        row.Layers[j] = fabric;
    }
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
    c.Model.Layers.Rows[1].HasFabric[0] = true;  // marked, but no fabric: saved empty
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

// Two stages for three garments: a loose one with fabrics in places 1 and 3, a tight one in place
// 2 and a just-fitting one in places 1 and 2, covering 0.4, 0.8 and 0.6. Every microclimate, every
// stage's h_cC and the first cover ratio hold values of their own; the contacts are "true" where
// the fit gives "false" and the other way round, except the just-fitting garment's.
CaseFixture Dressed()
{
    CaseFixture c = Scheduled(2);
    CaseModel& m = c.Model;
    m.Layers.Rows.assign(3, GarmentLayerRow());
    Fill(m.Layers.Rows[0], {0, 2});
    Fill(m.Layers.Rows[1], {1});
    Fill(m.Layers.Rows[2], {0, 1});
    m.Layers.GarmentCount = m.GarmentList.GarmentCount = 3;
    const int fits[] = {1, 3, 2};
    const double coverages[] = {0.4, 0.8, 0.6};
    for (std::size_t g = 0; g < 3; ++g) {
        m.GarmentList.Fitting[g] = fits[g];
        m.GarmentList.Coverage[g] = coverages[g];
    }
    m.Control.ClothingCoverRatio[2] = 0.33;  // no stage's
    Build(c);
    MarkStages(m, "tftfftffff");
    m.Stages[0]->h_cC = 0.0007;
    m.Stages[1]->h_cC = 0.0008;
    m.Control.ClothingCoverRatio[0] = 0.55;
    return c;
}

// A clothing change against the stages built for the clothing before it: each microclimate stays
// with its layer, and only what the clothing decides changes.
TEST(StageBuilder, StagesFollowAClothingChangeAndKeepWhatTheClothingDoesNotDecide)
{
    struct Row {
        const char* What;
        std::function<std::vector<int>(CaseModel&)> Edit;  // returns where each garment was
        const char* Marks;                                  // every stage's; null: not followed
        bool MicroclimatesChanged, CoverChanged;
        double Ratios[2];
    };
    const std::vector<int> same = {0, 1, 2};
    const Row rows[] = {
        {"a fabric in a lower place only", [&](CaseModel& m) { Fill(m.Layers.Rows[0], {3}); return same; },
         "1tf 2tf 3ft 4ff 5ff", false, false, {0.55, 0.8}},
        {"one place emptied, another filled",
         [&](CaseModel& m) {
             m.Layers.Rows[2].HasFabric[1] = false;
             m.Layers.Rows[2].Layers[1] = nullptr;
             Fill(m.Layers.Rows[2], {2});
             return same;
         },
         "1tf 2tf 3ft 4ff Nff", true, false, {0.55, 0.8}},
        {"a garment the map does not reach", [](CaseModel&) { return std::vector<int>{0, 1}; },
         "1tf 2tf 3ft Nff Nff", true, false, {0.55, 0.8}},
        // Two garments cannot share one microclimate.
        {"a garment named twice", [](CaseModel&) { return std::vector<int>{0, 1, 1}; }, "1tf 2tf 3ft Nff Nff", true,
         false, {0.55, 0.8}},
        {"a new fit giving the contacts there were",
         [&](CaseModel& m) { m.GarmentList.Fitting[2] = 1; return same; }, "1tf 2tf 3ft 4ff 5ff", false, false,
         {0.55, 0.8}},
        {"a tight fit", [&](CaseModel& m) { m.GarmentList.Fitting[0] = 3; return same; }, "1tt 2tt 3ft 4ff 5ff", true,
         false, {0.55, 0.8}},
        {"a smaller coverage", [&](CaseModel& m) { m.GarmentList.Coverage[0] = 0.7; return same; },
         "1tf 2tf 3ft 4ff 5ff", false, false, {0.55, 0.8}},
        {"a larger largest coverage", [&](CaseModel& m) { m.GarmentList.Coverage[1] = 0.85; return same; },
         "1tf 2tf 3ft 4ff 5ff", false, true, {0.85, 0.85}},
        {"a full rebuild due", [&](CaseModel& m) { m.StagesDirty = true; return same; }, nullptr, false, false, {}},
        {"a stage made for other clothing",
         [&](CaseModel& m) {
             m.Stages[1]->Microclimates.push_back(NewMicroclimate(false));
             return same;
         },
         nullptr, false, false, {}},
        {"no stages", [&](CaseModel& m) { m.Stages.clear(); return same; }, nullptr, false, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        CaseFixture c = Dressed();
        CaseModel& m = c.Model;
        const ClothingLayout confirmed = ClothingLayoutOf(m);
        const std::vector<int> from = row.Edit(m);
        std::vector<std::string> before;
        for (std::size_t s = 0; s < m.Stages.size(); ++s)
            before.push_back(MicroclimateMarks(m, s));
        const bool dirty = m.StagesDirty;
        const ClothingFollowed followed = FollowClothing(m, confirmed, from);
        EXPECT_EQ(followed.Followed, row.Marks != nullptr);
        EXPECT_EQ(m.StagesDirty, dirty);
        EXPECT_EQ(followed.MicroclimatesChanged, row.MicroclimatesChanged);
        EXPECT_EQ(followed.CoverChanged, row.CoverChanged);
        for (std::size_t s = 0; s < m.Stages.size(); ++s) {
            EXPECT_EQ(MicroclimateMarks(m, s), row.Marks ? row.Marks : before[s]) << s;
            EXPECT_EQ(m.Stages[s]->h_cC, 0.0007 + 0.0001 * static_cast<double>(s)) << s;
        }
        if (!row.Marks)
            continue;
        EXPECT_TRUE(ContactFlagsAgree(m));
        EXPECT_EQ(m.Control.ClothingCoverRatio[0], row.Ratios[0]);
        EXPECT_EQ(m.Control.ClothingCoverRatio[1], row.Ratios[1]);
        EXPECT_EQ(m.Control.ClothingCoverRatio[2], 0.33);
        // Confirmed again, the same clothing changes nothing.
        const auto kept = m.Stages[0]->Microclimates;
        EXPECT_FALSE(FollowClothing(m, ClothingLayoutOf(m), same).MicroclimatesChanged);
        EXPECT_EQ(m.Stages[0]->Microclimates, kept);
    }
}

} // namespace
