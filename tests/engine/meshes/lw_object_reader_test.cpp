// The LightWave reader on its own, without a screen or a device: what it hands its target (materials,
// colours, bare clip names, messages) and the key frames it reads for a series.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lwo_test_support.h"
#include "meshes/LWKeyFrames.h"
#include "meshes/LWMeshObjectMessages.h"
#include "meshes/LWObjectReader.h"

namespace {

using namespace lwo_test;

class CRecordingTarget : public CLWModelTarget {
public:
    void SetNumberMaterials(int count) override { materialCount = count; }
    void SetMaterialIndex(int material, int faceEnd) override { ends.push_back({material, faceEnd}); }
    void SetAmbientColor(D3DCOLORVALUE color, int material) override { ambient.push_back({material, color.r}); }
    void SetDiffuseColor(D3DCOLORVALUE, int) override {}
    void SetSpecularColor(D3DCOLORVALUE, int) override {}
    void SetEmissiveColor(D3DCOLORVALUE, int) override {}
    void SetClipTexture(CString clipName, int material) override { textures.push_back({clipName.str(), material}); }
    void DisplayError(CString message) override { messages.push_back(message.str()); }

    int materialCount = 0;
    std::vector<std::pair<int, int>> ends;
    std::vector<std::pair<int, float>> ambient;  // material, red
    std::vector<std::pair<std::string, int>> textures;
    std::vector<std::string> messages;
};

bool Read(CLWObjectReader& reader, const std::vector<uint8_t>& bytes, CLWObjectReader::SOptions options = {})
{
    reader.Reset();
    return reader.Read(bytes.data(), static_cast<uint32_t>(bytes.size()), options, nullptr);
}

TEST(LWObjectReader, HandsMaterialsColoursAndBareClipNamesToItsTarget)
{
    LwoFile file = TwoSurfaceCube(1, Bytes().Sub("BLOK", Bytes().Sub("IMAG", Bytes().U2(1))));
    file.Chunk("CLIP", StillClip(1, "C:\\maps\\stone.png"))
        .Chunk("SURF", Surface("Red", 0.5f, 0, 0, Bytes().Sub("BLOK", Bytes().Sub("IMAG", Bytes().U2(1)))));
    CRecordingTarget target;
    CLWObjectReader reader(target);
    ASSERT_TRUE(Read(reader, file.Bytes_()));
    EXPECT_TRUE(target.messages.empty());
    EXPECT_EQ(target.materialCount, 2);
    EXPECT_EQ(target.ends, (std::vector<std::pair<int, int>>{{0, 8}}));  // four Green sides first
    EXPECT_EQ(target.ambient, (std::vector<std::pair<int, float>>{{0, 0.0f}, {1, 1.0f}, {1, 0.5f}}));
    // The clip is named before the second Red surface only; the directory is the object's to add.
    EXPECT_EQ(target.textures, (std::vector<std::pair<std::string, int>>{{"stone.png", 0}}));
    EXPECT_EQ(reader.VertexCount(), 24);  // every cube corner split once per side
    EXPECT_EQ(reader.FaceCount(), 12);
    EXPECT_EQ(reader.BoxMin().x, -1.0f);

    // Without polygon tags the triangles are still sorted, but no material is set.
    CRecordingTarget untagged;
    CLWObjectReader plain(untagged);
    CLWObjectReader::SOptions options;
    options.readTags = false;
    ASSERT_TRUE(Read(plain, file.Bytes_(), options));
    EXPECT_EQ(untagged.materialCount, 0);
    EXPECT_TRUE(untagged.ends.empty());
    EXPECT_EQ(plain.Indexes(), reader.Indexes());

    // A stopped read says so once and keeps what it had read.
    CRecordingTarget stopped;
    CLWObjectReader damaged(stopped);
    EXPECT_FALSE(Read(damaged, file.Chunk("POLS", Faces({{0, 1, 9}})).Bytes_()));
    EXPECT_EQ(stopped.messages, (std::vector<std::string>{lw_messages::kBadIndex}));
    EXPECT_EQ(damaged.FaceCount(), 12);
}

TEST(LWObjectReader, KeyFramesHoldTheBufferCountTakingMissingPointsFromFileZero)
{
    CRecordingTarget target;
    CLWObjectReader reader(target);
    LwoFile triangle;
    triangle.Chunk("PNTS", Points({{0, 0, 0}, {2, 0, 0}, {0, 2, 0}})).Chunk("POLS", Faces({{0, 1, 2}}));
    LwoFile shorter;
    shorter.Chunk("PNTS", Points({{5, 5, 5}, {6, 6, 6}})).Chunk("POLS", Faces({{0, 1, 1}}));
    const std::vector<uint8_t> first = triangle.Bytes_(), second = shorter.Bytes_();
    const std::vector<unsigned char> image0(first.begin(), first.end()), image1(second.begin(), second.end());

    // File 0 read for a buffer of four points: the fourth, which no file has, is zero.
    const SLWKeyFrame base = ReadKeyFrame(reader, &image0, nullptr, 4, {});
    ASSERT_EQ(base.size(), 4u);
    EXPECT_EQ(base[1].x, 2.0f);
    EXPECT_EQ(base[3].x, 0.0f);

    const SLWKeyFrame frame = ReadKeyFrame(reader, &image1, &base, 4, {});
    ASSERT_EQ(frame.size(), 4u);
    EXPECT_EQ(frame[0].x, 5.0f);
    EXPECT_EQ(frame[1].x, 6.0f);
    EXPECT_EQ(frame[2].y, 2.0f);  // file 0's point

    const SLWKeyFrame unreadable = ReadKeyFrame(reader, nullptr, &base, 4, {});
    ASSERT_EQ(unreadable.size(), 4u);
    EXPECT_EQ(unreadable[1].x, 2.0f);
    EXPECT_EQ(ReadKeyFrame(reader, &image0, &base, 2, {}).size(), 2u);
}

// A triangle's normal is a direction, whatever its size: a triangle a thousand times smaller than the
// smallest normal float, or one so large that its edge products overflow, lights like a plain one.
// A triangle without area leaves its points without a normal.
TEST(LWObjectReader, NormalsAreUnitLengthAtAnyScaleAndZeroWithoutArea)
{
    CRecordingTarget target;
    CLWObjectReader reader(target);
    for (float scale : {1.0f, 1e-20f, 1e-41f, 1e30f}) {
        SCOPED_TRACE(scale);
        LwoFile triangle;
        triangle.Chunk("PNTS", Points({{0, 0, 0}, {scale, 0, 0}, {0, scale, 0}})).Chunk("POLS", Faces({{0, 1, 2}}));
        ASSERT_TRUE(Read(reader, triangle.Bytes_()));
        ASSERT_EQ(reader.VertexCount(), 3);
        for (int i = 0; i < 3; ++i) {
            const CLWObjectReader::SLWVertex& point = reader.Points()[i];
            EXPECT_EQ(point.nx, 0.0f);
            EXPECT_EQ(point.ny, 0.0f);
            EXPECT_FLOAT_EQ(std::fabs(point.nz), 1.0f);
        }
    }
    LwoFile flat;
    flat.Chunk("PNTS", Points({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}})).Chunk("POLS", Faces({{0, 1, 2}}));
    ASSERT_TRUE(Read(reader, flat.Bytes_()));
    for (int i = 0; i < reader.VertexCount(); ++i) {
        const CLWObjectReader::SLWVertex& point = reader.Points()[i];
        EXPECT_EQ(point.nx * point.nx + point.ny * point.ny + point.nz * point.nz, 0.0f);
    }
}

}  // namespace
