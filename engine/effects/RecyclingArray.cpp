#include "effects/RecyclingArray.h"

#include <cstring>

CRecyclingArray::CRecyclingArray() : m_iUsedElements(0), m_iLastNew(0), m_pLastError("")
{
    std::memset(m_abAlive, 0, sizeof(m_abAlive));
    m_NewTemplate.m_fSize = 1.0f;
    m_NewTemplate.m_fLifetime = 1.0f;
    m_NewTemplate.m_fAge = 0.0f;
}

CRecyclingArray::~CRecyclingArray() = default;

CParticleItem* CRecyclingArray::New()
{
    if (m_iUsedElements >= NUMELEMENTS) {
        m_pLastError = "CRecyclingArray::New: too many objects!";
        return nullptr;
    }
    int index = m_iLastNew;
    for (int checked = 0; checked < NUMELEMENTS && m_abAlive[index]; ++checked)
        index = (index + 1) % NUMELEMENTS;
    // The count said a slot is free, yet every flag is set: the two disagree.
    if (m_abAlive[index]) {
        m_pLastError = "TArrayElement::New(): internal logic error.";
        return nullptr;
    }
    m_aElements[index] = m_NewTemplate;
    m_abAlive[index] = 1;
    ++m_iUsedElements;
    m_iLastNew = index;
    return &m_aElements[index];
}

void CRecyclingArray::Delete(int index)
{
    // Freeing a free slot would make the count disagree with the flags.
    if (!IsAlive(index))
        return;
    m_abAlive[index] = 0;
    --m_iUsedElements;
}

void CRecyclingArray::DeleteAll()
{
    std::memset(m_abAlive, 0, sizeof(m_abAlive));
    m_iUsedElements = 0;
    m_iLastNew = 0;
}

bool CRecyclingArray::IsAlive(int index) const
{
    return index >= 0 && index < NUMELEMENTS && m_abAlive[index] != 0;
}
