// The generated models, read back with the player's DXF reader: place in the room, stance, the
// core inside the trunk, and garments worn over the skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
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

// A set of closed, outward-facing surfaces (possibly overlapping): how many of them contain a point.
class Solid {
public:
    explicit Solid(const std::vector<const Tris*>& parts)
    {
        for (const Tris* t : parts)
            All.insert(All.end(), t->begin(), t->end());
        for (std::size_t i = 0; i < All.size(); ++i) {
            double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
            for (const DxfPoint& p : All[i].Corner) {
                lo[0] = std::min<double>(lo[0], p.x), hi[0] = std::max<double>(hi[0], p.x);
                lo[1] = std::min<double>(lo[1], p.z), hi[1] = std::max<double>(hi[1], p.z);
            }
            for (int cx = Cell(lo[0]); cx <= Cell(hi[0]); ++cx)
                for (int cz = Cell(lo[1]); cz <= Cell(hi[1]); ++cz)
                    Columns[Key(cx, cz)].push_back(static_cast<int>(i));
        }
    }

    // Each crossing of the upward ray counts +1 leaving, -1 entering.
    int Containing(V p) const
    {
        p = {p.x + 1.234567e-7, p.y, p.z + 2.345678e-7};  // off any edge of the grid
        const auto found = Columns.find(Key(Cell(p.x), Cell(p.z)));
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
            if (u < 0 || v < 0 || u + v > 1 || a.y + u * (b.y - a.y) + v * (c.y - a.y) <= p.y)
                continue;
            count += CalcNormal(t).y > 0 ? 1 : -1;
        }
        return count;
    }

private:
    static int Cell(double v) { return static_cast<int>(std::floor(v / 0.01)); }
    static long long Key(int x, int z) { return (static_cast<long long>(x) + 100000) * 200000 + z; }
    Tris All;
    std::unordered_map<long long, std::vector<int>> Columns;
};

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
    for (int i = 0; i < 24; ++i) {
        const std::string name = Files[i];
        EXPECT_EQ(Counts[i].first, name);
        EXPECT_TRUE(Read[name]) << name;
        EXPECT_EQ(static_cast<int>(Mesh[name].size()), Counts[i].second) << name;
    }
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

TEST_F(Models, BodiesStandOnTheFloorFacingFront)
{
    for (const std::string sex : {"man", "woman"}) {
        double floor = 1, toe = -1, nose = -1;
        for (const V& p : Points(sex + "limbs.dxf")) {
            floor = std::min(floor, p.y);
            if (p.y < 0.02)
                toe = std::max(toe, p.z);
            if (p.y > 0.85 && p.y < 0.88)
                nose = std::max(nose, p.z);
        }
        EXPECT_NEAR(floor, 0.0, 0.002) << sex;
        EXPECT_GT(toe, 0.08) << sex;
        EXPECT_GT(nose, 0.05) << sex;
    }
}

TEST_F(Models, CoreLiesWithinTheTorso)
{
    for (const std::string sex : {"man", "woman"}) {
        const Solid torso({&Mesh[sex + "torso.dxf"]});
        const std::string core = sex == "man" ? "core.dxf" : "womancore.dxf";
        int outside = 0;
        for (const V& p : Points(core))
            outside += torso.Containing(p) != 1;
        EXPECT_EQ(outside, 0) << core;
    }
}

// Each garment is worn over its wearer's skin: only the parts that run under another part or
// into the trunk (the top of a trouser leg) lie inside the body.
TEST_F(Models, GarmentsLieOutsideTheirWearer)
{
    const std::pair<const char*, std::vector<const char*>> styles[] = {
        {"man", {"brief1.dxf", "brief2.dxf", "shorts1.dxf", "tshirt1.dxf", "shorts2.dxf", "tshirt2.dxf",
                 "slack1.dxf", "wintercoat1.dxf", "slack2.dxf", "wintercoat2.dxf", "womanskirts1.dxf",
                 "womanskirts2.dxf"}},
        {"woman", {"womanbikini1.dxf", "womanbikini2.dxf", "womanshorts1.dxf", "womanshorts2.dxf",
                   "womanpants1.dxf", "womanpants2.dxf", "womanskirts1.dxf", "womanskirts2.dxf"}},
    };
    for (const auto& [sex, files] : styles) {
        const Solid body({&Mesh[std::string(sex) + "torso.dxf"], &Mesh[std::string(sex) + "limbs.dxf"]});
        for (const char* file : files) {
            int inside = 0, all = 0;
            for (const DxfTriangle& t : Mesh[file])
                for (const DxfPoint& c : t.Corner) {
                    inside += body.Containing(ToV(c)) != 0;
                    ++all;
                }
            EXPECT_LT(inside, all * 2 / 3) << sex << " " << file;
        }
    }
}

} // namespace
