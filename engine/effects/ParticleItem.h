// One particle of an emitter's pool: its size, lifetime and age, colour ramp, position and velocity.
#pragma once

#include <d3dx8.h>

class CParticleItem {
public:
    CParticleItem();
    virtual ~CParticleItem();

    float m_fSize;              // point size
    float m_fLifetime;          // seconds it lives
    float m_fAge;               // seconds since its birth
    D3DXCOLOR m_Color;          // current colour
    D3DXCOLOR m_ColorStep;      // change of the colour per second
    D3DXVECTOR3 m_vPosition;
    D3DXVECTOR3 m_vVelocity;    // units per second
};
