#include "wearer/modelfrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogbase/commonfuc.h"
#include "dialogbase/workflow.h"
#include "toolkit/application.h"

TModelFrm* ModelFrm = nullptr;

namespace {

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    parent->layout()->addWidget(box);
    return box;
}

} // namespace

TModelFrm::TModelFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ModelFrm");
    SetCaption("Define Models");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* models = new QGroupBox("Models", this);
    auto* column = new QVBoxLayout(models);
    column->setSpacing(8);
    // Heat and moisture transfer is always part of a case.
    HMTBox = MakeBox(models, "HMTBox", "Heat and moisture transfer  ");
    HMTBox->setChecked(true);
    HMTBox->setEnabled(false);
    PPTRBox = MakeBox(models, "PPTRBox", "Human body thermoregulation");
    PCMBox = MakeBox(models, "PCMBox", "PCM");
    RoomBox = MakeBox(models, "RoomBox", "Room");
    SelfHeatBox = MakeBox(models, "SelfHeatBox", "Self-heating");

    OKBtn = MakeDialogButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    btnExit = MakeDialogButton(this, "btnExit", "Cancel");
    auto* buttons = MakeButtonRow({}, {OKBtn, btnExit});

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addWidget(models);
    main->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(std::max(300, sizeHint().width()), sizeHint().height());
    SetPosition(TPosition::ScreenCenter);
}

void TModelFrm::FormShow()
{
    // The boxes show the case's choice, so OK without a change keeps it.
    const CaseModel& c = TheCase();
    PPTRBox->setChecked(c.BodyModelOn());
    PCMBox->setChecked(c.PCMModelOn());
    RoomBox->setChecked(c.RoomModel);
    SelfHeatBox->setChecked(c.SelfHeatingModel);
    for (QCheckBox* box : {PPTRBox, PCMBox, RoomBox, SelfHeatBox})
        box->setEnabled(!c.BoundaryDefined);
}

void TModelFrm::OKBtnClick()
{
    CaseModel& c = TheCase();
    const bool body = PPTRBox->isChecked();
    const bool pcm = PCMBox->isChecked();
    c.ModelCode = body && pcm ? ModelBodyAndPCM : body ? ModelBody : pcm ? ModelPCM : ModelNone;
    c.RoomModel = RoomBox->isChecked();
    c.SelfHeatingModel = SelfHeatBox->isChecked();
    ReportDefinitionChanged(false);
    EndWith(mrOk);
}

void TModelFrm::btnExitClick()
{
    EndWith(mrCancel);
}
