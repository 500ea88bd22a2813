#include "wearer/physiologyfrm.h"

#include "wearer/firingrategrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/firingrate.h"
#include "casemodel/numformat.h"
#include "materials/bodyqueryform.h"
#include "materials/materialselect.h"
#include "toolkit/application.h"

TPhysiologyFrm* PhysiologyFrm = nullptr;

namespace {

// How an edit's value relates to the block's field.
enum class Unit { Plain, Celsius, Percent };

struct BodyRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TPhysiologyFrm::*Edit;
    double BodyParameters::*Field;
    Unit Conversion;
    const char* Name;  // in the input message
};

// In reading order; rows 1 to 14 are the constants that Clear empties.
const BodyRow BodyRows[] = {
    {"Maximum sweating rate(g/cm2/hr):", "Cswr_maxEdit", &TPhysiologyFrm::Cswr_maxEdit,
     &BodyParameters::Cswr_max, Unit::Plain, "Cswr_max"},
    {"Regulative sweating constant(g/cm2/hr):", "Cswr_regEdit", &TPhysiologyFrm::Cswr_regEdit,
     &BodyParameters::Cswr_reg, Unit::Plain, "Cswr_reg"},
    {"Pow sweating rate(g/cm2/hr):", "Cswr_powEdit", &TPhysiologyFrm::Cswr_powEdit,
     &BodyParameters::Cswr_pow, Unit::Plain, "Cswr_pow"},
    {"Regulative shivering constant(cal.s-1.cm-2):", "Cshv_regEdit", &TPhysiologyFrm::Cshv_regEdit,
     &BodyParameters::Cshv_reg, Unit::Plain, "Cshv_reg"},
    {"Dilation factor of blood vessel(L.hr-1.cm-1):", "Cbld_diatEdit", &TPhysiologyFrm::Cbld_diatEdit,
     &BodyParameters::Cbld_dia, Unit::Plain, "Cbld_diat"},
    {"Strict factor of blood vessel(L.hr-1.cm-1):", "Cbld_strtEdit", &TPhysiologyFrm::Cbld_strtEdit,
     &BodyParameters::Cbld_strt, Unit::Plain, "Cbld_strt"},
    {"Specific heat at constant pressure of blood(cal.g-1.deg-1):", "Cp_bldEdit",
     &TPhysiologyFrm::Cp_bldEdit, &BodyParameters::cp_bld, Unit::Plain, "Cp_bld"},
    {"Density of blood(g.cm-3):", "Density_bldEdit", &TPhysiologyFrm::Density_bldEdit,
     &BodyParameters::Density_bld, Unit::Plain, "Density_bld"},
    {"Neutral volume of blood flow of skin(L.hr-1.cm-1):", "Vbld_skneuEdit",
     &TPhysiologyFrm::Vbld_skneuEdit, &BodyParameters::Vbld_skneu, Unit::Plain, "Vbld_skneu"},
    {"Maximum volume of blood flow of skin(L.hr-1.cm-1):", "Vbld_skmaxEdit",
     &TPhysiologyFrm::Vbld_skmaxEdit, &BodyParameters::Vbld_skmax, Unit::Plain, "Vbld_skmax"},
    {"Minimum volume of blood flow of skin(L.hr-1.cm-1):", "Vbld_skminEdit",
     &TPhysiologyFrm::Vbld_skminEdit, &BodyParameters::Vbld_skmin, Unit::Plain, "Vbld_skmin"},
    {"Neutral temperature of skin(deg.):", "T_skneuEdit", &TPhysiologyFrm::T_skneuEdit,
     &BodyParameters::T_skneu, Unit::Celsius, "T_skneu"},
    {"Neutral temperature of core(deg.):", "T_crneuEdit", &TPhysiologyFrm::T_crneuEdit,
     &BodyParameters::T_crneu, Unit::Celsius, "T_crneu"},
    {"Specific heat of body mass(cal.g-1.C-1):", "Cp_bmEdit", &TPhysiologyFrm::Cp_bmEdit,
     &BodyParameters::cp_bm, Unit::Plain, "Cp_bm"},
    {"Skin temperature(deg.):", "T_skEdit", &TPhysiologyFrm::T_skEdit, &BodyParameters::T_sk,
     Unit::Celsius, "T_sk"},
    {"Core temperature(deg.):", "T_crEdit", &TPhysiologyFrm::T_crEdit, &BodyParameters::T_cr,
     Unit::Celsius, "T_cr"},
    {"Relative humidity of skin(%):", "RH_skinEdit", &TPhysiologyFrm::RH_skinEdit,
     &BodyParameters::RH_sk, Unit::Percent, "RH_skin"},
    {"Thermal conductance of body tissue(cal/s/cm/deg):", "K_bEdit", &TPhysiologyFrm::K_bEdit,
     &BodyParameters::k_b, Unit::Plain, "K_b"},
    {"Absorptivity of the skin surface to the solar radiation:", "Abs_skEdit",
     &TPhysiologyFrm::Abs_skEdit, &BodyParameters::abs_sk, Unit::Plain, "Abs_sk"},
};
constexpr int ClearedBodyRows = 14;

// The coefficient edits, indexed by slot of FiringRateCoefficients; their names, defaults and
// places come from FiringRateSlots.
QLineEdit* TPhysiologyFrm::* const SlotEdits[FiringRateSlotCount] = {
    &TPhysiologyFrm::Warm_Skin_KsText1, &TPhysiologyFrm::Warm_Skin_KsText2,
    &TPhysiologyFrm::Cold_Skin_KsText1, &TPhysiologyFrm::Cold_Skin_KsText2,
    &TPhysiologyFrm::Warm_Skin_KdText1, &TPhysiologyFrm::Warm_Skin_KdText2,
    &TPhysiologyFrm::Cold_Skin_KdText1, &TPhysiologyFrm::Cold_Skin_KdText2,
    &TPhysiologyFrm::Warm_Skin_CText1,  &TPhysiologyFrm::Warm_Skin_CText2,
    &TPhysiologyFrm::Cold_Skin_CText1,  &TPhysiologyFrm::Cold_Skin_CText2,
    &TPhysiologyFrm::Warm_Core_KsText1, &TPhysiologyFrm::Warm_Core_KsText2,
    &TPhysiologyFrm::Cold_Core_KsText1, &TPhysiologyFrm::Cold_Core_KsText2,
    &TPhysiologyFrm::Warm_Core_CText1,  &TPhysiologyFrm::Warm_Core_CText2,
    &TPhysiologyFrm::Cold_Core_CText1,  &TPhysiologyFrm::Cold_Core_CText2,
};

QString NumberText(double value) { return QString::fromStdString(FloatToStr(value)); }

QLineEdit* MakeEdit(QWidget* parent, const char* name, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

TPhysiologyFrm::TPhysiologyFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("PhysiologyFrm");
    SetCaption("Body Physiological Properties");

    auto* groups = new QHBoxLayout;
    groups->setSpacing(10);
    groups->addWidget(BuildBodyGroup());
    groups->addWidget(BuildComfortGroup());

    Button1 = MakeDialogButton(this, "Button1", "Body Database");
    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);
    buttons->insertWidget(0, Button1);
    buttons->insertSpacing(1, 16);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addLayout(groups, 1);
    main->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));
    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { ClearPhysiologyEdits(); }));
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));

    // A body model chosen in the database brings its constants.
    SetPhysiologyRecordReceiver([form = QPointer<TPhysiologyFrm>(this)](const TBodyRecordValues& v) {
        if (form)
            form->PutBodyModelValues(v.Physiology);
    });

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

QWidget* TPhysiologyFrm::BuildBodyGroup()
{
    HumanBodyGroupBox = new QGroupBox(this);
    HumanBodyGroupBox->setObjectName("HumanBodyGroupBox");
    auto* grid = new QGridLayout(HumanBodyGroupBox);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    for (const BodyRow& r : BodyRows) {
        QLineEdit* edit = MakeEdit(HumanBodyGroupBox, r.EditName, 160);
        this->*r.Edit = edit;
        auto* label = new QLabel(r.Label, HumanBodyGroupBox);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    return HumanBodyGroupBox;
}

QWidget* TPhysiologyFrm::BuildComfortGroup()
{
    GroupBox8 = new QGroupBox("Comfort Parameters", this);
    GroupBox8->setObjectName("GroupBox8");
    auto* outer = new QVBoxLayout(GroupBox8);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);

    const QStringList skinRows = {"K_static:", "K_dynamc:", "Constant"};
    const QStringList coreRows = {"K_static", "Constant"};
    TFiringRateEdits edits{};
    for (bool core : {false, true})
        outer->addWidget(BuildFiringRateSite(GroupBox8, core, core ? coreRows : skinRows,
                                             core ? coreRows : skinRows, edits));
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        this->*SlotEdits[slot] = edits[static_cast<std::size_t>(slot)];
    outer->addStretch(1);
    return GroupBox8;
}

QLineEdit* TPhysiologyFrm::SlotEdit(int slot) const { return this->*SlotEdits[slot]; }

void TPhysiologyFrm::DefaultClick() { PutDefaultValues(); }

void TPhysiologyFrm::PutDefaultValues()
{
    ShowBodyRows(DefaultPhysiology());
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        SlotEdit(slot)->setText(NumberText(FiringRateSlots[slot].Default));
}

void TPhysiologyFrm::ShowBodyRows(const BodyParameters& body)
{
    for (const BodyRow& r : BodyRows) {
        double value = body.*r.Field;
        if (r.Conversion == Unit::Celsius)
            value -= KelvinOffset;
        else if (r.Conversion == Unit::Percent)
            value *= 100.0;
        (this->*r.Edit)->setText(NumberText(value));
    }
}

void TPhysiologyFrm::PutBodyModelValues(const std::vector<std::pair<double BodyParameters::*, QString>>& values)
{
    PutDefaultValues();
    for (const auto& [field, text] : values) {
        if (text.isEmpty())
            continue;
        for (const BodyRow& r : BodyRows)
            if (r.Field == field)
                (this->*r.Edit)->setText(text);
    }
    Defined = true;
}

void TPhysiologyFrm::ClearPhysiologyEdits()
{
    for (int i = 0; i < ClearedBodyRows; ++i)
        (this->*BodyRows[i].Edit)->clear();
    for (QLineEdit* TPhysiologyFrm::*edit : SlotEdits)
        (this->*edit)->clear();
}

void TPhysiologyFrm::PutPhysiologyValue(const BodyParameters& body)
{
    ShowBodyRows(body);
    for (int slot = 0; slot < 20; ++slot)
        SlotEdit(slot)->setText(NumberText(TheCase().FiringRate[slot]));
    // A loaded case carries its own physiology: the body dialog's next OK must keep it rather
    // than fall back to the defaults.
    Defined = true;
}

bool TPhysiologyFrm::GetPhysiologyValue(BodyParameters& body, FiringRateCoefficients& firingRate)
{
    BodyParameters read = body;
    FiringRateCoefficients rates = firingRate;
    bool ok = false;
    for (const BodyRow& r : BodyRows) {
        double value = GetEditValue(this->*r.Edit, r.Name, ok);
        if (!ok)
            return false;
        if (r.Conversion == Unit::Celsius) {
            value += KelvinOffset;
        } else if (r.Conversion == Unit::Percent) {
            value *= 0.01;
            if (!(value >= 0.0 && value <= 1.0)) {
                ShowEditValueError(r.Name);
                return false;
            }
        }
        read.*r.Field = value;
    }
    for (int slot = 0; slot < 20; ++slot) {
        rates[slot] = GetEditValue(SlotEdit(slot), FiringRateSlots[slot].Name, ok);
        if (!ok)
            return false;
    }
    body = read;
    firingRate = rates;
    Defined = true;
    return true;
}

bool TPhysiologyFrm::CommitPhysiology()
{
    CaseModel& c = TheCase();
    return GetPhysiologyValue(c.Body, c.FiringRate);
}

void TPhysiologyFrm::OKBtnClick()
{
    if (CommitPhysiology() && Modal())
        SetModalResult(mrOk);
}

void TPhysiologyFrm::btnExitClick() { Close(); }

void TPhysiologyFrm::Button1Click() { BodyQueryForm->ShowModal(); }
