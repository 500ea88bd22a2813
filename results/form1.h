#pragma once
#include "toolkit/forms.h"

class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
};

extern TForm1* Form1;
