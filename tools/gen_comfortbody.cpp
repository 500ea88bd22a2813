// Writes "Icon/comfortbody.bmp", the picture beside the comfort chart: the generated man
// standing in the 3D player's blue wire room on black, seen through the player's camera (45
// degree perspective from (0, 0, 3); the model scaled by 1.8 and lowered by 0.8). The generators
// run without OpenGL, so the meshes are projected here and their triangles filled flat-shaded,
// back to front, with QPainter. Deterministic: the same picture on every run.
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/genassets.h"
// Only the body is taken from the model generator; its file writer stays unused here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include "tools/modelgen.h"
#pragma GCC diagnostic pop

namespace {

using modelgen::V3;

constexpr int Width = 393;
constexpr int Height = 321;

// Eye space of the player's camera: the model placed, then looked at from z = 3.
V3 Place(V3 p)
{
    return {1.8 * p.x, 1.8 * p.y - 0.8, 1.8 * p.z};
}

QPointF Project(V3 world)
{
    const double t = std::tan(22.5 * modelgen::Pi / 180);
    const double aspect = double(Width) / Height;
    const double d = 3 - world.z;
    const double nx = world.x / (d * t * aspect), ny = world.y / (d * t);
    return {(nx + 1) / 2 * Width, (1 - ny) / 2 * Height};
}

struct Triangle {
    V3 p[3];  // eye space
    double depth;
    QColor color;
};

void AddGrid(const modelgen::Grid& g, std::vector<Triangle>& out)
{
    const V3 light = modelgen::Normalize({0.5, 0.4, 1.0});
    auto add = [&](V3 a, V3 b, V3 c) {
        Triangle t{{Place(a), Place(b), Place(c)}, 0, QColor()};
        const V3 n = modelgen::Normalize(modelgen::Cross(t.p[1] - t.p[0], t.p[2] - t.p[0]));
        // Both faces are lit alike: the back faces lie behind and are painted over anyway.
        const double lit = 0.30 + 0.70 * std::fabs(modelgen::Dot(n, light));
        t.color = QColor::fromRgbF(float(lit), float(lit * 0.9), float(lit * 0.15));
        t.depth = (t.p[0].z + t.p[1].z + t.p[2].z) / 3;
        out.push_back(t);
    };
    for (std::size_t i = 0; i + 1 < g.Rows.size(); ++i) {
        const auto& r0 = g.Rows[i];
        const auto& r1 = g.Rows[i + 1];
        const std::size_t cols = std::max(r0.size(), r1.size());
        for (std::size_t j = 0; j < cols; ++j) {  // rows are closed loops
            const std::size_t j1 = (j + 1) % cols;
            if (r0.size() == 1) {
                add(r0[0], r1[j1], r1[j]);
            } else if (r1.size() == 1) {
                add(r0[j], r0[j1], r1[0]);
            } else {
                add(r0[j], r0[j1], r1[j1]);
                add(r0[j], r1[j1], r1[j]);
            }
        }
    }
}

// The player's wire room: floor, ceiling, side walls and back wall.
void DrawRoom(QPainter& p)
{
    p.setPen(QPen(QColor(40, 70, 255), 1));
    auto line = [&](V3 a, V3 b) { p.drawLine(Project(a), Project(b)); };
    for (int k = 0; k <= 20; ++k) {
        const double x = -1 + 0.1 * k, z = -1 + 0.08 * k, y = -0.8 + 0.09 * k;
        for (double level : {-0.8, 1.0}) {
            line({x, level, 0.6}, {x, level, -1});
            line({-1, level, z}, {1, level, z});
        }
        for (double side : {-1.0, 1.0}) {
            line({side, y, 0.6}, {side, y, -1});
            line({side, -0.8, z}, {side, 1, z});
        }
        line({x, -0.8, -1}, {x, 1, -1});
        line({-1, y, -1}, {1, y, -1});
    }
}

bool Write(const QString& folder)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawRoom(p);

    const modelgen::Body man = modelgen::BuildBody(modelgen::Man());
    std::vector<Triangle> triangles;
    AddGrid(man.Torso, triangles);
    for (const modelgen::Grid& g : modelgen::Limbs(man).Meshes)
        AddGrid(g, triangles);
    // Far ones first; equal depths keep their order so the picture never changes.
    std::stable_sort(triangles.begin(), triangles.end(),
                     [](const Triangle& a, const Triangle& b) { return a.depth < b.depth; });
    for (const Triangle& t : triangles) {
        const QPolygonF polygon({Project(t.p[0]), Project(t.p[1]), Project(t.p[2])});
        p.setPen(QPen(t.color, 0.6));
        p.setBrush(t.color);
        p.drawPolygon(polygon);
    }
    p.end();
    return SaveBitmap(image, folder + "comfortbody.bmp");
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_comfortbody", "Icon", Write);
}
