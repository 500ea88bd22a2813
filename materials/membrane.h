#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QLabel;
class QListWidget;

class TMembrane : public TForm {
    Q_OBJECT
public:
    explicit TMembrane(QWidget* owner = nullptr);

    // Lists a loaded membrane library; sets MembraneDefined and clears MembraneFirstOpen.
    void LoadMembraneList(const TList<MembraneType>& membranes);

    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QListWidget* MemListBox;  // item i is membrane i of the case
};

extern TMembrane* Membrane;
