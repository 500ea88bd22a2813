#pragma once
// The record of one human body model found in the material database. "Select" puts it into the
// body dialog (race, age class, sex, weight and the height from weight and DuBois area) and the
// physiology dialog (its defaults with the model's constants over them).
#include <QSqlRecord>
#include <vector>

#include "toolkit/forms.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TBodyPForm : public TForm {
    Q_OBJECT
public:
    explicit TBodyPForm(QWidget* owner = nullptr);

    // Shows a row of the body models (all its columns, by name where the position is not fixed).
    void PutRecord(const QSqlRecord& record);
    void Button1Click();  // Select
    void Button2Click();  // Exit

    QGroupBox* GroupBox1;  // "Model Basic Data"
    QLineEdit* Edit1;      // ModelID
    QLineEdit* Edit2;      // ModelFile
    QLineEdit* Edit3;      // ModelNationality
    QLineEdit* Edit4;      // ModelAge
    QLineEdit* Edit5;      // ModelPicture
    QRadioButton* RadioButton1;  // Male
    QRadioButton* RadioButton2;  // Female
    QGroupBox* GroupBox2;  // "Parameters"
    std::vector<QLineEdit*> ValueEdits;  // the second edit of each parameter row
    QPushButton* Button1;
    QPushButton* Button2;

private:
    QLineEdit* ValueEdit(const char* key) const;
};

extern TBodyPForm* BodyPForm;
