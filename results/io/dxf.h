#pragma once
// Reader of the ASCII DXF meshes of the 3D player (bodies and garments under "model"). It knows
// only what those models use: group-code/value line pairs, 3DFACE entities and polyface meshes
// (a POLYLINE followed by VERTEX entities for the points and for the faces). Everything else is
// tokenised and ignored. The result is a flat list of triangles.
//
// Whatever a file holds (a pair without its value line, no LF at the end, vertex numbers out of
// range, an empty file), the reader stays inside its buffer and its arrays: it returns its failure
// or the triangles it could build.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct DxfPoint {
    float x = 0, y = 0, z = 0;
};

inline bool operator==(const DxfPoint& a, const DxfPoint& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Three corners in the order in which they are drawn.
struct DxfTriangle {
    DxfPoint Corner[3];
};

// Entity names the reader recognises; any other name of a code-0 pair is BAD_TOKEN.
enum DxfEntity : std::uint8_t {
    DXF_BAD_TOKEN = 0, DXF_SECTION, DXF_HEADER, DXF_ENDSEC, DXF_SEQEND, DXF_BLOCKS, DXF_BLOCK,
    DXF_ENDBLK, DXF_VERTEX, DXF_TABLES, DXF_TABLE, DXF_LAYER, DXF_CONTINUOUS, DXF_ENDTAB,
    DXF_ENTITIES, DXF_3DFACE, DXF_EOF, DXF_POLYLINE, DXF_INTEGER, DXF_REAL, DXF_NAME,
    DXF_ENTITY_COUNT
};

// What the value of a group code is read as: code 0 an entity name; below 60 a real; 60 to 99
// an integer; 100 to 149 a real; 150 to 179 an integer; 180 and above nothing. (So the string
// codes 1 to 9 read as the leading number of their text, usually 0.)
enum class DxfValueKind : std::uint8_t { Name, Integer, Real, None };
DxfValueKind DxfKindOfCode(int code);

// One group-code/value pair.
struct DxfToken {
    std::int32_t Code = 0;
    DxfValueKind Kind = DxfValueKind::None;
    union {
        std::uint8_t Name;  // DxfEntity
        std::int32_t Integer;
        double Real;
    };
    DxfToken() : Real(0) {}
    // The value as a number whatever its kind (0 when the code keeps none).
    double Number() const;
};

// A polyface face: four 1-based vertex numbers, -1 for an absent fourth corner.
struct DxfFace {
    std::int32_t Vertex[4] = {-1, -1, -1, -1};
};

class DXF {
public:
    // Empty reader; the player reuses one for every model.
    DXF();
    // Reads and builds at once (stopping at the first failure); the polyface arrays end empty.
    explicit DXF(const std::string& fileName);
    virtual ~DXF();
    DXF(const DXF&) = delete;
    DXF& operator=(const DXF&) = delete;

    // 0 on success; -1 when the file cannot be opened or is no regular file (Diagnostic then
    // says "file not open"). Replaces the token list.
    int ReadDxfFile(const std::string& fileName);
    // 0 on success, -1 when an entity reader fails. Replaces the triangle list.
    int BuildTriangles();

    int TriangleCount = 0;
    std::vector<DxfTriangle> Triangles;
    int TokenCount = 0;
    std::vector<DxfToken> Tokens;
    std::vector<DxfPoint> Vertices;
    std::vector<DxfFace> Faces;
    int VertexCount = 0;
    int FaceCount = 0;
    // What went wrong last, for whoever reports it ("file not open", "Invalid face index: n").
    std::string Diagnostic;

    // Tokenises text that is already in memory (what ReadDxfFile does after reading the file).
    void ReadDxfText(const std::string& text);

private:
    void FreeTokens();
    // The 3DFACE at token index `at`: appends one or two triangles and returns the pairs it
    // consumed, or -1 when the token is not a 3DFACE.
    int Read3DFace(int at);
    // The VERTEX at token index `at`: stores a polyface point or face; returns the pairs consumed.
    int ReadVertex(int at);
    void AddVertex(const DxfPoint& point);
    void AddFace(const DxfFace& face);
    // Turns the collected points and faces into triangles, up to the first invalid face.
    void ConvertFaces();
    void FreePolyface();
    void AddTriangle(const DxfPoint& a, const DxfPoint& b, const DxfPoint& c);
};

// Triangles with a shading normal per corner.
struct DxfMesh {
    std::vector<DxfTriangle> Triangles;
    std::vector<DxfPoint> Normals;  // three per triangle, unit length
};

// The face normal the player uses for a triangle (A, B, D): (D - A) x (B - A), not normalised.
DxfPoint CalcNormal(const DxfTriangle& t);

// Corner normals that make a curved surface look smooth: each corner gets the area-weighted mean
// of the normals of the triangles that share its position and face within 60 degrees of its
// own triangle, so folds and rims keep their edge.
std::vector<DxfPoint> SmoothNormals(const std::vector<DxfTriangle>& triangles);

// Models are parsed once per process and their meshes shared by every player window.
enum class DxfLoadStatus { Ok, ReadFailed, BuildFailed };
struct DxfModel {
    DxfLoadStatus Status = DxfLoadStatus::ReadFailed;
    std::shared_ptr<const DxfMesh> Mesh;  // set when Status is Ok
};
// Returns the cached mesh of the file, or reads and builds it with `reader` and caches the
// result when it succeeds (a failure is not kept, so a repaired file loads next time). A file
// that builds no triangle is a BuildFailed.
DxfModel LoadDxfModel(DXF& reader, const std::string& fileName);
// Forgets every cached model.
void ClearDxfModelCache();
