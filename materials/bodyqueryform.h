#pragma once
// Looks up human body models in the material database; a double-click on a found model shows its
// record, whose "Select" puts it into the body and physiology dialogs.
#include "materials/materialqueryform.h"

class QButtonGroup;
class QRadioButton;

class TBodyQueryForm : public TQueryFormBase {
    Q_OBJECT
public:
    explicit TBodyQueryForm(QWidget* owner = nullptr);
    void Button1Click();  // Query
    void Button2Click();  // Clear
    void DBGrid1DblClick() override;
    TBodyCriteria Criteria() const;

    QRadioButton* RadioButton1;  // Male
    QRadioButton* RadioButton2;  // Female
    QLineEdit* Edit1;            // age from
    QLineEdit* Edit2;            // age to
    QLineEdit* WeightTxt;
    QLineEdit* HeightTxt;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    QButtonGroup* SexGroup;
};

extern TBodyQueryForm* BodyQueryForm;
