// Writes a mesh with per-vertex normals and one material as a DirectX .x file in text form.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "models/Geometry.h"

namespace datagen {

struct XMaterial {
    double r = 1, g = 1, b = 1, a = 1;  // face colour
    double power = 20;
    Vec3 specular{0.5, 0.5, 0.5};
    Vec3 emissive{0, 0, 0};
};

struct XMesh {
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;  // one per position
    std::vector<std::array<int, 3>> triangles;  // clockwise seen from the front
    XMaterial material;
};

// The file's text: header "xof 0302txt 0032", one Frame holding the Mesh with its MeshNormals and a
// MeshMaterialList of one Material. Throws std::invalid_argument for a mesh the 16-bit index buffer
// of the loader cannot hold or whose triangles name missing vertices.
std::string EncodeXText(const XMesh& mesh, const std::string& name);

}  // namespace datagen
