#include "materials/fiber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "dialogbase/commonfuc.h"
#include "dialogbase/namedlg.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "materials/fabricform.h"
#include "materials/fiberqueryform.h"
#include "materials/materialselect.h"
#include "toolkit/application.h"
#include "toolkit/chart.h"
#include "toolkit/messages.h"
#include "toolkit/stringgrid.h"

TFiber* Fiber = nullptr;

namespace {

struct PropertyRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TFiber::*Edit;
    double FiberType::*Field;
    const char* Name;  // in the check message
};

// In reading order.
const PropertyRow PropertyRows[] = {
    {"Diameter(cm):", "DiameterText", &TFiber::DiameterText, &FiberType::Diameter, "Diameter"},
    {"Vapor diffusivity(cm2.s-1):", "VaporDiffText", &TFiber::VaporDiffText, &FiberType::VaporDiff,
     "Vapor Diffusivity"},
    {"Density(g.cm-3):", "DensityText", &TFiber::DensityText, &FiberType::Density, "Density"},
    {"Emissivity:", "EmissivityText", &TFiber::EmissivityText, &FiberType::Emissivity, "Emissivity"},
    {"Liquid contact angle(deg):", "LiqConAngleText", &TFiber::LiqConAngleText, &FiberType::LiqConAngle,
     "Liquid Contact Angle"},
    {"Thermo conductivity(cal.s-1.cm-1.deg-1):", "TherConText", &TFiber::TherConText,
     &FiberType::TherConductivity, "Thermal Conductivity"},
};

constexpr int LibraryPoints = 16;

// The relative humidities every built-in regain curve is given at.
const double LibraryRH[LibraryPoints] = {0,      0.0667, 0.1333, 0.2,    0.2667, 0.333,  0.4,    0.4667,
                                         0.5333, 0.6,    0.6667, 0.7333, 0.8,    0.8667, 0.9333, 1.0};

struct LibraryFiber {
    const char* Name;
    double Diameter, Density, Emissivity, TherConductivity, VaporDiff, LiqConAngle;
    double Regain[LibraryPoints];
};

const LibraryFiber Library[] = {
    {"Cotton", 0.00216, 1.52, 0.9, 0.00017208, 5.8e-09, 80,
     {0, 0.0175, 0.0275, 0.0325, 0.0375, 0.045, 0.0488, 0.0552, 0.0602, 0.0705, 0.08, 0.092, 0.106, 0.1275,
      0.172, 0.24}},
    {"Nylon", 0.00204, 0.935, 0.9, 0.00065725, 3.9e-09, 70,
     {0, 0.0106, 0.0123, 0.0142, 0.0165, 0.019, 0.022, 0.0255, 0.0295, 0.0341, 0.0395, 0.0457, 0.0529, 0.0612,
      0.0708, 0.0819}},
    {"Polypropylene", 0.00192, 0.91, 0.9, 0.0005975, 1.34e-09, 70,
     {0, 0.00023, 0.00028, 0.00032, 0.00035, 0.00037, 0.00039, 0.00041, 0.00043, 0.00044, 0.00046, 0.00047,
      0.00049, 0.0005, 0.00051, 0.00052}},
    {"Polyester", 0.00196, 1.38, 0.9, 0.00020076, 1.34e-09, 70,
     {0, 0.00277, 0.00333, 0.00388, 0.00444, 0.005, 0.00555, 0.00556, 0.00557, 0.00558, 0.00559, 0.00666,
      0.00722, 0.00999, 0.0116, 0.01944}},
    {"Wool", 0.00204, 1.31, 0.9, 0.00012428, 5.8e-09, 80,
     {0, 0.0325, 0.05, 0.065, 0.0738, 0.085, 0.093, 0.105, 0.115, 0.132, 0.15, 0.166, 0.187, 0.21, 0.253,
      0.38}},
};

QString NumberText(double value) { return QString::fromStdString(FloatToStr(value)); }

// The first fabric of the case made of a fibre of that name; false when there is none.
bool FabricUsingFiber(const std::string& name, std::string& fabricName)
{
    for (const auto& fabric : TheCase().Fabrics)
        for (const auto& fiber : fabric->Fibers)
            if (fiber && fiber->Name == name) {
                fabricName = fabric->Name;
                return true;
            }
    return false;
}

} // namespace

// ---- shared with the membrane and PCM dialogs -------------------------------------------

void ReturnToFabricForm(TForm& dialog, int result)
{
    dialog.SetModalResult(result);
    if (!dialog.Modal())
        dialog.hide();
    FabricForm->FillMaterialLists();
    FabricForm->Show();
}

bool PointCountMatches(QLineEdit* pointNumText, const QString& pointName, const TStringGrid& table)
{
    bool ok = false;
    const double count = GetEditValue(pointNumText, pointName, ok);
    if (!ok)
        return false;
    // Compared before any rounding: the arrays are sized by the table, and a count that does
    // not describe it is a typing slip the user should see.
    if (count != table.RowCount() - table.FixedRows()) {
        pointNumText->setFocus();
        ShowEditValueError(pointName);
        return false;
    }
    return true;
}

bool NewTableCount(QLineEdit* pointNumText, int& count)
{
    double value = 0;
    if (!TryStrToFloat(Trim(pointNumText->text().toStdString()), value))
        return false;
    // More rows than any curve needs would only make the table unusable.
    if (value < 1 || value > 1000 || value != std::floor(value))
        return false;
    count = static_cast<int>(value);
    return true;
}

TDoubleDynArray ToPointArray(const std::vector<double>& values)
{
    TDoubleDynArray points(static_cast<int>(values.size()));
    for (int i = 0; i < points.Length(); ++i)
        points[i] = values[static_cast<std::size_t>(i)];
    return points;
}

// ---- the dialog -------------------------------------------------------------------------

TFiber::TFiber(QWidget* owner) : TForm(owner)
{
    setObjectName("Fiber");
    SetCaption("Define Fiber");

    GroupBox1 = new QGroupBox("Fiber Properties", this);
    GroupBox1->setObjectName("GroupBox1");
    auto* properties = new QGridLayout;
    properties->setHorizontalSpacing(8);
    properties->setVerticalSpacing(5);
    int row = 0;
    for (const PropertyRow& r : PropertyRows) {
        auto* edit = new QLineEdit(GroupBox1);
        edit->setObjectName(r.EditName);
        edit->setFixedWidth(120);
        SetKeyFilter(edit, DecimalKeyPress);
        connect(edit, &QLineEdit::textChanged, this, Guard([this] { DiameterTextChange(); }));
        this->*r.Edit = edit;
        properties->addWidget(new QLabel(r.Label, GroupBox1), row, 0);
        properties->addWidget(edit, row, 1);
        ++row;
    }

    GroupBox2 = new QGroupBox("Fiber Regain", GroupBox1);
    GroupBox2->setObjectName("GroupBox2");
    FiberRegainChart = new TChartImage(GroupBox2, 250, 170);
    FiberRegainChart->setObjectName("FiberRegainChart");
    RegainLabel = new QLabel("Regain", GroupBox2);
    RegainLabel->setObjectName("RegainLabel");
    RHLabel = new QLabel("N", GroupBox2);
    RHLabel->setObjectName("RHLabel");
    for (QLabel* label : {RegainLabel, RHLabel}) {
        // Hidden labels keep their room, so the chart does not move when they come and go.
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
        label->hide();
    }
    PointNumText = new QLineEdit(" ", GroupBox2);
    PointNumText->setObjectName("PointNumText");
    PointNumText->setFixedWidth(60);
    SetKeyFilter(PointNumText, DecimalKeyPress);
    btnPreview = MakeDialogButton(GroupBox2, "btnPreview", "Preview");
    btnNewTable = MakeDialogButton(GroupBox2, "btnNewTable", "New Table");
    FiberRegainTable = new TStringGrid(GroupBox2);
    FiberRegainTable->setObjectName("FiberRegainTable");
    FiberRegainTable->SetUpPointTable(17, 65, 72, " RH", " Regain");
    FiberRegainTable->SetEditing(true);
    FiberRegainTable->SetCell(0, 0, " ");
    FiberRegainTable->setFixedSize(186, 200);
    FiberRegainTable->SetOnCellKeyPress([](char& key) { UnsignedNumberKeyPress(nullptr, key); });

    auto* chartWithAxes = new QGridLayout;
    chartWithAxes->setSpacing(2);
    chartWithAxes->addWidget(RegainLabel, 0, 0, Qt::AlignLeft);
    chartWithAxes->addWidget(FiberRegainChart, 1, 0);
    chartWithAxes->addWidget(RHLabel, 2, 0, Qt::AlignRight);
    auto* pointRow = new QHBoxLayout;
    pointRow->addWidget(new QLabel("Point Num:", GroupBox2));
    pointRow->addWidget(PointNumText);
    pointRow->addStretch(1);
    auto* chartSide = new QVBoxLayout;
    chartSide->addLayout(chartWithAxes);
    chartSide->addLayout(pointRow);
    auto* tableButtons = new QHBoxLayout;
    tableButtons->addWidget(btnPreview);
    tableButtons->addWidget(btnNewTable);
    chartSide->addLayout(tableButtons);
    chartSide->addStretch(1);
    auto* regain = new QHBoxLayout(GroupBox2);
    regain->setContentsMargins(8, 6, 8, 8);
    regain->addLayout(chartSide);
    regain->addWidget(FiberRegainTable, 0, Qt::AlignTop);

    auto* left = new QVBoxLayout(GroupBox1);
    left->setContentsMargins(10, 8, 10, 10);
    left->addLayout(properties);
    left->addWidget(GroupBox2);

    FiberComboBox = new QComboBox(this);
    FiberComboBox->setObjectName("FiberComboBox");
    for (const LibraryFiber& f : Library)
        FiberComboBox->addItem(f.Name);
    FiberComboBox->setCurrentIndex(-1);
    NewCheckBox = new QCheckBox("New Fiber", this);
    NewCheckBox->setObjectName("NewCheckBox");
    btnAddtoList = MakeDialogButton(this, "btnAddtoList", "Add >>");
    btnDelete = MakeDialogButton(this, "btnDelete", "Delete <<");
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(FiberComboBox);
    middle->addWidget(NewCheckBox);
    middle->addSpacing(16);
    middle->addWidget(btnAddtoList);
    middle->addWidget(btnDelete);
    middle->addStretch(2);

    GroupBox3 = new QGroupBox("Fiber List", this);
    GroupBox3->setObjectName("GroupBox3");
    FiberListBox = new TListBox(GroupBox3);
    FiberListBox->setObjectName("FiberListBox");
    FiberListBox->setFixedWidth(160);
    auto* list = new QVBoxLayout(GroupBox3);
    list->setContentsMargins(10, 8, 10, 10);
    list->addWidget(new QLabel("Existing Fibers", GroupBox3));
    list->addWidget(FiberListBox);

    auto* groups = new QHBoxLayout;
    groups->addWidget(GroupBox1);
    groups->addLayout(middle);
    groups->addWidget(GroupBox3);

    BitBtn1 = MakeDialogButton(this, "BitBtn1", "Fiber Database..");
    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);
    // The database query is the way to a fibre's measured values.
    buttons->insertWidget(0, BitBtn1);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addLayout(groups);
    main->addLayout(buttons);

    connect(FiberComboBox, qOverload<int>(&QComboBox::activated), this,
            Guard([this](int index) { FiberComboBoxSelect(index); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnNewTable, &QPushButton::clicked, this, Guard([this] { btnNewTableClick(); }));
    connect(btnPreview, &QPushButton::clicked, this, Guard([this] { btnPreviewClick(); }));
    connect(btnAddtoList, &QPushButton::clicked, this, Guard([this] { btnAddtoListClick(); }));
    connect(btnDelete, &QPushButton::clicked, this, Guard([this] { btnDeleteClick(); }));
    FiberListBox->OnClick = Guard([this] { FiberListBoxClick(); });
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { btnClearClick(); }));
    connect(NewCheckBox, &QCheckBox::clicked, this, Guard([this] { NewCheckBoxClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));

    // A fibre chosen in the database's record window fills the edits it has values for.
    SetFiberRecordReceiver([form = QPointer<TFiber>(this)](const TFiberRecordValues& v) {
        if (!form)
            return;
        const std::pair<const QString&, QLineEdit*> fields[] = {
            {v.Diameter, form->DiameterText},         {v.Density, form->DensityText},
            {v.LiquidContactAngle, form->LiqConAngleText}, {v.VaporDiffusion, form->VaporDiffText},
            {v.ThermalConductivity, form->TherConText}, {v.Emissivity, form->EmissivityText}};
        for (const auto& [text, edit] : fields)
            if (!text.isEmpty())
                edit->setText(text);
    });

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
    // Filling the edits above is not a change of the user's.
    Modified = false;
}

void TFiber::DiameterTextChange() { Modified = true; }

bool TFiber::FiberNameExists(const TList<FiberType>& fibers, const std::string& name)
{
    for (const auto& f : fibers)
        if (f->Name == name)
            return true;
    return false;
}

void TFiber::CopyFiber(const FiberType& source, FiberType& target) { target = source; }

void TFiber::DrawRegain(const std::vector<double>& rh, const std::vector<double>& regain)
{
    DrawRegainChart(*FiberRegainChart, rh, 3, 3, regain);
    RegainLabel->show();
    RHLabel->show();
}

void TFiber::HideChartLabels()
{
    RHLabel->hide();
    RegainLabel->hide();
}

void TFiber::HideLabelsOnFirstOpen()
{
    CaseModel& c = TheCase();
    if (!c.FiberFirstOpen)
        return;
    HideChartLabels();
    c.FiberFirstOpen = false;
}

void TFiber::PutFiberValue(const FiberType& fiber)
{
    for (const PropertyRow& r : PropertyRows)
        (this->*r.Edit)->setText(NumberText(fiber.*r.Field));
    PointNumText->setText(QString::number(fiber.RegainRH.Length()));
    FiberRegainTable->SetPointRows(fiber.RegainRH.Values(), fiber.Regain.Values());
    DrawRegain(fiber.RegainRH.Values(), fiber.Regain.Values());
}

void TFiber::LoadFiberList(const TList<FiberType>& fibers)
{
    // The case's library was replaced as a whole; so is the list, which must stay item for
    // item the case's fibres.
    FiberListBox->clear();
    for (const auto& f : fibers)
        FiberListBox->addItem(QString::fromStdString(f->Name));
    if (!fibers.empty())
        PutFiberValue(*fibers.back());
}

bool TFiber::GetFiberValue(FiberType& fiber)
{
    bool ok = false;
    for (const PropertyRow& r : PropertyRows) {
        const double value = GetEditValue(this->*r.Edit, r.Name, ok);
        if (!ok)
            return false;
        fiber.*r.Field = value;
    }
    if (!PointCountMatches(PointNumText, "Point Number", *FiberRegainTable))
        return false;
    std::vector<double> rh, regain;
    if (const int row = FiberRegainTable->ReadPointColumns(rh, regain, true)) {
        AppMessageBox("The input of " + QString::number(row) + "th number " + FiberRegainTable->Cell(1, row) +
                          " is not correct. Please try it again!",
                      "Input Error", MB_OK);
        FiberRegainTable->setFocus();
        return false;
    }
    fiber.RegainRH = ToPointArray(rh);
    fiber.Regain = ToPointArray(regain);
    return true;
}

void TFiber::FiberComboBoxSelect(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Library)))
        return;
    const LibraryFiber& f = Library[index];
    DiameterText->setText(NumberText(f.Diameter));
    VaporDiffText->setText(NumberText(f.VaporDiff));
    DensityText->setText(NumberText(f.Density));
    EmissivityText->setText(NumberText(f.Emissivity));
    LiqConAngleText->setText(NumberText(f.LiqConAngle));
    TherConText->setText(NumberText(f.TherConductivity));
    PointNumText->setText(QString::number(LibraryPoints));
    FiberRegainTable->SetPointRows(std::vector<double>(std::begin(LibraryRH), std::end(LibraryRH)),
                                   std::vector<double>(std::begin(f.Regain), std::end(f.Regain)));
    btnPreviewClick();
}

void TFiber::DefaultClick() { FiberComboBoxSelect(0); }

void TFiber::btnNewTableClick()
{
    int count = 0;
    if (!NewTableCount(PointNumText, count)) {
        AppMessageBox("The Point Number is not correct. Please try it again!", "Input Error", MB_OK);
        return;
    }
    FiberRegainTable->SetNumberedRows(count);
}

void TFiber::btnPreviewClick()
{
    std::vector<double> rh, regain;
    int column = 0;
    if (const int row = FiberRegainTable->ReadPointColumns(rh, regain, true, &column)) {
        AppMessageBox("The number in " + QString::number(row) + "th row " + QString::number(column) +
                          "th col is not correct. Please try it again!",
                      "Input Error", MB_OK);
        return;
    }
    DrawRegain(rh, regain);
}

void TFiber::ResetInputs()
{
    for (const PropertyRow& r : PropertyRows)
        (this->*r.Edit)->clear();
    PointNumText->clear();
    FiberRegainTable->SetNumberedRows(1);
    FiberRegainChart->FillPicture();
}

void TFiber::btnClearClick() { ResetInputs(); }

void TFiber::NewCheckBoxClick() { ResetInputs(); }

void TFiber::btnAddtoListClick()
{
    auto fiber = std::make_shared<FiberType>();
    if (!GetFiberValue(*fiber))
        return;
    if (AppMessageBox("Are you sure to select the fiber?", "Information", MB_YESNO) != IDYES)
        return;
    if (!Modified) {
        AppMessageBox("This fiber has been selected!", "Information", MB_OK);
        return;
    }
    QString name;
    if (NewCheckBox->isChecked()) {
        if (!AskRecordName(name)) {
            Modified = false;
            return;
        }
    } else {
        name = FiberComboBox->currentText().trimmed();
    }

    CaseModel& c = TheCase();
    while (FiberNameExists(c.Fibers, name.toStdString())) {
        if (AppMessageBox(name + " has existed. Do you want to overwrite it?", "Information", MB_YESNO) == IDYES) {
            // Into the existing records, never replacing them: fabrics made of the fibre hold
            // these very records and see the new values.
            fiber->Name = name.toStdString();
            for (const auto& f : c.Fibers)
                if (f->Name == fiber->Name)
                    CopyFiber(*fiber, *f);
            // Their mean diameter follows the fibres' diameters; fabrics of other fibres keep
            // the value they hold.
            for (const auto& fabric : c.Fabrics)
                if (std::any_of(fabric->Fibers.begin(), fabric->Fibers.end(),
                                [&](const auto& f) { return f && f->Name == fiber->Name; }))
                    fabric->MeanDiameter = MeanFiberDiameter(*fabric);
            return;
        }
        if (!AskRecordName(name))
            return;
    }
    fiber->Name = name.toStdString();
    c.Fibers.push_back(fiber);
    FiberListBox->addItem(name);
    ResetInputs();
    HideChartLabels();
}

void TFiber::btnDeleteClick()
{
    QListWidgetItem* item = FiberListBox->currentItem();
    if (!item)
        return;
    const std::string name = item->text().toStdString();
    CaseModel& c = TheCase();
    auto found = std::find_if(c.Fibers.begin(), c.Fibers.end(), [&](const auto& f) { return f->Name == name; });
    if (found == c.Fibers.end()) {
        AppMessageBox("Deletion Error!", "Delete Error", MB_OK);
        return;
    }
    // A saved case must load again, and a fabric naming a fibre the file does not list would not.
    std::string fabric;
    if (FabricUsingFiber(name, fabric)) {
        AppMessageBox("The fiber " + item->text() + " is used by the fabric " + QString::fromStdString(fabric) +
                          " and can not be deleted!",
                      "Information", MB_OK);
        return;
    }
    c.Fibers.erase(found);
    delete FiberListBox->takeItem(FiberListBox->row(item));
    Modified = true;
    ResetInputs();
    HideChartLabels();
}

void TFiber::FiberListBoxClick()
{
    QListWidgetItem* item = FiberListBox->currentItem();
    if (!item)
        return;
    const std::string name = item->text().toStdString();
    for (const auto& f : TheCase().Fibers)
        if (f->Name == name) {
            PutFiberValue(*f);
            return;
        }
}

void TFiber::OKBtnClick()
{
    if (FiberListBox->count() == 0) {
        AppMessageBox("No fiber is defined!", "Information", MB_OK);
        return;
    }
    TheCase().FiberDefined = true;
    ReturnToFabricForm(*this, mrOk);
}

void TFiber::btnExitClick() { ReturnToFabricForm(*this, mrCancel); }

void TFiber::reject() { btnExitClick(); }

void TFiber::BitBtn1Click() { FiberQueryForm->ShowModal(); }
