#pragma once
#include "toolkit/forms.h"

class TFabricLayerFrm : public TForm {
    Q_OBJECT
public:
    explicit TFabricLayerFrm(QWidget* owner = nullptr);

    // The loaded view of the case's layer rows.
    void BuildLayerGrid();
};

extern TFabricLayerFrm* FabricLayerFrm;
