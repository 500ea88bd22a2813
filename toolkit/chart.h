#pragma once
// A picture the program draws on and shows at its own size, standing in for an image control
// with its canvas; and the two point charts the material dialogs draw on it (regain curves, and
// the temperature curves of membranes).
#include <QColor>
#include <QImage>
#include <QWidget>
#include <vector>

// The desktop's scroll-bar colour, which charts are filled with and inputs that are off are
// painted in.
QColor ScrollBarColor();

class TChartImage : public QWidget {
    Q_OBJECT
public:
    TChartImage(QWidget* parent, int width, int height);

    const QImage& Picture() const { return Canvas; }
    int PictureWidth() const { return Canvas.width(); }
    int PictureHeight() const { return Canvas.height(); }

    // The colour the next fill uses; charts leave it at the scroll-bar colour.
    QColor BrushColor = Qt::white;
    // Fills the whole picture with the brush colour.
    void FillPicture();

    // Drawing with a black pen one pixel wide; texts start at their top-left corner.
    void Line(int x1, int y1, int x2, int y2);
    void Polyline(const std::vector<QPoint>& points);
    void TextOut(int x, int y, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage Canvas;
};

// The regain chart: points spaced by their index along the horizontal axis, values as fractions
// of the axis height (labelled 20 .. 100), a curve from the origin. x is not drawn; the third
// argument is not used.
void DrawRegainChart(TChartImage& image, std::vector<double> x, int unused, int rightMargin,
                     std::vector<double> y);

// The general point chart: points spaced by their index, values scaled to the largest one,
// which labels the top of the axis. Without points only the axes are drawn. x is not drawn;
// the third argument is not used.
void DrawCurveChart(TChartImage& image, std::vector<double> x, int unused, int rightMargin,
                    std::vector<double> y);
