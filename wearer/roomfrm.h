#pragma once
#include "toolkit/forms.h"

class TRoomFrm : public TForm {
    Q_OBJECT
public:
    explicit TRoomFrm(QWidget* owner = nullptr);
};

extern TRoomFrm* RoomFrm;
