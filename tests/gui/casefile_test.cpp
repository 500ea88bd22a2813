#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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
#include "results/io/resultsetgen.h"
#include "tests/support/appfixture.h"
#include "toolkit/stringgrid.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/scripted.h"
#include "tests/unit/casefile_cases.h"
#include "wearer/activityfrm.h"
#include "wearer/definebodyfrm.h"
#include "wearer/environmentfrm.h"
#include "wearer/physiologyfrm.h"

#include <fstream>
#include <sstream>

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
    }

    // The case of "case_saved.sdf": one stage, one tight garment of one fabric, default fluids.
    void DefineCompleteCase()
    {
        CaseModel& m = FurFea->Case;
        SetGoldenBody(m);
        auto fabric = PlainFabric("Cotton twill");
        fabric->Membranes = {m.Membranes[0], MakeDefaultMembrane()};
        m.Fabrics = {fabric};

        FurFea->Case.GarmentList.GarmentCount = 1;
        FurFea->Case.GarmentList.StyleIndex[0] = 3;
        FurFea->Case.GarmentList.Fitting[0] = 3;
        FurFea->Case.GarmentList.Coverage[0] = 0.4;
        GarmentLayerRow row;
        row.Layers[0] = fabric;
        row.HasFabric[0] = true;
        FurFea->Case.Layers.Rows = {row};
        FurFea->Case.Layers.GarmentCount = 1;

        FurFea->Case.Activity.StageCount = 1;
        FurFea->Case.Activity.MetabolicRate[0] = 58.2;
        FurFea->Case.Activity.Duration[0] = 1800;
        FurFea->Case.Activity.ActivityIndex[0] = 0;
        FurFea->Case.Activity.ScheduleChanged = false;
        FurFea->Case.Environment.StageCount = 1;
        FurFea->Case.Environment.Temperature[0] = 20;
        FurFea->Case.Environment.RH[0] = 65;
        FurFea->Case.Environment.Wind[0] = 0.5;
        FurFea->Case.Environment.Place[0] = 1;

        m.ActivityDefined = m.EnvironmentDefined = m.BodyDefined = m.ClothingDefined = true;
        m.StagesDirty = true;
        m.CaseSaved = false;
    }

    QString Path(const QString& name) const { return Folder.filePath(name); }

    QTemporaryDir Folder;
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
    FurFea->Case.Activity.ScheduleChanged = true;
    FurFea->Case.ActivityDefined = false;
    FurFea->Case.EnvironmentDefined = false;
    FurFea->Case.BodyDefined = false;
    FurFea->Case.ClothingDefined = false;
    FurFea->ToolButton2->click();
    FurFea->Case.Activity.ScheduleChanged = false;
    FurFea->SaveAs1Click();
    FurFea->Case.ActivityDefined = true;
    FurFea->SimulationBtn->click();
    FurFea->Case.EnvironmentDefined = true;
    FurFea->SaveAs1Click();
    FurFea->Case.BodyDefined = true;
    FurFea->SaveAs1Click();
    EXPECT_EQ(dialogs.Asked, 0);
    EXPECT_FALSE(FurFea->Case.CaseSaved);
    EXPECT_TRUE(FurFea->Case.StagesDirty);
}

TEST_F(CaseFileTest, SaveAsWritesTheCaseAndReportsWhereItWent)
{
    DefineCompleteCase();
    const std::string startDir = FurFea->Case.CaseDir();
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("trial"));
    MessageRecorder messages;
    messages.Expect("Data file has been saved successfully!", "Information");
    FurFea->ToolButton2->click();

    EXPECT_EQ(dialogs.LastDir.toStdString(), startDir);
    const QByteArray golden = QByteArray::fromStdString(GoldenFile("case_saved.sdf"));
    EXPECT_EQ(FileBytes(Path("trial.sdf")), golden);
    EXPECT_EQ(FurFea->Case.CaseDir(), (Folder.path() + "/").toStdString());
    EXPECT_EQ(StatusText(), "Files are saved to " + Folder.path() + "/");
    EXPECT_TRUE(FurFea->Case.CaseSaved);
    EXPECT_FALSE(FurFea->Case.StagesDirty);
    ASSERT_EQ(FurFea->Case.Stages.size(), 1u);
    EXPECT_EQ(FurFea->Case.Stages[0]->Name, "Stage1");
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
        FurFea->Case.CaseSaved = false;
        FurFea->SaveAs1Click();
        EXPECT_EQ(dialogs.Asked, 2);
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].Flags, 49);
        EXPECT_EQ(FileBytes(Path("trial.sdf")), "old");
        EXPECT_FALSE(FurFea->Case.CaseSaved);
    }
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial"));
        MessageRecorder messages;
        messages.Expect("there has existed the file, do you want to replace it?", "Information", IDOK);
        messages.Expect("Data file has been saved successfully!");
        FurFea->SaveAs1Click();
        EXPECT_EQ(FileBytes(Path("trial.sdf")), golden);
        EXPECT_TRUE(FurFea->Case.CaseSaved);
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
    EXPECT_TRUE(FurFea->Case.CaseSaved);
}

TEST_F(CaseFileTest, AFailedOrRefusedSaveWritesNothingAndClaimsNothing)
{
    DefineCompleteCase();
    const std::string startDir = FurFea->Case.CaseDir();
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("missing/folder/trial"));
        MessageRecorder messages;
        messages.Expect("Saving data file fails!", "Error");
        FurFea->SimulationBtn->click();
        EXPECT_FALSE(OpenLinkFrm->isVisible());
    }
    {
        FurFea->Case.Fibers = {MakeFiber("Cot$ton", 0.001, 1, 1, 1, 1, 1, {}, {})};
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("trial"));
        MessageRecorder messages;
        messages.AllowAny();
        FurFea->SaveAs1Click();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_TRUE(messages.Shown[0].Text.contains("name of fiber 1")) << messages.Shown[0].Text.toStdString();
        EXPECT_FALSE(QFile::exists(Path("trial.sdf")));
    }
    EXPECT_FALSE(FurFea->Case.CaseSaved);
    EXPECT_EQ(FurFea->Case.CaseDir(), startDir);
}

TEST_F(CaseFileTest, LoadRefillsTheCaseTheDialogsAndTheTree)
{
    WriteBytes(Path("case.sdf"), QByteArray::fromStdString(GoldenFile("case_saved.sdf")));
    FurFea->Case.Fluids.clear();
    FurFea->Case.Stages.clear();
    FurFea->Case.StagesDirty = true;
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("case.sdf"));
    MessageRecorder messages;
    messages.Expect("Data file has been loaded successfully!", "Information");
    FurFea->ToolButton1->click();

    EXPECT_EQ(FurFea->TreeNode(tnScenario)->text(0), "Fluids ");
    EXPECT_EQ(FurFea->TreeNode(tnBoundary)->text(0), "Boundary Condition ");
    EXPECT_EQ(FurFea->TreeNode(tnControl)->text(0), "Control Information ");
    EXPECT_EQ(FurFea->Case.CaseDir(), (Folder.path() + "/").toStdString());
    EXPECT_EQ(StatusText(), "Files are saved to " + Folder.path() + "/");
    ASSERT_EQ(FurFea->Case.Fluids.size(), 2u);
    ASSERT_EQ(FurFea->Case.Fabrics.size(), 1u);
    ASSERT_EQ(FurFea->Case.Stages.size(), 1u);
    EXPECT_EQ(FurFea->Case.Stages[0]->Name, "Stage1");
    EXPECT_FALSE(FurFea->Case.StagesDirty);
    EXPECT_TRUE(FurFea->Case.FluidDefined && FurFea->Case.ClothingDefined && FurFea->Case.ControlDefined);
    EXPECT_TRUE(FurFea->Case.BoundaryDefined && FurFea->Case.StagesShown && FurFea->Case.FabricDefined);
    EXPECT_TRUE(FurFea->ImgBc0->isVisibleTo(FurFea->Panel1));
    EXPECT_TRUE(DefineBodyFrm->IsMale);
    EXPECT_EQ(FurFea->Case.Activity.StageCount, 1);
    EXPECT_DOUBLE_EQ(FurFea->Case.Environment.RH[0], 65);
    EXPECT_EQ(FurFea->Case.GarmentList.GarmentCount, 1);
    EXPECT_EQ(FurFea->Case.GarmentList.Fitting[0], 3);
    EXPECT_DOUBLE_EQ(FurFea->Case.GarmentList.Coverage[0], GarmentForm->CoverageTableMale[3]);
    EXPECT_EQ(FurFea->Case.Layers.GarmentCount, 1);
    EXPECT_EQ(FurFea->Case.Layers.Rows[0].Layers[0], FurFea->Case.Fabrics[0]);
    ASSERT_EQ(FabricForm->FabricListBox->count(), 1);
    EXPECT_EQ(FabricForm->FabricListBox->item(0)->text(), "Cotton twill");
    EXPECT_EQ(FabricForm->InMemComboBox->count(), 1);
    EXPECT_EQ(Membrane->MemListBox->count(), 1);

    // Saved again without changes, the file comes out as it went in.
    FurFea->Case.ActivityDefined = FurFea->Case.EnvironmentDefined = true;
    FurFea->Case.Activity.ScheduleChanged = false;
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
    const CaseModel before = FurFea->Case;
    const QString tree = FurFea->TreeNode(tnScenario)->text(0);
    const std::string dir = FurFea->Case.CaseDir();
    const std::string text = CaseFileText(FurFea->Case);

    for (const QString& name : {Path("cut.sdf"), Path("count.sdf"), Path("absent.sdf"), Folder.path()}) {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(name);
        MessageRecorder messages;
        messages.Expect("Loading data file fails!", "Information");
        FurFea->Load1Click();
    }
    EXPECT_EQ(FurFea->Case.CaseDir(), dir);
    EXPECT_EQ(FurFea->TreeNode(tnScenario)->text(0), tree);
    EXPECT_EQ(FurFea->Case.Fluids, before.Fluids);
    EXPECT_EQ(FurFea->Case.Stages, before.Stages);
    EXPECT_EQ(CaseFileText(FurFea->Case), text);

    // Cancel changes nothing and says nothing.
    ScriptedFileDialogs dialogs;
    MessageRecorder messages;
    FurFea->Load1Click();
    EXPECT_EQ(FurFea->Case.CaseDir(), dir);
}

} // namespace

namespace {

TEST_F(CaseFileTest, AFreshCaseHoldsTheOpenMembraneAndSavesBackToTheSameBytes)
{
    ASSERT_EQ(FurFea->Case.Membranes.size(), 1u);
    EXPECT_EQ(FurFea->Case.Membranes[0]->Name, "OP");
    const std::string first = CaseFileText(FurFea->Case);
    CaseFixture loaded;
    ASSERT_TRUE(LoadText(first, loaded));
    EXPECT_EQ(loaded.Text(), first);
}

TEST_F(CaseFileTest, LoadingACaseWithoutStagesOrMaterialsEmptiesEveryListThatMirrorsThem)
{
    WriteBytes(Path("case.sdf"), QByteArray::fromStdString(GoldenFile("case_saved.sdf")));
    WriteBytes(Path("empty.sdf"), QByteArray::fromStdString(FreshCase().Text()));
    ScriptedFileDialogs dialogs;
    MessageRecorder messages;
    dialogs.Answer(Path("case.sdf"));
    messages.Expect("Data file has been loaded successfully!", "Information");
    FurFea->Load1Click();
    ASSERT_EQ(ActivityFrm->ListBox->count(), 1);
    ASSERT_EQ(FabricForm->FabricListBox->count(), 1);
    ASSERT_EQ(Membrane->MemListBox->count(), 1);

    dialogs.Answer(Path("empty.sdf"));
    messages.Expect("Data file has been loaded successfully!", "Information");
    FurFea->Load1Click();
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_TRUE(FurFea->Case.Stages.empty());
    EXPECT_EQ(FurFea->Case.Activity.StageCount, 0);
    EXPECT_EQ(FurFea->Case.Environment.StageCount, 0);
    EXPECT_EQ(ActivityFrm->ListBox->count(), 0);
    EXPECT_EQ(EnvironmentFrm->TemperatureTable->RowCount(), 1) << "the grid's one empty row";
    EXPECT_EQ(FabricForm->FabricListBox->count(), 0);
    EXPECT_EQ(Membrane->MemListBox->count(), static_cast<int>(FurFea->Case.Membranes.size()));

    // The next save writes a stage count that agrees with the schedule.
    EXPECT_NE(CaseFileText(FurFea->Case).find("Stage count: $0$"), std::string::npos);
}

} // namespace

namespace {

TEST_F(CaseFileTest, TheSampleResultFolderLoadsWithTheWearerItDescribes)
{
    ResultSetSize size;
    ASSERT_TRUE(ParseResultSetSize("realistic", size));
    ASSERT_EQ(WriteResultSet(Folder.path().toStdString(), ShapeOf(size)), "");
    std::ifstream in(Path("simulation.sdf").toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(text.str(), Path("loaded.sdf")));
    EXPECT_EQ(DefineBodyFrm->W_dText->text(), "70");
    EXPECT_EQ(DefineBodyFrm->HeightText->text(), "175");
    // The skin temperature in degrees, and every stage's air as the environment dialog set it.
    const double skin = PhysiologyFrm->T_skEdit->text().toDouble();
    EXPECT_GT(skin, 30);
    EXPECT_LT(skin, 37);
    for (const auto& stage : FurFea->Case.Stages) {
        EXPECT_GT(stage->InnerT_a, 0);
        EXPECT_LT(stage->InnerT_a, 45);
    }
}

} // namespace
