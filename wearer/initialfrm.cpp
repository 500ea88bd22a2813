#include "wearer/initialfrm.h"

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

TInitialFrm* InitialFrm = nullptr;

namespace {

struct InitialRow {
    const char* EditName;
    QLineEdit* TInitialFrm::*Edit;
    double Default;
    bool Humidity;  // percent, stored as a fraction; otherwise degrees C, stored in K
    int Column;     // 0 inner, 1 outer
    double InitialConditions::*Field;
    const char* Name;  // in the input message
};

// In reading order.
const InitialRow InitialRows[] = {
    {"EnTemperatureText", &TInitialFrm::EnTemperatureText, 25, false, 0, &InitialConditions::InnerTemperature,
     "Inner Environment Temperature"},
    {"EnTemperatureText2", &TInitialFrm::EnTemperatureText2, 25, false, 1, &InitialConditions::OuterTemperature,
     "Outer Environment Temperature"},
    {"EnRHText", &TInitialFrm::EnRHText, 65, true, 0, &InitialConditions::InnerRH,
     "Inner Environment Relative Humidity"},
    {"EnRHText2", &TInitialFrm::EnRHText2, 65, true, 1, &InitialConditions::OuterRH,
     "Outer Environment Relative Humidity"},
};

} // namespace

TInitialFrm::TInitialFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("InitialFrm");
    SetCaption("Initial Condition");

    auto* group = new QGroupBox("Garment", this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(10);
    grid->addWidget(new QLabel("Inner", group), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Outer", group), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Temperature (deg.):", group), 1, 0);
    grid->addWidget(new QLabel("Relative humidity (%):", group), 2, 0);
    for (const InitialRow& r : InitialRows) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(r.EditName);
        edit->setFixedWidth(90);
        SetKeyFilter(edit, r.Humidity ? DecimalKeyPress : SignedDecimalKeyPress);
        this->*r.Edit = edit;
        grid->addWidget(edit, r.Humidity ? 2 : 1, r.Column + 1);
    }

    Default = MakeDialogButton(this, "Default", "Default");
    btnClear = MakeDialogButton(this, "btnClear", "Clear");
    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    CancelBtn = MakeDialogButton(this, "CancelBtn", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Default);
    buttons->addWidget(btnClear);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addWidget(group, 1);
    main->addLayout(buttons);

    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { ClearInitialValues(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guard([this] { CancelBtnClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

void TInitialFrm::DefaultClick()
{
    for (const InitialRow& r : InitialRows)
        (this->*r.Edit)->setText(QString::fromStdString(FloatToStr(r.Default)));
}

void TInitialFrm::ClearInitialValues()
{
    for (const InitialRow& r : InitialRows)
        (this->*r.Edit)->clear();
}

bool TInitialFrm::GetValue()
{
    InitialConditions read = TheCase().Initial;
    for (const InitialRow& r : InitialRows) {
        bool ok = false;
        double value = GetEditValue(this->*r.Edit, r.Name, ok);
        if (!ok)
            return false;
        if (r.Humidity) {
            value *= 0.01;
            if (!IsFraction(value)) {
                ShowEditValueError(r.Name);
                return false;
            }
        } else {
            value += KelvinOffset;
        }
        read.*r.Field = value;
    }
    TheCase().Initial = read;
    return true;
}

void TInitialFrm::OKBtnClick()
{
    if (!GetValue())
        return;
    TheCase().InitialDefined = true;
    EndWith(mrOk);
}

void TInitialFrm::CancelBtnClick()
{
    EndWith(mrCancel);
}
