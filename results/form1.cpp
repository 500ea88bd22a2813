#include "results/form1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner) : TForm(owner)
{
    setObjectName("Form1");
    SetCaption("MainWindow");
    SetClientSize(856, 650);
    SetPosition(TPosition::ScreenCenter);
}
