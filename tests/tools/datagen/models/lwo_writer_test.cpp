// The LWO2 writer: the IFF layout (sizes, even offsets, chunk order), per-polygon coordinates only
// where a point's coordinate differs between polygons, limits refused with an error, and a
// two-surface model read back by the engine with each picture on its own surface.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "model_test_support.h"
#include "models/LwoWriter.h"

namespace {

using datagen::Mesh;
using datagen::Uv;
using datagen::Vec3;

uint32_t BigEndian32(const std::vector<uint8_t>& bytes, size_t at)
{
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

struct ChunkInfo {
    std::string id;
    size_t offset, size;
};

// The chunks inside FORM, checking on the way that each starts on an even offset and that they fill
// the form exactly.
std::vector<ChunkInfo> Chunks(const std::vector<uint8_t>& file)
{
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "FORM");
    EXPECT_EQ(BigEndian32(file, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 12), "LWO2");
    std::vector<ChunkInfo> chunks;
    size_t at = 12;
    while (at + 8 <= file.size()) {
        EXPECT_EQ(at % 2, 0u);
        const size_t size = BigEndian32(file, at + 4);
        chunks.push_back({std::string(file.begin() + at, file.begin() + at + 4), at + 8, size});
        at += 8 + size + size % 2;
    }
    EXPECT_EQ(at, file.size());
    return chunks;
}

std::vector<std::string> Ids(const std::vector<ChunkInfo>& chunks)
{
    std::vector<std::string> ids;
    for (const ChunkInfo& chunk : chunks)
        ids.push_back(chunk.id);
    return ids;
}

const ChunkInfo* Find(const std::vector<ChunkInfo>& chunks, const std::string& id)
{
    for (const ChunkInfo& chunk : chunks)
        if (chunk.id == id)
            return &chunk;
    return nullptr;
}

// Two unit quads side by side in z = 0 facing -z, sharing the edge x = 0; the right one's coordinates
// on that edge are `seam` (equal to the left one's when there is no seam).
Mesh TwoQuads(double seam, bool secondTextured = true)
{
    Mesh mesh;
    const int a = mesh.AddSurface({"Left", 1, 0, 0, "a.png", false});
    const int b = mesh.AddSurface({"Right", 0, 0, 1, secondTextured ? "b.png" : "", true});
    const Vec3 toViewer{0, 0, -1};
    mesh.AddFace(a, {{-1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {-1, 0, 0}}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, toViewer);
    mesh.AddFace(b, {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}}, {{seam, 0}, {0.5, 0}, {0.5, 1}, {seam, 1}}, toViewer);
    return mesh;
}

TEST(LwoWriter, WritesTheChunksInTheOrderTheReaderNeedsWithEvenOffsets)
{
    const auto chunks = Chunks(datagen::EncodeLwo2(TwoQuads(0.25)));
    const std::vector<std::string> expected{"TAGS", "LAYR", "PNTS", "BBOX", "VMAP", "POLS", "VMAD",
                                            "PTAG", "CLIP", "CLIP", "SURF", "SURF"};
    EXPECT_EQ(Ids(chunks), expected);
    EXPECT_EQ(Find(chunks, "PNTS")->size, 6u * 12);  // the shared edge's points are written once
}

TEST(LwoWriter, WritesPerPolygonCoordinatesOnlyWhereAPointsCoordinateDiffers)
{
    const auto seamless = Chunks(datagen::EncodeLwo2(TwoQuads(1.0)));
    EXPECT_EQ(Find(seamless, "VMAD"), nullptr);
    EXPECT_EQ(Find(seamless, "VMAP")->size, 6u + 6 + 6u * 10);  // header, then one entry per point
    const auto seam = Chunks(datagen::EncodeLwo2(TwoQuads(0.25)));
    ASSERT_NE(Find(seam, "VMAD"), nullptr);
    EXPECT_EQ(Find(seam, "VMAD")->size, 6u + 6 + 2u * 12);  // the edge's two points, for polygon 1
}

TEST(LwoWriter, AnUntexturedModelHasNoMapsOrClips)
{
    Mesh mesh;
    const int plain = mesh.AddSurface({"Plain", 0.5, 0.5, 0.5, "", false});
    mesh.AddFace(plain, {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}, {{0, 0}, {0, 1}, {1, 0}}, {0, 0, -1});
    const std::vector<std::string> expected{"TAGS", "LAYR", "PNTS", "BBOX", "POLS", "PTAG", "SURF"};
    EXPECT_EQ(Ids(Chunks(datagen::EncodeLwo2(mesh))), expected);
}

TEST(LwoWriter, RefusesModelsBeyondTheTwoByteIndices)
{
    EXPECT_THROW(datagen::EncodeLwo2(Mesh()), std::invalid_argument);
    Mesh crowded;
    const int surface = crowded.AddSurface({"S", 1, 1, 1, "", false});
    for (int i = 0; i + 2 < 0xFF00 + 3; i += 3) {
        const double x = i;
        crowded.AddFace(surface, {{x, 0, 0}, {x, 1, 0}, {x + 0.5, 0, 0}}, {{0, 0}, {0, 0}, {0, 0}}, {0, 0, -1});
    }
    EXPECT_THROW(datagen::EncodeLwo2(crowded), std::invalid_argument);
}

TEST(LwoWriter, TheEngineReadsEachSurfaceWithItsPictureAndTheCoordinatesUpright)
{
    lwo_test::Folder folder;
    // The second surface's polygon comes first, so the reader's sort by surface must move it.
    Mesh mesh;
    const int left = mesh.AddSurface({"Left", 1, 0, 0, "a.png", false});
    const int right = mesh.AddSurface({"Right", 0, 0, 1, "b.png", true});
    mesh.AddFace(right, {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}}, {{0.25, 0}, {0.5, 0}, {0.5, 1}, {0.25, 1}}, {0, 0, -1});
    mesh.AddFace(left, {{-1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {-1, 0, 0}}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {0, 0, -1});
    const lwo_test::SLoaded loaded = lwo_test::Load(folder.Write("quads.lwo", datagen::EncodeLwo2(mesh)));
    EXPECT_TRUE(loaded.boxes.empty());
    ASSERT_EQ(loaded.faces, 4);
    ASSERT_EQ(loaded.textures.size(), 2u);
    EXPECT_EQ(std::string(loaded.textures[0]), folder.Directory() + "a.png");
    EXPECT_EQ(std::string(loaded.textures[1]), folder.Directory() + "b.png");
    EXPECT_EQ(loaded.ends[0], 2);  // the left quad's two triangles come first after the sort
    EXPECT_FLOAT_EQ(loaded.materials[1].Ambient.b, 1.0f);
    // Each corner keeps its own polygon's coordinate, in picture space (v down).
    for (int t = 0; t < loaded.faces; ++t) {
        for (int k = 0; k < 3; ++k) {
            const S3DVERTEX& v = loaded.vertices[loaded.indices[3 * t + k]];
            const bool leftQuad = t < 2;
            const float u = leftQuad ? v.x + 1 : 0.25f + v.x * 0.25f;
            EXPECT_NEAR(v.tu, u, 1e-6f);
            EXPECT_NEAR(v.tv, 1 - v.y, 1e-6f);
        }
    }
}

}  // namespace
