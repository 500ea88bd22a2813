#pragma once
// The application object: the C numeric locale, the backstop for errors that escape a handler,
// guarded handlers, and where the run-time folders are.
#include <QApplication>
#include <exception>
#include <functional>
#include <stdexcept>
#include <type_traits>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Sets the C numeric locale; call once after the application object exists.
void UseCNumericLocale();

// Shows an error that escaped a handler through the exception display.
void ReportEscapedError(std::exception_ptr error);

// Wraps a handler so that no error leaves it: an escaping error goes to the exception display.
// Signal arguments the handler does not take are dropped.
template <class F>
auto Guard(F handler)
{
    return [handler](auto&&... args) {
        try {
            if constexpr (std::is_invocable_v<F, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        } catch (...) {
            ReportEscapedError(std::current_exception());
        }
    };
}

// The folder of the executable, with a trailing separator; the run-time folders live there.
QString AppDir();
// Looks for the run-time folders somewhere else than next to the executable (empty: there).
void SetAssetRoot(const QString& folder);
// A path below the executable's folder: AssetPath("Icon/model.bmp").
QString AssetPath(const QString& relative);
