#include "materials/fabricpfrom.h"

TFabricPFrom* FabricPFrom = nullptr;

TFabricPFrom::TFabricPFrom(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricPFrom");
    SetCaption("Fabric");
    SetClientSize(480, 420);
    SetPosition(TPosition::MainFormCenter);
}
