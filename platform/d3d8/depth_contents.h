// What a depth buffer holds outside the pixels written since it was last cleared whole. GL drivers
// clear a whole buffer far faster than a scissored part of it (Mesa's software rasteriser draws a
// rectangle through its pixel pipeline for the latter), while Direct3D clears only the viewport. A
// viewport clear may still clear the whole buffer when the result is the same: every pixel written
// since the last whole clear lies inside the viewport, and that clear left the value now asked for.
#pragma once

#include "back_buffer.h"

namespace d3d8 {

class DepthContents {
public:
    // Whether clearing the whole buffer to depth leaves it as clearing only `area` would.
    bool WholeClearMatches(const PixelRect& area, float depth) const;
    void ClearedWhole(float depth);
    // Pixels of `area` may hold other values from now on.
    void Wrote(const PixelRect& area);

private:
    bool fresh_ = true;  // nothing cleared or written yet: the contents are undefined
    bool uniform_ = false;  // everything outside written_ holds depth_
    float depth_ = 0;
    PixelRect written_;  // the bounding rectangle of the pixels written since; empty when width is 0
};

}  // namespace d3d8
