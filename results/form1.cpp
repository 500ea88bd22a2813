#include "results/form1.h"

#include <GL/gl.h>

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "casemodel/formatfloat.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/form4.h"
#include "results/io/resultfiles.h"
#include "toolkit/application.h"
#include "toolkit/glwidget.h"
#include "toolkit/messages.h"
#include "toolkit/pathlabel.h"
#include "toolkit/radiogroup.h"

TForm1* Form1 = nullptr;

namespace {

// Glyph lists of each panel's context: the window's font for titles, the smaller label font for
// ticks.
constexpr unsigned SystemGlyphs = 1000;
constexpr unsigned LabelGlyphs = 2000;

const char* const NoFolderText = "None";
// What the "Showing Data:" labels read while their tab shows no quantity.
const char* const NothingShown = "none";

const QStringList FabricQuantities = {
    "Water Vapor Concentration(kg/m^3)",       "Mean Water Vapor Concentration(kg/m^3)",
    "Evaporation&Condensation Rate(kg/m^3/s^1)", "Relative Humidity(%)",
    "Mean Moisture Sorption Rate(kg/m^3/s^1)", "Temperature(degree of C)",
    "Liquid Volume Fraction(%)",
};
const QStringList FiberQuantities = {
    "Water Vapor Concentration(kg/m^3)",
    "Moisture Sorption Rate(kg/m^3/s^1)",
    "Moisture Content(kg/m^2)",
};
const QStringList BodyQuantities = {
    "temperature of skin(degree of C)",
    "temperature of core(degree of C)",
    "skin wetness",
    "metabolism rate of human body(W/m^2)",
    "relative humidity of skin(%)",
    "blood flow volume of skin(l/hr^1/m^2)",
    "sweating rate",
    "evporative heat(W/m^2)",
    "evporative heat from skin covered(W/m^2)",
    "evaporative heat from skin uncovered(W/m^2)",
    "dry heat loss from skin(W/m^2)",
    "covective heat(W/m^2)",
    "radioactive heat(W/m^2)",
    "regulative heat loss by sweating(W/m^2)",
    "heat loss by vaporized water diffusion(W/m^2)",
    "temperature of body(degree of C)",
    "ratio of skin-mass change with V_bld_sk(%)",
};
// First value column of each plot tab's quantity list.
constexpr int FirstColumn[3] = {3, 2, 1};

// Temperatures and humidities read better in fixed point; only the quantity of the tab drawn
// counts, and the fibre quantities are all small enough to need the exponent.
bool FixedValueTicks(int tab, int quantity)
{
    switch (tab) {
    case TForm1::TabFabric: return FixedPointValueLabels(quantity, -1);
    case TForm1::TabBodyProperty: return FixedPointValueLabels(-1, quantity);
    default: return false;
    }
}

TRadioGroup* MakeRadioGroup(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                            const QStringList& items)
{
    auto* group = Make<TRadioGroup>(parent, name, place);
    group->setTitle(caption);
    group->SetItems(items);
    // The items are shown as written: an ampersand is no mnemonic here.
    for (int i = 0; i < items.size(); ++i)
        group->Button(i)->setText(QString(items[i]).replace('&', "&&"));
    return group;
}

// A status bar of fixed-width panels (the last one takes the rest).
template <std::size_t N>
QStatusBar* MakeStatusBar(QWidget* parent, const char* name, const QRect& place, std::array<QLabel*, N>& panels,
                          const std::array<std::pair<const char*, int>, N>& captions)
{
    auto* bar = Make<QStatusBar>(parent, name, place);
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < N; ++i) {
        panels[i] = new QLabel(captions[i].first, bar);
        panels[i]->setObjectName(QString("%1Panel%2").arg(name).arg(i));
        panels[i]->setMinimumWidth(captions[i].second);
        bar->addWidget(panels[i], i + 1 == N ? 1 : 0);
    }
    return bar;
}

QLabel* HiddenLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = Make<QLabel>(parent, name, QRect(0, 0, 10, 10), text);
    label->hide();
    return label;
}

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString QtPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.string().c_str());
}

// A colour value (blue x 65536 + green x 256 + red) as fractions.
void ColorFractions(int value, float rgb[3])
{
    rgb[0] = static_cast<float>(value & 0xFF) / 255.0f;
    rgb[1] = static_cast<float>((value >> 8) & 0xFF) / 255.0f;
    rgb[2] = static_cast<float>((value >> 16) & 0xFF) / 255.0f;
}

void Text(unsigned base, float x, float y, float z, const std::string& text)
{
    glRasterPos3f(x, y, z);
    DrawBitmapText(base, text.c_str());
}

void Line(float x0, float y0, float z0, float x1, float y1, float z1)
{
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y1, z1);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Construction.

TForm1::TForm1(QWidget* owner) : TForm(owner)
{
    setObjectName("Form1");
    SetCaption("MainWindow");
    SetClientSize(856, 650);
    SetSizeable(true);
    setMinimumSize(812, 612);
    setMaximumSize(856, 650);
    SetPosition(TPosition::ScreenCenter);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    BuildToolImages();
    BuildMenu();
    PageControl1 = Make<QTabWidget>(this, "PageControl1", QRect(0, 24, 856, 626));
    PageControl1->setDocumentMode(true);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName("TabSheet4");
    PageControl1->addTab(TabSheet1, "Fabric");
    PageControl1->addTab(TabSheet2, "Fibers");
    PageControl1->addTab(TabSheet3, "BodyProperty");
    PageControl1->addTab(TabSheet4, "BodyComfort");

    BuildFabricTab();
    BuildFibersTab();
    BuildBodyPropertyTab();
    BuildBodyComfortTab();

    Label2 = HiddenLabel(this, "Label2", NoFolderText);
    Label5 = HiddenLabel(this, "Label5", QString());
    Label7 = HiddenLabel(this, "Label7", QString());
    Label12 = HiddenLabel(this, "Label12", QString());
    Label13 = HiddenLabel(this, "Label13", QString());
    Label14 = HiddenLabel(this, "Label14", QString());

    // A redraw is asked for, not polled: the timer only gathers the requests of one event.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, Guard([this] { Timer1Timer(); }));
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(10);
    connect(Timer2, &QTimer::timeout, this, Guard([this] { Timer2Timer(); }));

    SetupPanel(TabFabric, Panel1, true, 1.15f);
    SetupPanel(TabFibers, Panel5, true, 1.15f);
    SetupPanel(TabBodyProperty, Panel8, false, 1.15f);
    SetupPanel(TabBodyComfort, Panel16, false, 0.95f);

    connect(PageControl1, &QTabWidget::currentChanged, this, Guard([this] { PageControl1Change(); }));
    PageControl1->setCurrentIndex(TabFabric);
    SetSectionModeFromTab(TabFabric);
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
    for (PlotPanel& p : Panels) {
        if (p.Panel && p.Panel->HasContext() && p.List) {
            p.Panel->makeCurrent();
            glDeleteLists(p.List, 1);
            p.Panel->doneCurrent();
        }
    }
}

void TForm1::BuildToolImages()
{
    // Up, Down, Right, Left, Small, Large, Reset.
    for (int i = 0; i < 7; ++i) {
        QPixmap picture(ImageList2.Width, ImageList2.Height);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 60, 140), 2.5));
        p.setBrush(QColor(60, 120, 210));
        p.translate(12, 12);
        if (i < 4) {
            static const int angle[4] = {0, 180, 90, 270};
            p.rotate(angle[i]);
            QPainterPath arrow;
            arrow.moveTo(0, -9);
            arrow.lineTo(8, 1);
            arrow.lineTo(3, 1);
            arrow.lineTo(3, 9);
            arrow.lineTo(-3, 9);
            arrow.lineTo(-3, 1);
            arrow.lineTo(-8, 1);
            arrow.closeSubpath();
            p.drawPath(arrow);
        } else if (i < 6) {
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(-2, -2), 7, 7);
            p.drawLine(QPointF(3, 3), QPointF(9, 9));
            p.drawLine(QPointF(-5, -2), QPointF(1, -2));
            if (i == 5)
                p.drawLine(QPointF(-2, -5), QPointF(-2, 1));
        } else {
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-8, -8, 16, 16), 90 * 16, 270 * 16);
            p.setBrush(QColor(20, 60, 140));
            p.drawPolygon(QPolygonF({QPointF(0, -12), QPointF(6, -8), QPointF(0, -4)}));
        }
        ImageList2.Add(picture);
    }
}

void TForm1::BuildMenu()
{
    MainMenu1 = Make<QMenuBar>(this, "MainMenu1", QRect(0, 0, 856, 24));
    File1 = MainMenu1->addAction("Open");
    File1->setObjectName("File1");
    Save2 = MainMenu1->addAction("Save");
    Save2->setObjectName("Save2");
    Help1 = MainMenu1->addAction("Help");
    Help1->setObjectName("Help1");
    Exit1 = MainMenu1->addAction("Exit");
    Exit1->setObjectName("Exit1");
    connect(File1, &QAction::triggered, this, Guard([this] { File1Click(); }));
    connect(Save2, &QAction::triggered, this, Guard([this] { Save2Click(); }));
    connect(Exit1, &QAction::triggered, this, Guard([this] { Exit1Click(); }));
}

namespace {

// The names of one mesh tab's controls: the Fabric and the Fibers tab are built alike.
struct MeshTabNames {
    const char* ToolBar;
    std::array<const char*, 7> Buttons;  // Up, Down, Right, Left, Small, Large, Reset
    bool Hints;
    const char* Panel;
    int PanelWidth;
    const char* FileLabel;
    QString FileCaption;
    const char* FileCombo;
    const char* ImageGroup;
    const char* DataLabel;
    const char* Quantities;
    const char* ShowButton;
    const char* ColorButton;
    const char* SectionGroup;
    const char* TimeRadio;
    const char* TimeCombo;
    const char* SpaceRadio;
    const char* SpaceCombo;
    const char* SectionButton;
    const char* ShowingPanel;
    QString ShowingCaption;
    const char* ShowingLabel;
};

// The window's members one mesh tab's controls are stored in.
struct MeshTab {
    QToolBar*& ToolBar;
    std::array<QToolButton**, 7> Buttons;
    TGLPanel*& Panel;
    QLabel*& FileLabel;
    QComboBox*& FileCombo;
    QGroupBox*& ImageGroup;
    QLabel*& DataLabel;
    TRadioGroup*& Quantities;
    QPushButton*& ShowButton;
    QPushButton*& ColorButton;
    QGroupBox*& SectionGroup;
    QRadioButton*& TimeRadio;
    QComboBox*& TimeCombo;
    QRadioButton*& SpaceRadio;
    QComboBox*& SpaceCombo;
    QPushButton*& SectionButton;
    QWidget*& ShowingPanel;
    QLabel*& ShowingLabel;
};

void BuildMeshTab(QWidget* page, const MeshTabNames& n, const MeshTab& t, const QStringList& quantities,
                  const TImageList& images)
{
    static const char* const hints[7] = {"Up", "Down", "Right", "Left", "Small", "Large", "Reset"};
    t.ToolBar = Make<QToolBar>(page, n.ToolBar, QRect(4, 2, n.PanelWidth, 30));
    t.ToolBar->setIconSize(QSize(images.Width, images.Height));
    for (int i = 0; i < 7; ++i) {
        auto* b = new QToolButton(t.ToolBar);
        b->setObjectName(n.Buttons[static_cast<std::size_t>(i)]);
        b->setIcon(images.Icon(i));
        b->setAutoRaise(true);
        if (n.Hints)
            b->setToolTip(hints[i]);
        t.ToolBar->addWidget(b);
        *t.Buttons[static_cast<std::size_t>(i)] = b;
    }
    t.Panel = Make<TGLPanel>(page, n.Panel, QRect(4, 34, n.PanelWidth, 513));
    const int x = n.PanelWidth + 8, w = 852 - x;
    t.FileLabel = Make<QLabel>(page, n.FileLabel, QRect(x, 4, w, 20), n.FileCaption);
    t.FileCombo = Make<QComboBox>(page, n.FileCombo, QRect(x, 24, w, 24));
    t.ImageGroup = Make<QGroupBox>(page, n.ImageGroup, QRect(x, 54, w, 262), "3D Image");
    t.DataLabel = Make<QLabel>(t.ImageGroup, n.DataLabel, QRect(8, 20, w - 16, 18), "Data In This File:");
    t.Quantities = MakeRadioGroup(t.ImageGroup, n.Quantities, QRect(2, 38, w - 4, 186), QString(), quantities);
    t.Quantities->layout()->setContentsMargins(4, 4, 4, 4);  // room for the longest quantity
    QFont small = t.Quantities->font();
    small.setPixelSize(10);
    t.Quantities->setFont(small);
    t.ShowButton = Make<QPushButton>(t.ImageGroup, n.ShowButton, QRect(8, 228, (w - 24) / 2, 26), "Show Data");
    t.ColorButton =
        Make<QPushButton>(t.ImageGroup, n.ColorButton, QRect(16 + (w - 24) / 2, 228, (w - 24) / 2, 26), "Color Select");
    t.SectionGroup = Make<QGroupBox>(page, n.SectionGroup, QRect(x, 322, w, 118), "2D Section");
    t.TimeRadio = Make<QRadioButton>(t.SectionGroup, n.TimeRadio, QRect(8, 22, 86, 22), "TimePos");
    t.TimeCombo = Make<QComboBox>(t.SectionGroup, n.TimeCombo, QRect(96, 22, w - 104, 24));
    t.TimeCombo->setEditable(true);
    t.TimeCombo->setEditText("0.0");
    t.TimeCombo->setEnabled(false);
    t.SpaceRadio = Make<QRadioButton>(t.SectionGroup, n.SpaceRadio, QRect(8, 52, 86, 22), "SpacePos");
    t.SpaceRadio->setChecked(true);
    t.SpaceCombo = Make<QComboBox>(t.SectionGroup, n.SpaceCombo, QRect(96, 52, w - 104, 24));
    t.SectionButton = Make<QPushButton>(t.SectionGroup, n.SectionButton, QRect(8, 84, w - 16, 26), "Show 2D Data");
    t.SectionButton->setEnabled(false);
    t.ShowingPanel = Make<QGroupBox>(page, n.ShowingPanel, QRect(x, 446, w, 100), n.ShowingCaption);
    t.ShowingLabel = Make<QLabel>(t.ShowingPanel, n.ShowingLabel, QRect(8, 22, w - 16, 70), NothingShown);
    t.ShowingLabel->setWordWrap(true);
    t.ShowingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

void TForm1::BuildFabricTab()
{
    const MeshTabNames names{"ToolBar2",
                             {"ToolButton3", "ToolButton4", "ToolButton5", "ToolButton6", "ToolButton7",
                              "ToolButton8", "ToolButton1"},
                             true, "Panel1", 569, "Label1", "Current Fabric Number: ",
                             "ComboBox5", "GroupBox1", "Label3", "RadioGroup1", "BitBtn1", "BitBtn2", "GroupBox2",
                             "RadioButton1", "ComboBox1", "RadioButton2", "ComboBox2", "BitBtn3", "Panel4",
                             "Showing Data:", "Label4"};
    const MeshTab t{ToolBar2,
                    {&ToolButton3, &ToolButton4, &ToolButton5, &ToolButton6, &ToolButton7, &ToolButton8, &ToolButton1},
                    Panel1, Label1, ComboBox5, GroupBox1, Label3, RadioGroup1, BitBtn1, BitBtn2, GroupBox2,
                    RadioButton1, ComboBox1, RadioButton2, ComboBox2, BitBtn3, Panel4, Label4};
    BuildMeshTab(TabSheet1, names, t, FabricQuantities, ImageList2);
    StatusBar1 = MakeStatusBar<5>(TabSheet1, "StatusBar1", QRect(0, 552, 856, 24), StatusBar1Panels,
                                  {{{"FabricNumber:", 100}, {"X:Thickness", 60}, {"Y:Time", 80}, {"Z:", 180},
                                    {"Current Directory:", 50}}});

    for (int i = 0; i < 7; ++i)
        connect(*t.Buttons[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                Guard([this, i] { ToolButtonClick(TabFabric, static_cast<ViewStep>(i)); }));
    connect(BitBtn1, &QPushButton::clicked, this, Guard([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guard([this] { BitBtn2Click(); }));
    connect(BitBtn3, &QPushButton::clicked, this, Guard([this] { BitBtn3Click(); }));
    connect(RadioButton1, &QRadioButton::clicked, this, Guard([this] { RadioButtonClick(TabFabric, 0); }));
    connect(RadioButton2, &QRadioButton::clicked, this, Guard([this] { RadioButtonClick(TabFabric, 1); }));
    RadioGroup1->OnClick = Guard([this] { RadioGroup1Click(); });
    // The layer is read at the next redraw.
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, Guard([this] { RequestRepaint(); }));
}

void TForm1::BuildFibersTab()
{
    const MeshTabNames names{"ToolBar1",
                             {"ToolButton2", "ToolButton9", "ToolButton10", "ToolButton11", "ToolButton12",
                              "ToolButton13", "ToolButton14"},
                             false, "Panel5", 577, "Label6", "Current Data File:   ", "ComboBox6", "GroupBox3",
                             "Label8", "RadioGroup2", "BitBtn4", "BitBtn5", "GroupBox4", "RadioButton3",
                             "ComboBox3", "RadioButton4", "ComboBox4", "BitBtn6", "Panel7",
                             "      Showing Data:", "Label9"};
    const MeshTab t{ToolBar1,
                    {&ToolButton2, &ToolButton9, &ToolButton10, &ToolButton11, &ToolButton12, &ToolButton13,
                     &ToolButton14},
                    Panel5, Label6, ComboBox6, GroupBox3, Label8, RadioGroup2, BitBtn4, BitBtn5, GroupBox4,
                    RadioButton3, ComboBox3, RadioButton4, ComboBox4, BitBtn6, Panel7, Label9};
    BuildMeshTab(TabSheet2, names, t, FiberQuantities, ImageList2);
    StatusBar2 = MakeStatusBar<4>(TabSheet2, "StatusBar2", QRect(0, 552, 856, 24), StatusBar2Panels,
                                  {{{"X:Thickness", 60}, {"Y:Time", 80}, {"Z:", 180}, {"Current Directory:", 50}}});

    for (int i = 0; i < 7; ++i)
        connect(*t.Buttons[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                Guard([this, i] { ToolButtonClick(TabFibers, static_cast<ViewStep>(i)); }));
    ToolBar1->installEventFilter(this);
    connect(BitBtn4, &QPushButton::clicked, this, Guard([this] { BitBtn4Click(); }));
    connect(BitBtn5, &QPushButton::clicked, this, Guard([this] { BitBtn2Click(); }));
    connect(BitBtn6, &QPushButton::clicked, this, Guard([this] { BitBtn3Click(); }));
    connect(RadioButton3, &QRadioButton::clicked, this, Guard([this] { RadioButtonClick(TabFibers, 0); }));
    connect(RadioButton4, &QRadioButton::clicked, this, Guard([this] { RadioButtonClick(TabFibers, 1); }));
    connect(ComboBox6, &QComboBox::currentIndexChanged, this, Guard([this] { ComboBox6Change(); }));
}

void TForm1::BuildBodyPropertyTab()
{
    Panel8 = Make<TGLPanel>(TabSheet3, "Panel8", QRect(4, 4, 545, 529));
    const int x = 557, w = 852 - x - 4;
    Label10 = Make<QLabel>(TabSheet3, "Label10", QRect(x, 4, w, 20), "Current Data File:   ");
    Label11 = Make<QLabel>(TabSheet3, "Label11", QRect(x, 24, w, 20));
    GroupBox5 = Make<QGroupBox>(TabSheet3, "GroupBox5", QRect(x, 50, w, 470), "Data in this file");
    RadioGroup3 = MakeRadioGroup(GroupBox5, "RadioGroup3", QRect(4, 20, w - 8, 408), QString(), BodyQuantities);
    QFont small = RadioGroup3->font();
    small.setPixelSize(10);
    RadioGroup3->setFont(small);
    BitBtn7 = Make<QPushButton>(GroupBox5, "BitBtn7", QRect(8, 434, w - 16, 26), "Show Data");
    StatusBar3 = MakeStatusBar<3>(TabSheet3, "StatusBar3", QRect(0, 552, 856, 24), StatusBar3Panels,
                                  {{{"X:Time", 60}, {"Y:", 260}, {"Current Directory:", 50}}});
    connect(BitBtn7, &QPushButton::clicked, this, Guard([this] { BitBtn7Click(); }));
}

void TForm1::BuildBodyComfortTab()
{
    Panel17 = Make<QGroupBox>(TabSheet4, "Panel17", QRect(4, 4, 419, 347));
    Panel16 = Make<TGLPanel>(Panel17, "Panel16", QRect(5, 9, 409, 329));
    Panel16->setToolTip("Sensation and comfort");
    Panel18 = Make<QGroupBox>(TabSheet4, "Panel18", QRect(429, 4, 419, 347));
    Panel12 = Make<QGroupBox>(Panel18, "Panel12", QRect(4, 2, 411, 343), "Animation");
    Image1 = Make<QLabel>(Panel12, "Image1", QRect(9, 20, 393, 321));
    Image1->setPixmap(LoadPicture(AssetPath("Icon/comfortbody.bmp")));
    RadioGroup4 = MakeRadioGroup(TabSheet4, "RadioGroup4", QRect(4, 358, 240, 110), "Sensations and comfort",
                                 {"Thermal Sensation", "Dampness Sensation", "Comfort Value"});
    RadioGroup4->OnClick = Guard([this] { RadioGroup4Click(); });
    GroupBox6 = Make<QGroupBox>(TabSheet4, "GroupBox6", QRect(250, 358, 598, 212), "Conclusions");
    GroupBox6->installEventFilter(this);
    // Label15 .. Label22 in the right column, Label24, Label25, Label26, Label23 in the left.
    for (int i = 0; i < 12; ++i) {
        const int number = 15 + i;
        QRect place;
        if (number <= 22) {
            place = QRect(330, 22 + 24 * (number - 15), 260, 20);
        } else {
            // Label23 is the last of the left column, level with the first class line.
            static const int row[4] = {3, 0, 1, 2};
            place = QRect(8, 22 + 24 * row[number - 23], 316, 20);
        }
        ConclusionLabels[static_cast<std::size_t>(i)] =
            Make<QLabel>(GroupBox6, QString("Label%1").arg(number).toLatin1().constData(), place);
    }
}

void TForm1::SetupPanel(int index, TGLPanel* panel, bool is3D, float halfExtent)
{
    PlotPanel& p = Panels[static_cast<std::size_t>(index)];
    p.Panel = panel;
    p.Is3D = is3D;
    p.HalfExtent = halfExtent;
    ResetView(p);
    const bool comfort = index == TabBodyComfort;
    panel->OnInitialize = [this, &p, index] {
        // A new context: its glyph lists and plot list are made again.
        BuildPlotFontLists(SystemGlyphs, LabelGlyphs);
        p.List = 0;
        // Only the plot State holds can be compiled again; the chart keeps its samples.
        if (index != TabBodyComfort)
            p.HasPlot = p.HasPlot && HasBuiltKey && BuiltKey.Tab == index;
        p.ListDirty = p.HasPlot;
        if (index == TabBodyComfort)
            InitComfortGL(p.Panel->width(), p.Panel->height());
        else
            InitPlotGL(p, p.Panel->width(), p.Panel->height());
    };
    panel->OnResize = [this, &p, index](int w, int h) {
        if (index == TabBodyComfort)
            InitComfortGL(w, h);
        else
            InitPlotGL(p, w, h);
    };
    panel->OnPaint = [this, &p, comfort] { PaintPanel(p, comfort); };
    if (!comfort) {
        panel->OnMouseDown = [this](QMouseEvent* e) {
            MouseDownX = static_cast<int>(e->position().x());
            MouseDownY = static_cast<int>(e->position().y());
        };
        if (is3D)
            panel->OnMouseMove = [this, index](QMouseEvent* e) {
                if (e->buttons() & Qt::LeftButton)
                    DragStep(index, static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
            };
        panel->installEventFilter(this);
    }
}

// ---------------------------------------------------------------------------------------------
// Tabs, lists and the folder.

int TForm1::CurrentTab() const
{
    return PageControl1->currentIndex();
}

TForm1::PlotPanel& TForm1::PanelOf(int tab)
{
    return Panels[static_cast<std::size_t>(std::clamp(tab, 0, 3))];
}

TRadioGroup* TForm1::QuantityList(int tab) const
{
    switch (tab) {
    case TabFabric: return RadioGroup1;
    case TabFibers: return RadioGroup2;
    case TabBodyProperty: return RadioGroup3;
    default: return RadioGroup4;
    }
}

std::filesystem::path TForm1::FileOfTab(int tab) const
{
    if (ResultDir.empty())
        return {};
    switch (tab) {
    case TabFabric: return FindFileNoCase(ResultDir, FabricFileName);
    case TabFibers:
        return Label7->text().isEmpty() ? std::filesystem::path() : ResultDir / FsPath(Label7->text());
    case TabBodyProperty: return FindFileNoCase(ResultDir, BodyFileName);
    default: return FindFileNoCase(ResultDir, ComfortName);
    }
}

void TForm1::SetPlotFile(const std::filesystem::path& file)
{
    Label5->setText(QtPath(file));
}

void TForm1::PageControl1Change()
{
    const int tab = CurrentTab();
    PlotPanel& panel = PanelOf(tab);
    PlotIs3D = panel.Is3D ? 1 : 0;
    ResetView(panel);
    if (tab != TabBodyComfort) {
        // The files of the folder that was opened, whatever the directory window shows now.
        SetPlotFile(FileOfTab(tab));
        SetSectionModeFromTab(tab);
    } else {
        Timer2->start();
    }
    RequestRepaint();
}

void TForm1::OpenResultFolder(const ResultFolder& folder)
{
    if (folder.FabricsFound) {
        ResultDir = folder.Folder;
        DataOpened = true;
        Plots.Clear();
        Fabrics = folder.Fabrics;
        FabricsReported = false;
        LayerCount = Fabrics.Layers.Layers;
        const QString dir = QtPath(folder.Folder);
        ShowPath(StatusBar1Panels[4], "Current Directory:", dir);
        ShowPath(StatusBar2Panels[3], "Current Directory:", dir);
        ShowPath(StatusBar3Panels[2], "Current Directory:", dir);
        const QString shown = QtPath(folder.Folder);
        Label2->setText(shown + "/" + FabricFileName);
        ShowPath(Label11, QString(), shown + "/" + BodyFileName);
        Label13->setText(QtPath(FindFileNoCase(ResultDir, FabricsName)));
        Label12->setText(QtPath(FindFileNoCase(ResultDir, BodyPropertyName)));
        Label14->setText(QtPath(FindFileNoCase(ResultDir, ComfortName)));
        {
            const QSignalBlocker block5(ComboBox5), block6(ComboBox6);
            ComboBox5->clear();
            FillLayerList();
            ComboBox6->clear();
            for (const std::string& name : folder.FiberFiles)
                ComboBox6->addItem(QFile::decodeName(name.c_str()));
            ComboBox6->setCurrentIndex(ComboBox6->count() > 0 ? 0 : -1);
        }
        Label7->setText(ComboBox6->currentText());
        ForgetShownQuantities();
        PageControl1->setTabVisible(TabFibers, folder.FiberFilesFound);
        PageControl1->setTabVisible(TabBodyProperty, folder.BodyPropertyFound);
        // The plots of the folder before are gone.
        for (PlotPanel& p : Panels)
            p.HasPlot = false;
        HasBuiltKey = false;
        ComfortFile.Reset();
        ChartQuantity = -1;
        ComfortWarned = false;
        for (QLabel* label : ConclusionLabels)
            label->clear();
    }
    for (TRadioGroup* list : {RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4}) {
        const auto handler = std::move(list->OnClick);
        list->SetItemIndex(-1);
        list->OnClick = handler;
    }
    const QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(TabFabric);
    PlotIs3D = 1;
    ResetView(PanelOf(TabFabric));
    SetPlotFile(FileOfTab(TabFabric));
    SetSectionModeFromTab(TabFabric);
    for (PlotPanel& p : Panels)
        p.Panel->update();
    RequestRepaint();
}

void TForm1::FillLayerList()
{
    const QSignalBlocker block(ComboBox5);
    const int chosen = ComboBox5->currentIndex();
    if (ComboBox5->count() != LayerCount) {
        ComboBox5->clear();
        for (int i = 1; i <= LayerCount; ++i)
            ComboBox5->addItem(QString("The %1th layer Fabric").arg(i));
    }
    // The layer chosen stays chosen while the file has it.
    ComboBox5->setCurrentIndex(chosen >= 0 && chosen < LayerCount ? chosen : LayerCount > 0 ? 0 : -1);
}

bool TForm1::RefreshFabricLayers(const std::filesystem::path& file)
{
    // A folder opened while the solver writes the first time block counted the layers written
    // so far: counted again as the file grows, the layer list and the rows chosen follow.
    if (Fabrics.Refresh(file)) {
        FabricsReported = false;
        if (Fabrics.Layers.Valid) {
            LayerCount = Fabrics.Layers.Layers;
            FillLayerList();
        }
    }
    // A file gone is the plot load's to report.
    if (Fabrics.Layers.Valid || !Fabrics.Of.Exists)
        return true;
    // The layers can no longer be told: said once for this version of the file.
    if (!FabricsReported) {
        FabricsReported = true;
        ShowMessage(QString::fromStdString(LayerCountMessage(Fabrics.Layers)));
    }
    return false;
}

void TForm1::ForgetShownQuantities()
{
    ShownQuantity.fill(-1);
    Label4->setText(NothingShown);
    Label9->setText(NothingShown);
    StatusBar1Panels[3]->setText("Z:");
    StatusBar2Panels[2]->setText("Z:");
    StatusBar3Panels[1]->setText("Y:");
    BitBtn3->setEnabled(false);
    BitBtn6->setEnabled(false);
    // The 2D image and the position lists read the loaded rows.
    State.Data = PlotData();
    FillPositionLists();
}

void TForm1::ComboBox6Change()
{
    Label7->setText(ComboBox6->currentText());
}

void TForm1::FillPositionLists()
{
    QStringList texts;
    for (const std::string& t : State.Data.PositionTexts)
        texts << QString::fromStdString(t);
    // A reload of the same positions keeps the user's choice.
    for (QComboBox* list : {ComboBox2, ComboBox4}) {
        QStringList current;
        for (int i = 0; i < list->count(); ++i)
            current << list->itemText(i);
        if (current == texts)
            continue;
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(texts);
        list->setCurrentIndex(texts.isEmpty() ? -1 : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Loading and redrawing.

void TForm1::RequestRepaint()
{
    NeedsRepaint = true;
    Timer1->start();
}

void TForm1::Timer1Timer()
{
    if (!NeedsRepaint && !State.NeedsRepaint)
        return;
    NeedsRepaint = false;
    State.NeedsRepaint = false;
    const int tab = CurrentTab();
    if (DataOpened && tab != TabBodyComfort && ShownQuantity[static_cast<std::size_t>(tab)] >= 0) {
        ValueColumn = ShownQuantity[static_cast<std::size_t>(tab)] + FirstColumn[tab];
        PlotIs3D = tab == TabBodyProperty ? 0 : 1;
        LoadResultFileAndBuildPlot();
    }
    PanelOf(tab).Panel->update();
}

// ---------------------------------------------------------------------------------------------
// The comfort chart.

void TForm1::RadioGroup4Click()
{
    // Another quantity may have a file again: say it once more if not.
    ComfortWarned = false;
}

ComfortFileWatch::Result TForm1::LoadComfortFile()
{
    std::filesystem::path file = FsPath(Label14->text());
    ComfortFileWatch::Result read = ComfortFile.Load(file);
    if (read == ComfortFileWatch::Missing && !ResultDir.empty()) {
        // The file may have been written after the folder was opened, in any letter case.
        const std::filesystem::path found = FindFileNoCase(ResultDir, ComfortName);
        if (!found.empty() && found != file) {
            Label14->setText(QtPath(found));
            read = ComfortFile.Load(found);
        }
    }
    if (read == ComfortFileWatch::Missing && !ComfortWarned) {
        // Set before the box opens: the timer goes on ticking inside its loop.
        ComfortWarned = true;
        ShowMessage(NoComfortFile);
    }
    // A damaged version is read once, so it is said once; the next version is read again.
    if (read == ComfortFileWatch::Changed && !ComfortFile.Series().Ok())
        ShowMessage(QString::fromStdString(ComfortFile.Series().Error));
    return read;
}

void TForm1::Timer2Timer()
{
    const int quantity = RadioGroup4->ItemIndex();
    if (quantity < 0 || !TabSheet4->isVisible())
        return;
    LoadComfortFile();
    // Compared after the read, which may have shown a box whose loop ran ticks of its own.
    if (ComfortFile.Parses() == ChartParses && ComfortFile.Found() == ChartFound &&
        RadioGroup4->ItemIndex() == ChartQuantity)
        return;
    ChartQuantity = RadioGroup4->ItemIndex();
    ChartParses = ComfortFile.Parses();
    ChartFound = ComfortFile.Found();
    PlotPanel& panel = PanelOf(TabBodyComfort);
    const ComfortSeries& series = ComfortFile.Series();
    const bool sound = ChartFound && series.Ok();
    // A file without the comfort column still gives the two sensation charts.
    const bool charted = sound && series.Holds(ChartQuantity);
    panel.HasPlot = charted && ChartQuantity >= 0;
    panel.ListDirty = true;
    ShowComfortConclusions(charted);
    panel.Panel->update();
    if (sound && !charted && ComfortLackSaid != ChartParses) {
        // Set before the box opens: the timer goes on ticking inside its loop.
        ComfortLackSaid = ChartParses;
        ShowMessage(ComfortFileError);
    }
}

void TForm1::ShowComfortConclusions(bool fileRead)
{
    ComfortConclusions texts;
    if (fileRead)
        texts = MakeComfortConclusions(SummarizeComfort(ComfortFile.Series(), ChartQuantity), ChartQuantity);
    for (std::size_t i = 0; i < texts.size(); ++i)
        ConclusionLabels[i]->setText(QString::fromStdString(texts[i]));
}

bool TForm1::LoadResultFileAndBuildPlot()
{
    const int tab = CurrentTab();
    if (tab == TabBodyComfort)
        return false;
    PlotPanel& panel = PanelOf(tab);
    const std::filesystem::path file = FsPath(Label5->text());
    if (tab == TabFabric && !RefreshFabricLayers(file)) {
        panel.HasPlot = false;
        panel.Panel->update();
        return false;
    }
    PlotKey key;
    key.Tab = tab;
    if (tab == TabFabric) {
        key.Request = Fabrics.FabricRequest(ComboBox5->currentIndex(), ValueColumn);
    } else {
        key.Request.Source = tab == TabFibers ? PlotSource::Fiber : PlotSource::Body;
        key.Request.ValueColumn = ValueColumn;
    }
    key.Gradient = State.Gradient;
    const int shown = ShownQuantity[static_cast<std::size_t>(tab)];
    key.FixedLabels = FixedValueTicks(tab, shown);
    key.ValueTitle = (tab == TabFabric ? Label4 : Label9)->text().toStdString();
    key.PosTitle = tab == TabBodyProperty && shown >= 0 ? BodyQuantities[shown].toStdString()
                                                        : std::string("Thickness (cm)");
    const PlotFileCache::Load load = Plots.Get(file, key.Request);
    if (!load.Read || !load.Read->Ok()) {
        // Nothing is drawn; the message is said once per version of the file, not at every
        // redraw.
        panel.HasPlot = false;
        panel.Panel->update();
        if (load.Report)
            ShowMessage(load.Read ? QString::fromStdString(load.Read->Error) : QString(LackOfDataFiles));
        return false;
    }
    key.Read = load.Read;
    if (HasBuiltKey && key == BuiltKey && panel.HasPlot)
        return true;

    State.Data = load.Read->Data;
    State.Ticks = MakePlotTicks(State.Data, key.FixedLabels);
    State.TimeTitle = "Time (min.)";
    State.PosTitle = key.PosTitle;
    State.ValueTitle = key.ValueTitle;
    FillPositionLists();
    BuiltKey = key;
    HasBuiltKey = true;
    panel.HasPlot = true;
    panel.ListDirty = true;
    panel.Panel->update();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Buttons.

void TForm1::RadioGroup1Click()
{
    if (Label2->text() == NoFolderText && RadioGroup1->ItemIndex() >= 0)
        ShowMessage(OpenDataDirectoryFirst);
}

void TForm1::ShowData(int tab)
{
    TRadioGroup* list = QuantityList(tab);
    const int item = list->ItemIndex();
    const QString text = item >= 0 ? list->Items()[item] : QString();
    switch (tab) {
    case TabFabric:
        Label4->setText(text);
        break;
    case TabFibers:
        Label9->setText(text);
        break;
    default:
        break;
    }
    SetPlotFile(FileOfTab(tab));
    ShownQuantity[static_cast<std::size_t>(tab)] = item;
    ValueColumn = item + FirstColumn[tab];
    PlotIs3D = tab == TabBodyProperty ? 0 : 1;
    LoadResultFileAndBuildPlot();
    switch (tab) {
    case TabFabric:
        StatusBar1Panels[3]->setText("Z:" + text);
        BitBtn3->setEnabled(true);
        break;
    case TabFibers:
        StatusBar2Panels[2]->setText("Z:" + text);
        BitBtn6->setEnabled(true);
        break;
    default:
        StatusBar3Panels[1]->setText("Y:" + text);
        break;
    }
}

void TForm1::BitBtn1Click()
{
    if (Label2->text() == NoFolderText) {
        ShowMessage(OpenDataDirectoryFirst);
        return;
    }
    // Also reached by a click on the comfort tab's conclusions: the Fabric plot is then drawn
    // when its tab is shown again.
    if (RadioGroup1->ItemIndex() < 0)
        return;
    ShowData(TabFabric);
}

void TForm1::BitBtn4Click()
{
    if (RadioGroup2->ItemIndex() < 0 || !DataOpened || CurrentTab() != TabFibers)
        return;
    ShowData(TabFibers);
}

void TForm1::BitBtn7Click()
{
    if (RadioGroup3->ItemIndex() < 0 || !DataOpened || CurrentTab() != TabBodyProperty)
        return;
    ShowData(TabBodyProperty);
}

void TForm1::BitBtn2Click()
{
    if (!Form2)
        return;
    Form2->Execute(State);
    RequestRepaint();
}

void TForm1::SetSectionModeFromTab(int tab)
{
    if (tab == TabFabric)
        State.SectionMode = RadioButton1->isChecked() ? 0 : 1;
    else if (tab == TabFibers)
        State.SectionMode = RadioButton3->isChecked() ? 0 : 1;
}

void TForm1::BitBtn3Click()
{
    const int tab = CurrentTab();
    SetSectionModeFromTab(tab);
    const bool fabric = tab == TabFabric;
    State.ChosenTime = (fabric ? ComboBox1 : ComboBox3)->currentText().toStdString();
    State.ChosenPosition = (fabric ? ComboBox2 : ComboBox4)->currentText().toStdString();
    State.SectionQuantity = (fabric ? Label4 : Label9)->text().toStdString();
    State.SectionFile = (fabric ? Label2 : Label7)->text().toStdString();
    if (Form3)
        Form3->Execute(State);
    RequestRepaint();
}

void TForm1::RadioButtonClick(int tab, int mode)
{
    QComboBox* time = tab == TabFabric ? ComboBox1 : ComboBox3;
    QComboBox* space = tab == TabFabric ? ComboBox2 : ComboBox4;
    time->setEnabled(mode == 0);
    space->setEnabled(mode != 0);
    State.SectionMode = mode;
}

void TForm1::File1Click()
{
    if (!Form4)
        Form4 = new TForm4(MainForm());
    Form4->ShowFor(this);
}

void TForm1::Exit1Click()
{
    Close();
}

// ---------------------------------------------------------------------------------------------
// View steps.

QMatrix4x4 TForm1::ViewOf(int tab) const
{
    return Panels[static_cast<std::size_t>(std::clamp(tab, 0, 3))].View;
}

void TForm1::ResetView(PlotPanel& panel)
{
    panel.View.setToIdentity();
    ResetPlotView(panel);
}

void TForm1::ResetPlotView(PlotPanel& panel)
{
    if (&panel == &Panels[TabBodyComfort]) {
        panel.View.translate(-0.75f, -0.6f, 0);
    } else if (!panel.Is3D) {
        panel.View.translate(-0.4f, -0.5f, 0);
    } else {
        panel.View.translate(-0.6f, -0.3f, 0);
        panel.View.rotate(-60, 1, 0, 0);
        panel.View.rotate(-60, 0, 0, 1);
    }
}

void TForm1::ApplyStep(PlotPanel& panel, ViewStep step)
{
    switch (step) {
    case StepUp: panel.View.rotate(10, 1, 2, 0); break;
    case StepDown: panel.View.rotate(-10, 1, 2, 0); break;
    case StepRight: panel.View.rotate(-10, 0, 0, 1); break;
    case StepLeft: panel.View.rotate(10, 0, 0, 1); break;
    case StepSmall: panel.View.scale(0.8f); break;
    case StepLarge: panel.View.scale(1.25f); break;
    case StepReset: ResetView(panel); break;
    }
    panel.Panel->update();
}

bool TForm1::StepAllowed(int tab, ViewStep step) const
{
    const bool opened = Label2->text() != NoFolderText;
    if (tab == TabFabric)
        return opened && RadioGroup1->ItemIndex() >= 0;
    return RadioGroup2->ItemIndex() >= 0 && (step != StepReset || opened);
}

void TForm1::ToolButtonClick(int tab, ViewStep step)
{
    if (!StepAllowed(tab, step))
        return;
    ApplyStep(PanelOf(tab), step);
}

void TForm1::DragStep(int tab, int x, int y)
{
    const int dx = x - MouseDownX, dy = y - MouseDownY;
    ViewStep step;
    if (std::abs(dx) > std::abs(dy))
        step = dx > 0 ? StepLeft : StepRight;
    else
        step = dy > 0 ? StepUp : StepDown;
    ToolButtonClick(tab, step);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Panel1)
            ToolButtonClick(TabFabric, StepReset);
        else if (watched == Panel5)
            ToolButtonClick(TabFibers, StepReset);
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == ToolBar1) {
            const auto* e = static_cast<QMouseEvent*>(event);
            MouseDownX = static_cast<int>(e->position().x());
            MouseDownY = static_cast<int>(e->position().y());
        } else if (watched == GroupBox6) {
            Guard([this] { BitBtn1Click(); })();
        }
    }
    return TForm::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Saving.

QImage TForm1::PanelPicture()
{
    return ViewPicture(PanelOf(CurrentTab()).Panel);
}

void TForm1::Save2Click()
{
    const bool comfort = CurrentTab() == TabBodyComfort;
    SavePictureAsBitmap(this, PanelPicture(), comfort ? QString() : QString("inputfilename.bmp"));
    RequestRepaint();
}

// ---------------------------------------------------------------------------------------------
// OpenGL.

void TForm1::InitPlotGL(PlotPanel& panel, int width, int height)
{
    glViewport(0, 0, width, std::max(1, height));
    SetUpPlotView(panel.HalfExtent, width, height);
}

void TForm1::InitComfortGL(int width, int height)
{
    InitPlotGL(PanelOf(TabBodyComfort), width, height);
}

void TForm1::DrawPlotAxes(bool is3D, bool comfortTab)
{
    if (comfortTab)
        glClearColor(0, 0, 0, 1);
    else
        glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (comfortTab)
        glColor3f(0.9f, 0.9f, 0.9f);
    else
        glColor3f(0, 0, 0);

    glBegin(GL_LINES);
    Line(0, 0, 0, 1.2f, 0, 0);
    Line(1.17f, -0.02f, 0, 1.2f, 0, 0);
    Line(1.17f, 0.02f, 0, 1.2f, 0, 0);
    for (int i = 0; i <= 5; ++i)
        Line(0.2f * i, 0, 0, 0.2f * i, -0.05f, 0);
    if (!is3D) {
        Line(0, 0, 0, 0, 1.2f, 0);
        Line(-0.02f, 1.17f, 0, 0, 1.2f, 0);
        Line(0.02f, 1.17f, 0, 0, 1.2f, 0);
        for (int i = 0; i <= 5; ++i)
            Line(0, 0.2f * i, 0, -0.05f, 0.2f * i, 0);
    } else {
        Line(1, 0, 0, 1, 1.2f, 0);
        Line(0.97f, 1.17f, 0, 1, 1.2f, 0);
        Line(1.03f, 1.17f, 0, 1, 1.2f, 0);
        Line(0, 0, 0, 0, 0, 1.2f);
        Line(0, -0.02f, 1.17f, 0, 0, 1.2f);
        Line(0, 0.02f, 1.17f, 0, 0, 1.2f);
        for (int i = 0; i <= 5; ++i) {
            Line(1, 0.2f * i, 0, 1.05f, 0.2f * i, 0);
            Line(0, 0, 0.2f * i, -0.05f, 0, 0.2f * i);
        }
    }
    // The small axis triad.
    if (!is3D) {
        Line(-0.9f, -0.9f, 0, -0.8f, -0.9f, 0);
        Line(-0.82f, -0.91f, 0, -0.8f, -0.9f, 0);
        Line(-0.82f, -0.89f, 0, -0.8f, -0.9f, 0);
        Line(-0.9f, -0.9f, 0, -0.9f, -0.8f, 0);
        Line(-0.91f, -0.82f, 0, -0.9f, -0.8f, 0);
        Line(-0.89f, -0.82f, 0, -0.9f, -0.8f, 0);
    } else {
        Line(0.9f, -0.8f, 0, 1.0f, -0.8f, 0);
        Line(0.98f, -0.81f, 0, 1.0f, -0.8f, 0);
        Line(0.98f, -0.79f, 0, 1.0f, -0.8f, 0);
        Line(0.9f, -0.8f, 0, 0.9f, -0.7f, 0);
        Line(0.89f, -0.72f, 0, 0.9f, -0.7f, 0);
        Line(0.91f, -0.72f, 0, 0.9f, -0.7f, 0);
        Line(0.9f, -0.8f, 0, 0.9f, -0.8f, 0.1f);
        Line(0.9f, -0.81f, 0.08f, 0.9f, -0.8f, 0.1f);
        Line(0.9f, -0.79f, 0.08f, 0.9f, -0.8f, 0.1f);
    }
    glEnd();
    if (!is3D) {
        Text(SystemGlyphs, -0.8f, -0.9f, 0, "X");
        Text(SystemGlyphs, -0.9f, -0.8f, 0, "Y");
    } else {
        Text(SystemGlyphs, 1.05f, -0.8f, 0, "X");
        Text(SystemGlyphs, 0.9f, -0.68f, 0, "Y");
        Text(SystemGlyphs, 0.9f, -0.8f, 0.12f, "Z");
    }

    if (!comfortTab) {
        glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(1, 0x0F0F);
        glColor3f(0.8f, 0.8f, 0.8f);
        glBegin(GL_LINES);
        for (int i = 0; i <= 5; ++i)
            Line(0.2f * i, 0, 0, 0.2f * i, 1, 0);
        for (int i = 1; i <= 5; ++i)
            Line(0, 0.2f * i, 0, 1, 0.2f * i, 0);
        if (is3D) {
            for (int i = 0; i <= 5; ++i)
                Line(0, 0, 0.2f * i, 0, 1, 0.2f * i);
            for (int i = 1; i <= 5; ++i)
                Line(0, 0.2f * i, 0, 0, 0.2f * i, 1);
            for (int i = 0; i <= 5; ++i) {
                Line(0.2f * i, 1, 0, 0.2f * i, 1, 1);
                Line(0, 1, 0.2f * i, 1, 1, 0.2f * i);
            }
        }
        glEnd();
        glPopAttrib();
        glColor3f(0, 0, 0);
    }
}

void TForm1::CompilePlot(PlotPanel& panel)
{
    if (panel.List)
        glDeleteLists(panel.List, 1);
    panel.List = glGenLists(1);
    panel.ListDirty = false;
    const PlotData& d = State.Data;
    const int n = d.RowCount();
    glNewList(panel.List, GL_COMPILE);
    if (!panel.Is3D) {
        glColor3f(0, 0, 0);
        glBegin(GL_LINE_STRIP);
        for (const PlotPoint& p : d.Points)
            glVertex3f((p.Time - d.TimeStart) / d.TimeRange, (p.Value - d.ValueMin) / d.ValueRange, 0);
        glEnd();
    } else if (d.NodesPerBlock > 0) {
        float c1[3], c2[3];
        ColorFractions(State.Gradient.Color1, c1);
        ColorFractions(State.Gradient.Color2, c2);
        const int axis = State.Gradient.Axis;
        auto vertex = [&](const PlotPoint& p) {
            const float x = (p.Position - d.PosStart) / d.PosRange;
            const float y = (p.Time - d.TimeStart) / d.TimeRange;
            const float z = (p.Value - d.ValueMin) / d.ValueRange;
            const float f = axis == 0 ? z : axis == 1 ? y : x;
            glColor3f(c1[0] + f * (c2[0] - c1[0]), c1[1] + f * (c2[1] - c1[1]), c1[2] + f * (c2[2] - c1[2]));
            glVertex3f(x, y, z);
        };
        const int b = d.NodesPerBlock, blocks = n / b;
        for (int t = 0; t < blocks; ++t) {
            glBegin(GL_LINE_STRIP);
            for (int j = 0; j < b; ++j)
                vertex(d.Points[static_cast<std::size_t>(t * b + j)]);
            glEnd();
        }
        for (int j = 0; j < b; ++j) {
            glBegin(GL_LINE_STRIP);
            for (int t = 0; t < blocks; ++t)
                vertex(d.Points[static_cast<std::size_t>(t * b + j)]);
            glEnd();
        }
    }
    // Tick labels and titles.
    glColor3f(0, 0, 0);
    const PlotTicks& ticks = State.Ticks;
    for (int i = 0; i < 6; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const float at = 0.2f * i;
        if (!panel.Is3D) {
            Text(LabelGlyphs, at, -0.1f, 0, ticks.Time[k]);
            Text(LabelGlyphs, -0.2f, at, 0, ticks.Value[k]);
        } else {
            Text(LabelGlyphs, at, -0.2f, 0, ticks.Position[k]);
            Text(LabelGlyphs, 1.15f, at, 0, ticks.Time[k]);
            Text(LabelGlyphs, -0.1f, -0.17f, at, ticks.Value[k]);
        }
    }
    if (!panel.Is3D) {
        Text(SystemGlyphs, 0.5f, -0.2f, 0, State.TimeTitle);
        Text(SystemGlyphs, -0.15f, 1.23f, 0, State.PosTitle);
    } else {
        Text(SystemGlyphs, 0.4f, -0.6f, 0, State.PosTitle);
        Text(SystemGlyphs, 1.3f, 0.4f, 0, State.TimeTitle);
        Text(SystemGlyphs, -0.2f, 0, 1.2f, State.ValueTitle);
    }
    glEndList();
}

void TForm1::DrawComfortChart(PlotPanel& panel)
{
    if (ChartQuantity < 0)
        return;
    glColor3f(0.9f, 0.9f, 0.9f);
    // A chart not drawn has no time scale either.
    const float timeEnd = panel.HasPlot ? ComfortFile.Series().TimeEnd : 0.0f;
    for (int i = 0; i <= 5; ++i) {
        Text(LabelGlyphs, 0.2f * i, -0.1f, 0, FormatFloat("#0.##", 0.2 * i * timeEnd));
        Text(LabelGlyphs, -0.15f, 0.2f * i, 0, FormatFloat("#0.##", 20.0 * i));
    }
    Text(SystemGlyphs, 1.22f, -0.13f, 0, "Time (min.)");
    Text(SystemGlyphs, -0.15f, 1.23f, 0, "Sensation(0~100)");
    if (!panel.HasPlot)
        return;
    if (panel.ListDirty || !panel.List)
        CompileComfortChart(panel);
    glCallList(panel.List);
}

void TForm1::CompileComfortChart(PlotPanel& panel)
{
    if (panel.List)
        glDeleteLists(panel.List, 1);
    panel.List = glGenLists(1);
    panel.ListDirty = false;
    const int quantity = ChartQuantity;
    const std::vector<ComfortClass>& classes = ComfortClasses(quantity);
    const ComfortSeries& series = ComfortFile.Series();
    glNewList(panel.List, GL_COMPILE);
    // Each class's band over the whole width, its colour running from the lower to the upper edge.
    float lower = 0;
    for (std::size_t k = 0; k < classes.size(); ++k) {
        const ComfortClass& c = classes[k];
        const float upper = k + 1 == classes.size() ? 1.0f : c.Bound / 100.0f;
        glBegin(GL_QUAD_STRIP);
        glColor3fv(c.LowerColor);
        glVertex3f(0, lower, 0);
        glVertex3f(1, lower, 0);
        glColor3fv(c.UpperColor);
        glVertex3f(0, upper, 0);
        glVertex3f(1, upper, 0);
        glEnd();
        lower = upper;
    }
    // The time axis starts at 0; without a positive end time there is no scale to draw on.
    if (series.TimeEnd > 0) {
        glColor3f(0, 0, 0);
        glBegin(GL_LINE_STRIP);
        for (const ComfortSample& sample : series.Samples)
            glVertex3f(sample.Time / series.TimeEnd, 0.01f * ComfortValueOf(sample, quantity), 0.1f);
        glEnd();
    }
    glColor3f(0.9f, 0.9f, 0.9f);
    Text(SystemGlyphs, 0.35f, 1.3f, 0, ComfortTitle(quantity));
    for (const ComfortClass& c : classes)
        Text(SystemGlyphs, 1.01f, c.LabelY, 0, c.Name);
    glEndList();
}

void TForm1::PaintPanel(PlotPanel& panel, bool comfortTab)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(panel.View.constData());
    DrawPlotAxes(panel.Is3D, comfortTab);
    if (comfortTab) {
        DrawComfortChart(panel);
        return;
    }
    if (!panel.HasPlot)
        return;
    if (panel.ListDirty || !panel.List)
        CompilePlot(panel);
    glCallList(panel.List);
}
