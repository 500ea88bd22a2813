#include <gtest/gtest.h>

#include "casemodel/bodycalc.h"

namespace {

TEST(BodyCalc, DuBoisAreaInSquareCentimetres)
{
    EXPECT_NEAR(DuBoisArea(70, 175), 18481.43, 0.01);
    EXPECT_NEAR(DuBoisArea(1, 1), 71.84, 1e-9);
}

TEST(BodyCalc, ApplyWearerStoresGramsAndAreaAndKeepsThePhysiology)
{
    BodyParameters body;
    body.T_sk = 306.16;
    body.RH_sk = 0.354;
    body.T_bmneu = 309.5;
    WearerMeasures wearer;
    wearer.WeightKg = 62.5;
    wearer.HeightCm = 160;
    wearer.IsFemale = true;
    ApplyWearer(wearer, body);
    EXPECT_DOUBLE_EQ(body.W_d, 62500);
    EXPECT_DOUBLE_EQ(body.A_d, DuBoisArea(62.5, 160));
    EXPECT_TRUE(body.IsFemale);
    EXPECT_DOUBLE_EQ(body.T_sk, 306.16);
    EXPECT_DOUBLE_EQ(body.RH_sk, 0.354);
    EXPECT_DOUBLE_EQ(body.T_bmneu, 309.5);
}

} // namespace
