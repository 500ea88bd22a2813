#include "materials/membrane.h"

#include <QLabel>
#include <QListWidget>


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

    MemListBox = new QListWidget(this);
    MemListBox->setObjectName("MemListBox");
    MemListBox->setGeometry(480, 40, 140, 300);
}

void TMembrane::LoadMembraneList(const TList<MembraneType>& membranes)
{
    // Replaced as a whole, as the case's library was.
    MemListBox->clear();
    for (const auto& m : membranes)
        MemListBox->addItem(QString::fromStdString(m->Name));
}
