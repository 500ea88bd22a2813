#pragma once
#include "toolkit/forms.h"

class TInitialFrm : public TForm {
    Q_OBJECT
public:
    explicit TInitialFrm(QWidget* owner = nullptr);
};

extern TInitialFrm* InitialFrm;
