// A LightWave 6.x/7.x object file (LWO2, big-endian IFF chunks) shown as an engine object. The reader
// handles the subset a single-layer, UV-textured polygon model needs: points, face polygons
// (triangulated as fans), surface tags and colours, still-image clips and TXUV maps. It splits points
// along UV seams and along creases sharper than pi/8, computes one averaged normal per point and the
// bounding box. Anything it cannot represent stops the load with a message box.
#pragma once

#include <afxwin.h>

#include <cstdint>
#include <vector>

#include "meshes/FileMeshObject.h"

class CLWMeshObject : public CFileMeshObject {
public:
    struct SLWVertex {
        float x, y, z;
        float nx, ny, nz;
        float u, v;  // v already flipped (1 - file value)
        int32_t split;
        int32_t partner;
    };

    CLWMeshObject();
    ~CLWMeshObject() override;

    // Loads the file named by SetFilename and builds the vertex and index buffers from it.
    void Init() override;
    // Frees the file buffer, then the device resources.
    void CleanUp() override;

    static constexpr int kClipSlots = 256;
    static constexpr int kMaxCorners = 1024;
    static constexpr int kMaxPoints = 65536;
    static constexpr const char* kErrorCaption = "Lightwave importer Error";

protected:
    // The whole load. readTags selects whether PTAG sets the object's materials; reference, when not
    // null, gives the positions that decide the crease splits (same point indexes as this file).
    void LoadMesh(CString filename, bool readTags, const SLWVertex* reference, int referenceCount = 0);
    bool OpenFileInBuffer(CString filename);
    void InitLwoParameters();
    void DisplayError(CString message);

    // Byte access.
    bool CompareChunk(const char* id, const unsigned char* bytes);
    unsigned int ChunkToUInt(const unsigned char* bytes);
    unsigned short ChunkToUShort(const unsigned char* bytes);
    float ChunkToFloat(const unsigned char* bytes);
    void Read4Bytes(unsigned char*& scratch, unsigned int position);
    void Read2Bytes(unsigned char*& scratch, unsigned int position);

    // Chunk handlers: position is just past the chunk id on entry and at the chunk end on return;
    // false stops the load.
    bool ChunkTag(unsigned int& position);
    bool ChunkPnts(unsigned int& position);
    bool ChunkClip(unsigned int& position);
    bool ChunkLayr(unsigned int& position);
    bool ChunkPols(unsigned int& position);
    bool ChunkPtag(unsigned int& position);
    bool ChunkSurf(unsigned int& position);
    bool ChunkVmap(unsigned int& position);
    bool ChunkVmad(unsigned int& position);

    // Polygons of a POLS chunk, from the first polygon's position over size bytes.
    int GetNumberOfPolys(unsigned int position, unsigned int size);
    int GetRealNumberOfPolys(unsigned int position, unsigned int size);
    void GetNumberOfVertexPerFaces(unsigned int position, unsigned int size);
    void GetRealNumberOfVertexPerFaces(unsigned int position, unsigned int size);
    void GetVertices(std::vector<uint16_t>& indexes, unsigned int position, unsigned int size, int triangles);
    void ReorderIndexes(std::vector<int>& materials, std::vector<uint16_t>& indexes, int triangles);

    // UV-seam split of point in polygon; crease split of point for the given corners. Both return
    // false (after a message) when the model would pass the 16-bit index range.
    bool DuplicateVertice(uint16_t point, uint16_t polygon, float u, float v, bool unused);
    bool DuplicateVertice(uint16_t point, const int* corners, int count);
    bool CheckAngles(const SLWVertex* reference, int referenceCount = 0);
    bool CreateAdjTable();
    void ComputeNormals();

    uint32_t m_nFileLength;
    std::vector<unsigned char> m_pFileBuffer;
    std::vector<SLWVertex> m_pPoints;  // size is the point capacity; the first m_nVertices are used
    std::vector<uint16_t> m_pIndexes;
    int m_nPointCapacity;
    std::vector<CString> m_pTags;
    int m_nTags;
    std::vector<CString> m_pClips;
    int m_nLayers;
    std::vector<int> m_pFaceVertexCounts;
    std::vector<int> m_pPolygonVertexCounts;
    std::vector<std::vector<int>> m_pCorners;
    float m_fSmoothingAngle;
    // Where each polygon's triangles lie now (first triangle, -1 for polygons under 3 points) and the
    // polygon of each triangle; kept in step with the material sort.
    std::vector<int> m_pPolygonFirstTriangle;
    std::vector<int> m_pTrianglePolygon;

private:
    struct SChunk {
        unsigned int start;  // first content byte
        unsigned int end;    // one past the last content byte
    };
    bool OpenChunk(unsigned int& position, SChunk& chunk);
    void CloseChunk(unsigned int& position, const SChunk& chunk);
    bool ReadString(unsigned int& position, unsigned int end, CString& text);
    bool CheckPolygons(unsigned int position, unsigned int end);
    bool ReadUvMapHeader(unsigned int& position, const SChunk& chunk);
    void IndexPolygonTriangles();
    bool AppendPoint(const SLWVertex& point);
    bool ReadSurfaceColour(unsigned int& position, unsigned int end, int material);
    void ReadSurfaceBlock(unsigned int position, unsigned int end);
    void ApplyMaterialRanges(const std::vector<int>& materials, int largest);
    bool SplitCreases(int point, const SLWVertex* reference, int referenceCount);
    D3DVECTOR TriangleNormal(int triangle, const SLWVertex* reference, int referenceCount);
    void CopyToBuffers();

    bool m_bReadTags;
};
