#pragma once
#include "toolkit/forms.h"

class TFiberPForm : public TForm {
    Q_OBJECT
public:
    explicit TFiberPForm(QWidget* owner = nullptr);
};

extern TFiberPForm* FiberPForm;
