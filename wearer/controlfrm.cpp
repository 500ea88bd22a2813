#include "wearer/controlfrm.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "wearer/columnpanels.h"
#include "dialogbase/workflow.h"
#include "toolkit/application.h"

TControlFrm* ControlFrm = nullptr;

namespace {

// The values of the two upper groups, in reading order: the first bad one is the one named.
struct ControlEdit {
    const char* Label;
    const char* EditName;
    QLineEdit* TControlFrm::*Edit;
    double ControlParameters::*Field;
    const char* Name;  // in the input message
    bool Grid;         // in the "Fabric Grid " group, else in "Time Information"
    int Row;           // within its group
    double DefaultValue;
};

const ControlEdit ControlEdits[] = {
    {"Time step(s):", "TimeText", &TControlFrm::TimeText, &ControlParameters::TimeStep, "Time step", false, 0,
     0.0002},
    {"Save frequency(s):", "SaveFreqText", &TControlFrm::SaveFreqText, &ControlParameters::SaveFrequency,
     "Save frequency", false, 1, 60},
    {"Radius grid of fiber:", "FiberGridTxt", &TControlFrm::FiberGridTxt, &ControlParameters::RadiusGrid,
     "Radius Grid", true, 1, 8},
    {"Thickness grid of fabric:", "FabricGridTxt", &TControlFrm::FabricGridTxt, &ControlParameters::ThicknessGrid,
     "Thickness Grid", true, 0, 5},
    {"Sweating accumu. (min.):", "SAEdit", &TControlFrm::SAEdit, &ControlParameters::SweatAccumulation,
     "SweatAccumu", false, 2, 2},
};

// The data-file reader takes a sweat accumulation outside this range for a damaged value, so
// such a value would not come back from a saved case. The key filter keeps a minus out of
// typing, not out of a paste.
constexpr double MinSweatAccumulation = 0;
constexpr double MaxSweatAccumulation = 100;

// A stage column: the ratios of stage i, in reading order.
struct RatioEdit {
    QPointer<QLineEdit> TControlLayerPanel::*Edit;
    std::array<double, MaxStages> ControlParameters::*Field;
    const char* Name;
};

const RatioEdit RatioEdits[] = {
    {&TControlLayerPanel::CoverEdit, &ControlParameters::ClothingCoverRatio, "ClothingCoverRatio"},
    {&TControlLayerPanel::RatioHeatEdit, &ControlParameters::HeatTransferRatio, "HeatTransferRatio"},
    {&TControlLayerPanel::RatioMassEdit, &ControlParameters::MoistureTransferRatio, "MoistureTransferRatio"},
};

// A stage column is 105 pixels high; five show before the box scrolls.
constexpr int ColumnHeight = 105;
constexpr int VisibleColumns = 5;

} // namespace

TControlFrm::TControlFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ControlFrm");
    SetCaption("Control Information");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* time = new QGroupBox("Time Information", this);
    auto* grid = new QGroupBox("Fabric Grid ", this);
    auto* timeRows = new QGridLayout(time);
    auto* gridRows = new QGridLayout(grid);
    for (const ControlEdit& e : ControlEdits) {
        QGroupBox* group = e.Grid ? grid : time;
        auto* edit = new QLineEdit(group);
        edit->setObjectName(e.EditName);
        edit->setFixedWidth(110);
        SetKeyFilter(edit, DecimalKeyPress);
        this->*e.Edit = edit;
        auto* label = new QLabel(e.Label, group);
        label->setBuddy(edit);
        QGridLayout* rows = e.Grid ? gridRows : timeRows;
        rows->addWidget(label, e.Row, 0);
        rows->addWidget(edit, e.Row, 1);
    }
    gridRows->setRowStretch(2, 1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(time, 1);
    upper->addWidget(grid, 1);

    auto* ratio = new QGroupBox("Ratio ", this);
    ColumnArea = std::make_unique<TColumnArea>(
        ratio,
        std::initializer_list<const char*>{
            "Clothing cover skinratio:",
            "Proportion of heat loss from the skin through clothing:",
            "Proportion of moisture loss from the skin through clothing:",
        },
        ColumnHeight, VisibleColumns);
    ScrollBox1 = ColumnArea->ScrollBox;
    ScrollBox1->setObjectName("ScrollBox1");
    auto* ratioRow = new QHBoxLayout(ratio);
    ratioRow->addWidget(ColumnArea->Captions, 0, Qt::AlignTop);
    ratioRow->addWidget(ScrollBox1, 0, Qt::AlignTop);
    ratioRow->addStretch(1);

    Default = MakeDialogButton(this, "Default", "Default");
    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    btnExit = MakeDialogButton(this, "btnExit", "Cancel");
    auto* buttons = MakeButtonRow({Default}, {OKBtn, btnExit});

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addLayout(upper);
    main->addWidget(ratio);
    main->addLayout(buttons);

    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

TControlFrm::~TControlFrm() = default;

void TControlFrm::BuildControlRows()
{
    LayerPanels.clear();  // the columns' controls first, then the panels they stood on
    ColumnArea->Clear();

    const int count = static_cast<int>(std::min<std::size_t>(TheCase().Stages.size(), MaxStages));
    for (int i = 0; i < count; ++i) {
        auto column = std::make_unique<TControlLayerPanel>(ColumnArea->AddPanel(i), i + 1);
        for (const RatioEdit& r : RatioEdits)
            SetKeyFilter((*column).*r.Edit, DecimalKeyPress);
        LayerPanels.push_back(std::move(column));
    }
    ColumnArea->Fit(count);
}

void TControlFrm::PutControlValue()
{
    CaseModel& c = TheCase();
    for (const ControlEdit& e : ControlEdits)
        (this->*e.Edit)->setText(EditText(c.Control.*e.Field));
    for (std::size_t i = 0; i < LayerPanels.size(); ++i)
        for (const RatioEdit& r : RatioEdits)
            ((*LayerPanels[i]).*r.Edit)->setText(EditText((c.Control.*r.Field)[i]));
    c.ControlStale = false;
    c.ControlDefined = true;
}

bool TControlFrm::GetValue(ControlParameters& control)
{
    for (const ControlEdit& e : ControlEdits) {
        bool ok = false;
        const double value = GetEditValue(this->*e.Edit, e.Name, ok);
        if (!ok)
            return false;
        if (e.Field == &ControlParameters::SweatAccumulation &&
            (value < MinSweatAccumulation || value > MaxSweatAccumulation)) {
            ShowEditValueError(e.Name);
            return false;
        }
        control.*e.Field = value;
    }
    for (std::size_t i = 0; i < LayerPanels.size(); ++i) {
        for (const RatioEdit& r : RatioEdits) {
            bool ok = false;
            const double value = GetEditValue((*LayerPanels[i]).*r.Edit, r.Name, ok);
            if (!ok)
                return false;
            (control.*r.Field)[i] = value;
        }
    }
    return true;
}

void TControlFrm::OKBtnClick()
{
    // Read into a copy: a refused value leaves the case's control values as they were.
    CaseModel& c = TheCase();
    ControlParameters read = c.Control;
    if (!GetValue(read))
        return;
    c.Control = read;
    c.ControlDefined = true;
    ReportStepConfirmed(TCaseStep::Control);
    EndWith(mrOk);
}

void TControlFrm::btnExitClick()
{
    EndWith(mrCancel);
}

void TControlFrm::DefaultClick()
{
    // The stage columns keep their values.
    for (const ControlEdit& e : ControlEdits)
        (this->*e.Edit)->setText(EditText(e.DefaultValue));
}
