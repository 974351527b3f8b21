// A torus around the z axis from the utility library's generator, in the engine's vertex layout: a
// tube of the inner radius around a centre circle of the outer radius.
#pragma once

#include "objects/BaseObject.h"

class CTorusObject : public CBaseObject {
public:
    CTorusObject();

    void Init() override;

    // Stored; rebuilds the vertices at once while the torus has its buffers.
    void SetRadius(float innerRadius, float outerRadius);
    // Stored for the next Init: they change the number of vertices.
    void SetSideNumber(int sides);
    void SetRingNumber(int rings);

protected:
    // Generates the torus with the counts of the last Init. The first build sizes and makes the
    // buffers and writes the faces; later ones rewrite the vertices in place.
    void ResizeTorus(bool first);

    float m_fInnerRadius;
    float m_fOuterRadius;
    int m_nSides;
    int m_nRings;

private:
    int m_nBuiltSides;
    int m_nBuiltRings;
};
