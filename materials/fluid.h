#pragma once
#include "toolkit/forms.h"

class TFluid : public TForm {
    Q_OBJECT
public:
    explicit TFluid(QWidget* owner = nullptr);
};

extern TFluid* Fluid;
