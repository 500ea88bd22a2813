// Writes the wearer pictures of the "Style" folder: a front view of a man ("male.bmp") and of a
// woman ("female.bmp") that the body dialog shows beside its sex choice. The figures are smooth
// mannequins built from a few body parts joined into one outline, shaded for a little volume.
// Deterministic: the same pictures on every run.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <vector>

#include "tools/genassets.h"

namespace {

constexpr int Width = 170;
constexpr int Height = 340;
constexpr double Mid = Width / 2.0;

// Proportions of one figure, in pixels of the picture (x as half widths from the middle).
struct Figure {
    const char* file;
    const char* caption;
    QColor light, dark, outline, hair;
    double headRx, headRy, headY;
    double neckHalf;
    // Right half of the torso outline from the neck down to the crotch: (half width, y).
    std::vector<QPointF> torso;
    double shoulderX, shoulderY, elbowX, elbowY, wristX, wristY, upperArm, forearm, handRx, handRy;
    double hipX, kneeX, kneeY, ankleX, ankleY, thigh, calf;
    bool longHair;
};

// A closed smooth curve through the points (Catmull-Rom turned into cubic Béziers).
QPainterPath SmoothClosed(const std::vector<QPointF>& p)
{
    QPainterPath path;
    const int n = static_cast<int>(p.size());
    path.moveTo(p[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF& p0 = p[static_cast<std::size_t>((i - 1 + n) % n)];
        const QPointF& p1 = p[static_cast<std::size_t>(i)];
        const QPointF& p2 = p[static_cast<std::size_t>((i + 1) % n)];
        const QPointF& p3 = p[static_cast<std::size_t>((i + 2) % n)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

// A limb segment of the given width with rounded ends.
QPainterPath Segment(QPointF from, QPointF to, double width)
{
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath BodyOutline(const Figure& f)
{
    std::vector<QPointF> outline;
    for (const QPointF& q : f.torso)
        outline.emplace_back(Mid + q.x(), q.y());
    for (auto it = f.torso.rbegin(); it != f.torso.rend(); ++it)
        outline.emplace_back(Mid - it->x(), it->y());
    QPainterPath body = SmoothClosed(outline);

    body = body.united(Ellipse({Mid, f.headY}, f.headRx, f.headRy));
    QPainterPath neck;
    neck.addRect(QRectF(Mid - f.neckHalf, f.headY + f.headRy * 0.5, 2 * f.neckHalf, f.headRy * 1.1));
    body = body.united(neck);

    for (int side : {-1, 1}) {
        const QPointF shoulder(Mid + side * f.shoulderX, f.shoulderY);
        const QPointF elbow(Mid + side * f.elbowX, f.elbowY);
        const QPointF wrist(Mid + side * f.wristX, f.wristY);
        body = body.united(Segment(shoulder, elbow, f.upperArm));
        body = body.united(Segment(elbow, wrist, f.forearm));
        body = body.united(Ellipse(wrist + QPointF(side * 1.0, f.handRy * 0.8), f.handRx, f.handRy));

        const QPointF hip(Mid + side * f.hipX, f.torso.back().y() - 14);
        const QPointF knee(Mid + side * f.kneeX, f.kneeY);
        const QPointF ankle(Mid + side * f.ankleX, f.ankleY);
        body = body.united(Segment(hip, knee, f.thigh));
        body = body.united(Segment(knee, ankle, f.calf));
        body = body.united(Ellipse(ankle + QPointF(side * 3.0, 4.0), f.calf * 0.55, 4.5));
    }
    return body.simplified();
}

QPainterPath Hair(const Figure& f)
{
    const double top = f.headY - f.headRy;
    if (!f.longHair) {
        // Short hair: a cap over the crown.
        QPainterPath cap = Ellipse({Mid, f.headY - 3}, f.headRx + 1.5, f.headRy + 0.5);
        QPainterPath face = Ellipse({Mid, f.headY + 6}, f.headRx + 2, f.headRy - 1);
        return cap.subtracted(face);
    }
    // Shoulder-length hair framing the face.
    std::vector<QPointF> h = {
        {Mid, top - 3},
        {Mid + f.headRx + 4, f.headY - f.headRy * 0.5},
        {Mid + f.headRx + 6, f.headY + f.headRy * 0.6},
        {Mid + f.headRx + 7, f.headY + f.headRy * 1.45},
        {Mid + f.headRx - 2, f.headY + f.headRy * 1.35},
        {Mid - f.headRx + 2, f.headY + f.headRy * 1.35},
        {Mid - f.headRx - 7, f.headY + f.headRy * 1.45},
        {Mid - f.headRx - 6, f.headY + f.headRy * 0.6},
        {Mid - f.headRx - 4, f.headY - f.headRy * 0.5},
    };
    QPainterPath hair = SmoothClosed(h);
    QPainterPath face = Ellipse({Mid, f.headY + 5}, f.headRx - 1.5, f.headRy - 1);
    QPainterPath neck;
    neck.addRect(QRectF(Mid - f.neckHalf - 1, f.headY, 2 * f.neckHalf + 2, f.headRy * 2));
    return hair.subtracted(face).subtracted(neck);
}

QImage Draw(const Figure& f)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, Height);
    background.setColorAt(0, QColor(252, 253, 255));
    background.setColorAt(1, QColor(226, 232, 240));
    p.fillRect(image.rect(), background);

    // The floor shadow grounds the figure.
    QRadialGradient shadow(QPointF(Mid, f.ankleY + 9), 48);
    shadow.setColorAt(0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(Mid, f.ankleY + 9), 48, 7);

    const QPainterPath body = BodyOutline(f);
    QLinearGradient shade(Mid - 50, 0, Mid + 50, 0);
    shade.setColorAt(0, f.dark);
    shade.setColorAt(0.42, f.light);
    shade.setColorAt(0.58, f.light);
    shade.setColorAt(1, f.dark);
    p.setBrush(shade);
    p.setPen(QPen(f.outline, 1.4));
    p.drawPath(body);

    p.setPen(QPen(f.outline, 1.2));
    p.setBrush(f.hair);
    p.drawPath(Hair(f));

    p.setFont(GeneratorFont(13));
    p.setPen(QColor(60, 70, 85));
    p.drawText(QRectF(0, Height - 28, Width, 22), Qt::AlignCenter, f.caption);
    p.end();
    return image;
}

Figure Man()
{
    Figure f;
    f.file = "male.bmp";
    f.caption = "Male";
    f.light = QColor(178, 205, 232);
    f.dark = QColor(92, 133, 180);
    f.outline = QColor(40, 66, 100);
    f.hair = QColor(70, 56, 44);
    f.headRx = 15;
    f.headRy = 19;
    f.headY = 40;
    f.neckHalf = 7.5;
    f.torso = {{7, 62}, {22, 70}, {33, 79}, {27, 104}, {25, 126}, {22, 150}, {24, 170}, {25, 186}, {12, 196}, {1, 198}};
    f.shoulderX = 32; f.shoulderY = 85;
    f.elbowX = 40; f.elbowY = 137;
    f.wristX = 46; f.wristY = 182;
    f.upperArm = 14; f.forearm = 11; f.handRx = 6; f.handRy = 10;
    f.hipX = 14; f.kneeX = 14.5; f.kneeY = 248; f.ankleX = 13.5; f.ankleY = 298;
    f.thigh = 20; f.calf = 15;
    f.longHair = false;
    return f;
}

Figure Woman()
{
    Figure f;
    f.file = "female.bmp";
    f.caption = "Female";
    f.light = QColor(244, 200, 212);
    f.dark = QColor(201, 122, 148);
    f.outline = QColor(112, 48, 72);
    f.hair = QColor(92, 60, 40);
    f.headRx = 14;
    f.headRy = 18;
    f.headY = 44;
    f.neckHalf = 6.5;
    f.torso = {{6, 65}, {18, 72}, {27, 81}, {22, 102}, {23, 114}, {17, 146}, {24, 170}, {27, 186}, {14, 198}, {1, 200}};
    f.shoulderX = 26; f.shoulderY = 86;
    f.elbowX = 35; f.elbowY = 137;
    f.wristX = 43; f.wristY = 181;
    f.upperArm = 11; f.forearm = 9; f.handRx = 5; f.handRy = 9;
    f.hipX = 14.5; f.kneeX = 13; f.kneeY = 250; f.ankleX = 11; f.ankleY = 298;
    f.thigh = 20; f.calf = 13;
    f.longHair = true;
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_style", "Style", [](const QString& folder) {
        bool ok = true;
        for (const Figure& f : {Man(), Woman()})
            ok &= SaveBitmap(Draw(f), folder + f.file);
        return ok;
    });
}
