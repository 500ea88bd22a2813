#pragma once
// The heated garment's control: heating loads and control temperatures, with and without PCM.
#include "casemodel/records.h"
#include "toolkit/forms.h"

class QLineEdit;
class QPushButton;

class TSelfHeatingFrm : public TForm {
    Q_OBJECT
public:
    explicit TSelfHeatingFrm(QWidget* owner = nullptr);

    // Reads the six edits in order into the record only when all are numbers. The first empty or
    // non-numeric edit takes the focus and is named in a message; the record is left as it was.
    bool GetSelfHeatingValue(SelfHeatingParameters& heating);
    // The PCM control values have defaults only while the case has a PCM model; otherwise 0.
    void DefaultClick();
    // Empties the edits; the PCM control values only while they can be edited.
    void ClearSelfHeatingFields();
    void OKBtnClick();
    void btnExitClick();

    QLineEdit* txtHeatLoad;
    QLineEdit* txtMinTemp;
    QLineEdit* txtMaxTemp;
    QLineEdit* txtHeatLoadPCM;
    QLineEdit* txtControlTempPCM;
    QLineEdit* txtTimeCoef;

    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;

protected:
    // Without a PCM model the PCM control temperature and time coefficient are 0 and locked.
    void FormShow() override;
};

extern TSelfHeatingFrm* SelfHeatingFrm;
