#include "wearer/activityfrm.h"

TActivityFrm* ActivityFrm = nullptr;

TActivityFrm::TActivityFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ActivityFrm");
    SetCaption("What to do?");
    SetClientSize(560, 420);
    SetPosition(TPosition::MainFormCenter);
}

void TActivityFrm::LoadActivitySchedule(int, const double*, const int*) {}
