#include "app/splashform.h"

TSplashForm* SplashForm = nullptr;

TSplashForm::TSplashForm(QWidget* owner) : TForm(owner)
{
    setObjectName("SplashForm");
    SetCaption("");
    SetClientSize(559, 353);
    SetPosition(TPosition::ScreenCenter);
}
