#pragma once
// Input helpers every dialog uses to keep numeric edits clean and read them, and the columns of
// controls that the boundary-condition and control dialogs build at run time.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <array>

#include "casemodel/commonfuc.h"

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
// The message of GetEditValue alone, for a number that was read but is out of its range.
void ShowEditValueError(const QString& name);

// One microclimate column of the boundary-condition dialog, built on a panel of the dialog's
// own: the title "Layer" + number, the inner and outer contact choices ("true"/"false") and the
// edits of hc0, hc1, hm0, hm1 and hph. The controls belong to the panel as well, so the column
// deletes only those that still exist when it goes.
class TMicroPanel {
public:
    TMicroPanel(QWidget* parent, int number);
    ~TMicroPanel();
    TMicroPanel(const TMicroPanel&) = delete;
    TMicroPanel& operator=(const TMicroPanel&) = delete;

    QPointer<QLabel> Label;
    QPointer<QComboBox> InnerContactBox;
    QPointer<QComboBox> OuterContactBox;
    QPointer<QLineEdit> Hc0Edit;
    QPointer<QLineEdit> Hc1Edit;
    QPointer<QLineEdit> Hm0Edit;
    QPointer<QLineEdit> Hm1Edit;
    QPointer<QLineEdit> HphEdit;

    // hc0, hc1, hm0, hm1, hph, top to bottom.
    std::array<QLineEdit*, 5> CoefficientEdits() const;
};

// One stage column of the control dialog: the title "Stage" + number and the edits of the
// clothing cover ratio and the heat and moisture transfer ratios.
class TControlLayerPanel {
public:
    TControlLayerPanel(QWidget* parent, int number);
    ~TControlLayerPanel();
    TControlLayerPanel(const TControlLayerPanel&) = delete;
    TControlLayerPanel& operator=(const TControlLayerPanel&) = delete;

    QPointer<QLabel> Label;
    QPointer<QLineEdit> CoverEdit;
    QPointer<QLineEdit> RatioHeatEdit;
    QPointer<QLineEdit> RatioMassEdit;
};
