#include <gtest/gtest.h>

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

TEST(Bells, PeakAtTheirCentresAndHalveAtTheirWidths)
{
    EXPECT_DOUBLE_EQ(BellMedium(60), 1);
    EXPECT_DOUBLE_EQ(BellMedium(35), 0.5);
    EXPECT_DOUBLE_EQ(BellHigh(70), 0.5);
    // Exponent 2b = 8: twice the width gives 1 / (1 + 2^8).
    EXPECT_DOUBLE_EQ(BellLow(50), 1.0 / 257);
}

} // namespace
