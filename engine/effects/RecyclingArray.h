// A fixed pool of particles with one in-use flag per slot. New hands out the first free slot found
// from the one handed out last, so that slots are reused round the pool rather than at its start;
// nothing is allocated per particle.
#pragma once

#include "effects/ParticleItem.h"

class CRecyclingArray {
public:
    static constexpr int NUMELEMENTS = 2000;

    CRecyclingArray();
    virtual ~CRecyclingArray();

    // A fresh element (a copy of the template) in a free slot, or null with the reason in
    // GetLastError when none can be handed out.
    CParticleItem* New();
    // Frees the slot; a slot out of range or already free is left alone.
    void Delete(int index);
    // Frees every slot and starts the search at the first one again.
    void DeleteAll();

    bool IsAlive(int index) const;
    CParticleItem& GetAt(int index) { return m_aElements[index]; }
    const CParticleItem& GetAt(int index) const { return m_aElements[index]; }
    int GetNumUsedElements() const { return m_iUsedElements; }
    int GetNumFreeElements() const { return NUMELEMENTS - m_iUsedElements; }
    int GetTotalElements() const { return NUMELEMENTS; }
    // The index of the slot handed out last.
    int GetLastNewIndex() const { return m_iLastNew; }
    // Why the last New failed; empty while none has.
    const char* GetLastError() const { return m_pLastError; }

protected:
    CParticleItem m_aElements[NUMELEMENTS];
    unsigned char m_abAlive[NUMELEMENTS];
    int m_iUsedElements;
    int m_iLastNew;
    CParticleItem m_NewTemplate;
    const char* m_pLastError;
};
