#include "wearer/boudarycd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogbase/commonfuc.h"
#include "wearer/columnpanels.h"
#include "dialogbase/workflow.h"
#include "casemodel/stagebuilder.h"
#include "toolkit/application.h"
#include "toolkit/keyfilter.h"
#include "toolkit/messages.h"

TBoudaryCD* BoudaryCD = nullptr;

namespace {

enum class Group { State, Transfer, Environment };
using KeyFilter = void (*)(QLineEdit*, char&);

// The stage fields of the edits, in reading order: the first bad one is the one named.
// The cool-down is read between the wind and the outer air temperature.
struct StageEdit {
    const char* Label;
    const char* EditName;
    QLineEdit* TBoudaryCD::*Edit;
    double StageType::*Field;
    double Scale;  // stage value = typed value x Scale
    const char* Name;  // in the input message
    Group Place;
    int Row;  // within its group
    KeyFilter Filter;
    // The Default buttons' value (in the edit's unit) where a new stage has none
    // (NewStageDefaults); NAN: no Default button sets it.
    double DefaultValue;
};

const StageEdit StageEdits[] = {
    {"Convective heat transfer coefficient of uncovered body:", "H_cUEdit", &TBoudaryCD::H_cUEdit,
     &StageType::h_cU, 1, "H_cU", Group::Transfer, 0, DecimalKeyPress, NAN},
    {"Convective heat transfer coefficient of covered body:", "H_cCEdit", &TBoudaryCD::H_cCEdit,
     &StageType::h_cC, 1, "H_cC", Group::Transfer, 1, DecimalKeyPress, NAN},
    {"Linear radiant heat transfer coefficient of uncovered body:", "H_rUEdit", &TBoudaryCD::H_rUEdit,
     &StageType::h_rU, 1, "H_rU", Group::Transfer, 2, DecimalKeyPress, NAN},
    {"Linear radiant heat transfer coefficient of covered body:", "H_rCEdit", &TBoudaryCD::H_rCEdit,
     &StageType::h_rC, 1, "H_rC", Group::Transfer, 3, DecimalKeyPress, NAN},
    {"Metabolic Rate(W/m2):", "Mettxt", &TBoudaryCD::Mettxt, &StageType::MR, 1, "Metebolic rate", Group::State, 0,
     nullptr, NAN},
    {"Wind velocity(m.s-1):", "VelocityEdit", &TBoudaryCD::VelocityEdit, &StageType::Wind, 1, "Wind Velocity",
     Group::Environment, 4, SignedDecimalKeyPress, NAN},
    {"Air temperature(deg.):", "AirTempText2", &TBoudaryCD::AirTempText2, &StageType::OuterT_a, 1,
     "Outer Air Temperature", Group::Environment, 0, SignedDecimalKeyPress, 25},
    {"Thermo radiation source(cal.cm-2):", "TherRadiationText2", &TBoudaryCD::TherRadiationText2,
     &StageType::OuterG_rad, 1, "Outer Radiation Temperature", Group::Environment, 1, DecimalKeyPress, NAN},
    {"Relative humidity(%):", "RHText2", &TBoudaryCD::RHText2, &StageType::OuterRH, 0.01,
     "Outer Relative Humidity", Group::Environment, 2, DecimalKeyPress, 65},
    {"Liquid volumetric fraction(cm.s-1):", "VFLText2", &TBoudaryCD::VFLText2, &StageType::OuterVFL, 1,
     "Outer VFL", Group::Environment, 3, DecimalKeyPress, NAN},
};
constexpr std::size_t ReadBeforeCoolDown = 6;

// What a Default button puts into the edit: what a new stage gets, else the dialog's own.
double EditDefault(const StageEdit& e)
{
    const double stage = NewStageDefault(e.Field);
    return std::isnan(stage) ? e.DefaultValue : stage / e.Scale;
}

// The eight edits that a successful Update and a rebuild of the columns blank (the metabolic
// rate, the wind and the cool-down keep what they show).
QLineEdit* TBoudaryCD::* const BlankedEdits[] = {
    &TBoudaryCD::AirTempText2, &TBoudaryCD::TherRadiationText2, &TBoudaryCD::RHText2, &TBoudaryCD::VFLText2,
    &TBoudaryCD::H_cUEdit, &TBoudaryCD::H_cCEdit, &TBoudaryCD::H_rUEdit, &TBoudaryCD::H_rCEdit,
};

// A microclimate column is 168 pixels high; four show before the box scrolls.
constexpr int ColumnHeight = 168;
constexpr int VisibleColumns = 4;

// Message names of a column's five coefficient edits.
const char* const CoefficientNames[] = {"hc0", "hc1", "hm0", "hm1", "hph"};
double FabricMicroclimate::* const CoefficientFields[] = {
    &FabricMicroclimate::hc0, &FabricMicroclimate::hc1, &FabricMicroclimate::hm0, &FabricMicroclimate::hm1,
    &FabricMicroclimate::hph,
};
const char* const DefaultContact = "false";

QGroupBox* MakeGroup(QWidget* parent, const char* title)
{
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    return group;
}

QLineEdit* AddEditRow(QGroupBox* group, int row, const QString& label, const char* name)
{
    auto* edit = new QLineEdit(group);
    edit->setObjectName(name);
    edit->setFixedWidth(130);
    auto* caption = new QLabel(label, group);
    caption->setBuddy(edit);
    auto* grid = static_cast<QGridLayout*>(group->layout());
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

// A contact box takes no typing: its choice is picked from the list, and a loaded text that is
// not one of the items is shown as it is.
void BlockKeyPress(QComboBox* box)
{
    box->setInsertPolicy(QComboBox::NoInsert);
    if (QLineEdit* edit = box->lineEdit()) {
        edit->setReadOnly(true);
        SetOnKeyPress(edit, [](char& key) { key = 0; });
    }
    SetOnKeyPress(box, [](char& key) { key = 0; });
}

QString Trimmed(const QComboBox* box) { return box->currentText().trimmed(); }

} // namespace

TBoudaryCD::TBoudaryCD(QWidget* owner) : TForm(owner)
{
    setObjectName("BoudaryCD");
    SetCaption("Boundary Condition");
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    // No title-bar buttons: the dialog ends through OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    PageControl->addTab(BuildHumanBodyPage(), "Human Body");
    PageControl->addTab(BuildEnvironmentPage(), "Environment");
    PageControl->addTab(BuildFabricLayersPage(), "Fabric Layers");

    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    CancelBtn = MakeDialogButton(this, "CancelBtn", "Cancel");
    auto* right = new QVBoxLayout;
    right->addWidget(BuildStageGroup(), 1);
    right->addWidget(OKBtn);
    right->addWidget(CancelBtn);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addWidget(PageControl, 1);
    main->addLayout(right);

    for (const StageEdit& e : StageEdits)
        if (e.Filter)
            SetKeyFilter(this->*e.Edit, e.Filter);
    SetKeyFilter(CoolDownTimeText, DecimalKeyPress);

    // Only what the user does counts as a change: these signals do not fire when a stage is
    // shown or blanked by code.
    for (const StageEdit& e : StageEdits)
        connect(this->*e.Edit, &QLineEdit::textEdited, this, [this] { StageEdited = true; });
    connect(CoolDownTimeText, &QLineEdit::textEdited, this, [this] { StageEdited = true; });
    connect(CoolDownCheckBox, &QCheckBox::clicked, this, [this] { StageEdited = true; });

    // The edits show the current stage however the selection moves (mouse, arrow, Home, End and
    // page keys), so Update never stores one stage's values into another; a click on the row
    // that is already current shows its stored values again, unless the user has changed them.
    connect(StageListBox, &QListWidget::currentRowChanged, this, Guard([this](int) { StageListBoxChange(); }));
    connect(StageListBox, &QListWidget::itemClicked, this, Guard([this] {
                if (!StageEdited)
                    StageListBoxClick();
            }));
    connect(UpdateBtn, &QPushButton::clicked, this, Guard([this] { UpdateBtnClick(); }));
    connect(CoolDownCheckBox, &QCheckBox::clicked, this, Guard([this] { CoolDownCheckBoxClick(); }));
    connect(HDeFault, &QPushButton::clicked, this, Guard([this] { HDeFaultClick(); }));
    connect(EDefault, &QPushButton::clicked, this, Guard([this] { EDefaultClick(); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guard([this] { CancelBtnClick(); }));

    ShowCoolDownTime(false);
    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

TBoudaryCD::~TBoudaryCD() = default;

// The pages are made on the form, so their captions are measured in its bold font.
QWidget* TBoudaryCD::BuildHumanBodyPage()
{
    auto* page = new QWidget(this);
    QGroupBox* state = MakeGroup(page, "Human Body State");
    QGroupBox* transfer = MakeGroup(page, "Transfer Coeffcient");
    for (const StageEdit& e : StageEdits) {
        if (e.Place == Group::State)
            this->*e.Edit = AddEditRow(state, e.Row, e.Label, e.EditName);
        else if (e.Place == Group::Transfer)
            this->*e.Edit = AddEditRow(transfer, e.Row, e.Label, e.EditName);
    }
    CoolDownCheckBox = new QCheckBox("Cool down", state);
    CoolDownCheckBox->setObjectName("CoolDownCheckBox");
    auto* stateGrid = static_cast<QGridLayout*>(state->layout());
    stateGrid->addWidget(CoolDownCheckBox, 1, 0);
    CoolDownTimeText = AddEditRow(state, 2, "Cool down time(min.):", "CoolDownTimeText");

    HDeFault = MakeDialogButton(page, "HDeFault", "Default");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(state);
    layout->addWidget(transfer);
    layout->addStretch(1);
    layout->addWidget(HDeFault, 0, Qt::AlignRight);
    return page;
}

QWidget* TBoudaryCD::BuildEnvironmentPage()
{
    auto* page = new QWidget(this);
    QGroupBox* outer = MakeGroup(page, nullptr);
    for (const StageEdit& e : StageEdits)
        if (e.Place == Group::Environment)
            this->*e.Edit = AddEditRow(outer, e.Row, e.Label, e.EditName);
    EDefault = MakeDialogButton(page, "EDefault", "Default");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(outer);
    layout->addStretch(1);
    layout->addWidget(EDefault, 0, Qt::AlignRight);
    return page;
}

QWidget* TBoudaryCD::BuildFabricLayersPage()
{
    auto* page = new QWidget(this);
    auto* group = new QGroupBox("Microclimate in the interlayers", page);

    ColumnArea = std::make_unique<TColumnArea>(
        group,
        std::initializer_list<const char*>{
            "Inner contact:",
            "Outer contact:",
            "Heat transfer coefficient of inner side of fabric(cal.s-1.cm-2.k-1):",
            "Heat transfer coefficient of outer side of fabric(cal.s-1.cm-2.k-1):",
            "Mass transfer coefficient of inner side of fabric(cm.s-1):",
            "Mass transfer coefficient of outer side of fabric(cm.s-1):",
            "Mass transfer coefficient for evaporation and condensation:",
        },
        ColumnHeight, VisibleColumns);
    ScrollBox1 = ColumnArea->ScrollBox;
    ScrollBox1->setObjectName("ScrollBox1");

    auto* row = new QHBoxLayout(group);
    row->addWidget(ColumnArea->Captions, 0, Qt::AlignTop);
    row->addWidget(ScrollBox1, 0, Qt::AlignTop);
    row->addStretch(1);

    Default = MakeDialogButton(page, "Default", "Default");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addWidget(Default, 0, Qt::AlignRight);
    return page;
}

QWidget* TBoudaryCD::BuildStageGroup()
{
    auto* group = new QGroupBox("Stage List", this);
    StageListBox = new QListWidget(group);
    StageListBox->setObjectName("StageListBox");
    StageListBox->setFixedWidth(130);
    UpdateBtn = MakeDialogButton(group, "UpdateBtn", "Update");
    DeleteStageBtn = MakeDialogButton(group, "DeleteStageBtn", "Delete");
    DeleteStageBtn->setEnabled(false);  // stages come from the activity schedule only
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(StageListBox, 1);
    layout->addWidget(UpdateBtn);
    layout->addWidget(DeleteStageBtn);
    return group;
}

// ---- showing ----------------------------------------------------------------------------

void TBoudaryCD::ShowStages()
{
    BuildMicroclimateRows();
    const auto& stages = TheCase().Stages;
    for (const auto& stage : stages) {
        StageListBox->addItem(QString::fromStdString(stage->Name));
        ListedStages.push_back(stage);
    }
    if (!stages.empty()) {
        StageListBox->setCurrentRow(static_cast<int>(stages.size()) - 1);
        PutStageValue(*stages.back());
    }
}

void TBoudaryCD::FormShow()
{
    PageControl->setCurrentIndex(0);
    // The list stands for the case's stages row by row; stages replaced behind the dialog's
    // back (a case loaded, or rebuilt without the opener) are shown afresh.
    const auto& stages = TheCase().Stages;
    bool same = ListedStages.size() == stages.size();
    for (std::size_t i = 0; same && i < stages.size(); ++i)
        same = ListedStages[i].lock() == stages[i];
    if (!same)
        ShowStages();
}

void TBoudaryCD::BuildMicroclimateRows()
{
    MicroPanels.clear();  // the columns' controls first, then the panels they stood on
    ColumnArea->Clear();
    MicroRecords.clear();

    StageEdited = false;
    ShownRow = -1;
    StageListBox->clear();
    ListedStages.clear();
    BlankStageEdits();

    const auto& stages = TheCase().Stages;
    const std::size_t count = stages.empty() ? 0 : stages.front()->Microclimates.size();
    for (std::size_t i = 0; i < count; ++i) {
        QFrame* panel = ColumnArea->AddPanel(static_cast<int>(i));
        auto column = std::make_unique<TMicroPanel>(panel, static_cast<int>(i) + 1);
        BlockKeyPress(column->InnerContactBox);
        BlockKeyPress(column->OuterContactBox);
        for (QLineEdit* edit : column->CoefficientEdits()) {
            SetKeyFilter(edit, DecimalKeyPress);
            connect(edit, &QLineEdit::textEdited, this, [this] { StageEdited = true; });
        }
        // Picked by mouse, wheel or arrow key.
        for (QComboBox* box : {column->InnerContactBox.data(), column->OuterContactBox.data()})
            connect(box, &QComboBox::activated, this, [this] { StageEdited = true; });
        MicroPanels.push_back(std::move(column));
        MicroRecords.emplace_back();
    }
    ColumnArea->Fit(static_cast<int>(count));
    ShownColumns = 0;

    CoolDownCheckBox->setChecked(false);
    ShowCoolDownTime(false);
}

std::size_t TBoudaryCD::PairedColumns(const StageType& stage) const
{
    return std::min(MicroPanels.size(), stage.Microclimates.size());
}

void TBoudaryCD::PutStageValue(const StageType& stage)
{
    for (const StageEdit& e : StageEdits)
        (this->*e.Edit)->setText(EditText(stage.*e.Field / e.Scale));
    CoolDownCheckBox->setChecked(stage.CoolDown);
    CoolDownTimeText->setText(stage.CoolDown ? EditText(stage.CoolDownTime) : QString());
    ShowCoolDownTime(stage.CoolDown);

    // Stages read from a file may have fewer microclimates than the first one: the columns
    // they do not reach are blank and take no input while such a stage is shown.
    ShownColumns = PairedColumns(stage);
    for (std::size_t i = 0; i < MicroPanels.size(); ++i) {
        TMicroPanel& column = *MicroPanels[i];
        const bool paired = i < ShownColumns;
        const FabricMicroclimate* m = paired ? stage.Microclimates[i].get() : nullptr;
        column.InnerContactBox->setCurrentText(m ? QString::fromStdString(m->InnerContact) : QString());
        column.OuterContactBox->setCurrentText(m ? QString::fromStdString(m->OuterContact) : QString());
        const auto edits = column.CoefficientEdits();
        for (std::size_t k = 0; k < edits.size(); ++k)
            edits[k]->setText(m ? EditText(m->*CoefficientFields[k]) : QString());
        column.Label->parentWidget()->setEnabled(paired);
    }
    StageEdited = false;
}

void TBoudaryCD::ShowCoolDownTime(bool enabled)
{
    // Greyed, not emptied: the time typed before comes back when the box is ticked again.
    CoolDownTimeText->setEnabled(enabled);
}

void TBoudaryCD::BlankStageEdits()
{
    for (QLineEdit* TBoudaryCD::*edit : BlankedEdits)
        (this->*edit)->clear();
}

StageType* TBoudaryCD::SelectedStage() const { return StageAt(StageListBox->currentRow()); }

StageType* TBoudaryCD::StageAt(int row) const
{
    const auto& stages = TheCase().Stages;
    if (row < 0 || row >= static_cast<int>(stages.size()) || row >= static_cast<int>(ListedStages.size()))
        return nullptr;
    const auto& stage = stages[static_cast<std::size_t>(row)];
    return ListedStages[static_cast<std::size_t>(row)].lock() == stage ? stage.get() : nullptr;
}

// ---- reading ----------------------------------------------------------------------------

bool TBoudaryCD::GetMicroclimate(std::size_t columns)
{
    for (std::size_t i = 0; i < columns; ++i) {
        TMicroPanel& column = *MicroPanels[i];
        FabricMicroclimate& record = MicroRecords[i];
        // A blank contact would be written as an empty value that the solver cannot read.
        const std::pair<QComboBox*, const char*> contacts[] = {
            {column.InnerContactBox, "Inner contact"}, {column.OuterContactBox, "Outer contact"}};
        for (const auto& [box, name] : contacts) {
            if (Trimmed(box).isEmpty()) {
                ShowEditValueError(name);
                box->setFocus();
                return false;
            }
        }
        record.InnerContact = Trimmed(column.InnerContactBox).toStdString();
        record.OuterContact = Trimmed(column.OuterContactBox).toStdString();
        const auto edits = column.CoefficientEdits();
        for (std::size_t k = 0; k < edits.size(); ++k) {
            bool ok = false;
            record.*CoefficientFields[k] = GetEditValue(edits[k], CoefficientNames[k], ok);
            if (!ok)
                return false;
        }
    }
    return true;
}

bool TBoudaryCD::ReadStageValues(StageType& stage)
{
    for (std::size_t i = 0; i < std::size(StageEdits); ++i) {
        if (i == ReadBeforeCoolDown) {
            if (CoolDownCheckBox->isChecked()) {
                bool ok = false;
                stage.CoolDownTime = GetEditValue(CoolDownTimeText, "Cool Down Time", ok);
                if (!ok)
                    return false;
            }
            stage.CoolDown = CoolDownCheckBox->isChecked();
        }
        const StageEdit& e = StageEdits[i];
        bool ok = false;
        const double value = GetEditValue(this->*e.Edit, e.Name, ok);
        if (!ok)
            return false;
        stage.*e.Field = value * e.Scale;
    }
    return true;
}

bool TBoudaryCD::AddStageValue(StageType& stage)
{
    // Everything is read into copies first: a refused field leaves the stage, the edits and
    // the rest of the case as they were.
    const std::size_t columns = PairedColumns(stage);
    if (!GetMicroclimate(columns))
        return false;
    StageType read = stage;
    if (!ReadStageValues(read))
        return false;

    for (const StageEdit& e : StageEdits)
        stage.*e.Field = read.*e.Field;
    stage.CoolDown = read.CoolDown;
    stage.CoolDownTime = read.CoolDownTime;
    for (std::size_t i = 0; i < columns; ++i) {
        *stage.Microclimates[i] = MicroRecords[i];
        MicroRecords[i] = FabricMicroclimate{"", "", 0, 0, 0, 0, 0};
    }

    for (auto& column : MicroPanels) {
        column->InnerContactBox->setCurrentText(QString());
        column->OuterContactBox->setCurrentText(QString());
        for (QLineEdit* edit : column->CoefficientEdits())
            edit->clear();
    }
    BlankStageEdits();
    // The blanks left behind are no change of the user's.
    StageEdited = false;
    TheCase().ControlStale = true;
    return true;
}

bool TBoudaryCD::StoreStage(StageType& stage)
{
    if (!AddStageValue(stage))
        return false;
    // The activity and environment rows follow the stages, so their dialogs show what the
    // stages hold. The wind stays as the environment dialog has it.
    CopyStageStateToRows(TheCase());
    return true;
}

bool TBoudaryCD::StoreEditedStage()
{
    if (!StageEdited)
        return true;
    StageType* stage = StageAt(ShownRow);
    return !stage || StoreStage(*stage);
}

void TBoudaryCD::DropUnstoredEdits()
{
    if (!StageEdited)
        return;
    // The stage shown again as stored, so nothing typed comes back with the next opening.
    if (const StageType* stage = StageAt(ShownRow))
        PutStageValue(*stage);
    StageEdited = false;
}

// ---- handlers ---------------------------------------------------------------------------

void TBoudaryCD::StageListBoxClick()
{
    ShownRow = StageListBox->currentRow();
    if (const StageType* stage = StageAt(ShownRow))
        PutStageValue(*stage);
}

void TBoudaryCD::StageListBoxChange()
{
    if (StoreEditedStage()) {
        StageListBoxClick();
        return;
    }
    // Refused: the stage being edited is selected again and keeps showing what was typed, so
    // the field named can be mended.
    const int edited = ShownRow;
    {
        const QSignalBlocker block(StageListBox);
        StageListBox->setCurrentRow(edited);
    }
    // The press or key that moved the current row goes on to select the row it reached; once
    // it is through, the selection is put back on the stage being edited as well.
    QTimer::singleShot(0, StageListBox, [list = StageListBox, edited] {
        if (list->currentRow() == edited) {
            list->setCurrentRow(edited);
            list->scrollToItem(list->item(edited));
        }
    });
}

void TBoudaryCD::UpdateBtnClick()
{
    if (StageType* stage = SelectedStage())
        StoreStage(*stage);
}

void TBoudaryCD::CoolDownCheckBoxClick() { ShowCoolDownTime(CoolDownCheckBox->isChecked()); }

void TBoudaryCD::HDeFaultClick()
{
    StageEdited = true;
    for (const StageEdit& e : StageEdits)
        if (e.Place == Group::Transfer)
            (this->*e.Edit)->setText(EditText(EditDefault(e)));
}

void TBoudaryCD::EDefaultClick()
{
    // The default environment belongs to the body model; without it the values stay.
    if (!TheCase().BodyModelOn())
        return;
    StageEdited = true;
    for (const StageEdit& e : StageEdits)
        if (e.Place == Group::Environment && !std::isnan(EditDefault(e)))
            (this->*e.Edit)->setText(EditText(EditDefault(e)));
}

void TBoudaryCD::DefaultClick()
{
    StageEdited = StageEdited || ShownColumns > 0;
    for (std::size_t i = 0; i < ShownColumns; ++i) {
        TMicroPanel& column = *MicroPanels[i];
        column.InnerContactBox->setCurrentText(DefaultContact);
        column.OuterContactBox->setCurrentText(DefaultContact);
        const auto edits = column.CoefficientEdits();
        for (std::size_t k = 0; k < edits.size(); ++k)
            edits[k]->setText(EditText(NewMicroclimateDefault(CoefficientFields[k])));
    }
}

void TBoudaryCD::OKBtnClick()
{
    if (StageListBox->count() == 0) {
        AppMessageBox("No stage is defined!", "Information", MB_OK);
        return;
    }
    // What the user changed in the stage shown is stored as Update stores it; a refused field
    // keeps the dialog open with what was typed.
    if (!StoreEditedStage())
        return;
    TheCase().BoundaryDefined = true;
    ReportStepConfirmed(TCaseStep::Boundary);
    EndWith(mrOk);
}

void TBoudaryCD::CancelBtnClick()
{
    DropUnstoredEdits();
    EndWith(mrCancel);
}

void TBoudaryCD::FormClose() { DropUnstoredEdits(); }
