#include "materials/fiberpform.h"

TFiberPForm* FiberPForm = nullptr;

TFiberPForm::TFiberPForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FiberPForm");
    SetCaption("Fiber");
    SetClientSize(480, 420);
    SetPosition(TPosition::MainFormCenter);
}
