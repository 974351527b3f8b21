// GLSL for one program key: the vertex stage (transform or screen mapping, lighting, fog inputs,
// texture coordinates, point size) and the fragment stage (texture-stage combiners, specular add,
// alpha test, fog blend). The uniform names here are the ones the program cache looks up.
#pragma once

#include <string>

#include "gl_program_key.h"

namespace d3d8 {

struct ShaderTarget {
    // Without clip control GL clips depth to -w..w: the shader then maps Direct3D's 0..w into it.
    bool remapDepth = false;
};

std::string VertexShaderSource(const ProgramKey& key, const ShaderTarget& target);
// The fog factor (1: no fog, 0: all fog) of a distance expression for a fog mode, from the uFog uniform
// (start, end, density). Linear fog with equal start and end is a step: no fog up to the start and
// full fog beyond it.
std::string FogFactorExpression(int mode, const std::string& distance);
std::string FragmentShaderSource(const ProgramKey& key);

}  // namespace d3d8
