#pragma once
// A desktop service (message boxes, file choosers, the shell) that the application reaches
// through one accessor and that tests replace by a scripted one.
template <class Service>
class TSwappable {
public:
    explicit TSwappable(Service& standard) : Standard(standard), Current(&standard) {}
    Service& Get() const { return *Current; }
    // Installs a service (nullptr restores the standard one); returns the one it replaces.
    Service* Set(Service* service)
    {
        Service* previous = Current;
        Current = service ? service : &Standard;
        return previous;
    }

private:
    Service& Standard;
    Service* Current;
};
