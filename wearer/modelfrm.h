#pragma once
#include "toolkit/forms.h"

class TModelFrm : public TForm {
    Q_OBJECT
public:
    explicit TModelFrm(QWidget* owner = nullptr);
};

extern TModelFrm* ModelFrm;
