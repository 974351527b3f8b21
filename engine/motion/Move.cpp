// CMove: construction, the key points and the path's settings.
#include "motion/Move.h"

#include <algorithm>

CMove::CMove() : CMove(CMoveClock::Screen()) {}

CMove::CMove(CMoveClock& clock)
    : m_pClock(&clock),
      m_Mode(MOVE_LINEAR),
      m_nPoints(0),
      m_pPoints(new CMovePoint[MAXPOINTS]()),
      m_fPlayFactor(1.0f),
      m_fCurrentSpeed(10.0f),
      m_fStartTime(0.0f),
      m_fLastStep(0.0f),
      m_fLastTime(0.0f),
      m_bAsCamera(false),
      m_bLoop(true),
      m_vPositionToFollow(0.0f, 0.0f, 0.0f),
      m_bFollowPosition(false),
      m_pObjectToFollow(nullptr),
      m_bFollowObject(false),
      m_fDistance(0.0f)
{
    Reset();
}

// A copy gets a point block of its own, so neither path frees or edits the other's points.
CMove::CMove(const CMove& other) : m_pPoints(new CMovePoint[MAXPOINTS]()) { *this = other; }

CMove& CMove::operator=(const CMove& other)
{
    if (this == &other)
        return *this;
    m_pClock = other.m_pClock;
    m_Mode = other.m_Mode;
    m_nPoints = other.m_nPoints;
    std::copy(other.m_pPoints.get(), other.m_pPoints.get() + MAXPOINTS, m_pPoints.get());
    m_fPlayFactor = other.m_fPlayFactor;
    m_fCurrentSpeed = other.m_fCurrentSpeed;
    m_fStartTime = other.m_fStartTime;
    m_fLastStep = other.m_fLastStep;
    m_fLastTime = other.m_fLastTime;
    m_bAsCamera = other.m_bAsCamera;
    m_bLoop = other.m_bLoop;
    m_vPositionToFollow = other.m_vPositionToFollow;
    m_bFollowPosition = other.m_bFollowPosition;
    m_pObjectToFollow = other.m_pObjectToFollow;
    m_bFollowObject = other.m_bFollowObject;
    m_fDistance = other.m_fDistance;
    m_strFilename = other.m_strFilename;
    return *this;
}

CMove::~CMove() = default;

bool CMove::IsIndex(int index) const { return index >= 0 && index < m_nPoints; }

bool CMove::IsMode(long mode) { return mode >= MOVE_STEP && mode <= MOVE_HSPLINE; }

void CMove::StorePoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed, float ux,
                       float uy, float uz, float zoom)
{
    CMovePoint& point = m_pPoints[index];
    point.m_vPosition = D3DXVECTOR3(px, py, pz);
    point.m_vDirection = D3DXVECTOR3(dx, dy, dz);
    point.m_vUp = D3DXVECTOR3(ux, uy, uz);
    point.m_fSpeed = speed;
    point.m_fZoom = zoom;
}

void CMove::AddPoint(float px, float py, float pz, float dx, float dy, float dz, float speed, float ux, float uy,
                     float uz, float zoom)
{
    InsertPoint(m_nPoints, px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
}

void CMove::InsertPoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed,
                        float ux, float uy, float uz, float zoom)
{
    if (m_nPoints >= MAXPOINTS || index < 0 || index > m_nPoints)
        return;
    CMovePoint* points = m_pPoints.get();
    std::copy_backward(points + index, points + m_nPoints, points + m_nPoints + 1);
    StorePoint(index, px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
    m_nPoints++;
    RecomputeDistances();
}

void CMove::ChangePoint(float px, float py, float pz, float dx, float dy, float dz, float speed, float ux,
                        float uy, float uz, float zoom, int index)
{
    UpdatePoint(index, px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
}

void CMove::UpdatePoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed,
                        float ux, float uy, float uz, float zoom)
{
    if (!IsIndex(index))
        return;
    StorePoint(index, px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
    RecomputeDistances();
}

void CMove::DelPoint(int index)
{
    if (!IsIndex(index))
        return;
    CMovePoint* points = m_pPoints.get();
    std::copy(points + index + 1, points + m_nPoints, points + index);
    m_nPoints--;
    m_pPoints[m_nPoints] = CMovePoint();
    RecomputeDistances();
}

void CMove::GetPoint(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& speed, float& ux,
                     float& uy, float& uz, float& zoom, unsigned int index)
{
    if (index >= static_cast<unsigned int>(m_nPoints))
        return;
    const CMovePoint& point = m_pPoints[index];
    px = point.m_vPosition.x;
    py = point.m_vPosition.y;
    pz = point.m_vPosition.z;
    dx = point.m_vDirection.x;
    dy = point.m_vDirection.y;
    dz = point.m_vDirection.z;
    speed = point.m_fSpeed;
    ux = point.m_vUp.x;
    uy = point.m_vUp.y;
    uz = point.m_vUp.z;
    zoom = point.m_fZoom;
}

void CMove::SetSpeed(float speed, int index)
{
    if (index == -1) {
        for (int i = 0; i < m_nPoints; i++)
            m_pPoints[i].m_fSpeed = speed;
    } else if (IsIndex(index)) {
        m_pPoints[index].m_fSpeed = speed;
    }
}

void CMove::SetZoom(float zoom, int index)
{
    if (index == -1) {
        for (int i = 0; i < m_nPoints; i++)
            m_pPoints[i].m_fZoom = zoom;
    } else if (IsIndex(index)) {
        m_pPoints[index].m_fZoom = zoom;
    }
}

float CMove::GetSpeed(int index) { return IsIndex(index) ? m_pPoints[index].m_fSpeed : 0.0f; }

float CMove::GetZoom(int index) { return IsIndex(index) ? m_pPoints[index].m_fZoom : MOVE_DEFAULT_ZOOM; }

void CMove::SetMode(tMoveMode mode)
{
    if (!IsMode(mode))
        return;
    m_Mode = mode;
    RecomputeDistances();
}

CMove::tMoveMode CMove::GetMode() { return m_Mode; }

void CMove::SetLoop(bool loop) { m_bLoop = loop; }

bool CMove::GetLoop() { return m_bLoop; }

void CMove::SetAsCamera(bool asCamera) { m_bAsCamera = asCamera; }

bool CMove::GetAsCamera() { return m_bAsCamera; }

int CMove::GetNumberPoints() { return m_nPoints; }

void CMove::SetPositionToFollow(float x, float y, float z) { SetPositionToFollow(D3DXVECTOR3(x, y, z)); }

void CMove::SetPositionToFollow(const D3DXVECTOR3& position)
{
    m_vPositionToFollow = position;
    m_bFollowPosition = true;
}

void CMove::SetObjectToFollow(CBaseObject& object)
{
    m_pObjectToFollow = &object;
    m_bFollowObject = true;
}

void CMove::SetFilename(CString filename) { m_strFilename = filename; }

CString CMove::GetFilename() { return m_strFilename; }
