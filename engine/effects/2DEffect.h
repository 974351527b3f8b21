// A screen-space rectangle whose 256 x 256 texture is painted by the CPU before every draw. A
// derived class overrides RenderTexture to paint its own pixels; the default paints two precomputed
// pattern tables scrolling over each other. Position and size are in screen pixels.
#pragma once

#include <d3d8.h>

#include <vector>

#include "objects/Objects.h"

// The quad's vertex: pre-transformed position, colour and one pair of texture coordinates.
struct S2DVERTEX {
    float x, y, z, rhw;
    DWORD color;
    float tu, tv;
};

constexpr DWORD D3DFVF_S2DVERTEX = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

static_assert(sizeof(S2DVERTEX) == 28, "S2DVERTEX must keep the 28-byte layout of its FVF");
static_assert(D3DFVF_S2DVERTEX == 0x144, "S2DVERTEX's FVF code");

class C2DEffect : public CObjects {
public:
    static constexpr int TEXTURE_SIZE = 256;
    static constexpr int TABLE_SIZE = 512;
    static constexpr int TABLE_BYTES = TABLE_SIZE * TABLE_SIZE * 4;

    C2DEffect();
    ~C2DEffect() override;

    // Tables, texture and quad; the quad only when the texture could be made.
    void Init() override;
    void CleanUp() override;
    // Paints the texture through RenderTexture and draws the quad. Leaves its states set.
    void Render();
    // Paints the 256 x 256 texels of the locked texture, blue, green, red, alpha each; bits is the
    // first texel and pitch the distance between rows in bytes. The pointer is valid only during
    // the call.
    virtual void RenderTexture(unsigned char* bits, int pitch);

    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    // Off: the depth test is switched off for the quad, and stays off for what is drawn after it.
    void SetOnTop(bool onTop);

protected:
    void BuildTables();
    void ReleaseResources();

    IDirect3DVertexBuffer8* m_pVB;
    IDirect3DTexture8* m_pTexture;
    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    bool m_bOnTop;
    // 512 x 512 texels of 4 bytes each, row-major, blue, green, red, alpha.
    std::vector<unsigned char> m_pTable1;
    std::vector<unsigned char> m_pTable2;
};
