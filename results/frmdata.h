#pragma once
#include "toolkit/forms.h"

class TFrmData : public TForm {
    Q_OBJECT
public:
    explicit TFrmData(QWidget* owner = nullptr);
};

extern TFrmData* FrmData;
