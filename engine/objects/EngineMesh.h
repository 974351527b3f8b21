// Meshes of the utility library (generated shapes, loaded files) turned into the engine's vertex
// layout and copied into an object's buffers.
#pragma once

#include <d3dx8.h>

#include "objects/BaseObject.h"

namespace engine_mesh {

// Clones a mesh into the engine's vertex layout in system memory and computes its normals. The
// source mesh is released either way. Null when there is no source (its generator or loader failed),
// the clone fails, or the mesh does not fit 16-bit indices.
ID3DXMesh* ToEngineLayout(ID3DXMesh* source, IDirect3DDevice8* device);

// Copies the mesh's vertices into the object's vertex buffer, every vertex colour opaque white. Only
// as many as both hold are copied.
void CopyVertices(CBaseObject& object, ID3DXMesh* mesh);

// Copies the mesh's faces into the object's index buffer, at most as many as the object has faces.
void CopyIndices(CBaseObject& object, ID3DXMesh* mesh);

// Takes a generated shape into the object: on the first build sizes the object's buffers from it
// (CBaseObject::Init) and writes vertices and faces; on a rebuild rewrites the vertices in place when
// their count is unchanged. The generated mesh is released either way. False when nothing was taken
// (no mesh, or a clone that failed), so a failed rebuild keeps the previous vertices.
bool TakeGeneratedShape(CBaseObject& object, ID3DXMesh* generated, IDirect3DDevice8* device, bool first);

}  // namespace engine_mesh
