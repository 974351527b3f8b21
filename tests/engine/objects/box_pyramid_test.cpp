// Boxes and pyramids: corners, texture coordinates, faces, outward normals and resizing in place.
#include <gtest/gtest.h>

#include "object_test_support.h"
#include "objects/BoxObject.h"
#include "objects/PyramidObject.h"

namespace {

D3DXVECTOR3 At(const S3DVERTEX& v) { return D3DXVECTOR3(v.x, v.y, v.z); }

// True when every vertex normal points away from the origin through its triangle's centre.
bool NormalsPointOutward(const std::vector<S3DVERTEX>& v, const std::vector<WORD>& indices)
{
    for (size_t f = 0; f + 2 < indices.size(); f += 3) {
        const D3DXVECTOR3 centre = At(v[indices[f]]) + At(v[indices[f + 1]]) + At(v[indices[f + 2]]);
        for (size_t k = f; k < f + 3; ++k) {
            const D3DXVECTOR3 normal(v[indices[k]].nx, v[indices[k]].ny, v[indices[k]].nz);
            if (D3DXVec3Dot(&centre, &normal) <= 0)
                return false;
        }
    }
    return true;
}

std::vector<WORD> Sequence(int count, bool backwards)
{
    std::vector<WORD> s(count);
    for (int i = 0; i < count; ++i)
        s[i] = static_cast<WORD>(backwards ? count - 1 - i : i);
    return s;
}

TEST(Box, DefaultBoxIsAUnitCubeOfSixTexturedSidesResizedInPlace)
{
    std::vector<S3DVERTEX> v, sized;
    std::vector<WORD> indices;
    CString type;
    IDirect3DVertexBuffer8 *before = nullptr, *after = nullptr;
    RunScreen({}, [&] {
        CBoxObject box;
        box.Init();
        v = ReadVertices(box);
        indices = ReadIndices(box);
        type = box.GetObjType() + "/" + box.GetObjDescription();
        before = box.GetVB();
        box.SetSize(2, 4, 6);
        sized = ReadVertices(box);
        after = box.GetVB();
        box.CleanUp();
    });
    ASSERT_EQ(v.size(), 36u);
    ASSERT_EQ(sized.size(), 36u);
    EXPECT_EQ(type, CString("CBoxObject/Box"));
    EXPECT_EQ(indices, Sequence(36, false));
    EXPECT_TRUE(NormalsPointOutward(v, indices));
    // Top side: corners P (-X, Y, Z), Q (X, Y, Z), R (X, Y, -Z), S (-X, Y, -Z) as P, Q, R, P, R, S.
    const float top[6][5] = {{-1, 1, 1, 0, 0}, {1, 1, 1, 1, 0}, {1, 1, -1, 1, 1},
                             {-1, 1, 1, 0, 0}, {1, 1, -1, 1, 1}, {-1, 1, -1, 0, 1}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(At(v[k]), D3DXVECTOR3(top[k][0], top[k][1], top[k][2]) * 0.5f) << k;
        EXPECT_EQ(v[k].tu, top[k][3]) << k;
        EXPECT_EQ(v[k].tv, top[k][4]) << k;
    }
    // The other sides in order: z = -Z, x = +X, z = +Z, x = -X, y = -Y.
    const float* planes[5] = {&v[6].z, &v[12].x, &v[18].z, &v[24].x, &v[30].y};
    const float values[5] = {-0.5f, 0.5f, 0.5f, -0.5f, -0.5f};
    for (int side = 0; side < 5; ++side)
        EXPECT_EQ(*planes[side], values[side]) << side;
    EXPECT_EQ(before, after);
    for (int k = 0; k < 36; ++k) {
        EXPECT_EQ(At(sized[k]), D3DXVECTOR3(v[k].x * 2, v[k].y * 4, v[k].z * 6)) << k;
        EXPECT_EQ(sized[k].ny, v[k].ny) << k;
        EXPECT_EQ(v[k].color >> 24, 0xFFu);
    }
}

TEST(Pyramid, ApexOnTopBaseBelowAndTheVerticesListedBackwards)
{
    std::vector<S3DVERTEX> v, sized;
    std::vector<WORD> indices;
    RunScreen({}, [&] {
        CPyramidObject pyramid;
        pyramid.SetSize(4, 2, 4);  // only stored: there are no buffers yet
        pyramid.SetSize(1, 1, 1);
        pyramid.Init();
        v = ReadVertices(pyramid);
        indices = ReadIndices(pyramid);
        pyramid.SetSize(4, 2, 4);
        sized = ReadVertices(pyramid);
        pyramid.CleanUp();
    });
    ASSERT_EQ(v.size(), 18u);
    EXPECT_EQ(indices, Sequence(18, true));
    EXPECT_TRUE(NormalsPointOutward(v, indices));
    for (int k : {7, 11, 14, 16})
        EXPECT_EQ(At(v[k]), D3DXVECTOR3(0, 0.5f, 0)) << k;
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(v[k].y, -0.5f) << k;
    EXPECT_EQ(sized[7].y, 1.0f);
    EXPECT_EQ(At(sized[0]), D3DXVECTOR3(-2, -1, 2));
}

}  // namespace
