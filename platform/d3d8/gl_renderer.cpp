#include "gl_renderer.h"

#include <SDL.h>

#include <cstring>

#include "device.h"
#include "format_info.h"
#include "gl_uniforms.h"
#include "index_buffer.h"
#include "surface.h"
#include "texture.h"
#include "texture_storage.h"
#include "vertex_buffer.h"

namespace d3d8 {

namespace {

GLenum GlPrimitive(D3DPRIMITIVETYPE type)
{
    switch (type) {
    case D3DPT_POINTLIST: return GL_POINTS;
    case D3DPT_LINELIST: return GL_LINES;
    case D3DPT_LINESTRIP: return GL_LINE_STRIP;
    case D3DPT_TRIANGLESTRIP: return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN: return GL_TRIANGLE_FAN;
    default: return GL_TRIANGLES;
    }
}

bool IsTriangles(D3DPRIMITIVETYPE type)
{
    return type == D3DPT_TRIANGLELIST || type == D3DPT_TRIANGLESTRIP || type == D3DPT_TRIANGLEFAN;
}

// Direct3D's depth runs 0 to 1 in clip space. With clip control GL takes that as it is; without it
// the generated programs remap z.
bool UseZeroToOneDepth()
{
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    bool available = major > 4 || (major == 4 && minor >= 5) || SDL_GL_ExtensionSupported("GL_ARB_clip_control");
    using ClipControl = void (*)(GLenum, GLenum);
    auto clipControl = reinterpret_cast<ClipControl>(SDL_GL_GetProcAddress("glClipControl"));
    if (!available || !clipControl)
        return false;
    clipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
    return true;
}

GLenum IndexType(D3DFORMAT format)
{
    return format == D3DFMT_INDEX32 ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
}

const void* ByteOffset(size_t offset)
{
    return reinterpret_cast<const void*>(offset);
}

}  // namespace

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

void GLRenderer::Initialize()
{
    ShaderTarget target;
    target.remapDepth = !UseZeroToOneDepth();
    programs_.SetTarget(target);
    // Flat shading takes the first vertex's colour, as Direct3D does.
    glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    glEnable(GL_PROGRAM_POINT_SIZE);
    // Rows are stored top first, so GL's lower left is the sprite's top left: v runs downwards.
    glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, GL_LOWER_LEFT);
    // Cube textures filter across face edges, as Direct3D's cube maps do.
    glEnable(GL_TEXTURE_CUBE_MAP_SEAMLESS);
    samplers_.Create();
    initialized_ = true;
}

void GLRenderer::UseProgram(GLuint program)
{
    // A newly built program was made current while its samplers were assigned, so after any build
    // the current program is given again.
    const int compiled = TotalCompiledPrograms();
    if (compiled == compiledSeen_ && currentProgram_ == program)
        return;
    glUseProgram(program);
    currentProgram_ = program;
    compiledSeen_ = compiled;
}

void GLRenderer::BindTextures(const DeviceState& state, const ProgramKey& key, TextureStorage* const textures[])
{
    for (int stage = 0; stage < kProgramStages && key.stages[stage].colorOp; ++stage) {
        if (!key.stages[stage].hasTexture)
            continue;
        samplers_.Apply(stage, state.stageStates[stage]);
        glActiveTexture(GL_TEXTURE0 + stage);
        // Binds the texture on the active unit, uploading the levels that changed.
        textures[stage]->GlTexture();
    }
    glActiveTexture(GL_TEXTURE0);
}

void GLRenderer::Issue(const DeviceState& state, const VertexLayout& layout, const DrawCall& call)
{
    const GLenum mode = GlPrimitive(call.type);
    const DWORD fvf = state.vertexShader;
    if (call.userVertices) {
        const UINT stride = call.userStride;
        if (!call.indexed) {
            const GLint first = input_.StreamVertices(call.userVertices, call.vertexCount, stride);
            input_.Attributes(input_.VertexStream(), layout, stride, fvf);
            glDrawArrays(mode, first, static_cast<GLsizei>(call.vertexCount));
            return;
        }
        // Only the vertices the indices may reach are streamed; the base vertex makes up for it.
        const BYTE* used = static_cast<const BYTE*>(call.userVertices) + static_cast<size_t>(call.minIndex) * stride;
        const GLint first = input_.StreamVertices(used, call.vertexCount, stride);
        const size_t indexSize = call.userIndexFormat == D3DFMT_INDEX32 ? 4 : 2;
        const size_t offset = input_.StreamIndices(call.userIndices, call.indexCount * indexSize);
        input_.Attributes(input_.VertexStream(), layout, stride, fvf);
        glDrawRangeElementsBaseVertex(mode, call.minIndex, call.minIndex + call.vertexCount - 1,
                                      static_cast<GLsizei>(call.indexCount), IndexType(call.userIndexFormat),
                                      ByteOffset(offset), first - static_cast<GLint>(call.minIndex));
        return;
    }
    const StreamBinding& stream = state.streams[0];
    auto* vertices = static_cast<VertexBuffer*>(stream.buffer.Get());
    input_.Attributes(vertices->UploadedGlBuffer(), layout, stream.stride, fvf);
    if (!call.indexed) {
        glDrawArrays(mode, static_cast<GLint>(call.startVertex), static_cast<GLsizei>(call.vertexCount));
        return;
    }
    // Direct3D 8 adds the base vertex index of SetIndices to every index; minIndex and the vertex
    // count are relative to it.
    auto* indices = static_cast<IndexBuffer*>(state.indices.Get());
    input_.ElementBuffer(indices->UploadedGlBuffer());
    const size_t indexSize = BytesPerPixel(indices->Format());
    glDrawRangeElementsBaseVertex(mode, call.minIndex, call.minIndex + call.vertexCount - 1,
                                  static_cast<GLsizei>(call.indexCount), IndexType(indices->Format()),
                                  ByteOffset(call.startIndex * indexSize), static_cast<GLint>(state.baseVertexIndex));
}

void GLRenderer::Draw(Device& device, const DrawCall& call)
{
    const DeviceState& state = device.State();
    VertexLayout layout;
    if (!LayoutOfFvf(state.vertexShader, &layout) || !device.BindRenderTarget())
        return;
    if (!initialized_)
        Initialize();
    TextureStorage* textures[kProgramStages] = {};
    DrawShape shape;
    for (int stage = 0; stage < kProgramStages; ++stage) {
        textures[stage] = StorageOf(state.textures[stage].Get());
        shape.stageHasTexture[stage] = textures[stage] != nullptr;
        shape.stageIsCube[stage] = textures[stage] && textures[stage]->IsCube();
    }
    shape.drawsPoints = call.type == D3DPT_POINTLIST ||
                        (IsTriangles(call.type) && state.renderStates[D3DRS_FILLMODE] == D3DFILL_POINT);
    const ProgramKey key = BuildProgramKey(state, layout, shape);
    GlProgram* program = programs_.Get(key);
    if (!program)
        return;
    UseProgram(program->Name());
    UploadUniforms(*program, state);
    RasterTarget target;
    target.hasAlpha = HasAlpha(device.CurrentRenderTarget()->Desc().Format);
    target.clampDepth = layout.transformed;
    if (Surface* depth = device.CurrentDepthStencil()) {
        target.hasDepth = true;
        target.hasStencil = HasStencil(depth->Desc().Format);
    }
    glState_.Apply(state, target);
    BindTextures(state, key, textures);
    input_.Bind();
    Issue(state, layout, call);
}

}  // namespace d3d8
