#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include "app/about.h"
#include "app/designatedirfrm.h"
#include "app/furfea.h"
#include "app/iddlg.h"
#include "app/loaddirfrm.h"
#include "app/namedlg.h"
#include "app/openlinkfrm.h"
#include "app/splashform.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "toolkit/folderbrowser.h"

namespace {

using SmallWindowsTest = AppTest;

void PressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void MakeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Keeps the case folder and project name of the shared main window across a test.
class KeepCaseFolder {
public:
    KeepCaseFolder() : Dir(FurFea->Case.CaseDir()), Project(FurFea->Case.ProjectName) {}
    ~KeepCaseFolder()
    {
        FurFea->Case.SetCaseDir(Dir);
        FurFea->Case.ProjectName = Project;
        FurFea->ShowCaseDir();
    }

private:
    std::string Dir;
    std::string Project;
};

TEST_F(SmallWindowsTest, WindowsHaveTheirCaptionsSizesAndFlags)
{
    EXPECT_EQ(NameDlg->windowTitle(), "Dialog");
    EXPECT_EQ(NameDlg->size(), QSize(228, 138));
    EXPECT_EQ(NameDlg->Label1->text(), "Please input a name ");
    EXPECT_EQ(IDDlg->windowTitle(), "ID Input");
    EXPECT_EQ(IDDlg->size(), QSize(199, 135));
    EXPECT_EQ(IDDlg->Label1->text(), "Please input ID: ");
    EXPECT_FALSE(IDDlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(OpenLinkFrm->windowTitle(), "OpenLinkFrm");
    EXPECT_EQ(OpenLinkFrm->size(), QSize(454, 179));
    EXPECT_EQ(OpenLinkFrm->maximumWidth(), QWIDGETSIZE_MAX);  // sizeable
    EXPECT_EQ(DesignateDirFrm->windowTitle(), "Project File");
    EXPECT_EQ(DesignateDirFrm->size(), QSize(275, 345));
    EXPECT_FALSE(DesignateDirFrm->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(DesignateDirFrm->FolderNameEdit->toolTip(), "Please input your new folder name.");
    EXPECT_EQ(DesignateDirFrm->btnNewFolder->toolTip(), "Create new folder");
    EXPECT_EQ(About->windowTitle(), "About Quillon");
    EXPECT_EQ(About->size(), QSize(596, 353));
    EXPECT_TRUE(About->Version->text().contains("1.34"));
    EXPECT_FALSE(About->Image1->pixmap().isNull());
    EXPECT_FALSE(About->Image2->pixmap().isNull());
    EXPECT_EQ(SplashForm->size(), QSize(559, 353));
    EXPECT_TRUE(SplashForm->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(SplashForm->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(SplashForm->Image1->pixmap().isNull());
    EXPECT_EQ(SplashForm->Image1->geometry(), QRect(0, 0, 559, 353));
    EXPECT_EQ(LoadDirFrm->windowTitle(), "LoadDirFrm");
    EXPECT_EQ(LoadDirFrm->size(), QSize(415, 108));
    EXPECT_TRUE(LoadDirFrm->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(LoadDirFrm->LoadDirLabel->text(), "LoadDirLabel");
}

TEST_F(SmallWindowsTest, NameDialogIsEmptyAtEveryShowAndCentredOnTheMainWindowSize)
{
    const QSize oldSize = FurFea->size();
    FurFea->resize(oldSize.width() | 1, oldSize.height() | 1);  // odd sizes: halves truncate
    std::vector<QString> seen;
    QPoint placed;
    int run = 0;
    {
        ScopedModalHook hook([&](TForm&) {
            seen.push_back(NameDlg->Edit1->text());
            placed = NameDlg->pos();
            NameDlg->Edit1->setText("  Wool blend ");
            if (run++ == 0)
                NameDlg->OKBtn->click();
            else
                PressKey(NameDlg, Qt::Key_Escape);
            return mrNone;
        });
        EXPECT_EQ(NameDlg->ShowModal(), mrOk);
        EXPECT_EQ(NameDlg->Name(), "Wool blend");
        EXPECT_EQ(NameDlg->ShowModal(), mrCancel);
    }
    EXPECT_EQ(seen, (std::vector<QString>{"", ""}));
    EXPECT_EQ(placed, QPoint((FurFea->width() - 228) / 2, (FurFea->height() - 138) / 2));
    EXPECT_FALSE(NameDlg->isVisible());
    FurFea->resize(oldSize);

    // The ID dialog empties its edit the same way; Cancel ends with mrCancel.
    IDDlg->Edit1->setText("stale");
    ScopedModalHook hook([&](TForm&) {
        EXPECT_EQ(IDDlg->Edit1->text(), "");
        IDDlg->CancelBtn->click();
        return mrNone;
    });
    EXPECT_EQ(IDDlg->ShowModal(), mrCancel);
}

TEST_F(SmallWindowsTest, LinkWindowOpensTheSimulationServiceAndCloses)
{
    RecordingShell shell;
    EXPECT_EQ(OpenLinkFrm->Label1->text(), "Data file has been saved successfully!");
    EXPECT_EQ(OpenLinkFrm->Label2->text(), QString("Go to simulation: ") + SimulationServiceUrl);
    EXPECT_EQ(OpenLinkFrm->Label2->cursor().shape(), Qt::PointingHandCursor);
    OpenLinkFrm->Show();
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, OpenLinkFrm->Label2->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(OpenLinkFrm->Label2, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, OpenLinkFrm->Label2->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(OpenLinkFrm->Label2, &release);
    EXPECT_EQ(shell.Opened, (std::vector<QString>{SimulationServiceUrl}));
    EXPECT_FALSE(OpenLinkFrm->isVisible());
}

TEST_F(SmallWindowsTest, AboutWindowClosesWithOk)
{
    About->Show();
    ASSERT_TRUE(About->isVisible());
    About->Button1->click();
    EXPECT_FALSE(About->isVisible());
}

TEST_F(SmallWindowsTest, ProjectDialogTakesTheFolderEvenWithoutAFileName)
{
    KeepCaseFolder keep;
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    DesignateDirFrm->FolderBrowser->SetDirectory(tmp.path());
    DesignateDirFrm->FileNameEdit->clear();
    FurFea->Case.ProjectName = "before";

    MessageRecorder messages;
    messages.Expect("Please give a name for the simulation project file", "Information");
    bool stayedOpen = false;
    QString statusText;
    ScopedModalHook hook([&](TForm& form) {
        DesignateDirFrm->Button1->click();
        stayedOpen = form.isVisible();
        statusText = Control<QLabel>(FurFea, "StatusPanel0")->text();
        DesignateDirFrm->FileNameEdit->setText("jacket trial");
        DesignateDirFrm->Button1->click();
        return mrNone;
    });
    FurFea->DesignateDirBtnClick();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(FurFea->Case.CaseDir(), (tmp.path() + "/").toStdString());
    EXPECT_EQ(statusText, "Files are saved to " + tmp.path() + "/");
    EXPECT_EQ(FurFea->Case.ProjectName, "jacket trial");
    EXPECT_FALSE(DesignateDirFrm->isVisible());
}

TEST_F(SmallWindowsTest, ProjectDialogCancelChangesNothing)
{
    KeepCaseFolder keep;
    QTemporaryDir tmp;
    DesignateDirFrm->FolderBrowser->SetDirectory(tmp.path());
    DesignateDirFrm->FileNameEdit->setText("other");
    const std::string dir = FurFea->Case.CaseDir();
    const std::string project = FurFea->Case.ProjectName;
    ScopedModalHook hook([&](TForm&) {
        DesignateDirFrm->btnExit->click();
        return mrNone;
    });
    FurFea->DesignateDirBtnClick();
    EXPECT_EQ(FurFea->Case.CaseDir(), dir);
    EXPECT_EQ(FurFea->Case.ProjectName, project);
    EXPECT_FALSE(DesignateDirFrm->isVisible());
}

TEST_F(SmallWindowsTest, ProjectDialogMakesOneNewFolderInsideTheOpenOne)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    TDesignateDirFrm* frm = DesignateDirFrm;
    frm->FolderBrowser->SetDirectory(tmp.path());

    frm->FolderNameEdit->setText(" run1 ");
    frm->btnNewFolder->click();
    EXPECT_TRUE(QFileInfo(tmp.path() + "/run1").isDir());
    EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path() + "/run1");
    EXPECT_EQ(frm->DirectoryListBox1->currentItem()->text(0), "run1");
    EXPECT_EQ(frm->FolderNameEdit->text(), "");

    // An existing folder, or no name at all (the open folder itself): only the edit empties.
    frm->FolderBrowser->SetDirectory(tmp.path());
    for (const char* name : {"run1", "", "  "}) {
        frm->FolderNameEdit->setText(name);
        frm->btnNewFolder->click();
        EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path()) << name;
        EXPECT_EQ(frm->FolderNameEdit->text(), "") << name;
    }

    // Names that are not one folder inside the open one, and a name taken by a file.
    MakeFile(tmp.path() + "/taken");
    MessageRecorder messages;
    const QStringList refused = {"..", ".", "a/b", "../escape", "a\\b", "taken"};
    for (const QString& name : refused)
        messages.Expect("Cannot create " + tmp.path() + "/" + name + " directory.", "Exception");
    for (const QString& name : refused) {
        frm->FolderNameEdit->setText(name);
        frm->btnNewFolder->click();
        EXPECT_EQ(frm->FolderNameEdit->text(), name);  // the edit keeps the text to correct it
        EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path());
    }
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/a"));
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/../escape"));
    EXPECT_FALSE(QFileInfo(tmp.path() + "/taken").isDir());
    frm->FolderNameEdit->clear();
}

TEST(FolderBrowser, ListsTheOpenFolderAndOpensFoldersByKeyboard)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString root = tmp.path();
    QDir(root).mkdir("Beta");
    QDir(root).mkdir("alpha");
    QDir(root).mkdir(".hidden");
    MakeFile(root + "/notes.txt");

    TFolderBrowser browser;
    QStringList changes;
    QObject::connect(&browser, &TFolderBrowser::DirectoryChanged, [&](const QString& f) { changes << f; });
    EXPECT_FALSE(browser.FileList->isVisibleTo(&browser));
    ASSERT_TRUE(browser.SetDirectory(root + "/"));
    EXPECT_EQ(browser.Directory(), root);
    EXPECT_EQ(changes, QStringList{root});

    // The open folder is the current item; its subfolders (hidden ones left out) hang below it.
    QTreeWidgetItem* current = browser.DirectoryList->currentItem();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->text(0), QFileInfo(root).fileName());
    ASSERT_EQ(current->childCount(), 2);
    EXPECT_EQ(current->child(0)->text(0), "alpha");
    EXPECT_EQ(current->child(1)->text(0), "Beta");
    // The chain above starts at the drive's root.
    QTreeWidgetItem* top = current;
    while (top->parent())
        top = top->parent();
    EXPECT_EQ(top->text(0), browser.Drive());
    EXPECT_EQ(browser.DriveCombo->currentData().toString(), browser.Drive());

    // Enter on a subfolder opens it; Enter on an ancestor goes back up.
    browser.DirectoryList->setCurrentItem(current->child(1));
    PressKey(browser.DirectoryList, Qt::Key_Return);
    EXPECT_EQ(browser.Directory(), root + "/Beta");
    browser.DirectoryList->setCurrentItem(browser.DirectoryList->currentItem()->parent());
    PressKey(browser.DirectoryList, Qt::Key_Return);
    EXPECT_EQ(browser.Directory(), root);

    // A folder that does not exist, or a file, changes nothing.
    changes.clear();
    EXPECT_FALSE(browser.SetDirectory(root + "/missing"));
    EXPECT_FALSE(browser.SetDirectory(root + "/notes.txt"));
    EXPECT_FALSE(browser.SetDirectory(""));
    EXPECT_EQ(browser.Directory(), root);
    EXPECT_TRUE(changes.isEmpty());

    // The drive chooser offers the root and the home folder.
    ASSERT_GE(browser.DriveCombo->count(), 1);
    EXPECT_EQ(browser.DriveCombo->itemData(0).toString(), "/");
    if (browser.DriveCombo->count() == 2) {
        ASSERT_TRUE(browser.SetDirectory(QDir::homePath()));
        EXPECT_EQ(browser.Drive(), QDir::cleanPath(QDir::homePath()));
        EXPECT_EQ(browser.DriveCombo->currentIndex(), 1);
        emit browser.DriveCombo->activated(0);
        EXPECT_EQ(browser.Directory(), "/");
    }
}

TEST(FolderBrowser, FileListShowsMatchingFilesWithoutRegardToCase)
{
    QTemporaryDir tmp;
    const QString root = tmp.path();
    QDir(root).mkdir("sub");
    MakeFile(root + "/Fabrics.DAT");
    MakeFile(root + "/body.dat");
    MakeFile(root + "/notes.txt");

    TFolderBrowser browser;
    browser.ShowFiles("*.dat");
    EXPECT_TRUE(browser.FileList->isVisibleTo(&browser));
    QStringList files;
    QObject::connect(&browser, &TFolderBrowser::FileChanged, [&](const QString& f) { files << f; });
    ASSERT_TRUE(browser.SetDirectory(root));
    ASSERT_EQ(browser.FileList->count(), 2);
    EXPECT_EQ(browser.FileList->item(0)->text(), "body.dat");
    EXPECT_EQ(browser.FileList->item(1)->text(), "Fabrics.DAT");
    EXPECT_EQ(browser.FileName(), "");

    browser.FileList->item(1)->setSelected(true);
    EXPECT_EQ(browser.FileName(), root + "/Fabrics.DAT");
    EXPECT_EQ(files, QStringList{root + "/Fabrics.DAT"});
    // Another folder drops the selection.
    ASSERT_TRUE(browser.SetDirectory(root + "/sub"));
    EXPECT_EQ(browser.FileList->count(), 0);
    EXPECT_EQ(files.last(), "");
    EXPECT_EQ(browser.FileName(), "");

    browser.ShowFiles("*.txt; *.dat");
    ASSERT_TRUE(browser.SetDirectory(root));
    EXPECT_EQ(browser.FileList->count(), 3);
}

} // namespace
