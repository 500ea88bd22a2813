#include <gtest/gtest.h>

#include "casemodel/casemodel.h"
#include "casemodel/firingrate.h"
#include "casemodel/records.h"

#include <numeric>
#include <vector>

namespace {

// The exact default fluids, membrane and control lines are held by the writer's golden files;
// what they cannot show is that every one of the fifty stages starts initialised.
TEST(CaseModel, FreshCaseInitialisesEveryStageAndTheFiringRates)
{
    CaseModel c;
    c.InitControlDefaults();
    for (int i = 0; i < MaxStages; ++i) {
        EXPECT_DOUBLE_EQ(c.Control.ClothingCoverRatio[i], 0.9) << i;
        EXPECT_DOUBLE_EQ(c.Control.MoistureTransferRatio[i], 0.9) << i;
        EXPECT_DOUBLE_EQ(c.Control.HeatTransferRatio[i], 0.9) << i;
    }
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        EXPECT_EQ(c.FiringRate[slot], FiringRateSlots[slot].Default) << slot;
}

// Row k of the case before the edit: every per-stage value differs from every other row's and
// from what an empty row holds. Entries 0 and 1 are of one activity; the rows go by place only.
CaseModel CaseWithOwnRows()
{
    CaseModel c;
    c.InitControlDefaults();
    c.Activity.StageCount = MaxStages;
    for (std::size_t k = 0; k < MaxStages; ++k) {
        const double x = static_cast<double>(k);
        c.Activity.ActivityIndex[k] = k < 2 ? 9 : static_cast<int>(k % 38);
        c.Environment.Temperature[k] = -10.5 + x;
        c.Environment.RH[k] = 20.25 + x;
        c.Environment.Wind[k] = 0.125 + x;
        c.Environment.Place[k] = k % 2 ? PlaceIndoor : PlaceOutdoor;
        c.Control.HeatTransferRatio[k] = 0.01 + x / 100;
        c.Control.MoistureTransferRatio[k] = 0.015 + x / 100;
        c.Control.ClothingCoverRatio[k] = 0.4;
    }
    return c;
}

TEST(CaseModel, PerStageRowsFollowTheirEntryAndAddedEntriesStartEmpty)
{
    std::vector<int> allButTheLast(MaxStages - 1);
    std::iota(allButTheLast.begin(), allButTheLast.end(), 0);
    std::vector<int> reversed(allButTheLast.rbegin(), allButTheLast.rend());
    reversed.insert(reversed.begin(), MaxStages - 1);
    struct Case {
        const char* Edit;
        std::vector<int> From;  // the rows the new list takes, -1 an empty one
    };
    const Case cases[] = {
        {"delete the second of three", {0, 2}},
        {"second of three up", {1, 0, 2}},
        {"second of one activity's two entries up", {1, 0}},
        {"one added", {0, 1, 2, -1}},
        {"third deleted, one added and moved up", {0, -1, 1}},
        {"first deleted, two added", {1, -1, -1}},
        {"fifty reversed", reversed},
        {"last of fifty deleted", allButTheLast},
        {"every entry new", {-1, -1}},
    };
    for (const Case& t : cases) {
        const CaseModel before = CaseWithOwnRows();
        CaseModel c = before;
        c.RearrangeStageRows(t.From);
        for (std::size_t i = 0; i < MaxStages; ++i) {
            const int k = i < t.From.size() ? t.From[i] : -1;
            // Rows past the list's end are emptied: a deleted entry's values are gone.
            const auto was = [&](const auto& rows, double empty) {
                return k < 0 ? empty : rows[static_cast<std::size_t>(k)];
            };
            const std::string where = std::string(t.Edit) + ", row " + std::to_string(i);
            EXPECT_EQ(c.Environment.Temperature[i], was(before.Environment.Temperature, 0)) << where;
            EXPECT_EQ(c.Environment.RH[i], was(before.Environment.RH, 0)) << where;
            EXPECT_EQ(c.Environment.Wind[i], was(before.Environment.Wind, 0)) << where;
            EXPECT_EQ(c.Environment.Place[i], was(before.Environment.Place, PlaceNone)) << where;
            EXPECT_EQ(c.Control.HeatTransferRatio[i], was(before.Control.HeatTransferRatio, 0.9)) << where;
            EXPECT_EQ(c.Control.MoistureTransferRatio[i], was(before.Control.MoistureTransferRatio, 0.9)) << where;
        }
        // The schedule is the activity dialog's to write; the stage rebuild derives the cover ratios.
        EXPECT_EQ(c.Activity.ActivityIndex, before.Activity.ActivityIndex) << t.Edit;
        EXPECT_EQ(c.Control.ClothingCoverRatio, before.Control.ClothingCoverRatio) << t.Edit;
    }
}

TEST(CaseModel, CaseDirAlwaysEndsWithOneSeparator)
{
    CaseModel c;
    for (const auto& [set, kept] : {std::pair{"/tmp/case", "/tmp/case/"}, {"/tmp/case///", "/tmp/case/"}, {"/", "/"}}) {
        c.SetCaseDir(set);
        EXPECT_EQ(c.CaseDir(), kept) << set;
    }
}

TEST(DynArray, IndexOutsideTheLengthIsARangeError)
{
    TDoubleDynArray a;
    EXPECT_THROW(a[0], ERangeError);
    a.SetLength(3);
    a[2] = 4.5;
    EXPECT_THROW(a[3], ERangeError);
    EXPECT_THROW(a[-1], ERangeError);
    a.SetLength(5);
    EXPECT_EQ(a[2], 4.5);  // leading elements kept
    EXPECT_EQ(a[4], 0);
}

} // namespace
