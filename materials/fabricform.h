#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QListWidget;

class TFabricForm : public TForm {
    Q_OBJECT
public:
    explicit TFabricForm(QWidget* owner = nullptr);

    void LoadFabricList(const TList<FabricType>& fabrics);

    QListWidget* FiberListBox;
    // Refills the fibre and membrane choices from the case lists.
    void FillMaterialLists();
};

extern TFabricForm* FabricForm;
