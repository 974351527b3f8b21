#include "gl_vertex_layout.h"

#include <algorithm>

namespace d3d8 {

namespace {

// Floats in texture coordinate set i: the two format bits of the set, where 0 means two floats.
int TexCoordSize(DWORD fvf, int set)
{
    switch ((fvf >> (16 + set * 2)) & 3) {
    case D3DFVF_TEXTUREFORMAT1:
        return 1;
    case D3DFVF_TEXTUREFORMAT3:
        return 3;
    case D3DFVF_TEXTUREFORMAT4:
        return 4;
    default:
        return 2;
    }
}

}  // namespace

bool LayoutOfFvf(DWORD fvf, VertexLayout* layout)
{
    VertexLayout l;
    const DWORD position = fvf & D3DFVF_POSITION_MASK;
    UINT offset = 0;
    if (position == D3DFVF_XYZRHW) {
        l.transformed = true;
        offset = 16;
    } else if (position >= D3DFVF_XYZ && position <= D3DFVF_XYZB5) {
        // XYZ, then 0 to 5 blend weights (XYZB1 is 6, XYZB5 is 14) that the device does not blend with.
        offset = 12 + (position == D3DFVF_XYZ ? 0 : 4 * ((position - D3DFVF_XYZRHW) / 2));
    } else {
        return false;
    }
    auto take = [&](bool present, UINT bytes, bool& flag, UINT& at) {
        flag = present;
        if (present) {
            at = offset;
            offset += bytes;
        }
    };
    take((fvf & D3DFVF_NORMAL) != 0, 12, l.hasNormal, l.normalOffset);
    take((fvf & D3DFVF_PSIZE) != 0, 4, l.hasPointSize, l.pointSizeOffset);
    take((fvf & D3DFVF_DIFFUSE) != 0, 4, l.hasDiffuse, l.diffuseOffset);
    take((fvf & D3DFVF_SPECULAR) != 0, 4, l.hasSpecular, l.specularOffset);
    l.texCoordSets = static_cast<int>(std::min<DWORD>((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT, 8));
    for (int set = 0; set < l.texCoordSets; ++set) {
        l.texCoordOffset[set] = offset;
        l.texCoordSize[set] = TexCoordSize(fvf, set);
        offset += 4 * l.texCoordSize[set];
    }
    l.stride = offset;
    *layout = l;
    return true;
}

}  // namespace d3d8
