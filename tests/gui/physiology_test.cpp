#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/furfea.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/physiologyfrm.h"

namespace {

class PhysiologyDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        PhysiologyFrm->DefaultClick();
    }
};

// Shows the dialog modally and runs the script while it is shown; the dialog's result
// (mrNone while it stays open).
int RunPhysiologyDialog(const std::function<void()>& script)
{
    return RunModal(PhysiologyFrm, [] { PhysiologyFrm->ShowModal(); }, script);
}

int PressOk()
{
    return RunPhysiologyDialog([] { PhysiologyFrm->OKBtn->click(); });
}

TEST_F(PhysiologyDialogTest, DefaultThenOkStoresWhatTheEditsShowWithTemperaturesInKelvin)
{
    EXPECT_EQ(PhysiologyFrm->Cswr_maxEdit->text(), "0.266666666666667");
    EXPECT_EQ(PhysiologyFrm->Cswr_regEdit->text(), "4.72222222222222E-6");

    MessageRecorder messages;
    EXPECT_EQ(PressOk(), mrOk);
    EXPECT_TRUE(PhysiologyFrm->Defined);
    const BodyParameters& b = FurFea->Case.Body;
    // What the edits show is what is stored: 15 digits of 4/15 and of 1.7e-2/3600.
    EXPECT_DOUBLE_EQ(b.Cswr_max, 0.266666666666667);
    EXPECT_DOUBLE_EQ(b.Cswr_reg, 4.72222222222222E-6);
    EXPECT_DOUBLE_EQ(b.T_sk, 306.16);
    // The wearer's measures are the body dialog's.
    EXPECT_DOUBLE_EQ(b.W_d, 0);
    EXPECT_DOUBLE_EQ(b.T_bmneu, 0);
}

TEST_F(PhysiologyDialogTest, AFaultyEditStoresNothingAndNamesTheEdit)
{
    struct Case {
        QLineEdit* edit;
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {PhysiologyFrm->T_skEdit, "33,5", "T_sk"},
        {PhysiologyFrm->RH_skinEdit, "-0.5", "RH_skin"},
        {PhysiologyFrm->Cold_Core_CText2, "1.2.3", "Cold_Core_C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PhysiologyFrm->DefaultClick();
        c.edit->setText(c.text);
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.FiringRate = FiringRateCoefficients{};
        MessageRecorder messages;
        messages.Expect(InputError(c.name), "Input Error");
        EXPECT_EQ(PressOk(), mrNone);
        // Fields read before the faulty one are not stored either.
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.Cswr_max, 0);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 0);
        EXPECT_DOUBLE_EQ(FurFea->Case.FiringRate[0], 0);
        EXPECT_FALSE(PhysiologyFrm->Defined);
        EXPECT_EQ(c.edit->text(), c.text);
    }
}

TEST_F(PhysiologyDialogTest, CancelReadsNothing)
{
    MessageRecorder messages;
    PhysiologyFrm->T_skEdit->setText("");  // would fail if it were read
    EXPECT_EQ(RunPhysiologyDialog([] { PhysiologyFrm->btnExit->click(); }), mrCancel);
    EXPECT_FALSE(PhysiologyFrm->Defined);
}

} // namespace
