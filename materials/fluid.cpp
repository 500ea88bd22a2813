#include "materials/fluid.h"

#include <QLineEdit>

#include "casemodel/numformat.h"

TFluid* Fluid = nullptr;

namespace {

// The six edits of a column in the order of the record's fields.
void ShowFluid(const FluidType& f, QLineEdit* const (&column)[6])
{
    const double values[6] = {f.Density, f.DynaViscosity, f.SpecHeat, f.SurfaceTension, f.DiffuseCoeff,
                              f.TherConductivity};
    for (int i = 0; i < 6; ++i)
        column[i]->setText(QString::fromStdString(FloatToStr(values[i])));
}

} // namespace

TFluid::TFluid(QWidget* owner) : TForm(owner)
{
    setObjectName("Fluid");
    SetCaption("Define Fluid");
    SetClientSize(520, 300);
    SetPosition(TPosition::MainFormCenter);

    QLineEdit** edits[12] = {&DensityText,  &DynaVisText,  &SpecHeatText,  &SurTensionText,
                             &DiffuseCoeText, &TherConducText, &DensityLText, &DynaVisLText,
                             &SpecHeatLText, &SurTensionLText, &DiffuseCoeLText, &TherConducLText};
    const char* names[12] = {"DensityText",   "DynaVisText",   "SpecHeatText",   "SurTensionText",
                             "DiffuseCoeText", "TherConducText", "DensityLText",  "DynaVisLText",
                             "SpecHeatLText",  "SurTensionLText", "DiffuseCoeLText", "TherConducLText"};
    for (int i = 0; i < 12; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(names[i]);
        e->setGeometry(i < 6 ? 260 : 380, 20 + 30 * (i % 6), 110, 22);
        *edits[i] = e;
    }
}

void TFluid::LoadFluidList(const TList<FluidType>& fluids)
{
    if (!fluids.empty())
        ShowFluid(*fluids[0], {DensityText, DynaVisText, SpecHeatText, SurTensionText, DiffuseCoeText,
                               TherConducText});
    if (fluids.size() == 2)
        ShowFluid(*fluids[1], {DensityLText, DynaVisLText, SpecHeatLText, SurTensionLText, DiffuseCoeLText,
                               TherConducLText});
}
