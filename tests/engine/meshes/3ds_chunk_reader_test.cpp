// The 3DS chunk reader on byte images: what it takes from a well-formed file (counts, Y-up axes,
// material groups, colours, normals), the chunks it passes over, and how every malformed file stops
// the walk with its message while keeping what was read before.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "3ds_file_builder.h"
#include "meshes/3DSChunkReader.h"

namespace {

using Message = std::pair<std::string, std::string>;

struct SRead {
    E3DSRead result;
    S3DSModel model;
    std::vector<Message> messages;
};

SRead Read(const Bytes& bytes)
{
    SRead read;
    C3DSChunkReader reader(
        [&](const std::string& text, const std::string& caption) { read.messages.push_back({text, caption}); });
    read.result = reader.Read(bytes.data(), bytes.size(), "Data\\m.3ds", read.model);
    return read;
}

void ExpectVector(const S3DSVector3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

TEST(ThreeDSReader, TwoObjectsAndTwoMaterialsAreReadWithYUpPositionsAndTheirGroupMaterial)
{
    const SRead read = Read(TwoObjectFile());
    EXPECT_EQ(read.result, E3DSRead::Complete);
    EXPECT_TRUE(read.messages.empty());
    ASSERT_EQ(read.model.numMaterials, 2);
    ASSERT_EQ(read.model.materials.size(), 2u);
    ASSERT_EQ(read.model.numObjects, 2);
    ASSERT_EQ(read.model.objects.size(), 2u);

    const S3DSMaterial& red = read.model.materials[0];
    EXPECT_STREQ(red.name, "Red");
    EXPECT_STREQ(red.textureFile, "skin.bmp");
    EXPECT_EQ(red.color[0], 255);
    EXPECT_EQ(red.color[1], 0);
    EXPECT_EQ(red.color[2], 128);
    EXPECT_STREQ(read.model.materials[1].name, "Blue");
    EXPECT_STREQ(read.model.materials[1].textureFile, "");

    const S3DSObject& box = read.model.objects[0];
    EXPECT_STREQ(box.name, "Box");
    EXPECT_EQ(box.numVertices, 4);
    EXPECT_EQ(box.numFaces, 2);
    EXPECT_EQ(box.numTexCoords, 4);
    EXPECT_EQ(box.materialId, 1);
    EXPECT_FALSE(box.hasTexture);
    ExpectVector(box.vertices[0], 1, 3, -2);  // (x, y, z) -> (x, z, -y)
    ExpectVector(box.vertices[1], 2, 0, 0);
    ExpectVector(box.vertices[2], 0, 0, -2);
    EXPECT_EQ(box.faces[1].vertIndex[0], 1u);
    EXPECT_EQ(box.faces[1].vertIndex[1], 3u);
    EXPECT_EQ(box.faces[1].vertIndex[2], 2u);
    EXPECT_EQ(box.texCoords[0].u, 0.25f);
    EXPECT_EQ(box.texCoords[0].v, 0.75f);

    const S3DSObject& tri = read.model.objects[1];
    EXPECT_EQ(tri.numVertices, 3);
    EXPECT_EQ(tri.numTexCoords, 0);
    EXPECT_EQ(tri.materialId, 0);
    EXPECT_TRUE(tri.hasTexture);
}

TEST(ThreeDSReader, GroupsOnlyFindMaterialsReadBeforeThemAndTheLastGroupWins)
{
    const Chunk mesh = VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    const SRead read = Read(File3DS({
        Material("A", 1, 2, 3, "a.bmp"),
        Object("Early", {mesh, FaceList({{0, 1, 2}}, "B")}),
        Object("Both", {mesh, FaceList({{0, 1, 2}}, "A"), Chunk(0x4130).String("Later").Word(0)}),
        Object("Last", {mesh, Chunk(0x4130).String("B").Word(0), Chunk(0x4130).String("A").Word(0)}),
        Object("None", {mesh}),
        Material("B", 4, 5, 6),
        Object("Case", {mesh, FaceList({{0, 1, 2}}, "a")}),
    }));
    EXPECT_EQ(read.result, E3DSRead::Complete);
    ASSERT_EQ(read.model.objects.size(), 5u);
    EXPECT_EQ(read.model.objects[0].materialId, -1);  // B comes after it
    EXPECT_EQ(read.model.objects[1].materialId, -1);
    EXPECT_FALSE(read.model.objects[1].hasTexture);
    EXPECT_EQ(read.model.objects[2].materialId, 0);
    EXPECT_TRUE(read.model.objects[2].hasTexture);
    EXPECT_EQ(read.model.objects[3].materialId, 0);  // a new object starts zeroed
    EXPECT_EQ(read.model.objects[4].materialId, -1);  // names compare exactly
}

TEST(ThreeDSReader, AGroupBeforeAnyMaterialFindsNoneEvenWhenTheMaterialFollows)
{
    const SRead read = Read(File3DS({
        Object("Obj", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}}, "M")}),
        Material("M", 9, 9, 9, "m.bmp"),
    }));
    ASSERT_EQ(read.model.objects.size(), 1u);
    EXPECT_EQ(read.model.objects[0].materialId, -1);
    EXPECT_FALSE(read.model.objects[0].hasTexture);
}

TEST(ThreeDSReader, VertexNormalsAreTheReversedAreaWeightedSumOfTheirFaces)
{
    // Face 0 lies in the file's ground plane with twice the edge length of face 1, which stands in
    // the file's x = 0 plane; both share vertex 0. Vertex 5 belongs to no face.
    const SRead read = Read(File3DS({Object(
        "N", {VertexList({{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, 1, 0}, {0, 0, 1}, {5, 5, 5}}),
              FaceList({{0, 1, 2}, {0, 3, 4}})})}));
    ASSERT_EQ(read.model.objects.size(), 1u);
    const S3DSObject& object = read.model.objects[0];
    ASSERT_EQ(object.normals.size(), 6u);
    ExpectVector(object.normals[1], 0, 1, 0);  // a counter-clockwise ground face points up
    ExpectVector(object.normals[3], 1, 0, 0);
    const float k = 1.0f / std::sqrt(17.0f);
    ExpectVector(object.normals[0], k, 4 * k, 0);
    ExpectVector(object.normals[5], 0, 0, 0);
}

TEST(ThreeDSReader, UnknownChunksAreSkippedByTheirLengthAtEveryLevel)
{
    Chunk object(0x4000);
    object.String("Obj")
        .Add(Chunk(0x4700).Raw({9, 9, 9, 9, 9, 9, 9, 9, 9}))
        .Add(Chunk(0x4100)
                 .Add(Chunk(0x4160).Raw({1, 2, 3}))
                 .Add(VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}))
                 .Add(FaceList({{0, 1, 2}}).Add(Chunk(0x4150).Dword(1)).Add(Chunk(0x4130).String("M").Word(0))));
    Chunk material(0xAFFF);
    material.Add(Chunk(0xA010).Add(Chunk(0x0011).Raw({1, 1, 1}))).Add(Chunk(0xA000).String("M"));
    const SRead read = Read(Chunk(0x4D4D)
                                .Add(Chunk(0x0100).Raw({0, 0}))
                                .Add(Chunk(0x3D3D).Add(Chunk(0x0001).Raw({})).Add(material).Add(object))
                                .Add(Chunk(0xB000).Add(Chunk(0xB002).Raw({0xFF, 0xFF, 0xFF, 0xFF})))
                                .Build());
    EXPECT_EQ(read.result, E3DSRead::Complete);
    EXPECT_TRUE(read.messages.empty());
    ASSERT_EQ(read.model.objects.size(), 1u);
    EXPECT_EQ(read.model.objects[0].numFaces, 1);
    EXPECT_EQ(read.model.objects[0].materialId, 0);  // the face list's own group
    ASSERT_EQ(read.model.materials.size(), 1u);
    EXPECT_STREQ(read.model.materials[0].name, "M");
}

TEST(ThreeDSReader, NamesLongerThanTheRecordAreCutAndStillReadToTheirEnd)
{
    const std::string longName(400, 'n');
    const SRead read = Read(File3DS({Material(longName, 1, 2, 3), Object(longName, {FaceList({}, longName)})}));
    EXPECT_EQ(read.result, E3DSRead::Complete);
    ASSERT_EQ(read.model.objects.size(), 1u);
    EXPECT_EQ(std::string(read.model.objects[0].name), longName.substr(0, 254));
    EXPECT_EQ(std::string(read.model.materials[0].name), longName.substr(0, 254));
    EXPECT_EQ(read.model.objects[0].materialId, 0);
}

TEST(ThreeDSReader, AFileWithoutPrimaryChunkFailsAndLeavesTheModelUntouched)
{
    for (const Bytes& bytes : {Bytes{}, Bytes{0x4D, 0x4D, 6, 0}, Chunk(0x3D3D).Build()}) {
        const SRead read = Read(bytes);
        EXPECT_EQ(read.result, E3DSRead::Failed);
        EXPECT_EQ(read.messages, (std::vector<Message>{{"Unable to load PRIMARY chuck from file: Data\\m.3ds!", "Error"}}));
        EXPECT_EQ(read.model.numObjects, 0);
    }
}

TEST(ThreeDSReader, AVersionOverThreeWarnsAndReadsOn)
{
    const SRead read = Read(File3DS({Object("O", {})}, 4));
    EXPECT_EQ(read.result, E3DSRead::Complete);
    EXPECT_EQ(read.messages,
              (std::vector<Message>{{"This 3DS file is over version 3 so it may load incorrectly", "Warning"}}));
    EXPECT_EQ(read.model.numObjects, 1);
}

TEST(ThreeDSReader, AFileWithoutObjectsReadsAsAnEmptyModel)
{
    const SRead read = Read(File3DS({Material("M", 1, 2, 3)}));
    EXPECT_EQ(read.result, E3DSRead::Complete);
    EXPECT_EQ(read.model.numObjects, 0);
    EXPECT_TRUE(read.model.objects.empty());
    EXPECT_EQ(read.model.numMaterials, 1);
}

// Each malformed file stops the walk with one message and keeps the first object, which comes before
// the damage in all of them.
TEST(ThreeDSReader, EveryMalformedFileStopsWithItsMessageAndKeepsWhatWasRead)
{
    const Chunk good = Object("Good", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}})});
    Bytes cut = File3DS({good, Object("Cut", {VertexList({{1, 1, 1}, {2, 2, 2}})})});
    cut.resize(cut.size() - 5);
    Chunk deep(0x4100);
    for (int i = 0; i < 40; ++i)
        deep = Chunk(0x4100).Add(deep);
    Chunk editorNoHeaderRoom(0x3D3D);
    editorNoHeaderRoom.Add(Chunk(0x3D3E).Dword(3)).Add(good).Raw({1, 2, 3});
    Bytes editorTail = Chunk(0x4D4D).Add(editorNoHeaderRoom).Build();

    const struct {
        const char* name;
        Bytes bytes;
        std::string message;
    } cases[] = {
        {"file ends inside a chunk", cut, "The chunk 0x4110 runs past the end of the file: Data\\m.3ds!"},
        {"vertex count past the chunk",
         File3DS({good, Object("Short", {Chunk(0x4110).Word(3).Float(1).Float(2).Float(3)})}),
         "The chunk 0x4110 is cut short in file: Data\\m.3ds!"},
        {"face count past the chunk", File3DS({good, Object("Short", {Chunk(0x4120).Word(2).Word(0)})}),
         "The chunk 0x4120 is cut short in file: Data\\m.3ds!"},
        {"texture coordinates past the chunk", File3DS({good, Object("Short", {Chunk(0x4140).Word(1).Float(0)})}),
         "The chunk 0x4140 is cut short in file: Data\\m.3ds!"},
        {"name without its zero byte", File3DS({good, Chunk(0x4000).Raw({'a', 'b'})}),
         "The chunk 0x4000 is cut short in file: Data\\m.3ds!"},
        {"colour without its three bytes",
         File3DS({good, Chunk(0xAFFF).Add(Chunk(0xA020).Add(Chunk(0x0011).Raw({1, 2})))}),
         "The chunk 0x0011 is cut short in file: Data\\m.3ds!"},
        {"version without its four bytes", File3DS({good, Chunk(0x0002).Raw({1})}),
         "The chunk 0x0002 is cut short in file: Data\\m.3ds!"},
        {"bytes too few for a header", editorTail, "The chunk 0x3D3D is cut short in file: Data\\m.3ds!"},
        {"chunk past its parent",
         File3DS({good, Chunk(0x4000).String("Big").Add(Chunk(0x4100).Length(60)), Chunk(0x7777).Zeros(100)}),
         "The chunk 0x4100 runs past the end of its parent 0x4000 in file: Data\\m.3ds!"},
        {"primary chunk longer than the file", Chunk(0x4D4D).Length(1000).Add(Chunk(0x3D3D).Add(Chunk(0x3D3E).Dword(3)).Add(good)).Build(),
         "The chunk 0x4D4D runs past the end of the file: Data\\m.3ds!"},
        {"chunk shorter than its header", File3DS({good, Chunk(0x4000).String("X").Add(Chunk(0x4100).Length(3))}),
         "The chunk 0x4100 has a size below its header in file: Data\\m.3ds!"},
        {"face index past the vertex count",
         File3DS({good, Object("Bad", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}, {2, 1, 7}})})}),
         "The face 1 of object Bad uses vertex 7 past its 3 vertices in file: Data\\m.3ds!"},
        {"faces before their vertices", File3DS({good, Object("Early", {FaceList({{0, 1, 2}})})}),
         "The face 0 of object Early uses vertex 0 past its 0 vertices in file: Data\\m.3ds!"},
        {"nesting without end", File3DS({good, Chunk(0x4000).String("Deep").Add(deep)}),
         "The chunks nest too deeply in file: Data\\m.3ds!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SRead read = Read(c.bytes);
        EXPECT_EQ(read.result, E3DSRead::Damaged);
        EXPECT_EQ(read.messages, (std::vector<Message>{{c.message, "Error"}}));
        ASSERT_GE(read.model.objects.size(), 1u);
        EXPECT_EQ(read.model.objects[0].numFaces, 1);
        EXPECT_EQ(read.model.objects[0].normals.size(), 3u);
        EXPECT_EQ(read.model.numObjects, static_cast<int32_t>(read.model.objects.size()));
        for (const S3DSObject& object : read.model.objects) {
            EXPECT_EQ(object.numFaces, static_cast<int32_t>(object.faces.size()));
            for (const S3DSFace& face : object.faces) {
                for (uint32_t index : face.vertIndex)
                    EXPECT_LT(index, object.vertices.size());
            }
        }
    }
}

}  // namespace
