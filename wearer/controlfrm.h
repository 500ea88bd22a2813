#pragma once
#include "toolkit/forms.h"

class TControlFrm : public TForm {
    Q_OBJECT
public:
    explicit TControlFrm(QWidget* owner = nullptr);

    // One column per stage.
    void BuildControlRows();
    // Fills the edits from the case's control values.
    void PutControlValue();
};

extern TControlFrm* ControlFrm;
