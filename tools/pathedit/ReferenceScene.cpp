#include "ReferenceScene.h"

#include "PathEditOptions.h"
#include "meshes/3DSMeshObject.h"
#include "meshes/LWMeshObject.h"
#include "meshes/XMeshObject.h"
#include "screen/Screen.h"

namespace {

const float PI = 3.14159265f;
const float SKY_SIZE = 300.0f;
const float GROUND_SIZE = 300.0f;
const int GROUND_LINES = 30;

// A dim ambient light and a soft sun, so that the editor's grey and purple markers keep their colours.
const D3DCOLORVALUE AMBIENT = {0.3f, 0.3f, 0.3f, 1.0f};
const D3DCOLORVALUE SUN = {0.7f, 0.7f, 0.7f, 1.0f};
const D3DCOLORVALUE NONE = {0.0f, 0.0f, 0.0f, 0.0f};

// The sky box's face ranges are +Y, -Z, +X, +Z, -X, -Y. Its four sides carry one picture from the
// zenith at the top (v = 0) through the horizon at the middle to the ground at the bottom; the top
// and the bottom are plain. Lit by the ambient light only, a face shows its emissive colour and 0.3
// of it again.
const int SKY_TOP = 0;
const int SKY_BOTTOM = 5;
const int SKY_PICTURE_HEIGHT = 128;
const D3DXCOLOR ZENITH(0.08f, 0.11f, 0.24f, 1.0f);
const D3DXCOLOR HORIZON(0.38f, 0.46f, 0.60f, 1.0f);
const D3DXCOLOR GROUND_NEAR(0.16f, 0.18f, 0.16f, 1.0f);
const D3DXCOLOR GROUND_FAR(0.10f, 0.11f, 0.10f, 1.0f);
const float LIT = 1.0f / 1.3f;

D3DCOLORVALUE Lit(const D3DXCOLOR& c) { return {c.r * LIT, c.g * LIT, c.b * LIT, 1.0f}; }

DWORD SkyPixel(float v)
{
    D3DXCOLOR c;
    if (v < 0.5f)
        D3DXColorLerp(&c, &ZENITH, &HORIZON, v * 2.0f);
    else
        D3DXColorLerp(&c, &GROUND_FAR, &GROUND_NEAR, (v - 0.5f) * 2.0f);
    return static_cast<DWORD>(c);
}

// A picture one pixel wide is enough: the sides vary only from top to bottom.
IDirect3DTexture8* MakeSkyPicture()
{
    IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
    IDirect3DTexture8* texture = nullptr;
    if (!device || FAILED(D3DXCreateTexture(device, 1, SKY_PICTURE_HEIGHT, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                            &texture)))
        return nullptr;
    D3DLOCKED_RECT locked{};
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        texture->Release();
        return nullptr;
    }
    for (int y = 0; y < SKY_PICTURE_HEIGHT; ++y)
        *reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch) =
            SkyPixel((y + 0.5f) / SKY_PICTURE_HEIGHT);
    texture->UnlockRect(0);
    return texture;
}

// The engine names files the Windows way; the directory of a model, where its textures are looked
// up, ends at the last backslash.
CString EngineName(const std::string& file)
{
    std::string name = file;
    for (char& c : name)
        if (c == '/')
            c = '\\';
    return name.c_str();
}

std::unique_ptr<CFileMeshObject> NewModel(const std::string& kind)
{
    if (kind == "lwo")
        return std::make_unique<CLWMeshObject>();
    if (kind == "3ds")
        return std::make_unique<C3DSMeshObject>();
    return std::make_unique<CXMeshObject>();
}

}  // namespace

CReferenceScene::CReferenceScene(const std::string& model, float modelSize)
{
    CScreen::Instance().SetAmbientColor(AMBIENT);
    BuildSky();
    BuildGround();
    if (!model.empty())
        BuildModel(model, modelSize);
}

CReferenceScene::~CReferenceScene()
{
    if (m_pModel)
        m_pModel->CleanUp();
    m_Light.CleanUp();
    m_Ground.CleanUp();
    m_Sky.CleanUp();
    if (m_pSkyPicture)
        m_pSkyPicture->Release();
}

void CReferenceScene::BuildSky()
{
    m_Sky.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
    m_Sky.Init();
    m_Sky.SetSize(SKY_SIZE);
    m_Sky.SetLighting(true);
    m_pSkyPicture = MakeSkyPicture();
    for (int i = SKY_TOP + 1; i < SKY_BOTTOM; ++i) {
        m_Sky.SetColor(Lit(D3DXCOLOR(1.0f, 1.0f, 1.0f, 1.0f)), i);
        m_Sky.SetTexture(m_pSkyPicture, i);
    }
    m_Sky.SetColor(Lit(ZENITH), SKY_TOP);
    m_Sky.SetColor(Lit(GROUND_NEAR), SKY_BOTTOM);
}

// A wire grid lying on y = 0, one line every 10 units.
void CReferenceScene::BuildGround()
{
    m_Ground.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
    m_Ground.SetSubdivision(GROUND_LINES, GROUND_LINES);
    m_Ground.Init();
    m_Ground.SetSize(GROUND_SIZE, GROUND_SIZE);
    m_Ground.SetRotation(0.0f, PI / 2, 0.0f);
    m_Ground.SetWireframe(true);
    m_Ground.EnableCulling(false);
    m_Ground.SetLighting(false);
    m_Ground.SetColor({0.35f, 0.55f, 0.40f, 1.0f}, 0);
}

void CReferenceScene::BuildModel(const std::string& model, float modelSize)
{
    m_Light.SetProperties(D3DLIGHT_DIRECTIONAL, SUN, NONE, NONE, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    m_Light.SetRotation(0.4f, -0.8f, 0.45f);
    m_Light.Init();
    m_pModel = NewModel(ModelKind(model));
    m_pModel->SetFilename(EngineName(model));
    m_pModel->SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
    m_pModel->Init();
    m_pModel->SetSize(modelSize);
    m_pModel->SetLighting(true);
}

void CReferenceScene::Render(CMove& path)
{
    CScreen& screen = CScreen::Instance();
    m_Sky.Render();
    screen.ClearZ();
    m_Ground.Render();
    if (!m_pModel)
        return;
    // The sun lights the model only, so that the editor's markers drawn after it keep their colours.
    m_Light.Enable(1);
    m_pModel->SetDirection(path);
    m_pModel->Render();
    m_Light.Enable(0);
}
