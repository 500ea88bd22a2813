#include "toolkit/keyfilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

KeyPressFilter::KeyPressFilter(QWidget* target, KeyPressHandler handler)
    : QObject(target), Handler(std::move(handler))
{
    target->installEventFilter(this);
}

namespace {

bool AlwaysPasses(int key)
{
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape: case Qt::Key_Tab:
    case Qt::Key_Backtab: case Qt::Key_Delete: case Qt::Key_Insert:
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

} // namespace

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !Handler)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (AlwaysPasses(keyEvent->key()))
        return false;
    char key = 0;
    if (keyEvent->key() == Qt::Key_Backspace) {
        key = 8;
    } else {
        const QString text = keyEvent->text();
        if (text.isEmpty())
            return false;  // keys that type nothing
        const QChar c = text.at(0);
        key = c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?';
    }
    const char typed = key;
    Handler(key);
    if (key == 0)
        return true;
    if (key == typed)
        return false;
    // The handler replaced the character: type the replacement instead.
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        edit->insert(QString(QChar(static_cast<unsigned char>(key))));
        return true;
    }
    QKeyEvent replaced(QEvent::KeyPress, 0, keyEvent->modifiers(),
                       QString(QChar(static_cast<unsigned char>(key))));
    QApplication::sendEvent(watched, &replaced);
    return true;
}

void SetOnKeyPress(QWidget* target, KeyPressHandler handler)
{
    for (QObject* child : target->children())
        if (auto* old = dynamic_cast<KeyPressFilter*>(child))
            delete old;
    new KeyPressFilter(target, std::move(handler));
}
