#include "app/namedlg.h"

TNameDlg* NameDlg = nullptr;

TNameDlg::TNameDlg(QWidget* owner) : TForm(owner)
{
    setObjectName("NameDlg");
    SetCaption("Dialog");
    SetClientSize(228, 138);
    SetPosition(TPosition::ScreenCenter);
}
