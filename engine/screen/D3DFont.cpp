#include "screen/D3DFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "screen/FontRasterizer.h"

namespace {

constexpr UINT kVertexBufferBytes = 8400;
constexpr int kPixelsPerInch = 96;
constexpr char kFirstGlyph = 32;
constexpr char kLastGlyph = 126;
// Glyph sets too tall for the texture are rasterised smaller; a few steps always suffice.
constexpr int kFitAttempts = 8;

struct SScreenTextVertex {
    float x, y, z, rhw;
    DWORD color;
    float tu, tv;
};
static_assert(sizeof(SScreenTextVertex) == 28, "screen text vertex layout");
constexpr DWORD kScreenTextFVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct SWorldTextVertex {
    float x, y, z, nx, ny, nz;
    float tu, tv;
};
static_assert(sizeof(SWorldTextVertex) == 32, "world text vertex layout");
constexpr DWORD kWorldTextFVF = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

// Pre-transformed vertices sit half a pixel up and left so that texels land on pixel centres.
SScreenTextVertex MakeVertex(SScreenTextVertex*, float x, float y, float z, DWORD color, float tu, float tv)
{
    return {x - 0.5f, y - 0.5f, z, 1.0f, color, tu, tv};
}

SWorldTextVertex MakeVertex(SWorldTextVertex*, float x, float y, float z, DWORD, float tu, float tv)
{
    return {x, y, z, 0.0f, 0.0f, -1.0f, tu, tv};
}

// number x numerator / denominator, rounded to the nearest integer.
int MulDivRounded(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    return static_cast<int>((product + denominator / 2) / denominator);
}

WORD GlyphTexel(DWORD bitmapPixel)
{
    const WORD alpha = static_cast<WORD>((bitmapPixel & 0xFF) >> 4);
    return alpha == 0 ? 0 : static_cast<WORD>((alpha << 12) | 0x0FFF);
}

template <class Interface>
void ReleaseAndClear(Interface*& pointer)
{
    if (pointer)
        pointer->Release();
    pointer = nullptr;
}

// Glyph quads written into the locked vertex buffer and drawn whenever another glyph might not fit.
template <class Vertex>
class CGlyphBatch {
public:
    CGlyphBatch(IDirect3DDevice8* device, IDirect3DVertexBuffer8* buffer) : m_pDevice(device), m_pBuffer(buffer) {}
    ~CGlyphBatch()
    {
        if (m_pVertices)
            m_pBuffer->Unlock();
    }

    HRESULT Open()
    {
        BYTE* data = nullptr;
        const HRESULT hr = m_pBuffer->Lock(0, 0, &data, D3DLOCK_DISCARD);
        m_pVertices = SUCCEEDED(hr) ? reinterpret_cast<Vertex*>(data) : nullptr;
        return SUCCEEDED(hr) && !data ? E_FAIL : hr;
    }

    // Two clockwise triangles covering the rectangle, with the glyph's texture corners.
    void AddQuad(float left, float top, float right, float bottom, float z, DWORD color, const float* glyph)
    {
        Vertex* v = m_pVertices + m_nVertices;
        v[0] = MakeVertex(v, left, bottom, z, color, glyph[0], glyph[3]);
        v[1] = MakeVertex(v, left, top, z, color, glyph[0], glyph[1]);
        v[2] = MakeVertex(v, right, bottom, z, color, glyph[2], glyph[3]);
        v[3] = MakeVertex(v, right, top, z, color, glyph[2], glyph[1]);
        v[4] = MakeVertex(v, right, bottom, z, color, glyph[2], glyph[3]);
        v[5] = MakeVertex(v, left, top, z, color, glyph[0], glyph[1]);
        m_nVertices += 6;
    }

    HRESULT FlushIfFull()
    {
        if (m_nVertices + 6 <= kCapacity)
            return D3D_OK;
        const HRESULT drawn = Draw();
        const HRESULT opened = Open();
        return FAILED(opened) ? opened : drawn;
    }

    HRESULT Close() { return m_pVertices ? Draw() : D3D_OK; }

private:
    static constexpr UINT kCapacity = kVertexBufferBytes / sizeof(Vertex);

    HRESULT Draw()
    {
        m_pBuffer->Unlock();
        m_pVertices = nullptr;
        const UINT triangles = m_nVertices / 3;
        m_nVertices = 0;
        return triangles ? m_pDevice->DrawPrimitive(D3DPT_TRIANGLELIST, 0, triangles) : D3D_OK;
    }

    IDirect3DDevice8* m_pDevice;
    IDirect3DVertexBuffer8* m_pBuffer;
    Vertex* m_pVertices = nullptr;
    UINT m_nVertices = 0;
};

}  // namespace

CD3DFont::CD3DFont(const char* faceName, DWORD height, DWORD flags)
    : m_szFaceName{},
      m_nFontHeight(height),
      m_nFontFlags(flags),
      m_pFontTexture(nullptr),
      m_pFontVB(nullptr),
      m_nTexWidth(0),
      m_nTexHeight(0),
      m_fGlyphScale(1.0f),
      m_GlyphCoords{},
      m_hSavedState(0),
      m_hDrawState(0)
{
    if (faceName)
        std::strncpy(m_szFaceName, faceName, sizeof(m_szFaceName) - 1);
}

CD3DFont::CD3DFont(const CD3DFont& other)
    : CObjects(other), m_pFontTexture(nullptr), m_pFontVB(nullptr), m_hSavedState(0), m_hDrawState(0)
{
    CopySettings(other);
}

CD3DFont& CD3DFont::operator=(const CD3DFont& other)
{
    if (this != &other) {
        InvalidateDeviceObjects();
        DeleteDeviceObjects();
        CObjects::operator=(other);
        CopySettings(other);
    }
    return *this;
}

CD3DFont::~CD3DFont()
{
    InvalidateDeviceObjects();
    DeleteDeviceObjects();
}

void CD3DFont::CopySettings(const CD3DFont& other)
{
    std::memcpy(m_szFaceName, other.m_szFaceName, sizeof(m_szFaceName));
    m_nFontHeight = other.m_nFontHeight;
    m_nFontFlags = other.m_nFontFlags;
    m_nTexWidth = other.m_nTexWidth;
    m_nTexHeight = other.m_nTexHeight;
    m_fGlyphScale = other.m_fGlyphScale;
    std::memcpy(m_GlyphCoords, other.m_GlyphCoords, sizeof(m_GlyphCoords));
}

void CD3DFont::Init()
{
    // A second Init without CleanUp rebuilds instead of leaking the first set of objects.
    InvalidateDeviceObjects();
    DeleteDeviceObjects();
    PreInit();
    // Without a glyph texture the font stays without a vertex buffer, so it draws nothing rather
    // than untextured boxes.
    if (SUCCEEDED(InitDeviceObjects(m_pd3dDevice)))
        RestoreDeviceObjects();
    CObjects::Init();
}

void CD3DFont::CleanUp()
{
    InvalidateDeviceObjects();
    DeleteDeviceObjects();
    CObjects::CleanUp();
}

HRESULT CD3DFont::InitDeviceObjects(IDirect3DDevice8* device)
{
    ReleaseAndClear(m_pFontTexture);
    m_pd3dDevice = device;
    if (!device)
        return E_FAIL;
    m_fGlyphScale = 1.0f;
    m_nTexWidth = m_nTexHeight = m_nFontHeight > 40 ? 1024 : m_nFontHeight > 20 ? 512 : 256;
    D3DCAPS8 caps{};
    if (SUCCEEDED(device->GetDeviceCaps(&caps)) && caps.MaxTextureWidth > 0 && caps.MaxTextureWidth < m_nTexWidth) {
        m_fGlyphScale = static_cast<float>(caps.MaxTextureWidth) / static_cast<float>(m_nTexWidth);
        m_nTexWidth = m_nTexHeight = caps.MaxTextureWidth;
    }
    HRESULT hr = device->CreateTexture(m_nTexWidth, m_nTexHeight, 1, 0, D3DFMT_A4R4G4B4, D3DPOOL_MANAGED,
                                       &m_pFontTexture);
    if (FAILED(hr))
        return hr;
    SMemoryBitmap bitmap(static_cast<int>(m_nTexWidth), static_cast<int>(m_nTexHeight));
    hr = BuildGlyphTable(bitmap);
    return FAILED(hr) ? hr : UploadGlyphTexels(bitmap);
}

// Glyphs that would run past the texture's bottom edge would show parts of other glyphs, so a set
// that does not fit is rasterised again at a smaller size (the draw scales it back up).
HRESULT CD3DFont::BuildGlyphTable(SMemoryBitmap& bitmap)
{
    for (int attempt = 0; attempt < kFitAttempts; ++attempt) {
        std::fill(bitmap.pixels.begin(), bitmap.pixels.end(), 0);
        const int usedHeight = RasterizeGlyphs(bitmap);
        if (usedHeight < 0)
            return E_FAIL;
        if (usedHeight <= bitmap.height)
            return D3D_OK;
        m_fGlyphScale *= 0.95f * std::sqrt(static_cast<float>(bitmap.height) / static_cast<float>(usedHeight));
    }
    return E_FAIL;
}

// Packs characters 32 .. 126 row by row into the bitmap and fills the glyph table. Answers the
// height the rows take, or -1 when the font cannot be had.
int CD3DFont::RasterizeGlyphs(SMemoryBitmap& bitmap)
{
    CFontRasterizer rasterizer;
    const int pixelHeight =
        MulDivRounded(static_cast<int>(m_nFontHeight), static_cast<int>(kPixelsPerInch * m_fGlyphScale), 72);
    if (!rasterizer.Open(m_szFaceName, pixelHeight, (m_nFontFlags & FONTFLAG_BOLD) != 0,
                         (m_nFontFlags & FONTFLAG_ITALIC) != 0))
        return -1;
    std::memset(m_GlyphCoords, 0, sizeof(m_GlyphCoords));
    const float width = static_cast<float>(bitmap.width), height = static_cast<float>(bitmap.height);
    int x = 0, y = 0, usedHeight = 0;
    for (int c = kFirstGlyph; c <= kLastGlyph; ++c) {
        const SIZE cell = rasterizer.Measure(static_cast<unsigned char>(c));
        if (x + cell.cx + 1 > bitmap.width) {
            x = 0;
            y += cell.cy + 1;
        }
        rasterizer.DrawOpaque(static_cast<unsigned char>(c), x, y, bitmap);
        float* entry = m_GlyphCoords[c - kFirstGlyph];
        entry[0] = x / width;
        entry[1] = y / height;
        entry[2] = (x + cell.cx) / width;
        entry[3] = (y + cell.cy) / height;
        usedHeight = std::max<int>(usedHeight, y + cell.cy);
        x += cell.cx + 1;
    }
    return usedHeight;
}

// White texels whose 4-bit alpha is the glyph coverage; uncovered texels are all zero.
HRESULT CD3DFont::UploadGlyphTexels(const SMemoryBitmap& bitmap)
{
    D3DLOCKED_RECT locked{};
    HRESULT hr = m_pFontTexture->LockRect(0, &locked, nullptr, 0);
    if (FAILED(hr))
        return hr;
    for (int row = 0; row < bitmap.height; ++row) {
        WORD* texels = reinterpret_cast<WORD*>(static_cast<BYTE*>(locked.pBits) + row * locked.Pitch);
        const DWORD* pixels = bitmap.pixels.data() + size_t(row) * bitmap.width;
        for (int column = 0; column < bitmap.width; ++column)
            texels[column] = GlyphTexel(pixels[column]);
    }
    m_pFontTexture->UnlockRect(0);
    return D3D_OK;
}

HRESULT CD3DFont::RestoreDeviceObjects()
{
    InvalidateDeviceObjects();
    if (!m_pd3dDevice)
        return E_FAIL;
    HRESULT hr = m_pd3dDevice->CreateVertexBuffer(kVertexBufferBytes, D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC, 0,
                                                  D3DPOOL_DEFAULT, &m_pFontVB);
    if (FAILED(hr)) {
        m_pFontVB = nullptr;
        return hr;
    }
    hr = RecordStateBlock(&m_hSavedState);
    return FAILED(hr) ? hr : RecordStateBlock(&m_hDrawState);
}

// The states every text draw needs; recorded once to capture the caller's values into and once to
// apply them from.
HRESULT CD3DFont::RecordStateBlock(DWORD* handle)
{
    IDirect3DDevice8* d = m_pd3dDevice;
    HRESULT hr = d->BeginStateBlock();
    if (FAILED(hr))
        return hr;
    d->SetTexture(0, m_pFontTexture);
    d->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    d->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    d->SetRenderState(D3DRS_ALPHAREF, 0x08);
    d->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    d->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    d->SetRenderState(D3DRS_ZENABLE, FALSE);
    d->SetRenderState(D3DRS_STENCILENABLE, FALSE);
    d->SetRenderState(D3DRS_CLIPPING, TRUE);
    d->SetRenderState(D3DRS_EDGEANTIALIAS, FALSE);
    d->SetRenderState(D3DRS_CLIPPLANEENABLE, 0);
    d->SetRenderState(D3DRS_VERTEXBLEND, D3DVBF_DISABLE);
    d->SetRenderState(D3DRS_INDEXEDVERTEXBLENDENABLE, FALSE);
    d->SetRenderState(D3DRS_FOGENABLE, FALSE);
    d->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    d->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    d->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    d->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    d->SetTextureStageState(0, D3DTSS_MINFILTER, D3DTEXF_POINT);
    d->SetTextureStageState(0, D3DTSS_MAGFILTER, D3DTEXF_POINT);
    d->SetTextureStageState(0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
    d->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, 0);
    d->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
    d->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    d->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    hr = d->EndStateBlock(handle);
    if (FAILED(hr))
        *handle = 0;
    return hr;
}

HRESULT CD3DFont::InvalidateDeviceObjects()
{
    ReleaseAndClear(m_pFontVB);
    if (m_pd3dDevice) {
        if (m_hSavedState)
            m_pd3dDevice->DeleteStateBlock(m_hSavedState);
        if (m_hDrawState)
            m_pd3dDevice->DeleteStateBlock(m_hDrawState);
    }
    m_hSavedState = 0;
    m_hDrawState = 0;
    return D3D_OK;
}

HRESULT CD3DFont::DeleteDeviceObjects()
{
    ReleaseAndClear(m_pFontTexture);
    m_pd3dDevice = nullptr;
    return D3D_OK;
}

const float* CD3DFont::GlyphOf(char character) const
{
    const unsigned char c = static_cast<unsigned char>(character);
    if (c < kFirstGlyph || c > kLastGlyph)
        return nullptr;
    return m_GlyphCoords[c - kFirstGlyph];
}

// The height of one line of text in texels: the space glyph's cell.
float CD3DFont::LineHeight() const
{
    return (m_GlyphCoords[0][3] - m_GlyphCoords[0][1]) * static_cast<float>(m_nTexHeight);
}

void CD3DFont::BeginTextStates(DWORD vertexFormat, UINT stride, DWORD flags)
{
    m_pd3dDevice->CaptureStateBlock(m_hSavedState);
    m_pd3dDevice->ApplyStateBlock(m_hDrawState);
    m_pd3dDevice->SetVertexShader(vertexFormat);
    m_pd3dDevice->SetStreamSource(0, m_pFontVB, stride);
    if (flags & TEXTFLAG_FILTERED) {
        m_pd3dDevice->SetTextureStageState(0, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
        m_pd3dDevice->SetTextureStageState(0, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
    }
}

// Lays the text out from (x, y): each glyph's texel size times the scales, a line feed back to x and
// down by one line. A negative y scale lays lines out downwards in a y-up space.
template <class Vertex>
HRESULT CD3DFont::DrawGlyphs(const char* text, float x, float y, float z, float scaleX, float scaleY, DWORD color)
{
    CGlyphBatch<Vertex> batch(m_pd3dDevice, m_pFontVB);
    HRESULT hr = batch.Open();
    if (FAILED(hr))
        return hr;
    const float startX = x;
    for (const char* c = text; *c && SUCCEEDED(hr); ++c) {
        if (*c == '\n') {
            x = startX;
            y += LineHeight() * scaleY;
            continue;
        }
        const float* glyph = GlyphOf(*c);
        if (!glyph)
            continue;
        const float w = (glyph[2] - glyph[0]) * static_cast<float>(m_nTexWidth) * scaleX;
        const float h = (glyph[3] - glyph[1]) * static_cast<float>(m_nTexHeight) * scaleY;
        batch.AddQuad(x, y, x + w, y + h, z, color, glyph);
        x += w;
        hr = batch.FlushIfFull();
    }
    const HRESULT closed = batch.Close();
    return FAILED(hr) ? hr : closed;
}

HRESULT CD3DFont::DrawTextA(float x, float y, DWORD color, const char* text, DWORD flags)
{
    if (!m_pFontVB || !m_pd3dDevice || !text)
        return E_FAIL;
    BeginTextStates(kScreenTextFVF, sizeof(SScreenTextVertex), flags);
    const float scale = 1.0f / m_fGlyphScale;
    const HRESULT hr = DrawGlyphs<SScreenTextVertex>(text, x, y, 0.9f, scale, scale, color);
    m_pd3dDevice->ApplyStateBlock(m_hSavedState);
    return hr;
}

HRESULT CD3DFont::DrawTextScaled(float x, float y, float z, float xScale, float yScale, DWORD color,
                                 const char* text, DWORD flags)
{
    const float lineHeight = LineHeight();
    D3DVIEWPORT8 viewport{};
    if (!m_pFontVB || !m_pd3dDevice || !text || lineHeight <= 0.0f || FAILED(m_pd3dDevice->GetViewport(&viewport)))
        return E_FAIL;
    const float width = static_cast<float>(viewport.Width), height = static_cast<float>(viewport.Height);
    const float left = static_cast<float>(viewport.X) + (x + 1.0f) * width / 2.0f;
    const float top = static_cast<float>(viewport.Y) + (y + 1.0f) * height / 2.0f;
    BeginTextStates(kScreenTextFVF, sizeof(SScreenTextVertex), flags);
    const HRESULT hr = DrawGlyphs<SScreenTextVertex>(text, left, top, z, xScale * height / lineHeight,
                                                     yScale * height / lineHeight, color);
    m_pd3dDevice->ApplyStateBlock(m_hSavedState);
    return hr;
}

HRESULT CD3DFont::GetTextExtent(const char* text, SIZE* size)
{
    if (!text || !size)
        return E_FAIL;
    float lineWidth = 0.0f, widest = 0.0f;
    LONG lines = 1;
    for (const char* c = text; *c; ++c) {
        if (*c == '\n') {
            widest = std::max(widest, lineWidth);
            lineWidth = 0.0f;
            ++lines;
        } else if (const float* glyph = GlyphOf(*c)) {
            lineWidth += (glyph[2] - glyph[0]) * static_cast<float>(m_nTexWidth);
        }
    }
    size->cx = static_cast<LONG>(std::max(widest, lineWidth));
    size->cy = static_cast<LONG>(LineHeight() * static_cast<float>(lines));
    return D3D_OK;
}

HRESULT CD3DFont::Render3DText(const char* text, DWORD flags)
{
    constexpr float kUnitsPerTexel = 0.1f;
    if (!m_pFontVB || !m_pd3dDevice || !text)
        return E_FAIL;
    float x = 0.0f, y = 0.0f;
    if (flags & TEXTFLAG_CENTERED) {
        SIZE extent{};
        GetTextExtent(text, &extent);
        x = -static_cast<float>(extent.cx) * kUnitsPerTexel / 2.0f;
        y = static_cast<float>(extent.cy) * kUnitsPerTexel / 2.0f;
    }
    BeginTextStates(kWorldTextFVF, sizeof(SWorldTextVertex), flags);
    if (flags & TEXTFLAG_TWOSIDED)
        m_pd3dDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    const HRESULT hr = DrawGlyphs<SWorldTextVertex>(text, x, y, 0.0f, kUnitsPerTexel, -kUnitsPerTexel, 0);
    m_pd3dDevice->ApplyStateBlock(m_hSavedState);
    return hr;
}
