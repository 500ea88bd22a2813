#pragma once
#include "toolkit/forms.h"

class TForm5 : public TForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget* owner = nullptr);
};

extern TForm5* Form5;
