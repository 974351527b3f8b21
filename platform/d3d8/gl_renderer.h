// The GL side of drawing: turns one validated draw call and the device's fixed-function state into GL.
#pragma once

#include "d3d8types.h"

namespace d3d8 {

class Device;

// One draw call as the application made it, already checked against the bound streams and indices.
struct DrawCall {
    D3DPRIMITIVETYPE type = D3DPT_TRIANGLELIST;
    UINT primitiveCount = 0;
    UINT vertexCount = 0;        // vertices the call reads (count for non-indexed, the index range otherwise)
    UINT indexCount = 0;         // 0 for non-indexed calls
    bool indexed = false;
    UINT startVertex = 0;        // non-indexed: first vertex of stream 0
    UINT minIndex = 0;           // indexed: lowest vertex index used
    UINT startIndex = 0;         // indexed: first index in the index buffer
    const void* userVertices = nullptr;  // the UP calls: the caller's vertex memory
    UINT userStride = 0;
    const void* userIndices = nullptr;
    D3DFORMAT userIndexFormat = D3DFMT_INDEX16;
};

// Vertices and indices a primitive count needs.
UINT VerticesFor(D3DPRIMITIVETYPE type, UINT primitiveCount);

class GLRenderer {
public:
    // Draws one call into the device's current render target. It will: bind the render target
    // (device.BindRenderTarget), upload the changed vertex and index buffers and textures, choose the
    // generated GLSL program for the current fixed-function state (transform or pre-transformed
    // vertices, lighting and material sources, fog, texture stages, alpha test), set blend, depth,
    // cull (with the winding flipped as the clip-space y flip requires), fill mode and viewport, and
    // issue the GL draw. Until that is written it draws nothing.
    void Draw(Device& device, const DrawCall& call);
};

}  // namespace d3d8
