#include "materials/membrane.h"

#include <QLabel>

TMembrane* Membrane = nullptr;

TMembrane::TMembrane(QWidget* owner) : TForm(owner)
{
    setObjectName("Membrane");
    SetCaption("Define Membrane ");
    SetClientSize(640, 460);
    SetPosition(TPosition::MainFormCenter);

    QLabel** labels[] = {&Label7, &Label8, &Label9, &Label10};
    const char* names[] = {"Label7", "Label8", "Label9", "Label10"};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = new QLabel(this);
        (*labels[i])->setObjectName(names[i]);
    }
}

void TMembrane::LoadMembraneList(const TList<MembraneType>&) {}
