#include "screen/Camera.h"

namespace {
// Every view carries this scaling: the perspective image is the same, camera-space distances are 0.8.
const float kViewScaling = 1.25f;
const float kMoveFactor = 0.15f;
const float kTurnFactor = 0.05f;
}  // namespace

CCamera::CCamera() : m_vPosition(0.0f, 0.0f, 0.0f)
{
    D3DXMatrixIdentity(&m_matView);
    D3DXMatrixIdentity(&m_matCamera);
}

CCamera::~CCamera() {}

CRemoteCamera::CRemoteCamera() : m_vDirection(0.0f, 0.0f, 1.0f), m_vUp(0.0f, 1.0f, 0.0f) {}

void CRemoteCamera::Update()
{
    const D3DXVECTOR3 target = m_vPosition + m_vDirection;
    // Looking along the up vector leaves no sideways axis; look with +z as up instead so the view
    // stays a proper rotation (the screen's initial placement does exactly this).
    D3DXVECTOR3 side;
    D3DXVec3Cross(&side, &m_vUp, &m_vDirection);
    const D3DXVECTOR3 fallbackUp(0.0f, 0.0f, 1.0f);
    const bool degenerate =
        D3DXVec3LengthSq(&side) <= 1e-12f * D3DXVec3LengthSq(&m_vDirection) * D3DXVec3LengthSq(&m_vUp);
    D3DXMatrixLookAtLH(&m_matCamera, &m_vPosition, &target, degenerate ? &fallbackUp : &m_vUp);
    D3DXMatrixInverse(&m_matCamera, nullptr, &m_matCamera);
    D3DXQUATERNION rotation;
    D3DXQuaternionRotationMatrix(&rotation, &m_matCamera);
    D3DXMATRIX placement;
    D3DXMatrixAffineTransformation(&placement, kViewScaling, nullptr, &rotation, &m_vPosition);
    D3DXMatrixInverse(&m_matView, nullptr, &placement);
}

CUserCamera::CUserCamera()
    : m_fMoveX(0), m_fMoveY(0), m_fMoveZ(0), m_fYaw(0), m_fPendingYaw(0), m_fPitch(0), m_fPendingPitch(0),
      m_fRoll(0), m_fPendingRoll(0)
{
    m_vPosition = D3DXVECTOR3(0.0f, 1.0f, 0.0f);
}

void CUserCamera::Update()
{
    D3DXVECTOR3 move(m_fMoveX * kMoveFactor, m_fMoveY * kMoveFactor, m_fMoveZ * kMoveFactor);
    D3DXVec3TransformNormal(&move, &move, &m_matCamera);
    m_vPosition += move;
    m_fYaw += m_fPendingYaw * kTurnFactor;
    m_fPitch += m_fPendingPitch * kTurnFactor;
    D3DXQUATERNION rotation;
    D3DXQuaternionRotationYawPitchRoll(&rotation, m_fYaw, m_fPitch, m_fRoll);
    D3DXMatrixAffineTransformation(&m_matCamera, kViewScaling, nullptr, &rotation, &m_vPosition);
    D3DXMatrixInverse(&m_matView, nullptr, &m_matCamera);
    m_fMoveX = m_fMoveY = m_fMoveZ = 0.0f;
    m_fPendingYaw = m_fPendingPitch = 0.0f;
}

D3DXVECTOR3 CUserCamera::GetDirection() const
{
    D3DXMATRIX rotation;
    D3DXMatrixRotationYawPitchRoll(&rotation, m_fYaw, m_fPitch, m_fRoll);
    const D3DXVECTOR3 forward(0.0f, 0.0f, 1.0f);
    D3DXVECTOR3 direction;
    D3DXVec3TransformNormal(&direction, &forward, &rotation);
    return direction;
}
