// CBaseObject's life: construction, copies, the device resources made by Init and released by CleanUp.
#include "objects/BaseObject.h"

#include "objects/TextureFile.h"
#include "screen/Screen.h"

namespace {

D3DMATERIAL8 DefaultMaterial()
{
    const D3DCOLORVALUE grey = {0.5f, 0.5f, 0.5f, 1.0f};
    D3DMATERIAL8 material{};
    material.Diffuse = grey;
    material.Ambient = grey;
    material.Specular = grey;
    material.Emissive = grey;
    material.Power = 0.5f;
    return material;
}

template <typename T>
void AddRefIfHeld(T* resource)
{
    if (resource)
        resource->AddRef();
}

template <typename T>
void ReleaseAndClear(T*& resource)
{
    if (resource) {
        resource->Release();
        resource = nullptr;
    }
}

}  // namespace

CBaseObject::CBaseObject()
    : m_pVB(nullptr),
      m_pIB(nullptr),
      m_nVertices(0),
      m_nFaces(0),
      m_nMaterials(1),
      m_pMaterials(1, DefaultMaterial()),
      m_pRangeEnds(1, -1),
      m_pTextureNames(1),
      m_bDrawTexture(true),
      m_bSpecular(false),
      m_bOwnProjection(false),
      m_bWriteOnTexture(false),
      m_fAlpha(1.0f),
      m_vPosition(0, 0, 0),
      m_vPivot(0, 0, 0),
      m_vRotation(0, 0, 0),
      m_vDirTarget(0, 0, 1),
      m_vDirOrigin(0, 0, 0),
      m_vUp(0, 1, 0),
      m_ProjectionMode(PM_PERSPECTIVE),
      m_bCulling(true),
      m_bWireframe(false),
      m_bDot(false),
      m_bFlatShading(false),
      m_bLighting(true),
      m_vBoxMax(1, 1, 1),
      m_vBoxMin(-1, -1, -1),
      m_pLockedVertices(nullptr)
{
    D3DXMatrixIdentity(&m_matOwnProj);
    D3DXMatrixIdentity(&m_matOrthoScreen);
    D3DXMatrixIdentity(&m_matOrthoUnit);
    D3DXMatrixIdentity(&m_matIdentityView);
    D3DXMatrixIdentity(&m_matSavedView);
    D3DXMatrixIdentity(&m_matWorld);
}

CBaseObject::CBaseObject(const CBaseObject& other) : CBaseObject()
{
    *this = other;
}

CBaseObject& CBaseObject::operator=(const CBaseObject& other)
{
    if (this == &other)
        return *this;
    // Take the new references before letting the old ones go: the two may share resources.
    CBaseObject previous;
    previous.m_pVB = m_pVB;
    previous.m_pIB = m_pIB;
    previous.m_ppTextures = m_ppTextures;
    previous.m_TextureLoaded = m_TextureLoaded;

    CObjects::operator=(other);
    m_pVB = other.m_pVB;
    m_pIB = other.m_pIB;
    m_nVertices = other.m_nVertices;
    m_nFaces = other.m_nFaces;
    m_nMaterials = other.m_nMaterials;
    m_pMaterials = other.m_pMaterials;
    m_pRangeEnds = other.m_pRangeEnds;
    m_pTextureNames = other.m_pTextureNames;
    m_ppTextures = other.m_ppTextures;
    m_TextureLoaded = other.m_TextureLoaded;
    m_bDrawTexture = other.m_bDrawTexture;
    m_bSpecular = other.m_bSpecular;
    m_bOwnProjection = other.m_bOwnProjection;
    m_bWriteOnTexture = other.m_bWriteOnTexture;
    m_fAlpha = other.m_fAlpha;
    m_vPosition = other.m_vPosition;
    m_vPivot = other.m_vPivot;
    m_vRotation = other.m_vRotation;
    m_vDirTarget = other.m_vDirTarget;
    m_vDirOrigin = other.m_vDirOrigin;
    m_vUp = other.m_vUp;
    m_ProjectionMode = other.m_ProjectionMode;
    m_bCulling = other.m_bCulling;
    m_bWireframe = other.m_bWireframe;
    m_bDot = other.m_bDot;
    m_bFlatShading = other.m_bFlatShading;
    m_bLighting = other.m_bLighting;
    m_vBoxMax = other.m_vBoxMax;
    m_vBoxMin = other.m_vBoxMin;
    m_pLockedVertices = other.m_pLockedVertices;
    m_matOwnProj = other.m_matOwnProj;
    m_matOrthoScreen = other.m_matOrthoScreen;
    m_matOrthoUnit = other.m_matOrthoUnit;
    m_matIdentityView = other.m_matIdentityView;
    m_matSavedView = other.m_matSavedView;
    m_matWorld = other.m_matWorld;
    AddRefSharedResources();

    previous.ReleaseTextures();
    previous.ReleaseBuffers();
    return *this;
}

// The destructor does not release device resources: the application calls CleanUp first, while
// the device still exists.
CBaseObject::~CBaseObject() {}

void CBaseObject::AddRefSharedResources()
{
    AddRefIfHeld(m_pVB);
    AddRefIfHeld(m_pIB);
    for (size_t i = 0; i < m_ppTextures.size(); ++i) {
        if (m_TextureLoaded[i])
            AddRefIfHeld(m_ppTextures[i]);
    }
}

void CBaseObject::Init()
{
    PreInit();
    BuildProjectionMatrices();
    CObjects::Init();
    // A second Init without CleanUp rebuilds instead of leaking what the first one made.
    ReleaseTextures();
    ReleaseBuffers();
    if (!CreateBuffers())
        return;
    for (int& end : m_pRangeEnds) {
        if (end == -1)
            end = m_nFaces;
    }
    LoadTextures();
}

void CBaseObject::CleanUp()
{
    ReleaseBuffers();
    ReleaseTextures();
    CObjects::CleanUp();
}

void CBaseObject::BuildProjectionMatrices()
{
    RECT client{};
    GetClientRect(m_pScreen->GetHWnd(), &client);
    D3DXMatrixOrthoLH(&m_matOrthoScreen, static_cast<float>(client.right - client.left),
                      static_cast<float>(client.bottom - client.top), 0.0f, 100.0f);
    D3DXMatrixOrthoLH(&m_matOrthoUnit, 1.0f, 1.0f, 0.0f, 100.0f);
    D3DXMatrixPerspectiveFovLH(&m_matOwnProj, D3DX_PI / 4, 1.0f, 0.1f, 1000.0f);
}

bool CBaseObject::CreateBuffers()
{
    if (!m_pd3dDevice || m_nVertices <= 0 || m_nFaces <= 0)
        return false;
    if (FAILED(m_pd3dDevice->CreateVertexBuffer(m_nVertices * sizeof(S3DVERTEX), 0, D3DFVF_S3DVERTEX,
                                                D3DPOOL_MANAGED, &m_pVB))) {
        m_pVB = nullptr;
        return false;
    }
    if (FAILED(m_pd3dDevice->CreateIndexBuffer(m_nFaces * 3 * sizeof(WORD), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                               D3DPOOL_DEFAULT, &m_pIB))) {
        m_pIB = nullptr;
        return false;
    }
    return true;
}

void CBaseObject::LoadTextures()
{
    m_ppTextures.assign(m_nMaterials, nullptr);
    m_TextureLoaded.assign(m_nMaterials, false);
    for (int i = 0; i < m_nMaterials; ++i) {
        if (m_pTextureNames[i].IsEmpty())
            continue;
        m_ppTextures[i] = LoadTextureFile(m_pd3dDevice, m_pTextureNames[i], m_bWriteOnTexture);
        m_TextureLoaded[i] = m_ppTextures[i] != nullptr;
    }
}

// Releases the textures this object loaded itself; lent ones stay their owner's.
void CBaseObject::ReleaseTextures()
{
    for (size_t i = 0; i < m_ppTextures.size(); ++i) {
        if (m_TextureLoaded[i])
            ReleaseAndClear(m_ppTextures[i]);
    }
    m_ppTextures.clear();
    m_TextureLoaded.clear();
}

void CBaseObject::ReleaseBuffers()
{
    m_pLockedVertices = nullptr;
    ReleaseAndClear(m_pVB);
    ReleaseAndClear(m_pIB);
}

void CBaseObject::SetNumberVertices(int count) { m_nVertices = count; }
void CBaseObject::SetNumberFaces(int count) { m_nFaces = count; }
int CBaseObject::GetNumberVertices() { return m_nVertices; }
int CBaseObject::GetNumberFaces() { return m_nFaces; }

// New material records start from the default material rather than undefined values.
void CBaseObject::SetNumberMaterials(int count)
{
    if (count < 1)
        return;
    m_nMaterials = count;
    m_pMaterials.assign(count, DefaultMaterial());
    m_pRangeEnds.assign(count, -1);
    m_pTextureNames.assign(count, CString());
}

void CBaseObject::SetMaterialIndex(int material, int faceEnd)
{
    if (IsMaterial(material))
        m_pRangeEnds[material] = faceEnd;
}

bool CBaseObject::IsMaterial(int material) const { return material >= 0 && material < m_nMaterials; }

S3DVERTEX* CBaseObject::LockVB(unsigned long& count)
{
    count = m_nVertices;
    BYTE* data = nullptr;
    if (!m_pVB || FAILED(m_pVB->Lock(0, 0, &data, 0)))
        return nullptr;
    m_pLockedVertices = reinterpret_cast<S3DVERTEX*>(data);
    return m_pLockedVertices;
}

WORD* CBaseObject::LockIB(unsigned long& count)
{
    count = m_nFaces;
    BYTE* data = nullptr;
    if (!m_pIB || FAILED(m_pIB->Lock(0, m_nFaces * 3 * sizeof(WORD), &data, 0)))
        return nullptr;
    return reinterpret_cast<WORD*>(data);
}

void CBaseObject::UnlockIB()
{
    if (m_pIB)
        m_pIB->Unlock();
}

IDirect3DVertexBuffer8* CBaseObject::GetVB() { return m_pVB; }
IDirect3DIndexBuffer8* CBaseObject::GetIB() { return m_pIB; }
