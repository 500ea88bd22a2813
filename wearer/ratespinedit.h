#pragma once
// The metabolic-rate spin edit of the activity dialogs. The arrows step by whole W/m2, but the
// edit keeps any number typed or put in (rates written back from the boundary dialog or read
// from a case file need not be whole), and its text is read like any other edit, so an entry
// that is not a number gets the usual input message when it is used.
#include <QDoubleSpinBox>

class QLineEdit;

class TRateSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit TRateSpinEdit(QWidget* parent = nullptr);

    // The edit that holds the text (for GetEditValue and for tests).
    QLineEdit* Edit() const { return lineEdit(); }

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};
