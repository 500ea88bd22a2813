#include <gtest/gtest.h>

#include <QListWidget>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "app/furfea.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/boudarycd.h"
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
    FurFea->TreeView1->setCurrentItem(FurFea->TreeNode(tnHumanBody));
    EXPECT_TRUE(ModalsOpenedBy([] { FurFea->TreeView1DblClick(); }).empty());
    FurFea->TreeView1->setCurrentItem(FurFea->TreeNode(tnBoundary));
    EXPECT_EQ(ModalsOpenedBy([] { FurFea->TreeView1DblClick(); }), std::vector<TForm*>{BoudaryCD});
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
