#pragma once
// The initial temperature and relative humidity inside and outside the garment.
#include "toolkit/forms.h"

class QLineEdit;
class QPushButton;

class TInitialFrm : public TForm {
    Q_OBJECT
public:
    explicit TInitialFrm(QWidget* owner = nullptr);

    // Reads the four edits into the case (temperatures in K, humidities as fractions) only when
    // all are numbers and both humidities lie within 0 to 100 %; the first failing edit is named
    // in a message and nothing is stored.
    bool GetValue();
    void DefaultClick();
    void ClearInitialValues();
    void OKBtnClick();
    void CancelBtnClick();

    QLineEdit* EnTemperatureText;
    QLineEdit* EnTemperatureText2;
    QLineEdit* EnRHText;
    QLineEdit* EnRHText2;

    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

extern TInitialFrm* InitialFrm;
