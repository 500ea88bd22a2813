#pragma once
// The 3D player: an OpenGL picture of the clothed body standing in a wire-frame room, its skin,
// core and chosen garment coloured by temperature, humidity or sweating rate, with a colour
// legend. The models are read once per process and compiled into display lists 600..623 of each
// player's context; the two scene lists 803 (the part the cut plane may open) and 804 (the rest)
// call them with the current colours.
#include <QImage>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "results/io/dxf.h"
#include "results/io/playback.h"
#include "results/io/resultfiles.h"
#include "results/playerlink.h"
#include "toolkit/forms.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMouseEvent;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;
class QToolButton;
class QWidget;
class TGLPanel;

// One row of a result buffer: five values (a body row holds time, skin temperature, core
// temperature, skin relative humidity, sweating rate; a fabric row time, position, layer,
// humidity, temperature).
using TFrameRow = FrameRow;

class TFrmMain : public TForm, public CrossSectionSource, public ResultDataReceiver {
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* owner = nullptr);
    ~TFrmMain() override;

    // Number of model files and the display list of the first one.
    static constexpr int ModelCount = 24;
    static constexpr int FirstModelList = 600;
    static constexpr int CutSceneList = 803;
    static constexpr int SceneList = 804;
    static constexpr int GlyphBase = 3000;
    // The model files below the program's folder, in list order.
    static const char* const ModelFiles[ModelCount];

    // Colour slots.
    static constexpr int SlotEnvironment = ColorSlotIndex::Environment, SlotBody = ColorSlotIndex::Body,
                         SlotCore = ColorSlotIndex::Core, SlotStyle0 = ColorSlotIndex::Style0;

    // ---- controls
    QWidget* Panel1;
    QToolButton* SBtnOpen;
    QToolButton* SBtnRestore;
    QToolButton* SBtnMove;
    QToolButton* SBtnZoomIn;
    QToolButton* SBtnRotate;
    QCheckBox* CheckBox1;   // "Fill Mode"
    QCheckBox* CheckBox3;   // "Cut Plane"
    QCheckBox* CBCutview;   // "Show Cross Section"
    QPushButton* BtnPause;
    QPushButton* BtnDisplay;
    QLabel* Label1;         // "Time:"
    QLabel* LblTime;
    QWidget* Panel2;
    QGroupBox* GroupBox1;   // "Visualization Content"
    QRadioButton* RBTemp;
    QRadioButton* RBHumidity;
    QRadioButton* RBSweat;
    QGroupBox* GroupBox2;   // "Garments"
    QListWidget* ListBox1;
    QLabel* Label2;         // "Garment's layer:"
    QListWidget* ListBox2;
    QLabel* Label3;         // "StepSpeed:"
    QLineEdit* StepSpeed;
    QLabel* Label4;         // "(s)"
    QStatusBar* StatusBar1;
    QTimer* Timer2;
    TGLPanel* GLPanel;      // the OpenGL viewport below Panel1

    // ---- view state
    std::unique_ptr<DXF> Model;  // one reader for every model file
    float Translation[3] = {0, 0, 0};
    float RotationX = 0, RotationY = 0;
    float ZoomScale[3] = {1, 1, 1};
    float ZoomFactor = 1.1f;
    float MoveStep = 0.05f;
    float DragThreshold = 2.0f;
    int MouseMode = 1;  // 1 none, 2 move, 3 zoom, 4 rotate
    int Wireframe = 0;
    int CutPlaneOn = 0;
    int Dragging = 0, LastMouseX = 0, LastMouseY = 0;
    float ColorThresholds[5] = {0, 10, 20, 30, 40};
    ColorSlotArray ColorSlots = {{0, 0, 1, 1}, {1, 1, 0, 1}, {1, 0, 0, 1}, {1, 1, 1, 0.6f},
                                {0, 0, 0, 0},  {0, 0, 0, 0}, {0, 0, 0, 0}};
    int ColorMode = 0;  // 0 temperature, 1 humidity, 2 sweating rate
    int ViewState = 0;  // 0 nothing to play, 2 playing, 3 garment chosen, 2 + layer
    int SelectedGarment = 0, SelectedStyle = 0, SelectedLayer = 0, LayerSelected = 0;
    int PlaySpeed = 1;                  // simulated minutes per wall-clock minute
    float CurrentTime = 0, PausedOffset = 0;  // minutes
    double StartClock = 0;              // ClockSeconds() at the last start
    int CurrentFrame = 0;

    // ---- result data (filled by LoadResultData; every container is sized to the files)
    int IsFemale = 0;
    int GarmentCount = 0;
    std::vector<int> GarmentLayerCount;  // per garment, GarmentCount entries
    std::vector<int> GarmentStyle;       // 0 brief or bikini, 1 shorts, 2 slacks or pants, 3 skirt
    std::vector<EnvStage> EnvStages;     // start time, temperature, humidity of each stage
    int EnvStageCount = 1;
    std::vector<TFrameRow> BodyFrames;   // one row per frame
    LayerBuffers LayerFrames;            // buffer L holds layer L (see LayerNodeRow)
    int FrameCount = 0;                  // frames that play: body rows, no more than fabric blocks
    float FrameStep = 1.0f;
    int NodesPerFrame = 1;
    int MaxLayerSeen = 0;
    std::vector<int> LayerPresent;       // 1 for each layer read
    int BodyLoaded = 0;
    float RangeMin[3] = {10000, 10000, 10000};  // by colour mode: temperature, humidity, sweating
    float RangeMax[3] = {0, 0, 0};

    // ---- operations
    // Sets the rgb of `rgba` from a value by the thresholds t0..t4: blue, cyan, green, yellow
    // and red at t0..t4, linear in between.
    void ValueToColor(float value, float* rgba) const { ThresholdColor(ColorThresholds, value, rgba); }
    void ValueToColor(float value, int slot) { ValueToColor(value, ColorSlots[slot]); }
    // Colour of node n of layer buffer L at the current frame, red + 256 green + 65536 blue;
    // black for a node the data do not hold.
    int GetNodeColor(int layer, int node) const override;
    // The same colour as the rgb of `rgba`; false (and black) for a node the data do not hold.
    bool NodeColor(int layer, int node, float* rgba) const;
    // What the cross-section window draws of the current frame.
    CrossSectionFrame CrossSection() const override;
    void CrossSectionClosed() override;
    // The colour slot of the chosen garment's style.
    int GarmentSlot() const;
    // The time label's text for t minutes: whole minutes and seconds, rounded to the second.
    static QString TimeText(double minutes);
    // Recompiles the scene lists from the current colours, sex, garment and cut state.
    void BuildSceneLists();
    // The scene of the sweating-rate mode: the bare body of the current sex in the body colour
    // and nothing to cut (after a result load, so the body shows before the first playback).
    void BuildBodySceneList();
    // Takes over the result files of folder: the environment that the data window read there,
    // then "BodyProperty.dat" and "Fabrics.dat", and reports the outcome in a message. A body
    // that fails changes nothing: the player keeps what it had. A fabric file that fails leaves
    // the body and the environment to play, without garments.
    void LoadResultData(const std::filesystem::path& folder, const EnvironmentData& environment) override;
    // Asks for a redraw.
    void Redraw();
    // The legend's title for the colour mode, and its value label k (0 = t4 at the top .. 4 = t0),
    // "%2.1f" when t4 > 1, else "%2.1e".
    std::string LegendTitle() const;
    std::string LegendValue(int k) const;
    // The triangles of model i (empty when its file could not be read); the models are read on
    // first use.
    const DxfMesh* ModelMesh(int i)
    {
        EnsureModels();
        return Models[i].get();
    }

    // ---- handlers
    // Stops the playback and opens the data window for this player.
    void SBtnOpenClick();
    // Starts a playback from time 0 in the chosen colour mode.
    void BtnDisplayClick();
    // Pauses or resumes a playback that has begun.
    void BtnPauseClick();
    // One playback step: the frame of the time played so far, its colours, the picture.
    void Timer2Timer();
    // Takes the speed from its edit; the playback continues from the current time.
    void StepSpeedChange();
    // Choose a garment, then one of its layers.
    void ListBox1Click();
    void ListBox2Click();
    // Speed buttons of the mouse modes.
    void SBtnMoveClick();
    void SBtnZoomInClick();
    void SBtnRotateClick();
    void SBtnRestoreClick();
    void CheckBox1Click();  // fill mode
    void CheckBox3Click();  // cut plane
    void CBCutviewClick();  // show or close the cross-section
    void RBSweatClick();
    void FormMouseDown(QMouseEvent* event);
    void FormMouseMove(QMouseEvent* event);
    void FormMouseUp(QMouseEvent* event);
    void FormActivate();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The models are read before the first picture is drawn, so a problem is reported outside
    // the drawing.
    void FormShow() override { EnsureModels(); }
    // Unticks the cross-section, closes it when it shows this player, and lets the window go.
    void FormClose() override;

private:
    void BuildControls();
    // A mode button went down (mode) or up (back to no mode).
    void ModeButtonClick(QToolButton* button, int mode);
    // Pops up the speed button of the current mouse mode.
    void ReleaseModeButton();
    // Closes the cross-section window when it shows this player.
    void CloseCutView();
    void LoadModels();
    // Reads the models the first time they are needed (the first showing of a player), so the
    // hidden player made at start-up costs the start nothing.
    void EnsureModels();
    bool ModelsRead = false;
    void LoadTexture();
    // OpenGL side, with the panel's context current.
    void InitGL(int width, int height);
    void GLInitialize();
    void GLResize(int width, int height);
    void CompileModelLists();
    void CompileSceneLists();
    void DrawScene();
    void DrawLegend();
    void DrawRoomGrid();

    // What a scene list holds; captured when it is requested, compiled at the next paint.
    struct SceneContent {
        bool Defined = false;
        bool Female = false;
        bool Cut = false;       // two-sided lighting for the opened torso
        bool BodyOnly = false;  // torso and limbs only, in the body colour, lit
        bool Garment = false;
        int Style = 0;
        float Body[4] = {0, 0, 0, 0};
        float Core[4] = {0, 0, 0, 0};
        float Cloth[4] = {0, 0, 0, 0};
    };
    SceneContent CutScene, WholeScene;
    bool SceneDirty = false;
    std::array<std::shared_ptr<const DxfMesh>, ModelCount> Models;
    QImage Texture;  // RGB, power-of-two sides; empty when the file is missing
    unsigned TextureId = 0;
};

extern TFrmMain* FrmMain;
