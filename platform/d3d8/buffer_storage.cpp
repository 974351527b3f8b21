#include "buffer_storage.h"

#include <algorithm>

namespace d3d8 {

HRESULT BufferStorage::Lock(UINT offset, UINT size, BYTE** data, DWORD flags)
{
    if (!data)
        return D3DERR_INVALIDCALL;
    *data = nullptr;
    const UINT length = Length();
    if (offset > length || (size != 0 && size > length - offset))
        return D3DERR_INVALIDCALL;
    // Size 0 locks from the offset to the end, as Direct3D does. A discarding lock hands back the
    // whole buffer as changed: the application may rewrite any of it.
    const UINT end = size == 0 ? length : offset + size;
    if (flags & D3DLOCK_DISCARD)
        MarkDirty(0, length);
    else if (!(flags & D3DLOCK_READONLY))
        MarkDirty(offset, end);
    ++lockCount_;
    *data = bytes_.data() + offset;
    return D3D_OK;
}

HRESULT BufferStorage::Unlock()
{
    if (lockCount_ == 0)
        return D3DERR_INVALIDCALL;
    --lockCount_;
    return D3D_OK;
}

void BufferStorage::MarkDirty(UINT begin, UINT end)
{
    if (!IsDirty()) {
        dirtyBegin_ = begin;
        dirtyEnd_ = end;
        return;
    }
    dirtyBegin_ = std::min(dirtyBegin_, begin);
    dirtyEnd_ = std::max(dirtyEnd_, end);
}

GLuint BufferStorage::Upload(GLuint& glBuffer)
{
    if (!glBuffer) {
        glGenBuffers(1, &glBuffer);
        uploadedOnce_ = false;
    }
    // Unchanged since the last upload: the draw only needs the name.
    if (uploadedOnce_ && !IsDirty())
        return glBuffer;
    glBindBuffer(GL_ARRAY_BUFFER, glBuffer);
    if (!uploadedOnce_) {
        glBufferData(GL_ARRAY_BUFFER, bytes_.size(), bytes_.data(), GL_DYNAMIC_DRAW);
        uploadedOnce_ = true;
    } else if (IsDirty()) {
        glBufferSubData(GL_ARRAY_BUFFER, dirtyBegin_, dirtyEnd_ - dirtyBegin_, bytes_.data() + dirtyBegin_);
    }
    dirtyBegin_ = dirtyEnd_ = 0;
    return glBuffer;
}

}  // namespace d3d8
