#include "results/frmmain.h"

TFrmMain* FrmMain = nullptr;

TFrmMain::TFrmMain(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmMain");
    SetCaption("Clothing Thermal Status Visualization");
    SetClientSize(1024, 751);
    SetPosition(TPosition::Designed);
}
