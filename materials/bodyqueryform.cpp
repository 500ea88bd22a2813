#include "materials/bodyqueryform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QTableView>

#include "dialogbase/commonfuc.h"
#include "materials/bodypform.h"
#include "toolkit/application.h"

TBodyQueryForm* BodyQueryForm = nullptr;

TBodyQueryForm::TBodyQueryForm(QWidget* owner) : TQueryFormBase(owner, BodyNationList)
{
    setObjectName("BodyQueryForm");
    SetCaption("Human body Query");

    auto* sex = new QGroupBox("Sex", GroupBox1);
    RadioButton1 = new QRadioButton("Male", sex);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("Female", sex);
    RadioButton2->setObjectName("RadioButton2");
    SexGroup = new QButtonGroup(this);
    SexGroup->addButton(RadioButton1);
    SexGroup->addButton(RadioButton2);
    auto* sexLayout = new QHBoxLayout(sex);
    sexLayout->addWidget(RadioButton1);
    sexLayout->addWidget(RadioButton2);

    Edit1 = MakeEdit("Edit1", 70);
    Edit2 = MakeEdit("Edit2", 70);
    // The wearer's measures are shown for reference only; the query does not use them.
    WeightTxt = MakeEdit("WeightTxt", 70);
    WeightTxt->setText(" ");
    HeightTxt = MakeEdit("HeightTxt", 70);
    HeightTxt->setText(" ");

    Conditions->addWidget(new QLabel("Race", GroupBox1), 0, 0);
    Conditions->addWidget(ComboBox1, 0, 1, 1, 3);
    Conditions->addWidget(sex, 1, 0, 1, 4);
    Conditions->addWidget(new QLabel("Age", GroupBox1), 0, 5);
    Conditions->addWidget(new QLabel("from", GroupBox1), 0, 6);
    Conditions->addWidget(Edit1, 0, 7);
    Conditions->addWidget(new QLabel("to", GroupBox1), 0, 8);
    Conditions->addWidget(Edit2, 0, 9);
    auto* measures = new QHBoxLayout;
    measures->addWidget(new QLabel("Weight(Kg)", GroupBox1));
    measures->addWidget(WeightTxt);
    measures->addSpacing(12);
    measures->addWidget(new QLabel("Height(cm)", GroupBox1));
    measures->addWidget(HeightTxt);
    measures->addStretch(1);
    Conditions->addLayout(measures, 1, 5, 1, 5);
    Conditions->setColumnMinimumWidth(4, 24);
    Conditions->setColumnStretch(10, 1);

    Button1 = MakeButton("Button1", "Query");
    Button2 = MakeButton("Button2", "Clear");
    auto* buttons = MakeButtonRow({}, {Button1, Button2});
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    Arrange(buttons);
}

TBodyCriteria TBodyQueryForm::Criteria() const
{
    TBodyCriteria c;
    c.Race = ComboBox1->currentText();
    c.Male = RadioButton1->isChecked();
    c.Female = RadioButton2->isChecked();
    c.Age = {Edit1->text(), Edit2->text()};
    return c;
}

void TBodyQueryForm::Button1Click() { RunQuery(BodyQueryStatement(Criteria())); }

void TBodyQueryForm::Button2Click()
{
    ComboBox1->setEditText(QString());
    // Exclusive buttons refuse to uncheck the checked one: a cleared sex must add no condition.
    SexGroup->setExclusive(false);
    RadioButton1->setChecked(false);
    RadioButton2->setChecked(false);
    SexGroup->setExclusive(true);
    Edit1->clear();
    Edit2->clear();
}

void TBodyQueryForm::DBGrid1DblClick()
{
    const int row = DBGrid1->currentIndex().row();
    if (row < 0 || row >= Query1->rowCount())
        return;
    TBodyPForm record(this);
    record.PutRecord(Query1->record(row));
    ShowRecord(record);
}
