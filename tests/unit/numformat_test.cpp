#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "casemodel/numformat.h"

namespace {

TEST(FloatToStr, WritesFifteenDigitsAndExponentBelowOneTenThousandth)
{
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(1e-5), "1E-5");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(17.0 / 3600000.0), "4.72222222222222E-6");
    EXPECT_EQ(FloatToStr(-2.5), "-2.5");
    EXPECT_EQ(FloatToStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
}

TEST(FormatG6, WritesPercentGWithSixDigits)
{
    EXPECT_EQ(FormatG6(1e8), "1E+08");
    EXPECT_EQ(FormatG6(0.0002), "0.0002");
    EXPECT_EQ(FormatG6(1234567), "1.23457E+06");
    EXPECT_EQ(FormatG6(6.214e-05), "6.214E-05");
    // The exponent form from a decimal exponent of -5 down and of 6 up, after rounding to six digits.
    EXPECT_EQ(FormatG6(0.0001), "0.0001");
    EXPECT_EQ(FormatG6(0.00001), "1E-05");
    EXPECT_EQ(FormatG6(999999), "999999");
    EXPECT_EQ(FormatG6(999999.5), "1E+06");
}

// Exponents of any length overflow or underflow like short ones; a zero stays zero however
// large its exponent.
TEST(TryStrToFloat, AcceptsOnlySignDigitsOnePointAndExponent)
{
    const std::pair<const char*, double> good[] = {
        {"-12", -12}, {"+.5", 0.5}, {"1E-5", 1e-5}, {"5.", 5}, {"1e-400", 0}, {"0.001e-9223372036854775808", 0},
        {"0e99999999999999999999", 0}};
    for (const auto& [text, value] : good) {
        double v = -1;
        EXPECT_TRUE(TryStrToFloat(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    double v = -1;
    for (const char* bad : {"", " ", ".", "-", "inf", "nan", "INF", "0x10", "1e999", "1.2.3", "5-", "2.5 ", " 2.5",
                            "12abc", "1e", "e5", "1,5", "--1", "1e400", "-1e99999999999999999999",
                            "0.001e9223372036854775807", "12e0000000000000000000000000000000400"}) {
        EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
    }
}

TEST(ParseLeadingNumber, TakesTheNumberAtTheStart)
{
    double v = -1;
    EXPECT_TRUE(ParseLeadingNumber(" 12.5abc", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(ParseLeadingNumber("3e", v));
    EXPECT_EQ(v, 3);
    EXPECT_FALSE(ParseLeadingNumber("abc", v));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(ParseLeadingNumber("1e999", v));
}

TEST(Trim, RemovesBlanksAtBothEnds)
{
    EXPECT_EQ(Trim("  2.5 \t"), "2.5");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("a b"), "a b");
}

} // namespace
