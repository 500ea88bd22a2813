#include "app/designatedirfrm.h"

TDesignateDirFrm* DesignateDirFrm = nullptr;

TDesignateDirFrm::TDesignateDirFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("DesignateDirFrm");
    SetCaption("Project File");
    SetClientSize(275, 345);
    SetPosition(TPosition::ScreenCenter);
}
