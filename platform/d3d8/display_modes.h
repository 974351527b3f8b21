// The adapter's display modes as Direct3D lists them: each size and rate once per display format.
#pragma once

#include <vector>

#include "d3d8types.h"

namespace d3d8 {

struct ModeSize {
    UINT width, height, refreshRate;
};

// The distinct sizes SDL reports for the first display, or a fixed set of the usual sizes when the
// video driver knows no real modes (the offscreen driver reports one or none).
std::vector<ModeSize> AdapterModeSizes();
// Every size as X8R8G8B8 and as R5G6B5, sorted by size and rate.
std::vector<D3DDISPLAYMODE> ListDisplayModes(std::vector<ModeSize> sizes);
// The desktop's current mode in the desktop format.
bool DesktopDisplayMode(D3DDISPLAYMODE* mode);

}  // namespace d3d8
