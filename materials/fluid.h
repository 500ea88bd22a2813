#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QLineEdit;

class TFluid : public TForm {
    Q_OBJECT
public:
    explicit TFluid(QWidget* owner = nullptr);

    // Shows a loaded fluid list: item 0 in the gas column, item 1 (of exactly two) in the
    // liquid column. Sets no flag.
    void LoadFluidList(const TList<FluidType>& fluids);

    // The gas column and the liquid column ("L"), one edit per property.
    QLineEdit* DensityText;
    QLineEdit* DynaVisText;
    QLineEdit* SpecHeatText;
    QLineEdit* SurTensionText;
    QLineEdit* DiffuseCoeText;
    QLineEdit* TherConducText;
    QLineEdit* DensityLText;
    QLineEdit* DynaVisLText;
    QLineEdit* SpecHeatLText;
    QLineEdit* SurTensionLText;
    QLineEdit* DiffuseCoeLText;
    QLineEdit* TherConducLText;
};

extern TFluid* Fluid;
