// Overlay text: the printable ASCII characters of a system font, rasterised once into one texture,
// drawn as two textured triangles per character from a dynamic vertex buffer in batches. All state
// changes of a draw are made and undone through two recorded state blocks.
#pragma once

#include <afxwin.h>
#include <d3d8.h>

#include "objects/Objects.h"

struct SMemoryBitmap;

// Creation flags.
constexpr DWORD FONTFLAG_BOLD = 1;
constexpr DWORD FONTFLAG_ITALIC = 2;
constexpr DWORD D3DFONT_BOLD = FONTFLAG_BOLD;
constexpr DWORD D3DFONT_ITALIC = FONTFLAG_ITALIC;

// Draw flags.
constexpr DWORD TEXTFLAG_CENTERED = 1;
constexpr DWORD TEXTFLAG_TWOSIDED = 2;
constexpr DWORD TEXTFLAG_FILTERED = 4;
constexpr DWORD D3DFONT_CENTERED = TEXTFLAG_CENTERED;
constexpr DWORD D3DFONT_TWOSIDED = TEXTFLAG_TWOSIDED;
constexpr DWORD D3DFONT_FILTERED = TEXTFLAG_FILTERED;

class CD3DFont : public CObjects {
public:
    CD3DFont(const char* faceName, DWORD height, DWORD flags = 0);
    // A copy takes the face, size, style and glyph table, never the other font's device objects:
    // it draws only after its own Init.
    CD3DFont(const CD3DFont& other);
    CD3DFont& operator=(const CD3DFont& other);
    ~CD3DFont() override;

    // Takes the screen's device, builds the texture, vertex buffer and state blocks, registers.
    void Init() override;
    // Releases every device object and unregisters.
    void CleanUp() override;

    // Text at (x, y) in screen pixels, top left of the first line.
    HRESULT DrawTextA(float x, float y, DWORD color, const char* text, DWORD flags = 0);
    // Text at (x, y) in viewport units (-1 .. 1, -1 being the left and top edges), one line being
    // yScale x the viewport height tall; x scale stretches the glyphs horizontally alike.
    HRESULT DrawTextScaled(float x, float y, float z, float xScale, float yScale, DWORD color, const char* text,
                           DWORD flags = 0);
    // Width of the widest line and height of all lines, in texels of the glyph texture.
    HRESULT GetTextExtent(const char* text, SIZE* size);
    // Text as geometry in the x-y plane of the current world space, 0.1 units per texel, facing -z.
    HRESULT Render3DText(const char* text, DWORD flags = 0);

protected:
    HRESULT InitDeviceObjects(IDirect3DDevice8* device);
    HRESULT RestoreDeviceObjects();
    HRESULT InvalidateDeviceObjects();
    HRESULT DeleteDeviceObjects();

    char m_szFaceName[80];
    DWORD m_nFontHeight;
    DWORD m_nFontFlags;
    IDirect3DTexture8* m_pFontTexture;
    IDirect3DVertexBuffer8* m_pFontVB;
    DWORD m_nTexWidth;
    DWORD m_nTexHeight;
    float m_fGlyphScale;
    // Left, top, right, bottom texture coordinates of characters 32 .. 127 (127 stays empty).
    float m_GlyphCoords[96][4];
    DWORD m_hSavedState;
    DWORD m_hDrawState;

private:
    void CopySettings(const CD3DFont& other);
    HRESULT BuildGlyphTable(SMemoryBitmap& bitmap);
    int RasterizeGlyphs(SMemoryBitmap& bitmap);
    HRESULT UploadGlyphTexels(const SMemoryBitmap& bitmap);
    HRESULT RecordStateBlock(DWORD* handle);
    void BeginTextStates(DWORD vertexFormat, UINT stride, DWORD flags);
    const float* GlyphOf(char character) const;
    float LineHeight() const;

    template <class Vertex>
    HRESULT DrawGlyphs(const char* text, float x, float y, float z, float scaleX, float scaleY, DWORD color);
};
