#pragma once
// Opening web addresses and documents with the desktop's default handler, and starting
// programs. Replaceable, so tests can see what would have been started.
#include <QString>
#include <QStringList>

class ShellService {
public:
    virtual ~ShellService() = default;
    virtual bool OpenUrl(const QString& url) = 0;
    // Opens a file with the desktop's default application for it.
    virtual bool OpenDocument(const QString& path) = 0;
    // Starts a program (searched on the path when it has no folder) in a working folder.
    virtual bool StartProgram(const QString& program, const QStringList& arguments,
                              const QString& workingDir) = 0;
};

ShellService& Shell();
ShellService* SetShellService(ShellService* service);
