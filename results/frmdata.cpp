#include "results/frmdata.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "results/io/resultfiles.h"
#include "toolkit/application.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/messages.h"

TFrmData* FrmData = nullptr;

namespace {

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    QLabel* label = Named(new QLabel(text, parent), name, place);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TFrmData::TFrmData(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmData");
    SetCaption("Data Settings");
    SetClientSize(440, 348);
    SetPosition(TPosition::ScreenCenter);

    GroupBox1 = Named(new QGroupBox("Choose Data Directory", this), "GroupBox1", {8, 6, 424, 262});
    FolderBrowser = Named(new TFolderBrowser(GroupBox1), "FolderBrowser", {10, 22, 404, 230});
    FolderBrowser->PlaceListsSideBySide();
    DriveComboBox1 = FolderBrowser->DriveCombo;
    DriveComboBox1->setObjectName("DriveComboBox1");
    DirectoryListBox1 = FolderBrowser->DirectoryList;
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    FileListBox1 = FolderBrowser->FileList;
    FileListBox1->setObjectName("FileListBox1");
    FolderBrowser->ShowFiles("*.dat");

    Label1 = BoldLabel(this, "Label1", "Body Data: BodyProperty.dat", {12, 278, 300, 20});
    Label2 = BoldLabel(this, "Label2", "Fabric Data: Fabrics.dat", {12, 300, 300, 20});
    Label3 = BoldLabel(this, "Label3", "Environment Data: Environment.dat", {12, 322, 300, 20});

    // Neither button is the default: Enter in the directory list opens a folder and must not
    // start a load as well.
    BtnOk = Named(new QPushButton("Load Data", this), "BtnOk", {340, 278, 92, 26});
    BtnOk->setAutoDefault(false);
    BtnCancel = Named(new QPushButton("Exit", this), "BtnCancel", {340, 314, 92, 26});
    BtnCancel->setAutoDefault(false);

    connect(BtnOk, &QPushButton::clicked, this, Guard([this] { BtnOkClick(); }));
    connect(BtnCancel, &QPushButton::clicked, this, Guard([this] { BtnCancelClick(); }));

    FolderBrowser->SetDirectory(QDir::currentPath());
}

void TFrmData::ShowFor(ResultDataReceiver* player)
{
    disconnect(TargetGone);
    Target.Set(player);
    // The window serves its player only: when that player closes, the window goes too.
    if (QObject* object = Target.Object())
        TargetGone = connect(object, &QObject::destroyed, this, [this] { Close(); });
    Show();
}

void TFrmData::BtnOkClick()
{
    if (!Target)
        return;
    if (!Confirm("Load data?"))
        return;
    // The question runs an event loop of its own, in which the player may have been closed.
    if (!Target)
        return;

    // Read by full path from the chosen folder: the process's current directory stays as it is.
    const std::filesystem::path folder(QFile::encodeName(FolderBrowser->Directory()).toStdString());
    const EnvironmentRead environment = ReadEnvironment(folder);
    // A folder whose environment fails loads nothing: the player keeps its earlier results
    // whole rather than old frames under a new environment.
    if (!environment.Ok()) {
        AppMessageBox(QString::fromStdString(environment.Error), "Error");
        return;
    }
    ResultDataReceiver* player = Target.Get();
    // Closed before the load, whose message is then shown over the player alone.
    Close();
    player->LoadResultData(folder, environment.Data);
}

void TFrmData::BtnCancelClick()
{
    Close();
}
