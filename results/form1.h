#pragma once
// The plot window ("MainWindow"): one quantity of a result file as a 2D curve over time or a 3D
// wire mesh over time and thickness, for a fabric layer, a fibre or the body; its fourth tab
// holds the sensation and comfort chart. The result folder comes from the result directory
// window; the window reads nothing else.
//
// Each plot panel is an OpenGL surface of its own with its own view transform. A plot is
// compiled into one display list of the panel's context and rebuilt only when what it shows
// changed: the parsed file (by path, size and modification time), the quantity, the layer, the
// gradient or the label format. A redraw of an unchanged file reads nothing.
#include <QMatrix4x4>
#include <QTimer>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "results/io/comfortfile.h"
#include "results/plotstate.h"
#include "toolkit/forms.h"
#include "toolkit/pictures.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;
class TGLPanel;
class TRadioGroup;

class TForm1 : public TForm, public ResultFolderReceiver {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // Tabs of PageControl1.
    enum Tab { TabFabric = 0, TabFibers = 1, TabBodyProperty = 2, TabBodyComfort = 3 };
    // View steps of the tool bars.
    enum ViewStep { StepUp, StepDown, StepRight, StepLeft, StepSmall, StepLarge, StepReset };

    // ---- menu and tabs
    QMenuBar* MainMenu1;
    QAction* File1;   // "Open"
    QAction* Save2;   // "Save"
    QAction* Help1;   // "Help"
    QAction* Exit1;   // "Exit"
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;

    // ---- Fabric tab
    QToolBar* ToolBar2;
    QToolButton* ToolButton3;  // Up
    QToolButton* ToolButton4;  // Down
    QToolButton* ToolButton5;  // Right
    QToolButton* ToolButton6;  // Left
    QToolButton* ToolButton7;  // Small
    QToolButton* ToolButton8;  // Large
    QToolButton* ToolButton1;  // Reset
    TGLPanel* Panel1;
    QLabel* Label1;
    QComboBox* ComboBox5;      // the fabric layers
    QGroupBox* GroupBox1;      // "3D Image"
    QLabel* Label3;
    TRadioGroup* RadioGroup1;
    QPushButton* BitBtn1;      // "Show Data"
    QPushButton* BitBtn2;      // "Color Select"
    QGroupBox* GroupBox2;      // "2D Section"
    QRadioButton* RadioButton1;  // "TimePos"
    QComboBox* ComboBox1;
    QRadioButton* RadioButton2;  // "SpacePos"
    QComboBox* ComboBox2;      // positions of the first time block
    QPushButton* BitBtn3;      // "Show 2D Data"
    QWidget* Panel4;           // "Showing Data:"
    QLabel* Label4;            // the quantity shown
    QStatusBar* StatusBar1;
    std::array<QLabel*, 5> StatusBar1Panels{};

    // ---- Fibers tab
    QToolBar* ToolBar1;
    QToolButton* ToolButton2;
    QToolButton* ToolButton9;
    QToolButton* ToolButton10;
    QToolButton* ToolButton11;
    QToolButton* ToolButton12;
    QToolButton* ToolButton13;
    QToolButton* ToolButton14;
    TGLPanel* Panel5;
    QLabel* Label6;
    QComboBox* ComboBox6;      // the fibre files
    QGroupBox* GroupBox3;
    QLabel* Label8;
    TRadioGroup* RadioGroup2;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QGroupBox* GroupBox4;
    QRadioButton* RadioButton3;
    QComboBox* ComboBox3;
    QRadioButton* RadioButton4;
    QComboBox* ComboBox4;
    QPushButton* BitBtn6;
    QWidget* Panel7;
    QLabel* Label9;
    QStatusBar* StatusBar2;
    std::array<QLabel*, 4> StatusBar2Panels{};

    // ---- BodyProperty tab
    TGLPanel* Panel8;
    QLabel* Label10;
    QLabel* Label11;
    QGroupBox* GroupBox5;
    TRadioGroup* RadioGroup3;
    QPushButton* BitBtn7;
    QStatusBar* StatusBar3;
    std::array<QLabel*, 3> StatusBar3Panels{};

    // ---- BodyComfort tab
    QWidget* Panel17;
    TGLPanel* Panel16;
    QWidget* Panel18;
    QGroupBox* Panel12;        // "Animation"
    QLabel* Image1;
    TRadioGroup* RadioGroup4;
    QGroupBox* GroupBox6;      // "Conclusions"
    std::array<QLabel*, 12> ConclusionLabels{};  // Label15 .. Label26

    // ---- invisible labels
    QLabel* Label2;   // "None" until a folder is opened
    QLabel* Label5;   // the file the plot reads
    QLabel* Label7;   // the chosen fibre file
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;

    TImageList ImageList2{24, 24};
    QTimer* Timer1;   // a redraw request
    QTimer* Timer2;   // drives the comfort chart

    // ---- state
    PlotState State;
    bool NeedsRepaint = true;
    int ValueColumn = 3;
    int PlotIs3D = 3;
    int LayerCount = 0;
    int MouseDownX = 0, MouseDownY = 0;
    bool DataOpened = false;
    std::filesystem::path ResultDir;  // the folder handed over by "Open"
    PlotFileCache Plots;  // the last load of each file
    // The layers of "Fabrics.dat" as last counted (LayerCount follows them), and
    // whether a count that could not tell them was said for its version of the file.
    FabricLayout Fabrics;
    bool FabricsReported = false;
    // The comfort chart: the file it follows (its samples are those of the last read), the
    // quantity drawn, and whether "No files!" was said for this folder and quantity.
    ComfortFileWatch ComfortFile;
    int ChartQuantity = -1;
    bool ComfortWarned = false;
    // What the chart was drawn from: a tick that finds the same draws nothing.
    int ChartParses = -1;
    bool ChartFound = false;
    // The read whose lack of a comfort value the comfort chart has said (each version once).
    int ComfortLackSaid = -1;

    // ---- operations
    void OpenResultFolder(const ResultFolder& folder) override;
    void RequestRepaint() override;
    // Reads the file of Label5 for the current tab and quantity; rebuilds the plot only when
    // something it shows changed. False when the file cannot be read.
    bool LoadResultFileAndBuildPlot();
    // The current view transform of a plot panel (tests compare views).
    QMatrix4x4 ViewOf(int tab) const;
    // The picture of the current tab's panel at its logical size.
    QImage PanelPicture();
    // Reads the comfort file named by Label14 when it changed; says "No files!" once when it
    // cannot be read.
    ComfortFileWatch::Result LoadComfortFile();

    // ---- handlers
    void PageControl1Change();
    void Timer1Timer();
    void Timer2Timer();
    void RadioGroup4Click();
    void BitBtn1Click();
    void RadioGroup1Click();
    void BitBtn4Click();
    void BitBtn7Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void RadioButtonClick(int tab, int mode);
    void ComboBox6Change();
    void ToolButtonClick(int tab, ViewStep step);
    void File1Click();
    void Save2Click();
    void Exit1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PlotPanel {
        TGLPanel* Panel = nullptr;
        bool Is3D = true;
        float HalfExtent = 1.15f;
        QMatrix4x4 View;
        unsigned List = 0;       // the compiled plot of this panel's context
        bool ListDirty = false;  // State holds a newer plot for this panel
        bool HasPlot = false;
    };
    // What the compiled plot shows; a redraw that finds the same key rebuilds nothing.
    struct PlotKey {
        std::shared_ptr<const PlotRead> Read;
        int Tab = -1;
        PlotRequest Request;
        PlotGradient Gradient;
        bool FixedLabels = false;
        std::string ValueTitle, PosTitle;
        bool operator==(const PlotKey& o) const
        {
            return Read == o.Read && Tab == o.Tab && Request == o.Request && Gradient == o.Gradient &&
                   FixedLabels == o.FixedLabels && ValueTitle == o.ValueTitle && PosTitle == o.PosTitle;
        }
    };

    void BuildMenu();
    void BuildFabricTab();
    void BuildFibersTab();
    void BuildBodyPropertyTab();
    void BuildBodyComfortTab();
    void BuildToolImages();
    void SetupPanel(int index, TGLPanel* panel, bool is3D, float halfExtent);

    int CurrentTab() const;
    PlotPanel& PanelOf(int tab);
    TRadioGroup* QuantityList(int tab) const;
    std::filesystem::path FileOfTab(int tab) const;
    void SetPlotFile(const std::filesystem::path& file);
    void ResetView(PlotPanel& panel);
    void ApplyStep(PlotPanel& panel, ViewStep step);
    bool StepAllowed(int tab, ViewStep step) const;
    void ShowData(int tab);
    void FillPositionLists();
    void SetSectionModeFromTab(int tab);
    void DragStep(int tab, int x, int y);

    // OpenGL, with the panel's context current.
    void InitPlotGL(PlotPanel& panel, int width, int height);
    void ResetPlotView(PlotPanel& panel);
    void InitComfortGL(int width, int height);
    void DrawPlotAxes(bool is3D, bool comfortTab);
    void DrawComfortChart(PlotPanel& panel);
    void CompileComfortChart(PlotPanel& panel);
    void ShowComfortConclusions(bool fileRead);
    void PaintPanel(PlotPanel& panel, bool comfortTab);
    void CompilePlot(PlotPanel& panel);

    // ComboBox5's items for LayerCount layers, the chosen layer kept while it exists.
    void FillLayerList();
    // Counts the layers of "Fabrics.dat" again when the file changed since a count that had not
    // seen its second time block; false (said once per version) when they cannot be told.
    bool RefreshFabricLayers(const std::filesystem::path& file);
    // Forgets what the tabs showed of the folder before: nothing of it can be drawn again.
    void ForgetShownQuantities();

    std::array<PlotPanel, 4> Panels;  // by tab
    // The list item each plot tab last showed with "Show Data" (-1 none): every redraw draws
    // it, whatever the list has been set to since, so the plot and its names stay together.
    std::array<int, 3> ShownQuantity{-1, -1, -1};
    PlotKey BuiltKey;
    bool HasBuiltKey = false;
};

extern TForm1* Form1;
