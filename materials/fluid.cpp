#include "materials/fluid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"

TFluid* Fluid = nullptr;

namespace {

// One property row: its edits in both columns, the record's field, the names in the check
// message and the defaults.
struct FluidRow {
    const char* Label;
    const char* GasEdit;
    const char* LiquidEdit;
    QLineEdit* TFluid::*Gas;
    QLineEdit* TFluid::*Liquid;
    double FluidType::*Field;
    const char* GasName;
    const char* LiquidName;
    double GasDefault;
    double LiquidDefault;
};

// In the order the window shows them.
const FluidRow FluidRows[] = {
    {"Density(g.cm-3):", "DensityText", "DensityLText", &TFluid::DensityText, &TFluid::DensityLText,
     &FluidType::Density, "Density of Gas", "Density of Liquid", 0.0011614, 1.0},
    {"Specific heat(cal.g-1.deg-1):", "SpecHeatText", "SpecHeatLText", &TFluid::SpecHeatText,
     &TFluid::SpecHeatLText, &FluidType::SpecHeat, "Specific Heat of Gas", "Specific Heat of Liquid", 1.197, 1.0},
    {"Diffuse coefficient(cm2.s-1):", "DiffuseCoeText", "DiffuseCoeLText", &TFluid::DiffuseCoeText,
     &TFluid::DiffuseCoeLText, &FluidType::DiffuseCoeff, "Diffuse Coefficent of Gas",
     "Diffuse Coefficent of Liquid", 0.25, 0.0},
    {"Dynamic viscosity(g.cm-1.s-1):", "DynaVisText", "DynaVisLText", &TFluid::DynaVisText, &TFluid::DynaVisLText,
     &FluidType::DynaViscosity, "DynaViscosity of Gas", "DynaViscosity of Liquid", 0.0, 0.0008},
    {"Surface tension(g.s-2):", "SurTensionText", "SurTensionLText", &TFluid::SurTensionText,
     &TFluid::SurTensionLText, &FluidType::SurfaceTension, "Surface Tension of Gas", "Surface Tension of Liquid",
     0.0, 0.07},
    {"Thermo conductivity(cal.s-1.cm-1):", "TherConducText", "TherConducLText", &TFluid::TherConducText,
     &TFluid::TherConducLText, &FluidType::TherConductivity, "Thermal Conductivity of Gas",
     "Thermal Conductivity of Liquid", 6.214e-05, 0.001434},
};

// The order of the record's fields, in which a column is read and so which message comes first:
// density, dynamic viscosity, specific heat, surface tension, diffusion, conductivity.
const int ReadOrder[] = {0, 3, 1, 4, 2, 5};

QString NumberText(double value) { return QString::fromStdString(FloatToStr(value)); }

} // namespace

TFluid::TFluid(QWidget* owner) : TForm(owner)
{
    setObjectName("Fluid");
    SetCaption("Define Fluid");
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    GroupBox1 = new QGroupBox("Fluids Properties", this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(new QLabel("Gas", GroupBox1), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Liquid", GroupBox1), 0, 2, Qt::AlignHCenter);
    int row = 1;
    for (const FluidRow& r : FluidRows) {
        grid->addWidget(new QLabel(r.Label, GroupBox1), row, 0);
        for (bool liquid : {false, true}) {
            auto* edit = new QLineEdit(GroupBox1);
            edit->setObjectName(liquid ? r.LiquidEdit : r.GasEdit);
            edit->setFixedWidth(130);
            SetKeyFilter(edit, DecimalKeyPress);
            this->*(liquid ? r.Liquid : r.Gas) = edit;
            grid->addWidget(edit, row, liquid ? 2 : 1);
        }
        ++row;
    }

    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addWidget(GroupBox1);
    main->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { btnClearClick(); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

bool TFluid::GetColumnValue(bool liquid, FluidType& fluid)
{
    for (int i : ReadOrder) {
        const FluidRow& r = FluidRows[i];
        bool ok = false;
        const double value = GetEditValue(this->*(liquid ? r.Liquid : r.Gas), liquid ? r.LiquidName : r.GasName, ok);
        if (!ok)
            return false;
        fluid.*r.Field = value;
    }
    return true;
}

bool TFluid::GetGasValue(FluidType& fluid) { return GetColumnValue(false, fluid); }
bool TFluid::GetLiquidValue(FluidType& fluid) { return GetColumnValue(true, fluid); }

void TFluid::OKBtnClick()
{
    auto gas = std::make_shared<FluidType>();
    auto liquid = std::make_shared<FluidType>();
    if (!GetGasValue(*gas) || !GetLiquidValue(*liquid)) {
        AppMessageBox("You should define both gas and liquid!", "Information", MB_OK);
        return;
    }
    if (gas->DiffuseCoeff == 0) {
        AppMessageBox("The DiffuseCoeff of gas can not be 0!", "Information", MB_OK);
        return;
    }
    gas->Name = "Gas";
    liquid->Name = "Liquid";
    CaseModel& c = TheCase();
    c.Fluids = {gas, liquid};
    c.FluidDefined = true;
    // The main window marks the fluid step when the run ends with OK.
    SetModalResult(mrOk);
    if (!Modal())
        hide();
}

void TFluid::btnExitClick() { Close(); }

void TFluid::btnClearClick() { ClearFluidFields(); }

void TFluid::ClearFluidFields()
{
    for (const FluidRow& r : FluidRows) {
        (this->*r.Gas)->clear();
        (this->*r.Liquid)->clear();
    }
}

void TFluid::DefaultClick()
{
    for (const FluidRow& r : FluidRows) {
        (this->*r.Gas)->setText(NumberText(r.GasDefault));
        (this->*r.Liquid)->setText(NumberText(r.LiquidDefault));
    }
}

void TFluid::LoadFluidList(const TList<FluidType>& fluids)
{
    auto show = [this](const FluidType& f, bool liquid) {
        for (const FluidRow& r : FluidRows)
            (this->*(liquid ? r.Liquid : r.Gas))->setText(NumberText(f.*r.Field));
    };
    if (!fluids.empty())
        show(*fluids[0], false);
    if (fluids.size() == 2)
        show(*fluids[1], true);
}
