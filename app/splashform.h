#pragma once
#include "toolkit/forms.h"

class QLabel;

// Borderless picture of the application, kept above other windows.
class TSplashForm : public TForm {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* owner = nullptr);

    QLabel* Image1;
};

extern TSplashForm* SplashForm;
