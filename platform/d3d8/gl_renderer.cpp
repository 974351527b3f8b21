#include "gl_renderer.h"

#include "device.h"

namespace d3d8 {

UINT VerticesFor(D3DPRIMITIVETYPE type, UINT primitiveCount)
{
    switch (type) {
    case D3DPT_POINTLIST:
        return primitiveCount;
    case D3DPT_LINELIST:
        return primitiveCount * 2;
    case D3DPT_LINESTRIP:
        return primitiveCount + 1;
    case D3DPT_TRIANGLELIST:
        return primitiveCount * 3;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN:
        return primitiveCount + 2;
    default:
        return 0;
    }
}

void GLRenderer::Draw(Device& device, const DrawCall& call)
{
    (void)device;
    (void)call;
}

}  // namespace d3d8
