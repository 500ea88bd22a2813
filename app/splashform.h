#pragma once
#include "toolkit/forms.h"

class TSplashForm : public TForm {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* owner = nullptr);
};

extern TSplashForm* SplashForm;
