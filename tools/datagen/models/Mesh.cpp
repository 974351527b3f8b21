#include "models/Mesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen {

namespace {

// Points closer than this are the same point.
constexpr double kWeldStep = 1e-5;

long long Quantize(double value) { return std::llround(value / kWeldStep); }

}  // namespace

Vec3 PolygonNormal(const std::vector<Vec3>& positions)
{
    Vec3 normal;
    for (size_t i = 0; i < positions.size(); ++i) {
        const Vec3 a = positions[i], b = positions[(i + 1) % positions.size()];
        normal.x += (a.y - b.y) * (a.z + b.z);
        normal.y += (a.z - b.z) * (a.x + b.x);
        normal.z += (a.x - b.x) * (a.y + b.y);
    }
    // The same direction as (p1 - p0) x (p2 - p0) for a convex polygon, the face normal the reader
    // computes: with LightWave's clockwise corners it points out of the polygon's front.
    return normal;
}

int Mesh::AddSurface(const SurfaceStyle& style)
{
    m_surfaces.push_back(style);
    return static_cast<int>(m_surfaces.size()) - 1;
}

int Mesh::AddPoint(Vec3 position)
{
    const auto key = std::make_tuple(Quantize(position.x), Quantize(position.y), Quantize(position.z));
    const auto found = m_pointAt.find(key);
    if (found != m_pointAt.end())
        return found->second;
    m_points.push_back(position);
    const int index = static_cast<int>(m_points.size()) - 1;
    m_pointAt.emplace(key, index);
    return index;
}

void Mesh::AddFace(int surface, const std::vector<Vec3>& positions, const std::vector<Uv>& uvs, Vec3 outward)
{
    if (positions.size() < 3 || positions.size() != uvs.size())
        throw std::invalid_argument("a face needs three or more corners, each with a texture coordinate");
    if (surface < 0 || surface >= static_cast<int>(m_surfaces.size()))
        throw std::invalid_argument("a face names a surface the model does not have");
    Polygon polygon;
    polygon.surface = surface;
    for (size_t i = 0; i < positions.size(); ++i)
        polygon.corners.push_back({AddPoint(positions[i]), uvs[i]});
    if (Dot(PolygonNormal(positions), outward) < 0)
        std::reverse(polygon.corners.begin() + 1, polygon.corners.end());
    m_polygons.push_back(polygon);
}

void Mesh::AddGrid(int surface, int columns, int rows, const std::function<Vec3(double, double)>& at, UvRect rect,
                   Vec3 inside)
{
    AddGrid(surface, columns, rows, at, rect, [inside](double, double) { return inside; });
}

void Mesh::AddGrid(int surface, int columns, int rows, const std::function<Vec3(double, double)>& at, UvRect rect,
                   const std::function<Vec3(double, double)>& inside)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const double s0 = double(column) / columns, s1 = double(column + 1) / columns;
            const double t0 = double(row) / rows, t1 = double(row + 1) / rows;
            const std::vector<Vec3> quad{at(s0, t0), at(s1, t0), at(s1, t1), at(s0, t1)};
            const Vec3 middle = (quad[0] + quad[1] + quad[2] + quad[3]) * 0.25;
            AddFace(surface, quad, {rect.At(s0, t0), rect.At(s1, t0), rect.At(s1, t1), rect.At(s0, t1)},
                    middle - inside((s0 + s1) / 2, (t0 + t1) / 2));
        }
    }
}

Vec3 Mesh::BoxCentre() const
{
    if (m_points.empty())
        return {};
    Vec3 low = m_points.front(), high = m_points.front();
    for (const Vec3& p : m_points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    return (low + high) * 0.5;
}

void Mesh::Deform(const std::function<Vec3(Vec3)>& move)
{
    m_pointAt.clear();
    for (size_t i = 0; i < m_points.size(); ++i) {
        m_points[i] = move(m_points[i]);
        const Vec3 p = m_points[i];
        m_pointAt.emplace(std::make_tuple(Quantize(p.x), Quantize(p.y), Quantize(p.z)), static_cast<int>(i));
    }
}

}  // namespace datagen
