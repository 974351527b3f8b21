// CEditMove: the markers, the frame of editing and its help and status lines.
#include "motion/EditMove.h"

#include "objects/BoxObject.h"
#include "objects/PyramidObject.h"
#include "screen/Screen.h"

CEditMove::CEditMove(CMove& path)
    : m_nActivePoint(0),
      m_bPlaying(true),
      m_bShowTrajectory(false),
      m_bFreeCamera(true),
      m_bTimeFrozen(false),
      m_nModifyMode(MODIFY_NONE),
      m_nLastKeys(0),
      m_nLastKeys2(0),
      m_pKeyPointMarker(new CPyramidObject()),
      m_pCameraMarker(new CBoxObject()),
      m_Path(path),
      m_fRotationSteps{0.0f, 0.0f, 0.0f},
      m_fFrozenTime(0.0f)
{
    m_pKeyPointMarker->Init();
    m_pKeyPointMarker->SetAlpha(1.0f, 0);
    m_pCameraMarker->Init();
    m_pCameraMarker->SetAlpha(1.0f, 0);
    m_pCameraMarker->SetSize(1.0f, 1.0f, 1.0f);
}

CEditMove::~CEditMove()
{
    m_pKeyPointMarker->CleanUp();
    m_pCameraMarker->CleanUp();
    delete m_pKeyPointMarker;
    delete m_pCameraMarker;
}

void CEditMove::Edit()
{
    CScreen& screen = CScreen::Instance();
    ShowLines();
    const uint32_t first = screen.KeyboardReadData();
    const uint32_t second = screen.KeyboardReadData2();
    // Holding a key acts once: only a frame whose keys differ from the previous frame's acts.
    if (first != m_nLastKeys || second != m_nLastKeys2)
        HandleKeyChange(first, second);
    ScrubTime(second);
    m_nLastKeys = first;
    m_nLastKeys2 = second;
    if (m_bShowTrajectory)
        DrawTrajectory();
    if (m_bTimeFrozen)
        screen.SetTime(m_fFrozenTime);
    DriveCamera();
}

void CEditMove::ShowLines()
{
    CScreen& screen = CScreen::Instance();
    screen.DisplayMessage("[F1]Display Traj. [F2] Type traj. [F3] Camera modes [SPACE]Play/Stop [TAB] Change "
                          "selected point",
                          0);
    screen.DisplayMessage("[F4] Close the loop [F5] Modify Pos [F6] Modify Dir [F7] Add a point [F8] Remove "
                          "selected point",
                          1);
    screen.DisplayMessage("[RETURN] Save [1][2] Change X pos/dir [3][4] Change Y pos/dir [5][6] Change Z pos/dir",
                          2);
    screen.DisplayMessage(StatusLine(), 3);
    screen.DisplayMessage(CurrentLine(), 4);
}

// The play state, the active point, the curve and the active point's speed and zoom.
CString CEditMove::StatusLine()
{
    CString state;
    state.Format("Mode:%s Active point: %d", m_bPlaying ? "PLAY" : "EDIT", m_nActivePoint);
    switch (m_Path.GetMode()) {
    case CMove::MOVE_BSPLINE:
        state += " [BSPLINE]";
        break;
    case CMove::MOVE_HSPLINE:
        state += " [HSPLINE]";
        break;
    default:
        state += " [LINEAR]";
        break;
    }
    CString line;
    line.Format("%s Speed:%.2f [F9/F10] Zoom:%.2f [F11/F12]", state, m_Path.GetSpeed(m_nActivePoint),
                m_Path.GetZoom(m_nActivePoint));
    return line;
}

// The path where it is now; reading the zoom advances it to the present time.
CString CEditMove::CurrentLine()
{
    const float speed = m_Path.GetCurrentSpeed();
    const float zoom = m_Path.GetCurrentZoom();
    CString line;
    line.Format("Current Zoom: %.2f Current Speed: %.2f", zoom, speed);
    return line;
}
