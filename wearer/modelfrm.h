#pragma once
// Which models the case uses: human-body thermoregulation and PCM (together the model code),
// and the room and self-heating models. Once the boundary conditions exist the choice is
// locked, since the stages were built for it.
#include "toolkit/forms.h"

class QCheckBox;
class QPushButton;

class TModelFrm : public TForm {
    Q_OBJECT
public:
    explicit TModelFrm(QWidget* owner = nullptr);

    // Components.
    QCheckBox* HMTBox;
    QCheckBox* PPTRBox;
    QCheckBox* PCMBox;
    QCheckBox* RoomBox;
    QCheckBox* SelfHeatBox;
    QPushButton* OKBtn;
    QPushButton* btnExit;

    // Handlers.
    void OKBtnClick();
    void btnExitClick();

protected:
    void FormShow() override;
};

extern TModelFrm* ModelFrm;
