// The GL side of drawing: turns one validated draw call and the device's fixed-function state into GL.
#pragma once

#include "d3d8types.h"
#include "gl_program_cache.h"
#include "gl_sampler_state.h"
#include "gl_state_apply.h"
#include "gl_vertex_input.h"

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

class TextureStorage;

class GLRenderer {
public:
    // Draws one call into the device's current render target: binds the target, uploads changed
    // vertex and index buffers and textures, picks the generated program for the fixed-function
    // state, sets the uniforms and the GL state that changed, and issues the GL draw. A call whose
    // program cannot be built draws nothing.
    void Draw(Device& device, const DrawCall& call);
    size_t CachedPrograms() const { return programs_.Size(); }
    // For the device after it set the write masks or the viewport itself (clearing, presenting).
    void ForgetWriteMasksAndViewport() { glState_.ForgetWriteMasksAndViewport(); }

private:
    void Initialize();
    void UseProgram(GLuint program);
    void BindTextures(const DeviceState& state, const ProgramKey& key, TextureStorage* const textures[]);
    void Issue(const DeviceState& state, const VertexLayout& layout, const DrawCall& call);

    bool initialized_ = false;
    GLuint currentProgram_ = 0;
    int compiledSeen_ = -1;  // programs built by then, as TotalCompiledPrograms counts them
    GlProgramCache programs_;
    GlStateCache glState_;
    GlSamplers samplers_;
    GlVertexInput input_;
};

}  // namespace d3d8
