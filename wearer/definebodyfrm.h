#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"

class TDefineBodyFrm : public TForm {
    Q_OBJECT
public:
    explicit TDefineBodyFrm(QWidget* owner = nullptr);

    // Fills the dialog from a loaded body block (and the physiology dialog with it).
    void PutBodyValue(const BodyParameters& body);

    bool IsMale = true;
    bool IsFemale = false;
};

extern TDefineBodyFrm* DefineBodyFrm;
