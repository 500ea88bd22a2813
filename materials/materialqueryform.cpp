#include "materials/materialqueryform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "toolkit/application.h"

void TDropDownComboBox::showPopup()
{
    if (OnDropDown)
        OnDropDown();
    QComboBox::showPopup();
}

TQueryFormBase::TQueryFormBase(QWidget* owner, const char* typeListView)
    : TForm(owner), TypeListView(typeListView)
{
    GroupBox1 = new QGroupBox("Query Condition", this);
    GroupBox1->setObjectName("GroupBox1");
    Conditions = new QGridLayout(GroupBox1);
    Conditions->setContentsMargins(10, 8, 10, 10);
    Conditions->setHorizontalSpacing(8);
    Conditions->setVerticalSpacing(6);

    ComboBox1 = new TDropDownComboBox(GroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(170);
    ComboBox1->OnDropDown = Guard([this] { ComboBox1DropDown(); });

    GroupBox2 = new QGroupBox("Query Results", this);
    GroupBox2->setObjectName("GroupBox2");
    Query1 = new QSqlQueryModel(this);
    Query1->setObjectName("Query1");
    DBGrid1 = new QTableView(GroupBox2);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setModel(Query1);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    auto* results = new QVBoxLayout(GroupBox2);
    results->setContentsMargins(8, 8, 8, 8);
    results->addWidget(DBGrid1);
    connect(DBGrid1, &QTableView::doubleClicked, this, Guard([this] { DBGrid1DblClick(); }));

    SetPosition(TPosition::MainFormCenter);
}

void TQueryFormBase::Arrange(QHBoxLayout* buttons)
{
    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(8);
    main->addLayout(top);
    main->addWidget(GroupBox2, 1);
    main->addLayout(buttons);
    SetClientSize(std::max(660, sizeHint().width()), 500);
}

QPushButton* TQueryFormBase::MakeButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(88);
    return button;
}

QLineEdit* TQueryFormBase::MakeEdit(const char* name, int width)
{
    auto* edit = new QLineEdit(GroupBox1);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

void TQueryFormBase::ComboBox1DropDown()
{
    // Filling the list must not lose what the user typed into the box.
    const QString typed = ComboBox1->currentText();
    ComboBox1->clear();
    QSqlDatabase db;
    if (OpenMaterialDatabase(db))
        ComboBox1->addItems(TypeListNames(db, TypeListView));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(typed);
}

void TQueryFormBase::ClearResults() { Query1->clear(); }

int TQueryFormBase::ResultCount() const
{
    while (Query1->canFetchMore())
        Query1->fetchMore();
    return Query1->rowCount();
}

void TQueryFormBase::RunQuery(const TBoundStatement& statement)
{
    Query1->clear();
    QSqlDatabase db;
    if (!OpenMaterialDatabase(db))
        return;
    Query1->setQuery(RunStatement(db, statement));
    DBGrid1->resizeColumnsToContents();
}

QStringList TQueryFormBase::CurrentRowTexts(int count) const
{
    const int row = DBGrid1->currentIndex().row();
    QStringList texts;
    if (row < 0 || row >= Query1->rowCount())
        return texts;
    const QSqlRecord record = Query1->record(row);
    for (int i = 0; i < count && i < record.count(); ++i)
        texts << record.value(i).toString();
    return texts;
}

void TQueryFormBase::ShowRecord(TForm& record)
{
    if (record.ShowModal() != mrOk)
        return;
    EndWith(mrOk);
}

// --- The fabric and fibre query -------------------------------------------------------------

TMaterialQueryForm::TMaterialQueryForm(QWidget* owner, const TMaterialQueryLayout& layout)
    : TQueryFormBase(owner, layout.Tables->TypeList), Tables(*layout.Tables)
{
    Edit1 = MakeEdit("Edit1", 170);
    Conditions->addWidget(new QLabel("Type   =", GroupBox1), 0, 0);
    Conditions->addWidget(ComboBox1, 0, 1);
    Conditions->addWidget(new QLabel(layout.CompanyLabel, GroupBox1), 1, 0);
    Conditions->addWidget(Edit1, 1, 1);
    const char* labels[2] = {layout.FirstLabel, layout.SecondLabel};
    const char* const* names[2] = {layout.FirstEdits, layout.SecondEdits};
    for (int r = 0; r < 2; ++r) {
        RangeEdits[r][0] = MakeEdit(names[r][0], 90);
        RangeEdits[r][1] = MakeEdit(names[r][1], 90);
        Conditions->addWidget(new QLabel(labels[r], GroupBox1), r, 3);
        Conditions->addWidget(RangeEdits[r][0], r, 4);
        Conditions->addWidget(new QLabel("to", GroupBox1), r, 5);
        Conditions->addWidget(RangeEdits[r][1], r, 6);
    }
    Conditions->setColumnMinimumWidth(2, 24);
    Conditions->setColumnStretch(7, 1);

    Button1 = MakeButton("Button1", "Query");
    Button2 = MakeButton("Button2", "Clear");
    Button3 = MakeButton("Button3", "Exit");
    ButtonRow = MakeButtonRow({}, {Button1, Button2, Button3});
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guard([this] { Button3Click(); }));
}

TMaterialCriteria TMaterialQueryForm::Criteria() const
{
    return {ComboBox1->currentText(), Edit1->text(), {RangeEdits[0][0]->text(), RangeEdits[0][1]->text()},
            {RangeEdits[1][0]->text(), RangeEdits[1][1]->text()}};
}

void TMaterialQueryForm::Button1Click() { RunQuery(MaterialQueryStatement(Tables, Criteria())); }

void TMaterialQueryForm::Button2Click()
{
    ComboBox1->setEditText(QString());
    Edit1->clear();
    for (auto& range : RangeEdits)
        for (QLineEdit* edit : range)
            edit->clear();
}

void TMaterialQueryForm::Button3Click() { Close(); }

bool TMaterialQueryForm::CurrentRecord(QStringList& basic, std::map<QString, QString>& values) const
{
    basic = CurrentRowTexts(5);
    if (basic.isEmpty())
        return false;
    QSqlDatabase db;
    if (!OpenMaterialDatabase(db))
        return false;
    values = MaterialValues(db, Tables, basic[0]);
    return true;
}
