#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TGarmentForm : public TForm, public GarmentSet {
    Q_OBJECT
public:
    explicit TGarmentForm(QWidget* owner = nullptr);

    // Rebuilds the garment list from n garments with their styles and fitting codes.
    void LoadGarmentList(int n, const int* styles, const int* fittings);
};

extern TGarmentForm* GarmentForm;
