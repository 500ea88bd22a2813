#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TActivityFrm : public TForm, public ActivitySchedule {
    Q_OBJECT
public:
    explicit TActivityFrm(QWidget* owner = nullptr);
};

extern TActivityFrm* ActivityFrm;
