#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QLabel;

class TFiber : public TForm {
    Q_OBJECT
public:
    explicit TFiber(QWidget* owner = nullptr);

    void LoadFiberList(const TList<FiberType>& fibers);

    QLabel* RHLabel;
    QLabel* RegainLabel;
};

extern TFiber* Fiber;
