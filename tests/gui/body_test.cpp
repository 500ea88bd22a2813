#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <sstream>

#include "app/furfea.h"
#include "casemodel/bodycalc.h"
#include "casemodel/casefile.h"
#include "casemodel/numformat.h"
#include "materials/bodyqueryform.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/forms.h"
#include "toolkit/radiogroup.h"
#include "wearer/definebodyfrm.h"
#include "wearer/physiologyfrm.h"

namespace {

class BodyDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        FurFea->Case.ModelCode = 1;
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.FiringRate = FiringRateCoefficients{};
        FurFea->Case.BodyDefined = false;
        FurFea->SetStepPicture(stBody, false);
        FurFea->SetStepPicture(stGarment, false);
        FurFea->TreeNode(tnHumanBody)->setIcon(0, QIcon());
        PhysiologyFrm->Defined = false;
        PhysiologyFrm->ClearPhysiologyEdits();
        DefineBodyFrm->W_dText->clear();
        DefineBodyFrm->HeightText->clear();
        DefineBodyFrm->RadioGroup1->SetItemIndex(1);
        DefineBodyFrm->SexChanged = false;
        DefineBodyFrm->RadioGroup2->SetItemIndex(0);
        DefineBodyFrm->RadioGroup3->SetItemIndex(0);
    }

};

// Opens the body dialog from its step button and runs the script while it is shown; the
// dialog's result (mrNone while it stays open).
int RunBodyDialog(const std::function<void()>& script)
{
    ScopedModalHook hook([&](TForm& form) {
        if (&form == DefineBodyFrm)
            script();
        return int(mrNone);
    });
    FurFea->BodyBtnClick();
    return DefineBodyFrm->ModalResult();
}

void Enter(const QString& weight, const QString& height)
{
    DefineBodyFrm->W_dText->setText(weight);
    DefineBodyFrm->HeightText->setText(height);
}

bool SamePicture(const QIcon& icon, const QPixmap& picture)
{
    return icon.pixmap(picture.size()).toImage() == picture.toImage();
}

bool Shows(const QPixmap& picture)
{
    return DefineBodyFrm->Image1->pixmap().toImage() == picture.toImage();
}

QString Message(const QString& name)
{
    return "The input of " + name + " is not correct. Please try it again!";
}

TEST_F(BodyDialogTest, OkStoresTheWearerWithDuBoisAreaAndDefaultPhysiologyAndAdvancesTheSteps)
{
    MessageRecorder messages;
    const int result = RunBodyDialog([] {
        Enter("70", "175");
        DefineBodyFrm->RadioGroup1->Button(0)->click();
        DefineBodyFrm->RadioGroup2->Button(1)->click();
        DefineBodyFrm->RadioGroup3->Button(4)->click();
        DefineBodyFrm->OKBtn->click();
    });
    EXPECT_EQ(result, mrOk);
    const BodyParameters& b = FurFea->Case.Body;
    EXPECT_DOUBLE_EQ(b.W_d, 70000);
    EXPECT_NEAR(b.A_d, 18481.43, 0.01);
    EXPECT_DOUBLE_EQ(b.Height, 175);
    EXPECT_TRUE(b.IsMale);
    EXPECT_FALSE(b.IsFemale);
    EXPECT_EQ(b.Age, 1);
    EXPECT_EQ(b.Race, 4);
    // Confirming the body without ever opening the physiology brings its defaults.
    EXPECT_TRUE(PhysiologyFrm->Defined);
    EXPECT_DOUBLE_EQ(b.T_sk, 33 + 273.16);
    EXPECT_DOUBLE_EQ(b.RH_sk, 0.354);
    EXPECT_DOUBLE_EQ(FurFea->Case.FiringRate[19], -134.65);

    EXPECT_TRUE(FurFea->Case.BodyDefined);
    EXPECT_TRUE(DefineBodyFrm->Defined);
    EXPECT_TRUE(SamePicture(FurFea->BodyBtn->icon(), FurFea->Glyphs[stBody]));
    EXPECT_TRUE(SamePicture(FurFea->GarmentBtn->icon(), FurFea->Glyphs2[stGarment]));
    EXPECT_TRUE(SamePicture(FurFea->TreeNode(tnHumanBody)->icon(0), FurFea->ImageList2.Picture(1)));
}

TEST_F(BodyDialogTest, WeightAndHeightMustBeNumbersAboveZero)
{
    struct Case {
        const char* weight;
        const char* height;
        QStringList refused;
    };
    const Case cases[] = {
        {"", "", {"Weight", "Height"}},
        {"0", "175", {"Weight"}},
        {"70", "0", {"Height"}},
        {"-70", "175", {"Weight"}},
        {"70", "-1", {"Height"}},
        {"70kg", "175", {"Weight"}},
        {"70", "1.75.0", {"Height"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " / " + c.height);
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.Body.W_d = 12345;  // what an earlier OK left
        FurFea->Case.BodyDefined = true;
        MessageRecorder messages;
        for (const QString& name : c.refused)
            messages.Expect(Message(name), "Input Error");
        const int result = RunBodyDialog([&] {
            Enter(c.weight, c.height);
            DefineBodyFrm->OKBtn->click();
        });
        EXPECT_TRUE(messages.AllConsumed());
        EXPECT_EQ(result, mrNone);  // the dialog stays open
        EXPECT_FALSE(FurFea->Case.BodyDefined);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 12345);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.A_d, 0);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.Height, 0);
    }
}

TEST_F(BodyDialogTest, WeightAndHeightTakeOnlyDigitsAndOnePoint)
{
    for (QLineEdit* edit : {DefineBodyFrm->W_dText, DefineBodyFrm->HeightText}) {
        edit->clear();
        for (QChar c : QString("1-7a5.5.e")) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
        EXPECT_EQ(edit->text(), "175.5") << edit->objectName().toStdString();
    }
}

TEST_F(BodyDialogTest, SkinHumidityOutOfRangeKeepsTheBodyUnconfirmed)
{
    PhysiologyFrm->DefaultClick();
    PhysiologyFrm->Defined = true;  // as after an earlier confirmation
    PhysiologyFrm->RH_skinEdit->setText("100.5");
    {
        MessageRecorder messages;
        messages.Expect(Message("RH_skin"), "Input Error");
        const int result = RunBodyDialog([] {
            Enter("70", "175");
            DefineBodyFrm->OKBtn->click();
        });
        EXPECT_TRUE(messages.AllConsumed());
        EXPECT_EQ(result, mrNone);
    }
    EXPECT_FALSE(FurFea->Case.BodyDefined);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 0);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 0);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.T_sk, 0);
    // The edits the user typed stay, so the humidity can be mended.
    EXPECT_EQ(PhysiologyFrm->RH_skinEdit->text(), "100.5");

    PhysiologyFrm->RH_skinEdit->setText("100");
    MessageRecorder messages;
    EXPECT_EQ(RunBodyDialog([] { DefineBodyFrm->OKBtn->click(); }), mrOk);
    EXPECT_TRUE(FurFea->Case.BodyDefined);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 1.0);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 70000);
}

TEST_F(BodyDialogTest, SexSwitchesFlagsAndPictureAndCountsAsAChange)
{
    TRadioGroup* sex = DefineBodyFrm->RadioGroup1;
    EXPECT_TRUE(Shows(DefineBodyFrm->FemalePicture));

    sex->Button(1)->click();  // the item already shown changes nothing
    EXPECT_FALSE(DefineBodyFrm->SexChanged);

    sex->Button(0)->click();
    EXPECT_TRUE(DefineBodyFrm->SexChanged);
    EXPECT_TRUE(DefineBodyFrm->IsMale);
    EXPECT_FALSE(DefineBodyFrm->IsFemale);
    EXPECT_TRUE(Shows(DefineBodyFrm->MalePicture));

    sex->Button(1)->click();
    EXPECT_TRUE(DefineBodyFrm->SexChanged);
    EXPECT_FALSE(DefineBodyFrm->IsMale);
    EXPECT_TRUE(DefineBodyFrm->IsFemale);
    EXPECT_TRUE(Shows(DefineBodyFrm->FemalePicture));
    EXPECT_FALSE(DefineBodyFrm->MalePicture.toImage() == DefineBodyFrm->FemalePicture.toImage());
}

TEST_F(BodyDialogTest, LoadingShowsTheSexOfTheFileWithoutCountingAChange)
{
    BodyParameters body;
    body.W_d = 80000;
    body.Height = 180;
    body.Age = 2;
    body.Race = 5;

    DefineBodyFrm->RadioGroup1->Button(0)->click();  // the user chose Male before loading
    ASSERT_TRUE(DefineBodyFrm->SexChanged);
    DefineBodyFrm->Defined = false;
    body.IsFemale = true;
    DefineBodyFrm->PutBodyValue(body);
    EXPECT_FALSE(DefineBodyFrm->SexChanged);
    EXPECT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(DefineBodyFrm->W_dText->text(), "80");
    EXPECT_EQ(DefineBodyFrm->HeightText->text(), "180");
    EXPECT_EQ(DefineBodyFrm->RadioGroup2->ItemIndex(), 2);
    EXPECT_EQ(DefineBodyFrm->RadioGroup3->ItemIndex(), 5);
    EXPECT_TRUE(FurFea->Case.BodyDefined);
    EXPECT_EQ(FurFea->TreeNode(tnHumanBody)->text(0), "Human Body ");
    EXPECT_FALSE(DefineBodyFrm->Defined);  // only the dialog's own OK sets it

    // Whatever the file's two flags say, the dialog ends with exactly one sex, the one it shows.
    struct Flags {
        bool male, female;
        int shown;
    };
    for (const Flags f : {Flags{true, true, 1}, Flags{false, false, 0}, Flags{true, false, 0}}) {
        SCOPED_TRACE(std::to_string(f.male) + std::to_string(f.female));
        DefineBodyFrm->IsMale = f.male;  // the loader copies the file's flags first
        DefineBodyFrm->IsFemale = f.female;
        body.IsMale = f.male;
        body.IsFemale = f.female;
        DefineBodyFrm->PutBodyValue(body);
        EXPECT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), f.shown);
        EXPECT_EQ(DefineBodyFrm->IsMale, f.shown == 0);
        EXPECT_EQ(DefineBodyFrm->IsFemale, f.shown == 1);
        EXPECT_TRUE(Shows(f.shown == 0 ? DefineBodyFrm->MalePicture : DefineBodyFrm->FemalePicture));
        EXPECT_FALSE(DefineBodyFrm->SexChanged);
    }
}

TEST_F(BodyDialogTest, HiddenButtonsAndCancel)
{
    EXPECT_TRUE(DefineBodyFrm->Button1->isHidden());
    EXPECT_TRUE(DefineBodyFrm->Database->isHidden());

    std::vector<TForm*> opened;
    ScopedModalHook hook([&](TForm& form) {
        opened.push_back(&form);
        return int(mrCancel);
    });
    DefineBodyFrm->Button1Click();
    DefineBodyFrm->DatabaseClick();
    EXPECT_EQ(opened, (std::vector<TForm*>{PhysiologyFrm, BodyQueryForm}));

    MessageRecorder messages;
    Enter("70", "175");
    EXPECT_EQ(RunBodyDialog([] { DefineBodyFrm->Button2->click(); }), mrCancel);
    EXPECT_FALSE(FurFea->Case.BodyDefined);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 0);
}

std::string BodySection()
{
    std::ostringstream out;
    WriteBodySection(out, FurFea->Case);
    return out.str();
}

TEST_F(BodyDialogTest, LoadedBodyRoundTripsThroughBothDialogsIntoTheSameFileText)
{
    // A body as a file brings it: every physiological value off its default, the area that
    // belongs to weight and height.
    CaseModel original;
    original.BodyDefined = true;
    BodyParameters& b = original.Body;
    b.Cswr_max = 0.3125; b.Cswr_reg = 5.5e-6; b.Cswr_pow = 9.8; b.Cshv_reg = 0.00051234;
    b.Vbld_skmax = 0.0085; b.Vbld_skmin = 6.5e-5; b.Vbld_skneu = 0.00071;
    b.Cbld_dia = 0.025; b.Cbld_strt = 1.5e-5; b.Density_bld = 1.055;
    b.T_skneu = 307.56; b.T_crneu = 310.11; b.T_bmneu = 309.42;
    b.cp_bld = 0.281234; b.cp_bm = 0.8275;
    b.W_d = 68500; b.Height = 171.5; b.A_d = DuBoisArea(68.5, 171.5);
    b.T_sk = 306.45; b.T_cr = 310.21; b.abs_sk = 0.715; b.k_b = 0.000131; b.RH_sk = 0.4125;
    b.IsMale = true; b.IsFemale = false; b.Age = 2; b.Race = 3;
    for (int s = 0; s < 20; ++s)
        original.FiringRate[s] = (s % 2 ? -1 : 1) * (s * 3.25 + 0.125);
    std::ostringstream written;
    WriteBodySection(written, original);
    const std::string text = written.str();

    // As the loader does: read the section, hand the block to the case and to the dialog.
    CaseLineReader in(text);
    CaseFileContents file;
    ReadBodySection(in, file);
    ASSERT_TRUE(file.HasBody);
    FurFea->Case.Body = file.Body;
    FurFea->Case.FiringRate = file.FiringRate;
    DefineBodyFrm->IsMale = FurFea->Case.Body.IsMale;
    DefineBodyFrm->IsFemale = FurFea->Case.Body.IsFemale;
    DefineBodyFrm->PutBodyValue(FurFea->Case.Body);
    EXPECT_EQ(BodySection(), text);  // a save right after the load

    // Only what the dialogs show (and the neutral body-mass temperature they never show) may
    // come back on OK.
    FurFea->Case.Body = BodyParameters{};
    FurFea->Case.Body.T_bmneu = b.T_bmneu;
    FurFea->Case.FiringRate = FiringRateCoefficients{};
    MessageRecorder messages;
    EXPECT_EQ(RunBodyDialog([] { DefineBodyFrm->OKBtn->click(); }), mrOk);
    EXPECT_EQ(BodySection(), text);
}

} // namespace
