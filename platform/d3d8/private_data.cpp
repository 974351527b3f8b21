#include "private_data.h"

#include <algorithm>

namespace d3d8 {

// D3DSPD_IUNKNOWN: the data is an interface pointer, which is kept as a plain pointer value here.
HRESULT PrivateDataStore::Set(REFGUID guid, const void* data, DWORD size, DWORD flags)
{
    if (!data && size)
        return D3DERR_INVALIDCALL;
    Free(guid);
    Entry entry{guid, {}};
    const BYTE* bytes = static_cast<const BYTE*>(data);
    entry.bytes.assign(bytes, bytes + size);
    entries_.push_back(std::move(entry));
    return D3D_OK;
}

HRESULT PrivateDataStore::Get(REFGUID guid, void* data, DWORD* size) const
{
    if (!size)
        return D3DERR_INVALIDCALL;
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.guid == guid; });
    if (it == entries_.end())
        return D3DERR_NOTFOUND;
    DWORD needed = static_cast<DWORD>(it->bytes.size());
    if (!data || *size < needed) {
        *size = needed;
        return D3DERR_MOREDATA;
    }
    std::copy(it->bytes.begin(), it->bytes.end(), static_cast<BYTE*>(data));
    *size = needed;
    return D3D_OK;
}

HRESULT PrivateDataStore::Free(REFGUID guid)
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.guid == guid; });
    if (it == entries_.end())
        return D3DERR_NOTFOUND;
    entries_.erase(it);
    return D3D_OK;
}

}  // namespace d3d8
