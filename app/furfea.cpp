#include "app/furfea.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/designatedirfrm.h"
#include "app/flowchart.h"
#include "app/windows.h"
#include "materials/fabricform.h"
#include "materials/fabriclayerfrm.h"
#include "materials/fiber.h"
#include "materials/fluid.h"
#include "materials/garmentform.h"
#include "materials/membrane.h"
#include "materials/pcm.h"
#include "results/form1.h"
#include "results/frmmain.h"
#include "results/io/comforteval.h"
#include "results/thermalcomfortfrm.h"
#include "toolkit/application.h"
#include "toolkit/filedialogs.h"
#include "toolkit/messages.h"
#include "toolkit/shell.h"
#include "wearer/activityfrm.h"
#include "wearer/boudarycd.h"
#include "wearer/comfortpfrm.h"
#include "wearer/controlfrm.h"
#include "wearer/definebodyfrm.h"
#include "wearer/environmentfrm.h"
#include "wearer/initialfrm.h"
#include "wearer/modelfrm.h"

TFurFea* FurFea = nullptr;

namespace {

const char* const PlainGlyphs[6] = {"model.bmp", "environment.bmp", "garement.bmp", "who.bmp",
                                    "simulation.bmp", "results.bmp"};
const char* const NextGlyphs[6] = {"model2.bmp", "environment2.bmp", "garment2.bmp", "who2.bmp",
                                   "simulation2.bmp", "results2.bmp"};
const char* const StartPictures[6] = {"start-model.bmp", "start-environment.bmp", "start-garment.bmp",
                                      "start-body.bmp", "start-simulation.bmp", "start-results.bmp"};

const QString TextFileFilter = "LogoFile(.txt)|*.txt";
const QString DataFileFilter = "Simulation Data(.dat)|*.dat";

// The window's own pictures; a missing one leaves the control without a picture.
QPixmap FormPicture(const QString& name)
{
    return QPixmap(AssetPath("Icon/form/" + name));
}

QToolButton* MakeStepButton(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(left, top, width, height);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setIconSize(QSize(width, height));
    b->setStyleSheet("QToolButton { border: none; padding: 0px; margin: 0px; background: transparent; }");
    return b;
}

// What a control of the main window runs: its handler, guarded, once every window it may reach
// exists (the dialogs are still being built while the main window first answers).
auto Command(TFurFea* form, void (TFurFea::*handler)())
{
    return Guard([form, handler] {
        if (CompleteApplicationWindows())
            (form->*handler)();
    });
}

} // namespace

TFurFea::TFurFea(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("FurFea");
    setWindowTitle(QString("Vantora") + VersionText);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    BuildMenus();
    BuildToolBar();
    BuildPanels();

    Case.InitFreshCase();
    Case.SetCaseDir(AppDir().toStdString());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        Case.ScreenWidth = screen->geometry().width();
        Case.ScreenHeight = screen->geometry().height();
    }
    ShowCaseDir();
    Case.ActivationCount = 0;

    move(0, 0);
    TreeView1->expandAll();

    LoadStepGlyphs();
    SetCaseHost(this);
}

TFurFea::~TFurFea()
{
    SetCaseHost(nullptr);
}

void TFurFea::BuildMenus()
{
    QMenuBar* bar = menuBar();
    auto add = [this](QMenu* menu, const char* name, const QString& text, void (TFurFea::*handler)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, Command(this, handler));
        return a;
    };
    QMenu* file = bar->addMenu("File");
    file->setObjectName("File1");
    add(file, "CreateDirectory1", "New Simulation", &TFurFea::CreateDirectory1Click);
    add(file, "Load1", "Load From...", &TFurFea::Load1Click);
    add(file, "SaveAs1", "Save As...", &TFurFea::SaveAs1Click);
    file->addSeparator();
    add(file, "Exit1", "Exit", &TFurFea::Exit1Click);

    QMenu* pre = bar->addMenu("Pre_Processing");
    pre->setObjectName("Pre_Processing1");
    add(pre, "DefineModel", "Model...", &TFurFea::DefineModelClick);
    pre->addSeparator();
    add(pre, "DefineFluid", "Fluids...", &TFurFea::DefineFluidClick);
    add(pre, "DefineBody", "Human Body...", &TFurFea::DefineBodyClick);
    add(pre, "Garment1", "Garment...", &TFurFea::Garment1Click);
    pre->addSeparator();
    add(pre, "DefineBoundaryCondition1", "Boundary Condition...", &TFurFea::DefineBoundaryCondition1Click);
    add(pre, "ControlVariable1", "Control Information...", &TFurFea::ControlVariable1Click);

    QMenu* help = bar->addMenu("Help");
    help->setObjectName("Help1");
    add(help, "About1", "About...", &TFurFea::About1Click);
}

void TFurFea::BuildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    for (int i = 0; i < 14; ++i)
        ImageList1.Add(FormPicture(QString("tool%1.bmp").arg(i)));
    for (int i = 0; i < 13; ++i)
        ImageList2.Add(FormPicture(QString("tree%1.bmp").arg(i)));

    auto add = [this](const char* name, const QString& caption, const QString& hint, int picture,
                      void (TFurFea::*handler)(), bool visible) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(name);
        b->setText(caption);
        b->setToolTip(hint);
        b->setIcon(ImageList1.Icon(picture));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        QFont small = b->font();
        small.setPixelSize(11);
        b->setFont(small);
        // 60 pixels as on the desktop, wider where a caption would be cut.
        b->setFixedSize(std::max(60, QFontMetrics(small).horizontalAdvance(caption) + 12), 52);
        connect(b, &QToolButton::clicked, this, Command(this, handler));
        QAction* a = ToolBar1->addWidget(b);
        a->setVisible(visible);
        return b;
    };
    ToolButton3 = add("ToolButton3", "New", "Create Directory", 12, &TFurFea::ToolButton3Click, true);
    ToolButton1 = add("ToolButton1", "Load", "Load File", 1, &TFurFea::ToolButton1Click, true);
    ToolButton2 = add("ToolButton2", "Save", "Save File", 2, &TFurFea::ToolButton2Click, true);
    ToolButton8 = add("ToolButton8", "Solver", "Run", 6, &TFurFea::ToolButton8Click, false);
    ToolButton10 = add("ToolButton10", "Stop", "Stop", 7, &TFurFea::ToolButton10Click, false);
    ToolButton12 = add("ToolButton12", "2D/3D plot", "Visualize", 9, &TFurFea::ToolButton12Click, true);
    ToolButton14 = add("ToolButton14", "Animation", "About", 10, &TFurFea::ToolButton14Click, true);
    AVI = add("AVI", "Avi", "", 13, &TFurFea::AVIClick, false);
    ToolBar1->addSeparator();
}

void TFurFea::BuildPanels()
{
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    central->setFixedSize(1016, 577);
    setCentralWidget(central);

    S = new QTabWidget(central);
    S->setObjectName("S");
    S->setGeometry(0, 0, 198, 497);
    TreeView1 = new QTreeWidget;
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(25);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIconSize(QSize(16, 16));
    // Sized in pixels like the tool bar's captions, so a marked node's name fits the narrow page
    // whatever the screen's resolution.
    QFont treeFont = TreeView1->font();
    treeFont.setPixelSize(11);
    TreeView1->setFont(treeFont);
    S->addTab(TreeView1, "Simulation");

    auto* root = new QTreeWidgetItem(TreeView1, QStringList("Pre-Processing"));
    root->setIcon(0, ImageList2.Icon(0));
    const char* children[] = {"Model ", "Scenario", "Human Body", "Garment", "Boundary Condition",
                              "Control Information"};
    for (const char* text : children)
        new QTreeWidgetItem(root, QStringList(text));
    root->child(0)->setIcon(0, ImageList2.Icon(1));
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, Command(this, &TFurFea::TreeView1DblClick));
    // A click (a left-button release over a node) opens the node's dialog.
    connect(TreeView1, &QTreeWidget::itemClicked, this, Guard([this](QTreeWidgetItem* node, int) {
                if (CompleteApplicationWindows())
                    TreeView1MouseUp(node, Qt::LeftButton);
            }));

    TotalTimeLabel = new QLabel("Total Time", central);
    TotalTimeLabel->setObjectName("TotalTimeLabel");
    TotalTimeLabel->setGeometry(8, 505, 180, 18);
    RemainTimeLabel = new QLabel("Remain Time", central);
    RemainTimeLabel->setObjectName("RemainTimeLabel");
    RemainTimeLabel->setGeometry(8, 527, 180, 18);
    ProgressBar = new QProgressBar(central);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setGeometry(8, 551, 182, 16);

    Panel1 = new QWidget(central);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(199, 0, 817, 577);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    Panel1->setPalette(pal);

    auto label = [this](const char* name, int l, int t, int w, int h) {
        auto* x = new QLabel(Panel1);
        x->setObjectName(name);
        x->setGeometry(l, t, w, h);
        return x;
    };
    ImgBc0 = label("ImgBc0", 16, 300, 41, 38);
    ImgBc0->setToolTip("Define Boundary Condition");
    ImgBc0->setCursor(Qt::PointingHandCursor);
    ImgE1 = label("ImgE1", 16, 350, 41, 41);
    ImgE1->setToolTip("Define Room");
    Image1 = label("Image1", 16, 400, 105, 121);
    // The background covers the three pictures before it.
    Image2 = label("Image2", 0, 0, 817, 577);
    Image2->setScaledContents(true);
    Image2->setPixmap(FormPicture("flowchart.bmp"));

    auto stepButton = [this](const char* name, int step) {
        const TChartRect& r = StepButtonPlaces[step];
        return MakeStepButton(Panel1, name, r.Left, r.Top, r.Width, r.Height);
    };
    ModelBtn = stepButton("ModelBtn", stActivity);
    EnvironmentBtn = stepButton("EnvironmentBtn", stEnvironment);
    BodyBtn = stepButton("BodyBtn", stBody);
    GarmentBtn = stepButton("GarmentBtn", stGarment);
    SimulationBtn = stepButton("SimulationBtn", stSimulation);
    ResultBtn = stepButton("ResultBtn", stResults);
    ResultBtn->hide();
    const std::array<void (TFurFea::*)(), 6> clicks = {
        &TFurFea::ModelBtnClick, &TFurFea::EnvironmentBtnClick, &TFurFea::GarmentBtnClick,
        &TFurFea::BodyBtnClick, &TFurFea::SimulationBtnClick, &TFurFea::ResultBtnClick};
    for (int step = 0; step < 6; ++step) {
        StepButton(step)->setIcon(QIcon(FormPicture(StartPictures[step])));
        auto handler = clicks[static_cast<std::size_t>(step)];
        connect(StepButton(step), &QToolButton::clicked, this, Command(this, handler));
    }
    // Step numbers beside the buttons, in flow order.
    for (int i = 0; i < 6; ++i) {
        const QRect g = StepButton(StepFlowOrder[i])->geometry();
        QLabel* n = label(QString("Image%1").arg(i + 4).toLatin1().constData(), g.left() - 18,
                          g.top() + (g.height() - 19) / 2, 12, 19);
        n->setPixmap(FormPicture(QString("step%1.bmp").arg(i + 1)));
        StepNumbers[static_cast<std::size_t>(i)] = n;
    }
    StepNumbers[5]->hide();

    StatusBar = statusBar();
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);
    auto* panel0 = new QLabel(StatusBar);
    panel0->setObjectName("StatusPanel0");
    panel0->setFixedWidth(500);
    StatusBar->addWidget(panel0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer1->start();  // ticks and does nothing

    // Client area 1016 x 665 below the menu bar: tool bar, panels and status bar.
    const int chrome = 665 - 577;
    ToolBar1->setFixedHeight(chrome - 22);
    StatusBar->setFixedHeight(22);
    setFixedSize(1016, 665 + menuBar()->sizeHint().height());
}

void TFurFea::LoadStepGlyphs()
{
    auto icon = [](const QString& name) { return LoadPicture(AssetPath("Icon/" + name)); };
    for (int i = 0; i < 3; ++i)
        SportsGlyphs[static_cast<std::size_t>(i)] = icon(QString("sports-%1.bmp").arg(i + 1));
    for (int i = 0; i < 3; ++i)
        ClothingGlyphs[static_cast<std::size_t>(i)] = icon(QString("clothing%1.bmp").arg(i + 1));
    for (int i = 0; i < 3; ++i)
        EnvironGlyphs[static_cast<std::size_t>(i)] = icon(QString("environ%1.bmp").arg(i + 1));
    for (int i = 0; i < 6; ++i) {
        Glyphs[static_cast<std::size_t>(i)] = icon(PlainGlyphs[i]);
        Glyphs2[static_cast<std::size_t>(i)] = icon(NextGlyphs[i]);
    }
}

QToolButton* TFurFea::StepButton(int step) const
{
    switch (step) {
    case stActivity: return ModelBtn;
    case stEnvironment: return EnvironmentBtn;
    case stGarment: return GarmentBtn;
    case stBody: return BodyBtn;
    case stSimulation: return SimulationBtn;
    case stResults: return ResultBtn;
    default: return nullptr;
    }
}

void TFurFea::SetStepPicture(int step, bool done)
{
    QToolButton* b = StepButton(step);
    if (!b)
        return;
    const auto& pictures = done ? Glyphs : Glyphs2;
    b->setIcon(QIcon(pictures[static_cast<std::size_t>(step)]));
}

void TFurFea::MarkStepDone(int step, int nextStep)
{
    SetStepPicture(step, true);
    SetStepPicture(nextStep, false);
}

QTreeWidgetItem* TFurFea::TreeNode(int index) const
{
    QTreeWidgetItem* root = TreeView1->topLevelItem(0);
    if (index == 0)
        return root;
    if (!root || index < 1 || index > root->childCount())
        return nullptr;
    return root->child(index - 1);
}

void TFurFea::MarkTreeNode(int index, const QString& text)
{
    QTreeWidgetItem* node = TreeNode(index);
    if (!node)
        return;
    node->setIcon(0, ImageList2.Icon(1));
    if (!text.isEmpty())
        node->setText(0, text);
}

void TFurFea::ShowTreeMark(int index, bool marked)
{
    if (marked) {
        MarkTreeNode(index);
    } else if (QTreeWidgetItem* node = TreeNode(index)) {
        node->setIcon(0, QIcon());
    }
}

void TFurFea::ShowCaseDir()
{
    if (auto* panel = StatusBar->findChild<QLabel*>("StatusPanel0"))
        panel->setText("Files are saved to " + QString::fromStdString(Case.CaseDir()));
}

bool TFurFea::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    const bool handled = QMainWindow::event(e);
    // Closing the main window ends the application, even while result windows are open.
    if (e->type() == QEvent::Close && e->isAccepted())
        QCoreApplication::quit();
    return handled;
}

void TFurFea::FormActivate()
{
    if (Case.ActivationCount == 0)
        Case.ActivationCount = 1;
}

// ---- menus and step buttons -------------------------------------------------------------

void TFurFea::CreateDirectory1Click() {}
void TFurFea::Exit1Click() { close(); }
void TFurFea::DefineModelClick() { ModelFrm->ShowModal(); }
void TFurFea::DefineFluidClick()
{
    if (Fluid->ShowModal() == mrOk && Case.FluidDefined)
        MarkTreeNode(tnScenario);
}

void TFurFea::DefineBodyClick()
{
    if (!Case.BodyModelOn()) {
        AppMessageBox("You did not choose Human Body Thermoregulation model!", "Information", MB_OK);
        return;
    }
    DefineBodyFrm->ShowModal();
}

void TFurFea::Garment1Click() { FabricLayerFrm->ShowModal(); }
void TFurFea::About1Click() {}
void TFurFea::ModelBtnClick() { ActivityFrm->ShowModal(); }
void TFurFea::EnvironmentBtnClick() { EnvironmentFrm->ShowModal(); }
void TFurFea::BodyBtnClick() { DefineBodyClick(); }
void TFurFea::GarmentBtnClick() { GarmentForm->ShowModal(); }
void TFurFea::ResultBtnClick() {}
void TFurFea::ToolButton1Click() { Load1Click(); }
void TFurFea::ToolButton2Click() { SaveAs1Click(); }
void TFurFea::ToolButton3Click() {}
void TFurFea::ToolButton8Click() {}
void TFurFea::ToolButton10Click() {}
void TFurFea::ToolButton12Click() { Form1->Show(); }

void TFurFea::ToolButton14Click()
{
    // Each run makes a further player; the global then refers to the newest one.
    CreateFurtherPlayer()->Show();
}

void TFurFea::AVIClick()
{
    const QString folder = AppDir() + "CamStudio.2.5.b1.bin";
    Shell().StartProgram(folder + "/Recorder.exe", {}, folder);
}

bool TFurFea::StagesReady() const
{
    return Case.ActivityDefined && Case.EnvironmentDefined && Case.BodyDefined && Case.ClothingDefined;
}

void TFurFea::DefineBoundaryCondition1Click()
{
    Case.BoundaryShortcut = Case.BoundaryEnabled;
    if (Case.Activity.ScheduleChanged) {
        AppMessageBox(FinishEnvironmentMessage, "Information", MB_OK);
        return;
    }
    if (StagesReady()) {
        BuildStages();
        for (std::size_t i = 0; i < Case.Stages.size(); ++i)
            Case.Stages[i]->Name = "Stage" + std::to_string(i + 1);
        Case.StagesUnnamed = false;
        Case.StagesShown = true;
        BoudaryCD->ShowStages();
    }
    BoudaryCD->ShowModal();
    Case.BoundaryDefined = true;
}

void TFurFea::ControlVariable1Click()
{
    Case.BoundaryShortcut = Case.BoundaryEnabled;
    if (Case.Activity.ScheduleChanged) {
        AppMessageBox(FinishEnvironmentMessage, "Information", MB_OK);
        return;
    }
    if (!StagesReady())
        return;
    BuildStages();
    ControlFrm->BuildControlRows();
    ControlFrm->PutControlValue();
    ControlFrm->ShowModal();
}

void TFurFea::TreeView1DblClick()
{
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (node == TreeNode(tnBoundary))
        DefineBoundaryCondition1Click();
    else if (node == TreeNode(tnControl))
        ControlVariable1Click();
}

void TFurFea::TreeView1MouseUp(QTreeWidgetItem* node, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !node)
        return;
    if (node == TreeNode(tnModel)) DefineModelClick();
    else if (node == TreeNode(tnScenario)) DefineFluidClick();
    else if (node == TreeNode(tnHumanBody)) DefineBodyClick();
    else if (node == TreeNode(tnGarment)) Garment1Click();
    else if (node == TreeNode(tnBoundary)) DefineBoundaryCondition1Click();
    else if (node == TreeNode(tnControl)) ControlVariable1Click();
}

// ---- material dialogs --------------------------------------------------------------------

void TFurFea::Fiber1Click()
{
    Fiber->HideLabelsOnFirstOpen();
    Fiber->ShowModal();
}

void TFurFea::Membrane1Click()
{
    Membrane->HideLabelsOnFirstOpen();
    Membrane->ShowModal();
}

void TFurFea::Fabric1Click()
{
    FabricForm->FillMaterialLists();
    FabricForm->Show();
}

void TFurFea::NotifyDefinitionChanged(bool) {}

void TFurFea::StepConfirmed(TCaseStep step)
{
    switch (step) {
    case TCaseStep::Activity:
        // The environment is the next step only when its rows no longer fit the schedule.
        if (Case.Activity.ScheduleChanged)
            MarkStepDone(stActivity, stEnvironment);
        else
            SetStepPicture(stActivity, true);
        break;
    case TCaseStep::Environment:
        MarkStepDone(stEnvironment, stBody);
        break;
    case TCaseStep::Body:
        MarkStepDone(stBody, stGarment);
        MarkTreeNode(tnHumanBody);
        break;
    case TCaseStep::BodyShown:
        MarkTreeNode(tnHumanBody, "Human Body ");
        break;
    case TCaseStep::Clothing:
        // Reported on every layer OK and on every change that undoes the clothing: the garment
        // step and its tree node show as done only while the clothing is.
        if (Case.ClothingDefined) {
            MarkStepDone(stGarment, stSimulation);
            MarkTreeNode(tnGarment);
        } else {
            SetStepPicture(stGarment, false);
            ShowTreeMark(tnGarment, false);
        }
        break;
    case TCaseStep::Boundary:
        ShowTreeMark(tnBoundary, Case.BoundaryDefined);
        ImgBc0->setVisible(Case.BoundaryDefined);
        break;
    case TCaseStep::Control:
        ShowTreeMark(tnControl, Case.ControlDefined);
        break;
    case TCaseStep::CaseFolder:
        ShowCaseDir();
        break;
    }
}

// ---- handlers that no control invokes ---------------------------------------------------

void TFurFea::DefineFluidBtnClick() { DefineFluidClick(); }
void TFurFea::FluidBtnClick() { DefineFluidClick(); }
void TFurFea::DefineModeBtnClick() { ModelFrm->ShowModal(); }

void TFurFea::DefineBodyBtnClick()
{
    if (Case.BodyModelOn())
        DefineBodyFrm->ShowModal();
}

void TFurFea::Image1Click() { DefineBodyClick(); }
void TFurFea::ToolButton5Click() { DefineBodyClick(); }
void TFurFea::DefineFiberBtnClick() { Fiber1Click(); }
void TFurFea::DefineMemBtnClick() { Membrane1Click(); }
void TFurFea::DefineFabricBtnClick() { Fabric1Click(); }
void TFurFea::DefineGarmentBtnClick() { Garment1Click(); }
void TFurFea::Image3Click() { Garment1Click(); }
void TFurFea::ToolButton6Click() { Garment1Click(); }

void TFurFea::DefineBCBtnClick()
{
    if (Case.BoundaryShortcut)
        DefineBoundaryCondition1Click();
}

void TFurFea::BCBtnClick() { DefineBoundaryCondition1Click(); }
void TFurFea::Image5Click() { DefineBoundaryCondition1Click(); }

void TFurFea::DefineInitialInfoBtnClick()
{
    if (Case.StagesShown)
        InitialConditionClick();
}

void TFurFea::InitialConditionClick() { InitialFrm->ShowModal(); }

void TFurFea::PCM1Click()
{
    if (Case.PCMModelOn())
        ::PCM->ShowModal();
    else
        AppMessageBox("You did not choose PCM model!", "Information", MB_OK);
}

void TFurFea::btnDefinePCMClick()
{
    if (Case.PCMModelOn())
        ::PCM->ShowModal();
}

void TFurFea::ParametersClick() { ComfortPFrm->ShowModal(); }
void TFurFea::Parameters1Click() { ComfortPFrm->ShowModal(); }
void TFurFea::DesignateDirBtnClick() { DesignateDirFrm->ShowModal(); }

void TFurFea::Evaluate1Click()
{
    EvaluateComfort();
    ThermalComfortFrm->ShowModal();
}

void TFurFea::EvaluateComfort()
{
    const ComfortEvaluation result = EvaluateComfortFolder(Case.CaseDir(), Case.FiringRate);
    if (!result.Ok())
        AppMessageBox(QString::fromStdString(result.Message), QString::fromStdString(result.Caption), MB_OK);
}

void TFurFea::datavisualize1Click() { Form1->ShowModal(); }

void TFurFea::virtualvisualize1Click()
{
    CreateFurtherPlayer()->ShowModal();
}

void TFurFea::ShowLayerDialog(int layer)
{
    Case.SelectedTreeLayer = layer;
    FabricLayerFrm->ShowModal();
}

void TFurFea::layer1Click() { ShowLayerDialog(1); }
void TFurFea::layer2Click() { ShowLayerDialog(2); }
void TFurFea::layer3Click() { ShowLayerDialog(3); }
void TFurFea::layer4Click() { ShowLayerDialog(4); }
void TFurFea::layer5Click() { ShowLayerDialog(5); }
void TFurFea::imgIsOk1Click() { layer1Click(); }
void TFurFea::imgIsOk2Click() { layer2Click(); }
void TFurFea::imgIsOk3Click() { layer3Click(); }
void TFurFea::imgIsOk4Click() { layer4Click(); }
void TFurFea::imgIsOk5Click() { layer5Click(); }

void TFurFea::LogFile1Click()
{
    const QString dir = QString::fromStdString(Case.CaseDir());
    const QString log = dir + "LogInfo.txt";
    if (QFileInfo::exists(log)) {
        Shell().OpenDocument(log);
        return;
    }
    const QString chosen = FileDialogs().OpenFileName(this, "Open", dir, TextFileFilter);
    if (!chosen.isEmpty())
        Shell().OpenDocument(chosen);
}

void TFurFea::OpenCaseTextFile(const QString& name)
{
    const QString dir = QString::fromStdString(Case.CaseDir());
    QString path = dir + name;
    if (!QFileInfo::exists(path))
        path = FileDialogs().OpenFileName(this, "Open", dir, DataFileFilter);
    if (!path.isEmpty())
        Shell().OpenDocument(path);  // the desktop's text editor stands in for Notepad
}

void TFurFea::HumanBodyData1Click() { OpenCaseTextFile("comfort.dat"); }
void TFurFea::FabricData1Click() { OpenCaseTextFile("Fabrics.dat"); }
void TFurFea::BodyData1Click() { OpenCaseTextFile("BodyProperty.dat"); }
void TFurFea::Body1Click() { Shell().StartProgram("FEM.exe", {}, QString()); }

// Both would address a fourth top-level menu that this window does not have.
void TFurFea::Comfort1Click() {}
void TFurFea::Report1Click() {}
void TFurFea::RunClick() {}
void TFurFea::Stop1Click() {}
void TFurFea::Reset1Click() {}
void TFurFea::Visualize1Click() {}
void TFurFea::PostProcessing1Click() {}
void TFurFea::ComfortEvaluate1Click() {}
