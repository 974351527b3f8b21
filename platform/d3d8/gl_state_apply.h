// The fixed GL state of a draw (blend, depth, stencil, culling, fill mode, depth bias, write masks,
// viewport), set from the device's render states. The last values set are kept, so only changes
// reach GL.
#pragma once

#include "device_state.h"
#include "gl_api.h"

namespace d3d8 {

struct RasterTarget {
    bool hasDepth = false;
    bool hasStencil = false;
    // A target format without alpha (X8R8G8B8, R5G6B5): its alpha reads as 1 in blending.
    bool hasAlpha = true;
    // Pre-transformed vertices are not clipped against the near and far planes; their depth is
    // clamped to the viewport's range instead.
    bool clampDepth = false;
};

class GlStateCache {
public:
    void Apply(const DeviceState& state, const RasterTarget& target);
    // Forgets what was set, for a context whose state someone else may have changed.
    void Invalidate();
    // Forgets the write masks and the viewport, which clearing and presenting set themselves.
    void ForgetWriteMasksAndViewport() { writes_.known = false; }

private:
    void ApplyBlend(const DeviceState& state, const RasterTarget& target);
    void ApplyDepth(const DeviceState& state, const RasterTarget& target);
    void ApplyStencil(const DeviceState& state, const RasterTarget& target);
    void ApplyRaster(const DeviceState& state);
    void ApplyMasksAndViewport(const DeviceState& state, const RasterTarget& target);

    struct Shadow {
        int blend = -1;
        GLenum blendSrc = 0, blendDst = 0, blendEquation = 0;
        int depthTest = -1, depthClamp = -1;
        GLenum depthFunc = 0;
        int stencilTest = -1;
        GLenum stencilFunc = 0, stencilFail = 0, stencilZFail = 0, stencilPass = 0;
        GLint stencilRef = -1;
        GLuint stencilMask = 0;
        int cull = -1;
        GLenum cullFace = 0, polygonMode = 0;
        int offset = -1;
        float offsetUnits = 0.0f;
    } shadow_;
    struct WriteShadow {
        bool known = false;
        DWORD colorChannels = 0;
        GLboolean depth = GL_FALSE;
        GLuint stencil = 0;
        bool stencilKnown = false;
        D3DVIEWPORT8 viewport = {};
    } writes_;
};

// Direct3D's enumerations in GL's terms.
GLenum GlCompareFunction(DWORD d3dCompare);
GLenum GlBlendFactor(DWORD d3dBlend);
// The factor on a target without alpha, where the destination alpha is 1.
GLenum WithOpaqueDestination(GLenum factor);
GLenum GlBlendEquation(DWORD d3dBlendOp);
GLenum GlStencilOp(DWORD d3dStencilOp);

}  // namespace d3d8
