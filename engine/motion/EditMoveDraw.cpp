// CEditMove's pictures: the key points and the curve drawn with a small pyramid, the camera
// marker, and the camera of the frame (the free keyboard camera or the path's own).
#include "motion/EditMove.h"

#include "objects/BoxObject.h"
#include "objects/PyramidObject.h"
#include "screen/Screen.h"

namespace {

const int CURVE_SAMPLES = 200;
const float CURVE_SAMPLE_STEP = 0.005f;
const D3DCOLORVALUE KEY_POINT_COLOR = {0.5f, 0.5f, 0.5f, 1.0f};
const D3DCOLORVALUE ACTIVE_POINT_COLOR = {0.5f, 0.0f, 0.5f, 1.0f};

// The editor's own views look through the usual lens, not the path's zoom; the path's camera flag is
// held off meanwhile so that evaluating the path leaves the field of view alone.
class CCameraFlagHold {
public:
    explicit CCameraFlagHold(CMove& path) : m_Path(path), m_bWasCamera(path.GetAsCamera())
    {
        m_Path.SetAsCamera(false);
    }
    ~CCameraFlagHold() { m_Path.SetAsCamera(m_bWasCamera); }
    bool WasCamera() const { return m_bWasCamera; }

private:
    CMove& m_Path;
    bool m_bWasCamera;
};

void UseKeyboardCamera()
{
    CScreen& screen = CScreen::Instance();
    screen.SetFieldOfView(MOVE_DEFAULT_ZOOM);
    screen.KeyCamera();
}

}  // namespace

void CEditMove::DrawTrajectory()
{
    CCameraFlagHold hold(m_Path);
    UseKeyboardCamera();
    DrawKeyPoints();
    DrawCurve();
}

void CEditMove::DrawKeyPoints()
{
    CPyramidObject& marker = *m_pKeyPointMarker;
    marker.SetSize(1.0f, 2.5f, 0.5f);
    SKeyPoint point;
    for (int i = 0; i < m_Path.GetNumberPoints(); i++) {
        m_Path.GetPoint(point.position.x, point.position.y, point.position.z, point.direction.x, point.direction.y,
                        point.direction.z, point.speed, point.up.x, point.up.y, point.up.z, point.zoom,
                        static_cast<unsigned int>(i));
        marker.SetColor(i == m_nActivePoint ? ACTIVE_POINT_COLOR : KEY_POINT_COLOR, 0);
        PlaceMarker(marker, point.position, point.direction, point.up);
    }
}

// Samples spread evenly over one run of the path, coloured by segment so that neighbouring
// segments alternate.
void CEditMove::DrawCurve()
{
    CPyramidObject& marker = *m_pKeyPointMarker;
    marker.SetSize(0.4f, 1.2f, 0.2f);
    const float total = m_Path.GetTotalDistance();
    SKeyPoint sample;
    for (int k = 0; k < CURVE_SAMPLES; k++) {
        const float distance = k * total * CURVE_SAMPLE_STEP;
        m_Path.GetPosition(distance, sample.position.x, sample.position.y, sample.position.z, sample.direction.x,
                           sample.direction.y, sample.direction.z, sample.speed, sample.up.x, sample.up.y,
                           sample.up.z, sample.zoom);
        const float alternate = static_cast<float>(m_Path.GetSegment(distance) % 2);
        marker.SetColor({0.3f, alternate, 0.3f, 1.0f}, 0);
        PlaceMarker(marker, sample.position, sample.direction, sample.up);
    }
}

void CEditMove::PlaceMarker(CPyramidObject& marker, const D3DXVECTOR3& position, const D3DXVECTOR3& direction,
                            const D3DXVECTOR3& up)
{
    marker.SetRotation(0.0f, 1.58f, 0.0f);
    marker.SetDirection(position, direction);
    marker.SetUpVector(up.x, up.y, up.z);
    marker.Render();
}

void CEditMove::DriveCamera()
{
    if (!m_bFreeCamera) {
        CScreen::Instance().SetCamera(m_Path);
        return;
    }
    CCameraFlagHold hold(m_Path);
    UseKeyboardCamera();
    if (m_bShowTrajectory && hold.WasCamera())
        DrawCameraMarker();
}

void CEditMove::DrawCameraMarker()
{
    D3DXVECTOR3 position, direction, up;
    m_Path.GetCurrentPosition(position.x, position.y, position.z, direction.x, direction.y, direction.z, up.x, up.y,
                              up.z);
    m_pCameraMarker->SetDirection(position, direction);
    m_pCameraMarker->SetUpVector(up.x, up.y, up.z);
    m_pCameraMarker->Render();
}
