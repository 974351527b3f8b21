// The uniforms of a draw: matrices, the screen mapping of pre-transformed vertices, the pixel-centre
// offset, lights in camera space, material, fog, point size, texture factor and alpha reference.
#pragma once

#include "device_state.h"
#include "gl_program_cache.h"

namespace d3d8 {

// Direct3D addresses the centre of a pixel with integer coordinates, GL with half-integers: every
// vertex moves by this many pixels right and down. It is a little under half a pixel so that an
// edge on an integer coordinate never lands exactly on a GL sample: the pixel right of or below
// such an edge is covered and the one left of or above it is not, as Direct3D's top-left rule has it.
constexpr float kPixelCentreShift = 0.5f - 1.0f / 64.0f;

void UploadUniforms(GlProgram& program, const DeviceState& state);

// Row-vector products and the inverse used for normals, exposed for the tests.
D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b);
// The inverse of the upper 3 x 3 part, row-major; false (identity written) if it is singular.
bool InverseUpper3x3(const D3DMATRIX& m, float out[9]);

}  // namespace d3d8
