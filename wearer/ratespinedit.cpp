#include "wearer/ratespinedit.h"

#include <QLineEdit>

#include "casemodel/numformat.h"

TRateSpinEdit::TRateSpinEdit(QWidget* parent) : QDoubleSpinBox(parent)
{
    setDecimals(9);  // the value keeps what is typed; the text never shows trailing zeros
    setRange(0, 100000);
    setSingleStep(1);
    setValue(0);
}

QString TRateSpinEdit::textFromValue(double value) const
{
    return QString::fromStdString(FloatToStr(value));
}

double TRateSpinEdit::valueFromText(const QString& text) const
{
    double value = 0;
    return TryStrToFloat(Trim(text.toStdString()), value) ? value : 0;
}

QValidator::State TRateSpinEdit::validate(QString& text, int&) const
{
    double value = 0;
    if (TryStrToFloat(Trim(text.toStdString()), value))
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    // Half-typed numbers ("", "1.", "2E") may still become one.
    for (QChar c : text)
        if (!c.isDigit() && !QString(".eE+- ").contains(c))
            return QValidator::Invalid;
    return QValidator::Intermediate;
}
