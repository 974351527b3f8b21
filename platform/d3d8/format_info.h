// What the device knows of each pixel and index format: sizes, and how GL stores and uploads it.
#pragma once

#include "d3d8types.h"
#include "gl_api.h"

namespace d3d8 {

// Bytes per pixel (or per index) of the formats the device stores; 0 for formats it does not.
UINT BytesPerPixel(D3DFORMAT format);
// Formats a texture, image surface or render target may have.
bool IsColorFormat(D3DFORMAT format);
bool IsDepthFormat(D3DFORMAT format);
bool HasStencil(D3DFORMAT format);
// Colour formats that store an alpha channel.
bool HasAlpha(D3DFORMAT format);
// Formats a back buffer or a render-target texture may have.
bool IsRenderTargetFormat(D3DFORMAT format);

// How a colour format lives in a GL texture: storage, the upload format and type matching Direct3D's
// memory layout, and the swizzle that gives the shader Direct3D's channel meaning (an X channel reads 1,
// luminance is replicated, alpha-only reads black with alpha).
struct GlColorFormat {
    GLenum internalFormat = 0;
    GLenum uploadFormat = 0;
    GLenum uploadType = 0;
    GLint swizzle[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};
};
bool GlFormatOf(D3DFORMAT format, GlColorFormat* out);
// The GL storage of a depth format (a renderbuffer's internal format).
GLenum GlDepthFormatOf(D3DFORMAT format);

}  // namespace d3d8
