// The Direct3D 8 utility library's meshes: ID3DXMesh over a device's vertex and index buffers, ID3DXBuffer,
// the sphere, cylinder and torus generators, vertex normals, and meshes loaded from DirectX .x files.
#pragma once

#include "d3d8.h"
#include "d3dx8math.h"

// Error codes of the utility library (facility 0x876, codes from 2900).
#ifndef D3DXERR_INVALIDDATA
#define D3DXERR_CANNOTMODIFYINDEXBUFFER MAKE_D3DHRESULT(2900)
#define D3DXERR_INVALIDMESH MAKE_D3DHRESULT(2901)
#define D3DXERR_CANNOTATTRSORT MAKE_D3DHRESULT(2902)
#define D3DXERR_SKINNINGNOTSUPPORTED MAKE_D3DHRESULT(2903)
#define D3DXERR_TOOMANYINFLUENCES MAKE_D3DHRESULT(2904)
#define D3DXERR_INVALIDDATA MAKE_D3DHRESULT(2905)
#define D3DXERR_LOADEDMESHASNODATA MAKE_D3DHRESULT(2906)
#endif

// Mesh creation options: index size, and where and how the vertex (VB_) and index (IB_) buffers live.
#define D3DXMESH_32BIT 0x001
#define D3DXMESH_DONOTCLIP 0x002
#define D3DXMESH_POINTS 0x004
#define D3DXMESH_RTPATCHES 0x008
#define D3DXMESH_NPATCHES 0x4000
#define D3DXMESH_VB_SYSTEMMEM 0x010
#define D3DXMESH_VB_MANAGED 0x020
#define D3DXMESH_VB_WRITEONLY 0x040
#define D3DXMESH_VB_DYNAMIC 0x080
#define D3DXMESH_VB_SOFTWAREPROCESSING 0x8000
#define D3DXMESH_IB_SYSTEMMEM 0x100
#define D3DXMESH_IB_MANAGED 0x200
#define D3DXMESH_IB_WRITEONLY 0x400
#define D3DXMESH_IB_DYNAMIC 0x800
#define D3DXMESH_IB_SOFTWAREPROCESSING 0x10000
#define D3DXMESH_VB_SHARE 0x1000
#define D3DXMESH_USEHWONLY 0x2000
#define D3DXMESH_SYSTEMMEM 0x110
#define D3DXMESH_MANAGED 0x220
#define D3DXMESH_WRITEONLY 0x440
#define D3DXMESH_DYNAMIC 0x880
#define D3DXMESH_SOFTWAREPROCESSING 0x18000

// Interface identifiers, for QueryInterface.
inline constexpr IID IID_ID3DXBuffer = {0x932e6a7e, 0xc68e, 0x45dd, {0xa7, 0xbf, 0x53, 0xd1, 0x9c, 0x86, 0xdb, 0x1f}};
inline constexpr IID IID_ID3DXBaseMesh = {0x2a835771, 0xbf4d, 0x43f4, {0x8e, 0x14, 0x82, 0xa8, 0x09, 0xf1, 0x7d, 0x8a}};
inline constexpr IID IID_ID3DXMesh = {0xccae5c3b, 0x4dd1, 0x4d0f, {0x99, 0x7e, 0x46, 0x84, 0xca, 0x64, 0x55, 0x7f}};

// One run of faces that share an attribute (material) id, and the vertices those faces use.
typedef struct _D3DXATTRIBUTERANGE {
    DWORD AttribId;
    DWORD FaceStart;
    DWORD FaceCount;
    DWORD VertexStart;
    DWORD VertexCount;
} D3DXATTRIBUTERANGE, *LPD3DXATTRIBUTERANGE;

// A material of a loaded mesh; the texture name (null when there is none) lives in the same buffer.
typedef struct _D3DXMATERIAL {
    D3DMATERIAL8 MatD3D;
    LPSTR pTextureFilename;
} D3DXMATERIAL, *LPD3DXMATERIAL;

// A block of bytes handed out by the library (adjacency, materials).
struct ID3DXBuffer : public IUnknown {
    virtual LPVOID GetBufferPointer() = 0;
    virtual DWORD GetBufferSize() = 0;
};
typedef ID3DXBuffer* LPD3DXBUFFER;

struct ID3DXMesh;
typedef ID3DXMesh* LPD3DXMESH;

struct ID3DXBaseMesh : public IUnknown {
    // Draws the faces whose attribute id is attribId with the device's current state.
    virtual HRESULT DrawSubset(DWORD attribId) = 0;
    virtual DWORD GetNumFaces() = 0;
    virtual DWORD GetNumVertices() = 0;
    virtual DWORD GetFVF() = 0;
    virtual DWORD GetOptions() = 0;
    virtual HRESULT GetDevice(LPDIRECT3DDEVICE8* device) = 0;
    virtual HRESULT CloneMeshFVF(DWORD options, DWORD fvf, LPDIRECT3DDEVICE8 device, LPD3DXMESH* cloneMesh) = 0;
    virtual HRESULT GetVertexBuffer(LPDIRECT3DVERTEXBUFFER8* vertexBuffer) = 0;
    virtual HRESULT GetIndexBuffer(LPDIRECT3DINDEXBUFFER8* indexBuffer) = 0;
    virtual HRESULT LockVertexBuffer(DWORD flags, BYTE** data) = 0;
    virtual HRESULT UnlockVertexBuffer() = 0;
    virtual HRESULT LockIndexBuffer(DWORD flags, BYTE** data) = 0;
    virtual HRESULT UnlockIndexBuffer() = 0;
    // With a null table, only the entry count; an empty table (count 0) when none has been built.
    virtual HRESULT GetAttributeTable(D3DXATTRIBUTERANGE* attribTable, DWORD* attribTableSize) = 0;
};

struct ID3DXMesh : public ID3DXBaseMesh {
    // One DWORD attribute id per face.
    virtual HRESULT LockAttributeBuffer(DWORD flags, DWORD** data) = 0;
    virtual HRESULT UnlockAttributeBuffer() = 0;
};

// Bytes per vertex of a flexible vertex format.
UINT WINAPI D3DXGetFVFVertexSize(DWORD fvf);

HRESULT WINAPI D3DXCreateBuffer(DWORD numBytes, LPD3DXBUFFER* buffer);
HRESULT WINAPI D3DXCreateMeshFVF(DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf,
                                 LPDIRECT3DDEVICE8 device, LPD3DXMESH* mesh);

// Generators, in left-handed coordinates with clockwise front faces; FVF D3DFVF_XYZ | D3DFVF_NORMAL and
// 16-bit indices. adjacency (may be null) receives three DWORDs per face, 0xFFFFFFFF where an edge is open.
// Sphere around the z axis: a pole vertex at +z, stacks - 1 rings of slices vertices, a pole at -z;
// slices * (stacks - 1) + 2 vertices and 2 * slices * (stacks - 1) faces. slices >= 2, stacks >= 2.
HRESULT WINAPI D3DXCreateSphere(LPDIRECT3DDEVICE8 device, FLOAT radius, UINT slices, UINT stacks,
                                LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency);
// Cylinder (or cone) along z from -length/2 (radius1) to +length/2 (radius2) with both ends capped;
// slices * (stacks + 3) + 2 vertices and 2 * slices * (stacks + 1) faces. slices >= 2, stacks >= 1.
HRESULT WINAPI D3DXCreateCylinder(LPDIRECT3DDEVICE8 device, FLOAT radius1, FLOAT radius2, FLOAT length,
                                  UINT slices, UINT stacks, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency);
// Torus around the z axis: a tube of radius innerRadius whose centre circle of radius outerRadius lies in
// the xy plane; sides * rings vertices and 2 * sides * rings faces. sides >= 3, rings >= 3.
HRESULT WINAPI D3DXCreateTorus(LPDIRECT3DDEVICE8 device, FLOAT innerRadius, FLOAT outerRadius, UINT sides,
                               UINT rings, LPD3DXMESH* mesh, LPD3DXBUFFER* adjacency);

// Replaces every vertex normal with the normalised sum of the area-weighted normals of the faces that
// use the vertex. The mesh's FVF must hold a normal. adjacency is accepted and not needed.
HRESULT WINAPI D3DXComputeNormals(LPD3DXMESH mesh, const DWORD* adjacency);

// Loads every mesh of a DirectX text .x file as one mesh (frame transforms applied), with its
// materials as an array of D3DXMATERIAL. adjacency and materials may be null.
HRESULT WINAPI D3DXLoadMeshFromX(LPCSTR filename, DWORD options, LPDIRECT3DDEVICE8 device, LPD3DXBUFFER* adjacency,
                                 LPD3DXBUFFER* materials, DWORD* numMaterials, LPD3DXMESH* mesh);
