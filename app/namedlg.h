#pragma once
#include "toolkit/forms.h"

class TNameDlg : public TForm {
    Q_OBJECT
public:
    explicit TNameDlg(QWidget* owner = nullptr);
};

extern TNameDlg* NameDlg;
