#pragma once
// Looks up fabrics in the material database; a double-click on a found fabric shows its record,
// whose "Select" hands the values to the fabric dialog.
#include "materials/materialqueryform.h"

class TFabricQueryForm : public TMaterialQueryForm {
    Q_OBJECT
public:
    explicit TFabricQueryForm(QWidget* owner = nullptr);
    void DBGrid1DblClick() override;

    QLineEdit* Edit2;  // thickness from
    QLineEdit* Edit3;  // thickness to
    QLineEdit* Edit8;  // porosity from
    QLineEdit* Edit9;  // porosity to
    QPushButton* Button4;  // "Select": a record is selected in its record window
};

extern TFabricQueryForm* FabricQueryForm;
