#pragma once
#include "toolkit/forms.h"
class QLabel;

class TMembrane : public TForm {
    Q_OBJECT
public:
    explicit TMembrane(QWidget* owner = nullptr);

    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
};

extern TMembrane* Membrane;
