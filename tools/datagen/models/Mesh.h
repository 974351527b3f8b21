// A polygon model being built: welded points, convex polygons with a surface and one texture
// coordinate per corner, and the surfaces (colour and texture). LwoWriter turns it into an LWO2 file.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "models/Geometry.h"

namespace datagen {

struct SurfaceStyle {
    std::string name;
    // Base colour, which the engine uses as the ambient and diffuse reflectance. The demo's ambient
    // light is half grey, so a textured surface needs about 2 to show its picture at full brightness
    // (the device clamps the lit colour at white).
    double r = 1, g = 1, b = 1;
    std::string texture;         // picture in the Data folder, empty for none
    bool shiny = false;          // gives the surface a specular colour
};

struct Corner {
    int point = 0;
    Uv uv;
};

struct Polygon {
    int surface = 0;
    std::vector<Corner> corners;  // clockwise seen from the side the polygon faces
};

class Mesh {
public:
    int AddSurface(const SurfaceStyle& style);
    // Returns the index of the point at that place, adding it when it is new, so that polygons that
    // meet share their points and the reader can smooth across them.
    int AddPoint(Vec3 position);
    // Adds a convex polygon; its corners are reordered when needed so that it faces along `outward`.
    void AddFace(int surface, const std::vector<Vec3>& positions, const std::vector<Uv>& uvs, Vec3 outward);
    // A grid of columns x rows quads over the parametric surface at(s, t), s and t in 0..1, mapped onto
    // `rect`; each quad faces away from `inside`.
    void AddGrid(int surface, int columns, int rows, const std::function<Vec3(double, double)>& at, UvRect rect,
                 Vec3 inside);
    // The same, each quad facing away from inside(s, t) taken at its middle (for shapes such as a ring,
    // whose inside is not one point).
    void AddGrid(int surface, int columns, int rows, const std::function<Vec3(double, double)>& at, UvRect rect,
                 const std::function<Vec3(double, double)>& inside);
    // Moves every point (for shapes made by bending a simpler one).
    void Deform(const std::function<Vec3(Vec3)>& move);

    // The middle of the box around all points.
    Vec3 BoxCentre() const;

    const std::vector<Vec3>& Points() const { return m_points; }
    const std::vector<Polygon>& Polygons() const { return m_polygons; }
    const std::vector<SurfaceStyle>& Surfaces() const { return m_surfaces; }

private:
    std::vector<Vec3> m_points;
    std::vector<Polygon> m_polygons;
    std::vector<SurfaceStyle> m_surfaces;
    std::map<std::tuple<long long, long long, long long>, int> m_pointAt;
};

// Newell's normal of a polygon's corner positions (not normalised; zero for a degenerate polygon).
Vec3 PolygonNormal(const std::vector<Vec3>& positions);

}  // namespace datagen
