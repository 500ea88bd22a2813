#include "materials/fabricform.h"

#include <QComboBox>
#include <QListWidget>

#include "app/workflow.h"

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

    InMemComboBox = new QComboBox(this);
    InMemComboBox->setObjectName("InMemComboBox");
    InMemComboBox->setGeometry(16, 200, 200, 24);
    OutMemComboBox = new QComboBox(this);
    OutMemComboBox->setObjectName("OutMemComboBox");
    OutMemComboBox->setGeometry(16, 232, 200, 24);

    FabricListBox = new QListWidget(this);
    FabricListBox->setObjectName("FabricListBox");
    FabricListBox->setGeometry(544, 16, 200, 160);
}

void TFabricForm::FillMaterialLists()
{
    FiberListBox->clear();
    for (const auto& f : TheCase().Fibers)
        FiberListBox->addItem(QString::fromStdString(f->Name));
    InMemComboBox->clear();
    OutMemComboBox->clear();
    for (const auto& m : TheCase().Membranes) {
        const QString name = QString::fromStdString(m->Name);
        InMemComboBox->addItem(name);
        OutMemComboBox->addItem(name);
    }
}

void TFabricForm::LoadFabricList(const TList<FabricType>& fabrics)
{
    // The list box stands for the case's fabrics item by item; the loaded library replaced
    // them all, so the old lines go too.
    FabricListBox->clear();
    for (const auto& f : fabrics)
        FabricListBox->addItem(QString::fromStdString(f->Name));
}
