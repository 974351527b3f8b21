// LightWave files the reader refuses: each shows one "Lightwave importer Error" box with its own text
// and stops the load at that chunk, keeping what was built before it. Damaged files (a chunk past the
// end of the file, an index past what was read, too many corners or points) are refused the same way.
#include <gtest/gtest.h>

#include <cmath>

#include "lw_mesh_load.h"
#include "meshes/LWMeshObjectMessages.h"

namespace {

using namespace lwo_test;

LwoFile Triangle()
{
    LwoFile file;
    file.Chunk("PNTS", Points({{0, 0, 0}, {0, 1, 0}, {1, 0, 0}})).Chunk("POLS", Faces({{0, 1, 2}}));
    return file;
}

struct SCase {
    const char* what;
    std::vector<uint8_t> bytes;
    std::string message;
};

std::vector<uint8_t> NotForm()
{
    std::vector<uint8_t> bytes = Triangle().Bytes_();
    bytes[1] = 'A';
    return bytes;
}

std::vector<uint8_t> WithTrailingChunk(LwoFile file, const char* id, const Bytes& content)
{
    return file.Chunk(id, content).Bytes_();
}

// One point named by 1025 triangle corners: a fan of 1025 triangles around point 0.
std::vector<uint8_t> CrowdedPoint()
{
    std::vector<Point> points{{0, 0, 0}};
    std::vector<unsigned> fan{0};
    for (unsigned i = 0; i < 1026; ++i) {
        points.push_back({std::cos(i * 0.006f), std::sin(i * 0.006f), 0});
        fan.push_back(i + 1);
    }
    LwoFile file;
    file.Chunk("PNTS", Points(points)).Chunk("POLS", Faces({fan}));
    return file.Bytes_();
}

// 65,536 points, all used, and one per-polygon UV that would need one more.
std::vector<uint8_t> FullPointRange()
{
    std::vector<Point> points;
    std::vector<std::vector<unsigned>> triangles;
    for (unsigned i = 0; i < 65536; ++i)
        points.push_back({static_cast<float>(i % 3), static_cast<float>(i / 3 % 2), 0});
    for (unsigned i = 0; i + 2 < 65536; i += 3)
        triangles.push_back({i, i + 1, i + 2});
    triangles.push_back({65533, 65534, 65535});
    LwoFile file;
    file.Chunk("PNTS", Points(points)).Chunk("POLS", Faces(triangles)).Chunk("VMAD", PolygonUvMap({{0, 0, 0, 0}}));
    return file.Bytes_();
}

std::vector<SCase> Cases()
{
    const std::string hardest = "This loader supports only still image texture. it does not support animation as "
                                "texture (r\xEAve pas Zarn! :) )";
    Bytes animation;
    animation.U4(1).Id("ISEQ").U2(4).U2(0).U2(0);
    return {
        {"FORM", NotForm(), "File is not LW model (can't find FORM chunk)"},
        {"LWOB", Triangle().Bytes_("LWOB"), "File is not LW 6.x - 7.x  model (can't find LWO2 chunk)"},
        {"clip 256", WithTrailingChunk(Triangle(), "CLIP", StillClip(256, "a.png")),
         "This loader supports only 256 textures... we are lamers."},
        {"ISEQ clip", WithTrailingChunk(Triangle(), "CLIP", animation), hardest},
        {"second LAYR",
         LwoFile().Chunk("LAYR", Bytes().U2(0).U2(0)).Chunk("LAYR", Bytes().U2(1).U2(0)).Bytes_(),
         "This loader does not support multi layer objects, please flatten your objet before loading."},
        {"CURV", WithTrailingChunk(Triangle(), "POLS", Faces({{0, 1, 2}}, "CURV")),
         "This loader supports only regular polygons. it does not support Catmull-rom splines, bone, metaballs or "
         "subdivision patches"},
        {"points and lines", WithTrailingChunk(Triangle(), "POLS", Faces({{0}, {1, 2}})),
         "This loader supports only polygons with 3 or more vertices. It does not support 2 points polys, or 1 "
         "point polys"},
        {"PART", WithTrailingChunk(Triangle(), "PTAG", PolygonTags({0}, "PART")),
         "Found another tag then SURF after PTAG tag. I don't like that."},
        {"parts and smoothing groups, no surfaces",
         WithTrailingChunk(Triangle().Chunk("PTAG", PolygonTags({0}, "SMGP")), "PTAG", PolygonTags({0}, "PART")),
         "Found another tag then SURF after PTAG tag. I don't like that."},
        {"DIFF first",
         WithTrailingChunk(Triangle().Chunk("TAGS", Tags({"A"})), "SURF",
                           Bytes().S0("A").S0("").Sub("DIFF", Bytes().F4(1).U2(0))),
         "Found another tag then COLR after SURF tag. I don't like that."},
        {"weight map", WithTrailingChunk(Triangle(), "VMAP", UvMap({{0, 1, 1}}, "WGHT")),
         "Loader does only support UV texture mapping no other weird things, forget it"},
        {"morph map", WithTrailingChunk(Triangle(), "VMAD", PolygonUvMap({{0, 0, 1, 1}}, "MORF")),
         "Loader does only support UV texture mapping no other weird things, forget it"},
        {"truncated chunk",
         [] {
             LwoFile file = Triangle();
             file.ChunkClaiming("PNTS", 120, Points({{0, 0, 0}, {1, 1, 1}}));
             return file.Bytes_();
         }(),
         lw_messages::kTruncated},
        {"polygon past the points", WithTrailingChunk(Triangle(), "POLS", Faces({{0, 1, 3}})), lw_messages::kBadIndex},
        {"polygon past its chunk",
         [] {
             LwoFile file = Triangle();
             file.Chunk("POLS", Bytes().Id("FACE").U2(3).U2(0).U2(1));
             return file.Bytes_();
         }(),
         lw_messages::kTruncated},
        {"UV past the points", WithTrailingChunk(Triangle(), "VMAP", UvMap({{3, 1, 1}})), lw_messages::kBadIndex},
        {"UV past the polygons", WithTrailingChunk(Triangle(), "VMAD", PolygonUvMap({{0, 1, 1, 1}})),
         lw_messages::kBadIndex},
        {"tags past the polygons", WithTrailingChunk(Triangle(), "PTAG", PolygonTags({0, 0})),
         lw_messages::kBadIndex},
        {"1025 corners", CrowdedPoint(), lw_messages::kTooManyCorners},
        {"65,537 points", FullPointRange(), lw_messages::kTooManyPoints},
    };
}

TEST(LWMeshErrors, EveryRefusedFileShowsOneBoxWithItsMessage)
{
    Folder folder;
    for (const SCase& c : Cases()) {
        const SLoaded mesh = Load(folder.Write("bad.lwo", c.bytes));
        ASSERT_EQ(mesh.boxes.size(), 1u) << c.what;
        EXPECT_EQ(mesh.boxes[0].text, c.message) << c.what;
        EXPECT_EQ(mesh.boxes[0].caption, "Lightwave importer Error") << c.what;
        EXPECT_EQ(mesh.boxes[0].type, static_cast<UINT>(MB_OK)) << c.what;
    }
}

TEST(LWMeshErrors, AStoppedLoadKeepsWhatWasBuiltWithoutNormals)
{
    Folder folder;
    const std::vector<uint8_t> bytes = WithTrailingChunk(Triangle(), "VMAP", UvMap({{0, 0.5f, 0}, {7, 1, 1}}));
    const SLoaded mesh = Load(folder.Write("stop.lwo", bytes));
    ASSERT_EQ(mesh.boxes.size(), 1u);
    ASSERT_TRUE(mesh.hasBuffer);
    EXPECT_EQ(mesh.faces, 1);
    EXPECT_EQ(mesh.indices, (std::vector<WORD>{0, 1, 2}));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    EXPECT_EQ(mesh.vertices[1].y, 1.0f);
    EXPECT_EQ(mesh.vertices[0].tu, 0.5f);  // entries before the bad one were taken
    for (const S3DVERTEX& v : mesh.vertices)
        EXPECT_EQ(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz, 0.0f);
}

// A trailing chunk that ends at byte 1,000,001 is cut by the reader's limit; one byte less is whole.
TEST(LWMeshErrors, FilesAreReadUpToTheirFirstMillionBytes)
{
    Folder folder;
    for (const size_t length : {size_t{1000000}, size_t{1000001}}) {
        const size_t head = Triangle().Bytes_().size();
        Bytes filler;
        filler.data.assign(length - head - 8, 0);
        LwoFile file = Triangle();
        file.ChunkClaiming("ZZZZ", static_cast<uint32_t>(filler.data.size()), filler);
        const std::vector<uint8_t> bytes = file.Bytes_();
        ASSERT_EQ(bytes.size(), length);
        const SLoaded mesh = Load(folder.Write("long.lwo", bytes));
        EXPECT_EQ(mesh.boxes.size(), length > 1000000 ? 1u : 0u) << length;
        EXPECT_EQ(mesh.faces, 1);
    }
}

}  // namespace
