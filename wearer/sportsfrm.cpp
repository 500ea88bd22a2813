#include "wearer/sportsfrm.h"

TSportsFrm* SportsFrm = nullptr;

TSportsFrm::TSportsFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("SportsFrm");
    SetCaption("More");
    SetClientSize(420, 360);
    SetPosition(TPosition::MainFormCenter);
}
