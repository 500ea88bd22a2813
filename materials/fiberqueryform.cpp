#include "materials/fiberqueryform.h"

TFiberQueryForm* FiberQueryForm = nullptr;

TFiberQueryForm::TFiberQueryForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FiberQueryForm");
    SetCaption("Fiber Query");
    SetClientSize(640, 460);
    SetPosition(TPosition::MainFormCenter);
}
