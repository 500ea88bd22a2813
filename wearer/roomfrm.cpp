#include "wearer/roomfrm.h"

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

TRoomFrm* RoomFrm = nullptr;

namespace {

// Where a row's edit sits: directly in "Room Properties" or in one of its two sub-groups.
enum class Place { Room, Control, Air };

struct RoomRow {
    const char* Label;
    const char* EditName;
    QLineEdit* TRoomFrm::*Edit;
    double Default;
    bool Signed;
    Place Group;
    double RoomParameters::*Field;
    const char* Name;  // in the input message
};

// In reading order.
const RoomRow RoomRows[] = {
    {"Volume(cm3):", "txtVolume", &TRoomFrm::txtVolume, 4.8e7, false, Place::Room,
     &RoomParameters::Volume, "Volume"},
    {"Surface area(cm2):", "txtSurfaceArea", &TRoomFrm::txtSurfaceArea, 480000, false, Place::Room,
     &RoomParameters::SurfaceArea, "Surface Area"},
    {"Cooling load(cal):", "txtCoolingLoad", &TRoomFrm::txtCoolingLoad, 3000, false, Place::Room,
     &RoomParameters::CoolingLoad, "Cooling Load"},
    {"Min:", "txtMinTemp", &TRoomFrm::txtMinTemp, 24, true, Place::Control,
     &RoomParameters::MinControlTemperature, "Min Control Temperature"},
    {"Max:", "txtMaxTemp", &TRoomFrm::txtMaxTemp, 27, true, Place::Control,
     &RoomParameters::MaxControlTemperature, "Max Control Temperature"},
    {"Density(g.cm-3):", "txtDensity", &TRoomFrm::txtDensity, 0.001185, false, Place::Air,
     &RoomParameters::AirDensity, "Air Density"},
    {"Specific heat(cal.g-1.k-1):", "txtSpecHeat", &TRoomFrm::txtSpecHeat, 0.240195, false, Place::Air,
     &RoomParameters::AirSpecificHeat, "Air Specific Heat"},
};

QFormLayout* MakeForm(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(10, 8, 10, 10);
    form->setLabelAlignment(Qt::AlignLeft);
    return form;
}

} // namespace

TRoomFrm::TRoomFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("RoomFrm");
    SetCaption("Define Room");

    auto* group = new QGroupBox("Room Properties", this);
    QFormLayout* roomForm = MakeForm(group);
    auto* control = new QGroupBox("Control Temperature(deg)", group);
    QFormLayout* controlForm = MakeForm(control);
    auto* air = new QGroupBox("Air", group);
    QFormLayout* airForm = MakeForm(air);
    for (const RoomRow& r : RoomRows) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(r.EditName);
        edit->setFixedWidth(120);
        SetKeyFilter(edit, r.Signed ? SignedDecimalKeyPress : DecimalKeyPress);
        this->*r.Edit = edit;
        QFormLayout* form = r.Group == Place::Room ? roomForm : (r.Group == Place::Control ? controlForm : airForm);
        form->addRow(r.Label, edit);
    }
    roomForm->addRow(control);
    roomForm->addRow(air);

    auto* buttons = MakeEditButtons(this, Default, btnClear, OKBtn, btnExit);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addWidget(group, 1);
    main->addLayout(buttons);

    connect(Default, &QPushButton::clicked, this, Guard([this] { DefaultClick(); }));
    connect(btnClear, &QPushButton::clicked, this, Guard([this] { ClearRoomFields(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    SetClientSize(sizeHint().width(), sizeHint().height());
    SetPosition(TPosition::MainFormCenter);
}

void TRoomFrm::DefaultClick()
{
    for (const RoomRow& r : RoomRows)
        (this->*r.Edit)->setText(QString::fromStdString(FloatToStr(r.Default)));
}

void TRoomFrm::ClearRoomFields()
{
    for (const RoomRow& r : RoomRows)
        (this->*r.Edit)->clear();
}

bool TRoomFrm::GetRoomValue(RoomParameters& room)
{
    return ReadNamedRows(*this, room, RoomRows);
}

void TRoomFrm::OKBtnClick()
{
    if (!GetRoomValue(TheCase().Room)) {
        AppMessageBox("No room is defined!", "Information", MB_OK);
        return;
    }
    TheCase().RoomDefined = true;
    EndWith(mrOk);
}

void TRoomFrm::btnExitClick() { Close(); }
