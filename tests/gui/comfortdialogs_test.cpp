#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/furfea.h"
#include "results/io/comforteval.h"
#include "results/thermalcomfortfrm.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/tempfolder.h"
#include "wearer/comfortpfrm.h"
#include "wearer/initialfrm.h"
#include "wearer/roomfrm.h"
#include "wearer/selfheatingfrm.h"

namespace {

using CaseRecordsTest = AppTest;

TEST_F(CaseRecordsTest, ComfortParametersChangeNoSlotUntilAllAreRead)
{
    FiringRateCoefficients before;
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        before[slot] = slot + 0.25;
    FurFea->Case.FiringRate = before;
    MessageRecorder messages;
    messages.Expect("Input Error!", "Input Error");
    int result = RunModal(ComfortPFrm, [] { return ComfortPFrm->ShowModal(); }, [] {
        ComfortPFrm->Default->click();
        ComfortPFrm->Cold_Core_CText2->clear();
        ComfortPFrm->btnExit->click();
        EXPECT_TRUE(ComfortPFrm->isVisible());
    });
    EXPECT_EQ(result, mrNone);
    EXPECT_EQ(FurFea->Case.FiringRate.Values, before.Values);

    // Help closes without reading the (now complete) edits.
    result = RunModal(ComfortPFrm, [] { FurFea->Parameters1Click(); return ComfortPFrm->ModalResult(); }, [] {
        ComfortPFrm->Cold_Core_CText2->setText("7");
        ComfortPFrm->BitBtn1->click();
    });
    EXPECT_EQ(result, mrNo);
    EXPECT_EQ(FurFea->Case.FiringRate.Values, before.Values);
}

TEST_F(CaseRecordsTest, RoomNamesTheFailingEditThenSaysNoRoomAndKeepsTheRecord)
{
    MessageRecorder messages;
    messages.Expect("Air Density is not correct! Please input it again.", "Input Error")
        .Expect("No room is defined!", "Information");
    const int result = RunModal(RoomFrm, [] { return RoomFrm->ShowModal(); }, [] {
        RoomFrm->Default->click();
        RoomFrm->txtDensity->setText("  ");
        RoomFrm->OKBtn->click();
        EXPECT_EQ(RoomFrm->focusWidget(), RoomFrm->txtDensity);
    });
    EXPECT_EQ(result, mrNone);
    EXPECT_EQ(FurFea->Case.Room.Volume, 0);  // the rows before the failing one are not stored either
    EXPECT_FALSE(FurFea->Case.RoomDefined);
}

TEST_F(CaseRecordsTest, SelfHeatingPcmValuesFollowTheModel)
{
    MessageRecorder messages;
    // Without a PCM model the PCM control values are locked at 0 and Default keeps them 0.
    FurFea->Case.ModelCode = 1;
    const auto defaultThenOk = [] {
        return RunModal(SelfHeatingFrm, [] { return SelfHeatingFrm->ShowModal(); }, [] {
            SelfHeatingFrm->Default->click();
            SelfHeatingFrm->OKBtn->click();
        });
    };
    EXPECT_EQ(defaultThenOk(), mrOk);
    const SelfHeatingParameters& h = FurFea->Case.SelfHeating;
    EXPECT_EQ(h.ControlTemperatureWithPCM, 0);

    FurFea->Case.ModelCode = 2;
    EXPECT_EQ(defaultThenOk(), mrOk);
    EXPECT_EQ(h.ControlTemperatureWithPCM, 30);
}

TEST_F(CaseRecordsTest, InitialHumidityOutsideAHundredPercentIsRefusedByName)
{
    MessageRecorder messages;
    messages.Expect("The input of Inner Environment Relative Humidity is not correct. Please try it again!",
                    "Input Error");
    auto open = [] { FurFea->InitialConditionClick(); return InitialFrm->ModalResult(); };
    int result = RunModal(InitialFrm, open, [] {
        InitialFrm->Default->click();
        InitialFrm->EnRHText->setText("120");
        InitialFrm->OKBtn->click();
    });
    EXPECT_EQ(result, mrNone);
    EXPECT_EQ(FurFea->Case.Initial.InnerTemperature, 0);
    EXPECT_FALSE(FurFea->Case.InitialDefined);

    result = RunModal(InitialFrm, open, [] {
        InitialFrm->EnRHText->setText("65");
        InitialFrm->EnTemperatureText2->setText("-10");
        InitialFrm->OKBtn->click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_DOUBLE_EQ(FurFea->Case.Initial.OuterTemperature, 263.16);
    EXPECT_DOUBLE_EQ(FurFea->Case.Initial.InnerRH, 0.65);
}

TEST_F(CaseRecordsTest, EvaluateWritesTheComfortFileThenShowsTheComfortWindow)
{
    TempFolder folder;
    FurFea->Case.SetCaseDir(folder.Path().string());
    int shown = 0;
    ScopedModalHook hook([&](TForm& form) {
        shown += &form == ThermalComfortFrm;
        return int(mrOk);
    });
    {
        MessageRecorder messages;
        messages.Expect("the file BodyDataForComfort.dat does not exist!", "Information");
        FurFea->Evaluate1Click();
    }
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "comfort.dat"));

    std::string input = "header\n";
    for (int i = 0; i < ComfortRecordEntries; ++i)
        input += "1\t35\t37\t0.5\t\n";
    folder.Write("BodyDataForComfort.dat", input);
    MessageRecorder messages;  // no message on success
    FurFea->Evaluate1Click();
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "comfort.dat"));
}

} // namespace
