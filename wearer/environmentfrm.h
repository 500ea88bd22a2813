#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TEnvironmentFrm : public TForm, public EnvironmentTable {
    Q_OBJECT
public:
    explicit TEnvironmentFrm(QWidget* owner = nullptr);

    // Fills the grids from loaded arrays; clears the schedule's change mark.
    void LoadEnvironmentGrids(int n, const double* temperature, const double* rh, const double* wind);
};

extern TEnvironmentFrm* EnvironmentFrm;
