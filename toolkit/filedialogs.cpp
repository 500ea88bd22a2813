#include "toolkit/filedialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "toolkit/service.h"

QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QString("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return out.join(";;");
}

namespace {

class DesktopFileDialogs : public FileDialogService {
public:
    QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, dir, QtFilter(filter), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    }
    QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override
    {
        // The caller decides about the extension and asks about replacing an existing file.
        return QFileDialog::getSaveFileName(parent, title, dir, QtFilter(filter), nullptr,
                                            QFileDialog::DontUseNativeDialog |
                                                QFileDialog::DontConfirmOverwrite);
    }
    QString ExistingDirectory(QWidget* parent, const QString& title, const QString& dir) override
    {
        return QFileDialog::getExistingDirectory(parent, title, dir,
                                                 QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }
};

DesktopFileDialogs desktopDialogs;
TSwappable<FileDialogService> current(desktopDialogs);

} // namespace

FileDialogService& FileDialogs() { return current.Get(); }

FileDialogService* SetFileDialogService(FileDialogService* service) { return current.Set(service); }
