#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <vector>

#include "app/furfea.h"
#include "app/startup.h"
#include "app/windows.h"
#include "materials/fabriclayerfrm.h"
#include "toolkit/application.h"
#include "toolkit/forms.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/activityfrm.h"
#include "wearer/boudarycd.h"
#include "wearer/controlfrm.h"
#include "wearer/definebodyfrm.h"

namespace {

// Records which forms a handler runs modally and closes each at once.
class ModalLog {
public:
    ModalLog()
        : Hook([this](TForm& form) {
              Opened.push_back(&form);
              return int(mrCancel);
          })
    {
    }
    std::vector<TForm*> Opened;

private:
    ScopedModalHook Hook;
};

class MainWindowTest : public AppTest {};

bool SamePicture(const QIcon& icon, const QPixmap& picture)
{
    return icon.pixmap(picture.size()).toImage() == picture.toImage();
}

TEST_F(MainWindowTest, CreatesTheFortyThreeWindowsWithTheMainWindowFirst)
{
    const std::vector<QWidget*> windows = ApplicationWindows();
    ASSERT_EQ(windows.size(), 43u);
    EXPECT_EQ(windows[0], FurFea);
    EXPECT_EQ(MainForm(), FurFea);
    for (QWidget* w : windows)
        ASSERT_NE(w, nullptr);
    EXPECT_EQ(windows[17]->objectName(), "FrmMain");
    EXPECT_EQ(windows[42]->objectName(), "OpenLinkFrm");
    EXPECT_EQ(FurFea->windowTitle(), "Vantora1.34");
    EXPECT_EQ(FurFea->Case.ModelCode, 1);
    EXPECT_GT(FurFea->Case.ScreenHeight, 0);
}

TEST_F(MainWindowTest, ShowsTheCaseFolderAndTheVisibleToolButtonsOnly)
{
    auto* panel = Control<QLabel>(FurFea, "StatusPanel0");
    FurFea->Case.SetCaseDir(AppDir().toStdString());
    FurFea->ShowCaseDir();
    EXPECT_EQ(panel->text(), "Files are saved to " + QString::fromStdString(FurFea->Case.CaseDir()));
    EXPECT_TRUE(QString::fromStdString(FurFea->Case.CaseDir()).endsWith('/'));
    auto visible = [](QToolButton* b) {
        for (QAction* a : b->parentWidget()->actions())
            if (qobject_cast<QToolBar*>(b->parentWidget())->widgetForAction(a) == b)
                return a->isVisible();
        return false;
    };
    EXPECT_TRUE(visible(FurFea->ToolButton3));
    EXPECT_TRUE(visible(FurFea->ToolButton1));
    EXPECT_TRUE(visible(FurFea->ToolButton2));
    EXPECT_FALSE(visible(FurFea->ToolButton8));
    EXPECT_FALSE(visible(FurFea->ToolButton10));
    EXPECT_FALSE(visible(FurFea->AVI));
    EXPECT_EQ(FurFea->ImageList1.Count(), 14);
    EXPECT_GE(FurFea->ImageList2.Count(), 13);
}

TEST_F(MainWindowTest, TreeHoldsTheStepsInOrder)
{
    const char* texts[] = {"Pre-Processing", "Model ", "Scenario", "Human Body", "Garment",
                           "Boundary Condition", "Control Information"};
    for (int i = 0; i <= 6; ++i) {
        ASSERT_NE(FurFea->TreeNode(i), nullptr);
        EXPECT_EQ(FurFea->TreeNode(i)->text(0), texts[i]);
    }
    EXPECT_EQ(FurFea->TreeNode(7), nullptr);
    EXPECT_TRUE(FurFea->TreeNode(0)->isExpanded());
}

TEST_F(MainWindowTest, HumanBodyNeedsTheThermoregulationModel)
{
    {
        FurFea->Case.ModelCode = 2;
        MessageRecorder messages;
        messages.Expect("You did not choose Human Body Thermoregulation model!", "Information");
        ModalLog log;
        FurFea->DefineBodyClick();
        EXPECT_TRUE(log.Opened.empty());
    }
    for (int code : {1, 3}) {
        FurFea->Case.ModelCode = static_cast<std::uint8_t>(code);
        MessageRecorder messages;
        messages.AllowAny();
        ModalLog log;
        FurFea->BodyBtnClick();
        ASSERT_FALSE(log.Opened.empty());
        EXPECT_EQ(log.Opened[0], DefineBodyFrm);
    }
}

TEST_F(MainWindowTest, OpenersBeforeTheStepsAreConfirmed)
{
    FurFea->Case.ActivityDefined = false;
    FurFea->Case.BoundaryDefined = false;
    FurFea->Case.Activity.ScheduleChanged = false;
    BoudaryCD->StageListBox->clear();
    {
        ModalLog log;
        FurFea->DefineBoundaryCondition1Click();
        ASSERT_EQ(log.Opened.size(), 1u);
        EXPECT_EQ(log.Opened[0], BoudaryCD);
        EXPECT_TRUE(FurFea->Case.BoundaryDefined);
        EXPECT_EQ(BoudaryCD->StageListBox->count(), 0);  // stages not rebuilt
        EXPECT_FALSE(FurFea->Case.StagesShown);
    }
    {
        ModalLog log;
        FurFea->ControlVariable1Click();
        EXPECT_TRUE(log.Opened.empty());
    }
}

TEST_F(MainWindowTest, AChangedScheduleStopsBothOpeners)
{
    FurFea->Case.Activity.ScheduleChanged = true;
    MessageRecorder messages;
    messages.Expect("Please finish the environment definition!", "Information");
    messages.Expect("Please finish the environment definition!", "Information");
    ModalLog log;
    FurFea->DefineBoundaryCondition1Click();
    FurFea->ControlVariable1Click();
    EXPECT_TRUE(log.Opened.empty());
}

TEST_F(MainWindowTest, TreeDoubleClickOpensOnlyBoundaryAndControl)
{
    FurFea->Case.Activity.ScheduleChanged = false;
    FurFea->Case.ActivityDefined = false;
    ModalLog log;
    FurFea->TreeView1->setCurrentItem(FurFea->TreeNode(tnHumanBody));
    FurFea->TreeView1DblClick();
    EXPECT_TRUE(log.Opened.empty());
    FurFea->TreeView1->setCurrentItem(FurFea->TreeNode(tnBoundary));
    FurFea->TreeView1DblClick();
    ASSERT_EQ(log.Opened.size(), 1u);
    EXPECT_EQ(log.Opened[0], BoudaryCD);
}

TEST_F(MainWindowTest, MarkingAStepSwapsTheButtonPicturesAndTheTreePicture)
{
    FurFea->MarkStepDone(stActivity, stEnvironment);
    EXPECT_TRUE(SamePicture(FurFea->ModelBtn->icon(), FurFea->Glyphs[stActivity]));
    EXPECT_TRUE(SamePicture(FurFea->EnvironmentBtn->icon(), FurFea->Glyphs2[stEnvironment]));
    EXPECT_FALSE(SamePicture(FurFea->EnvironmentBtn->icon(), FurFea->Glyphs[stEnvironment]));

    QTreeWidgetItem* body = FurFea->TreeNode(tnHumanBody);
    EXPECT_FALSE(SamePicture(body->icon(0), FurFea->ImageList2.Picture(1)));
    FurFea->MarkTreeNode(tnHumanBody, "Human Body ");
    EXPECT_TRUE(SamePicture(body->icon(0), FurFea->ImageList2.Picture(1)));
    EXPECT_EQ(body->text(0), "Human Body ");
    body->setText(0, "Human Body");
    body->setIcon(0, QIcon());
}

TEST_F(MainWindowTest, NewChangesNothing)
{
    const CaseModel before = FurFea->Case;
    ModalLog log;
    FurFea->ToolButton3Click();
    FurFea->CreateDirectory1Click();
    EXPECT_TRUE(log.Opened.empty());
    EXPECT_EQ(FurFea->Case.Fluids.size(), before.Fluids.size());
    EXPECT_EQ(FurFea->Case.CaseDir(), before.CaseDir());
    EXPECT_EQ(FurFea->Case.ModelCode, before.ModelCode);
}

TEST_F(MainWindowTest, PcmNeedsThePcmModel)
{
    FurFea->Case.ModelCode = 1;
    MessageRecorder messages;
    messages.Expect("You did not choose PCM model!", "Information");
    ModalLog log;
    FurFea->PCM1Click();
    EXPECT_TRUE(log.Opened.empty());
}

TEST_F(MainWindowTest, MissingStepPictureStopsTheStartWithExitStatusOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = AppDir() + "Icon/";
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/Icon"));
    for (const QString& name : QDir(source).entryList({"*.bmp"}, QDir::Files))
        if (name != "who2.bmp") {
            ASSERT_TRUE(QFile::copy(source + name, dir.path() + "/Icon/" + name));
        }

    QWidget* before = FurFea;
    SetAssetRoot(dir.path());
    MessageRecorder messages;
    messages.AllowAny();
    const int status = RunApplication(false);
    SetAssetRoot(QString());
    EXPECT_EQ(status, 1);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_TRUE(messages.Shown[0].Text.contains("Icon/who2.bmp")) << messages.Shown[0].Text.toStdString();
    EXPECT_EQ(FurFea, before);  // the running windows are untouched
}

} // namespace
