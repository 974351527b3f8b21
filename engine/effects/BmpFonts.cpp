// CBmpFonts: the glyph table, the per-character layout and draw, and the text effects.
#include "effects/BmpFonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "screen/Screen.h"

namespace {

// Effect 7 shows a character for a random draw below this value out of 32768.
constexpr int BLINK_VISIBLE_BELOW = 16000;
constexpr float BLINK_INTERVAL = 0.01f;

float FadeFrom(float alpha) { return std::max(alpha, 0.0f); }

}  // namespace

CBmpFonts::CBmpFonts()
    : m_fZoomX(1.0f),
      m_fZoomY(1.0f),
      m_fEffectReset(0.0f),
      m_fStartTime(0.0f),
      m_nTextEffect(TE_NONE),
      m_fEffectLength(1.0f),
      m_bBlinkVisible(false),
      m_fBlinkTimer(0.0f),
      m_fBlinkLastTime(0.0f)
{
    std::fill(std::begin(m_Glyphs), std::end(m_Glyphs), DEFAULT_GLYPH);
}

CBmpFonts::~CBmpFonts() {}

// Every character is drawn on one quad, so the grid is always one quad, whatever was set before.
void CBmpFonts::Init()
{
    SetSubdivision(1, 1);
    CPlaneObject::Init();
    m_strType = "CBmpFonts";
    m_strDescription = "Bitmap font text";
}

void CBmpFonts::SetTexture(CString file, int material)
{
    if (material > 0)
        return;
    ReadGlyphTable(file, m_Glyphs);
    CPlaneObject::SetTexture(file, material);
}

void CBmpFonts::SetText(CString text) { m_strText = text; }

void CBmpFonts::SetZoomFactor(float x, float y)
{
    m_fZoomX = x;
    m_fZoomY = y;
}

void CBmpFonts::SetEffect(int effect) { m_nTextEffect = effect; }
void CBmpFonts::SetEffectLength(float seconds) { m_fEffectLength = seconds; }
void CBmpFonts::SetStartTime(float seconds) { m_fStartTime = seconds; }

void CBmpFonts::ResetEffect()
{
    m_fEffectReset = CScreen::Instance().GetTickCount();
    m_fBlinkTimer = 0.0f;
    m_fBlinkLastTime = 0.0f;
}

void CBmpFonts::StartEffect() { ResetEffect(); }

// Characters index the table by their unsigned code, so codes above 127 find their own glyph.
const SGlyphRect& CBmpFonts::GlyphAt(int index) const
{
    return m_Glyphs[static_cast<unsigned char>(m_strText.str()[index])];
}

void CBmpFonts::SetTextStates()
{
    IDirect3DDevice8* device = m_pd3dDevice;
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHAREF, 8);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
}

// Characters are laid out left to right: each advances the cursor by the mean of its own and the
// next glyph's half width, and the whole line is shifted left by a quarter of its summed glyph
// widths so that it sits about centred on the object's position.
void CBmpFonts::Render()
{
    if (!m_pd3dDevice)
        return;
    SetTextStates();
    const D3DXVECTOR3 savedPivot = m_vPivot;
    const bool hasMaterial = !m_pMaterials.empty();
    const D3DMATERIAL8 savedMaterial = hasMaterial ? m_pMaterials[0] : D3DMATERIAL8{};
    const float savedAlpha = m_fAlpha;
    float aux = 0.0f;

    const int n = m_strText.GetLength();
    float centre = 0.0f;
    for (int i = 0; i < n; ++i)
        centre += (GlyphAt(i).u1 - GlyphAt(i).u0) * 0.25f;
    float cursor = 0.0f;
    const float t = CScreen::Instance().GetTickCount() - (m_fEffectReset + m_fStartTime);

    for (int i = 0; i < n; ++i) {
        const SGlyphRect& glyph = GlyphAt(i);
        const D3DMATERIAL8 charMaterial = hasMaterial ? m_pMaterials[0] : D3DMATERIAL8{};
        float halfWidth = (glyph.u1 - glyph.u0) * 0.5f;
        float halfHeight = (glyph.v1 - glyph.v0) * 0.5f;
        const float nextHalfWidth = i + 1 < n ? (GlyphAt(i + 1).u1 - GlyphAt(i + 1).u0) * 0.5f : 0.0f;
        float alpha = 1.0f;
        const bool draw = DoEffect(alpha, aux, halfWidth, halfHeight, m_vPosition.x, m_vPosition.y, t, i);
        if (hasMaterial)
            m_pMaterials[0] = charMaterial;

        m_vPivot.x = cursor - centre;
        cursor += (nextHalfWidth + halfWidth) * m_fZoomX * 0.5f;
        if (draw)
            DrawGlyph(glyph, halfWidth, halfHeight, alpha);
    }

    m_vPivot.x = savedPivot.x;
    if (hasMaterial)
        m_pMaterials[0] = savedMaterial;
    m_fAlpha = savedAlpha;
}

void CBmpFonts::DrawGlyph(const SGlyphRect& glyph, float halfWidth, float halfHeight, float alpha)
{
    SetSize(halfWidth * m_fZoomX, 2.0f * halfHeight * m_fZoomY);
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    if (count >= 4) {
        vertices[0].tu = glyph.u0;
        vertices[0].tv = glyph.v0;
        vertices[1].tu = glyph.u1;
        vertices[1].tv = glyph.v0;
        vertices[2].tu = glyph.u0;
        vertices[2].tv = glyph.v1;
        vertices[3].tu = glyph.u1;
        vertices[3].tv = glyph.v1;
    }
    UnlockVB(false);
    SetAlpha(alpha, 0);
    CPlaneObject::Render();
}

// d is the time between two characters' starts: the effects spread the length L over the text.
bool CBmpFonts::DoEffect(float& alpha, float& aux, float& halfWidth, float& halfHeight, float& posX, float& posY,
                         float t, int index)
{
    (void)halfWidth;
    (void)posX;
    (void)posY;
    const float L = m_fEffectLength;
    // DoEffect may be called for a text that is empty now; one character keeps the shares finite.
    const float n = static_cast<float>(std::max(m_strText.GetLength(), 1));
    const float i = static_cast<float>(index);
    const float d = L / n;

    switch (m_nTextEffect) {
    case TE_NONE:
        return true;

    case TE_TYPE_IN:
        if (t <= L * 0.5f * i / n)
            return false;
        if (t > 0.75f * L)
            alpha = FadeFrom(1.0f - (t - 0.75f * L) / (0.25f * L));
        return true;

    case TE_FADE_IN:
        if (t < L)
            alpha = FadeFrom(t / L);
        return true;

    case TE_GROW: {
        const float v = index == 0 ? std::numeric_limits<float>::infinity() : (t / L) * n / i;
        if (v < 0.1f)
            return false;
        if (v < 1.0f)
            halfHeight *= v;
        return true;
    }

    case TE_TYPEWRITER:
        if (i * L / n >= t)
            return false;
        if (t < L)
            aux = (t - i * d) / d - 1.0f;
        return true;

    case TE_POP_UP:
        if (t > i * d)
            return true;
        if (t + d < i * d)
            return false;
        halfHeight *= (t - (i - 1.0f) * d) / d;
        return true;

    case TE_POP_UP_FADE:
    case TE_BOUNCE_FADE:
        if (t > L) {
            if (t >= 5.0f)
                alpha = FadeFrom(1.0f - (t - 5.0f) * 0.5f);
            return true;
        }
        if (t > (i + 1.0f) * d)
            return true;
        if (t + d < (i + 1.0f) * d)
            return false;
        if (m_nTextEffect == TE_POP_UP_FADE) {
            const float w = t - i * d;
            halfHeight *= w / d;
            aux = 1.0f - w / d;
        } else {
            const float s = 1.0f - (t - i * d) / d;
            halfHeight *= 2.1f + 2.0f * s * std::sin(25.0f * t);
            aux = s;
        }
        return true;

    case TE_FLICKER_FADE:
        if (t > L) {
            if (t >= 7.0f)
                alpha = FadeFrom(1.0f - (t - 7.0f) / 3.0f);
            return true;
        }
        if (m_fBlinkTimer > BLINK_INTERVAL) {
            m_fBlinkTimer = 0.0f;
            // The draw is taken from the low 15 bits, so that the share of visible draws does not
            // depend on the size of the C library's RAND_MAX.
            m_bBlinkVisible = (std::rand() & 0x7FFF) < BLINK_VISIBLE_BELOW;
        }
        m_fBlinkTimer += t - m_fBlinkLastTime;
        m_fBlinkLastTime = t;
        return m_bBlinkVisible;

    default:
        return false;
    }
}
