#include "materials/fabricform.h"

#include <QListWidget>

TFabricForm* FabricForm = nullptr;

TFabricForm::TFabricForm(QWidget* owner) : TForm(owner)
{
    setObjectName("FabricForm");
    SetCaption("Fabric Design");
    SetClientSize(760, 560);
    SetPosition(TPosition::MainFormCenter);

    FiberListBox = new QListWidget(this);
    FiberListBox->setObjectName("FiberListBox");
    FiberListBox->setGeometry(16, 16, 200, 160);
}

void TFabricForm::FillMaterialLists() {}

void TFabricForm::LoadFabricList(const TList<FabricType>&) {}
