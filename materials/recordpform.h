#pragma once
// What the three record windows of the material database share: the group of basic data (one
// labelled edit per field of the found row) and the parameter rows, each a row of edits: the
// database's name of the value, the value itself (the edit "Select" copies from) and its unit.
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <cstddef>
#include <map>
#include <vector>

class QGridLayout;
class QGroupBox;
class QPushButton;

class QWidget;

struct TParameterRow {
    const char* Label;     // "Thickness :"
    const char* Key;       // the DataName or column the value comes from
    const char* Unit;      // nullptr: the row has no unit edit
    const char* EditName;  // object name of the value edit
};

// The parameter rows of a window's table whose entries hold one each (as their member Row).
template <class Entry, std::size_t N>
std::vector<TParameterRow> ParameterRowsOf(const Entry (&entries)[N])
{
    std::vector<TParameterRow> rows;
    for (const Entry& e : entries)
        rows.push_back(e.Row);
    return rows;
}

// The values shown in the parameter rows, trimmed, by the field of each entry of the window's
// table that has one (its member Field; a null Field is not handed on).
template <class Values, class Entry, std::size_t N>
Values RecordValuesOf(const Entry (&entries)[N], const std::vector<QLineEdit*>& edits)
{
    Values selected;
    for (std::size_t i = 0; i < N && i < edits.size(); ++i)
        if (entries[i].Field)
            selected.*entries[i].Field = edits[i]->text().trimmed();
    return selected;
}

// The group "GroupBox2" of parameter rows; its grid (for rows of the window's own below them)
// and the value edits in the rows' order.
QGroupBox* ParameterGroup(QWidget* parent, const QString& caption, const std::vector<TParameterRow>& rows,
                          QGridLayout*& grid, std::vector<QLineEdit*>& edits);

// Adds the rows below `firstRow` of the grid; returns the value edits in the rows' order.
std::vector<QLineEdit*> AddParameterRows(QWidget* parent, QGridLayout* grid, int firstRow,
                                         const std::vector<TParameterRow>& rows);

// The group "GroupBox1" of basic data: the edits Edit1, Edit2, ... labelled in this order, each
// stored through the member pointer of the same place in `edits`.
QGroupBox* BasicDataGroup(QWidget* parent, const QString& caption, const std::vector<const char*>& labels,
                          const std::vector<QLineEdit**>& edits);

// Puts texts into edits in order (missing texts empty the edit).
void ShowTexts(const std::vector<QLineEdit*>& edits, const QStringList& texts);
// Puts each row's stored value (by its key) into the row's value edit; empty where none is stored.
void ShowParameterValues(const std::vector<TParameterRow>& rows, const std::vector<QLineEdit*>& edits,
                         const std::map<QString, QString>& values);
// A button of a record window.
QPushButton* RecordButton(QWidget* parent, const char* name, const QString& caption);
class TForm;
class QObject;
// Lays a record window out: its parts (widgets or layouts) from top to bottom, then the buttons
// at the right in the given order; sizes it to its contents and centres it on the main window.
void LayOutRecordWindow(TForm& form, std::initializer_list<QObject*> parts,
                        std::initializer_list<QPushButton*> buttons);
// After "Select": ends the record window's modal run with OK (its query window then closes too),
// or closes it when it is not shown modally.
void CloseAfterSelect(TForm& form);
// "Select": hands the values to the dialog that registered the receiver (none may have), then
// closes as above.
template <class Receiver, class Values>
void SelectAndClose(TForm& form, const Receiver& receiver, const Values& values)
{
    if (receiver)
        receiver(values);
    CloseAfterSelect(form);
}
