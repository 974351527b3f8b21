// The engine's vertex record and the texel record of a locked A8R8G8B8 texture.
#pragma once

#include <d3d8.h>

// Position, normal, diffuse colour and one pair of texture coordinates: 36 bytes, FVF 0x152.
struct S3DVERTEX {
    float x, y, z;
    float nx, ny, nz;
    DWORD color;
    float tu, tv;
};

constexpr DWORD D3DFVF_S3DVERTEX = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;

static_assert(sizeof(S3DVERTEX) == 36, "S3DVERTEX must keep the 36-byte layout of its FVF");
static_assert(D3DFVF_S3DVERTEX == 0x152, "S3DVERTEX's FVF code");

// One texel of a D3DFMT_A8R8G8B8 texture, bytes in memory order.
struct SPixel {
    unsigned char blue;
    unsigned char green;
    unsigned char red;
    unsigned char alpha;
};

static_assert(sizeof(SPixel) == 4, "SPixel is one 32-bit texel");
