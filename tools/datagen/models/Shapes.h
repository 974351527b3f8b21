// Shapes the models are assembled from: rings (tori), tubes along a line of joints, and boxes.
#pragma once

#include <vector>

#include "models/Geometry.h"
#include "models/Mesh.h"

namespace datagen {

// A ring of `segments` steps about `axis` through `centre`, its tube cut into `sides` steps; the
// texture's u runs around the ring and v around the tube.
struct Ring {
    Vec3 centre, axis{0, 0, 1};
    double radius = 1, tube = 0.2;
    int segments = 24, sides = 8;
};
void AddRing(Mesh& mesh, int surface, const Ring& ring, UvRect rect);

// One cross-section of a tube: an ellipse about `centre` with half-widths `width` (along the tube's
// sideways direction) and `depth` (across it).
struct TubeJoint {
    Vec3 centre;
    double width = 0.1, depth = 0.1;
};

// How a tube ends: open, closed by a flat polygon, or drawn to a point `length` beyond its last joint.
struct TubeEnd {
    enum Kind { Open, Flat, Point } kind = Flat;
    double length = 0;
};

struct Tube {
    std::vector<TubeJoint> joints;  // two or more
    Vec3 sideways{1, 0, 0};         // the direction the joints' widths lie along
    int sides = 6;
    TubeEnd start, end;
};
// The texture's u runs around the tube and v along it.
void AddTube(Mesh& mesh, int surface, const Tube& tube, UvRect rect);

// A box about `centre` with half-edges along three perpendicular directions; every face gets the
// whole rectangle.
void AddBox(Mesh& mesh, int surface, Vec3 centre, Vec3 halfX, Vec3 halfY, Vec3 halfZ, UvRect rect);

}  // namespace datagen
