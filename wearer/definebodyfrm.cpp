#include "wearer/definebodyfrm.h"

TDefineBodyFrm* DefineBodyFrm = nullptr;

TDefineBodyFrm::TDefineBodyFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("DefineBodyFrm");
    SetCaption("Define Human Body");
    SetClientSize(520, 400);
    SetPosition(TPosition::MainFormCenter);
}

void TDefineBodyFrm::PutBodyValue(const BodyParameters&) {}
