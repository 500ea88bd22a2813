#include "results/frmcutview.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

TFrmCutView* FrmCutView = nullptr;

namespace {

// Sizes in pixels: the width of a layer ring, the radii of the skin and the core, and the
// most sub-rings a layer ring can show (one pixel each).
constexpr int LayerWidth = 12;
constexpr int SkinRadius = 40;
constexpr int CoreRadius = 36;
constexpr int MaxSubRings = LayerWidth;
// The layer rings the picture holds; the layers beyond them lie outside it.
constexpr int MaxRings = (TFrmCutView::Centre - SkinRadius) / LayerWidth;

QColor PackedColor(int packed)
{
    // red + 256 green + 65536 blue: red is the low byte.
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

QColor SlotColor(const float* rgba)
{
    const auto channel = [](float c) { return std::clamp(static_cast<int>(c * 255), 0, 255); };
    return QColor(channel(rgba[0]), channel(rgba[1]), channel(rgba[2]));
}

void Disc(QPainter& p, int radius)
{
    p.drawEllipse(QPoint(TFrmCutView::Centre, TFrmCutView::Centre), radius, radius);
}

void Label(QPainter& p, int x, int y, const QString& text)
{
    p.drawText(QRect(x, y, 200, 30), Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace

TFrmCutView::TFrmCutView(QWidget* owner) : TForm(owner)
{
    setObjectName("FrmCutView");
    SetCaption("Cross Section");
    SetClientSize(442, 416);
    SetPosition(TPosition::Designed);
    SetStayOnTop(true);
    QFont f = font();
    f.setPixelSize(16);
    setFont(f);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Bottom-left corner of the screen: the one the main window measured at its start.
    int screenHeight = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        screenHeight = screen->geometry().height();
    move(3, screenHeight - height() - 20);

    Image = QImage(PictureSize, PictureSize, QImage::Format_RGB32);
    Image.fill(Qt::black);
}

void TFrmCutView::ShowFor(CrossSectionSource* player)
{
    Owner.Set(player);
    Show();
    DrawCrossSection();
}

void TFrmCutView::DrawCrossSection()
{
    const CrossSectionSource* player = Owner.Get();
    if (!player)
        return;
    const CrossSectionFrame frame = player->CrossSection();
    if (frame.ViewState < 2 || frame.ColorMode == 2)
        return;

    Image.fill(Qt::black);
    QPainter p(&Image);
    p.setFont(LabelFont(font()));
    const QPen black(Qt::black), white(Qt::white);
    const int c = Centre;

    const int nodes = frame.NodesPerFrame;
    if ((frame.BodyLoaded || frame.SelectedLayer) && nodes > 0) {
        const int rings = std::min(frame.SelectedLayer, MaxRings);
        for (int layer = rings - 1; layer >= 0; --layer) {
            const int inner = layer * LayerWidth + SkinRadius;
            const int step = LayerWidth / nodes;
            // Outermost node first, each circle painted over by the next one in; node 0 ends
            // up nearest the skin.
            int drawn = inner + LayerWidth + 1;
            for (int n = nodes - 1; n >= 0; --n) {
                // Up to one node per pixel every node gets the same whole-pixel step (which may
                // leave a gap at the inner edge); beyond that a node's ring runs between its
                // fractional radii, rounded, so hidden nodes cost no circle and no gap remains.
                const int r = nodes <= MaxSubRings
                                  ? inner + LayerWidth - (nodes - 1 - n) * step
                                  : inner + (LayerWidth * (n + 1) * 2 + nodes) / (2 * nodes);
                if (r >= drawn || r <= inner)
                    continue;
                p.setPen(drawn > inner + LayerWidth ? black : Qt::NoPen);
                p.setBrush(PackedColor(player->GetNodeColor(layer, n)));
                Disc(p, r);
                drawn = r;
            }
            const int gapRadius = nodes <= MaxSubRings ? inner + LayerWidth - nodes * step : inner;
            p.setPen(black);
            if (gapRadius > inner) {
                p.setBrush(Qt::black);
                Disc(p, gapRadius);
            }
        }
        // The labels after all rings: the wide rings of many layers reach under them.
        p.setPen(white);
        for (int layer = 0; layer < rings; ++layer) {
            p.drawLine(c + SkinRadius + layer * LayerWidth + LayerWidth / 2, c, LayerLabelLeft, layer * 20 + 10);
            Label(p, LayerLabelLeft, layer * 20 + 5, "Layer " + QString::number(layer + 1));
        }
    }

    p.setPen(black);
    p.setBrush(SlotColor(frame.BodyColor));
    Disc(p, SkinRadius);
    p.setPen(white);
    p.drawLine(c - 38, c, c - 38, 8);
    Label(p, c - 38, 5, "Skin");

    p.setPen(black);
    if (frame.ColorMode == 1) {
        p.setBrush(Qt::black);  // the core has no humidity
        Disc(p, CoreRadius);
    } else {
        p.setBrush(SlotColor(frame.CoreColor));
        Disc(p, CoreRadius);
        p.setPen(white);
        p.drawLine(c, c, c, 8);
        Label(p, c, 5, "Core");
    }
    p.end();
    update();
}

QFont TFrmCutView::LabelFont(const QFont& windowFont)
{
    QFont small = windowFont;
    small.setPixelSize(12);
    return small;
}

void TFrmCutView::FormClose()
{
    if (CrossSectionSource* player = Owner.Get())
        player->CrossSectionClosed();
}

void TFrmCutView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, Image);
}
