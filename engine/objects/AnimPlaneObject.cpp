#include "objects/AnimPlaneObject.h"

#include <algorithm>

#include "screen/Screen.h"

CAnimPlaneObject::CAnimPlaneObject()
    : m_nImages(1),
      m_nVideoPosition(0),
      m_fVideoSpeed(10.0f),
      m_fImageDuration(0.1f),
      m_bPlaying(false),
      m_bLoop(true),
      m_fAccumulatedTime(0),
      m_fLastTime(0)
{
}

// The window shows one image of the strip; a position past the strip shows its last image.
void CAnimPlaneObject::Render()
{
    if (!m_pVB)
        return;
    Advance(m_pScreen->GetTickCount());
    const unsigned images = std::max(m_nImages, 1u);
    const unsigned shown = std::min(m_nVideoPosition, images - 1);
    SetTextureOffset(static_cast<float>(shown) / images, 0, static_cast<float>(shown + 1) / images, 1);
    Resize(false);
    CPlaneObject::Render();
}

// The clock runs whether or not the animation plays; at most one image advances per draw.
void CAnimPlaneObject::Advance(float now)
{
    m_fAccumulatedTime += now - m_fLastTime;
    m_fLastTime = now;
    if (!m_bPlaying || m_fAccumulatedTime <= m_fImageDuration)
        return;
    m_fAccumulatedTime = 0;
    ++m_nVideoPosition;
    if (m_nVideoPosition >= m_nImages)
        m_nVideoPosition = m_bLoop ? 0 : std::max(m_nImages, 1u) - 1;
}

void CAnimPlaneObject::SetNumberImages(unsigned images) { m_nImages = images; }
void CAnimPlaneObject::SetVideoPosition(unsigned position) { m_nVideoPosition = position; }

void CAnimPlaneObject::SetVideoSpeed(float speed)
{
    m_fVideoSpeed = speed;
    m_fImageDuration = 1 / speed;
}

void CAnimPlaneObject::SetLoop(bool loop) { m_bLoop = loop; }
void CAnimPlaneObject::Play() { m_bPlaying = true; }
void CAnimPlaneObject::Stop() { m_bPlaying = false; }
