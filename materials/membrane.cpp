#include "materials/membrane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "dialogbase/commonfuc.h"
#include "dialogbase/namedlg.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "materials/fiber.h"
#include "toolkit/application.h"
#include "toolkit/chart.h"
#include "toolkit/messages.h"
#include "toolkit/stringgrid.h"

TMembrane* Membrane = nullptr;

namespace {

constexpr int PresetPoints = 6;
// The temperatures (K) every built-in membrane is given at, for both curves.
const double PresetTemperatures[PresetPoints] = {273.16, 275.66, 283.16, 289.16, 293.16, 318.16};

struct PresetMembrane {
    const char* Name;
    double Thickness;
    double Wvp[PresetPoints];
    double Tr[PresetPoints];
};

const PresetMembrane Presets[] = {
    {"OP", 0, {1e8, 1e8, 1e8, 1e8, 1e8, 1e8}, {0, 0, 0, 0, 0, 0}},
    {"CV(Cotton Ventile)", 0.15, {320, 500, 600, 720, 860, 1547}, {0, 0, 0, 0, 0, 0}},
    {"DX(Diaplax Membrane)", 0.55, {1500, 2000, 6700, 10000, 10500, 10250}, {0, 0, 0, 0, 0, 0}},
    {"HP(Hydrophilic Laminated)", 0.47, {180, 300, 400, 440, 500, 931}, {0, 0, 0, 0, 0, 0}},
    {"MF(Microfibre Fabrics)", 0.35, {330, 540, 670, 770, 880, 1606}, {0, 0, 0, 0, 0, 0}},
    {"PP(Poromeric Polyurethane)", 0.75, {180, 350, 460, 520, 550, 1072}, {0, 0, 0, 0, 0, 0}},
    {"PPTFE-laminated", 0.55, {220, 430, 550, 640, 730, 1410}, {0, 0, 0, 0, 0, 0}},
    {"PU(Polyurethane-coated)", 0.65, {70, 100, 150, 180, 240, 452}, {4180, 4180, 4180, 4180, 4180, 4180}},
    {"WPBF", 0.85, {0, 6, 10, 14, 20, 45}, {0, 0, 0, 0, 0, 0}},
};

const char* const OpenMembrane = "OP";

// The first fabric of the case with a side of a membrane of that name; false when none.
bool FabricUsingMembrane(const std::string& name, std::string& fabricName)
{
    for (const auto& fabric : TheCase().Fabrics)
        for (const auto& membrane : fabric->Membranes)
            if (membrane && membrane->Name == name) {
                fabricName = fabric->Name;
                return true;
            }
    return false;
}

std::vector<double> Vector(const double (&values)[PresetPoints])
{
    return std::vector<double>(std::begin(values), std::end(values));
}

} // namespace

TMembrane::CurveWidgets TMembrane::BuildCurveGroup(const QString& title, const QString& valueCaption,
                                                   const QString& header, int colWidth1, int colWidth2)
{
    CurveWidgets w{};
    w.Group = new QGroupBox(title, this);
    w.Image = new TChartImage(w.Group, 200, 150);
    w.ValueLabel = new QLabel(valueCaption, w.Group);
    w.NLabel = new QLabel("N", w.Group);
    w.PointNumText = new QLineEdit(w.Group);
    w.PointNumText->setFixedWidth(60);
    SetKeyFilter(w.PointNumText, DigitKeyPress);
    w.Preview = MakeDialogButton(w.Group, "", "Preview");
    w.New = MakeDialogButton(w.Group, "", "New Table");
    w.Table = new TStringGrid(w.Group);
    w.Table->SetUpPointTable(17, colWidth1, colWidth2, "   k", header);
    w.Table->SetEditing(true);
    w.Table->SetCell(0, 0, " ");
    w.Table->setFixedSize(colWidth1 + colWidth2 + 25 + 22, 170);
    w.Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The tables read no text of their own, so a second point in a cell is not held back.
    w.Table->SetOnCellKeyPress([](char& key) { UnsignedNumberKeyPress(nullptr, key); });

    auto* chart = new QVBoxLayout;
    chart->setSpacing(2);
    chart->addWidget(w.ValueLabel, 0, Qt::AlignLeft);
    chart->addWidget(w.Image);
    chart->addWidget(w.NLabel, 0, Qt::AlignRight);
    auto* pointRow = new QHBoxLayout;
    pointRow->addWidget(new QLabel("Point Num:", w.Group));
    pointRow->addWidget(w.PointNumText);
    pointRow->addStretch(1);
    chart->addLayout(pointRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(w.Preview);
    buttons->addWidget(w.New);
    chart->addLayout(buttons);
    chart->addStretch(1);
    auto* layout = new QHBoxLayout(w.Group);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addLayout(chart);
    layout->addWidget(w.Table, 0, Qt::AlignTop);
    return w;
}

TMembrane::TMembrane(QWidget* owner) : TForm(owner)
{
    setObjectName("Membrane");
    SetCaption("Define Membrane ");

    GroupBox1 = new QGroupBox("Membrane Properties", this);
    GroupBox1->setObjectName("GroupBox1");
    ThicknessText = new QLineEdit(GroupBox1);
    ThicknessText->setObjectName("ThicknessText");
    ThicknessText->setFixedWidth(120);
    SetKeyFilter(ThicknessText, DecimalKeyPress);
    auto* thickness = new QHBoxLayout(GroupBox1);
    thickness->setContentsMargins(10, 8, 10, 10);
    thickness->addWidget(new QLabel("Thickness(cm):", GroupBox1));
    thickness->addWidget(ThicknessText);
    thickness->addStretch(1);

    const CurveWidgets wvp =
        BuildCurveGroup(" Water Vapor Permeability(g.cm-2.day-1)", "WVP", "   WVP", 54, 52);
    GroupBox2 = wvp.Group;
    WVPImage = wvp.Image;
    Label7 = wvp.ValueLabel;
    Label8 = wvp.NLabel;
    WPointNumText = wvp.PointNumText;
    PreviewWVPBtn = wvp.Preview;
    btnWvpNew = wvp.New;
    WvpTable = wvp.Table;
    const CurveWidgets tr = BuildCurveGroup("Thermal resistance(deg.cm2.s.cal-1)", "TR", "   TR", 53, 54);
    GroupBox3 = tr.Group;
    TRImage = tr.Image;
    Label10 = tr.ValueLabel;
    Label9 = tr.NLabel;
    TPointNumText = tr.PointNumText;
    PreviewTRBtn = tr.Preview;
    btnTrNew = tr.New;
    TrTable = tr.Table;
    const std::pair<QObject*, const char*> names[] = {
        {GroupBox2, "GroupBox2"},         {WVPImage, "WVPImage"},   {Label7, "Label7"},
        {Label8, "Label8"},               {WPointNumText, "WPointNumText"}, {PreviewWVPBtn, "PreviewWVPBtn"},
        {btnWvpNew, "btnWvpNew"},         {WvpTable, "WvpTable"},   {GroupBox3, "GroupBox3"},
        {TRImage, "TRImage"},             {Label10, "Label10"},     {Label9, "Label9"},
        {TPointNumText, "TPointNumText"}, {PreviewTRBtn, "PreviewTRBtn"}, {btnTrNew, "btnTrNew"},
        {TrTable, "TrTable"}};
    for (const auto& [object, name] : names)
        object->setObjectName(name);
    for (QLabel* label : {Label7, Label8, Label9, Label10}) {
        // Hidden labels keep their room, so the charts do not move when they come and go.
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
        label->hide();
    }

    MemComboBox = new QComboBox(this);
    MemComboBox->setObjectName("MemComboBox");
    for (const PresetMembrane& m : Presets)
        MemComboBox->addItem(m.Name);
    MemComboBox->setCurrentIndex(-1);
    MemComboBox->setMinimumWidth(200);
    NewCheckBox = new QCheckBox("New Membrane", this);
    NewCheckBox->setObjectName("NewCheckBox");
    auto* selectBox = new QGroupBox(this);
    auto* select = new QVBoxLayout(selectBox);
    select->addWidget(new QLabel("Select From", selectBox));
    select->addWidget(MemComboBox);
    select->addWidget(NewCheckBox);

    btnAddtoList = MakeDialogButton(this, "btnAddtoList", "Add to List  ");
    btnDelete = MakeDialogButton(this, "btnDelete", "Delete ");
    auto* listButtons = new QVBoxLayout;
    listButtons->addStretch(1);
    listButtons->addWidget(btnAddtoList);
    listButtons->addWidget(btnDelete);
    listButtons->addStretch(1);

    auto* listBox = new QGroupBox("Membrane List", this);
    MemListBox = new TListBox(listBox);
    MemListBox->setObjectName("MemListBox");
    MemListBox->setFixedWidth(200);
    auto* list = new QVBoxLayout(listBox);
    list->addWidget(MemListBox);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(GroupBox1);
    leftColumn->addWidget(GroupBox2);
    leftColumn->addWidget(GroupBox3);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(selectBox);
    auto* listRow = new QHBoxLayout;
    listRow->addLayout(listButtons);
    listRow->addWidget(listBox);
    rightColumn->addLayout(listRow, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addLayout(rightColumn);

    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(8);
    main->addLayout(columns);
    main->addLayout(buttons);

    connect(ThicknessText, &QLineEdit::textChanged, this, Guard([this] { ThicknessTextChange(); }));
    connect(MemComboBox, qOverload<int>(&QComboBox::activated), this,
            Guard([this](int index) { MemComboBoxSelect(index); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnWvpNew, &QPushButton::clicked, this, Guard([this] { btnWvpNewClick(); }));
    connect(btnTrNew, &QPushButton::clicked, this, Guard([this] { btnTrNewClick(); }));
    connect(PreviewWVPBtn, &QPushButton::clicked, this, Guard([this] { PreviewWVPBtnClick(); }));
    connect(PreviewTRBtn, &QPushButton::clicked, this, Guard([this] { PreviewTRBtnClick(); }));
    connect(btnAddtoList, &QPushButton::clicked, this, Guard([this] { btnAddtoListClick(); }));
    connect(btnDelete, &QPushButton::clicked, this, Guard([this] { btnDeleteClick(); }));
    MemListBox->OnClick = Guard([this] { MemListBoxClick(); });
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { btnClearClick(); }));
    connect(NewCheckBox, &QCheckBox::clicked, this, Guard([this] { NewCheckBoxClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
    Modified = false;
}

TMembrane::Curve TMembrane::Wvp() const
{
    return {WvpTable, WVPImage, Label7, Label8, WPointNumText, "WVP Point Number", "WVP",
            "The Wvp Point Number is not correct. Please try it again."};
}

TMembrane::Curve TMembrane::Tr() const
{
    return {TrTable, TRImage, Label10, Label9, TPointNumText, "TR Point Number", "TR",
            "The Wvp Point Number is not correct. Please try it again!"};
}

void TMembrane::ThicknessTextChange() { Modified = true; }

bool TMembrane::MembraneNameExists(const TList<MembraneType>& membranes, const std::string& name)
{
    return std::any_of(membranes.begin(), membranes.end(), [&](const auto& m) { return m->Name == name; });
}

void TMembrane::CopyMembrane(const MembraneType& source, MembraneType& target) { target = source; }

void TMembrane::ShowCurve(const Curve& curve, const TDoubleDynArray& temperatures, const TDoubleDynArray& values)
{
    curve.PointNumText->setText(QString::number(temperatures.Length()));
    curve.Table->SetPointRows(temperatures.Values(), values.Values());
    DrawCurveChart(*curve.Image, temperatures.Values(), 3, 3, values.Values());
}

void TMembrane::ShowChartLabels(bool shown)
{
    for (QLabel* label : {Label7, Label8, Label9, Label10})
        label->setVisible(shown);
}

void TMembrane::HideLabelsOnFirstOpen()
{
    CaseModel& c = TheCase();
    if (!c.MembraneFirstOpen)
        return;
    ShowChartLabels(false);
    c.MembraneFirstOpen = false;
}

void TMembrane::PutMembraneValue(const MembraneType& membrane)
{
    ThicknessText->setText(QString::fromStdString(FloatToStr(membrane.Thickness)));
    ShowCurve(Wvp(), membrane.WvpTemperatures, membrane.WvpValues);
    ShowCurve(Tr(), membrane.TrTemperatures, membrane.TrValues);
    ShowChartLabels(true);
}

void TMembrane::LoadMembraneList(const TList<MembraneType>& membranes)
{
    // Replaced as a whole, as the case's library was.
    MemListBox->clear();
    for (const auto& m : membranes)
        MemListBox->addItem(QString::fromStdString(m->Name));
    if (!membranes.empty())
        PutMembraneValue(*membranes.back());
}

bool TMembrane::ReadCurve(const Curve& curve, TDoubleDynArray& values, TDoubleDynArray& temperatures)
{
    if (!PointCountMatches(curve.PointNumText, curve.PointName, *curve.Table))
        return false;
    std::vector<double> x, y;
    if (const int row = curve.Table->ReadPointColumns(x, y, false)) {
        AppMessageBox("The " + QString::number(row) + "th number of " + curve.Short +
                          " is not correct. Please try it again!",
                      "Input Error", MB_OK);
        curve.Table->setFocus();
        return false;
    }
    temperatures = ToPointArray(x);
    values = ToPointArray(y);
    return true;
}

bool TMembrane::GetMembraneValue(MembraneType& membrane)
{
    bool ok = false;
    const double thickness = GetEditValue(ThicknessText, "Thickness", ok);
    if (!ok)
        return false;
    membrane.Thickness = thickness;
    return ReadCurve(Wvp(), membrane.WvpValues, membrane.WvpTemperatures) &&
           ReadCurve(Tr(), membrane.TrValues, membrane.TrTemperatures);
}

void TMembrane::MemComboBoxSelect(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Presets)))
        return;
    const PresetMembrane& m = Presets[index];
    ThicknessText->setText(QString::fromStdString(FloatToStr(m.Thickness)));
    for (const Curve& curve : {Wvp(), Tr()})
        curve.PointNumText->setText(QString::number(PresetPoints));
    WvpTable->SetPointRows(Vector(PresetTemperatures), Vector(m.Wvp));
    TrTable->SetPointRows(Vector(PresetTemperatures), Vector(m.Tr));
    PreviewWVPBtnClick();
    PreviewTRBtnClick();
}

void TMembrane::DefaultClick() { MemComboBoxSelect(0); }

void TMembrane::NewTable(const Curve& curve)
{
    int count = 0;
    if (!NewTableCount(curve.PointNumText, count)) {
        AppMessageBox(curve.NewTableText, "Input Error!", MB_OK);
        return;
    }
    curve.Table->SetNumberedRows(count);
}

void TMembrane::btnWvpNewClick() { NewTable(Wvp()); }
void TMembrane::btnTrNewClick() { NewTable(Tr()); }

void TMembrane::Preview(const Curve& curve)
{
    std::vector<double> x, y;
    if (const int row = curve.Table->ReadPointColumns(x, y, false)) {
        AppMessageBox("The number in " + QString::number(row) + "th row is not correct. Please try it again!",
                      "Input Error", MB_OK);
        return;
    }
    DrawCurveChart(*curve.Image, x, 3, 3, y);
    curve.ValueLabel->show();
    curve.NLabel->show();
}

void TMembrane::PreviewWVPBtnClick() { Preview(Wvp()); }
void TMembrane::PreviewTRBtnClick() { Preview(Tr()); }

void TMembrane::ResetInputs()
{
    ThicknessText->clear();
    for (const Curve& curve : {Wvp(), Tr()}) {
        curve.PointNumText->clear();
        curve.Table->SetNumberedRows(1);
        curve.Image->FillPicture();
    }
}

void TMembrane::btnClearClick() { ResetInputs(); }

void TMembrane::NewCheckBoxClick() { ResetInputs(); }

void TMembrane::btnAddtoListClick()
{
    auto membrane = std::make_shared<MembraneType>();
    if (!GetMembraneValue(*membrane))
        return;
    if (AppMessageBox("Are you sure to select the membrane?", "Information", MB_YESNO) != IDYES)
        return;
    if (!Modified) {
        AppMessageBox("This membrane has been selected!", "Information", MB_OK);
        return;
    }
    QString name;
    if (NewCheckBox->isChecked()) {
        if (!AskRecordName(name))
            return;
    } else {
        name = MemComboBox->currentText().trimmed();
    }

    CaseModel& c = TheCase();
    while (MembraneNameExists(c.Membranes, name.toStdString())) {
        // Every fabric side without a membrane stands for "OP": new values under its name would
        // cover them all.
        if (name == OpenMembrane) {
            AppMessageBox("The membrane OP can not be overwritten!", "Information", MB_OK);
            return;
        }
        if (AppMessageBox(name + " has existed,do you want to overwrite it?", "Information", MB_YESNO) == IDYES) {
            // Into the existing records, never replacing them: fabrics that use the membrane
            // hold these very records and see the new values.
            membrane->Name = name.toStdString();
            for (const auto& m : c.Membranes)
                if (m->Name == membrane->Name)
                    CopyMembrane(*membrane, *m);
            return;
        }
        if (!AskRecordName(name))
            return;
    }
    membrane->Name = name.toStdString();
    c.Membranes.push_back(membrane);
    MemListBox->addItem(name);
    ResetInputs();
    ShowChartLabels(false);
}

void TMembrane::btnDeleteClick()
{
    QListWidgetItem* item = MemListBox->currentItem();
    if (!item)
        return;
    const std::string name = item->text().toStdString();
    // Fabric sides without a membrane stand for "OP"; the case cannot do without it.
    if (name == OpenMembrane) {
        AppMessageBox("The membrane OP can not be deleted!", "Information", MB_OK);
        return;
    }
    CaseModel& c = TheCase();
    auto found =
        std::find_if(c.Membranes.begin(), c.Membranes.end(), [&](const auto& m) { return m->Name == name; });
    if (found == c.Membranes.end()) {
        AppMessageBox("Deletion Error!", "Delete Error", MB_OK);
        return;
    }
    // A saved case must load again: a fabric side naming a membrane the file does not list
    // would come back as "OP".
    std::string fabric;
    if (FabricUsingMembrane(name, fabric)) {
        AppMessageBox("The membrane " + item->text() + " is used by the fabric " + QString::fromStdString(fabric) +
                          " and can not be deleted!",
                      "Information", MB_OK);
        return;
    }
    c.Membranes.erase(found);
    delete MemListBox->takeItem(MemListBox->row(item));
    Modified = true;
    ResetInputs();
    ShowChartLabels(false);
}

void TMembrane::MemListBoxClick()
{
    QListWidgetItem* item = MemListBox->currentItem();
    if (!item)
        return;
    const std::string name = item->text().toStdString();
    for (const auto& m : TheCase().Membranes)
        if (m->Name == name) {
            PutMembraneValue(*m);
            return;
        }
}

void TMembrane::OKBtnClick()
{
    if (MemListBox->count() == 0) {
        AppMessageBox("No membrane is defined!", "Information", MB_OK);
        return;
    }
    TheCase().MembraneDefined = true;
    ReturnToFabricForm(*this, mrOk);
}

void TMembrane::btnExitClick() { ReturnToFabricForm(*this, mrCancel); }

void TMembrane::reject() { btnExitClick(); }
