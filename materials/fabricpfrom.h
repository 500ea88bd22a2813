#pragma once
// The record of one fabric found in the material database. "Select" hands its values to the
// fabric dialog (through the receiver that dialog registers) and closes the query with it.
#include <QStringList>
#include <map>
#include <vector>

#include "materials/materialselect.h"
#include "toolkit/forms.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TFabricPFrom : public TForm {
    Q_OBJECT
public:
    explicit TFabricPFrom(QWidget* owner = nullptr);

    // Shows the five basic fields of a found row and the fabric's stored values by DataName.
    void PutRecord(const QStringList& basic, const std::map<QString, QString>& values);
    // The values shown, by the fabric dialog's field (empty where there is none).
    TFabricRecordValues SelectedValues() const;
    void Button1Click();  // Ok
    void Button2Click();  // Select

    QGroupBox* GroupBox1;  // "Fabric Basic Data"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QListWidget* ListBox1;
    QGroupBox* GroupBox2;  // "Basic Parameters"
    std::vector<QLineEdit*> ValueEdits;  // the second edit of each parameter row
    QPushButton* Button1;
    QPushButton* Button2;
};

extern TFabricPFrom* FabricPFrom;
