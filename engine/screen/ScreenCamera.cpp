// The screen's camera operations and the per-frame transforms.
#include "motion/Move.h"
#include "screen/Screen.h"

void CScreen::SetCamera(D3DXVECTOR3& position, D3DXVECTOR3& direction, D3DXVECTOR3& up)
{
    m_bUserCamera = false;
    m_RemoteCamera.m_vPosition = position;
    m_RemoteCamera.m_vDirection = direction;
    m_RemoteCamera.m_vUp = up;
    m_RemoteCamera.Update();
}

void CScreen::SetCamera(D3DXVECTOR3& position, D3DXVECTOR3& direction)
{
    D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    SetCamera(position, direction, up);
}

void CScreen::SetCamera(float px, float py, float pz, float dx, float dy, float dz)
{
    D3DXVECTOR3 position(px, py, pz), direction(dx, dy, dz);
    SetCamera(position, direction);
}

void CScreen::SetCamera(float px, float py, float pz, float dx, float dy, float dz, float ux, float uy, float uz)
{
    D3DXVECTOR3 position(px, py, pz), direction(dx, dy, dz), up(ux, uy, uz);
    SetCamera(position, direction, up);
}

void CScreen::SetCamera(CMove& path)
{
    D3DXVECTOR3 position, direction, up;
    path.GetCurrentPosition(position.x, position.y, position.z, direction.x, direction.y, direction.z, up.x, up.y,
                            up.z);
    SetCamera(position, direction, up);
}

void CScreen::SetCameraRotation(float px, float py, float pz, float yaw, float pitch, float roll)
{
    D3DXMATRIX rotation;
    D3DXMatrixRotationYawPitchRoll(&rotation, yaw, pitch, roll);
    const D3DXVECTOR3 forward(0.0f, 0.0f, 1.0f);
    m_RemoteCamera.m_vPosition = D3DXVECTOR3(px, py, pz);
    D3DXVec3TransformNormal(&m_RemoteCamera.m_vDirection, &forward, &rotation);
}

void CScreen::SetMouseCamera(float dx, float dy, float dz, float yaw, float pitch, float roll)
{
    m_bUserCamera = true;
    m_UserCamera.m_fMoveX += dx;
    m_UserCamera.m_fMoveY += dy;
    m_UserCamera.m_fMoveZ += dz;
    m_UserCamera.m_fPendingYaw += yaw;
    m_UserCamera.m_fPendingPitch += pitch;
    m_UserCamera.m_fPendingRoll += roll;
}

void CScreen::KeyCamera()
{
    const float now = GetRealCurrentTime();
    const float step = (now - m_fLastKeyCameraTime) * m_fKeyCameraSpeed;
    m_fLastKeyCameraTime = now;

    const uint32_t keys = m_Keyboard.ReadData();
    long mx = 0, my = 0, mz = 0;
    m_Mouse.ReadData(mx, my, mz);

    float dx = 0, dy = 0, dz = 0;
    if (keys & 0x00000001)
        dx = -step;
    if (keys & 0x00000002)
        dx = step;
    if (keys & 0x00000004)
        dz = step;
    if (keys & 0x00000008)
        dz = -step;
    if (keys & 0x20000000)
        dy = step;
    if (keys & 0x08000000)
        dy = -step;
    if (keys & 0x10000000)
        m_fKeyCameraSpeed = 5.0f;
    if (keys & 0x40000000)
        m_fKeyCameraSpeed = 100.0f;
    SetMouseCamera(dx, dy, dz, mx * 0.05f, my * 0.05f, mz * 0.05f);
}

void CScreen::SetFieldOfView(float radians)
{
    m_fFieldOfView = radians;
    const float aspect = static_cast<float>(GetXResolution()) / static_cast<float>(GetYResolution());
    D3DXMatrixPerspectiveFovLH(&m_matProj, m_fFieldOfView, aspect, 0.1f, 500.0f);
}

void CScreen::GetCameraPosition(float& x, float& y, float& z, float& dx, float& dy, float& dz)
{
    const D3DXVECTOR3& position = m_bUserCamera ? m_UserCamera.m_vPosition : m_RemoteCamera.m_vPosition;
    const D3DXVECTOR3 direction = m_bUserCamera ? m_UserCamera.GetDirection() : m_RemoteCamera.m_vDirection;
    x = position.x;
    y = position.y;
    z = position.z;
    dx = direction.x;
    dy = direction.y;
    dz = direction.z;
}

CCamera& CScreen::GetCamera()
{
    if (m_bUserCamera)
        return m_UserCamera;
    return m_RemoteCamera;
}

D3DXMATRIX CScreen::GetViewMatrix() { return GetCamera().m_matView; }
D3DXMATRIX CScreen::GetWorldMatrix() { return m_matWorld; }
CString CScreen::GetCameraInfo() { return m_strCameraInfo; }

void CScreen::SetupMatrices()
{
    D3DXMatrixIdentity(&m_matWorld);
    m_pd3dDevice->SetTransform(D3DTS_WORLD, &m_matWorld);

    CCamera& camera = GetCamera();
    camera.Update();
    m_pd3dDevice->SetTransform(D3DTS_VIEW, &camera.m_matView);
    float x, y, z, dx, dy, dz;
    GetCameraPosition(x, y, z, dx, dy, dz);
    m_strCameraInfo.Format(m_bUserCamera ? "User Camera position X:%.02f Y:%.02f Z:%.02f x:%.02f y:%.02f z:%.02f"
                                         : "Remote Camera position X:%.02f Y:%.02f Z:%.02f x:%.02f y:%.02f z:%.02f",
                           x, y, z, dx, dy, dz);

    // Near plane 0: every point in front of the camera gets depth 1.0, so nothing is clipped by the
    // far plane and the depth test against a buffer cleared to 1.0 passes everywhere.
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, m_fFieldOfView, 1.0f, 0.0f, 100.0f);
    m_pd3dDevice->SetTransform(D3DTS_PROJECTION, &projection);
}
