#include "materials/fabricform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogbase/commonfuc.h"
#include "dialogbase/namedlg.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "materials/fabriclayerfrm.h"
#include "materials/fabricqueryform.h"
#include "materials/fiber.h"
#include "materials/materialselect.h"
#include "materials/membrane.h"
#include "materials/pcm.h"
#include "toolkit/application.h"
#include "toolkit/chart.h"
#include "toolkit/messages.h"
#include "toolkit/stringgrid.h"

TFabricForm* FabricForm = nullptr;

namespace {

constexpr double NoDefault = std::numeric_limits<double>::quiet_NaN();

struct ValueRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TFabricForm::*Edit;
    double FabricType::*Field;
    bool Unsigned;     // takes the unsigned-decimal key filter
    const char* Name;  // in the check message
    double Default;    // what "Default" writes; NoDefault: left alone
};

// The group "Fabric Properties", in reading order.
const ValueRow PropertyRows[] = {
    {"Porosity:", "PorosityText", &TFabricForm::PorosityText, &FabricType::Porosity, true, "Porosity", 0.85},
    {"Emissivity:", "EmissivityText", &TFabricForm::EmissivityText, &FabricType::Emissivity, true, "Emissivity",
     0.9},
    {"Tortuous gas:", "TortuosGasText", &TFabricForm::TortuosGasText, &FabricType::TortuosGas, true, "TortuosGas",
     1.2},
    {"Thickness(cm):", "ThicknessText", &TFabricForm::ThicknessText, &FabricType::Thickness, true, "Thickness",
     0.25},
    {"Capillary angle(deg):", "CapAngleText", &TFabricForm::CapAngleText, &FabricType::CapAngle, true,
     "CapillaryAngle", 20},
    {"Tortuous liquid:", "TortuosLqdText", &TFabricForm::TortuosLqdText, &FabricType::TortuosLqd, true,
     "TortuosLqd", 1.2},
    {"Max distributed capillary radius(cm):", "MaxDisCapDiaText", &TFabricForm::MaxDisCapDiaText,
     &FabricType::MaxDisCapDia, true, "MaxDistributedCaplillaryDiameter", 0.12},
    {"Fabric thermal conductivity(cal.s-1.cm-1.deg-1): ", "ConductivityTxt", &TFabricForm::ConductivityTxt,
     &FabricType::Conductivity, false, "ThermalConductivity", 7.8e-5},
    {"Vapor diffusion coefficient in fabric(cm2.s-1): ", "VaporDiffuTxt", &TFabricForm::VaporDiffuTxt,
     &FabricType::VaporDiffusion, false, "VaporDiffusion", 0.3},
    {"Liquid water contact angle(deg):", "ContactAngelTxt", &TFabricForm::ContactAngelTxt,
     &FabricType::ContactAngle, true, "Contact Angle", 70},
};

// The wetting inputs of the moisture-management treatment, in reading order.
const ValueRow WettingRows[] = {
    {"Spreading speed at top surface(SST):", "TopWetRTxt", &TFabricForm::TopWetRTxt, &FabricType::TopWetR, false,
     "Top Max Wetted Radius", NoDefault},
    {"Spreading speed at bottom surface(SSB):", "BottomWetRTxt", &TFabricForm::BottomWetRTxt,
     &FabricType::BottomWetR, false, "Bottom Max Wetted Radius", NoDefault},
    {"Accumulative one-way transport capacity(R):", "TopWetTxt", &TFabricForm::TopWetTxt, &FabricType::TopWetTime,
     false, "Top Wetting Radius", NoDefault},
    {"Overal moisture management capability(OMMC):", "BottomWetTxt", &TFabricForm::BottomWetTxt,
     &FabricType::BottomWetTime, false, "Bottom Wetting Radius", NoDefault},
    {"Top Water Contact Angle(deg.)", "TopAngleTxt", &TFabricForm::TopAngleTxt, &FabricType::TopAngle, false,
     "Top Water Contact Angle", NoDefault},
    {"Bottom Water Contact Angle(deg.)", "BottomAngleTxt", &TFabricForm::BottomAngleTxt, &FabricType::BottomAngle,
     false, "Bottom Water Contact Angle", NoDefault},
};

const ValueRow HeatingRows[] = {
    {"Heating load(cal.s-1.cm-3):", "txtHeatLoad", &TFabricForm::txtHeatLoad, &FabricType::HeatingLoad, false,
     "Heating load!", NoDefault},
    {"Switch on temperature(deg)", "txtMinTemp", &TFabricForm::txtMinTemp, &FabricType::SwitchOnTemperature, false,
     "Switch on Temperature!", NoDefault},
    {"Switch off temperature(deg)", "txtMaxTemp", &TFabricForm::txtMaxTemp, &FabricType::SwitchOffTemperature,
     false, "Switch off temperature!", NoDefault},
};

const char* const VolumeName = "Volume Percentage of PCM";

// Mass ratios are percentages typed by hand; a sum that only rounding lifts above 100 passes.
constexpr double RatioSlack = 1e-9;

QString NumberText(double value) { return QString::fromStdString(FloatToStr(value)); }

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    return group;
}

// Edits of one table, each behind its label in a two-column grid.
// Rows start below `firstRow` rows that the caller fills.
QGridLayout* AddRows(TFabricForm* form, QWidget* group, const ValueRow* first, const ValueRow* last, int editWidth,
                     int firstRow = 0)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = firstRow;
    for (const ValueRow* r = first; r != last; ++r, ++row) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(r->EditName);
        edit->setFixedWidth(editWidth);
        if (r->Unsigned)
            SetKeyFilter(edit, DecimalKeyPress);
        form->*r->Edit = edit;
        grid->addWidget(new QLabel(r->Label, group), row, 0);
        grid->addWidget(edit, row, 1);
    }
    return grid;
}

// An input the user fills shows the window colour; one that is off or derived the scroll-bar
// colour. The edit stays enabled either way.
void Shade(QLineEdit* edit, bool inUse)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, inUse ? QApplication::palette().color(QPalette::Base) : ScrollBarColor());
    edit->setPalette(palette);
}

template <std::size_t N>
void ShadeRows(TFabricForm* form, const ValueRow (&rows)[N], bool inUse, bool empty)
{
    for (const ValueRow& r : rows) {
        Shade(form->*r.Edit, inUse);
        if (empty)
            (form->*r.Edit)->clear();
    }
}

// Reads a table's edits into the record, stopping at the first that fails (its message shown).
template <std::size_t N>
bool ReadRows(TFabricForm* form, const ValueRow (&rows)[N], FabricType& fabric)
{
    for (const ValueRow& r : rows) {
        bool ok = false;
        const double value = GetEditValue(form->*r.Edit, r.Name, ok);
        if (!ok)
            return false;
        fabric.*r.Field = value;
    }
    return true;
}

template <std::size_t N>
void ShowRows(TFabricForm* form, const ValueRow (&rows)[N], const FabricType& fabric)
{
    for (const ValueRow& r : rows)
        (form->*r.Edit)->setText(NumberText(fabric.*r.Field));
}

// The seven values of a PCM; its name stays the target's.
void CopyPcmValues(const PCMType& source, PCMType& target)
{
    const std::string name = target.Name;
    target = source;
    target.Name = name;
}

std::shared_ptr<FabricType> FirstFabricNamed(const std::string& name)
{
    for (const auto& f : TheCase().Fabrics)
        if (f->Name == name)
            return f;
    return nullptr;
}

std::shared_ptr<MembraneType> FirstMembraneNamed(const QString& name)
{
    for (const auto& m : TheCase().Membranes)
        if (QString::fromStdString(m->Name) == name)
            return m;
    return nullptr;
}

// Asks before a fabric that layers hold goes, naming them as the user counts them.
QString UsedFabricQuestion(const FabricType& fabric, const std::vector<LayerPlace>& layers)
{
    QStringList names;
    for (const LayerPlace& p : layers)
        names << QString("garment %1 layer %2").arg(p.Garment + 1).arg(p.Layer + 1);
    return "The fabric " + QString::fromStdString(fabric.Name) + " is used by " + names.join(", ") +
           ". Delete it and empty these layers?";
}

// The selected fibres and the ratio table stand line for line side by side.
int LineHeight(const QWidget* w) { return w->fontMetrics().height() + 6; }

void AddFiberLine(QListWidget* list, const QString& name)
{
    auto* item = new QListWidgetItem(name, list);
    item->setSizeHint(QSize(list->fontMetrics().horizontalAdvance(name) + 8, LineHeight(list)));
}

// A list line counts as selected only while it is both current and selected.
int SelectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}

} // namespace

TFabricForm::TFabricForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricForm");
    SetCaption("Fabric Design");

    // ---- left: fibres, membranes, options ----
    FiberGroup = MakeGroup(this, "FiberGroup", "Fiber List");
    FiberListBox = new QListWidget(FiberGroup);
    FiberListBox->setObjectName("FiberListBox");
    FiberListBox->setFixedSize(140, 150);
    btnAddF = MakeDialogButton(FiberGroup, "btnAddF", "Desgin Fiber...");
    auto* fibers = new QVBoxLayout(FiberGroup);
    fibers->setContentsMargins(8, 8, 8, 8);
    fibers->addWidget(FiberListBox);
    fibers->addWidget(btnAddF);

    SelectFiberBtn = MakeDialogButton(this, "SelectFiberBtn", ">>");
    DeleteFiberBtn = MakeDialogButton(this, "DeleteFiberBtn", "<<");
    for (QPushButton* b : {SelectFiberBtn, DeleteFiberBtn})
        b->setFixedWidth(40);
    auto* shift = new QVBoxLayout;
    shift->addStretch(1);
    shift->addWidget(SelectFiberBtn);
    shift->addWidget(DeleteFiberBtn);
    shift->addStretch(1);

    SelectedFiberGroup = MakeGroup(this, "SelectedFiberGroup", "Selected Fiber ");
    SFiberListBox = new QListWidget(SelectedFiberGroup);
    SFiberListBox->setObjectName("SFiberListBox");
    SFiberListBox->setFixedWidth(120);
    RatioGroup = MakeGroup(SelectedFiberGroup, "RatioGroup", "%");
    RatioTable = new TStringGrid(RatioGroup);
    RatioTable->setObjectName("RatioTable");
    RatioTable->SetColCount(1);
    RatioTable->SetFixedRows(0);
    RatioTable->SetFixedCols(0);
    RatioTable->SetRowCount(1);
    RatioTable->SetDefaultRowHeight(LineHeight(this));
    RatioTable->SetColWidth(0, 54);
    RatioTable->SetEditing(true);
    RatioTable->setFixedWidth(60);
    RatioTable->SetOnCellKeyPress([](char& key) {
        if (key != 8 && key != '.' && (key < '0' || key > '9'))
            key = 0;
    });
    auto* ratio = new QVBoxLayout(RatioGroup);
    ratio->setContentsMargins(4, 4, 4, 4);
    ratio->addWidget(RatioTable);
    // The list starts level with the table, under the "%" caption, once the layout has placed
    // both (below).
    ListLead = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(0);
    listColumn->addSpacerItem(ListLead);
    listColumn->addWidget(SFiberListBox);
    auto* selected = new QHBoxLayout(SelectedFiberGroup);
    selected->setContentsMargins(8, 8, 8, 8);
    selected->addLayout(listColumn);
    selected->addWidget(RatioGroup);

    auto* fiberRow = new QHBoxLayout;
    fiberRow->addWidget(FiberGroup, 1);
    fiberRow->addLayout(shift);
    fiberRow->addWidget(SelectedFiberGroup, 1);

    MembraneGroup = MakeGroup(this, "MembraneGroup", "Membrane");
    InnerMemCheckBox = new QCheckBox("Inner Membrane", MembraneGroup);
    InnerMemCheckBox->setObjectName("InnerMemCheckBox");
    InMemComboBox = new QComboBox(MembraneGroup);
    InMemComboBox->setObjectName("InMemComboBox");
    DefineMemButton = MakeDialogButton(MembraneGroup, "DefineMemButton", "Design...");
    OuterMemCheckBox = new QCheckBox("Outer Membrane", MembraneGroup);
    OuterMemCheckBox->setObjectName("OuterMemCheckBox");
    OutMemComboBox = new QComboBox(MembraneGroup);
    OutMemComboBox->setObjectName("OutMemComboBox");
    DefineMemButton2 = MakeDialogButton(MembraneGroup, "DefineMemButton2", "Design...");
    auto* membranes = new QGridLayout(MembraneGroup);
    membranes->setContentsMargins(10, 8, 10, 10);
    membranes->addWidget(InnerMemCheckBox, 0, 0);
    membranes->addWidget(InMemComboBox, 0, 1);
    membranes->addWidget(DefineMemButton, 0, 2);
    membranes->addWidget(OuterMemCheckBox, 1, 0);
    membranes->addWidget(OutMemComboBox, 1, 1);
    membranes->addWidget(DefineMemButton2, 1, 2);
    membranes->setColumnStretch(1, 1);

    PCMGroup = MakeGroup(this, "PCMGroup", "Phase change Material");
    PCMCheck = new QCheckBox("Phase change material", PCMGroup);
    PCMCheck->setObjectName("PCMCheck");
    txtVolumePercentofPCM = new QLineEdit(PCMGroup);
    txtVolumePercentofPCM->setObjectName("txtVolumePercentofPCM");
    txtVolumePercentofPCM->setFixedWidth(80);
    SetKeyFilter(txtVolumePercentofPCM, DecimalKeyPress);
    btnPCM = MakeDialogButton(PCMGroup, "btnPCM", "Properites..");
    btnPCM->setEnabled(false);
    auto* pcm = new QGridLayout(PCMGroup);
    pcm->setContentsMargins(10, 8, 10, 10);
    pcm->setVerticalSpacing(5);
    pcm->addWidget(PCMCheck, 0, 0, 1, 3);
    pcm->addWidget(new QLabel("Coating Volume(%):", PCMGroup), 1, 0);
    pcm->addWidget(txtVolumePercentofPCM, 1, 1);
    pcm->addWidget(btnPCM, 1, 2);
    pcm->setColumnStretch(3, 1);

    HeatingGroup = MakeGroup(this, "HeatingGroup", "Self-heating");
    QGridLayout* heating = AddRows(this, HeatingGroup, std::begin(HeatingRows), std::end(HeatingRows), 80, 1);
    HeatingFabricCheck = new QCheckBox("Self-heating", HeatingGroup);
    HeatingFabricCheck->setObjectName("HeatingFabricCheck");
    heating->addWidget(HeatingFabricCheck, 0, 0, 1, 2);
    heating->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(fiberRow);
    left->addWidget(MembraneGroup);
    left->addWidget(PCMGroup);
    left->addWidget(HeatingGroup);
    left->addStretch(1);

    // ---- middle: values ----
    PropertyGroup = MakeGroup(this, "PropertyGroup", "Fabric Properties");
    AddRows(this, PropertyGroup, std::begin(PropertyRows), std::end(PropertyRows), 90);
    WettingGroup = MakeGroup(this, "WettingGroup", QString());
    MMFCheck = new QCheckBox("Moisture management Treatment", this);
    MMFCheck->setObjectName("MMFCheck");
    AddRows(this, WettingGroup, std::begin(WettingRows), std::end(WettingRows), 90);
    auto* middle = new QVBoxLayout;
    middle->addWidget(PropertyGroup);
    middle->addSpacing(4);
    middle->addWidget(MMFCheck);
    middle->addWidget(WettingGroup);
    middle->addStretch(1);

    // ---- right: the library ----
    btnAddtoList = MakeDialogButton(this, "btnAddtoList", "Add >>");
    btnDelete = MakeDialogButton(this, "btnDelete", "Delete <<");
    UpdateBtn = MakeDialogButton(this, "UpdateBtn", "Update");
    auto* library = new QHBoxLayout;
    library->addWidget(btnAddtoList);
    library->addWidget(btnDelete);
    library->addWidget(UpdateBtn);
    FabricGroup = MakeGroup(this, "FabricGroup", "Fabric List");
    FabricListBox = new TListBox(FabricGroup);
    FabricListBox->setObjectName("FabricListBox");
    FabricListBox->setFixedWidth(200);
    FabricListBox->viewport()->installEventFilter(this);
    auto* fabrics = new QVBoxLayout(FabricGroup);
    fabrics->setContentsMargins(8, 8, 8, 8);
    fabrics->addWidget(FabricListBox);
    SelectedFabricGroup = MakeGroup(this, "SelectedFabricGroup", "Selected Fabric");
    SelectFabricLabel = new QLabel(SelectedFabricGroup);
    SelectFabricLabel->setObjectName("SelectFabricLabel");
    auto* chosen = new QVBoxLayout(SelectedFabricGroup);
    chosen->setContentsMargins(10, 8, 10, 10);
    chosen->addWidget(SelectFabricLabel);
    btnQuery = MakeDialogButton(this, "btnQuery", "Fabric Database..");
    auto* right = new QVBoxLayout;
    right->addLayout(library);
    right->addWidget(FabricGroup, 1);
    right->addWidget(SelectedFabricGroup);
    right->addWidget(btnQuery);

    // ---- bottom ----
    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);
    for (QPushButton* b : {Default, btnClear, OKBtn, btnExit})
        b->setMinimumWidth(88);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addLayout(columns);
    main->addLayout(buttons);

    // Off and derived inputs as a fresh dialog has them.
    ShadeRows(this, WettingRows, false, false);
    ShadeRows(this, HeatingRows, false, false);
    Shade(txtVolumePercentofPCM, false);
    InnerMemCheckBoxClick();
    OuterMemCheckBoxClick();

    connect(MMFCheck, &QCheckBox::toggled, this, Guard([this] { MMFCheckClick(); }));
    connect(PCMCheck, &QCheckBox::toggled, this, Guard([this] { PCMCheckClick(); }));
    connect(HeatingFabricCheck, &QCheckBox::toggled, this, Guard([this] { HeatingFabricCheckClick(); }));
    for (QLineEdit* e : {TopWetRTxt, BottomWetRTxt})
        connect(e, &QLineEdit::textChanged, this, Guard([this] { TopWetRTxtChange(); }));
    connect(TopWetTxt, &QLineEdit::textChanged, this, Guard([this] { TopWetTxtChange(); }));
    for (QLineEdit* e : {TopAngleTxt, BottomAngleTxt})
        connect(e, &QLineEdit::textChanged, this, Guard([this] { TopAngleTxtChange(); }));
    // The user's choice only: filling the lists is no choice.
    connect(InnerMemCheckBox, &QCheckBox::toggled, this, Guard([this] { InnerMemCheckBoxClick(); }));
    connect(OuterMemCheckBox, &QCheckBox::toggled, this, Guard([this] { OuterMemCheckBoxClick(); }));
    connect(InMemComboBox, qOverload<int>(&QComboBox::activated), this,
            Guard([this](int index) { InMemComboBoxSelect(index); }));
    connect(OutMemComboBox, qOverload<int>(&QComboBox::activated), this,
            Guard([this](int index) { OutMemComboBoxSelect(index); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { btnClearClick(); }));
    connect(SelectFiberBtn, &QPushButton::clicked, this, Guard([this] { SelectFiberBtnClick(); }));
    connect(DeleteFiberBtn, &QPushButton::clicked, this, Guard([this] { DeleteFiberBtnClick(); }));
    connect(btnAddtoList, &QPushButton::clicked, this, Guard([this] { btnAddtoListClick(); }));
    connect(UpdateBtn, &QPushButton::clicked, this, Guard([this] { UpdateBtnClick(); }));
    connect(btnDelete, &QPushButton::clicked, this, Guard([this] { btnDeleteClick(); }));
    FabricListBox->OnClick = Guard([this] { FabricListBoxClick(); });
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(btnAddF, &QPushButton::clicked, this, Guard([this] { btnAddFClick(); }));
    connect(DefineMemButton, &QPushButton::clicked, this, Guard([this] { DefineMemButtonClick(); }));
    connect(DefineMemButton2, &QPushButton::clicked, this, Guard([this] { DefineMemButton2Click(); }));
    connect(btnPCM, &QPushButton::clicked, this, Guard([this] { btnPCMClick(); }));
    connect(btnQuery, &QPushButton::clicked, this, Guard([this] { btnQueryClick(); }));

    // A fabric chosen in the database's record window fills the edits it has values for.
    SetFabricRecordReceiver([form = QPointer<TFabricForm>(this)](const TFabricRecordValues& v) {
        if (!form)
            return;
        const std::pair<const QString&, QLineEdit*> fields[] = {
            {v.Thickness, form->ThicknessText},   {v.MaxCapillaryRadius, form->MaxDisCapDiaText},
            {v.CapillaryAngle, form->CapAngleText}, {v.Porosity, form->PorosityText},
            {v.TortuousLiquid, form->TortuosLqdText}, {v.TortuousGas, form->TortuosGasText},
            {v.Emissivity, form->EmissivityText}};
        for (const auto& [text, edit] : fields)
            if (!text.isEmpty())
                edit->setText(text);
    });

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

void TFabricForm::FormShow()
{
    // Where the table starts under its caption is known only once the window is laid out.
    const int lead = RatioTable->mapTo(this, QPoint()).y() - SFiberListBox->mapTo(this, QPoint()).y();
    if (lead > 0) {
        ListLead->changeSize(0, ListLead->sizeHint().height() + lead, QSizePolicy::Minimum, QSizePolicy::Fixed);
        SFiberListBox->parentWidget()->layout()->invalidate();
    }
}

// ---- the lists ----------------------------------------------------------------------------

void TFabricForm::FillMaterialLists()
{
    FiberListBox->clear();
    for (const auto& f : TheCase().Fibers)
        FiberListBox->addItem(QString::fromStdString(f->Name));
    InMemComboBox->clear();
    OutMemComboBox->clear();
    for (const auto& m : TheCase().Membranes) {
        const QString name = QString::fromStdString(m->Name);
        InMemComboBox->addItem(name);
        OutMemComboBox->addItem(name);
    }
    InnerMemCheckBoxClick();
    OuterMemCheckBoxClick();
}

void TFabricForm::LoadFabricList(const TList<FabricType>& fabrics)
{
    // The list box stands for the case's fabrics item by item; the loaded library replaced
    // them all, so the old lines go too.
    FabricListBox->clear();
    for (const auto& f : fabrics)
        FabricListBox->addItem(QString::fromStdString(f->Name));
    if (fabrics.empty())
        return;
    PutFabricValue(*fabrics.back());
    CaseModel& c = TheCase();
    c.FabricDefined = true;
    c.FabricFirstLoad = false;
}

bool TFabricForm::FabricNameExists(const TList<FabricType>& fabrics, const std::string& name)
{
    return std::any_of(fabrics.begin(), fabrics.end(), [&](const auto& f) { return f->Name == name; });
}

void TFabricForm::CopyFabric(const FabricType& source, FabricType& target)
{
    // Whatever the model code: a fabric that claims PCM carries the values it was given.
    const std::string name = target.Name;
    const double topWeight = target.TopWeight, bottomWeight = target.BottomWeight;
    const PCMType pcm = target.Pcm;
    target = source;
    target.Name = name;
    target.TopWeight = topWeight;
    target.BottomWeight = bottomWeight;
    target.Pcm = pcm;
    CopyPcmValues(source.Pcm, target.Pcm);
}

int TFabricForm::SelectedFabricRow() const { return SelectedRow(FabricListBox); }

std::shared_ptr<FabricType> TFabricForm::SelectedFabric() const
{
    const int row = SelectedFabricRow();
    return row < 0 ? nullptr : FirstFabricNamed(FabricListBox->item(row)->text().toStdString());
}

// ---- reading and showing a fabric --------------------------------------------------------

bool TFabricForm::ReadFibers(FabricType& fabric)
{
    fabric.Fibers.clear();
    fabric.MassRatios.SetLength(0);
    if (SFiberListBox->count() == 0) {
        AppMessageBox("You haven't selected fiber!", "Information", MB_OK);
        return false;
    }
    std::vector<double> ratios;
    double percent = 0;
    for (int i = 0; i < SFiberListBox->count(); ++i) {
        const QString name = SFiberListBox->item(i)->text();
        // A fibre deleted from the case since it was selected is passed over.
        for (const auto& fiber : TheCase().Fibers) {
            if (QString::fromStdString(fiber->Name) != name)
                continue;
            double typed = 0;
            if (!TryStrToFloat(Trim(RatioTable->Cell(0, i).toStdString()), typed)) {
                AppMessageBox("The mass ratio of " + name + " is not correct. Please try it again!", "Input Error",
                              MB_OK);
                RatioTable->setFocus();
                return false;
            }
            ratios.push_back(typed * 0.01);
            fabric.Fibers.push_back(fiber);
            fabric.MassRatios = ToPointArray(ratios);
            // Summed as typed: the sum of the fractions would lift 20 + 70 + 10 above 1.
            percent += typed;
            if (percent > 100 + RatioSlack) {
                AppMessageBox("The total mass ratio exceed 100%. Please try it again!", "Input Error", MB_OK);
                RatioTable->setFocus();
                return false;
            }
        }
    }
    fabric.MeanDiameter = MeanFiberDiameter(fabric);
    return true;
}

bool TFabricForm::ReadMembranes(FabricType& fabric)
{
    fabric.Membranes.clear();
    const struct {
        QCheckBox* Check;
        const QString& Name;
        const char* Side;
    } sides[] = {{InnerMemCheckBox, InnerMembraneName, "Inner Membrane"},
                 {OuterMemCheckBox, OuterMembraneName, "Outer Membrane"}};
    for (const auto& side : sides) {
        if (!side.Check->isChecked()) {
            fabric.Membranes.push_back(MakeDefaultMembrane());
            continue;
        }
        auto membrane = FirstMembraneNamed(side.Name);
        if (!membrane) {
            ShowEditValueError(side.Side);
            return false;
        }
        fabric.Membranes.push_back(membrane);
    }
    return true;
}

bool TFabricForm::GetFabricValue(FabricType& fabric) { return ReadFabric(fabric, TheCase().PCM); }

bool TFabricForm::ReadFabric(FabricType& fabric, const PCMType& pcm)
{
    if (!ReadFibers(fabric) || !ReadMembranes(fabric) || !ReadRows(this, PropertyRows, fabric))
        return false;

    fabric.MmfTreatment = MMFCheck->isChecked();
    if (fabric.MmfTreatment && !ReadRows(this, WettingRows, fabric))
        return false;

    fabric.HasPcm = PCMCheck->isChecked();
    if (fabric.HasPcm) {
        bool ok = false;
        const double volume = GetEditValue(txtVolumePercentofPCM, VolumeName, ok);
        if (!ok)
            return false;
        fabric.PcmRatio = volume * 0.01;
        CopyPcmValues(pcm, fabric.Pcm);
        if (pcm.Radius == 0) {
            AppMessageBox("Please define the Phase Change Material!", "Information", MB_OK);
            return false;
        }
    }

    fabric.IsHeatingFabric = HeatingFabricCheck->isChecked();
    return !fabric.IsHeatingFabric || ReadRows(this, HeatingRows, fabric);
}

void TFabricForm::ShowMembrane(const MembraneType* membrane, QCheckBox* check, QString& kept)
{
    const bool covered = membrane && membrane->Name != "OP";
    if (covered)
        kept = QString::fromStdString(membrane->Name);
    check->setChecked(covered);
}

void TFabricForm::ResetRatioTable(int rows)
{
    // Emptied before shrinking: the grid keeps the texts of the rows it drops and would bring
    // them back as the rows of fibres selected later.
    for (int i = 0; i < RatioTable->RowCount(); ++i)
        RatioTable->SetCell(0, i, QString());
    RatioTable->SetRowCount(std::max(1, rows));
}

void TFabricForm::PutFabricValue(const FabricType& fabric)
{
    SFiberListBox->clear();
    const int fibers = static_cast<int>(fabric.Fibers.size());
    ResetRatioTable(fibers);
    for (int i = 0; i < fibers; ++i) {
        AddFiberLine(SFiberListBox, QString::fromStdString(fabric.Fibers[static_cast<std::size_t>(i)]->Name));
        // The reader refuses a fabric with fewer ratios than fibres; an empty cell is the
        // dialog's own message should one come from elsewhere.
        RatioTable->SetCell(0, i, i < fabric.MassRatios.Length() ? NumberText(fabric.MassRatios[i] * 100) : QString());
    }

    auto side = [&](std::size_t i) { return i < fabric.Membranes.size() ? fabric.Membranes[i].get() : nullptr; };
    ShowMembrane(side(0), InnerMemCheckBox, InnerMembraneName);
    ShowMembrane(side(1), OuterMemCheckBox, OuterMembraneName);
    // A box whose tick did not change still has to show the side's membrane.
    InnerMemCheckBoxClick();
    OuterMemCheckBoxClick();

    if (fabric.MmfTreatment) {
        ShowRows(this, WettingRows, fabric);
        MMFCheck->setChecked(true);
    } else {
        MMFCheck->setChecked(false);
        ShadeRows(this, WettingRows, false, true);
    }

    if (fabric.HasPcm) {
        txtVolumePercentofPCM->setText(NumberText(fabric.PcmRatio * 100));
        Shade(txtVolumePercentofPCM, true);
        btnPCM->setEnabled(true);
        PCMCheck->setChecked(true);
    } else {
        PCMCheck->setChecked(false);
        PCMCheckClick();
    }
    // After the box's rule, which a tick made here ran too: the fabric's PCM is its own.
    PcmFromCase = !fabric.HasPcm;

    if (fabric.IsHeatingFabric) {
        ShowRows(this, HeatingRows, fabric);
        ShadeRows(this, HeatingRows, true, false);
        HeatingFabricCheck->setChecked(true);
    } else {
        HeatingFabricCheck->setChecked(false);
        HeatingFabricCheckClick();
    }

    // Last, so that the stored values stand over what the wetting inputs derived above.
    ShowRows(this, PropertyRows, fabric);
}

void TFabricForm::ClearFabricFields()
{
    SFiberListBox->clear();
    ResetRatioTable(1);
    // Unticking empties the membrane boxes too.
    InnerMemCheckBox->setChecked(false);
    OuterMemCheckBox->setChecked(false);
    for (const ValueRow& r : PropertyRows)
        (this->*r.Edit)->clear();
    // Unticking runs each box's rule: its edits go grey and empty.
    PCMCheck->setChecked(false);
    HeatingFabricCheck->setChecked(false);
    MMFCheck->setChecked(false);
}

// ---- check boxes and derived values -------------------------------------------------------

void TFabricForm::MMFCheckClick()
{
    const bool on = MMFCheck->isChecked();
    ShadeRows(this, WettingRows, on, !on);
    // With the treatment these three follow from the wetting inputs.
    for (QLineEdit* derived : {TortuosLqdText, CapAngleText, ContactAngelTxt})
        Shade(derived, !on);
}

void TFabricForm::PCMCheckClick()
{
    const bool on = PCMCheck->isChecked();
    Shade(txtVolumePercentofPCM, on);
    btnPCM->setEnabled(on);
    PcmFromCase = true;
    if (!on) {
        txtVolumePercentofPCM->clear();
        return;
    }
    // The PCM has to be defined afresh through "Properites.." before a PCM fabric is taken.
    CopyPcmValues(PCMType{}, TheCase().PCM);
}

void TFabricForm::HeatingFabricCheckClick()
{
    const bool on = HeatingFabricCheck->isChecked();
    ShadeRows(this, HeatingRows, on, !on);
}

void TFabricForm::TopWetRTxtChange()
{
    bool topOk = false, bottomOk = false;
    const double sst = GetEditValueQuiet(TopWetRTxt, topOk);
    const double ssb = GetEditValueQuiet(BottomWetRTxt, bottomOk);
    // Negative spreading speeds would take asin out of its domain, and two zeros give 0 / 0:
    // there is no angle then.
    if (!topOk || !bottomOk || sst < 0 || ssb < 0 || (sst == 0 && ssb == 0)) {
        CapAngleText->clear();
        return;
    }
    const double r = ssb <= sst ? ssb / sst : 1;
    const int angle = static_cast<int>(std::asin(r) * 180 * 0.31830988148145367);
    CapAngleText->setText(QString::number(angle));
}

void TFabricForm::TopWetTxtChange()
{
    bool ok = false;
    const double r = GetEditValueQuiet(TopWetTxt, ok);
    if (!ok) {
        TortuosLqdText->clear();
        return;
    }
    TortuosLqdText->setText(NumberText(r > 1 ? 1 / r : (r >= 0 ? r : -r)));
}

void TFabricForm::TopAngleTxtChange()
{
    bool topOk = false, bottomOk = false;
    const double top = GetEditValueQuiet(TopAngleTxt, topOk);
    const double bottom = GetEditValueQuiet(BottomAngleTxt, bottomOk);
    if (topOk && bottomOk)
        ContactAngelTxt->setText(NumberText(top * 0.5 + bottom * 0.5));
    else
        ContactAngelTxt->clear();
}

void TFabricForm::DefaultClick()
{
    for (const ValueRow& r : PropertyRows)
        (this->*r.Edit)->setText(NumberText(r.Default));
}

void TFabricForm::btnClearClick() { ClearFabricFields(); }

// ---- fibres and membranes -----------------------------------------------------------------

void TFabricForm::SelectFiberBtnClick()
{
    const int row = SelectedRow(FiberListBox);
    if (row < 0) {
        AppMessageBox("Please select a fiber from the fiber list!", "Information", MB_OK);
        return;
    }
    const QString name = FiberListBox->item(row)->text();
    if (!SFiberListBox->findItems(name, Qt::MatchExactly).isEmpty()) {
        AppMessageBox("This fiber has been selected!", "Information", MB_OK);
        return;
    }
    AddFiberLine(SFiberListBox, name);
    if (SFiberListBox->count() >= 2)
        RatioTable->SetRowCount(RatioTable->RowCount() + 1);
}

void TFabricForm::DeleteFiberBtnClick()
{
    const int row = SelectedRow(SFiberListBox);
    if (row < 0)
        return;
    const int last = RatioTable->RowCount() - 1;
    for (int i = row; i < last; ++i)
        RatioTable->SetCell(0, i, RatioTable->Cell(0, i + 1));
    // The ratio of the fibre that went must not come back with the next fibre's row.
    RatioTable->SetCell(0, last, QString());
    if (last > 0)
        RatioTable->SetRowCount(last);
    delete SFiberListBox->takeItem(row);
}

namespace {

// A side shows a membrane only while its box is ticked, and then the one that Add and Update
// take; a choice can be made only then, so an unticked side never looks covered.
void ShowMembraneChoice(QCheckBox* check, QComboBox* combo, const QString& name)
{
    const bool covered = check->isChecked();
    combo->setEnabled(covered);
    combo->setCurrentIndex(covered ? combo->findText(name) : -1);
}

} // namespace

void TFabricForm::InnerMemCheckBoxClick() { ShowMembraneChoice(InnerMemCheckBox, InMemComboBox, InnerMembraneName); }

void TFabricForm::OuterMemCheckBoxClick() { ShowMembraneChoice(OuterMemCheckBox, OutMemComboBox, OuterMembraneName); }

void TFabricForm::InMemComboBoxSelect(int index)
{
    if (index >= 0)
        InnerMembraneName = InMemComboBox->itemText(index);
}

void TFabricForm::OutMemComboBoxSelect(int index)
{
    if (index >= 0)
        OuterMembraneName = OutMemComboBox->itemText(index);
}

// ---- the library --------------------------------------------------------------------------

void TFabricForm::btnAddtoListClick()
{
    auto fabric = std::make_shared<FabricType>();
    if (!GetFabricValue(*fabric))
        return;
    if (AppMessageBox("Are you sure to select the fabric?", "Information", MB_YESNO) != IDYES)
        return;
    QString name;
    if (!AskRecordName(name))
        return;
    CaseModel& c = TheCase();
    while (FabricNameExists(c.Fabrics, name.toStdString())) {
        if (AppMessageBox(name + " has existed. Do you want to overwrite it?", "Information", MB_YESNO) == IDYES) {
            // Into the stored records, which garment layers hold.
            for (const auto& f : c.Fabrics)
                if (f->Name == name.toStdString())
                    CopyFabric(*fabric, *f);
            return;
        }
        if (!AskRecordName(name))
            return;
    }
    fabric->Name = name.toStdString();
    c.Fabrics.push_back(fabric);
    ClearFabricFields();
    FabricListBox->addItem(name);
    FabricListBox->setCurrentRow(-1);
}

void TFabricForm::UpdateBtnClick()
{
    const auto stored = SelectedFabric();
    if (!stored) {
        AppMessageBox("Please select a fabric from the list!", "Information", MB_OK);
        return;
    }
    // Read into a copy, so that a failed check leaves the stored fabric (the record the layers
    // hold) as it was; the copy keeps its name and its weights, which only a file gives.
    FabricType edited = *stored;
    const PCMType& pcm = PcmFromCase || !stored->HasPcm ? TheCase().PCM : stored->Pcm;
    if (ReadFabric(edited, pcm))
        *stored = edited;
}

void TFabricForm::btnDeleteClick()
{
    const int row = SelectedFabricRow();
    if (row < 0)
        return;
    CaseModel& c = TheCase();
    const auto fabric = SelectedFabric();
    const auto found = std::find(c.Fabrics.begin(), c.Fabrics.end(), fabric);
    if (!fabric || found == c.Fabrics.end()) {
        AppMessageBox("Deletion Error!", "Delete Error", MB_OK);
        return;
    }
    // The confirmed layers and those being edited in the layer dialog.
    std::vector<LayerPlace> used = LayersHolding(c.Layers.Rows, *fabric);
    const std::vector<LayerPlace> edited = FabricLayerFrm->LayersHolding(*fabric);
    used.insert(used.end(), edited.begin(), edited.end());
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    if (!used.empty() && AppMessageBox(UsedFabricQuestion(*fabric, used), "Information", MB_YESNO) != IDYES)
        return;
    // Layers that keep the record find it under no name.
    fabric->Name.clear();
    // A layer left with a nameless fabric could not be saved; it loses the fabric, and
    // the clothing has to be finished again.
    TakeFabricOutOfLayers(c.Layers.Rows, *fabric);
    FabricLayerFrm->TakeFabricOut(*fabric);
    if (!used.empty()) {
        c.ClothingDefined = false;
        ReportStepConfirmed(TCaseStep::Clothing);
    }
    c.BoundaryShortcut = false;
    c.Fabrics.erase(found);
    delete FabricListBox->takeItem(row);
    // The list would make the next line current; no fabric is chosen until the user picks one,
    // so OK cannot hand on a fabric that nothing on the screen names.
    ChooseNoFabric();
}

void TFabricForm::FabricListBoxClick()
{
    const auto fabric = SelectedFabric();
    if (!fabric)
        return;
    PutFabricValue(*fabric);
    SelectFabricLabel->setText(QString::fromStdString(fabric->Name));
}

void TFabricForm::ShowFabric(const QString& name)
{
    const auto& fabrics = TheCase().Fabrics;
    const auto found = name.isEmpty() ? fabrics.end()
                                      : std::find_if(fabrics.begin(), fabrics.end(), [&](const auto& f) {
                                            return QString::fromStdString(f->Name) == name;
                                        });
    if (found == fabrics.end()) {
        ChooseNoFabric();
        return;
    }
    FabricListBox->clearSelection();
    // Line i of the list is fabric i of the case.
    FabricListBox->setCurrentRow(static_cast<int>(found - fabrics.begin()));
    PutFabricValue(**found);
    SelectFabricLabel->setText(name);
}

void TFabricForm::ChooseNoFabric()
{
    FabricListBox->setCurrentRow(-1);
    FabricListBox->clearSelection();
    ClearFabricFields();
    SelectFabricLabel->clear();
}

void TFabricForm::FabricListBoxMouseDown()
{
    FabricListBox->setCurrentRow(-1);
    FabricListBox->clearSelection();
    ClearFabricFields();
}

bool TFabricForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FabricListBox->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (!FabricListBox->itemAt(press->position().toPoint()))
            Guard([this] { FabricListBoxMouseDown(); })();
    }
    return TForm::eventFilter(watched, event);
}

// ---- leaving ------------------------------------------------------------------------------

void TFabricForm::ShowLayerDialog()
{
    // hide(), not Close(): closing runs reject(), which is Cancel.
    hide();
    FabricLayerFrm->ShowModal();
}

void TFabricForm::OKBtnClick()
{
    if (FabricListBox->count() == 0) {
        AppMessageBox("No fabric is defined!", "Information", MB_OK);
        return;
    }
    CaseModel& c = TheCase();
    c.FabricDefined = true;
    const int row = SelectedFabricRow();
    if (row < 0 || row >= static_cast<int>(c.Fabrics.size())) {
        AppMessageBox("Please select a fabric from the list!", "Information", MB_OK);
        return;
    }
    // The layer dialog's chosen garment and layer take it; without such a row (the garments were
    // rebuilt since) nothing is assigned.
    FabricLayerFrm->SetLayerFabric(c.Fabrics[static_cast<std::size_t>(row)]);
    ReportDefinitionChanged(true);
    ShowLayerDialog();
}

void TFabricForm::btnExitClick() { ShowLayerDialog(); }

void TFabricForm::reject() { btnExitClick(); }

void TFabricForm::btnAddFClick()
{
    hide();
    Fiber->ShowModal();
}

void TFabricForm::DefineMemButtonClick()
{
    hide();
    Membrane->ShowModal();
}

void TFabricForm::DefineMemButton2Click() { DefineMemButtonClick(); }

void TFabricForm::btnPCMClick()
{
    // The PCM dialog edits only the case's PCM; the fabric's copy changes on Add or Update.
    const auto edit = [this](const PCMType& pcm) {
        PCM->PutPCMValue(pcm);
        // Confirmed, it is the PCM that the fabric shown takes on Update.
        if (PCM->ShowModal() == mrOk)
            PcmFromCase = true;
    };
    if (SelectedFabricRow() < 0) {
        edit(TheCase().PCM);
        return;
    }
    const auto fabric = SelectedFabric();
    if (fabric && fabric->HasPcm)
        edit(fabric->Pcm);
}

void TFabricForm::btnQueryClick() { FabricQueryForm->ShowModal(); }
