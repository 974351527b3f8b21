// C2DEffect: the pattern tables, the CPU-painted texture and its screen quad.
#include "effects/2DEffect.h"

#include <d3dx8.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "screen/Screen.h"

namespace {

template <typename T>
void ReleaseAndClear(T*& resource)
{
    if (resource) {
        resource->Release();
        resource = nullptr;
    }
}

// A table value (1 to 127) as a texel's colour: blue, green, red and alpha run around the colour
// circle with different phases. The alpha stays at most 126 so that two of them add within a byte.
void WriteTableTexel(unsigned char* texel, int value)
{
    const double a = static_cast<double>(static_cast<float>(value) * 0.024543693f);
    const double b = a + 8751.333333333332;
    texel[0] = static_cast<unsigned char>(static_cast<int>(31.0 * std::cos(a + 9579.162162162163) + 32.0) * 4);
    texel[1] = static_cast<unsigned char>(static_cast<int>(31.0 * std::sin(a + 11251.714285714284) + 32.0) * 4);
    texel[2] = static_cast<unsigned char>(static_cast<int>(32.0 - 31.0 * std::cos(b)) * 4);
    texel[3] = static_cast<unsigned char>(std::min(static_cast<int>(32.0 - 31.0 * std::sin(b)) * 2, 126));
}

}  // namespace

C2DEffect::C2DEffect()
    : m_pVB(nullptr), m_pTexture(nullptr), m_nHeight(TEXTURE_SIZE), m_nWidth(TEXTURE_SIZE), m_nX(0), m_nY(0),
      m_bOnTop(true)
{
}

C2DEffect::~C2DEffect() {}

// Init after a device reset rebuilds everything; resources still held from an earlier Init are let
// go first rather than leaked.
void C2DEffect::Init()
{
    PreInit();
    CObjects::Init();
    m_strType = "C2DEffect";
    m_strDescription = "2D effect";
    ReleaseResources();
    BuildTables();
    if (!m_pd3dDevice)
        return;
    if (FAILED(D3DXCreateTexture(m_pd3dDevice, TEXTURE_SIZE, TEXTURE_SIZE, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                 &m_pTexture))) {
        m_pTexture = nullptr;
        return;
    }
    if (FAILED(m_pd3dDevice->CreateVertexBuffer(4 * sizeof(S2DVERTEX), 0, D3DFVF_S2DVERTEX, D3DPOOL_DEFAULT, &m_pVB)))
        m_pVB = nullptr;
}

void C2DEffect::CleanUp()
{
    ReleaseResources();
    m_pTable1.clear();
    m_pTable1.shrink_to_fit();
    m_pTable2.clear();
    m_pTable2.shrink_to_fit();
    CObjects::CleanUp();
}

void C2DEffect::ReleaseResources()
{
    ReleaseAndClear(m_pVB);
    ReleaseAndClear(m_pTexture);
}

// Table 1 is concentric rings around the table's centre, table 2 a product of two waves whose
// frequencies drift across the rows and columns.
void C2DEffect::BuildTables()
{
    m_pTable1.assign(TABLE_BYTES, 0);
    m_pTable2.assign(TABLE_BYTES, 0);
    for (int r = 0; r < TABLE_SIZE; ++r) {
        for (int n = 0; n < TABLE_SIZE; ++n) {
            const double X = 256 - n;
            const double Y = 256 - r;
            const int v1 = static_cast<int>(63.0 * std::sin(0.0625 * std::sqrt(X * X + Y * Y)) + 64.0);
            const double columnWave = 11.0 * std::sin(static_cast<double>(static_cast<float>(n) * 0.017543859f)) + 31.0;
            const double rowWave = 15.0 * std::cos(static_cast<double>(static_cast<float>(r) * 0.013513514f)) + 37.0;
            const int v2 = static_cast<int>(63.0 * std::cos(r / columnWave) * std::sin(n / rowWave) + 64.0);
            const size_t offset = 4 * (static_cast<size_t>(TABLE_SIZE) * r + n);
            WriteTableTexel(&m_pTable1[offset], v1);
            WriteTableTexel(&m_pTable2[offset], v2);
        }
    }
}

// The two windows wander over their tables with the time; each output texel is black with the sum
// of the two windows' alphas. Rows are written pitch bytes apart, as the locked texture lays them.
void C2DEffect::RenderTexture(unsigned char* bits, int pitch)
{
    if (!bits || m_pTable1.size() != TABLE_BYTES || m_pTable2.size() != TABLE_BYTES)
        return;
    const float t = CScreen::Instance().GetTickCount();
    const int column1 = 128 + static_cast<int>(128.0 * std::cos(0.25 * t));
    const int row1 = 128 + static_cast<int>(128.0 * std::sin(t / 3.0));
    const int column2 = 128 - static_cast<int>(128.0 * std::sin(0.2 * t));
    const int row2 = 128 + static_cast<int>(128.0 * std::cos(0.1 * t));
    for (int y = 0; y < TEXTURE_SIZE; ++y) {
        const unsigned char* source1 = &m_pTable1[4 * (static_cast<size_t>(TABLE_SIZE) * (row1 + y) + column1)];
        const unsigned char* source2 = &m_pTable2[4 * (static_cast<size_t>(TABLE_SIZE) * (row2 + y) + column2)];
        unsigned char* out = bits + static_cast<ptrdiff_t>(y) * pitch;
        for (int x = 0; x < TEXTURE_SIZE; ++x) {
            out[4 * x + 0] = 0;
            out[4 * x + 1] = 0;
            out[4 * x + 2] = 0;
            out[4 * x + 3] = static_cast<unsigned char>(source1[4 * x + 3] + source2[4 * x + 3]);
        }
    }
}

void C2DEffect::Render()
{
    if (!m_pVB || !m_pTexture)
        return;
    BYTE* data = nullptr;
    if (FAILED(m_pVB->Lock(0, 0, &data, 0)) || !data)
        return;
    const float left = static_cast<float>(m_nX), top = static_cast<float>(m_nY);
    const float right = static_cast<float>(m_nX + m_nWidth), bottom = static_cast<float>(m_nY + m_nHeight);
    const S2DVERTEX quad[4] = {
        {left, top, 0, 1, 0xFFFFFFFF, 0, 0},
        {right, top, 0, 1, 0xFFFFFFFF, 1, 0},
        {left, bottom, 0, 1, 0xFFFFFFFF, 0, 1},
        {right, bottom, 0, 1, 0xFFFFFFFF, 1, 1},
    };
    std::memcpy(data, quad, sizeof quad);
    m_pVB->Unlock();

    D3DMATERIAL8 material{};
    material.Diffuse = material.Ambient = material.Specular = material.Emissive = {255.0f, 255.0f, 255.0f, 255.0f};
    material.Power = 0.0f;

    D3DLOCKED_RECT locked{};
    if (FAILED(m_pTexture->LockRect(0, &locked, nullptr, D3DLOCK_NOSYSLOCK)))
        return;
    RenderTexture(static_cast<unsigned char*>(locked.pBits), locked.Pitch);
    m_pTexture->UnlockRect(0);

    IDirect3DDevice8* device = m_pd3dDevice;
    device->SetMaterial(&material);
    device->SetTexture(0, m_pTexture);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHAREF, 8);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    if (!m_bOnTop)
        device->SetRenderState(D3DRS_ZENABLE, FALSE);
    device->SetStreamSource(0, m_pVB, sizeof(S2DVERTEX));
    device->SetVertexShader(D3DFVF_S2DVERTEX);
    device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

void C2DEffect::SetPosition(int x, int y)
{
    m_nX = x;
    m_nY = y;
}

void C2DEffect::SetSize(int width, int height)
{
    m_nWidth = width;
    m_nHeight = height;
}

void C2DEffect::SetOnTop(bool onTop) { m_bOnTop = onTop; }
