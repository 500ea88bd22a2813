#include "app/windows.h"

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

void CreateApplicationWindows()
{
    // The main window loads the step pictures; when one is missing nothing has been created yet.
    FurFea = new TFurFea;
    SetMainForm(FurFea);
    try {
        About = new TAbout(FurFea);
        DefineBodyFrm = new TDefineBodyFrm(FurFea);
        BoudaryCD = new TBoudaryCD(FurFea);
        Form2 = new TForm2(FurFea);
        ComfortPFrm = new TComfortPFrm(FurFea);
        ControlFrm = new TControlFrm(FurFea);
        DesignateDirFrm = new TDesignateDirFrm(FurFea);
        FrmCutView = new TFrmCutView(FurFea);
        FabricForm = new TFabricForm(FurFea);
        FabricLayerFrm = new TFabricLayerFrm(FurFea);
        Fiber = new TFiber(FurFea);
        Fluid = new TFluid(FurFea);
        IDDlg = new TIDDlg(FurFea);
        Form3 = new TForm3(FurFea);
        InitialFrm = new TInitialFrm(FurFea);
        LoadDirFrm = new TLoadDirFrm(FurFea);
        FrmMain = new TFrmMain(FurFea);
        Membrane = new TMembrane(FurFea);
        ModelFrm = new TModelFrm(FurFea);
        PCM = new TPCM(FurFea);
        RoomFrm = new TRoomFrm(FurFea);
        SelfHeatingFrm = new TSelfHeatingFrm(FurFea);
        FrmData = new TFrmData(FurFea);
        SplashForm = new TSplashForm(FurFea);
        ThermalComfortFrm = new TThermalComfortFrm(FurFea);
        Form1 = new TForm1(FurFea);
        NameDlg = new TNameDlg(FurFea);
        EnvironmentFrm = new TEnvironmentFrm(FurFea);
        PhysiologyFrm = new TPhysiologyFrm(FurFea);
        SportsFrm = new TSportsFrm(FurFea);
        GarmentForm = new TGarmentForm(FurFea);
        LayNumberFrm = new TLayNumberFrm(FurFea);
        FabricPFrom = new TFabricPFrom(FurFea);
        FabricQueryForm = new TFabricQueryForm(FurFea);
        FiberQueryForm = new TFiberQueryForm(FurFea);
        FiberPForm = new TFiberPForm(FurFea);
        Form4 = new TForm4(FurFea);
        BodyQueryForm = new TBodyQueryForm(FurFea);
        BodyPForm = new TBodyPForm(FurFea);
        ActivityFrm = new TActivityFrm(FurFea);
        Form5 = new TForm5(FurFea);
        OpenLinkFrm = new TOpenLinkFrm(FurFea);
    } catch (...) {
        DestroyApplicationWindows();
        throw;
    }
}

void DestroyApplicationWindows()
{
    // The dialogs go first: they may still refer to the case the main window holds.
    delete OpenLinkFrm;
    OpenLinkFrm = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete ActivityFrm;
    ActivityFrm = nullptr;
    delete BodyPForm;
    BodyPForm = nullptr;
    delete BodyQueryForm;
    BodyQueryForm = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete FiberPForm;
    FiberPForm = nullptr;
    delete FiberQueryForm;
    FiberQueryForm = nullptr;
    delete FabricQueryForm;
    FabricQueryForm = nullptr;
    delete FabricPFrom;
    FabricPFrom = nullptr;
    delete LayNumberFrm;
    LayNumberFrm = nullptr;
    delete GarmentForm;
    GarmentForm = nullptr;
    delete SportsFrm;
    SportsFrm = nullptr;
    delete PhysiologyFrm;
    PhysiologyFrm = nullptr;
    delete EnvironmentFrm;
    EnvironmentFrm = nullptr;
    delete NameDlg;
    NameDlg = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete ThermalComfortFrm;
    ThermalComfortFrm = nullptr;
    delete SplashForm;
    SplashForm = nullptr;
    delete FrmData;
    FrmData = nullptr;
    delete SelfHeatingFrm;
    SelfHeatingFrm = nullptr;
    delete RoomFrm;
    RoomFrm = nullptr;
    delete PCM;
    PCM = nullptr;
    delete ModelFrm;
    ModelFrm = nullptr;
    delete Membrane;
    Membrane = nullptr;
    delete FrmMain;
    FrmMain = nullptr;
    delete LoadDirFrm;
    LoadDirFrm = nullptr;
    delete InitialFrm;
    InitialFrm = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete IDDlg;
    IDDlg = nullptr;
    delete Fluid;
    Fluid = nullptr;
    delete Fiber;
    Fiber = nullptr;
    delete FabricLayerFrm;
    FabricLayerFrm = nullptr;
    delete FabricForm;
    FabricForm = nullptr;
    delete FrmCutView;
    FrmCutView = nullptr;
    delete DesignateDirFrm;
    DesignateDirFrm = nullptr;
    delete ControlFrm;
    ControlFrm = nullptr;
    delete ComfortPFrm;
    ComfortPFrm = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete BoudaryCD;
    BoudaryCD = nullptr;
    delete DefineBodyFrm;
    DefineBodyFrm = nullptr;
    delete About;
    About = nullptr;
    delete FurFea;
    FurFea = nullptr;
    SetMainForm(nullptr);
}

std::vector<QWidget*> ApplicationWindows()
{
    return {
        FurFea,
        About,
        DefineBodyFrm,
        BoudaryCD,
        Form2,
        ComfortPFrm,
        ControlFrm,
        DesignateDirFrm,
        FrmCutView,
        FabricForm,
        FabricLayerFrm,
        Fiber,
        Fluid,
        IDDlg,
        Form3,
        InitialFrm,
        LoadDirFrm,
        FrmMain,
        Membrane,
        ModelFrm,
        PCM,
        RoomFrm,
        SelfHeatingFrm,
        FrmData,
        SplashForm,
        ThermalComfortFrm,
        Form1,
        NameDlg,
        EnvironmentFrm,
        PhysiologyFrm,
        SportsFrm,
        GarmentForm,
        LayNumberFrm,
        FabricPFrom,
        FabricQueryForm,
        FiberQueryForm,
        FiberPForm,
        Form4,
        BodyQueryForm,
        BodyPForm,
        ActivityFrm,
        Form5,
        OpenLinkFrm
    };
}
