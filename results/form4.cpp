#include "results/form4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* owner) : TForm(owner)
{
    setObjectName("Form4");
    SetCaption("dir");
    SetClientSize(381, 296);
    SetPosition(TPosition::ScreenCenter);
}
