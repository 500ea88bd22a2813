// Writes the pictures of the about and splash windows below "Icon/form": the tall picture of
// the about window (a clothed wearer with heat and moisture leaving through the garment), its
// small emblem, and the splash picture (the name, the version and the definition steps).
// Deterministic: the same pictures on every run.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/flowchart.h"
#include "tools/genassets.h"

namespace {

const char* const Version = VersionText;

// A standing wearer in a jacket and trousers, centred on x, from `top` down, `height` tall.
void DrawWearer(QPainter& p, double x, double top, double height)
{
    const double u = height / 100.0;  // the figure is drawn on a 100-unit height
    auto at = [&](double dx, double dy) { return QPointF(x + dx * u, top + dy * u); };
    p.save();
    p.setPen(QPen(QColor(30, 40, 60), 0.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Skin glow: the body is warmer than the air around it.
    QRadialGradient glow(at(0, 40), 42 * u);
    glow.setColorAt(0, QColor(255, 170, 90, 120));
    glow.setColorAt(1, QColor(255, 170, 90, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(at(0, 40), 40 * u, 52 * u);
    p.setPen(QPen(QColor(30, 40, 60), 0.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Legs in trousers.
    p.setBrush(QColor(52, 66, 96));
    QPainterPath trousers;
    trousers.moveTo(at(-11, 52));
    trousers.lineTo(at(11, 52));
    trousers.lineTo(at(10, 95));
    trousers.lineTo(at(2, 95));
    trousers.lineTo(at(0, 62));
    trousers.lineTo(at(-2, 95));
    trousers.lineTo(at(-10, 95));
    trousers.closeSubpath();
    p.drawPath(trousers);
    p.setBrush(QColor(40, 34, 30));
    p.drawRoundedRect(QRectF(at(-12, 94), at(-1, 99)), u, u);
    p.drawRoundedRect(QRectF(at(1, 94), at(12, 99)), u, u);

    // Arms in sleeves.
    p.setBrush(QColor(196, 72, 52));
    QPainterPath leftArm;
    leftArm.moveTo(at(-13, 20));
    leftArm.lineTo(at(-20, 52));
    leftArm.lineTo(at(-15, 53));
    leftArm.lineTo(at(-9, 28));
    leftArm.closeSubpath();
    p.drawPath(leftArm);
    QPainterPath rightArm;
    rightArm.moveTo(at(13, 20));
    rightArm.lineTo(at(20, 52));
    rightArm.lineTo(at(15, 53));
    rightArm.lineTo(at(9, 28));
    rightArm.closeSubpath();
    p.drawPath(rightArm);
    p.setBrush(QColor(236, 196, 160));
    p.drawEllipse(at(-17.5, 55), 2.6 * u, 3 * u);
    p.drawEllipse(at(17.5, 55), 2.6 * u, 3 * u);

    // Jacket with a zip and a collar.
    QLinearGradient jacket(at(-14, 0), at(14, 0));
    jacket.setColorAt(0, QColor(176, 58, 42));
    jacket.setColorAt(0.5, QColor(222, 92, 64));
    jacket.setColorAt(1, QColor(176, 58, 42));
    p.setBrush(jacket);
    QPainterPath body;
    body.moveTo(at(-6, 15));
    body.lineTo(at(6, 15));
    body.quadTo(at(14, 16), at(14, 22));
    body.lineTo(at(12, 56));
    body.lineTo(at(-12, 56));
    body.lineTo(at(-14, 22));
    body.quadTo(at(-14, 16), at(-6, 15));
    p.drawPath(body);
    p.drawLine(at(0, 18), at(0, 55));

    // Head and neck.
    p.setBrush(QColor(236, 196, 160));
    p.drawRect(QRectF(at(-2.5, 11), at(2.5, 16)));
    p.drawEllipse(at(0, 6), 6 * u, 7 * u);
    p.setBrush(QColor(70, 50, 36));
    QPainterPath hair;
    hair.moveTo(at(-6, 5));
    hair.quadTo(at(-6, -2), at(0, -1.5));
    hair.quadTo(at(6, -2), at(6, 5));
    hair.quadTo(at(0, 1), at(-6, 5));
    p.drawPath(hair);
    p.restore();
}

// Wavy heat lines and moisture drops leaving the garment on both sides.
void DrawTransfer(QPainter& p, double x, double top, double height)
{
    const double u = height / 100.0;
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 120, 60), 1.1 * u, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const double y = top + (24 + i * 11) * u;
            const double x0 = x + side * 18 * u;
            QPainterPath wave(QPointF(x0, y));
            for (int k = 1; k <= 4; ++k)
                wave.quadTo(QPointF(x0 + side * (k * 4 - 2) * u, y + (k % 2 ? -2.5 : 2.5) * u),
                            QPointF(x0 + side * k * 4 * u, y));
            p.drawPath(wave);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 180, 255));
    const double drops[][2] = {{-27, 70}, {-33, 62}, {28, 68}, {35, 76}, {-38, 80}, {31, 58}};
    for (const auto& d : drops) {
        const QPointF c(x + d[0] * u, top + d[1] * u);
        QPainterPath drop;
        drop.moveTo(c + QPointF(0, -2.8 * u));
        drop.quadTo(c + QPointF(2 * u, 0), c + QPointF(0, 1.6 * u));
        drop.quadTo(c + QPointF(-2 * u, 0), c + QPointF(0, -2.8 * u));
        p.drawPath(drop);
    }
    p.restore();
}

QImage AboutPicture()
{
    const int w = 208, h = 353;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(28, 58, 100));
    sky.setColorAt(1, QColor(38, 120, 140));
    p.fillRect(img.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    for (int y = 0; y < h; y += 16)
        p.drawLine(0, y, w, y);
    DrawWearer(p, w / 2.0, 40, 270);
    DrawTransfer(p, w / 2.0, 40, 270);
    return img;
}

QImage AboutEmblem()
{
    const int s = 48;
    QImage img(s, s, QImage::Format_RGB32);
    img.fill(QColor(240, 240, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Three fabric layers over a warm core: the clothing system the program models.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 110, 70));
    p.drawEllipse(QPointF(24, 24), 8, 8);
    const QColor layers[] = {QColor(40, 110, 170), QColor(60, 140, 190), QColor(100, 170, 210)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(layers[i], 3.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const double r = 12 + i * 5.5;
        p.drawArc(QRectF(24 - r, 24 - r, 2 * r, 2 * r), 200 * 16, 320 * 16);
    }
    return img;
}

QImage SplashPicture()
{
    const int w = 559, h = 353;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PaintGridBackground(p, img.rect(), QColor(24, 52, 92), QColor(30, 112, 132), 20, 18);

    DrawWearer(p, 110, 28, 228);
    DrawTransfer(p, 110, 28, 228);

    p.setPen(QColor(250, 250, 252));
    p.setFont(GeneratorFont(46));
    p.drawText(QRect(236, 48, 310, 60), Qt::AlignLeft | Qt::AlignVCenter, "Vantora");
    p.setFont(GeneratorFont(17, false));
    p.drawText(QRect(238, 110, 310, 26), Qt::AlignLeft | Qt::AlignVCenter, "Thermal design of clothing");
    p.setPen(QColor(255, 206, 120));
    p.setFont(GeneratorFont(14));
    p.drawText(QRect(238, 142, 310, 22), Qt::AlignLeft | Qt::AlignVCenter, QString("Version ") + Version);
    p.setPen(QColor(214, 228, 240));
    p.setFont(GeneratorFont(12, false));
    p.drawText(QRect(238, 176, 300, 40), Qt::AlignLeft | Qt::TextWordWrap,
               "Heat and moisture transfer from the body through fibres, fabrics and garments.");

    // The definition steps, left to right.
    const char* steps[] = {"Activity", "Environment", "Garment", "Body", "Simulation", "Results"};
    const double boxW = 84, boxH = 30, gap = 7, top = 290;
    const double left = (w - (6 * boxW + 5 * gap)) / 2;
    p.setFont(GeneratorFont(11));
    for (int i = 0; i < 6; ++i) {
        const QRectF box(left + i * (boxW + gap), top, boxW, boxH);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, QColor(255, 236, 150));
        fill.setColorAt(1, QColor(245, 180, 60));
        p.setPen(QPen(QColor(150, 80, 10), 1.2));
        p.setBrush(fill);
        p.drawRoundedRect(box, 6, 6);
        p.setPen(QColor(80, 40, 0));
        p.drawText(box, Qt::AlignCenter, steps[i]);
        if (i < 5) {
            const QPointF a(box.right() + 1, box.center().y());
            const QPointF b(box.right() + gap - 1, box.center().y());
            p.setPen(QPen(QColor(240, 244, 250), 1.6));
            p.drawLine(a, b);
            QPainterPath head;
            head.moveTo(b + QPointF(1, 0));
            head.lineTo(b + QPointF(-3, -3));
            head.lineTo(b + QPointF(-3, 3));
            head.closeSubpath();
            p.setBrush(QColor(240, 244, 250));
            p.drawPath(head);
        }
    }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_about", "Icon/form", [](const QString& form) {
        bool ok = SaveBitmap(AboutPicture(), form + "about.bmp");
        ok &= SaveBitmap(AboutEmblem(), form + "aboutlogo.bmp");
        ok &= SaveBitmap(SplashPicture(), form + "splash.bmp");
        return ok;
    });
}
