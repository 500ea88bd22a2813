#include "app/designatedirfrm.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <stdexcept>

#include "dialogbase/workflow.h"
#include "toolkit/application.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/messages.h"

TDesignateDirFrm* DesignateDirFrm = nullptr;

namespace {

// A new folder is made only directly inside the open one.
bool NamesOneFolder(const QString& name)
{
    return name != "." && name != ".." && !name.contains('/') && !name.contains('\\');
}

} // namespace

TDesignateDirFrm::TDesignateDirFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("DesignateDirFrm");
    SetCaption("Project File");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);  // no border icons
    SetClientSize(275, 345);
    SetPosition(TPosition::ScreenCenter);

    GroupBox1 = Named(new QGroupBox("Simulation Directory", this), "GroupBox1", {8, 6, 259, 236});
    FolderBrowser = Named(new TFolderBrowser(GroupBox1), "FolderBrowser", {10, 22, 239, 152});
    DriveComboBox1 = FolderBrowser->DriveCombo;
    DriveComboBox1->setObjectName("DriveComboBox1");
    DirectoryListBox1 = FolderBrowser->DirectoryList;
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    Label1 = Named(new QLabel("New Folder Name:", GroupBox1), "Label1", {10, 180, 239, 18});
    FolderNameEdit = Named(new QLineEdit(GroupBox1), "FolderNameEdit", {10, 200, 207, 26});
    FolderNameEdit->setToolTip("Please input your new folder name.");
    btnNewFolder = Named(new QToolButton(GroupBox1), "btnNewFolder", {223, 200, 26, 26});
    btnNewFolder->setToolTip("Create new folder");
    btnNewFolder->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));

    GroupBox2 = Named(new QGroupBox("Simulation Project File", this), "GroupBox2", {8, 248, 259, 56});
    Label2 = Named(new QLabel("File Name:", GroupBox2), "Label2", {10, 24, 70, 24});
    FileNameEdit = Named(new QLineEdit(GroupBox2), "FileNameEdit", {84, 22, 165, 26});
    FileNameEdit->setToolTip("Please input your new folder name.");

    Button1 = Named(new QPushButton("OK", this), "Button1", {104, 312, 75, 25});
    Button1->setDefault(true);
    btnExit = Named(new QPushButton("Cancel", this), "btnExit", {187, 312, 75, 25});
    btnExit->setAutoDefault(false);

    connect(btnNewFolder, &QToolButton::clicked, this, Guard([this] { btnNewFolderClick(); }));
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(btnExit, &QPushButton::clicked, this, Guard([this] { btnExitClick(); }));

    // The directory list starts in the process's folder, on the drive that holds it.
    FolderBrowser->SetDirectory(QDir::currentPath());
}

void TDesignateDirFrm::btnNewFolderClick()
{
    const QString name = FolderNameEdit->text().trimmed();
    const QString folder = FolderBrowser->Directory();
    const QString path = folder.endsWith('/') ? folder + name : folder + '/' + name;
    const auto refuse = [&path] {
        throw std::runtime_error(("Cannot create " + path + " directory.").toUtf8().toStdString());
    };
    if (!NamesOneFolder(name))
        refuse();
    if (!QFileInfo(path).isDir()) {
        if (!QDir().mkdir(path))
            refuse();
        FolderBrowser->SetDirectory(path);
    }
    FolderNameEdit->clear();
}

void TDesignateDirFrm::Button1Click()
{
    // The folder is taken even when the name is still missing.
    TheCase().SetCaseDir(FolderBrowser->Directory().toStdString());
    ReportStepConfirmed(TCaseStep::CaseFolder);
    const QString name = FileNameEdit->text().trimmed();
    if (name.isEmpty()) {
        AppMessageBox("Please give a name for the simulation project file", "Information", MB_OK);
        return;
    }
    TheCase().ProjectName = name.toStdString();
    Close();
}

void TDesignateDirFrm::btnExitClick()
{
    Close();
}

void TDesignateDirFrm::CancelBtnClick()
{
    Close();
}
