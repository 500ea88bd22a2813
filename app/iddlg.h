#pragma once
#include "toolkit/forms.h"

class TIDDlg : public TForm {
    Q_OBJECT
public:
    explicit TIDDlg(QWidget* owner = nullptr);
};

extern TIDDlg* IDDlg;
