#include "materials/fabriclayerfrm.h"

#include "app/furfea.h"
#include "materials/garmentform.h"

TFabricLayerFrm* FabricLayerFrm = nullptr;

TFabricLayerFrm::TFabricLayerFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricLayerFrm");
    SetCaption("Garment Design");
    SetClientSize(305, 350);
    SetPosition(TPosition::MainFormCenter);
}

void TFabricLayerFrm::BuildLayerGrid()
{
    GarmentCount = GarmentForm->GarmentCount;
    GarmentForm->Changed = false;
    FurFea->MarkTreeNode(tnGarment);
}
