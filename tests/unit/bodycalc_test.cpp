#include <gtest/gtest.h>

#include "casemodel/bodycalc.h"

namespace {

// The weight in grams and the Du Bois area in square centimetres; the physiology stays.
TEST(BodyCalc, ApplyWearerStoresGramsAndDuBoisAreaAndKeepsThePhysiology)
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
    EXPECT_NEAR(body.A_d, 16504.50, 0.01);  // 0.007184 x 62.5^0.425 x 160^0.725 m2
    EXPECT_TRUE(body.IsFemale);
    EXPECT_DOUBLE_EQ(body.T_sk, 306.16);
    EXPECT_DOUBLE_EQ(body.RH_sk, 0.354);
    EXPECT_DOUBLE_EQ(body.T_bmneu, 309.5);
}

} // namespace
