// Writes the 24 ASCII DXF models of the 3D player into <bin>/model: a man and a woman, each as
// torso (the part the cut plane opens), limbs (head, neck, arms, hands, legs, feet) and core,
// and the garment parts of the four clothing styles. Part "1" of a garment lies over the trunk
// and may be clipped by the cut plane; part "2" lies over the limbs.
//
// Every body part is a tube swept along a spine: elliptic (slightly squared for the trunk)
// sections whose radii follow a smooth profile, closed by rounded caps. Parts overlap at the
// joints, so no gap opens whatever way the model turns. Garments are the body tubes pushed out
// along their surface normals, so they keep a steady distance from the skin (the player's
// 16-bit depth buffer must not mix the two); the skirt is a loose shell fitted around both
// bodies, since either sex may wear it.
//
// Frame: y up with the feet at y = 0, x = z = 0 on the body's axis, the front towards +z. The
// player scales the model by 1.8 and lowers it by 0.8, so the head must stay below about 0.97.
// The player draws the man's core through a fixed transform; his core is written through its
// inverse so that it lands inside his torso.
//
// Deterministic: the same files on every run. The generator program and the model tests both
// include this file (the tests check what it writes).
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// One copy per program that includes it (the generator, the model tests).
namespace modelgen {
namespace {

constexpr double Pi = 3.14159265358979323846;

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Length(V3 a) { return std::sqrt(Dot(a, a)); }
V3 Normalize(V3 a)
{
    const double l = Length(a);
    return l > 1e-12 ? a * (1.0 / l) : V3{0, 0, 0};
}
double Smooth(double t) { t = std::clamp(t, 0.0, 1.0); return t * t * (3 - 2 * t); }
double Gauss(double d, double sigma) { return std::exp(-0.5 * (d / sigma) * (d / sigma)); }
// Smallest signed difference of two angles (radians).
double AngleDiff(double a, double b)
{
    double d = std::fmod(a - b, 2 * Pi);
    if (d > Pi) d -= 2 * Pi;
    if (d < -Pi) d += 2 * Pi;
    return d;
}

// ---------------------------------------------------------------------------------------------
// Surfaces as grids of rings. A ring of one point is a pole (the tip of a cap).

struct Grid {
    std::vector<std::vector<V3>> Rows;
    std::vector<V3> Centers;  // a point on the axis for each row, to tell outside from inside
};

// Outward unit normals of a grid, one per point (a pole gets the direction away from its ring).
std::vector<std::vector<V3>> GridNormals(const Grid& g)
{
    const int rows = static_cast<int>(g.Rows.size());
    std::vector<std::vector<V3>> n(rows);
    for (int i = 0; i < rows; ++i) {
        const auto& row = g.Rows[i];
        const int cols = static_cast<int>(row.size());
        n[i].resize(cols);
        if (cols == 1) {
            const int j = i == 0 ? 1 : i - 1;
            n[i][0] = Normalize(row[0] - g.Centers[j]);
            continue;
        }
        for (int j = 0; j < cols; ++j) {
            const V3 a = row[(j + 1) % cols], b = row[(j + cols - 1) % cols];
            auto at = [&](int r) {
                const auto& rr = g.Rows[r];
                return rr.size() == 1 ? rr[0] : rr[j];
            };
            const V3 up = i + 1 < rows ? at(i + 1) : row[j];
            const V3 dn = i > 0 ? at(i - 1) : row[j];
            V3 nn = Normalize(Cross(a - b, up - dn));
            if (Dot(nn, row[j] - g.Centers[i]) < 0)
                nn = nn * -1.0;
            n[i][j] = nn;
        }
    }
    return n;
}

// ---------------------------------------------------------------------------------------------
// Tubes swept along a spine.

struct Key {
    V3 c;
    double a, b;  // half-width along the side axis, half-depth along the front axis
};

struct Tube {
    std::vector<Key> Keys;
    V3 FrontRef{0, 0, 1};       // the section's b axis points this way, as far as it can
    int Cols = 24;
    double Step = 0.01;         // ring spacing along the spine
    double CapStart = 0.0;      // cap lengths (0 leaves the end open)
    double CapEnd = 0.0;
    int CapRings = 6;
    double Exponent = 2.0;      // section shape: 2 an ellipse, more a rounded rectangle
    // Extra radius at a section point: ring centre, angle (0 side, pi/2 front).
    std::function<double(const V3&, double)> Bump;
};

struct Sample {
    V3 c;
    double a, b;
};

Sample CatmullRom(const std::vector<Key>& k, double u)
{
    const int n = static_cast<int>(k.size());
    const int seg = std::clamp(static_cast<int>(std::floor(u)), 0, n - 2);
    const double t = u - seg;
    auto get = [&](int i) { return k[std::clamp(i, 0, n - 1)]; };
    const Key p0 = get(seg - 1), p1 = get(seg), p2 = get(seg + 1), p3 = get(seg + 2);
    auto cr = [t](double a, double b, double c, double d) {
        return 0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                      (-a + 3 * b - 3 * c + d) * t * t * t);
    };
    Sample s;
    s.c = {cr(p0.c.x, p1.c.x, p2.c.x, p3.c.x), cr(p0.c.y, p1.c.y, p2.c.y, p3.c.y),
           cr(p0.c.z, p1.c.z, p2.c.z, p3.c.z)};
    s.a = std::max(1e-4, cr(p0.a, p1.a, p2.a, p3.a));
    s.b = std::max(1e-4, cr(p0.b, p1.b, p2.b, p3.b));
    return s;
}

double SignedPow(double v, double e) { return v < 0 ? -std::pow(-v, e) : std::pow(v, e); }

Grid SweepTube(const Tube& tube)
{
    // Dense samples of the spline, then rings at equal arc length.
    const int n = static_cast<int>(tube.Keys.size());
    const int dense = (n - 1) * 64;
    std::vector<Sample> samples(dense + 1);
    std::vector<double> arc(dense + 1, 0.0);
    for (int i = 0; i <= dense; ++i) {
        samples[i] = CatmullRom(tube.Keys, double(i) / 64.0);
        if (i > 0)
            arc[i] = arc[i - 1] + Length(samples[i].c - samples[i - 1].c);
    }
    const double total = arc.back();
    const int rings = std::max(2, static_cast<int>(std::ceil(total / tube.Step)) + 1);
    auto sampleAt = [&](double s) {
        const auto it = std::lower_bound(arc.begin(), arc.end(), s);
        int i = std::clamp(static_cast<int>(it - arc.begin()), 1, dense);
        const double f = (s - arc[i - 1]) / std::max(1e-12, arc[i] - arc[i - 1]);
        const Sample& p = samples[i - 1];
        const Sample& q = samples[i];
        Sample r;
        r.c = p.c + (q.c - p.c) * f;
        r.a = p.a + (q.a - p.a) * f;
        r.b = p.b + (q.b - p.b) * f;
        return r;
    };
    auto tangentAt = [&](double s) {
        const double h = std::min(0.004, total / 4);
        return Normalize(sampleAt(std::min(total, s + h)).c - sampleAt(std::max(0.0, s - h)).c);
    };
    const double e = 2.0 / tube.Exponent;
    auto ring = [&](const V3& c, V3 t, double a, double b, double scale, const V3& bumpCentre) {
        V3 front = Normalize(tube.FrontRef - t * Dot(tube.FrontRef, t));
        V3 side = Normalize(Cross(t, front));
        std::vector<V3> pts(tube.Cols);
        for (int j = 0; j < tube.Cols; ++j) {
            const double th = 2 * Pi * j / tube.Cols;
            const double cx = SignedPow(std::cos(th), e), sz = SignedPow(std::sin(th), e);
            V3 off = side * (a * cx) + front * (b * sz);
            if (tube.Bump) {
                const double extra = tube.Bump(bumpCentre, th);
                off = off + Normalize(off) * extra;
            }
            pts[j] = c + off * scale;
        }
        return pts;
    };

    Grid g;
    // Start cap, from the pole to the first ring.
    const Sample first = sampleAt(0);
    const V3 t0 = tangentAt(0);
    if (tube.CapStart > 0) {
        for (int k = tube.CapRings; k >= 1; --k) {
            const double phi = 0.5 * Pi * k / tube.CapRings;
            const V3 c = first.c - t0 * (tube.CapStart * std::sin(phi));
            if (k == tube.CapRings)
                g.Rows.push_back({c});
            else
                g.Rows.push_back(ring(c, t0, first.a, first.b, std::cos(phi), first.c));
            g.Centers.push_back(first.c);
        }
    }
    for (int r = 0; r < rings; ++r) {
        const double s = total * r / (rings - 1);
        const Sample p = sampleAt(s);
        g.Rows.push_back(ring(p.c, tangentAt(s), p.a, p.b, 1.0, p.c));
        g.Centers.push_back(p.c);
    }
    const Sample last = sampleAt(total);
    const V3 t1 = tangentAt(total);
    if (tube.CapEnd > 0) {
        for (int k = 1; k <= tube.CapRings; ++k) {
            const double phi = 0.5 * Pi * k / tube.CapRings;
            const V3 c = last.c + t1 * (tube.CapEnd * std::sin(phi));
            if (k == tube.CapRings)
                g.Rows.push_back({c});
            else
                g.Rows.push_back(ring(c, t1, last.a, last.b, std::cos(phi), last.c));
            g.Centers.push_back(last.c);
        }
    }
    return g;
}

// Rows [from, to] of a grid pushed out along its normals by offset(height of the point).
Grid Offset(const Grid& g, int from, int to, const std::function<double(double)>& offset)
{
    const auto normals = GridNormals(g);
    Grid out;
    from = std::max(from, 0);
    to = std::min(to, static_cast<int>(g.Rows.size()) - 1);
    for (int i = from; i <= to; ++i) {
        std::vector<V3> row = g.Rows[i];
        for (std::size_t j = 0; j < row.size(); ++j) {
            const double d = offset(row[j].y);
            row[j] = row[j] + normals[i][j] * d;
        }
        out.Rows.push_back(row);
        out.Centers.push_back(g.Centers[i]);
    }
    return out;
}
Grid Offset(const Grid& g, int from, int to, double offset)
{
    return Offset(g, from, to, [offset](double) { return offset; });
}

// Index of the row whose mean height is nearest to y.
int RowAtHeight(const Grid& g, double y)
{
    int best = 0;
    double bestD = 1e9;
    for (std::size_t i = 0; i < g.Rows.size(); ++i) {
        double h = 0;
        for (const V3& p : g.Rows[i]) h += p.y;
        h /= g.Rows[i].size();
        if (std::fabs(h - y) < bestD) {
            bestD = std::fabs(h - y);
            best = static_cast<int>(i);
        }
    }
    return best;
}

// ---------------------------------------------------------------------------------------------
// Writing.

struct Quad {
    V3 p[4];
};

struct DxfFile {
    std::vector<Grid> Meshes;
    std::vector<Quad> Faces;  // written as 3DFACE entities
};

void Transform(DxfFile& f, const std::function<V3(V3)>& m)
{
    for (Grid& g : f.Meshes) {
        for (auto& row : g.Rows)
            for (V3& p : row) p = m(p);
        for (V3& c : g.Centers) c = m(c);
    }
    for (Quad& q : f.Faces)
        for (V3& p : q.p) p = m(p);
}

// The player takes the normal of a triangle (A, B, D) as (D - A) x (B - A); faces are written
// so that this points outward.
bool FacesOutward(const Grid& g)
{
    // Any quad of a full row pair tells the winding of the whole grid.
    for (std::size_t i = 0; i + 1 < g.Rows.size(); ++i) {
        const auto& r0 = g.Rows[i];
        const auto& r1 = g.Rows[i + 1];
        if (r0.size() < 3 || r1.size() < 3)
            continue;
        const V3 p1 = r0[0], p2 = r0[1], p3 = r1[1];
        const V3 n = Cross(p3 - p1, p2 - p1);
        return Dot(n, (p1 + p2 + p3) * (1.0 / 3) - g.Centers[i]) > 0;
    }
    return true;
}

void WriteMesh(std::FILE* out, const Grid& g)
{
    std::vector<int> base(g.Rows.size());
    int count = 0;
    for (std::size_t i = 0; i < g.Rows.size(); ++i) {
        base[i] = count + 1;
        count += static_cast<int>(g.Rows[i].size());
    }
    const bool outward = FacesOutward(g);
    std::vector<std::array<int, 4>> faces;
    auto face = [&](int a, int b, int c, int d) {
        if (outward)
            faces.push_back({a, b, c, d});
        else if (d < 0)
            faces.push_back({a, c, b, -1});
        else
            faces.push_back({a, d, c, b});
    };
    for (std::size_t i = 0; i + 1 < g.Rows.size(); ++i) {
        const int n0 = static_cast<int>(g.Rows[i].size());
        const int n1 = static_cast<int>(g.Rows[i + 1].size());
        const int cols = std::max(n0, n1);
        for (int j = 0; j < cols; ++j) {  // rows are closed loops
            const int j1 = (j + 1) % cols;
            if (n0 == 1)
                face(base[i], base[i + 1] + j1, base[i + 1] + j, -1);
            else if (n1 == 1)
                face(base[i] + j, base[i] + j1, base[i + 1], -1);
            else
                face(base[i] + j, base[i] + j1, base[i + 1] + j1, base[i + 1] + j);
        }
    }
    std::fprintf(out, "0\nPOLYLINE\n8\nMODEL\n66\n1\n70\n64\n71\n%d\n72\n%d\n", count,
                 static_cast<int>(faces.size()));
    for (const auto& row : g.Rows)
        for (const V3& p : row)
            std::fprintf(out, "0\nVERTEX\n8\nMODEL\n10\n%.5f\n20\n%.5f\n30\n%.5f\n70\n192\n", p.x,
                         p.y, p.z);
    for (const auto& f : faces) {
        std::fprintf(out, "0\nVERTEX\n8\nMODEL\n10\n0.0\n20\n0.0\n30\n0.0\n70\n128\n71\n%d\n72\n%d\n73\n%d\n",
                     f[0], f[1], f[2]);
        if (f[3] > 0)
            std::fprintf(out, "74\n%d\n", f[3]);
    }
    std::fprintf(out, "0\nSEQEND\n8\nMODEL\n");
}

int TriangleCount(const DxfFile& f)
{
    int n = 0;
    for (const Grid& g : f.Meshes) {
        for (std::size_t i = 0; i + 1 < g.Rows.size(); ++i) {
            const int n0 = static_cast<int>(g.Rows[i].size());
            const int n1 = static_cast<int>(g.Rows[i + 1].size());
            const int quads = std::max(n0, n1);
            n += (n0 == 1 || n1 == 1) ? quads : 2 * quads;
        }
    }
    for (const Quad& q : f.Faces)
        n += (q.p[3].x == q.p[2].x && q.p[3].y == q.p[2].y && q.p[3].z == q.p[2].z) ? 1 : 2;
    return n;
}

bool WriteFile(const std::string& path, const DxfFile& f)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out, "0\nSECTION\n2\nENTITIES\n");
    for (const Grid& g : f.Meshes)
        WriteMesh(out, g);
    for (const Quad& q : f.Faces) {
        std::fprintf(out, "0\n3DFACE\n8\nMODEL\n");
        for (int k = 0; k < 4; ++k)
            std::fprintf(out, "1%d\n%.5f\n2%d\n%.5f\n3%d\n%.5f\n", k, q.p[k].x, k, q.p[k].y, k,
                         q.p[k].z);
    }
    std::fprintf(out, "0\nENDSEC\n0\nEOF\n");
    return std::fclose(out) == 0;
}

// ---------------------------------------------------------------------------------------------
// The bodies.

struct Proportions {
    bool Female;
    double Height;
    // trunk: crotch, hip, waist, chest, armpit and shoulder levels with their half widths and
    // half depths
    double CrotchY, HipY, WaistY, ChestY, ArmpitY, ShoulderY, TopCap;
    double HipA, HipB, WaistA, WaistB, ChestA, ChestB, ArmpitA, ArmpitB, ShoulderA, ShoulderB;
    double Bust;       // breast (or chest muscle) prominence
    double Seat;       // buttock prominence
    // neck and head
    double NeckA, NeckB, ChinY, HeadA, HeadB;
    // arms
    double ShoulderJointX, ShoulderJointY, UpperArm, Forearm, HandLength, ArmAngle;
    double ArmTop, Biceps, Elbow, ForearmR, WristA, WristB;
    // legs
    double HipJointX, HipJointY, KneeY, AnkleY, ThighA, ThighB, KneeR, CalfR, AnkleR;
    double FootLength, FootWidth;
};

Proportions Man()
{
    Proportions p{};
    p.Female = false;
    p.Height = 0.955;
    p.CrotchY = 0.452; p.HipY = 0.485; p.WaistY = 0.585; p.ChestY = 0.690; p.ArmpitY = 0.735;
    p.ShoulderY = 0.772; p.TopCap = 0.048;
    p.HipA = 0.096; p.HipB = 0.064; p.WaistA = 0.083; p.WaistB = 0.057; p.ChestA = 0.095;
    p.ChestB = 0.066; p.ArmpitA = 0.094; p.ArmpitB = 0.062; p.ShoulderA = 0.097; p.ShoulderB = 0.052;
    p.Bust = 0.006; p.Seat = 0.007;
    p.NeckA = 0.032; p.NeckB = 0.034; p.ChinY = 0.836; p.HeadA = 0.045; p.HeadB = 0.055;
    p.ShoulderJointX = 0.101; p.ShoulderJointY = 0.758; p.UpperArm = 0.158; p.Forearm = 0.140;
    p.HandLength = 0.100; p.ArmAngle = 12.5;
    p.ArmTop = 0.030; p.Biceps = 0.026; p.Elbow = 0.019; p.ForearmR = 0.022; p.WristA = 0.012;
    p.WristB = 0.018;
    p.HipJointX = 0.047; p.HipJointY = 0.492; p.KneeY = 0.275; p.AnkleY = 0.048;
    p.ThighA = 0.049; p.ThighB = 0.054; p.KneeR = 0.029; p.CalfR = 0.033; p.AnkleR = 0.018;
    p.FootLength = 0.140; p.FootWidth = 0.027;
    return p;
}

Proportions Woman()
{
    Proportions p{};
    p.Female = true;
    p.Height = 0.920;
    p.CrotchY = 0.445; p.HipY = 0.478; p.WaistY = 0.572; p.ChestY = 0.665; p.ArmpitY = 0.705;
    p.ShoulderY = 0.740; p.TopCap = 0.044;
    p.HipA = 0.103; p.HipB = 0.065; p.WaistA = 0.071; p.WaistB = 0.051; p.ChestA = 0.084;
    p.ChestB = 0.058; p.ArmpitA = 0.082; p.ArmpitB = 0.055; p.ShoulderA = 0.084; p.ShoulderB = 0.047;
    p.Bust = 0.026; p.Seat = 0.010;
    p.NeckA = 0.027; p.NeckB = 0.029; p.ChinY = 0.806; p.HeadA = 0.042; p.HeadB = 0.052;
    p.ShoulderJointX = 0.088; p.ShoulderJointY = 0.727; p.UpperArm = 0.148; p.Forearm = 0.128;
    p.HandLength = 0.090; p.ArmAngle = 13.0;
    p.ArmTop = 0.025; p.Biceps = 0.022; p.Elbow = 0.016; p.ForearmR = 0.019; p.WristA = 0.010;
    p.WristB = 0.015;
    p.HipJointX = 0.050; p.HipJointY = 0.485; p.KneeY = 0.265; p.AnkleY = 0.045;
    p.ThighA = 0.052; p.ThighB = 0.055; p.KneeR = 0.027; p.CalfR = 0.031; p.AnkleR = 0.016;
    p.FootLength = 0.126; p.FootWidth = 0.024;
    return p;
}

struct Body {
    Proportions P;
    Grid Torso;
    Grid Core;
    Grid Neck, Head, Nose, EarL, EarR, Hair, Bun;
    Grid Arm[2], Hand[2], Thumb[2], Leg[2], Foot[2];
};

Tube TorsoTube(const Proportions& p)
{
    Tube t;
    t.Cols = 40;
    t.Step = 0.011;
    t.Exponent = 2.25;
    t.CapStart = 0.016;
    t.CapEnd = p.TopCap;
    t.CapRings = 7;
    const double seatZ = -0.004;
    t.Keys = {
        {{0, p.CrotchY, -0.008}, p.HipA * 0.97, p.HipB * 0.78},
        {{0, p.HipY, seatZ}, p.HipA, p.HipB},
        {{0, (p.HipY + p.WaistY) / 2, 0.0}, (p.HipA + p.WaistA) / 2 - 0.002, (p.HipB + p.WaistB) / 2},
        {{0, p.WaistY, 0.001}, p.WaistA, p.WaistB},
        {{0, (p.WaistY + p.ChestY) / 2, 0.002}, (p.WaistA + p.ChestA) / 2, (p.WaistB + p.ChestB) / 2},
        {{0, p.ChestY, 0.003}, p.ChestA, p.ChestB},
        {{0, p.ArmpitY, 0.0}, p.ArmpitA, p.ArmpitB},
        {{0, p.ShoulderY, -0.006}, p.ShoulderA, p.ShoulderB},
    };
    const Proportions q = p;
    t.Bump = [q](const V3& c, double th) {
        double r = 0;
        // breasts (or chest muscles), left and right of the front
        const double bustY = q.ChestY - (q.Female ? 0.004 : -0.006);
        const double side = q.Female ? 0.42 : 0.50;
        const double sy = q.Female ? 0.026 : 0.030;
        const double st = q.Female ? 0.26 : 0.38;
        for (double s : {-side, side})
            r += q.Bust * Gauss(c.y - bustY, sy) * Gauss(AngleDiff(th, Pi / 2 + s), st);
        // buttocks
        for (double s : {-0.45, 0.45})
            r += q.Seat * Gauss(c.y - (q.HipY - 0.004), 0.028) *
                 Gauss(AngleDiff(th, 1.5 * Pi + s), 0.42);
        // shoulder blades, faintly
        for (double s : {-0.55, 0.55})
            r += 0.004 * Gauss(c.y - (q.ArmpitY + 0.005), 0.03) * Gauss(AngleDiff(th, 1.5 * Pi + s), 0.35);
        return r;
    };
    return t;
}

Tube CoreTube(const Proportions& p)
{
    Tube t;
    t.Cols = 24;
    t.Step = 0.016;
    t.Exponent = 2.1;
    t.CapStart = 0.035;
    t.CapEnd = 0.035;
    t.CapRings = 5;
    const double k = 0.74;
    t.Keys = {
        {{0, p.HipY + 0.01, -0.004}, p.HipA * k * 0.95, p.HipB * k * 0.95},
        {{0, p.WaistY, 0.0}, p.WaistA * k, p.WaistB * k},
        {{0, p.ChestY, 0.0}, p.ChestA * k, p.ChestB * k},
        {{0, p.ArmpitY - 0.01, -0.004}, p.ArmpitA * k * 0.95, p.ArmpitB * k * 0.95},
    };
    return t;
}

void BuildHead(const Proportions& p, Body& b)
{
    // Neck: from inside the trunk to inside the head.
    Tube neck;
    neck.Cols = 20;
    neck.Step = 0.012;
    neck.CapStart = 0.012;
    neck.CapEnd = 0.012;
    neck.CapRings = 2;
    const double neckBottom = p.ShoulderY + 0.015;
    neck.Keys = {{{0, neckBottom, -0.008}, p.NeckA * 1.08, p.NeckB * 1.04},
                 {{0, (neckBottom + p.ChinY) / 2 + 0.005, -0.004}, p.NeckA, p.NeckB},
                 {{0, p.ChinY + 0.03, -0.002}, p.NeckA * 0.95, p.NeckB}};
    b.Neck = SweepTube(neck);

    // Head: chin to crown, the face a little forward of the neck.
    const double top = p.Height;
    const double capTop = p.HeadB * 0.50;
    const double crownY = top - capTop;
    Tube head;
    head.Cols = 28;
    head.Step = 0.0095;
    head.CapStart = 0.010;
    head.CapEnd = capTop;
    head.CapRings = 7;
    const double h = crownY - p.ChinY;
    head.Keys = {
        {{0, p.ChinY, 0.018}, p.HeadA * 0.55, p.HeadB * 0.62},
        {{0, p.ChinY + 0.18 * h, 0.010}, p.HeadA * 0.86, p.HeadB * 0.88},
        {{0, p.ChinY + 0.45 * h, 0.004}, p.HeadA * 0.97, p.HeadB * 0.98},
        {{0, p.ChinY + 0.75 * h, -0.002}, p.HeadA, p.HeadB},
        {{0, crownY, -0.004}, p.HeadA * 0.98, p.HeadB * 0.97},
    };
    const double headA = p.HeadA, eyeY = p.ChinY + 0.62 * h;
    head.Bump = [headA, eyeY](const V3& c, double th) {
        // cheekbones and the brow give the face some relief
        double r = 0.004 * Gauss(c.y - eyeY, 0.010) * (Gauss(AngleDiff(th, Pi / 2 - 0.7), 0.3) +
                                                       Gauss(AngleDiff(th, Pi / 2 + 0.7), 0.3));
        r += 0.003 * Gauss(c.y - (eyeY + 0.014), 0.006) * Gauss(AngleDiff(th, Pi / 2), 0.5);
        return r * headA / 0.044;
    };
    b.Head = SweepTube(head);

    // Nose: a short rounded wedge on the face.
    const double faceZ = 0.004 + p.HeadB * 0.98;
    Tube nose;
    nose.Cols = 10;
    nose.Step = 0.006;
    nose.CapStart = 0.004;
    nose.CapEnd = 0.005;
    nose.CapRings = 2;
    nose.FrontRef = {0, 0, 1};
    const double ny = p.ChinY + 0.52 * h;
    nose.Keys = {{{0, ny + 0.018, faceZ - 0.010}, 0.004, 0.006},
                 {{0, ny + 0.004, faceZ + 0.002}, 0.006, 0.007},
                 {{0, ny - 0.004, faceZ + 0.006}, 0.0075, 0.006}};
    b.Nose = SweepTube(nose);

    // Ears.
    for (int s = 0; s < 2; ++s) {
        const double sx = s == 0 ? 1 : -1;
        Tube ear;
        ear.Cols = 10;
        ear.Step = 0.006;
        ear.CapStart = 0.004;
        ear.CapEnd = 0.005;
        ear.CapRings = 2;
        ear.FrontRef = {0, 0, 1};
        const double ex = sx * (p.HeadA * 0.97);
        ear.Keys = {{{ex, ny - 0.006, -0.006}, 0.004, 0.008},
                    {{ex + sx * 0.002, ny + 0.008, -0.009}, 0.005, 0.011},
                    {{ex + sx * 0.001, ny + 0.020, -0.010}, 0.004, 0.009}};
        (s == 0 ? b.EarL : b.EarR) = SweepTube(ear);
    }

    if (p.Female) {
        // Hair: a rounded shell over the back and top of the head, open at the face, and a bun.
        Tube hair = head;
        hair.Keys = {
            {{0, p.ChinY + 0.30 * h, -0.016}, p.HeadA * 1.05, p.HeadB * 0.80},
            {{0, p.ChinY + 0.55 * h, -0.012}, p.HeadA * 1.14, p.HeadB * 0.97},
            {{0, p.ChinY + 0.80 * h, -0.010}, p.HeadA * 1.17, p.HeadB * 1.06},
            {{0, crownY, -0.010}, p.HeadA * 1.16, p.HeadB * 1.07},
        };
        hair.CapStart = 0.010;
        hair.CapEnd = capTop * 1.12;
        hair.Bump = nullptr;
        b.Hair = SweepTube(hair);
        Tube bun;
        bun.Cols = 16;
        bun.Step = 0.01;
        bun.CapStart = 0.016;
        bun.CapEnd = 0.016;
        bun.CapRings = 5;
        bun.FrontRef = {0, 1, 0};
        bun.Keys = {{{0, crownY - 0.010, -p.HeadB * 0.95}, 0.020, 0.019},
                    {{0, crownY - 0.016, -p.HeadB * 1.28}, 0.021, 0.020}};
        b.Bun = SweepTube(bun);
    }
}

V3 RotateZ(V3 v, double deg)
{
    const double r = deg * Pi / 180, c = std::cos(r), s = std::sin(r);
    return {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
}

void BuildArms(const Proportions& p, Body& b)
{
    for (int s = 0; s < 2; ++s) {
        const double sx = s == 0 ? 1 : -1;
        const V3 shoulder{sx * p.ShoulderJointX, p.ShoulderJointY, -0.004};
        const V3 down1 = RotateZ({0, -1, 0}, sx * p.ArmAngle);
        const V3 elbow = shoulder + down1 * p.UpperArm + V3{0, 0, -0.004};
        const V3 down2 = Normalize(RotateZ({0, -1, 0}, sx * (p.ArmAngle - 4)) + V3{0, 0, 0.14});
        const V3 wrist = elbow + down2 * p.Forearm;
        Tube arm;
        arm.Cols = 16;
        arm.Step = 0.013;
        arm.CapStart = p.ArmTop * 0.85;
        arm.CapEnd = 0.010;
        arm.CapRings = 5;
        arm.FrontRef = {0, 0, 1};
        const V3 mid1 = shoulder + (elbow - shoulder) * 0.45;
        const V3 mid2 = elbow + (wrist - elbow) * 0.35;
        arm.Keys = {
            {shoulder, p.ArmTop, p.ArmTop * 1.02},
            {shoulder + (elbow - shoulder) * 0.2, p.ArmTop * 0.95, p.ArmTop * 1.0},
            {mid1, p.Biceps, p.Biceps * 1.08},
            {elbow, p.Elbow, p.Elbow * 1.08},
            {mid2, p.ForearmR, p.ForearmR * 1.02},
            {wrist, p.WristA, p.WristB},
        };
        b.Arm[s] = SweepTube(arm);

        // Hand: a flat mitten continuing the forearm, the palm towards the thigh, and a thumb.
        const V3 dir = down2;
        const double L = p.HandLength;
        Tube hand;
        hand.Cols = 12;
        hand.Step = 0.010;
        hand.CapStart = 0.008;
        hand.CapEnd = p.WristB * 0.55;
        hand.CapRings = 4;
        hand.FrontRef = {0, 0, 1};
        const V3 w0 = wrist - dir * 0.008;
        hand.Keys = {
            {w0, p.WristA * 0.95, p.WristB * 0.95},
            {wrist + dir * (0.30 * L), p.WristA * 0.95, p.WristB * 1.30},
            {wrist + dir * (0.55 * L) + V3{0, 0, 0.002}, p.WristA * 0.80, p.WristB * 1.25},
            {wrist + dir * (0.80 * L) + V3{-sx * 0.002, 0, 0.003}, p.WristA * 0.62, p.WristB * 1.05},
        };
        b.Hand[s] = SweepTube(hand);
        Tube thumb;
        thumb.Cols = 8;
        thumb.Step = 0.008;
        thumb.CapStart = 0.006;
        thumb.CapEnd = 0.006;
        thumb.CapRings = 3;
        thumb.FrontRef = {1, 0, 0};
        const V3 t0 = wrist + dir * (0.18 * L) + V3{0, 0, p.WristB * 0.7};
        thumb.Keys = {{t0, 0.007, 0.006},
                      {t0 + dir * (0.22 * L) + V3{0, 0, 0.010}, 0.0065, 0.0055},
                      {t0 + dir * (0.42 * L) + V3{0, 0, 0.011}, 0.0055, 0.005}};
        b.Thumb[s] = SweepTube(thumb);
    }
}

void BuildLegs(const Proportions& p, Body& b)
{
    for (int s = 0; s < 2; ++s) {
        const double sx = s == 0 ? 1 : -1;
        const double ankleX = sx * (p.HipJointX + 0.012);
        Tube leg;
        leg.Cols = 18;
        leg.Step = 0.014;
        leg.CapStart = 0.035;
        leg.CapEnd = 0.016;
        leg.CapRings = 5;
        leg.FrontRef = {0, 0, 1};
        const double k = p.KneeY, a = p.AnkleY, t = p.HipJointY;
        leg.Keys = {
            {{sx * p.HipJointX, t, -0.002}, p.ThighA * 1.02, p.ThighB * 1.05},
            {{sx * (p.HipJointX + 0.002), p.CrotchY - 0.01, 0.002}, p.ThighA, p.ThighB},
            {{sx * (p.HipJointX + 0.004), k + 0.45 * (p.CrotchY - k), 0.004}, p.ThighA * 0.80, p.ThighB * 0.80},
            {{sx * (p.HipJointX + 0.007), k + 0.12 * (p.CrotchY - k), 0.006}, p.KneeR * 1.15, p.KneeR * 1.15},
            {{sx * (p.HipJointX + 0.008), k, 0.006}, p.KneeR, p.KneeR * 1.05},
            {{sx * (p.HipJointX + 0.009), k - 0.30 * (k - a), -0.004}, p.CalfR * 0.95, p.CalfR * 1.08},
            {{sx * (p.HipJointX + 0.011), k - 0.62 * (k - a), -0.004}, p.CalfR * 0.72, p.CalfR * 0.76},
            {{ankleX, a, -0.008}, p.AnkleR, p.AnkleR * 1.05},
        };
        b.Leg[s] = SweepTube(leg);

        // Foot: along +z from heel to toes, flat underneath at y = 0.
        Tube foot;
        foot.Cols = 14;
        foot.Step = 0.012;
        foot.CapStart = 0.018;
        foot.CapEnd = 0.016;
        foot.CapRings = 4;
        foot.FrontRef = {0, 1, 0};
        const double L = p.FootLength, W = p.FootWidth;
        const double heelZ = -0.018;
        auto key = [&](double f, double halfW, double halfH, double dx) {
            return Key{{ankleX + sx * dx, halfH, heelZ + f * L}, halfW, halfH};
        };
        foot.Keys = {key(0.00, W * 0.72, 0.020, 0.000), key(0.22, W * 0.85, 0.027, 0.001),
                     key(0.45, W * 0.95, 0.021, 0.004), key(0.68, W * 1.02, 0.013, 0.007),
                     key(0.86, W * 0.90, 0.010, 0.009)};
        b.Foot[s] = SweepTube(foot);
    }
}

Body BuildBody(const Proportions& p)
{
    Body b;
    b.P = p;
    b.Torso = SweepTube(TorsoTube(p));
    b.Core = SweepTube(CoreTube(p));
    BuildHead(p, b);
    BuildArms(p, b);
    BuildLegs(p, b);
    return b;
}

// ---------------------------------------------------------------------------------------------
// Garments.

constexpr double Snug = 0.006;   // underwear, swimwear
constexpr double Light = 0.008;  // shirts, shorts, trousers
constexpr double Coat = 0.020;   // winter coat

// Trunk rows from height `bottom` (or the closed lower cap when bottom < 0) to height `top` (or
// up to the neck opening when top < 0).
Grid TrunkGarment(const Body& b, double bottom, double top, double offset)
{
    const Grid& g = b.Torso;
    const int n = static_cast<int>(g.Rows.size());
    int from = 0, to = n - 1;
    if (bottom >= 0)
        from = RowAtHeight(g, bottom);
    if (top >= 0) {
        to = RowAtHeight(g, top);
    } else {
        // Leave a round opening for the neck: stop where the cap ring becomes narrower than
        // the neck plus some room.
        to = n - 1;
        while (to > 0) {
            const auto& row = g.Rows[to];
            double halfWidth = 0;
            for (const V3& p : row) halfWidth = std::max(halfWidth, std::fabs(p.x));
            if (halfWidth > b.P.NeckA + 0.022)
                break;
            --to;
        }
    }
    return Offset(g, from, to, offset);
}

// Rows of a limb tube (its top end first) down to the row nearest `bottom`.
Grid LimbGarment(const Grid& g, double bottom, const std::function<double(double)>& offset)
{
    return Offset(g, 0, RowAtHeight(g, bottom), offset);
}
Grid LimbGarment(const Grid& g, double bottom, double offset)
{
    return LimbGarment(g, bottom, [offset](double) { return offset; });
}

// A stand-up collar around the neck.
Grid Collar(const Body& b, double offset)
{
    const Grid& g = b.Neck;
    const int from = RowAtHeight(g, b.P.ShoulderY + b.P.TopCap * 0.6);
    const int to = RowAtHeight(g, b.P.ShoulderY + b.P.TopCap + 0.002);
    return Offset(g, from, to, offset);
}

// ---- the skirt, shared by both sexes

struct P2 {
    double x, z;
};

std::vector<P2> ConvexHull(std::vector<P2> pts)
{
    std::sort(pts.begin(), pts.end(), [](P2 a, P2 b) { return a.x < b.x || (a.x == b.x && a.z < b.z); });
    if (pts.size() < 3)
        return pts;
    auto cross = [](P2 o, P2 a, P2 b) { return (a.x - o.x) * (b.z - o.z) - (a.z - o.z) * (b.x - o.x); };
    std::vector<P2> h(2 * pts.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
        h[k++] = pts[i];
    }
    for (std::size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(h[k - 2], h[k - 1], pts[i - 1]) <= 0) --k;
        h[k++] = pts[i - 1];
    }
    h.resize(k - 1);
    return h;
}

// Distance from the axis to a convex polygon (around the axis) along the angle th.
double RadiusAlong(const std::vector<P2>& hull, double th)
{
    const P2 d{std::cos(th), std::sin(th)};
    double best = 0;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const P2 a = hull[i], b = hull[(i + 1) % hull.size()];
        // solve a + u (b - a) = t d
        const double ex = b.x - a.x, ez = b.z - a.z;
        const double den = d.x * (-ez) - d.z * (-ex);
        if (std::fabs(den) < 1e-14)
            continue;
        const double t = (a.x * (-ez) - a.z * (-ex)) / den;
        const double u = (d.x * a.z - d.z * a.x) / den;
        if (u >= -1e-9 && u <= 1 + 1e-9 && t > best)
            best = t;
    }
    return best;
}

// Body points (trunk and legs) in a slab around height y, pushed out by `grow` in every
// direction of the plane (so their hull is an outer offset of the body's section).
void CollectSection(const Body& b, double y, double slab, double grow, std::vector<P2>& out)
{
    auto take = [&](const Grid& g) {
        for (const auto& row : g.Rows)
            for (const V3& p : row)
                if (std::fabs(p.y - y) <= slab)
                    for (int k = 0; k < 12; ++k) {
                        const double a = 2 * Pi * k / 12;
                        out.push_back({p.x + grow * std::cos(a), p.z + grow * std::sin(a)});
                    }
    };
    take(b.Torso);
    take(b.Leg[0]);
    take(b.Leg[1]);
}

struct SkirtParts {
    Grid Upper, Lower;
    std::vector<Quad> Band;
};

SkirtParts BuildSkirt(const Body& man, const Body& woman)
{
    const double top = 0.582, split = 0.440, hem = 0.300;
    const int cols = 40;
    const double step = 0.011;
    const int rows = static_cast<int>(std::round((top - hem) / step)) + 1;
    std::vector<double> ys(rows);
    for (int i = 0; i < rows; ++i)
        ys[i] = top - (top - hem) * i / (rows - 1);
    // Radius per row and angle: the hull of both bodies' sections grown by the garment
    // distance, never narrower than the row above below the hips, and flaring to the hem.
    std::vector<std::vector<double>> R(rows, std::vector<double>(cols));
    const double grow = Light + 0.003;
    for (int i = 0; i < rows; ++i) {
        std::vector<P2> pts;
        CollectSection(man, ys[i], 0.014, grow, pts);
        CollectSection(woman, ys[i], 0.014, grow, pts);
        const auto hull = ConvexHull(pts);
        for (int j = 0; j < cols; ++j)
            R[i][j] = RadiusAlong(hull, 2 * Pi * j / cols);
    }
    const double hipY = 0.49;
    for (int i = 1; i < rows; ++i)
        if (ys[i] < hipY)
            for (int j = 0; j < cols; ++j) {
                const double flare = 0.25 * (ys[i - 1] - ys[i]);
                R[i][j] = std::max(R[i][j], R[i - 1][j] + flare);
            }
    // Soften the section: a little rounder without going inside the hull.
    for (int i = 0; i < rows; ++i) {
        std::vector<double> s(cols);
        for (int j = 0; j < cols; ++j) {
            double acc = 0, w = 0;
            for (int k = -4; k <= 4; ++k) {
                const double wk = Gauss(k, 2.0);
                acc += wk * R[i][(j + k + cols) % cols];
                w += wk;
            }
            s[j] = std::max(R[i][j], acc / w);
        }
        R[i] = s;
    }
    auto ring = [&](int i) {
        std::vector<V3> pts(cols);
        for (int j = 0; j < cols; ++j) {
            const double th = 2 * Pi * j / cols;
            pts[j] = {R[i][j] * std::cos(th), ys[i], R[i][j] * std::sin(th)};
        }
        return pts;
    };
    SkirtParts s;
    int splitRow = 0;
    while (splitRow < rows - 1 && ys[splitRow] > split) ++splitRow;
    for (int i = 0; i < rows; ++i) {
        if (i <= splitRow) {
            s.Upper.Rows.push_back(ring(i));
            s.Upper.Centers.push_back({0, ys[i], 0});
        }
        if (i >= splitRow) {
            s.Lower.Rows.push_back(ring(i));
            s.Lower.Centers.push_back({0, ys[i], 0});
        }
    }
    // Waistband: a flat ring from the skirt's top edge in to just inside the narrower waist,
    // so no gap shows from above on either body.
    std::vector<P2> trunkOnly;
    for (const auto& row : woman.Torso.Rows)
        for (const V3& p : row)
            if (std::fabs(p.y - top) <= 0.006) trunkOnly.push_back({p.x, p.z});
    const auto innerHull = ConvexHull(trunkOnly);
    for (int j = 0; j < cols; ++j) {
        const int j1 = (j + 1) % cols;
        const double a0 = 2 * Pi * j / cols, a1 = 2 * Pi * j1 / cols;
        const double r0 = RadiusAlong(innerHull, a0) - 0.008, r1 = RadiusAlong(innerHull, a1) - 0.008;
        Quad q;
        q.p[0] = {R[0][j] * std::cos(a0), top, R[0][j] * std::sin(a0)};
        q.p[1] = {R[0][j1] * std::cos(a1), top, R[0][j1] * std::sin(a1)};
        q.p[2] = {r1 * std::cos(a1), top, r1 * std::sin(a1)};
        q.p[3] = {r0 * std::cos(a0), top, r0 * std::sin(a0)};
        // The player's normal of (A, B, D) is (D - A) x (B - A): it must point up.
        if (Cross(q.p[2] - q.p[0], q.p[1] - q.p[0]).y < 0)
            std::swap(q.p[1], q.p[3]);
        s.Band.push_back(q);
    }
    return s;
}

// ---------------------------------------------------------------------------------------------
// The man's core is drawn through: rotate -4 degrees about x, rotate 5 degrees about y, scale
// (0.75, 0.9, 0.75), translate (0, 0.06, 0.04). It is written through the inverse.
V3 InverseCoreTransform(V3 p)
{
    auto rotX = [](V3 v, double deg) {
        const double r = deg * Pi / 180, c = std::cos(r), s = std::sin(r);
        return V3{v.x, c * v.y - s * v.z, s * v.y + c * v.z};
    };
    auto rotY = [](V3 v, double deg) {
        const double r = deg * Pi / 180, c = std::cos(r), s = std::sin(r);
        return V3{c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
    };
    V3 v = rotX(p, 4);
    v = rotY(v, -5);
    v = {v.x / 0.75, v.y / 0.9, v.z / 0.75};
    return v - V3{0, 0.06, 0.04};
}

DxfFile Limbs(const Body& b)
{
    DxfFile f;
    f.Meshes = {b.Neck, b.Head, b.Nose, b.EarL, b.EarR};
    if (b.P.Female) {
        f.Meshes.push_back(b.Hair);
        f.Meshes.push_back(b.Bun);
    }
    for (int s = 0; s < 2; ++s) {
        f.Meshes.push_back(b.Arm[s]);
        f.Meshes.push_back(b.Hand[s]);
        f.Meshes.push_back(b.Thumb[s]);
        f.Meshes.push_back(b.Leg[s]);
        f.Meshes.push_back(b.Foot[s]);
    }
    return f;
}

DxfFile FileOf(std::vector<Grid> grids)
{
    DxfFile f;
    f.Meshes = std::move(grids);
    return f;
}

struct ModelFile {
    const char* Name;
    DxfFile File;
};

// The 24 models, in the player's list order.
std::vector<ModelFile> BuildModelFiles()
{
    const Body man = BuildBody(Man());
    const Body woman = BuildBody(Woman());
    const SkirtParts skirt = BuildSkirt(man, woman);

    // Trousers widen a little towards the hem; sleeves of the coat narrow towards the cuff.
    const auto trouserLeg = [](double y) { return Light + 0.006 * Smooth((0.30 - y) / 0.25); };
    const auto coatSleeve = [](double y) { return Coat - 0.005 * Smooth((0.62 - y) / 0.14); };

    std::vector<ModelFile> files;

    DxfFile manCore = FileOf({man.Core});
    Transform(manCore, InverseCoreTransform);
    files.push_back({"core.dxf", manCore});
    files.push_back({"mantorso.dxf", FileOf({man.Torso})});
    files.push_back({"manlimbs.dxf", Limbs(man)});
    // brief
    const Proportions& m = man.P;
    files.push_back({"brief1.dxf", FileOf({TrunkGarment(man, -1, m.HipY + 0.030, Snug)})});
    files.push_back({"brief2.dxf", FileOf({LimbGarment(man.Leg[0], m.CrotchY - 0.018, Snug),
                                           LimbGarment(man.Leg[1], m.CrotchY - 0.018, Snug)})});
    // shorts and T-shirt
    files.push_back({"shorts1.dxf", FileOf({TrunkGarment(man, -1, m.WaistY, Light + 0.004)})});
    files.push_back({"tshirt1.dxf", FileOf({TrunkGarment(man, m.HipY + 0.060, -1, Light)})});
    files.push_back({"shorts2.dxf", FileOf({LimbGarment(man.Leg[0], m.KneeY + 0.075, Light + 0.004),
                                            LimbGarment(man.Leg[1], m.KneeY + 0.075, Light + 0.004)})});
    const double sleeveEnd = m.ShoulderJointY - 0.085;
    files.push_back({"tshirt2.dxf", FileOf({LimbGarment(man.Arm[0], sleeveEnd, Light),
                                            LimbGarment(man.Arm[1], sleeveEnd, Light)})});
    // slacks and winter coat
    files.push_back({"slack1.dxf", FileOf({TrunkGarment(man, -1, m.WaistY + 0.004, Light)})});
    files.push_back({"wintercoat1.dxf",
                     FileOf({TrunkGarment(man, m.CrotchY + 0.030, -1, Coat), Collar(man, 0.012)})});
    files.push_back({"slack2.dxf", FileOf({LimbGarment(man.Leg[0], m.AnkleY + 0.024, trouserLeg),
                                           LimbGarment(man.Leg[1], m.AnkleY + 0.024, trouserLeg)})});
    const double cuff = m.ShoulderJointY - m.UpperArm - m.Forearm * 0.84;
    files.push_back({"wintercoat2.dxf", FileOf({LimbGarment(man.Arm[0], cuff, coatSleeve),
                                                LimbGarment(man.Arm[1], cuff, coatSleeve)})});

    const Proportions& w = woman.P;
    files.push_back({"womantorso.dxf", FileOf({woman.Torso})});
    files.push_back({"womanlimbs.dxf", Limbs(woman)});
    // bikini: the top is a band over the bust
    files.push_back({"womanbikini1.dxf",
                     FileOf({TrunkGarment(woman, -1, w.HipY + 0.028, Snug),
                             TrunkGarment(woman, w.ChestY - 0.030, w.ChestY + 0.022, Snug)})});
    files.push_back({"womanbikini2.dxf", FileOf({LimbGarment(woman.Leg[0], w.CrotchY - 0.014, Snug),
                                                 LimbGarment(woman.Leg[1], w.CrotchY - 0.014, Snug)})});
    // shorts with a sleeveless top
    files.push_back({"womanshorts1.dxf", FileOf({TrunkGarment(woman, -1, w.WaistY - 0.004, Light + 0.004),
                                                 TrunkGarment(woman, w.HipY + 0.045, -1, Light)})});
    files.push_back({"womanshorts2.dxf",
                     FileOf({LimbGarment(woman.Leg[0], w.KneeY + 0.095, Light + 0.004),
                             LimbGarment(woman.Leg[1], w.KneeY + 0.095, Light + 0.004)})});
    // pants with a blouse with short sleeves
    files.push_back({"womanpants1.dxf", FileOf({TrunkGarment(woman, -1, w.WaistY, Light),
                                                TrunkGarment(woman, w.HipY + 0.010, -1, Light + 0.004)})});
    const double wSleeve = w.ShoulderJointY - 0.060;
    files.push_back({"womanpants2.dxf",
                     FileOf({LimbGarment(woman.Leg[0], w.AnkleY + 0.026, trouserLeg),
                             LimbGarment(woman.Leg[1], w.AnkleY + 0.026, trouserLeg),
                             LimbGarment(woman.Arm[0], wSleeve, Light + 0.004),
                             LimbGarment(woman.Arm[1], wSleeve, Light + 0.004)})});
    DxfFile womanCore = FileOf({woman.Core});
    files.push_back({"womancore.dxf", womanCore});
    DxfFile skirt1 = FileOf({skirt.Upper});
    skirt1.Faces = skirt.Band;
    files.push_back({"womanskirts1.dxf", skirt1});
    files.push_back({"womanskirts2.dxf", FileOf({skirt.Lower})});

    return files;
}

// Writes the models into `folder` (which must exist); the triangle count of each file goes to
// `counts` when given. False when a file cannot be written.
bool WriteModelFiles(const std::string& folder, std::vector<std::pair<std::string, int>>* counts)
{
    for (const ModelFile& m : BuildModelFiles()) {
        if (!WriteFile(folder + "/" + m.Name, m.File))
            return false;
        if (counts)
            counts->push_back({m.Name, TriangleCount(m.File)});
    }
    return true;
}

} // namespace
} // namespace modelgen
