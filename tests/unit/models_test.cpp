// The generated models, read back with the player's DXF reader: place in the room, stance, the
// core inside the trunk, and garments clear of the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include "results/io/dxf.h"
#include "tools/modelgen.h"

namespace {

namespace fs = std::filesystem;

// The player's list order.
const char* const Files[24] = {
    "core.dxf",         "mantorso.dxf",     "manlimbs.dxf",     "brief1.dxf",
    "brief2.dxf",       "shorts1.dxf",      "tshirt1.dxf",      "shorts2.dxf",
    "tshirt2.dxf",      "slack1.dxf",       "wintercoat1.dxf",  "slack2.dxf",
    "wintercoat2.dxf",  "womantorso.dxf",   "womanlimbs.dxf",   "womanbikini1.dxf",
    "womanbikini2.dxf", "womanshorts1.dxf", "womanshorts2.dxf", "womanpants1.dxf",
    "womanpants2.dxf",  "womancore.dxf",    "womanskirts1.dxf", "womanskirts2.dxf",
};

using Tris = std::vector<DxfTriangle>;

struct V {
    double x, y, z;
};
V Sub(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V Add(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V Mul(V a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V ToV(const DxfPoint& p) { return {p.x, p.y, p.z}; }

// The placement the player gives the man's core: rotate -4 about x, 5 about y, scale
// (0.75, 0.9, 0.75), translate (0, 0.06, 0.04), applied to the point right to left.
V PlaceManCore(V p)
{
    p = {p.x, p.y + 0.06, p.z + 0.04};
    p = {p.x * 0.75, p.y * 0.9, p.z * 0.75};
    const double a = 5 * M_PI / 180, b = -4 * M_PI / 180;
    p = {std::cos(a) * p.x + std::sin(a) * p.z, p.y, -std::sin(a) * p.x + std::cos(a) * p.z};
    return {p.x, std::cos(b) * p.y - std::sin(b) * p.z, std::sin(b) * p.y + std::cos(b) * p.z};
}

// Closest distance from p to a triangle (Ericson, Real-Time Collision Detection 5.1.5).
double PointTriangleDistance(V p, V a, V b, V c)
{
    const V ab = Sub(b, a), ac = Sub(c, a), ap = Sub(p, a);
    const double d1 = Dot(ab, ap), d2 = Dot(ac, ap);
    V q;
    if (d1 <= 0 && d2 <= 0) {
        q = a;
    } else {
        const V bp = Sub(p, b);
        const double d3 = Dot(ab, bp), d4 = Dot(ac, bp);
        const V cp = Sub(p, c);
        const double d5 = Dot(ab, cp), d6 = Dot(ac, cp);
        const double vc = d1 * d4 - d3 * d2, vb = d5 * d2 - d1 * d6, va = d3 * d6 - d5 * d4;
        if (d3 >= 0 && d4 <= d3) q = b;
        else if (d6 >= 0 && d5 <= d6) q = c;
        else if (vc <= 0 && d1 >= 0 && d3 <= 0) q = Add(a, Mul(ab, d1 / (d1 - d3)));
        else if (vb <= 0 && d2 >= 0 && d6 <= 0) q = Add(a, Mul(ac, d2 / (d2 - d6)));
        else if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0)
            q = Add(b, Mul(Sub(c, b), (d4 - d3) / ((d4 - d3) + (d5 - d6))));
        else {
            const double den = 1 / (va + vb + vc);
            q = Add(a, Add(Mul(ab, vb * den), Mul(ac, vc * den)));
        }
    }
    const V d = Sub(p, q);
    return std::sqrt(Dot(d, d));
}

// A set of closed, outward-facing surfaces (possibly overlapping) with two questions: how many of
// them contain a point, and how far the nearest surface is.
class Solid {
public:
    // `tags` (optional) gives each triangle a label that Distance can leave out.
    explicit Solid(const std::vector<const Tris*>& parts, std::vector<int> tags = {})
        : Tags(std::move(tags))
    {
        for (const Tris* t : parts)
            All.insert(All.end(), t->begin(), t->end());
        for (std::size_t i = 0; i < All.size(); ++i) {
            double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
            for (const DxfPoint& p : All[i].Corner) {
                const double v[3] = {p.x, p.y, p.z};
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
            for (int cx = Cell(lo[0]); cx <= Cell(hi[0]); ++cx)
                for (int cz = Cell(lo[2]); cz <= Cell(hi[2]); ++cz) {
                    Columns[Key(cx, 0, cz)].push_back(static_cast<int>(i));
                    for (int cy = Cell(lo[1]); cy <= Cell(hi[1]); ++cy)
                        Cells[Key(cx, cy, cz)].push_back(static_cast<int>(i));
                }
        }
    }

    // Surfaces around p: each crossing of the upward ray counts +1 leaving, -1 entering.
    int Containing(V p) const
    {
        p = {p.x + 1.234567e-7, p.y, p.z + 2.345678e-7};  // off any edge of the grid
        const auto found = Columns.find(Key(Cell(p.x), 0, Cell(p.z)));
        if (found == Columns.end())
            return 0;
        int count = 0;
        for (int i : found->second) {
            const DxfTriangle& t = All[i];
            const V a = ToV(t.Corner[0]), b = ToV(t.Corner[1]), c = ToV(t.Corner[2]);
            // Barycentric coordinates of (p.x, p.z) in the triangle's x-z shadow.
            const double det = (b.x - a.x) * (c.z - a.z) - (c.x - a.x) * (b.z - a.z);
            if (std::fabs(det) < 1e-18)
                continue;
            const double u = ((p.x - a.x) * (c.z - a.z) - (c.x - a.x) * (p.z - a.z)) / det;
            const double v = ((b.x - a.x) * (p.z - a.z) - (p.x - a.x) * (b.z - a.z)) / det;
            if (u < 0 || v < 0 || u + v > 1)
                continue;
            const double y = a.y + u * (b.y - a.y) + v * (c.y - a.y);
            if (y <= p.y)
                continue;
            count += CalcNormal(t).y > 0 ? 1 : -1;
        }
        return count;
    }

    // Distance to the nearest surface (other than those tagged `skip`), or `limit` when none is
    // nearer.
    double Distance(V p, double limit, int skip = -1) const
    {
        double best = limit;
        const int r = static_cast<int>(std::ceil(limit / Size));
        for (int cx = Cell(p.x) - r; cx <= Cell(p.x) + r; ++cx)
            for (int cy = Cell(p.y) - r; cy <= Cell(p.y) + r; ++cy)
                for (int cz = Cell(p.z) - r; cz <= Cell(p.z) + r; ++cz) {
                    const auto found = Cells.find(Key(cx, cy, cz));
                    if (found == Cells.end())
                        continue;
                    for (int i : found->second) {
                        if (skip >= 0 && Tags[i] == skip)
                            continue;
                        const DxfTriangle& t = All[i];
                        best = std::min(best, PointTriangleDistance(p, ToV(t.Corner[0]), ToV(t.Corner[1]),
                                                                    ToV(t.Corner[2])));
                    }
                }
        return best;
    }

private:
    static constexpr double Size = 0.01;
    static int Cell(double v) { return static_cast<int>(std::floor(v / Size)); }
    static long long Key(int x, int y, int z)
    {
        return ((static_cast<long long>(x) + 1000) * 4096 + (y + 1000)) * 4096 + (z + 1000);
    }
    std::vector<int> Tags;
    Tris All;
    std::unordered_map<long long, std::vector<int>> Cells;
    std::unordered_map<long long, std::vector<int>> Columns;
};

// Connected surfaces of a triangle soup (triangles sharing a corner position), numbered from
// `first`; one number per triangle.
std::vector<int> Components(const Tris& tris, int first, int& next)
{
    std::vector<int> parent(tris.size());
    for (std::size_t i = 0; i < parent.size(); ++i)
        parent[i] = static_cast<int>(i);
    std::function<int(int)> root = [&](int i) { return parent[i] == i ? i : parent[i] = root(parent[i]); };
    std::map<std::array<float, 3>, int> seen;
    for (std::size_t i = 0; i < tris.size(); ++i)
        for (const DxfPoint& p : tris[i].Corner) {
            const auto [it, fresh] = seen.insert({{p.x, p.y, p.z}, static_cast<int>(i)});
            if (!fresh)
                parent[root(static_cast<int>(i))] = root(it->second);
        }
    std::map<int, int> number;
    std::vector<int> out(tris.size());
    next = first;
    for (std::size_t i = 0; i < tris.size(); ++i) {
        const int r = root(static_cast<int>(i));
        const auto [it, fresh] = number.insert({r, next});
        if (fresh)
            ++next;
        out[i] = it->second;
    }
    return out;
}

class Models : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Folder = fs::temp_directory_path() / ("vantora_models_" + std::to_string(::getpid()));
        fs::create_directories(Folder);
        Counts.clear();
        ASSERT_TRUE(modelgen::WriteModelFiles(Folder.string(), &Counts));
        DXF reader;
        for (const char* name : Files) {
            reader.Diagnostic.clear();
            const int read = reader.ReadDxfFile((Folder / name).string());
            Read[name] = read == 0 && reader.BuildTriangles() == 0 && reader.Diagnostic.empty();
            Mesh[name] = reader.Triangles;
        }
    }
    static void TearDownTestSuite() { fs::remove_all(Folder); }

    // Vertices of a model, the man's core placed as the player draws it.
    static std::vector<V> Points(const std::string& name)
    {
        std::vector<V> out;
        for (const DxfTriangle& t : Mesh[name])
            for (const DxfPoint& p : t.Corner)
                out.push_back(name == "core.dxf" ? PlaceManCore(ToV(p)) : ToV(p));
        return out;
    }

    static fs::path Folder;
    static std::vector<std::pair<std::string, int>> Counts;
    static std::map<std::string, Tris> Mesh;
    static std::map<std::string, bool> Read;
};

fs::path Models::Folder;
std::vector<std::pair<std::string, int>> Models::Counts;
std::map<std::string, Tris> Models::Mesh;
std::map<std::string, bool> Models::Read;

TEST_F(Models, EveryFileReadsBackWithItsTriangles)
{
    ASSERT_EQ(Counts.size(), 24u);
    int total = 0;
    for (int i = 0; i < 24; ++i) {
        const std::string name = Files[i];
        EXPECT_EQ(Counts[i].first, name);
        EXPECT_TRUE(Read[name]) << name;
        EXPECT_EQ(static_cast<int>(Mesh[name].size()), Counts[i].second) << name;
        total += static_cast<int>(Mesh[name].size());
    }
    EXPECT_LE(total, 60000);
}

TEST_F(Models, EverythingStandsInsideTheRoomBelowTheCeiling)
{
    for (const char* name : Files) {
        double top = -1;
        for (const V& p : Points(name)) {
            // The player scales by 1.8 and lowers by 0.8; the room is x -1..1, y -0.8..1, z -1..0.6.
            const V w = {1.8 * p.x, 1.8 * p.y - 0.8, 1.8 * p.z};
            ASSERT_TRUE(w.x > -1 && w.x < 1 && w.y >= -0.8 - 1e-6 && w.y < 1 && w.z > -1 && w.z < 0.6)
                << name << " at " << p.x << ", " << p.y << ", " << p.z;
            top = std::max(top, p.y);
        }
        EXPECT_LE(top, 0.97) << name;
    }
}

TEST_F(Models, BodiesStandCentredOnTheFloorFacingFront)
{
    for (const std::string sex : {"man", "woman"}) {
        std::vector<V> body = Points(sex + "torso.dxf");
        const std::vector<V> limbs = Points(sex + "limbs.dxf");
        body.insert(body.end(), limbs.begin(), limbs.end());
        double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
        for (const V& p : body) {
            const double v[3] = {p.x, p.y, p.z};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], v[k]);
                hi[k] = std::max(hi[k], v[k]);
            }
        }
        EXPECT_NEAR(lo[1], 0.0, 0.002) << sex << ": the soles are on the floor";
        EXPECT_GT(hi[1], 0.85) << sex;
        EXPECT_NEAR((lo[0] + hi[0]) / 2, 0.0, 0.002) << sex << ": left and right alike";
        EXPECT_NEAR((lo[2] + hi[2]) / 2, 0.0, 0.05) << sex;

        // The toes and the face point to +z.
        double toe = -1, heel = 1, nose = -1;
        for (const V& p : limbs) {
            if (p.y < 0.02) {
                toe = std::max(toe, p.z);
                heel = std::min(heel, p.z);
            }
            if (p.y > 0.85 && p.y < 0.88)
                nose = std::max(nose, p.z);
        }
        EXPECT_GT(toe, 0.08) << sex;
        EXPECT_GT(heel, -0.05) << sex;
        EXPECT_GT(nose, 0.05) << sex;
    }
}

TEST_F(Models, CoreLiesWithinTheTorso)
{
    for (const std::string sex : {"man", "woman"}) {
        const Solid torso({&Mesh[sex + "torso.dxf"]});
        const std::string core = sex == "man" ? "core.dxf" : "womancore.dxf";
        int outside = 0, close = 0;
        for (const V& p : Points(core)) {
            outside += torso.Containing(p) != 1;
            close += torso.Distance(p, 0.004) < 0.004;
        }
        EXPECT_EQ(outside, 0) << core;
        EXPECT_EQ(close, 0) << core;
    }
}

struct Style {
    const char* sex;
    std::vector<const char*> files;
    double offset;  // nominal distance from the skin
};

TEST_F(Models, GarmentsStayClearOfTheSkin)
{
    const std::vector<Style> styles = {
        {"man", {"brief1.dxf", "brief2.dxf"}, 0.006},
        {"man", {"shorts1.dxf", "tshirt1.dxf", "shorts2.dxf", "tshirt2.dxf"}, 0.008},
        {"man", {"slack1.dxf", "wintercoat1.dxf", "slack2.dxf", "wintercoat2.dxf"}, 0.008},
        {"man", {"womanskirts1.dxf", "womanskirts2.dxf"}, 0.008},
        {"woman", {"womanbikini1.dxf", "womanbikini2.dxf"}, 0.006},
        {"woman", {"womanshorts1.dxf", "womanshorts2.dxf"}, 0.008},
        {"woman", {"womanpants1.dxf", "womanpants2.dxf"}, 0.008},
        {"woman", {"womanskirts1.dxf", "womanskirts2.dxf"}, 0.008},
    };
    for (const Style& s : styles) {
        const std::string sex = s.sex;
        const Solid body({&Mesh[sex + "torso.dxf"], &Mesh[sex + "limbs.dxf"]});
        const Solid torso({&Mesh[sex + "torso.dxf"]});
        const Solid limbs({&Mesh[sex + "limbs.dxf"]});
        // Every separate surface of the clothing, so a point can ask whether some other surface
        // of the same clothes covers it (a shirt tucked into shorts, one trouser leg against the
        // other).
        std::vector<const Tris*> parts;
        std::vector<int> tags;
        int next = 0;
        for (const char* file : s.files) {
            const std::vector<int> c = Components(Mesh[file], next, next);
            tags.insert(tags.end(), c.begin(), c.end());
            parts.push_back(&Mesh[file]);
        }
        const Solid clothes(parts, tags);

        std::size_t at = 0;
        for (const char* file : s.files) {
            // Parts "1" are fitted to the trunk, parts "2" to the limbs.
            const std::string name = file;
            const bool trunk = name.find('1') != std::string::npos;
            const Solid& base = trunk ? torso : limbs;
            int inside = 0, tooClose = 0, outside = 0;
            double sum = 0;
            for (const DxfTriangle& t : Mesh[file]) {
                const int own = tags[at++];
                for (const DxfPoint& c : t.Corner) {
                    const V p = ToV(c);
                    if (body.Containing(p) != 0) {
                        ++inside;
                        continue;
                    }
                    ++outside;
                    const double d = base.Distance(p, 0.03);
                    sum += d;
                    if (d < 0.8 * s.offset && clothes.Distance(p, 0.025, own) >= 0.025)
                        ++tooClose;
                }
            }
            EXPECT_EQ(tooClose, 0) << sex << " " << file;
            // Mostly outside: only the parts that run under another part or into the trunk
            // (the top of a trouser leg) are inside.
            EXPECT_GT(outside, (inside + outside) / 3) << sex << " " << file;
            const double mean = sum / std::max(1, outside);
            EXPECT_GT(mean, 0.8 * s.offset) << sex << " " << file;
            if (name.rfind("wintercoat", 0) == 0) {
                EXPECT_GT(mean, 0.016) << file;  // a coat stands well off
            }
        }
    }
}

} // namespace
