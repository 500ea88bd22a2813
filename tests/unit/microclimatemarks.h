#pragma once
// Microclimates told apart after the clothing changed: each gets values of its own before the
// change, and a stage's list reads back as the marks of the microclimates it holds, in order.
#include <cmath>
#include <string>

#include "casemodel/casemodel.h"
#include "casemodel/stagebuilder.h"

// Offsets of hc0, hc1, hm0, hm1, hph from a microclimate's mark.
constexpr double MarkSteps[5] = {0, 0.1, 0.2, 0.3, 0.4};

inline void MarkMicroclimate(FabricMicroclimate& m, int mark)
{
    for (std::size_t i = 0; i < 5; ++i)
        m.*NewMicroclimateDefaults[i].Field = mark + MarkSteps[i];
}

// Microclimate m of stage s gets the mark 10 s + m + 1 and the contacts given for it ("t"/"f" per
// side, as in `contacts`, two letters per microclimate).
inline void MarkStages(CaseModel& model, const std::string& contacts)
{
    for (std::size_t s = 0; s < model.Stages.size(); ++s) {
        auto& list = model.Stages[s]->Microclimates;
        for (std::size_t m = 0; m < list.size(); ++m) {
            MarkMicroclimate(*list[m], static_cast<int>(10 * s + m + 1));
            list[m]->InnerContact = contacts.at(2 * m) == 't' ? "true" : "false";
            list[m]->OuterContact = contacts.at(2 * m + 1) == 't' ? "true" : "false";
        }
    }
    RebuildStageSideLists(model);
}

// Stage s's microclimates, each as its mark less 10 s ("N" for the builder's coefficients, "?"
// for anything else) and its two contacts.
inline std::string MicroclimateMarks(const CaseModel& model, std::size_t s)
{
    std::string text;
    const auto& list = model.Stages.at(s)->Microclimates;
    for (std::size_t m = 0; m < list.size(); ++m) {
        const FabricMicroclimate& mc = *list[m];
        const double mark = mc.hc0;
        bool marked = mark == std::round(mark), builders = true;
        for (std::size_t i = 0; i < 5; ++i) {
            const double value = mc.*NewMicroclimateDefaults[i].Field;
            marked = marked && value == mark + MarkSteps[i];
            builders = builders && value == NewMicroclimateDefaults[i].Value;
        }
        text += m ? " " : "";
        text += marked ? std::to_string(static_cast<int>(mark) - 10 * static_cast<int>(s)) : builders ? "N" : "?";
        for (const std::string* contact : {&mc.InnerContact, &mc.OuterContact})
            text += *contact == "true" ? "t" : *contact == "false" ? "f" : "?";
    }
    return text;
}

// The contact flags say of every stage what its microclimates' contacts say.
inline bool ContactFlagsAgree(const CaseModel& model)
{
    if (model.ContactFlags.size() != model.Stages.size())
        return false;
    for (std::size_t s = 0; s < model.Stages.size(); ++s) {
        const auto& list = model.Stages[s]->Microclimates;
        const TBooleanDynArray& flags = model.ContactFlags[s];
        if (flags.Length() != 2 * static_cast<int>(list.size()))
            return false;
        for (std::size_t m = 0; m < list.size(); ++m) {
            const int i = 2 * static_cast<int>(m);
            if (flags[i] != (list[m]->InnerContact == "true") || flags[i + 1] != (list[m]->OuterContact == "true"))
                return false;
        }
    }
    return true;
}
