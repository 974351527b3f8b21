// A four-sided pyramid: a square base at y = -half height and the apex at (0, +half height, 0), every
// triangle with its own vertices.
#pragma once

#include "objects/BaseObject.h"

class CPyramidObject : public CBaseObject {
public:
    CPyramidObject();

    void Init() override;

    using CBaseObject::Resize;
    using CBaseObject::SetSize;
    // Full width, height and depth; applied at once when the pyramid has its buffers.
    void SetSize(float width, float height, float depth);

protected:
    // Rewrites the 18 vertices from the half sizes. The first build also writes the faces, white
    // vertex colours and the normals.
    void Resize(bool first);

    float m_fHalfWidth;
    float m_fHalfHeight;
    float m_fHalfDepth;

private:
    void WriteVertices(S3DVERTEX* vertices, bool first);
};
