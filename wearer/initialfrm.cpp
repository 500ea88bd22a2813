#include "wearer/initialfrm.h"

TInitialFrm* InitialFrm = nullptr;

TInitialFrm::TInitialFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("InitialFrm");
    SetCaption("Initial Condition");
    SetClientSize(360, 220);
    SetPosition(TPosition::MainFormCenter);
}
