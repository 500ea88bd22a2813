#include "wearer/physiologyfrm.h"

TPhysiologyFrm* PhysiologyFrm = nullptr;

TPhysiologyFrm::TPhysiologyFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("PhysiologyFrm");
    SetCaption("Body Physiological Properties");
    SetClientSize(760, 560);
    SetPosition(TPosition::MainFormCenter);
}

void TPhysiologyFrm::PutPhysiologyValue(const BodyParameters&) {}
