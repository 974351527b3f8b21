// A sphere from the utility library's generator, in the engine's vertex layout.
#pragma once

#include "objects/BaseObject.h"

class CSphereObject : public CBaseObject {
public:
    CSphereObject();

    void Init() override;

    // Stored; rebuilds the vertices at once while the sphere has its buffers.
    void SetRadius(float radius);
    // Stored for the next Init: they change the number of vertices.
    void SetSliceNumber(int slices);
    void SetStackNumber(int stacks);

protected:
    // Generates the sphere with the counts of the last Init. The first build sizes and makes the
    // buffers and writes the faces; later ones rewrite the vertices in place.
    void ResizeSphere(bool first);

    float m_fRadius;
    int m_nSlices;
    int m_nStacks;

private:
    // The counts the buffers were made for.
    int m_nBuiltSlices;
    int m_nBuiltStacks;
};
