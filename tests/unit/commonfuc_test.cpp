#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "casemodel/commonfuc.h"

namespace {

TEST(IsFraction, AcceptsZeroToOneInclusive)
{
    EXPECT_TRUE(IsFraction(0.0));
    EXPECT_TRUE(IsFraction(1.0));
    EXPECT_FALSE(IsFraction(1.0000001));
    EXPECT_FALSE(IsFraction(-1e-12));
    EXPECT_FALSE(IsFraction(65));
    EXPECT_FALSE(IsFraction(std::numeric_limits<double>::quiet_NaN()));
}

TEST(HasRepeatedChar, CountsMoreThanOneOccurrence)
{
    EXPECT_TRUE(HasRepeatedChar("1.2.3", '.'));
    EXPECT_FALSE(HasRepeatedChar("1.23", '.'));
    EXPECT_FALSE(HasRepeatedChar("", '.'));
    EXPECT_FALSE(HasRepeatedChar(nullptr, '.'));
}

TEST(MaxMinAbs, ReturnTheFirstArgumentOnTies)
{
    EXPECT_EQ(MaxOf(2, 3), 3);
    EXPECT_EQ(MinOf(3, 2), 2);
    // Equal values: the first argument comes back (visible with signed zeros).
    EXPECT_TRUE(std::signbit(MaxOf(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MinOf(0.0, -0.0)));
    EXPECT_EQ(AbsOf(-2.5), 2.5);
}

TEST(Bells, PeakAtTheirCentresAndHalveAtTheirWidths)
{
    EXPECT_DOUBLE_EQ(BellLow(0), 1);
    EXPECT_DOUBLE_EQ(BellMedium(60), 1);
    EXPECT_DOUBLE_EQ(BellHigh(100), 1);
    EXPECT_DOUBLE_EQ(BellLow(-25), 0.5);
    EXPECT_DOUBLE_EQ(BellMedium(35), 0.5);
    EXPECT_DOUBLE_EQ(BellMedium(85), 0.5);
    EXPECT_DOUBLE_EQ(BellHigh(70), 0.5);
    // Exponent 2b = 8: twice the width gives 1 / (1 + 2^8).
    EXPECT_DOUBLE_EQ(BellLow(50), 1.0 / 257);
    EXPECT_LT(BellHigh(0), 1e-4);
}

} // namespace
