#pragma once
// State of the air on one side of the clothing (skin side or ambient) in one stage.

struct CEnvironment {
    double T = 0;                   // air temperature, K
    double T2 = 0;                  // the same value again
    double RH = 0;                  // relative humidity, fraction
    double VaporPressure = 0;       // SaturationPressure x RH
    double VaporDensity = 0;
    double SaturationPressure = 0;
    double G_rad = 0;               // radiation source
    double VFL = 0;                 // liquid volumetric fraction

    CEnvironment() = default;
    // temperature in degrees Celsius, radiation source, RH as a fraction, liquid volume fraction
    CEnvironment(double temperatureC, double gRad, double rh, double vfl);
};
