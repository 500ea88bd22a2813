#include "materials/fabriclayerfrm.h"

#include "app/workflow.h"
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
    CaseModel& c = TheCase();
    c.Layers.GarmentCount = c.GarmentList.GarmentCount;
    GarmentForm->Changed = false;
    ReportStepConfirmed(TCaseStep::Clothing);
}
