#include "app/splashform.h"

#include <QLabel>
#include <QPixmap>

#include "toolkit/application.h"

TSplashForm* SplashForm = nullptr;

TSplashForm::TSplashForm(QWidget* owner) : TForm(owner)
{
    setObjectName("SplashForm");
    SetCaption("");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SetClientSize(559, 353);
    SetPosition(TPosition::ScreenCenter);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 559, 353);
    Image1->setScaledContents(true);
    // A missing picture leaves the window blank rather than stopping the start.
    Image1->setPixmap(QPixmap(AssetPath("Icon/form/splash.bmp")));
}
