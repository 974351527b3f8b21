#include "gl_vertex_input.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace d3d8 {

namespace {

constexpr size_t kStreamCapacity = 4u << 20;

const void* At(UINT offset)
{
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(offset));
}

enum Location : GLuint { kPosition = 0, kNormal = 1, kPointSize = 2, kDiffuse = 3, kSpecular = 4, kTexCoord = 5 };

void FloatAttribute(GLuint location, bool present, GLint size, UINT stride, UINT offset)
{
    if (!present) {
        glDisableVertexAttribArray(location);
        return;
    }
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, static_cast<GLsizei>(stride), At(offset));
}

// A D3DCOLOR is the bytes B, G, R, A: GL reads that order directly as a BGRA attribute.
void ColorAttribute(GLuint location, bool present, UINT stride, UINT offset)
{
    if (!present) {
        glDisableVertexAttribArray(location);
        return;
    }
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, static_cast<GLsizei>(stride), At(offset));
}

}  // namespace

size_t StreamRing::Write(const void* data, size_t bytes, size_t align)
{
    if (!buffer_)
        glGenBuffers(1, &buffer_);
    glBindBuffer(target_, buffer_);
    align = std::max<size_t>(align, 1);
    size_t at = (offset_ + align - 1) / align * align;
    if (capacity_ == 0 || at + bytes > capacity_) {
        capacity_ = std::max(std::max(capacity_, kStreamCapacity), bytes);
        glBufferData(target_, static_cast<GLsizeiptr>(capacity_), nullptr, GL_STREAM_DRAW);
        at = 0;
    }
    void* target = glMapBufferRange(target_, static_cast<GLintptr>(at), static_cast<GLsizeiptr>(bytes),
                                    GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_RANGE_BIT | GL_MAP_UNSYNCHRONIZED_BIT);
    if (target) {
        std::memcpy(target, data, bytes);
        glUnmapBuffer(target_);
    } else {
        glBufferSubData(target_, static_cast<GLintptr>(at), static_cast<GLsizeiptr>(bytes), data);
    }
    offset_ = at + bytes;
    return at;
}

void GlVertexInput::Bind()
{
    if (!vao_)
        glGenVertexArrays(1, &vao_);
    glBindVertexArray(vao_);
}

void GlVertexInput::Attributes(GLuint buffer, const VertexLayout& layout, UINT stride, DWORD fvf)
{
    // A deleted buffer leaves the vertex array pointing at nothing, and its name may come back for a
    // new buffer: what the array really holds decides, not only what was last set.
    GLint bound = 0;
    glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &bound);
    if (buffer == lastBuffer_ && static_cast<GLuint>(bound) == buffer && stride == lastStride_ && fvf == lastFvf_)
        return;
    lastBuffer_ = buffer;
    lastStride_ = stride;
    lastFvf_ = fvf;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    FloatAttribute(kPosition, true, layout.transformed ? 4 : 3, stride, layout.positionOffset);
    FloatAttribute(kNormal, layout.hasNormal, 3, stride, layout.normalOffset);
    FloatAttribute(kPointSize, layout.hasPointSize, 1, stride, layout.pointSizeOffset);
    ColorAttribute(kDiffuse, layout.hasDiffuse, stride, layout.diffuseOffset);
    ColorAttribute(kSpecular, layout.hasSpecular, stride, layout.specularOffset);
    for (int set = 0; set < kMaxTexCoordSets; ++set)
        FloatAttribute(kTexCoord + set, set < layout.texCoordSets, layout.texCoordSize[set], stride,
                       layout.texCoordOffset[set]);
}

void GlVertexInput::ElementBuffer(GLuint buffer)
{
    GLint bound = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &bound);
    if (buffer == lastElementBuffer_ && static_cast<GLuint>(bound) == buffer)
        return;
    lastElementBuffer_ = buffer;
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer);
}

GLint GlVertexInput::StreamVertices(const void* data, UINT count, UINT stride)
{
    const size_t offset = vertexRing_.Write(data, static_cast<size_t>(count) * stride, stride);
    return static_cast<GLint>(offset / stride);
}

size_t GlVertexInput::StreamIndices(const void* data, size_t bytes)
{
    // The ring binds itself to the element target, which the vertex array records.
    const size_t offset = indexRing_.Write(data, bytes, 4);
    lastElementBuffer_ = indexRing_.Buffer();
    return offset;
}

}  // namespace d3d8
