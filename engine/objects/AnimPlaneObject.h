// A plane that plays a horizontal strip of equally wide images in one texture as an animation, by
// moving the plane's texture window from image to image.
#pragma once

#include "objects/PlaneObject.h"

class CAnimPlaneObject : public CPlaneObject {
public:
    CAnimPlaneObject();

    void Render() override;

    void SetNumberImages(unsigned images);
    void SetVideoPosition(unsigned position);
    // Images per second.
    void SetVideoSpeed(float speed);
    void SetLoop(bool loop);
    void Play();
    void Stop();

protected:
    unsigned m_nImages;
    unsigned m_nVideoPosition;
    float m_fVideoSpeed;
    float m_fImageDuration;
    bool m_bPlaying;
    bool m_bLoop;
    float m_fAccumulatedTime;
    float m_fLastTime;

private:
    void Advance(float now);
};
