#pragma once
// The project dialog: chooses the case folder (making a new folder in it if wanted) and the
// project file's name.
#include "toolkit/forms.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class TFolderBrowser;

class TDesignateDirFrm : public TForm {
    Q_OBJECT
public:
    explicit TDesignateDirFrm(QWidget* owner = nullptr);

    QGroupBox* GroupBox1;          // "Simulation Directory"
    TFolderBrowser* FolderBrowser;
    QComboBox* DriveComboBox1;     // part of FolderBrowser
    QTreeWidget* DirectoryListBox1;
    QLabel* Label1;
    QLineEdit* FolderNameEdit;
    QToolButton* btnNewFolder;
    QGroupBox* GroupBox2;          // "Simulation Project File"
    QLabel* Label2;
    QLineEdit* FileNameEdit;
    QPushButton* Button1;          // OK
    QPushButton* btnExit;          // Cancel

    // Makes the folder named in FolderNameEdit inside the open one and opens it; throws with
    // "Cannot create " + path + " directory." when it cannot be made.
    void btnNewFolderClick();
    void Button1Click();
    void btnExitClick();
    void CancelBtnClick();
};

extern TDesignateDirFrm* DesignateDirFrm;
