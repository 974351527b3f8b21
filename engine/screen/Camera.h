// The screen's cameras: a remote camera placed by the application and a user camera moved
// interactively. Both keep a view matrix (world to camera) that the frame sets on the device.
#pragma once

#include <d3dx8.h>

class CCamera {
public:
    CCamera();
    virtual ~CCamera();
    // Rebuilds the view matrix.
    virtual void Update() = 0;

    D3DXMATRIX m_matView;
    D3DXMATRIX m_matCamera;
    D3DXVECTOR3 m_vPosition;
};

class CRemoteCamera : public CCamera {
public:
    CRemoteCamera();
    void Update() override;

    D3DXVECTOR3 m_vDirection;
    D3DXVECTOR3 m_vUp;
};

class CUserCamera : public CCamera {
public:
    CUserCamera();
    void Update() override;
    // The viewing direction: +z turned by the accumulated yaw, pitch and roll.
    D3DXVECTOR3 GetDirection() const;

    float m_fMoveX, m_fMoveY, m_fMoveZ;
    float m_fYaw, m_fPendingYaw;
    float m_fPitch, m_fPendingPitch;
    float m_fRoll, m_fPendingRoll;
};
