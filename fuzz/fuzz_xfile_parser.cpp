// The text .x parser on raw bytes: malformed input may only end in FormatError, and the scene it
// returns must index within its own arrays.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "xfile_parser.h"

namespace {

void CheckPolygons(const xfile::Polygons& polygons, size_t limit)
{
    size_t corners = 0;
    for (uint32_t count : polygons.cornerCounts)
        corners += count;
    if (corners != polygons.corners.size())
        std::abort();
    for (uint32_t index : polygons.corners) {
        if (index >= limit)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    xfile::Scene scene;
    try {
        scene = xfile::ParseText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const xfile::FormatError&) {
        return 0;
    }
    for (const xfile::MeshData& mesh : scene.meshes) {
        CheckPolygons(mesh.faces, mesh.positions.size());
        if (!mesh.normalFaces.cornerCounts.empty())
            CheckPolygons(mesh.normalFaces, mesh.normals.size());
        if (!mesh.materials.empty()) {
            for (DWORD material : mesh.faceMaterials) {
                if (material >= mesh.materials.size())
                    std::abort();
            }
        }
    }
    return 0;
}
