#include <gtest/gtest.h>

#include "casemodel/casemodel.h"
#include "casemodel/firingrate.h"
#include "casemodel/records.h"

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

TEST(CaseModel, CaseDirAlwaysEndsWithOneSeparator)
{
    CaseModel c;
    c.SetCaseDir("/tmp/case");
    EXPECT_EQ(c.CaseDir(), "/tmp/case/");
    c.SetCaseDir("/tmp/case//");
    EXPECT_EQ(c.CaseDir(), "/tmp/case/");
    c.SetCaseDir("/");
    EXPECT_EQ(c.CaseDir(), "/");
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
