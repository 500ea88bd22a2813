#pragma once
// Message boxes with the Windows flag meanings, the plain message dialog and the exception
// display. All of them go through one replaceable service, so tests can answer them.
#include <QString>

constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
constexpr int MB_ICONERROR = 0x10;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONEXCLAMATION = 0x30;
constexpr int MB_ICONINFORMATION = 0x40;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const QString& text, const QString& caption, int flags) = 0;
    // The plain message dialog: OK button, the application's name as caption.
    virtual void ShowMessage(const QString& text) = 0;
    // The application's display of an error that escaped a handler.
    virtual void ShowException(const QString& text) = 0;
};

// The service in use; the desktop one unless a test installed another.
MessageService& Messages();
// Installs a service (nullptr restores the desktop one); returns the one it replaces.
MessageService* SetMessageService(MessageService* service);

inline int AppMessageBox(const QString& text, const QString& caption, int flags = MB_OK)
{
    return Messages().MessageBox(text, caption, flags);
}
inline void ShowMessage(const QString& text) { Messages().ShowMessage(text); }
inline void ShowException(const QString& text) { Messages().ShowException(text); }
// "Confirm" question with Yes and No buttons; true for Yes.
inline bool Confirm(const QString& text)
{
    return AppMessageBox(text, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}
