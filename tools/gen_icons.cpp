// Writes the pictures of the "Icon" folder: the step pictures the main window's flow chart shows
// (plain when the step is confirmed, "2" when it is the step to do next), the pictures kept for
// the sports, environment and clothing steps, and below "Icon/form" the main window's own
// pictures (flow-chart background, start pictures of the step buttons, step numbers, tool-bar
// and tree pictures). Deterministic: the same pictures on every run.
#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>
#include <string>

#include "app/flowchart.h"
#include "tools/genassets.h"

namespace {

enum class Look { Start, Done, Next };

struct Step {
    const char* plain;
    const char* next;
    const char* start;
    const char* title;
};

const Step Steps[6] = {
    {"model.bmp", "model2.bmp", "start-model.bmp", "Activity"},
    {"environment.bmp", "environment2.bmp", "start-environment.bmp", "Environment"},
    {"garement.bmp", "garment2.bmp", "start-garment.bmp", "Garment"},
    {"who.bmp", "who2.bmp", "start-body.bmp", "Human Body"},
    {"simulation.bmp", "simulation2.bmp", "start-simulation.bmp", "Simulation"},
    {"results.bmp", "results2.bmp", "start-results.bmp", "Results"},
};

// The small drawing of a step, in a square of side s at the origin.
void DrawSymbol(QPainter& p, int step, double s, const QColor& ink)
{
    p.save();
    QPen pen(ink, s * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (step) {
    case 0: {  // a running figure
        p.setBrush(ink);
        p.drawEllipse(QPointF(s * 0.62, s * 0.16), s * 0.1, s * 0.1);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(s * 0.58, s * 0.3), QPointF(s * 0.45, s * 0.6));
        p.drawLine(QPointF(s * 0.45, s * 0.6), QPointF(s * 0.62, s * 0.75));
        p.drawLine(QPointF(s * 0.62, s * 0.75), QPointF(s * 0.55, s * 0.95));
        p.drawLine(QPointF(s * 0.45, s * 0.6), QPointF(s * 0.25, s * 0.9));
        p.drawLine(QPointF(s * 0.55, s * 0.38), QPointF(s * 0.8, s * 0.5));
        p.drawLine(QPointF(s * 0.55, s * 0.38), QPointF(s * 0.3, s * 0.42));
        break;
    }
    case 1: {  // sun over a thermometer
        p.drawEllipse(QPointF(s * 0.3, s * 0.3), s * 0.14, s * 0.14);
        for (int i = 0; i < 8; ++i) {
            const double a = i * 3.14159265 / 4;
            p.drawLine(QPointF(s * 0.3 + std::cos(a) * s * 0.2, s * 0.3 + std::sin(a) * s * 0.2),
                       QPointF(s * 0.3 + std::cos(a) * s * 0.27, s * 0.3 + std::sin(a) * s * 0.27));
        }
        p.drawRoundedRect(QRectF(s * 0.66, s * 0.1, s * 0.14, s * 0.62), s * 0.07, s * 0.07);
        p.setBrush(ink);
        p.drawEllipse(QPointF(s * 0.73, s * 0.82), s * 0.13, s * 0.13);
        break;
    }
    case 2: {  // a shirt
        QPainterPath shirt;
        shirt.moveTo(s * 0.35, s * 0.12);
        shirt.lineTo(s * 0.1, s * 0.3);
        shirt.lineTo(s * 0.2, s * 0.45);
        shirt.lineTo(s * 0.3, s * 0.38);
        shirt.lineTo(s * 0.3, s * 0.92);
        shirt.lineTo(s * 0.7, s * 0.92);
        shirt.lineTo(s * 0.7, s * 0.38);
        shirt.lineTo(s * 0.8, s * 0.45);
        shirt.lineTo(s * 0.9, s * 0.3);
        shirt.lineTo(s * 0.65, s * 0.12);
        shirt.quadTo(s * 0.5, s * 0.25, s * 0.35, s * 0.12);
        p.drawPath(shirt);
        break;
    }
    case 3: {  // a standing person
        p.setBrush(ink);
        p.drawEllipse(QPointF(s * 0.5, s * 0.14), s * 0.11, s * 0.11);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(s * 0.5, s * 0.3), QPointF(s * 0.5, s * 0.62));
        p.drawLine(QPointF(s * 0.5, s * 0.62), QPointF(s * 0.36, s * 0.95));
        p.drawLine(QPointF(s * 0.5, s * 0.62), QPointF(s * 0.64, s * 0.95));
        p.drawLine(QPointF(s * 0.24, s * 0.5), QPointF(s * 0.5, s * 0.36));
        p.drawLine(QPointF(s * 0.76, s * 0.5), QPointF(s * 0.5, s * 0.36));
        break;
    }
    case 4: {  // a gear-like wheel with a play mark
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.36, s * 0.36);
        QPainterPath play;
        play.moveTo(s * 0.42, s * 0.33);
        play.lineTo(s * 0.68, s * 0.5);
        play.lineTo(s * 0.42, s * 0.67);
        play.closeSubpath();
        p.setBrush(ink);
        p.drawPath(play);
        break;
    }
    default: {  // a bar chart
        p.drawLine(QPointF(s * 0.1, s * 0.92), QPointF(s * 0.9, s * 0.92));
        p.setBrush(ink);
        p.drawRect(QRectF(s * 0.18, s * 0.55, s * 0.14, s * 0.37));
        p.drawRect(QRectF(s * 0.43, s * 0.3, s * 0.14, s * 0.62));
        p.drawRect(QRectF(s * 0.68, s * 0.12, s * 0.14, s * 0.8));
        break;
    }
    }
    p.restore();
}

// Where the main window puts each step button on its flow chart; the pictures take their
// corners from the chart so they sit on it without a frame.
QRect ButtonPlace(int step)
{
    const TChartRect& r = StepButtonPlaces[step];
    return QRect(r.Left, r.Top, r.Width, r.Height);
}

QImage StepPicture(int step, const QImage& chart, const char* title, Look look)
{
    const int width = ButtonPlace(step).width();
    const int height = ButtonPlace(step).height();
    QImage img = chart.copy(ButtonPlace(step)).convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor top, bottom, ink, border;
    switch (look) {
    case Look::Start:  // not yet reached: quiet grey-blue
        top = QColor(214, 220, 228); bottom = QColor(176, 186, 200);
        ink = QColor(70, 80, 96); border = QColor(110, 120, 136);
        break;
    case Look::Done:   // confirmed: green
        top = QColor(196, 236, 196); bottom = QColor(96, 176, 104);
        ink = QColor(20, 70, 28); border = QColor(40, 110, 50);
        break;
    case Look::Next:   // to do next: bright amber with a strong frame
        top = QColor(255, 236, 150); bottom = QColor(250, 176, 40);
        ink = QColor(96, 48, 0); border = QColor(200, 70, 0);
        break;
    }
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(border, look == Look::Next ? 3 : 1.5));
    p.drawRoundedRect(QRectF(2, 2, width - 4, height - 4), 9, 9);
    const double s = height - 24;
    p.translate(8, 12);
    DrawSymbol(p, step, s, ink);
    p.resetTransform();
    p.setPen(ink);
    const QRectF textArea(s + 13, 0, width - s - 17, height);
    int pixels = 15;
    while (pixels > 9 && QFontMetricsF(GeneratorFont(pixels)).horizontalAdvance(title) > textArea.width())
        --pixels;
    p.setFont(GeneratorFont(pixels));
    p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, title);
    if (look == Look::Done) {  // a check mark in the corner
        p.setPen(QPen(QColor(20, 110, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(width - 22, height - 16), QPointF(width - 16, height - 10));
        p.drawLine(QPointF(width - 16, height - 10), QPointF(width - 7, height - 22));
    }
    return img;
}

QImage Labelled(int width, int height, const char* title, int step, const QColor& base)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(base.lighter(150));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(base.darker(160), 2));
    p.setBrush(base.lighter(125));
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 6, 6);
    p.translate(6, 6);
    DrawSymbol(p, step, height - 12, base.darker(250));
    p.resetTransform();
    p.setPen(base.darker(250));
    p.setFont(GeneratorFont(12));
    p.drawText(QRectF(height, 0, width - height - 4, height), Qt::AlignVCenter, title);
    return img;
}

QImage FlowChart()
{
    const int w = 817, h = 577;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PaintGridBackground(p, img.rect(), QColor(150, 156, 166), QColor(104, 110, 122), 24, 22);
    // Connectors between the step buttons (their rectangles as the main window places them).
    QRect buttons[6];
    for (int i = 0; i < 6; ++i)
        buttons[i] = ButtonPlace(StepFlowOrder[i]);
    p.setPen(QPen(QColor(235, 240, 248), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i + 1 < 5; ++i) {
        const QPointF a(buttons[i].center().x() + 20, buttons[i].bottom());
        const QPointF b(buttons[i + 1].center().x() - 10, buttons[i + 1].top());
        QPainterPath path(a);
        path.cubicTo(QPointF(a.x(), (a.y() + b.y()) / 2), QPointF(b.x(), (a.y() + b.y()) / 2), b);
        p.drawPath(path);
        QPainterPath head;
        head.moveTo(b);
        head.lineTo(b + QPointF(-6, -10));
        head.lineTo(b + QPointF(6, -10));
        head.closeSubpath();
        p.setBrush(QColor(235, 240, 248));
        p.drawPath(head);
        p.setBrush(Qt::NoBrush);
    }
    // Title block at the right.
    p.setPen(QColor(250, 250, 252));
    p.setFont(GeneratorFont(30));
    p.drawText(QRect(420, 40, 380, 44), Qt::AlignLeft, QString("Vantora ") + VersionText);
    p.setFont(GeneratorFont(15, false));
    p.drawText(QRect(422, 88, 380, 60), Qt::AlignLeft | Qt::TextWordWrap,
               "Thermal design of clothing: define the case step by step, then save it for the solver.");
    p.setFont(GeneratorFont(13, false));
    const char* lines[] = {"1  Activity schedule", "2  Environment of each stage", "3  Human body",
                           "4  Garments and fabric layers", "5  Save the simulation data file"};
    for (int i = 0; i < 5; ++i)
        p.drawText(QPoint(440, 190 + i * 26), lines[i]);
    // A clothed figure drawn in outline.
    p.setPen(QPen(QColor(230, 236, 246, 200), 3));
    const double cx = 640, top = 330;
    p.drawEllipse(QPointF(cx, top), 20, 24);
    QPainterPath coat;
    coat.moveTo(cx - 22, top + 30);
    coat.lineTo(cx - 62, top + 60);
    coat.lineTo(cx - 56, top + 140);
    coat.lineTo(cx - 40, top + 140);
    coat.lineTo(cx - 38, top + 84);
    coat.lineTo(cx - 36, top + 170);
    coat.lineTo(cx + 36, top + 170);
    coat.lineTo(cx + 38, top + 84);
    coat.lineTo(cx + 40, top + 140);
    coat.lineTo(cx + 56, top + 140);
    coat.lineTo(cx + 62, top + 60);
    coat.lineTo(cx + 22, top + 30);
    coat.closeSubpath();
    p.drawPath(coat);
    p.drawLine(QPointF(cx - 18, top + 170), QPointF(cx - 20, top + 232));
    p.drawLine(QPointF(cx + 18, top + 170), QPointF(cx + 20, top + 232));
    return img;
}

QImage StepNumber(int n)
{
    QImage img(12, 19, QImage::Format_RGB32);
    img.fill(QColor(128, 128, 128));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 60, 110));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, 12, 19), 3, 3);
    p.setPen(Qt::white);
    p.setFont(GeneratorFont(12));
    p.drawText(QRect(0, 0, 12, 19), Qt::AlignCenter, QString::number(n));
    return img;
}

// 32 x 32 tool-bar pictures and 16 x 16 tree pictures: simple symbols on a light tile.
QImage ToolPicture(int index, int size)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(QColor(240, 240, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QColor ink(40, 80, 150);
    p.setPen(QPen(ink, s / 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (index % 14) {
    case 1: {  // open folder
        p.setBrush(QColor(250, 210, 90));
        p.drawRect(QRectF(s * 0.1, s * 0.3, s * 0.8, s * 0.55));
        p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.3, s * 0.12));
        break;
    }
    case 2: {  // floppy disk
        p.setBrush(QColor(90, 130, 200));
        p.drawRect(QRectF(s * 0.15, s * 0.15, s * 0.7, s * 0.7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.3, s * 0.15, s * 0.4, s * 0.25));
        break;
    }
    case 6: {  // run
        QPainterPath t;
        t.moveTo(s * 0.3, s * 0.2);
        t.lineTo(s * 0.8, s * 0.5);
        t.lineTo(s * 0.3, s * 0.8);
        t.closeSubpath();
        p.setBrush(QColor(60, 170, 80));
        p.drawPath(t);
        break;
    }
    case 7:  // stop
        p.setBrush(QColor(200, 50, 40));
        p.drawRect(QRectF(s * 0.25, s * 0.25, s * 0.5, s * 0.5));
        break;
    case 9: {  // plot
        p.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.85, s * 0.85));
        p.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.15, s * 0.15));
        QPainterPath c(QPointF(s * 0.2, s * 0.75));
        c.cubicTo(QPointF(s * 0.4, s * 0.1), QPointF(s * 0.6, s * 0.9), QPointF(s * 0.85, s * 0.25));
        p.setPen(QPen(QColor(200, 60, 40), s / 14));
        p.drawPath(c);
        break;
    }
    case 10: {  // animation: film frame with a figure
        p.setBrush(QColor(60, 60, 70));
        p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.8, s * 0.6));
        p.setPen(QPen(QColor(250, 160, 60), s / 14));
        p.drawEllipse(QPointF(s * 0.5, s * 0.35), s * 0.07, s * 0.07);
        p.drawLine(QPointF(s * 0.5, s * 0.43), QPointF(s * 0.5, s * 0.72));
        break;
    }
    case 12: {  // new sheet
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.22, s * 0.12, s * 0.56, s * 0.76));
        p.drawLine(QPointF(s * 0.32, s * 0.35), QPointF(s * 0.68, s * 0.35));
        p.drawLine(QPointF(s * 0.32, s * 0.5), QPointF(s * 0.68, s * 0.5));
        break;
    }
    case 13:  // record
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.3, s * 0.3);
        break;
    default:
        p.setBrush(QColor(180, 200, 230));
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.3, s * 0.3);
        break;
    }
    return img;
}

QImage TreePicture(int index)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 1) {  // a confirmed step: green check
        p.setBrush(QColor(60, 160, 70));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(4.5, 8), QPointF(7, 10.5));
        p.drawLine(QPointF(7, 10.5), QPointF(11.5, 5));
    } else if (index == 0) {  // the case: a folder
        p.setBrush(QColor(250, 210, 90));
        p.setPen(QColor(150, 110, 20));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
    } else {
        p.setBrush(QColor(170, 190, 220));
        p.setPen(QColor(60, 80, 120));
        p.drawRect(QRectF(3.5, 3.5, 9, 9));
    }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_icons", "Icon", [](const QString& icon) {
        const QString form = icon + "form/";
        QDir().mkpath(form);
        bool ok = true;
        const QImage chart = FlowChart();
        for (int i = 0; i < 6; ++i) {
            const Step& s = Steps[i];
            ok &= SaveBitmap(StepPicture(i, chart, s.title, Look::Done), icon + s.plain);
            ok &= SaveBitmap(StepPicture(i, chart, s.title, Look::Next), icon + s.next);
            ok &= SaveBitmap(StepPicture(i, chart, s.title, i == 0 ? Look::Next : Look::Start), form + s.start);
        }
        const char* sports[3] = {"Sports", "Works", "Leisure"};
        const char* environ[3] = {"Indoor", "Outdoor", "Climate"};
        const char* clothing[3] = {"Fabric", "Garment", "Layers"};
        for (int i = 0; i < 3; ++i) {
            ok &= SaveBitmap(Labelled(120, 48, sports[i], 0, QColor(90, 140, 200)), icon + QString("sports-%1.bmp").arg(i + 1));
            ok &= SaveBitmap(Labelled(120, 48, environ[i], 1, QColor(90, 170, 120)), icon + QString("environ%1.bmp").arg(i + 1));
            ok &= SaveBitmap(Labelled(120, 48, clothing[i], 2, QColor(190, 130, 80)), icon + QString("clothing%1.bmp").arg(i + 1));
        }
        ok &= SaveBitmap(chart, form + "flowchart.bmp");
        for (int i = 1; i <= 6; ++i)
            ok &= SaveBitmap(StepNumber(i), form + QString("step%1.bmp").arg(i));
        for (int i = 0; i < 14; ++i)
            ok &= SaveBitmap(ToolPicture(i, 32), form + QString("tool%1.bmp").arg(i));
        for (int i = 0; i < 13; ++i)
            ok &= SaveBitmap(TreePicture(i), form + QString("tree%1.bmp").arg(i));
        return ok;
    });
}
