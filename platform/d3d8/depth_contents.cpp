#include "depth_contents.h"

#include <algorithm>

namespace d3d8 {

namespace {

bool IsEmpty(const PixelRect& r) { return r.width <= 0 || r.height <= 0; }

bool Contains(const PixelRect& outer, const PixelRect& inner)
{
    return IsEmpty(inner) || (inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
                              inner.y + inner.height <= outer.y + outer.height);
}

PixelRect Union(const PixelRect& a, const PixelRect& b)
{
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width), bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

bool DepthContents::WholeClearMatches(const PixelRect& area, float depth) const
{
    return fresh_ || (uniform_ && depth_ == depth && Contains(area, written_));
}

void DepthContents::ClearedWhole(float depth)
{
    fresh_ = false;
    uniform_ = true;
    depth_ = depth;
    written_ = {};
}

void DepthContents::Wrote(const PixelRect& area)
{
    fresh_ = false;
    written_ = Union(written_, area);
}

}  // namespace d3d8
