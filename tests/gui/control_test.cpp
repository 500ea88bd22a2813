#include <gtest/gtest.h>

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

// Every edit a value of its own, none of them a default: time step 0.25, save frequency 45,
// sweat accumulation 7.5, thickness grid 11, radius grid 13, and in column i the cover ratio
// 0.1i, heat ratio 0.2i and moisture ratio 0.3i (i counted from 1).
void FillControl()
{
    Dialog().TimeText->setText("0.25");
    Dialog().SaveFreqText->setText("45");
    Dialog().SAEdit->setText("7.5");
    Dialog().FabricGridTxt->setText("11");
    Dialog().FiberGridTxt->setText("13");
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
        "fabric thickness grid : $11$",
        "fabric radius: $13$",
    };
    EXPECT_EQ(LinesAfter(SavedLines(), "TimeStep: $0.25$ Savefrequence: $45$ SweatAccumu: $7.5$", 5),
              expected.join("\n").toStdString());
}

TEST_F(ControlTest, OpeningDefinesTheValuesAndShowsOneColumnPerStage)
{
    DefineStagedCase(3);
    FurFea->Case.ControlDefined = false;
    FurFea->Case.ControlStale = true;
    FurFea->Case.Control.HeatTransferRatio[2] = 0.75;
    OpenControl([] {
        ASSERT_EQ(Dialog().LayerPanels.size(), 3u);
        EXPECT_EQ(Column(2).RatioHeatEdit->text(), "0.75");
        EXPECT_EQ(Column(2).CoverEdit->text(), "0.4") << "the stage builder's cover ratio";
        // Default gives back the five values, not the columns.
        FillControl();
        Dialog().Default->click();
        const QStringList shown = {Dialog().TimeText->text(), Dialog().SaveFreqText->text(), Dialog().SAEdit->text(),
                                   Dialog().FabricGridTxt->text(), Dialog().FiberGridTxt->text(),
                                   Column(2).RatioMassEdit->text()};
        EXPECT_EQ(shown.join(" "), "0.0002 60 2 5 8 0.33");
    });
    EXPECT_TRUE(FurFea->Case.ControlDefined) << "looking counts as defining, even when cancelled";
    EXPECT_FALSE(FurFea->Case.ControlStale);
    EXPECT_FALSE(TreeNodeMarked(tnControl));

    FurFea->Case.Activity.StageCount = 2;
    FurFea->Case.Environment.StageCount = 2;
    FurFea->Case.StagesDirty = true;
    OpenControl([] { EXPECT_EQ(Dialog().ScrollBox1->widget()->findChildren<QLineEdit*>().size(), 6); });
}

// One edit changed from the filled dialog: a refused value names its field and stores nothing;
// the sweat accumulation is taken from 0 to 100 minutes, both ends included (the data-file
// reader refuses any other).
TEST_F(ControlTest, EachRefusalNamesItsFieldAndStoresNothingAndTheSweatAccumulationEndsAreTaken)
{
    struct Case {
        const char* Edit;  // an edit of the upper groups, or of the second stage's column
        const char* Text;
        const char* Refused;  // the name in the message; null: accepted
    };
    const Case cases[] = {
        {"TimeText", "", "Time step"},         {"SaveFreqText", "6O", "Save frequency"},
        {"FiberGridTxt", ".", "Radius Grid"},  {"FabricGridTxt", " ", "Thickness Grid"},
        {"SAEdit", "", "SweatAccumu"},         {"SAEdit", "-0.001", "SweatAccumu"},
        {"SAEdit", "0", nullptr},              {"SAEdit", "100", nullptr},
        {"SAEdit", "100.001", "SweatAccumu"},  {"CoverEdit", "", "ClothingCoverRatio"},
        {"RatioHeatEdit", "0..2", "HeatTransferRatio"}, {"RatioMassEdit", "", "MoistureTransferRatio"},
    };
    DefineStagedCase(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " " + (c.Refused ? c.Refused : "accepted"));
        FurFea->Case.Control.TimeStep = 0.5;
        FurFea->Case.Control.MoistureTransferRatio[1] = 0.9;
        FurFea->Case.Control.SweatAccumulation = 50;
        MessageRecorder messages;
        if (c.Refused)
            messages.Expect(InputError(c.Refused), "Input Error");
        ControlParameters before;
        OpenControl([&c, &before] {
            before = FurFea->Case.Control;
            FillControl();
            QLineEdit* edit = Column(1).CoverEdit->parentWidget()->findChild<QLineEdit*>(c.Edit);
            (edit ? edit : Control<QLineEdit>(ControlFrm, c.Edit))->setText(c.Text);
            Dialog().OKBtn->click();
            EXPECT_EQ(Dialog().isVisible(), c.Refused != nullptr);
        });
        const ControlParameters& stored = FurFea->Case.Control;
        EXPECT_EQ(stored.TimeStep, c.Refused ? before.TimeStep : 0.25);
        EXPECT_EQ(stored.MoistureTransferRatio[1], c.Refused ? before.MoistureTransferRatio[1] : 0.32);
        EXPECT_EQ(stored.SweatAccumulation, c.Refused ? 50 : QString(c.Text).toDouble());
    }
}

} // namespace
