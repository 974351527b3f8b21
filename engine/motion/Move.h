// CMove: a keyframed path of position, direction and up vectors with speed and zoom, travelled in
// time at a controlled speed along its arc length. Cameras and objects read it once per frame.
#pragma once

#include <afxwin.h>
#include <d3dx8.h>

#include <cstdint>
#include <memory>

#include "motion/MoveClock.h"
#include "motion/MoveCurve.h"
#include "motion/MovePoint.h"

class CBaseObject;

class CMove {
public:
    enum tMoveMode : int32_t {
        MOVE_STEP = 0,
        MOVE_LINEAR = 1,
        MOVE_BSPLINE = 2,
        MOVE_HSPLINE = 3,
    };

    // The fixed number of point slots a path holds.
    static constexpr int MAXPOINTS = 256;

    CMove();
    // A path that takes its time from clock instead of the screen.
    explicit CMove(CMoveClock& clock);
    CMove(const CMove& other);
    CMove& operator=(const CMove& other);
    virtual ~CMove();

    // Key points. Every 11-value form takes position x, y, z; direction x, y, z; speed; up x, y, z;
    // zoom. Operations on an index outside the path, or that would pass MAXPOINTS points, do nothing.
    void AddPoint(float px, float py, float pz, float dx, float dy, float dz, float speed, float ux, float uy,
                  float uz, float zoom);
    // index may be the point count, which appends.
    void InsertPoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed, float ux,
                     float uy, float uz, float zoom);
    void ChangePoint(float px, float py, float pz, float dx, float dy, float dz, float speed, float ux, float uy,
                     float uz, float zoom, int index);
    void UpdatePoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed, float ux,
                     float uy, float uz, float zoom);
    void DelPoint(int index);
    // Leaves the outputs as they are for an index outside the path.
    void GetPoint(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& speed, float& ux,
                  float& uy, float& uz, float& zoom, unsigned int index);

    // index -1 sets every point.
    void SetSpeed(float speed, int index);
    void SetZoom(float zoom, int index);
    // Outside the path: speed 0 and zoom pi/4.
    float GetSpeed(int index);
    float GetZoom(int index);

    // A value outside tMoveMode is ignored.
    void SetMode(tMoveMode mode);
    tMoveMode GetMode();
    void SetLoop(bool loop);
    bool GetLoop();
    void SetAsCamera(bool asCamera);
    bool GetAsCamera();
    int GetNumberPoints();

    void SetPositionToFollow(float x, float y, float z);
    void SetPositionToFollow(const D3DXVECTOR3& position);
    void SetObjectToFollow(CBaseObject& object);

    // The path file. Both answer whether they succeeded; a failed Load leaves the path as it was and
    // a failed Save leaves an existing file as it was.
    void SetFilename(CString filename);
    CString GetFilename();
    bool Save();
    bool Load();

    // Playing.
    void Play();
    void Stop();
    void Reset();
    // Advance the path to the present time and answer the values there. Call once per frame.
    void GetCurrentPosition(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& speed,
                            float& ux, float& uy, float& uz, float& zoom);
    void GetCurrentPosition(float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& ux, float& uy,
                            float& uz);
    float GetCurrentSpeed();
    // Advances the path like GetCurrentPosition and answers the zoom there.
    float GetCurrentZoom();

    // The values at a travelled distance. A looping path asked beyond its length restarts.
    void GetPosition(float distance, float& px, float& py, float& pz, float& dx, float& dy, float& dz, float& speed,
                     float& ux, float& uy, float& uz, float& zoom);
    // Segment holding a distance; 0 for a path of fewer than 2 points.
    int GetSegment(float distance);
    // End distance of a point; 0 outside the path.
    float GetDistance(unsigned int index);
    // The length one run of the path covers; 0 for a path of fewer than 2 points.
    float GetTotalDistance();

private:
    // Where a distance falls: the segment and the curve parameter in it.
    struct SLocation {
        int segment;
        float t;
    };
    // The 11 values of one evaluation.
    struct SMoveValues {
        D3DXVECTOR3 position;
        D3DXVECTOR3 direction;
        D3DXVECTOR3 up;
        float speed;
        float zoom;
    };

    bool IsIndex(int index) const;
    void StorePoint(int index, float px, float py, float pz, float dx, float dy, float dz, float speed, float ux,
                    float uy, float uz, float zoom);
    float GetTickCount();
    SMoveValues GetInternalCurrentPosition();
    SMoveValues Evaluate(float distance);
    SMoveValues EvaluateShortPath();
    void ApplyFollowing(SMoveValues& values);
    SLocation GetRealPosition(float distance);
    int NeighbourIndex(int index) const;
    SMoveNeighbours GetPoints(int segment, D3DXVECTOR3 CMovePoint::*vector) const;
    void RecomputeDistances();
    D3DXVECTOR3 Curve(const SMoveNeighbours& points, float t) const;
    static bool IsMode(long mode);

    CMoveClock* m_pClock;
    tMoveMode m_Mode;
    int m_nPoints;
    std::unique_ptr<CMovePoint[]> m_pPoints;
    float m_fPlayFactor;
    float m_fCurrentSpeed;
    float m_fStartTime;
    float m_fLastStep;
    float m_fLastTime;
    bool m_bAsCamera;
    bool m_bLoop;
    D3DXVECTOR3 m_vPositionToFollow;
    bool m_bFollowPosition;
    CBaseObject* m_pObjectToFollow;
    bool m_bFollowObject;
    float m_fDistance;
    CString m_strFilename;
};
