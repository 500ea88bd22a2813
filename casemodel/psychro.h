#pragma once
// Moist-air properties and the least-squares spline fit.

// Saturation vapour pressure (hPa) at a temperature in K.
double SaturationVaporPressure(double temperatureK);
// Vapour density at a temperature in K and a relative humidity as a fraction.
double VaporDensity(double temperatureK, double rh);
