#include "d3d8_hooks.h"

#include "device.h"
#include "gl_program_cache.h"

namespace platform {

void ForceDeviceLoss(IDirect3DDevice8* device)
{
    if (auto* ours = d3d8::AsDevice(device))
        ours->ForceLoss();
}

void RestoreDevice(IDirect3DDevice8* device)
{
    if (auto* ours = d3d8::AsDevice(device))
        ours->EndForcedLoss();
}

int LiveDefaultPoolResources(IDirect3DDevice8* device)
{
    auto* ours = d3d8::AsDevice(device);
    return ours ? ours->LiveDefaultPoolResources() : 0;
}

int DrawCallCount(IDirect3DDevice8* device)
{
    auto* ours = d3d8::AsDevice(device);
    return ours ? ours->DrawCalls() : 0;
}

int CompiledProgramCount()
{
    return d3d8::TotalCompiledPrograms();
}

}  // namespace platform
