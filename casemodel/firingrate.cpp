#include "casemodel/firingrate.h"

const std::array<FiringRateSlot, FiringRateSlotCount> FiringRateSlots = {{
    {"Warm_Skin_KsText1", "Warm_Ks", 1.16, "[30,40]", false, true, 0, 0},
    {"Warm_Skin_KsText2", "Warm_Ks", -2.05, "[40,44]", false, true, 1, 0},
    {"Cold_Skin_KsText1", "Cold_Ks", 0.47, "[13,24]", false, false, 0, 0},
    {"Cold_Skin_KsText2", "Cold_Ks", -0.64, "[24,40]", false, false, 1, 0},
    {"Warm_Skin_KdText1", "Warm_Skin_Kd", 70, "[30,40]", false, true, 0, 1},
    {"Warm_Skin_KdText2", "Warm_Skin_Kd", 70, "[40,44]", false, true, 1, 1},
    {"Cold_Skin_KdText1", "Cold_Skin_Kd", -21, "[13,24]", false, false, 0, 1},
    {"Cold_Skin_KdText2", "Cold_Skin_Kd", -21, "[24,40]", false, false, 1, 1},
    {"Warm_Skin_CText1", "Warm_Skin_C", -36.06, "[30,40]", false, true, 0, 2},
    {"Warm_Skin_CText2", "Warm_Skin_C", 113, "[40,44]", false, true, 1, 2},
    {"Cold_Skin_CText1", "Cold_Skin_", -1.07, "[13,24]", false, false, 0, 2},
    {"Cold_Skin_CText2", "Cold_Skin_", 25.86, "[24,40]", false, false, 1, 2},
    {"Warm_Core_KsText1", "Warm_Core_Ks", -0.23, "[28,40.5]", true, true, 0, 0},
    {"Warm_Core_KsText2", "Warm_Core_Ks", 2.12, "[40.5,43]", true, true, 1, 0},
    {"Cold_Core_KsText1", "Cold_Core_Ks", -1.04, "[22,34.5]", true, false, 0, 0},
    {"Cold_Core_KsText2", "Cold_Core_Ks", 3.41, "[34.5,43]", true, false, 1, 0},
    {"Warm_Core_CText1", "Warm_Core_C", 13.13, "[28,40.5]", true, true, 0, 1},
    {"Warm_Core_CText2", "Warm_Core_C", -67.93, "[40.5,43]", true, true, 1, 1},
    {"Cold_Core_CText1", "Cold_Core_C", 45.63, "[22,34.5]", true, false, 0, 1},
    {"Cold_Core_CText2", "Cold_Core_C", -134.65, "[34.5,43]", true, false, 1, 1},
}};

FiringRateCoefficients DefaultFiringRates()
{
    FiringRateCoefficients rates;
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        rates[slot] = FiringRateSlots[static_cast<std::size_t>(slot)].Default;
    return rates;
}
