// Cube textures: faces and levels, and sampling them with coordinates made from camera space.
#include "draw_fixture.h"

namespace d3d8_test {
namespace {

// One colour per face, in D3DCUBEMAP_FACES order; the +Z face has a colour per quadrant instead.
constexpr DWORD kFaceColors[6] = {0xFFFF0000, 0xFF00FFFF, 0xFF00FF00, 0xFFFF00FF, 0xFF0000FF, 0xFFFFFF00};
constexpr DWORD kFrontQuadrants[4] = {0xFF800000, 0xFF008000, 0xFF000080, 0xFF808080};  // TL, TR, BL, BR

class CubeTextureTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(device->CreateCubeTexture(2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &cube), D3D_OK);
        for (int face = 0; face < 6; ++face) {
            D3DLOCKED_RECT locked;
            ASSERT_EQ(cube->LockRect(static_cast<D3DCUBEMAP_FACES>(face), 0, &locked, nullptr, 0), D3D_OK);
            for (int texel = 0; texel < 4; ++texel) {
                auto* row = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + (texel / 2) * locked.Pitch);
                row[texel % 2] = face == D3DCUBEMAP_FACE_POSITIVE_Z ? kFrontQuadrants[texel] : kFaceColors[face];
            }
            ASSERT_EQ(cube->UnlockRect(static_cast<D3DCUBEMAP_FACES>(face), 0), D3D_OK);
        }
        const D3DMATRIX projection = Perspective(1.5707963f, 0.1f, 100.0f);
        device->SetTransform(D3DTS_PROJECTION, &projection);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device->SetTexture(0, cube);
        device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    }
    void TearDown() override
    {
        if (device)
            device->SetTexture(0, nullptr);
        if (cube)
            cube->Release();
        DrawTest::TearDown();
    }

    // A quad over the whole viewport at z = 1 with the given normal, coordinates made by generation.
    void DrawGenerated(DWORD generation, float nx, float ny, float nz)
    {
        device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, generation);
        const LitVertex quad[4] = {{-1, 1, 1, nx, ny, nz, 0xFFFFFFFF},
                                   {1, 1, 1, nx, ny, nz, 0xFFFFFFFF},
                                   {-1, -1, 1, nx, ny, nz, 0xFFFFFFFF},
                                   {1, -1, 1, nx, ny, nz, 0xFFFFFFFF}};
        Frame([&] {
            device->SetVertexShader(kLitFvf);
            ASSERT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex)), D3D_OK);
        });
    }

    IDirect3DCubeTexture8* cube = nullptr;
};

TEST_F(CubeTextureTest, FacesAndLevelsAreSurfacesOfTheCube)
{
    IDirect3DCubeTexture8* mipped = nullptr;
    ASSERT_EQ(device->CreateCubeTexture(16, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &mipped), D3D_OK);
    EXPECT_EQ(mipped->GetLevelCount(), 5u);
    EXPECT_EQ(mipped->GetType(), D3DRTYPE_CUBETEXTURE);
    D3DSURFACE_DESC desc;
    ASSERT_EQ(mipped->GetLevelDesc(2, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 4u);
    EXPECT_EQ(desc.Height, 4u);
    IDirect3DSurface8* face = nullptr;
    ASSERT_EQ(mipped->GetCubeMapSurface(D3DCUBEMAP_FACE_NEGATIVE_Y, 1, &face), D3D_OK);
    EXPECT_EQ(mipped->AddRef(), 3u);  // the surface's reference is the cube's
    mipped->Release();
    IDirect3DCubeTexture8* container = nullptr;
    ASSERT_EQ(face->GetContainer(IID_IDirect3DCubeTexture8, reinterpret_cast<void**>(&container)), D3D_OK);
    EXPECT_EQ(container, mipped);
    container->Release();
    D3DLOCKED_RECT locked;
    ASSERT_EQ(face->LockRect(&locked, nullptr, 0), D3D_OK);
    EXPECT_EQ(locked.Pitch, 32);
    face->UnlockRect();
    face->Release();
    IDirect3DBaseTexture8* base = nullptr;
    ASSERT_EQ(mipped->QueryInterface(IID_IDirect3DBaseTexture8, reinterpret_cast<void**>(&base)), D3D_OK);
    base->Release();
    EXPECT_EQ(mipped->GetCubeMapSurface(static_cast<D3DCUBEMAP_FACES>(6), 0, &face), D3DERR_INVALIDCALL);
    EXPECT_EQ(mipped->GetCubeMapSurface(D3DCUBEMAP_FACE_POSITIVE_X, 5, &face), D3DERR_INVALIDCALL);
    EXPECT_EQ(mipped->LockRect(D3DCUBEMAP_FACE_POSITIVE_X, 9, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(mipped->Release(), 0u);
    IDirect3DCubeTexture8* bad = nullptr;
    EXPECT_EQ(device->CreateCubeTexture(0, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &bad), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->CreateCubeTexture(8, 1, 0, D3DFMT_P8, D3DPOOL_MANAGED, &bad), D3DERR_INVALIDCALL);
    EXPECT_EQ(bad, nullptr);
    IDirect3DVolumeTexture8* volume = reinterpret_cast<IDirect3DVolumeTexture8*>(1);
    EXPECT_EQ(device->CreateVolumeTexture(8, 8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &volume),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(volume, nullptr);
}

TEST_F(CubeTextureTest, CameraSpacePositionShowsTheFrontFaceUpright)
{
    DrawGenerated(D3DTSS_TCI_CAMERASPACEPOSITION, 0, 0, -1);
    EXPECT_EQ(At(16, 16), kFrontQuadrants[0] & 0xFFFFFF);
    EXPECT_EQ(At(48, 16), kFrontQuadrants[1] & 0xFFFFFF);
    EXPECT_EQ(At(16, 48), kFrontQuadrants[2] & 0xFFFFFF);
    EXPECT_EQ(At(48, 48), kFrontQuadrants[3] & 0xFFFFFF);
}

TEST_F(CubeTextureTest, ReflectionVectorMirrorsTheViewAboutTheNormal)
{
    // Facing the viewer, the view comes straight back: the -Z face, from a local viewer too.
    for (BOOL local : {FALSE, TRUE}) {
        device->SetRenderState(D3DRS_LOCALVIEWER, local);
        DrawGenerated(D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR, 0, 0, -1);
        EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_NEGATIVE_Z] & 0xFFFFFF) << "local " << local;
        EXPECT_EQ(At(8, 8), kFaceColors[D3DCUBEMAP_FACE_NEGATIVE_Z] & 0xFFFFFF) << "local " << local;
    }
    // Turned 45 degrees towards +x, the view along +z is reflected to +x.
    device->SetRenderState(D3DRS_LOCALVIEWER, FALSE);
    DrawGenerated(D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR, 0.7071f, 0, -0.7071f);
    EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_POSITIVE_X] & 0xFFFFFF);
    // Through the view matrix: the camera turned to look down -x sees a normal of -x as facing it.
    D3DMATRIX view{};
    view._13 = -1.0f;  // world -x is camera +z
    view._22 = 1.0f;
    view._31 = 1.0f;   // world +z is camera +x
    view._44 = 1.0f;
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR);
    const LitVertex quad[4] = {{-1, 1, 1, 1, 0, 0, 0xFFFFFFFF}, {-1, 1, -1, 1, 0, 0, 0xFFFFFFFF},
                               {-1, -1, 1, 1, 0, 0, 0xFFFFFFFF}, {-1, -1, -1, 1, 0, 0, 0xFFFFFFFF}};
    Frame([&] {
        device->SetVertexShader(kLitFvf);
        ASSERT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex)), D3D_OK);
    });
    EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_NEGATIVE_Z] & 0xFFFFFF);
}

TEST_F(CubeTextureTest, CameraSpaceNormalPicksTheFaceTheNormalPointsAt)
{
    DrawGenerated(D3DTSS_TCI_CAMERASPACENORMAL, 0, 1, 0);
    EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_POSITIVE_Y] & 0xFFFFFF);
    DrawGenerated(D3DTSS_TCI_CAMERASPACENORMAL, 0, -1, 0);
    EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_NEGATIVE_Y] & 0xFFFFFF);
    DrawGenerated(D3DTSS_TCI_CAMERASPACENORMAL, -1, 0, 0);
    EXPECT_EQ(At(32, 32), kFaceColors[D3DCUBEMAP_FACE_NEGATIVE_X] & 0xFFFFFF);
}

}  // namespace
}  // namespace d3d8_test
