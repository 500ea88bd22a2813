#include "toolkit/chart.h"

#include <QPainter>
#include <cmath>

#include "casemodel/numformat.h"

QColor ScrollBarColor() { return QColor(200, 200, 200); }

TChartImage::TChartImage(QWidget* parent, int width, int height)
    : QWidget(parent), Canvas(width, height, QImage::Format_RGB32)
{
    setFixedSize(width, height);
    Canvas.fill(Qt::white);
}

void TChartImage::FillPicture()
{
    Canvas.fill(BrushColor);
    update();
}

namespace {

QPainter& Pen(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    return painter;
}

} // namespace

void TChartImage::Line(int x1, int y1, int x2, int y2)
{
    QPainter painter(&Canvas);
    Pen(painter).drawLine(x1, y1, x2, y2);
    update();
}

void TChartImage::Polyline(const std::vector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    QPainter painter(&Canvas);
    Pen(painter).drawPolyline(points.data(), static_cast<int>(points.size()));
    update();
}

void TChartImage::TextOut(int x, int y, const QString& text)
{
    QPainter painter(&Canvas);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    Pen(painter).drawText(QRect(x, y, Canvas.width(), 12), Qt::AlignLeft | Qt::AlignTop, text);
    update();
}

void TChartImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Canvas);
}

namespace {

constexpr int BottomMargin = 15;  // the horizontal axis lies this far above the bottom

// A vertical position in pixels; values far off the chart stay far off it without overflowing.
int Pixel(double y)
{
    if (!(y > -100000))
        return -100000;
    if (y > 100000)
        return 100000;
    return static_cast<int>(std::lround(y));
}

// Scroll-bar background and the two axes from the given left edge.
void DrawAxes(TChartImage& image, int left)
{
    const int w = image.PictureWidth();
    const int h = image.PictureHeight();
    image.BrushColor = ScrollBarColor();
    image.FillPicture();
    image.Line(left, h - BottomMargin, left, 0);
    image.Line(left, h - BottomMargin, w, h - BottomMargin);
}

// Ticks of the n points along the horizontal axis, every first, second or fourth one labelled
// with its number, so that labels do not run into each other.
void DrawPointTicks(TChartImage& image, int left, int dx, int n)
{
    const int h = image.PictureHeight();
    const int k = n < 6 ? 1 : (n < 20 ? 2 : 4);
    for (int i = 1; i <= n; ++i) {
        const int x = left + i * dx;
        image.Line(x, h - BottomMargin, x, h - BottomMargin - 2);
        if (i % k == 0)
            image.TextOut(x - k - 1, h - BottomMargin + 2, QString::number(i));
    }
}

} // namespace

void DrawRegainChart(TChartImage& image, std::vector<double>, int, int rightMargin, std::vector<double> y)
{
    constexpr int left = 20;
    const int w = image.PictureWidth();
    const int h = image.PictureHeight();
    DrawAxes(image, left);

    const int dy = (h - 18) / 5;
    for (int j = 1; j <= 5; ++j) {
        const int yj = h - BottomMargin - j * dy;
        image.Line(left, yj, left + 2, yj);
        image.TextOut(j < 5 ? 5 : 0, yj - 4, QString::number(20 * j));
    }

    const int n = static_cast<int>(y.size());
    if (n == 0)
        return;  // nothing to space the points by
    const int dx = (w - left - rightMargin) / n;
    DrawPointTicks(image, left, dx, n);

    std::vector<QPoint> curve{QPoint(left, h - BottomMargin)};
    for (int i = 1; i <= n; ++i)
        curve.emplace_back(left + i * dx,
                           Pixel(h - BottomMargin - y[i - 1] * (h - BottomMargin)));
    image.Polyline(curve);
}

void DrawCurveChart(TChartImage& image, std::vector<double> x, int, int rightMargin, std::vector<double> y)
{
    constexpr int left = 2;
    const int w = image.PictureWidth();
    const int h = image.PictureHeight();
    DrawAxes(image, left);
    if (x.empty() || y.empty())
        return;

    double ymax = y[0];
    for (double v : y)
        if (v > ymax)
            ymax = v;

    const int n = static_cast<int>(y.size());
    const int dx = (w - left - rightMargin) / n;
    const int dy = (h - 18) / n;
    DrawPointTicks(image, left, dx, n);
    for (int j = 1; j <= n; ++j) {
        const int yj = h - BottomMargin - j * dy;
        image.Line(left, yj, left + 2, yj);
        if (j == n && ymax > 0)
            image.TextOut(left + 2, yj - 4, QString::fromStdString(FloatToStr(ymax)));
    }

    std::vector<QPoint> curve;
    for (int i = 1; i <= n; ++i) {
        const int yi = ymax != 0 ? Pixel(h - BottomMargin - y[i - 1] / ymax * (h - 18)) : h - BottomMargin;
        curve.emplace_back(left + i * dx, yi);
    }
    image.Polyline(curve);
}
