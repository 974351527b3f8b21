// CEditMove's keys. A key acts only when it is the one key of its keyboard word; keys that name
// the active point do nothing while no such point exists.
#include "motion/EditMove.h"

#include "screen/Screen.h"

namespace {

const float SPEED_STEP = 1.0f;
const float ZOOM_STEP = 0.1f;
const float POSITION_STEP = 1.0f;
const float ROTATION_STEP = 0.1f;
const float SCRUB_STEP = 0.02f;
const float ADDED_POINT_SPEED = 10.0f;

// The mode F2 moves to; a step path stays a step path.
CMove::tMoveMode NextMode(CMove::tMoveMode mode)
{
    switch (mode) {
    case CMove::MOVE_LINEAR:
        return CMove::MOVE_HSPLINE;
    case CMove::MOVE_HSPLINE:
        return CMove::MOVE_BSPLINE;
    case CMove::MOVE_BSPLINE:
        return CMove::MOVE_LINEAR;
    default:
        return mode;
    }
}

D3DXVECTOR3 Rotated(const D3DXVECTOR3& vector, const D3DXVECTOR3& axis, float angle)
{
    D3DXMATRIX rotation;
    D3DXMatrixRotationAxis(&rotation, &axis, angle);
    D3DXVECTOR3 result;
    D3DXVec3TransformNormal(&result, &vector, &rotation);
    return result;
}

}  // namespace

void CEditMove::HandleKeyChange(uint32_t first, uint32_t second)
{
    HandleToggles(first);
    HandleSpeed(first);
    HandleSecondKeys(second);
    HandlePointKeys(first);
    HandleModifyKeys(first);
}

void CEditMove::HandleToggles(uint32_t first)
{
    switch (first) {
    case KEY_SPACE:
        m_bPlaying = !m_bPlaying;
        if (m_bPlaying)
            m_Path.Play();
        else
            m_Path.Stop();
        break;
    case KEY_F1:
        m_bShowTrajectory = !m_bShowTrajectory;
        break;
    case KEY_F3:
        m_bFreeCamera = !m_bFreeCamera;
        CScreen::Instance().SetFieldOfView(MOVE_DEFAULT_ZOOM);
        break;
    case KEY_F2:
        m_Path.SetMode(NextMode(m_Path.GetMode()));
        break;
    case KEY_TAB:
        SelectNextPoint();
        break;
    default:
        break;
    }
}

void CEditMove::HandleSpeed(uint32_t first)
{
    if (!HasActivePoint())
        return;
    if (first == KEY_F10)
        m_Path.SetSpeed(m_Path.GetSpeed(m_nActivePoint) + SPEED_STEP, m_nActivePoint);
    else if (first == KEY_F9)
        m_Path.SetSpeed(m_Path.GetSpeed(m_nActivePoint) - SPEED_STEP, m_nActivePoint);
}

void CEditMove::HandleSecondKeys(uint32_t second)
{
    CScreen& screen = CScreen::Instance();
    switch (second) {
    case KEY_F12:
        if (HasActivePoint())
            m_Path.SetZoom(m_Path.GetZoom(m_nActivePoint) + ZOOM_STEP, m_nActivePoint);
        break;
    case KEY_F11:
        if (HasActivePoint())
            m_Path.SetZoom(m_Path.GetZoom(m_nActivePoint) - ZOOM_STEP, m_nActivePoint);
        break;
    case KEY_R:
        screen.ResetTime();
        m_fFrozenTime = 0.0f;
        break;
    case KEY_T:
        m_bTimeFrozen = !m_bTimeFrozen;
        m_fFrozenTime = screen.GetTickCount();
        break;
    default:
        break;
    }
}

void CEditMove::HandlePointKeys(uint32_t first)
{
    float px = 0, py = 0, pz = 0, dx = 0, dy = 0, dz = 0, speed = 0, ux = 0, uy = 0, uz = 0, zoom = 0;
    switch (first) {
    case KEY_F4:
        // A copy of the first point at the end closes the loop for the curve's neighbour rule.
        if (m_Path.GetNumberPoints() > 0) {
            m_Path.GetPoint(px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom, 0);
            m_Path.AddPoint(px, py, pz, dx, dy, dz, speed, ux, uy, uz, zoom);
        }
        break;
    case KEY_F5:
        ToggleModifyMode(MODIFY_POSITION);
        break;
    case KEY_F6:
        m_fRotationSteps[0] = m_fRotationSteps[1] = m_fRotationSteps[2] = 0.0f;
        ToggleModifyMode(MODIFY_DIRECTION);
        break;
    case KEY_F7:
        AddPointAtCamera();
        break;
    case KEY_F8:
        m_Path.DelPoint(m_nActivePoint);
        break;
    case KEY_RETURN:
        m_Path.Save();
        break;
    default:
        break;
    }
}

void CEditMove::HandleModifyKeys(uint32_t first)
{
    SKeyPoint point;
    if (!ReadActivePoint(point))
        return;
    if (m_nModifyMode == MODIFY_POSITION)
        MovePosition(first, point);
    else if (m_nModifyMode == MODIFY_DIRECTION)
        TurnDirection(first, point);
}

void CEditMove::MovePosition(uint32_t first, SKeyPoint& point)
{
    switch (first) {
    case KEY_1: point.position.x -= POSITION_STEP; break;
    case KEY_2: point.position.x += POSITION_STEP; break;
    case KEY_3: point.position.y -= POSITION_STEP; break;
    case KEY_4: point.position.y += POSITION_STEP; break;
    case KEY_5: point.position.z -= POSITION_STEP; break;
    case KEY_6: point.position.z += POSITION_STEP; break;
    default: return;
    }
    WriteActivePoint(point);
}

// The direction tilts about the side axis (up x dir) and turns about side x dir; the up vector
// rolls about side x up. The point is rewritten on every key change, unturned when no digit is down.
void CEditMove::TurnDirection(uint32_t first, SKeyPoint& point)
{
    float* steps = m_fRotationSteps;
    steps[0] = steps[1] = steps[2] = 0.0f;
    switch (first) {
    case KEY_1: steps[0] = ROTATION_STEP; break;
    case KEY_2: steps[0] = -ROTATION_STEP; break;
    case KEY_3: steps[1] = ROTATION_STEP; break;
    case KEY_4: steps[1] = -ROTATION_STEP; break;
    case KEY_5: steps[2] = ROTATION_STEP; break;
    case KEY_6: steps[2] = -ROTATION_STEP; break;
    default: break;
    }
    D3DXVECTOR3 side, axis2, axis3;
    D3DXVec3Cross(&side, &point.up, &point.direction);
    D3DXVec3Cross(&axis2, &side, &point.direction);
    D3DXVec3Cross(&axis3, &side, &point.up);
    point.direction = Rotated(point.direction, side, steps[0]);
    point.direction = Rotated(point.direction, axis2, steps[1]);
    point.up = Rotated(point.up, axis3, steps[2]);
    WriteActivePoint(point);
}

// Z and X move the frozen time on every frame they are held alone.
void CEditMove::ScrubTime(uint32_t second)
{
    if (second == KEY_Z)
        m_fFrozenTime -= SCRUB_STEP;
    else if (second == KEY_X)
        m_fFrozenTime += SCRUB_STEP;
}

void CEditMove::SelectNextPoint()
{
    const int count = m_Path.GetNumberPoints();
    if (count == 0)
        return;
    m_fRotationSteps[0] = m_fRotationSteps[1] = m_fRotationSteps[2] = 0.0f;
    m_nActivePoint++;
    if (m_nActivePoint >= count)
        m_nActivePoint = 0;
}

void CEditMove::ToggleModifyMode(tModifyMode mode)
{
    m_nModifyMode = m_nModifyMode == mode ? MODIFY_NONE : mode;
}

void CEditMove::AddPointAtCamera()
{
    float px, py, pz, dx, dy, dz;
    CScreen::Instance().GetCameraPosition(px, py, pz, dx, dy, dz);
    m_Path.AddPoint(px, py, pz, dx, dy, dz, ADDED_POINT_SPEED, 0.0f, 1.0f, 0.0f, MOVE_DEFAULT_ZOOM);
}

bool CEditMove::HasActivePoint() { return m_nActivePoint >= 0 && m_nActivePoint < m_Path.GetNumberPoints(); }

bool CEditMove::ReadActivePoint(SKeyPoint& point)
{
    if (!HasActivePoint())
        return false;
    m_Path.GetPoint(point.position.x, point.position.y, point.position.z, point.direction.x, point.direction.y,
                    point.direction.z, point.speed, point.up.x, point.up.y, point.up.z, point.zoom,
                    static_cast<unsigned int>(m_nActivePoint));
    return true;
}

void CEditMove::WriteActivePoint(const SKeyPoint& point)
{
    m_Path.ChangePoint(point.position.x, point.position.y, point.position.z, point.direction.x, point.direction.y,
                       point.direction.z, point.speed, point.up.x, point.up.y, point.up.z, point.zoom,
                       m_nActivePoint);
}
