// A DirectX .x mesh file shown as an engine object: the utility library parses it, and the object
// copies its vertices, faces, materials and texture names into its own buffers and material table.
#pragma once

#include <d3dx8.h>

#include "meshes/FileMeshObject.h"

class CXMeshObject : public CFileMeshObject {
public:
    // Loads the file named by SetFilename and builds the buffers. A file the library cannot load
    // leaves the object without buffers; it then draws nothing.
    void Init() override;

private:
    // The loaded mesh cloned into the engine's vertex layout with fresh normals; null on failure.
    ID3DXMesh* LoadMesh(ID3DXBuffer*& adjacency, ID3DXBuffer*& materials, DWORD& materialCount);
    void TakeMaterials(ID3DXBuffer* materials, DWORD materialCount);
    void TakeRanges(ID3DXMesh* mesh);
    void TakeRangesFromAttributes(ID3DXMesh* mesh);
};
