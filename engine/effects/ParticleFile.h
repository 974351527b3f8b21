// The reader of the particle-system file: a header line "[ParticleSystem 1.00]", then one
// "name=value" line per parameter. It reads an open stream into a settings record of its own, so that
// a file refused half-way changes no emitter, and needs nothing of the device.
#pragma once

#include <afxstr.h>
#include <d3dx8.h>

#include <cstdio>

#include "effects/MinMax.h"

struct SParticleFileSettings {
    D3DXVECTOR3 position;
    D3DXVECTOR3 gravity;
    D3DXVECTOR3 spawnDir1;
    D3DXVECTOR3 spawnDir2;
    D3DXCOLOR startColor1;
    D3DXCOLOR startColor2;
    D3DXCOLOR endColor1;
    D3DXCOLOR endColor2;
    CMinMax<float> emitRate;
    D3DXVECTOR3 emitRadius;
    CMinMax<float> lifetime;
    CMinMax<float> size;
    int srcBlendMode = 0;
    int destBlendMode = 0;
    int maxParticles = 0;
    CString textureFile;
};

// Reads the file's text from file. Answers false with the user's text of the reason in error (a
// missing header, too many lines, a repeated or missing name, an unknown blend mode, a read error);
// settings are then left partly filled.
bool ReadParticleFile(FILE* file, SParticleFileSettings& settings, CString& error);
