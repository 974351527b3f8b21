// The reader of LightWave 6.x/7.x object files (LWO2: big-endian IFF chunks) on a file image held in
// memory. It handles the subset a single-layer, UV-textured polygon model needs: points, face polygons
// (triangulated as fans), surface tags and colours, still-image clips and TXUV maps. It splits points
// along UV seams and along creases sharper than pi/8, computes one averaged normal per point and the
// bounding box. Anything it cannot represent stops the load with a message.
//
// It needs no device: the points, triangle indexes, counts and box it builds stay in the reader, and
// what belongs to the object that shows them (materials, textures, messages) goes to a target.
#pragma once

#include <afxstr.h>
#include <d3d8.h>
#include <d3dx8.h>

#include <cstdint>
#include <vector>

// Receives what a load sets outside the reader's own arrays, in file order.
class CLWModelTarget {
public:
    virtual ~CLWModelTarget() = default;

    // The model has count materials, all at their defaults.
    virtual void SetNumberMaterials(int count) = 0;
    // The run of triangles of material ends just before triangle faceEnd.
    virtual void SetMaterialIndex(int material, int faceEnd) = 0;
    virtual void SetAmbientColor(D3DCOLORVALUE color, int material) = 0;
    virtual void SetDiffuseColor(D3DCOLORVALUE color, int material) = 0;
    virtual void SetSpecularColor(D3DCOLORVALUE color, int material) = 0;
    virtual void SetEmissiveColor(D3DCOLORVALUE color, int material) = 0;
    // Material shows the still image clipName (a bare file name, no directory).
    virtual void SetClipTexture(CString clipName, int material) = 0;
    // Tells the user why the load stops.
    virtual void DisplayError(CString message) = 0;
};

class CLWObjectReader {
public:
    struct SLWVertex {
        float x, y, z;
        float nx, ny, nz;
        float u, v;  // v already flipped (1 - file value)
        int32_t split;
        int32_t partner;
    };

    struct SOptions {
        bool readTags = true;        // PTAG sets the target's materials (the triangles are sorted either way)
        bool readPolygonUvs = true;  // VMAD is read (texture drawing on); otherwise skipped
        bool flatShading = false;    // no two triangle corners share a point
    };

    static constexpr int kClipSlots = 256;
    static constexpr int kMaxCorners = 1024;
    static constexpr int kMaxPoints = 65536;

    explicit CLWObjectReader(CLWModelTarget& target);

    // Back to an empty model: no points, indexes, tags or polygon tables, counts 0. The clip table
    // lives as long as the reader.
    void Reset();
    // Reads the file image of length bytes into the model. reference, when not null, gives the
    // positions that decide the crease splits (same point indexes as this file). Answers true when
    // the whole file was read and the normals and the box were computed; false when a message
    // stopped the load, which keeps what was built before it.
    bool Read(const unsigned char* image, uint32_t length, const SOptions& options, const SLWVertex* reference,
              int referenceCount = 0);
    // Frees the points and indexes (after they were copied out); the counts stay.
    void ReleaseMesh();

    int VertexCount() const { return m_nVertices; }
    int FaceCount() const { return m_nFaces; }
    // The first VertexCount points are the model's; the array may hold spare slots after them.
    std::vector<SLWVertex>& Points() { return m_pPoints; }
    const std::vector<SLWVertex>& Points() const { return m_pPoints; }
    const std::vector<uint16_t>& Indexes() const { return m_pIndexes; }
    D3DXVECTOR3 BoxMin() const { return m_vBoxMin; }
    D3DXVECTOR3 BoxMax() const { return m_vBoxMax; }

private:
    struct SChunk {
        unsigned int start;  // first content byte
        unsigned int end;    // one past the last content byte
    };

    void DisplayError(CString message);
    bool CheckHeader();
    bool ReadChunks();

    // Byte access.
    bool CompareChunk(const char* id, const unsigned char* bytes);
    unsigned int ChunkToUInt(const unsigned char* bytes);
    unsigned short ChunkToUShort(const unsigned char* bytes);
    float ChunkToFloat(const unsigned char* bytes);
    bool OpenChunk(unsigned int& position, SChunk& chunk);
    void CloseChunk(unsigned int& position, const SChunk& chunk);
    bool ReadString(unsigned int& position, unsigned int end, CString& text);

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
    bool CheckPolygons(unsigned int position, unsigned int end);
    int GetNumberOfPolys(unsigned int position, unsigned int size);
    void GetNumberOfVertexPerFaces(unsigned int position, unsigned int size);
    void GetRealNumberOfVertexPerFaces(unsigned int position, unsigned int size);
    void GetVertices(std::vector<uint16_t>& indexes, unsigned int position, unsigned int size, int triangles);
    void ReorderIndexes(std::vector<int>& materials, std::vector<uint16_t>& indexes, int triangles);
    void IndexPolygonTriangles();
    void ApplyMaterialRanges(const std::vector<int>& materials);

    bool ReadUvMapHeader(unsigned int& position, const SChunk& chunk);
    bool ReadSurfaceColour(unsigned int& position, unsigned int end, int material);
    void ReadSurfaceBlock(unsigned int position, unsigned int end);

    // UV-seam split of point in polygon; crease split of point for the given corners. Both return
    // false (after a message) when the model would pass the 16-bit index range.
    bool AppendPoint(const SLWVertex& point);
    bool DuplicateVertice(uint16_t point, uint16_t polygon, float u, float v);
    bool DuplicateVertice(uint16_t point, const int* corners, int count);
    bool CheckAngles(const SLWVertex* reference, int referenceCount);
    bool SplitCreases(int point, const SLWVertex* reference, int referenceCount);
    bool CreateAdjTable();
    D3DVECTOR TriangleNormal(int triangle, const SLWVertex* reference, int referenceCount);
    void ComputeNormals();

    CLWModelTarget& m_Target;
    SOptions m_Options;
    const unsigned char* m_pFile = nullptr;
    uint32_t m_nFileLength = 0;

    int m_nVertices = 0;
    int m_nFaces = 0;
    std::vector<SLWVertex> m_pPoints;  // size is the point capacity; the first m_nVertices are used
    std::vector<uint16_t> m_pIndexes;
    int m_nPointCapacity = 0;
    std::vector<CString> m_pTags;
    int m_nTags = 0;
    std::vector<CString> m_pClips;
    int m_nLayers = 0;
    bool m_bSurfaceTags = false;    // a SURF polygon tag chunk was read in this load
    bool m_bOtherTags = false;      // a polygon tag chunk of another kind (parts, smoothing groups) was read
    std::vector<int> m_pFaceVertexCounts;
    std::vector<int> m_pPolygonVertexCounts;
    std::vector<std::vector<int>> m_pCorners;
    float m_fSmoothingAngle = 0.39269909f;
    // Where each polygon's triangles lie now (first triangle, -1 for polygons under 3 points) and the
    // polygon of each triangle; kept in step with the material sort.
    std::vector<int> m_pPolygonFirstTriangle;
    std::vector<int> m_pTrianglePolygon;
    D3DXVECTOR3 m_vBoxMin{0, 0, 0};
    D3DXVECTOR3 m_vBoxMax{0, 0, 0};
};
