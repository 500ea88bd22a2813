#pragma once
// The 20 thermoreceptor firing-rate coefficients as the wearer dialogs show them, and the other
// physiology defaults of a new wearer. The physiology
// dialog, the comfort-parameter dialog and a fresh case all take their slots, edit names and
// defaults from this one table, so the two dialogs cannot drift apart.
#include <array>

#include "casemodel/records.h"

constexpr int FiringRateSlotCount = 20;

// One slot of FiringRateCoefficients and where its edit sits: the skin or core group, the warm or
// cold box, the temperature-range column (0 or 1) and the row (K_static, K_dynamic, constant for
// the skin; K_static, constant for the core).
struct FiringRateSlot {
    const char* EditName;
    const char* Name;   // in the input message; both ranges of a coefficient share it
    double Default;
    const char* Range;  // caption of the edit's column, degrees C
    bool Core;
    bool Warm;
    int Column;
    int Row;
};

// Indexed by slot, which is also the order the dialogs read their edits in.
extern const std::array<FiringRateSlot, FiringRateSlotCount> FiringRateSlots;

// The coefficients a fresh case starts with and the dialogs' Default buttons show.
FiringRateCoefficients DefaultFiringRates();

// The thermoregulation constants and starting state of a new wearer, as the physiology dialog's
// Default shows them, in the units the case stores (temperatures in kelvin, humidity as a
// fraction). Weight, area, height, sex, age and race are left at 0.
BodyParameters DefaultPhysiology();
