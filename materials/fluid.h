#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"

class TFluid : public TForm {
    Q_OBJECT
public:
    explicit TFluid(QWidget* owner = nullptr);

    void LoadFluidList(const TList<FluidType>& fluids);
};

extern TFluid* Fluid;
