#include "casemodel/psychro.h"

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
