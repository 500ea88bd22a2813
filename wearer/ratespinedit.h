#pragma once
// The metabolic-rate spin edit of the activity dialogs. What the box shows is the rate: the text
// is kept exactly as typed or put in (a rate written back from the boundary dialog or read from a
// case file need not be whole), never corrected or replaced by a value of its own, and it is read
// strictly when an activity is appended. The arrows step by whole W/m2 from what the box shows.
#include <QAbstractSpinBox>

class QLineEdit;

class TRateSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TRateSpinEdit(QWidget* parent = nullptr);

    // The edit that holds the text (for GetRateValue and for tests).
    QLineEdit* Edit() const { return lineEdit(); }

    // Puts a rate into the box as its text.
    void setValue(double value);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};

// The rate the edit's text gives, converted strictly. A text that is not a positive number gets
// the input message for "Metobolic Rate" and gives ok false.
double GetRateValue(QLineEdit* edit, bool& ok);
