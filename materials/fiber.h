#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QLabel;
class QListWidget;

class TFiber : public TForm {
    Q_OBJECT
public:
    explicit TFiber(QWidget* owner = nullptr);

    // Lists a loaded fibre library; sets FiberDefined and clears FiberFirstOpen.
    void LoadFiberList(const TList<FiberType>& fibers);

    QLabel* RHLabel;
    QLabel* RegainLabel;
    QListWidget* FiberListBox;  // item i is fibre i of the case
};

extern TFiber* Fiber;
