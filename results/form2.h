#pragma once
#include "toolkit/forms.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);
};

extern TForm2* Form2;
