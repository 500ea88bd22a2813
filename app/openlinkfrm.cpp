#include "app/openlinkfrm.h"

TOpenLinkFrm* OpenLinkFrm = nullptr;

TOpenLinkFrm::TOpenLinkFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("OpenLinkFrm");
    SetCaption("OpenLinkFrm");
    SetClientSize(454, 179);
    SetPosition(TPosition::ScreenCenter);
}
