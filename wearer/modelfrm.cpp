#include "wearer/modelfrm.h"

TModelFrm* ModelFrm = nullptr;

TModelFrm::TModelFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("ModelFrm");
    SetCaption("Define Models");
    SetClientSize(360, 260);
    SetPosition(TPosition::MainFormCenter);
}
