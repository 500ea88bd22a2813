#pragma once
#include "toolkit/forms.h"

class TFiberQueryForm : public TForm {
    Q_OBJECT
public:
    explicit TFiberQueryForm(QWidget* owner = nullptr);
};

extern TFiberQueryForm* FiberQueryForm;
