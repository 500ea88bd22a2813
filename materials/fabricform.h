#pragma once
#include "toolkit/forms.h"
#include "casemodel/records.h"
class QComboBox;
class QListWidget;

class TFabricForm : public TForm {
    Q_OBJECT
public:
    explicit TFabricForm(QWidget* owner = nullptr);

    // Lists a loaded fabric library; sets FabricDefined and clears FabricFirstLoad.
    void LoadFabricList(const TList<FabricType>& fabrics);

    QListWidget* FiberListBox;    // item i is fibre i of the case
    QComboBox* InMemComboBox;     // both: index i is membrane i of the case
    QComboBox* OutMemComboBox;
    QListWidget* FabricListBox;   // item i is fabric i of the case
    // Refills the fibre and membrane choices from the case lists.
    void FillMaterialLists();
};

extern TFabricForm* FabricForm;
