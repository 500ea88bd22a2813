#include "materials/fabricqueryform.h"

TFabricQueryForm* FabricQueryForm = nullptr;

TFabricQueryForm::TFabricQueryForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricQueryForm");
    SetCaption("Fabric Query");
    SetClientSize(640, 460);
    SetPosition(TPosition::MainFormCenter);
}
