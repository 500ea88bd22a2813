#pragma once
#include "toolkit/forms.h"
class QListWidget;

class TFabricForm : public TForm {
    Q_OBJECT
public:
    explicit TFabricForm(QWidget* owner = nullptr);

    QListWidget* FiberListBox;
    // Refills the fibre and membrane choices from the case lists.
    void FillMaterialLists();
};

extern TFabricForm* FabricForm;
