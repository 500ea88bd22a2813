#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TActivityFrm : public TForm, public ActivitySchedule {
    Q_OBJECT
public:
    explicit TActivityFrm(QWidget* owner = nullptr);

    // Rebuilds the visible schedule after the loader wrote the arrays.
    void LoadActivitySchedule(int n, const double* durations, const int* activityIndices);
};

extern TActivityFrm* ActivityFrm;
