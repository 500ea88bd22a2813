#pragma once
// "More": sports and works that the activity dialog's schedule can take besides its everyday
// activities. Ok hands the chosen one to a receiver, which the activity dialog registers.
#include <QString>
#include <functional>

#include "toolkit/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;
class TRateSpinEdit;

// What Ok hands on: the activity's name, its rate edit (the receiver reads it under its own
// checks and messages) and its index in the activity table. False: the receiver refused the
// choice, and the picker stays open with the choice as it was.
using TActivityChoiceReceiver = std::function<bool(const QString& name, QLineEdit* rateEdit, int activityIndex)>;

// Registers the receiver (an empty function unregisters); returns the one replaced. Without a
// receiver a choice goes nowhere.
TActivityChoiceReceiver SetActivityChoiceReceiver(TActivityChoiceReceiver receiver);

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
