#include "casemodel/environment.h"

#include "casemodel/psychro.h"

CEnvironment::CEnvironment(double temperatureC, double gRad, double rh, double vfl)
{
    T = temperatureC + 273.16;
    T2 = T;
    RH = rh;
    SaturationPressure = SaturationVaporPressure(T);
    VaporPressure = SaturationPressure * RH;
    VaporDensity = ::VaporDensity(T, RH);
    G_rad = gRad;
    VFL = vfl;
}
