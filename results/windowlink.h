#pragma once
#include <QObject>
#include <QPointer>

// A window's interface held by another window that may outlive it: null from the moment the
// window's object is destroyed. The interface must belong to a QObject.
template <class Interface>
class WindowLink {
public:
    void Set(Interface* target)
    {
        Target = target;
        Alive = dynamic_cast<QObject*>(target);
    }
    Interface* Get() const { return Alive ? Target : nullptr; }
    // The window as an object, to hear of its end; null once it is gone.
    QObject* Object() const { return Alive.data(); }
    explicit operator bool() const { return !Alive.isNull(); }

private:
    Interface* Target = nullptr;
    QPointer<QObject> Alive;
};
