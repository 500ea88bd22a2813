// The fabric-layer dialog's OK against the case and the main window, and the clothing chain
// from the garment list to the saved file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/garmentform.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/radiogroup.h"
#include "toolkit/stringgrid.h"

namespace {

QCheckBox* Box(int garment, int layer)
{
    return Control<QCheckBox>(FabricLayerFrm, QString("LayerBox%1_%2").arg(garment).arg(layer));
}

QPushButton* Button(int garment, int layer)
{
    return Control<QPushButton>(FabricLayerFrm, QString("LayerButton%1_%2").arg(garment).arg(layer));
}

bool SamePicture(const QIcon& icon, const QPixmap& picture)
{
    return icon.pixmap(picture.size()).toImage() == picture.toImage();
}

// Runs the layer dialog modally, as the "Garment..." command does, with the script.
void RunLayerDialog(const std::function<void()>& script)
{
    RunModal(FabricLayerFrm, [] { FurFea->Garment1Click(); }, script);
}

class LayerDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        FurFea->Case.ModelCode = 1;
        AddFabrics({"Shell cloth", "Fleece"});
    }

    void AddFabrics(std::initializer_list<const char*> names)
    {
        CaseModel& m = FurFea->Case;
        for (const char* name : names) {
            auto fabric = PlainFabric(name);
            fabric->Membranes = {m.Membranes[0], m.Membranes[0]};
            m.Fabrics.push_back(fabric);
        }
        FabricForm->LoadFabricList(m.Fabrics);
    }

    // A woman's garments with their fits, as the garment dialog leaves them.
    void Garments(std::initializer_list<std::pair<int, int>> stylesAndFits)
    {
        GarmentSet& g = FurFea->Case.GarmentList;
        g.GarmentCount = 0;
        for (const auto& [style, fit] : stylesAndFits) {
            g.StyleIndex[static_cast<std::size_t>(g.GarmentCount)] = style;
            g.Fitting[static_cast<std::size_t>(g.GarmentCount)] = fit;
            ++g.GarmentCount;
        }
        GarmentForm->LoadGarmentList();
    }

    // Ticks a layer and gives it a fabric through its button, as the fabric dialog's OK does.
    void Fill(int garment, int layer, int fabric)
    {
        Box(garment, layer)->setChecked(true);
        Button(garment, layer)->click();
        FabricLayerFrm->SetLayerFabric(FurFea->Case.Fabrics[static_cast<std::size_t>(fabric)]);
    }
};

TEST_F(LayerDialogTest, OkConfirmsOnlyCompleteClothingAndTheStepFollowsIt)
{
    MessageRecorder messages;
    CaseModel& m = FurFea->Case;
    RunLayerDialog([&] {
        messages.Expect("you don't select any garment!", "Information");
        FabricLayerFrm->OKBtn->click();
    });
    EXPECT_FALSE(m.ClothingDefined);

    Garments({{3, 1}, {5, 0}});
    RunLayerDialog([&] {
        // A layer whose box is clear opens no fabric dialog.
        FabricLayerFrm->LayerButtonClick(Button(0, 1));
        EXPECT_FALSE(FabricForm->isVisible());
        Fill(0, 0, 0);
        // Unticking keeps the fabric: the box only enables the button.
        Fill(0, 1, 1);
        Box(0, 1)->setChecked(false);
        EXPECT_FALSE(Button(0, 1)->isEnabled());
    });
    RunLayerDialog([&] {
        // The tick and the fabric came back as they were left.
        EXPECT_TRUE(Box(0, 0)->isChecked());
        // Each refusal the second garment's only fault, and it undoes a confirmed clothing: fits
        // run from loose (the first garment's) to tight, which passes on to the missing fabric.
        const std::pair<int, const char*> refusals[] = {
            {0, "Please specify the style of the clothing"}, {4, "Please specify the style of the clothing"},
            {3, "You do not finish the fabric definition!"}};
        for (const auto& [fit, message] : refusals) {
            m.GarmentList.Fitting[1] = fit;
            m.ClothingDefined = true;
            messages.Expect(message, fit == 3 ? "Information" : "Input Error");
            FabricLayerFrm->OKBtn->click();
            EXPECT_FALSE(m.ClothingDefined) << fit;
            EXPECT_TRUE(m.Layers.Rows.empty()) << fit;
        }
        EXPECT_TRUE(FabricLayerFrm->isVisible());
        // A fabric in the sixth and last layer alone dresses a garment; there is no seventh.
        FabricLayerFrm->CurrentRow = 1;
        for (int layer : {6, 5}) {
            FabricLayerFrm->CurrentLayer = layer;
            FabricLayerFrm->SetLayerFabric(m.Fabrics[static_cast<std::size_t>(layer - 5)]);
        }
        FabricLayerFrm->OKBtn->click();
    });
    EXPECT_TRUE(m.ClothingDefined);
    ASSERT_EQ(m.Layers.Rows.size(), 2u);
    EXPECT_EQ(m.Layers.GarmentCount, 2);
    EXPECT_EQ(m.Layers.Rows[0].Layers[1], m.Fabrics[1]);
    EXPECT_EQ(m.Layers.Rows[1].Layers[5], m.Fabrics[0]);
    EXPECT_TRUE(SamePicture(FurFea->GarmentBtn->icon(), FurFea->Glyphs[stGarment]));

    // Stages built for this clothing keep their edits through an unchanged OK ...
    m.StagesDirty = false;
    RunLayerDialog([] { FabricLayerFrm->OKBtn->click(); });
    EXPECT_FALSE(m.StagesDirty);
    // ... and are rebuilt after another fit.
    RunLayerDialog([&] {
        m.GarmentList.Fitting[0] = 3;
        FabricLayerFrm->OKBtn->click();
    });
    EXPECT_TRUE(m.StagesDirty);

    // Another garment undoes the clothing until the next OK; it comes without layers, the
    // others keep theirs.
    ScopedModalHook hook([](TForm& form) {
        if (&form == GarmentForm) {
            GarmentForm->PanelClick(0);
            GarmentForm->SelectBtn->click();
        }
        return int(mrNone);
    });
    FurFea->GarmentBtnClick();
    EXPECT_FALSE(m.ClothingDefined);
    RunLayerDialog([&] {
        ASSERT_EQ(FabricLayerFrm->Rows.size(), 3u);
        EXPECT_EQ(FabricLayerFrm->Rows[2].HasFabric, (std::array<bool, LayersPerGarment>{}));
        EXPECT_TRUE(Box(0, 0)->isChecked());
        EXPECT_FALSE(Box(2, 0)->isChecked());
    });
}

// The fabric of each layer, one text per garment ("-": no fabric).
std::vector<std::string> Dressing(const std::vector<GarmentLayerRow>& rows)
{
    std::vector<std::string> garments;
    for (const GarmentLayerRow& row : rows) {
        std::string text;
        for (std::size_t j = 0; j < LayersPerGarment; ++j)
            text += (j ? "/" : "") + (row.HasFabric[j] && row.Layers[j] ? row.Layers[j]->Name : std::string("-"));
        garments.push_back(text);
    }
    return garments;
}

// What the layer dialog shows, one text per garment group: the captions of its layer groups and
// a tick ("x") or none (".") per layer box.
std::vector<std::string> Shown()
{
    std::vector<std::string> groups;
    for (int g = 0;; ++g) {
        auto* outer = FabricLayerFrm->findChild<QGroupBox*>(QString("Garment%1").arg(g));
        if (!outer)
            return groups;
        QString text;
        for (QGroupBox* inner : outer->findChildren<QGroupBox*>())
            text += inner->title() + " ";
        for (int j = 0; j < LayersPerGarment; ++j)
            if (auto* box = outer->findChild<QCheckBox*>(QString("LayerBox%1_%2").arg(g).arg(j)))
                text += box->isChecked() ? "x" : ".";
        groups.push_back(text.toStdString());
    }
}

// The garment dialog from its step button, with the script while it is shown.
void RunGarmentDialog(const std::function<void()>& script)
{
    RunModal(GarmentForm, [] { FurFea->GarmentBtnClick(); }, script);
}

void ClickGarment(int garment)
{
    QTest::mouseClick(Control<QWidget>(GarmentForm, QString("GarmentImage%1").arg(garment)), Qt::LeftButton);
}

// A layer dressed as the user does it: tick its box, press its button, pick the fabric in the
// fabric dialog and press OK there, which brings the layer dialog back with `then` while shown.
void Dress(int garment, int layer, int fabric, const std::function<void()>& then = [] {})
{
    if (!Box(garment, layer)->isChecked())
        Box(garment, layer)->click();
    Button(garment, layer)->click();
    ASSERT_TRUE(FabricForm->isVisible());
    ClickItem(FabricForm->FabricListBox, fabric);
    RunModal(FabricLayerFrm, [] { FabricForm->OKBtn->click(); }, then);
}

TEST_F(LayerDialogTest, LayersStayWithTheirGarmentWhenGarmentsMoveGoOrCome)
{
    MessageRecorder messages;
    CaseModel& m = FurFea->Case;
    AddFabrics({"Silk", "Down"});
    enum { ShellCloth, Fleece, Silk, Down };
    RunGarmentDialog([] {
        for (int style : {3, 9, 11}) {
            QTest::mouseClick(Control<QWidget>(GarmentForm, QString("StyleImage%1").arg(style)), Qt::LeftButton);
            GarmentForm->SelectBtn->click();
        }
        for (int g = 0; g < 3; ++g)
            Control<TRadioGroup>(GarmentForm, QString("Fitting%1").arg(g))->Button(2 - g)->click();
        GarmentForm->BitBtn1->click();
    });
    ASSERT_TRUE(FabricLayerFrm->isVisible());
    Dress(0, 0, ShellCloth);
    Dress(0, 2, Fleece);
    Dress(1, 1, Silk);
    Dress(2, 0, Down);
    Dress(2, 1, Fleece, [] { FabricLayerFrm->OKBtn->click(); });
    const std::string a = "Shell cloth/-/Fleece/-/-/-", b = "-/Silk/-/-/-/-", c = "Down/Fleece/-/-/-/-";
    ASSERT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{a, b, c}));
    ASSERT_TRUE(m.ClothingDefined);

    // Moved and moved back: the clothing is confirmed again, and the stages built for it stay.
    m.StagesDirty = false;
    RunGarmentDialog([&] {
        ClickGarment(1);
        GarmentForm->UpBtn->click();
        EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{b, a, c}));
        EXPECT_FALSE(m.ClothingDefined);
        GarmentForm->DownBtn->click();
    });
    RunLayerDialog([] { FabricLayerFrm->OKBtn->click(); });
    EXPECT_TRUE(m.ClothingDefined);
    EXPECT_FALSE(m.StagesDirty);

    RunGarmentDialog([&] {
        ClickGarment(1);
        GarmentForm->UpBtn->click();
        ClickGarment(1);
        GarmentForm->DownBtn->click();
        EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{b, c, a}));
        ClickGarment(1);
        GarmentForm->DeleteBtn->click();
        EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{b, a}));
        QTest::mouseClick(Control<QWidget>(GarmentForm, "StyleImage19"), Qt::LeftButton);
        GarmentForm->SelectBtn->click();
        Control<TRadioGroup>(GarmentForm, "Fitting2")->Button(0)->click();
    });
    const std::string none = "-/-/-/-/-/-";
    EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{b, a, none}));
    EXPECT_FALSE(m.ClothingDefined);
    RunLayerDialog([&] {
        EXPECT_EQ(Shown(), (std::vector<std::string>{"Fabric layer .x.", "Fabric layer x.x", "Fabric layer ..."}));
        EXPECT_EQ(Dressing(FabricLayerFrm->Rows), (std::vector<std::string>{b, a, none}));
        messages.Expect("You do not finish the fabric definition!", "Information");
        FabricLayerFrm->OKBtn->click();
    });
    Dress(2, 2, Down, [] { FabricLayerFrm->OKBtn->click(); });
    EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{b, a, "-/-/Down/-/-/-"}));
    EXPECT_TRUE(m.ClothingDefined);
    EXPECT_TRUE(m.StagesDirty);

    // A garment moved while the fabric dialog chooses for one of its layers gets that fabric.
    Box(1, 1)->click();
    Button(1, 1)->click();
    RunGarmentDialog([] {
        ClickGarment(1);
        GarmentForm->UpBtn->click();
    });
    ClickItem(FabricForm->FabricListBox, Silk);
    RunModal(FabricLayerFrm, [] { FabricForm->OKBtn->click(); }, [] { FabricLayerFrm->OKBtn->click(); });
    EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{"Shell cloth/Silk/Fleece/-/-/-", b, "-/-/Down/-/-/-"}));
}

// Rows with a lower layer (4 to 6) are shown with "Top" and "Bottom" groups, which only have
// boxes for those layers; without such a row, the interactive view.
TEST_F(LayerDialogTest, TheViewOfTheKeptRowsFollowsTheirLowerLayers)
{
    MessageRecorder messages;
    CaseModel& m = FurFea->Case;
    Garments({{3, 2}, {9, 3}});
    // The fourth layer is the first lower one.
    m.Layers.Rows = {Row(m, {{0, "Shell cloth"}, {3, "Fleece"}}), Row(m, {{2, "Fleece"}})};
    m.Layers.GarmentCount = 2;
    FabricLayerFrm->BuildLayerGrid();
    const std::string lower = "Shell cloth/-/-/Fleece/-/-", upper = "-/-/Fleece/-/-/-";

    RunGarmentDialog([] {
        ClickGarment(1);
        GarmentForm->UpBtn->click();
    });
    EXPECT_EQ(Dressing(m.Layers.Rows), (std::vector<std::string>{upper, lower}));
    RunLayerDialog([] {
        EXPECT_EQ(Shown(), (std::vector<std::string>{"Top Bottom ..x...", "Top Bottom x..x.."}));
    });

    RunGarmentDialog([] {
        ClickGarment(1);
        GarmentForm->DeleteBtn->click();
    });
    RunLayerDialog([] {
        EXPECT_EQ(Shown(), std::vector<std::string>{"Fabric layer ..x"});
        FabricLayerFrm->OKBtn->click();
    });
    EXPECT_EQ(Dressing(m.Layers.Rows), std::vector<std::string>{upper});
    EXPECT_TRUE(m.ClothingDefined);
}

// A fabric loaded into layer 4 shows in the second "Bottom" box, and its button changes it.
TEST_F(LayerDialogTest, ALoadedBottomLayerCanBeChanged)
{
    QTemporaryDir folder;
    CaseModel& m = FurFea->Case;
    std::string golden = GoldenFile("case_saved.sdf");
    golden.replace(golden.find("4layer Has Defined: $0$"), 23, "4layer Has Defined: $1$Fabric: $Cotton twill$");
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(golden, folder.filePath("bottom.sdf")));
    EXPECT_TRUE(Box(0, 4)->isChecked());
    auto wool = PlainFabric("Wool");
    wool->Membranes = {m.Membranes[0], m.Membranes[0]};
    m.Fabrics.push_back(wool);
    Button(0, 4)->click();
    FabricLayerFrm->SetLayerFabric(wool);
    RunLayerDialog([] { FabricLayerFrm->OKBtn->click(); });
    m.ActivityDefined = m.EnvironmentDefined = true;
    m.Activity.ScheduleChanged = false;
    EXPECT_NE(SavedLines().indexOf("4layer Has Defined: $1$Fabric: $Wool$"), -1);
}

// The one-garment case of the golden file, dressed in "Cotton twill" (Cotton and Wool 60/40,
// Goretex inside, no options) and holding "Fleece" (Polyester, Goretex outside, wetting and
// heating values, every value other than Cotton twill's) in no layer.
std::string TwoFabricCase()
{
    CaseModel m;
    m.InitFreshCase();
    SetGoldenFibers(m);
    SetGoldenMembranes(m);
    auto twill = PlainFabric("Cotton twill");
    twill->Fibers = {FiberNamed(m, "Cotton"), FiberNamed(m, "Wool")};
    twill->MassRatios = Points({0.6, 0.4});
    twill->MeanDiameter = (0.0015 + 0.002) / 2;
    twill->Membranes = {MembraneNamed(m, "Goretex"), MembraneNamed(m, "OP")};
    SetGoldenFabrics(m);
    auto fleece = m.Fabrics[1];
    fleece->Name = "Fleece";
    fleece->HasPcm = false;
    fleece->Fibers = {FiberNamed(m, "Polyester")};
    fleece->MassRatios = Points({1});
    fleece->Membranes = {MembraneNamed(m, "OP"), MembraneNamed(m, "Goretex")};
    m.Fabrics = {twill, fleece};
    std::ostringstream materials;
    WriteFiberSection(materials, m);
    WriteMembraneSection(materials, m);
    WriteFabricSection(materials, m);
    std::string text = GoldenFile("case_saved.sdf");
    const auto from = text.find("fiber types:");
    text.replace(from, text.find("Garment Number") - from, materials.str());
    return text;
}

TEST_F(LayerDialogTest, ALayerButtonShowsItsOwnFabricSoUpdateRewritesItUnchanged)
{
    QTemporaryDir folder;
    const std::string text = TwoFabricCase();
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(text, folder.filePath("two.sdf")));
    ClickItem(FabricForm->FabricListBox, 1);
    RunModal(FabricLayerFrm, [] { FabricForm->btnExit->click(); }, [] { Button(0, 0)->click(); });

    // Updated as shown, the fabric and so the file stay as loaded.
    FabricForm->UpdateBtn->click();
    CaseModel& m = FurFea->Case;
    m.ActivityDefined = m.EnvironmentDefined = true;
    m.Activity.ScheduleChanged = false;
    EXPECT_EQ(SavedLines().join("\r\n").toStdString(), text);

    // A layer without a fabric opens an empty dialog with no line chosen.
    Box(0, 1)->setChecked(true);
    Button(0, 1)->click();
    EXPECT_TRUE(FabricForm->FabricListBox->selectedItems().isEmpty());
    EXPECT_EQ(FabricForm->SFiberListBox->count(), 0);
    EXPECT_EQ(FabricForm->PorosityText->text(), "");
}

TEST_F(LayerDialogTest, DeletingAFabricThatLayersHoldAsksFirstAndUndoesTheClothing)
{
    MessageRecorder messages;
    CaseModel& m = FurFea->Case;
    auto spare = PlainFabric("Spare");
    spare->Membranes = {m.Membranes[0], m.Membranes[0]};
    m.Fabrics.push_back(spare);
    FabricForm->LoadFabricList(m.Fabrics);
    Garments({{3, 1}, {5, 2}});
    m.Layers.Rows = {Row(m, {{2, "Shell cloth"}}), Row(m, {{0, "Fleece"}, {4, "Shell cloth"}})};
    m.Layers.GarmentCount = 2;
    m.ClothingDefined = true;
    FabricLayerFrm->BuildLayerGrid();
    ASSERT_TRUE(TreeNodeMarked(tnGarment));
    // Being edited in the layer dialog only: Shell cloth in garment 2, layer 2.
    Fill(1, 1, 0);
    m.BoundaryShortcut = true;

    // In no layer: gone without a question.
    ClickItem(FabricForm->FabricListBox, 2);
    FabricForm->btnDelete->click();
    EXPECT_EQ(m.Fabrics.size(), 2u);
    EXPECT_FALSE(m.BoundaryShortcut);

    const QString question = "The fabric Shell cloth is used by garment 1 layer 3, garment 2 layer 2, garment 2 "
                             "layer 5. Delete it and empty these layers?";
    ClickItem(FabricForm->FabricListBox, 0);
    messages.Expect(question, "Information", IDNO);
    FabricForm->btnDelete->click();
    EXPECT_EQ(m.Fabrics.size(), 2u);
    EXPECT_TRUE(m.Layers.Rows[1].HasFabric[4] && FabricLayerFrm->Rows[1].HasFabric[1] && m.ClothingDefined);

    messages.Expect(question, "Information", IDYES);
    FabricForm->btnDelete->click();
    ASSERT_EQ(m.Fabrics.size(), 1u);
    EXPECT_FALSE(m.Layers.Rows[0].HasFabric[2]);
    EXPECT_EQ(m.Layers.Rows[1].Layers[4], nullptr);
    EXPECT_FALSE(FabricLayerFrm->Rows[1].HasFabric[1]);
    EXPECT_FALSE(Box(1, 1)->isChecked());
    EXPECT_TRUE(Box(1, 0)->isChecked());
    EXPECT_FALSE(m.ClothingDefined);
    EXPECT_TRUE(SamePicture(FurFea->GarmentBtn->icon(), FurFea->Glyphs2[stGarment]));
    EXPECT_FALSE(TreeNodeMarked(tnGarment));
}

} // namespace
