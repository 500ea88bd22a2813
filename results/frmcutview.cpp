#include "results/frmcutview.h"

TFrmCutView* FrmCutView = nullptr;

TFrmCutView::TFrmCutView(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmCutView");
    SetCaption("Cross Section");
    SetClientSize(440, 470);
    SetPosition(TPosition::Designed);
}
