// The DXF model reader: entities, polyface meshes, repeated use, and damaged files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "results/io/dxf.h"
#include "tests/unit/tempfolder.h"

namespace {

namespace fs = std::filesystem;

// Group-code/value pairs joined into DXF text, one item per line.
std::string Lines(std::initializer_list<std::string> items)
{
    std::string text;
    for (const std::string& s : items)
        text += s + "\n";
    return text;
}

// A 3DFACE of four corners, given as x, y, z each.
std::string Face3D(std::initializer_list<double> xyz)
{
    std::ostringstream o;
    o << "0\n3DFACE\n8\n0\n";
    int i = 0;
    for (double v : xyz) {
        o << (1 + i % 3) << i / 3 << "\n" << v << "\n";
        ++i;
    }
    return o.str();
}

std::string Point(double x, double y, double z)
{
    std::ostringstream o;
    o << "0\nVERTEX\n8\n0\n10\n" << x << "\n20\n" << y << "\n30\n" << z << "\n70\n192\n";
    return o.str();
}

std::string Face(int a, int b, int c, int d = 0)
{
    std::ostringstream o;
    o << "0\nVERTEX\n8\n0\n10\n0\n20\n0\n30\n0\n70\n128\n71\n" << a << "\n72\n" << b << "\n73\n" << c << "\n";
    if (d != 0)
        o << "74\n" << d << "\n";
    return o.str();
}

const std::string Polyline = "0\nPOLYLINE\n8\n0\n66\n1\n70\n64\n";
const std::string End = "0\nSEQEND\n0\nENDSEC\n0\nEOF\n";

// Points 1..n at (k, 0, 0) for k = 1..n.
std::string Points(int n)
{
    std::string s;
    for (int k = 1; k <= n; ++k)
        s += Point(k, 0, 0);
    return s;
}

int Build(DXF& dxf, const std::string& text)
{
    dxf.ReadDxfText(text);
    return dxf.BuildTriangles();
}

DxfPoint P(float x, float y, float z) { return {x, y, z}; }

void ExpectTriangle(const DxfTriangle& t, DxfPoint a, DxfPoint b, DxfPoint c)
{
    std::ostringstream got;
    for (const DxfPoint& p : t.Corner)
        got << "(" << p.x << "," << p.y << "," << p.z << ") ";
    EXPECT_TRUE(t.Corner[0] == a && t.Corner[1] == b && t.Corner[2] == c) << got.str();
}

TEST(DxfTokens, EntityNamesMatchByPrefixInTableOrder)
{
    DXF dxf;
    dxf.ReadDxfText(Lines({"0", "BLOCKS", "0", "BLOCK", "0", "TABLE", "0", "TABLES", "0", "LINE",
                           "0", "SECTION\r", "  0", "EOF   ", "0", "3DFACE", "0", "", "0", "VERTEX"}));
    ASSERT_EQ(dxf.TokenCount, 10);
    const int expected[10] = {DXF_BLOCKS, DXF_BLOCK, DXF_TABLE, DXF_TABLES, DXF_BAD_TOKEN,
                              DXF_SECTION, DXF_EOF, DXF_3DFACE, DXF_BAD_TOKEN, DXF_VERTEX};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dxf.Tokens[i].Name, expected[i]) << "token " << i;
}

TEST(DxfTokens, ValuesReadAsTheirLeadingNumber)
{
    DXF dxf;
    dxf.ReadDxfText(Lines({"8", "LAYER1", "2", "12abc", "10", " -1.5e1", "70", "64.9", "71", "-3",
                           "999", "comment", "20", "1e999"}));
    ASSERT_EQ(dxf.TokenCount, 7);
    EXPECT_EQ(dxf.Tokens[0].Real, 0.0);
    EXPECT_EQ(dxf.Tokens[1].Real, 12.0);
    EXPECT_EQ(dxf.Tokens[2].Real, -15.0);
    EXPECT_EQ(dxf.Tokens[3].Integer, 64);
    EXPECT_EQ(dxf.Tokens[6].Real, 0.0);  // out of range: not a number
    // Each range of group codes from its first code to its last.
    const std::pair<int, DxfValueKind> kinds[] = {
        {0, DxfValueKind::Name},      {1, DxfValueKind::Real},      {59, DxfValueKind::Real},
        {60, DxfValueKind::Integer},  {99, DxfValueKind::Integer},  {100, DxfValueKind::Real},
        {149, DxfValueKind::Real},    {150, DxfValueKind::Integer}, {179, DxfValueKind::Integer},
        {180, DxfValueKind::None}};
    for (const auto& [code, kind] : kinds)
        EXPECT_EQ(DxfKindOfCode(code), kind) << code;
}

TEST(Dxf3DFace, FourthCornerRepeatingTheThirdGivesOneTriangle)
{
    DXF dxf;
    ASSERT_EQ(Build(dxf, Face3D({0, 0, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0}) +
                             Face3D({0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1}) + End),
              0);
    ASSERT_EQ(dxf.TriangleCount, 3);
    ExpectTriangle(dxf.Triangles[0], P(0, 0, 0), P(1, 0, 0), P(1, 1, 0));
    ExpectTriangle(dxf.Triangles[1], P(0, 0, 1), P(1, 0, 1), P(1, 1, 1));
    ExpectTriangle(dxf.Triangles[2], P(0, 0, 1), P(1, 1, 1), P(0, 1, 1));
}

TEST(DxfPolyface, InvalidFaceStopsThatMeshAndTheNextMeshNumbersItsOwnPoints)
{
    DXF dxf;
    const int result = Build(dxf, Polyline + Points(6) + Face(1, 2, 3) + Face(4, 5, 7) + Face(4, 5, 6) + Polyline +
                                      Point(7, 7, 7) + Point(8, 8, 8) + Point(9, 9, 9) + Face(3, 2, 1) + End);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dxf.Diagnostic, "Invalid face index: 1");
    // Face 0 of the first mesh, nothing after its bad face, then the second mesh.
    ASSERT_EQ(dxf.TriangleCount, 2);
    ExpectTriangle(dxf.Triangles[0], P(1, 0, 0), P(2, 0, 0), P(3, 0, 0));
    ExpectTriangle(dxf.Triangles[1], P(9, 9, 9), P(8, 8, 8), P(7, 7, 7));
}

TEST(DxfPolyface, LargeMeshKeepsEveryPointAcrossGrowth)
{
    // 2,500 points: the arrays grow past 1,000 and 2,000 entries; faces (triangles and a quad)
    // reach both ends.
    std::string text = Polyline + Points(2500);
    for (int k = 1; k + 2 <= 2500; k += 3)
        text += Face(k, k + 1, k + 2);
    text += Face(1, 1000, 1001, 2500) + End;
    DXF dxf;
    ASSERT_EQ(Build(dxf, text), 0);
    ASSERT_EQ(dxf.TriangleCount, 833 + 2);
    ExpectTriangle(dxf.Triangles[833], P(1, 0, 0), P(1000, 0, 0), P(1001, 0, 0));
    ExpectTriangle(dxf.Triangles[834], P(1, 0, 0), P(1001, 0, 0), P(2500, 0, 0));
}

TEST(DxfFile, SecondFileReplacesTokensAndTriangles)
{
    TempFolder folder;
    const std::string first = folder.Write("a.dxf", Polyline + Points(6) + Face(1, 2, 3, 4) + End);
    // Refers to points the second file does not have: nothing of the first may fill them.
    const std::string second = folder.Write("b.dxf", Face3D({5, 5, 5, 6, 5, 5, 6, 6, 5, 6, 6, 5}) +
                                                         Polyline + Face(4, 5, 6) + End);
    DXF dxf;
    ASSERT_EQ(dxf.ReadDxfFile(first), 0);
    ASSERT_EQ(dxf.BuildTriangles(), 0);
    EXPECT_EQ(dxf.TriangleCount, 2);

    ASSERT_EQ(dxf.ReadDxfFile(second), 0);
    ASSERT_EQ(dxf.BuildTriangles(), 0);
    EXPECT_EQ(dxf.Diagnostic, "Invalid face index: 0");
    ASSERT_EQ(dxf.TriangleCount, 1);
    ExpectTriangle(dxf.Triangles[0], P(5, 5, 5), P(6, 5, 5), P(6, 6, 5));
}

TEST(DxfFile, MissingAndIrregularFilesFailModelsWithoutTrianglesFailToLoadAndAreRetried)
{
    ClearDxfModelCache();
    TempFolder folder;
    const fs::path directory = folder.Path() / "man.dxf";
    fs::create_directory(directory);
    DXF reader;
    const std::string none = (folder.Path() / "none.dxf").string();
    EXPECT_EQ(reader.ReadDxfFile(none), -1);
    EXPECT_EQ(reader.Diagnostic, "file not open");
    EXPECT_EQ(LoadDxfModel(reader, none).Status, DxfLoadStatus::ReadFailed);
    EXPECT_EQ(LoadDxfModel(reader, directory.string()).Status, DxfLoadStatus::ReadFailed);
    EXPECT_EQ(reader.ReadDxfFile("/dev/null"), -1);

    // Empty, garbage, cut off inside its first entity, and faces naming points that do not exist.
    int n = 0;
    for (const std::string& text : {std::string(), std::string("hello\nworld\n\x01\x02"), std::string("0\n3DFA"),
                                    Polyline + Points(3) + Face(1, 2, 9) + End}) {
        const std::string path = folder.Write("m" + std::to_string(n++) + ".dxf", text);
        const DxfModel model = LoadDxfModel(reader, path);
        EXPECT_EQ(model.Status, DxfLoadStatus::BuildFailed) << text;
        EXPECT_EQ(model.Mesh, nullptr);
    }
    // A failed load is not kept: once the file is there it loads.
    folder.Write("none.dxf", Polyline + Points(4) + Face(1, 2, 3, 4) + End);
    const DxfModel model = LoadDxfModel(reader, none);
    ASSERT_EQ(model.Status, DxfLoadStatus::Ok);
    EXPECT_EQ(model.Mesh->Normals.size(), 6u);
    ClearDxfModelCache();
}

TEST(DxfDamaged, TruncatedAndOddFilesStayInsideTheirData)
{
    DXF dxf;
    // A code line without its value line at the end: the pair is dropped.
    EXPECT_EQ(Build(dxf, Face3D({0, 0, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0}) + "0"), 0);
    EXPECT_EQ(dxf.TriangleCount, 1);
    // No LF after the last value: the value still counts.
    EXPECT_EQ(Build(dxf, "0\n3DFACE\n10\n1\n11\n2\n12\n3\n13\n3"), 0);
    ASSERT_EQ(dxf.TriangleCount, 1);
    ExpectTriangle(dxf.Triangles[0], P(1, 0, 0), P(2, 0, 0), P(3, 0, 0));
    // Faces out of range in every way; a face before any point; a point after its faces.
    for (const std::string& bad :
         {Face(-1, 2, 3), Face(1, -5, 3), Face(1, 2, 3, -7), Face(1, 2, 3, 4), Face(0, 1, 2),
          Face(2147483647, 1, 2), std::string("0\nVERTEX\n70\n128\n71\n99999999999999\n72\n1\n73\n2\n")}) {
        EXPECT_EQ(Build(dxf, Polyline + Points(3) + bad + End), 0);
        EXPECT_EQ(dxf.TriangleCount, 0);
    }
    EXPECT_EQ(Build(dxf, Face(1, 2, 3) + Points(3) + End), 0);
    EXPECT_EQ(dxf.TriangleCount, 1);  // the face waits for its mesh's points
}

TEST(DxfNormals, FaceNormalAndSmoothCornersWithCreases)
{
    // The player's convention: (D - A) x (B - A) for the corners A, B, D.
    EXPECT_FLOAT_EQ(CalcNormal(DxfTriangle{{P(0, 0, 0), P(0, 1, 0), P(1, 0, 0)}}).z, 1);

    // A shallow roof (two faces 20 degrees apart) is smoothed along its ridge; a right-angled
    // edge keeps each face's own normal.
    auto tri = [](DxfPoint a, DxfPoint b, DxfPoint d) { return DxfTriangle{{a, b, d}}; };
    const float h = std::tan(10.0f * 3.14159265f / 180.0f);
    std::vector<DxfTriangle> roof = {tri(P(0, 0, 0), P(-1, 0, -h), P(0, 1, 0)),
                                     tri(P(0, 0, 0), P(0, 1, 0), P(1, 0, -h))};
    std::vector<DxfPoint> s = SmoothNormals(roof);
    ASSERT_EQ(s.size(), 6u);
    EXPECT_NEAR(s[0].x, 0, 1e-6);  // the ridge corner of the first face averages both
    EXPECT_NEAR(s[3].x, 0, 1e-6);
    EXPECT_LT(s[1].x, -0.1f);      // the outer corners keep their own face's tilt
    EXPECT_GT(s[5].x, 0.1f);

    std::vector<DxfTriangle> edge = {tri(P(0, 0, 0), P(0, 1, 0), P(1, 0, 0)),
                                     tri(P(0, 0, 0), P(0, 0, -1), P(0, 1, 0))};
    s = SmoothNormals(edge);
    EXPECT_NEAR(s[0].z, 1, 1e-6);
    EXPECT_NEAR(s[3].x, -1, 1e-6);
}

} // namespace
