#pragma once
// Test doubles for the file choosers and the shell.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "toolkit/filedialogs.h"
#include "toolkit/shell.h"

// Answers each chooser with the next scripted path ("" for Cancel).
class ScriptedFileDialogs : public FileDialogService {
public:
    ScriptedFileDialogs() : Previous(SetFileDialogService(this)) {}
    ~ScriptedFileDialogs() override { SetFileDialogService(Previous); }
    void Answer(const QString& path) { Answers.push_back(path); }
    int Asked = 0;
    QString LastDir;

    QString OpenFileName(QWidget*, const QString&, const QString& dir, const QString&) override { return Next(dir); }
    QString SaveFileName(QWidget*, const QString&, const QString& dir, const QString&) override { return Next(dir); }
    QString ExistingDirectory(QWidget*, const QString&, const QString& dir) override { return Next(dir); }

private:
    QString Next(const QString& dir)
    {
        ++Asked;
        LastDir = dir;
        if (Answers.empty())
            return QString();
        QString a = Answers.front();
        Answers.pop_front();
        return a;
    }
    std::deque<QString> Answers;
    FileDialogService* Previous;
};

// Records what would have been opened or started.
class RecordingShell : public ShellService {
public:
    RecordingShell() : Previous(SetShellService(this)) {}
    ~RecordingShell() override { SetShellService(Previous); }
    std::vector<QString> Opened;
    std::vector<QString> Started;
    bool OpenUrl(const QString& url) override { Opened.push_back(url); return true; }
    bool OpenDocument(const QString& path) override { Opened.push_back(path); return true; }
    bool StartProgram(const QString& program, const QStringList&, const QString&) override
    {
        Started.push_back(program);
        return false;
    }

private:
    ShellService* Previous;
};
