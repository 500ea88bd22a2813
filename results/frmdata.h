#pragma once
// The data window ("Data Settings"): chooses a result folder and loads its result files into the
// 3D player that opened it. The files are read from the chosen folder by name; the process's
// current directory is left alone.
#include <QMetaObject>

#include "results/playerlink.h"
#include "results/windowlink.h"
#include "toolkit/forms.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class TFolderBrowser;

class TFrmData : public TForm {
    Q_OBJECT
public:
    explicit TFrmData(QWidget* owner = nullptr);

    QGroupBox* GroupBox1;           // "Choose Data Directory"
    TFolderBrowser* FolderBrowser;
    QComboBox* DriveComboBox1;      // parts of FolderBrowser
    QTreeWidget* DirectoryListBox1;
    QListWidget* FileListBox1;      // the "*.dat" files of the folder, for looking only
    QLabel* Label1;                 // "Body Data: BodyProperty.dat"
    QLabel* Label2;                 // "Fabric Data: Fabrics.dat"
    QLabel* Label3;                 // "Environment Data: Environment.dat"
    QPushButton* BtnOk;             // "Load Data"
    QPushButton* BtnCancel;         // "Exit"

    // Shows the window modeless for a player: the data load into that player.
    void ShowFor(ResultDataReceiver* player);
    // The player the data would load into; null when it has been closed since.
    ResultDataReceiver* Player() const { return Target.Get(); }

    // Asks, reads "Environment.dat" of the chosen folder and hands over to the player's load.
    void BtnOkClick();
    void BtnCancelClick();

private:
    // Guarded: a player closed while this window is open turns it to null, and the load then
    // does nothing.
    WindowLink<ResultDataReceiver> Target;
    QMetaObject::Connection TargetGone;
};

extern TFrmData* FrmData;
