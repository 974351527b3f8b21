// The 3DS chunk reader on raw bytes. Besides the sanitizers' checks, the model it leaves must be
// consistent: counts match the arrays, every face names an existing vertex and every vertex has a
// normal, whatever the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "meshes/3DSChunkReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    C3DSChunkReader reader([](const std::string&, const std::string&) {});
    S3DSModel model;
    reader.Read(data, size, "fuzz.3ds", model);
    if (model.numObjects != static_cast<int32_t>(model.objects.size()) ||
        model.numMaterials != static_cast<int32_t>(model.materials.size()))
        std::abort();
    for (const S3DSObject& object : model.objects) {
        if (object.numVertices != static_cast<int32_t>(object.vertices.size()) ||
            object.numFaces != static_cast<int32_t>(object.faces.size()) ||
            object.numTexCoords != static_cast<int32_t>(object.texCoords.size()) ||
            object.normals.size() != object.vertices.size())
            std::abort();
        // 0 is also the value of an object that names no material, whether or not material 0 exists.
        if (object.materialId < -1 || (object.materialId > 0 && object.materialId >= model.numMaterials))
            std::abort();
        for (const S3DSFace& face : object.faces) {
            for (uint32_t index : face.vertIndex) {
                if (index >= object.vertices.size())
                    std::abort();
            }
        }
    }
    return 0;
}
