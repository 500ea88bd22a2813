#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "materials/bodyqueryform.h"
#include "materials/fiber.h"
#include "materials/fiberqueryform.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/radiogroup.h"
#include "wearer/definebodyfrm.h"
#include "wearer/physiologyfrm.h"

namespace {

using BodyDialogTest = AppTest;

// Opens the body dialog from its step button and runs the script while it is shown; the
// dialog's result (mrNone while it stays open).
int RunBodyDialog(const std::function<void()>& script)
{
    return RunModal(DefineBodyFrm, [] { FurFea->BodyBtnClick(); }, script);
}

void Enter(const QString& weight, const QString& height)
{
    DefineBodyFrm->W_dText->setText(weight);
    DefineBodyFrm->HeightText->setText(height);
}

bool Shows(const QPixmap& picture)
{
    return DefineBodyFrm->Image1->pixmap().toImage() == picture.toImage();
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
    EXPECT_TRUE(b.IsMale && !b.IsFemale);
    EXPECT_EQ(b.Age, 1);
    EXPECT_EQ(b.Race, 4);
    // Confirming the body without ever opening the physiology brings its defaults.
    EXPECT_DOUBLE_EQ(b.T_sk, 33 + 273.16);
    EXPECT_TRUE(FurFea->Case.BodyDefined);
}

TEST_F(BodyDialogTest, WeightAndHeightMustBeNumbersAboveZero)
{
    struct Case {
        const char* weight;
        const char* height;
        QStringList refused;
        bool typed;  // the height typed key by key rather than set
    };
    const Case cases[] = {
        {"0", "", {"Weight", "Height"}, false},
        {"70", "-1", {"Height"}, false},
        {"70kg", "1.75.0", {"Weight", "Height"}, false},
        {"70", "1e999", {"Height"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.weight) + " / " + c.height);
        FurFea->Case.Body = BodyParameters{};
        FurFea->Case.Body.W_d = 12345;  // what an earlier OK left
        FurFea->Case.BodyDefined = true;
        MessageRecorder messages;
        for (const QString& name : c.refused)
            messages.Expect(InputError(name), "Input Error");
        const int result = RunBodyDialog([&] {
            Enter(c.weight, c.typed ? "" : c.height);
            if (c.typed)
                QTest::keyClicks(DefineBodyFrm->HeightText, c.height);
            ASSERT_EQ(DefineBodyFrm->HeightText->text(), c.height);
            DefineBodyFrm->OKBtn->click();
        });
        EXPECT_EQ(result, mrNone);  // the dialog stays open
        EXPECT_FALSE(FurFea->Case.BodyDefined);
        EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 12345);
    }
}

TEST_F(BodyDialogTest, SkinHumidityOutOfRangeKeepsTheBodyUnconfirmed)
{
    PhysiologyFrm->DefaultClick();
    PhysiologyFrm->Defined = true;  // as after an earlier confirmation
    PhysiologyFrm->RH_skinEdit->setText("100.5");
    {
        MessageRecorder messages;
        messages.Expect(InputError("RH_skin"), "Input Error");
        const int result = RunBodyDialog([] {
            Enter("70", "175");
            DefineBodyFrm->OKBtn->click();
        });
        EXPECT_EQ(result, mrNone);
    }
    EXPECT_FALSE(FurFea->Case.BodyDefined);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.W_d, 0);

    // The typed edits stay, so the humidity can be mended; 100 % is the top of the range.
    PhysiologyFrm->RH_skinEdit->setText("100");
    MessageRecorder messages;
    EXPECT_EQ(RunBodyDialog([] { DefineBodyFrm->OKBtn->click(); }), mrOk);
    EXPECT_DOUBLE_EQ(FurFea->Case.Body.RH_sk, 1.0);
}

TEST_F(BodyDialogTest, LoadingShowsTheSexOfTheFileWithoutCountingAChange)
{
    BodyParameters body;
    body.W_d = 80000;

    DefineBodyFrm->RadioGroup1->Button(0)->click();  // the user chose Male before loading
    ASSERT_TRUE(DefineBodyFrm->SexChanged);
    DefineBodyFrm->Defined = false;
    body.IsFemale = true;
    DefineBodyFrm->PutBodyValue(body);
    EXPECT_FALSE(DefineBodyFrm->SexChanged);
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
        EXPECT_EQ(DefineBodyFrm->IsMale, f.shown == 0);
        EXPECT_EQ(DefineBodyFrm->IsFemale, f.shown == 1);
        EXPECT_TRUE(Shows(f.shown == 0 ? DefineBodyFrm->MalePicture : DefineBodyFrm->FemalePicture));
        EXPECT_FALSE(DefineBodyFrm->SexChanged);
    }
}

std::string BodySection()
{
    std::ostringstream out;
    WriteBodySection(out, FurFea->Case);
    return out.str();
}

TEST_F(BodyDialogTest, LoadedBodyRoundTripsThroughBothDialogsIntoTheSameFileText)
{
    // A body as a file brings it: every physiological value off its default, signed firing
    // rates, the area that belongs to weight and height.
    CaseModel original;
    SetGoldenBody(original);
    BodyParameters& b = original.Body;
    b.A_d = DuBoisArea(70, 175);
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

TEST_F(BodyDialogTest, TheChoicesTakeEffectOnOkOnlyAndAnyOtherCloseShowsThemAsOpened)
{
    // A man in one garment, an adult of race 4.
    const std::string text = GoldenFile("case_saved.sdf");
    QTemporaryDir folder;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(text, folder.filePath("case.sdf")));
    ASSERT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), 0);
    ASSERT_EQ(DefineBodyFrm->RadioGroup2->ItemIndex(), 1);
    MessageRecorder messages;
    EXPECT_EQ(RunBodyDialog([] {
                  DefineBodyFrm->RadioGroup1->Button(1)->click();
                  DefineBodyFrm->RadioGroup2->Button(2)->click();
                  DefineBodyFrm->HeightText->setText("160");
                  DefineBodyFrm->Button2->click();
              }),
              mrCancel);
    EXPECT_TRUE(FurFea->Case.ClothingDefined);
    EXPECT_EQ(SavedLines().join("\r\n").toStdString(), text);

    // Reopened it shows the case's wearer; the close box does what Cancel does.
    RunBodyDialog([] {
        EXPECT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), 0);
        EXPECT_EQ(DefineBodyFrm->RadioGroup2->ItemIndex(), 1);
        EXPECT_EQ(DefineBodyFrm->HeightText->text(), "175");
        EXPECT_TRUE(Shows(DefineBodyFrm->MalePicture));
        DefineBodyFrm->RadioGroup1->Button(1)->click();
        DefineBodyFrm->close();
    });
    EXPECT_TRUE(FurFea->Case.ClothingDefined);
    EXPECT_TRUE(FurFea->Case.Body.IsMale);

    // The other sex confirmed undoes the clothing.
    EXPECT_EQ(RunBodyDialog([] {
                  EXPECT_EQ(DefineBodyFrm->RadioGroup1->ItemIndex(), 0);
                  DefineBodyFrm->RadioGroup1->Button(1)->click();
                  DefineBodyFrm->OKBtn->click();
              }),
              mrOk);
    EXPECT_FALSE(FurFea->Case.ClothingDefined);
    EXPECT_TRUE(FurFea->Case.Body.IsFemale && !FurFea->Case.Body.IsMale);
}

TEST_F(BodyDialogTest, ThePhysiologyAndTheDatabaseQueriesOpenFromTheirButtons)
{
    MessageRecorder messages;
    messages.AllowAny();  // whatever the database windows say about their contents
    // The windows that `command` opens; in `dialog`, each of the buttons is clicked.
    auto opened = [](const std::function<void()>& command, TForm* dialog, std::vector<QPushButton*> buttons) {
        return ModalsOpenedBy(command, [&](TForm& form) {
            for (QPushButton* button : &form == dialog ? buttons : std::vector<QPushButton*>{}) {
                EXPECT_TRUE(button->isVisible()) << button->text().toStdString();
                QTest::mouseClick(button, Qt::LeftButton);
            }
        });
    };
    EXPECT_EQ(opened([] { FurFea->BodyBtnClick(); }, DefineBodyFrm, {DefineBodyFrm->Button1, DefineBodyFrm->Database}),
              (std::vector<TForm*>{DefineBodyFrm, PhysiologyFrm, BodyQueryForm}));
    EXPECT_EQ(opened([] { FurFea->Fiber1Click(); }, Fiber, {Fiber->BitBtn1}),
              (std::vector<TForm*>{Fiber, FiberQueryForm}));
}

} // namespace
