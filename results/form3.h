#pragma once
#include "toolkit/forms.h"

class TForm3 : public TForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);
};

extern TForm3* Form3;
