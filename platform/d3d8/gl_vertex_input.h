// The vertex array of the renderer: attribute pointers for the current FVF and vertex buffer (set
// again only when they change), and streaming buffers for the vertices and indices the UP calls
// pass in application memory.
#pragma once

#include <cstddef>

#include "gl_api.h"
#include "gl_vertex_layout.h"

namespace d3d8 {

// A buffer written front to back and orphaned when full, so that writes never wait for draws that
// still read its earlier contents.
class StreamRing {
public:
    explicit StreamRing(GLenum target) : target_(target) {}
    // Copies bytes in at an offset that is a multiple of align and answers that offset; the buffer
    // stays bound to the ring's target.
    size_t Write(const void* data, size_t bytes, size_t align);
    GLuint Buffer() const { return buffer_; }

private:
    GLenum target_;
    GLuint buffer_ = 0;
    size_t capacity_ = 0;
    size_t offset_ = 0;
};

class GlVertexInput {
public:
    void Bind();
    // Points the attributes at a buffer holding vertices of the layout, vertex 0 at byte 0.
    void Attributes(GLuint buffer, const VertexLayout& layout, UINT stride, DWORD fvf);
    void ElementBuffer(GLuint buffer);
    // Streams vertices in; answers the index of the first one in the streaming buffer.
    GLint StreamVertices(const void* data, UINT count, UINT stride);
    // Streams indices in; answers their byte offset in the streaming index buffer.
    size_t StreamIndices(const void* data, size_t bytes);
    GLuint VertexStream() const { return vertexRing_.Buffer(); }

private:
    GLuint vao_ = 0;
    GLuint lastBuffer_ = 0;
    UINT lastStride_ = 0;
    DWORD lastFvf_ = 0;
    GLuint lastElementBuffer_ = 0;
    StreamRing vertexRing_{GL_ARRAY_BUFFER};
    StreamRing indexRing_{GL_ELEMENT_ARRAY_BUFFER};
};

}  // namespace d3d8
