#include "toolkit/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "toolkit/service.h"

namespace {

class DesktopMessages : public MessageService {
public:
    int MessageBox(const QString& text, const QString& caption, int flags) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (flags & 0xF0) {
        case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        switch (flags & 0x0F) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok: return IDOK;
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        default: return (flags & 0x0F) == MB_YESNO ? IDNO : IDCANCEL;
        }
    }

    void ShowMessage(const QString& text) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QApplication::applicationName());
        box.setText(text);
        box.exec();
    }

    void ShowException(const QString& text) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QApplication::applicationName());
        box.setIcon(QMessageBox::Critical);
        box.setText(text);
        box.exec();
    }
};

DesktopMessages desktopMessages;
TSwappable<MessageService> current(desktopMessages);

} // namespace

MessageService& Messages() { return current.Get(); }

MessageService* SetMessageService(MessageService* service) { return current.Set(service); }
