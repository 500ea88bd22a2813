#include "app/loaddirfrm.h"

TLoadDirFrm* LoadDirFrm = nullptr;

TLoadDirFrm::TLoadDirFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("LoadDirFrm");
    SetCaption("LoadDirFrm");
    SetClientSize(415, 108);
    SetPosition(TPosition::Designed);
}
