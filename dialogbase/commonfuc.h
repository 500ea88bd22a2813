#pragma once
// Input helpers every dialog uses to keep numeric edits clean and read them, and the button rows
// of the dialogs.
#include <QLineEdit>
#include <QString>
#include <initializer_list>

#include "casemodel/commonfuc.h"

class QHBoxLayout;
class QPushButton;
class QWidget;

// Key filters, for SetOnKeyPress: each may replace the typed key by 0 (discarded).
// Backspace always passes.
void DecimalKeyPress(QLineEdit* edit, char& key);        // digits and one point
void SignedDecimalKeyPress(QLineEdit* edit, char& key);  // digits, one point, one minus
void UnsignedNumberKeyPress(QLineEdit* edit, char& key); // digits and points
void DigitKeyPress(QLineEdit* edit, char& key);          // digits

// Installs one of the filters above on an edit.
void SetKeyFilter(QLineEdit* edit, void (*filter)(QLineEdit*, char&));

// The edit's trimmed text as a number. Empty or not a number: the message
// "The input of " + name + " is not correct. Please try it again!" (caption "Input Error"),
// ok false and 0.
double GetEditValue(QLineEdit* edit, const QString& name, bool& ok);
// The same without any message.
double GetEditValueQuiet(QLineEdit* edit, bool& ok);
// The same rule on a text (grid cells).
double GetTextValue(const QString& text, const QString& name, bool& ok);
// A number as an edit shows it (up to 15 significant digits, "2E-20", "0.0001434").
QString EditText(double value);
// The message of GetEditValue alone, for a number that was read but is out of its range.
void ShowEditValueError(const QString& name);
// Focus on the edit and name + " is not correct! Please input it again." (caption "Input Error").
void ShowNamedInputError(QLineEdit* edit, const char* name);

// Reads a record's edits in the table's order (a row: Edit, a QLineEdit* member of the form;
// Field, a double member of the record; Name). At the first edit that is not a number it says
// so by ShowNamedInputError and leaves the record as it was; otherwise the record takes every
// value.
template <class Form, class Record, class Row, std::size_t N>
bool ReadNamedRows(Form& form, Record& record, const Row (&rows)[N])
{
    Record read = record;
    for (const Row& r : rows) {
        QLineEdit* edit = form.*r.Edit;
        bool ok = false;
        read.*r.Field = GetEditValueQuiet(edit, ok);
        if (!ok) {
            ShowNamedInputError(edit, r.Name);
            return false;
        }
    }
    record = read;
    return true;
}

// A named dialog button of at least 88 pixels that Enter does not press unless it is made the
// default button.
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& caption);
// A dialog's row of buttons: the left ones, a stretch, the right ones.
QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right);
// The Default, Clear, OK (the default button) and Cancel buttons of an edit dialog, in one row.
QHBoxLayout* MakeEditButtons(QWidget* form, QPushButton*& defaults, QPushButton*& clear, QPushButton*& ok,
                             QPushButton*& cancel);

