#include "objects/TextureFile.h"

#include <d3dx8.h>

IDirect3DTexture8* LoadTextureFile(IDirect3DDevice8* device, const CString& file, bool writable)
{
    IDirect3DTexture8* texture = nullptr;
    const HRESULT result = writable
        ? D3DXCreateTextureFromFileExA(device, file, 0, 0, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT,
                                       D3DX_DEFAULT, 0, nullptr, nullptr, &texture)
        : D3DXCreateTextureFromFileA(device, file, &texture);
    return SUCCEEDED(result) ? texture : nullptr;
}
