#pragma once
// The wearer's measures as the body dialog takes them (kg, cm, sex, age and race classes) and
// how they go into the case's body block.
#include "casemodel/records.h"

// DuBois body surface area in cm2 from the weight in kg and the height in cm.
double DuBoisArea(double weightKg, double heightCm);

struct WearerMeasures {
    double WeightKg = 0;
    double HeightCm = 0;
    bool IsMale = false;
    bool IsFemale = true;
    int Age = 0;   // 0 Child, 1 Adult, 2 Elderly
    int Race = 0;  // 0 Caucasian people .. 5 Other
};

// Stores the measures in the block: the weight in g, the DuBois area, the height, sex, age and
// race. The thermoregulation values of the block stay as they are.
void ApplyWearer(const WearerMeasures& wearer, BodyParameters& body);
