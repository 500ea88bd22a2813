#include <gtest/gtest.h>

#include "casemodel/formatfloat.h"

namespace {

TEST(FormatFloat, WritesEveryPictureOfThePlotLabels)
{
    struct Row {
        const char* Pattern;
        double Value;
        const char* Text;
    };
    const Row rows[] = {
        {"0.00E-0", 1234.5, "1.23E3"},
        {"0.00E-0", 0.00012, "1.20E-4"},
        {"0.00E-0", 9.996, "1.00E1"},  // the carry moves into the exponent
        {"0.00E-0", 0, "0.00E0"},
        {"#0.###", 2, "2"},
        {"#0.###", 1.0 / 3.0, "0.333"},
        {"#0.###", -0.0001, "0"},  // rounds to zero: no sign
        {"##0.###", 0.25, "0.25"},
        {"#0.000", 0, "0.000"},
        {"#0.000", 0.0125, "0.013"},
        {"#0.00", 35.456, "35.46"},
        {"#0.##", 0.125, "0.13"},
        {"00", 7, "07"},
        {"00", 123, "123"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatFloat(row.Pattern, row.Value), row.Text) << row.Pattern << " " << row.Value;
}

} // namespace
