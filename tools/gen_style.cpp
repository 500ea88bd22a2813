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
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "casemodel/garmentstyles.h"
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

// The figure's parts; garments are cut from them.
struct BodyParts {
    QPainterPath torso, neck, head, arms, hands, legs, feet;
};

BodyParts Parts(const Figure& f)
{
    BodyParts b;
    std::vector<QPointF> outline;
    for (const QPointF& q : f.torso)
        outline.emplace_back(Mid + q.x(), q.y());
    for (auto it = f.torso.rbegin(); it != f.torso.rend(); ++it)
        outline.emplace_back(Mid - it->x(), it->y());
    b.torso = SmoothClosed(outline);
    b.head = Ellipse({Mid, f.headY}, f.headRx, f.headRy);
    b.neck.addRect(QRectF(Mid - f.neckHalf, f.headY + f.headRy * 0.5, 2 * f.neckHalf, f.headRy * 1.1));

    for (int side : {-1, 1}) {
        const QPointF shoulder(Mid + side * f.shoulderX, f.shoulderY);
        const QPointF elbow(Mid + side * f.elbowX, f.elbowY);
        const QPointF wrist(Mid + side * f.wristX, f.wristY);
        b.arms = b.arms.united(Segment(shoulder, elbow, f.upperArm));
        b.arms = b.arms.united(Segment(elbow, wrist, f.forearm));
        b.hands = b.hands.united(Ellipse(wrist + QPointF(side * 1.0, f.handRy * 0.8), f.handRx, f.handRy));

        const QPointF hip(Mid + side * f.hipX, f.torso.back().y() - 14);
        const QPointF knee(Mid + side * f.kneeX, f.kneeY);
        const QPointF ankle(Mid + side * f.ankleX, f.ankleY);
        b.legs = b.legs.united(Segment(hip, knee, f.thigh));
        b.legs = b.legs.united(Segment(knee, ankle, f.calf));
        b.feet = b.feet.united(Ellipse(ankle + QPointF(side * 3.0, 4.0), f.calf * 0.55, 4.5));
    }
    return b;
}

QPainterPath BodyOutline(const Figure& f)
{
    const BodyParts b = Parts(f);
    QPainterPath body = b.torso;
    for (const QPainterPath* part : {&b.head, &b.neck, &b.arms, &b.hands, &b.legs, &b.feet})
        body = body.united(*part);
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

// The scene of a picture of the given width: background, floor shadow and the figure, centred.
// The background runs top to bottom only, so every row has one colour whatever the width.
void DrawFigure(QPainter& p, const Figure& f, int width)
{
    QLinearGradient background(0, 0, 0, Height);
    background.setColorAt(0, QColor(252, 253, 255));
    background.setColorAt(1, QColor(226, 232, 240));
    p.fillRect(QRect(0, 0, width, Height), background);
    p.translate((width - Width) / 2, 0);

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
}

QImage DrawWearer(const Figure& f)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFigure(p, f, Width);
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

// ---- the garment styles ------------------------------------------------------------------

// A style picture has the aspect of the style list's cells (61 x 78) and shows the wearer's
// figure at the size of the wearer picture, centred, with the style's number in the free corner.
constexpr int StyleWidth = 266;
constexpr int FigureLeft = (StyleWidth - Width) / 2;
// Covered shares count the figure above the floor: the feet and the floor shadow stay out.
constexpr int MeasuredRows = 290;
// A pixel is part of the figure (or dressed) when a channel differs by more than this.
constexpr int Difference = 24;

bool Differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) > Difference || std::abs(qGreen(a) - qGreen(b)) > Difference ||
           std::abs(qBlue(a) - qBlue(b)) > Difference;
}

// The share of the undressed figure that the dressed picture changes.
double CoveredShare(const QImage& bare, const QImage& dressed)
{
    long figure = 0;
    long covered = 0;
    for (int y = 0; y < MeasuredRows; ++y) {
        const QRgb background = bare.pixel(0, y);
        for (int x = FigureLeft; x < FigureLeft + Width; ++x) {
            if (!Differs(bare.pixel(x, y), background))
                continue;
            ++figure;
            if (Differs(bare.pixel(x, y), dressed.pixel(x, y)))
                ++covered;
        }
    }
    return figure ? double(covered) / double(figure) : 0;
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }
double Ramp(double a, double from, double to)
{
    return to <= from ? (a >= to ? 1 : 0) : std::clamp((a - from) / (to - from), 0.0, 1.0);
}

// One family of ensembles. An amount from 0 (a swimsuit) to 1 (covered from hat to gloves)
// dresses the figure step by step; the family decides the order in which sleeves and legs
// grow and what the garments look like. The amount of each style is found so that the picture
// covers the style's share of the figure.
struct Outfit {
    QColor top, bottom;
    Qt::BrushStyle pattern;  // over the top garment; Qt::NoBrush for a plain one
    bool dress;              // one garment from the neckline down, in the top's colour
    double sleeveFrom, sleeveTo;  // amounts over which the sleeves grow from the shoulder to the wrist
    double legFrom, legTo;        // amounts over which the legs are covered from the crotch to the ankle
};

QRectF Band(double y0, double y1) { return QRectF(-50, y0, Width + 100, std::max(0.0, y1 - y0)); }

QPainterPath Cut(const QPainterPath& part, double y0, double y1)
{
    QPainterPath band;
    band.addRect(Band(y0, y1));
    return part.intersected(band);
}

void DrawGarments(QPainter& p, const Figure& f, const Outfit& o, double amount)
{
    const BodyParts b = Parts(f);
    const double neck = f.torso.front().y();
    const double chest = f.shoulderY + 8;
    const double underbust = f.shoulderY + 30;
    const double waist = f.torso[5].y();
    const double hip = f.torso[7].y() - 8;
    const double crotch = f.torso.back().y();

    // The upper garment grows from a band over the chest to the whole trunk.
    const double trunk = Ramp(amount, 0, 0.25);
    const double topFrom = Lerp(chest - 4, neck + 6, trunk);
    const double topTo = Lerp(underbust, hip, trunk);
    const double bottomFrom = o.dress ? topTo : Lerp(hip, waist, trunk);
    const double sleeve = Ramp(amount, o.sleeveFrom, o.sleeveTo);
    const double leg = Ramp(amount, o.legFrom, o.legTo);

    QPainterPath top = Cut(b.torso, topFrom, topTo);
    if (sleeve > 0)
        top = top.united(Cut(b.arms, f.shoulderY - 20, Lerp(f.shoulderY + 10, f.wristY, sleeve)));
    if (amount > 0.8)
        top = top.united(Cut(b.neck, neck - 14, neck + 2));  // a collar
    QPainterPath bottom = Cut(b.torso, bottomFrom, crotch + 4)
                              .united(Cut(b.legs, crotch - 30, Lerp(crotch + 6, MeasuredRows + 2, leg)));
    QPainterPath extras;
    if (amount > 0.82)
        extras = extras.united(b.hands);  // gloves
    if (amount > 0.88)
        extras = extras.united(Cut(b.head.united(Hair(f)), 0, f.headY - f.headRy * 0.3));  // a cap
    if (amount > 0.94) {
        // A hood over the hair and a scarf round the neck.
        extras = extras.united(Hair(f)).united(Cut(b.head, 0, f.headY - f.headRy * 0.1)).united(b.neck);
    }

    p.save();
    // The garments reach over the figure's outline, as far as it is drawn, and no further.
    const QPainterPath body = BodyOutline(f);
    QPainterPathStroker edge;
    edge.setWidth(1.4);
    p.setClipPath(body.united(edge.createStroke(body)));
    const QColor bottomColour = o.dress ? o.top : o.bottom;
    auto fill = [&](const QPainterPath& piece, const QColor& colour, Qt::BrushStyle pattern) {
        if (piece.isEmpty())
            return;
        p.setPen(QPen(colour.darker(170), 1.2));
        p.setBrush(colour);
        p.drawPath(piece);
        if (pattern != Qt::NoBrush) {
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(colour.lightness() > 150 ? colour.darker(140) : colour.lighter(150), pattern));
            p.drawPath(piece);
        }
    };
    fill(bottom, bottomColour, o.dress ? o.pattern : Qt::NoBrush);
    fill(top, o.top, o.pattern);
    fill(extras, o.bottom.darker(130), Qt::NoBrush);
    p.restore();
}

QImage DrawStyle(const Figure& f, const Outfit* outfit, double amount, int number)
{
    QImage image(StyleWidth, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFigure(p, f, StyleWidth);
    if (outfit)
        DrawGarments(p, f, *outfit, amount);
    p.resetTransform();
    if (number > 0) {
        p.setFont(GeneratorFont(26));
        p.setPen(QColor(60, 70, 85));
        p.drawText(QRectF(6, 4, FigureLeft + 20, 40), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
    }
    p.end();
    return image;
}

// The amount that makes the outfit cover the share (the covered share grows with the amount).
double AmountFor(const Figure& f, const Outfit& o, double share, const QImage& bare)
{
    double lo = 0;
    double hi = 1;
    for (int i = 0; i < 16; ++i) {
        const double mid = (lo + hi) / 2;
        if (CoveredShare(bare, DrawStyle(f, &o, mid, 0)) < share)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

// The families, four to six styles each, in the order of the coverage tables.
const QColor Navy(38, 52, 98), Denim(52, 88, 140), Red(178, 36, 44), Olive(96, 112, 40), Mustard(206, 152, 30),
    Teal(20, 118, 120), Plum(110, 42, 92), Charcoal(58, 60, 66), Sand(196, 170, 120), Cream(240, 230, 176),
    Green(36, 120, 66), Orange(222, 108, 30), Brown(112, 72, 40), Black(30, 30, 34);

std::vector<Outfit> WomenOutfits()
{
    return {
        // Summer: swimsuit, tank top, shorts.
        {Teal, Teal, Qt::NoBrush, false, 0.5, 0.9, 0.3, 0.6},
        {Red, Red, Qt::NoBrush, false, 0.5, 0.9, 0.35, 0.6},
        {Mustard, Denim, Qt::NoBrush, false, 0.45, 0.9, 0.25, 0.6},
        {Cream, Navy, Qt::BDiagPattern, false, 0.3, 0.8, 0.25, 0.6},
        // Dresses.
        {Orange, Orange, Qt::NoBrush, true, 0.5, 0.9, 0.2, 0.5},
        {Plum, Plum, Qt::Dense6Pattern, true, 0.3, 0.8, 0.2, 0.55},
        {Green, Green, Qt::NoBrush, true, 0.3, 0.7, 0.25, 0.6},
        {Navy, Navy, Qt::CrossPattern, true, 0.25, 0.65, 0.3, 0.7},
        // Blouse and skirt.
        {Cream, Plum, Qt::NoBrush, false, 0.2, 0.6, 0.3, 0.6},
        {Sand, Brown, Qt::NoBrush, false, 0.25, 0.6, 0.3, 0.65},
        {Teal, Charcoal, Qt::HorPattern, false, 0.2, 0.55, 0.3, 0.7},
        {Red, Black, Qt::NoBrush, false, 0.2, 0.5, 0.3, 0.75},
        // Shirt and trousers.
        {Denim, Sand, Qt::NoBrush, false, 0.25, 0.55, 0.1, 0.5},
        {Cream, Denim, Qt::VerPattern, false, 0.2, 0.5, 0.1, 0.5},
        {Olive, Brown, Qt::NoBrush, false, 0.2, 0.5, 0.1, 0.45},
        {Charcoal, Charcoal, Qt::NoBrush, false, 0.2, 0.45, 0.1, 0.45},
        // Knitwear.
        {Mustard, Navy, Qt::Dense6Pattern, false, 0.15, 0.5, 0.2, 0.55},
        {Plum, Charcoal, Qt::NoBrush, false, 0.15, 0.5, 0.2, 0.6},
        {Green, Sand, Qt::DiagCrossPattern, false, 0.15, 0.45, 0.2, 0.6},
        {Red, Navy, Qt::NoBrush, false, 0.15, 0.4, 0.15, 0.55},
        // Winter coats.
        {Brown, Black, Qt::NoBrush, true, 0.15, 0.5, 0.2, 0.6},
        {Navy, Charcoal, Qt::HorPattern, true, 0.15, 0.45, 0.2, 0.6},
        {Red, Black, Qt::NoBrush, true, 0.1, 0.4, 0.15, 0.55},
        {Charcoal, Black, Qt::CrossPattern, true, 0.1, 0.4, 0.1, 0.5},
    };
}

std::vector<Outfit> MenOutfits()
{
    return {
        // Summer: vest, shirt, shorts.
        {Cream, Navy, Qt::NoBrush, false, 0.5, 0.9, 0.25, 0.6},
        {Orange, Olive, Qt::NoBrush, false, 0.45, 0.9, 0.25, 0.6},
        {Teal, Sand, Qt::VerPattern, false, 0.3, 0.8, 0.2, 0.6},
        {Denim, Charcoal, Qt::NoBrush, false, 0.3, 0.7, 0.2, 0.55},
        {Green, Brown, Qt::NoBrush, false, 0.25, 0.6, 0.2, 0.55},
        // Work wear: overalls.
        {Denim, Denim, Qt::NoBrush, true, 0.45, 0.85, 0.2, 0.5},
        {Orange, Orange, Qt::HorPattern, true, 0.35, 0.7, 0.2, 0.5},
        {Olive, Olive, Qt::NoBrush, true, 0.3, 0.65, 0.2, 0.5},
        {Navy, Navy, Qt::NoBrush, true, 0.25, 0.6, 0.15, 0.5},
        // Shirt and trousers.
        {Cream, Charcoal, Qt::NoBrush, false, 0.35, 0.8, 0.15, 0.5},
        {Sand, Brown, Qt::VerPattern, false, 0.3, 0.65, 0.15, 0.5},
        {Denim, Black, Qt::NoBrush, false, 0.25, 0.6, 0.15, 0.5},
        {Red, Navy, Qt::CrossPattern, false, 0.2, 0.55, 0.1, 0.45},
        // Suits.
        {Charcoal, Charcoal, Qt::NoBrush, false, 0.35, 0.75, 0.15, 0.5},
        {Navy, Navy, Qt::Dense6Pattern, false, 0.25, 0.6, 0.15, 0.5},
        {Brown, Brown, Qt::NoBrush, false, 0.2, 0.55, 0.1, 0.45},
        {Black, Black, Qt::NoBrush, false, 0.2, 0.5, 0.1, 0.45},
        // Winter coats.
        {Olive, Brown, Qt::NoBrush, true, 0.3, 0.7, 0.15, 0.5},
        {Red, Charcoal, Qt::HorPattern, true, 0.2, 0.55, 0.15, 0.5},
        {Navy, Black, Qt::NoBrush, true, 0.15, 0.5, 0.1, 0.45},
        {Charcoal, Black, Qt::DiagCrossPattern, true, 0.1, 0.45, 0.1, 0.4},
    };
}

// Writes the pictures of one sex: number first, first + 1, ... with the table's coverages.
bool WriteStyles(const QString& folder, const Figure& f, const std::vector<Outfit>& outfits,
                 const double* coverage, int first)
{
    const QImage bare = DrawStyle(f, nullptr, 0, 0);
    bool ok = true;
    for (std::size_t i = 0; i < outfits.size(); ++i) {
        const double amount = AmountFor(f, outfits[i], coverage[i], bare);
        const int number = first + static_cast<int>(i);
        const QImage picture = DrawStyle(f, &outfits[i], amount, number);
        const double share = CoveredShare(bare, picture);
        // The picture must show what the dialog states about it.
        if (std::abs(share - coverage[i]) > 0.05) {
            std::fprintf(stderr, "style %d covers %.3f instead of %.3f\n", number, share, coverage[i]);
            ok = false;
        }
        ok &= SaveBitmap(picture, folder + QString("%1.bmp").arg(number));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_style", "Style", [](const QString& folder) {
        bool ok = true;
        for (const Figure& f : {Man(), Woman()})
            ok &= SaveBitmap(DrawWearer(f), folder + f.file);
        static_assert(FemaleStyleCount == 24 && MaleStyleCount == 21);
        const std::vector<Outfit> women = WomenOutfits();
        const std::vector<Outfit> men = MenOutfits();
        if (women.size() != CoverageTableFemale.size() || men.size() != CoverageTableMale.size()) {
            std::fprintf(stderr, "one outfit per style is needed\n");
            return false;
        }
        ok &= WriteStyles(folder, Woman(), women, CoverageTableFemale.data(), 1);
        ok &= WriteStyles(folder, Man(), men, CoverageTableMale.data(), FirstMalePicture);
        return ok;
    });
}
