// The system-memory storage behind vertex and index buffers: locking, the range changed since the
// last upload, and the GL buffer that a draw reads.
#pragma once

#include <vector>

#include "d3d8.h"
#include "gl_api.h"

namespace d3d8 {

class BufferStorage {
public:
    explicit BufferStorage(UINT length) : bytes_(length) {}

    HRESULT Lock(UINT offset, UINT size, BYTE** data, DWORD flags);
    HRESULT Unlock();
    UINT Length() const { return static_cast<UINT>(bytes_.size()); }
    const BYTE* Bytes() const { return bytes_.data(); }
    bool IsDirty() const { return dirtyEnd_ > dirtyBegin_; }
    bool IsLocked() const { return lockCount_ > 0; }
    // Creates the GL buffer on the current context if needed and uploads what changed since the
    // last call; answers the buffer's name. GL_ARRAY_BUFFER is left bound to it only when it
    // uploaded something.
    GLuint Upload(GLuint& glBuffer);

private:
    void MarkDirty(UINT begin, UINT end);

    std::vector<BYTE> bytes_;
    UINT dirtyBegin_ = 0;
    UINT dirtyEnd_ = 0;
    int lockCount_ = 0;
    bool uploadedOnce_ = false;
};

}  // namespace d3d8
