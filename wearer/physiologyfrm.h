#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"

class TPhysiologyFrm : public TForm {
    Q_OBJECT
public:
    explicit TPhysiologyFrm(QWidget* owner = nullptr);

    // Shows the 19 body values of the block and the case's 20 firing-rate coefficients.
    void PutPhysiologyValue(const BodyParameters& body);
};

extern TPhysiologyFrm* PhysiologyFrm;
