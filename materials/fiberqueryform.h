#pragma once
// Looks up fibres in the material database; a double-click on a found fibre shows its record,
// whose "Select" hands the values to the fibre dialog.
#include "materials/materialqueryform.h"

class TFiberQueryForm : public TMaterialQueryForm {
    Q_OBJECT
public:
    explicit TFiberQueryForm(QWidget* owner = nullptr);
    void DBGrid1DblClick() override;

    QLineEdit* Edit2;  // diameter from
    QLineEdit* Edit3;  // diameter to
    QLineEdit* Edit4;  // density from
    QLineEdit* Edit5;  // density to
};

extern TFiberQueryForm* FiberQueryForm;
