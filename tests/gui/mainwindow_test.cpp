#include <gtest/gtest.h>

#include <QListWidget>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "app/furfea.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/boudarycd.h"
#include "wearer/controlfrm.h"
#include "wearer/definebodyfrm.h"

namespace {

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, CommandsOpenTheirDialogOnlyWhenTheModelAndTheScheduleAllowIt)
{
    struct Row {
        std::uint8_t model;
        bool scheduleChanged;
        void (TFurFea::*command)();
        const char* refusal;
        TForm* opens;
    };
    const char* const unfinished = "Please finish the environment definition!";
    const Row rows[] = {
        {ModelPCM, false, &TFurFea::DefineBodyClick, "You did not choose Human Body Thermoregulation model!", nullptr},
        {ModelBody, false, &TFurFea::PCM1Click, "You did not choose PCM model!", nullptr},
        // Before the steps are confirmed the boundary dialog opens, without stages; the control does not.
        {ModelBody, false, &TFurFea::DefineBoundaryCondition1Click, nullptr, BoudaryCD},
        {ModelBody, false, &TFurFea::ControlVariable1Click, nullptr, nullptr},
        {ModelBody, true, &TFurFea::DefineBoundaryCondition1Click, unfinished, nullptr},
        {ModelBody, true, &TFurFea::ControlVariable1Click, unfinished, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(&r - rows);
        FurFea->Case.ModelCode = r.model;
        FurFea->Case.Activity.ScheduleChanged = r.scheduleChanged;
        MessageRecorder messages;
        if (r.refusal)
            messages.Expect(r.refusal, "Information");
        const auto opened = ModalsOpenedBy([&] { (FurFea->*r.command)(); });
        EXPECT_EQ(opened, r.opens ? std::vector<TForm*>{r.opens} : std::vector<TForm*>{});
    }
    EXPECT_EQ(BoudaryCD->StageListBox->count(), 0);
}

TEST_F(MainWindowTest, TreeDoubleClickOpensOnlyBoundaryAndControl)
{
    // Stages defined, so the control dialog has rows to open with.
    DefineStagedCase(2);
    const std::pair<int, TForm*> nodes[] = {
        {tnHumanBody, nullptr}, {tnGarment, nullptr}, {tnBoundary, BoudaryCD}, {tnControl, ControlFrm}};
    for (const auto& [node, opens] : nodes) {
        SCOPED_TRACE(node);
        QTreeWidgetItem* item = FurFea->TreeNode(node);
        FurFea->TreeView1->setCurrentItem(item);
        const auto opened = ModalsOpenedBy([&] { emit FurFea->TreeView1->itemDoubleClicked(item, 0); });
        EXPECT_EQ(opened, opens ? std::vector<TForm*>{opens} : std::vector<TForm*>{});
    }
}

TEST_F(MainWindowTest, ALeftClickOnATreeNodeOpensItsDialog)
{
    FurFea->Case.ModelCode = ModelBodyAndPCM;
    FurFea->show();
    const QPoint human = FurFea->TreeView1->visualItemRect(FurFea->TreeNode(tnHumanBody)).center();
    const auto opened = ModalsOpenedBy([&] {
        QTest::mouseClick(FurFea->TreeView1->viewport(), Qt::LeftButton, {}, human);
        QTest::mouseClick(FurFea->TreeView1->viewport(), Qt::RightButton, {}, human);
    });
    EXPECT_EQ(opened, std::vector<TForm*>{DefineBodyFrm});
}

TEST_F(MainWindowTest, NewChangesNothing)
{
    const CaseModel before = FurFea->Case;
    EXPECT_TRUE(ModalsOpenedBy([] {
                    FurFea->ToolButton3Click();
                    FurFea->CreateDirectory1Click();
                }).empty());
    EXPECT_EQ(FurFea->Case.Fluids.size(), before.Fluids.size());
    EXPECT_EQ(FurFea->Case.CaseDir(), before.CaseDir());
}

} // namespace
