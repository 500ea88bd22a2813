#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QLabel;

class TMembrane : public TForm {
    Q_OBJECT
public:
    explicit TMembrane(QWidget* owner = nullptr);

    void LoadMembraneList(const TList<MembraneType>& membranes);

    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
};

extern TMembrane* Membrane;
