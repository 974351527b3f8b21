// The private data that applications attach to resources and surfaces by GUID.
#pragma once

#include <vector>

#include "d3d8.h"

namespace d3d8 {

class PrivateDataStore {
public:
    HRESULT Set(REFGUID guid, const void* data, DWORD size, DWORD flags);
    HRESULT Get(REFGUID guid, void* data, DWORD* size) const;
    HRESULT Free(REFGUID guid);

private:
    struct Entry {
        GUID guid;
        std::vector<BYTE> bytes;
    };
    std::vector<Entry> entries_;
};

}  // namespace d3d8
