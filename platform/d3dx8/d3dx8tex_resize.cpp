// Scaling pictures with the D3DX filters. The box filter works on each axis in turn: a target pixel
// covers an interval of source pixels, each source pixel weighing by how much of it lies inside.
#include <algorithm>
#include <array>
#include <cmath>

#include "d3dx8tex_pixels.h"

namespace d3dx8 {

namespace {

using Channels = std::array<float, 4>;  // b, g, r, a

struct Tap {
    UINT index;
    float weight;
};

// For each of targetSize pixels, the source pixels it covers and their weights (summing to 1).
std::vector<std::vector<Tap>> BoxTaps(UINT sourceSize, UINT targetSize)
{
    std::vector<std::vector<Tap>> taps(targetSize);
    const double scale = double(sourceSize) / targetSize;
    for (UINT t = 0; t < targetSize; ++t) {
        const double begin = t * scale;
        const double end = (t + 1) * scale;
        const UINT last = std::min<UINT>(sourceSize - 1, static_cast<UINT>(std::ceil(end)) - 1);
        for (UINT s = static_cast<UINT>(begin); s <= last; ++s) {
            const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
            if (covered > 0)
                taps[t].push_back({s, static_cast<float>(covered / scale)});
        }
    }
    return taps;
}

Channels Unpack(D3DCOLOR value)
{
    return {float(value & 0xFF), float((value >> 8) & 0xFF), float((value >> 16) & 0xFF), float(value >> 24)};
}

D3DCOLOR Pack(const Channels& c)
{
    D3DCOLOR value = 0;
    for (int i = 0; i < 4; ++i) {
        // Rounded half away from zero; in double the half added to a float is exact.
        const auto channel = static_cast<D3DCOLOR>(static_cast<double>(std::clamp(c[i], 0.0f, 255.0f)) + 0.5);
        value |= channel << (8 * i);
    }
    return value;
}

Pixels ResizeBox(const Pixels& source, UINT width, UINT height)
{
    const auto columns = BoxTaps(source.width, width);
    const auto rows = BoxTaps(source.height, height);
    // Horizontal pass: source height x target width.
    std::vector<Channels> across(size_t(width) * source.height, Channels{});
    std::vector<Channels> sourceRow(source.width);
    for (UINT y = 0; y < source.height; ++y) {
        for (UINT x = 0; x < source.width; ++x)
            sourceRow[x] = Unpack(source.values[size_t(y) * source.width + x]);
        for (UINT x = 0; x < width; ++x)
            for (const Tap& tap : columns[x])
                for (int i = 0; i < 4; ++i)
                    across[size_t(y) * width + x][i] += sourceRow[tap.index][i] * tap.weight;
    }
    Pixels target{width, height, std::vector<D3DCOLOR>(size_t(width) * height)};
    for (UINT y = 0; y < height; ++y)
        for (UINT x = 0; x < width; ++x) {
            Channels sum{};
            for (const Tap& tap : rows[y])
                for (int i = 0; i < 4; ++i)
                    sum[i] += across[size_t(tap.index) * width + x][i] * tap.weight;
            target.values[size_t(y) * width + x] = Pack(sum);
        }
    return target;
}

// Each axis halved exactly or kept (the usual step from one mip level to the next). The box filter's
// weights are then 1/2 or 1, exact in floating point, so the sum of the covered pixels rounded half up
// is the same value the general filter gives, with no weights to multiply.
bool HalvesOrKeepsEachAxis(const Pixels& source, UINT width, UINT height)
{
    return (source.width == width || source.width == 2 * width) &&
           (source.height == height || source.height == 2 * height);
}

Pixels ResizeHalving(const Pixels& source, UINT width, UINT height)
{
    const UINT stepX = source.width / width, stepY = source.height / height;
    const UINT count = stepX * stepY;  // 2 or 4 pixels per target pixel
    Pixels target{width, height, std::vector<D3DCOLOR>(size_t(width) * height)};
    for (UINT y = 0; y < height; ++y) {
        const D3DCOLOR* row0 = source.values.data() + size_t(y) * stepY * source.width;
        const D3DCOLOR* row1 = row0 + (stepY - 1) * size_t(source.width);
        for (UINT x = 0; x < width; ++x) {
            const UINT x0 = x * stepX, x1 = x0 + stepX - 1;
            D3DCOLOR value = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                auto channel = [shift](D3DCOLOR pixel) { return (pixel >> shift) & 0xFF; };
                UINT sum = channel(row0[x0]) + (stepX == 2 ? channel(row0[x1]) : 0);
                if (stepY == 2)
                    sum += channel(row1[x0]) + (stepX == 2 ? channel(row1[x1]) : 0);
                value |= static_cast<D3DCOLOR>((sum + count / 2) / count) << shift;
            }
            target.values[size_t(y) * width + x] = value;
        }
    }
    return target;
}

Pixels ResizePoint(const Pixels& source, UINT width, UINT height)
{
    Pixels target{width, height, std::vector<D3DCOLOR>(size_t(width) * height)};
    for (UINT y = 0; y < height; ++y) {
        const size_t sy = (size_t(2 * y + 1) * source.height) / (size_t(2) * height);
        for (UINT x = 0; x < width; ++x) {
            const size_t sx = (size_t(2 * x + 1) * source.width) / (size_t(2) * width);
            target.values[size_t(y) * width + x] = source.values[sy * source.width + sx];
        }
    }
    return target;
}

Pixels CopyTopLeft(const Pixels& source, UINT width, UINT height)
{
    Pixels target{width, height, std::vector<D3DCOLOR>(size_t(width) * height, 0)};
    const UINT w = std::min(width, source.width);
    const UINT h = std::min(height, source.height);
    for (UINT y = 0; y < h; ++y)
        std::copy_n(source.values.begin() + size_t(y) * source.width, w,
                    target.values.begin() + size_t(y) * width);
    return target;
}

}  // namespace

DWORD FilterKind(DWORD filter, DWORD fallback)
{
    const DWORD kind = (filter == D3DX_DEFAULT ? fallback : filter) & 0xFFFF;
    return kind >= D3DX_FILTER_NONE && kind <= D3DX_FILTER_BOX ? kind : 0;
}

Pixels Resize(const Pixels& source, UINT width, UINT height, DWORD filterKind)
{
    if (width == source.width && height == source.height)
        return source;
    switch (filterKind) {
    case D3DX_FILTER_NONE:
        return CopyTopLeft(source, width, height);
    case D3DX_FILTER_POINT:
        return ResizePoint(source, width, height);
    default:
        return HalvesOrKeepsEachAxis(source, width, height) ? ResizeHalving(source, width, height)
                                                            : ResizeBox(source, width, height);
    }
}

}  // namespace d3dx8
