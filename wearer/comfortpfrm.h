#pragma once
#include "toolkit/forms.h"

class TComfortPFrm : public TForm {
    Q_OBJECT
public:
    explicit TComfortPFrm(QWidget* owner = nullptr);
};

extern TComfortPFrm* ComfortPFrm;
