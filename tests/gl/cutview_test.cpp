// The cross-section window beside a playing player: the rings of skin, core and fabric layers
// where their geometry puts them, in their nodes' colours; what humidity and sweating rate
// show; and which player draws into the one window.
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

#include "tests/gl/playbackfixture.h"

namespace {

// Whether a pixel is close to a colour; a failure names the pixel's colour.
::testing::AssertionResult Near(QRgb c, int r, int g, int b)
{
    if (std::abs(qRed(c) - r) < 40 && std::abs(qGreen(c) - g) < 40 && std::abs(qBlue(c) - b) < 40)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << QColor(c).name().toStdString();
}
int WhitePixels(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) > 200;
    return n;
}

// Whether the picture shows the text as the window writes a label at (x, y): white on black in
// its label font. The leader line ends at the label's left edge, so the check starts beside it.
::testing::AssertionResult LabelReads(const QImage& picture, int x, int y, const QString& text, int width = 70)
{
    QImage expected(picture.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter p(&expected);
    p.setFont(TFrmCutView::LabelFont(FrmCutView->font()));
    p.setPen(Qt::white);
    p.drawText(QRect(x, y, 200, 30), Qt::AlignLeft | Qt::AlignTop, text);
    p.end();
    const QRect area(x + 2, y, width, 18);
    const int white = WhitePixels(expected, area);
    int differing = 0;
    for (int yy = area.top(); yy <= area.bottom(); ++yy)
        for (int xx = area.left(); xx <= area.right(); ++xx)
            differing += (qRed(picture.pixel(xx, yy)) > 200) != (qRed(expected.pixel(xx, yy)) > 200);
    if (white > 10 && differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " of " << white << " pixels differ from \""
                                         << text.toStdString() << "\"";
}

// Centre (215, 215); skin radius 40, core 36; layer L's ring from 40 + 12 L to 52 + 12 L.
// Straight below the centre, y = 215 + distance.
QPoint Below(int distance)
{
    return {TFrmCutView::Centre, TFrmCutView::Centre + distance};
}

class CutViewTest : public PlaybackTest {
protected:
    // A player with a set of `nodes` nodes per layer, playing in the mode of `mode`, its first
    // garment's layer row `layer` chosen (no garment for -1) and the cross-section shown. Skin 30 (yellow), core 20
    // (green); humidity 10 everywhere in the fabric. The hot outermost node of layer 1 is red (40),
    // its innermost blue (0), the rest green (20); every other layer cyan (10).
    TFrmMain* Showing(const QString& name, int nodes, QRadioButton* TFrmMain::*mode = &TFrmMain::RBTemp, int layer = 0)
    {
        TFrmMain* p = OpenPlayer();
        const auto folder = MakeSet(name, TwoGarments(2, nodes));
        WriteBody(folder, 2, [](int column) { return column == 1 ? 30.0 : column == 2 ? 20.0 : 5.0; });
        auto temperature = [&](int l, int n) { return l != 0 ? 10 : n == nodes - 1 ? 40 : n == 0 ? 0 : 20; };
        WriteFabric(folder, 2, 5, nodes, temperature, 10);
        Load(p, folder);
        (p->*mode)->setChecked(true);
        Display(p);
        if (layer >= 0) {
            p->ListBox1->setCurrentRow(0);
            p->ListBox2->setCurrentRow(layer);
        }
        p->CBCutview->setChecked(true);
        Tick(p, 0);
        return p;
    }
    static QRgb At(QPoint p) { return FrmCutView->Picture().pixel(p); }
};

TEST_F(CutViewTest, NodesFillTheLayerRingOutsideInWithSkinAndCoreInside)
{
    // Before any garment is chosen: skin and core alone, labelled.
    Showing("bare", 6, &TFrmMain::RBTemp, -1);
    EXPECT_TRUE(Near(At(Below(38)), 255, 255, 0)) << "skin";
    EXPECT_TRUE(Near(At(Below(15)), 0, 255, 0)) << "core";
    EXPECT_TRUE(Near(At(Below(45)), 0, 0, 0)) << "no layer";
    const int c = TFrmCutView::Centre;
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), c - 38, 5, "Skin", 30));
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), c, 5, "Core", 30));

    Showing("six", 6);
    EXPECT_TRUE(Near(At(Below(51)), 255, 0, 0)) << "node 5, hot";
    EXPECT_TRUE(Near(At(Below(41)), 0, 0, 255)) << "node 0, cold";
    EXPECT_TRUE(Near(At(Below(38)), 255, 255, 0)) << "skin";
    EXPECT_TRUE(Near(At(Below(15)), 0, 255, 0)) << "core";
    EXPECT_TRUE(Near(At(Below(60)), 0, 0, 0)) << "no second layer chosen";
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), TFrmCutView::LayerLabelLeft, 5, "Layer 1"));
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), c - 38, 5, "Skin", 30));
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), c, 5, "Core", 30));

    // Five nodes leave a black gap.
    Showing("five", 5);
    EXPECT_TRUE(Near(At(Below(41)), 0, 0, 0)) << "gap";
    EXPECT_TRUE(Near(At(Below(43)), 0, 0, 255)) << "node 0";

    // 13 nodes on two layers: each node its share of the ring, no pixel left black between the
    // outlines at 40 (skin), 52 and 64 (the layers' outer edges).
    Showing("thirteen", 13, &TFrmMain::RBTemp, 1);
    for (int d = 41; d < 64; ++d)
        if (d != 52) {
            EXPECT_FALSE(Near(At(Below(d)), 0, 0, 0)) << "distance " << d;
        }
    EXPECT_TRUE(Near(At(Below(51)), 255, 0, 0));
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), TFrmCutView::LayerLabelLeft, 5, "Layer 1"));
    EXPECT_TRUE(LabelReads(FrmCutView->Picture(), TFrmCutView::LayerLabelLeft, 25, "Layer 2"));
}

TEST_F(CutViewTest, HumidityBlacksOutTheCoreAndSweatingRateKeepsThePicture)
{
    TFrmMain* p = Showing("humidity", 6, &TFrmMain::RBHumidity);
    EXPECT_TRUE(Near(At(Below(15)), 0, 0, 0));
    EXPECT_EQ(WhitePixels(FrmCutView->Picture(), QRect(216, 5, 30, 14)), 0) << "no core label";
    EXPECT_EQ(WhitePixels(FrmCutView->Picture(), QRect(214, 60, 3, 100)), 0) << "no core leader";
    EXPECT_TRUE(Near(At(Below(51)), 0, 255, 255)) << "humidity 10";

    const QImage before = FrmCutView->Picture();
    p->RBSweat->setChecked(true);
    EXPECT_FALSE(FrmCutView->isVisible());
    Display(p);
    p->CBCutview->setChecked(true);
    Tick(p, 60);
    EXPECT_TRUE(FrmCutView->Picture() == before);
}

TEST_F(CutViewTest, OnlyTheLastPlayerToShowItDrawsAndItOutlivesItsPlayer)
{
    QPointer<TFrmMain> first = Showing("first", 6);
    QPointer<TFrmMain> second = Showing("second", 6, &TFrmMain::RBHumidity);
    ASSERT_TRUE(Near(At(Below(51)), 0, 255, 255));

    // The first player's steps and activation leave the second one's picture alone, and its
    // close leaves the window open.
    Tick(first, 60);
    first->FormActivate();
    EXPECT_TRUE(Near(At(Below(51)), 0, 255, 255));
    first->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(FrmCutView->isVisible());

    // Its own player's close closes it; shown again it repaints the picture it kept.
    const QImage kept = FrmCutView->Picture();
    second->Close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FrmCutView->isVisible());
    EXPECT_EQ(FrmCutView->Player(), nullptr);
    FrmCutView->Show();
    FrmCutView->DrawCrossSection();
    const QImage window = FrmCutView->grab().toImage();
    EXPECT_TRUE(FrmCutView->Picture() == kept);
    EXPECT_TRUE(Near(window.pixel(Below(51)), 0, 255, 255));
}

TEST_F(CutViewTest, ItShowsInTheBottomLeftCornerClosingItUnticksItsBoxAndEscapeInThePlayerClosesBoth)
{
    QPointer<TFrmMain> player = Showing("corner", 6);
    const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    EXPECT_EQ(FrmCutView->pos(), QPoint(3, screenHeight - FrmCutView->height() - 20));
    ASSERT_TRUE(FrmCutView->isVisible());

    // Closed on its own, by the close box or by Escape, it unticks the player's box, so the
    // next tick opens it again.
    FrmCutView->close();
    EXPECT_FALSE(player->CBCutview->isChecked());
    player->CBCutview->setChecked(true);
    ASSERT_TRUE(FrmCutView->isVisible());
    QKeyEvent cutEscape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(FrmCutView, &cutEscape);
    EXPECT_FALSE(FrmCutView->isVisible());
    EXPECT_FALSE(player->CBCutview->isChecked());
    player->CBCutview->setChecked(true);
    ASSERT_TRUE(FrmCutView->isVisible());

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(player->focusWidget() ? player->focusWidget() : player.data(), &escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FrmCutView->isVisible());
    EXPECT_TRUE(player.isNull());
}

} // namespace
