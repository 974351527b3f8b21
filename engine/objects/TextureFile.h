// Loads an object's texture from an image file through D3DX.
#pragma once

#include <afxwin.h>
#include <d3d8.h>

// The texture of the named file, or null when it cannot be loaded. A writable texture is made
// A8R8G8B8 in the managed pool, so that it can be locked texel by texel.
IDirect3DTexture8* LoadTextureFile(IDirect3DDevice8* device, const CString& file, bool writable);
