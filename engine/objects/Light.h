// One Direct3D light in a device light slot: written at Init, switched on and off at once.
#pragma once

#include <d3dx8.h>

#include "objects/Objects.h"

class CLight : public CObjects {
public:
    CLight();

    void Init() override;
    void CleanUp() override;
    virtual void Render();

    void SetProperties(D3DLIGHTTYPE type, D3DCOLORVALUE diffuse, D3DCOLORVALUE specular, D3DCOLORVALUE ambient,
                       float range, float falloff, float attenuation0, float attenuation1, float attenuation2,
                       float theta, float phi);
    void SetPosition(float x, float y, float z);
    void SetPosition(D3DXVECTOR3 position);
    // The light's direction, stored as given.
    void SetRotation(float x, float y, float z);
    void SetRotation(D3DXVECTOR3 direction);
    void SetIndex(unsigned long index);
    void Enable(int on);

protected:
    D3DLIGHT8 m_Light;
    DWORD m_nIndex;
    int m_bEnabled;
};
