#pragma once
#include "toolkit/forms.h"

class TBodyQueryForm : public TForm {
    Q_OBJECT
public:
    explicit TBodyQueryForm(QWidget* owner = nullptr);
};

extern TBodyQueryForm* BodyQueryForm;
