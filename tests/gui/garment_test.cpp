// The garment dialog driven as a user does: style pictures clicked, garments selected, fitted,
// moved and deleted; the wearer's sex changed in the body dialog; a case loaded over a list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/furfea.h"
#include "materials/fabriclayerfrm.h"
#include "materials/garmentform.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/unit/casefile_cases.h"
#include "toolkit/application.h"
#include "toolkit/pictures.h"
#include "toolkit/radiogroup.h"
#include "wearer/definebodyfrm.h"

namespace {

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// Runs the garment dialog from its step button with the script while it is shown.
void RunGarmentDialog(const std::function<void()>& script)
{
    RunModal(GarmentForm, [] { FurFea->GarmentBtnClick(); }, script);
}

QWidget* Named(const QString& name) { return Control<QWidget>(GarmentForm, name); }

// Clicks a style picture by its number (1 to 45) and selects it.
void SelectPicture(int number)
{
    const int style = number >= FirstMalePicture ? number - FirstMalePicture : number - 1;
    Click(Named(QString("StyleImage%1").arg(style)));
    GarmentForm->SelectBtn->click();
}

// Every style of the list shows its own picture, numbered from first on.
void ExpectStylePictures(int count, int first)
{
    for (int k = 0; k < count; ++k) {
        const QString file = AssetPath(QString("Style/%1.bmp").arg(first + k));
        EXPECT_TRUE(Control<QLabel>(GarmentForm, QString("StyleImage%1").arg(k))->pixmap().toImage()
                    == LoadPicture(file).toImage())
            << file.toStdString();
    }
}

void Fit(int garment, int item)
{
    Control<TRadioGroup>(GarmentForm, QString("Fitting%1").arg(garment))->Button(item)->click();
}

// The styles or the fits of the listed garments.
template <class Values>
std::vector<typename Values::value_type> Listed(const Values& values)
{
    return {values.begin(), values.begin() + FurFea->Case.GarmentList.GarmentCount};
}
std::vector<int> Styles() { return Listed(FurFea->Case.GarmentList.StyleIndex); }
std::vector<int> Fits() { return Listed(FurFea->Case.GarmentList.Fitting); }
std::vector<double> Coverages() { return Listed(FurFea->Case.GarmentList.Coverage); }

enum { Loose = 0, Just = 1, Tight = 2 };

class GarmentDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        FurFea->Case.ModelCode = 1;
    }
    // The wearer's sex changes through the body dialog's OK.
    void Wearer(int sex)
    {
        RunModal(DefineBodyFrm, [] { FurFea->BodyBtnClick(); }, [sex] {
            DefineBodyFrm->W_dText->setText("70");
            DefineBodyFrm->HeightText->setText("175");
            DefineBodyFrm->RadioGroup1->Button(sex)->click();
            DefineBodyFrm->OKBtn->click();
        });
    }
};

TEST_F(GarmentDialogTest, AMaleWearersListKeepsStylesCoveragesAndFitsWithTheirGarments)
{
    Wearer(0);
    MessageRecorder messages;
    RunGarmentDialog([&] {
        ExpectStylePictures(MaleStyleCount, FirstMalePicture);
        // Select >> adds nothing before a style is picked.
        GarmentForm->SelectBtn->click();
        EXPECT_EQ(FurFea->Case.GarmentList.GarmentCount, 0);

        SelectPicture(32);
        Fit(0, Tight);
        SelectPicture(25);
        Fit(1, Loose);
        SelectPicture(45);
        Fit(2, Just);
        Click(Named("GarmentImage1"));
        GarmentForm->UpBtn->click();
        // The moved garment stays selected: Down and Up again put it back where Up put it.
        GarmentForm->DownBtn->click();
        GarmentForm->UpBtn->click();
        EXPECT_EQ(GarmentForm->SelectedGarment, 0);
        EXPECT_EQ(Styles(), (std::vector<int>{0, 7, 20}));
        EXPECT_EQ(Fits(), (std::vector<int>{Loose + 1, Tight + 1, Just + 1}));
        EXPECT_EQ(Coverages(), (std::vector<double>{0.3, 0.65, 0.9}));
        Click(Named("GarmentImage2"));
        EXPECT_EQ(GarmentForm->CoverLabel->text(), "Coverage(%): 90");
        // The coverage text as the user reads it, without binary noise (0.55 x 100).
        Click(Named("StyleImage17"));
        EXPECT_EQ(GarmentForm->CoverLabel->text(), "Coverage(%): 55");

        // A garment without fit stops "Next  ".
        SelectPicture(42);
        messages.Expect("Please specify the style of the clothing", "Input Error");
        GarmentForm->BitBtn1->click();
        EXPECT_TRUE(GarmentForm->isVisible());
        // Deleting a garment moves the ones after it up with their styles, fits and coverages, and
        // selects the one that took its place; deleting the last selects the one before it.
        Click(Named("GarmentPanel1"));
        GarmentForm->DeleteBtn->click();
        EXPECT_EQ(GarmentForm->SelectedGarment, 1);
        EXPECT_EQ(Styles(), (std::vector<int>{0, 20, 17}));
        EXPECT_EQ(Fits(), (std::vector<int>{Loose + 1, Just + 1, 0}));
        EXPECT_EQ(Coverages(), (std::vector<double>{0.3, 0.9, 0.55}));
        Click(Named("GarmentPanel2"));
        GarmentForm->DeleteBtn->click();
        EXPECT_EQ(GarmentForm->SelectedGarment, 1);

        // A new fit undoes the confirmed clothing; the fit a garment has already does not.
        FurFea->Case.ClothingDefined = true;
        Fit(1, Just);
        EXPECT_TRUE(FurFea->Case.ClothingDefined);
        Fit(1, Tight);
        EXPECT_FALSE(FurFea->Case.ClothingDefined);

        // Up to fifty garments; the fifty-first is refused.
        for (int n = FurFea->Case.GarmentList.GarmentCount; n < MaxGarments; ++n)
            GarmentForm->SelectBtn->click();
        EXPECT_EQ(FurFea->Case.GarmentList.GarmentCount, MaxGarments);
        messages.Expect("At most 50 garments can be worn!", "Information");
        GarmentForm->SelectBtn->click();
        EXPECT_EQ(FurFea->Case.GarmentList.GarmentCount, MaxGarments);
    });

    // An emptied list is reported by "Next  ".
    RunGarmentDialog([&] {
        while (FurFea->Case.GarmentList.GarmentCount > 0) {
            Click(Named("GarmentPanel0"));
            GarmentForm->DeleteBtn->click();
        }
        EXPECT_EQ(GarmentForm->SelectedGarment, -1);
        messages.Expect("you don't select any garment!", "Information");
        GarmentForm->BitBtn1->click();
        // Escape closes as the close box does and lets the picked style go.
        Click(Named("StyleImage6"));
        ASSERT_EQ(GarmentForm->CurrentStyle, 6);
        QTest::keyClick(GarmentForm->focusWidget() ? GarmentForm->focusWidget() : GarmentForm, Qt::Key_Escape);
    });
    EXPECT_FALSE(GarmentForm->isVisible());
    EXPECT_EQ(GarmentForm->CurrentStyle, -1);
}

// Which layers of each garment hold a fabric, in the case or in the layer dialog's rows.
std::vector<std::array<bool, LayersPerGarment>> Filled(const std::vector<GarmentLayerRow>& rows)
{
    std::vector<std::array<bool, LayersPerGarment>> filled;
    for (const GarmentLayerRow& row : rows)
        filled.push_back(row.HasFabric);
    return filled;
}

TEST_F(GarmentDialogTest, OnlyADifferentSexEmptiesTheListAndALoadedListIsKept)
{
    QTemporaryDir folder;
    MessageRecorder messages;
    CaseModel& m = FurFea->Case;
    RunGarmentDialog([] {
        ExpectStylePictures(FemaleStyleCount, 1);
        SelectPicture(4);
        Fit(0, Just);
        SelectPicture(10);
        Fit(1, Tight);
        SelectPicture(12);
        Fit(2, Loose);
    });
    // Dressed as a load leaves the layers: a fabric in another layer of each garment.
    auto tweed = PlainFabric("Tweed");
    tweed->Membranes = {m.Membranes[0], m.Membranes[0]};
    m.Fabrics.push_back(tweed);
    m.Layers.Rows = {Row(m, {{0, "Tweed"}}), Row(m, {{1, "Tweed"}}), Row(m, {{5, "Tweed"}})};
    m.Layers.GarmentCount = 3;
    FabricLayerFrm->BuildLayerGrid();
    const auto dressed = Filled(m.Layers.Rows);
    m.ClothingDefined = true;
    m.ActivityDefined = m.EnvironmentDefined = m.BodyDefined = true;

    // Changing the sex undoes the clothing at once; going back keeps the garments and layers.
    Wearer(0);
    EXPECT_FALSE(m.ClothingDefined);
    Wearer(1);
    RunGarmentDialog([] { EXPECT_EQ(Styles(), (std::vector<int>{3, 9, 11})); });
    EXPECT_EQ(Filled(m.Layers.Rows), dressed);
    EXPECT_EQ(Filled(FabricLayerFrm->Rows), dressed);
    Wearer(0);
    RunGarmentDialog([&] {
        EXPECT_EQ(m.GarmentList.GarmentCount, 0);
        EXPECT_TRUE(m.Layers.Rows.empty());
        EXPECT_TRUE(FabricLayerFrm->Rows.empty());
        SelectPicture(25);
        SelectPicture(26);
        SelectPicture(27);
        Click(Named("GarmentPanel2"));
    });
    ASSERT_EQ(GarmentForm->SelectedGarment, 2);

    // A man's case with one garment: the stale selection must not reach past the list.
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(GoldenFile("case_saved.sdf"), folder.filePath("case.sdf")));
    EXPECT_EQ(GarmentForm->SelectedGarment, -1);
    GarmentForm->UpBtn->click();
    GarmentForm->DownBtn->click();
    GarmentForm->DeleteBtn->click();
    EXPECT_EQ(Styles(), std::vector<int>{3});
    EXPECT_TRUE(FurFea->Case.ClothingDefined);

    // The sex changed by hand before the load does not empty the loaded list.
    RunGarmentDialog([] { EXPECT_EQ(Styles(), std::vector<int>{3}); });
    EXPECT_TRUE(FurFea->Case.ClothingDefined);
}

} // namespace
