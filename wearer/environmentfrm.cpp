#include "wearer/environmentfrm.h"

TEnvironmentFrm* EnvironmentFrm = nullptr;

TEnvironmentFrm::TEnvironmentFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("EnvironmentFrm");
    SetCaption("Environment");
    SetClientSize(560, 420);
    SetPosition(TPosition::MainFormCenter);
}

void TEnvironmentFrm::LoadEnvironmentGrids(int, const double*, const double*, const double*) {}
