#include "wearer/selfheatingfrm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"

TSelfHeatingFrm* SelfHeatingFrm = nullptr;

namespace {

// Where a row's edit sits in "Self-heating Properties".
enum class Place { Heating, Control, WithPcm };

struct HeatingRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TSelfHeatingFrm::*Edit;
    double Default;
    double DefaultWithoutPcm;  // while the PCM control edits are locked
    bool Signed;
    Place Group;
    double SelfHeatingParameters::*Field;
    const char* Name;  // in the input message
};

// In reading order.
const HeatingRow HeatingRows[] = {
    {"Heating load(cal.s-1.cm-3):", "txtHeatLoad", &TSelfHeatingFrm::txtHeatLoad, 0.0005, 0.0005, false,
     Place::Heating, &SelfHeatingParameters::HeatingLoad, "Heating Load"},
    {"Min:", "txtMinTemp", &TSelfHeatingFrm::txtMinTemp, 24, 24, true, Place::Control,
     &SelfHeatingParameters::MinControlTemperature, "Min Control Temperature"},
    {"Max:", "txtMaxTemp", &TSelfHeatingFrm::txtMaxTemp, 26, 26, true, Place::Control,
     &SelfHeatingParameters::MaxControlTemperature, "Max Control Temperature"},
    {"Heating load(cal.s-1.cm-3):", "txtHeatLoadPCM", &TSelfHeatingFrm::txtHeatLoadPCM, 0.1, 0, false,
     Place::WithPcm, &SelfHeatingParameters::HeatingLoadWithPCM, "Control Heating Load when with PCM"},
    {"Control temp(deg):", "txtControlTempPCM", &TSelfHeatingFrm::txtControlTempPCM, 30, 0, true,
     Place::WithPcm, &SelfHeatingParameters::ControlTemperatureWithPCM, "Control Temperature when with PCM"},
    {"Control time coef:", "txtTimeCoef", &TSelfHeatingFrm::txtTimeCoef, 100, 0, false, Place::WithPcm,
     &SelfHeatingParameters::ControlTimeCoefficient, "Control Time Coefficient"},
};

QFormLayout* MakeForm(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(10, 8, 10, 10);
    form->setLabelAlignment(Qt::AlignLeft);
    return form;
}

QString NumberText(double value) { return QString::fromStdString(FloatToStr(value)); }

} // namespace

TSelfHeatingFrm::TSelfHeatingFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SelfHeatingFrm");
    SetCaption("Self Heating");

    auto* group = new QGroupBox("Self-heating Properties", this);
    QFormLayout* heatingForm = MakeForm(group);
    auto* control = new QGroupBox("Control Temperature(deg)", group);
    QFormLayout* controlForm = MakeForm(control);
    auto* pcm = new QGroupBox("with PCM", group);
    QFormLayout* pcmForm = MakeForm(pcm);
    for (const HeatingRow& r : HeatingRows) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(r.EditName);
        edit->setFixedWidth(120);
        SetKeyFilter(edit, r.Signed ? SignedDecimalKeyPress : DecimalKeyPress);
        this->*r.Edit = edit;
        QFormLayout* form =
            r.Group == Place::Heating ? heatingForm : (r.Group == Place::Control ? controlForm : pcmForm);
        form->addRow(r.Label, edit);
    }
    heatingForm->addRow(control);
    heatingForm->addRow(pcm);

    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addWidget(group, 1);
    main->addLayout(buttons);

    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { ClearSelfHeatingFields(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

void TSelfHeatingFrm::FormShow()
{
    const bool withPcm = TheCase().ModelCode == 2 || TheCase().ModelCode == 3;
    for (QLineEdit* edit : {txtControlTempPCM, txtTimeCoef}) {
        edit->setEnabled(withPcm);
        if (!withPcm)
            edit->setText("0");
    }
}

void TSelfHeatingFrm::DefaultClick()
{
    const bool withPcm = txtControlTempPCM->isEnabled();
    for (const HeatingRow& r : HeatingRows)
        (this->*r.Edit)->setText(NumberText(withPcm ? r.Default : r.DefaultWithoutPcm));
}

void TSelfHeatingFrm::ClearSelfHeatingFields()
{
    const bool withPcm = txtControlTempPCM->isEnabled();
    for (const HeatingRow& r : HeatingRows)
        if (withPcm || r.Group != Place::WithPcm)
            (this->*r.Edit)->clear();
}

bool TSelfHeatingFrm::GetSelfHeatingValue(SelfHeatingParameters& heating)
{
    return ReadNamedRows(*this, heating, HeatingRows);
}

void TSelfHeatingFrm::OKBtnClick()
{
    if (!GetSelfHeatingValue(TheCase().SelfHeating)) {
        AppMessageBox("No Self-heating information is defined!", "Information", MB_OK);
        return;
    }
    TheCase().SelfHeatingDefined = true;
    EndWith(mrOk);
}

void TSelfHeatingFrm::btnExitClick() { Close(); }
