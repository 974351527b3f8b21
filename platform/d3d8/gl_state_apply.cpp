#include "gl_state_apply.h"

namespace d3d8 {

namespace {

template <class T>
bool Changed(T& shadow, T value)
{
    if (shadow == value)
        return false;
    shadow = value;
    return true;
}

// Like Changed, but always true when the shadow is not known to hold GL's value.
template <class T>
bool Differs(bool known, T& shadow, T value)
{
    const bool changed = Changed(shadow, value);
    return changed || !known;
}

bool SameViewport(const D3DVIEWPORT8& a, const D3DVIEWPORT8& b)
{
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height && a.MinZ == b.MinZ &&
           a.MaxZ == b.MaxZ;
}

void Enable(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

}  // namespace

GLenum GlCompareFunction(DWORD d3dCompare)
{
    switch (d3dCompare) {
    case D3DCMP_NEVER: return GL_NEVER;
    case D3DCMP_LESS: return GL_LESS;
    case D3DCMP_EQUAL: return GL_EQUAL;
    case D3DCMP_LESSEQUAL: return GL_LEQUAL;
    case D3DCMP_GREATER: return GL_GREATER;
    case D3DCMP_NOTEQUAL: return GL_NOTEQUAL;
    case D3DCMP_GREATEREQUAL: return GL_GEQUAL;
    default: return GL_ALWAYS;
    }
}

GLenum GlBlendFactor(DWORD d3dBlend)
{
    switch (d3dBlend) {
    case D3DBLEND_ZERO: return GL_ZERO;
    case D3DBLEND_SRCCOLOR: return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR: return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA: return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA: return GL_ONE_MINUS_SRC_ALPHA;
    case D3DBLEND_DESTALPHA: return GL_DST_ALPHA;
    case D3DBLEND_INVDESTALPHA: return GL_ONE_MINUS_DST_ALPHA;
    case D3DBLEND_DESTCOLOR: return GL_DST_COLOR;
    case D3DBLEND_INVDESTCOLOR: return GL_ONE_MINUS_DST_COLOR;
    case D3DBLEND_SRCALPHASAT: return GL_SRC_ALPHA_SATURATE;
    default: return GL_ONE;
    }
}

GLenum WithOpaqueDestination(GLenum factor)
{
    switch (factor) {
    case GL_DST_ALPHA: return GL_ONE;
    case GL_ONE_MINUS_DST_ALPHA: return GL_ZERO;
    case GL_SRC_ALPHA_SATURATE: return GL_ZERO;  // min(As, 1 - Ad) with Ad = 1
    default: return factor;
    }
}

GLenum GlBlendEquation(DWORD d3dBlendOp)
{
    switch (d3dBlendOp) {
    case D3DBLENDOP_SUBTRACT: return GL_FUNC_SUBTRACT;
    case D3DBLENDOP_REVSUBTRACT: return GL_FUNC_REVERSE_SUBTRACT;
    case D3DBLENDOP_MIN: return GL_MIN;
    case D3DBLENDOP_MAX: return GL_MAX;
    default: return GL_FUNC_ADD;
    }
}

GLenum GlStencilOp(DWORD d3dStencilOp)
{
    switch (d3dStencilOp) {
    case D3DSTENCILOP_ZERO: return GL_ZERO;
    case D3DSTENCILOP_REPLACE: return GL_REPLACE;
    case D3DSTENCILOP_INCRSAT: return GL_INCR;
    case D3DSTENCILOP_DECRSAT: return GL_DECR;
    case D3DSTENCILOP_INVERT: return GL_INVERT;
    case D3DSTENCILOP_INCR: return GL_INCR_WRAP;
    case D3DSTENCILOP_DECR: return GL_DECR_WRAP;
    default: return GL_KEEP;
    }
}

void GlStateCache::Invalidate()
{
    shadow_ = Shadow{};
    writes_ = WriteShadow{};
}

void GlStateCache::Apply(const DeviceState& state, const RasterTarget& target)
{
    ApplyBlend(state, target);
    ApplyDepth(state, target);
    ApplyStencil(state, target);
    ApplyRaster(state);
    ApplyMasksAndViewport(state, target);
}

// BOTHSRCALPHA and BOTHINVSRCALPHA set both factors from the source blend alone.
void GlStateCache::ApplyBlend(const DeviceState& state, const RasterTarget& target)
{
    const auto& rs = state.renderStates;
    const bool on = rs[D3DRS_ALPHABLENDENABLE] != 0;
    if (Changed(shadow_.blend, on ? 1 : 0))
        Enable(GL_BLEND, on);
    if (!on)
        return;
    GLenum src = GlBlendFactor(rs[D3DRS_SRCBLEND]), dst = GlBlendFactor(rs[D3DRS_DESTBLEND]);
    if (rs[D3DRS_SRCBLEND] == D3DBLEND_BOTHSRCALPHA) {
        src = GL_SRC_ALPHA;
        dst = GL_ONE_MINUS_SRC_ALPHA;
    } else if (rs[D3DRS_SRCBLEND] == D3DBLEND_BOTHINVSRCALPHA) {
        src = GL_ONE_MINUS_SRC_ALPHA;
        dst = GL_SRC_ALPHA;
    }
    if (!target.hasAlpha) {
        src = WithOpaqueDestination(src);
        dst = WithOpaqueDestination(dst);
    }
    const bool srcChanged = Changed(shadow_.blendSrc, src);
    if (Changed(shadow_.blendDst, dst) || srcChanged)
        glBlendFunc(src, dst);
    if (Changed(shadow_.blendEquation, GlBlendEquation(rs[D3DRS_BLENDOP])))
        glBlendEquation(shadow_.blendEquation);
}

void GlStateCache::ApplyDepth(const DeviceState& state, const RasterTarget& target)
{
    const auto& rs = state.renderStates;
    const bool on = target.hasDepth && rs[D3DRS_ZENABLE] != D3DZB_FALSE;
    if (Changed(shadow_.depthTest, on ? 1 : 0))
        Enable(GL_DEPTH_TEST, on);
    if (on && Changed(shadow_.depthFunc, GlCompareFunction(rs[D3DRS_ZFUNC])))
        glDepthFunc(shadow_.depthFunc);
    if (Changed(shadow_.depthClamp, target.clampDepth ? 1 : 0))
        Enable(GL_DEPTH_CLAMP, target.clampDepth);
    // ZBIAS 0..16 pulls coplanar geometry toward the viewer by that many depth steps.
    const float units = -static_cast<float>(rs[D3DRS_ZBIAS] & 0xFF);
    if (Changed(shadow_.offset, units != 0.0f ? 1 : 0)) {
        Enable(GL_POLYGON_OFFSET_FILL, units != 0.0f);
        Enable(GL_POLYGON_OFFSET_LINE, units != 0.0f);
        Enable(GL_POLYGON_OFFSET_POINT, units != 0.0f);
    }
    if (units != 0.0f && Changed(shadow_.offsetUnits, units))
        glPolygonOffset(0.0f, units);
}

void GlStateCache::ApplyStencil(const DeviceState& state, const RasterTarget& target)
{
    const auto& rs = state.renderStates;
    const bool on = target.hasStencil && rs[D3DRS_STENCILENABLE] != 0;
    if (Changed(shadow_.stencilTest, on ? 1 : 0))
        Enable(GL_STENCIL_TEST, on);
    if (!on)
        return;
    const GLint ref = static_cast<GLint>(rs[D3DRS_STENCILREF] & 0xFF);
    const bool funcChanged = Changed(shadow_.stencilFunc, GlCompareFunction(rs[D3DRS_STENCILFUNC]));
    const bool refChanged = Changed(shadow_.stencilRef, ref);
    if (Changed(shadow_.stencilMask, static_cast<GLuint>(rs[D3DRS_STENCILMASK])) || funcChanged || refChanged)
        glStencilFunc(shadow_.stencilFunc, ref, shadow_.stencilMask);
    const bool failChanged = Changed(shadow_.stencilFail, GlStencilOp(rs[D3DRS_STENCILFAIL]));
    const bool zfailChanged = Changed(shadow_.stencilZFail, GlStencilOp(rs[D3DRS_STENCILZFAIL]));
    if (Changed(shadow_.stencilPass, GlStencilOp(rs[D3DRS_STENCILPASS])) || failChanged || zfailChanged)
        glStencilOp(shadow_.stencilFail, shadow_.stencilZFail, shadow_.stencilPass);
}

// Clockwise triangles face the viewer in Direct3D. The clip-space y flip mirrors the picture, so
// a triangle clockwise on screen is counter-clockwise to GL, its front face by default: culling
// counter-clockwise triangles culls GL's back faces.
void GlStateCache::ApplyRaster(const DeviceState& state)
{
    const auto& rs = state.renderStates;
    const DWORD cull = rs[D3DRS_CULLMODE];
    const bool on = cull == D3DCULL_CW || cull == D3DCULL_CCW;
    if (Changed(shadow_.cull, on ? 1 : 0))
        Enable(GL_CULL_FACE, on);
    if (on && Changed(shadow_.cullFace, static_cast<GLenum>(cull == D3DCULL_CCW ? GL_BACK : GL_FRONT)))
        glCullFace(shadow_.cullFace);
    const DWORD fill = rs[D3DRS_FILLMODE];
    const GLenum mode = fill == D3DFILL_POINT ? GL_POINT : fill == D3DFILL_WIREFRAME ? GL_LINE : GL_FILL;
    if (Changed(shadow_.polygonMode, mode))
        glPolygonMode(GL_FRONT_AND_BACK, mode);
}

// Clearing and presenting set the write masks and the viewport themselves; the device then has
// these forgotten, and the next draw gives them all again.
void GlStateCache::ApplyMasksAndViewport(const DeviceState& state, const RasterTarget& target)
{
    const auto& rs = state.renderStates;
    const bool known = writes_.known;
    writes_.known = true;
    const DWORD channels = rs[D3DRS_COLORWRITEENABLE] & 0xF;
    if (Differs(known, writes_.colorChannels, channels))
        glColorMask((channels & D3DCOLORWRITEENABLE_RED) != 0, (channels & D3DCOLORWRITEENABLE_GREEN) != 0,
                    (channels & D3DCOLORWRITEENABLE_BLUE) != 0, (channels & D3DCOLORWRITEENABLE_ALPHA) != 0);
    const GLboolean depth = target.hasDepth && rs[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE;
    if (Differs(known, writes_.depth, depth))
        glDepthMask(depth);
    writes_.stencilKnown = writes_.stencilKnown && known;
    if (target.hasStencil) {
        if (Differs(writes_.stencilKnown, writes_.stencil, static_cast<GLuint>(rs[D3DRS_STENCILWRITEMASK])))
            glStencilMask(writes_.stencil);
        writes_.stencilKnown = true;
    }
    // Rows are stored top row first, so the viewport's top-left origin is GL's origin as well.
    const D3DVIEWPORT8& vp = state.viewport;
    if (known && SameViewport(writes_.viewport, vp))
        return;
    writes_.viewport = vp;
    glViewport(static_cast<GLint>(vp.X), static_cast<GLint>(vp.Y), static_cast<GLsizei>(vp.Width),
               static_cast<GLsizei>(vp.Height));
    glDepthRange(vp.MinZ, vp.MaxZ);
}

}  // namespace d3d8
