#include "materials/laynumberfrm.h"

TLayNumberFrm* LayNumberFrm = nullptr;

TLayNumberFrm::TLayNumberFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("LayNumberFrm");
    SetCaption("LayNumberFrm");
    SetClientSize(300, 140);
    SetPosition(TPosition::Designed);
}
