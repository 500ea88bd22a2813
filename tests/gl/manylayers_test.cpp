// Sets of six fabric layers, of one garment or of two garments of three: every layer plays in the
// player, shows in the cross-section and plots in the plot window.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

#include "tests/gl/playbackfixture.h"
#include "tests/gl/plotfixture.h"

namespace {

// Layer l at 8 l degrees in every node and block: 0 .. 40 over the six layers.
double LayerTemperature(int layer, int)
{
    return 8.0 * layer;
}

ResultSetShape SixLayers(std::vector<int> garmentLayers)
{
    ResultSetShape shape = ShapeOf(ResultSetSize::Minimal);
    shape.Garments.clear();
    for (int layers : garmentLayers)
        shape.Garments.push_back({layers, 2});
    shape.Frames = 2;
    shape.NodesPerLayer = 3;
    return shape;
}

TEST_F(PlaybackTest, EveryOneOfSixLayersPlaysAndShowsInTheCrossSection)
{
    for (const std::vector<int>& garments : {std::vector<int>{6}, std::vector<int>{3, 3}}) {
        SCOPED_TRACE(garments.size());
        TFrmMain* p = OpenPlayer();
        const auto folder = MakeSet(QString("set%1").arg(garments.size()), SixLayers(garments));
        WriteFabric(folder, 2, 6, 3, LayerTemperature, 50);
        Load(p, folder);
        Display(p);
        int overall = 0;
        for (int g = 0; g < static_cast<int>(garments.size()); ++g) {
            p->ListBox1->setCurrentRow(g);
            for (int i = 0; i < garments[static_cast<std::size_t>(g)]; ++i, ++overall) {
                p->ListBox2->setCurrentRow(i);
                Tick(p, 0);
                float expected[4] = {0, 0, 0, 1};
                p->ValueToColor(LayerTemperature(overall, 0), expected);
                for (int c = 0; c < 3; ++c)
                    EXPECT_FLOAT_EQ(p->ColorSlots[p->GarmentSlot()][c], expected[c]) << "layer " << overall;
            }
        }
        // The sixth ring (40, red) outside the fifth (32, orange).
        p->CBCutview->setChecked(true);
        Tick(p, 0);
        const QRgb outer = FrmCutView->Picture().pixel(TFrmCutView::Centre, TFrmCutView::Centre + 40 + 5 * 12 + 6);
        EXPECT_GT(qRed(outer), 200);
        EXPECT_LT(qGreen(outer), 60);
        p->CBCutview->setChecked(false);
    }
}

class ManyLayersPlot : public PlotWindowFixture {};

TEST_F(ManyLayersPlot, EveryOneOfSixLayersIsListedAndPlotted)
{
    const std::filesystem::path folder(QFile::encodeName(Dir.path()).toStdString());
    ASSERT_EQ(WriteResultSet(folder, SixLayers({6})), "");
    WriteFabric(folder, 2, 6, 3, LayerTemperature, 50);
    Open(Dir.path());
    for (int l = 0; l < 6; ++l) {
        Window->ComboBox5->setCurrentIndex(l);
        ShowQuantity(TForm1::TabFabric, 5);  // the temperature
        EXPECT_FLOAT_EQ(Window->State.Data.ValueMin, LayerTemperature(l, 0)) << "layer " << l;
        EXPECT_EQ(Window->State.Data.RowCount(), 6) << "layer " << l;
    }
}

} // namespace
