// LightWave objects: a two-surface cube loads sorted by surface with one range per surface, its hard
// edges split so every side is lit flat, its colours and textures from its surfaces; polygons become
// fans; gentle creases keep shared points; UV maps and per-polygon UVs reach the vertices.
#include <gtest/gtest.h>

#include <cmath>

#include "lw_mesh_load.h"

namespace {

using namespace lwo_test;

void ExpectVector(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected, const char* what)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-4f) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-4f) << what;
}

D3DXVECTOR3 NormalOf(const S3DVERTEX& v) { return {v.nx, v.ny, v.nz}; }

void ExpectColour(const D3DCOLORVALUE& c, float r, float g, float b, const char* what)
{
    EXPECT_EQ(c.r, r) << what;
    EXPECT_EQ(c.g, g) << what;
    EXPECT_EQ(c.b, b) << what;
    EXPECT_EQ(c.a, 1.0f) << what;
}

// Green sides -z, -x, +y, -y first, then the Red sides +z, +x; two triangles each, in file order.
const std::vector<D3DXVECTOR3> kSortedSides = {{0, 0, -1}, {0, 0, -1}, {-1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, 1, 0},
                                                {0, -1, 0}, {0, -1, 0}, {0, 0, 1},  {0, 0, 1},  {1, 0, 0}, {1, 0, 0}};

TEST(LWMesh, TwoSurfaceCubeIsSortedBySurfaceSplitAtItsEdgesAndColouredByItsSurfaces)
{
    Folder folder;
    const SLoaded cube = Load(folder.Write("cube.lwo", TwoSurfaceCube().Bytes_()));
    EXPECT_TRUE(cube.boxes.empty());
    ASSERT_EQ(cube.vertices.size(), 24u);  // every corner once per side it touches
    ASSERT_EQ(cube.faces, 12);
    ASSERT_EQ(cube.indices.size(), 36u);
    EXPECT_EQ(cube.ends, (std::vector<int>{8, 12}));
    for (size_t t = 0; t < 12; ++t) {
        ExpectVector(FaceNormal(cube, t), kSortedSides[t], "side order");
        for (int k = 0; k < 3; ++k)
            ExpectVector(NormalOf(cube.vertices[cube.indices[3 * t + k]]), kSortedSides[t], "flat side normal");
    }
    // The file's points keep their places; the -z side's fan is (0 2 3), (0 3 1).
    const std::vector<Point> corners = CubePoints();
    for (size_t i = 0; i < 8; ++i)
        ExpectVector({cube.vertices[i].x, cube.vertices[i].y, cube.vertices[i].z},
                     {corners[i].x, corners[i].y, corners[i].z}, "file point");
    EXPECT_EQ((std::vector<WORD>(cube.indices.begin(), cube.indices.begin() + 6)),
              (std::vector<WORD>{0, 2, 3, 0, 3, 1}));
    ASSERT_EQ(cube.materials.size(), 2u);
    ExpectColour(cube.materials[0].Ambient, 0, 1, 0, "green ambient");
    ExpectColour(cube.materials[0].Diffuse, 0, 1, 0, "DIFF takes the colour");
    ExpectColour(cube.materials[0].Specular, 0, 0, 0, "no SPEC");
    ExpectColour(cube.materials[1].Ambient, 1, 0, 0, "red ambient");
    ExpectColour(cube.materials[1].Diffuse, 1, 1, 1, "no DIFF: white");
    ExpectColour(cube.materials[1].Specular, 1, 0, 0, "SPEC takes the colour");
    ExpectColour(cube.materials[1].Emissive, 0, 0, 0, "emissive");
    ExpectVector(cube.boxMin, {-1, -1, -1}, "box min");
    ExpectVector(cube.boxMax, {1, 1, 1}, "box max");
    for (const S3DVERTEX& v : cube.vertices)
        EXPECT_EQ(v.color, 0xFFFFFFFFu);
}

TEST(LWMesh, PolygonTagsOfColoursPartsAndSmoothingGroupsBesideTheSurfaceTagsChangeNothing)
{
    Folder folder;
    const SLoaded plain = Load(folder.Write("cube.lwo", TwoSurfaceCube().Bytes_()));
    const SLoaded tagged = Load(folder.Write("tagged.lwo", TwoSurfaceCube(1.0f, {}, true).Bytes_()));
    EXPECT_TRUE(tagged.boxes.empty());
    EXPECT_EQ(tagged.indices, plain.indices);
    EXPECT_EQ(tagged.ends, plain.ends);
    ASSERT_EQ(tagged.materials.size(), 2u);
    ExpectColour(tagged.materials[0].Ambient, 0, 1, 0, "green ambient");
    ExpectColour(tagged.materials[1].Ambient, 1, 0, 0, "red ambient");
    ASSERT_EQ(tagged.vertices.size(), plain.vertices.size());
    for (size_t i = 0; i < plain.vertices.size(); ++i)
        ExpectVector(NormalOf(tagged.vertices[i]), NormalOf(plain.vertices[i]), "normals computed");
}

TEST(LWMesh, PolygonsBecomeFansSmallPolygonsAreDroppedAndOtherChunksAreSkipped)
{
    Folder folder;
    const std::vector<Point> points = {{0, 0, 0}, {0, 1, 0}, {1, 2, 0}, {2, 1, 0}, {2, 0, 0}, {5, 5, 5}, {6, 6, 6}};
    LwoFile file;
    file.Chunk("TEXT", Bytes{{'a', 'b', 'c'}})  // odd size, padded
        .Chunk("TAGS", Tags({"Default", "Wood"}))
        .Chunk("PNTS", Points(points))
        .Chunk("BBOX", Bytes().F4(0).F4(0).F4(0).F4(2).F4(2).F4(0))
        .Chunk("POLS", Faces({{5}, {0, 1, 2, 3, 4}, {5, 6}}))
        .Chunk("PTAG", PolygonTags({0, 1, 0}))
        .Chunk("SURF", Surface("Wood", 0.5f, 0.25f, 0.125f));
    const SLoaded mesh = Load(folder.Write("fan.lwo", file.Bytes_()));
    EXPECT_TRUE(mesh.boxes.empty());
    EXPECT_EQ(mesh.faces, 3);
    EXPECT_EQ(mesh.indices, (std::vector<WORD>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    ASSERT_EQ(mesh.vertices.size(), 7u);  // one plane: no crease
    for (int i = 0; i < 5; ++i)
        ExpectVector(NormalOf(mesh.vertices[i]), {0, 0, -1}, "plane normal");
    ExpectVector(NormalOf(mesh.vertices[5]), {0, 0, 0}, "a point no triangle uses");
    // The PTAG pair of polygon 1 (the pentagon) names tag 1: material 0 holds no triangle.
    EXPECT_EQ(mesh.ends, (std::vector<int>{0, 3}));
    ASSERT_EQ(mesh.materials.size(), 2u);
    ExpectColour(mesh.materials[1].Ambient, 0.5f, 0.25f, 0.125f, "Wood");
    // The box holds the origin and the unused points.
    ExpectVector(mesh.boxMax, {6, 6, 6}, "box max");
}

// Two slopes meeting at a ridge along z; the slopes' normals differ by twice the slope angle.
LwoFile Roof(float slopeDegrees)
{
    const float h = std::tan(slopeDegrees * 3.14159265f / 180);
    LwoFile file;
    file.Chunk("PNTS", Points({{-1, 1 - h, -1}, {-1, 1 - h, 1}, {0, 1, -1}, {0, 1, 1}, {1, 1 - h, -1}, {1, 1 - h, 1}}))
        .Chunk("POLS", Faces({{0, 1, 3, 2}, {2, 3, 5, 4}}));
    return file;
}

TEST(LWMesh, GentleCreasesKeepSharedPointsSharpOnesAndFlatShadingSplitThem)
{
    Folder folder;
    const SLoaded gentle = Load(folder.Write("gentle.lwo", Roof(10).Bytes_()));
    ASSERT_EQ(gentle.vertices.size(), 6u);
    const D3DXVECTOR3 left = FaceNormal(gentle, 0), right = FaceNormal(gentle, 2);
    EXPECT_LT(left.x, 0);
    EXPECT_GT(right.x, 0);
    // Point 3 lies in both left triangles and in one right one: the average of its three corners.
    D3DXVECTOR3 expected = (2 * left + right) / 3;
    D3DXVec3Normalize(&expected, &expected);
    ExpectVector(NormalOf(gentle.vertices[3]), expected, "averaged ridge normal");
    ExpectVector(gentle.boxMin, {-1, 0, -1}, "box min holds the origin");

    const SLoaded sharp = Load(folder.Write("sharp.lwo", Roof(15).Bytes_()));  // 30 degrees apart
    ASSERT_EQ(sharp.vertices.size(), 8u);  // the two ridge points, once per slope
    for (size_t t = 0; t < 4; ++t) {
        for (int k = 0; k < 3; ++k)
            ExpectVector(NormalOf(sharp.vertices[sharp.indices[3 * t + k]]), FaceNormal(sharp, t), "sharp");
    }

    const SLoaded flat = Load(folder.WindowsName("gentle.lwo"), {true, true});
    EXPECT_EQ(flat.vertices.size(), 12u);  // every corner its own point
    for (size_t t = 0; t < 4; ++t)
        ExpectVector(NormalOf(flat.vertices[flat.indices[3 * t]]), FaceNormal(flat, t), "flat");
}

TEST(LWMesh, UvMapsAreFlippedUnmappedPointsGetZeroAndTheLastMapWins)
{
    Folder folder;
    LwoFile file;
    file.Chunk("PNTS", Points({{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}))
        .Chunk("VMAP", UvMap({{0, 0.5f, 0.5f}, {1, 0.75f, 0.125f}}))
        .Chunk("VMAP", UvMap({{0, 0.25f, 0.0f}}))
        .Chunk("POLS", Faces({{0, 1, 2}}));
    const SLoaded mesh = Load(folder.Write("uv.lwo", file.Bytes_()));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    EXPECT_FLOAT_EQ(mesh.vertices[0].tu, 0.25f);
    EXPECT_FLOAT_EQ(mesh.vertices[0].tv, 1.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[1].tu, 0.75f);
    EXPECT_FLOAT_EQ(mesh.vertices[1].tv, 0.875f);
    EXPECT_EQ(mesh.vertices[2].tu, 0.0f);
    EXPECT_EQ(mesh.vertices[2].tv, 0.0f);
}

// Corner 4 of the +z side gets its own UV; +z is a Red side, which the sort moved behind the Green ones.
TEST(LWMesh, PerPolygonUvsSplitThePointOnlyInThatPolygonWhereverTheSortPutIt)
{
    Folder folder;
    LwoFile file = TwoSurfaceCube();
    file.Chunk("VMAD", PolygonUvMap({{4, 0, 0.9f, 0.2f}}));
    const std::string name = folder.Write("seam.lwo", file.Bytes_());
    const SLoaded cube = Load(name);
    EXPECT_TRUE(cube.boxes.empty());
    ASSERT_EQ(cube.vertices.size(), 24u);
    int seamPoints = 0;
    for (size_t i = 0; i < cube.vertices.size(); ++i) {
        const S3DVERTEX& v = cube.vertices[i];
        if (v.x != -1 || v.y != -1 || v.z != 1)
            continue;
        const bool seam = std::fabs(v.tu - 0.9f) < 1e-6f;
        seamPoints += seam;
        if (!seam) {
            EXPECT_FLOAT_EQ(v.tu, 0.4f);
            EXPECT_FLOAT_EQ(v.tv, 0.75f);
            continue;
        }
        EXPECT_FLOAT_EQ(v.tv, 0.8f);
        ExpectVector(NormalOf(v), {0, 0, 1}, "seam point lies on +z only");
        for (size_t k = 0; k < cube.indices.size(); ++k) {
            if (cube.indices[k] == i) {
                EXPECT_TRUE(k / 3 == 8 || k / 3 == 9) << "triangle " << k / 3;
            }
        }
    }
    EXPECT_EQ(seamPoints, 1);

    // Without texture drawing the per-polygon map is not read.
    const SLoaded plain = Load(name, {false, false});
    for (const S3DVERTEX& v : plain.vertices)
        EXPECT_NE(v.tu, 0.9f);
}

TEST(LWMesh, StillClipsNamedByASurfaceBlockBecomeTexturesInTheModelsFolder)
{
    Folder folder;
    Bytes woodBlock, stoneBlock;
    woodBlock.Sub("BLOK", Bytes().Sub("IMAP", Bytes().S0("\x80").Sub("CHAN", Bytes().Id("COLR")))
                              .Sub("PROJ", Bytes().U2(5))
                              .Sub("IMAG", Bytes().U2(1)));
    stoneBlock.Sub("BLOK", Bytes().Sub("IMAG", Bytes().U2(2))).Sub("BLOK", Bytes().Sub("IMAG", Bytes().U2(0)));
    LwoFile file;
    file.Chunk("TAGS", Tags({"Green", "Red"}))
        .Chunk("PNTS", Points(CubePoints()))
        .Chunk("POLS", Faces(CubeSides()))
        .Chunk("PTAG", PolygonTags({1, 0, 1, 0, 0, 0}))
        .Chunk("CLIP", StillClip(1, "Images/wood.png"))
        .Chunk("CLIP", StillClip(2, "C:\\maps\\stone.png"))
        .Chunk("SURF", Surface("Green", 0, 1, 0, woodBlock))
        .Chunk("SURF", Surface("Red", 1, 0, 0, stoneBlock))
        .Chunk("SURF", Surface("Unknown", 0, 0, 1));
    const SLoaded cube = Load(folder.Write("box.lwo", file.Bytes_()));
    ASSERT_EQ(cube.textures.size(), 2u);
    EXPECT_EQ(cube.textures[0], CString((folder.Directory() + "wood.png").c_str()));
    EXPECT_EQ(cube.textures[1], CString((folder.Directory() + "stone.png").c_str()));
    ExpectColour(cube.materials[1].Ambient, 1, 0, 0, "a surface no tag names changes nothing");
}

TEST(LWMesh, AFileThatCannotBeOpenedIsAnEmptyModelWithoutAMessage)
{
    Folder folder;
    const SLoaded missing = Load(folder.WindowsName("missing.lwo"));
    EXPECT_TRUE(missing.boxes.empty());
    EXPECT_FALSE(missing.hasBuffer);
    EXPECT_EQ(missing.vertexCount, 0);
    EXPECT_EQ(missing.faces, 0);
}

}  // namespace
