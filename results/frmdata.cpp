#include "results/frmdata.h"

TFrmData* FrmData = nullptr;

TFrmData::TFrmData(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmData");
    SetCaption("Data Settings");
    SetClientSize(420, 360);
    SetPosition(TPosition::ScreenCenter);
}
