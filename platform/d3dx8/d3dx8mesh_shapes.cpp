// The sphere, cylinder and torus generators. Every triangle (a, b, c) has (b - a) x (c - a) pointing out of
// the solid, which in left-handed coordinates is clockwise as seen from outside.
#include <cmath>
#include <new>

#include "d3dx8mesh_object.h"

namespace d3dx8mesh {
namespace {

// Generated meshes live in the managed pool, like the library's own generators put them.
constexpr DWORD kShapeOptions = D3DXMESH_MANAGED;

void AddVertex(MeshArrays& arrays, const D3DXVECTOR3& position, const D3DXVECTOR3& normal)
{
    arrays.positions.push_back(position);
    arrays.normals.push_back(normal);
}

void AddTriangle(MeshArrays& arrays, uint32_t a, uint32_t b, uint32_t c)
{
    arrays.indices.insert(arrays.indices.end(), {a, b, c});
    arrays.attributes.push_back(0);
}

// Two triangles over the quad whose corners, in order around it, are a, b, c, d.
void AddQuad(MeshArrays& arrays, uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    AddTriangle(arrays, a, b, c);
    AddTriangle(arrays, a, c, d);
}

float Angle(UINT step, UINT steps)
{
    return 2.0f * D3DX_PI * static_cast<float>(step) / static_cast<float>(steps);
}

// Sphere: pole (0, 0, r) first, rings from the top down (angle theta from +z), slice angle phi from +x
// towards +y, pole (0, 0, -r) last. Faces: the top fan, the bands between rings, the bottom fan.
MeshArrays SphereArrays(float radius, UINT slices, UINT stacks)
{
    MeshArrays arrays;
    AddVertex(arrays, {0, 0, radius}, {0, 0, 1});
    for (UINT stack = 1; stack < stacks; ++stack) {
        const float theta = D3DX_PI * static_cast<float>(stack) / static_cast<float>(stacks);
        for (UINT slice = 0; slice < slices; ++slice) {
            const float phi = Angle(slice, slices);
            const D3DXVECTOR3 normal(std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi),
                                     std::cos(theta));
            AddVertex(arrays, normal * radius, normal);
        }
    }
    const uint32_t bottom = slices * (stacks - 1) + 1;
    AddVertex(arrays, {0, 0, -radius}, {0, 0, -1});
    auto ring = [slices](UINT stack, UINT slice) { return 1 + (stack - 1) * slices + slice % slices; };
    for (UINT slice = 0; slice < slices; ++slice)
        AddTriangle(arrays, 0, ring(1, slice), ring(1, slice + 1));
    for (UINT stack = 1; stack + 1 < stacks; ++stack)
        for (UINT slice = 0; slice < slices; ++slice)
            AddQuad(arrays, ring(stack, slice), ring(stack + 1, slice), ring(stack + 1, slice + 1),
                    ring(stack, slice + 1));
    for (UINT slice = 0; slice < slices; ++slice)
        AddTriangle(arrays, bottom, ring(stacks - 1, slice + 1), ring(stacks - 1, slice));
    return arrays;
}

// Cylinder: the -z cap (centre, then its rim), stacks + 1 side rings from -z to +z, the +z cap (rim, then
// its centre, the last vertex). Cap vertices carry the cap's normal, side vertices the slanted side's.
MeshArrays CylinderArrays(float radius1, float radius2, float length, UINT slices, UINT stacks)
{
    MeshArrays arrays;
    const float half = length / 2;
    const float slope = length > 0 ? (radius1 - radius2) / length : 0.0f;
    auto rim = [&](float radius, float z, const D3DXVECTOR3& normal) {
        for (UINT slice = 0; slice < slices; ++slice) {
            const float phi = Angle(slice, slices);
            AddVertex(arrays, {radius * std::cos(phi), radius * std::sin(phi), z}, normal);
        }
    };
    AddVertex(arrays, {0, 0, -half}, {0, 0, -1});
    rim(radius1, -half, {0, 0, -1});
    for (UINT stack = 0; stack <= stacks; ++stack) {
        const float t = static_cast<float>(stack) / static_cast<float>(stacks);
        const float radius = radius1 + (radius2 - radius1) * t;
        const float z = -half + length * t;
        for (UINT slice = 0; slice < slices; ++slice) {
            const float phi = Angle(slice, slices);
            D3DXVECTOR3 normal(std::cos(phi), std::sin(phi), slope);
            D3DXVec3Normalize(&normal, &normal);
            AddVertex(arrays, {radius * std::cos(phi), radius * std::sin(phi), z}, normal);
        }
    }
    rim(radius2, half, {0, 0, 1});
    const uint32_t topCentre = static_cast<uint32_t>(arrays.positions.size());
    AddVertex(arrays, {0, 0, half}, {0, 0, 1});

    auto at = [slices](uint32_t first, UINT slice) { return first + slice % slices; };
    for (UINT slice = 0; slice < slices; ++slice)
        AddTriangle(arrays, 0, at(1, slice + 1), at(1, slice));
    for (UINT stack = 0; stack < stacks; ++stack) {
        const uint32_t lower = 1 + slices * (stack + 1);
        const uint32_t upper = lower + slices;
        for (UINT slice = 0; slice < slices; ++slice)
            AddQuad(arrays, at(lower, slice), at(lower, slice + 1), at(upper, slice + 1), at(upper, slice));
    }
    const uint32_t topRim = topCentre - slices;
    for (UINT slice = 0; slice < slices; ++slice)
        AddTriangle(arrays, topCentre, at(topRim, slice), at(topRim, slice + 1));
    return arrays;
}

// Torus: rings around z (angle theta from +x towards +y), each a circle of sides vertices around the tube
// (angle phi from the outward direction towards +z); vertex ring * sides + side.
MeshArrays TorusArrays(float innerRadius, float outerRadius, UINT sides, UINT rings)
{
    MeshArrays arrays;
    for (UINT ring = 0; ring < rings; ++ring) {
        const float theta = Angle(ring, rings);
        const D3DXVECTOR3 centre(outerRadius * std::cos(theta), outerRadius * std::sin(theta), 0);
        for (UINT side = 0; side < sides; ++side) {
            const float phi = Angle(side, sides);
            const D3DXVECTOR3 normal(std::cos(phi) * std::cos(theta), std::cos(phi) * std::sin(theta),
                                     std::sin(phi));
            AddVertex(arrays, centre + normal * innerRadius, normal);
        }
    }
    auto at = [sides, rings](UINT ring, UINT side) { return (ring % rings) * sides + side % sides; };
    for (UINT ring = 0; ring < rings; ++ring)
        for (UINT side = 0; side < sides; ++side)
            AddQuad(arrays, at(ring, side), at(ring + 1, side), at(ring + 1, side + 1), at(ring, side + 1));
    return arrays;
}

// Vertex counts of the shapes stay within 16-bit indices; larger requests are refused rather than wrapped.
bool FitsShortIndices(uint64_t vertices)
{
    return vertices <= 0xFFFF;
}

template <class MakeArrays>
HRESULT Generate(LPDIRECT3DDEVICE8 device, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency, MakeArrays makeArrays)
{
    try {
        return BuildMesh(device, kShapeOptions, makeArrays(), mesh, adjacency);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

bool ClearOutputs(LPDIRECT3DDEVICE8 device, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency)
{
    if (adjacency)
        *adjacency = nullptr;
    if (!mesh)
        return false;
    *mesh = nullptr;
    return device != nullptr;
}

}  // namespace
}  // namespace d3dx8mesh

using namespace d3dx8mesh;

HRESULT WINAPI D3DXCreateSphere(LPDIRECT3DDEVICE8 device, FLOAT radius, UINT slices, UINT stacks,
                                LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency)
{
    if (!ClearOutputs(device, mesh, adjacency) || !(radius >= 0) || slices < 2 || stacks < 2 ||
        !FitsShortIndices(uint64_t(slices) * (stacks - 1) + 2))
        return D3DERR_INVALIDCALL;
    return Generate(device, mesh, adjacency, [&] { return SphereArrays(radius, slices, stacks); });
}

HRESULT WINAPI D3DXCreateCylinder(LPDIRECT3DDEVICE8 device, FLOAT radius1, FLOAT radius2, FLOAT length,
                                  UINT slices, UINT stacks, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency)
{
    if (!ClearOutputs(device, mesh, adjacency) || !(radius1 >= 0) || !(radius2 >= 0) || !(length >= 0) ||
        slices < 2 || stacks < 1 || !FitsShortIndices(uint64_t(slices) * (uint64_t(stacks) + 3) + 2))
        return D3DERR_INVALIDCALL;
    return Generate(device, mesh, adjacency,
                    [&] { return CylinderArrays(radius1, radius2, length, slices, stacks); });
}

HRESULT WINAPI D3DXCreateTorus(LPDIRECT3DDEVICE8 device, FLOAT innerRadius, FLOAT outerRadius, UINT sides,
                               UINT rings, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency)
{
    if (!ClearOutputs(device, mesh, adjacency) || !(innerRadius >= 0) || !(outerRadius >= 0) || sides < 3 ||
        rings < 3 || !FitsShortIndices(uint64_t(sides) * rings))
        return D3DERR_INVALIDCALL;
    return Generate(device, mesh, adjacency, [&] { return TorusArrays(innerRadius, outerRadius, sides, rings); });
}
