#include "display_modes.h"

#include <SDL.h>

#include <algorithm>
#include <tuple>

#include "win32_internal.h"

namespace d3d8 {

namespace {

constexpr UINT kDefaultRefreshRate = 60;

std::vector<ModeSize> FixedModeSizes()
{
    return {{640, 480, kDefaultRefreshRate},   {800, 600, kDefaultRefreshRate},   {1024, 768, kDefaultRefreshRate},
            {1280, 1024, kDefaultRefreshRate}, {1600, 1200, kDefaultRefreshRate}};
}

bool Before(const ModeSize& a, const ModeSize& b)
{
    return std::tie(a.width, a.height, a.refreshRate) < std::tie(b.width, b.height, b.refreshRate);
}

bool Same(const ModeSize& a, const ModeSize& b)
{
    return a.width == b.width && a.height == b.height && a.refreshRate == b.refreshRate;
}

}  // namespace

std::vector<ModeSize> AdapterModeSizes()
{
    std::vector<ModeSize> sizes;
    if (platform::EnsureVideo()) {
        int count = SDL_GetNumDisplayModes(0);
        for (int i = 0; i < count; ++i) {
            SDL_DisplayMode mode;
            if (SDL_GetDisplayMode(0, i, &mode) == 0 && mode.w > 0 && mode.h > 0)
                sizes.push_back({static_cast<UINT>(mode.w), static_cast<UINT>(mode.h),
                                 mode.refresh_rate > 0 ? static_cast<UINT>(mode.refresh_rate) : kDefaultRefreshRate});
        }
    }
    if (sizes.size() <= 1) {
        auto fixed = FixedModeSizes();
        sizes.insert(sizes.end(), fixed.begin(), fixed.end());
    }
    return sizes;
}

std::vector<D3DDISPLAYMODE> ListDisplayModes(std::vector<ModeSize> sizes)
{
    std::sort(sizes.begin(), sizes.end(), Before);
    sizes.erase(std::unique(sizes.begin(), sizes.end(), Same), sizes.end());
    std::vector<D3DDISPLAYMODE> modes;
    for (D3DFORMAT format : {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5})
        for (const ModeSize& size : sizes)
            modes.push_back({size.width, size.height, size.refreshRate, format});
    return modes;
}

bool DesktopDisplayMode(D3DDISPLAYMODE* mode)
{
    if (!platform::EnsureVideo())
        return false;
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0 || desktop.w <= 0 || desktop.h <= 0)
        return false;
    mode->Width = static_cast<UINT>(desktop.w);
    mode->Height = static_cast<UINT>(desktop.h);
    mode->RefreshRate = desktop.refresh_rate > 0 ? static_cast<UINT>(desktop.refresh_rate) : kDefaultRefreshRate;
    mode->Format = D3DFMT_X8R8G8B8;
    return true;
}

}  // namespace d3d8
