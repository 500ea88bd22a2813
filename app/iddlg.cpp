#include "app/iddlg.h"

TIDDlg* IDDlg = nullptr;

TIDDlg::TIDDlg(QWidget* owner) : TForm(owner)
{
    setObjectName("IDDlg");
    SetCaption("ID Input");
    SetClientSize(199, 135);
    SetPosition(TPosition::ScreenCenter);
}
