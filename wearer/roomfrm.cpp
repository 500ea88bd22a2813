#include "wearer/roomfrm.h"

TRoomFrm* RoomFrm = nullptr;

TRoomFrm::TRoomFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("RoomFrm");
    SetCaption("Define Room");
    SetClientSize(380, 300);
    SetPosition(TPosition::MainFormCenter);
}
