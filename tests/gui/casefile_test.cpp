#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QListWidget>
#include <QStatusBar>
#include <QToolButton>

#include <sys/stat.h>

#include "app/openlinkfrm.h"
#include "materials/fabriclayerfrm.h"
#include "materials/fabricform.h"
#include "materials/garmentform.h"
#include "materials/membrane.h"
#include "tests/gui/stagecase.h"
#include "tests/support/appfixture.h"
#include "toolkit/stringgrid.h"
#include "wearer/activityfrm.h"
#include "wearer/definebodyfrm.h"

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

const QByteArray& Golden()
{
    static const QByteArray golden = QByteArray::fromStdString(GoldenFile("case_saved.sdf"));
    return golden;
}

class CaseFileTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Folder.isValid());
    }

    // The case of "case_saved.sdf": one stage of 1800 s at 65 %, one garment of one fabric layer.
    static void DefineCompleteCase()
    {
        DefineStagedCase(1, 1);
        FurFea->Case.Activity.Duration[0] = 1800;
        FurFea->Case.Environment.RH[0] = 65;
        EnvironmentFrm->LoadEnvironmentGrids();
    }

    QString Path(const QString& name) const { return Folder.filePath(name); }

    QTemporaryDir Folder;
};

TEST_F(CaseFileTest, SaveRefusesAnIncompleteCaseStepByStepWithoutAskingForAFile)
{
    DefineCompleteCase();
    ScriptedFileDialogs dialogs;
    MessageRecorder messages;
    for (const char* text : {"Please finish the environment definition!", "Please finish the activity definition!",
                             "Please finish the environment definition!", "Please finish the human body definition!",
                             "Please finish the clothing definition!"})
        messages.Expect(text, "Information");
    CaseModel& m = FurFea->Case;
    m.Activity.ScheduleChanged = true;
    m.ActivityDefined = m.EnvironmentDefined = m.BodyDefined = m.ClothingDefined = false;
    FurFea->ToolButton2->click();
    m.Activity.ScheduleChanged = false;
    FurFea->SaveAs1Click();
    m.ActivityDefined = true;
    FurFea->SimulationBtn->click();
    m.EnvironmentDefined = true;
    FurFea->SaveAs1Click();
    m.BodyDefined = true;
    FurFea->SaveAs1Click();
    EXPECT_EQ(dialogs.Asked, 0);
    EXPECT_FALSE(m.CaseSaved);
    EXPECT_TRUE(m.StagesDirty);
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
    EXPECT_EQ(FileBytes(Path("trial.sdf")), Golden());
    EXPECT_EQ(FurFea->Case.CaseDir(), (Folder.path() + "/").toStdString());
    EXPECT_TRUE(FurFea->Case.CaseSaved);
    EXPECT_FALSE(FurFea->Case.StagesDirty);
}

TEST_F(CaseFileTest, SaveAppendsTheExtensionOnlyWhenMissingAndAsksBeforeReplacing)
{
    DefineCompleteCase();
    {
        // A name already ending in ".sdf" (any case) is taken as typed.
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("Second.SDF"));
        MessageRecorder messages;
        messages.Expect("Data file has been saved successfully!");
        FurFea->SaveAs1Click();
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
        EXPECT_EQ(FileBytes(Path("trial.sdf")), "old");
    }
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("trial"));
    MessageRecorder messages;
    messages.Expect("there has existed the file, do you want to replace it?", "Information", IDOK)
        .Expect("Data file has been saved successfully!");
    FurFea->SaveAs1Click();
    EXPECT_EQ(FileBytes(Path("trial.sdf")), Golden());
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
    EXPECT_TRUE(FurFea->Case.CaseSaved);
}

TEST_F(CaseFileTest, AFailedOrRefusedSaveWritesNothingAndClaimsNothing)
{
    DefineCompleteCase();
    const std::string startDir = FurFea->Case.CaseDir();
    // The system's reason, after the file's name, on a second line.
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("missing/folder/trial"));
        MessageRecorder messages;
        messages.Expect("Saving data file fails!\n" + Path("missing/folder/trial.sdf") + ": No such file or directory",
                        "Error");
        FurFea->SimulationBtn->click();
        EXPECT_FALSE(OpenLinkFrm->isVisible());
    }
    {
        // A folder or a FIFO (here behind a link) where the file should go is refused under the
        // chosen name before the replace question, and stays as it was.
        ASSERT_TRUE(QDir(Folder.path()).mkdir("taken.sdf"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(Path("pipe"), Path("link.sdf")));
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("taken.sdf"));
        dialogs.Answer(Path("link"));
        MessageRecorder messages;
        messages.Expect("Saving data file fails!\n" + Path("taken.sdf") + ": Is a directory", "Error")
            .Expect("Saving data file fails!\n" + Path("link.sdf") + ": Not a regular file", "Error");
        FurFea->SaveAs1Click();
        FurFea->SimulationBtn->click();
        EXPECT_EQ(dialogs.Asked, 2);
        EXPECT_FALSE(OpenLinkFrm->isVisible());
        EXPECT_TRUE(QFileInfo(Path("taken.sdf")).isDir());
        EXPECT_TRUE(QFileInfo(Path("link.sdf")).isSymLink());
        EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::System),
                  QStringList({"link.sdf", "pipe"}));
    }
    FurFea->Case.Fibers = {MakeFiber("Cot$ton", 0.001, 1, 1, 1, 1, 1, {}, {})};
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("trial"));
    MessageRecorder messages;
    messages.AllowAny();
    FurFea->SaveAs1Click();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_TRUE(messages.Shown[0].Text.contains("name of fiber 1")) << messages.Shown[0].Text.toStdString();
    EXPECT_FALSE(QFile::exists(Path("trial.sdf")));
    EXPECT_FALSE(FurFea->Case.CaseSaved);
    EXPECT_EQ(FurFea->Case.CaseDir(), startDir);
}

TEST_F(CaseFileTest, LoadRefillsTheCaseAndTheDialogsAndSavesBackTheSameBytes)
{
    FurFea->Case.Fluids.clear();
    FurFea->Case.StagesDirty = true;
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(Golden().toStdString(), Path("case.sdf")));

    const CaseModel& m = FurFea->Case;
    EXPECT_EQ(StatusText(), "Files are saved to " + Folder.path() + "/");
    EXPECT_FALSE(m.StagesDirty);
    EXPECT_TRUE(m.FluidDefined && m.ClothingDefined && m.ControlDefined && m.BoundaryDefined && m.FabricDefined);
    EXPECT_DOUBLE_EQ(m.GarmentList.Coverage[0], GarmentForm->CoverageTableMale[3]);

    FurFea->Case.ActivityDefined = FurFea->Case.EnvironmentDefined = true;
    FurFea->Case.Activity.ScheduleChanged = false;
    ScriptedFileDialogs dialogs;
    dialogs.Answer(Path("again"));
    MessageRecorder messages;
    messages.Expect("Data file has been saved successfully!");
    FurFea->SaveAs1Click();
    EXPECT_EQ(FileBytes(Path("again.sdf")), Golden());
}

// The dialogs refilled by a load must agree with each other whichever of them the user opens
// first: the layer rows survive the garment dialog, the fabric dialog shows the layer's fabric,
// the body dialog's OK keeps the loaded body, and only what the user changed differs.
TEST_F(CaseFileTest, DialogsOpenedInEitherOrderAfterALoadSaveTheLoadedCase)
{
    auto layerButton = [] { return Control<QPushButton>(FabricLayerFrm, "LayerButton0_0"); };
    auto pickFabricAndConfirm = [&] {
        layerButton()->click();
        RunModal(FabricLayerFrm, [] { FabricForm->OKBtn->click(); }, [] { FabricLayerFrm->OKBtn->click(); });
    };
    auto garmentThenNext = [] { RunModal(GarmentForm, [] { FurFea->GarmentBtnClick(); }, [] { GarmentForm->BitBtn1->click(); }); };
    const std::vector<std::function<void()>> orders = {
        [&] {
            garmentThenNext();
            pickFabricAndConfirm();
        },
        [&] {
            RunModal(FabricLayerFrm, [] { FurFea->Garment1Click(); }, [&] { layerButton()->click(); });
            RunModal(FabricLayerFrm, [] { FabricForm->OKBtn->click(); }, [] { FabricLayerFrm->OKBtn->click(); });
            garmentThenNext();
            FabricLayerFrm->OKBtn->click();
        },
    };
    std::string expected = Golden().toStdString();
    expected.replace(expected.find("OuterT_a: $20$"), 14, "OuterT_a: $23.5$");
    // The body's OK works the DuBois area out of weight and height again.
    expected.replace(expected.find("$18000.5$"), 9, "$18481.4$");
    // The rebuilt stages take the cover ratio from the garment's style.
    expected.replace(expected.find("ClothingCoverRatio: $0.4$"), 25, "ClothingCoverRatio: $0.6$");
    for (std::size_t order = 0; order < orders.size(); ++order) {
        SCOPED_TRACE(order);
        FreshApplicationWindows();
        ASSERT_TRUE(LoadCaseThroughTheMainWindow(Golden().toStdString(), Path("case.sdf")));
        orders[order]();
        RunModal(DefineBodyFrm, [] { FurFea->BodyBtnClick(); }, [] { DefineBodyFrm->OKBtn->click(); });
        RunModal(EnvironmentFrm, [] { FurFea->EnvironmentBtnClick(); }, [] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(EnvironmentFrm->TemperatureTable, &press);
            EnvironmentFrm->TemperatureTable->SetCell(0, 0, "23.5");
            EnvironmentFrm->OkBtn->click();
        });
        const QString name = Path(QString("edited%1.sdf").arg(order));
        ScriptedFileDialogs dialogs;
        dialogs.Answer(name);
        MessageRecorder messages;
        messages.Expect("Data file has been saved successfully!");
        FurFea->SaveAs1Click();
        EXPECT_EQ(FileBytes(name).toStdString(), expected);
    }
}

// A layer whose fabric the file lacks loads empty; the stage that held its microclimate gets the
// builder's for the layers left, and the boundary step shows as not done. The message says both;
// the case saved then loads without a word.
TEST_F(CaseFileTest, AFileWhoseLayersAndMicroclimatesDisagreeLoadsMendedAndSaysSo)
{
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(Golden().toStdString(), Path("case.sdf")));
    ASSERT_TRUE(TreeNodeMarked(tnBoundary));
    QByteArray ghost = Golden();
    ghost.replace("Fabric: $Cotton twill$", "Fabric: $Ghost Cloth$");
    WriteBytes(Path("ghost.sdf"), ghost);
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Path("ghost.sdf"));
        MessageRecorder messages;
        messages.Expect("Data file has been loaded successfully!\n"
                        "Line 48: the fabric \"Ghost Cloth\" is not in the fabric list; the layer is left empty.\n"
                        "The microclimates of 1 stage did not match the garment layers and were set again from them.",
                        "Information");
        FurFea->Load1Click();
    }
    const CaseModel& m = FurFea->Case;
    EXPECT_FALSE(m.BoundaryDefined);
    EXPECT_FALSE(TreeNodeMarked(tnBoundary));
    EXPECT_TRUE(FurFea->ImgBc0->isHidden());
    ASSERT_EQ(m.Stages.size(), 1u);
    EXPECT_TRUE(m.Stages[0]->Microclimates.empty());

    const QStringList saved = SavedLines();
    EXPECT_EQ(LinesAfter(saved, "Cool Down: $0$", 1), "Microclimate count: $0$");
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(saved.join("\r\n").toStdString(), Path("saved.sdf")));
    EXPECT_TRUE(m.BoundaryDefined && TreeNodeMarked(tnBoundary) && !FurFea->ImgBc0->isHidden());
}

TEST_F(CaseFileTest, ADamagedFileChangesNothingAndTheMessageSaysWhy)
{
    QByteArray damaged = Golden();
    damaged.replace("TimeStep: $0.0002$", "TimeStep: $nan$");
    WriteBytes(Path("damaged.sdf"), damaged);
    WriteBytes(Path("cut.sdf"), Golden().left(Golden().indexOf("fabric type0")));
    DefineCompleteCase();
    const CaseModel before = FurFea->Case;
    const QString tree = FurFea->TreeNode(tnScenario)->text(0);
    const std::string text = CaseFileText(FurFea->Case);

    const std::pair<QString, QString> loads[] = {
        {Path("damaged.sdf"), "Line 63: value 1 (nan) is not a finite number."},
        {Path("cut.sdf"), "Line 34: the file ends before this line."},
        {Path("absent.sdf"), Path("absent.sdf") + ": No such file or directory"},
        {QString(), QString()},  // Cancel, which says nothing
    };
    for (const auto& [name, why] : loads) {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(name);
        MessageRecorder messages;
        if (!name.isEmpty())
            messages.Expect("Loading data file fails!\n" + why, "Information");
        FurFea->Load1Click();
    }
    {
        // A folder: its name and the reason.
        ScriptedFileDialogs dialogs;
        dialogs.Answer(Folder.path());
        MessageRecorder messages;
        messages.AllowAny();
        FurFea->Load1Click();
        ASSERT_EQ(messages.Shown.size(), 1u);
        const QStringList lines = messages.Shown[0].Text.split('\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], "Loading data file fails!");
        EXPECT_TRUE(lines[1].startsWith(Folder.path() + ": ")) << lines[1].toStdString();
        EXPECT_GT(lines[1].size(), Folder.path().size() + 2);
    }
    EXPECT_EQ(FurFea->Case.CaseDir(), before.CaseDir());
    EXPECT_EQ(FurFea->TreeNode(tnScenario)->text(0), tree);
    EXPECT_EQ(FurFea->Case.Stages, before.Stages);
    EXPECT_EQ(CaseFileText(FurFea->Case), text);
}

TEST_F(CaseFileTest, LoadingACaseWithoutStagesOrMaterialsEmptiesEveryListThatMirrorsThem)
{
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(Golden().toStdString(), Path("case.sdf")));
    ASSERT_EQ(FabricForm->FabricListBox->count(), 1);
    ASSERT_TRUE(LoadCaseThroughTheMainWindow(FreshCase().Text(), Path("empty.sdf")));
    EXPECT_EQ(ActivityFrm->ListBox->count(), 0);
    EXPECT_EQ(EnvironmentFrm->TemperatureTable->RowCount(), 1) << "the grid's one empty row";
    EXPECT_EQ(FabricForm->FabricListBox->count(), 0);
    EXPECT_EQ(Membrane->MemListBox->count(), static_cast<int>(FurFea->Case.Membranes.size()));
    // The next save writes a stage count that agrees with the schedule.
    EXPECT_NE(CaseFileText(FurFea->Case).find("Stage count: $0$"), std::string::npos);
}

} // namespace
