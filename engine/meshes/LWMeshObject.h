// A LightWave 6.x/7.x object file (LWO2) shown as an engine object. The file is read whole into a
// buffer and parsed by CLWObjectReader; this object gives the reader its materials, textures and
// message boxes, and builds the vertex and index buffers from the points and triangles it read.
// Anything the reader cannot represent stops the load with a message box.
#pragma once

#include <afxwin.h>

#include <cstdint>
#include <vector>

#include "meshes/FileMeshObject.h"
#include "meshes/LWObjectReader.h"

class CLWMeshObject : public CFileMeshObject {
public:
    using SLWVertex = CLWObjectReader::SLWVertex;

    CLWMeshObject();
    // The reader holds this object's target, so the object is not copied.
    CLWMeshObject(const CLWMeshObject&) = delete;
    CLWMeshObject& operator=(const CLWMeshObject&) = delete;
    ~CLWMeshObject() override;

    // Loads the file named by SetFilename and builds the vertex and index buffers from it.
    void Init() override;
    // Frees the file buffer, then the device resources.
    void CleanUp() override;

    static constexpr int kClipSlots = CLWObjectReader::kClipSlots;
    static constexpr int kMaxCorners = CLWObjectReader::kMaxCorners;
    static constexpr int kMaxPoints = CLWObjectReader::kMaxPoints;
    static constexpr const char* kErrorCaption = "Lightwave importer Error";

protected:
    // The whole load. readTags selects whether PTAG sets the object's materials; reference, when not
    // null, gives the positions that decide the crease splits (same point indexes as this file). The
    // vertex and face counts, and the box of a whole file, become the object's.
    void LoadMesh(CString filename, bool readTags, const SLWVertex* reference, int referenceCount = 0);
    // Files longer than 1,000,000 bytes are cut at that size.
    bool OpenFileInBuffer(CString filename);
    void InitLwoParameters();
    void DisplayError(CString message);
    CLWObjectReader::SOptions ReadOptions(bool readTags) const;

    uint32_t m_nFileLength;
    std::vector<unsigned char> m_pFileBuffer;

private:
    // Hands the reader's materials, textures and messages to this object.
    class CTarget : public CLWModelTarget {
    public:
        explicit CTarget(CLWMeshObject& mesh) : m_Mesh(mesh) {}
        void SetNumberMaterials(int count) override;
        void SetMaterialIndex(int material, int faceEnd) override;
        void SetAmbientColor(D3DCOLORVALUE color, int material) override;
        void SetDiffuseColor(D3DCOLORVALUE color, int material) override;
        void SetSpecularColor(D3DCOLORVALUE color, int material) override;
        void SetEmissiveColor(D3DCOLORVALUE color, int material) override;
        void SetClipTexture(CString clipName, int material) override;
        void DisplayError(CString message) override;

    private:
        CLWMeshObject& m_Mesh;
    };

    void CopyToBuffers();

    CTarget m_Target;  // before the reader, which keeps it

protected:
    CLWObjectReader m_Reader;
};
