// Loads a LightWave file into a CLWMeshObject on a headless screen and keeps what the object built.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../objects/object_test_support.h"
#include "lwo_test_support.h"

namespace lwo_test {

class CInspectedLWMesh : public CLWMeshObject {
public:
    std::vector<D3DMATERIAL8> Materials() const { return m_pMaterials; }
    std::vector<CString> TextureNames() const { return m_pTextureNames; }
    std::vector<int> RangeEnds() const { return m_pRangeEnds; }
    D3DXVECTOR3 BoxMin() const { return m_vBoxMin; }
    D3DXVECTOR3 BoxMax() const { return m_vBoxMax; }
};

struct SLoaded {
    std::vector<S3DVERTEX> vertices;
    std::vector<WORD> indices;
    int vertexCount = 0;
    int faces = 0;
    std::vector<D3DMATERIAL8> materials;
    std::vector<CString> textures;
    std::vector<int> ends;
    D3DXVECTOR3 boxMin{}, boxMax{};
    bool hasBuffer = false;
    std::vector<Box> boxes;
};

struct SOptions {
    bool drawTexture = true;
    bool flatShading = false;
};

// Loads the file on the screen that is running now and keeps what the object built.
inline SLoaded LoadOnRunningScreen(const std::string& windowsName, SOptions options = {})
{
    SLoaded loaded;
    CInspectedLWMesh mesh;
    mesh.SetFilename(windowsName.c_str());
    mesh.DrawTexture(options.drawTexture);
    mesh.SetFlatShading(options.flatShading);
    mesh.Init();
    loaded.vertices = ReadVertices(mesh);
    loaded.indices = ReadIndices(mesh);
    loaded.vertexCount = mesh.GetNumberVertices();
    loaded.faces = mesh.GetNumberFaces();
    loaded.materials = mesh.Materials();
    loaded.textures = mesh.TextureNames();
    loaded.ends = mesh.RangeEnds();
    loaded.boxMin = mesh.BoxMin();
    loaded.boxMax = mesh.BoxMax();
    loaded.hasBuffer = mesh.GetVB() != nullptr;
    mesh.CleanUp();
    return loaded;
}

inline SLoaded Load(const std::string& windowsName, SOptions options = {})
{
    SLoaded loaded;
    BoxRecorder recorder;
    RunScreen({}, [&] { loaded = LoadOnRunningScreen(windowsName, options); });
    loaded.boxes = recorder.boxes;
    return loaded;
}

// The triangle's face normal from the buffer, as the loader computes it.
inline D3DXVECTOR3 FaceNormal(const SLoaded& mesh, size_t triangle)
{
    const S3DVERTEX& a = mesh.vertices[mesh.indices[3 * triangle]];
    const S3DVERTEX& b = mesh.vertices[mesh.indices[3 * triangle + 1]];
    const S3DVERTEX& c = mesh.vertices[mesh.indices[3 * triangle + 2]];
    D3DXVECTOR3 u(b.x - a.x, b.y - a.y, b.z - a.z), v(c.x - a.x, c.y - a.y, c.z - a.z), n;
    D3DXVec3Cross(&n, &u, &v);
    D3DXVec3Normalize(&n, &n);
    return n;
}

}  // namespace lwo_test
