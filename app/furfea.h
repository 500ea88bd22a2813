#pragma once
// The main window: holds the simulation case, drives the definition workflow (flow chart of
// step buttons, case tree, menus, tool bar) and opens every dialog.
#include <QMainWindow>
#include <QPixmap>
#include <array>

#include "dialogbase/workflow.h"
#include "casemodel/casemodel.h"
#include "toolkit/pictures.h"

class QLabel;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The refusal of Save As, Simulation and the boundary and control openers while the environment
// rows do not follow the schedule; Save As also gives it while no environment is defined.
inline constexpr char FinishEnvironmentMessage[] = "Please finish the environment definition!";

// Indices of the step pictures and of the step buttons.
enum TStep { stActivity = 0, stEnvironment = 1, stGarment = 2, stBody = 3, stSimulation = 4,
             stResults = 5 };

// Absolute indices of the case tree's nodes.
enum TTreeNode { tnRoot = 0, tnModel = 1, tnScenario = 2, tnHumanBody = 3, tnGarment = 4,
                 tnBoundary = 5, tnControl = 6 };

class TFurFea : public QMainWindow, public TCaseHost {
    Q_OBJECT
public:
    explicit TFurFea(QWidget* parent = nullptr);
    ~TFurFea() override;

    // The simulation case; every dialog edits it through TheCase().
    CaseModel Case;

    // Step pictures: Glyphs marks a confirmed step, Glyphs2 the step to do next.
    std::array<QPixmap, 7> Glyphs;
    std::array<QPixmap, 7> Glyphs2;
    std::array<QPixmap, 3> SportsGlyphs;
    std::array<QPixmap, 3> EnvironGlyphs;
    std::array<QPixmap, 3> ClothingGlyphs;

    // Components.
    QToolBar* ToolBar1;
    QToolButton* ToolButton3;   // New
    QToolButton* ToolButton1;   // Load
    QToolButton* ToolButton2;   // Save
    QToolButton* ToolButton8;   // Solver
    QToolButton* ToolButton10;  // Stop
    QToolButton* ToolButton12;  // 2D/3D plot
    QToolButton* ToolButton14;  // Animation
    QToolButton* AVI;           // Avi
    QTabWidget* S;
    QTreeWidget* TreeView1;
    QWidget* Panel1;
    QLabel* ImgBc0;
    QLabel* ImgE1;
    QLabel* Image1;
    QLabel* Image2;
    QToolButton* ModelBtn;
    QToolButton* EnvironmentBtn;
    QToolButton* BodyBtn;
    QToolButton* GarmentBtn;
    QToolButton* SimulationBtn;
    QToolButton* ResultBtn;
    std::array<QLabel*, 6> StepNumbers;  // Image4 .. Image9
    QLabel* TotalTimeLabel;
    QLabel* RemainTimeLabel;
    QProgressBar* ProgressBar;
    QStatusBar* StatusBar;
    QTimer* Timer1;
    TImageList ImageList1{32, 32};
    TImageList ImageList2{16, 16};

    // The button of a step (ModelBtn .. ResultBtn by TStep).
    QToolButton* StepButton(int step) const;
    // Shows the step's confirmed picture (done) or its "to do next" picture.
    void SetStepPicture(int step, bool done);
    // The rule for a confirmed step: its button shows Glyphs, the next one Glyphs2.
    void MarkStepDone(int step, int nextStep);
    // Tree node by absolute index (0 the root, 1..6 its children).
    QTreeWidgetItem* TreeNode(int index) const;
    // Sets the node's picture and selected picture to 1; a non-empty text replaces its caption.
    void MarkTreeNode(int index, const QString& text = QString());
    // Draws a step's tree mark from its flag: marked as above, or without a picture.
    void ShowTreeMark(int index, bool marked);
    // Status bar: "Files are saved to " + CaseDir.
    void ShowCaseDir();

    // Menu and step handlers.
    void CreateDirectory1Click();
    void Load1Click();
    void SaveAs1Click();
    void Exit1Click();
    void DefineModelClick();
    void DefineFluidClick();
    void DefineBodyClick();
    void Garment1Click();
    void DefineBoundaryCondition1Click();
    void ControlVariable1Click();
    void About1Click();
    void ModelBtnClick();
    void EnvironmentBtnClick();
    void BodyBtnClick();
    void GarmentBtnClick();
    void SimulationBtnClick();
    void ResultBtnClick();
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton8Click();
    void ToolButton10Click();
    void ToolButton12Click();
    void ToolButton14Click();
    void AVIClick();
    void TreeView1DblClick();
    void TreeView1MouseUp(QTreeWidgetItem* node, Qt::MouseButton button);
    void FormActivate();

    // Opening the material dialogs; only handlers that no control invokes call these.
    void Fiber1Click();
    void Membrane1Click();
    void Fabric1Click();
    // The narrow channel of the dialogs (see workflow.h).
    CaseModel& HostedCase() override { return Case; }
    void StepConfirmed(TCaseStep step) override;
    void NotifyDefinitionChanged(bool changed) override;
    void StageRowsRearranged(const std::vector<int>& from) override;
    // Rebuilds the stage list from the activity, environment, body and garment data.
    void BuildStages();
    // The comfort evaluation of the case's body data.
    void EvaluateComfort();

    // Handlers that no control invokes.
    void DefineFluidBtnClick();
    void FluidBtnClick();
    void DefineModeBtnClick();
    void DefineBodyBtnClick();
    void Image1Click();
    void ToolButton5Click();
    void DefineFiberBtnClick();
    void DefineMemBtnClick();
    void DefineFabricBtnClick();
    void DefineGarmentBtnClick();
    void Image3Click();
    void ToolButton6Click();
    void DefineBCBtnClick();
    void BCBtnClick();
    void Image5Click();
    void DefineInitialInfoBtnClick();
    void InitialConditionClick();
    void PCM1Click();
    void btnDefinePCMClick();
    void ParametersClick();
    void Parameters1Click();
    void DesignateDirBtnClick();
    void Evaluate1Click();
    void datavisualize1Click();
    void virtualvisualize1Click();
    void layer1Click();
    void layer2Click();
    void layer3Click();
    void layer4Click();
    void layer5Click();
    void imgIsOk1Click();
    void imgIsOk2Click();
    void imgIsOk3Click();
    void imgIsOk4Click();
    void imgIsOk5Click();
    void LogFile1Click();
    void HumanBodyData1Click();
    void FabricData1Click();
    void BodyData1Click();
    void Body1Click();
    void Comfort1Click();
    void Report1Click();
    void RunClick();
    void Stop1Click();
    void Reset1Click();
    void Visualize1Click();
    void PostProcessing1Click();
    void ComfortEvaluate1Click();

protected:
    bool event(QEvent* event) override;

private:
    void BuildToolBar();
    void BuildMenus();
    void BuildPanels();
    void LoadStepGlyphs();
    void LoadFormPictures();
    void ShowLayerDialog(int layer);
    // After a load: every dialog that shows a part of the case is refilled from it, in an order
    // that matters (see the definition).
    void RefillDialogs(bool bodyLoaded, bool membranesListed);
    // Opens a result file of the case folder in the text editor, or lets the user pick one.
    void OpenCaseTextFile(const QString& name);
    bool StagesReady() const;
};

extern TFurFea* FurFea;
