// CEditMove: an in-engine editor for a motion path, called once per frame inside the application's
// frame. It shows help and status lines, reads the keyboard to add, delete, move and turn key
// points and to change speed, zoom, mode and the loop, draws the key points and the curve with
// small pyramids, freezes and scrubs the scene clock, and drives either a free keyboard camera or
// the path's own camera.
#pragma once

#include <afxwin.h>

#include <cstdint>

#include "motion/Move.h"

class CPyramidObject;
class CBoxObject;

class CEditMove {
public:
    // Key bits of the screen's first keyboard word that the editor acts on.
    enum tFirstKey : uint32_t {
        KEY_SPACE = 0x10,
        KEY_F1 = 0x40,
        KEY_F2 = 0x80,
        KEY_F3 = 0x100,
        KEY_F4 = 0x200,
        KEY_F5 = 0x400,
        KEY_F6 = 0x800,
        KEY_F7 = 0x1000,
        KEY_F8 = 0x2000,
        KEY_F9 = 0x4000,
        KEY_F10 = 0x8000,
        KEY_RETURN = 0x10000,
        KEY_1 = 0x20000,
        KEY_2 = 0x40000,
        KEY_3 = 0x80000,
        KEY_4 = 0x100000,
        KEY_5 = 0x200000,
        KEY_6 = 0x400000,
        KEY_TAB = 0x80000000u,
    };
    // Key bits of the second keyboard word.
    enum tSecondKey : uint32_t {
        KEY_F11 = 0x01,
        KEY_F12 = 0x02,
        KEY_R = 0x04,
        KEY_T = 0x08,
        KEY_Z = 0x10,
        KEY_X = 0x20,
    };
    enum tModifyMode : int32_t {
        MODIFY_NONE = 0,
        MODIFY_POSITION = 1,
        MODIFY_DIRECTION = 2,
    };

    // Builds the two markers on the screen's device, so it must run on the render thread once the
    // device exists. The path is edited in place and must outlive the editor.
    explicit CEditMove(CMove& path);
    CEditMove(const CEditMove&) = delete;
    CEditMove& operator=(const CEditMove&) = delete;
    virtual ~CEditMove();

    // One frame of editing, between the screen's BeginScene and EndScene.
    void Edit();

    int GetActivePoint() const { return m_nActivePoint; }
    int GetModifyMode() const { return m_nModifyMode; }
    bool IsPlaying() const { return m_bPlaying; }
    bool IsShowingTrajectory() const { return m_bShowTrajectory; }
    // The same switch as F1, for programs that start with the trajectory shown.
    void SetShowTrajectory(bool show) { m_bShowTrajectory = show; }
    bool IsFreeCamera() const { return m_bFreeCamera; }
    bool IsTimeFrozen() const { return m_bTimeFrozen; }
    float GetFrozenTime() const { return m_fFrozenTime; }

private:
    // The 11 values of one key point, in the path's argument order.
    struct SKeyPoint {
        D3DXVECTOR3 position;
        D3DXVECTOR3 direction;
        float speed;
        D3DXVECTOR3 up;
        float zoom;
    };

    void ShowLines();
    CString StatusLine();
    CString CurrentLine();

    void HandleKeyChange(uint32_t first, uint32_t second);
    void HandleToggles(uint32_t first);
    void HandleSpeed(uint32_t first);
    void HandleSecondKeys(uint32_t second);
    void HandlePointKeys(uint32_t first);
    void HandleModifyKeys(uint32_t first);
    void MovePosition(uint32_t first, SKeyPoint& point);
    void TurnDirection(uint32_t first, SKeyPoint& point);
    void ScrubTime(uint32_t second);
    void SelectNextPoint();
    void ToggleModifyMode(tModifyMode mode);
    void AddPointAtCamera();
    bool HasActivePoint();
    bool ReadActivePoint(SKeyPoint& point);
    void WriteActivePoint(const SKeyPoint& point);

    void DrawTrajectory();
    void DrawKeyPoints();
    void DrawCurve();
    void PlaceMarker(CPyramidObject& marker, const D3DXVECTOR3& position, const D3DXVECTOR3& direction,
                     const D3DXVECTOR3& up);
    void DriveCamera();
    void DrawCameraMarker();

    int32_t m_nActivePoint;
    bool m_bPlaying;
    bool m_bShowTrajectory;
    bool m_bFreeCamera;
    bool m_bTimeFrozen;
    int32_t m_nModifyMode;
    uint32_t m_nLastKeys;
    uint32_t m_nLastKeys2;
    CPyramidObject* m_pKeyPointMarker;
    CBoxObject* m_pCameraMarker;
    CMove& m_Path;
    float m_fRotationSteps[3];
    float m_fFrozenTime;
};
