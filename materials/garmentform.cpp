#include "materials/garmentform.h"

#include <algorithm>

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

void TGarmentForm::LoadGarmentList(int n, const int* styles, const int* fittings)
{
    n = std::clamp(n, 0, MaxGarments);
    // The loader passes this dialog's own arrays: each entry is read before it is written.
    for (int i = 0; i < n; ++i) {
        const auto g = static_cast<std::size_t>(i);
        const int style = styles[i];
        const int fitting = fittings[i];
        CurrentStyle = style;
        StyleIndex[g] = style;
        Coverage[g] = StyleCoverage(style);
        Fitting[g] = fitting;
    }
    GarmentCount = n;
    Changed = true;
}
