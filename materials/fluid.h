#pragma once
// The two fluids of the case: the gas in the pores of the fabrics and the liquid that wets them.
// The twelve edits are the dialog's only state and keep their text between openings.
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QGroupBox;
class QLineEdit;
class QPushButton;

class TFluid : public TForm {
    Q_OBJECT
public:
    explicit TFluid(QWidget* owner = nullptr);

    // Shows a loaded fluid list: item 0 in the gas column, item 1 (of exactly two) in the
    // liquid column. Sets no flag.
    void LoadFluidList(const TList<FluidType>& fluids);

    // Reads one column into the record, property by property, stopping at the first edit that
    // is empty or not a number (its message shown); true when all six were read.
    bool GetGasValue(FluidType& fluid);
    bool GetLiquidValue(FluidType& fluid);

    void OKBtnClick();
    void btnExitClick();
    void btnClearClick();
    void DefaultClick();
    void ClearFluidFields();

    QGroupBox* GroupBox1;
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
    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;

private:
    bool GetColumnValue(bool liquid, FluidType& fluid);
};

extern TFluid* Fluid;
