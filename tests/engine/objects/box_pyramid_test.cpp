// Boxes and pyramids: their corners, texture coordinates, faces and outward normals, and resizing in
// place.
#include <gtest/gtest.h>

#include "object_test_support.h"
#include "objects/BoxObject.h"
#include "objects/PyramidObject.h"

namespace {

struct SBuilt {
    std::vector<S3DVERTEX> vertices;
    std::vector<WORD> indices;
    int faces = 0;
    CString type;
    CString description;
};

SBuilt Read(CBaseObject& object)
{
    return {ReadVertices(object), ReadIndices(object), object.GetNumberFaces(), object.GetObjType(),
            object.GetObjDescription()};
}

// True when every triangle's vertex normals point away from the object's centre, through the
// triangle's own centre.
bool NormalsPointOutward(const SBuilt& built)
{
    for (size_t f = 0; f + 2 < built.indices.size(); f += 3) {
        D3DXVECTOR3 centre(0, 0, 0);
        for (int k = 0; k < 3; ++k) {
            const S3DVERTEX& v = built.vertices[built.indices[f + k]];
            centre += D3DXVECTOR3(v.x, v.y, v.z) / 3;
        }
        for (int k = 0; k < 3; ++k) {
            const S3DVERTEX& v = built.vertices[built.indices[f + k]];
            const D3DXVECTOR3 normal(v.nx, v.ny, v.nz);
            if (D3DXVec3Dot(&centre, &normal) <= 0)
                return false;
        }
    }
    return true;
}

TEST(Box, DefaultBoxIsAUnitCubeOfSixTexturedSidesWithOutwardNormals)
{
    SBuilt box;
    RunScreen({}, [&] {
        CBoxObject object;
        object.Init();
        box = Read(object);
        object.CleanUp();
    });
    ASSERT_EQ(box.vertices.size(), 36u);
    EXPECT_EQ(box.faces, 12);
    EXPECT_EQ(box.type, CString("CBoxObject"));
    EXPECT_EQ(box.description, CString("Box"));
    std::vector<WORD> inOrder(36);
    for (int i = 0; i < 36; ++i)
        inOrder[i] = static_cast<WORD>(i);
    EXPECT_EQ(box.indices, inOrder);
    for (const S3DVERTEX& v : box.vertices) {
        EXPECT_FLOAT_EQ(std::fabs(v.x), 0.5f);
        EXPECT_FLOAT_EQ(std::fabs(v.y), 0.5f);
        EXPECT_FLOAT_EQ(std::fabs(v.z), 0.5f);
        EXPECT_EQ(v.color >> 24, 0xFFu);
    }
    // Top side: P = (-X, Y, Z), Q = (X, Y, Z), R = (X, Y, -Z), S = (-X, Y, -Z) as P, Q, R, P, R, S.
    const float top[6][5] = {{-0.5f, 0.5f, 0.5f, 0, 0}, {0.5f, 0.5f, 0.5f, 1, 0}, {0.5f, 0.5f, -0.5f, 1, 1},
                             {-0.5f, 0.5f, 0.5f, 0, 0}, {0.5f, 0.5f, -0.5f, 1, 1}, {-0.5f, 0.5f, -0.5f, 0, 1}};
    for (int k = 0; k < 6; ++k) {
        const S3DVERTEX& v = box.vertices[k];
        EXPECT_EQ(D3DXVECTOR3(v.x, v.y, v.z), D3DXVECTOR3(top[k][0], top[k][1], top[k][2])) << k;
        EXPECT_EQ(v.tu, top[k][3]) << k;
        EXPECT_EQ(v.tv, top[k][4]) << k;
        EXPECT_NEAR(v.ny, 1.0f, 1e-5f) << k;
    }
    // Each later side lies in its own plane: front z = -Z, right x = +X, back z = +Z, left x = -X,
    // bottom y = -Y.
    for (int k = 6; k < 12; ++k)
        EXPECT_EQ(box.vertices[k].z, -0.5f);
    for (int k = 12; k < 18; ++k)
        EXPECT_EQ(box.vertices[k].x, 0.5f);
    for (int k = 18; k < 24; ++k)
        EXPECT_EQ(box.vertices[k].z, 0.5f);
    for (int k = 24; k < 30; ++k)
        EXPECT_EQ(box.vertices[k].x, -0.5f);
    for (int k = 30; k < 36; ++k)
        EXPECT_EQ(box.vertices[k].y, -0.5f);
    EXPECT_TRUE(NormalsPointOutward(box));
}

TEST(Box, SetSizeMovesTheCornersInPlaceAndKeepsTheNormals)
{
    SBuilt before, after, preset;
    IDirect3DVertexBuffer8* bufferBefore = nullptr;
    IDirect3DVertexBuffer8* bufferAfter = nullptr;
    RunScreen({}, [&] {
        CBoxObject object;
        object.Init();
        before = Read(object);
        bufferBefore = object.GetVB();
        object.SetSize(2, 4, 6);
        after = Read(object);
        bufferAfter = object.GetVB();
        object.CleanUp();

        CBoxObject early;
        early.SetSize(2, 4, 6);  // only stored: there are no buffers yet
        early.Init();
        preset = Read(early);
        early.CleanUp();
    });
    EXPECT_EQ(bufferBefore, bufferAfter);
    ASSERT_EQ(after.vertices.size(), 36u);
    for (int k = 0; k < 36; ++k) {
        EXPECT_FLOAT_EQ(after.vertices[k].x, before.vertices[k].x * 2) << k;
        EXPECT_FLOAT_EQ(after.vertices[k].y, before.vertices[k].y * 4) << k;
        EXPECT_FLOAT_EQ(after.vertices[k].z, before.vertices[k].z * 6) << k;
        EXPECT_EQ(after.vertices[k].nx, before.vertices[k].nx) << k;
        EXPECT_EQ(after.vertices[k].ny, before.vertices[k].ny) << k;
        EXPECT_EQ(after.vertices[k].nz, before.vertices[k].nz) << k;
        EXPECT_EQ(after.vertices[k].tu, before.vertices[k].tu) << k;
    }
    ASSERT_EQ(preset.vertices.size(), 36u);
    EXPECT_FLOAT_EQ(std::fabs(preset.vertices[20].z), 3.0f);
    EXPECT_FLOAT_EQ(std::fabs(preset.vertices[20].y), 2.0f);
}

TEST(Pyramid, DefaultPyramidHasItsApexOnTopAndListsItsVerticesBackwards)
{
    SBuilt pyramid, resized;
    RunScreen({}, [&] {
        CPyramidObject object;
        object.Init();
        pyramid = Read(object);
        object.SetSize(4, 2, 4);
        resized = Read(object);
        object.CleanUp();
    });
    ASSERT_EQ(pyramid.vertices.size(), 18u);
    EXPECT_EQ(pyramid.faces, 6);
    EXPECT_EQ(pyramid.type, CString("CObjects"));
    std::vector<WORD> backwards(18);
    for (int i = 0; i < 18; ++i)
        backwards[i] = static_cast<WORD>(17 - i);
    EXPECT_EQ(pyramid.indices, backwards);
    for (int k : {7, 11, 14, 16})
        EXPECT_EQ(D3DXVECTOR3(pyramid.vertices[k].x, pyramid.vertices[k].y, pyramid.vertices[k].z),
                  D3DXVECTOR3(0, 0.5f, 0))
            << k;
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(pyramid.vertices[k].y, -0.5f) << k;
        EXPECT_NEAR(pyramid.vertices[k].ny, -1.0f, 1e-5f) << k;
    }
    EXPECT_EQ(pyramid.vertices[7].tu, 1.0f);
    EXPECT_EQ(pyramid.vertices[7].tv, 0.5f);
    EXPECT_TRUE(NormalsPointOutward(pyramid));
    ASSERT_EQ(resized.vertices.size(), 18u);
    EXPECT_FLOAT_EQ(resized.vertices[7].y, 1.0f);
    EXPECT_FLOAT_EQ(resized.vertices[0].x, -2.0f);
    EXPECT_FLOAT_EQ(resized.vertices[0].z, 2.0f);
}

}  // namespace
