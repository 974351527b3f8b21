// Draws the characters of a system font into a 32-bit memory bitmap, the way a memory device
// context with an antialiased font does: white text, black background, one character cell at a time.
// The overlay font builds its glyph texture from such a bitmap.
#pragma once

#include <windows.h>

#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// A 32-bit top-down bitmap, one 0x00RRGGBB value per pixel, rows without padding.
struct SMemoryBitmap {
    SMemoryBitmap(int width, int height) : width(width), height(height), pixels(size_t(width) * height, 0) {}

    int width;
    int height;
    std::vector<DWORD> pixels;
};

class CFontRasterizer {
public:
    CFontRasterizer() = default;
    CFontRasterizer(const CFontRasterizer&) = delete;
    CFontRasterizer& operator=(const CFontRasterizer&) = delete;
    ~CFontRasterizer();

    // Resolves the face name through the system's font configuration (a missing face falls back to
    // a metric-compatible or default one) at a character height in pixels. Bold and italic are
    // simulated when the matched file has no such style. False when no font can be loaded.
    bool Open(const char* faceName, int pixelHeight, bool bold, bool italic);

    // The character's cell: advance width and the font's line height (ascent + descent).
    SIZE Measure(unsigned char character);

    // Fills the character's cell at (x, y) with the background, then draws its antialiased coverage
    // as grey levels, the baseline at y + ascent. Ink outside the bitmap is clipped.
    void DrawOpaque(unsigned char character, int x, int y, SMemoryBitmap& bitmap);

private:
    bool LoadGlyph(unsigned char character);
    void FillCell(int x, int y, int width, SMemoryBitmap& bitmap) const;
    void BlitCoverage(int left, int top, SMemoryBitmap& bitmap) const;

    FT_LibraryRec_* m_pLibrary = nullptr;
    FT_FaceRec_* m_pFace = nullptr;
    bool m_bSynthesizeBold = false;
    bool m_bSynthesizeItalic = false;
    int m_nAscent = 0;
    int m_nDescent = 0;
};
