#include "wearer/controlfrm.h"

TControlFrm* ControlFrm = nullptr;

TControlFrm::TControlFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ControlFrm");
    SetCaption("Control Information");
    SetClientSize(600, 400);
    SetPosition(TPosition::MainFormCenter);
}

void TControlFrm::BuildControlRows() {}

void TControlFrm::PutControlValue() {}
