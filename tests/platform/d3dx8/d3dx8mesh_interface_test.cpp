// ID3DXBuffer and ID3DXMesh: references, buffers, cloning into other vertex formats, vertex normals and
// drawing a subset through the device.
#include <cmath>

#include "d3dx8mesh_fixture.h"

namespace d3dx8_mesh_test {
namespace {

// Cube corners: bit 0 of the index gives x, bit 1 y, bit 2 z (set = +1, clear = -1).
D3DXVECTOR3 Corner(int i)
{
    return {i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f};
}

// Each side's corners clockwise as seen from outside: +z, -z, +x, -x, +y, -y.
constexpr WORD kCubeQuads[6][4] = {{4, 5, 7, 6}, {0, 2, 3, 1}, {1, 3, 7, 5}, {0, 4, 6, 2}, {2, 6, 7, 3}, {0, 1, 5, 4}};
const D3DXVECTOR3 kCubeSideNormals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};

class MeshInterfaceTest : public MeshTest {
protected:
    // A mesh of FVF XYZ | NORMAL with the given positions (normals zero) and triangles.
    void MakeMesh(const std::vector<D3DXVECTOR3>& positions, const std::vector<WORD>& indices)
    {
        ASSERT_EQ(D3DXCreateMeshFVF(DWORD(indices.size() / 3), DWORD(positions.size()), D3DXMESH_SYSTEMMEM,
                                    D3DFVF_XYZ | D3DFVF_NORMAL, device, &mesh),
                  D3D_OK);
        BYTE* data = nullptr;
        ASSERT_EQ(mesh->LockVertexBuffer(0, &data), D3D_OK);
        for (size_t v = 0; v < positions.size(); ++v) {
            const PositionNormal vertex{positions[v], {0, 0, 0}};
            std::memcpy(data + v * sizeof vertex, &vertex, sizeof vertex);
        }
        mesh->UnlockVertexBuffer();
        ASSERT_EQ(mesh->LockIndexBuffer(0, &data), D3D_OK);
        std::memcpy(data, indices.data(), indices.size() * 2);
        mesh->UnlockIndexBuffer();
    }

    // The cube with shared corners (8 vertices) or with its own four corners per side (24).
    void MakeCube(bool sharedCorners)
    {
        std::vector<D3DXVECTOR3> positions;
        std::vector<WORD> indices;
        for (int i = 0; sharedCorners && i < 8; ++i)
            positions.push_back(Corner(i));
        for (const auto& quad : kCubeQuads) {
            WORD q[4];
            for (int k = 0; k < 4; ++k) {
                q[k] = sharedCorners ? quad[k] : WORD(positions.size());
                if (!sharedCorners)
                    positions.push_back(Corner(quad[k]));
            }
            indices.insert(indices.end(), {q[0], q[1], q[2], q[0], q[2], q[3]});
        }
        MakeMesh(positions, indices);
    }
};

TEST_F(MeshInterfaceTest, BufferHoldsItsBytesAndIsReferenceCounted)
{
    ID3DXBuffer* buffer = nullptr;
    ASSERT_EQ(D3DXCreateBuffer(16, &buffer), D3D_OK);
    ASSERT_NE(buffer->GetBufferPointer(), nullptr);
    EXPECT_EQ(buffer->GetBufferSize(), 16u);
    std::memset(buffer->GetBufferPointer(), 0xAB, 16);
    EXPECT_EQ(static_cast<BYTE*>(buffer->GetBufferPointer())[15], 0xAB);
    void* same = nullptr;
    ASSERT_EQ(buffer->QueryInterface(IID_ID3DXBuffer, &same), S_OK);
    EXPECT_EQ(same, buffer);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(D3DXCreateBuffer(16, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(MeshInterfaceTest, MeshHandsOutCountedDeviceAndBuffers)
{
    ASSERT_EQ(D3DXCreateSphere(device, 1.0f, 6, 4, &mesh, nullptr), D3D_OK);
    IDirect3DDevice8* owner = nullptr;
    ASSERT_EQ(mesh->GetDevice(&owner), D3D_OK);
    EXPECT_EQ(owner, device);
    owner->Release();
    IDirect3DVertexBuffer8* vertexBuffer = nullptr;
    ASSERT_EQ(mesh->GetVertexBuffer(&vertexBuffer), D3D_OK);
    D3DVERTEXBUFFER_DESC desc;
    ASSERT_EQ(vertexBuffer->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Size, mesh->GetNumVertices() * 24);
    EXPECT_EQ(desc.FVF, DWORD(D3DFVF_XYZ | D3DFVF_NORMAL));
    EXPECT_GT(vertexBuffer->Release(), 0u) << "the mesh keeps its own reference";
    const auto table = ReadAttributeTable(mesh);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].AttribId, 0u);
    EXPECT_EQ(table[0].FaceStart, 0u);
    EXPECT_EQ(table[0].FaceCount, mesh->GetNumFaces());
    EXPECT_EQ(table[0].VertexCount, mesh->GetNumVertices());
}

TEST_F(MeshInterfaceTest, FvfSizesCountEveryElement)
{
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ), 12u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_NORMAL), 24u);
    EXPECT_EQ(D3DXGetFVFVertexSize(0x152), 36u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_SPECULAR), 24u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZB2 | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE3(1) | D3DFVF_PSIZE),
              20u + 4 + 8 + 12);
}

TEST_F(MeshInterfaceTest, CloneMapsSharedElementsAndZeroesTheRest)
{
    ASSERT_EQ(D3DXCreateTorus(device, 0.5f, 1.0f, 5, 7, &mesh, nullptr), D3D_OK);
    const auto original = ReadPositionNormals(mesh);
    const auto originalIndices = ReadIndices(mesh);
    ID3DXMesh* clone = nullptr;
    const DWORD engineFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    ASSERT_EQ(mesh->CloneMeshFVF(D3DXMESH_SYSTEMMEM, engineFvf, device, &clone), D3D_OK);
    EXPECT_EQ(clone->GetFVF(), engineFvf);
    EXPECT_EQ(clone->GetNumVertices(), mesh->GetNumVertices());
    ASSERT_EQ(clone->GetNumFaces(), mesh->GetNumFaces());
    const std::vector<float> floats = ReadVertexFloats(clone);
    for (size_t v = 0; v < original.size(); ++v) {
        const float* vertex = &floats[v * 9];
        ExpectVec3({vertex[0], vertex[1], vertex[2]}, original[v].position, 0);
        ExpectVec3({vertex[3], vertex[4], vertex[5]}, original[v].normal, 0);
        DWORD colour;
        std::memcpy(&colour, &vertex[6], 4);
        EXPECT_EQ(colour, 0u);
        EXPECT_EQ(vertex[7], 0.0f);
        EXPECT_EQ(vertex[8], 0.0f);
    }
    EXPECT_EQ(ReadIndices(clone), originalIndices);
    EXPECT_EQ(ReadAttributeTable(clone).size(), 1u);

    // And back to positions only, with 32-bit indices.
    ID3DXMesh* narrow = nullptr;
    ASSERT_EQ(clone->CloneMeshFVF(D3DXMESH_MANAGED | D3DXMESH_32BIT, D3DFVF_XYZ, device, &narrow), D3D_OK);
    EXPECT_EQ(D3DXGetFVFVertexSize(narrow->GetFVF()), 12u);
    const std::vector<float> positions = ReadVertexFloats(narrow);
    EXPECT_EQ(positions[3 * 4 + 1], original[4].position.y);
    BYTE* data = nullptr;
    ASSERT_EQ(narrow->LockIndexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    const DWORD* wide = reinterpret_cast<const DWORD*>(data);
    for (size_t i = 0; i < originalIndices.size(); ++i)
        ASSERT_EQ(wide[i], originalIndices[i]) << i;
    narrow->UnlockIndexBuffer();
    EXPECT_EQ(narrow->Release(), 0u);
    EXPECT_EQ(clone->Release(), 0u);
}

TEST_F(MeshInterfaceTest, ComputedNormalsOfASideAreThatSidesNormal)
{
    MakeCube(false);
    const auto vertices = ReadPositionNormals(mesh);
    const auto indices = ReadIndices(mesh);
    for (size_t f = 0; f < 12; ++f)
        ASSERT_GT(Dot(FaceCross(vertices, indices, f), FaceCentre(vertices, indices, f)), 0) << "cube data, face " << f;
    ASSERT_EQ(D3DXComputeNormals(mesh, nullptr), D3D_OK);
    const auto computed = ReadPositionNormals(mesh);
    for (size_t v = 0; v < computed.size(); ++v)
        ExpectVec3(computed[v].normal, kCubeSideNormals[v / 4]);
}

TEST_F(MeshInterfaceTest, ComputedNormalsOfSharedCornersPointOutwards)
{
    MakeCube(true);
    ASSERT_EQ(D3DXComputeNormals(mesh, nullptr), D3D_OK);
    for (const PositionNormal& v : ReadPositionNormals(mesh)) {
        EXPECT_NEAR(Length(v.normal), 1.0f, 1e-5f);
        // Every component has the sign of the corner's: the normal leaves the cube through that corner.
        EXPECT_GT(v.normal.x * v.position.x, 0);
        EXPECT_GT(v.normal.y * v.position.y, 0);
        EXPECT_GT(v.normal.z * v.position.z, 0);
    }
}

// A vertex shared by a triangle of area 2 facing -z and one of area 0.5 facing -y gets their normals
// weighted 4 : 1; weighting by angle would give both the same weight (both corners are right angles).
TEST_F(MeshInterfaceTest, ComputedNormalsAreWeightedByFaceArea)
{
    MakeMesh({{0, 0, 0}, {0, 2, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 1}}, {0, 1, 2, 0, 3, 4});
    ASSERT_EQ(D3DXComputeNormals(mesh, nullptr), D3D_OK);
    const auto vertices = ReadPositionNormals(mesh);
    const float norm = std::sqrt(17.0f);
    ExpectVec3(vertices[0].normal, {0, -1 / norm, -4 / norm});
    ExpectVec3(vertices[1].normal, {0, 0, -1});
    ExpectVec3(vertices[4].normal, {0, -1, 0});
}

TEST_F(MeshInterfaceTest, ComputeNormalsNeedsANormalInTheFormat)
{
    ASSERT_EQ(D3DXCreateMeshFVF(1, 3, D3DXMESH_SYSTEMMEM, D3DFVF_XYZ, device, &mesh), D3D_OK);
    EXPECT_EQ(D3DXComputeNormals(mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXComputeNormals(nullptr, nullptr), D3DERR_INVALIDCALL);
}

// Front faces are clockwise, which Direct3D's default culling (counter-clockwise) keeps: from outside the
// sphere is drawn, from inside every face is culled.
class SubsetDrawTest : public MeshInterfaceTest {
protected:
    DWORD CentrePixelSeenFrom(float cameraZ)
    {
        D3DXMATRIX view, projection;
        const D3DXVECTOR3 eye(0, 0, cameraZ), at(0, 0, cameraZ + 1), up(0, 1, 0);
        D3DXMatrixLookAtLH(&view, &eye, &at, &up);
        D3DXMatrixPerspectiveFovLH(&projection, D3DX_PI / 3, 4.0f / 3.0f, 0.1f, 100.0f);
        EXPECT_EQ(device->SetTransform(D3DTS_VIEW, &view), D3D_OK);
        EXPECT_EQ(device->SetTransform(D3DTS_PROJECTION, &projection), D3D_OK);
        EXPECT_EQ(device->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
        EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0), D3D_OK);
        EXPECT_EQ(device->BeginScene(), D3D_OK);
        EXPECT_EQ(mesh->DrawSubset(0), D3D_OK);
        EXPECT_EQ(device->EndScene(), D3D_OK);
        EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        const auto pixels = ReadFrontBuffer(d3d8_test::kClientWidth, d3d8_test::kClientHeight);
        return pixels.empty() ? 0 : pixels[(d3d8_test::kClientHeight / 2) * d3d8_test::kClientWidth +
                                           d3d8_test::kClientWidth / 2];
    }
};

TEST_F(SubsetDrawTest, SphereFacesOutwardsUnderDefaultCulling)
{
    ASSERT_EQ(D3DXCreateSphere(device, 5.0f, 16, 12, &mesh, nullptr), D3D_OK);
    EXPECT_EQ(CentrePixelSeenFrom(-20.0f) & 0xFFFFFF, 0xFFFFFFu) << "seen from outside";
    EXPECT_EQ(CentrePixelSeenFrom(0.0f) & 0xFFFFFF, 0u) << "seen from inside";
    ASSERT_EQ(device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    EXPECT_EQ(CentrePixelSeenFrom(0.0f) & 0xFFFFFF, 0xFFFFFFu) << "inside, without culling";
}

}  // namespace
}  // namespace d3dx8_mesh_test
