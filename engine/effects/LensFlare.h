// The flare of a bright light: a row of textured, coloured screen-space quads (the spots) laid along
// the line from the light's projected screen position through the screen centre. The flare fades as
// the light leaves the screen and is hidden when a chosen object's triangles cover the light.
#pragma once

#include <d3d8.h>
#include <d3dx8.h>

#include <vector>

#include "effects/MinMax.h"
#include "objects/Objects.h"

class CBaseObject;

// One quad of a flare: which texture it shows, how big it is, where on the light-to-centre line it
// sits (0 = screen centre, 1 = the light, negative = beyond the centre) and its colour.
class CLensFlareSpot {
public:
    CLensFlareSpot();
    CLensFlareSpot(unsigned textureIndex, float size, float linePos, D3DXCOLOR colour);
    CLensFlareSpot(const CLensFlareSpot& other) = default;
    CLensFlareSpot& operator=(const CLensFlareSpot& other) = default;
    virtual ~CLensFlareSpot();

    unsigned GetTextureIndex() const { return m_nTextureIndex; }
    // Half the quad's edge as a fraction of the screen width.
    float GetSize() const { return m_fSize; }
    void SetSize(float size) { m_fSize = size; }
    float GetLinePos() const { return m_fLinePos; }
    void SetLinePos(float linePos) { m_fLinePos = linePos; }
    D3DXCOLOR GetColor() const { return m_Color; }
    void SetColor(const D3DXCOLOR& colour) { m_Color = colour; }

protected:
    unsigned m_nTextureIndex;
    float m_fSize;
    float m_fLinePos;
    D3DXCOLOR m_Color;
};

class CLensFlare : public CObjects {
public:
    // Vertices of one spot in the vertex buffer: two triangles of 28-byte pre-transformed vertices.
    static constexpr int VERTICES_PER_SPOT = 6;

    CLensFlare();
    CLensFlare(const CLensFlare& other) = default;
    CLensFlare& operator=(const CLensFlare& other) = default;
    // Frees the two lists; the textures are released by CleanUp only.
    ~CLensFlare() override;

    void Init() override;
    void CleanUp() override;
    // Draws the flare unless the obscuring object covers the light or the light is behind the viewer.
    virtual void Render();

    void SetLightPosition(float x, float y, float z) { m_vLightPosition = D3DXVECTOR3(x, y, z); }
    D3DXVECTOR3 GetLightPosition() const { return m_vLightPosition; }
    void SetIntensity(const CMinMax<float>& intensity) { m_Intensity = intensity; }
    CMinMax<float> GetIntensity() const { return m_Intensity; }
    // Pixels outside the screen at which the flare has faded to its minimum intensity.
    void SetIntensityBorder(float border) { m_fIntensityBorder = border; }
    float GetIntensityBorder() const { return m_fIntensityBorder; }
    // The one object whose triangles can hide the light; a later call replaces it.
    void SetObjectToObscur(CBaseObject& object) { m_pObjectToObscur = &object; }

    // Loads a texture and appends it; a file that cannot be loaded adds nothing. Needs Init first.
    void AddTexture(const char* file);
    // Appends a spot and rebuilds the vertex buffer for the new spot count. Needs Init first.
    void AddSpot(unsigned textureIndex, float size, float linePos, D3DXCOLOR colour);
    void DeleteSpots();
    void DeleteTextures();

    int GetNumSpots() const { return static_cast<int>(m_Spots.size()); }
    const CLensFlareSpot& GetSpot(int index) const { return m_Spots[index]; }
    int GetNumTextures() const { return static_cast<int>(m_Textures.size()); }
    int GetSpotCapacity() const { return m_nSpotCapacity; }
    IDirect3DVertexBuffer8* GetVB() const { return m_pVB; }

protected:
    bool IsLensFlareObscured();
    // Casts a pick ray through the pixel (x, y) and counts the obscuring object's triangles it meets.
    int NumObjectsAtPoint(int x, int y);
    // One-sided ray-triangle test: triangles seen from their back never hit. On a hit, t is the
    // distance along dir (not tested for sign) and u, v the barycentric coordinates.
    bool DoesRayIntersectTriangle(const D3DXVECTOR3& orig, const D3DXVECTOR3& dir, const D3DXVECTOR3& v0,
                                  const D3DXVECTOR3& v1, const D3DXVECTOR3& v2, float* t, float* u, float* v);
    // Projects a world position to pixel coordinates with the screen's view and projection; w is the
    // projected depth, negative behind the viewer.
    void CalcLightSourceScreenCoords(D3DXVECTOR3 pos, int width, int height, int& x, int& y, int& w);
    // Fills the quads for a light at pixel (lightX, lightY) and draws them; firstOnly makes every
    // spot but the first transparent.
    void Render(int lightX, int lightY, int width, int height, bool firstOnly);
    void RecreateVB();

    D3DXVECTOR3 m_vPickDir;
    CMinMax<float> m_Intensity;
    float m_fIntensityBorder;
    IDirect3DVertexBuffer8* m_pVB;
    int m_nSpotCapacity;
    std::vector<IDirect3DTexture8*> m_Textures;
    std::vector<CLensFlareSpot> m_Spots;
    int m_nScreenWidth;
    int m_nScreenHeight;
    D3DXVECTOR3 m_vLightPosition;
    CBaseObject* m_pObjectToObscur;
};
