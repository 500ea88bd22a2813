#pragma once
#include "toolkit/forms.h"
class QLabel;

class TFiber : public TForm {
    Q_OBJECT
public:
    explicit TFiber(QWidget* owner = nullptr);

    QLabel* RHLabel;
    QLabel* RegainLabel;
};

extern TFiber* Fiber;
