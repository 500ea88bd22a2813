#include "wearer/form5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* owner) : TForm(owner)
{
    setObjectName("Form5");
    SetCaption("Form5");
    SetClientSize(760, 560);
    SetPosition(TPosition::MainFormCenter);
}
