#include "materials/fluid.h"

TFluid* Fluid = nullptr;

TFluid::TFluid(QWidget* owner) : TForm(owner)
{
    setObjectName("Fluid");
    SetCaption("Define Fluid");
    SetClientSize(520, 300);
    SetPosition(TPosition::MainFormCenter);
}

void TFluid::LoadFluidList(const TList<FluidType>&) {}
