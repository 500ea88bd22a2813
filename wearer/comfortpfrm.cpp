#include "wearer/comfortpfrm.h"

TComfortPFrm* ComfortPFrm = nullptr;

TComfortPFrm::TComfortPFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ComfortPFrm");
    SetCaption("Comfort Parameters");
    SetClientSize(600, 420);
    SetPosition(TPosition::MainFormCenter);
}
