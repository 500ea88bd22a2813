#pragma once
#include "toolkit/forms.h"

class TFrmMain : public TForm {
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* owner = nullptr);
};

extern TFrmMain* FrmMain;
