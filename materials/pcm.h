#pragma once
// The phase-change material of the case; fabrics with PCM take a copy of it. Opened from the
// fabric dialog, to which it always returns.
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TPCM : public TForm {
    Q_OBJECT
public:
    explicit TPCM(QWidget* owner = nullptr);

    // Shows a PCM record's seven values.
    void PutPCMValue(const PCMType& pcm);
    // Reads the seven edits in order, stopping at the first that is empty or not a number (its
    // message shown, the focus on it). The record takes the values only when all were read; a
    // failed read leaves it as it was.
    bool GetPCMValue(PCMType& pcm);

    void OKBtnClick();
    void btnExitClick();
    void DefaultClick();
    void btnClearClick();
    void ClearPCMFields();
    void btnQueryClick() {}
    void btnSaveintoDBClick() {}

    QGroupBox* GroupBox1;
    QLineEdit* txtRadius_m;
    QLineEdit* txtRou_m;
    QLineEdit* txtRamda_m;
    QLineEdit* txtT_p;
    QLineEdit* txtK_ml;
    QLineEdit* txtK_ms;
    QLineEdit* txth_T;
    QGroupBox* GroupBox2;  // "PCMs in DB": no data source, stays empty
    QTableWidget* DBGrid1;
    QPushButton* btnQuery;
    QPushButton* btnSaveintoDB;
    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;

    // Escape and the title bar's close act as Cancel, so the fabric dialog comes back.
    void reject() override;
};

extern TPCM* PCM;
