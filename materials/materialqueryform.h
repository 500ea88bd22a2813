#pragma once
// What the three query windows of the material database share: the condition group, the type
// drop-down list filled from the database when it drops down, the result grid and the running
// of a statement into it. The fabric and fibre windows are the same window over different
// tables (TMaterialQueryForm); the body window builds its own conditions.
#include <QComboBox>
#include <QStringList>
#include <functional>

#include "materials/materialdb.h"
#include "toolkit/forms.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// An editable drop-down list that tells when its list is about to drop down.
class TDropDownComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<void()> OnDropDown;
    void showPopup() override;
};

class TQueryFormBase : public TForm {
    Q_OBJECT
public:
    // Fills the drop-down list from the database's type list (kept empty when it cannot be read).
    void ComboBox1DropDown();
    // Opens the record window of the current result row.
    virtual void DBGrid1DblClick() = 0;
    // Forgets the shown result (its rows belong to the connection).
    void ClearResults();
    // The number of result rows shown.
    int ResultCount() const;

    QGroupBox* GroupBox1;  // "Query Condition"
    QGroupBox* GroupBox2;  // "Query Results"
    TDropDownComboBox* ComboBox1;
    QSqlQueryModel* Query1;
    QTableView* DBGrid1;

protected:
    TQueryFormBase(QWidget* owner, const char* typeListView);
    // Lays out the window: the condition group above the results, the buttons on the right.
    void Arrange(QHBoxLayout* buttons);
    QGridLayout* Conditions;  // the grid inside GroupBox1
    // Runs the statement into the grid. When the database cannot be opened (its message has been
    // shown) or the statement fails (the error goes on to the caller), the grid is left empty.
    void RunQuery(const TBoundStatement& statement);
    // The first `count` fields of the current result row as texts; empty when there is none.
    QStringList CurrentRowTexts(int count) const;
    // Runs a record window modally; after a "Select" in it (modal result OK) this window closes.
    void ShowRecord(TForm& record);
    QPushButton* MakeButton(const char* name, const QString& caption);
    QLineEdit* MakeEdit(const char* name, int width);

private:
    const char* TypeListView;
};

// The fabric and fibre query: type, company like, and two ranges of stored values.
struct TMaterialQueryLayout {
    const TMaterialTables* Tables;
    const char* CompanyLabel;
    const char* FirstLabel;
    const char* FirstEdits[2];  // from, to
    const char* SecondLabel;
    const char* SecondEdits[2];
};

class TMaterialQueryForm : public TQueryFormBase {
    Q_OBJECT
public:
    void Button1Click();  // Query
    void Button2Click();  // Clear
    void Button3Click();  // Exit
    TMaterialCriteria Criteria() const;

    QLineEdit* Edit1;  // company
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

protected:
    TMaterialQueryForm(QWidget* owner, const TMaterialQueryLayout& layout);
    // The found record: the row's five basic fields and the record's stored values.
    bool CurrentRecord(QStringList& basic, std::map<QString, QString>& values) const;
    // Shows the record of the current row in a record window of type R (R::PutRecord takes the
    // basic fields and the stored values).
    template <class R>
    void ShowCurrentRecord()
    {
        QStringList basic;
        std::map<QString, QString> values;
        if (!CurrentRecord(basic, values))
            return;
        R record(this);
        record.PutRecord(basic, values);
        ShowRecord(record);
    }
    QLineEdit* RangeEdits[2][2];  // [first, second][from, to]
    QHBoxLayout* ButtonRow;

private:
    const TMaterialTables& Tables;
};
