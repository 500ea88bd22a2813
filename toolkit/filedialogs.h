#pragma once
// Open, save and folder choosers behind one replaceable service, so tests can script them.
// Filters are written as the forms give them: "simulate data file(.sdf)|*.sdf".
#include <QString>

class QWidget;

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Each returns the chosen path, or an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString ExistingDirectory(QWidget* parent, const QString& title, const QString& dir) = 0;
};

FileDialogService& FileDialogs();
FileDialogService* SetFileDialogService(FileDialogService* service);

// "Text(.txt)|*.txt|All|*" becomes "Text(.txt) (*.txt);;All (*)".
QString QtFilter(const QString& filter);
