#include "materials/fiber.h"

#include <QLabel>

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
}

void TFiber::LoadFiberList(const TList<FiberType>&) {}
