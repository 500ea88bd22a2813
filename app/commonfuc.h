#pragma once
// Input helpers every dialog uses to keep numeric edits clean and read them.
#include <QString>

class QLineEdit;
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
