// A 3D Studio mesh file shown as an engine object: the chunk reader fills a model of every object and
// material in the file, and the first object becomes the object's single mesh with one material and
// at most one texture.
#pragma once

#include <afxwin.h>

#include "meshes/3DSChunkReader.h"
#include "meshes/FileMeshObject.h"

class C3DSMeshObject : public CFileMeshObject {
public:
    // Reads the file named by SetFilename into an emptied model and builds the buffers from object 0.
    // A file that cannot be read, or that holds no object, leaves the object without buffers.
    void Init() override;
    // Releases the buffers; the model stays.
    void CleanUp() override;

protected:
    void DisplayError(CString text);

    int32_t m_nObjects = 0;
    int32_t m_nMaterialCount = 0;
    std::vector<S3DSMaterial> m_Materials;
    std::vector<S3DSObject> m_Objects;

private:
    bool ReadModel();
    void FillBuffers(const S3DSObject& object, float r, float g, float b);
};
