// The capabilities the device reports: those of a fixed-function card of its time.
#pragma once

#include "d3d8caps.h"

namespace d3d8 {

void FillDeviceCaps(D3DDEVTYPE type, D3DCAPS8* caps);

}  // namespace d3d8
