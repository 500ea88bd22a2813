#include "wearer/ratespinedit.h"

#include <QLineEdit>
#include <algorithm>

#include "dialogbase/commonfuc.h"
#include "casemodel/numformat.h"

namespace {

// The number the box shows; the arrows start from 0 when it shows none.
double ShownRate(const QLineEdit* edit)
{
    double rate = 0;
    return TryStrToFloat(Trim(edit->text().toStdString()), rate) ? rate : 0;
}

} // namespace

// A plain abstract spin box has no value of its own and no validator beyond "acceptable", so it
// never rewrites its text when the focus leaves it; only the arrows change the text.
TRateSpinEdit::TRateSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setValue(0);
}

void TRateSpinEdit::setValue(double value)
{
    lineEdit()->setText(QString::fromStdString(FloatToStr(value)));
}

void TRateSpinEdit::stepBy(int steps)
{
    setValue(std::max(0.0, ShownRate(lineEdit()) + steps));
    selectAll();
}

QAbstractSpinBox::StepEnabled TRateSpinEdit::stepEnabled() const
{
    return ShownRate(lineEdit()) > 0 ? StepUpEnabled | StepDownEnabled : StepUpEnabled;
}

double GetRateValue(QLineEdit* edit, bool& ok)
{
    const double rate = GetEditValueQuiet(edit, ok);
    ok = ok && rate > 0;
    if (!ok) {
        ShowEditValueError("Metobolic Rate");
        return 0;
    }
    return rate;
}
