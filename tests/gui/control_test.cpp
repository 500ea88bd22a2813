#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include <QPushButton>
#include <QScrollArea>

#include "wearer/columnpanels.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "wearer/controlfrm.h"

namespace {

class ControlTest : public AppTest {};

TControlFrm& Dialog() { return *ControlFrm; }

TControlLayerPanel& Column(std::size_t i) { return *Dialog().LayerPanels.at(i); }

void OpenControl(const std::function<void()>& script)
{
    Drive(ControlFrm, [] { FurFea->ControlVariable1Click(); }, script);
}

// Time step 0.5, save frequency 30, sweat accumulation 3, thickness grid 5, radius grid 8, and
// in column i the cover ratio 0.1i, heat ratio 0.2i and moisture ratio 0.3i (i counted from 1).
void FillControl()
{
    Dialog().TimeText->setText("0.5");
    Dialog().SaveFreqText->setText("30");
    Dialog().SAEdit->setText("3");
    Dialog().FabricGridTxt->setText("5");
    Dialog().FiberGridTxt->setText("8");
    for (std::size_t i = 0; i < Dialog().LayerPanels.size(); ++i) {
        const QString n = QString::number(i + 1);
        Column(i).CoverEdit->setText("0.1" + n);
        Column(i).RatioHeatEdit->setText("0.2" + n);
        Column(i).RatioMassEdit->setText("0.3" + n);
    }
}

TEST_F(ControlTest, OkStoresEveryValueUnderItsOwnKey)
{
    DefineStagedCase(3);
    OpenControl([] {
        ASSERT_EQ(Dialog().LayerPanels.size(), 3u);
        FillControl();
        Dialog().OKBtn->click();
    });
    EXPECT_TRUE(TreeNodeMarked(tnControl));
    const QStringList expected = {
        "ClothingCoverRatio: $0.11$ MoistureTransferRatio: $0.31$ HeatTransferRatio: $0.21$",
        "ClothingCoverRatio: $0.12$ MoistureTransferRatio: $0.32$ HeatTransferRatio: $0.22$",
        "ClothingCoverRatio: $0.13$ MoistureTransferRatio: $0.33$ HeatTransferRatio: $0.23$",
        "fabric thickness grid : $5$",
        "fabric radius: $8$",
    };
    EXPECT_EQ(LinesAfter(SavedLines(), "TimeStep: $0.5$ Savefrequence: $30$ SweatAccumu: $3$", 5),
              expected.join("\n").toStdString());
}

TEST_F(ControlTest, OpeningDefinesTheValuesAndShowsOneColumnPerStage)
{
    DefineStagedCase(3);
    FurFea->Case.ControlDefined = false;
    FurFea->Case.Control.HeatTransferRatio[2] = 0.75;
    OpenControl([] {
        ASSERT_EQ(Dialog().LayerPanels.size(), 3u);
        EXPECT_EQ(Column(2).RatioHeatEdit->text(), "0.75");
        EXPECT_EQ(Column(2).CoverEdit->text(), "0.4") << "the stage builder's cover ratio";
    });
    EXPECT_TRUE(FurFea->Case.ControlDefined) << "looking counts as defining, even when cancelled";
    EXPECT_FALSE(FurFea->Case.ControlStale);
    EXPECT_FALSE(TreeNodeMarked(tnControl));

    FurFea->Case.Activity.StageCount = 2;
    FurFea->Case.Environment.StageCount = 2;
    FurFea->Case.StagesDirty = true;
    OpenControl([] { EXPECT_EQ(Dialog().ScrollBox1->widget()->findChildren<QLineEdit*>().size(), 6); });
}

TEST_F(ControlTest, ARefusedOkStoresNothing)
{
    DefineStagedCase(2);
    MessageRecorder messages;
    messages.Expect("The input of HeatTransferRatio is not correct. Please try it again!", "Input Error")
        .Expect("The input of SweatAccumu is not correct. Please try it again!", "Input Error");
    OpenControl([] {
        const ControlParameters before = FurFea->Case.Control;
        FillControl();
        Column(1).RatioHeatEdit->clear();
        Dialog().OKBtn->click();
        FillControl();
        Dialog().SAEdit->setText("100.5");  // the reader would not take it back
        Dialog().OKBtn->click();
        EXPECT_TRUE(Dialog().isVisible());
        EXPECT_EQ(FurFea->Case.Control.TimeStep, before.TimeStep);
        EXPECT_EQ(FurFea->Case.Control.ClothingCoverRatio[1], before.ClothingCoverRatio[1]);
    });
}

TEST_F(ControlTest, APastedNegativeSweatAccumulationIsRefused)
{
    DefineStagedCase(1);
    FurFea->Case.Control.SweatAccumulation = 7;
    MessageRecorder messages;
    messages.Expect("The input of SweatAccumu is not correct. Please try it again!", "Input Error");
    OpenControl([] {
        QGuiApplication::clipboard()->setText("-5");
        Dialog().SAEdit->selectAll();
        Dialog().SAEdit->paste();
        ASSERT_EQ(Dialog().SAEdit->text(), "-5");
        Dialog().OKBtn->click();
        EXPECT_TRUE(Dialog().isVisible());
    });
    EXPECT_EQ(FurFea->Case.Control.SweatAccumulation, 7);
    EXPECT_NE(SavedLines().indexOf("TimeStep: $0.0002$ Savefrequence: $60$ SweatAccumu: $7$"), -1);
}

} // namespace
