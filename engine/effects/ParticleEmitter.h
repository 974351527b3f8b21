// A point-sprite particle system: ages, moves and recolours its live particles each frame, emits
// new ones at a random rate from a box around its position, and draws them all as distance-scaled
// point sprites with a configurable blend. Its parameters can be saved to and loaded from a small
// text file headed "[ParticleSystem 1.00]".
#pragma once

#include <d3d8.h>
#include <d3dx8.h>

#include "effects/MinMax.h"
#include "effects/RecyclingArray.h"
#include "objects/Objects.h"

// One point of the vertex buffer.
struct SParticleVertex {
    D3DXVECTOR3 position;
    float pointSize;
    D3DCOLOR color;
};
#define D3DFVF_PARTICLEVERTEX (D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE)

struct BLENDINGMODE {
    char name[28];
    int mode;
};

class CParticleEmitter : public CObjects {
public:
    static constexpr int NUMBLENDINGMODES = 11;
    static const BLENDINGMODE m_BlendingModes[NUMBLENDINGMODES];

    CParticleEmitter();
    CParticleEmitter(const CParticleEmitter& other) = default;
    CParticleEmitter& operator=(const CParticleEmitter& other) = default;
    ~CParticleEmitter() override;

    void Init() override;
    void CleanUp() override;
    // Ages, moves and kills the live particles by step seconds, then emits new ones. time is unused.
    virtual void Update(float time, float step);
    // Steps the particles by the screen time since the previous Render, then draws them.
    virtual void Render();
    virtual HRESULT RestoreDeviceObjects(IDirect3DDevice8* device);
    virtual void InvalidateDeviceObjects();

    // Kills every particle and measures the next step from the screen's time now.
    void Reset();
    // Stores the name and, with a device, loads the texture again.
    void SetTexture(const char* filename);
    bool Save(const char* filename);
    bool Load(const char* filename);

    int GetNumActiveParticles() const { return m_Particles.GetNumUsedElements(); }
    CString GetLastError() const { return m_strLastError; }

    D3DXVECTOR3 GetGravity() const { return m_Gravity; }
    void SetGravity(const D3DXVECTOR3& gravity) { m_Gravity = gravity; }
    D3DXVECTOR3 GetPos() const { return m_Position; }
    void SetPos(const D3DXVECTOR3& position) { m_Position = position; }
    CMinMax<float> GetEmitRate() const { return m_EmitRate; }
    void SetEmitRate(const CMinMax<float>& rate) { m_EmitRate = rate; }
    CMinMax<float> GetLifetime() const { return m_Lifetime; }
    void SetLifetime(const CMinMax<float>& lifetime) { m_Lifetime = lifetime; }
    CMinMax<float> GetSize() const { return m_Size; }
    void SetSize(const CMinMax<float>& size) { m_Size = size; }
    D3DXCOLOR GetStartColor1() const { return m_StartColor1; }
    void SetStartColor1(const D3DXCOLOR& color) { m_StartColor1 = color; }
    D3DXCOLOR GetStartColor2() const { return m_StartColor2; }
    void SetStartColor2(const D3DXCOLOR& color) { m_StartColor2 = color; }
    D3DXCOLOR GetEndColor1() const { return m_EndColor1; }
    void SetEndColor1(const D3DXCOLOR& color) { m_EndColor1 = color; }
    D3DXCOLOR GetEndColor2() const { return m_EndColor2; }
    void SetEndColor2(const D3DXCOLOR& color) { m_EndColor2 = color; }
    D3DXVECTOR3 GetSpawnDir1() const { return m_SpawnDir1; }
    void SetSpawnDir1(const D3DXVECTOR3& direction) { m_SpawnDir1 = direction; }
    D3DXVECTOR3 GetSpawnDir2() const { return m_SpawnDir2; }
    void SetSpawnDir2(const D3DXVECTOR3& direction) { m_SpawnDir2 = direction; }
    D3DXVECTOR3 GetEmitRadius() const { return m_EmitRadius; }
    void SetEmitRadius(const D3DXVECTOR3& radius) { m_EmitRadius = radius; }
    int GetSrcBlendMode() const { return m_SrcBlendMode; }
    void SetSrcBlendMode(int mode) { m_SrcBlendMode = mode; }
    int GetDestBlendMode() const { return m_DestBlendMode; }
    void SetDestBlendMode(int mode) { m_DestBlendMode = mode; }
    int GetMaxParticles() const { return m_MaxParticles; }
    void SetMaxParticles(int count) { m_MaxParticles = count; }
    int GetVBSize() const { return m_VBSize; }
    void SetVBSize(int points) { m_VBSize = points; }
    CString GetTextureFilename() const { return m_TextureFile; }
    IDirect3DTexture8* GetTexture() const { return m_pTexture; }
    // The screen time of the previous Render and the step it used.
    float GetLastTime() const { return m_LastTime; }
    float GetLastDelta() const { return m_LastDelta; }

    // The table name of a blend mode, or null when it is not in the table.
    static const char* BlendModeName(int mode);
    // A particle colour as a vertex colour: each channel clamped to 0 .. 1 and rounded to 0 .. 255.
    static D3DCOLOR PackColor(const D3DXCOLOR& color);

protected:
    // Draws the live particles with the vertex buffer; the states are set already.
    void DrawParticles();

    CString m_strLastError;
    D3DXVECTOR3 m_Gravity;
    D3DXVECTOR3 m_Position;
    CMinMax<float> m_EmitRate;
    CMinMax<float> m_Lifetime;
    CMinMax<float> m_Size;
    D3DXCOLOR m_StartColor1;
    D3DXCOLOR m_StartColor2;
    D3DXCOLOR m_EndColor1;
    D3DXCOLOR m_EndColor2;
    D3DXVECTOR3 m_SpawnDir1;
    D3DXVECTOR3 m_SpawnDir2;
    D3DXVECTOR3 m_EmitRadius;
    D3DXMATRIX m_matWorld;
    int m_SrcBlendMode;
    int m_DestBlendMode;
    int m_MaxParticles;
    int m_VBSize;
    IDirect3DVertexBuffer8* m_pVertexBuffer;
    CString m_TextureFile;
    IDirect3DTexture8* m_pTexture;
    float m_EmitRemainder;
    CRecyclingArray m_Particles;
    float m_LastTime;
    float m_LastDelta;
};
