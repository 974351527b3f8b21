// The engine's renderable object: an indexed triangle list in one vertex and one index buffer, split
// into consecutive face ranges with a material and a texture each, placed in the world by position,
// pivot, rotation and an orientation frame, and drawn with a fixed set of render states.
#pragma once

#include <d3dx8.h>

#include <vector>

#include "objects/Objects.h"
#include "objects/Vertex.h"

class CMove;

class CBaseObject : public CObjects {
public:
    enum ProjectionMode {
        PM_SCREEN = 0,       // pixel orthographic, identity view
        PM_UNIT = 1,         // orthographic over one unit square, identity view
        PM_PERSPECTIVE = 2,  // the object's or the screen's perspective, the screen's view
    };

    CBaseObject();
    // A copy shares the source's buffers and textures; it takes its own references to them, so that
    // either object may be cleaned up without leaving the other with released resources.
    CBaseObject(const CBaseObject& other);
    CBaseObject& operator=(const CBaseObject& other);
    ~CBaseObject() override;

    void Init() override;
    void CleanUp() override;
    virtual void Render();
    virtual void FastRender();
    virtual void SetTexture(CString file, int material);

    // Building and buffers.
    void SetNumberVertices(int count);
    void SetNumberFaces(int count);
    int GetNumberVertices();
    int GetNumberFaces();
    void SetNumberMaterials(int count);
    void SetMaterialIndex(int material, int faceEnd);
    S3DVERTEX* LockVB(unsigned long& count);
    void UnlockVB(bool computeNormals);
    WORD* LockIB(unsigned long& count);
    void UnlockIB();
    IDirect3DVertexBuffer8* GetVB();
    IDirect3DIndexBuffer8* GetIB();

    // Transform.
    void SetPosition(float x, float y, float z);
    void SetPosition(D3DXVECTOR3 position);
    void SetPivot(float x, float y, float z);
    void SetPivot(D3DXVECTOR3 pivot);
    void SetRotation(float yaw, float pitch, float roll);
    void SetRotation(D3DXVECTOR3 rotation);
    void SetUpVector(float x, float y, float z);
    void SetDirection(D3DXVECTOR3 origin, D3DXVECTOR3 direction);
    // The path's current position, direction and up vector as the object's orientation frame.
    void SetDirection(CMove& path);
    D3DXVECTOR3 GetPosition();
    void SetProjectionMode(ProjectionMode mode);
    void SetFieldOfView(float fovY);

    // Materials, colour and alpha; the int is the material (face range) index.
    void SetDiffuseColor(D3DCOLORVALUE color, int material);
    void SetAmbientColor(D3DCOLORVALUE color, int material);
    void SetSpecularColor(D3DCOLORVALUE color, int material);
    void SetEmissiveColor(D3DCOLORVALUE color, int material);
    void SetMaterialPower(float power, int material);
    void SetColor(D3DCOLORVALUE color, int material);
    void SetAlpha(float alpha, int material);

    // Textures.
    void SetTexture(IDirect3DTexture8*& texture, int material);
    void DrawTexture(bool draw);
    bool GetTextureState();
    void EnableWriteOnTexture(bool writable);
    SPixel* LockTexture(int& width, int& height, int& pitch, int material);
    void UnlockTexture(int material);

    // Render switches.
    void EnableCulling(bool culling);
    bool GetCulling();
    void SetWireframe(bool wireframe);
    bool GetWireframe();
    void SetDot(bool dot);
    bool GetDot();
    void SetFlatShading(bool flat);
    bool GetFlatShading();
    void SetLighting(bool lighting);
    bool GetLighting();
    void EnableSpecular(bool specular);

    // Size.
    void Resize(float factor);
    void SetSize(float size);

protected:
    D3DVECTOR GetFaceNormal(S3DVERTEX& a, S3DVERTEX& b, S3DVERTEX& c);
    D3DVECTOR GetFaceNormal(D3DVECTOR& a, D3DVECTOR& b, D3DVECTOR& c);
    D3DVECTOR CrossProduct(D3DVECTOR& u, D3DVECTOR& v);
    void Normalize(D3DVECTOR& v);
    float AngleBetweenVectors(D3DVECTOR& u, D3DVECTOR& v);

    IDirect3DVertexBuffer8* m_pVB;
    IDirect3DIndexBuffer8* m_pIB;
    int m_nVertices;
    int m_nFaces;
    int m_nMaterials;
    // Per-range arrays, material count entries each. Range ends are one past the range's last face;
    // -1 stands for the face count.
    std::vector<D3DMATERIAL8> m_pMaterials;
    std::vector<int> m_pRangeEnds;
    std::vector<CString> m_pTextureNames;
    // Made by Init: the texture of each range (null = none), and whether Init loaded it (then the
    // object releases it) or it was lent through SetTexture(IDirect3DTexture8*&, int).
    std::vector<IDirect3DTexture8*> m_ppTextures;
    std::vector<bool> m_TextureLoaded;
    bool m_bDrawTexture;
    bool m_bSpecular;
    bool m_bOwnProjection;
    bool m_bWriteOnTexture;
    float m_fAlpha;
    D3DXVECTOR3 m_vPosition;
    D3DXVECTOR3 m_vPivot;
    D3DXVECTOR3 m_vRotation;
    D3DXVECTOR3 m_vDirTarget;
    D3DXVECTOR3 m_vDirOrigin;
    D3DXVECTOR3 m_vUp;
    ProjectionMode m_ProjectionMode;
    bool m_bCulling;
    bool m_bWireframe;
    bool m_bDot;
    bool m_bFlatShading;
    bool m_bLighting;
    D3DXVECTOR3 m_vBoxMax;
    D3DXVECTOR3 m_vBoxMin;
    S3DVERTEX* m_pLockedVertices;
    D3DXMATRIX m_matOwnProj;
    D3DXMATRIX m_matOrthoScreen;
    D3DXMATRIX m_matOrthoUnit;
    D3DXMATRIX m_matIdentityView;
    D3DXMATRIX m_matSavedView;
    D3DXMATRIX m_matWorld;

private:
    bool IsMaterial(int material) const;
    void BuildProjectionMatrices();
    bool CreateBuffers();
    void LoadTextures();
    void ReleaseTextures();
    void ReleaseBuffers();
    void AddRefSharedResources();
    void BuildWorldMatrix();
    void SetProjectionAndView();
    void SetRenderStates();
    void DrawRanges();
    void WidenBoundingBox(const S3DVERTEX& vertex);
    void ComputeVertexNormal(S3DVERTEX* vertices, int vertex, const WORD* indices);
    int RangeEnd(int material) const;
};
