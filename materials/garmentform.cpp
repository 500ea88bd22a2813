#include "materials/garmentform.h"

#include <algorithm>

#include "app/workflow.h"
#include "wearer/definebodyfrm.h"

TGarmentForm* GarmentForm = nullptr;

TGarmentForm::TGarmentForm(QWidget* owner) : TForm(owner)
{
    setObjectName("GarmentForm");
    SetCaption("Garments Desgin");
    SetClientSize(665, 485);
    SetPosition(TPosition::MainFormCenter);
}

double TGarmentForm::StyleCoverage(int style)
{
    const bool male = DefineBodyFrm && DefineBodyFrm->IsMale;
    if (style < 0)
        return 0;
    const auto i = static_cast<std::size_t>(style);
    if (male)
        return i < CoverageTableMale.size() ? CoverageTableMale[i] : 0;
    return i < CoverageTableFemale.size() ? CoverageTableFemale[i] : 0;
}

void TGarmentForm::LoadGarmentList()
{
    GarmentSet& garments = TheCase().GarmentList;
    const int n = std::clamp(garments.GarmentCount, 0, MaxGarments);
    for (int i = 0; i < n; ++i) {
        const auto g = static_cast<std::size_t>(i);
        CurrentStyle = garments.StyleIndex[g];
        garments.Coverage[g] = StyleCoverage(garments.StyleIndex[g]);
    }
    garments.GarmentCount = n;
    Changed = true;
}
