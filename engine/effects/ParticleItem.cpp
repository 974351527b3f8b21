#include "effects/ParticleItem.h"

CParticleItem::CParticleItem()
    : m_fSize(1.0f),
      m_fLifetime(1.0f),
      m_fAge(0.0f),
      m_Color(0.0f, 0.0f, 0.0f, 0.0f),
      m_ColorStep(0.0f, 0.0f, 0.0f, 0.0f),
      m_vPosition(0.0f, 0.0f, 0.0f),
      m_vVelocity(0.0f, 0.0f, 0.0f)
{
}

CParticleItem::~CParticleItem() = default;
