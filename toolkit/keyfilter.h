#pragma once
// Keystroke filter: hands each typed character to a handler that may replace it, or discard it
// by setting it to 0. Navigation keys, Enter, Escape and Tab always pass.
#include <QObject>
#include <functional>

class QWidget;

using KeyPressHandler = std::function<void(char& key)>;

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QWidget* target, KeyPressHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPressHandler Handler;
};

// Installs (or replaces) the key-press handler of an edit, a grid or a combo box.
void SetOnKeyPress(QWidget* target, KeyPressHandler handler);
