// Loading a result folder into the 3D player through the data window, as a user does it: the
// player's Open button, the folder, "Load Data", the question; then the body in the picture, the
// player's members filled from the files, a failed load, and a player closed under the window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "results/frmdata.h"
#include "tests/gl/playbackfixture.h"
#include "tests/support/glpixels.h"
#include "toolkit/folderbrowser.h"

namespace {

class ResultLoadTest : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        Player = OpenPlayer();
    }
    void TearDown() override
    {
        FrmData->hide();
        PlaybackTest::TearDown();
    }

    // Open, choose the folder and press "Load Data"; the recorder answers as the test set it up.
    void Load(TFrmMain* player, const std::filesystem::path& folder)
    {
        player->SBtnOpen->click();
        ASSERT_TRUE(FrmData->isVisible());
        ASSERT_TRUE(FrmData->FolderBrowser->SetDirectory(QFile::decodeName(folder.string().c_str())));
        FrmData->BtnOk->click();
    }
    // Loads and expects the question, then the given error or the success.
    void LoadSaying(TFrmMain* player, const std::filesystem::path& folder, const QString& error = {})
    {
        MessageRecorder messages;
        messages.Expect("Load data?", "Confirm", IDYES);
        if (error.isEmpty())
            messages.Expect("Data load succeeded!", "Notice");
        else
            messages.Expect(error, "Error");
        Load(player, folder);
    }

    QImage Grab()
    {
        QApplication::processEvents();
        Picture = FacingPicture(Player);
        return Picture;
    }
    // Most of a 5 x 5 patch around a model point in the body slot's colour at a load (yellow,
    // lit from the side).
    bool YellowAt(double x, double y, double z) const
    {
        return Around(Picture, ModelPoint(Picture, x, y, z), 2, [](QRgb c) {
                   return qRed(c) > 100 && qGreen(c) > 100 && qBlue(c) < 0.3 * qRed(c);
               }) > 12;
    }
    TFrmMain* Player = nullptr;
    QImage Picture;
};

// Model points on the front of the man's body.
constexpr double ChestY = 0.66, PelvisY = 0.50, SurfaceZ = 0.06;

TEST_F(ResultLoadTest, ASetLoadsIntoThePlayerAndANewLoadReplacesItsSceneAndGarments)
{
    const QString currentDir = QDir::currentPath();
    const auto set = MakeSet("realistic", ShapeOf(ResultSetSize::Realistic));
    LoadSaying(Player, set);
    EXPECT_FALSE(FrmData->isVisible());
    EXPECT_EQ(QDir::currentPath(), currentDir);

    // What the readers make of the folder is what the player holds (the playback tests show
    // what it does with the frames, layers, stages and garments).
    // The window listed the folder's data files, not its case file.
    QStringList listed;
    for (int i = 0; i < FrmData->FileListBox1->count(); ++i)
        listed << FrmData->FileListBox1->item(i)->text();
    EXPECT_TRUE(listed.contains("BodyProperty.dat")) << listed.join(' ').toStdString();
    EXPECT_FALSE(listed.contains("simulation.sdf"));
    EXPECT_EQ(Player->IsFemale, 0);

    const PlayerResults expected = LoadPlayerResults(set, ReadEnvironment(set).Data);
    EXPECT_TRUE(Player->BodyFrames == expected.Body.Frames);
    EXPECT_TRUE(Player->LayerFrames == expected.Fabric.Layers);
    for (int q = 0; q < 3; ++q)
        EXPECT_EQ(Player->RangeMax[q], expected.Ranges[q].Max) << q;

    // As during a playback: the man in slacks and winter coat, a layer chosen (green).
    Player->ViewState = 3;
    Player->SelectedStyle = 2;
    Player->LayerSelected = 1;
    const float green[3] = {0, 1, 0};
    std::copy(green, green + 3, Player->ColorSlots[TFrmMain::SlotStyle0 + 2]);
    Player->BuildSceneLists();
    Player->ListBox2->addItems({"Layer1", "Layer2"});
    Grab();
    ASSERT_EQ(HueAt(Picture, ModelPoint(Picture, 0, PelvisY, SurfaceZ)), 'g');

    ResultSetShape woman = ShapeOf(ResultSetSize::Minimal);
    woman.BodyModel = 1;
    LoadSaying(Player, MakeSet("woman", woman));
    EXPECT_EQ(Player->ListBox1->count(), 1);
    EXPECT_EQ(Player->ListBox2->count(), 0);
    EXPECT_EQ(Player->FrameCount, woman.Frames);
    EXPECT_EQ(Player->IsFemale, 1);
    // Only the bare body of the new results, in the body colour: no garment, no second torso
    // of the man.
    Grab();
    EXPECT_TRUE(YellowAt(0, PelvisY, SurfaceZ));
    EXPECT_TRUE(YellowAt(0, ChestY, SurfaceZ));
}

TEST_F(ResultLoadTest, AFailedBodyLeavesThePlayerAsItWasAndAFailedFabricLeavesTheBodyToPlay)
{
    LoadSaying(Player, MakeSet("good", ShapeOf(ResultSetSize::Realistic)));
    // A garment chosen, as during a playback: its layers are listed.
    Player->ListBox1->setCurrentRow(1);
    const std::vector<TFrameRow> frames = Player->BodyFrames;
    const LayerBuffers layers = Player->LayerFrames;
    const QImage before = Grab();

    // A broken "BodyProperty.dat" beside a sound fabric file and another garment: nothing is
    // taken over.
    const auto folder = MakeSet("damaged", ShapeOf(ResultSetSize::Minimal));
    const QString body = QFile::decodeName((folder / BodyFileName).string().c_str());
    ASSERT_TRUE(QFile::rename(body, body + ".sound"));
    WriteText(body, "0\t33\t37\n");
    LoadSaying(Player, folder, "Too few data column in body data file! There is only 3");
    EXPECT_TRUE(Player->BodyFrames == frames);
    EXPECT_TRUE(Player->LayerFrames == layers);
    EXPECT_EQ(Player->ListBox1->count(), 2);
    EXPECT_TRUE(Grab() == before);

    QFile::remove(body);
    QFile::rename(body + ".sound", body);
    // An environment without a stage, or a damaged one: nothing of the folder is read either.
    const QString environment = QFile::decodeName((folder / EnvironmentFileName).string().c_str());
    ASSERT_TRUE(QFile::rename(environment, environment + ".sound"));
    for (const auto& [text, message] : {std::pair<const char*, const char*>{"t\n0\n\n1\n\n1\t2\t1\nheading\n", "Incorrect Env. temperature!"},
                                        {"t\nman\n\n1\n\n1\t2\t1\nheading\n1\t20\t50\t10\n", "No data or incorrect format in environment data file!"}}) {
        WriteText(environment, text);
        LoadSaying(Player, folder, message);
        EXPECT_TRUE(Player->BodyFrames == frames) << message;
        EXPECT_EQ(Player->ListBox1->count(), 2) << message;
    }
    QFile::remove(environment);
    QFile::rename(environment + ".sound", environment);

    // A broken "Fabrics.dat" beside a sound body: the body of this folder plays, without garments.
    WriteText(QFile::decodeName((folder / FabricFileName).string().c_str()), "0\t0.1\t0\n");
    LoadSaying(Player, folder, "Too few data column in fabric data file! There is only 3");
    EXPECT_TRUE(Player->BodyFrames == ReadBodyFile(folder / BodyFileName).Frames);
    EXPECT_TRUE(Player->LayerFrames.empty());
    Player->BtnDisplay->click();
    EXPECT_TRUE(Player->Timer2->isActive());
    EXPECT_EQ(Player->ListBox1->count(), 0) << "no garment without its layers";
    Player->Timer2Timer();
    EXPECT_EQ(Player->LblTime->text(), "00:00");
}

// Answers "Load data?" with Yes after closing the given player while the question is open.
class ClosingAnswer : public MessageRecorder {
public:
    explicit ClosingAnswer(TFrmMain* player) : Player(player) { Expect("Load data?", "Confirm", IDYES); }
    int MessageBox(const QString& text, const QString& caption, int flags) override
    {
        if (Player) {
            Player->Close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return MessageRecorder::MessageBox(text, caption, flags);
    }

private:
    QPointer<TFrmMain> Player;
};

TEST_F(ResultLoadTest, DataLoadIntoThePlayerThatOpenedTheWindowAndNothingWhenItIsGone)
{
    const auto folder = MakeSet("set", ShapeOf(ResultSetSize::Minimal));

    // Two players: the data go to the one whose Open button was pressed last, not to the newest.
    QPointer<TFrmMain> first = Player;
    QPointer<TFrmMain> second = OpenPlayer();
    LoadSaying(first, folder);
    EXPECT_EQ(first->BodyLoaded, 1);
    EXPECT_EQ(second->BodyLoaded, 0);

    // The player closed while the window is open: the window goes with it, and its button
    // does nothing (no question, no message).
    second->SBtnOpen->click();
    second->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FrmData->isVisible());
    {
        MessageRecorder messages;
        FrmData->BtnOkClick();
    }

    // The player closed while "Load data?" is open: nothing is read and nothing more is shown.
    first->SBtnOpen->click();
    ASSERT_TRUE(FrmData->FolderBrowser->SetDirectory(QFile::decodeName(folder.string().c_str())));
    {
        ClosingAnswer answer(first);
        FrmData->BtnOkClick();
        EXPECT_TRUE(answer.AllConsumed());
    }
    EXPECT_FALSE(FrmData->isVisible());
}

} // namespace
