#pragma once
// Builds the case's stage list from the activity schedule, the environment of each stage, the
// wearer's skin state and the clothing. Lazy: it rebuilds only while StagesDirty is set, so
// values edited in the boundary dialog or read from a file survive until the schedule or the
// environment is confirmed again. A clothing change does not rebuild them: they follow it
// (FollowClothing).
#include <array>
#include <vector>

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

// The largest coverage of the case's garments: every stage's clothing cover ratio as the builder
// sets it (no garment covers nothing).
double BuilderCoverRatio(const CaseModel& model);

// The clothing as a stage list sees it: per garment its style, its fit, its coverage and which of
// its first three layers hold a fabric (whichever fabric), and the cover ratio it gives.
struct ClothingLayout {
    std::vector<int> Styles, Fits;
    std::vector<double> Coverages;
    std::vector<std::array<bool, MicroclimateLayers>> Layers;
    double Cover = 0;
    bool operator==(const ClothingLayout& o) const
    {
        return Styles == o.Styles && Fits == o.Fits && Coverages == o.Coverages && Layers == o.Layers &&
               Cover == o.Cover;
    }
};
ClothingLayout ClothingLayoutOf(const CaseModel& model);

// What a clothing change did to the stages.
struct ClothingFollowed {
    // The stages followed the clothing; when false, nothing was changed and the stages are to be
    // built afresh.
    bool Followed = false;
    // A microclimate came or went, or its contacts changed: the boundary values no longer hold.
    bool MicroclimatesChanged = false;
    // A cover ratio took another value: the control values no longer hold.
    bool CoverChanged = false;
};

// The clothing was confirmed anew. `confirmed` is the clothing the stages were built for, and
// garment g of the case's clothing was garment from[g] of it (-1, or no entry: a new garment).
// A layer (a garment and one of its first three places) stays when that place holds a fabric in
// both: its microclimate moves with it, values and contacts, in every stage; a new layer gets the
// builder's microclimate, a layer gone takes its microclimate along. A garment whose fit changed
// gets the new fit's contacts and keeps its coefficients. Every stage keeps its own values; the
// cover ratios are set as the builder sets them only when the largest coverage changed. The
// stages follow only when they exist, no full rebuild is due (StagesDirty) and every stage holds
// the confirmed clothing's microclimates.
ClothingFollowed FollowClothing(CaseModel& model, const ClothingLayout& confirmed, const std::vector<int>& from);

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
