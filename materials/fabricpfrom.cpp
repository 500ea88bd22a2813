#include "materials/fabricpfrom.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "materials/recordpform.h"
#include "toolkit/application.h"

TFabricPFrom* FabricPFrom = nullptr;

namespace {

struct FabricRow {
    TParameterRow Row;
    QString TFabricRecordValues::*Field;
};

const FabricRow Rows[] = {
    {{"Thickness :", "Thichness", "cm", "ThicknessEdit"}, &TFabricRecordValues::Thickness},
    {{"Max distributed capillary radius:", "Max distributed capillary radius", "cm", "MaxCapRadiusEdit"},
     &TFabricRecordValues::MaxCapillaryRadius},
    {{"Capillary angle:", "Capillary angle", "deg", "CapAngleEdit"}, &TFabricRecordValues::CapillaryAngle},
    {{"Porosity :", "Porosity", "-", "PorosityEdit"}, &TFabricRecordValues::Porosity},
    {{"Tortuous liquid:", "Tortuous liquid", "-", "TortuousLiquidEdit"}, &TFabricRecordValues::TortuousLiquid},
    {{"Tortuous gas:", "Tortuous gas", "-", "TortuousGasEdit"}, &TFabricRecordValues::TortuousGas},
    {{"Emissivity :", "Emissivity", nullptr, "EmissivityEdit"}, &TFabricRecordValues::Emissivity},
};

std::vector<TParameterRow> ParameterRows() { return ParameterRowsOf(Rows); }

} // namespace

TFabricPFrom::TFabricPFrom(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricPFrom");
    SetCaption("Fabric");

    GroupBox1 = BasicDataGroup(this, "Fabric Basic Data",
                               {"FabricID:", "FabricName:", "FabricType:", "FabricPicture:", "Company:"},
                               {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5});
    auto* fibers = new QGroupBox("Fiber List", this);
    ListBox1 = new QListWidget(fibers);
    ListBox1->setObjectName("ListBox1");
    auto* fiberLayout = new QVBoxLayout(fibers);
    fiberLayout->addWidget(ListBox1);

    QGridLayout* grid = nullptr;
    GroupBox2 = ParameterGroup(this, "Basic Parameters", ParameterRows(), grid, ValueEdits);

    Button1 = RecordButton(this, "Button1", "Ok");
    Button2 = RecordButton(this, "Button2", "Select");
    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1);
    top->addWidget(fibers);
    LayOutRecordWindow(*this, {top, GroupBox2}, {Button2, Button1});

    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
}

void TFabricPFrom::PutRecord(const QStringList& basic, const std::map<QString, QString>& values)
{
    ShowTexts({Edit1, Edit2, Edit3, Edit4, Edit5}, basic);
    ShowParameterValues(ParameterRows(), ValueEdits, values);
}

TFabricRecordValues TFabricPFrom::SelectedValues() const
{
    return RecordValuesOf<TFabricRecordValues>(Rows, ValueEdits);
}

void TFabricPFrom::Button1Click() { Close(); }

void TFabricPFrom::Button2Click()
{
    SelectAndClose(*this, FabricRecordReceiver(), SelectedValues());
}
