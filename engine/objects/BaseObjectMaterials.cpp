// CBaseObject's materials, vertex colours and textures, each selected by its material index.
#include "objects/BaseObject.h"

#include <algorithm>

namespace {

// value x 255, truncated toward zero; values outside [0, 1] are held to the byte's range.
DWORD ColorByte(float value)
{
    return static_cast<DWORD>(std::clamp(value, 0.0f, 1.0f) * 255.0f);
}

DWORD PackColor(const D3DCOLORVALUE& c)
{
    return (ColorByte(c.a) << 24) | (ColorByte(c.r) << 16) | (ColorByte(c.g) << 8) | ColorByte(c.b);
}

}  // namespace

void CBaseObject::SetDiffuseColor(D3DCOLORVALUE color, int material)
{
    if (IsMaterial(material))
        m_pMaterials[material].Diffuse = color;
}

void CBaseObject::SetAmbientColor(D3DCOLORVALUE color, int material)
{
    if (IsMaterial(material))
        m_pMaterials[material].Ambient = color;
}

void CBaseObject::SetSpecularColor(D3DCOLORVALUE color, int material)
{
    if (IsMaterial(material))
        m_pMaterials[material].Specular = color;
}

void CBaseObject::SetEmissiveColor(D3DCOLORVALUE color, int material)
{
    if (IsMaterial(material))
        m_pMaterials[material].Emissive = color;
}

void CBaseObject::SetMaterialPower(float power, int material)
{
    if (IsMaterial(material))
        m_pMaterials[material].Power = power;
}

// The material's four colours, and the colour of every vertex of the object (all ranges).
void CBaseObject::SetColor(D3DCOLORVALUE color, int material)
{
    if (!IsMaterial(material))
        return;
    D3DMATERIAL8& m = m_pMaterials[material];
    m.Emissive = m.Specular = m.Ambient = m.Diffuse = color;
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    const DWORD packed = PackColor(color);
    for (unsigned long i = 0; i < count; ++i)
        vertices[i].color = packed;
    UnlockVB(false);
}

// The alpha of the material's four colours, and the alpha byte of every vertex (all ranges); the
// vertices keep their red, green and blue.
void CBaseObject::SetAlpha(float alpha, int material)
{
    if (!IsMaterial(material))
        return;
    D3DMATERIAL8& m = m_pMaterials[material];
    m.Diffuse.a = m.Ambient.a = m.Specular.a = m.Emissive.a = alpha;
    m_fAlpha = alpha;
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    const DWORD alphaBits = ColorByte(alpha) << 24;
    for (unsigned long i = 0; i < count; ++i)
        vertices[i].color = (vertices[i].color & 0x00FFFFFF) | alphaBits;
    UnlockVB(false);
}

void CBaseObject::SetTexture(CString file, int material)
{
    if (IsMaterial(material))
        m_pTextureNames[material] = file;
}

// Lends a texture to slot material; the object adds no reference and never releases it. A texture
// that Init loaded into the slot is released, as nothing else holds it.
void CBaseObject::SetTexture(IDirect3DTexture8*& texture, int material)
{
    if (material < 0 || material >= static_cast<int>(m_ppTextures.size()))
        return;
    if (m_TextureLoaded[material] && m_ppTextures[material] && m_ppTextures[material] != texture)
        m_ppTextures[material]->Release();
    m_ppTextures[material] = texture;
    m_TextureLoaded[material] = false;
}

void CBaseObject::DrawTexture(bool draw) { m_bDrawTexture = draw; }
bool CBaseObject::GetTextureState() { return m_bDrawTexture; }
void CBaseObject::EnableWriteOnTexture(bool writable) { m_bWriteOnTexture = writable; }

SPixel* CBaseObject::LockTexture(int& width, int& height, int& pitch, int material)
{
    if (material < 0 || material >= static_cast<int>(m_ppTextures.size()) || !m_ppTextures[material])
        return nullptr;
    IDirect3DTexture8* texture = m_ppTextures[material];
    D3DSURFACE_DESC desc{};
    D3DLOCKED_RECT locked{};
    if (FAILED(texture->GetLevelDesc(0, &desc)) || FAILED(texture->LockRect(0, &locked, nullptr, D3DLOCK_NOSYSLOCK)))
        return nullptr;
    width = static_cast<int>(desc.Width);
    height = static_cast<int>(desc.Height);
    pitch = locked.Pitch;
    return static_cast<SPixel*>(locked.pBits);
}

void CBaseObject::UnlockTexture(int material)
{
    if (material >= 0 && material < static_cast<int>(m_ppTextures.size()) && m_ppTextures[material])
        m_ppTextures[material]->UnlockRect(0);
}
