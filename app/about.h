#pragma once
#include "toolkit/forms.h"

class TAbout : public TForm {
    Q_OBJECT
public:
    explicit TAbout(QWidget* owner = nullptr);
};

extern TAbout* About;
