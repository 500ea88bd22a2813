#pragma once
#include "toolkit/forms.h"

class TFrmCutView : public TForm {
    Q_OBJECT
public:
    explicit TFrmCutView(QWidget* owner = nullptr);
};

extern TFrmCutView* FrmCutView;
