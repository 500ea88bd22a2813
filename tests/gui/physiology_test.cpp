#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "app/furfea.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "wearer/comfortpfrm.h"
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

enum class Unit { Plain, Celsius, Percent };

// The body edits in reading order; each message names the edit without "Edit".
struct BodyEdit {
    const char* Edit;
    double BodyParameters::*Field;
    Unit Conversion;
};
const BodyEdit BodyEdits[] = {
    {"Cswr_maxEdit", &BodyParameters::Cswr_max, Unit::Plain}, {"Cswr_regEdit", &BodyParameters::Cswr_reg, Unit::Plain},
    {"Cswr_powEdit", &BodyParameters::Cswr_pow, Unit::Plain}, {"Cshv_regEdit", &BodyParameters::Cshv_reg, Unit::Plain},
    {"Cbld_diatEdit", &BodyParameters::Cbld_dia, Unit::Plain}, {"Cbld_strtEdit", &BodyParameters::Cbld_strt, Unit::Plain},
    {"Cp_bldEdit", &BodyParameters::cp_bld, Unit::Plain}, {"Density_bldEdit", &BodyParameters::Density_bld, Unit::Plain},
    {"Vbld_skneuEdit", &BodyParameters::Vbld_skneu, Unit::Plain}, {"Vbld_skmaxEdit", &BodyParameters::Vbld_skmax, Unit::Plain},
    {"Vbld_skminEdit", &BodyParameters::Vbld_skmin, Unit::Plain}, {"T_skneuEdit", &BodyParameters::T_skneu, Unit::Celsius},
    {"T_crneuEdit", &BodyParameters::T_crneu, Unit::Celsius}, {"Cp_bmEdit", &BodyParameters::cp_bm, Unit::Plain},
    {"T_skEdit", &BodyParameters::T_sk, Unit::Celsius}, {"T_crEdit", &BodyParameters::T_cr, Unit::Celsius},
    {"RH_skinEdit", &BodyParameters::RH_sk, Unit::Percent}, {"K_bEdit", &BodyParameters::k_b, Unit::Plain},
    {"Abs_skEdit", &BodyParameters::abs_sk, Unit::Plain},
};

// The coefficient edits by slot: slot 2k is "<site>Text1" and 2k+1 "<site>Text2"; both carry
// the name of their message.
const std::pair<const char*, const char*> SlotSites[] = {
    {"Warm_Skin_Ks", "Warm_Ks"},      {"Cold_Skin_Ks", "Cold_Ks"},      {"Warm_Skin_Kd", "Warm_Skin_Kd"},
    {"Cold_Skin_Kd", "Cold_Skin_Kd"}, {"Warm_Skin_C", "Warm_Skin_C"},   {"Cold_Skin_C", "Cold_Skin_"},
    {"Warm_Core_Ks", "Warm_Core_Ks"}, {"Cold_Core_Ks", "Cold_Core_Ks"}, {"Warm_Core_C", "Warm_Core_C"},
    {"Cold_Core_C", "Cold_Core_C"},
};
QLineEdit* SlotEdit(QWidget* form, int slot)
{
    return Control<QLineEdit>(form, QString("%1Text%2").arg(SlotSites[slot / 2].first).arg(slot % 2 + 1));
}

// Values of their own, none a default and no two alike (so no two fields can be told apart
// by chance); the humidity stays inside 0 .. 100 %.
double BodyValue(std::size_t row) { return 2 + 0.25 * static_cast<double>(row); }
double SlotValue(int slot) { return -1.5 * (slot + 1); }

double Stored(const BodyEdit& e, double typed)
{
    return e.Conversion == Unit::Celsius ? typed + 273.16 : e.Conversion == Unit::Percent ? typed * 0.01 : typed;
}

void FillDistinct()
{
    for (std::size_t i = 0; i < std::size(BodyEdits); ++i)
        Control<QLineEdit>(PhysiologyFrm, BodyEdits[i].Edit)->setText(QString::number(BodyValue(i)));
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        SlotEdit(PhysiologyFrm, slot)->setText(QString::number(SlotValue(slot)));
}

// Whether the case holds the distinct values (true) or still the zeros of a fresh record.
void ExpectStored(bool distinct)
{
    for (std::size_t i = 0; i < std::size(BodyEdits); ++i)
        EXPECT_EQ(FurFea->Case.Body.*BodyEdits[i].Field, distinct ? Stored(BodyEdits[i], BodyValue(i)) : 0)
            << BodyEdits[i].Edit;
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        EXPECT_EQ(FurFea->Case.FiringRate[slot], distinct ? SlotValue(slot) : 0) << slot;
}

TEST_F(PhysiologyDialogTest, CancelReadsNothingAndDefaultThenOkStoresWhatTheEditsShowInKelvin)
{
    MessageRecorder messages;
    PhysiologyFrm->T_skEdit->setText("");  // would fail if it were read
    EXPECT_EQ(RunPhysiologyDialog([] { PhysiologyFrm->btnExit->click(); }), mrCancel);
    EXPECT_FALSE(PhysiologyFrm->Defined);

    PhysiologyFrm->DefaultClick();
    EXPECT_EQ(PhysiologyFrm->Cswr_maxEdit->text(), "0.266666666666667");
    EXPECT_EQ(PhysiologyFrm->Cswr_regEdit->text(), "4.72222222222222E-6");
    EXPECT_EQ(RunPhysiologyDialog([] { PhysiologyFrm->OKBtn->click(); }), mrOk);
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

// Filled with values of their own, every edit is stored in its own field. One edit spoilt
// in the filled dialog is named, and nothing is stored, not even the fields read before it.
// The skin humidity is taken from 0 to 100 %, both ends included.
TEST_F(PhysiologyDialogTest, EveryEditIsStoredInItsOwnFieldAndEachRefusalNamesIt)
{
    struct Case {
        QString Edit, Text, Refused;  // Edit empty: none spoilt; Refused empty: accepted
    };
    std::vector<Case> cases = {
        {"", "", ""},        {"T_skEdit", "33,5", "T_sk"}, {"RH_skinEdit", "-0.001", "RH_skin"},
        {"RH_skinEdit", "0", ""}, {"RH_skinEdit", "100", ""},  {"RH_skinEdit", "100.001", "RH_skin"},
    };
    for (const BodyEdit& e : BodyEdits)
        cases.push_back({e.Edit, "", QString(e.Edit).chopped(4)});
    for (int slot = 0; slot < FiringRateSlotCount; ++slot)
        cases.push_back({SlotEdit(PhysiologyFrm, slot)->objectName(), " ", SlotSites[slot / 2].second});
    for (const Case& c : cases) {
        SCOPED_TRACE((c.Edit + " '" + c.Text + "'").toStdString());
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.FiringRate = FiringRateCoefficients{};
        PhysiologyFrm->Defined = false;
        MessageRecorder messages;
        if (!c.Refused.isEmpty())
            messages.Expect(InputError(c.Refused), "Input Error");
        const int result = RunPhysiologyDialog([&c] {
            FillDistinct();
            if (!c.Edit.isEmpty())
                Control<QLineEdit>(PhysiologyFrm, c.Edit)->setText(c.Text);
            PhysiologyFrm->OKBtn->click();
        });
        EXPECT_EQ(result, c.Refused.isEmpty() ? mrOk : mrNone);
        EXPECT_EQ(PhysiologyFrm->Defined, c.Refused.isEmpty());
        if (c.Edit.isEmpty())
            ExpectStored(true);
        else if (c.Refused.isEmpty())
            EXPECT_EQ(FurFea->Case.Body.RH_sk, c.Text.toDouble() * 0.01);
        else
            ExpectStored(false);
    }
}

// The comfort-parameter dialog edits the same coefficients under the same names. It has one
// message for every edit; Help reads nothing.
TEST_F(PhysiologyDialogTest, TheComfortParameterDialogStoresEachCoefficientInItsOwnSlot)
{
    struct Case {
        int Spoilt;  // the slot emptied, or -1
        QPushButton* Button;
        int Result;
    };
    FurFea->Case.FiringRate = FiringRateCoefficients{};
    for (const Case c : {Case{19, ComfortPFrm->btnExit, mrNone}, Case{0, ComfortPFrm->btnExit, mrNone},
                         Case{-1, ComfortPFrm->BitBtn1, mrNo}, Case{-1, ComfortPFrm->btnExit, mrOk}}) {
        SCOPED_TRACE(c.Spoilt);
        MessageRecorder messages;
        if (c.Spoilt >= 0)
            messages.Expect("Input Error!", "Input Error");
        EXPECT_EQ(RunModal(ComfortPFrm, [] { FurFea->Parameters1Click(); }, [&c] {
                      for (int slot = 0; slot < FiringRateSlotCount; ++slot)
                          SlotEdit(ComfortPFrm, slot)->setText(slot == c.Spoilt ? "" : QString::number(SlotValue(slot)));
                      c.Button->click();
                  }),
                  c.Result);
        for (int slot = 0; slot < FiringRateSlotCount; ++slot)
            EXPECT_EQ(FurFea->Case.FiringRate[slot], c.Result == mrOk ? SlotValue(slot) : 0) << slot;
    }
}

} // namespace
