#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TGarmentForm : public TForm, public GarmentSet {
    Q_OBJECT
public:
    explicit TGarmentForm(QWidget* owner = nullptr);
};

extern TGarmentForm* GarmentForm;
