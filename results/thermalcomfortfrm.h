#pragma once
// "Thermal Comfort Index": shown after a comfort evaluation, with an empty picture box and a
// "Close" button.
#include "toolkit/forms.h"

class QLabel;
class QPushButton;

class TThermalComfortFrm : public TForm {
    Q_OBJECT
public:
    explicit TThermalComfortFrm(QWidget* owner = nullptr);

    QLabel* Image1;        // the picture box, empty
    QPushButton* Button1;  // "Close"

    void Button1Click();
};

extern TThermalComfortFrm* ThermalComfortFrm;
