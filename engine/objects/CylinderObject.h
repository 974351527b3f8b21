// A capped cylinder or cone along z from the utility library's generator, in the engine's vertex
// layout: radius 1 at z = -length/2, radius 2 at z = +length/2.
#pragma once

#include "objects/BaseObject.h"

class CCylinderObject : public CBaseObject {
public:
    CCylinderObject();

    void Init() override;

    // Stored; rebuild the vertices at once while the cylinder has its buffers.
    void SetRadius(float radius1, float radius2);
    void SetLength(float length);
    // Stored for the next Init: they change the number of vertices.
    void SetSliceNumber(int slices);
    void SetStackNumber(int stacks);

protected:
    // Generates the cylinder with the counts of the last Init. The first build sizes and makes the
    // buffers and writes the faces; later ones rewrite the vertices in place.
    void ResizeCylinder(bool first);

    float m_fRadius1;
    float m_fRadius2;
    float m_fLength;
    int m_nSlices;
    int m_nStacks;

private:
    int m_nBuiltSlices;
    int m_nBuiltStacks;
};
