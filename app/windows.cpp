#include "app/windows.h"

#include <QCoreApplication>
#include <QTimer>
#include <exception>
#include <iterator>

#include "app/furfea.h"
#include "app/about.h"
#include "wearer/definebodyfrm.h"
#include "wearer/boudarycd.h"
#include "results/form2.h"
#include "wearer/comfortpfrm.h"
#include "wearer/controlfrm.h"
#include "app/designatedirfrm.h"
#include "results/frmcutview.h"
#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/fiber.h"
#include "materials/fluid.h"
#include "app/iddlg.h"
#include "results/form3.h"
#include "wearer/initialfrm.h"
#include "app/loaddirfrm.h"
#include "results/frmmain.h"
#include "materials/membrane.h"
#include "wearer/modelfrm.h"
#include "materials/pcm.h"
#include "wearer/roomfrm.h"
#include "wearer/selfheatingfrm.h"
#include "results/frmdata.h"
#include "app/splashform.h"
#include "results/thermalcomfortfrm.h"
#include "results/form1.h"
#include "dialogbase/namedlg.h"
#include "wearer/environmentfrm.h"
#include "wearer/physiologyfrm.h"
#include "wearer/sportsfrm.h"
#include "materials/garmentform.h"
#include "materials/laynumberfrm.h"
#include "materials/fabricpfrom.h"
#include "materials/fabricqueryform.h"
#include "materials/fiberqueryform.h"
#include "materials/fiberpform.h"
#include "results/form4.h"
#include "materials/bodyqueryform.h"
#include "materials/bodypform.h"
#include "wearer/activityfrm.h"
#include "wearer/form5.h"
#include "app/openlinkfrm.h"
#include "toolkit/application.h"

namespace {

// How the application reaches one window: creates it into its global pointer, reads the
// pointer, deletes the window and clears the pointer.
struct WindowEntry {
    QWidget* (*Create)(QWidget* owner);
    QWidget* (*Get)();
    void (*Destroy)();
};

template <class T, T** Global>
constexpr WindowEntry Window()
{
    return {[](QWidget* owner) -> QWidget* { return *Global = new T(owner); },
            []() -> QWidget* { return *Global; },
            [] {
                delete *Global;
                *Global = nullptr;
            }};
}

// Every window once, in creation order; the main window first, as the owner of the others.
const WindowEntry Windows[] = {
    Window<TFurFea, &FurFea>(),
    Window<TAbout, &About>(),
    Window<TDefineBodyFrm, &DefineBodyFrm>(),
    Window<TBoudaryCD, &BoudaryCD>(),
    Window<TForm2, &Form2>(),
    Window<TComfortPFrm, &ComfortPFrm>(),
    Window<TControlFrm, &ControlFrm>(),
    Window<TDesignateDirFrm, &DesignateDirFrm>(),
    Window<TFrmCutView, &FrmCutView>(),
    Window<TFabricForm, &FabricForm>(),
    Window<TFabricLayerFrm, &FabricLayerFrm>(),
    Window<TFiber, &Fiber>(),
    Window<TFluid, &Fluid>(),
    Window<TIDDlg, &IDDlg>(),
    Window<TForm3, &Form3>(),
    Window<TInitialFrm, &InitialFrm>(),
    Window<TLoadDirFrm, &LoadDirFrm>(),
    Window<TFrmMain, &FrmMain>(),
    Window<TMembrane, &Membrane>(),
    Window<TModelFrm, &ModelFrm>(),
    Window<TPCM, &PCM>(),
    Window<TRoomFrm, &RoomFrm>(),
    Window<TSelfHeatingFrm, &SelfHeatingFrm>(),
    Window<TFrmData, &FrmData>(),
    Window<TSplashForm, &SplashForm>(),
    Window<TThermalComfortFrm, &ThermalComfortFrm>(),
    Window<TForm1, &Form1>(),
    Window<TNameDlg, &NameDlg>(),
    Window<TEnvironmentFrm, &EnvironmentFrm>(),
    Window<TPhysiologyFrm, &PhysiologyFrm>(),
    Window<TSportsFrm, &SportsFrm>(),
    Window<TGarmentForm, &GarmentForm>(),
    Window<TLayNumberFrm, &LayNumberFrm>(),
    Window<TFabricPFrom, &FabricPFrom>(),
    Window<TFabricQueryForm, &FabricQueryForm>(),
    Window<TFiberQueryForm, &FiberQueryForm>(),
    Window<TFiberPForm, &FiberPForm>(),
    Window<TForm4, &Form4>(),
    Window<TBodyQueryForm, &BodyQueryForm>(),
    Window<TBodyPForm, &BodyPForm>(),
    Window<TActivityFrm, &ActivityFrm>(),
    Window<TForm5, &Form5>(),
    Window<TOpenLinkFrm, &OpenLinkFrm>(),
};

// The first window of the table not built yet; the table's end when none is waiting.
std::size_t NextWindow = std::size(Windows);
// A window could not be built while the event loop ran; the application is ending.
bool BuildFailed = false;
// Builds the waiting windows one per pass of the event loop.
QTimer* IdleBuilder = nullptr;
constexpr int QuietStartMs = 150;
// A constructor that runs an event loop of its own (a message) must not see the next window
// built under it.
bool Building = false;

void StopIdleBuilder()
{
    if (IdleBuilder)
        IdleBuilder->stop();
}

// Builds the next waiting window; with the event loop running, a failure ends the application
// as a missing picture does at start-up.
bool BuildNextWindow()
{
    Building = true;
    try {
        Windows[NextWindow].Create(Windows[0].Get());
        ++NextWindow;
        Building = false;
        return true;
    } catch (...) {
        Building = false;
        BuildFailed = true;
        StopIdleBuilder();
        ReportEscapedError(std::current_exception());
        QCoreApplication::exit(1);
        return false;
    }
}

} // namespace

std::size_t ApplicationWindowCount() { return std::size(Windows); }

void CreateApplicationWindows(const std::function<void(QWidget* main)>& mainReady, TWindowBuild build)
{
    // The main window loads the step pictures; when one is missing nothing has been created yet.
    QWidget* main = Windows[0].Create(nullptr);
    SetMainForm(FurFea);
    NextWindow = 1;
    BuildFailed = false;
    try {
        // The style pictures are decoded when the garment dialog first needs them; a missing or
        // damaged one still stops the start before the main window appears.
        TGarmentForm::CheckPictures();
        if (mainReady)
            mainReady(main);
        if (build == TWindowBuild::AtOnce) {
            for (; NextWindow < std::size(Windows); ++NextWindow)
                Windows[NextWindow].Create(main);
            return;
        }
        if (!IdleBuilder) {
            IdleBuilder = new QTimer;
            IdleBuilder->setInterval(0);
            QObject::connect(IdleBuilder, &QTimer::timeout, [] {
                if (!Building && NextWindow < std::size(Windows))
                    BuildNextWindow();
                if (NextWindow >= std::size(Windows))
                    StopIdleBuilder();
            });
        }
        // The first moments after the main window appears belong to the user's first input; the
        // building starts a little later (any command completes it at once before then).
        QTimer::singleShot(QuietStartMs, IdleBuilder, [] { IdleBuilder->start(); });
    } catch (...) {
        DestroyApplicationWindows();
        throw;
    }
}

bool CompleteApplicationWindows()
{
    while (!BuildFailed && NextWindow < std::size(Windows))
        BuildNextWindow();
    StopIdleBuilder();
    return !BuildFailed;
}

void DestroyApplicationWindows()
{
    delete IdleBuilder;
    IdleBuilder = nullptr;
    NextWindow = std::size(Windows);
    // In reverse order, so the main window and the case it holds go last.
    for (std::size_t i = std::size(Windows); i-- > 0;)
        Windows[i].Destroy();
    SetMainForm(nullptr);
}

std::vector<QWidget*> ApplicationWindows()
{
    CompleteApplicationWindows();
    std::vector<QWidget*> windows;
    for (const WindowEntry& w : Windows)
        windows.push_back(w.Get());
    return windows;
}

TFrmMain* CreateFurtherPlayer()
{
    FrmMain = new TFrmMain(Windows[0].Get());
    FrmMain->setAttribute(Qt::WA_DeleteOnClose);
    return FrmMain;
}
