#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

#include "app/furfea.h"
#include "casemodel/firingrate.h"
#include "materials/bodyqueryform.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/forms.h"
#include "wearer/physiologyfrm.h"

namespace {

// The coefficient edits in slot order of FiringRateCoefficients.
const char* const SlotEdits[20] = {
    "Warm_Skin_KsText1", "Warm_Skin_KsText2", "Cold_Skin_KsText1", "Cold_Skin_KsText2",
    "Warm_Skin_KdText1", "Warm_Skin_KdText2", "Cold_Skin_KdText1", "Cold_Skin_KdText2",
    "Warm_Skin_CText1",  "Warm_Skin_CText2",  "Cold_Skin_CText1",  "Cold_Skin_CText2",
    "Warm_Core_KsText1", "Warm_Core_KsText2", "Cold_Core_KsText1", "Cold_Core_KsText2",
    "Warm_Core_CText1",  "Warm_Core_CText2",  "Cold_Core_CText1",  "Cold_Core_CText2",
};
const FiringRateCoefficients DefaultRates = DefaultFiringRates();

class PhysiologyDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        PhysiologyFrm->DefaultClick();
    }
};

QLineEdit* Edit(const char* name) { return Control<QLineEdit>(PhysiologyFrm, name); }

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

QString Message(const QString& name)
{
    return "The input of " + name + " is not correct. Please try it again!";
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
    EXPECT_DOUBLE_EQ(b.T_skneu, 307.26);
    EXPECT_DOUBLE_EQ(b.T_sk, 306.16);
    EXPECT_DOUBLE_EQ(b.RH_sk, 0.354);
    // Each coefficient edit feeds its own slot.
    for (int s = 0; s < 20; ++s) {
        EXPECT_EQ(Edit(SlotEdits[s])->text().toDouble(), DefaultRates[s]) << s;
        EXPECT_DOUBLE_EQ(FurFea->Case.FiringRate[s], DefaultRates[s]) << s;
    }
    // The wearer's measures are the body dialog's.
    EXPECT_DOUBLE_EQ(b.W_d, 0);
    EXPECT_DOUBLE_EQ(b.T_bmneu, 0);
}

TEST_F(PhysiologyDialogTest, ClearEmptiesTheConstantsAndOkNamesTheFirstEmptyEdit)
{
    PhysiologyFrm->btnClear->click();
    for (const char* name : SlotEdits)
        EXPECT_TRUE(Edit(name)->text().isEmpty()) << name;
    EXPECT_TRUE(PhysiologyFrm->Cswr_maxEdit->text().isEmpty());
    EXPECT_EQ(PhysiologyFrm->T_skEdit->text(), "33") << "the wearer's state is not a constant";

    MessageRecorder messages;
    messages.Expect(Message("Cswr_max"), "Input Error");
    EXPECT_EQ(PressOk(), mrNone);
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_FALSE(PhysiologyFrm->Defined);
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
        {PhysiologyFrm->Cbld_diatEdit, "2e", "Cbld_diat"},
        {PhysiologyFrm->RH_skinEdit, "100.5", "RH_skin"},
        {PhysiologyFrm->RH_skinEdit, "-0.5", "RH_skin"},
        {PhysiologyFrm->Cold_Skin_CText2, "", "Cold_Skin_"},
        {PhysiologyFrm->Cold_Core_CText2, "1.2.3", "Cold_Core_C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PhysiologyFrm->DefaultClick();
        c.edit->setText(c.text);
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.FiringRate = FiringRateCoefficients{};
        MessageRecorder messages;
        messages.Expect(Message(c.name), "Input Error");
        EXPECT_EQ(PressOk(), mrNone);
        EXPECT_TRUE(messages.AllConsumed());
        // Fields read before the faulty one are not stored either.
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.Cswr_max, 0);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 0);
        EXPECT_DOUBLE_EQ(FurFea->Case.FiringRate[0], 0);
        EXPECT_FALSE(PhysiologyFrm->Defined);
        EXPECT_EQ(c.edit->text(), c.text);
    }

    PhysiologyFrm->DefaultClick();
    PhysiologyFrm->RH_skinEdit->setText("100");
    MessageRecorder messages;
    EXPECT_EQ(PressOk(), mrOk);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 1.0);
    PhysiologyFrm->RH_skinEdit->setText("0");
    EXPECT_EQ(PressOk(), mrOk);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 0.0);
}

TEST_F(PhysiologyDialogTest, PutThenOkGivesBackTheSameValuesAndCountsAsConfirmed)
{
    // Every value off its default, as a loaded file brings them.
    CaseModel file;
    SetGoldenBody(file);
    const BodyParameters loaded = file.Body;
    for (int s = 0; s < 20; ++s)
        FurFea->Case.FiringRate[s] = DefaultRates[s] + 0.5;
    const FiringRateCoefficients rates = FurFea->Case.FiringRate;

    PhysiologyFrm->PutPhysiologyValue(loaded);
    EXPECT_TRUE(PhysiologyFrm->Defined);
    EXPECT_EQ(PhysiologyFrm->T_skEdit->text(), "33");

    FurFea->Case.Body = BodyParameters{};
    FurFea->Case.FiringRate = FiringRateCoefficients{};
    MessageRecorder messages;
    EXPECT_EQ(PressOk(), mrOk);
    const BodyParameters& b = FurFea->Case.Body;
    const double within15 = 1e-13;
    for (auto field : {&BodyParameters::Cswr_max, &BodyParameters::Cswr_reg, &BodyParameters::Cswr_pow,
                       &BodyParameters::Cshv_reg, &BodyParameters::Cbld_dia, &BodyParameters::Cbld_strt,
                       &BodyParameters::cp_bld, &BodyParameters::Density_bld, &BodyParameters::Vbld_skneu,
                       &BodyParameters::Vbld_skmax, &BodyParameters::Vbld_skmin, &BodyParameters::T_skneu,
                       &BodyParameters::T_crneu, &BodyParameters::cp_bm, &BodyParameters::T_sk,
                       &BodyParameters::T_cr, &BodyParameters::RH_sk, &BodyParameters::k_b,
                       &BodyParameters::abs_sk})
        EXPECT_NEAR(b.*field, loaded.*field, std::abs(loaded.*field) * within15);
    for (int s = 0; s < 20; ++s)
        EXPECT_DOUBLE_EQ(FurFea->Case.FiringRate[s], rates[s]) << s;
    EXPECT_DOUBLE_EQ(b.W_d, 0);  // not the physiology's to write
}

TEST_F(PhysiologyDialogTest, CancelReadsNothingAndTheDatabaseButtonOpensTheBodyQuery)
{
    MessageRecorder messages;
    PhysiologyFrm->T_skEdit->setText("");  // would fail if it were read
    EXPECT_EQ(RunPhysiologyDialog([] { PhysiologyFrm->btnExit->click(); }), mrCancel);
    EXPECT_FALSE(PhysiologyFrm->Defined);

    std::vector<TForm*> opened;
    ScopedModalHook hook([&](TForm& form) {
        opened.push_back(&form);
        return int(mrCancel);
    });
    PhysiologyFrm->Button1->click();
    EXPECT_EQ(opened, std::vector<TForm*>{BodyQueryForm});
}

} // namespace
