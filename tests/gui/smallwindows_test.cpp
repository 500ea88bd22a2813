#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/designatedirfrm.h"
#include "app/furfea.h"
#include "dialogbase/namedlg.h"
#include "app/openlinkfrm.h"
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

TEST_F(SmallWindowsTest, TheNameDialogIsEmptyAtEveryShow)
{
    std::vector<QString> seen;
    int run = 0;
    {
        ScopedModalHook hook([&](TForm&) {
            seen.push_back(NameDlg->Edit1->text());
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
}

TEST_F(SmallWindowsTest, LinkWindowOpensTheSimulationServiceAndCloses)
{
    RecordingShell shell;
    OpenLinkFrm->Show();
    QTest::mouseClick(OpenLinkFrm->Label2, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(shell.Opened, (std::vector<QString>{SimulationServiceUrl}));
    EXPECT_FALSE(OpenLinkFrm->isVisible());
}

TEST_F(SmallWindowsTest, ProjectDialogTakesTheFolderEvenWithoutAFileName)
{
    QTemporaryDir tmp;
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
    EXPECT_EQ(statusText, "Files are saved to " + tmp.path() + "/");
    EXPECT_EQ(FurFea->Case.ProjectName, "jacket trial");
}

TEST_F(SmallWindowsTest, ProjectDialogMakesOneNewFolderInsideTheOpenOne)
{
    QTemporaryDir tmp;
    TDesignateDirFrm* frm = DesignateDirFrm;
    frm->FolderBrowser->SetDirectory(tmp.path());

    frm->FolderNameEdit->setText(" run1 ");
    frm->btnNewFolder->click();
    EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path() + "/run1");

    // An existing folder, or no name at all (the open folder itself): only the edit empties.
    frm->FolderBrowser->SetDirectory(tmp.path());
    for (const char* name : {"run1", "  "}) {
        frm->FolderNameEdit->setText(name);
        frm->btnNewFolder->click();
        EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path()) << name;
        EXPECT_EQ(frm->FolderNameEdit->text(), "") << name;
    }

    // Names that are not one folder inside the open one, and a name taken by a file.
    MakeFile(tmp.path() + "/taken");
    MessageRecorder messages;
    const QStringList refused = {"..", "../escape", "a\\b", "taken"};
    for (const QString& name : refused)
        messages.Expect("Cannot create " + tmp.path() + "/" + name + " directory.", "Exception");
    for (const QString& name : refused) {
        frm->FolderNameEdit->setText(name);
        frm->btnNewFolder->click();
        EXPECT_EQ(frm->FolderBrowser->Directory(), tmp.path());
    }
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/../escape"));
}

TEST(FolderBrowser, ListsFoldersAndMatchingFilesAndRefusesWhatIsNoFolder)
{
    QTemporaryDir tmp;
    const QString root = tmp.path();
    QDir(root).mkdir("Beta");
    QDir(root).mkdir("alpha");
    QDir(root).mkdir(".hidden");
    MakeFile(root + "/notes.txt");
    MakeFile(root + "/Fabrics.DAT");
    MakeFile(root + "/body.dat");

    TFolderBrowser browser;
    browser.ShowFiles("*.dat");
    QStringList changes, files;
    QObject::connect(&browser, &TFolderBrowser::FileChanged, [&](const QString& f) { files << f; });
    QObject::connect(&browser, &TFolderBrowser::DirectoryChanged, [&](const QString& f) { changes << f; });
    ASSERT_TRUE(browser.SetDirectory(root + "/"));
    EXPECT_EQ(changes, QStringList{root});

    // The open folder is the current item; its subfolders (hidden ones left out) hang below it.
    QTreeWidgetItem* current = browser.DirectoryList->currentItem();
    ASSERT_TRUE(current);
    ASSERT_EQ(current->childCount(), 2);
    EXPECT_EQ(current->child(1)->text(0), "Beta");
    // Files match without regard to case.
    ASSERT_EQ(browser.FileList->count(), 2);
    browser.FileList->item(1)->setSelected(true);
    EXPECT_EQ(browser.FileName(), root + "/Fabrics.DAT");
    EXPECT_EQ(files, QStringList{root + "/Fabrics.DAT"});

    // Enter on a subfolder opens it.
    browser.DirectoryList->setCurrentItem(current->child(1));
    PressKey(browser.DirectoryList, Qt::Key_Return);
    EXPECT_EQ(browser.Directory(), root + "/Beta");
    EXPECT_EQ(files.last(), "") << "another folder drops the selection";
    EXPECT_EQ(browser.FileName(), "");

    // A folder that does not exist, or a file, changes nothing.
    changes.clear();
    EXPECT_FALSE(browser.SetDirectory(root + "/missing"));
    EXPECT_FALSE(browser.SetDirectory(root + "/notes.txt"));
    EXPECT_EQ(browser.Directory(), root + "/Beta");
    EXPECT_TRUE(changes.isEmpty());
}

// Activates an item of a view with one click when asked to, as some desktops are set up.
class ActivationStyle : public QProxyStyle {
public:
    explicit ActivationStyle(bool singleClick) : SingleClick(singleClick) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return SingleClick ? 1 : 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

private:
    bool SingleClick;
};

TEST(FolderBrowser, AClickOrADoubleClickOpensTheFolderUnderThePointerOnce)
{
    // Once "b" is open, its own folder "inner" takes the row where "b" was.
    QTemporaryDir tmp;
    const QString root = tmp.path();
    for (const char* name : {"a", "b/inner", "c"})
        ASSERT_TRUE(QDir(root).mkpath(name));
    for (bool singleClick : {true, false}) {
        TFolderBrowser browser;
        auto* style = new ActivationStyle(singleClick);
        style->setParent(&browser);
        browser.DirectoryList->setStyle(style);
        browser.resize(240, 400);
        browser.show();
        ASSERT_TRUE(browser.SetDirectory(root));
        QStringList changes;
        QObject::connect(&browser, &TFolderBrowser::DirectoryChanged, [&](const QString& f) { changes << f; });
        QTreeWidgetItem* b = browser.DirectoryList->currentItem()->child(1);
        ASSERT_EQ(b->text(0), "b");
        QWidget* rows = browser.DirectoryList->viewport();
        const QPoint at = browser.DirectoryList->visualItemRect(b).center();

        // A double click: the second press and its release come after the first click opened
        // its folder (where one click does) and the list was laid out again.
        QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(rows, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(rows, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(changes.join(", ").toStdString(), (root + "/b").toStdString()) << singleClick;
        EXPECT_EQ(browser.DirectoryList->currentItem()->text(0).toStdString(), "b") << singleClick;

        // Where one click opens a folder, a click of its own opens its row.
        if (singleClick) {
            QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, at);
            EXPECT_EQ(changes.last().toStdString(), (root + "/b/inner").toStdString());
        }
    }
}

} // namespace
