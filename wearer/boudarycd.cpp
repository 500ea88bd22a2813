#include "wearer/boudarycd.h"

#include <QListWidget>
#include <QTabWidget>

#include "app/workflow.h"

TBoudaryCD* BoudaryCD = nullptr;

TBoudaryCD::TBoudaryCD(QWidget* owner) : TForm(owner)
{
    setObjectName("BoudaryCD");
    SetCaption("Boundary Condition");
    SetClientSize(640, 480);
    SetPosition(TPosition::MainFormCenter);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    PageControl->setGeometry(8, 8, 624, 464);
    PageControl->addTab(new QWidget, "Stages");
    StageListBox = new QListWidget(PageControl->widget(0));
    StageListBox->setObjectName("StageListBox");
    StageListBox->setGeometry(8, 8, 120, 400);
}

void TBoudaryCD::BuildMicroclimateRows() {}

void TBoudaryCD::PutStageValue(int) {}

void TBoudaryCD::ShowStages()
{
    PageControl->setCurrentIndex(0);
    BuildMicroclimateRows();
    StageListBox->clear();
    const auto& stages = TheCase().Stages;
    for (const auto& stage : stages)
        StageListBox->addItem(QString::fromStdString(stage->Name));
    if (!stages.empty())
        PutStageValue(static_cast<int>(stages.size()) - 1);
}
