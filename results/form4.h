#pragma once
#include "toolkit/forms.h"

class TForm4 : public TForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner = nullptr);
};

extern TForm4* Form4;
