#pragma once
// "More": sports and works that the activity dialog's schedule can take besides its everyday
// activities. Ok appends the chosen one to that dialog's list.
#include "toolkit/forms.h"

class QLabel;
class QPushButton;
class TRadioGroup;
class TRateSpinEdit;

class TSportsFrm : public TForm {
    Q_OBJECT
public:
    explicit TSportsFrm(QWidget* owner = nullptr);

    TRadioGroup* SportsRadioGroup;
    TRadioGroup* WorksRadioGroup;
    QLabel* Label1;  // Metobolic Rate:
    TRateSpinEdit* CSpinEdit1;
    QLabel* Label2;  // (W/m^2)
    QPushButton* Button1;  // Ok

    void SportsRadioGroupClick();
    void WorksRadioGroupClick();
    void Button1Click();
};

extern TSportsFrm* SportsFrm;
