#include "results/io/dxf.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <mutex>
#include <string_view>

#include "casemodel/numformat.h"

namespace {

// Matched in this order with a prefix comparison, so "BLOCKS" must come before "BLOCK" and a
// trailing CR or blanks after a name do not matter.
const char* const EntityNames[DXF_ENTITY_COUNT] = {
    "BAD_TOKEN", "SECTION", "HEADER", "ENDSEC", "SEQEND", "BLOCKS", "BLOCK",
    "ENDBLK", "VERTEX", "TABLES", "TABLE", "LAYER", "CONTINUOUS", "ENDTAB",
    "ENTITIES", "3DFACE", "EOF", "POLYLINE", "INTEGER", "REAL", "NAME",
};

std::uint8_t EntityIndex(std::string_view value)
{
    for (int i = 0; i < DXF_ENTITY_COUNT; ++i) {
        const std::size_t n = std::strlen(EntityNames[i]);
        if (value.size() >= n && value.compare(0, n, EntityNames[i]) == 0)
            return static_cast<std::uint8_t>(i);
    }
    return DXF_BAD_TOKEN;
}

// The leading integer of a line (blanks, sign, digits), saturated to 32 bits; 0 when none.
std::int32_t LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > std::numeric_limits<std::int32_t>::max())
            v = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;  // saturated
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max())
        v = std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        v = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// A coordinate as a float; a value a float cannot hold reads as 0 like any other non-number,
// so no infinity reaches the drawing.
float ToFloat(double v)
{
    if (!(std::fabs(v) <= double(FLT_MAX)))
        return 0.0f;
    return static_cast<float>(v);
}

} // namespace

DxfValueKind DxfKindOfCode(int code)
{
    if (code == 0)
        return DxfValueKind::Name;
    if (code < 60)
        return DxfValueKind::Real;
    if (code < 100)
        return DxfValueKind::Integer;
    if (code < 150)
        return DxfValueKind::Real;
    if (code < 180)
        return DxfValueKind::Integer;
    return DxfValueKind::None;
}

double DxfToken::Number() const
{
    switch (Kind) {
    case DxfValueKind::Name: return Name;
    case DxfValueKind::Integer: return Integer;
    case DxfValueKind::Real: return Real;
    case DxfValueKind::None: break;
    }
    return 0;
}

DXF::DXF() = default;

DXF::DXF(const std::string& fileName)
{
    if (ReadDxfFile(fileName) == 0)
        BuildTriangles();
    FreePolyface();
}

DXF::~DXF() = default;

void DXF::FreeTokens()
{
    Tokens.clear();
    Tokens.shrink_to_fit();
    TokenCount = 0;
}

int DXF::ReadDxfFile(const std::string& fileName)
{
    // A folder or a device opens as a stream too, but has no text of a model and no size that
    // could be trusted: only a regular file is a model file.
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(fileName, ec);
    const std::uintmax_t size = regular ? std::filesystem::file_size(fileName, ec) : 0;
    std::ifstream in;
    if (regular && !ec)
        in.open(fileName, std::ios::binary);
    if (!regular || ec || !in) {
        Diagnostic = "file not open";
        return -1;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    // A file that shrank while it was read is taken as far as it went.
    text.resize(static_cast<std::size_t>(in.gcount()));
    ReadDxfText(text);
    return 0;
}

void DXF::ReadDxfText(const std::string& text)
{
    FreeTokens();
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    // One token per pair; the last value line may lack its LF.
    Tokens.reserve(lines / 2 + 1);

    const std::size_t size = text.size();
    std::size_t pos = 0;
    auto nextLine = [&](std::string_view& line) {
        const std::size_t end = text.find('\n', pos);
        const std::size_t stop = end == std::string::npos ? size : end;
        line = std::string_view(text).substr(pos, stop - pos);
        pos = end == std::string::npos ? size : end + 1;
        return end != std::string::npos;
    };
    while (pos < size) {
        std::string_view codeLine, valueLine;
        // A code line at the very end has no value line: that pair is incomplete and dropped.
        if (!nextLine(codeLine))
            break;
        nextLine(valueLine);
        DxfToken token;
        token.Code = LeadingInteger(codeLine);
        token.Kind = DxfKindOfCode(token.Code);
        switch (token.Kind) {
        case DxfValueKind::Name:
            token.Name = EntityIndex(valueLine);
            break;
        case DxfValueKind::Integer:
            token.Integer = LeadingInteger(valueLine);
            break;
        case DxfValueKind::Real: {
            double v = 0;
            ParseLeadingNumber(valueLine, v);
            token.Real = v;
            break;
        }
        case DxfValueKind::None:
            break;
        }
        Tokens.push_back(token);
    }
    TokenCount = static_cast<int>(Tokens.size());
}

int DXF::BuildTriangles()
{
    Triangles.clear();
    TriangleCount = 0;
    FreePolyface();

    // Each 3DFACE and each polyface face gives at most two triangles.
    std::size_t room = 0;
    for (int i = 0; i < TokenCount; ++i) {
        const DxfToken& t = Tokens[i];
        if (t.Kind != DxfValueKind::Name)
            continue;
        if (t.Name == DXF_3DFACE) {
            ++room;
        } else if (t.Name == DXF_VERTEX) {
            for (int j = i + 1; j < TokenCount && Tokens[j].Code != 0; ++j)
                if (Tokens[j].Code == 70 && Tokens[j].Integer == 128)
                    ++room;
        }
    }
    Triangles.reserve(room * 2);

    int result = 0;
    int i = 0;
    while (i < TokenCount) {
        const DxfToken& t = Tokens[i];
        if (t.Kind == DxfValueKind::Name && t.Name == DXF_3DFACE) {
            const int used = Read3DFace(i);
            if (used < 0) {
                result = -1;
                break;
            }
            i += used;
        } else if (t.Kind == DxfValueKind::Name && t.Name == DXF_VERTEX) {
            i += ReadVertex(i);
        } else {
            if (t.Kind == DxfValueKind::Name && t.Name == DXF_POLYLINE) {
                // A new mesh starts: the previous one is complete.
                ConvertFaces();
                FreePolyface();
            }
            ++i;
        }
    }
    ConvertFaces();
    FreePolyface();
    Triangles.shrink_to_fit();
    TriangleCount = static_cast<int>(Triangles.size());
    return result;
}

void DXF::AddTriangle(const DxfPoint& a, const DxfPoint& b, const DxfPoint& c)
{
    DxfTriangle t;
    t.Corner[0] = a;
    t.Corner[1] = b;
    t.Corner[2] = c;
    Triangles.push_back(t);
    TriangleCount = static_cast<int>(Triangles.size());
}

int DXF::Read3DFace(int at)
{
    if (at < 0 || at >= TokenCount || Tokens[at].Kind != DxfValueKind::Name ||
        Tokens[at].Name != DXF_3DFACE)
        return -1;
    DxfPoint corner[4];
    int i = at + 1;
    for (; i < TokenCount && Tokens[i].Code != 0; ++i) {
        const int code = Tokens[i].Code;
        const int axis = code / 10 - 1;  // 1x: x, 2x: y, 3x: z
        const int which = code % 10;
        if (code < 10 || code > 33 || which > 3)
            continue;
        const float v = ToFloat(Tokens[i].Number());
        DxfPoint& p = corner[which];
        (axis == 0 ? p.x : axis == 1 ? p.y : p.z) = v;
    }
    AddTriangle(corner[0], corner[1], corner[2]);
    if (!(corner[3] == corner[2]))
        AddTriangle(corner[0], corner[2], corner[3]);
    return i - at;
}

int DXF::ReadVertex(int at)
{
    DxfPoint point;
    DxfFace face;
    int flag = 0;
    int i = at + 1;
    for (; i < TokenCount && Tokens[i].Code != 0; ++i) {
        const DxfToken& t = Tokens[i];
        switch (t.Code) {
        case 10: point.x = ToFloat(t.Number()); break;
        case 20: point.y = ToFloat(t.Number()); break;
        case 30: point.z = ToFloat(t.Number()); break;
        case 70: flag = t.Integer; break;
        case 71: case 72: case 73: case 74: face.Vertex[t.Code - 71] = t.Integer; break;
        default: break;  // the corner codes of other entities are read and ignored
        }
    }
    if (flag == 192)
        AddVertex(point);
    else if (flag == 128)
        AddFace(face);
    return i - at;
}

// The arrays grow by 1,000 entries whenever the count reaches a multiple of 1,000, so a large
// mesh costs few reallocations and a small one little memory.
void DXF::AddVertex(const DxfPoint& point)
{
    if (Vertices.size() % 1000 == 0)
        Vertices.reserve(Vertices.size() + 1000);
    Vertices.push_back(point);
    VertexCount = static_cast<int>(Vertices.size());
}

void DXF::AddFace(const DxfFace& face)
{
    if (Faces.size() % 1000 == 0)
        Faces.reserve(Faces.size() + 1000);
    Faces.push_back(face);
    FaceCount = static_cast<int>(Faces.size());
}

void DXF::ConvertFaces()
{
    const auto valid = [this](std::int32_t n) { return n >= 1 && n <= VertexCount; };
    for (int f = 0; f < FaceCount; ++f) {
        const std::int32_t* v = Faces[f].Vertex;
        if (!valid(v[0]) || !valid(v[1]) || !valid(v[2]) || !(v[3] == -1 || valid(v[3]))) {
            Diagnostic = "Invalid face index: " + std::to_string(f);
            return;
        }
        const DxfPoint& p1 = Vertices[v[0] - 1];
        const DxfPoint& p2 = Vertices[v[1] - 1];
        const DxfPoint& p3 = Vertices[v[2] - 1];
        AddTriangle(p1, p2, p3);
        if (v[3] != -1)
            AddTriangle(p1, p3, Vertices[v[3] - 1]);
    }
}

void DXF::FreePolyface()
{
    Vertices.clear();
    Vertices.shrink_to_fit();
    Faces.clear();
    Faces.shrink_to_fit();
    VertexCount = 0;
    FaceCount = 0;
}

DxfPoint CalcNormal(const DxfTriangle& t)
{
    const DxfPoint& a = t.Corner[0];
    const DxfPoint& b = t.Corner[1];
    const DxfPoint& d = t.Corner[2];
    const float ux = d.x - a.x, uy = d.y - a.y, uz = d.z - a.z;
    const float vx = b.x - a.x, vy = b.y - a.y, vz = b.z - a.z;
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

namespace {

DxfPoint Unit(double x, double y, double z)
{
    const double l = std::sqrt(x * x + y * y + z * z);
    if (!(l > 0))
        return {0, 0, 1};
    return {float(x / l), float(y / l), float(z / l)};
}

// The bits of a coordinate, with -0 and 0 the same, so equal points sort together.
std::uint32_t KeyBits(float v)
{
    if (v == 0)
        v = 0;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// One corner of the mesh: where it is, which way its triangle faces, and its place in the result.
struct CornerKey {
    std::array<std::uint32_t, 6> Key;  // position, then facing
    std::uint32_t Triangle;
    std::uint32_t Index;  // triangle x 3 + corner
};

// Beyond this many facings at one point there is no smooth surface to show (only a spike or a
// damaged file makes them), and comparing each with each would cost the square of their number.
constexpr std::size_t MaxFacingsPerPoint = 256;

} // namespace

std::vector<DxfPoint> SmoothNormals(const std::vector<DxfTriangle>& triangles)
{
    const std::size_t n = triangles.size();
    std::vector<DxfPoint> faceNormal(n);  // area-weighted
    std::vector<DxfPoint> faceUnit(n);
    for (std::size_t i = 0; i < n; ++i) {
        faceNormal[i] = CalcNormal(triangles[i]);
        faceUnit[i] = Unit(faceNormal[i].x, faceNormal[i].y, faceNormal[i].z);
    }
    // Sorted by position and then by facing, the corners of one point form one run, and within
    // it the corners whose triangles face the same way share one result. So the cost grows with
    // the corners and the facings met at each point, not with the corners that share a point.
    std::vector<CornerKey> corners;
    corners.reserve(n * 3);
    for (std::size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c) {
            const DxfPoint& p = triangles[i].Corner[c];
            const DxfPoint& u = faceUnit[i];
            corners.push_back({{KeyBits(p.x), KeyBits(p.y), KeyBits(p.z), KeyBits(u.x), KeyBits(u.y), KeyBits(u.z)},
                               static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(i * 3 + c)});
        }
    std::sort(corners.begin(), corners.end(),
              [](const CornerKey& a, const CornerKey& b) { return a.Key < b.Key; });
    const auto samePoint = [](const CornerKey& a, const CornerKey& b) {
        return std::equal(a.Key.begin(), a.Key.begin() + 3, b.Key.begin());
    };

    // One facing met at a point: its direction, the summed area-weighted normals of its corners,
    // and its run of corners.
    struct Facing {
        DxfPoint Unit;
        double X = 0, Y = 0, Z = 0;
        std::size_t First = 0, Last = 0;
    };
    std::vector<Facing> facings;
    std::vector<DxfPoint> normals(n * 3);
    const float crease = 0.5f;  // cos 60 degrees
    for (std::size_t first = 0; first < corners.size();) {
        std::size_t last = first;
        facings.clear();
        while (last < corners.size() && samePoint(corners[first], corners[last])) {
            if (facings.empty() || corners[last].Key != corners[facings.back().First].Key) {
                facings.push_back(Facing());
                facings.back().Unit = faceUnit[corners[last].Triangle];
                facings.back().First = last;
            }
            Facing& f = facings.back();
            const DxfPoint& w = faceNormal[corners[last].Triangle];
            f.X += w.x;
            f.Y += w.y;
            f.Z += w.z;
            f.Last = ++last;
        }
        for (const Facing& own : facings) {
            double x = 0, y = 0, z = 0;
            if (facings.size() <= MaxFacingsPerPoint) {
                // The triangles at this point that face within 60 degrees of this one.
                for (const Facing& other : facings) {
                    const DxfPoint& u = other.Unit;
                    if (u.x * own.Unit.x + u.y * own.Unit.y + u.z * own.Unit.z >= crease) {
                        x += other.X;
                        y += other.Y;
                        z += other.Z;
                    }
                }
            }
            const DxfPoint normal = (x == 0 && y == 0 && z == 0) ? own.Unit : Unit(x, y, z);
            for (std::size_t k = own.First; k < own.Last; ++k)
                normals[corners[k].Index] = normal;
        }
        first = last;
    }
    return normals;
}

namespace {
std::mutex cacheMutex;
std::map<std::string, std::shared_ptr<const DxfMesh>> cache;
} // namespace

DxfModel LoadDxfModel(DXF& reader, const std::string& fileName)
{
    DxfModel model;
    {
        std::lock_guard<std::mutex> lock(cacheMutex);
        const auto found = cache.find(fileName);
        if (found != cache.end()) {
            model.Status = DxfLoadStatus::Ok;
            model.Mesh = found->second;
            return model;
        }
    }
    if (reader.ReadDxfFile(fileName) != 0) {
        model.Status = DxfLoadStatus::ReadFailed;
        return model;
    }
    // A damaged file (empty, cut off, faces naming points it lacks) may build without a single
    // triangle: that is no model either, and must not leave a body part out unnoticed.
    if (reader.BuildTriangles() != 0 || reader.TriangleCount == 0) {
        model.Status = DxfLoadStatus::BuildFailed;
        return model;
    }
    auto mesh = std::make_shared<DxfMesh>();
    mesh->Triangles = reader.Triangles;
    mesh->Normals = SmoothNormals(mesh->Triangles);
    {
        std::lock_guard<std::mutex> lock(cacheMutex);
        cache[fileName] = mesh;
    }
    model.Status = DxfLoadStatus::Ok;
    model.Mesh = std::move(mesh);
    return model;
}

void ClearDxfModelCache()
{
    std::lock_guard<std::mutex> lock(cacheMutex);
    cache.clear();
}
