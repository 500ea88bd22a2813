#pragma once
#include "toolkit/forms.h"

class TPhysiologyFrm : public TForm {
    Q_OBJECT
public:
    explicit TPhysiologyFrm(QWidget* owner = nullptr);
};

extern TPhysiologyFrm* PhysiologyFrm;
