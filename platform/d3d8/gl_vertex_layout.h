// Where each element of a flexible-vertex-format vertex lies, in Direct3D's fixed element order:
// position (xyz or xyz + rhw, plus blend weights), normal, point size, diffuse, specular, then the
// texture coordinate sets.
#pragma once

#include "d3d8types.h"

namespace d3d8 {

// Coordinate sets the generated programs read; further sets in a vertex are skipped over.
constexpr int kMaxTexCoordSets = 4;

struct VertexLayout {
    bool transformed = false;  // XYZRHW: screen pixels, depth and 1/w
    bool hasNormal = false, hasPointSize = false, hasDiffuse = false, hasSpecular = false;
    int texCoordSets = 0;                       // sets in the vertex (up to 8)
    UINT positionOffset = 0;
    UINT normalOffset = 0, pointSizeOffset = 0, diffuseOffset = 0, specularOffset = 0;
    UINT texCoordOffset[8] = {};
    int texCoordSize[8] = {};                   // floats per set: 1 to 4
    UINT stride = 0;                            // the FVF's own vertex size
};

// The layout of an FVF code; false for codes without a position.
bool LayoutOfFvf(DWORD fvf, VertexLayout* layout);

}  // namespace d3d8
