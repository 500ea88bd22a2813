#include "materials/bodyqueryform.h"

TBodyQueryForm* BodyQueryForm = nullptr;

TBodyQueryForm::TBodyQueryForm(QWidget* owner) : TForm(owner)
{
    setObjectName("BodyQueryForm");
    SetCaption("Human body Query");
    SetClientSize(640, 460);
    SetPosition(TPosition::MainFormCenter);
}
