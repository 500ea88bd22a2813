#pragma once
// The room around the wearer: its size, cooling load, control temperatures and air.
#include "casemodel/records.h"
#include "toolkit/forms.h"

class QLineEdit;
class QPushButton;

class TRoomFrm : public TForm {
    Q_OBJECT
public:
    explicit TRoomFrm(QWidget* owner = nullptr);

    // Reads the seven edits in order into the record only when all are numbers. The first empty
    // or non-numeric edit takes the focus and is named in a message; the record is left as it was.
    bool GetRoomValue(RoomParameters& room);
    void DefaultClick();
    void ClearRoomFields();
    void OKBtnClick();
    void btnExitClick();

    QLineEdit* txtVolume;
    QLineEdit* txtSurfaceArea;
    QLineEdit* txtCoolingLoad;
    QLineEdit* txtMinTemp;
    QLineEdit* txtMaxTemp;
    QLineEdit* txtDensity;
    QLineEdit* txtSpecHeat;

    QPushButton* Default;
    QPushButton* btnClear;
    QPushButton* OKBtn;
    QPushButton* btnExit;
};

extern TRoomFrm* RoomFrm;
