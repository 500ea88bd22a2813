#include "dialogbase/commonfuc.h"

#include <QHBoxLayout>

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "casemodel/numformat.h"
#include "toolkit/keyfilter.h"
#include "toolkit/messages.h"

namespace {

constexpr char Backspace = 8;
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

void DecimalKeyPress(QLineEdit* edit, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    if (key == '.' && !edit->text().contains('.'))
        return;
    key = 0;
}

void SignedDecimalKeyPress(QLineEdit* edit, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    if (key == '.' && !edit->text().contains('.'))
        return;
    if (key == '-' && !edit->text().contains('-'))
        return;
    key = 0;
}

void UnsignedNumberKeyPress(QLineEdit*, char& key)
{
    if (key == Backspace || IsDigit(key) || key == '.')
        return;
    key = 0;
}

void DigitKeyPress(QLineEdit*, char& key)
{
    if (key == Backspace || IsDigit(key))
        return;
    key = 0;
}

void SetKeyFilter(QLineEdit* edit, void (*filter)(QLineEdit*, char&))
{
    SetOnKeyPress(edit, [edit, filter](char& key) { filter(edit, key); });
}

double GetEditValueQuiet(QLineEdit* edit, bool& ok)
{
    double value = 0;
    ok = TryStrToFloat(Trim(edit->text().toStdString()), value);
    return ok ? value : 0;
}

QString EditText(double value) { return QString::fromStdString(FloatToStr(value)); }

void ShowEditValueError(const QString& name)
{
    AppMessageBox("The input of " + name + " is not correct. Please try it again!", "Input Error", MB_OK);
}

double GetTextValue(const QString& text, const QString& name, bool& ok)
{
    double value = 0;
    ok = TryStrToFloat(Trim(text.toStdString()), value);
    if (!ok) {
        ShowEditValueError(name);
        return 0;
    }
    return value;
}

double GetEditValue(QLineEdit* edit, const QString& name, bool& ok)
{
    return GetTextValue(edit->text(), name, ok);
}

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(std::max(88, button->sizeHint().width() + 16));
    return button;
}

QHBoxLayout* MakeEditButtons(QWidget* form, QPushButton*& defaults, QPushButton*& clear, QPushButton*& ok,
                             QPushButton*& cancel)
{
    defaults = MakeDialogButton(form, "Default", "Default");
    clear = MakeDialogButton(form, "btnClear", "Clear");
    ok = MakeDialogButton(form, "OKBtn", "OK");
    ok->setDefault(true);
    cancel = MakeDialogButton(form, "btnExit", "Cancel");
    return MakeButtonRow({defaults, clear}, {ok, cancel});
}

QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : left)
        row->addWidget(b);
    row->addStretch(1);
    for (QPushButton* b : right)
        row->addWidget(b);
    return row;
}

void ShowNamedInputError(QLineEdit* edit, const char* name)
{
    edit->setFocus();
    AppMessageBox(QString(name) + " is not correct! Please input it again.", "Input Error", MB_OK);
}
