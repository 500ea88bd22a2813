#pragma once
#include "toolkit/forms.h"
#include "casemodel/dialogstate.h"

class TFabricLayerFrm : public TForm, public LayerRows {
    Q_OBJECT
public:
    explicit TFabricLayerFrm(QWidget* owner = nullptr);

    // The loaded view of the layer rows.
    void BuildLayerGrid();
};

extern TFabricLayerFrm* FabricLayerFrm;
