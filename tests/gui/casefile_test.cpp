#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidgetItem>

#include "app/furfea.h"
#include "app/openlinkfrm.h"
#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/garmentform.h"
#include "materials/membrane.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "tests/unit/casefile_cases.h"
#include "wearer/activityfrm.h"
#include "wearer/definebodyfrm.h"
#include "wearer/environmentfrm.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString StatusText()
{
    return FurFea->StatusBar->findChild<QLabel*>("StatusPanel0")->text();
}

class CaseFileTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
        Case = static_cast<CaseModel&>(*FurFea);
        Activity = static_cast<ActivitySchedule&>(*ActivityFrm);
        Environment = static_cast<EnvironmentTable&>(*EnvironmentFrm);
        Garments = static_cast<GarmentSet&>(*GarmentForm);
        Layers = static_cast<LayerRows&>(*FabricLayerFrm);
        for (int i = 0; i <= tnControl; ++i) {
            NodeTexts.push_back(FurFea->TreeNode(i)->text(0));
            NodeIcons.push_back(FurFea->TreeNode(i)->icon(0));
        }
        Status = StatusText();
        ModelIcon = FurFea->ModelBtn->icon();
        Male = DefineBodyFrm->IsMale;
        Female = DefineBodyFrm->IsFemale;
    }
    void TearDown() override
    {
        static_cast<CaseModel&>(*FurFea) = Case;
        static_cast<ActivitySchedule&>(*ActivityFrm) = Activity;
        static_cast<EnvironmentTable&>(*EnvironmentFrm) = Environment;
        static_cast<GarmentSet&>(*GarmentForm) = Garments;
        static_cast<LayerRows&>(*FabricLayerFrm) = Layers;
        for (int i = 0; i <= tnControl; ++i) {
            FurFea->TreeNode(i)->setText(0, NodeTexts[static_cast<std::size_t>(i)]);
            FurFea->TreeNode(i)->setIcon(0, NodeIcons[static_cast<std::size_t>(i)]);
        }
        FurFea->StatusBar->findChild<QLabel*>("StatusPanel0")->setText(Status);
        FurFea->ModelBtn->setIcon(ModelIcon);
        DefineBodyFrm->IsMale = Male;
        DefineBodyFrm->IsFemale = Female;
        OpenLinkFrm->hide();
    }

    // The case of "case_saved.sdf": one stage, one tight garment of one fabric, default fluids.
    void DefineCompleteCase()
    {
        CaseModel& m = *FurFea;
        SetGoldenBody(m);
        m.Fluids.clear();
        m.InitDefaultFluids();
        m.InitControlDefaults();
        m.Fibers.clear();
        m.Membranes.clear();
        AddDefaultMembrane(m.Membranes);
        auto fabric = PlainFabric("Cotton twill");
        fabric->Membranes = {m.Membranes[0], MakeDefaultMembrane()};
        m.Fabrics = {fabric};

        GarmentForm->GarmentCount = 1;
        GarmentForm->StyleIndex[0] = 3;
        GarmentForm->Fitting[0] = 3;
        GarmentForm->Coverage[0] = 0.4;
        GarmentLayerRow row;
        row.Layers[0] = fabric;
        row.HasFabric[0] = true;
        FabricLayerFrm->Rows = {row};
        FabricLayerFrm->GarmentCount = 1;

        ActivityFrm->StageCount = 1;
        ActivityFrm->MetabolicRate[0] = 58.2;
        ActivityFrm->Duration[0] = 1800;
        ActivityFrm->ActivityIndex[0] = 0;
        ActivityFrm->ScheduleChanged = false;
        EnvironmentFrm->StageCount = 1;
        EnvironmentFrm->Temperature[0] = 20;
        EnvironmentFrm->RH[0] = 65;
        EnvironmentFrm->Wind[0] = 0.5;
        EnvironmentFrm->Place[0] = 1;

        m.ActivityDefined = m.EnvironmentDefined = m.BodyDefined = m.ClothingDefined = true;
        m.StagesDirty = true;
        m.CaseSaved = false;
    }

    QString Path(const QString& name) const { return Folder.filePath(name); }

    QTemporaryDir Folder;
    CaseModel Case;
    ActivitySchedule Activity;
    EnvironmentTable Environment;
    GarmentSet Garments;
    LayerRows Layers;
    std::vector<QString> NodeTexts;
    std::vector<QIcon> NodeIcons;
    QIcon ModelIcon;
    QString Status;
    bool Male = false, Female = false;
};

TEST_F(CaseFileTest, SaveRefusesAnIncompleteCaseStepByStepWithoutAskingForAFile)
{
    DefineCompleteCase();
    ScriptedFileDialogs dialogs;
    MessageRecorder messages;
    const char* expected[] = {"Please finish the environment definition!", "Please finish the activity definition!",
                              "Please finish the environment definition!", "Please finish the human body definition!",
                              "Please finish the clothing definition!"};
    for (const char* text : expected)
        messages.Expect(text, "Information");
    ActivityFrm->ScheduleChanged = true;
    FurFea->ActivityDefined = false;
    FurFea->EnvironmentDefined = false;
    FurFea->BodyDefined = false;
    FurFea->ClothingDefined = false;
    FurFea->ToolButton2->click();
    ActivityFrm->ScheduleChanged = false;
    FurFea->SaveAs1Click();
    FurFea->ActivityDefined = true;
    FurFea->SimulationBtn->click();
    FurFea->EnvironmentDefined = true;
    FurFea->SaveAs1Click();
    FurFea->BodyDefined = true;
    FurFea->SaveAs1Click();
    EXPECT_EQ(dialogs.Asked, 0);
    EXPECT_FALSE(FurFea->CaseSaved);
    EXPECT_TRUE(FurFea->StagesDirty);
}

TEST_F(CaseFileTest, SaveAsWritesTheCaseAndReportsWhereItWent)
{
    DefineCompleteCase();
    const std::string startDir = FurFea->CaseDir();
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("trial"));
    MessageRecorder messages;
    messages.Expect("Data file has been saved successfully!", "Information");
    FurFea->ToolButton2->click();

    EXPECT_EQ(dialogs.LastDir.toStdString(), startDir);
    const QByteArray golden = QByteArray::fromStdString(GoldenFile("case_saved.sdf"));
    EXPECT_EQ(FileBytes(Path("trial.sdf")), golden);
    EXPECT_EQ(FurFea->CaseDir(), (Folder.path() + "/").toStdString());
    EXPECT_EQ(StatusText(), "Files are saved to " + Folder.path() + "/");
    EXPECT_TRUE(FurFea->CaseSaved);
    EXPECT_FALSE(FurFea->StagesDirty);
    ASSERT_EQ(FurFea->Stages.size(), 1u);
    EXPECT_EQ(FurFea->Stages[0]->Name, "Stage1");
}

TEST_F(CaseFileTest, SaveAppendsTheExtensionOnlyWhenMissingAndAsksBeforeReplacing)
{
    DefineCompleteCase();
    const QByteArray golden = QByteArray::fromStdString(GoldenFile("case_saved.sdf"));
    {
        // A name already ending in ".sdf" (any case) is taken as typed.
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial.sdf"));
        dialogs.Answer(Path("Second.SDF"));
        MessageRecorder messages;
        messages.Expect("Data file has been saved successfully!");
        messages.Expect("Data file has been saved successfully!");
        FurFea->SaveAs1Click();
        FurFea->SaveAs1Click();
        EXPECT_EQ(FileBytes(Path("trial.sdf")), golden);
        EXPECT_FALSE(QFile::exists(Path("trial.sdf.sdf")));
        EXPECT_TRUE(QFile::exists(Path("Second.SDF")));
    }
    {
        // "trial" names the existing "trial.sdf": Cancel shows the dialog again, whose Cancel
        // leaves the old file alone.
        WriteBytes(Path("trial.sdf"), "old");
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial"));
        dialogs.Answer(QString());
        MessageRecorder messages;
        messages.Expect("there has existed the file, do you want to replace it?", "Information", IDCANCEL);
        FurFea->CaseSaved = false;
        FurFea->SaveAs1Click();
        EXPECT_EQ(dialogs.Asked, 2);
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].Flags, 49);
        EXPECT_EQ(FileBytes(Path("trial.sdf")), "old");
        EXPECT_FALSE(FurFea->CaseSaved);
    }
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial"));
        MessageRecorder messages;
        messages.Expect("there has existed the file, do you want to replace it?", "Information", IDOK);
        messages.Expect("Data file has been saved successfully!");
        FurFea->SaveAs1Click();
        EXPECT_EQ(FileBytes(Path("trial.sdf")), golden);
        EXPECT_TRUE(FurFea->CaseSaved);
    }
}

TEST_F(CaseFileTest, SimulationSavesAndShowsTheWebLinkWindowInsteadOfTheMessage)
{
    DefineCompleteCase();
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("run"));
    MessageRecorder messages;
    FurFea->SimulationBtn->click();
    EXPECT_TRUE(QFile::exists(Path("run.sdf")));
    EXPECT_TRUE(OpenLinkFrm->isVisible());
    EXPECT_FALSE(OpenLinkFrm->Modal());
    EXPECT_TRUE(FurFea->CaseSaved);
}

TEST_F(CaseFileTest, AFailedOrRefusedSaveWritesNothingAndClaimsNothing)
{
    DefineCompleteCase();
    const std::string startDir = FurFea->CaseDir();
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("missing/folder/trial"));
        MessageRecorder messages;
        messages.Expect("Saving data file fails!", "Error");
        FurFea->SimulationBtn->click();
        EXPECT_FALSE(OpenLinkFrm->isVisible());
    }
    {
        FurFea->Fibers = {MakeFiber("Cot$ton", 0.001, 1, 1, 1, 1, 1, {}, {})};
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial"));
        MessageRecorder messages;
        messages.AllowAny();
        FurFea->SaveAs1Click();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_TRUE(messages.Shown[0].Text.contains("name of fiber 1")) << messages.Shown[0].Text.toStdString();
        EXPECT_FALSE(QFile::exists(Path("trial.sdf")));
    }
    EXPECT_FALSE(FurFea->CaseSaved);
    EXPECT_EQ(FurFea->CaseDir(), startDir);
}

TEST_F(CaseFileTest, LoadRefillsTheCaseTheDialogsAndTheTree)
{
    WriteBytes(Path("case.sdf"), QByteArray::fromStdString(GoldenFile("case_saved.sdf")));
    FurFea->Fluids.clear();
    FurFea->Stages.clear();
    FurFea->StagesDirty = true;
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("case.sdf"));
    MessageRecorder messages;
    messages.Expect("Data file has been loaded successfully!", "Information");
    FurFea->ToolButton1->click();

    EXPECT_EQ(FurFea->TreeNode(tnScenario)->text(0), "Fluids ");
    EXPECT_EQ(FurFea->TreeNode(tnBoundary)->text(0), "Boundary Condition ");
    EXPECT_EQ(FurFea->TreeNode(tnControl)->text(0), "Control Information ");
    EXPECT_EQ(FurFea->CaseDir(), (Folder.path() + "/").toStdString());
    EXPECT_EQ(StatusText(), "Files are saved to " + Folder.path() + "/");
    ASSERT_EQ(FurFea->Fluids.size(), 2u);
    ASSERT_EQ(FurFea->Fabrics.size(), 1u);
    ASSERT_EQ(FurFea->Stages.size(), 1u);
    EXPECT_EQ(FurFea->Stages[0]->Name, "Stage1");
    EXPECT_FALSE(FurFea->StagesDirty);
    EXPECT_TRUE(FurFea->FluidDefined && FurFea->ClothingDefined && FurFea->ControlDefined);
    EXPECT_TRUE(FurFea->BoundaryDefined && FurFea->StagesShown && FurFea->FabricDefined);
    EXPECT_TRUE(FurFea->ImgBc0->isVisibleTo(FurFea->Panel1));
    EXPECT_TRUE(DefineBodyFrm->IsMale);
    EXPECT_EQ(ActivityFrm->StageCount, 1);
    EXPECT_DOUBLE_EQ(EnvironmentFrm->RH[0], 65);
    EXPECT_EQ(GarmentForm->GarmentCount, 1);
    EXPECT_EQ(GarmentForm->Fitting[0], 3);
    EXPECT_DOUBLE_EQ(GarmentForm->Coverage[0], GarmentForm->CoverageTableMale[3]);
    EXPECT_EQ(FabricLayerFrm->GarmentCount, 1);
    EXPECT_EQ(FabricLayerFrm->Rows[0].Layers[0], FurFea->Fabrics[0]);
    ASSERT_EQ(FabricForm->FabricListBox->count(), 1);
    EXPECT_EQ(FabricForm->FabricListBox->item(0)->text(), "Cotton twill");
    EXPECT_EQ(FabricForm->InMemComboBox->count(), 1);
    EXPECT_EQ(Membrane->MemListBox->count(), 1);

    // Saved again without changes, the file comes out as it went in.
    FurFea->ActivityDefined = FurFea->EnvironmentDefined = true;
    ActivityFrm->ScheduleChanged = false;
    dialogs.Answer(Path("again"));
    messages.Expect("Data file has been saved successfully!");
    FurFea->SaveAs1Click();
    EXPECT_EQ(FileBytes(Path("again.sdf")), FileBytes(Path("case.sdf")));
}

TEST_F(CaseFileTest, ADamagedFileChangesNothing)
{
    const std::string golden = GoldenFile("case_saved.sdf");
    WriteBytes(Path("cut.sdf"), QByteArray::fromStdString(golden.substr(0, golden.size() / 2)));
    WriteBytes(Path("count.sdf"),
               QByteArray::fromStdString(golden).replace("Stage count: $1$", "Stage count: $2.5$"));
    DefineCompleteCase();
    const CaseModel before = *FurFea;
    const QString tree = FurFea->TreeNode(tnScenario)->text(0);
    const std::string dir = FurFea->CaseDir();
    const std::string text = CaseFileText(*FurFea, *ActivityFrm, *EnvironmentFrm, *GarmentForm, *FabricLayerFrm);

    for (const QString& name : {Path("cut.sdf"), Path("count.sdf"), Path("absent.sdf"), Folder.path()}) {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(name);
        MessageRecorder messages;
        messages.Expect("Loading data file fails!", "Information");
        FurFea->Load1Click();
    }
    EXPECT_EQ(FurFea->CaseDir(), dir);
    EXPECT_EQ(FurFea->TreeNode(tnScenario)->text(0), tree);
    EXPECT_EQ(FurFea->Fluids, before.Fluids);
    EXPECT_EQ(FurFea->Stages, before.Stages);
    EXPECT_EQ(CaseFileText(*FurFea, *ActivityFrm, *EnvironmentFrm, *GarmentForm, *FabricLayerFrm), text);

    // Cancel changes nothing and says nothing.
    ScriptedFileDialogs dialogs;
    MessageRecorder messages;
    FurFea->Load1Click();
    EXPECT_EQ(FurFea->CaseDir(), dir);
}

} // namespace
