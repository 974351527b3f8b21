#include "objects/SkyBoxObject.h"

#include "screen/Screen.h"

namespace {

constexpr int SIDES = 6;
constexpr int FACES_PER_SIDE = 2;

}  // namespace

CSkyBoxObject::CSkyBoxObject() : m_fCamera{0, 0, 0, 0, 0, 0} {}

// The viewer is inside the box, so its faces are seen from behind: culling is off.
void CSkyBoxObject::Init()
{
    PreInit();
    EnableCulling(false);
    SetNumberMaterials(SIDES);
    for (int i = 0; i < SIDES; ++i)
        SetMaterialIndex(i, (i + 1) * FACES_PER_SIDE);
    const CString pictures[SIDES] = {m_strTopPicture,  m_strBottomPicture, m_strLeftPicture,
                                     m_strRightPicture, m_strFrontPicture,  m_strBackPicture};
    for (int i = 0; i < SIDES; ++i)
        SetTexture(pictures[i], i);
    CBoxObject::Init();
    const D3DCOLORVALUE grey = {0.5f, 0.5f, 0.5f, 1.0f};
    for (int i = 0; i < SIDES; ++i) {
        SetAlpha(1.0f, i);
        SetColor(grey, i);
        SetMaterialPower(0.5f, i);
    }
}

void CSkyBoxObject::Render()
{
    if (!m_pVB || !m_pScreen)
        return;
    float* c = m_fCamera;
    m_pScreen->GetCameraPosition(c[0], c[1], c[2], c[3], c[4], c[5]);
    SetPosition(c[0], c[1], c[2]);
    CBaseObject::Render();
}

void CSkyBoxObject::SetTopPicture(CString file) { m_strTopPicture = file; }
void CSkyBoxObject::SetBottomPicture(CString file) { m_strBottomPicture = file; }
void CSkyBoxObject::SetLeftPicture(CString file) { m_strLeftPicture = file; }
void CSkyBoxObject::SetRightPicture(CString file) { m_strRightPicture = file; }
void CSkyBoxObject::SetFrontPicture(CString file) { m_strFrontPicture = file; }
void CSkyBoxObject::SetBackPicture(CString file) { m_strBackPicture = file; }
