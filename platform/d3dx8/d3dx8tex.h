// The texture helpers of the Direct3D 8 utility library: textures made empty or loaded from PNG and
// JPEG files (or such files held in memory), scaled, converted and mipmapped the way D3DX does it.
#pragma once

#include <cstddef>

#include "d3d8.h"

// Asks for the value D3DX picks itself: the file's size, a full mip chain, the default filter.
#define D3DX_DEFAULT ((UINT)-1)

// Scaling filters (the low 16 bits select one) and their modifier flags.
#define D3DX_FILTER_NONE (1 << 0)
#define D3DX_FILTER_POINT (2 << 0)
#define D3DX_FILTER_LINEAR (3 << 0)
#define D3DX_FILTER_TRIANGLE (4 << 0)
#define D3DX_FILTER_BOX (5 << 0)
#define D3DX_FILTER_MIRROR_U (1 << 16)
#define D3DX_FILTER_MIRROR_V (2 << 16)
#define D3DX_FILTER_MIRROR_W (4 << 16)
#define D3DX_FILTER_MIRROR (7 << 16)
#define D3DX_FILTER_DITHER (8 << 16)

// The error codes of the utility library (the mesh helpers share them).
#ifndef D3DXERR_INVALIDDATA
#define D3DXERR_CANNOTMODIFYINDEXBUFFER MAKE_D3DHRESULT(2900)
#define D3DXERR_INVALIDMESH MAKE_D3DHRESULT(2901)
#define D3DXERR_CANNOTATTRSORT MAKE_D3DHRESULT(2902)
#define D3DXERR_SKINNINGNOTSUPPORTED MAKE_D3DHRESULT(2903)
#define D3DXERR_TOOMANYINFLUENCES MAKE_D3DHRESULT(2904)
#define D3DXERR_INVALIDDATA MAKE_D3DHRESULT(2905)
#define D3DXERR_LOADEDMESHASNODATA MAKE_D3DHRESULT(2906)
#endif

typedef enum _D3DXIMAGE_FILEFORMAT {
    D3DXIFF_BMP = 0,
    D3DXIFF_JPG = 1,
    D3DXIFF_TGA = 2,
    D3DXIFF_PNG = 3,
    D3DXIFF_DDS = 4,
    D3DXIFF_PPM = 5,
    D3DXIFF_DIB = 6,
    D3DXIFF_FORCE_DWORD = 0x7fffffff
} D3DXIMAGE_FILEFORMAT;

// What a file holds: its size and the pixel format closest to what it stores (R8G8B8 for colour
// without alpha, A8R8G8B8 with it, L8 and A8L8 for grey, P8 for a palette).
typedef struct _D3DXIMAGE_INFO {
    UINT Width;
    UINT Height;
    UINT Depth;
    UINT MipLevels;
    D3DFORMAT Format;
    D3DRESOURCETYPE ResourceType;
    D3DXIMAGE_FILEFORMAT ImageFileFormat;
} D3DXIMAGE_INFO;

// An empty texture. Sizes of 0 or D3DX_DEFAULT become 256, mip levels of 0 or D3DX_DEFAULT make a
// full chain, D3DFMT_UNKNOWN or a format the loader cannot write becomes A8R8G8B8.
HRESULT WINAPI D3DXCreateTexture(LPDIRECT3DDEVICE8 device, UINT width, UINT height, UINT mipLevels, DWORD usage,
                                 D3DFORMAT format, D3DPOOL pool, LPDIRECT3DTEXTURE8* texture);

// The file's size rounded up to powers of two, a full mip chain, the file's format (A8R8G8B8 when it
// has alpha, X8R8G8B8 otherwise), the managed pool, triangle scaling and box-filtered mip levels.
HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE8 device, LPCSTR file, LPDIRECT3DTEXTURE8* texture);
HRESULT WINAPI D3DXCreateTextureFromFileInMemory(LPDIRECT3DDEVICE8 device, LPCVOID data, UINT size,
                                                 LPDIRECT3DTEXTURE8* texture);

// width, height: 0 or D3DX_DEFAULT take the file's size rounded up to powers of two; other sizes are
// kept, and the picture is scaled to them with filter. format:
// D3DFMT_UNKNOWN or D3DX_DEFAULT take the file's. filter, mipFilter: D3DX_DEFAULT is
// D3DX_FILTER_TRIANGLE | D3DX_FILTER_DITHER and D3DX_FILTER_BOX. colorKey: pixels of this A8R8G8B8
// value become transparent black; 0 keys nothing. srcInfo may be null; palette is left untouched
// since no palettized texture is ever made. A missing, unknown or damaged file answers
// D3DXERR_INVALIDDATA and leaves *texture null.
HRESULT WINAPI D3DXCreateTextureFromFileExA(LPDIRECT3DDEVICE8 device, LPCSTR file, UINT width, UINT height,
                                            UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                            DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                            D3DXIMAGE_INFO* srcInfo, PALETTEENTRY* palette,
                                            LPDIRECT3DTEXTURE8* texture);
HRESULT WINAPI D3DXCreateTextureFromFileInMemoryEx(LPDIRECT3DDEVICE8 device, LPCVOID data, UINT size, UINT width,
                                                   UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                                   D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                                   D3DXIMAGE_INFO* srcInfo, PALETTEENTRY* palette,
                                                   LPDIRECT3DTEXTURE8* texture);

// Reads only as much of the file as it takes to describe it.
HRESULT WINAPI D3DXGetImageInfoFromFileA(LPCSTR file, D3DXIMAGE_INFO* info);
HRESULT WINAPI D3DXGetImageInfoFromFileInMemory(LPCVOID data, UINT size, D3DXIMAGE_INFO* info);

#define D3DXCreateTextureFromFile D3DXCreateTextureFromFileA
#define D3DXCreateTextureFromFileEx D3DXCreateTextureFromFileExA
#define D3DXGetImageInfoFromFile D3DXGetImageInfoFromFileA
