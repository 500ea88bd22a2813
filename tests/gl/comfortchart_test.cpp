// The sensation and comfort chart of the plot window under a real (software) OpenGL context:
// where the curve lies, the conclusions it fills, the message for a missing file, and a chart
// that follows its file.
#include <QLabel>
#include <QTabWidget>

#include "results/io/resultsetgen.h"
#include "tests/gl/plotfixture.h"
#include "tests/support/messagerecorder.h"
#include "toolkit/radiogroup.h"

namespace {

// A line as the comfort evaluation writes it: time, six signals, thermal, dampness, comfort.
std::string Sample(double time, double thermal)
{
    return std::to_string(time) + "\t0\t0\t0\t0\t0\t0\t" + std::to_string(thermal) + "\t50\t50\n";
}

// A line of a comfort file without the comfort value: nine columns.
std::string NineColumns(double time, double thermal, double dampness)
{
    return std::to_string(time) + "\t1\t2\t3\t4\t5\t6\t" + std::to_string(thermal) + "\t" +
           std::to_string(dampness) + "\n";
}

// Where a point of the chart's unit square lands on the 409 x 329 panel: shifted by
// (-0.75, -0.6), in the orthographic box of half extent 0.95 along the longer side (x).
QPoint ProjectChart(double x, double y, int width, int height)
{
    const double a = double(width) / height, hx = 0.95, hy = 0.95 / a;
    const double wx = x - 0.75, wy = y - 0.6;
    return {static_cast<int>((wx + hx) / (2 * hx) * width), static_cast<int>((1 - (wy + hy) / (2 * hy)) * height)};
}

bool Black(QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }
bool ColdBand(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; }
bool Coloured(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) > 60; }

class ComfortChartTest : public PlotWindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(WriteResultSet(QFile::encodeName(Dir.path()).toStdString(), ShapeOf(ResultSetSize::Minimal)), "");
        PlotWindowFixture::SetUp();
    }
    void OpenOnChart()
    {
        Open(Dir.path());
        Window->PageControl1->setCurrentIndex(TForm1::TabBodyComfort);
        Settle(30);
    }
    QString Label(int number) const { return Window->ConclusionLabels[static_cast<std::size_t>(number - 15)]->text(); }
};

TEST_F(ComfortChartTest, TheThermalCurveCrossesTheMiddleOfItsBands)
{
    MessageRecorder messages;
    WriteText(Dir.filePath("Comfort.dat"), Sample(0, 0) + Sample(10, 100));
    OpenOnChart();
    Window->RadioGroup4->SetItemIndex(0);
    Settle(60);
    const QImage chart = Grab(Window->Panel16);
    EXPECT_GT(Around(chart, ProjectChart(0.5, 0.5, chart.width(), chart.height()), 1, Black), 0);
    EXPECT_EQ(Around(chart, ProjectChart(0.2, 0.5, chart.width(), chart.height()), 2, Black), 0);
    EXPECT_GT(Around(chart, ProjectChart(0.9, 0.1, chart.width(), chart.height()), 1, ColdBand), 0);
    // The bound between "Warm" (ending yellow) and "Hot" (starting orange) lies at 73 of 100.
    const auto yellow = [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) < 50; };
    const auto orange = [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 150 && qBlue(c) > 90; };
    EXPECT_EQ(Around(chart, ProjectChart(0.2, 0.71, chart.width(), chart.height()), 1, yellow), 9);
    EXPECT_EQ(Around(chart, ProjectChart(0.2, 0.75, chart.width(), chart.height()), 1, orange), 9);
    EXPECT_EQ(Label(15), "10 min.");
    EXPECT_EQ(Label(22), "Cold    50%");

    // The file gone: said, and nothing of it is left on the chart.
    messages.Expect("No files!");
    QFile::remove(Dir.filePath("Comfort.dat"));
    Settle(60);
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_EQ(Label(15), "");
    const QImage gone = Grab(Window->Panel16);
    EXPECT_EQ(Around(gone, ProjectChart(0.9, 0.1, gone.width(), gone.height()), 3, Coloured), 0);
}

TEST_F(ComfortChartTest, AMissingFileIsSaidOnceAndTheChartFollowsTheFileOnceItIsThere)
{
    MessageRecorder messages;
    QFile::remove(Dir.filePath("Comfort.dat"));
    OpenOnChart();
    messages.Expect("No files!");
    Window->RadioGroup4->SetItemIndex(0);
    Settle(1000);
    EXPECT_EQ(messages.Shown.size(), 1u);
    // Another quantity says it once more.
    messages.Expect("No files!");
    Window->RadioGroup4->SetItemIndex(1);
    Settle(100);
    EXPECT_EQ(messages.Shown.size(), 2u);

    // An empty file, as a solver that has just started leaves it: nothing to conclude, no message.
    WriteText(Dir.filePath("Comfort.dat"), "");
    Settle(40);
    for (int label = 15; label <= 26; ++label)
        EXPECT_EQ(Label(label), "") << label;

    WriteText(Dir.filePath("Comfort.dat"), Sample(0, 50) + Sample(5, 60));
    Settle(40);
    EXPECT_EQ(Label(15), "5 min.");
    EXPECT_EQ(messages.Shown.size(), 2u);

    // Another folder opened: the conclusions of this one's file are gone before a quantity is
    // chosen.
    QTemporaryDir other;
    ASSERT_EQ(WriteResultSet(QFile::encodeName(other.path()).toStdString(), ShapeOf(ResultSetSize::Minimal)), "");
    Open(other.path());
    Window->PageControl1->setCurrentIndex(TForm1::TabBodyComfort);
    Settle(40);
    for (int label = 15; label <= 26; ++label)
        EXPECT_EQ(Label(label), "") << label;
}

TEST_F(ComfortChartTest, ADamagedFileIsSaidOnceAndDrawsNothing)
{
    MessageRecorder messages;
    WriteText(Dir.filePath("Comfort.dat"), Sample(0, 20) + "5\t0\t0\t0\t0\t0\t0\t7abc\t50\t50\n");
    messages.Expect("No data or incorrect format in comfort data file!\nLine 2.");
    OpenOnChart();
    Window->RadioGroup4->SetItemIndex(0);
    Settle(500);
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(Label(15), "");

    WriteText(Dir.filePath("Comfort.dat"), Sample(0, 20) + Sample(5, 60));
    Settle(60);
    EXPECT_EQ(Label(15), "5 min.");
    EXPECT_EQ(messages.Shown.size(), 1u);
}

TEST_F(ComfortChartTest, NineColumnsGiveBothSensationChartsAndTheComfortChartAloneIsRefused)
{
    MessageRecorder messages;
    // Thermal 0 -> 100 crosses the middle of the chart, dampness 90 -> 30 passes above it.
    WriteText(Dir.filePath("Comfort.dat"), NineColumns(0, 0, 90) + NineColumns(10, 100, 30));
    OpenOnChart();
    auto at = [](const QImage& chart, double x, double y) { return ProjectChart(x, y, chart.width(), chart.height()); };
    auto show = [&](int quantity) {
        Window->RadioGroup4->SetItemIndex(quantity);
        Settle(60);
        return Grab(Window->Panel16);
    };
    // The title above the chart, where nothing else is drawn.
    auto title = [](const QImage& chart) {
        const QPoint from = ProjectChart(0.3, 1.3, chart.width(), chart.height());
        return chart.copy(from.x(), 0, 260, from.y() + 4);
    };
    QImage chart = show(0);
    const QImage thermalTitle = title(chart);
    EXPECT_GT(Around(chart, at(chart, 0.5, 0.5), 1, Black), 0);
    EXPECT_EQ(Label(15), "10 min.");
    EXPECT_EQ(Label(22), "Cold    50%");
    chart = show(1);
    EXPECT_NE(title(chart), thermalTitle);
    EXPECT_GT(Around(chart, at(chart, 0.5, 0.6), 1, Black), 0);
    EXPECT_EQ(Around(chart, at(chart, 0.5, 0.5), 1, Black), 0);
    EXPECT_EQ(Label(16), "0 min.");  // 90 at time 0
    EXPECT_EQ(Label(18), "Very Damp    50%");
    EXPECT_EQ(Label(20), "Slightly Damp    50%");
    EXPECT_EQ(Label(21), "Dry    0%");

    // The comfort chart has no column to draw: said once for this version of the file, no bands,
    // no curve, no conclusions.
    messages.Expect("No data or incorrect format in comfort data file!");
    chart = show(2);
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(Around(chart, at(chart, 0.3, 0.15), 3, Coloured), 0);
    for (int label = 15; label <= 26; ++label)
        EXPECT_EQ(Label(label), "") << label;
    show(0);
    EXPECT_EQ(Label(22), "Cold    50%");
    show(2);
    EXPECT_EQ(messages.Shown.size(), 1u);

    // A new version of the file is said again.
    messages.Expect("No data or incorrect format in comfort data file!");
    WriteText(Dir.filePath("Comfort.dat"), NineColumns(0, 0, 90) + NineColumns(10, 100, 30) + NineColumns(20, 50, 50));
    Settle(60);
    EXPECT_EQ(messages.Shown.size(), 2u);
    EXPECT_TRUE(messages.AllConsumed());
    EXPECT_EQ(Label(15), "");
}

// Answers as the recorder does, while the window's timers go on ticking as they do inside a real
// box's loop.
class TickingRecorder : public MessageRecorder {
public:
    void ShowMessage(const QString& text) override
    {
        MessageRecorder::ShowMessage(text);
        Settle(50);
    }
};

TEST_F(ComfortChartTest, OpenLeavesTheComfortValueForTheFabricTabWhateverItSaysOnTheWay)
{
    const std::string ten = Sample(0, 20) + Sample(5, 60);
    const std::string nine = NineColumns(0, 20, 30) + NineColumns(5, 60, 70) + NineColumns(9, 40, 50);
    const QString comfortLacks = "No data or incorrect format in comfort data file!";
    const struct {
        const char* Name;
        bool Fabrics, Simulation;
        std::string Opened;   // "Comfort.dat" of the folder opened
        std::string Charted;  // written over the charted one just before "Open"
        QStringList Said;
    } cases[] = {
        {"no Fabrics.dat", false, true, ten, "", {"Lack Of Data Files!"}},
        {"no simulation file", true, false, ten, "", {"No File simulation.sdf!"}},
        {"nine columns opened", true, false, nine, "", {"No File simulation.sdf!"}},
        // The chart reads its file again inside the first box.
        {"nine columns charted", false, true, ten, nine, {"Lack Of Data Files!", comfortLacks}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TickingRecorder messages;
        WriteText(Dir.filePath("Comfort.dat"), ten);
        OpenOnChart();
        Window->RadioGroup4->SetItemIndex(ComfortValue);
        Settle(60);
        ASSERT_EQ(Label(15), "5 min.");

        QTemporaryDir other;
        ASSERT_EQ(WriteResultSet(QFile::encodeName(other.path()).toStdString(), ShapeOf(ResultSetSize::Minimal)), "");
        WriteText(other.filePath("Comfort.dat"), c.Opened);
        if (!c.Fabrics)
            QFile::remove(other.filePath("Fabrics.dat"));
        if (!c.Simulation)
            QFile::remove(other.filePath("simulation.sdf"));
        if (!c.Charted.empty())
            WriteText(Dir.filePath("Comfort.dat"), c.Charted);
        for (const QString& text : c.Said)
            messages.Expect(text);
        Open(other.path());
        Settle(60);
        EXPECT_TRUE(messages.AllConsumed());
        EXPECT_EQ(Window->PageControl1->currentIndex(), TForm1::TabFabric);
        for (TRadioGroup* list : {Window->RadioGroup1, Window->RadioGroup2, Window->RadioGroup3, Window->RadioGroup4})
            EXPECT_EQ(list->ItemIndex(), -1) << list->objectName().toStdString();
    }
}

} // namespace
