#pragma once
// The record of one fibre found in the material database. "Select" hands its values to the
// fibre dialog (through the receiver that dialog registers) and closes the query with it.
#include <QStringList>
#include <map>
#include <vector>

#include "materials/materialselect.h"
#include "toolkit/forms.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class TStringGrid;

class TFiberPForm : public TForm {
    Q_OBJECT
public:
    explicit TFiberPForm(QWidget* owner = nullptr);

    // Shows the five basic fields of a found row and the fibre's stored values by DataName.
    void PutRecord(const QStringList& basic, const std::map<QString, QString>& values);
    // The values shown, by the fibre dialog's field (empty where there is none).
    TFiberRecordValues SelectedValues() const;
    void Button1Click();  // Exit
    void Button2Click();  // Select

    QGroupBox* GroupBox1;  // "Fiber Basic Data"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QGroupBox* GroupBox2;  // "Parameters"
    std::vector<QLineEdit*> ValueEdits;  // the second edit of each parameter row
    // The regain point the database holds: relative humidity (fraction) and regain.
    TStringGrid* FiberRegainTable;
    QPushButton* Button1;
    QPushButton* Button2;
};

extern TFiberPForm* FiberPForm;
