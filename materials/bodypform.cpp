#include "materials/bodypform.h"

TBodyPForm* BodyPForm = nullptr;

TBodyPForm::TBodyPForm(QWidget* owner) : TForm(owner)
{
    setObjectName("BodyPForm");
    SetCaption("HumanModel");
    SetClientSize(480, 420);
    SetPosition(TPosition::MainFormCenter);
}
