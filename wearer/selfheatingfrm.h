#pragma once
#include "toolkit/forms.h"

class TSelfHeatingFrm : public TForm {
    Q_OBJECT
public:
    explicit TSelfHeatingFrm(QWidget* owner = nullptr);
};

extern TSelfHeatingFrm* SelfHeatingFrm;
