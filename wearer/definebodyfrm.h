#pragma once
#include "toolkit/forms.h"

class TDefineBodyFrm : public TForm {
    Q_OBJECT
public:
    explicit TDefineBodyFrm(QWidget* owner = nullptr);

    bool IsMale = true;
    bool IsFemale = false;
};

extern TDefineBodyFrm* DefineBodyFrm;
