// The six faces of the unit cube (corners at +-1) shared by the hero cube and its morph stages: each
// face's outward normal, the directions that are right and up on its picture seen from outside, and
// the atlas tile it wears.
#pragma once

#include <array>

#include "models/CubeSkin.h"
#include "models/Geometry.h"
#include "models/Mesh.h"

namespace datagen {

struct CubeFace {
    Vec3 normal, right, up;
    CubeTile tile;

    // The point of the face at picture position (s, t), s to the right and t down, both 0..1, with the
    // face's square scaled by `extent` about its centre.
    Vec3 At(double s, double t, double extent = 1) const
    {
        return normal + (right * (2 * s - 1) + up * (1 - 2 * t)) * extent;
    }
};

// Front (towards the viewer, -z) first; the title shows the front, the bottom and a side.
const std::array<CubeFace, 6>& CubeFaces();

// The face's square with its middle square (picture positions from `inner` to 1 - `inner`) cut out,
// as four trapezoids wearing the outside of the face's tile.
void AddFaceRing(Mesh& mesh, int surface, const CubeFace& face, double inner);

// The surface every cube stage uses: white, so that the picture shows in its own colours.
int AddCubeSkinSurface(Mesh& mesh, const char* name);

}  // namespace datagen
