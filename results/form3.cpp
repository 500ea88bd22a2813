#include "results/form3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* owner) : TForm(owner)
{
    setObjectName("Form3");
    SetCaption("2D Image");
    SetClientSize(500, 450);
    SetPosition(TPosition::ScreenCenter);
}
