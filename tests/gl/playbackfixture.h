#pragma once
// Playback tests: players opened as the "Animation" button opens them, result sets written to a
// temporary folder (generated, or with body and fabric columns chosen by the test), and a clock
// the test moves by hand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/furfea.h"
#include "results/frmcutview.h"
#include "results/frmmain.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "tests/support/appfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/clock.h"
#include "toolkit/glwidget.h"

class ManualClock : public TClock {
public:
    double Seconds() override { return Now; }
    double Now = 100000;
};

// "BodyProperty.dat" with frames rows one minute apart; column c (1..17) of every frame holds
// value(c).
inline void WriteBody(const std::filesystem::path& folder, int frames, const std::function<double(int)>& value)
{
    std::ofstream out(folder / BodyFileName, std::ios::trunc);
    for (int f = 0; f < frames; ++f) {
        out << f;
        for (int c = 1; c < 18; ++c)
            out << '\t' << value(c);
        out << '\n';
    }
}
// "Fabrics.dat" with the given layers and nodes per time block; node n of layer l has the
// temperature temperature(l, n) in every frame, and every node the same humidity.
inline void WriteFabric(const std::filesystem::path& folder, int frames, int layers, int nodes,
                        const std::function<double(int, int)>& temperature, double humidity)
{
    std::ofstream out(folder / FabricFileName, std::ios::trunc);
    for (int f = 0; f < frames; ++f)
        for (int l = 0; l < layers; ++l)
            for (int n = 0; n < nodes; ++n)
                out << f << '\t' << 0.01 * n << '\t' << l << "\t0.01\t0.01\t0\t" << humidity << "\t0\t"
                    << temperature(l, n) << "\t0\n";
}

class PlaybackTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Temp.isValid());
        Startup = FrmMain;
        PreviousClock = SetClock(&Clock);
    }
    void TearDown() override
    {
        SetClock(PreviousClock);
        for (QPointer<TFrmMain>& p : Opened)
            if (p)
                p->Close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (FrmCutView)
            FrmCutView->hide();
        FrmMain = Startup;
    }

    TFrmMain* OpenPlayer()
    {
        FurFea->ToolButton14Click();
        QApplication::processEvents();
        Opened.push_back(FrmMain);
        return FrmMain;
    }

    std::filesystem::path MakeSet(const QString& name, const ResultSetShape& shape)
    {
        const std::filesystem::path folder(QFile::encodeName(Temp.filePath(name)).toStdString());
        EXPECT_EQ(WriteResultSet(folder, shape), "");
        return folder;
    }

    void Load(TFrmMain* player, const std::filesystem::path& folder)
    {
        const EnvironmentRead environment = ReadEnvironment(folder);
        ASSERT_TRUE(environment.Ok()) << environment.Error;
        MessageRecorder messages;
        messages.Expect("Data load succeeded!", "Notice");
        player->LoadResultData(folder, environment.Data);
    }

    // Display, then the colour map 0 .. 40 whatever the ranges, so values give known colours.
    static void Display(TFrmMain* player)
    {
        player->BtnDisplay->click();
        const float thresholds[5] = {0, 10, 20, 30, 40};
        std::copy(thresholds, thresholds + 5, player->ColorThresholds);
    }

    // Moves the clock on and runs one timer step.
    void Tick(TFrmMain* player, double seconds)
    {
        Clock.Now += seconds;
        player->Timer2Timer();
    }

    QTemporaryDir Temp;
    ManualClock Clock;
    TClock* PreviousClock = nullptr;
    TFrmMain* Startup = nullptr;
    std::vector<QPointer<TFrmMain>> Opened;
};

// The shape of the sets whose columns the tests write: a man in shorts and T-shirt (2 layers)
// and in slacks and winter coat (3 layers), three stages of 40 minutes.
inline ResultSetShape TwoGarments(int frames, int nodes)
{
    ResultSetShape shape = ShapeOf(ResultSetSize::Realistic);
    shape.Frames = frames;
    shape.NodesPerLayer = nodes;
    return shape;
}

// A pixel's strong hue: 'r', 'g', 'b', 'k' (dark) or '?' (mixed).
inline char HueOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return r < 30 && g < 30 && b < 30         ? 'k'
           : r > 60 && r > 2 * std::max(g, b) ? 'r'
           : g > 60 && g > 2 * std::max(r, b) ? 'g'
           : b > 60 && b > 2 * std::max(r, g) ? 'b'
                                              : '?';
}

// The commonest hue of a 5 x 5 patch (surface edges may blur one pixel).
inline char HueAt(const QImage& image, QPoint at)
{
    const char names[5] = {'r', 'g', 'b', 'k', '?'};
    int count[5] = {0, 0, 0, 0, 0};
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            ++count[std::find(names, names + 4, HueOf(image.pixel(at.x() + dx, at.y() + dy))) - names];
    return names[std::max_element(count, count + 5) - count];
}

// Where a point of the player's world appears, by its camera (eye at z 3, 45 degrees).
inline QPoint WorldPoint(const QImage& picture, double wx, double wy, double wz)
{
    const double d = 3 - wz, t = std::tan(22.5 * M_PI / 180), aspect = double(picture.width()) / picture.height();
    return {static_cast<int>((wx / (d * t * aspect) + 1) / 2 * picture.width()),
            static_cast<int>((1 - wy / (d * t)) / 2 * picture.height())};
}

// A model point, by the player's placement of the model (scale 1.8, lowered by 0.8), unturned
// and unzoomed.
inline QPoint ModelPoint(const QImage& picture, double x, double y, double z)
{
    return WorldPoint(picture, 1.8 * x, 1.8 * y - 0.8, 1.8 * z);
}

// The hues along the middle row of the back wall, left of the body: the room's blue grid on black.
inline std::string BackWallRow(const QImage& picture)
{
    std::string hues;
    for (int x = 320; x < 420; ++x)
        hues += HueOf(picture.pixel(x, picture.height() / 2));
    return hues;
}

// The player's picture as it stands, with the model turned back to face the camera.
inline QImage FacingPicture(TFrmMain* player)
{
    player->RotationY = 0;
    return player->GLPanel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
}
