#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <vector>

#include "app/furfea.h"
#include "app/startup.h"
#include "toolkit/application.h"
#include "toolkit/forms.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/boudarycd.h"
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

TEST_F(MainWindowTest, HumanBodyAndPcmNeedTheirModels)
{
    struct Refusal {
        std::uint8_t code;
        void (TFurFea::*command)();
        const char* text;
    };
    for (const Refusal& r : {Refusal{2, &TFurFea::DefineBodyClick, "You did not choose Human Body Thermoregulation model!"},
                             Refusal{1, &TFurFea::PCM1Click, "You did not choose PCM model!"}}) {
        FurFea->Case.ModelCode = r.code;
        MessageRecorder messages;
        messages.Expect(r.text, "Information");
        ModalLog log;
        (FurFea->*r.command)();
        EXPECT_TRUE(log.Opened.empty()) << r.text;
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
        EXPECT_EQ(BoudaryCD->StageListBox->count(), 0);  // stages not rebuilt
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

TEST_F(MainWindowTest, AClickOnATreeNodeOpensItsDialog)
{
    FurFea->Case.ModelCode = ModelBodyAndPCM;
    FurFea->show();
    ModalLog log;
    const QRect human = FurFea->TreeView1->visualItemRect(FurFea->TreeNode(tnHumanBody));
    QTest::mouseClick(FurFea->TreeView1->viewport(), Qt::LeftButton, {}, human.center());
    ASSERT_EQ(log.Opened.size(), 1u);
    EXPECT_EQ(log.Opened[0], DefineBodyFrm);
    // Another button opens nothing.
    QTest::mouseClick(FurFea->TreeView1->viewport(), Qt::RightButton, {}, human.center());
    EXPECT_EQ(log.Opened.size(), 1u);
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
}

TEST_F(MainWindowTest, MissingStepPictureStopsTheStartWithExitStatusOne)
{
    QTemporaryDir dir;
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
