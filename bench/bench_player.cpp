// The 3D player: reading the 24 models, drawing one frame of the full scene at the window's
// size on the software renderer, and one playback step (run under a display, e.g. xvfb-run with
// QT_QPA_PLATFORM=xcb). The playback timer fires every 50 ms; a step must take well under that.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "results/frmcutview.h"
#include "results/frmmain.h"
#include "results/io/dxf.h"
#include "results/io/resultfiles.h"
#include "results/io/resultsetgen.h"
#include "toolkit/application.h"
#include "toolkit/clock.h"
#include "toolkit/glwidget.h"
#include "toolkit/messages.h"

static void BM_ParseModels(benchmark::State& state)
{
    long long triangles = 0;
    for (auto _ : state) {
        DXF reader;
        triangles = 0;
        for (const char* file : TFrmMain::ModelFiles) {
            reader.ReadDxfFile(AssetPath(file).toStdString());
            reader.BuildTriangles();
            triangles += reader.TriangleCount;
        }
    }
    state.counters["triangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_ParseModels)->Unit(benchmark::kMillisecond);

// What a player's creation costs the first time: parsing plus the smooth corner normals.
static void BM_LoadModelsWithNormals(benchmark::State& state)
{
    for (auto _ : state) {
        ClearDxfModelCache();
        DXF reader;
        for (const char* file : TFrmMain::ModelFiles)
            benchmark::DoNotOptimize(LoadDxfModel(reader, AssetPath(file).toStdString()));
    }
}
BENCHMARK(BM_LoadModelsWithNormals)->Unit(benchmark::kMillisecond);

namespace {

// A shown player window; none, and the benchmark skipped, where it got no OpenGL context.
std::unique_ptr<TFrmMain> ShownPlayer(benchmark::State& state)
{
    auto player = std::make_unique<TFrmMain>();
    player->Show();
    QApplication::processEvents();
    if (!player->GLPanel->HasContext()) {
        state.SkipWithError("no OpenGL context (run under a display)");
        return nullptr;
    }
    return player;
}

} // namespace

// One frame: the man in slacks and winter coat (the largest scene), turned a little, with the
// legend and the room; arg 1 opens the cut plane.
static void BM_DrawFrame(benchmark::State& state)
{
    auto player = ShownPlayer(state);
    if (!player)
        return;
    player->IsFemale = 0;
    player->SelectedStyle = 2;
    player->ViewState = 3;
    player->LayerSelected = 1;
    player->CutPlaneOn = static_cast<int>(state.range(0));
    player->RotationY = 30;
    player->ValueToColor(27, TFrmMain::SlotStyle0 + 2);
    player->BuildSceneLists();
    player->GLPanel->makeCurrent();
    for (auto _ : state) {
        player->GLPanel->OnPaint();
        glFinish();
    }
    player->GLPanel->doneCurrent();
    state.counters["width"] = player->GLPanel->width();
    state.counters["height"] = player->GLPanel->height();
}
BENCHMARK(BM_DrawFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace {

// Answers every box with OK: the load reports its success.
class QuietMessages : public MessageService {
public:
    int MessageBox(const QString&, const QString&, int) override { return IDOK; }
    void ShowMessage(const QString&) override {}
    void ShowException(const QString&) override {}
};

class SteppedClock : public TClock {
public:
    double Seconds() override { return Now; }
    double Now = 0;
};

} // namespace

// One playback step on the realistic result set at 1024 x 751: the colours of the frame, the
// scene lists, the cross-section of all five layers and the frame itself, with the slacks and
// winter coat chosen and the cut plane open. Reports the median of the single steps.
static void BM_PlaybackTick(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::filesystem::path folder(QFile::encodeName(dir.path()).toStdString());
    if (!WriteResultSet(folder, ShapeOf(ResultSetSize::Realistic)).empty()) {
        state.SkipWithError("cannot write the result set");
        return;
    }
    QuietMessages quiet;
    MessageService* previousMessages = SetMessageService(&quiet);
    SteppedClock clock;
    TClock* previousClock = SetClock(&clock);

    auto player = ShownPlayer(state);
    if (!player) {
        // The services must not go on pointing at this function's locals.
        SetClock(previousClock);
        SetMessageService(previousMessages);
        return;
    }
    player->LoadResultData(folder, ReadEnvironment(folder).Data);
    player->BtnDisplay->click();
    player->Timer2->stop();  // the steps are run here, not by the event loop
    player->ListBox1->setCurrentRow(1);
    player->ListBox2->setCurrentRow(2);
    player->CheckBox3->setChecked(true);
    player->CBCutview->setChecked(true);
    QApplication::processEvents();

    std::vector<double> steps;
    long long i = 0;
    for (auto _ : state) {
        // Half a minute per step at speed 1: a new frame every other step, within the 120.
        clock.Now = player->StartClock + (i++ % 200) * 30;
        const auto start = std::chrono::steady_clock::now();
        player->Timer2Timer();
        player->GLPanel->makeCurrent();
        player->GLPanel->OnPaint();
        glFinish();
        player->GLPanel->doneCurrent();
        steps.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(steps.begin(), steps.end());
    state.counters["median_ms"] = steps.empty() ? 0.0 : steps[steps.size() / 2];
    state.counters["width"] = player->GLPanel->width();
    state.counters["height"] = player->GLPanel->height() + player->Panel1->height();

    player.reset();
    delete FrmCutView;
    FrmCutView = nullptr;
    SetClock(previousClock);
    SetMessageService(previousMessages);
}
BENCHMARK(BM_PlaybackTick)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
