#include "app/loaddirfrm.h"

#include <QLabel>

TLoadDirFrm* LoadDirFrm = nullptr;

TLoadDirFrm::TLoadDirFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("LoadDirFrm");
    SetCaption("LoadDirFrm");
    SetClientSize(415, 108);
    SetSizeable(true);
    SetStayOnTop(true);
    SetPosition(TPosition::Designed);

    LoadDirLabel = new QLabel("LoadDirLabel", this);
    LoadDirLabel->setObjectName("LoadDirLabel");
    LoadDirLabel->setGeometry(24, 40, 367, 20);
}
