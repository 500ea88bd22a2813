#include "casemodel/stagebuilder.h"

#include <algorithm>
#include <cmath>
#include <string>

const StageFieldDefault NewStageDefaults[8] = {
    {&StageType::h_cC, 0.000239},  {&StageType::h_cU, 0.000239},  {&StageType::h_rC, 0.0001434},
    {&StageType::h_rU, 0.0001434}, {&StageType::InnerVFL, 2e-20}, {&StageType::OuterVFL, 2e-20},
    {&StageType::InnerG_rad, 0},   {&StageType::OuterG_rad, 0},
};

const MicroclimateFieldDefault NewMicroclimateDefaults[5] = {
    {&FabricMicroclimate::hc0, 13.7},     {&FabricMicroclimate::hc1, 13.7}, {&FabricMicroclimate::hm0, 0.019359},
    {&FabricMicroclimate::hm1, 0.019359}, {&FabricMicroclimate::hph, 13.7},
};

namespace {

template <class Table, class Field>
double DefaultIn(const Table& table, Field field)
{
    for (const auto& d : table)
        if (d.Field == field)
            return d.Value;
    return NAN;
}

// The garments that give microclimates: no more than the rows there are, nor than a case holds.
int LayeredGarments(const LayerRows& layers)
{
    return std::clamp(std::min(layers.GarmentCount, static_cast<int>(layers.Rows.size())), 0, MaxGarments);
}

bool Tight(int fitting) { return fitting == 3; }

const char* ContactOf(bool tight) { return tight ? "true" : "false"; }

} // namespace

std::shared_ptr<FabricMicroclimate> NewMicroclimate(bool tight)
{
    auto m = std::make_shared<FabricMicroclimate>();
    m->InnerContact = ContactOf(tight);
    m->OuterContact = m->InnerContact;
    for (const MicroclimateFieldDefault& d : NewMicroclimateDefaults)
        (*m).*d.Field = d.Value;
    return m;
}

std::vector<std::shared_ptr<FabricMicroclimate>> BuilderMicroclimates(const CaseModel& model)
{
    const GarmentSet& garments = model.GarmentList;
    const LayerRows& layers = model.Layers;
    // Rows beyond the garment count, or a count beyond the rows, give no microclimate.
    const int garmentCount = LayeredGarments(layers);
    std::vector<std::shared_ptr<FabricMicroclimate>> list;
    for (int g = 0; g < garmentCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        const bool tight = Tight(garments.Fitting[gi]);
        for (std::size_t j = 0; j < MicroclimateLayers; ++j)
            if (layers.Rows[gi].Holds(j))
                list.push_back(NewMicroclimate(tight));
    }
    return list;
}

double NewStageDefault(double StageType::*field) { return DefaultIn(NewStageDefaults, field); }

double NewMicroclimateDefault(double FabricMicroclimate::*field) { return DefaultIn(NewMicroclimateDefaults, field); }

double BuilderCoverRatio(const CaseModel& model)
{
    double cover = 0;
    for (int g = 0; g < std::clamp(model.Layers.GarmentCount, 0, MaxGarments); ++g)
        cover = std::max(cover, model.GarmentList.Coverage[static_cast<std::size_t>(g)]);
    return cover;
}

ClothingLayout ClothingLayoutOf(const CaseModel& model)
{
    ClothingLayout clothing;
    for (int g = 0; g < LayeredGarments(model.Layers); ++g) {
        const auto i = static_cast<std::size_t>(g);
        clothing.Styles.push_back(model.GarmentList.StyleIndex[i]);
        clothing.Fits.push_back(model.GarmentList.Fitting[i]);
        clothing.Coverages.push_back(model.GarmentList.Coverage[i]);
        const GarmentLayerRow& row = model.Layers.Rows[i];
        clothing.Layers.push_back({row.Holds(0), row.Holds(1), row.Holds(2)});
    }
    clothing.Cover = BuilderCoverRatio(model);
    return clothing;
}

ClothingFollowed FollowClothing(CaseModel& model, const ClothingLayout& confirmed, const std::vector<int>& from)
{
    if (model.StagesDirty || model.Stages.empty())
        return {};
    // Where each confirmed garment's microclimates begin in a stage's list, and how many the
    // confirmed clothing gives.
    std::vector<std::size_t> first;
    std::size_t count = 0;
    for (const auto& layers : confirmed.Layers) {
        first.push_back(count);
        count += static_cast<std::size_t>(std::count(layers.begin(), layers.end(), true));
    }
    // Stages made for other clothing have no microclimate to tell a layer by.
    for (const auto& stage : model.Stages)
        if (stage->Microclimates.size() != count)
            return {};

    const ClothingLayout now = ClothingLayoutOf(model);
    ClothingFollowed result;
    result.Followed = true;
    for (const auto& stage : model.Stages) {
        const auto before = stage->Microclimates;
        std::vector<bool> kept(before.size(), false);
        std::vector<std::shared_ptr<FabricMicroclimate>> after;
        for (std::size_t g = 0; g < now.Layers.size(); ++g) {
            const int k = g < from.size() ? from[g] : -1;
            const bool known = k >= 0 && static_cast<std::size_t>(k) < confirmed.Layers.size();
            const auto was = static_cast<std::size_t>(k);
            const bool tight = Tight(now.Fits[g]);
            const bool refit = known && confirmed.Fits[was] != now.Fits[g];
            std::size_t at = known ? first[was] : 0;
            for (std::size_t j = 0; j < MicroclimateLayers; ++j) {
                // The confirmed garment's microclimate of this place, if it had one.
                const bool had = known && confirmed.Layers[was][j];
                const std::size_t old = had ? at++ : 0;
                if (!now.Layers[g][j])
                    continue;
                if (!had || kept[old]) {
                    after.push_back(NewMicroclimate(tight));
                    result.MicroclimatesChanged = true;
                    continue;
                }
                kept[old] = true;
                FabricMicroclimate& m = *before[old];
                if (refit && (m.InnerContact != ContactOf(tight) || m.OuterContact != ContactOf(tight))) {
                    m.InnerContact = m.OuterContact = ContactOf(tight);
                    result.MicroclimatesChanged = true;
                }
                after.push_back(before[old]);
            }
        }
        if (std::find(kept.begin(), kept.end(), false) != kept.end())
            result.MicroclimatesChanged = true;
        stage->Microclimates = std::move(after);
    }
    RebuildStageSideLists(model);

    if (now.Cover != confirmed.Cover) {
        const std::size_t stages = std::min<std::size_t>(model.Stages.size(), MaxStages);
        for (std::size_t s = 0; s < stages; ++s) {
            double& ratio = model.Control.ClothingCoverRatio[s];
            result.CoverChanged = result.CoverChanged || ratio != now.Cover;
            ratio = now.Cover;
        }
    }
    return result;
}

void RebuildStageSideLists(CaseModel& model)
{
    model.ContactFlags.assign(model.Stages.size(), TBooleanDynArray());
    model.InnerEnvironments.clear();
    model.OuterEnvironments.clear();
    for (std::size_t s = 0; s < model.Stages.size(); ++s) {
        const StageType& st = *model.Stages[s];
        TBooleanDynArray& flags = model.ContactFlags[s];
        flags.SetLength(2 * static_cast<int>(st.Microclimates.size()));
        for (std::size_t m = 0; m < st.Microclimates.size(); ++m) {
            const int i = 2 * static_cast<int>(m);
            flags[i] = st.Microclimates[m]->InnerContact == "true";
            flags[i + 1] = st.Microclimates[m]->OuterContact == "true";
        }
        model.InnerEnvironments.emplace_back(st.InnerT_a, st.InnerG_rad, st.InnerRH, st.InnerVFL);
        model.OuterEnvironments.emplace_back(st.OuterT_a, st.OuterG_rad, st.OuterRH, st.OuterVFL);
    }
}

void CopyStageStateToRows(CaseModel& model)
{
    const std::size_t n = std::min<std::size_t>(model.Stages.size(), MaxStages);
    for (std::size_t i = 0; i < n; ++i) {
        const StageType& s = *model.Stages[i];
        model.Activity.MetabolicRate[i] = s.MR;
        model.Environment.Temperature[i] = s.OuterT_a;
        model.Environment.RH[i] = s.OuterRH * 100;
    }
}

void BuildStageList(CaseModel& model)
{
    const ActivitySchedule& activity = model.Activity;
    const EnvironmentTable& environment = model.Environment;
    if (!model.StagesDirty)
        return;
    const int stageCount = std::clamp(activity.StageCount, 0, MaxStages);
    const BodyParameters& body = model.Body;

    model.Stages.clear();
    for (int s = 0; s < stageCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        auto st = std::make_shared<StageType>();
        // Named here already, so a case saved before the boundary dialog was opened does not
        // write empty stage names.
        st->Name = "Stage" + std::to_string(s + 1);
        st->InnerT_a = body.T_sk - KelvinOffset;
        st->OuterT_a = environment.Temperature[i];
        st->InnerRH = body.RH_sk;
        st->OuterRH = environment.RH[i] * 0.01;
        for (const StageFieldDefault& d : NewStageDefaults)
            (*st).*d.Field = d.Value;
        st->MR = activity.MetabolicRate[i];
        st->Wind = environment.Wind[i];
        st->CoolDown = false;
        st->CoolDownTime = 0;
        st->StageTime = activity.Duration[i];
        st->Microclimates = BuilderMicroclimates(model);
        model.Stages.push_back(st);
    }

    RebuildStageSideLists(model);

    // The largest coverage of the garments.
    const double cover = BuilderCoverRatio(model);
    for (int s = 0; s < stageCount; ++s)
        model.Control.ClothingCoverRatio[static_cast<std::size_t>(s)] = cover;

    model.StagesDirty = false;
}
