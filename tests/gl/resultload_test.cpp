// Loading a result folder into the 3D player through the data window, as a user does it: the
// player's Open button, the folder, "Load Data", the question; then the body in the picture, the
// player's members filled from the files, and the messages of damaged files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "app/furfea.h"
#include "results/frmdata.h"
#include "results/frmmain.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/folderbrowser.h"
#include "toolkit/glwidget.h"

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const QString& folder)
{
    return fs::path(QFile::encodeName(folder).toStdString());
}

void WriteText(const QString& file, const char* text)
{
    std::ofstream out(PathOf(file), std::ios::binary | std::ios::trunc);
    out << text;
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class ResultLoadTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Temp.isValid());
        Startup = FrmMain;
        Player = OpenPlayer();
    }
    void TearDown() override
    {
        FrmData->hide();
        for (QPointer<TFrmMain>& p : Opened)
            if (p)
                p->Close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FrmMain = Startup;
    }

    // A player as the main window's "Animation" button opens it.
    TFrmMain* OpenPlayer()
    {
        FurFea->ToolButton14Click();
        QApplication::processEvents();
        Opened.push_back(FrmMain);
        return FrmMain;
    }
    QString MakeSet(const QString& name, const ResultSetShape& shape)
    {
        const QString folder = Temp.filePath(name);
        const std::string error = WriteResultSet(PathOf(folder), shape);
        EXPECT_EQ(error, "");
        return folder;
    }
    QString MakeSet(const QString& name, ResultSetSize size) { return MakeSet(name, ShapeOf(size)); }

    // Open, choose the folder and press "Load Data"; the recorder answers as the test set it up.
    void Load(TFrmMain* player, const QString& folder)
    {
        player->SBtnOpen->click();
        ASSERT_TRUE(FrmData->isVisible());
        ASSERT_EQ(FrmData->Player(), player);
        ASSERT_TRUE(FrmData->FolderBrowser->SetDirectory(folder));
        FrmData->BtnOk->click();
    }
    // A load that succeeds.
    void LoadGood(TFrmMain* player, const QString& folder)
    {
        MessageRecorder messages;
        messages.Expect("Load data?", "Confirm", IDYES);
        messages.Expect("Data load succeeded!", "Notice");
        Load(player, folder);
    }

    // A minimal set with one file replaced by text (removed when text is null), loaded with Yes
    // to the question; the load must end in the given error message.
    void LoadDamaged(const QString& file, const char* text, const QString& message)
    {
        const QString folder = MakeSet("damaged" + QString::number(++DamagedSets), ResultSetSize::Minimal);
        if (text)
            WriteText(folder + "/" + file, text);
        else
            ASSERT_TRUE(QFile::remove(folder + "/" + file));
        MessageRecorder messages;
        messages.Expect("Load data?", "Confirm", IDYES);
        messages.Expect(message, "Error");
        Load(Player, folder);
    }

    QImage Grab(TFrmMain* player)
    {
        QApplication::processEvents();
        Picture = player->GLPanel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
        return Picture;
    }
    // The mean colour of a 5 x 5 patch around a model point, by the player's camera (eye at z 3,
    // 45 degrees) and its placement of the model (scale 1.8, lowered by 0.8).
    QColor At(double x, double y, double z) const
    {
        const double wx = 1.8 * x, wy = 1.8 * y - 0.8, d = 3 - 1.8 * z;
        const double t = std::tan(22.5 * M_PI / 180), aspect = double(Picture.width()) / Picture.height();
        const int cx = static_cast<int>((wx / (d * t * aspect) + 1) / 2 * Picture.width());
        const int cy = static_cast<int>((1 - wy / (d * t)) / 2 * Picture.height());
        int r = 0, g = 0, b = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QRgb c = Picture.pixel(cx + dx, cy + dy);
                r += qRed(c), g += qGreen(c), b += qBlue(c);
            }
        return QColor(r / 25, g / 25, b / 25);
    }
    // The body slot's colour at a load (yellow, lit from the side).
    static bool Yellow(const QColor& c) { return c.red() > 100 && c.green() > 100 && c.blue() < 0.3 * c.red(); }
    static bool Green(const QColor& c) { return c.green() > 100 && c.red() < 0.3 * c.green() && c.blue() < 0.3 * c.green(); }
    // The room's blue grid lines on the back wall, left of the body: the player still draws.
    bool RoomShows() const
    {
        int blue = 0;
        for (int x = 320; x < 420; ++x) {
            const QRgb c = Picture.pixel(x, Picture.height() / 2);
            blue += qBlue(c) > 60 && qBlue(c) > 2 * std::max(qRed(c), qGreen(c));
        }
        return blue > 3;
    }

    QTemporaryDir Temp;
    TFrmMain* Startup = nullptr;
    TFrmMain* Player = nullptr;
    std::vector<QPointer<TFrmMain>> Opened;
    QImage Picture;
    int DamagedSets = 0;
};

// Model points on the front of the man's body.
constexpr double ChestY = 0.66, PelvisY = 0.50, SurfaceZ = 0.06;

TEST_F(ResultLoadTest, DataWindowLooksAsDesignedAndListsTheDataFiles)
{
    const QString folder = MakeSet("set", ResultSetSize::Minimal);
    Player->SBtnOpen->click();
    ASSERT_TRUE(FrmData->isVisible());
    EXPECT_EQ(FrmData->windowTitle(), "Data Settings");
    EXPECT_EQ(Control<QGroupBox>(FrmData, "GroupBox1")->title(), "Choose Data Directory");
    EXPECT_EQ(Control<QComboBox>(FrmData, "DriveComboBox1"), FrmData->DriveComboBox1);
    EXPECT_EQ(Control<QTreeWidget>(FrmData, "DirectoryListBox1"), FrmData->DirectoryListBox1);
    EXPECT_EQ(Control<QListWidget>(FrmData, "FileListBox1"), FrmData->FileListBox1);
    EXPECT_EQ(Control<QPushButton>(FrmData, "BtnOk")->text(), "Load Data");
    EXPECT_EQ(Control<QPushButton>(FrmData, "BtnCancel")->text(), "Exit");
    const char* labels[3] = {"Body Data: BodyProperty.dat", "Fabric Data: Fabrics.dat",
                             "Environment Data: Environment.dat"};
    for (QLabel* l : {FrmData->Label1, FrmData->Label2, FrmData->Label3}) {
        EXPECT_EQ(l->text(), labels[l == FrmData->Label1 ? 0 : l == FrmData->Label2 ? 1 : 2]);
        EXPECT_TRUE(l->font().bold());
        EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
        EXPECT_LE(l->geometry().right(), FrmData->BtnOk->geometry().left());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{FrmData->GroupBox1, FrmData->BtnOk, FrmData->BtnCancel,
                                                      FrmData->Label3})
        EXPECT_TRUE(FrmData->rect().contains(w->geometry())) << w->objectName().toStdString();
    // The two lists side by side, both visible.
    EXPECT_TRUE(FrmData->FileListBox1->isVisible());
    EXPECT_LT(FrmData->DirectoryListBox1->geometry().right(), FrmData->FileListBox1->geometry().left());

    // The file list shows the folder's ".dat" files (the case file is not one).
    ASSERT_TRUE(FrmData->FolderBrowser->SetDirectory(folder));
    const QStringList files = Items(FrmData->FileListBox1);
    EXPECT_TRUE(files.contains("Environment.dat"));
    EXPECT_TRUE(files.contains("BodyProperty.dat"));
    EXPECT_TRUE(files.contains("Fabrics.dat"));
    EXPECT_FALSE(files.contains("simulation.sdf"));

    // "Exit" closes the window; nothing is asked.
    MessageRecorder messages;
    FrmData->BtnCancel->click();
    EXPECT_FALSE(FrmData->isVisible());
}

TEST_F(ResultLoadTest, RealisticSetLoadsIntoThePlayerAndTheBodyShows)
{
    const ResultSetShape shape = ShapeOf(ResultSetSize::Realistic);
    const QString folder = MakeSet("realistic", shape);
    // A result folder from a file system that ignores case.
    ASSERT_TRUE(QFile::rename(folder + "/BodyProperty.dat", folder + "/Bodyproperty.dat"));
    Grab(Player);
    EXPECT_FALSE(Yellow(At(0, ChestY, SurfaceZ))) << "no body before the load";
    const QString currentDir = QDir::currentPath();

    LoadGood(Player, folder);
    EXPECT_FALSE(FrmData->isVisible());
    EXPECT_EQ(QDir::currentPath(), currentDir);

    // What the readers make of the folder is what the player holds.
    const EnvironmentRead env = ReadEnvironment(PathOf(folder));
    ASSERT_TRUE(env.Ok());
    const PlayerResults expected = LoadPlayerResults(PathOf(folder), env.Data);
    ASSERT_EQ(expected.Result, PlayerResults::Loaded);
    EXPECT_EQ(Player->BodyLoaded, 1);
    EXPECT_EQ(Player->FrameCount, shape.Frames);
    EXPECT_TRUE(Player->BodyFrames == expected.Body.Frames);
    EXPECT_FLOAT_EQ(Player->FrameStep, static_cast<float>(shape.FrameStep));
    EXPECT_EQ(Player->NodesPerFrame, shape.NodesPerLayer);
    EXPECT_EQ(Player->MaxLayerSeen, shape.LayerCount() - 1);
    EXPECT_EQ(Player->LayerPresent, (std::array<int, 5>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(Player->LayerFrames == expected.Fabric.Layers);
    for (int q = 0; q < 3; ++q) {
        EXPECT_EQ(Player->RangeMin[q], expected.Ranges[q].Min) << q;
        EXPECT_EQ(Player->RangeMax[q], expected.Ranges[q].Max) << q;
        EXPECT_LT(Player->RangeMin[q], Player->RangeMax[q]) << q;
    }
    // The stages widen the temperature and humidity scales.
    EXPECT_LE(Player->RangeMin[0], 15);
    EXPECT_GE(Player->RangeMax[0], 35);
    EXPECT_LE(Player->RangeMin[1], 40);
    EXPECT_GE(Player->RangeMax[1], 60);
    // Durations of 40 minutes become start times.
    ASSERT_EQ(Player->EnvStageCount, 3);
    ASSERT_EQ(Player->EnvStages.size(), 3u);
    EXPECT_EQ(Player->EnvStages[0].Time, 0);
    EXPECT_EQ(Player->EnvStages[1].Time, 40);
    EXPECT_EQ(Player->EnvStages[2].Time, 80);
    EXPECT_EQ(Player->EnvStages[1].Temperature, 35);
    EXPECT_EQ(Player->EnvStages[1].Humidity, 60);
    EXPECT_EQ(Player->IsFemale, 0);
    EXPECT_EQ(Player->GarmentCount, 2);
    EXPECT_EQ(Player->GarmentLayerCount, (std::vector<int>{2, 3}));
    EXPECT_EQ(Player->GarmentStyle, (std::vector<int>{1, 2}));
    EXPECT_EQ(Items(Player->ListBox1), (QStringList{"Garment1", "Garment2"}));

    // The bare body stands in the room in the body colour, before any playback.
    Grab(Player);
    EXPECT_TRUE(Yellow(At(0, ChestY, SurfaceZ))) << At(0, ChestY, SurfaceZ).name().toStdString();
    EXPECT_TRUE(Yellow(At(0, PelvisY, SurfaceZ)));
    EXPECT_TRUE(RoomShows());
}

TEST_F(ResultLoadTest, ANewLoadReplacesTheSceneAndGarmentsOfAnEarlierOne)
{
    LoadGood(Player, MakeSet("realistic", ResultSetSize::Realistic));
    // As during a playback: the man in slacks and winter coat, a layer chosen (green).
    Player->ViewState = 3;
    Player->SelectedStyle = 2;
    Player->LayerSelected = 1;
    Player->ColorSlots[TFrmMain::SlotStyle0 + 2][0] = 0;
    Player->ColorSlots[TFrmMain::SlotStyle0 + 2][1] = 1;
    Player->ColorSlots[TFrmMain::SlotStyle0 + 2][2] = 0;
    Player->BuildSceneLists();
    Player->ListBox2->addItems({"Layer1", "Layer2"});
    Grab(Player);
    ASSERT_TRUE(Green(At(0, PelvisY, SurfaceZ)));

    ResultSetShape woman = ShapeOf(ResultSetSize::Minimal);
    woman.BodyModel = 1;
    LoadGood(Player, MakeSet("woman", woman));
    EXPECT_EQ(Player->IsFemale, 1);
    EXPECT_EQ(Items(Player->ListBox1), (QStringList{"Garment1"}));
    EXPECT_EQ(Player->ListBox2->count(), 0);
    EXPECT_EQ(Player->FrameCount, woman.Frames);
    EXPECT_EQ(Player->LayerFrames.size(), 2u);
    // Only the bare body of the new results: no garment, no second torso of the man.
    Grab(Player);
    EXPECT_TRUE(Yellow(At(0, PelvisY, SurfaceZ))) << At(0, PelvisY, SurfaceZ).name().toStdString();
    EXPECT_TRUE(Yellow(At(0, ChestY, SurfaceZ)));
}

TEST_F(ResultLoadTest, DamagedFilesGiveTheirMessageAndLeaveThePlayerAsItWas)
{
    const ResultSetShape shape = ShapeOf(ResultSetSize::Realistic);
    LoadGood(Player, MakeSet("good", shape));
    // A garment chosen, as during a playback: its layers are listed.
    Player->ListBox1->setCurrentRow(1);
    const std::vector<TFrameRow> frames = Player->BodyFrames;
    const LayerBuffers layers = Player->LayerFrames;
    const std::vector<EnvStage> stages = Player->EnvStages;
    const float rangeMin = Player->RangeMin[0], rangeMax = Player->RangeMax[0];
    const QImage before = Grab(Player);
    auto expectUnchanged = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(Player->BodyLoaded, 1);
        EXPECT_EQ(Player->FrameCount, shape.Frames);
        EXPECT_TRUE(Player->BodyFrames == frames);
        EXPECT_TRUE(Player->LayerFrames == layers);
        EXPECT_EQ(Player->NodesPerFrame, shape.NodesPerLayer);
        EXPECT_EQ(Player->LayerPresent, (std::array<int, 5>{1, 1, 1, 1, 1}));
        EXPECT_EQ(Player->EnvStageCount, 3);
        EXPECT_EQ(Player->EnvStages.size(), stages.size());
        EXPECT_EQ(Player->EnvStages[1].Temperature, stages[1].Temperature);
        EXPECT_EQ(Player->RangeMin[0], rangeMin);
        EXPECT_EQ(Player->RangeMax[0], rangeMax);
        EXPECT_EQ(Player->GarmentCount, 2);
        EXPECT_EQ(Player->GarmentLayerCount, (std::vector<int>{2, 3}));
        EXPECT_EQ(Items(Player->ListBox1), (QStringList{"Garment1", "Garment2"}));
        EXPECT_EQ(Player->ListBox1->currentRow(), 1);
        EXPECT_EQ(Items(Player->ListBox2), (QStringList{"Layer1", "Layer2", "Layer3"}));
        EXPECT_TRUE(Grab(Player) == before);
        EXPECT_TRUE(RoomShows());
    };

    // No to the question: nothing is read, the window stays open.
    {
        MessageRecorder messages;
        messages.Expect("Load data?", "Confirm", IDNO);
        Load(Player, MakeSet("other", ResultSetSize::Minimal));
        EXPECT_TRUE(FrmData->isVisible());
    }
    expectUnchanged("answered No");

    // No "Environment.dat": its message, the window stays open for another folder.
    LoadDamaged("Environment.dat", nullptr, "No data or incorrect format in environment data file!");
    EXPECT_TRUE(FrmData->isVisible());
    expectUnchanged("environment missing");

    // An "Environment.dat" without stages: its message, nothing of the folder is loaded.
    LoadDamaged("Environment.dat", "title\n1\nGarments\n1\nNo\tLayers\tStyle\n1\t2\t0\nStage\tT\tRH\tTime\n\n",
                "Incorrect Env. temperature!");
    EXPECT_TRUE(FrmData->isVisible());
    expectUnchanged("no stages");

    // A broken "BodyProperty.dat": its message, the window closes.
    LoadDamaged("BodyProperty.dat", "0\t33.5\t37\t0.1\t58\t60\r\n1\t33.6\t37\t0.1\t58\t60\r\n",
                "Too few data column in body data file! There is only 4");
    EXPECT_FALSE(FrmData->isVisible());
    expectUnchanged("body columns");

    // A broken "Fabrics.dat" (a body that loads, other garments): its message, nothing taken over.
    LoadDamaged("Fabrics.dat", "0\t0.1\t0\n", "Too few data column in fabric data file! There is only 3");
    expectUnchanged("fabric columns");
    LoadDamaged("Fabrics.dat", "0\t0\t7\t1\t1\t0\t50\t0\t30\t0\n", "No data or incorrect format in fabric data file!");
    expectUnchanged("stray fabric layer");

    // And a good folder loads again afterwards.
    ResultSetShape other = ShapeOf(ResultSetSize::Minimal);
    LoadGood(Player, MakeSet("again", other));
    EXPECT_EQ(Items(Player->ListBox1), (QStringList{"Garment1"}));
    EXPECT_EQ(Player->ListBox2->count(), 0);
    EXPECT_EQ(Player->FrameCount, other.Frames);
}

// Answers Yes and closes the given player while the question is open.
class ClosingAnswer : public MessageService {
public:
    explicit ClosingAnswer(TFrmMain* player) : Player(player), Previous(SetMessageService(this)) {}
    ~ClosingAnswer() override { SetMessageService(Previous); }
    int MessageBox(const QString& text, const QString&, int) override
    {
        Shown << text;
        if (Player) {
            Player->Close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return IDYES;
    }
    void ShowMessage(const QString& text) override { Shown << text; }
    void ShowException(const QString& text) override { Shown << text; }
    QStringList Shown;

private:
    QPointer<TFrmMain> Player;
    MessageService* Previous;
};

TEST_F(ResultLoadTest, DataLoadIntoThePlayerThatOpenedTheWindowAndNothingWhenItIsGone)
{
    const QString folder = MakeSet("set", ResultSetSize::Minimal);

    // Two players: the data go to the one whose Open button was pressed last, not to the newest.
    QPointer<TFrmMain> first = Player;
    QPointer<TFrmMain> second = OpenPlayer();
    ASSERT_NE(first.data(), second.data());
    LoadGood(first, folder);
    EXPECT_EQ(first->BodyLoaded, 1);
    EXPECT_EQ(second->BodyLoaded, 0);

    // The player closed while the window is open: the window goes with it, and its button
    // does nothing (no question, no message).
    second->SBtnOpen->click();
    ASSERT_TRUE(FrmData->isVisible());
    second->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(second.isNull());
    EXPECT_FALSE(FrmData->isVisible());
    EXPECT_EQ(FrmData->Player(), nullptr);
    {
        MessageRecorder messages;
        FrmData->BtnOkClick();
    }

    // The player closed while "Load data?" is open: nothing is read and nothing more is shown.
    first->SBtnOpen->click();
    ASSERT_TRUE(FrmData->FolderBrowser->SetDirectory(folder));
    {
        ClosingAnswer answer(first);
        FrmData->BtnOkClick();
        EXPECT_EQ(answer.Shown, QStringList{"Load data?"});
    }
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(FrmData->isVisible());
}

} // namespace
