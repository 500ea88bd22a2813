#include "materials/fiber.h"

#include <QLabel>
#include <QListWidget>


TFiber* Fiber = nullptr;

TFiber::TFiber(QWidget* owner) : TForm(owner)
{
    setObjectName("Fiber");
    SetCaption("Define Fiber");
    SetClientSize(600, 420);
    SetPosition(TPosition::MainFormCenter);

    RHLabel = new QLabel("RH", this);
    RHLabel->setObjectName("RHLabel");
    RegainLabel = new QLabel("Regain", this);
    RegainLabel->setObjectName("RegainLabel");
    RegainLabel->move(0, 20);

    FiberListBox = new QListWidget(this);
    FiberListBox->setObjectName("FiberListBox");
    FiberListBox->setGeometry(440, 40, 140, 300);
}

void TFiber::LoadFiberList(const TList<FiberType>& fibers)
{
    // The case's library was replaced as a whole; so is the list, which must stay item for
    // item the case's fibres.
    FiberListBox->clear();
    for (const auto& f : fibers)
        FiberListBox->addItem(QString::fromStdString(f->Name));
}
