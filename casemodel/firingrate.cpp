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

BodyParameters DefaultPhysiology()
{
    BodyParameters b;
    b.Cswr_max = 4.0 / 15.0;
    b.Cswr_reg = 1.7e-2 / 3600;
    b.Cswr_pow = 10.7;
    b.Cshv_reg = 0.00046366;
    b.Cbld_dia = 0.02;
    b.Cbld_strt = 1e-5;
    b.cp_bld = 0.277957;
    b.Density_bld = 1.06;
    b.Vbld_skneu = 0.00063;
    b.Vbld_skmax = 0.009;
    b.Vbld_skmin = 5e-5;
    b.T_skneu = 34.1 + KelvinOffset;
    b.T_crneu = 37.1 + KelvinOffset;
    b.cp_bm = 0.834588;
    b.T_sk = 33 + KelvinOffset;
    b.T_cr = 37.2 + KelvinOffset;
    b.RH_sk = 0.354;
    b.k_b = 0.000126192;
    b.abs_sk = 0.77;
    return b;
}
