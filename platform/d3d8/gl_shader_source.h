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
std::string FragmentShaderSource(const ProgramKey& key);

}  // namespace d3d8
