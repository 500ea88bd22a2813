#include "casemodel/psychro.h"

#include <algorithm>
#include <cmath>

double SaturationVaporPressure(double temperatureK)
{
    const double t = temperatureK - 273.16;
    const double e = t >= 0 ? 610.78 * std::exp(17.2694 * t / (t + 238.3))
                            : std::exp(-6140.4 / temperatureK + 28.916);
    return 0.01 * e;
}

double VaporDensity(double temperatureK, double rh)
{
    return SaturationVaporPressure(temperatureK) * 216.5 * (rh * 100) * 1e-5 / temperatureK * 0.001;
}

double CubicBSpline(double u)
{
    if (u <= 0)
        return 0;
    if (u <= 1)
        return u * u * u / 6;
    if (u <= 2)
        return -u * u * u / 2 + 2 * u * u - 2 * u + 2.0 / 3.0;
    if (u <= 3)
        return u * u * u / 2 - 4 * u * u + 10 * u - 22.0 / 3.0;
    if (u <= 4)
        return (4 - u) * (4 - u) * (4 - u) / 6;  // -u^3/6 + 2u^2 - 8u + 32/3, exactly 0 at 4
    return 0;
}

double CubicBSplineDerivative(double u)
{
    if (u <= 0)
        return 0;
    if (u <= 1)
        return u * u / 2;
    if (u <= 2)
        return -1.5 * u * u + 4 * u - 2;
    if (u <= 3)
        return 1.5 * u * u - 8 * u + 10;
    if (u <= 4)
        return -0.5 * (4 - u) * (4 - u);  // -0.5u^2 + 4u - 8
    return 0;
}

namespace {

double Dot(const double* a, const double* b, int count)
{
    double sum = 0;
    for (int i = 0; i < count; ++i)
        sum += a[i] * b[i];
    return sum;
}

} // namespace

bool SolveLinearSystem(const double (*a)[MaxSystemSize], const double* b, int n, double* x)
{
    if (!a || !b || !x || n < 0 || n >= MaxSystemSize)
        return false;
    const int size = n + 1;
    // Rows of p are the search directions still free; each step uses one and removes the
    // current row's component from the others, so later steps keep the rows already satisfied.
    double p[MaxSystemSize][MaxSystemSize];
    double u[MaxSystemSize];
    double used[MaxSystemSize];
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j)
            p[i][j] = i == j ? 1 : 0;
        x[i] = i == 0 ? 1 : 0;
    }

    // Moves x along P_0 until row k holds.
    auto satisfyRow = [&](int k) {
        if (u[0] == 0 || !std::isfinite(u[0]))
            return false;
        const double step = (b[k] - Dot(a[k], x, size)) / u[0];
        for (int i = 0; i < size; ++i)
            x[i] += step * p[0][i];
        return true;
    };

    for (int k = 0; k < n; ++k) {
        const int last = n - k;
        for (int j = 0; j <= last; ++j)
            u[j] = Dot(a[k], p[j], size);
        int pivot = 0;
        for (int j = 1; j <= last; ++j)
            if (std::fabs(u[j]) > std::fabs(u[pivot]))
                pivot = j;
        if (pivot != 0) {
            std::swap_ranges(p[0], p[0] + size, p[pivot]);
            std::swap(u[0], u[pivot]);
        }
        if (!satisfyRow(k))
            return false;
        // Every new direction is taken against the pivot direction as it was before this loop;
        // the loop overwrites row 0 on its first pass.
        std::copy(p[0], p[0] + size, used);
        for (int j = 1; j <= last; ++j) {
            const double factor = u[j] / u[0];
            for (int i = 0; i < size; ++i)
                p[j - 1][i] = p[j][i] - factor * used[i];
        }
    }
    u[0] = Dot(a[n], p[0], size);
    if (!satisfyRow(n))
        return false;
    for (int i = 0; i < size; ++i)
        if (!std::isfinite(x[i]))
            return false;
    return true;
}

bool BSplineSmooth(const double* y, int n, double* r)
{
    if (!r)
        return false;
    std::fill(r, r + SmoothSlopeCount, 0.0);
    if (!y || n < MinSmoothCount || n > MaxSmoothCount)
        return false;

    constexpr int Basis = 8;  // N_j for j = -3 .. 4, stored at j + 3
    const double tMax = n;
    const double h = 0.2 * tMax;  // five knot intervals over [0, tMax]
    double values[MaxSmoothCount][Basis];
    for (int i = 0; i < n; ++i) {
        const double t = i + 1;
        for (int j = 0; j < Basis; ++j)
            values[i][j] = CubicBSpline(t / h - (j - 3));
    }

    // Normal equations of the least-squares fit.
    double m[Basis][MaxSystemSize] = {};
    double g[Basis] = {};
    for (int k = 0; k < Basis; ++k) {
        for (int j = 0; j < Basis; ++j)
            for (int i = 0; i < n; ++i)
                m[k][j] += values[i][j] * values[i][k];
        for (int i = 0; i < n; ++i)
            g[k] += y[i] * values[i][k];
    }
    double c[Basis];
    if (!SolveLinearSystem(m, g, Basis - 1, c))
        return false;

    // Slopes of the fitted curve at t = (s / 200) tMax for s = 10, 20, ..., 200; d/dt of
    // N(t / h - j) carries the factor 1 / h.
    for (int slope = 0; slope < SmoothSlopeCount; ++slope) {
        const double t = 10.0 * (slope + 1) * tMax / 200.0;
        double sum = 0;
        for (int j = 0; j < Basis; ++j)
            sum += c[j] * CubicBSplineDerivative(t / h - (j - 3));
        r[slope] = sum / h;
    }
    return true;
}
