#include "app/iddlg.h"

TIDDlg* IDDlg = nullptr;

TIDDlg::TIDDlg(QWidget* owner) : TPromptDlg(owner, "Please input ID: ", 199, 135)
{
    setObjectName("IDDlg");
    SetCaption("ID Input");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);  // no border icons
    SetPosition(TPosition::ScreenCenter);
}
