#pragma once
#include "toolkit/forms.h"

class TThermalComfortFrm : public TForm {
    Q_OBJECT
public:
    explicit TThermalComfortFrm(QWidget* owner = nullptr);
};

extern TThermalComfortFrm* ThermalComfortFrm;
