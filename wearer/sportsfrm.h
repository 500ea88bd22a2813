#pragma once
#include "toolkit/forms.h"

class TSportsFrm : public TForm {
    Q_OBJECT
public:
    explicit TSportsFrm(QWidget* owner = nullptr);
};

extern TSportsFrm* SportsFrm;
