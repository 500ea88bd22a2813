#include "materials/fiberpform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "materials/recordpform.h"
#include "toolkit/application.h"
#include "toolkit/stringgrid.h"

TFiberPForm* FiberPForm = nullptr;

namespace {

// The relative humidity at which the database's regain value holds (standard atmosphere).
const char* const RegainRH = "0.65";
const char* const RegainKey = "Regain value";

struct FiberRow {
    TParameterRow Row;
    QString TFiberRecordValues::*Field;  // nullptr: not handed on
};

const FiberRow Rows[] = {
    {{"Diameter:", "Diameter", "cm", "DiameterEdit"}, &TFiberRecordValues::Diameter},
    {{"Volume density :", "Volume density", "g.cm-3", "DensityEdit"}, &TFiberRecordValues::Density},
    {{"Liquid contact angle :", "Liquid contact angle", "deg", "ContactAngleEdit"},
     &TFiberRecordValues::LiquidContactAngle},
    {{"Regain value :", RegainKey, "at 65 % RH", "RegainEdit"}, nullptr},
    {{"Diffusion coefficient :", "Diffusion coefficient", "cm2.s-1", "DiffusionEdit"},
     &TFiberRecordValues::VaporDiffusion},
    {{"Thermal conductivity of fiber :", "Thermal conductivity", "cal.s-1.cm-1.deg-1", "ConductivityEdit"},
     &TFiberRecordValues::ThermalConductivity},
    {{"Emissivity :", "Emissivity", nullptr, "EmissivityEdit"}, &TFiberRecordValues::Emissivity},
};

std::vector<TParameterRow> ParameterRows() { return ParameterRowsOf(Rows); }

} // namespace

TFiberPForm::TFiberPForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FiberPForm");
    SetCaption("Fiber");

    GroupBox1 = BasicDataGroup(this, "Fiber Basic Data",
                               {"FiberID:", "FiberName:", "FiberType:", "FiberPicture:", "Company:"},
                               {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5});

    QGridLayout* grid = nullptr;
    GroupBox2 = ParameterGroup(this, "Parameters", ParameterRows(), grid, ValueEdits);
    const int tableRow = int(std::size(Rows));
    grid->addWidget(new QLabel("Regain:", GroupBox2), tableRow, 0, Qt::AlignTop);
    FiberRegainTable = new TStringGrid(GroupBox2);
    FiberRegainTable->setObjectName("FiberRegainTable");
    FiberRegainTable->SetUpPointTable(20, 65, 72, " RH", " Regain");
    FiberRegainTable->setFixedSize(170, 48);
    grid->addWidget(FiberRegainTable, tableRow, 1, 1, 2);

    Button1 = RecordButton(this, "Button1", "Exit");
    Button2 = RecordButton(this, "Button2", "Select");
    LayOutRecordWindow(*this, {GroupBox1, GroupBox2}, {Button2, Button1});

    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
}

void TFiberPForm::PutRecord(const QStringList& basic, const std::map<QString, QString>& values)
{
    ShowTexts({Edit1, Edit2, Edit3, Edit4, Edit5}, basic);
    ShowParameterValues(ParameterRows(), ValueEdits, values);
    const auto regain = values.find(RegainKey);
    const bool hasRegain = regain != values.end() && !regain->second.isEmpty();
    FiberRegainTable->SetCell(1, 1, hasRegain ? RegainRH : "");
    FiberRegainTable->SetCell(2, 1, hasRegain ? regain->second : "");
}

TFiberRecordValues TFiberPForm::SelectedValues() const
{
    return RecordValuesOf<TFiberRecordValues>(Rows, ValueEdits);
}

void TFiberPForm::Button1Click() { Close(); }

void TFiberPForm::Button2Click()
{
    SelectAndClose(*this, FiberRecordReceiver(), SelectedValues());
}
