#include "results/form2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* owner) : TForm(owner)
{
    setObjectName("Form2");
    SetCaption("ColorSelection");
    SetClientSize(300, 240);
    SetPosition(TPosition::ScreenCenter);
}
