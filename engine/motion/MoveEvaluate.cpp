// CMove in time: playing, stopping and restarting, turning elapsed time into travelled distance and
// a distance into the values on the curve.
#include <algorithm>

#include "motion/Move.h"
#include "objects/BaseObject.h"

namespace {

const float RESET_SPEED = 10.0f;

}  // namespace

void CMove::Play() { m_fPlayFactor = 1.0f; }

void CMove::Stop() { m_fPlayFactor = 0.0f; }

void CMove::Reset()
{
    m_fStartTime = m_pClock->GetTickCount();
    m_fCurrentSpeed = RESET_SPEED;
    m_fLastStep = 0.0f;
    m_fLastTime = 0.0f;
    m_fDistance = 0.0f;
}

float CMove::GetTickCount() { return m_pClock->GetTickCount() - m_fStartTime; }

float CMove::GetCurrentSpeed() { return m_fCurrentSpeed; }

void CMove::GetCurrentPosition(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& speed,
                               float& ux, float& uy, float& uz, float& zoom)
{
    if (m_pClock->IsTimeReset())
        Reset();
    const SMoveValues values = GetInternalCurrentPosition();
    px = values.position.x;
    py = values.position.y;
    pz = values.position.z;
    dx = values.direction.x;
    dy = values.direction.y;
    dz = values.direction.z;
    speed = values.speed;
    ux = values.up.x;
    uy = values.up.y;
    uz = values.up.z;
    zoom = values.zoom;
}

void CMove::GetCurrentPosition(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& ux,
                               float& uy, float& uz)
{
    float speed, zoom;
    GetCurrentPosition(px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
}

float CMove::GetCurrentZoom() { return GetInternalCurrentPosition().zoom; }

void CMove::GetPosition(float distance, float& px, float& py, float& pz, float& dx, float& dy, float& dz,
                        float& speed, float& ux, float& uy, float& uz, float& zoom)
{
    const SMoveValues values = Evaluate(distance);
    px = values.position.x;
    py = values.position.y;
    pz = values.position.z;
    dx = values.direction.x;
    dy = values.direction.y;
    dz = values.direction.z;
    speed = values.speed;
    ux = values.up.x;
    uy = values.up.y;
    uz = values.up.z;
    zoom = values.zoom;
}

// A path with fewer than two points has nothing to travel: the time is taken so that the first
// step after points arrive is a normal one, and the distance stays where it is.
CMove::SMoveValues CMove::GetInternalCurrentPosition()
{
    const float time = GetTickCount();
    const float step = time - m_fLastTime;
    m_fLastTime = time;
    m_fLastStep = step;
    if (m_nPoints < 2)
        return EvaluateShortPath();
    m_fDistance += m_fPlayFactor * m_fCurrentSpeed * step;
    const SMoveValues values = Evaluate(m_fDistance);
    m_fCurrentSpeed = values.speed;
    return values;
}

// Distances before the start (a negative speed, a clock set back) are read at the start.
CMove::SMoveValues CMove::Evaluate(float distance)
{
    if (m_nPoints < 2)
        return EvaluateShortPath();
    if (!(distance >= 0.0f))
        distance = 0.0f;
    const float total = GetTotalDistance();
    if (distance > total) {
        if (m_bLoop)
            Reset();
        distance = total;
    }
    const SLocation location = GetRealPosition(distance);
    const CMovePoint& start = m_pPoints[location.segment];
    const CMovePoint& end = m_pPoints[std::min(location.segment + 1, m_nPoints - 1)];
    const float t = location.t;

    SMoveValues values;
    values.speed = start.m_fSpeed + (end.m_fSpeed - start.m_fSpeed) * t;
    values.zoom = start.m_fZoom + (end.m_fZoom - start.m_fZoom) * t;
    if (m_bAsCamera)
        m_pClock->SetFieldOfView(values.zoom);
    values.position = Curve(GetPoints(location.segment, &CMovePoint::m_vPosition), t);
    values.direction = Curve(GetPoints(location.segment, &CMovePoint::m_vDirection), t);
    values.up = Curve(GetPoints(location.segment, &CMovePoint::m_vUp), t);
    ApplyFollowing(values);
    return values;
}

// One point is a path standing still at that point; no points give the origin looking along +z
// with the y axis up, so a camera placed from it still has a valid view.
CMove::SMoveValues CMove::EvaluateShortPath()
{
    SMoveValues values;
    if (m_nPoints == 1) {
        const CMovePoint& point = m_pPoints[0];
        values = SMoveValues{point.m_vPosition, point.m_vDirection, point.m_vUp, point.m_fSpeed, point.m_fZoom};
        if (m_bAsCamera)
            m_pClock->SetFieldOfView(values.zoom);
    } else {
        values = SMoveValues{D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(0.0f, 0.0f, 1.0f),
                             D3DXVECTOR3(0.0f, 1.0f, 0.0f), 0.0f, MOVE_DEFAULT_ZOOM};
    }
    ApplyFollowing(values);
    return values;
}

// Following turns the direction onto the followed point; the object wins when both are on.
void CMove::ApplyFollowing(SMoveValues& values)
{
    if (m_bFollowPosition)
        values.direction = m_vPositionToFollow - values.position;
    if (m_bFollowObject && m_pObjectToFollow)
        values.direction = m_pObjectToFollow->GetPosition() - values.position;
}
