#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/furfea.h"
#include "materials/pcm.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/casefile_cases.h"
#include "tests/support/appfixture.h"
#include "wearer/definebodyfrm.h"
#include "wearer/modelfrm.h"

namespace {

using ModelTest = AppTest;

// Opens the model dialog from its menu command with the script; the dialogs the command opened.
std::vector<TForm*> Opened(const std::function<void()>& command, const std::function<void()>& script = {})
{
    return ModalsOpenedBy(command, [&](TForm& form) {
        if (&form == ModelFrm && script)
            script();
    });
}

TEST_F(ModelTest, OkWithoutChangesKeepsTheModels)
{
    FurFea->Case.RoomModel = true;
    ASSERT_EQ(FurFea->Case.ModelCode, ModelBody);
    Opened([] { FurFea->DefineModelClick(); }, [] { ModelFrm->OKBtn->click(); });
    EXPECT_EQ(FurFea->Case.ModelCode, ModelBody);
    EXPECT_TRUE(FurFea->Case.RoomModel);
    EXPECT_EQ(Opened([] { FurFea->DefineBodyClick(); }), std::vector<TForm*>{DefineBodyFrm});

    FurFea->Case.ModelCode = ModelBodyAndPCM;
    Opened([] { FurFea->DefineModelClick(); }, [] { ModelFrm->OKBtn->click(); });
    EXPECT_EQ(FurFea->Case.ModelCode, ModelBodyAndPCM);
}

TEST_F(ModelTest, TheBoxesGiveTheCodeUntilTheBoundaryConditionsExist)
{
    Opened([] { FurFea->DefineModelClick(); }, [] {
        ModelFrm->PPTRBox->setChecked(false);
        ModelFrm->PCMBox->setChecked(true);
        ModelFrm->SelfHeatBox->setChecked(true);
        ModelFrm->OKBtn->click();
    });
    EXPECT_EQ(FurFea->Case.ModelCode, ModelPCM);
    EXPECT_TRUE(FurFea->Case.SelfHeatingModel);
    EXPECT_FALSE(FurFea->Case.RoomModel);

    FurFea->Case.BoundaryDefined = true;
    Opened([] { FurFea->DefineModelClick(); }, [] {
        for (QCheckBox* box : {ModelFrm->PPTRBox, ModelFrm->PCMBox, ModelFrm->RoomBox, ModelFrm->SelfHeatBox})
            EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
        ModelFrm->btnExit->click();
    });
    EXPECT_EQ(FurFea->Case.ModelCode, ModelPCM);
}

TEST_F(ModelTest, ALoadedCaseSwitchesOnTheModelsItsFileUses)
{
    Opened([] { FurFea->DefineModelClick(); }, [] {
        ModelFrm->PPTRBox->setChecked(false);
        ModelFrm->RoomBox->setChecked(true);
        ModelFrm->OKBtn->click();
    });
    ASSERT_EQ(FurFea->Case.ModelCode, ModelNone);

    // A body, a fabric with PCM and stages, whose boundary conditions lock the model choice.
    QTemporaryDir folder;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(RichCase().Text(), folder.filePath("rich.sdf")));
    MessageRecorder messages;
    EXPECT_EQ(Opened([] { FurFea->DefineBodyClick(); }), std::vector<TForm*>{DefineBodyFrm});
    EXPECT_EQ(Opened([] { FurFea->PCM1Click(); }), std::vector<TForm*>{::PCM});
    EXPECT_TRUE(FurFea->Case.RoomModel);
}

} // namespace
