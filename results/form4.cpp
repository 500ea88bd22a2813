#include "results/form4.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "results/io/resultfiles.h"
#include "results/plotstate.h"
#include "toolkit/application.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/messages.h"
#include "toolkit/pathlabel.h"

TForm4* Form4 = nullptr;

namespace {

std::filesystem::path FsPath(const QString& folder)
{
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

bool RegularFileIn(const std::filesystem::path& folder, const char* name)
{
    std::error_code ec;
    const std::filesystem::path file = FindFileNoCase(folder, name);
    return !file.empty() && std::filesystem::is_regular_file(file, ec);
}

} // namespace

TForm4::TForm4(QWidget* owner) : TForm(owner)
{
    setObjectName("Form4");
    SetCaption("dir");
    SetClientSize(381, 296);
    SetPosition(TPosition::ScreenCenter);

    FolderBrowser = Named(new TFolderBrowser(this), "FolderBrowser", {8, 8, 180, 230});
    DriveComboBox1 = FolderBrowser->DriveCombo;
    DriveComboBox1->setObjectName("DriveComboBox1");
    DirectoryListBox1 = FolderBrowser->DirectoryList;
    DirectoryListBox1->setObjectName("DirectoryListBox1");

    Label1 = Named(new QLabel(this), "Label1", {8, 244, 365, 18});
    Label3 = Named(new QLabel("Double Click the directrry icon ", this), "Label3", {192, 8, 186, 18});
    Label4 = Named(new QLabel("to choose your data files:", this), "Label4", {192, 26, 186, 18});
    Label5 = Named(new QLabel("======>", this), "Label5", {196, 46, 180, 18});
    Label2 = Named(new QLabel("Data files in this directory:", this), "Label2", {196, 70, 180, 18});
    ListBox1 = Named(new QListWidget(this), "ListBox1", {196, 90, 177, 148});
    // Neither button is the default: Enter in the directory list opens a folder.
    Button1 = Named(new QPushButton("Open", this), "Button1", {196, 264, 84, 26});
    Button1->setAutoDefault(false);
    Button2 = Named(new QPushButton("Cancel", this), "Button2", {289, 264, 84, 26});
    Button2->setAutoDefault(false);
    Edit3 = Named(new QLineEdit(this), "Edit3", {0, 0, 10, 10});
    Edit3->hide();

    connect(FolderBrowser, &TFolderBrowser::DirectoryChanged, this, Guard([this] { DirectoryListBox1Change(); }));
    connect(Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));

    FolderBrowser->SetDirectory(QDir::currentPath());
}

QString TForm4::Directory() const
{
    return FolderBrowser->Directory();
}

void TForm4::ShowFor(ResultFolderReceiver* receiver)
{
    Receiver.Set(receiver);
    Show();
}

void TForm4::FormShow()
{
    DirectoryListBox1Change();
}

void TForm4::DirectoryListBox1Change()
{
    const QString folder = Directory();
    ShowPath(Label1, QString(), folder);
    const FolderProbe probe = ProbeResultFolder(FsPath(folder));
    ListBox1->clear();
    for (const std::string& name : probe.Listed)
        ListBox1->addItem(QFile::decodeName(name.c_str()));
    FabricsFound = probe.FabricsFound;
    FiberFilesFound = probe.FiberFilesFound;
    BodyPropertyFound = probe.BodyPropertyFound;
    ComfortFound = probe.ComfortFound;
}

void TForm4::Button1Click()
{
    ResultFolderReceiver* target = Target();
    const std::filesystem::path folder = FsPath(Directory());
    // The folder is looked at again: files may have come or gone since it was chosen.
    const FolderProbe probe = ProbeResultFolder(folder);
    ResultFolder opened;
    opened.Folder = folder;
    opened.FiberFiles = probe.FiberFiles;
    opened.FiberFilesFound = probe.FiberFilesFound;
    opened.BodyPropertyFound = probe.BodyPropertyFound;
    // Only the first time block is read: the plot reads the chosen layer's rows when it is shown.
    if (probe.FabricsFound)
        opened.Fabrics = FabricLayout::Count(FindFileNoCase(folder, FabricsName));
    const LayerStructure& layers = opened.Fabrics.Layers;
    // An empty "Fabrics.dat", or one whose layers cannot be told, is no better than none; a
    // damaged one gets the fabric file's message.
    if (!layers.Valid) {
        ShowMessage(layers.Damaged ? QString::fromStdString(LayerCountMessage(layers)) : QString(LackOfDataFiles));
        opened.FabricsFound = false;
        if ((target = Target()))
            target->OpenResultFolder(opened);
        return;
    }
    opened.FabricsFound = true;
    LayerCount = layers.Layers;
    Close();
    DataOpened = true;
    if (target)
        target->OpenResultFolder(opened);
    // The simulation data file is only looked for: nothing of it is used.
    if (!RegularFileIn(folder, SimulationName))
        ShowMessage(NoSimulationFile);
}

void TForm4::Button2Click()
{
    Close();
    if (ResultFolderReceiver* target = Target())
        target->RequestRepaint();
}
