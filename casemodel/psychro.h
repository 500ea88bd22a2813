#pragma once
// Moist-air properties and the least-squares spline fit.

// Saturation vapour pressure (hPa) at a temperature in K.
double SaturationVaporPressure(double temperatureK);
// Vapour density at a temperature in K and a relative humidity as a fraction.
double VaporDensity(double temperatureK, double rh);

// Uniform cubic B-spline basis function on [0, 4] (0 outside) and its derivative.
double CubicBSpline(double u);
double CubicBSplineDerivative(double u);

// Row length of the matrices SolveLinearSystem takes, and so the largest system it solves.
constexpr int MaxSystemSize = 80;

// Solves the n + 1 equations A x = b (n is the last index, n + 1 <= MaxSystemSize) by
// satisfying the rows one after another with projections along search directions, choosing
// as pivot the direction with the largest product with the current row. A is stored by rows
// of MaxSystemSize doubles; b and x hold n + 1 doubles. Returns false (x unspecified) for an n
// out of range or a singular system, which shows as a pivot product of zero.
bool SolveLinearSystem(const double (*a)[MaxSystemSize], const double* b, int n, double* x);

// Counts of values BSplineSmooth fits: below 8 the eight spline coefficients are not
// determined; the upper bound keeps its work arrays fixed.
constexpr int MinSmoothCount = 8;
constexpr int MaxSmoothCount = 200;
constexpr int SmoothSlopeCount = 20;

// Least-squares fit of a cubic B-spline (five uniform intervals over t = 1 .. n, the value y[i]
// at t = i + 1) and the slopes dy/dt of the fitted curve at t = (m + 1) n / 20, m = 0 .. 19,
// written into r[0..19] (for n = 20: at t = 1 .. 20). Returns false and writes zeros when n is
// out of range or the fit has no unique solution.
bool BSplineSmooth(const double* y, int n, double* r);
