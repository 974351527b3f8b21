// What the particle emitter's own source reaches outside the file reader, for the harness that links
// it without the engine only for its table of blend modes: no emitter is ever made, drawn or given a
// device there.
#include <cstdlib>

#include "effects/ParticleEmitter.h"
#include "effects/RecyclingArray.h"
#include "screen/Screen.h"

CObjects::CObjects() { std::abort(); }
CObjects::~CObjects() = default;
void CObjects::Init() { std::abort(); }
void CObjects::CleanUp() { std::abort(); }
void CObjects::PreInit() { std::abort(); }

CScreen& CScreen::Instance() { std::abort(); }
IDirect3DDevice8* CScreen::GetD3DDevice() { std::abort(); }
float CScreen::GetTickCount() { std::abort(); }

void CParticleEmitter::Render() { std::abort(); }

HRESULT D3DXCreateTextureFromFileA(IDirect3DDevice8*, const char*, IDirect3DTexture8**) { std::abort(); }
