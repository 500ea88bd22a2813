#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TFabricLayerFrm : public TForm, public LayerRows {
    Q_OBJECT
public:
    explicit TFabricLayerFrm(QWidget* owner = nullptr);
};

extern TFabricLayerFrm* FabricLayerFrm;
