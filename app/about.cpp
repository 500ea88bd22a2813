#include "app/about.h"

TAbout* About = nullptr;

TAbout::TAbout(QWidget* owner) : TForm(owner)
{
    setObjectName("About");
    SetCaption("About Quillon");
    SetClientSize(596, 353);
    SetPosition(TPosition::ScreenCenter);
}
