#include "casemodel/bodycalc.h"

#include <cmath>

double DuBoisArea(double weightKg, double heightCm)
{
    // 0.007184 W^0.425 H^0.725 gives m2; the solver works in cm2.
    return 0.007184 * std::pow(weightKg, 0.425) * std::pow(heightCm, 0.725) * 10000.0;
}

void ApplyWearer(const WearerMeasures& wearer, BodyParameters& body)
{
    body.A_d = DuBoisArea(wearer.WeightKg, wearer.HeightCm);
    body.W_d = wearer.WeightKg * 1000.0;
    body.Height = wearer.HeightCm;
    body.IsMale = wearer.IsMale;
    body.IsFemale = wearer.IsFemale;
    body.Age = wearer.Age;
    body.Race = wearer.Race;
}
