#pragma once
#include "toolkit/forms.h"

class TLayNumberFrm : public TForm {
    Q_OBJECT
public:
    explicit TLayNumberFrm(QWidget* owner = nullptr);
};

extern TLayNumberFrm* LayNumberFrm;
