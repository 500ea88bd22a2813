// Playing results back in the 3D player: the time against a clock the test moves, the pause and
// the speed, the columns that colour the body, the garment and layer lists, the environment's
// stage, and the mouse modes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include "tests/gl/playbackfixture.h"

namespace {

class PlaybackClock : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        Player = OpenPlayer();
        Load(Player, MakeSet("realistic", ShapeOf(ResultSetSize::Realistic)));  // 120 frames, 1 min apart
    }
    void SetSpeed(const char* text) { Player->StepSpeed->setText(text); }
    QString Label() const { return Player->LblTime->text(); }
    TFrmMain* Player = nullptr;
};

TEST_F(PlaybackClock, FramesFollowTheClockAndSpeedTextThatIsNoNonNegativeIntegerIsRefused)
{
    Display(Player);
    Tick(Player, 630);  // 10.5 minutes: the label shows frame 10's time
    EXPECT_EQ(Label(), "10:00");
    // A new speed continues from the time reached, not from the start or the frame's time.
    SetSpeed("2");
    Tick(Player, 315);  // 10.5 + 2 x 5.25: frame 21's first minute
    EXPECT_EQ(Player->CurrentFrame, 21);

    for (const char* text : {"abc", "2147483648", "1.5", " 3", "-3"}) {
        MessageRecorder messages;
        messages.Expect(QString("'") + text + "' is not a valid integer value", "Exception");
        SetSpeed(text);
        EXPECT_EQ(Player->PlaySpeed, 2) << text;
    }
    Tick(Player, 45);
    EXPECT_EQ(Player->CurrentFrame, 22);  // still at double speed from the same start
    SetSpeed("2147483647");  // the largest speed there is: one second ends the playback
    Tick(Player, 1);
    EXPECT_FALSE(Player->Timer2->isActive());
}

TEST_F(PlaybackClock, PauseHoldsTheTimeAndTheEndKeepsTheLastPicture)
{
    Display(Player);
    Player->BtnPause->click();  // nothing played yet: nothing to hold
    EXPECT_TRUE(Player->Timer2->isActive());
    EXPECT_EQ(Player->BtnPause->text(), "Pause");
    Tick(Player, 570);
    Player->BtnPause->click();
    EXPECT_FALSE(Player->Timer2->isActive());
    EXPECT_EQ(Player->BtnPause->text(), "Restart");
    Clock.Now += 1800;
    Player->BtnPause->click();
    EXPECT_TRUE(Player->Timer2->isActive());
    EXPECT_EQ(Player->BtnPause->text(), "Pause");
    Tick(Player, 30);  // on from 9.5 minutes: frame 10's first minute
    EXPECT_EQ(Player->CurrentFrame, 10);

    Tick(Player, 109.75 * 60);  // 119.75: within the last frame
    EXPECT_EQ(Player->CurrentFrame, 119);
    Tick(Player, 15);  // 120: the first time past it
    EXPECT_FALSE(Player->Timer2->isActive());
    EXPECT_EQ(Label(), "119:00");
    Player->BtnPause->click();  // the playback is over: nothing to resume
    EXPECT_FALSE(Player->Timer2->isActive());
    // Display starts again from the start, from a pause too.
    Display(Player);
    Tick(Player, 150);
    Player->BtnPause->click();
    ASSERT_EQ(Label(), "02:00");
    Display(Player);
    EXPECT_EQ(Label(), "00:00");
    EXPECT_EQ(Player->BtnPause->text(), "Pause");
}

TEST_F(PlaybackTest, DisplayWithoutDataSaysSoAndDoesNotPlay)
{
    TFrmMain* player = OpenPlayer();
    MessageRecorder messages;
    messages.Expect("No data available!", "Information");
    player->BtnDisplay->click();
    EXPECT_FALSE(player->Timer2->isActive());
    EXPECT_EQ(player->ViewState, 0);
}

// Body columns with distinct colours on the 0 .. 40 map: the one each mode reads and its
// neighbours differ.
double BodyColumn(int column)
{
    static const double values[18] = {0, 40, 0, 10, 10, 20, 30, 0, 10, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    return values[column];
}

TEST_F(PlaybackTest, EachModeColoursTheBodyFromItsOwnColumn)
{
    TFrmMain* player = OpenPlayer();
    const auto folder = MakeSet("columns", TwoGarments(2, 3));
    WriteBody(folder, 2, BodyColumn);
    Load(player, folder);

    struct Mode {
        QRadioButton* button;
        char torso;
        const char* legend;
    };
    // Temperature: skin temperature 40 (red), not the core's 0; humidity: the skin humidity
    // column 20 (green), not the metabolism's 10 or the blood flow's 30; sweating: the sweating
    // column 0 (blue), not the blood flow's 30 or 10 beyond.
    for (const Mode& m : {Mode{player->RBTemp, 'r', "Temperature(  C)"}, Mode{player->RBHumidity, 'g', "Humidity(%)"},
                          Mode{player->RBSweat, 'b', "Sweating Rate"}}) {
        SCOPED_TRACE(m.button->text().toStdString());
        m.button->setChecked(true);
        Display(player);
        Tick(player, 0);
        const QImage picture = FacingPicture(player);
        EXPECT_EQ(HueAt(picture, ModelPoint(picture, 0, 0.66, 0.06)), m.torso);
        EXPECT_EQ(player->LegendTitle(), m.legend);
    }

    // The core, opened by the cut plane: its own column (0, blue) inside the red body.
    player->RBTemp->setChecked(true);
    Display(player);
    player->CheckBox3->setChecked(true);
    Tick(player, 0);
    const QImage picture = FacingPicture(player);
    EXPECT_EQ(HueAt(picture, ModelPoint(picture, 0, 0.62, 0.03)), 'b');
}

// The sweating-rate legend spans the sweating column (100 .. 120), not the blood flow's beside
// it; each column of the body file changes from frame to frame in a range of its own.
TEST_F(PlaybackTest, TheSweatingLegendSpansTheSweatingColumn)
{
    TFrmMain* player = OpenPlayer();
    const auto folder = MakeSet("sweating", TwoGarments(3, 2));
    {
        std::ofstream out(folder / BodyFileName, std::ios::trunc);
        for (int f = 0; f < 3; ++f) {
            out << f << '\t' << 33 + f << "\t37\t0.2\t" << 70 + f << '\t' << 40 + f << '\t' << 6 + f << '\t' << 100 + 10 * f;
            for (int c = 8; c < 18; ++c)
                out << '\t' << c;
            out << '\n';
        }
    }
    Load(player, folder);
    player->RBSweat->setChecked(true);
    player->BtnDisplay->click();
    EXPECT_EQ(player->LegendValue(0), "120.0");
    EXPECT_EQ(player->LegendValue(4), "100.0");
}

TEST_F(PlaybackTest, GarmentAndLayerChoiceColourTheGarmentByThatLayersInnerNode)
{
    TFrmMain* player = OpenPlayer();
    const auto folder = MakeSet("layers", TwoGarments(2, 4));
    WriteBody(folder, 2, BodyColumn);
    // Layer 4 overall (the second of the slacks and coat) has 20 (green) at node 0; its other
    // nodes and the layers beside it differ.
    auto temperature = [](int l, int n) { return l == 3 ? (n == 0 ? 20 : 30) : l == 2 ? 0 : l == 4 ? 40 : 10; };
    WriteFabric(folder, 2, 5, 4, temperature, 50);
    Load(player, folder);
    Display(player);
    auto thighHue = [&] {
        const QImage picture = FacingPicture(player);
        return HueAt(picture, ModelPoint(picture, 0.055, 0.40, 0.05));
    };

    player->ListBox1->setCurrentRow(1);
    Tick(player, 0);
    EXPECT_EQ(thighHue(), 'r') << "a garment without a chosen layer wears the body's colour";

    player->ListBox2->setCurrentRow(1);
    Tick(player, 0);
    EXPECT_EQ(thighHue(), 'g');
}

TEST_F(PlaybackTest, AClickOnTheChosenGarmentGoesBackFromItsLayerToTheWholeGarment)
{
    TFrmMain* player = OpenPlayer();
    Load(player, MakeSet("layers", TwoGarments(2, 3)));
    Display(player);
    auto click = [&](int row) {
        const QPoint at = player->ListBox1->visualItemRect(player->ListBox1->item(row)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent e(type, QPointF(at), QPointF(player->ListBox1->viewport()->mapToGlobal(at)), Qt::LeftButton,
                          held, Qt::NoModifier);
            QApplication::sendEvent(player->ListBox1->viewport(), &e);
        }
    };
    ASSERT_EQ(player->ListBox1->count(), 2);
    EXPECT_EQ(player->ListBox1->item(0)->text(), "Garment1");
    EXPECT_EQ(player->ListBox1->item(1)->text(), "Garment2");
    click(1);
    player->ListBox2->setCurrentRow(2);
    click(1);
    EXPECT_EQ(player->ViewState, 3);
    EXPECT_EQ(player->LayerSelected, 0);
    ASSERT_EQ(player->ListBox2->count(), 3);
    EXPECT_EQ(player->ListBox2->item(0)->text(), "Layer1");
    EXPECT_EQ(player->ListBox2->item(2)->text(), "Layer3");
    EXPECT_EQ(player->SelectedStyle, 2) << "slacks, whatever their layer count";

    // The keyboard chooses too.
    player->ListBox1->setFocus();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(player->ListBox1, &up);
    EXPECT_EQ(player->SelectedGarment, 0);
    EXPECT_EQ(player->ListBox2->count(), 2);
    EXPECT_EQ(player->SelectedStyle, 1);
}

TEST_F(PlaybackTest, PlaybackEndsWithTheLastFrameThatBodyAndFabricBothHold)
{
    TFrmMain* player = OpenPlayer();
    const auto folder = MakeSet("behind", TwoGarments(10, 3));
    WriteBody(folder, 10, BodyColumn);
    WriteFabric(folder, 6, 5, 3, [](int, int) { return 20.0; }, 50);  // green
    Load(player, folder);
    Display(player);
    player->ListBox1->setCurrentRow(1);
    player->ListBox2->setCurrentRow(0);
    const float* garment = player->ColorSlots[player->GarmentSlot()];
    Tick(player, 5 * 60);
    EXPECT_EQ(player->CurrentFrame, 5);
    Tick(player, 60);
    EXPECT_FALSE(player->Timer2->isActive());
    EXPECT_EQ(player->LblTime->text(), "05:00");
    EXPECT_FLOAT_EQ(garment[1], 1.0f) << "the garment keeps its last colour";
}

TEST_F(PlaybackClock, EnvironmentTakesTheStageUnderWayFromItsFirstMinute)
{
    Display(Player);  // stages from 0, 40 and 80 minutes
    auto expectEnvironment = [&](float temperature) {
        float expected[4] = {0, 0, 0, 1};
        Player->ValueToColor(temperature, expected);
        for (int c = 0; c < 3; ++c)
            EXPECT_FLOAT_EQ(Player->ColorSlots[TFrmMain::SlotEnvironment][c], expected[c]) << temperature;
    };
    Tick(Player, 39.75 * 60);
    expectEnvironment(25);
    Tick(Player, 15);  // 40 minutes: the second stage's first frame
    expectEnvironment(35);
}

TEST_F(PlaybackTest, MouseModesStepBothWaysOnlyPastThreePixelsAndRestoreResetsTheView)
{
    TFrmMain* p = OpenPlayer();
    QPoint at(100, 100);
    auto mouse = [&](QEvent::Type type, QPoint by = {}, Qt::MouseButton button = Qt::LeftButton) {
        at += by;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(at), QPointF(p->GLPanel->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(p->GLPanel, &e);
    };
    // A drag of the given moves in the mode of the button.
    auto drag = [&](QToolButton* mode, std::initializer_list<QPoint> moves) {
        if (!mode->isChecked())
            mode->click();
        mouse(QEvent::MouseButtonPress);
        for (QPoint by : moves)
            mouse(QEvent::MouseMove, by);
        mouse(QEvent::MouseButtonRelease);
    };

    p->SBtnMove->click();
    mouse(QEvent::MouseButtonPress, {}, Qt::RightButton);
    EXPECT_EQ(p->Dragging, 0) << "the right button is ignored";
    mouse(QEvent::MouseButtonPress);
    for (int i = 0; i < 5; ++i)
        mouse(QEvent::MouseMove, {2, -2});  // a slow drag never adds up to a step
    EXPECT_EQ(p->Translation[0], 0);
    mouse(QEvent::MouseMove, {3, -3});  // right and up: the model goes right and up
    EXPECT_FLOAT_EQ(p->Translation[0], 0.05f);
    EXPECT_FLOAT_EQ(p->Translation[1], 0.05f);
    mouse(QEvent::MouseButtonRelease);
    EXPECT_EQ(p->Dragging, 0);
    drag(p->SBtnMove, {{-3, 3}, {-3, 3}});  // left and down, twice
    EXPECT_FLOAT_EQ(p->Translation[0], -0.05f);
    EXPECT_FLOAT_EQ(p->Translation[1], -0.05f);

    // Down enlarges, up makes smaller; right and down turn one way, left and up the other.
    drag(p->SBtnZoomIn, {{0, 3}});
    EXPECT_FALSE(p->SBtnMove->isChecked()) << "one mode button down at a time";
    EXPECT_FLOAT_EQ(p->ZoomScale[1], 1.1f);
    drag(p->SBtnZoomIn, {{0, -3}, {0, -3}});
    for (float z : p->ZoomScale)
        EXPECT_FLOAT_EQ(z, 1 / 1.1f);
    drag(p->SBtnRotate, {{-3, 3}});
    EXPECT_FALSE(p->SBtnZoomIn->isChecked());
    EXPECT_EQ(p->RotationY, -5);
    EXPECT_EQ(p->RotationX, 5);
    drag(p->SBtnRotate, {{3, -3}, {3, -3}});
    EXPECT_EQ(p->RotationY, 5);
    EXPECT_EQ(p->RotationX, -5);

    // Restore resets the whole view and leaves the mode.
    p->SBtnRestore->click();
    EXPECT_EQ(p->RotationX, 0);
    EXPECT_EQ(p->RotationY, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(p->Translation[k], 0) << k;
        EXPECT_EQ(p->ZoomScale[k], 1) << k;
    }
    EXPECT_EQ(p->MouseMode, 1);
    EXPECT_FALSE(p->SBtnRotate->isChecked());
}

} // namespace
