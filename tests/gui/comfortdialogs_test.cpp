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

// Each dialog, given defaults and then one bad edit, names it, stays open and
// stores none of its rows, not even those read before the bad one.
TEST_F(CaseRecordsTest, ARefusedEditKeepsTheDialogOpenAndStoresNothing)
{
    FiringRateCoefficients before;
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        before[slot] = slot + 0.25;
    FurFea->Case.FiringRate = before;
    struct Refusal {
        TForm* Form;
        std::function<void()> Open;
        QPushButton* Default;
        QLineEdit* Edit;
        QString Text;
        QPushButton* Ok;
        std::vector<std::pair<QString, QString>> Messages;
        std::function<bool()> Stored;
    };
    const CaseModel& m = FurFea->Case;
    const Refusal refusals[] = {
        {ComfortPFrm, [] { ComfortPFrm->ShowModal(); }, ComfortPFrm->Default, ComfortPFrm->Cold_Core_CText2, "",
         ComfortPFrm->btnExit, {{"Input Error!", "Input Error"}},
         [&] { return m.FiringRate.Values != before.Values; }},
        {RoomFrm, [] { RoomFrm->ShowModal(); }, RoomFrm->Default, RoomFrm->txtDensity, "  ", RoomFrm->OKBtn,
         {{"Air Density is not correct! Please input it again.", "Input Error"}, {"No room is defined!", "Information"}},
         [&] { return m.Room.Volume != 0 || m.RoomDefined; }},
        {InitialFrm, [] { FurFea->InitialConditionClick(); }, InitialFrm->Default, InitialFrm->EnRHText, "120",
         InitialFrm->OKBtn, {{InputError("Inner Environment Relative Humidity"), "Input Error"}},
         [&] { return m.Initial.InnerTemperature != 0 || m.InitialDefined; }},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.Edit->objectName().toStdString());
        MessageRecorder messages;
        for (const auto& [text, caption] : r.Messages)
            messages.Expect(text, caption);
        const int result = RunModal(r.Form, r.Open, [&] {
            r.Default->click();
            r.Edit->setText(r.Text);
            r.Ok->click();
            if (r.Form == RoomFrm) {  // the room dialog puts the cursor back into the failing edit
                EXPECT_EQ(r.Form->focusWidget(), r.Edit);
            }
        });
        EXPECT_EQ(result, mrNone);
        EXPECT_FALSE(r.Stored());
    }

    // Help closes without reading the edits, now complete.
    int result = RunModal(ComfortPFrm, [] { FurFea->Parameters1Click(); }, [] {
        ComfortPFrm->Cold_Core_CText2->setText("7");
        ComfortPFrm->BitBtn1->click();
    });
    EXPECT_EQ(result, mrNo);
    EXPECT_EQ(m.FiringRate.Values, before.Values);

    // Once mended, the initial condition is stored in kelvin and as a fraction.
    result = RunModal(InitialFrm, [] { FurFea->InitialConditionClick(); }, [] {
        InitialFrm->EnRHText->setText("65");
        InitialFrm->EnTemperatureText2->setText("-10");
        InitialFrm->OKBtn->click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_DOUBLE_EQ(m.Initial.OuterTemperature, 263.16);
    EXPECT_DOUBLE_EQ(m.Initial.InnerRH, 0.65);
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
