// The 3D player: reading the 24 models, and drawing one frame of the full scene at the window's
// size on the software renderer (run under a display, e.g. xvfb-run with QT_QPA_PLATFORM=xcb).
// A frame must take well under the 50 ms of the playback timer.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QApplication>
#include <memory>

#include "results/frmmain.h"
#include "results/io/dxf.h"
#include "toolkit/application.h"
#include "toolkit/glwidget.h"

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

// One frame: the man in slacks and winter coat (the largest scene), turned a little, with the
// legend and the room; arg 1 opens the cut plane.
static void BM_DrawFrame(benchmark::State& state)
{
    auto player = std::make_unique<TFrmMain>();
    player->Show();
    QApplication::processEvents();
    if (!player->GLPanel->HasContext()) {
        state.SkipWithError("no OpenGL context (run under a display)");
        return;
    }
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

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
