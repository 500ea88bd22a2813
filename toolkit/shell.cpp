#include "toolkit/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "toolkit/service.h"

namespace {

class DesktopShell : public ShellService {
public:
    bool OpenUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }

    bool OpenDocument(const QString& path) override
    {
        if (!QFileInfo::exists(path))
            return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    }

    bool StartProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDir) override
    {
        QString resolved = program;
        if (!program.contains('/')) {
            resolved = QStandardPaths::findExecutable(program);
            if (resolved.isEmpty())
                return false;
        } else if (!QFileInfo(program).isExecutable()) {
            return false;
        }
        return QProcess::startDetached(resolved, arguments, workingDir);
    }
};

DesktopShell desktopShell;
TSwappable<ShellService> current(desktopShell);

} // namespace

ShellService& Shell() { return current.Get(); }

ShellService* SetShellService(ShellService* service) { return current.Set(service); }
