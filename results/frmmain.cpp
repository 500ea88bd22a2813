#include "results/frmmain.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <climits>
#include <stdexcept>

#include "results/frmcutview.h"
#include "results/frmdata.h"
#include "toolkit/application.h"
#include "toolkit/clock.h"
#include "toolkit/glwidget.h"
#include "toolkit/messages.h"
#include "toolkit/pictures.h"

TFrmMain* FrmMain = nullptr;

const char* const TFrmMain::ModelFiles[ModelCount] = {
    "model/core.dxf",         "model/mantorso.dxf",     "model/manlimbs.dxf",
    "model/brief1.dxf",       "model/brief2.dxf",       "model/shorts1.dxf",
    "model/tshirt1.dxf",      "model/shorts2.dxf",      "model/tshirt2.dxf",
    "model/slack1.dxf",       "model/wintercoat1.dxf",  "model/slack2.dxf",
    "model/wintercoat2.dxf",  "model/womantorso.dxf",   "model/womanlimbs.dxf",
    "model/womanbikini1.dxf", "model/womanbikini2.dxf", "model/womanshorts1.dxf",
    "model/womanshorts2.dxf", "model/womanpants1.dxf",  "model/womanpants2.dxf",
    "model/womancore.dxf",    "model/womanskirts1.dxf", "model/womanskirts2.dxf",
};

namespace {

constexpr int Panel1Height = 40;
constexpr int Panel2Width = 130;

// Model lists by role.
constexpr int ManCore = 600, ManTorso = 601, ManLimbs = 602;
constexpr int WomanTorso = 613, WomanLimbs = 614, WomanCore = 621;

// Garment parts per style: the clippable part(s) over the trunk, then the others.
struct StyleLists {
    int Cut[2];
    int Whole[2];
};
const StyleLists ManStyles[4] = {
    {{603, 0}, {604, 0}},      // brief
    {{605, 606}, {607, 608}},  // shorts and T-shirt
    {{609, 610}, {611, 612}},  // slacks and winter coat
    {{622, 0}, {623, 0}},      // skirt
};
const StyleLists WomanStyles[4] = {
    {{615, 0}, {616, 0}},  // bikini
    {{617, 0}, {618, 0}},  // shorts
    {{619, 0}, {620, 0}},  // pants
    {{622, 0}, {623, 0}},  // skirt
};

void CopyColor(const float* from, float* to)
{
    for (int i = 0; i < 4; ++i)
        to[i] = from[i];
}

} // namespace

TFrmMain::TFrmMain(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmMain");
    SetCaption("Clothing Thermal Status Visualization");
    SetClientSize(1024, 751);
    SetPosition(TPosition::Designed);

    BuildControls();

    Model = std::make_unique<DXF>();
    EnvStages.assign(1, EnvStage());
    EnvStageCount = 1;

    LoadTexture();
}

TFrmMain::~TFrmMain()
{
    // Windows that refer to "the" player must not keep a dangling one.
    if (FrmMain == this)
        FrmMain = nullptr;
    if (GLPanel->HasContext()) {
        GLPanel->makeCurrent();
        if (TextureId)
            glDeleteTextures(1, &TextureId);
        GLPanel->doneCurrent();
    }
}

void TFrmMain::BuildControls()
{
    // The OpenGL viewport fills the client width below Panel1; Panel2 and the status bar lie
    // over its right and bottom edges (laid out by resizeEvent).
    GLPanel = Make<TGLPanel>(this, "GLPanel", QRect());
    GLPanel->OnInitialize = [this] { GLInitialize(); };
    GLPanel->OnResize = [this](int w, int h) { GLResize(w, h); };
    GLPanel->OnPaint = [this] { DrawScene(); };

    Panel1 = Make<QWidget>(this, "Panel1", QRect());
    Panel1->setAutoFillBackground(true);

    // The captions must fit the 40-pixel speed buttons and the 130-pixel side panel.
    QFont small = font();
    small.setPixelSize(11);
    auto speedButton = [this, &small](const char* name, const QString& caption, const QString& hint, int x) {
        auto* b = Make<QToolButton>(Panel1, name, QRect(x, 0, 40, 40));
        b->setText(caption);
        b->setToolTip(hint);
        b->setCheckable(true);
        b->setFont(small);
        return b;
    };
    SBtnOpen = speedButton("SBtnOpen", QString(), "Open", 0);
    SBtnOpen->setCheckable(false);
    SBtnOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SBtnOpen->setIconSize(QSize(24, 24));
    SBtnRestore = speedButton("SBtnRestore", "1:1", "Restore", 44);
    SBtnMove = speedButton("SBtnMove", "Move", "Move", 84);
    SBtnZoomIn = speedButton("SBtnZoomIn", "Zoom", "Zoom", 124);
    SBtnRotate = speedButton("SBtnRotate", "Rotate", "Rotate", 164);

    CheckBox1 = Make<QCheckBox>(Panel1, "CheckBox1", QRect(226, 10, 90, 20), "Fill Mode");
    CheckBox1->setChecked(true);
    CheckBox3 = Make<QCheckBox>(Panel1, "CheckBox3", QRect(322, 10, 90, 20), "Cut Plane");
    CBCutview = Make<QCheckBox>(Panel1, "CBCutview", QRect(418, 10, 150, 20), "Show Cross Section");
    BtnPause = Make<QPushButton>(Panel1, "BtnPause", QRect(580, 6, 80, 28), "Pause");
    BtnDisplay = Make<QPushButton>(Panel1, "BtnDisplay", QRect(668, 6, 80, 28), "Display");
    Label1 = Make<QLabel>(Panel1, "Label1", QRect(768, 10, 44, 20), "Time:");
    LblTime = Make<QLabel>(Panel1, "LblTime", QRect(814, 6, 110, 28), "00:00");
    QFont timeFont = LblTime->font();
    timeFont.setPixelSize(19);
    timeFont.setBold(true);
    LblTime->setFont(timeFont);
    QPalette timePalette = LblTime->palette();
    timePalette.setColor(QPalette::WindowText, Qt::red);
    LblTime->setPalette(timePalette);

    Panel2 = Make<QWidget>(this, "Panel2", QRect());
    Panel2->setAutoFillBackground(true);
    Panel2->setFont(small);
    const int inner = Panel2Width - 24;
    GroupBox1 = Make<QGroupBox>(Panel2, "GroupBox1", QRect(4, 6, Panel2Width - 8, 104), "Visualization Content");
    RBTemp = Make<QRadioButton>(GroupBox1, "RBTemp", QRect(8, 22, inner, 22), "Temperature");
    RBHumidity = Make<QRadioButton>(GroupBox1, "RBHumidity", QRect(8, 48, inner, 22), "Humidity");
    RBSweat = Make<QRadioButton>(GroupBox1, "RBSweat", QRect(8, 74, inner, 22), "Sweating Rate");
    RBTemp->setChecked(true);
    GroupBox2 = Make<QGroupBox>(Panel2, "GroupBox2", QRect(4, 118, Panel2Width - 8, 420), "Garments");
    ListBox1 = Make<QListWidget>(GroupBox2, "ListBox1", QRect(8, 24, inner, 180));
    Label2 = Make<QLabel>(GroupBox2, "Label2", QRect(8, 212, inner, 20), "Garment's layer:");
    ListBox2 = Make<QListWidget>(GroupBox2, "ListBox2", QRect(8, 234, inner, 176));
    Label3 = Make<QLabel>(Panel2, "Label3", QRect(8, 550, 80, 22), "StepSpeed:");
    StepSpeed = Make<QLineEdit>(Panel2, "StepSpeed", QRect(8, 574, 70, 24), "1");
    Label4 = Make<QLabel>(Panel2, "Label4", QRect(84, 576, 30, 20), "(s)");

    StatusBar1 = Make<QStatusBar>(this, "StatusBar1", QRect());
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
    StatusBar1->showMessage("Note: Click to move, rotate... Right click to select model.");

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(50);

    connect(SBtnOpen, &QToolButton::clicked, this, Guard([this] { SBtnOpenClick(); }));
    // Clicks only: a button popped up by code runs no handler.
    connect(SBtnRestore, &QToolButton::clicked, this, Guard([this] { SBtnRestoreClick(); }));
    connect(SBtnMove, &QToolButton::clicked, this, Guard([this] { SBtnMoveClick(); }));
    connect(SBtnZoomIn, &QToolButton::clicked, this, Guard([this] { SBtnZoomInClick(); }));
    connect(SBtnRotate, &QToolButton::clicked, this, Guard([this] { SBtnRotateClick(); }));
    // Check boxes also run their handlers when code changes them (closing the player unticks
    // the cross-section, which closes it).
    connect(CheckBox1, &QCheckBox::toggled, this, Guard([this] { CheckBox1Click(); }));
    connect(CheckBox3, &QCheckBox::toggled, this, Guard([this] { CheckBox3Click(); }));
    connect(CBCutview, &QCheckBox::toggled, this, Guard([this] { CBCutviewClick(); }));
    connect(RBSweat, &QRadioButton::toggled, this, Guard([this](bool on) {
                if (on)
                    RBSweatClick();
            }));
    connect(BtnPause, &QPushButton::clicked, this, Guard([this] { BtnPauseClick(); }));
    connect(BtnDisplay, &QPushButton::clicked, this, Guard([this] { BtnDisplayClick(); }));
    connect(StepSpeed, &QLineEdit::textChanged, this, Guard([this] { StepSpeedChange(); }));
    // A row chosen with the mouse or the keyboard; clearing a list (row -1) chooses nothing. A
    // garment is chosen on every click too, also of the one already chosen: that is the way back
    // from one of its layers to the whole garment (a click that changes the row runs the handler
    // twice, to the same effect).
    connect(ListBox1, &QListWidget::currentRowChanged, this, Guard([this] { ListBox1Click(); }));
    connect(ListBox1, &QListWidget::itemClicked, this, Guard([this] { ListBox1Click(); }));
    connect(ListBox2, &QListWidget::currentRowChanged, this, Guard([this] { ListBox2Click(); }));
    connect(Timer2, &QTimer::timeout, this, Guard([this] { Timer2Timer(); }));
    GLPanel->OnMouseDown = [this](QMouseEvent* e) { FormMouseDown(e); };
    GLPanel->OnMouseMove = [this](QMouseEvent* e) { FormMouseMove(e); };
    GLPanel->OnMouseUp = [this](QMouseEvent* e) { FormMouseUp(e); };

    // The panels stay on top of the viewport.
    Panel1->raise();
    Panel2->raise();
    StatusBar1->raise();
}

void TFrmMain::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    const int w = width(), h = height();
    const int statusHeight = StatusBar1->sizeHint().height();
    Panel1->setGeometry(0, 0, w, Panel1Height);
    GLPanel->setGeometry(0, Panel1Height, w, h - Panel1Height);
    Panel2->setGeometry(w - Panel2Width, Panel1Height, Panel2Width, h - Panel1Height - statusHeight);
    StatusBar1->setGeometry(0, h - statusHeight, w, statusHeight);
}

// ---------------------------------------------------------------------------------------------
// Models and texture (read at creation; compiled into the context when it exists).

void TFrmMain::EnsureModels()
{
    if (ModelsRead)
        return;
    ModelsRead = true;
    LoadModels();
}

void TFrmMain::LoadModels()
{
    // A file that cannot be read or built is skipped: the other models still load, so one bad
    // file does not leave the window empty. Each file is parsed once per process. What failed
    // goes into one message, shown once per run: every player (the hidden one at start-up and
    // each "Animation") loads the models, and the same problem must not ask again each time.
    static QString reported;
    QStringList problems;
    const QString folder = AssetPath("model");
    if (!QFileInfo(folder).isDir()) {
        Models.fill(nullptr);
        problems << "Error reading DXF files: the folder " + folder + " does not exist";
    } else {
        for (int i = 0; i < ModelCount; ++i) {
            const QString path = AssetPath(ModelFiles[i]);
            const DxfModel m = LoadDxfModel(*Model, QFile::encodeName(path).toStdString());
            Models[i] = m.Status == DxfLoadStatus::Ok ? m.Mesh : nullptr;
            if (m.Status == DxfLoadStatus::ReadFailed)
                problems << "Error reading DXF file:" + path;
            else if (m.Status == DxfLoadStatus::BuildFailed)
                problems << "Error loading facets from " + path;
        }
    }
    const QString message = problems.join('\n');
    if (message != reported && !message.isEmpty())
        AppMessageBox(message, "Information");
    reported = message;
}

void TFrmMain::LoadTexture()
{
    // The texture is never switched on, so a missing file costs nothing but the message.
    Texture = QImage();
    try {
        const QImage picture = LoadPicture(AssetPath("textures/fabric.bmp")).toImage();
        int w = 1, h = 1;
        while (w * 2 <= picture.width()) w *= 2;
        while (h * 2 <= picture.height()) h *= 2;
        Texture = picture.copy(0, 0, w, h).convertToFormat(QImage::Format_RGB888);
    } catch (const EFOpenError& e) {
        AppMessageBox(QString::fromStdString(e.what()), "Error");
    }
}

void TFrmMain::GLInitialize()
{
    // A new context: everything that lives in it is made again.
    InitGL(GLPanel->width(), GLPanel->height());
    // The size is given in pixels so the legend keeps its layout on every screen.
    {
        QFont f("DejaVu Sans");
        f.setPixelSize(15);
        f.setBold(true);
        BuildBitmapFontLists(f, GlyphBase, 0, 255);
    }
    TextureId = 0;
    if (!Texture.isNull()) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glGenTextures(1, &TextureId);
        glBindTexture(GL_TEXTURE_2D, TextureId);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, Texture.width(), Texture.height(), 0, GL_RGB,
                     GL_UNSIGNED_BYTE, Texture.constBits());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    }
    CompileModelLists();
    SceneDirty = true;
}

void TFrmMain::CompileModelLists()
{
    EnsureModels();
    for (int i = 0; i < ModelCount; ++i) {
        glNewList(FirstModelList + i, GL_COMPILE);
        if (const DxfMesh* mesh = Models[i].get()) {
            if (i == 0) {
                // The man's core is drawn through its own placement inside the torso.
                glPushMatrix();
                glRotatef(-4, 1, 0, 0);
                glRotatef(5, 0, 1, 0);
                glScalef(0.75f, 0.9f, 0.75f);
                glTranslatef(0, 0.06f, 0.04f);
            }
            glBegin(GL_TRIANGLES);
            const std::size_t n = mesh->Triangles.size();
            for (std::size_t t = 0; t < n; ++t) {
                const DxfTriangle& tri = mesh->Triangles[t];
                static const float tex[3][2] = {{0, 0}, {0, 1}, {1, 1}};
                for (int c = 0; c < 3; ++c) {
                    const DxfPoint& nrm = mesh->Normals[t * 3 + c];
                    glNormal3f(nrm.x, nrm.y, nrm.z);
                    glTexCoord2f(tex[c][0], tex[c][1]);
                    glVertex3f(tri.Corner[c].x, tri.Corner[c].y, tri.Corner[c].z);
                }
            }
            glEnd();
            if (i == 0)
                glPopMatrix();
        }
        glEndList();
    }
}

// ---------------------------------------------------------------------------------------------
// OpenGL set-up.

void TFrmMain::InitGL(int width, int height)
{
    // Black and opaque: the toolkit composes the panel by its alpha channel, so alpha is
    // cleared to 1 and never written (the colour slots' alpha only travels with the materials).
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LINE_SMOOTH);
    GLResize(width, height);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const GLfloat ambient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat diffuse[4] = {1, 1, 1, 1};
    const GLfloat position[4] = {1.0f, 0.15f, 0.1f, 0.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);

    // Given once under the camera, so the cut stays fixed in the room while the model turns.
    const GLdouble plane[4] = {0.0, -0.15, -1.0, 0.05};
    glClipPlane(GL_CLIP_PLANE0, plane);
}

void TFrmMain::GLResize(int width, int height)
{
    // The light and the clip plane were given in eye space and are not touched here.
    glViewport(0, 0, width, std::max(1, height));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, double(width) / std::max(1, height), 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 3, 0, 0, 0, 0, 1, 0);
}

// ---------------------------------------------------------------------------------------------
// Colours.

bool TFrmMain::NodeColor(int layer, int node, float* rgba) const
{
    return LayerNodeColor(LayerFrames, NodesPerFrame, layer, CurrentFrame, node, ColorMode, ColorThresholds, rgba);
}

int TFrmMain::GetNodeColor(int layer, int node) const
{
    float c[4] = {0, 0, 0, 1};
    NodeColor(layer, node, c);
    return PackedColor(c);
}

CrossSectionFrame TFrmMain::CrossSection() const
{
    CrossSectionFrame frame;
    frame.ViewState = ViewState;
    frame.ColorMode = ColorMode;
    frame.BodyLoaded = BodyLoaded;
    frame.SelectedLayer = SelectedLayer;
    frame.NodesPerFrame = NodesPerFrame;
    std::copy_n(ColorSlots[SlotBody], 4, frame.BodyColor);
    std::copy_n(ColorSlots[SlotCore], 4, frame.CoreColor);
    return frame;
}

int TFrmMain::GarmentSlot() const
{
    return GarmentStyleSlot(SelectedStyle);
}

// ---------------------------------------------------------------------------------------------
// Scene lists.

void TFrmMain::BuildSceneLists()
{
    // A garment chosen without a layer takes the body colour.
    const float* cloth = LayerSelected ? ColorSlots[GarmentSlot()] : ColorSlots[SlotBody];
    SceneContent whole;
    whole.Defined = true;
    whole.Female = IsFemale != 0;
    CopyColor(ColorSlots[SlotBody], whole.Body);
    CopyColor(ColorSlots[SlotCore], whole.Core);
    CopyColor(cloth, whole.Cloth);
    whole.Style = std::clamp(SelectedStyle, 0, 3);
    whole.Garment = ViewState > 2;
    SceneContent cut = whole;
    if (ColorMode == 2) {
        // Sweating rate belongs to the skin alone: no core, no garment, nothing to cut.
        whole.BodyOnly = true;
        whole.Garment = false;
        cut = SceneContent();
    } else {
        cut.Cut = CutPlaneOn != 0;
    }
    CutScene = cut;
    WholeScene = whole;
    SceneDirty = true;
}

void TFrmMain::BuildBodySceneList()
{
    // The cut scene of an earlier playback goes too: it may hold the torso of the other sex or
    // a garment that the new results do not have.
    CutScene = SceneContent();
    SceneContent whole;
    whole.Defined = true;
    whole.Female = IsFemale != 0;
    whole.BodyOnly = true;
    CopyColor(ColorSlots[SlotBody], whole.Body);
    WholeScene = whole;
    SceneDirty = true;
}

void TFrmMain::Redraw()
{
    GLPanel->update();
}

void TFrmMain::CompileSceneLists()
{
    // A garment's parts in the garment colour, both faces.
    const auto garment = [](const SceneContent& s, const int (StyleLists::*part)[2]) {
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, s.Cloth);
        const StyleLists& lists = (s.Female ? WomanStyles : ManStyles)[s.Style];
        for (int list : lists.*part)
            if (list)
                glCallList(list);
    };

    glDeleteLists(CutSceneList, 1);
    glDeleteLists(SceneList, 1);

    glNewList(CutSceneList, GL_COMPILE);
    if (CutScene.Defined) {
        const SceneContent& s = CutScene;
        // An opened torso shows its inside: light both faces.
        if (s.Cut)
            glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, s.Body);
        glCallList(s.Female ? WomanTorso : ManTorso);
        if (s.Garment)
            garment(s, &StyleLists::Cut);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    }
    glEndList();

    glNewList(SceneList, GL_COMPILE);
    if (WholeScene.Defined) {
        const SceneContent& s = WholeScene;
        if (s.BodyOnly) {
            glEnable(GL_LIGHTING);
            glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, s.Body);
            glCallList(s.Female ? WomanTorso : ManTorso);
            glCallList(s.Female ? WomanLimbs : ManLimbs);
        } else {
            glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, s.Core);
            glCallList(s.Female ? WomanCore : ManCore);
            glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, s.Body);
            glCallList(s.Female ? WomanLimbs : ManLimbs);
            if (s.Garment)
                garment(s, &StyleLists::Whole);
        }
    }
    glEndList();
    SceneDirty = false;
}

// ---------------------------------------------------------------------------------------------
// Result data.

void TFrmMain::LoadResultData(const std::filesystem::path& folder, const EnvironmentData& environment)
{
    // Everything is read before anything is taken over: a body that fails leaves the frames,
    // the lists and the picture of the earlier load exactly as they were.
    PlayerResults results = LoadPlayerResults(folder, environment);
    const QString message = QString::fromStdString(results.Message);
    if (!results.BodyLoaded()) {
        AppMessageBox(message, "Error");
        return;
    }
    const bool fabricLoaded = results.Result == PlayerResults::Loaded;

    IsFemale = environment.IsFemale() ? 1 : 0;
    // Without the fabric file's layers there is no garment to colour: the body plays alone.
    GarmentLayerCount.clear();
    GarmentStyle.clear();
    if (fabricLoaded)
        for (const GarmentEntry& garment : environment.Garments) {
            GarmentLayerCount.push_back(garment.LayerCount);
            GarmentStyle.push_back(garment.Style);
        }
    GarmentCount = static_cast<int>(GarmentLayerCount.size());
    EnvStages = environment.Stages;
    EnvStageCount = static_cast<int>(EnvStages.size());
    for (int q = 0; q < 3; ++q) {
        RangeMin[q] = results.Ranges[static_cast<std::size_t>(q)].Min;
        RangeMax[q] = results.Ranges[static_cast<std::size_t>(q)].Max;
    }
    FrameCount = results.PlayableFrames();
    BodyFrames = std::move(results.Body.Frames);
    FrameStep = results.Body.FrameStep;
    BodyLoaded = 1;
    LayerFrames = std::move(results.Fabric.Layers);
    NodesPerFrame = results.Fabric.NodesPerFrame;
    MaxLayerSeen = results.Fabric.MaxLayerSeen;
    LayerPresent.assign(LayerFrames.size(), 1);

    BuildBodySceneList();
    // The layer list belonged to a garment of the list being replaced.
    ListBox1->clear();
    ListBox2->clear();
    for (int g = 1; g <= GarmentCount; ++g)
        ListBox1->addItem("Garment" + QString::number(g));
    Redraw();
    // Last: the box runs an event loop in which this window may be closed.
    AppMessageBox(message, fabricLoaded ? "Notice" : "Error");
}

void TFrmMain::SBtnOpenClick()
{
    if (Timer2)
        Timer2->stop();
    if (!FrmData)
        FrmData = new TFrmData(MainForm());
    FrmData->ShowFor(this);
    Redraw();
}

// ---------------------------------------------------------------------------------------------
// Playback.

namespace {

// An integer as the speed edit takes it: an optional sign and decimal digits, within the range
// of int; nothing else (no blanks, no hex).
bool ParseSpeed(const QString& text, int& value)
{
    const std::string s = text.toStdString();
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == s.size())
        return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

QString TFrmMain::TimeText(double minutes)
{
    return QString::fromStdString(PlayTimeText(minutes));
}

void TFrmMain::BtnDisplayClick()
{
    Timer2->stop();
    LblTime->setText("00:00");
    CurrentTime = PausedOffset = 0;
    CurrentFrame = 0;

    ColorMode = RBSweat->isChecked() ? 2 : RBHumidity->isChecked() ? 1 : 0;
    SpreadThresholds(RangeMin[ColorMode], RangeMax[ColorMode], ColorThresholds);
    if (ColorMode != 2)
        SelectedLayer = 0;
    ListBox1->clear();
    ListBox2->clear();

    if (!BodyLoaded) {
        AppMessageBox("No data available!", "Information");
        ViewState = 0;
        return;
    }
    ViewState = 2;
    Timer2->start();
    BtnPause->setText("Pause");
    StartClock = ClockSeconds();
    // The sweating rate belongs to the skin: there is no garment to choose.
    if (ColorMode != 2)
        for (int g = 1; g <= GarmentCount; ++g)
            ListBox1->addItem("Garment" + QString::number(g));
}

void TFrmMain::BtnPauseClick()
{
    if (ViewState <= 1 || CurrentTime <= 0)
        return;
    if (Timer2->isActive()) {
        Timer2->stop();
        BtnPause->setText("Restart");
        PausedOffset = CurrentTime;
    } else {
        StartClock = ClockSeconds();
        Timer2->start();
        BtnPause->setText("Pause");
    }
}

void TFrmMain::Timer2Timer()
{
    // The frames that play end with the body's rows or the fabric's whole blocks, whichever
    // come first.
    const long long playable = std::min<long long>(FrameCount, static_cast<long long>(BodyFrames.size()));
    const PlaybackPoint at = PlaybackAt(ElapsedPlayMinutes(StartClock, ClockSeconds()), PlaySpeed, PausedOffset,
                                        FrameStep, playable);
    if (at.Ended) {
        // Past the last frame: the last picture and time stay.
        Timer2->stop();
        CurrentTime = PausedOffset = 0;
        CurrentFrame = 0;
        return;
    }
    CurrentTime = static_cast<float>(at.Time);
    CurrentFrame = at.Frame;

    const FrameRow& body = BodyFrames[static_cast<std::size_t>(CurrentFrame)];
    ColorFrameSlots(ColorMode, body, EnvStages, ColorThresholds, ColorSlots);
    if (ColorMode != 2 && ViewState >= 3)
        NodeColor(ViewState - 3, 0, ColorSlots[GarmentSlot()]);
    if (CBCutview->isChecked() && FrmCutView && FrmCutView->Player() == this && FrmCutView->isVisible())
        FrmCutView->DrawCrossSection();
    LblTime->setText(TimeText(body[0]));

    BuildSceneLists();
    if (RotationY > 360)
        RotationY = 0;
    RotationY += 5;  // the model turns about its vertical axis as it plays
    Redraw();
}

void TFrmMain::StepSpeedChange()
{
    const QString text = StepSpeed->text();
    int speed = 0;
    // A negative speed would run the time backwards into frames before the first.
    if (!ParseSpeed(text, speed) || speed < 0)
        throw std::runtime_error(("'" + text + "' is not a valid integer value").toStdString());
    PlaySpeed = speed;
    StartClock = ClockSeconds();
    PausedOffset = CurrentTime;
}

void TFrmMain::ListBox1Click()
{
    const int g = ListBox1->currentRow();
    if (g < 0 || g >= GarmentCount || g >= static_cast<int>(GarmentLayerCount.size())
        || g >= static_cast<int>(GarmentStyle.size()))
        return;
    SelectedGarment = g;
    ListBox2->clear();
    for (int i = 1; i <= GarmentLayerCount[static_cast<std::size_t>(g)]; ++i)
        ListBox2->addItem("Layer" + QString::number(i));
    SelectedStyle = GarmentStyle[static_cast<std::size_t>(g)];
    ViewState = 3;
    LayerSelected = 0;  // drawn in the body colour until a layer is chosen
}

void TFrmMain::ListBox2Click()
{
    const int i = ListBox2->currentRow();
    if (i < 0 || SelectedGarment < 0 || SelectedGarment >= static_cast<int>(GarmentLayerCount.size())
        || i >= GarmentLayerCount[static_cast<std::size_t>(SelectedGarment)])
        return;
    // Layers are numbered over all garments, in the order of the fabric file.
    int before = 0;
    for (int g = 0; g < SelectedGarment; ++g)
        before += GarmentLayerCount[static_cast<std::size_t>(g)];
    SelectedLayer = i + 1 + before;
    ViewState = SelectedLayer + 2;
    LayerSelected = 1;
}

// ---------------------------------------------------------------------------------------------
// Mouse modes and view controls.

void TFrmMain::ReleaseModeButton()
{
    QToolButton* const buttons[4] = {SBtnRestore, SBtnMove, SBtnZoomIn, SBtnRotate};
    if (MouseMode >= 1 && MouseMode <= 4)
        buttons[MouseMode - 1]->setChecked(false);
}

void TFrmMain::ModeButtonClick(QToolButton* button, int mode)
{
    if (button->isChecked()) {
        ReleaseModeButton();
        MouseMode = mode;
    } else {
        MouseMode = 1;
    }
}

void TFrmMain::SBtnMoveClick() { ModeButtonClick(SBtnMove, 2); }
void TFrmMain::SBtnZoomInClick() { ModeButtonClick(SBtnZoomIn, 3); }
void TFrmMain::SBtnRotateClick() { ModeButtonClick(SBtnRotate, 4); }

void TFrmMain::SBtnRestoreClick()
{
    if (!SBtnRestore->isChecked())
        return;
    ReleaseModeButton();  // itself in mode 1
    MouseMode = 1;
    Dragging = 0;
    unsetCursor();
    Translation[0] = Translation[1] = Translation[2] = 0;
    RotationX = RotationY = 0;
    ZoomScale[0] = ZoomScale[1] = ZoomScale[2] = 1;
    LastMouseX = LastMouseY = 0;
    Redraw();
}

void TFrmMain::FormMouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton || MouseMode <= 1)
        return;
    Dragging = 1;
    setCursor(Qt::SizeAllCursor);
    const QPoint p = event->position().toPoint();
    LastMouseX = p.x();
    LastMouseY = p.y();
}

void TFrmMain::FormMouseMove(QMouseEvent* event)
{
    if (!Dragging)
        return;
    const QPoint p = event->position().toPoint();
    const float dx = static_cast<float>(p.x() - LastMouseX), dy = static_cast<float>(p.y() - LastMouseY);
    const float d = DragThreshold;
    switch (MouseMode) {
    case 2:
        if (dx > d) Translation[0] += MoveStep;
        if (dx < -d) Translation[0] -= MoveStep;
        if (dy > d) Translation[1] -= MoveStep;  // screen y runs down
        if (dy < -d) Translation[1] += MoveStep;
        break;
    case 3:
        if (dy > d)
            for (float& z : ZoomScale) z *= ZoomFactor;
        if (-dy > d)
            for (float& z : ZoomScale) z /= ZoomFactor;
        break;
    case 4:
        if (dx > d) RotationY += 5;
        if (dx < -d) RotationY -= 5;
        if (dy > d) RotationX += 5;
        if (dy < -d) RotationX -= 5;
        break;
    default:
        break;
    }
    // Also when no step was taken: a slow drag never adds up to a step.
    LastMouseX = p.x();
    LastMouseY = p.y();
    Redraw();
}

void TFrmMain::FormMouseUp(QMouseEvent*)
{
    Dragging = 0;
    unsetCursor();
}

void TFrmMain::CheckBox1Click()
{
    Wireframe = CheckBox1->isChecked() ? 0 : 1;
    Redraw();
}

void TFrmMain::CheckBox3Click()
{
    CutPlaneOn = CheckBox3->isChecked() ? 1 : 0;
    BuildSceneLists();
    Redraw();
}

void TFrmMain::CBCutviewClick()
{
    if (CBCutview->isChecked()) {
        if (!FrmCutView)
            FrmCutView = new TFrmCutView(MainForm());
        FrmCutView->ShowFor(this);
    } else {
        CloseCutView();
    }
}

void TFrmMain::RBSweatClick()
{
    // The cross-section has nothing to show for the sweating rate.
    CBCutview->setChecked(false);
    CloseCutView();
}

void TFrmMain::CrossSectionClosed()
{
    // Only the box: the window is closing already.
    const QSignalBlocker quiet(CBCutview);
    CBCutview->setChecked(false);
}

void TFrmMain::CloseCutView()
{
    // The one cross-section window may show another player by now; that one keeps it.
    if (FrmCutView && FrmCutView->Player() == this)
        FrmCutView->Close();
}

void TFrmMain::changeEvent(QEvent* event)
{
    TForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guard([this] { FormActivate(); })();
}

void TFrmMain::FormActivate()
{
    if (!FrmCutView) {
        if (!FrmData)
            FrmData = new TFrmData(MainForm());
        FrmCutView = new TFrmCutView(MainForm());
    }
    if (FrmCutView->isVisible() && FrmCutView->Player() == this)
        FrmCutView->DrawCrossSection();
}

void TFrmMain::FormClose()
{
    CBCutview->setChecked(false);
    CloseCutView();
    Timer2->stop();
    // The window goes once it is closed.
    setAttribute(Qt::WA_DeleteOnClose);
}

// ---------------------------------------------------------------------------------------------
// Drawing.

void TFrmMain::DrawScene()
{
    if (SceneDirty)
        CompileSceneLists();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);  // keep the cleared alpha of 1
    glEnable(GL_DEPTH_TEST);
    DrawLegend();
    glEnable(GL_LIGHTING);
    glShadeModel(GL_SMOOTH);
    glPushMatrix();
    glScalef(ZoomScale[0], ZoomScale[1], ZoomScale[2]);
    DrawRoomGrid();
    glTranslatef(Translation[0], Translation[1], Translation[2]);
    glRotatef(RotationX, 1, 0, 0);
    glRotatef(RotationY, 0, 1, 0);
    glPolygonMode(GL_FRONT_AND_BACK, Wireframe ? GL_LINE : GL_FILL);
    glTranslatef(0, -0.8f, 0);
    glScalef(1.8f, 1.8f, 1.8f);
    if (CutPlaneOn)
        glEnable(GL_CLIP_PLANE0);
    glCallList(CutSceneList);
    glDisable(GL_CLIP_PLANE0);
    glCallList(SceneList);
    glPopMatrix();
}

std::string TFrmMain::LegendTitle() const
{
    // Two blanks leave room for the raised "o" that stands in for the degree sign.
    static const char* const titles[3] = {"Temperature(  C)", "Humidity(%)", "Sweating Rate"};
    return titles[std::clamp(ColorMode, 0, 2)];
}

std::string TFrmMain::LegendValue(int k) const
{
    return LegendValueText(ColorThresholds, k);
}

void TFrmMain::DrawLegend()
{
    glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_LIGHTING);
    glShadeModel(GL_SMOOTH);
    glColor3f(1, 0, 0);

    glRasterPos3f(-1.2f, 0.75f, 0.96f);
    DrawBitmapText(GlyphBase, LegendTitle().c_str());
    if (ColorMode == 0) {
        glRasterPos3f(-0.93f, 0.765f, 0.96f);
        DrawBitmapText(GlyphBase, "o");
    }
    static const float rows[5] = {0.7f, 0.55f, 0.4f, 0.25f, 0.1f};
    for (int k = 0; k < 5; ++k) {
        glRasterPos3f(-1.16f, rows[k], 0.96f);
        DrawBitmapText(GlyphBase, LegendValue(k).c_str());
    }

    glBegin(GL_QUAD_STRIP);
    static const float bar[5][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}};
    for (int k = 0; k < 5; ++k) {
        glColor3fv(bar[k]);
        glVertex3f(-1.18f, rows[k], 1.0f);
        glVertex3f(-1.15f, rows[k], 1.0f);
    }
    glEnd();
    glPopAttrib();
}

void TFrmMain::DrawRoomGrid()
{
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, ColorSlots[SlotEnvironment]);
    glBegin(GL_LINES);
    // Each face carries its inward normal so the walls are lit like walls.
    glNormal3f(0, 1, 0);  // floor
    for (int k = 0; k <= 20; ++k) {
        const float x = -1 + 0.1f * k, z = -1 + 0.08f * k;
        glVertex3f(x, -0.8f, 0.6f); glVertex3f(x, -0.8f, -1);
        glVertex3f(-1, -0.8f, z); glVertex3f(1, -0.8f, z);
    }
    glNormal3f(0, -1, 0);  // ceiling
    for (int k = 0; k <= 20; ++k) {
        const float x = -1 + 0.1f * k, z = -1 + 0.08f * k;
        glVertex3f(x, 1, 0.6f); glVertex3f(x, 1, -1);
        glVertex3f(-1, 1, z); glVertex3f(1, 1, z);
    }
    for (int side = 0; side < 2; ++side) {  // left and right walls
        const float x = side == 0 ? -1.0f : 1.0f;
        glNormal3f(side == 0 ? 1.0f : -1.0f, 0, 0);
        for (int k = 0; k <= 20; ++k) {
            const float y = -0.8f + 0.09f * k, z = -1 + 0.08f * k;
            glVertex3f(x, y, 0.6f); glVertex3f(x, y, -1);
            glVertex3f(x, -0.8f, z); glVertex3f(x, 1, z);
        }
    }
    glNormal3f(0, 0, 1);  // back wall
    for (int k = 0; k <= 20; ++k) {
        const float x = -1 + 0.1f * k, y = -0.8f + 0.09f * k;
        glVertex3f(x, -0.8f, -1); glVertex3f(x, 1, -1);
        glVertex3f(-1, y, -1); glVertex3f(1, y, -1);
    }
    glEnd();
}
