#include <gtest/gtest.h>

#include "casemodel/psychro.h"

namespace {

TEST(Psychrometrics, SaturationPressureTakesTheIceFormulaBelowZeroAndGivesTheVaporDensity)
{
    EXPECT_NEAR(SaturationVaporPressure(273.16), 6.1078, 1e-12);  // t = 0 takes the first formula
    // Just below the freezing point the ice formula already applies.
    EXPECT_NEAR(SaturationVaporPressure(273.1599), 6.2444, 1e-3);
    EXPECT_NEAR(VaporDensity(303.16, 0.4), 1.20322e-5, 1e-10);  // 30 C, 40 %
    EXPECT_EQ(VaporDensity(303.16, 0), 0);
}

TEST(CubicBSpline, IsThePiecewiseBasisWithUnitSum)
{
    for (double u : {-1.0, 4.0})
        EXPECT_EQ(CubicBSpline(u), 0) << u;
    EXPECT_DOUBLE_EQ(CubicBSpline(2), 2.0 / 3);
    for (double u : {0.1, 0.77}) {
        EXPECT_NEAR(CubicBSpline(u) + CubicBSpline(u + 1) + CubicBSpline(u + 2) + CubicBSpline(u + 3), 1, 1e-12) << u;
        // The derivative matches a central difference.
        for (double v : {u, u + 1, u + 2, u + 3}) {
            const double d = (CubicBSpline(v + 1e-6) - CubicBSpline(v - 1e-6)) / 2e-6;
            EXPECT_NEAR(CubicBSplineDerivative(v), d, 1e-6) << v;
        }
    }
}

TEST(SolveLinearSystem, SolvesFullSystemsAndASingleEquationAndRefusesSingularOnesAndBadSizes)
{
    static double a[MaxSystemSize][MaxSystemSize];
    double b[MaxSystemSize];
    double x[MaxSystemSize];
    // A full system whose first row needs the pivot swap; solution (1, -2, 3).
    const double full[3][3] = {{0, 2, 1}, {4, 1, -1}, {2, -3, 5}};
    const double solution[3] = {1, -2, 3};
    for (int i = 0; i < 3; ++i) {
        b[i] = 0;
        for (int j = 0; j < 3; ++j) {
            a[i][j] = full[i][j];
            b[i] += full[i][j] * solution[j];
        }
    }
    ASSERT_TRUE(SolveLinearSystem(a, b, 2, x));
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(x[i], solution[i], 1e-12) << i;

    // A single equation.
    a[0][0] = 4;
    b[0] = 2;
    ASSERT_TRUE(SolveLinearSystem(a, b, 0, x));
    EXPECT_EQ(x[0], 0.5);

    // The second row twice the first: singular.
    for (int j = 0; j < 3; ++j)
        a[1][j] = 2 * a[0][j];
    EXPECT_FALSE(SolveLinearSystem(a, b, 2, x));
    EXPECT_FALSE(SolveLinearSystem(a, b, -1, x));
    EXPECT_FALSE(SolveLinearSystem(a, b, MaxSystemSize, x));
}

TEST(BSplineSmooth, GivesTheSlopesOfLinesAndParabolas)
{
    double y[MaxSmoothCount];
    double r[SmoothSlopeCount];
    // Quadratics lie in the spline space: y = t^2 has slope 2t at t = 1 .. 20.
    for (int i = 0; i < 20; ++i)
        y[i] = (i + 1.0) * (i + 1.0);
    ASSERT_TRUE(BSplineSmooth(y, 20, r));
    for (int m = 0; m < 20; ++m)
        EXPECT_NEAR(r[m], 2.0 * (m + 1), 1e-8) << m;

    // Other counts give slopes in the same unit (per step of t).
    for (int i = 0; i < 40; ++i)
        y[i] = 1 + 0.5 * (i + 1);
    ASSERT_TRUE(BSplineSmooth(y, 40, r));
    for (int m = 0; m < 20; ++m)
        EXPECT_NEAR(r[m], 0.5, 1e-9) << m;
}

TEST(BSplineSmooth, RefusesCountsOutOfRangeWithZeroSlopes)
{
    double y[MaxSmoothCount + 1] = {};
    double r[SmoothSlopeCount];
    for (int count : {0, MinSmoothCount - 1, MaxSmoothCount + 1}) {
        for (double& v : r)
            v = 7;
        EXPECT_FALSE(BSplineSmooth(y, count, r)) << count;
        for (double v : r)
            EXPECT_EQ(v, 0) << count;
    }
}

} // namespace
