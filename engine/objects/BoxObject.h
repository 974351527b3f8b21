// A box of six faces with two triangles each, every face with its own four corners so that each
// side carries the whole texture, sized by its half width, height and depth.
#pragma once

#include "objects/BaseObject.h"

class CBoxObject : public CBaseObject {
public:
    CBoxObject();

    void Init() override;

    using CBaseObject::Resize;
    using CBaseObject::SetSize;
    // Full width, height and depth; applied at once when the box has its buffers.
    void SetSize(float width, float height, float depth);

protected:
    // Rewrites the 36 corners from the half sizes. The first build also writes the faces, white vertex
    // colours and the normals; later ones move the corners and keep normals and colours.
    void Resize(bool first);

    float m_fHalfWidth;
    float m_fHalfHeight;
    float m_fHalfDepth;

private:
    void WriteCorners(S3DVERTEX* vertices, bool first);
};
