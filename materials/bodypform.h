#pragma once
#include "toolkit/forms.h"

class TBodyPForm : public TForm {
    Q_OBJECT
public:
    explicit TBodyPForm(QWidget* owner = nullptr);
};

extern TBodyPForm* BodyPForm;
