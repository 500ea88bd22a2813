#include "wearer/selfheatingfrm.h"

TSelfHeatingFrm* SelfHeatingFrm = nullptr;

TSelfHeatingFrm::TSelfHeatingFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SelfHeatingFrm");
    SetCaption("Self Heating");
    SetClientSize(380, 280);
    SetPosition(TPosition::MainFormCenter);
}
