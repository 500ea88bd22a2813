#pragma once
// Builds the case's stage list from the activity schedule, the environment of each stage, the
// wearer's skin state and the clothing. Lazy: it rebuilds only while StagesDirty is set, so
// values edited in the boundary dialog or read from a file survive until the schedule or the
// environment is confirmed again.
#include "casemodel/casemodel.h"

// One stage per schedule entry, each with one microclimate per filled layer among the first
// three layers of every garment; then the contact flags, the environment states and the
// clothing cover ratio of every stage. Clears StagesDirty.
void BuildStageList(CaseModel& model);

// Layers 3 to 5 (the lower garment's part) never give a microclimate.
constexpr int MicroclimateLayers = 3;

// A new microclimate as the builder makes it: both contacts "true" for a tight fit, "false"
// otherwise, and the table's coefficients.
std::shared_ptr<FabricMicroclimate> NewMicroclimate(bool tight);

// The builder's microclimates for the clothing as it stands: one per layer with a fabric among
// the first three of every garment, garment by garment. Their count is the count every stage
// must hold.
std::vector<std::shared_ptr<FabricMicroclimate>> BuilderMicroclimates(const CaseModel& model);

// Contact flags and inner and outer environment states, one entry per stage of the list.
void RebuildStageSideLists(CaseModel& model);

// The schedule's metabolic rates and the environment rows' air temperatures and relative
// humidities (percent) from the stages, so that the activity and environment dialogs show what
// the stages hold. Wind, durations, activities and places are left to the caller.
void CopyStageStateToRows(CaseModel& model);

// What the stage builder gives every new stage and microclimate besides the schedule's,
// environment's and wearer's values, and what the boundary dialog's Default buttons put back.
struct StageFieldDefault {
    double StageType::*Field;
    double Value;
};
struct MicroclimateFieldDefault {
    double FabricMicroclimate::*Field;
    double Value;
};
// The four transfer coefficients, the liquid volumetric fractions and the radiation.
extern const StageFieldDefault NewStageDefaults[8];
// hc0, hc1, hm0, hm1, hph, in this order.
extern const MicroclimateFieldDefault NewMicroclimateDefaults[5];
// The field's value in its table; NaN when it has none there.
double NewStageDefault(double StageType::*field);
double NewMicroclimateDefault(double FabricMicroclimate::*field);
