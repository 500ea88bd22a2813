#pragma once
// Folder browser: stands in for the desktop toolkit's linked drive chooser, directory list and
// file list. Linux has no drives; the chooser offers the file-system root and the home folder.
// The directory list shows the open folder's ancestors from the drive's root down and, below
// the open folder, its subfolders; a double click (or Enter) opens a folder, or a single click
// where the desktop opens items so (a double click then opens its first click's folder alone).
// The file list is shown only when a mask is given and lists the open folder's files that match
// it, without regard to case.
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

class TFolderBrowser : public QWidget {
    Q_OBJECT
public:
    explicit TFolderBrowser(QWidget* parent = nullptr);

    // The parts, stacked top to bottom; windows give them their own names.
    QComboBox* const DriveCombo;
    QTreeWidget* const DirectoryList;
    QListWidget* const FileList;

    // Puts the directory list and the file list side by side below the drive chooser (for a
    // window that is wider than it is tall).
    void PlaceListsSideBySide();

    // The open folder: absolute, without a trailing separator (except the root "/").
    QString Directory() const { return Folder; }
    // Opens a folder (and the drive it lies on); false, and nothing changes, when there is none.
    bool SetDirectory(const QString& folder);
    // The root of the drive in use: "/" or the home folder.
    QString Drive() const;
    // Reads the open folder again (after a folder or file was made in it).
    void Refresh();

    // Shows the file list with the files matching the masks ("*.dat", or "*.dat;*.txt").
    void ShowFiles(const QString& mask);
    // The full path of the selected file; empty when none is selected.
    QString FileName() const;

signals:
    void DirectoryChanged(const QString& folder);
    void FileChanged(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillDirectoryList();
    void ScrollToCurrent();
    void FillFileList();
    void ShowDrive();
    void DriveChosen(int index);
    void FolderActivated(QTreeWidgetItem* item);

    QString Folder;
    QStringList Masks;
};
