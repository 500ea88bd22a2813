#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TEnvironmentFrm : public TForm, public EnvironmentTable {
    Q_OBJECT
public:
    explicit TEnvironmentFrm(QWidget* owner = nullptr);
};

extern TEnvironmentFrm* EnvironmentFrm;
