#include "app/commonfuc.h"

#include <QLineEdit>

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

double GetTextValue(const QString& text, const QString& name, bool& ok)
{
    double value = 0;
    ok = TryStrToFloat(Trim(text.toStdString()), value);
    if (!ok) {
        AppMessageBox("The input of " + name + " is not correct. Please try it again!", "Input Error", MB_OK);
        return 0;
    }
    return value;
}

double GetEditValue(QLineEdit* edit, const QString& name, bool& ok)
{
    return GetTextValue(edit->text(), name, ok);
}
