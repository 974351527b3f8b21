// State blocks: what they record, capture and apply.
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using StateBlockTest = DeviceTest;

DWORD RenderState(IDirect3DDevice8* device, D3DRENDERSTATETYPE state)
{
    DWORD value = 0;
    device->GetRenderState(state, &value);
    return value;
}

TEST_F(StateBlockTest, RecordsOnlyTheStatesSetWhileRecording)
{
    ASSERT_EQ(device->SetRenderState(D3DRS_FOGCOLOR, 0x11), D3D_OK);
    ASSERT_EQ(device->BeginStateBlock(), D3D_OK);
    EXPECT_EQ(device->BeginStateBlock(), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    ASSERT_EQ(device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_ADD), D3D_OK);
    // Recording leaves the device as it was.
    EXPECT_EQ(RenderState(device, D3DRS_CULLMODE), DWORD(D3DCULL_CCW));
    DWORD token = 0;
    ASSERT_EQ(device->EndStateBlock(&token), D3D_OK);
    EXPECT_NE(token, 0u);

    ASSERT_EQ(device->SetRenderState(D3DRS_FOGCOLOR, 0x22), D3D_OK);
    ASSERT_EQ(device->ApplyStateBlock(token), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_CULLMODE), DWORD(D3DCULL_NONE));
    DWORD op = 0;
    ASSERT_EQ(device->GetTextureStageState(1, D3DTSS_COLOROP, &op), D3D_OK);
    EXPECT_EQ(op, DWORD(D3DTOP_ADD));
    // The fog colour was not recorded, so applying keeps what was set after.
    EXPECT_EQ(RenderState(device, D3DRS_FOGCOLOR), 0x22u);
    EXPECT_EQ(device->DeleteStateBlock(token), D3D_OK);
    EXPECT_EQ(device->ApplyStateBlock(token), D3DERR_INVALIDCALL);
}

TEST_F(StateBlockTest, CaptureTakesTheCurrentValuesOfTheRecordedStates)
{
    ASSERT_EQ(device->BeginStateBlock(), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_ALPHAREF, 10), D3D_OK);
    DWORD token = 0;
    ASSERT_EQ(device->EndStateBlock(&token), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_ALPHAREF, 77), D3D_OK);
    ASSERT_EQ(device->CaptureStateBlock(token), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_ALPHAREF, 5), D3D_OK);
    ASSERT_EQ(device->ApplyStateBlock(token), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_ALPHAREF), 77u);
    device->DeleteStateBlock(token);
}

TEST_F(StateBlockTest, CreatedBlocksCoverTheirType)
{
    DWORD all = 0, pixel = 0;
    ASSERT_EQ(device->CreateStateBlock(D3DSBT_ALL, &all), D3D_OK);
    ASSERT_EQ(device->CreateStateBlock(D3DSBT_PIXELSTATE, &pixel), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), D3D_OK);
    D3DMATRIX moved{};
    moved._11 = moved._22 = moved._33 = moved._44 = 1.0f;
    moved._42 = 3.0f;
    ASSERT_EQ(device->SetTransform(D3DTS_VIEW, &moved), D3D_OK);

    // The pixel block restores blending but not lighting (a vertex state).
    ASSERT_EQ(device->ApplyStateBlock(pixel), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_SRCBLEND), DWORD(D3DBLEND_ONE));
    EXPECT_EQ(RenderState(device, D3DRS_LIGHTING), DWORD(FALSE));

    ASSERT_EQ(device->ApplyStateBlock(all), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_LIGHTING), DWORD(TRUE));
    D3DMATRIX view;
    ASSERT_EQ(device->GetTransform(D3DTS_VIEW, &view), D3D_OK);
    EXPECT_EQ(view._42, 0.0f);
    EXPECT_EQ(device->CreateStateBlock(static_cast<D3DSTATEBLOCKTYPE>(7), &all), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DeleteStateBlock(all), D3D_OK);
    EXPECT_EQ(device->DeleteStateBlock(pixel), D3D_OK);
}

TEST_F(StateBlockTest, RecordedTexturesAreHeldAndRestored)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->BeginStateBlock(), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    DWORD token = 0;
    ASSERT_EQ(device->EndStateBlock(&token), D3D_OK);
    IDirect3DBaseTexture8* bound = reinterpret_cast<IDirect3DBaseTexture8*>(1);
    ASSERT_EQ(device->GetTexture(0, &bound), D3D_OK);
    EXPECT_EQ(bound, nullptr);
    ASSERT_EQ(device->ApplyStateBlock(token), D3D_OK);
    ASSERT_EQ(device->GetTexture(0, &bound), D3D_OK);
    EXPECT_EQ(bound, texture);
    EXPECT_EQ(bound->Release(), 1u);
    // The stage and the block hold the texture without showing it in the application's count.
    EXPECT_EQ(texture->Release(), 0u);
    ASSERT_EQ(device->SetTexture(0, nullptr), D3D_OK);
    ASSERT_EQ(device->ApplyStateBlock(token), D3D_OK);
    ASSERT_EQ(device->GetTexture(0, &bound), D3D_OK);
    ASSERT_EQ(bound, texture);
    EXPECT_EQ(texture->GetLevelCount(), 1u);
    EXPECT_EQ(bound->Release(), 0u);
    ASSERT_EQ(device->SetTexture(0, nullptr), D3D_OK);
    ASSERT_EQ(device->DeleteStateBlock(token), D3D_OK);
}

}  // namespace
}  // namespace d3d8_test
