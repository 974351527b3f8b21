// A line of text drawn in the scene from a font picture: each character is one textured quad, drawn
// by re-using this one plane character after character, and a text can be animated per character
// by one of the built-in effects, driven by the time since StartEffect.
#pragma once

#include "effects/GlyphTable.h"
#include "objects/PlaneObject.h"

class CBmpFonts : public CPlaneObject {
public:
    // Effect numbers of DoEffect; any other number hides the text.
    enum TextEffect {
        TE_NONE = 0,
        TE_TYPE_IN = 1,         // characters appear left to right, the text fades at the end
        TE_FADE_IN = 2,
        TE_GROW = 3,            // characters grow in height, left ones first
        TE_TYPEWRITER = 4,
        TE_POP_UP = 5,
        TE_POP_UP_FADE = 6,     // pop-up, hold, fade out from 5 s
        TE_FLICKER_FADE = 7,    // random flicker, hold, fade out from 7 s
        TE_BOUNCE_FADE = 8,     // bounce in, hold, fade out from 5 s
        TE_COUNT = 9,
    };

    CBmpFonts();
    ~CBmpFonts() override;

    void Init() override;
    void Render() override;
    // With material 0 or less: reads the glyph description beside the picture, then names the picture
    // to load at Init. A positive material does nothing.
    void SetTexture(CString file, int material) override;
    using CBaseObject::SetTexture;
    // Applies the current effect to character index at effect time t (seconds); may change alpha,
    // aux, halfWidth and halfHeight. Answers whether the character is drawn. posX and posY are the
    // object's position, there for effects that move characters; the built-in ones leave them.
    virtual bool DoEffect(float& alpha, float& aux, float& halfWidth, float& halfHeight, float& posX, float& posY,
                          float t, int index);

    void SetText(CString text);
    void SetZoomFactor(float x, float y);
    void SetEffect(int effect);
    void SetEffectLength(float seconds);
    void SetStartTime(float seconds);
    void ResetEffect();
    void StartEffect();

    const SGlyphRect& GetGlyph(unsigned char code) const { return m_Glyphs[code]; }

protected:
    const SGlyphRect& GlyphAt(int index) const;

    SGlyphRect m_Glyphs[GLYPH_COUNT];
    CString m_strText;
    float m_fZoomX;
    float m_fZoomY;
    float m_fEffectReset;
    float m_fStartTime;
    // The text effect; the plane's own m_nEffect stays the texture wave, which the text leaves off.
    int m_nTextEffect;
    float m_fEffectLength;
    bool m_bBlinkVisible;
    float m_fBlinkTimer;
    float m_fBlinkLastTime;

private:
    void SetTextStates();
    void DrawGlyph(const SGlyphRect& glyph, float halfWidth, float halfHeight, float alpha);
};
