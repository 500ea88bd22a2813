#include "app/windows.h"

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
#include "app/namedlg.h"
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

} // namespace

std::size_t ApplicationWindowCount() { return std::size(Windows); }

void CreateApplicationWindows(const std::function<void(QWidget* main)>& mainReady)
{
    // The main window loads the step pictures; when one is missing nothing has been created yet.
    QWidget* main = Windows[0].Create(nullptr);
    SetMainForm(FurFea);
    try {
        if (mainReady)
            mainReady(main);
        for (std::size_t i = 1; i < std::size(Windows); ++i)
            Windows[i].Create(main);
    } catch (...) {
        DestroyApplicationWindows();
        throw;
    }
}

void DestroyApplicationWindows()
{
    // In reverse order, so the main window and the case it holds go last.
    for (std::size_t i = std::size(Windows); i-- > 0;)
        Windows[i].Destroy();
    SetMainForm(nullptr);
}

std::vector<QWidget*> ApplicationWindows()
{
    std::vector<QWidget*> windows;
    for (const WindowEntry& w : Windows)
        windows.push_back(w.Get());
    return windows;
}
