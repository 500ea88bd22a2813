#include "materials/fabriclayerfrm.h"

TFabricLayerFrm* FabricLayerFrm = nullptr;

TFabricLayerFrm::TFabricLayerFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricLayerFrm");
    SetCaption("Garment Design");
    SetClientSize(305, 350);
    SetPosition(TPosition::MainFormCenter);
}

void TFabricLayerFrm::BuildLayerGrid() {}
